#include "core/compare/UnshownDifferences.h"

#include <algorithm>

#include "core/app/texts/CompareText.h"
#include "core/files/CarriedRegisters.h"
#include "core/params/display/DisplayFormat.h"

namespace {

constexpr int WORD_BITS = 16;

bool IsOptionWord(std::uint16_t address) {
    return address == REG_GW_CONFIG + GMOD || address == REG_EXT_PARAM || address == REG_EXT_PARAM + 1;
}

bool DescribesTheUnit(std::uint16_t address) {
    return address == REG_GW_CONFIG + GSTS || address == REG_GW_CONFIG + GVER;
}

bool SameFields(const std::vector<SShownField>& a, const std::vector<SShownField>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].field != b[i].field || a[i].reg != b[i].reg || a[i].text != b[i].text) return false;
    }
    return true;
}

class CUnshownSearch {
public:
    CUnshownSearch(const ParameterImage& left, const std::vector<SShownField>& leftFields,
                   const std::vector<SParameterDifference>& shown, const SMainFormState& laidOut,
                   const SProgramValues& program)
        : left_(left), leftFields_(leftFields), shown_(shown), laidOut_(laidOut), program_(program) {}

    // Whether a differing field the window shows is kept in the register.
    bool NamedByAShownField(const std::string& reg) const {
        return std::any_of(shown_.begin(), shown_.end(),
                           [&reg](const SParameterDifference& d) { return d.reg == reg; });
    }

    // Whether the window shows `left` with the register set to `value` just as it shows `left`.
    bool Unseen(std::uint16_t address, std::uint32_t value) const {
        ParameterImage probe = left_;
        SetCarriedValue(probe, address, value);
        return SameFields(ShownParameterFields(probe, laidOut_, program_), leftFields_);
    }

    void AddWord(const SCarriedRegister& reg, std::uint32_t l, std::uint32_t r,
                 std::vector<SParameterDifference>& out) const {
        const std::string name = FormatText("%04X", unsigned{reg.address});
        if (NamedByAShownField(name) || !Unseen(reg.address, r)) return;
        const char* format = reg.longLine ? "%08X" : "%04X";
        out.push_back(
            {std::string(CompareText::REGISTER), name, FormatText(format, l), FormatText(format, r)});
    }

    void AddBits(std::uint16_t address, std::uint32_t l, std::uint32_t r,
                 std::vector<SParameterDifference>& out) const {
        for (int bit = 0; bit < WORD_BITS; ++bit) {
            const std::uint32_t mask = 1u << bit;
            if (((l ^ r) & mask) == 0 || !Unseen(address, l ^ mask)) continue;
            out.push_back({FormatText(CompareText::BIT, bit), FormatText("%04X", unsigned{address}),
                           (l & mask) ? "1" : "0", (r & mask) ? "1" : "0"});
        }
    }

private:
    const ParameterImage& left_;
    const std::vector<SShownField>& leftFields_;
    const std::vector<SParameterDifference>& shown_;
    const SMainFormState& laidOut_;
    const SProgramValues& program_;
};

}  // namespace

std::vector<SParameterDifference> UnshownDifferences(const ParameterImage& left, const ParameterImage& right,
                                                     const std::vector<SShownField>& leftFields,
                                                     const std::vector<SParameterDifference>& shown,
                                                     const SMainFormState& laidOut,
                                                     const SProgramValues& program) {
    const CUnshownSearch search(left, leftFields, shown, laidOut, program);
    std::vector<SParameterDifference> differences;
    for (const SCarriedRegister& reg : CarriedRegisters(program.SelectedGwType)) {
        const std::uint32_t l = CarriedValue(left, reg.address);
        const std::uint32_t r = CarriedValue(right, reg.address);
        if (l == r || DescribesTheUnit(reg.address)) continue;
        if (IsOptionWord(reg.address)) {
            search.AddBits(reg.address, l, r, differences);
        } else {
            search.AddWord(reg, l, r, differences);
        }
    }
    return differences;
}
