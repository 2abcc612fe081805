#include "link/radio_session.h"

#include <cassert>

#include "codec/write_check.h"
#include "link/link_trace.h"
#include "model/text_ids.h"

namespace hm3300::link {

namespace {

namespace TextId = model::TextId;

RunOutcome notWritable(std::vector<codec::WriteProblem> problems) {
    RunOutcome outcome;
    outcome.failure = RunFailure::NotWritable;
    outcome.step = model::Message(TextId::WriteCheckStep);
    outcome.description = model::Message(TextId::CannotBeWritten);
    outcome.problems = std::move(problems);
    return outcome;
}

RunOutcome portUnavailable(model::Message reason) {
    RunOutcome outcome;
    outcome.failure = RunFailure::PortUnavailable;
    outcome.step = model::Message(TextId::PortStep);
    outcome.description = std::move(reason);
    return outcome;
}

std::string modeName(RunMode mode) {
    return mode == RunMode::Read ? "read" : "write";
}

}  // namespace

RadioSession::RadioSession(PortProvider& ports, Waiter& waiter, model::Codeplug& document,
                           const model::ValueTexts& texts)
    : ports_(ports), waiter_(waiter), document_(document), texts_(texts) {}

RadioSession::~RadioSession() {
    close();
}

RunOutcome RadioSession::open(RunMode mode, const SessionOptions& options) {
    close();
    if (mode == RunMode::Write) {
        if (options.singleHead) {
            document_.channels.turnVoxOff(texts_);
        }
        if (auto problems = codec::checkWritable(document_, texts_); !problems.empty()) {
            return notWritable(std::move(problems));
        }
    }
    if (model::Message reason = ports_.probe(options.portPath); !reason.empty()) {
        return portUnavailable(std::move(reason));
    }
    auto port = ports_.create(options.portPath);
    auto link = std::make_unique<SerialLink>(*port, waiter_);
    port->attach(*link);
    if (!port->setOpen(true)) {
        return portUnavailable({TextId::PortCannotOpen, {options.portPath, port->problem()}});
    }
    link->setSingleHead(options.singleHead);
    link->setPacing(options.pacing);
    link->setTrace(trace_);
    link->setStopRequest(stopRequested_);
    mode_ = mode;
    options_ = options;
    port_ = std::move(port);
    link_ = std::move(link);
    startChannel_ = chooseStartChannel(document_);
    return {};
}

RunOutcome RadioSession::run(const ProgressCallback& progress) {
    assert(isOpen());
    note(modeName(mode_) + " on " + options_.portPath +
         (options_.singleHead ? ", single-head cable" : ", dual-head cable") +
         (options_.pacing == Pacing::Fast ? ", fast link" : ", fixed waits"));
    RunOutcome outcome;
    if (mode_ == RunMode::Read) {
        model::Codeplug copy = document_;
        outcome = runProgramming(*link_, mode_, copy, texts_, startChannel_, progress);
        if (outcome.ok()) {
            document_ = std::move(copy);
        }
    } else {
        outcome = runProgramming(*link_, mode_, document_, texts_, startChannel_, progress);
    }
    // Set when the port reset could not reopen the port or the cable was pulled.
    if (const std::string problem = port_->problem(); !outcome.ok() && !problem.empty()) {
        outcome.description = {TextId::WithPortProblem,
                               {std::move(outcome.description), options_.portPath, problem}};
    }
    note(outcome.ok() ? "done" : outcome.description.english());
    return outcome;
}

void RadioSession::close() {
    if (port_) {
        port_->setOpen(false);
    }
    link_.reset();
    port_.reset();
}

void RadioSession::setTrace(LinkTrace* trace) {
    trace_ = trace;
    if (link_) {
        link_->setTrace(trace);
    }
}

void RadioSession::setStopRequest(std::function<bool()> stopRequested) {
    stopRequested_ = std::move(stopRequested);
    if (link_) {
        link_->setStopRequest(stopRequested_);
    }
}

void RadioSession::note(const std::string& text) {
    if (trace_ != nullptr) {
        trace_->note(waiter_.nowMs(), text);
    }
}

}  // namespace hm3300::link
