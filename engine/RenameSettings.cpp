#include "engine/RenameSettings.h"

#include <utility>

CRenameSettings::CRenameSettings() : FileTime(platform::CurrentTime()) {}

void CRenameSettings::CopyFrom(const CRenameSettings &other)
{
    if (&other == this)
        return;
    // Everything but the run-time fields is persisted; copy the whole record
    // and put the run-time fields back.
    const int inBatch = IsInBatch;
    std::vector<std::string> lines = std::move(InputLines);
    *this = other;
    IsInBatch = inBatch;
    InputLines = std::move(lines);
}
