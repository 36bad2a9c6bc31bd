// Feeds arbitrary bytes to the parameter file reader as a file of every gateway type. Beyond not
// crashing, the reader must leave the image alone on a failure (but for SlaveIdWord), and a set it
// accepted must save and read back to the same text.
// The same bytes, taken as a parameter set in memory, check the save side: a set the save lets through
// opens again as the same set, and a set it refuses is one the reader would refuse.
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

#include "core/files/ParameterFileReader.h"
#include "core/files/ParameterFileReopenCheck.h"
#include "core/files/ParameterFileWriter.h"
#include "core/params/validation/Validation.h"
#include "tests/files/ImageCompare.h"

namespace {

constexpr GwType Types[] = {GW_KAVELIS, GW_VOSK, GW_VOSK_ML3, GW_VOSK_LC, GW_NUB3GW, GW_DRAVO};
constexpr SFileStamp Stamp{2026, 12, 10, 5, 0, 0};

void Require(bool condition) {
    if (!condition) std::abort();
}

// A station address accepted under an earlier network type line may break the rule of the network
// type a later line set; such a set is saved as it is but its file is refused, as the rule is ordered.
bool StationAddressFitsNetwork(const ParameterImage& image) {
    const std::uint16_t ntyp = image.Word(NTYP);
    return ntyp == 0x0087 || ntyp == 0xFAA0 || image.Word(DADR) <= 239;
}

// A saved set reads back, and from the second save on the text no longer changes.
void CheckSaveIsStable(const ParameterImage& loaded, GwType type) {
    if (!StationAddressFitsNetwork(loaded)) return;
    ParameterImage second;
    Require(LoadParameterText(FormatParameterText(loaded, type, Stamp), type, second) == PFILE_LOADED);
    const std::string secondText = FormatParameterText(second, type, Stamp);
    ParameterImage third;
    Require(LoadParameterText(secondText, type, third) == PFILE_LOADED);
    Require(FormatParameterText(third, type, Stamp) == secondText);
}

void ReadAs(std::string_view text, GwType type) {
    ParameterImage image = SentinelImage();
    const int result = LoadParameterText(text, type, image);
    if (result == PFILE_LOADED) {
        CheckSaveIsStable(image, type);
        return;
    }
    Require(result == PFILE_CANNOT_OPEN || result == PFILE_FOREIGN_REGISTER || result == PFILE_INVALID_DATA ||
            result == PFILE_NEW_FORMAT);
    ParameterImage expected = SentinelImage();
    expected.SlaveIdWord = 0;
    Require(SameImage(image, expected));
}

// Takes values from the front of the bytes, big-endian; zeros once they are used up.
class CByteSource {
public:
    CByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() << 8 | Byte()); }
    std::uint32_t Long() { return std::uint32_t{Word()} << 16 | Word(); }
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Every value a parameter file carries, from the bytes.
ParameterImage ImageFrom(CByteSource& bytes) {
    ParameterImage image;
    for (auto& word : image.GwConfigBlock) word = bytes.Word();
    for (auto& word : image.AxisMode) word = bytes.Word();
    image.UnitNo = bytes.Word();
    image.TopAxisNo = bytes.Word();
    for (auto& address : image.NetAddress) address = bytes.Long();
    image.MDRP = bytes.Long();
    for (auto& word : image.AxisModeMirror) word = bytes.Word();
    image.ExtParam1 = bytes.Word();
    image.ExtParam2 = bytes.Word();
    image.SlaveIdWord = bytes.Long();
    return image;
}

// The values a file of the type carries: a KAVELIS file has no unit block, and only a KAVELIS file
// carries the firmware version (in its header).
bool SameSavedSet(const ParameterImage& a, const ParameterImage& b, GwType type) {
    const bool kavelis = type == GW_KAVELIS;
    for (std::size_t i = 0; i < a.GwConfigBlock.size(); ++i) {
        if (i == GVER && !kavelis) continue;
        if (a.GwConfigBlock[i] != b.GwConfigBlock[i]) return false;
    }
    if (a.AxisMode != b.AxisMode || a.NetAddress != b.NetAddress) return false;
    if (kavelis) return true;
    return a.UnitNo == b.UnitNo && a.TopAxisNo == b.TopAxisNo && a.MDRP == b.MDRP &&
           a.AxisModeMirror == b.AxisModeMirror && a.ExtParam1 == b.ExtParam1 && a.ExtParam2 == b.ExtParam2 &&
           a.SlaveIdWord == b.SlaveIdWord;
}

// Save -> open -> the same set; and what the save refuses, the reader refuses as well.
void CheckSaveOpenRoundTrip(const ParameterImage& image, GwType type) {
    const std::string text = FormatParameterText(image, type, Stamp);
    ParameterImage reopened;
    const int result = LoadParameterText(text, type, reopened);
    if (ReopenFindingOf(image, type) != VALIDATION_OK) {
        Require(result != PFILE_LOADED);
        return;
    }
    Require(result == PFILE_LOADED);
    Require(SameSavedSet(image, reopened, type));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const GwType type : Types) ReadAs(text, type);

    CByteSource bytes(data, size);
    const GwType type = Types[bytes.Byte() % std::size(Types)];
    CheckSaveOpenRoundTrip(ImageFrom(bytes), type);
    return 0;
}
