#pragma once
// Exit statuses of hm3300d-cli, for scripts.

namespace hm3300::cli::ExitStatus {

inline constexpr int Success = 0;
inline constexpr int LinkFailed = 1;       // the radio did not answer as expected
inline constexpr int Usage = 2;            // unknown command, option or missing argument
inline constexpr int FileError = 3;        // a codeplug file cannot be read or written
inline constexpr int NotWritable = 4;      // the codeplug fails the write check; nothing sent
inline constexpr int PortUnavailable = 5;  // the serial port cannot be opened
inline constexpr int RowsSkipped = 6;      // import saved the file without some CSV rows
inline constexpr int Interrupted = 130;    // Ctrl-C or SIGTERM stopped a radio run

}  // namespace hm3300::cli::ExitStatus
