#pragma once
// A whole conversation with the radio on one serial port, as both front ends hold it: the
// window for as long as its programming dialog is open, the command line for one run.
//
//   open()   a write is checked first; then the port is probed and opened, the link built
//            and the start channel chosen. Nothing is sent.
//   run()    one programming run (port reset, handshake, ready wait, procedure, end
//            command); as often as the dialog's start button is pressed.
//   close()  closes the port.
//
// A read goes into a copy of the document, which replaces the document only when the whole
// read succeeded: a failed read leaves the document as it was.

#include <functional>
#include <memory>
#include <string>

#include "link/programming_run.h"
#include "link/run_outcome.h"
#include "link/serial_link.h"
#include "model/codeplug.h"
#include "model/message.h"
#include "model/value_texts.h"

namespace hm3300::link {

class LinkTrace;

// The serial devices of this machine, as the session needs them.
class PortProvider {
public:
    virtual ~PortProvider() = default;
    // Why `path` cannot be opened for reading and writing at this moment, and what to do
    // about it; empty when it can.
    virtual model::Message probe(const std::string& path) = 0;
    // A closed port on `path`.
    virtual std::unique_ptr<Port> create(const std::string& path) = 0;
};

struct SessionOptions {
    std::string portPath;  // the serial device, e.g. /dev/ttyUSB0
    bool singleHead = false;
    Pacing pacing = Pacing::Fixed;
};

class RadioSession {
public:
    RadioSession(PortProvider& ports, Waiter& waiter, model::Codeplug& document,
                 const model::ValueTexts& texts);
    ~RadioSession();

    // Prepares runs in `mode`. A write whose document fails the write check, or a port
    // that cannot be opened, ends here with that outcome and nothing is opened. In
    // single-head mode a write first turns every channel's VOX off: the radio cannot use it.
    RunOutcome open(RunMode mode, const SessionOptions& options);
    bool isOpen() const { return link_ != nullptr; }
    RunMode mode() const { return mode_; }

    // One programming run; requires isOpen().
    RunOutcome run(const ProgressCallback& progress = {});

    void close();

    // Every frame of the following runs is written to `trace` (nullptr: none).
    void setTrace(LinkTrace* trace);
    // Asked before every frame: once it answers true, the run stops after the exchange in
    // progress, sends the end command and ends Interrupted.
    void setStopRequest(std::function<bool()> stopRequested);

private:
    void note(const std::string& text);

    PortProvider& ports_;
    Waiter& waiter_;
    model::Codeplug& document_;
    const model::ValueTexts& texts_;
    LinkTrace* trace_ = nullptr;
    std::function<bool()> stopRequested_;

    RunMode mode_ = RunMode::Read;
    SessionOptions options_;
    std::string startChannel_;
    std::unique_ptr<Port> port_;
    std::unique_ptr<SerialLink> link_;
};

}  // namespace hm3300::link
