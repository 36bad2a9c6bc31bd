#pragma once
// gwcli's exit status.
inline constexpr int CLI_OK = 0;      // the command did what it was asked
inline constexpr int CLI_FAILED = 1;  // the operation failed and its message was printed
inline constexpr int CLI_USAGE = 2;   // the command line was unusable
