#pragma once
// Helpers of the parameter file tests: editing a file text line by line, comparing images, and a
// scratch folder that removes itself.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "core/params/image/ParameterImage.h"
#include "tests/files/ImageCompare.h"

// A file text as lines without their CR LF, edited by register prefix ("F104") or whole line.
class CFileLines {
public:
    explicit CFileLines(const std::string& text) {
        std::size_t pos = 0;
        while (pos < text.size()) {
            const std::size_t end = text.find("\r\n", pos);
            lines_.push_back(text.substr(pos, end - pos));
            if (end == std::string::npos) break;
            pos = end + 2;
        }
    }
    CFileLines& Replace(const std::string& prefix, const std::string& line) {
        for (auto& l : lines_)
            if (l.starts_with(prefix)) l = line;
        return *this;
    }
    CFileLines& Remove(const std::string& prefix) {
        std::erase_if(lines_, [&](const std::string& l) { return l.starts_with(prefix); });
        return *this;
    }
    CFileLines& Append(const std::string& line) {
        lines_.push_back(line);
        return *this;
    }
    CFileLines& InsertBefore(const std::string& prefix, const std::string& line) {
        for (auto it = lines_.begin(); it != lines_.end(); ++it)
            if (it->starts_with(prefix)) {
                lines_.insert(it, line);
                break;
            }
        return *this;
    }
    std::string Text(const std::string& eol = "\r\n") const {
        std::string text;
        for (const auto& l : lines_) text += l + eol;
        return text;
    }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class CScratchFolder {
public:
    CScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "gwfiles-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~CScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_)) names.push_back(e.path().filename());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline std::string GoldenPath(const std::string& name) {
    return std::string(GW_TEST_DATA_DIR) + "/" + name;
}
