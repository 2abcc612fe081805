#include "app/filtered_line_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "app/typed_key.h"

namespace hm3300::app {

namespace {

bool isEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace

FilteredLineEdit::FilteredLineEdit(const editor::TextFieldRule& rule, QWidget* parent)
    : QLineEdit(parent), rule_(rule) {
    setMaxLength(static_cast<int>(rule.maxLength));
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QLineEdit::textEdited, this, &FilteredLineEdit::dropInadmissibleCharacters);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    if (isEnter(*event)) {
        event->accept();
        if (rule_.enter == editor::EnterKey::CloseCallEditor) {
            emit returnToCallList();
        }
        return;
    }
    const std::optional<char32_t> typed = typedCharacter(*event);
    if (!typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    const std::optional<char> passed = editor::filterKey(rule_.charset, *typed);
    if (!passed) {
        return;
    }
    QKeyEvent filtered(event->type(), event->key(), event->modifiers(), QString(QChar(*passed)),
                       event->isAutoRepeat(), static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&filtered);
}

void FilteredLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
        emit left();
    }
}

void FilteredLineEdit::dropInadmissibleCharacters() {
    const std::string current = text().toStdString();
    const std::string admitted = editor::filterText(rule_.charset, current);
    if (admitted == current) {
        return;
    }
    const int cursor = cursorPosition() - static_cast<int>(current.size() - admitted.size());
    setText(QString::fromStdString(admitted));
    setCursorPosition(std::max(0, cursor));
}

}  // namespace hm3300::app
