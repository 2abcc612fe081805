#include "model/tone_list.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace hm3300::model::ToneList {

namespace {

constexpr std::array<std::string_view, kCtcssCount> kCtcss{
    "63.0",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",
    "88.5",  "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8",
    "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7",
    "159.8", "162.2", "165.5", "167.9", "171.3", "173.8", "177.3", "179.9", "183.5",
    "186.2", "189.9", "192.8", "196.6", "199.5", "203.5", "206.5", "210.7", "218.1",
    "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

constexpr std::array<int, kDcsCount> kDcs{
    17,  23,  25,  26,  31,  32,  36,  43,  47,  50,  51,  53,  54,  65,  71,  72,  73,  74,
    114, 115, 116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205,
    212, 223, 225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306,
    311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432,
    445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606,
    612, 624, 627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

std::string dcsText(int position, char polarity) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "D%03d%c", kDcs[position], polarity);
    return buffer;
}

}  // namespace

std::span<const std::string_view> ctcssTones() {
    return kCtcss;
}
std::span<const int> dcsCodes() {
    return kDcs;
}

std::string text(int index, const std::string& offText) {
    if (index == 0) {
        return offText;
    }
    if (index >= 1 && index < kFirstDcsNormal) {
        return std::string(kCtcss[index - 1]);
    }
    if (index >= kFirstDcsNormal && index < kFirstDcsInverted) {
        return dcsText(index - kFirstDcsNormal, 'N');
    }
    if (index >= kFirstDcsInverted && index < kSize) {
        return dcsText(index - kFirstDcsInverted, 'I');
    }
    return {};
}

int indexOf(std::string_view text, const std::string& offText) {
    if (text == offText) {
        return 0;
    }
    if (const auto it = std::find(kCtcss.begin(), kCtcss.end(), text); it != kCtcss.end()) {
        return 1 + static_cast<int>(it - kCtcss.begin());
    }
    if (text.size() == 5 && text[0] == 'D' && (text[4] == 'N' || text[4] == 'I')) {
        for (int position = 0; position < kDcsCount; ++position) {
            if (dcsText(position, text[4]) == text) {
                return (text[4] == 'N' ? kFirstDcsNormal : kFirstDcsInverted) + position;
            }
        }
    }
    return -1;
}

}  // namespace hm3300::model::ToneList
