#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTimer>
#include <array>

#include "link/serial_link.h"
#include "port/event_loop_waiter.h"
#include "port/port_probe.h"
#include "port/serial_port.h"

namespace hm3300::port {
namespace {

// The far end of a pseudo-terminal stands in for the radio.
class PseudoTerminal {
public:
    PseudoTerminal() {
        std::array<char, 128> name{};
        EXPECT_EQ(::openpty(&master_, &slave_, name.data(), nullptr, nullptr), 0);
        path_ = QString::fromLocal8Bit(name.data());
    }
    ~PseudoTerminal() {
        ::close(slave_);
        ::close(master_);
    }
    const QString& path() const { return path_; }

    void send(const std::vector<std::uint8_t>& bytes) {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    std::vector<std::uint8_t> received() {
        std::vector<std::uint8_t> bytes(256);
        const ssize_t count = ::read(master_, bytes.data(), bytes.size());
        bytes.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
        return bytes;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    QString path_;
};

class SerialPortTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "port_tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication application(argc, argv);
    }

    PseudoTerminal radio;
    SerialPort port{radio.path()};
    EventLoopWaiter waiter;
    link::SerialLink link{port, waiter};

    void SetUp() override { port.attach(link); }

    // The terminal answers 10 ms into the link's next wait.
    void replyDuringTheWait(std::vector<std::uint8_t> reply) {
        QTimer::singleShot(10, [this, reply] { radio.send(reply); });
    }
};

TEST_F(SerialPortTest, FrameGoesOutAndReplyArrivesDuringTheWait) {
    ASSERT_TRUE(port.setOpen(true)) << port.problem();
    // Control characters a cooked terminal would swallow or translate must pass untouched.
    replyDuringTheWait({0x57, 0x0D, 0x0A, 0x11, 0x13, 0x03, 0x04, 0x7F, 0x00, 0xFF});
    link.sendAndWait("52030CC010", 80);
    EXPECT_EQ(link.rxBuffer(), "570D0A111303047F00FF");
    EXPECT_EQ(radio.received(), (std::vector<std::uint8_t>{0x52, 0x03, 0x0C, 0xC0, 0x10, 0x8D}));
}

TEST_F(SerialPortTest, PortResetKeepsTheLinkWorking) {
    ASSERT_TRUE(port.setOpen(true));
    ASSERT_TRUE(port.setOpen(false));
    waiter.wait(10);
    ASSERT_TRUE(port.setOpen(true)) << port.problem();
    replyDuringTheWait({0x06, 0x00, 0x06});
    link.sendAndWait("0600", 70);
    EXPECT_EQ(link.rxBuffer(), "060006");
    EXPECT_EQ(radio.received(), (std::vector<std::uint8_t>{0x06, 0x00, 0x06}));
}

TEST_F(SerialPortTest, WaitLastsAtLeastItsTimeAndZeroReturnsAtOnce) {
    QElapsedTimer elapsed;
    elapsed.start();
    waiter.wait(30);
    EXPECT_GE(elapsed.elapsed(), 30);

    // Bytes pending when wait(0) runs stay undelivered: it handles no events.
    ASSERT_TRUE(port.setOpen(true));
    radio.send({0x06, 0x00, 0x06});
    ::usleep(20'000);
    waiter.wait(0);
    EXPECT_EQ(link.rxBuffer(), "");
    waiter.wait(20);
    EXPECT_EQ(link.rxBuffer(), "060006");
}

// Bytes that arrive while the link is not waiting never reach the receive buffer: the
// link takes them from the port before its next frame and drops them.
TEST_F(SerialPortTest, BytesBetweenWaitsAreTakenAsUndelivered) {
    ASSERT_TRUE(port.setOpen(true));
    radio.send({0x06, 0x00, 0x06});
    ::usleep(20'000);
    EXPECT_EQ(port.takeUndelivered(), (std::vector<std::uint8_t>{0x06, 0x00, 0x06}));
    EXPECT_TRUE(port.takeUndelivered().empty());
    link.sendAndWait("0600", 30);
    EXPECT_EQ(link.rxBuffer(), "");
}

TEST_F(SerialPortTest, ProbeAcceptsAFreeTerminal) {
    const PortProbe probe = probePort(radio.path());
    EXPECT_TRUE(probe) << probe.reason.english();
    EXPECT_TRUE(probe.reason.empty());
}

TEST_F(SerialPortTest, ProbeRefusesAPortAnotherProgramHolds) {
    QSerialPort holder;
    holder.setPortName(radio.path());
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
    const PortProbe probe = probePort(radio.path());
    EXPECT_EQ(probe.problem, PortProbe::Problem::Busy);
    EXPECT_NE(probe.reason.english().find("another program"), std::string::npos);
}

TEST(PortProbeTest, SaysWhyAPortCannotBeOpened) {
    QTemporaryDir folder;
    const QString missing = folder.filePath("ttyUSB9");
    const PortProbe gone = probePort(missing);
    EXPECT_EQ(gone.problem, PortProbe::Problem::Missing);
    EXPECT_TRUE(gone.reason.english().starts_with((missing + " does not exist").toStdString()));

    const QString plain = folder.filePath("plain");
    QFile file(plain);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(probePort(plain).problem, PortProbe::Problem::NotSerial);

    // Root opens any file, so the permission case shows only for an ordinary user.
    if (::geteuid() != 0) {
        file.setPermissions(QFileDevice::Permissions{});
        const PortProbe refused = probePort(plain);
        EXPECT_EQ(refused.problem, PortProbe::Problem::NoPermission);
        EXPECT_NE(refused.reason.english().find("dialout"), std::string::npos);
    }
}

}  // namespace
}  // namespace hm3300::port
