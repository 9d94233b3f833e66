#pragma once

#include "model/FileEntry.h"

#include <vector>

namespace cli {

// Gives each entry the type name a list would show (the MIME type's
// description, by extension only), so that --sort type orders as the window does.
void FillTypeNames(const std::vector<CFileEntry *> &entries);

} // namespace cli
