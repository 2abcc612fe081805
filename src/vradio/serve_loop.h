#pragma once
// The radio at work: takes what the program sends on the terminal, answers it, sends the
// replies on time, and saves the memory image after every end command and when stopped.

#include "vradio/options.h"
#include "vradio/radio_memory.h"

namespace hm3300::vradio {

// Serves until `stopFd` becomes readable. Returns false when the image could not be saved
// at the end (the reason is on standard error). Throws std::runtime_error when the
// terminal fails.
bool serve(int terminalFd, int stopFd, const Options& options, RadioMemory& memory);

}  // namespace hm3300::vradio
