#pragma once
// The result of `fields FILE`: every field the main window shows for the file's set, by the name the
// window labels it with, as text or as JSON; and the words gwcli gives for a field the window does not
// let change.
#include <string>
#include <vector>

#include "cli/console/CliJson.h"
#include "core/fields/MainWindowFields.h"

struct SFieldsResult {
    std::vector<SWindowField> fields;
};

// Why the window does not let the field change now ("the window disables it while Size nibble is not 0").
std::string FieldLockReason(const SWindowField& field);

// A field's choices as one text: "9600bps | 19200bps", runs of whole numbers as "1..125".
std::string ChoicesText(const std::vector<std::string>& choices);

// One line per field: "Address (F107): 5  [choices: 1..125]", "Baud Rate (F108): Auto  [disabled: ...]".
std::string FieldsText(const SFieldsResult& result);
// {"fields":[{"name","value","enabled","choices","min","max","register","reason"}, ...]}: choices for
// lists, slots and boxes, min and max for an edit, the reason for a field that is not enabled.
CliJson FieldsJson(const SFieldsResult& result);
