// MainWindow: the File commands New, Open and Save.

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStatusBar>

#include "app/confirm_dialog.h"
#include "app/dtmf_page.h"
#include "app/main_window.h"
#include "app/pack_text.h"
#include "editor/confirm_actions.h"
#include "file/codeplug_file.h"
#include "model/text_ids.h"

namespace hm3300::app {

namespace {

const QString kFileFilter = QStringLiteral("PRG-846  文件 (*.p46)");

// The program keeps the name as the dialog returns it and adds no extension.
QString askOpenFileName(QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("打开"), {}, kFileFilter);
}

QString askSaveFileName(QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("保存"), {}, kFileFilter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

void MainWindow::setFileDialogs(FileNameDialog openDialog, FileNameDialog saveDialog) {
    openDialog_ = std::move(openDialog);
    saveDialog_ = std::move(saveDialog);
}

void MainWindow::newFile() {
    dtmfPage_->hideCallEditor();
    hideToneDropDown();
    const model::LanguagePack& pack = document_.pack();
    message_->showMessage(captionText(pack, model::TextId::ConfirmTitle),
                          packText(pack, model::TextId::ConfirmText),
                          editor::PendingCommand::NewCodeplug);
}

void MainWindow::openFile() {
    if (!commitChannelEdit()) {
        return;
    }
    const QString path = openDialog_ ? openDialog_(this) : askOpenFileName(this);
    if (path.isEmpty()) {
        return;
    }
    const auto error = openCodeplugFile(path);
    // A file of another kind is passed over in silence, as the operator expects.
    if (error && error->kind != file::ReadError::Kind::WrongHeader) {
        showWarning(error->message);
    }
}

std::optional<file::ReadError> MainWindow::openCodeplugFile(const QString& path) {
    std::vector<file::ReadNotice> notices;
    auto error =
        file::openCodeplug(localPath(path), document_.codeplug(), document_.texts(), notices);
    if (!error) {
        showBandCaption();
        document_.notifyReplaced();
        showReadNotices(notices);
    }
    return error;
}

// What the reader passed over stays in the status bar, over the banner, until the next Open.
void MainWindow::showReadNotices(const std::vector<file::ReadNotice>& notices) {
    QStringList messages;
    for (const file::ReadNotice& notice : notices) {
        messages.append(messageText(notice.message, document_.pack()));
    }
    if (messages.isEmpty()) {
        statusBar()->clearMessage();
    } else {
        statusBar()->showMessage(messages.join(QStringLiteral("; ")));
    }
}

void MainWindow::saveFile() {
    if (!commitChannelEdit()) {
        return;
    }
    const QString path = saveDialog_ ? saveDialog_(this) : askSaveFileName(this);
    if (path.isEmpty()) {
        return;
    }
    if (const auto error =
            file::saveCodeplug(localPath(path), document_.codeplug(), document_.pack())) {
        showWarning(*error);
    }
}

void MainWindow::showWarning(const model::Message& message) {
    showWarning(messageText(message, document_.pack()));
}

void MainWindow::showWarning(const QString& text) {
    QMessageBox::warning(this, warningCaption(document_.pack()), text);
}

}  // namespace hm3300::app
