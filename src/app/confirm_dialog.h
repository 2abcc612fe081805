#pragma once
// The program's one dialog for questions and warnings: a caption, one line of text, OK and
// Cancel. What OK does is `PendingCommand`, set by the caller (editor/confirm_actions.h):
// 1 nothing, 2 New, 3 clear all channels. Cancel, and closing the dialog, do nothing. A warning may
// carry a detail (what failed and why), shown in a read-only area below the fixed layout.

#include <QDialog>

#include "editor/confirm_actions.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace hm3300::model {
class LanguagePack;
}

namespace hm3300::app {

class Document;

class ConfirmDialog : public QDialog {
    Q_OBJECT

public:
    explicit ConfirmDialog(Document& document, QWidget* parent = nullptr);

    // Sets the caption (as shown), the text, the detail and `PendingCommand`, then shows the
    // dialog modally. Returns when the operator has pressed OK (after its command ran) or
    // Cancel (or closed the dialog): whether it was OK.
    bool showMessage(const QString& caption, const QString& text,
                     editor::PendingCommand pendingCommand, const QString& detail = {});
    // Runs `command` as OK does, for a caller that has asked the operator already: one step
    // of the document's history.
    void perform(editor::PendingCommand command);
    // A warning: the warning caption and the text `textId` of the current pack; OK does
    // nothing.
    void showWarning(int textId, const QString& detail);

    // 0 until the first message, then the caller's choice; 1 after every OK.
    editor::PendingCommand pendingCommand() const { return pendingCommand_; }

    // OK and Cancel take texts 7 and 8.
    void applyLanguage(const model::LanguagePack& pack);

    QLabel* textLabel() const { return label_; }
    // Hidden when the message has no detail.
    QPlainTextEdit* detailText() const { return detail_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

signals:
    // OK ran its command; the window's channel editor follows.
    void confirmed(editor::ConfirmOutcome outcome);

private slots:
    void confirmOk();

private:
    Document& document_;
    editor::PendingCommand pendingCommand_ = editor::PendingCommand::None;
    QLabel* label_;
    QPlainTextEdit* detail_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace hm3300::app
