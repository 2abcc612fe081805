#include "app/dtmf_page.h"

#include "app/document.h"

namespace hm3300::app {

DtmfPage::DtmfPage(Document& document, QWidget* parent) : QWidget(parent), document_(document) {}

void DtmfPage::applyLanguage(const model::LanguagePack&) {}

void DtmfPage::showDocument() {}

void DtmfPage::hideCallEditor() {}

void DtmfPage::showSystemPage() {}

}  // namespace hm3300::app
