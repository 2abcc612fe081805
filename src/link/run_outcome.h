#pragma once
// How a programming run ended, for the dialog's warning or the command line's report.

#include <string>
#include <vector>

#include "codec/write_check.h"
#include "model/message.h"

namespace hm3300::link {

enum class RunFailure {
    None,
    NotWritable,      // the write check refused the codeplug; the port was not touched
    PortUnavailable,  // the serial port could not be opened
    LinkFailed,       // the radio did not answer as expected
    Interrupted,      // the user stopped the run; the end command was still sent
};

struct RunOutcome {
    RunFailure failure = RunFailure::None;
    // What failed: "write check", "port", "handshake", "ready", "band block",
    // "channel 12 slot", "alias of channel 12", "option block", "DTMF block", "call block 2",
    // "cleared block 3", "password block", "ID block", "code block". Empty on success.
    model::Message step;
    // The reply that was refused, as HexText; empty when nothing came.
    std::string received;
    // For a person: "channel 12 slot failed: no reply (received nothing)". A refused write
    // lists its problems instead.
    model::Message description;
    // Why a write was not even started: every value the radio cannot take.
    std::vector<codec::WriteProblem> problems;
    // The gauge count the run reached.
    int progressCount = 0;

    bool ok() const { return failure == RunFailure::None; }
};

}  // namespace hm3300::link
