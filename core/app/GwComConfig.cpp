#include "core/app/GwComConfig.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <system_error>

#include "core/app/HexTextToValue.h"
#include "core/app/SettingsLocation.h"

namespace {

constexpr std::string_view GW_SECTION = "GW";
constexpr std::string_view PORTS_SECTION = "Ports";
constexpr std::string_view DEFAULT_PATH = "0";
constexpr std::uintmax_t MAX_SETTINGS_FILE_SIZE = 1u << 20;  // a settings file is a few lines

// An integer key as INI readers take it: optional sign, then decimal digits up to the first other
// character; no digits gives 0, and values beyond the range of long are clamped.
long IntegerOfText(std::string_view text) {
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    long value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        const int digit = text[at] - '0';
        if (value > (LONG_MAX - digit) / 10) return negative ? LONG_MIN : LONG_MAX;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

long IntegerKey(const CIniDocument& document, std::string_view key, long defaultValue) {
    const auto text = document.Value(GW_SECTION, key);
    return text ? IntegerOfText(*text) : defaultValue;
}

std::uint16_t BaudIndexOf(long value) {
    return value >= 0 && value < BAUD_INDEX_COUNT ? static_cast<std::uint16_t>(value) : 0;
}

std::uint16_t PortNumOf(long value) {
    return value >= 0 && value <= 0xFFFF ? static_cast<std::uint16_t>(value) : 0;
}

// `LastFolder` always ends with the folder separator, so that a file name can be appended.
std::string LastFolderOf(std::string path) {
    if (path.empty()) return std::string(DEFAULT_PATH);
    if (path != DEFAULT_PATH && path.back() != '/') path += '/';
    return path;
}

// "COM12" -> 12; 0 when the key does not name a COM number.
int ComNumberOfKey(std::string_view key) {
    if (key.size() < 4 || std::toupper(static_cast<unsigned char>(key[0])) != 'C' ||
        std::toupper(static_cast<unsigned char>(key[1])) != 'O' ||
        std::toupper(static_cast<unsigned char>(key[2])) != 'M') {
        return 0;
    }
    const std::string_view digits = key.substr(3);
    for (const char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
    }
    const long number = IntegerOfText(digits);
    return number > 0 && number <= 0xFFFF ? static_cast<int>(number) : 0;
}

std::map<int, std::string> PortsOf(const CIniDocument& document) {
    std::map<int, std::string> ports;
    for (const auto& [key, value] : document.Entries(PORTS_SECTION)) {
        const int number = ComNumberOfKey(key);
        if (number > 0 && !value.empty()) ports.emplace(number, value);  // the first mapping counts
    }
    return ports;
}

std::string FlagTextOf(std::uint32_t toolFlags) {
    char text[9];
    std::snprintf(text, sizeof text, "%08lX", static_cast<unsigned long>(toolFlags));
    return text;
}

}  // namespace

std::uint32_t ToolFlagsOfFlagText(std::string_view text) {
    std::uint32_t flags = 0;
    HexTextToValue(text, &flags);  // a text that is not pure hexadecimal leaves 0
    if ((flags & TOOLFLAG_VALID) == 0) {
        flags &= ~TOOLFLAG_EXTENDED_MODE;
        flags |= TOOLFLAG_VALID;
    }
    return flags;
}

SGwComConfig ParseGwComConfig(std::string_view text) {
    SGwComConfig config;
    config.document = CIniDocument::Parse(text);
    const CIniDocument& document = config.document;
    config.comm.CurrentBaudIndex = BaudIndexOf(IntegerKey(document, "BaudRate", 0));
    config.comm.CurrentPortNum = PortNumOf(IntegerKey(document, "PortNum", 0));
    config.comm.ToolFlags = ToolFlagsOfFlagText(document.Value(GW_SECTION, "Flag").value_or("0"));
    config.comm.LastFolder =
        LastFolderOf(document.Value(GW_SECTION, "Path").value_or(std::string(DEFAULT_PATH)));
    config.ports = PortsOf(document);
    return config;
}

namespace {

// The whole text of a settings file, or nothing when it is not a regular file of a sensible size or
// cannot be read.
std::optional<std::string> SettingsFileText(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > MAX_SETTINGS_FILE_SIZE) return std::nullopt;
    std::ifstream stream(file, std::ios::binary);
    if (!stream) return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    if (stream.bad()) return std::nullopt;
    return text;
}

// Sets a [GW] key unless its text already stands for the value: "Path=/data" is read as "/data/" and
// "PortNum=07" as 7, and such a text stays as the user wrote it.
void UpdateKey(CIniDocument& document, std::string_view key, const std::string& text,
               const std::function<bool(const std::string&)>& readsAsTheValue) {
    const auto current = document.Value(GW_SECTION, key);
    if (current && readsAsTheValue(*current)) return;
    document.SetValue(GW_SECTION, key, text);
}

}  // namespace

SGwComConfig ReadGwComConfigFile(const std::filesystem::path& file) {
    std::error_code error;
    const bool present = std::filesystem::exists(std::filesystem::symlink_status(file, error));
    const std::optional<std::string> text = present ? SettingsFileText(file) : std::nullopt;
    SGwComConfig config = ParseGwComConfig(text.value_or(std::string()));
    config.unreadable = present && !text;
    config.file = file;
    return config;
}

SGwComConfig LoadGwComConfig() {
    const auto file = SettingsReadPath();
    return file ? ReadGwComConfigFile(*file) : ParseGwComConfig({});
}

std::string GwComConfigText(CIniDocument document, const SGWCommunicate& comm) {
    UpdateKey(document, "BaudRate", std::to_string(comm.CurrentBaudIndex),
              [&](const std::string& t) { return BaudIndexOf(IntegerOfText(t)) == comm.CurrentBaudIndex; });
    UpdateKey(document, "PortNum", std::to_string(comm.CurrentPortNum),
              [&](const std::string& t) { return PortNumOf(IntegerOfText(t)) == comm.CurrentPortNum; });
    UpdateKey(document, "Flag", FlagTextOf(comm.ToolFlags),
              [&](const std::string& t) { return ToolFlagsOfFlagText(t) == comm.ToolFlags; });
    UpdateKey(document, "Path", comm.LastFolder,
              [&](const std::string& t) { return LastFolderOf(t) == comm.LastFolder; });
    return document.Text();
}

int WriteGwComConfigFile(const std::filesystem::path& file, const CIniDocument& document,
                         const SGWCommunicate& comm) {
    const std::string text = GwComConfigText(document, comm);
    std::filesystem::path temporary = file;
    temporary += ".new";
    {
        std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
        if (!stream) return -1;
        stream.write(text.data(), static_cast<std::streamsize>(text.size()));
        stream.close();
        if (!stream) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return -1;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return -1;
    }
    return 0;
}

int SaveGwComConfig(const SGwComConfig& config, const SGWCommunicate& comm) {
    if (config.unreadable) return -1;
    std::filesystem::path folder;
    if (const auto settingsFolder = SettingsFolder()) {
        folder = *settingsFolder;
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error || !std::filesystem::is_directory(folder, error)) return -1;
    } else if (const auto programFolder = ProgramFolder()) {
        folder = *programFolder;
    } else {
        return -1;
    }
    return WriteGwComConfigFile(folder / SETTINGS_FILE_NAME, config.document, comm);
}

std::string UnreadableSettingsNotice(const std::filesystem::path& file) {
    return "The settings file could not be read, so this run uses the default settings.\n"
           "The file is left as it is, and settings changed in this run are not saved:\n" +
           file.string();
}
