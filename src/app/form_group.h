#pragma once
// The layout of the option pages: a framed group at the page's top left, holding captioned
// fields in a column on the left and a column of check boxes beside them.

class QGridLayout;
class QGroupBox;
class QLabel;
class QVBoxLayout;
class QWidget;

namespace hm3300::app {

// Puts `group`, `width` wide, at the top left of `page`.
void placeGroupOnPage(QWidget* page, QGroupBox* group, int width);

class FormGroup {
public:
    explicit FormGroup(QGroupBox* group);

    // A field with its caption in the next row; the caption's mnemonic focuses the field.
    void addRow(QLabel* caption, QWidget* field);
    // The next widget of the right-hand column (check boxes and what goes with them).
    void addBeside(QWidget* widget);
    // Closes both columns once every row and every widget beside them is in.
    void finish();

private:
    QGridLayout* grid_;
    QVBoxLayout* beside_;
    int rows_ = 0;
};

}  // namespace hm3300::app
