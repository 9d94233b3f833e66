#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CRenameSettings;

// The main window's own values in the settings store: its placement, the
// width of the left pane, whether the window is split, and the rename
// settings. Every access of the window to the store for these goes through
// here; a failed write is reported as an errno value.
class CWindowStore {
    Q_DECLARE_TR_FUNCTIONS(CWindowStore)

public:
    struct WindowValues {
        std::optional<std::vector<unsigned char>> placement;
        int selectionListWidth = 240;
        bool isSplit = true;
        // Why the store file could not be read (CRegistryStore::ReadError).
        int storeReadError = 0;
    };

    WindowValues LoadWindow() const;
    // Returns 0 or the errno value of a failed write.
    int SaveWindow(const std::vector<unsigned char> &placement, int selectionListWidth, bool isSplit) const;

    // The rename settings of the last session, or the stored defaults.
    void LoadSettings(CRenameSettings &settings, bool defaults) const;
    int SaveSettings(const CRenameSettings &settings) const;
    int SaveDefaults(const CRenameSettings &settings) const;

    // The warning shown when the store file could not be written.
    static QString NotSavedText(int code);
    // The warning shown at start when the store file could not be read.
    static QString NotReadText(int code);
};
