#include "port/port_probe.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSerialPort>
#include <cerrno>
#include <cstring>

namespace hm3300::port {

namespace {

PortProbe failure(PortProbe::Problem problem, const QString& reason) {
    return {problem, reason};
}

// Serial devices are open to one group (dialout on Debian), which a user joins. The group
// named is the device's own, unless only its owner may use it.
QString permissionAdvice(const QByteArray& name) {
    constexpr mode_t kGroupReadWrite = S_IRGRP | S_IWGRP;
    struct stat status {};
    if (::stat(name.constData(), &status) == 0 && status.st_gid != 0 &&
        (status.st_mode & kGroupReadWrite) == kGroupReadWrite) {
        if (const struct group* owners = ::getgrgid(status.st_gid)) {
            return QStringLiteral(
                       "add your user to the group %1 (sudo usermod -aG %1 $USER), then "
                       "log in again")
                .arg(QString::fromLocal8Bit(owners->gr_name));
        }
    }
    return QStringLiteral(
        "only its owner may open it; serial ports are normally open to the group dialout: have "
        "the device given to that group (a udev rule), add your user to it (sudo usermod -aG "
        "dialout $USER) and log in again");
}

// The operating system's answer, which tells a missing device from a refused or busy one.
PortProbe probeDevice(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        switch (error) {
            case ENOENT:
            case ENODEV:
            case ENXIO:
                return failure(PortProbe::Problem::Missing,
                               path +
                                   " does not exist: check that the programming cable is "
                                   "plugged in and that the port name is right");
            case EACCES:
            case EPERM:
                return failure(PortProbe::Problem::NoPermission,
                               "no permission to open " + path + ": " + permissionAdvice(name));
            case EBUSY:
                return failure(PortProbe::Problem::Busy,
                               path + " is in use by another program: close it and try again");
            default:
                return failure(
                    PortProbe::Problem::Other,
                    path + " cannot be opened: " + QString::fromLocal8Bit(std::strerror(error)));
        }
    }
    const bool terminal = ::isatty(fd) == 1;
    ::close(fd);
    if (!terminal) {
        return failure(PortProbe::Problem::NotSerial, path + " is not a serial port");
    }
    return {};
}

}  // namespace

PortProbe probePort(const QString& path) {
    PortProbe probe = probeDevice(path);
    if (!probe) {
        return probe;
    }
    // The device itself is free; Qt also honours the lock files other serial programs leave.
    QSerialPort serial;
    serial.setPortName(path);
    if (!serial.open(QIODevice::ReadWrite)) {
        if (serial.error() == QSerialPort::PermissionError) {
            return failure(PortProbe::Problem::Busy,
                           path + " is locked by another program: close it and try again");
        }
        return failure(PortProbe::Problem::Other,
                       path + " cannot be opened: " + serial.errorString());
    }
    serial.close();
    return probe;
}

}  // namespace hm3300::port
