#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace hm3300::app {

namespace {

QLocale localeOf(model::Language language) {
    switch (language) {
        case model::Language::Chinese:
            return QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
        case model::Language::Taiwan:
            return QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
        case model::Language::English:
            break;
    }
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

}  // namespace

QtTranslations::QtTranslations() {
    QCoreApplication::installTranslator(&translator_);
}

QtTranslations::~QtTranslations() {
    QCoreApplication::removeTranslator(&translator_);
}

void QtTranslations::use(model::Language language) {
    const QLocale locale = localeOf(language);
    QLocale::setDefault(locale);
    // Loading replaces what the translator held; where it finds no file (English needs
    // none) it holds nothing and Qt's built-in English texts show.
    [[maybe_unused]] const bool translated =
        translator_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Installed again, so that widgets that exist already hear of the change.
    QCoreApplication::removeTranslator(&translator_);
    QCoreApplication::installTranslator(&translator_);
}

}  // namespace hm3300::app
