#pragma once

#include <QString>

#include <optional>
#include <string>

class QWidget;

// Asks the user for a folder and returns its path as bytes, or nothing when
// the question is cancelled. selDirMode 0 shows the desktop's folder dialog
// with the prompt as its title; any other value the program's own folder
// browser with the prompt above its tree. An empty prompt asks with the
// folder browser's default.
std::optional<std::string> ChooseFolder(QWidget *parent, const QString &prompt,
                                        const std::string &initialDirectory, int selDirMode);
