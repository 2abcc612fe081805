#include "app/skins.h"

#include <QFile>
#include <array>

// The resources live in this static library; naming them here keeps the linker from
// dropping them.
static bool initSkinResources() {
    Q_INIT_RESOURCE(skins);
    return true;
}

namespace hm3300::app {

QString skinStyleSheet(int skin) {
    static constexpr std::array<const char*, 3> kFiles{":/themes/blue.qss", ":/themes/steel.qss",
                                                       ":/themes/coffee.qss"};
    if (skin < 1 || skin > static_cast<int>(kFiles.size())) {
        return {};
    }
    [[maybe_unused]] static const bool registered = initSkinResources();
    QFile file(QString::fromLatin1(kFiles[static_cast<std::size_t>(skin - 1)]));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

}  // namespace hm3300::app
