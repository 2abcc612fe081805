#include "app/function_options_page.h"

#include "app/document.h"

namespace hm3300::app {

FunctionOptionsPage::FunctionOptionsPage(Document& document, QWidget* parent)
    : QWidget(parent), document_(document) {}

void FunctionOptionsPage::applyLanguage(const model::LanguagePack&) {}

void FunctionOptionsPage::showDocument() {}

void FunctionOptionsPage::setSingleHead(bool) {}

}  // namespace hm3300::app
