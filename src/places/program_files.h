#pragma once
// Where a program of this package finds its own files. In the build folder the language
// packs and the user guide lie beside the programs; installed, they lie in the data folder
// share/hm3300d beside bin/, wherever the installation was put.
//
// myini.ini and UNWISE.INI stay beside a program that runs from a writable folder of its
// own. An installed program, or one whose folder cannot take the settings, keeps them in the
// user's configuration folder: a program installed in /usr/bin must not write there even
// when run by root.

#include <QString>

namespace hm3300::places {

inline constexpr const char* kSettingsFileName = "myini.ini";

// The folder of the running executable.
QString programFolder();

// Whether the program in `programFolder` is an installed one: its data folder is there.
bool isInstalled(const QString& programFolder);

// The data file `name` beside the programs or in the installed data folder, in this order;
// empty when neither holds it.
QString findDataFile(const QString& programFolder, const QString& name);

// The folder of myini.ini and UNWISE.INI for the program in `programFolder`. The user's
// configuration folder is created when it is the one.
QString settingsFolder(const QString& programFolder);

}  // namespace hm3300::places
