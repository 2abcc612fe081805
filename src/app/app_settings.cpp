#include "app/app_settings.h"

#include <QDir>
#include <QSettings>
#include <algorithm>

#include "places/program_files.h"

namespace hm3300::app {

namespace {

// Each band list has key names of its own in the file.
struct BandListKeys {
    model::BandListId id;
    const char* section;
    const char* count;
    const char* now;
    const char* entryPrefix;
};

constexpr std::array<BandListKeys, 4> kBandListKeys{{
    {model::BandListId::BAND_Rx, "list1_rx", "listcount", "listnow", "combo"},
    {model::BandListId::BAND_Tx, "list1_tx", "list2count", "list2now", "com2bo"},
    {model::BandListId::BAND_Rx1, "list2_rx", "list3count", "list3now", "com3bo"},
    {model::BandListId::BAND_Tx1, "list2_tx", "list4count", "list4now", "com4bo"},
}};

const QString kDefaultBandText = QStringLiteral("400-470MHz");

// A damaged count must not fill memory with default entries; real lists hold a handful.
constexpr int kMaxBandEntries = 999;

QString key(const char* section, const QString& name) {
    return QString::fromLatin1(section) + QLatin1Char('/') + name;
}

// The integer under `key`, or `fallback` when it is missing, not a number or not accepted.
template <typename Accept>
int readInt(const QSettings& file, const QString& key, int fallback, Accept accept) {
    bool ok = false;
    const int value = file.value(key).toString().toInt(&ok);
    return ok && accept(value) ? value : fallback;
}

int readInt(const QSettings& file, const QString& key, int fallback) {
    return readInt(file, key, fallback, [](int) { return true; });
}

model::BandList readBandList(const QSettings& file, const BandListKeys& keys) {
    model::BandList list;
    const int count =
        std::clamp(readInt(file, key(keys.section, keys.count), 0), 0, kMaxBandEntries);
    for (int i = 0; i < count; ++i) {
        const QString entryKey = key(keys.section, keys.entryPrefix + QString::number(i));
        list.entries.push_back(file.value(entryKey, kDefaultBandText).toString().toStdString());
    }
    // -1 selects nothing; an index past the list falls back to the first entry, if any.
    const int now = readInt(file, key(keys.section, keys.now), 0,
                            [count](int value) { return value >= -1 && value < count; });
    list.selected = now < count ? now : -1;
    return list;
}

void writeBandList(QSettings& file, const BandListKeys& keys, const model::BandList& list) {
    const int count = static_cast<int>(list.entries.size());
    file.setValue(key(keys.section, keys.now), list.selected);
    file.setValue(key(keys.section, keys.count), count);
    for (int i = 0; i < count; ++i) {
        file.setValue(key(keys.section, keys.entryPrefix + QString::number(i)),
                      QString::fromStdString(list.entries[static_cast<std::size_t>(i)]));
    }
}

const QString kFastLinkKey = QStringLiteral("link/fast");
const QString kLanguageKey = QStringLiteral("language/pack");

QString portKey(int number) {
    return key("ports", QStringLiteral("com%1").arg(number));
}

QString settingsFilePath(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(places::kSettingsFileName));
}

}  // namespace

AppSettings AppSettings::load(const QString& folder) {
    const QSettings file(settingsFilePath(folder), QSettings::IniFormat);
    AppSettings settings;
    settings.com = readInt(file, QStringLiteral("open/com"), settings.com,
                           [](int value) { return value >= 1 && value <= kPortCount; });
    settings.commMode =
        readInt(file, QStringLiteral("open/commode"), settings.commMode,
                [](int value) { return value == kSingleHead || value == kDualHead; });
    settings.skin = readInt(file, QStringLiteral("open/skin"), settings.skin,
                            [](int value) { return value >= 1 && value <= kSkinCount; });
    settings.fastLink = readInt(file, kFastLinkKey, 0) == 1;
    settings.language =
        model::languageFromPackName(file.value(kLanguageKey).toString().toStdString());
    for (const BandListKeys& keys : kBandListKeys) {
        settings.bands[keys.id] = readBandList(file, keys);
    }
    for (int number = 1; number <= kPortCount; ++number) {
        const QString path = file.value(portKey(number)).toString().trimmed();
        if (!path.isEmpty()) {
            settings.portPaths[static_cast<std::size_t>(number - 1)] = path;
        }
    }
    return settings;
}

QString AppSettings::save(const QString& folder) const {
    const QString path = settingsFilePath(folder);
    QSettings file(path, QSettings::IniFormat);
    file.setValue(QStringLiteral("open/com"), com);
    file.setValue(QStringLiteral("open/commode"), commMode);
    file.setValue(QStringLiteral("open/skin"), skin);
    file.setValue(kFastLinkKey, fastLink ? 1 : 0);
    if (language) {
        file.setValue(kLanguageKey, QString::fromLatin1(model::packName(*language)));
    }
    for (const BandListKeys& keys : kBandListKeys) {
        writeBandList(file, keys, bands[keys.id]);
    }
    for (int number = 1; number <= kPortCount; ++number) {
        file.setValue(portKey(number), portPaths[static_cast<std::size_t>(number - 1)]);
    }
    file.sync();
    if (file.status() != QSettings::NoError) {
        return QStringLiteral("cannot write %1: check that the folder is writable").arg(path);
    }
    return {};
}

}  // namespace hm3300::app
