#pragma once
// Codeplugs and packs shared by the file tests.

#include <filesystem>
#include <string>

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

// A fresh folder under the system's temporary folder, removed with the object.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

}  // namespace hm3300::file::test
