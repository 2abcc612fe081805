#pragma once
// Ids of the language pack texts the program looks up by name.

#include <array>

namespace hm3300::model::TextId {

inline constexpr int Off = 34;
inline constexpr int On = 35;
inline constexpr int High = 36;
inline constexpr int Low = 37;
inline constexpr int TotMinutes = 48;  // unit after the digit of the TOT items
inline constexpr int WarnTitle = 58;
inline constexpr int PortErrorText = 59;
inline constexpr int LinkErrorText = 60;
inline constexpr int BannerText = 61;
inline constexpr int ConfirmTitle = 62;
inline constexpr int ConfirmText = 64;
inline constexpr int Wide = 74;
inline constexpr int Narrow = 75;
inline constexpr int Compander = 78;
inline constexpr int Scrambler = 79;
inline constexpr int BandOne = 88;
inline constexpr int BandTwo = 89;
inline constexpr int MonitorToneAndDtmf = 104;
inline constexpr int MonitorToneOrDtmf = 105;
inline constexpr int PttIdAtStart = 118;
inline constexpr int PttIdAtEnd = 119;
inline constexpr int PttIdBoth = 120;
inline constexpr int StunKill = 134;
inline constexpr int StunStun = 135;
inline constexpr int KeyMonitor = 136;  // 136-139: the four side key functions
// A channel edit that cannot be finished; "%1" stands for the text that cannot be read.
inline constexpr int UnreadableBand = 145;
inline constexpr int UnreadableFrequency = 146;
inline constexpr int FastLink = 201;      // the Options item, and the dialog's pacing line
inline constexpr int StandardLink = 202;  // the dialog's pacing line without it

// Keeping the work safe: the question before unsaved changes are set aside, the Edit items,
// and the messages of the row commands and of Open and Save.
inline constexpr int UnsavedChanges = 231;
inline constexpr int SaveChanges = 232;     // its buttons
inline constexpr int DiscardChanges = 233;  // (Cancel is text 8)
inline constexpr int Undo = 234;
inline constexpr int Redo = 235;
inline constexpr int CutRows = 236;
inline constexpr int CopyRows = 237;
inline constexpr int PasteRows = 238;
inline constexpr int InsertRow = 239;
inline constexpr int DeleteRows = 240;
inline constexpr int InsertDropsChannel = 241;
inline constexpr int NotACodeplug = 242;
inline constexpr int ReplaceFile = 243;  // "%1" stands for the file name
inline constexpr int NothingToPaste = 244;

// Every id a complete pack carries.
inline constexpr std::array<int, 145> kAll{
    1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26,
    27, 28, 29, 30, 31, 32, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 45, 46, 47, 48, 56, 57, 58, 59,
    60, 61, 62, 64, 65, 66, 67, 70, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 87, 88, 89,
    90, 91, 93, 94, 95, 96, 97, 98, 99, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 112,
    113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 131,
    132, 133, 134, 135, 136, 137, 138, 139, 140, 141, 142, 143, 144, 145, 146, 201, 202,
    // Keeping the work safe
    231, 232, 233, 234, 235, 236, 237, 238, 239, 240, 241, 242, 243, 244};

}  // namespace hm3300::model::TextId
