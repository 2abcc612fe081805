#pragma once
// This program's folders among the user's base folders of the XDG Base Directory rules:
// $XDG_CACHE_HOME, $XDG_CONFIG_HOME and $XDG_DATA_HOME, or ~/.cache, ~/.config and
// ~/.local/share when a variable is unset or not an absolute path.

#include <QString>

namespace hm3300::places {

enum class UserFolder {
    Cache,   // the last run's trace
    Config,  // myini.ini when the program's own folder cannot hold it
    Data,    // backups of what was read
};

// "<base>/hm3300d" for `kind`; not created here. Empty when neither the variable nor HOME
// names a folder.
QString userFolder(UserFolder kind);

}  // namespace hm3300::places
