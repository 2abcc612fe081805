#pragma once
// The three looks of all windows, by skin number: 1 "蓝色一族" (the default), 2 "钢板",
// 3 "咖啡". They share one style sheet and differ in its palette; both are built into the
// program.

#include <QString>

namespace hm3300::app {

// The style sheet of skin `skin` (1 ... 3); empty for any other number.
QString skinStyleSheet(int skin);

}  // namespace hm3300::app
