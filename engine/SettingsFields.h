#pragma once

#include "platform/TimeFormat.h"

#include <span>
#include <string>
#include <string_view>

class CRenameSettings;

// The persisted fields of the rename settings: how the settings store and the
// command line name them, what values they take and which one a record starts
// with. Every list of the fields is read from here.
namespace engine {

enum class FieldKind {
    Number, // an int; the range is what the panels let the user enter
    Choice, // an enumeration, stored as the integer of its enumerator
    Flag,   // a bool, stored as 0 or 1
    Text,
    Time, // FileTime, stored as four bytes
};

struct SettingsField {
    std::string_view name; // as the store spells it
    FieldKind kind;
    // Number, Choice and Flag: the values from minimum to maximum; a choice
    // whose values have gaps lists them in values. defaultValue is the value
    // a store that lacks the field gives, and that of a new record (but for
    // NumDirWidth, see the record's constructor).
    int minimum = 0;
    int maximum = 0;
    std::span<const int> values;
    int defaultValue = 0;
    // Number, Choice and Flag: the field as its stored integer. The one
    // conversion between an enumeration or a bool and the store's integer.
    int (*read)(const CRenameSettings &) = nullptr;
    void (*write)(CRenameSettings &, int) = nullptr;
    std::string CRenameSettings::*text = nullptr;
    platform::TimeValue CRenameSettings::*time = nullptr;

    bool IsInteger() const;
    // value is one the field takes: within its range (and among its values).
    bool Allows(int value) const;
};

// Every persisted field, in the order they are stored (FileTime between the
// two parts of the store's list).
std::span<const SettingsField> SettingsFields();
// The field of a store name, compared without regard to ASCII case as the
// store does; null when there is none.
const SettingsField *FindSettingsField(std::string_view name);

// Every persisted field takes its default; FileTime the current time.
void ApplyDefaults(CRenameSettings &settings);
// Every choice whose value is not among the field's values takes its default:
// what the window starts with from a store written by hand or by another version.
void ResetUnknownChoices(CRenameSettings &settings);

} // namespace engine
