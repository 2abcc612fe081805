#include "app/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "app/dialog_pictures.h"
#include "app/pack_text.h"
#include "model/language_pack.h"

namespace hm3300::app {

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QStringLiteral("关于..."));
    setModal(true);
    setFixedSize(402, 242);

    auto* picture = new QLabel(this);
    picture->setGeometry(24, 24, 57, 57);
    picture->setPixmap(radioPicture());

    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i] = new QLabel(this);
        lines_[i]->setGeometry(100, 24 + static_cast<int>(i) * 36, 280, 32);
        lines_[i]->setWordWrap(true);
    }
    okButton_ = new QPushButton(QStringLiteral("Ok"), this);
    okButton_->setGeometry(164, 196, 75, 25);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    // The lines carry the built-in texts until a pack relabels the box.
    const model::LanguagePack& builtin = model::LanguagePack::builtin();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i]->setText(packText(builtin, 3 + static_cast<int>(i)));
    }
}

void AboutDialog::applyLanguage(const model::LanguagePack& pack) {
    setWindowTitle(captionText(pack, 1) + QStringLiteral("..."));
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i]->setText(packText(pack, 3 + static_cast<int>(i)));
    }
    okButton_->setText(packText(pack, 2));
}

}  // namespace hm3300::app
