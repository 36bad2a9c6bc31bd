#pragma once
// Where the settings file `GWComConfig.env` lives: the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config) under the maker's subfolder; the program's own folder as fallback.
#include <filesystem>
#include <optional>
#include <string_view>

inline constexpr std::string_view SETTINGS_FILE_NAME = "GWComConfig.env";
inline constexpr std::string_view SETTINGS_SUBFOLDER =
    "Orvane Corporation/KAVELIS/Parameter Configuration Tool";

// The configuration folder from the two environment values (either may be null): an absolute
// XDG_CONFIG_HOME, else HOME + "/.config"; nothing when neither gives an absolute folder.
std::optional<std::filesystem::path> ConfigHomeFromEnvironment(const char* xdgConfigHome, const char* home);

// The configuration folder of this process (environment, then the password database's home folder).
std::optional<std::filesystem::path> ConfigHomeFolder();

// The folder holding the running program (from /proc/self/exe).
std::optional<std::filesystem::path> ProgramFolder();

// The settings folder: configuration folder + subfolder; nothing without a configuration folder.
std::optional<std::filesystem::path> SettingsFolder();

// The file to read at start: the one in the settings folder if it exists, else the one in the program
// folder (which may be missing too); nothing when neither folder is known.
std::optional<std::filesystem::path> SettingsReadPath();
