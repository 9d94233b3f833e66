#pragma once

#include "support/TempDir.h"

namespace testing_support {

// What the listing tests read: two folders ("photos", and ".cache", hidden),
// the files "a.txt" (1 byte), "b.jpg" (2), "c.TXT" (3) and the hidden, empty
// ".hidden.txt".
inline void WriteListingSample(const TempDir &dir)
{
    dir.mkdir("photos");
    dir.mkdir(".cache");
    dir.write("a.txt", "1");
    dir.write("b.jpg", "22");
    dir.write("c.TXT", "333");
    dir.write(".hidden.txt");
}

} // namespace testing_support
