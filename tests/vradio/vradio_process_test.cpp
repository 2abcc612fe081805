// The real hm3300d-vradio, driven through its pseudo-terminal as the program drives it.

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "codec/hex_text.h"
#include "support/processes.h"
#include "support/temporary_folder.h"
#include "vradio/unique_fd.h"

namespace hm3300::vradio {
namespace {

using testing::readBytes;
using testing::TemporaryFolder;
using testing::writeBytes;

using namespace std::chrono_literals;

constexpr auto kTimeout = 5s;

template <typename Condition>
bool waitFor(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + kTimeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

class VradioProcess {
public:
    // Starts the executable with `arguments`; its output goes to files in `dir`.
    VradioProcess(const TemporaryFolder& dir, std::vector<std::string> arguments)
        : out_(dir.path() / "stdout.txt"),
          err_(dir.path() / "stderr.txt"),
          pid_(testing::startProgram("hm3300d-vradio", std::move(arguments), out_, err_)) {}
    ~VradioProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    bool started() const { return pid_ > 0; }
    void signal(int number) { ::kill(pid_, number); }
    // The exit status, or -1 when the process has not ended in time.
    int exitStatus() {
        int status = 0;
        if (!waitFor([&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; })) {
            return -1;
        }
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    std::string output() const { return readBytes(out_); }
    std::string errors() const { return readBytes(err_); }

private:
    std::filesystem::path out_;
    std::filesystem::path err_;
    pid_t pid_ = -1;
};

// The program's end of the line, in raw mode as the serial port is.
class Port {
public:
    explicit Port(const std::filesystem::path& path)
        : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {
        termios settings{};
        if (fd_.valid() && ::tcgetattr(fd_.get(), &settings) == 0) {
            ::cfmakeraw(&settings);
            ::tcsetattr(fd_.get(), TCSANOW, &settings);
        }
    }
    bool open() const { return fd_.valid(); }

    // Sends the bytes of `hex` and returns what arrives until `replyBytes` bytes are in or
    // the time is up.
    std::string exchange(std::string_view hex, std::size_t replyBytes) {
        const auto request = codec::hexTextToBytes(hex).value();
        if (::write(fd_.get(), request.data(), request.size()) !=
            static_cast<ssize_t>(request.size())) {
            return "write failed";
        }
        std::vector<std::uint8_t> reply;
        const auto deadline = std::chrono::steady_clock::now() + kTimeout;
        while (reply.size() < replyBytes && std::chrono::steady_clock::now() < deadline) {
            pollfd watched{fd_.get(), POLLIN, 0};
            if (::poll(&watched, 1, 50) > 0) {
                std::uint8_t buffer[256];
                const ssize_t count = ::read(fd_.get(), buffer, sizeof buffer);
                if (count > 0) {
                    reply.insert(reply.end(), buffer, buffer + count);
                }
            }
        }
        return codec::toHexText(reply);
    }

private:
    UniqueFd fd_;
};

constexpr std::string_view kHandshake = "02054B6F70726140";
constexpr std::string_view kIdentification = "06064472756D657833";
constexpr std::string_view kAck = "060006";
constexpr std::string_view kFactoryBand = "57120CC04700400047004000174013601740136089";
constexpr std::string_view kWriteChannel1 = "5712001000112233445566778899AABBCCDDEEFF55";
constexpr std::string_view kEnd = "64016F0A";

std::string imageBytes(const std::filesystem::path& image, std::size_t offset, std::size_t size) {
    const auto text = readBytes(image);
    if (text.size() < offset + size) {
        return "image too short";
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data()) + offset;
    return codec::toHexText(std::span(data, size));
}

TEST(VradioProcessTest, ServesTheProgramAndCleansUpOnSigterm) {
    const TemporaryFolder dir;
    const auto link = dir.path() / "radio";
    const auto image = dir.path() / "radio.img";
    std::filesystem::create_symlink("/nonexistent", link);  // left over: replaced
    VradioProcess vradio(dir, {"--link", link.string(), "--image", image.string()});
    ASSERT_TRUE(vradio.started());
    ASSERT_TRUE(waitFor([&] { return vradio.output().find('\n') != std::string::npos; }))
        << vradio.errors();
    EXPECT_EQ(vradio.output().rfind(link.string() + " -> /dev/", 0), 0u) << vradio.output();
    EXPECT_EQ(readBytes(image).size(), 4096u) << "created at start";

    {
        Port port(link);
        ASSERT_TRUE(port.open());
        EXPECT_EQ(port.exchange(kHandshake, 9), kIdentification);
        EXPECT_EQ(port.exchange("060006", 3), kAck);
        EXPECT_EQ(port.exchange("52030CC0108D", 21), kFactoryBand);
        EXPECT_EQ(port.exchange(kWriteChannel1, 3), kAck);
        EXPECT_EQ(port.exchange(kEnd, 3), kAck);
        EXPECT_EQ(imageBytes(image, 0x10, 16), "00112233445566778899AABBCCDDEEFF")
            << "saved after the end command";
    }
    {
        Port reopened(link);  // the program closes and reopens the port for every run
        ASSERT_TRUE(reopened.open());
        EXPECT_EQ(reopened.exchange(kHandshake, 9), kIdentification);
        EXPECT_EQ(reopened.exchange("520300101051", 21),
                  "5712001000112233445566778899AABBCCDDEEFF55");
    }

    vradio.signal(SIGTERM);
    EXPECT_EQ(vradio.exitStatus(), 0) << vradio.errors();
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
    EXPECT_EQ(imageBytes(image, 0x10, 16), "00112233445566778899AABBCCDDEEFF");
}

TEST(VradioProcessTest, SingleHeadEchoesEveryByteBeforeAnswering) {
    const TemporaryFolder dir;
    const auto link = dir.path() / "radio";
    VradioProcess vradio(dir, {"--link", link.string(), "--image", (dir.path() / "r.img").string(),
                               "--single-head", "--latency", "5"});
    ASSERT_TRUE(waitFor([&] { return vradio.output().find('\n') != std::string::npos; }))
        << vradio.errors();
    Port port(link);
    EXPECT_EQ(port.exchange(kHandshake, 8 + 9),
              std::string(kHandshake) + std::string(kIdentification));
    vradio.signal(SIGINT);
    EXPECT_EQ(vradio.exitStatus(), 0);
}

TEST(VradioProcessTest, RefusesToReplaceAFileThatIsNoLink) {
    const TemporaryFolder dir;
    const auto link = dir.path() / "radio";
    writeBytes(link, "keep me");
    VradioProcess vradio(dir,
                         {"--link", link.string(), "--image", (dir.path() / "r.img").string()});
    EXPECT_EQ(vradio.exitStatus(), 1);
    EXPECT_NE(vradio.errors().find("is not a symbolic link"), std::string::npos) << vradio.errors();
    EXPECT_EQ(readBytes(link), "keep me");
}

TEST(VradioProcessTest, RefusesAnImageOfTheWrongSize) {
    const TemporaryFolder dir;
    const auto image = dir.path() / "r.img";
    writeBytes(image, "short");
    VradioProcess vradio(dir,
                         {"--link", (dir.path() / "radio").string(), "--image", image.string()});
    EXPECT_EQ(vradio.exitStatus(), 1);
    EXPECT_NE(vradio.errors().find("is not a radio image"), std::string::npos) << vradio.errors();
    EXPECT_EQ(readBytes(image), "short");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dir.path() / "radio")));
}

TEST(VradioProcessTest, UsageErrorsExitWithTwo) {
    const TemporaryFolder dir;
    VradioProcess vradio(dir, {"--latency", "x"});
    EXPECT_EQ(vradio.exitStatus(), 2);
    EXPECT_NE(vradio.errors().find("--help"), std::string::npos);
}

}  // namespace
}  // namespace hm3300::vradio
