#include "cli/StoredSettings.h"

#include "cli/UsageError.h"
#include "engine/RenameSettings.h"
#include "platform/RegistryStore.h"
#include "platform/StoreFile.h"

namespace cli {

void LoadStoredSettings(CRenameSettings &settings, const std::string &key)
{
    CRegistryStore store;
    settings.LoadSettings(store, key);
    if (store.ReadError() != 0)
        throw UsageError("設定ファイルを読めません: " + CRegistryStore::FilePath() + ": " +
                         platform::StoreErrorMessage(store.ReadError()) +
                         "（--defaults なら組み込みの初期値から始めます）");
}

} // namespace cli
