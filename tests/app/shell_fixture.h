#pragma once
// Helpers for the window tests: a temporary folder that stands in for the executable's
// folder, and answering the modal dialogs the window opens.

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

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

// Answers the modal dialogs that open one after another, the first with the first answer and
// so on, and closes any dialog beyond them; the class and text of each dialog are kept. Stops
// after a few seconds without a dialog, and when destroyed.
class ModalAnswers {
public:
    using Answer = std::function<void(QWidget* dialog)>;
    explicit ModalAnswers(std::vector<Answer> answers);

    // One "ClassName: text" for each dialog answered.
    const QStringList& dialogs() const { return dialogs_; }

private:
    std::unique_ptr<QTimer> poll_;
    std::vector<Answer> answers_;
    QStringList dialogs_;
    // The dialog last answered while it has not closed yet.
    QWidget* closing_ = nullptr;
    int remaining_ = 500;
};

// Answers for ModalAnswers: a button of a message box, or OK and Cancel of the
// confirmation dialog.
ModalAnswers::Answer pressButton(QMessageBox::StandardButton button);
void pressConfirmOk(QWidget* dialog);
void pressConfirmCancel(QWidget* dialog);

}  // namespace hm3300::app::test
