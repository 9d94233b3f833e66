#pragma once

#include <string>

class CRegistryStore;
class QWidget;

// A dialog's size kept in the store as a rectangle value: its client area at
// its place on the screen, so that restoring it gives the same size again.
void WriteWindowRect(CRegistryStore &store, const std::string &name, const QWidget &window);
// Resizes the window to the stored rectangle, when there is one.
void ResizeToStoredRect(const CRegistryStore &store, const std::string &name, QWidget &window);
