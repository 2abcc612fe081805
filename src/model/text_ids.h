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
inline constexpr int ImportCsv = 261;     // File menu items
inline constexpr int ExportCsv = 262;
inline constexpr int CsvRowsReported = 263;  // heads the rows an import skipped or changed

// The port's device and the backups of every read.
inline constexpr int ChooseDevice = 211;  // the port menu's item and its dialog
inline constexpr int DeviceColumn = 212;  // the dialog's columns, 212-216
inline constexpr int DescriptionColumn = 213;
inline constexpr int MakerColumn = 214;
inline constexpr int UsbIdColumn = 215;
inline constexpr int OpenColumn = 216;
inline constexpr int PortOpens = 217;            // a port this user can open
inline constexpr int DevicePathLabel = 218;      // the field for a device the list lacks
inline constexpr int BackupsFolder = 219;        // the Help item
inline constexpr int BackupSaved = 220;          // the status bar, before the backup's path
inline constexpr int BackupFailed = 221;         // the status bar, before the reason
inline constexpr int BackupsFolderFailed = 222;  // the warning, before the folder

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
inline constexpr int NotACodeplugWarning = 242;
inline constexpr int ReplaceFile = 243;  // "%1" stands for the file name
inline constexpr int NothingToPaste = 244;

// Messages, see model/message.h: "%1", "%2", ... are the places of their arguments.
inline constexpr int AtLine = 301;
inline constexpr int AboutThing = 302;
inline constexpr int NotUtf8Line = 303;
inline constexpr int NoGbkConverter = 304;
inline constexpr int NeitherGbkNorUtf8 = 305;
inline constexpr int ExpectsNumber = 306;
inline constexpr int ChannelWithoutFrequency = 307;
inline constexpr int LineIgnored = 308;
inline constexpr int LinesIgnored = 309;
inline constexpr int NotACodeplug = 310;
inline constexpr int EndsBeforeSettings = 311;
inline constexpr int CannotSave = 313;
inline constexpr int NotInGbk = 314;
inline constexpr int CannotOpen = 315;
inline constexpr int CannotRead = 316;
inline constexpr int NotARegularFileKept = 317;
inline constexpr int NotAFile = 318;
inline constexpr int KindFolder = 319;
inline constexpr int KindFifo = 320;
inline constexpr int KindDevice = 321;
inline constexpr int KindSocket = 322;
inline constexpr int KindOther = 323;
inline constexpr int TooLarge = 324;
inline constexpr int NoSuchFile = 325;
inline constexpr int PermissionDenied = 326;
inline constexpr int ReadOnlyDisk = 327;
inline constexpr int DiskFull = 328;
inline constexpr int IsAFolder = 329;
inline constexpr int PathNotFolder = 330;
inline constexpr int TooManyLinks = 331;
inline constexpr int EmptyTxFreq = 340;
inline constexpr int OffRaster = 341;
inline constexpr int NotATone = 342;
inline constexpr int AliasUnshowable = 343;
inline constexpr int AliasTooLong = 344;
inline constexpr int NotAValueText = 345;
inline constexpr int NumberBetweenUnits = 346;
inline constexpr int NumberOutOfRange = 347;
inline constexpr int NotDtmf = 348;
inline constexpr int TooManyDigits = 349;
inline constexpr int NotAPassword = 350;
inline constexpr int NoSuchItem = 351;
inline constexpr int ChannelProblem = 352;
inline constexpr int Nothing = 360;
inline constexpr int StepFailed = 361;
inline constexpr int InterruptedAt = 362;
inline constexpr int ChannelSlotStep = 363;
inline constexpr int AliasStep = 364;
inline constexpr int CallBlockStep = 365;
inline constexpr int ClearedBlockStep = 366;
inline constexpr int BandBlockStep = 367;
inline constexpr int OptionBlockStep = 368;
inline constexpr int DtmfBlockStep = 369;
inline constexpr int CodeBlockStep = 370;
inline constexpr int PasswordBlockStep = 371;
inline constexpr int IdBlockStep = 372;
inline constexpr int HandshakeStep = 373;
inline constexpr int ReadyStep = 374;
inline constexpr int PortStep = 375;
inline constexpr int WriteCheckStep = 376;
inline constexpr int NoReply = 377;
inline constexpr int UnexpectedReply = 378;
inline constexpr int KeptBusy = 379;
inline constexpr int KeptBadReplies = 380;
inline constexpr int RadioSilent = 381;
inline constexpr int RadioUnidentified = 382;
inline constexpr int PortNotReopened = 383;
inline constexpr int BandBlockErased = 384;
inline constexpr int PortCannotOpen = 385;
inline constexpr int WithPortProblem = 386;
inline constexpr int GuideMissing = 387;
inline constexpr int JoinTheGroup = 388;  // permission advice for a port
inline constexpr int OnlyTheOwner = 389;
inline constexpr int PortMissing = 390;
inline constexpr int PortNoPermission = 391;
inline constexpr int PortInUse = 392;
inline constexpr int NotSerialPort = 393;
inline constexpr int PortLocked = 394;
inline constexpr int TraceKeptAt = 395;
inline constexpr int CannotBeWritten = 396;
inline constexpr int ReadSummary = 397;
inline constexpr int WriteSummary = 398;
inline constexpr int ProblemsHint = 399;

