#pragma once

#include <QSize>

// Resource paths of the program's pictures (res/kestrel.qrc). Every picture
// is drawn on a 16 x 16 grid and scales cleanly to the sizes below.
namespace icons {

// Sizes the buttons draw their pictures at.
inline constexpr QSize kDirectoryButtonSize{16, 16}; // browse, parent, refresh, split
inline constexpr QSize kListButtonSize{16, 16};      // candidate list editing column
inline constexpr QSize kBottomButtonSize{20, 20};    // execute, exit, undo, viewer, settings, help, about
inline constexpr QSize kListImageSize{16, 16};       // rows of the lists

// Directory controls.
inline constexpr const char *kBrowseFolder = ":/icons/browse-folder.svg";
inline constexpr const char *kParentFolder = ":/icons/parent-folder.svg";
inline constexpr const char *kRefresh = ":/icons/refresh.svg";
inline constexpr const char *kSplitTwoPanes = ":/icons/split-two-panes.svg";
inline constexpr const char *kSplitSinglePane = ":/icons/split-single-pane.svg";

// Candidate list editing.
inline constexpr const char *kInsertDummy = ":/icons/insert-dummy.svg";
inline constexpr const char *kAddAll = ":/icons/add-all.svg";
inline constexpr const char *kRemoveAll = ":/icons/remove-all.svg";
inline constexpr const char *kAdd = ":/icons/add.svg";
inline constexpr const char *kRemove = ":/icons/remove.svg";
inline constexpr const char *kMoveTop = ":/icons/move-top.svg";
inline constexpr const char *kMoveUp = ":/icons/move-up.svg";
inline constexpr const char *kMoveTo = ":/icons/move-to.svg";
inline constexpr const char *kMoveDown = ":/icons/move-down.svg";
inline constexpr const char *kMoveBottom = ":/icons/move-bottom.svg";

// Bottom row.
inline constexpr const char *kExecute = ":/icons/execute.svg";
inline constexpr const char *kExit = ":/icons/exit.svg";
inline constexpr const char *kUndo = ":/icons/undo.svg";
inline constexpr const char *kViewer = ":/icons/viewer.svg";
inline constexpr const char *kSettings = ":/icons/settings.svg";
inline constexpr const char *kHelp = ":/icons/help.svg";
inline constexpr const char *kAbout = ":/icons/about.svg";

// Folder browser and file operations.
inline constexpr const char *kNewFolder = ":/icons/new-folder.svg";
inline constexpr const char *kViewDetails = ":/icons/view-details.svg";
inline constexpr const char *kViewList = ":/icons/view-list.svg";
inline constexpr const char *kViewIcons = ":/icons/view-icons.svg";
inline constexpr const char *kFileOperations = ":/icons/file-operations.svg";

// Row pictures of the lists.
inline constexpr const char *kFolder = ":/icons/folder.svg";
inline constexpr const char *kFile = ":/icons/file.svg";
inline constexpr const char *kParentEntry = ":/icons/parent-entry.svg";
inline constexpr const char *kDummyEntry = ":/icons/dummy-entry.svg";

// Pointer shapes of the row and splitter drags.
inline constexpr const char *kCursorDrag = ":/icons/cursor-drag.svg";
inline constexpr const char *kCursorScrollUp = ":/icons/cursor-scroll-up.svg";
inline constexpr const char *kCursorScrollDown = ":/icons/cursor-scroll-down.svg";
inline constexpr const char *kCursorSplitter = ":/icons/cursor-splitter.svg";

// The program.
inline constexpr const char *kApplication = ":/icons/kestrel.svg";
inline constexpr const char *kManual = ":/manual/index.html";

// Makes the pictures available. The resources live in a static library, so
// they are registered explicitly; every class that draws one of them calls
// this, and calling it again does nothing.
void EnsureResourcesLoaded();

} // namespace icons
