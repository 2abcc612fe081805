#pragma once
// The workstation choices kept in myini.ini (beside the executable, or in the user's
// configuration folder: places/program_files.h): serial port, communication mode, skin, the
// four band lists and the device path behind each port number. Missing, non-numeric or
// out-of-range values read as their defaults; nothing here is radio data.

#include <QString>
#include <array>
#include <optional>

#include "model/band_list.h"
#include "model/language_pack.h"

namespace hm3300::app {

inline constexpr int kSingleHead = 12;  // `CommMode` values
inline constexpr int kDualHead = 13;
inline constexpr int kPortCount = 4;  // COM1 ... COM4
inline constexpr int kSkinCount = 3;

struct AppSettings {
    int com = 1;  // 1 ... kPortCount
    int commMode = kDualHead;
    int skin = 1;  // 1 ... kSkinCount
    // Fast link pacing; kept in a section of its own, which older versions ignore.
    bool fastLink = false;
    // The language chosen last, in a section of its own; without it UNWISE.INI decides.
    std::optional<model::Language> language;
    model::BandLists bands;
    // The device opened for COM<n> is portPaths[n - 1].
    std::array<QString, kPortCount> portPaths{"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB2",
                                              "/dev/ttyUSB3"};

    // Reads myini.ini from `folder`; a missing file reads as an empty one.
    static AppSettings load(const QString& folder);

    // Writes these settings into myini.ini in `folder`, keeping keys it does not write
    // (entries beyond a shortened list stay and are ignored at the next start). Returns an
    // error message when the file could not be written, or an empty string.
    QString save(const QString& folder) const;
};

}  // namespace hm3300::app
