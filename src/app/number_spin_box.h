#pragma once
// The spin field of a number option: the option's bounds and step; a typed value outside
// the bounds is pulled back to the nearest bound. A field that admits halves (the radio
// counts `Auto Reset` in half seconds) shows "10" for whole values and "10.5" for halves.

#include <QDoubleSpinBox>

#include "model/radio_settings.h"

namespace hm3300::app {

class NumberSpinBox : public QDoubleSpinBox {
    Q_OBJECT

public:
    enum class Resolution { Whole, Halves };

    NumberSpinBox(const model::OptionDefinition& definition, Resolution resolution,
                  QWidget* parent = nullptr);

    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& position) const override;
    void fixup(QString& text) const override;

private:
    Resolution resolution_;
};

}  // namespace hm3300::app
