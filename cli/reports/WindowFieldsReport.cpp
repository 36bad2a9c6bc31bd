#include "cli/reports/WindowFieldsReport.h"

#include <charconv>
#include <optional>

#include "core/app/texts/CompareText.h"
#include "core/app/texts/UiText.h"
#include "core/params/display/DisplayFormat.h"

namespace {

constexpr std::size_t TEXT_UNDEFINED = 280;  // a drive unit's first entry

std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string Register(const SWindowField& field) {
    return field.registers.empty() ? std::string() : FormatText("%04X", field.registers.front());
}

std::string ShownValue(const std::string& value) {
    return value.empty() ? std::string(CompareText::NOT_SHOWN) : value;
}

}  // namespace

std::string FieldLockReason(const SWindowField& field) {
    switch (field.lock) {
        case EFieldLock::None:
            return std::string();
        case EFieldLock::ShownOnly:
            return "the window only shows it";
        case EFieldLock::NetworkReadOnly:
            return "the window shows the network type as text without ExtendedMode (--extended offers the "
                   "list; new --network starts a set on another network)";
        case EFieldLock::FixedByNetwork:
            return "the window fixes it on " + field.lockedBy;
        case EFieldLock::OtherListChosen:
            return "the window disables it while " + field.lockedBy + " is not 0";
        case EFieldLock::PreviousUnitUndefined:
        case EFieldLock::UnitUndefined:
            return "the window disables it while " + field.lockedBy + " is " + std::string(UiText[TEXT_UNDEFINED]);
        case EFieldLock::BeyondConfiguredAxes:
            return "the slot lies beyond the axes " + field.lockedBy + " configure";
        case EFieldLock::NoClickChangesIt:
            return "no click in its row changes it on this network and axis configuration";
    }
    return std::string();
}

std::string ChoicesText(const std::vector<std::string>& choices) {
    std::string text;
    for (std::size_t i = 0; i < choices.size();) {
        // A run of at least three whole numbers counting up by one reads "first..last".
        std::size_t end = i + 1;
        const auto first = WholeNumber(choices[i]);
        while (first && end < choices.size() && WholeNumber(choices[end]) == *first + static_cast<int>(end - i)) ++end;
        text += text.empty() ? "" : " | ";
        if (end - i >= 3) {
            text += choices[i] + ".." + choices[end - 1];
            i = end;
        } else {
            text += choices[i];
            ++i;
        }
    }
    return text;
}

std::string FieldsText(const SFieldsResult& result) {
    std::string text;
    for (const SWindowField& field : result.fields) {
        text += field.name + " (" + Register(field) + "): " + ShownValue(field.value);
        if (!field.enabled)
            text += "  [disabled: " + FieldLockReason(field) + "]";
        else if (field.min && field.max)
            text += "  [range: " + std::to_string(*field.min) + ".." + std::to_string(*field.max) + "]";
        else
            text += "  [choices: " + ChoicesText(field.choices) + "]";
        text += "\n";
    }
    return text;
}

CliJson FieldsJson(const SFieldsResult& result) {
    CliJson fields = CliJson::array();
    for (const SWindowField& field : result.fields) {
        CliJson entry = {{"name", field.name}, {"value", field.value}, {"enabled", field.enabled}};
        if (!field.choices.empty()) entry["choices"] = field.choices;
        if (field.min) entry["min"] = *field.min;
        if (field.max) entry["max"] = *field.max;
        entry["register"] = Register(field);
        if (!field.enabled) entry["reason"] = FieldLockReason(field);
        fields.push_back(entry);
    }
    return {{"fields", fields}};
}
