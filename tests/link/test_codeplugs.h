#pragma once
// Documents the link tests send to and read from the fake radio.

#include "model/codeplug.h"
#include "model/value_texts.h"

namespace hm3300::link::testing {

// The built-in (simplified-Chinese) value texts.
const model::ValueTexts& valueTexts();

// Bands as the fake radio reports them: band 1 400-470 MHz, band 2 136-174 MHz.
model::BandLists radioBands();

// A channel with the defaults of a newly entered frequency.
model::Channel newChannel(const std::string& rxFreq);

// Channels and settings away from their defaults wherever the radio can carry it:
// channels 1, 2, 5 and 128 exist, every setting differs from its default, ChangePassword is
// on, the band lists are radioBands().
model::Codeplug richCodeplug();

}  // namespace hm3300::link::testing

namespace hm3300::link::testing {

// Every field, option and band list in which `actual` differs from `expected`, one per
// line; empty when they are equal.
std::string differences(const model::Codeplug& actual, const model::Codeplug& expected);
std::string differences(const model::RadioSettings& actual, const model::RadioSettings& expected);

}  // namespace hm3300::link::testing
