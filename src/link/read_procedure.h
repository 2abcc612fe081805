#pragma once
// Copies the radio's memory into the document, block by block, decoding each accepted
// reply straight into it: band block, 128 channel and name slots, option, DTMF, call,
// code, password and ID blocks. Stops at the first block it cannot get; what was read
// before stays in the document.

#include "link/run_context.h"

namespace hm3300::link {

inline constexpr int kReadGaugeMaximum = 138;

void readRadio(RunContext& run);

}  // namespace hm3300::link
