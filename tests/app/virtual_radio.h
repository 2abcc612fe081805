#pragma once
// hm3300d-vradio for the window tests: the virtual radio on a pseudo-terminal linked from
// a temporary folder, its memory in a fresh image file there, stopped with the object.

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace hm3300::app::test {

class VirtualRadio {
public:
    // `options` are fault options such as "--silent"; the radio logs every frame.
    explicit VirtualRadio(const QStringList& options = {});
    ~VirtualRadio();
    VirtualRadio(const VirtualRadio&) = delete;
    VirtualRadio& operator=(const VirtualRadio&) = delete;

    // The serial device to open; empty when the radio did not start within a few seconds.
    QString port() const { return port_; }
    // One line per frame the radio received: "request -> reply: note".
    QStringList frames() const;

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString port_;
};

}  // namespace hm3300::app::test
