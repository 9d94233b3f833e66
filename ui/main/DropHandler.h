#pragma once

#include "model/FileEntry.h"

#include <optional>
#include <string>
#include <vector>

class CCandidatePane;
class CEnvSettings;
class CRenameSettings;
class CSelectionPane;
class QMimeData;
class QWidget;

// Files and folders dropped on the main window. When folders are the
// candidates (or the settings say so) a drop only changes the directory: to
// the dropped folder (asking which when there are several), or else to the
// folder of the first file. Otherwise the dropped files become candidates and
// the files of dropped folders are added as the add-files dialog says; the
// directory becomes the folder of the first file, or else the parent of the
// first folder.
class CDropHandler {
public:
    CDropHandler(QWidget *window, CSelectionPane &selection, CCandidatePane &candidates,
                 const CEnvSettings &env, const CRenameSettings &settings);

    // Whether a drag carries a list of files the window takes.
    static bool Accepts(const QMimeData &data);
    // The local paths of the drag's text/uri-list, taken as bytes.
    static std::vector<std::string> DroppedPaths(const QMimeData &data);
    void Drop(const std::vector<std::string> &paths);

private:
    // The dropped paths split in drop order; a path that cannot be read
    // (gone since the drag began) counts as a folder.
    struct Dropped {
        std::vector<std::string> folders;
        std::vector<CFileEntry> files;
    };
    static Dropped Split(const std::vector<std::string> &paths);
    bool DirectoryOnly() const;
    // The directory a directory-only drop goes to; nothing when the user stops.
    std::optional<std::string> DirectoryTarget(const Dropped &dropped) const;
    // The files and folders added; the directory the drop goes to.
    std::string AddDropped(Dropped dropped);
    void AddFolderFiles(const std::vector<std::string> &folders);

    QWidget *m_window;
    CSelectionPane &m_selection;
    CCandidatePane &m_candidates;
    const CEnvSettings &m_env;
    const CRenameSettings &m_settings;
};