// What a CSV import, a backup of a read and the port list say, as messages.
inline constexpr int AtLineField = 401;  // "line %1, field %2: %3"
inline constexpr int QuoteNeverClosed = 402;
inline constexpr int TextAfterQuote = 403;
inline constexpr int ColumnTwice = 404;
inline constexpr int HeaderLacks = 405;
inline constexpr int BothOf = 406;  // "%1 and %2"
inline constexpr int NoHeaderLine = 407;
inline constexpr int CsvBandUnreadable = 408;
inline constexpr int FieldCountDiffers = 409;
inline constexpr int NotALocation = 410;
inline constexpr int LocationRepeated = 411;
inline constexpr int AtLineLocation = 412;  // "line %1, location %2: %3"
inline constexpr int RowSkipped = 413;
inline constexpr int ReceiveOutsideBand = 414;
inline constexpr int TransmitOutsideBand = 415;
inline constexpr int NotMegahertz = 416;
inline constexpr int TransmitOff = 417;
inline constexpr int NotADuplex = 418;
inline constexpr int NotAMode = 419;
inline constexpr int NotASkip = 420;
inline constexpr int NameNotUtf8 = 421;
inline constexpr int NameCut = 422;
inline constexpr int NotACtcssTone = 423;
inline constexpr int NotAPolarity = 424;
inline constexpr int NotADcsCode = 425;
inline constexpr int NotACrossMode = 426;
inline constexpr int NotAToneMode = 427;
inline constexpr int NoDataFolder = 428;
inline constexpr int FolderNotMade = 429;
inline constexpr int BackupsOfOneSecond = 430;
inline constexpr int PseudoTerminal = 431;

// Every id a complete pack carries. Laid out by hand, a block of ids added as a line of its
// own, so that a new block leaves the lines before it as they are.
// clang-format off
inline constexpr std::array<int, 274> kAll{
    1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,  15,  16,  17,  18,  19,
    20,  21,  22,  23,  24,  25,  26,  27,  28,  29,  30,  31,  32,  34,  35,  36,  37,  38,  39,
    40,  41,  42,  43,  45,  46,  47,  48,  56,  57,  58,  59,  60,  61,  62,  64,  65,  66,  67,
    70,  73,  74,  75,  76,  77,  78,  79,  80,  81,  82,  83,  84,  85,  87,  88,  89,  90,  91,
    93,  94,  95,  96,  97,  98,  99,  100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 112,
    113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 131,
    132, 133, 134, 135, 136, 137, 138, 139, 140, 141, 142, 143, 144, 145, 146, 201, 202,
    211, 212, 213, 214, 215, 216, 217, 218, 219, 220, 221, 222,
    231, 232, 233, 234, 235, 236, 237, 238, 239, 240, 241, 242, 243, 244,
    261, 262, 263,
    301, 302, 303, 304, 305, 306, 307, 308, 309, 310, 311, 313, 314, 315, 316, 317, 318, 319,
    320, 321, 322, 323, 324, 325, 326, 327, 328, 329, 330, 331,
    340, 341, 342, 343, 344, 345, 346, 347, 348, 349, 350, 351, 352,
    360, 361, 362, 363, 364, 365, 366, 367, 368, 369, 370, 371, 372, 373, 374, 375, 376, 377,
    378, 379, 380, 381, 382, 383, 384, 385, 386, 387, 388, 389,
    390, 391, 392, 393, 394, 395, 396, 397, 398, 399,
    401, 402, 403, 404, 405, 406, 407, 408, 409, 410, 411, 412, 413, 414, 415, 416, 417, 418, 419,
    420, 421, 422, 423, 424, 425, 426, 427, 428, 429, 430, 431};
// clang-format on

}  // namespace hm3300::model::TextId
