#include "app/side_key_page.h"

#include "app/document.h"

namespace hm3300::app {

SideKeyPage::SideKeyPage(Document& document, QWidget* parent)
    : QWidget(parent), document_(document) {}

void SideKeyPage::applyLanguage(const model::LanguagePack&) {}

void SideKeyPage::showDocument() {}

}  // namespace hm3300::app
