#include "port/port_probe.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSerialPort>
#include <cerrno>
#include <cstring>

#include "model/text_ids.h"

namespace hm3300::port {

namespace {

namespace TextId = model::TextId;

PortProbe failure(PortProbe::Problem problem, model::Message reason) {
    return {problem, std::move(reason)};
}

// Serial devices are open to one group (dialout on Debian), which a user joins. The group
// named is the device's own, unless only its owner may use it.
model::Message permissionAdvice(const QByteArray& name) {
    constexpr mode_t kGroupReadWrite = S_IRGRP | S_IWGRP;
    struct stat status {};
    if (::stat(name.constData(), &status) == 0 && status.st_gid != 0 &&
        (status.st_mode & kGroupReadWrite) == kGroupReadWrite) {
        if (const struct group* owners = ::getgrgid(status.st_gid)) {
            return {TextId::JoinTheGroup, {std::string(owners->gr_name)}};
        }
    }
    return model::Message(TextId::OnlyTheOwner);
}

// The operating system's answer, which tells a missing device from a refused or busy one.
PortProbe probeDevice(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const std::string device = path.toStdString();
    const int fd = ::open(name.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        switch (error) {
            case ENOENT:
            case ENODEV:
            case ENXIO:
                return failure(PortProbe::Problem::Missing, {TextId::PortMissing, {device}});
            case EACCES:
            case EPERM:
                return failure(PortProbe::Problem::NoPermission,
                               {TextId::PortNoPermission, {device, permissionAdvice(name)}});
            case EBUSY:
                return failure(PortProbe::Problem::Busy, {TextId::PortInUse, {device}});
            default:
                return failure(PortProbe::Problem::Other,
                               {TextId::PortCannotOpen, {device, std::strerror(error)}});
        }
    }
    const bool terminal = ::isatty(fd) == 1;
    ::close(fd);
    if (!terminal) {
        return failure(PortProbe::Problem::NotSerial, {TextId::NotSerialPort, {device}});
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
            return failure(PortProbe::Problem::Busy, {TextId::PortLocked, {path.toStdString()}});
        }
        return failure(
            PortProbe::Problem::Other,
            {TextId::PortCannotOpen, {path.toStdString(), serial.errorString().toStdString()}});
    }
    serial.close();
    return probe;
}

}  // namespace hm3300::port
