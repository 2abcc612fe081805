#include "virtual_radio.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace hm3300::app::test {

namespace {

constexpr int kStartMs = 10000;
constexpr int kStopMs = 5000;

}  // namespace

VirtualRadio::VirtualRadio(const QStringList& options) {
    const QString link = dir_.filePath(QStringLiteral("radio"));
    process_.setStandardErrorFile(dir_.filePath(QStringLiteral("vradio.log")));
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.start(
        QStringLiteral(HM3300_BIN_DIR "/hm3300d-vradio"),
        QStringList{QStringLiteral("--link"), link, QStringLiteral("--image"),
                    dir_.filePath(QStringLiteral("radio.img")), QStringLiteral("--verbose")} +
            options);
    if (!process_.waitForStarted(kStartMs)) {
        return;
    }
    // The link appears once the terminal is ready.
    const QDeadlineTimer deadline(kStartMs);
    while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
        if (QFileInfo::exists(link)) {
            port_ = link;
            return;
        }
        QThread::msleep(20);
    }
}

VirtualRadio::~VirtualRadio() {
    if (process_.state() == QProcess::NotRunning) {
        return;
    }
    process_.terminate();
    if (!process_.waitForFinished(kStopMs)) {
        process_.kill();
        process_.waitForFinished(kStopMs);
    }
}

QStringList VirtualRadio::frames() const {
    QFile log(dir_.filePath(QStringLiteral("vradio.log")));
    QStringList lines;
    if (log.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QByteArray& line : log.readAll().split('\n')) {
            if (line.contains(" -> ")) {
                lines.append(QString::fromUtf8(line));
            }
        }
    }
    return lines;
}

}  // namespace hm3300::app::test
