#include "app/number_spin_box.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace hm3300::app {

NumberSpinBox::NumberSpinBox(const model::OptionDefinition& definition, Resolution resolution,
                             QWidget* parent)
    : QDoubleSpinBox(parent), resolution_(resolution) {
    setDecimals(resolution == Resolution::Halves ? 1 : 0);
    setRange(definition.minimum, definition.maximum);
    setSingleStep(definition.increment);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setLocale(QLocale::c());
}

QString NumberSpinBox::textFromValue(double value) const {
    const bool whole = std::floor(value) == value;
    return QLocale::c().toString(value, 'f', whole ? 0 : decimals());
}

double NumberSpinBox::valueFromText(const QString& text) const {
    return QLocale::c().toDouble(text);
}

QValidator::State NumberSpinBox::validate(QString& text, int&) const {
    static const QRegularExpression whole(QStringLiteral("^[0-9]*$"));
    static const QRegularExpression halves(QStringLiteral("^[0-9]*(\\.[05]?)?$"));
    const QRegularExpression& form = resolution_ == Resolution::Halves ? halves : whole;
    if (!form.match(text).hasMatch()) {
        return QValidator::Invalid;
    }
    bool number = false;
    const double value = QLocale::c().toDouble(text, &number);
    if (!number || text.endsWith(u'.')) {
        return QValidator::Intermediate;
    }
    return value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                    : QValidator::Intermediate;
}

void NumberSpinBox::fixup(QString& text) const {
    bool number = false;
    const double value = QLocale::c().toDouble(text, &number);
    if (number) {
        text = textFromValue(std::clamp(value, minimum(), maximum()));
    }
}

}  // namespace hm3300::app
