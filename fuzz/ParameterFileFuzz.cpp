// Feeds arbitrary bytes to the parameter file reader as a file of every gateway type. Beyond not
// crashing, the reader must leave the image alone on a failure (but for SlaveIdWord), and a set it
// accepted must save and read back to the same text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/files/ParameterFileReader.h"
#include "core/files/ParameterFileWriter.h"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const GwType type : Types) ReadAs(text, type);
    return 0;
}
