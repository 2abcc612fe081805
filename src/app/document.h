#pragma once
// The codeplug being edited and the language it is shown in. The main window owns one for
// the life of the program; pages and dialogs read and write the codeplug here and refresh
// when it tells them to.

#include <QObject>

#include "model/codeplug.h"
#include "model/language_pack.h"
#include "model/value_texts.h"

namespace hm3300::app {

class Document : public QObject {
    Q_OBJECT

public:
    explicit Document(QObject* parent = nullptr);

    model::Codeplug& codeplug() { return codeplug_; }
    const model::Codeplug& codeplug() const { return codeplug_; }
    model::RadioSettings& settings() { return codeplug_.settings; }
    const model::RadioSettings& settings() const { return codeplug_.settings; }

    model::Language language() const { return language_; }
    const model::LanguagePack& pack() const { return pack_; }
    const model::ValueTexts& texts() const { return texts_; }

    // Makes `pack` the current language: its value texts replace the old ones and every
    // channel cell holding a value word of any language is rewritten.
    void setLanguage(model::Language language, model::LanguagePack pack);

    // After New, Open or a radio read replaced the codeplug: every view shows it anew.
    void notifyReplaced() { emit replaced(); }
    // A codeplug made apart from this one (a CSV import into a copy) takes its place as a
    // whole, in one step, and every view shows it.
    void replaceCodeplug(model::Codeplug codeplug);
    // After a change of channels made outside the channel views.
    void notifyChannelsChanged() { emit channelsChanged(); }

signals:
    void languageChanged();
    void replaced();
    void channelsChanged();

private:
    model::Codeplug codeplug_;
    model::Language language_ = model::Language::Chinese;
    model::LanguagePack pack_;
    model::ValueTexts texts_;
};

}  // namespace hm3300::app
