// Tform1: the channel grid page, the programming dialog and the Read and Write commands.
// The single-channel page is still an empty page.

#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include "app/channel_edit_page.h"
#include "app/pack_text.h"
#include "app/tform1.h"
#include "app/tmessage1.h"
#include "app/tr_and_w.h"
#include "model/text_ids.h"
#include "port/port_probe.h"

namespace hm3300::app {

namespace {

// The port warning, with the reason (missing device, no permission, in use) as its detail.
void showPortError(Tform1& window, const QString& reason) {
    window.message().showWarning(model::TextId::PortErrorText, reason);
}

// The Read and Write commands from the port probe on: `item` is the command's menu item,
// `button` its tool button. Returns when the dialog has been closed.
void startProgramming(Tform1& window, link::RunMode mode, const QAction& item,
                      const QAction& button) {
    const QString path = window.portPath();
    if (const port::PortProbe probe = port::probePort(path); !probe) {
        showPortError(window, probe.reason);
        return;
    }
    TR_and_W& dialog = window.programmingDialog();
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
    dialog.setFixedHeight(TR_and_W::kHeight);
    dialog.exec();
}

}  // namespace

QWidget* Tform1::createChannelEditPage() {
    return new ChannelEditPage(document_);
}

QWidget* Tform1::createSingleChannelPage() {
    return new QWidget;
}

void Tform1::createProgrammingDialog() {
    programmingDialog_ = new TR_and_W(*this);
}

// The grid has no overlay editors yet: there is no pending edit to commit and nothing
// to hide.
void Tform1::commitChannelEdit() {
    pages_->setCurrentIndex(kChannelEditPage);
}

void Tform1::hideToneDropDown() {}

void Tform1::gs1Click() {
    commitChannelEdit();
    startProgramming(*this, link::RunMode::Read, *menu_.read, *menu_.readButton);
}

void Tform1::N2Click() {
    commitChannelEdit();
    startProgramming(*this, link::RunMode::Write, *menu_.write, *menu_.writeButton);
}

}  // namespace hm3300::app
