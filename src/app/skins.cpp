#include "app/skins.h"

#include <QFile>
#include <QRegularExpression>
#include <array>

// The resources live in this static library; naming them here keeps the linker from
// dropping them.
static bool initSkinResources() {
    Q_INIT_RESOURCE(skins);
    return true;
}

namespace hm3300::app {

namespace {

QString readResource(const char* path) {
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

// Puts each "name: value" line of `palette` into the @name@ places of `sheet`; the
// palette's comments are passed over.
QString withPalette(QString sheet, QString palette) {
    static const QRegularExpression comment(QStringLiteral("/\\*.*?\\*/"),
                                            QRegularExpression::DotMatchesEverythingOption);
    palette.remove(comment);
    for (const QString& line : palette.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0) {
            sheet.replace(QStringLiteral("@%1@").arg(line.left(colon).trimmed()),
                          line.mid(colon + 1).trimmed());
        }
    }
    return sheet;
}

}  // namespace

QString skinStyleSheet(int skin) {
    static constexpr std::array<const char*, 3> kPalettes{
        ":/themes/blue.palette", ":/themes/steel.palette", ":/themes/coffee.palette"};
    if (skin < 1 || skin > static_cast<int>(kPalettes.size())) {
        return {};
    }
    [[maybe_unused]] static const bool registered = initSkinResources();
    const QString sheet = readResource(":/themes/skin.qss");
    const QString palette = readResource(kPalettes[static_cast<std::size_t>(skin - 1)]);
    if (sheet.isEmpty() || palette.isEmpty()) {
        return {};
    }
    return withPalette(sheet, palette);
}

}  // namespace hm3300::app
