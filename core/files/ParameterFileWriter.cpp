#include "core/files/ParameterFileWriter.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "core/files/CarriedRegisters.h"
#include "core/files/ParameterFileTags.h"

namespace {

constexpr std::string_view CRLF = "\r\n";

// printf into a string; the formats are the tool's own constant texts.
template <typename... Args>
std::string Format(std::string_view format, Args... args) {
    const std::string f(format);
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, f.c_str(), args...);
    if (n < 0) return {};
    return std::string(buffer, std::min(static_cast<std::size_t>(n), sizeof buffer - 1));
}

class CParameterTextBuilder {
public:
    void Header(std::string_view tag, const std::string& value) {
        text_.append(tag);
        text_.append(value);
        text_.append(CRLF);
    }
    void WordLine(unsigned address, std::uint16_t value) {
        text_ += Format(WordLineFormat(), address, unsigned{value});
    }
    void LongLine(unsigned address, std::uint32_t value) {
        text_ += Format(LongLineFormat(), address, static_cast<unsigned>(value));
    }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

void WriteHeader(CParameterTextBuilder& b, const ParameterImage& image, GwType type,
                 const SFileStamp& stamp) {
    b.Header(DateTag(), Format("%04d/%02d/%02d", stamp.year, stamp.month, stamp.day));
    b.Header(TimeTag(), Format("%02d:%02d:%02d", stamp.hour, stamp.minute, stamp.second));
    const std::uint32_t tagValue = type == GW_KAVELIS ? image.Word(GVER) : image.SlaveIdWord;
    b.Header(GatewayTagOf(type), Format("%08lX", static_cast<unsigned long>(tagValue)));
    b.Header(PcTag(), Format("%02X%02X%02X%02X", GW_VERSION_MAJOR, GW_VERSION_MINOR, GW_VERSION_PATCH,
                             GW_VERSION_TWEAK));
    b.Header(FormatTag(), Format("%08lX", 0ul));
}

void WriteRegisterLines(CParameterTextBuilder& b, const ParameterImage& image, GwType type) {
    for (const SCarriedRegister& reg : CarriedRegisters(type)) {
        const std::uint32_t value = CarriedValue(image, reg.address);
        if (reg.longLine) {
            b.LongLine(reg.address, value);
        } else {
            b.WordLine(reg.address, static_cast<std::uint16_t>(value));
        }
    }
}

}  // namespace

SFileStamp LocalFileStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string FormatParameterText(const ParameterImage& image, GwType type, const SFileStamp& stamp) {
    CParameterTextBuilder b;
    WriteHeader(b, image, type, stamp);
    WriteRegisterLines(b, image, type);
    return b.Take();
}
