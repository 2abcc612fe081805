#include "shell_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace hm3300::app::test {

AppFolder::AppFolder() {
    const QDir packs(QStringLiteral(HM3300_SOURCE_DIR "/lang"));
    for (const QString& name : packs.entryList({QStringLiteral("*.lng")}, QDir::Files)) {
        QFile::copy(packs.filePath(name), file(name));
    }
}

QString AppFolder::file(const QString& name) const {
    return QDir(dir_.path()).filePath(name);
}

void AppFolder::write(const QString& name, const QByteArray& content) const {
    QFile out(file(name));
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(content);
}

QByteArray AppFolder::read(const QString& name) const {
    QFile in(file(name));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void AppFolder::remove(const QString& name) const {
    QFile::remove(file(name));
}

std::unique_ptr<MainWindow> AppFolder::start(const QString& portPath,
                                             const QString& codeplugFile) const {
    auto window = std::make_unique<MainWindow>(StartOptions{path(), portPath, codeplugFile});
    window->show();
    return window;
}

ModalAnswer::ModalAnswer(std::function<void(QWidget* dialog)> answer, const QWidget* dialog)
    : poll_(std::make_unique<QTimer>()) {
    QObject::connect(poll_.get(), &QTimer::timeout, poll_.get(),
                     [this, dialog, answer = std::move(answer)] {
                         QWidget* open = QApplication::activeModalWidget();
                         if (open != nullptr && (dialog == nullptr || open == dialog)) {
                             poll_->stop();
                             answered_ = true;
                             answer(open);
                         } else if (--remaining_ == 0) {
                             poll_->stop();
                         }
                     });
    poll_->start(10);
}

}  // namespace hm3300::app::test
