#include "core/files/ParameterFileReader.h"

#include <array>
#include <cstdint>

#include "core/app/HexTextToValue.h"
#include "core/files/ParameterFileRegisters.h"
#include "core/files/ParameterFileTags.h"

namespace {

constexpr char CTRL_Z = '\x1A';  // end of a text file
constexpr std::size_t ADDRESS_DIGITS = 4;
constexpr std::size_t VALUE_START = ADDRESS_DIGITS + 1;  // the writer puts a comma between the two

// Group A: registers F100..F11F, one bit each. F100, F102, F10C, F10D and F10E may be missing.
constexpr std::uint32_t GROUP_A_COMPLETE = 0xFFFFFFFFu;
constexpr std::uint32_t GROUP_A_OPTIONAL =
    (1u << 0x0) | (1u << 0x2) | (1u << 0xC) | (1u << 0xD) | (1u << 0xE);

// Group B (every type but KAVELIS): one bit per required value.
enum GroupBBit : int {
    B_UNIT_NO = 0,
    B_TOP_AXIS_NO = 1,
    B_NET_ADDRESS = 2,
    B_MDRP = 5,
    B_MIRROR = 6,
    B_EXT1 = 14,
    B_EXT2 = 15
};
constexpr std::uint32_t GROUP_B_COMPLETE = 0xFFFFu;

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool StartsWithAddress(std::string_view line) {
    if (line.size() < ADDRESS_DIGITS) return false;
    for (std::size_t i = 0; i < ADDRESS_DIGITS; ++i)
        if (!IsHexDigit(line[i])) return false;
    return true;
}

bool StartsWithTag(std::string_view line, std::string_view tag) {
    return !tag.empty() && line.starts_with(tag);
}

// The parameter set as the file gives it, before it may go into the image.
struct SLoadedSet {
    std::array<std::uint16_t, 32> registers{};  // F100..F11F
    std::uint16_t unitNo = 0;
    std::uint16_t topAxisNo = 0;
    std::array<std::uint32_t, 3> netAddress{};
    std::uint32_t mdrp = 0;
    std::array<std::uint16_t, 8> mirror{};
    std::uint16_t extParam1 = 0;
    std::uint16_t extParam2 = 0;
    std::uint32_t slaveIdWord = 0;
    std::uint32_t presentA = GROUP_A_OPTIONAL;
    std::uint32_t presentB = 0;
    bool dataLineSeen = false;
};

class CParameterTextReader {
public:
    CParameterTextReader(GwType type, std::uint16_t ntyp)
        : type_(type), isKavelis_(type == GW_KAVELIS), gatewayTag_(GatewayTagOf(type)), ntypInEffect_(ntyp) {}

    // The result of reading `text`; a file of another type is refused as such, whatever else is wrong
    // with it as a file of this type.
    int Read(std::string_view text, SParameterTextRefusal& refusal) {
        const int result = ReadLines(text, refusal);
        if (foreign_.fileTypes == GW_NONE || ownTagSeen_) return result;
        refusal = foreign_;
        return PFILE_CANNOT_OPEN;
    }

