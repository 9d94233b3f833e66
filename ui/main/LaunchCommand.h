#pragma once

#include <string>
#include <vector>

class QWidget;

// Starts `command` once for every path, in order, with the path as its last
// argument. When the program cannot be started, a message box (title
// "Kestrel") names it and the remaining paths are skipped. Returns whether
// every start succeeded.
bool RunLaunchCommand(QWidget *parent, const std::string &command, const std::vector<std::string> &paths);
