#pragma once
// Qt's own texts (the buttons of file dialogs and message boxes, the context menus of text
// fields) in the program's current language, from the translations Qt ships.

#include <QTranslator>

#include "model/language_pack.h"

namespace hm3300::app {

class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Qt's texts in `language`; its English built-in texts when no translation is
    // installed for it.
    void use(model::Language language);

private:
    QTranslator translator_;
};

}  // namespace hm3300::app
