#include "app/document.h"

namespace hm3300::app {

Document::Document(QObject* parent) : QObject(parent) {}

void Document::replaceCodeplug(model::Codeplug codeplug) {
    codeplug_ = std::move(codeplug);
    emit replaced();
}

void Document::setLanguage(model::Language language, model::LanguagePack pack) {
    language_ = language;
    pack_ = std::move(pack);
    texts_ = model::ValueTexts::fromPack(pack_);
    codeplug_.channels.convertValueTexts(texts_);
    emit languageChanged();
}

}  // namespace hm3300::app
