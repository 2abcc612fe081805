#pragma once
// Copies the document into the radio: reads the band block as a check, then writes the
// 128 channel and name slots, the option, DTMF, call and cleared blocks, the password
// block when ChangePassword is set, and the ID and code blocks, each acknowledged by the
// radio. The document must have passed codec::checkWritable; it is not changed.

#include <string_view>

#include "link/run_context.h"

namespace hm3300::link {

inline constexpr int kWriteGaugeMaximum = 148;

// `startChannel`: two hexadecimal digits for the option block (see chooseStartChannel).
void writeRadio(RunContext& run, std::string_view startChannel);

}  // namespace hm3300::link
