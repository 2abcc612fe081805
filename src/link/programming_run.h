#pragma once
// One programming run: port reset, handshake, ready wait, the read or write procedure, and
// the end command, which is sent whatever happened before. The radio session runs it once
// per press of the dialog's start button; the caller shows the outcome.

#include <string>
#include <string_view>

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

// The channel a written radio starts on: the first whose RxFreq lies in the active band's
// receive range, as two hexadecimal digits, or "FF". With "FF", VFO/MR and
// MR freq./MR CH are set to index 1, so the radio starts in frequency mode.
std::string chooseStartChannel(model::Codeplug& document);

// Runs over `link`, whose port is open. A read decodes into `document` as it goes; a write
// puts `startChannel` into the option block and expects a document that passed the write
// check. `progress` gets the gauge value and maximum: 0 at the start, every finished block,
// and the maximum when the procedure completes.
RunOutcome runProgramming(SerialLink& link, RunMode mode, model::Codeplug& document,
                          const model::ValueTexts& texts, std::string_view startChannel,
                          const ProgressCallback& progress);

}  // namespace hm3300::link
