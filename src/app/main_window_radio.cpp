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
#include "port/port_probe.h"

namespace hm3300::app {

namespace {

// The port warning, with the reason (missing device, no permission, in use) as its detail.
void showPortError(MainWindow& window, const QString& reason) {
    window.message().showWarning(model::TextId::PortErrorText, reason);
}

// The Read and Write commands from the port probe on: `item` is the command's menu item,
// `button` its tool button. Returns when the dialog has been closed.
void startProgramming(MainWindow& window, link::RunMode mode, const QAction& item,
                      const QAction& button) {
    const QString path = window.portPath();
    if (const port::PortProbe probe = port::probePort(path); !probe) {
        showPortError(window, probe.reason);
        return;
    }
    ProgrammingDialog& dialog = window.programmingDialog();
    dialog.setWindowTitle(withoutAccelerator(item.text()));
    dialog.startButton()->setText(button.text());
    dialog.setMode(mode);
    dialog.gauge()->setRange(0, link::gaugeMaximum(mode));
    dialog.gauge()->setValue(0);
    if (const QString error = dialog.openPort(path, window.commMode() == kSingleHead);
        !error.isEmpty()) {
        showPortError(window, error);
        return;
    }
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
