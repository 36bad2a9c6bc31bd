#include "core/compare/ParameterDifferences.h"

#include <algorithm>

#include "core/app/texts/CompareText.h"
#include "core/compare/UnshownDifferences.h"

namespace {

// A field is the same field on both sides when name and register agree (an option label may stand on
// two pages, which are two registers).
bool SameField(const SShownField& a, const SShownField& b) {
    return a.field == b.field && a.reg == b.reg;
}

const SShownField* Find(const std::vector<SShownField>& fields, const SShownField& wanted) {
    const auto at = std::find_if(fields.begin(), fields.end(),
                                 [&wanted](const SShownField& f) { return SameField(f, wanted); });
    return at == fields.end() ? nullptr : &*at;
}

}  // namespace

std::vector<SParameterDifference> DifferingFields(const std::vector<SShownField>& left,
                                                  const std::vector<SShownField>& right) {
    const std::string none(CompareText::NOT_SHOWN);
    std::vector<SParameterDifference> differences;
    for (const SShownField& l : left) {
        const SShownField* r = Find(right, l);
        const std::string& rightText = r != nullptr ? r->text : none;
        if (l.text != rightText) differences.push_back({l.field, l.reg, l.text, rightText});
    }
    for (const SShownField& r : right) {
        if (Find(left, r) == nullptr && r.text != none) differences.push_back({r.field, r.reg, none, r.text});
    }
    return differences;
}

std::vector<SParameterDifference> CompareParameterSets(const ParameterImage& left,
                                                       const ParameterImage& right,
                                                       const SMainFormState& laidOut,
                                                       const SProgramValues& program) {
    const std::vector<SShownField> leftFields = ShownParameterFields(left, laidOut, program);
    std::vector<SParameterDifference> differences =
        DifferingFields(leftFields, ShownParameterFields(right, laidOut, program));
    for (SParameterDifference& unshown :
         UnshownDifferences(left, right, leftFields, differences, laidOut, program))
        differences.push_back(std::move(unshown));
    return differences;
}