    void LoadInto(ParameterImage& image) const {
        for (std::size_t i = 0; i < image.GwConfigBlock.size(); ++i)
            image.GwConfigBlock[i] = set_.registers[i];
        for (std::size_t i = 0; i < image.AxisMode.size(); ++i) image.AxisMode[i] = set_.registers[16 + i];
        image.UnitNo = set_.unitNo;
        image.TopAxisNo = set_.topAxisNo;
        image.NetAddress = set_.netAddress;
        image.MDRP = set_.mdrp;
        if (!isKavelis_) {
            image.AxisModeMirror = set_.mirror;
            image.ExtParam1 = set_.extParam1;
            image.ExtParam2 = set_.extParam2;
            image.SlaveIdWord = set_.slaveIdWord;
            image.AxisCount = image.Word(W4N);
        }
        image.RecountPending = true;
    }

private:
    int ReadLines(std::string_view text, SParameterTextRefusal& refusal) {
        if (text.empty()) return PFILE_CANNOT_OPEN;
        std::size_t pos = 0;
        for (int lineNumber = 1;; ++lineNumber) {
            std::size_t end = pos;
            while (end < text.size() && text[end] != '\n' && text[end] != CTRL_Z) ++end;
            const bool endsAtLineFeed = end < text.size() && text[end] == '\n';
            std::string_view line = text.substr(pos, end - pos);
            if (end - pos > PFILE_LINE_CHARS_MAX) {
                refusal = {lineNumber, std::string(line.substr(0, PFILE_LINE_CHARS_MAX)), true};
                return PFILE_CANNOT_OPEN;
            }
            if (endsAtLineFeed && line.ends_with('\r')) line.remove_suffix(1);
            lineNumber_ = lineNumber;
            if (const int result = ReadLine(line)) {
                refusal = {lineNumber, std::string(line), false};
                return result;
            }
            if (!endsAtLineFeed) break;  // Ctrl-Z or the end of the bytes ends the text
            pos = end + 1;
        }
        return CheckRequiredLines();
    }

    int ReadLine(std::string_view line) {
        if (line.starts_with(';')) return ReadHeaderLine(line);
        if (StartsWithAddress(line)) return ReadDataLine(line);
        return PFILE_LOADED;  // neither header nor data: ignored
    }

    int ReadHeaderLine(std::string_view line) {
        std::uint32_t value = 0;
        const auto valueAfter = [&](std::string_view tag) {
            return HexTextToValue(line.substr(tag.size()), &value) == 0;
        };
        if (StartsWithTag(line, KavelisTag())) {
            if (!valueAfter(KavelisTag())) return PFILE_CANNOT_OPEN;
            set_.registers[GVER] = static_cast<std::uint16_t>(value);
            set_.presentA |= 1u << GVER;
        } else if (StartsWithTag(line, gatewayTag_)) {
            if (!valueAfter(gatewayTag_)) return PFILE_CANNOT_OPEN;
            set_.slaveIdWord = value;
        } else if (StartsWithTag(line, FormatTag())) {
            if (!valueAfter(FormatTag())) return PFILE_CANNOT_OPEN;
            if (value != 0) return PFILE_NEW_FORMAT;
        }
        NoteGatewayTag(line);
        return PFILE_LOADED;
    }

    // Which gateway type the line's tag names: this type's own, or another's, remembered with the first
    // line that named one.
    void NoteGatewayTag(std::string_view line) {
        if (StartsWithTag(line, gatewayTag_)) {
            ownTagSeen_ = true;
            return;
        }
        GwType named = GW_NONE;
        for (const SGwUnitData& unit : GwTypeTable) {
            if (unit.code != GW_NONE && StartsWithTag(line, GatewayTagOf(unit.code))) named |= unit.code;
        }
        if (named == GW_NONE || foreign_.fileTypes != GW_NONE) return;
        foreign_ = {lineNumber_, std::string(line), false, named, type_};
    }

    int ReadDataLine(std::string_view line) {
        std::uint32_t address = 0;
        HexTextToValue(line.substr(0, ADDRESS_DIGITS), &address);
        const SFileRegister* reg = FindFileRegister(static_cast<std::uint16_t>(address));
        if (reg == nullptr) return PFILE_FOREIGN_REGISTER;
        std::uint32_t value = 0;
        const std::string_view valueText =
            line.size() > VALUE_START ? line.substr(VALUE_START) : std::string_view{};
        if (HexTextToValue(valueText, &value) != 0) return PFILE_INVALID_DATA;
        if (!FileValueAccepted(*reg, value, ntypInEffect_)) return PFILE_INVALID_DATA;
        Store(reg->address, FileRegisterValue(*reg, value));
        set_.dataLineSeen = true;
        return PFILE_LOADED;
    }

