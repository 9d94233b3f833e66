#include "cli/CommandLine.h"
#include "cli/ExitCodes.h"
#include "platform/Translation.h"

#include <clocale>
#include <new>
#include <string>
#include <unistd.h>

int main(int argc, char **argv)
{
    std::setlocale(LC_ALL, "");
    platform::UseLanguage(platform::LanguageOfEnvironment(), platform::CatalogueFolder());
    // Made before it is needed: there may be no memory left to make it then.
    const std::string outOfMemory = "kestrel-cli: " + platform::Tr("cli", "メモリが足りません") + "\n";
    try {
        return cli::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc &) {
        // Written without allocating: there may be no memory left for a stream.
        static_cast<void>(::write(STDERR_FILENO, outOfMemory.data(), outOfMemory.size()));
        return cli::kExitIncomplete;
    }
}
