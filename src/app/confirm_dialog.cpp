#include "app/confirm_dialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/dialog_pictures.h"
#include "app/document.h"
#include "app/pack_text.h"
#include "editor/confirm_actions.h"
#include "model/language_pack.h"

namespace hm3300::app {

namespace {

constexpr int kWidth = 334;
constexpr int kHeight = 161;
constexpr int kDetailHeight = 110;

}  // namespace

ConfirmDialog::ConfirmDialog(Document& document, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      document_(document) {
    setObjectName(QStringLiteral("ConfirmDialog"));
    setWindowTitle(QStringLiteral("警告"));
    setModal(true);
    setFixedSize(kWidth, kHeight);

    auto* icon = new QLabel(this);
    icon->setGeometry(25, 32, 48, 49);
    icon->setPixmap(warningPicture());

    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("messageText"));
    label_->setGeometry(80, 40, 241, 49);
    label_->setAlignment(Qt::AlignCenter);
    label_->setWordWrap(true);

    detail_ = new QPlainTextEdit(this);
    detail_->setObjectName(QStringLiteral("messageDetail"));
    detail_->setGeometry(16, kHeight - 16, kWidth - 32, kDetailHeight - 8);
    detail_->setReadOnly(true);
    detail_->setFocusPolicy(Qt::ClickFocus);
    detail_->hide();

    okButton_ = new QPushButton(QStringLiteral("确定"), this);
    okButton_->setGeometry(96, 104, 57, 25);
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(QStringLiteral("取消"), this);
    cancelButton_->setGeometry(197, 104, 57, 25);

    connect(okButton_, &QPushButton::clicked, this, &ConfirmDialog::confirmOk);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

bool ConfirmDialog::showMessage(const QString& caption, const QString& text,
                                editor::PendingCommand pendingCommand, const QString& detail) {
    setWindowTitle(caption);
    label_->setText(text);
    detail_->setPlainText(detail);
    detail_->setVisible(!detail.isEmpty());
    setFixedSize(kWidth, detail.isEmpty() ? kHeight : kHeight + kDetailHeight);
    pendingCommand_ = pendingCommand;
    okButton_->setFocus();
    return exec() == QDialog::Accepted;
}

void ConfirmDialog::showWarning(int textId, const QString& detail) {
    const model::LanguagePack& pack = document_.pack();
    showMessage(warningCaption(pack), packText(pack, textId), editor::PendingCommand::MessageOnly,
                detail);
}

void ConfirmDialog::applyLanguage(const model::LanguagePack& pack) {
    okButton_->setText(packText(pack, 7));
    cancelButton_->setText(packText(pack, 8));
}

void ConfirmDialog::confirmOk() {
    accept();
    perform(pendingCommand_);
}

void ConfirmDialog::perform(editor::PendingCommand command) {
    const editor::ConfirmOutcome outcome = editor::confirmOk(command, document_.codeplug());
    switch (outcome) {
        case editor::ConfirmOutcome::CodeplugReset:
            document_.notifyReplaced();
            break;
        case editor::ConfirmOutcome::ChannelsCleared:
            document_.notifyChannelsChanged();
            break;
        case editor::ConfirmOutcome::Nothing:
            break;
    }
    document_.finishStep();
    pendingCommand_ = editor::PendingCommand::MessageOnly;
    emit confirmed(outcome);
}

}  // namespace hm3300::app
