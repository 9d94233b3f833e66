#include "cli/StoredSettings.h"

#include "cli/UsageError.h"
#include "engine/RenameSettings.h"
#include "platform/RegistryStore.h"
#include "platform/StoreFile.h"
#include "platform/Translation.h"

namespace cli {

void LoadStoredSettings(CRenameSettings &settings, const std::string &key)
{
    CRegistryStore store;
    settings.LoadSettings(store, key);
    if (store.ReadError() != 0)
        throw UsageError(platform::Fill(
            platform::Tr("cli",
                         "設定ファイルを読めません: %1: %2（--defaults なら組み込みの初期値から始めます）"),
            {CRegistryStore::FilePath(), platform::StoreErrorMessage(store.ReadError())}));
}

} // namespace cli
