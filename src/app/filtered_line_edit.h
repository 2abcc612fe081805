#pragma once
// A text field that admits only what its rule lets through: typed keys are filtered one by
// one, pasted or dropped text loses the characters typing would have lost, and the length
// is capped. Navigation and editing keys (arrows, Delete, shortcuts) work as usual.

#include <QLineEdit>

#include "editor/text_fields.h"

namespace hm3300::app {

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT

public:
    // Starts with an empty context menu, as the code fields have.
    explicit FilteredLineEdit(const editor::TextFieldRule& rule, QWidget* parent = nullptr);

signals:
    // Enter was pressed in a field whose Enter returns to the call list.
    void returnToCallList();
    // The operator moved the focus elsewhere (not a popup or another window taking it).
    void left();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    editor::TextFieldRule rule_;
};

}  // namespace hm3300::app
