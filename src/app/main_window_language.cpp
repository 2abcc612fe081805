// MainWindow: the language packs.

#include <QTabWidget>
#include <iostream>

#include "app/about_dialog.h"
#include "app/confirm_dialog.h"
#include "app/document_view.h"
#include "app/main_window.h"
#include "app/pack_text.h"
#include "model/text_ids.h"
#include "places/local_path.h"
#include "places/program_files.h"

namespace hm3300::app {

bool MainWindow::chooseLanguage(model::Language language) {
    // The check mark moves even when the pack turns out to be missing.
    menu_.languages[static_cast<std::size_t>(language)]->setChecked(true);
    return loadLanguagePack(QString::fromLatin1(model::packName(language)));
}

bool MainWindow::loadLanguagePack(const QString& name) {
    const std::optional<model::Language> language = model::languageFromPackName(name.toStdString());
    const QString path = places::findDataFile(options_.appFolder, name + QStringLiteral(".lng"));
    if (!language || path.isEmpty()) {
        return false;
    }
    std::string error;
    const std::optional<model::LanguagePack> pack =
        model::LanguagePack::loadFile(places::localPath(path), &error);
    if (!pack) {
        // A damaged pack is treated like a missing one; say why for whoever maintains it.
        std::cerr << "hm3300d: " << error << '\n';
        return false;
    }
    applyLanguage(*language, *pack);
    return true;
}

// Relabels every window first; the channel table is converted last, when the new value
// words are known.
void MainWindow::applyLanguage(model::Language language, const model::LanguagePack& pack) {
    qtTranslations_.use(language);
    menu_.applyLanguage(pack);
    pages_->setTabText(kChannelEditPage, captionText(pack, 19));
    pages_->setTabText(kFunctionPage, captionText(pack, 20));
    pages_->setTabText(kChannelPage, captionText(pack, 99));
    pages_->setTabText(kSideKeyPage, captionText(pack, 100));
    pages_->setTabText(kOtherPage, captionText(pack, 21));
    setBanner(packText(pack, model::TextId::BannerText));
    about_->applyLanguage(pack);
    message_->applyLanguage(pack);
    for (DocumentView* view : views()) {
        view->applyLanguage(pack);
    }
    document_.setLanguage(language, pack);
}

std::vector<DocumentView*> MainWindow::views() const {
    std::vector<DocumentView*> views;
    for (int page = 0; page < pages_->count(); ++page) {
        if (auto* view = dynamic_cast<DocumentView*>(pages_->widget(page))) {
            views.push_back(view);
        }
    }
    return views;
}

}  // namespace hm3300::app
