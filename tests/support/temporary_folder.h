#pragma once
// A fresh folder for one test, removed with everything in it when the object goes, and whole
// files read and written as bytes.

#include <filesystem>
#include <string>

namespace hm3300::testing {

class TemporaryFolder {
public:
    // A new folder under the system's temporary folder; fails the test when none can be made.
    TemporaryFolder();
    // Removes the folder, also when a test has taken away its write permission.
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of `name` inside the folder.
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// The whole file; empty when it cannot be read.
std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace hm3300::testing
