// MainWindow: the channel grid page, the programming dialog and the Read and Write commands.
// The single-channel page is still an empty page.

#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include "app/channel_edit_page.h"
#include "app/confirm_dialog.h"
#include "app/main_window.h"
#include "app/pack_text.h"
#include "app/programming_dialog.h"
#include "model/text_ids.h"

namespace hm3300::app {

namespace {

// Why the command did not open the dialog: a codeplug the radio cannot take (nothing was
// sent), or a port that cannot be opened (missing device, no permission, in use).
void reportRefusal(MainWindow& window, const link::RunOutcome& outcome) {
    if (outcome.failure == link::RunFailure::NotWritable) {
        window.message().showWarning(
            model::TextId::LinkErrorText,
            QStringLiteral("The codeplug cannot be written, nothing was sent:\n") +
                QString::fromStdString(outcome.description));
    } else {
        window.message().showWarning(model::TextId::PortErrorText,
                                     QString::fromStdString(outcome.description));
    }
}

// The Read and Write commands from the port probe on: `item` is the command's menu item,
// `button` its tool button. Returns when the dialog has been closed.
void startProgramming(MainWindow& window, link::RunMode mode, const QAction& item,
                      const QAction& button) {
    ProgrammingDialog& dialog = window.programmingDialog();
    const link::SessionOptions options{
        window.portPath().toStdString(), window.commMode() == kSingleHead,
        window.fastLink() ? link::Pacing::Fast : link::Pacing::Fixed};
    if (const link::RunOutcome outcome = dialog.prepare(mode, options); !outcome.ok()) {
        reportRefusal(window, outcome);
        return;
    }
    dialog.setWindowTitle(withoutAccelerator(item.text()));
    dialog.startButton()->setText(button.text());
    dialog.setBanner(window.bannerText());
    dialog.setFixedHeight(ProgrammingDialog::kHeight);
    dialog.exec();
}

}  // namespace

QWidget* MainWindow::createChannelEditPage() {
    return new ChannelEditPage(document_);
}

QWidget* MainWindow::createSingleChannelPage() {
    return new QWidget;
}

void MainWindow::createProgrammingDialog() {
    programmingDialog_ = new ProgrammingDialog(*this);
}

// The grid has no overlay editors yet: there is no pending edit to commit and nothing
// to hide.
void MainWindow::commitChannelEdit() {
    pages_->setCurrentIndex(kChannelEditPage);
}

void MainWindow::hideToneDropDown() {}

void MainWindow::readFromRadio() {
    commitChannelEdit();
    startProgramming(*this, link::RunMode::Read, *menu_.read, *menu_.readButton);
}

void MainWindow::writeToRadio() {
    commitChannelEdit();
    startProgramming(*this, link::RunMode::Write, *menu_.write, *menu_.writeButton);
}

}  // namespace hm3300::app
