#pragma once

#include <string>

class CRenameSettings;

namespace cli {

// Loads the rename settings of a set of the settings store ("Rename" or
// "Default"). A store file that cannot be read would leave the built-in
// settings in place of the user's: that is a UsageError naming the file and
// the reason, thrown before anything runs.
void LoadStoredSettings(CRenameSettings &settings, const std::string &key);

} // namespace cli
