#pragma once
// Codeplugs and packs shared by the file tests.

#include "model/codeplug.h"
#include "model/language_pack.h"

namespace hm3300::file::test {

// The pack lang/<name>.lng of the source tree; fails the test when it cannot be loaded.
model::LanguagePack shippedPack(model::Language language);

// A codeplug whose options all differ from their defaults and whose channels hold the
// words of `texts`: channel 1 the plain example channel, 2 empty, 3 with every value
// changed, 128 a new channel. Password, ChangePassword
// and SpareKeyAssignment are set as well, though the file does not carry them.
model::Codeplug sampleCodeplug(const model::ValueTexts& texts);

}  // namespace hm3300::file::test
