#include "app/cell_text_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

#include "app/typed_key.h"
#include "editor/cell_key_filters.h"

namespace hm3300::app {

namespace {

std::string filtered(CellTextEdit::Rule rule, const QString& text) {
    const std::string utf8 = text.toStdString();
    return rule == CellTextEdit::Rule::Frequency ? editor::filterFrequencyText(utf8)
                                                 : editor::filterAlias(utf8);
}

// Keeps what typing would have kept of text that arrives other than by a typed key.
class TypedCharacters : public QValidator {
public:
    TypedCharacters(CellTextEdit::Rule rule, QObject* parent) : QValidator(parent), rule_(rule) {}

    State validate(QString& input, int& position) const override {
        position =
            static_cast<int>(QString::fromStdString(filtered(rule_, input.left(position))).size());
        input = QString::fromStdString(filtered(rule_, input));
        return Acceptable;
    }

private:
    CellTextEdit::Rule rule_;
};

}  // namespace

CellTextEdit::CellTextEdit(Rule rule, int maxLength, QWidget* parent)
    : QLineEdit(parent), rule_(rule) {
    if (maxLength > 0) {
        setMaxLength(maxLength);
    }
    setContextMenuPolicy(Qt::NoContextMenu);
    setValidator(new TypedCharacters(rule, this));
}

void CellTextEdit::keyPressEvent(QKeyEvent* event) {
    if (isEnterKey(*event)) {
        event->accept();
        emit enterPressed();
        return;
    }
    const std::optional<char32_t> typed = typedCharacter(*event);
    if (!typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const bool accepted = rule_ == Rule::Frequency
                              ? editor::frequencyKeyAccepted(text().toStdString(), *typed)
                              : editor::aliasKeyAccepted(*typed);
    if (accepted) {
        QLineEdit::keyPressEvent(event);
    } else {
        event->accept();
    }
}

void CellTextEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (rule_ == Rule::Alias) {
        const QString upper = QString::fromStdString(editor::upperCaseAlias(text().toStdString()));
        // Only a change of case moves the caret, so that the arrows still move it.
        if (upper != text()) {
            setText(upper);
            setCursorPosition(static_cast<int>(upper.size()));
        }
    }
    emit keyReleased();
}

void CellTextEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
        emit left();
    }
}

}  // namespace hm3300::app