    void Store(std::uint16_t address, std::uint32_t value) {
        const auto word = static_cast<std::uint16_t>(value);
        if (address >= REG_GW_CONFIG && address < REG_KAV_NET_ADDRESS) {
            const int index = address - REG_GW_CONFIG;
            // GVER comes from the ";KGW=" header only; its data line just has to be there.
            if (index != GVER) set_.registers[static_cast<std::size_t>(index)] = word;
            if (index == NTYP) ntypInEffect_ = word;
            set_.presentA |= 1u << index;
        } else if (address >= REG_KAV_NET_ADDRESS && address <= REG_KAV_NET_ADDRESS + 4) {
            StoreNetAddress((address - REG_KAV_NET_ADDRESS) / 2, value);
        } else if (address >= REG_UNIT_BLOCK + 4 && address <= REG_UNIT_BLOCK + 8) {
            StoreNetAddress((address - REG_UNIT_BLOCK - 4) / 2, value);
        } else if (address >= REG_AXIS_MIRROR && address < REG_AXIS_MIRROR + 8) {
            const int index = address - REG_AXIS_MIRROR;
            set_.mirror[static_cast<std::size_t>(index)] = word;
            set_.presentB |= 1u << (B_MIRROR + index);
        } else {
            StoreSingle(address, value);
        }
    }

    void StoreNetAddress(int index, std::uint32_t value) {
        set_.netAddress[static_cast<std::size_t>(index)] = value;
        set_.presentB |= 1u << (B_NET_ADDRESS + index);
    }

    void StoreSingle(std::uint16_t address, std::uint32_t value) {
        const auto word = static_cast<std::uint16_t>(value);
        switch (address) {
            case REG_UNIT_BLOCK:
                set_.unitNo = word;
                set_.presentB |= 1u << B_UNIT_NO;
                break;
            case REG_UNIT_BLOCK + 2:
                set_.topAxisNo = word;
                set_.presentB |= 1u << B_TOP_AXIS_NO;
                break;
            case REG_UNIT_BLOCK + 0xA:
                set_.mdrp = value;
                set_.presentB |= 1u << B_MDRP;
                break;
            case REG_EXT_PARAM:
                set_.extParam1 = word;
                set_.presentB |= 1u << B_EXT1;
                break;
            case REG_EXT_PARAM + 1:
                set_.extParam2 = word;
                set_.presentB |= 1u << B_EXT2;
                break;
            default:
                break;  // F20C: accepted, not used
        }
    }

    int CheckRequiredLines() const {
        if (!set_.dataLineSeen) return PFILE_NEW_FORMAT;
        if (set_.presentA != GROUP_A_COMPLETE) return PFILE_INVALID_DATA;
        if (!isKavelis_ && set_.presentB != GROUP_B_COMPLETE) return PFILE_INVALID_DATA;
        return PFILE_LOADED;
    }

    GwType type_;
    bool isKavelis_;
    std::string_view gatewayTag_;
    std::uint16_t ntypInEffect_;  // the network type the station address rule follows
    SLoadedSet set_;
    int lineNumber_ = 0;             // of the line being read
    bool ownTagSeen_ = false;        // the header carries this type's gateway tag
    SParameterTextRefusal foreign_;  // the first header line carrying another type's tag
};

}  // namespace

int LoadParameterText(std::string_view bytes, GwType type, ParameterImage& image,
                      SParameterTextRefusal* refusal) {
    image.SlaveIdWord = 0;
    CParameterTextReader reader(type, image.Word(NTYP));
    SParameterTextRefusal where;
    const int result = reader.Read(bytes, where);
    if (refusal != nullptr) *refusal = result == PFILE_LOADED ? SParameterTextRefusal{} : where;
    if (result == PFILE_LOADED) reader.LoadInto(image);
    return result;
}
