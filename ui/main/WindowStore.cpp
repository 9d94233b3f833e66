#include "ui/main/WindowStore.h"

#include "engine/RenameSettings.h"
#include "platform/FileOps.h"
#include "platform/RegistryStore.h"
#include "platform/StoreFile.h"
#include "platform/StoreValues.h"
#include "ui/widgets/ShownText.h"

namespace {

int SaveSettingsAs(const CRenameSettings &settings, const char *key)
{
    CRegistryStore store;
    settings.SaveSettings(store, key);
    return store.WriteError();
}

} // namespace

CWindowStore::WindowValues CWindowStore::LoadWindow() const
{
    WindowValues values;
    CRegistryStore store;
    store.Open("Window");
    values.placement = platform::QueryWindowPlacement(store);
    values.selectionListWidth = store.ReadDword("SrcListWidth", 240);
    values.isSplit = store.ReadDword("IsSplit", 1) != 0;
    values.storeReadError = store.ReadError();
    store.Close();
    return values;
}

int CWindowStore::SaveWindow(const std::vector<unsigned char> &placement, int selectionListWidth,
                             bool isSplit) const
{
    CRegistryStore store;
    store.Open("Window");
    platform::WriteWindowPlacement(store, placement);
    store.WriteDword("SrcListWidth", selectionListWidth);
    store.WriteDword("IsSplit", isSplit ? 1 : 0);
    store.Close();
    return store.WriteError();
}

void CWindowStore::LoadSettings(CRenameSettings &settings, bool defaults) const
{
    CRegistryStore store;
    settings.LoadSettings(store, defaults ? "Default" : "Rename");
}

int CWindowStore::SaveSettings(const CRenameSettings &settings) const
{
    return SaveSettingsAs(settings, "Rename");
}

int CWindowStore::SaveDefaults(const CRenameSettings &settings) const
{
    return SaveSettingsAs(settings, "Default");
}

QString CWindowStore::NotSavedText(int code)
{
    const std::string path = CRegistryStore::FilePath();
    const std::string reason = platform::StoreErrorMessage(code);
    return tr("設定を保存できませんでした。\n%1\n%2").arg(ShownText(path), ShownText(reason));
}

QString CWindowStore::NotReadText(int code)
{
    const std::string path = CRegistryStore::FilePath();
    const std::string reason = platform::StoreErrorMessage(code);
    const QString after = code == platform::kStoreUnparsable
                              ? tr("このファイルは、設定を保存するときに名前に .broken を付けて残します。")
                              : tr("このファイルには終了時にも設定を保存しません。");
    return tr("設定ファイルを読めないため、初期値で始めます。\n%1\n%2\n%3")
        .arg(ShownText(path), ShownText(reason), after);
}
