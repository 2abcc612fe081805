#pragma once
// The text fields that edit a channel's frequencies and alias, over the grid and on the
// single-channel page. Keys are filtered as they are typed (editor/cell_key_filters.h);
// pasted or dropped text keeps what typing would have kept. Every key release hands the
// text on, an alias upper-cased first. The fields offer no context menu.

#include <QLineEdit>

namespace hm3300::app {

class CellTextEdit : public QLineEdit {
    Q_OBJECT

public:
    enum class Rule { Frequency, Alias };

    // `maxLength` 0 leaves the length free.
    CellTextEdit(Rule rule, int maxLength, QWidget* parent = nullptr);

signals:
    void enterPressed();
    // A key was released: the text goes into the channel.
    void keyReleased();
    // The operator moved the focus elsewhere (not a popup or another window taking it).
    void left();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Rule rule_;
};

}  // namespace hm3300::app
