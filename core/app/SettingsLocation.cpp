#include "core/app/SettingsLocation.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace {

bool IsAbsoluteFolderText(const char* text) {
    return text != nullptr && text[0] == '/';
}

const char* PasswordDatabaseHome() {
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr ? entry->pw_dir : nullptr;
}

}  // namespace

std::optional<std::filesystem::path> ConfigHomeFromEnvironment(const char* xdgConfigHome, const char* home) {
    if (IsAbsoluteFolderText(xdgConfigHome)) return std::filesystem::path(xdgConfigHome);
    if (IsAbsoluteFolderText(home)) return std::filesystem::path(home) / ".config";
    return std::nullopt;
}

std::optional<std::filesystem::path> ConfigHomeFolder() {
    const char* home = std::getenv("HOME");
    if (!IsAbsoluteFolderText(home)) home = PasswordDatabaseHome();
    return ConfigHomeFromEnvironment(std::getenv("XDG_CONFIG_HOME"), home);
}

std::optional<std::filesystem::path> ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || program.empty()) return std::nullopt;
    return program.parent_path();
}

std::optional<std::filesystem::path> SettingsFolder() {
    const auto configHome = ConfigHomeFolder();
    if (!configHome) return std::nullopt;
    return *configHome / SETTINGS_SUBFOLDER;
}

std::optional<std::filesystem::path> SettingsReadPath() {
    if (const auto folder = SettingsFolder()) {
        const std::filesystem::path primary = *folder / SETTINGS_FILE_NAME;
        std::error_code error;
        if (std::filesystem::exists(primary, error)) return primary;
    }
    if (const auto folder = ProgramFolder()) return *folder / SETTINGS_FILE_NAME;
    return std::nullopt;
}
