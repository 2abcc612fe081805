// MainWindow: the File commands New, Open and Save, the question before changes that are
// not saved are set aside, and Undo and Redo.

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include "app/channel_edit_page.h"
#include "app/channel_editing.h"
#include "app/channel_grid.h"
#include "app/confirm_dialog.h"
#include "app/dtmf_page.h"
#include "app/main_window.h"
#include "app/pack_text.h"
#include "editor/confirm_actions.h"
#include "file/codeplug_file.h"
#include "model/text_ids.h"
#include "places/local_path.h"

namespace hm3300::app {

namespace {

const QString kFileFilter = QStringLiteral("PRG-846  文件 (*.p46)");
const QString kExtension = QStringLiteral(".p46");

// "radio" becomes "radio.p46"; a name with an extension of its own keeps it.
QString withCodeplugExtension(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + kExtension : path;
}

}  // namespace

// The program asks before replacing a codeplug itself, once the extension is known.
void MainWindow::createFileDialogs() {
    openDialog_ = openFileDialog(menu_.fileOpen, kFileFilter);
    saveDialog_ = saveFileDialog(menu_.fileSave, kFileFilter, ReplaceQuestion::AskedByCommand);
    createCsvFileDialogs();
}

void MainWindow::setFileDialogs(FileNameDialog openDialog, FileNameDialog saveDialog) {
    replaceDialog(openDialog_, std::move(openDialog));
    replaceDialog(saveDialog_, std::move(saveDialog));
}

bool MainWindow::askToSaveChanges() {
    if (!document_.isModified()) {
        return true;
    }
    const model::LanguagePack& pack = document_.pack();
    QMessageBox question(QMessageBox::Question, captionText(pack, model::TextId::ConfirmTitle),
                         packText(pack, model::TextId::UnsavedChanges),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.button(QMessageBox::Save)->setText(packText(pack, model::TextId::SaveChanges));
    question.button(QMessageBox::Discard)->setText(packText(pack, model::TextId::DiscardChanges));
    question.button(QMessageBox::Cancel)->setText(packText(pack, 8));
    question.setDefaultButton(QMessageBox::Save);
    question.setEscapeButton(QMessageBox::Cancel);
    switch (question.exec()) {
        case QMessageBox::Save:
            return saveFile();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

// With changes that are not saved, the question about them takes the place of New's own
// confirmation: one question, never two.
void MainWindow::newFile() {
    dtmfPage_->hideCallEditor();
    hideToneDropDown();
    if (document_.isModified()) {
        if (askToSaveChanges()) {
            message_->perform(editor::PendingCommand::NewCodeplug);
        }
        return;
    }
    const model::LanguagePack& pack = document_.pack();
    message_->showMessage(captionText(pack, model::TextId::ConfirmTitle),
                          packText(pack, model::TextId::ConfirmText),
                          editor::PendingCommand::NewCodeplug);
}

void MainWindow::openFile() {
    if (!commitChannelEdit() || !askToSaveChanges()) {
        return;
    }
    const QString path = openDialog_(this, currentFile_);
    if (path.isEmpty()) {
        return;
    }
    if (const auto error = openCodeplugFile(path)) {
        reportOpenError(path, *error);
    }
}

std::optional<file::ReadError> MainWindow::openCodeplugFile(const QString& path) {
    // What was changed before is a step of its own, so that undo takes back the Open alone.
    document_.finishStep();
    std::vector<file::ReadNotice> notices;
    auto error = file::openCodeplug(places::localPath(path), document_.codeplug(),
                                    document_.texts(), notices);
    if (!error) {
        showBandCaption();
        document_.notifyReplaced();
        showReadNotices(notices);
        document_.markSaved();
        currentFile_ = path;
    }
    return error;
}

// The header says whether a file is a codeplug at all; the reader's own message names the
// line of a codeplug that cannot be read.
void MainWindow::reportOpenError(const QString& path, const file::ReadError& error) {
    if (error.kind == file::ReadError::Kind::WrongHeader) {
        showWarning(packText(document_.pack(), model::TextId::NotACodeplugWarning) +
                    QStringLiteral("\n") + QDir::toNativeSeparators(path));
    } else {
        showWarning(error.message);
    }
}

void MainWindow::openStartFile() {
    if (const auto error = openCodeplugFile(options_.codeplugFile)) {
        reportOpenError(options_.codeplugFile, *error);
    }
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

bool MainWindow::saveFile() {
    if (!commitChannelEdit()) {
        return false;
    }
    const QString chosen = saveDialog_(this, currentFile_);
    if (chosen.isEmpty()) {
        return false;
    }
    const QString path = withCodeplugExtension(chosen);
    const model::LanguagePack& pack = document_.pack();
    if (QFileInfo::exists(path) &&
        !message_->showMessage(
            captionText(pack, model::TextId::ConfirmTitle),
            packText(pack, model::TextId::ReplaceFile).arg(QDir::toNativeSeparators(path)),
            editor::PendingCommand::MessageOnly)) {
        return false;
    }
    if (const auto error =
            file::saveCodeplug(places::localPath(path), document_.codeplug(), pack)) {
        showWarning(*error);
        return false;
    }
    document_.markSaved();
    currentFile_ = path;
    return true;
}

void MainWindow::forgetCurrentFile() {
    currentFile_.clear();
}

void MainWindow::showWarning(const model::Message& message) {
    showWarning(messageText(message, document_.pack()));
}

void MainWindow::showWarning(const QString& text) {
    QMessageBox::warning(this, warningCaption(document_.pack()), text);
}

void MainWindow::undo() {
    finishTypingForHistory();
    document_.undo();
}

void MainWindow::redo() {
    finishTypingForHistory();
    document_.redo();
}

void MainWindow::finishTypingForHistory() {
    editing_->commitPending();
    channelEditPage_->grid()->hideOverlayEditors();
    dtmfPage_->hideCallEditor();
}

}  // namespace hm3300::app
