#pragma once

namespace cli {

// What kestrel-cli returns to the shell.
enum ExitCode : int {
    kExitDone = 0,       // every item done (or a clean preview)
    kExitIncomplete = 1, // some items failed or were skipped; a preview with refused names;
                         // the settings could not be saved
    kExitUsage = 2,      // bad command line or settings; nothing was read or changed
};

} // namespace cli
