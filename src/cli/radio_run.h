#pragma once
// What the read and write commands share: the --port and --single-head options, and one
// programming run over the serial port, as the window's Read and Write perform it.

#include <optional>
#include <string>

#include "link/programming_run.h"
#include "model/codeplug.h"
#include "model/value_texts.h"

namespace hm3300::cli {

class Arguments;

struct RadioPortOptions {
    std::string path;  // the serial device, e.g. /dev/ttyUSB0
    bool singleHead = false;
};

// Empty, with `error` set, when --port is missing.
std::optional<RadioPortOptions> radioPortOptions(const Arguments& arguments, std::string& error);

// Probes and opens the port, shows the dialog (chooseStartChannel) and performs one run in `mode`
// over `codeplug`, with a progress line on stderr. Reports any failure on stderr and
// returns the exit status: Success, LinkFailed or PortUnavailable.
int runOnRadio(const RadioPortOptions& options, link::RunMode mode, model::Codeplug& codeplug,
               const model::ValueTexts& texts);

}  // namespace hm3300::cli
