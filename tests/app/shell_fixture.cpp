#include "shell_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "app/confirm_dialog.h"

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

ModalAnswers::ModalAnswers(std::vector<Answer> answers)
    : poll_(std::make_unique<QTimer>()), answers_(std::move(answers)) {
    QObject::connect(poll_.get(), &QTimer::timeout, poll_.get(), [this] {
        QWidget* open = QApplication::activeModalWidget();
        if (open == closing_ && open != nullptr && open->isVisible()) {
            return;
        }
        closing_ = nullptr;
        if (open == nullptr) {
            if (--remaining_ == 0) {
                poll_->stop();
            }
            return;
        }
        const auto* box = qobject_cast<QMessageBox*>(open);
        const auto* confirm = qobject_cast<ConfirmDialog*>(open);
        const QString className = QString::fromLatin1(open->metaObject()->className());
        dialogs_.append(className.section(QStringLiteral("::"), -1) + QStringLiteral(": ") +
                        (box       ? box->text()
                         : confirm ? confirm->textLabel()->text()
                                   : open->windowTitle()));
        // A dialog beyond the answers given is closed, so that the test sees it instead of
        // hanging on it.
        const auto index = static_cast<std::size_t>(dialogs_.size() - 1);
        if (index < answers_.size()) {
            answers_[index](open);
        } else {
            open->close();
        }
        if (open->isVisible()) {
            closing_ = open;
        }
    });
    poll_->start(10);
}

ModalAnswers::Answer pressButton(QMessageBox::StandardButton button) {
    return [button](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog); box && box->button(button)) {
            box->button(button)->click();
        } else {
            dialog->close();
        }
    };
}

void pressConfirmOk(QWidget* dialog) {
    if (auto* confirm = qobject_cast<ConfirmDialog*>(dialog)) {
        confirm->okButton()->click();
    } else {
        dialog->close();
    }
}

void pressConfirmCancel(QWidget* dialog) {
    if (auto* confirm = qobject_cast<ConfirmDialog*>(dialog)) {
        confirm->cancelButton()->click();
    } else {
        dialog->close();
    }
}

}  // namespace hm3300::app::test
