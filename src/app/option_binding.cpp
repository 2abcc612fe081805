#include "app/option_binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

#include "app/document.h"
#include "model/choice_items.h"
#include "model/language_pack.h"

namespace hm3300::app {

using model::Option;

namespace {

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

void fillItems(QComboBox* box, const std::vector<std::string>& items) {
    const QSignalBlocker blocker(box);
    const int selected = box->currentIndex();
    box->clear();
    for (const std::string& item : items) {
        box->addItem(qText(item));
    }
    box->setCurrentIndex(selected);
}

// The lists as the program shows them before any language pack is loaded: the built-in
// simplified-Chinese texts, except that the time-out list starts with "OFF".
std::vector<std::string> builtinItems(Option option) {
    std::vector<std::string> items = model::choiceItems(option, model::LanguagePack::builtin());
    if (option == Option::TOT && !items.empty()) {
        items.front() = "OFF";
    }
    return items;
}

}  // namespace

OptionBinding::OptionBinding(Document& document, QObject* parent)
    : QObject(parent), document_(document) {}

template <typename Control>
Control* OptionBinding::adopt(Option option, Control* control) {
    control->setObjectName(QString::fromUtf8(model::optionDefinition(option).key));
    rows_.push_back({option, control});
    showRow(rows_.back());
    return control;
}

QComboBox* OptionBinding::choice(Option option) {
    auto* box = new QComboBox;
    fillItems(box, builtinItems(option));
    connect(box, &QComboBox::activated, this, [this, option](int index) {
        document_.settings().setChoice(option, index);
        document_.finishStepSoon();
    });
    return adopt(option, box);
}

QCheckBox* OptionBinding::flag(Option option) {
    auto* box = new QCheckBox;
    connect(box, &QCheckBox::toggled, this, [this, option](bool on) {
        document_.settings().setFlag(option, on);
        document_.finishStepSoon();
    });
    return adopt(option, box);
}

NumberSpinBox* OptionBinding::number(Option option, NumberSpinBox::Resolution resolution) {
    auto* box = new NumberSpinBox(model::optionDefinition(option), resolution);
    connect(box, &QDoubleSpinBox::valueChanged, this,
            [this, option](double value) { document_.settings().setNumber(option, value); });
    connect(box, &QAbstractSpinBox::editingFinished, &document_, &Document::finishStepSoon);
    return adopt(option, box);
}

FilteredLineEdit* OptionBinding::text(Option option) {
    auto* field = new FilteredLineEdit(editor::textFieldRule(option));
    connect(field, &QLineEdit::textChanged, this, [this, option](const QString& text) {
        document_.settings().setText(option, text.toStdString());
    });
    connect(field, &QLineEdit::editingFinished, &document_, &Document::finishStepSoon);
    return adopt(option, field);
}

void OptionBinding::showDocument() {
    for (const Row& row : rows_) {
        showRow(row);
    }
}

void OptionBinding::show(Option option) {
    for (const Row& row : rows_) {
        if (row.option == option) {
            showRow(row);
        }
    }
}

void OptionBinding::applyLanguage(const model::LanguagePack& pack) {
    for (const Row& row : rows_) {
        if (auto* box = qobject_cast<QComboBox*>(row.control)) {
            fillItems(box, model::choiceItems(row.option, pack));
        }
    }
}

void OptionBinding::showRow(const Row& row) {
    const model::RadioSettings& settings = document_.settings();
    const QSignalBlocker blocker(row.control);
    if (auto* box = qobject_cast<QComboBox*>(row.control)) {
        box->setCurrentIndex(settings.choice(row.option));
    } else if (auto* box = qobject_cast<QCheckBox*>(row.control)) {
        box->setChecked(settings.flag(row.option));
    } else if (auto* box = qobject_cast<NumberSpinBox*>(row.control)) {
        box->setValue(settings.number(row.option));
    } else if (auto* field = qobject_cast<FilteredLineEdit*>(row.control)) {
        field->setText(qText(settings.text(row.option)));
    }
}

}  // namespace hm3300::app
