#pragma once
// The about box: a picture, four lines of text (pack texts 3-6) and an OK button; it stays
// above the other windows while it is open.

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace hm3300::model {
class LanguagePack;
}

namespace hm3300::app {

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // Caption: text 1 without its accelerator, then "..."; lines: texts 3-6; OK: text 2.
    void applyLanguage(const model::LanguagePack& pack);

    QPushButton* okButton() const { return okButton_; }

private:
    std::array<QLabel*, 4> lines_{};
    QPushButton* okButton_;
};

}  // namespace hm3300::app
