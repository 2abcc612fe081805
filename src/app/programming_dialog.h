#pragma once
// The programming dialog: a gauge, the start and close buttons and the maker's banner. The
// Read and Write commands prepare it (caption, start caption, the radio session on the
// chosen port) and show it modally; every press of the start button is one programming run
// of that session. The dialog refuses to close while a run is in progress and closes the
// session's port when it closes. A failed run is reported through the ConfirmDialog, with
// what failed as its detail and where the trace of the run was kept.

#include <QDialog>
#include <memory>

#include "link/radio_session.h"
#include "port/event_loop_waiter.h"
#include "port/serial_port.h"

class QLabel;
class QProgressBar;
class QPushButton;

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

    // Opens the radio session for runs in `mode` on `options`' port, with the gauge at 0 of
    // the mode's maximum. A write is checked first. Returns the outcome of the check and the
    // port probe: when it is not ok, nothing was opened and the dialog must not be shown.
    link::RunOutcome prepare(link::RunMode mode, const link::SessionOptions& options);

    // The status panel; the commands give it the main window's banner (five blanks and
    // text 61).
    void setBanner(const QString& bannerText);

    QProgressBar* gauge() const { return progressBar_; }
    QPushButton* startButton() const { return startButton_; }
    QPushButton* closeButton() const { return closeButton_; }
    // Which pacing the runs of this showing use.
    QString pacingText() const;
    QString statusText() const;
    bool runInProgress() const { return running_; }

    // The start button: one programming run in the prepared mode.
    void startRun();

signals:
    // A run ended well after about `seconds`: the document was read from or written to
    // the radio.
    void runSucceeded(link::RunMode mode, int seconds);

protected:
    void showEvent(QShowEvent* event) override;
    // Every way of closing (close button, Esc, the window system) passes here.
    void done(int result) override;

private:
    void applyLanguage();
    void showProgress(int value);
    void reportFailure(const link::RunOutcome& outcome, const QString& tracePath);

    MainWindow& window_;
    Document& document_;
    bool running_ = false;

    port::SerialPortProvider ports_;
    port::EventLoopWaiter waiter_;
    link::RadioSession session_;

    QProgressBar* progressBar_;
    QPushButton* startButton_;
    QPushButton* closeButton_;
    QLabel* pacing_;
    QLabel* status_;
};

}  // namespace hm3300::app
