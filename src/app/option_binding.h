#pragma once
// One table binding each option control of a page to its radio option in the document.
// The controls write the document as the operator edits: a list on the operator's choice,
// a check box on every state change, a spin field on every value, a text field on every
// change of its text. Rules a page adds run after the binding has written the value, within
// the same step: a list or a box ends its step after the event, a spin or text field when
// the operator leaves it.

#include <QObject>
#include <vector>

#include "app/filtered_line_edit.h"
#include "app/number_spin_box.h"
#include "model/radio_settings.h"

class QCheckBox;
class QComboBox;

namespace hm3300::model {
class LanguagePack;
}

namespace hm3300::app {

class Document;

class OptionBinding : public QObject {
    Q_OBJECT

public:
    explicit OptionBinding(Document& document, QObject* parent = nullptr);

    // Each creates the control of `option`, named by its file key and filled from the
    // document; the caller places it.
    QComboBox* choice(model::Option option);
    QCheckBox* flag(model::Option option);
    NumberSpinBox* number(model::Option option,
                          NumberSpinBox::Resolution resolution = NumberSpinBox::Resolution::Whole);
    FilteredLineEdit* text(model::Option option);

    // Shows the document in every control without running any rule: list positions,
    // box states, numbers and texts are set with the controls' signals blocked. Showing
    // never changes the document: a value a control cannot show (an item that does not
    // exist, a number beyond the field's bounds, a text the field does not admit) stays in
    // the document until the operator changes that control, and the write check reports it.
    void showDocument();
    // Shows the document's value of one option, without running its rules.
    void show(model::Option option);

    // Rebuilds every list in the language of `pack`, keeping each selected index.
    void applyLanguage(const model::LanguagePack& pack);

private:
    struct Row {
        model::Option option;
        QWidget* control;
    };

    // Names `control` by the file key of `option`, adds its row and shows the document's
    // value in it.
    template <typename Control>
    Control* adopt(model::Option option, Control* control);
    void showRow(const Row& row);

    Document& document_;
    std::vector<Row> rows_;
};

}  // namespace hm3300::app
