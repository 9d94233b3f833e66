#pragma once

#include <QString>

// The HTML manual: the copy installed beside the program (manual/index.html
// next to it, or share/doc/kestrel/manual/ of its prefix) when there is one,
// otherwise the copy built into the program, written out to the user's cache
// folder. Empty when neither can be had.
QString ManualIndexPath();
