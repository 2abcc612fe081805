#pragma once
// One press of the programming dialog's start button: port reset, handshake, ready wait,
// the read or write procedure, and the end command. The caller shows the outcome (the
// dialog its LinkErrorText warning, the command line a report).
//
// Usage: construct over the link and the document when the dialog is shown, call chooseStartChannel
// once, then run() for every press of the start button.

#include <string>

#include "link/run_context.h"
#include "link/run_outcome.h"
#include "link/serial_link.h"
#include "model/codeplug.h"
#include "model/value_texts.h"

namespace hm3300::link {

enum class RunMode { Read = 1, Write = 2 };

// The gauge's maximum: 138 for a read, 148 for a write.
int gaugeMaximum(RunMode mode);

inline constexpr int kHandshakeAttempts = 6;
inline constexpr int kPortResetWaitMs = 150;

class ProgrammingRun {
public:
    // `progress` gets the gauge value and maximum: 0 at the start of a run, every finished
    // block, and the maximum when the procedure completes.
    ProgrammingRun(SerialLink& link, model::Codeplug& document, const model::ValueTexts& texts,
                   ProgressCallback progress = {});

    // The dialog being shown: StartChannel becomes the first channel whose RxFreq lies in
    // the active band's receive range (as two hexadecimal digits), or "FF"; with "FF",
    // VFO/MR and MR freq./MR CH are set to index 1.
    void chooseStartChannel();
    const std::string& StartChannel() const { return startChannel_; }

    // One programming run. A write first checks the whole document and, when anything
    // cannot be written, sends nothing at all.
    RunOutcome run(RunMode mode);

    // The gauge count the last run reached.
    int ProgressCount() const { return progressCount_; }

private:
    bool resetPort();
    void handshake(RunContext& run);
    void waitReady(RunContext& run);

    SerialLink& link_;
    model::Codeplug& document_;
    const model::ValueTexts& texts_;
    ProgressCallback progress_;
    std::string startChannel_ = "FF";
    int progressCount_ = 0;
};

}  // namespace hm3300::link
