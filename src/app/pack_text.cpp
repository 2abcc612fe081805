#include "app/pack_text.h"

#include <QRegularExpression>

#include "model/language_pack.h"
#include "model/message.h"
#include "model/text_ids.h"

namespace hm3300::app {

QString packText(const model::LanguagePack& pack, int id) {
    return QString::fromStdString(pack.text(id));
}

QString messageText(const model::Message& message, const model::LanguagePack& pack) {
    return QString::fromStdString(message.in(pack));
}

QString withoutAccelerator(const QString& text) {
    // Chinese menus carry the accelerator as a Latin letter in brackets after the word.
    static const QRegularExpression bracketed(QStringLiteral("\\(&[^&)]\\)"));
    QString bare = text;
    bare.remove(bracketed);
    QString result;
    for (qsizetype i = 0; i < bare.size(); ++i) {
        if (bare[i] == QLatin1Char('&')) {
            if (i + 1 < bare.size() && bare[i + 1] == QLatin1Char('&')) {
                result += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        result += bare[i];
    }
    return result;
}

QString captionText(const model::LanguagePack& pack, int id) {
    return withoutAccelerator(packText(pack, id));
}

QString warningCaption(const model::LanguagePack& pack) {
    const QString caption = captionText(pack, model::TextId::WarnTitle);
    return caption.isEmpty() ? QStringLiteral("警告") : caption;
}

}  // namespace hm3300::app
