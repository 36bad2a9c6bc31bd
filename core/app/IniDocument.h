#pragma once
// An INI text that can be read and changed key by key and written back with everything else in it
// (other sections, unknown keys, comments, the order of the lines and their line endings) left as it
// was. Section and key names match without regard to case; the first match counts.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CIniDocument {
public:
    static CIniDocument Parse(std::string_view text);

    // The value of a key with surrounding blanks (and one pair of enclosing quotes) removed.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // Every key = value pair of a section, in file order.
    std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;
    // Replaces the key's value, or adds the key at the end of its section, or adds the section.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    // The document as text: every line with the ending it had ("\r\n" or "\n"; a last line without
    // one stays without); added lines end like the document's first line ("\n" in an empty one).
    std::string Text() const;

private:
    enum class LineKind { Other, Section, Entry };
    struct SLine {
        LineKind kind = LineKind::Other;
        std::string raw;      // the line as it stands in the file, without its ending
        std::string ending;   // "\r\n", "\n", or empty for a last line without one
        bool added = false;   // made by SetValue, not read from the text
        std::string section;  // the section the line belongs to (its own name for a header)
        std::string key;
        std::string value;
    };
    std::vector<SLine> lines_;
    std::string newLineEnding_ = "\n";  // for added lines

    static SLine ParseLine(std::string_view raw, const std::string& currentSection);
    int FindEntry(std::string_view section, std::string_view key) const;
    int LastLineOfSection(std::string_view section) const;
};
