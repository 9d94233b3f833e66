#pragma once

#include "platform/TimeFormat.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CRenameSettings;
namespace engine {
struct SettingsField;
}

namespace cli {

// One "Field=Value" of --set, checked when it is parsed so that a bad value is
// refused before anything is read or changed. Field names are those of the
// settings store and compare without regard to case, as the store does.
class SettingsAssignment {
public:
    // Throws UsageError for an unknown field or a value outside the field's range.
    static SettingsAssignment Parse(std::string_view text);

    void ApplyTo(CRenameSettings &settings) const;
    // The field's name as the store spells it.
    std::string_view FieldName() const;

private:
    SettingsAssignment(const engine::SettingsField &field, std::string text, std::int64_t number);

    const engine::SettingsField *m_field;
    std::string m_text;    // string fields
    std::int64_t m_number; // integer and time fields
};

// "2024-01-02T03:04:05" (or with a space instead of the T) as local time.
// Returns false for a malformed text or a time that does not exist locally or
// does not fit the stored 32-bit count of seconds.
bool ParseLocalTime(std::string_view text, platform::TimeValue &result);

} // namespace cli
