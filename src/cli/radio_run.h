#pragma once
// What the read and write commands share: the --port, --single-head, --fast and --trace
// options, and one programming run through the radio session, as the window's Read and
// Write perform it, with a progress line on stderr. Ctrl-C or SIGTERM stops the run after the
// exchange in progress; the end command still goes out so the radio leaves programming.

#include <optional>
#include <string>

#include "link/radio_session.h"
#include "model/codeplug.h"
#include "model/value_texts.h"

namespace hm3300::cli {

class Arguments;

struct RadioOptions {
    link::SessionOptions session;
    std::string tracePath;  // empty: no trace
};

// Empty, with `error` set, when --port is missing.
std::optional<RadioOptions> radioOptions(const Arguments& arguments, std::string& error);

// One run in `mode` over `codeplug`; a read replaces `codeplug` only when it succeeds.
// Reports any failure on stderr (a refused write lists its problems on stdout, naming
// `fileName`) and returns the exit status.
int runOnRadio(const RadioOptions& options, link::RunMode mode, model::Codeplug& codeplug,
               const model::ValueTexts& texts, const std::string& fileName);

}  // namespace hm3300::cli
