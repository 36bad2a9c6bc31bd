#include "core/app/IniDocument.h"

#include <algorithm>
#include <cctype>

namespace {

std::string_view Trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view Unquote(std::string_view text) {
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

CIniDocument::SLine CIniDocument::ParseLine(std::string_view raw, const std::string& currentSection) {
    SLine line;
    line.raw = std::string(raw);
    line.section = currentSection;
    const std::string_view text = Trim(raw);
    if (text.empty() || text.front() == ';' || text.front() == '#') return line;
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Section;
            line.section = std::string(Trim(text.substr(1, close - 1)));
        }
        return line;
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || currentSection.empty()) return line;
    line.kind = LineKind::Entry;
    line.key = std::string(Trim(text.substr(0, equals)));
    line.value = std::string(Unquote(Trim(text.substr(equals + 1))));
    return line;
}

CIniDocument CIniDocument::Parse(std::string_view text) {
    CIniDocument document;
    std::string section;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        std::string ending = end == std::string_view::npos ? "" : "\n";
        if (!raw.empty() && raw.back() == '\r' && !ending.empty()) {
            raw.remove_suffix(1);
            ending = "\r\n";
        }
        SLine line = ParseLine(raw, section);
        line.ending = std::move(ending);
        if (line.kind == LineKind::Section) section = line.section;
        if (document.lines_.empty() && !line.ending.empty()) document.newLineEnding_ = line.ending;
        document.lines_.push_back(std::move(line));
    }
    return document;
}

int CIniDocument::FindEntry(std::string_view section, std::string_view key) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const SLine& line = lines_[i];
        if (line.kind == LineKind::Entry && SameName(line.section, section) && SameName(line.key, key)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CIniDocument::LastLineOfSection(std::string_view section) const {
    int last = -1;
    bool inFirstSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const SLine& line = lines_[i];
        if (line.kind == LineKind::Section) {
            if (inFirstSection) break;
            inFirstSection = SameName(line.section, section);
        }
        if (inFirstSection && (line.kind != LineKind::Other || !Trim(line.raw).empty())) {
            last = static_cast<int>(i);
        }
    }
    return last;
}

std::optional<std::string> CIniDocument::Value(std::string_view section, std::string_view key) const {
    const int index = FindEntry(section, key);
    if (index < 0) return std::nullopt;
    return lines_[static_cast<std::size_t>(index)].value;
}

std::vector<std::pair<std::string, std::string>> CIniDocument::Entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const SLine& line : lines_) {
        if (line.kind == LineKind::Entry && SameName(line.section, section)) {
            entries.emplace_back(line.key, line.value);
        }
    }
    return entries;
}

void CIniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    const int existing = FindEntry(section, key);
    if (existing >= 0) {
        SLine& line = lines_[static_cast<std::size_t>(existing)];
        line.value = std::string(value);
        line.raw = line.key + "=" + line.value;
        return;
    }
    SLine entry;
    entry.added = true;
    entry.kind = LineKind::Entry;
    entry.section = std::string(section);
    entry.key = std::string(key);
    entry.value = std::string(value);
    entry.raw = entry.key + "=" + entry.value;
    const int last = LastLineOfSection(section);
    if (last >= 0) {
        entry.section = lines_[static_cast<std::size_t>(last)].section;
        lines_.insert(lines_.begin() + last + 1, std::move(entry));
        return;
    }
    if (!lines_.empty() && !Trim(lines_.back().raw).empty()) {
        SLine blank;
        blank.added = true;
        lines_.push_back(std::move(blank));
    }
    SLine header;
    header.added = true;
    header.kind = LineKind::Section;
    header.section = std::string(section);
    header.raw = "[" + header.section + "]";
    lines_.push_back(std::move(header));
    lines_.push_back(std::move(entry));
}

std::string CIniDocument::Text() const {
    std::string text;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const SLine& line = lines_[i];
        text += line.raw;
        // Added lines, and a once-last line that lines were added after, end like the document.
        const bool last = i + 1 == lines_.size();
        text += line.ending.empty() && (!last || line.added) ? newLineEnding_ : line.ending;
    }
    return text;
}
