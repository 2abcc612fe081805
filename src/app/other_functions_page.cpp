#include "app/other_functions_page.h"

#include "app/document.h"

namespace hm3300::app {

OtherFunctionsPage::OtherFunctionsPage(Document& document, QWidget* parent)
    : QWidget(parent), document_(document) {}

void OtherFunctionsPage::applyLanguage(const model::LanguagePack&) {}

void OtherFunctionsPage::showDocument() {}

}  // namespace hm3300::app
