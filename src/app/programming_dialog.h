#pragma once
// ProgrammingDialog, the programming dialog: a gauge, the start and close buttons and the maker's
// banner. The Read and Write commands prepare it (caption, start caption, mode, gauge,
// open port) and show it modally; every press of the start button is one programming run
// over that port. The dialog refuses to close while a run is in progress and closes the
// port when it closes. A failed run is reported through ConfirmDialog, with what failed as
// its detail.

#include <QDialog>
#include <memory>

#include "link/programming_run.h"
#include "port/event_loop_waiter.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace hm3300::port {
class SerialPort;
}

namespace hm3300::app {

class Document;
class MainWindow;

class ProgrammingDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHeight = 220;

    // A dialog of `window`, created before the window's ConfirmDialog.
    explicit ProgrammingDialog(MainWindow& window);
    ~ProgrammingDialog() override;

    // The mode, kept in the dialog's tag: read or write.
    void setMode(link::RunMode mode) { mode_ = mode; }

    // Opens the serial device `path` for the runs of this showing; in single-head mode the
    // link drops the echo of its own frames. Returns why the port cannot be opened, or an
    // empty text.
    QString openPort(const QString& path, bool singleHead);

    // The status panel; the commands give it the main window's banner (five blanks and
    // text 61).
    void setBanner(const QString& bannerText);

    QProgressBar* gauge() const { return progressBar_; }
    QPushButton* startButton() const { return startButton_; }
    QPushButton* closeButton() const { return closeButton_; }
    QString statusText() const;
    bool runInProgress() const { return running_; }

    // The start button: one programming run in the dialog's mode.
    void startRun();

protected:
    void showEvent(QShowEvent* event) override;
    // Every way of closing (close button, Esc, the window system) passes here.
    void done(int result) override;

private:
    void chooseStartChannel();
    bool closeAllowed() const { return !running_; }
    void closePort();
    void applyLanguage();
    void showProgress(int value);
    void reportFailure(const link::RunOutcome& outcome);

    MainWindow& window_;
    Document& document_;
    link::RunMode mode_ = link::RunMode::Read;
    bool running_ = false;

    // Live from openPort until the dialog closes; the run uses the link, the link the port.
    port::EventLoopWaiter waiter_;
    std::unique_ptr<port::SerialPort> serial_;
    std::unique_ptr<link::SerialLink> link_;
    std::unique_ptr<link::ProgrammingRun> run_;

    QProgressBar* progressBar_;
    QPushButton* startButton_;
    QPushButton* closeButton_;
    QLabel* status_;
};

}  // namespace hm3300::app
