#pragma once
// The pictures of the dialogs, drawn by the program itself.

#include <QPixmap>

namespace hm3300::app {

// 48 x 48: a warning sign for the confirmation dialog.
QPixmap warningPicture();

// 57 x 57: a hand-held radio for the about box.
QPixmap radioPicture();

}  // namespace hm3300::app
