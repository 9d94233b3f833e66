#include "engine/RenameSettings.h"

#include "model/FileEntry.h"
#include "platform/Attributes.h"
#include "platform/DirectoryList.h"

#include <array>
#include <utility>

namespace {

// The four unified bits with the setting that decides each.
std::array<std::pair<std::uint32_t, AttributeChange>, 4> UnifiedBits(const CRenameSettings &s)
{
    return {{{platform::kAttrReadOnly, s.AtrReadOnly},
             {platform::kAttrHidden, s.AtrHidden},
             {platform::kAttrSystem, s.AtrSystem},
             {platform::kAttrArchive, s.AtrArchive}}};
}

} // namespace

std::uint32_t CRenameSettings::GetNewAttributes(const CFileEntry &entry) const
{
    if (!IsFileAttribChange)
        return entry.attributes;
    std::uint32_t keep = 0;
    std::uint32_t set = 0;
    for (const auto &[bit, value] : UnifiedBits(*this)) {
        if (value == AttributeChange::Keep)
            keep |= bit;
        else if (value == AttributeChange::Set)
            set |= bit;
    }
    return (entry.attributes & keep) | set;
}

std::uint32_t CRenameSettings::GetNewDirAttributes() const
{
    if (!IsFileAttribChange)
        return 0;
    std::uint32_t bits = 0;
    for (const auto &[bit, value] : UnifiedBits(*this))
        if (value != AttributeChange::Clear)
            bits |= bit;
    return bits;
}

std::string CRenameSettings::FormatAttributeText(std::uint32_t attributes)
{
    return platform::FormatAttributeLetters(attributes);
}
