#include "app/filtered_line_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

#include "app/typed_key.h"

namespace hm3300::app {

namespace {

// Keeps what typing would have kept of any text that reaches the field other than by a
// typed key: pasted, dropped or composed by an input method.
class AdmittedCharacters : public QValidator {
public:
    AdmittedCharacters(model::TextCharset charset, QObject* parent)
        : QValidator(parent), charset_(charset) {}

    State validate(QString& input, int& position) const override {
        // Admitted characters are ASCII, so byte counts are character counts.
        position = static_cast<int>(
            editor::filterText(charset_, input.left(position).toStdString()).size());
        input = QString::fromStdString(editor::filterText(charset_, input.toStdString()));
        return Acceptable;
    }

private:
    model::TextCharset charset_;
};

}  // namespace

FilteredLineEdit::FilteredLineEdit(const editor::TextFieldRule& rule, QWidget* parent)
    : QLineEdit(parent), rule_(rule) {
    setMaxLength(static_cast<int>(rule.maxLength));
    setContextMenuPolicy(Qt::NoContextMenu);
    setValidator(new AdmittedCharacters(rule.charset, this));
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    if (isEnterKey(*event)) {
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

}  // namespace hm3300::app
