#pragma once
// Helpers for the window tests: a temporary folder that stands in for the executable's
// folder, and answering the modal dialogs the window opens.

#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/main_window.h"

namespace hm3300::app::test {

class AppFolder {
public:
    // A fresh folder holding the three language packs and nothing else.
    AppFolder();

    QString path() const { return dir_.path(); }
    QString file(const QString& name) const;
    void write(const QString& name, const QByteArray& content) const;
    QByteArray read(const QString& name) const;
    void remove(const QString& name) const;

    // The main window started on this folder and shown, as at program start, with the
    // command line's port and codeplug file.
    std::unique_ptr<MainWindow> start(const QString& portPath = {},
                                      const QString& codeplugFile = {}) const;

private:
    QTemporaryDir dir_;
};

// Answers the next modal dialog (or only `dialog`, when given): calls `answer` with it once
// it is open, from the event loop. Gives up after a few seconds and stops when destroyed,
// so a dialog that never opens fails the test instead of hanging it or answering a later
// test.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget* dialog)> answer,
                         const QWidget* dialog = nullptr);

    bool answered() const { return answered_; }

private:
    std::unique_ptr<QTimer> poll_;
    int remaining_ = 500;
    bool answered_ = false;
};

}  // namespace hm3300::app::test
