#pragma once

#include <string>
#include <vector>

class QListWidget;
class QListWidgetItem;

// A list of folders for the drop dialogs: one line per folder in collated
// order, shown by its display name and keeping its path as bytes.
void FillFolderList(QListWidget *list, std::vector<std::string> folders);
// The path of one line, byte for byte.
std::string FolderOfItem(const QListWidgetItem *item);
