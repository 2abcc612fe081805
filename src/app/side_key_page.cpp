#include "app/side_key_page.h"

#include <QComboBox>
#include <QVBoxLayout>

#include "app/form_group.h"
#include "app/option_binding.h"

namespace hm3300::app {

SideKeyPage::SideKeyPage(Document& document, QWidget* parent)
    : QWidget(parent), binding_(new OptionBinding(document, this)) {
    setObjectName(QStringLiteral("SideKeyPage"));
    auto* group = captions_.add(100, new QGroupBox, QStringLiteral("键设定"));
    auto* groupLayout = new QVBoxLayout(group);
    QComboBox* assignment = binding_->choice(model::Option::Key_Assignment);
    assignment->setMinimumWidth(200);
    groupLayout->addWidget(assignment);
    placeGroupOnPage(this, group, 260);
}

void SideKeyPage::applyLanguage(const model::LanguagePack& pack) {
    captions_.apply(pack);
    binding_->applyLanguage(pack);
}

void SideKeyPage::showDocument() {
    binding_->showDocument();
}

}  // namespace hm3300::app
