#include "cli/CommandLine.h"
#include "cli/ExitCodes.h"

#include <clocale>
#include <new>
#include <string_view>
#include <unistd.h>

int main(int argc, char **argv)
{
    std::setlocale(LC_ALL, "");
    try {
        return cli::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc &) {
        // Written without allocating: there may be no memory left for a stream.
        constexpr std::string_view kMessage = "kestrel-cli: メモリが足りません\n";
        static_cast<void>(::write(STDERR_FILENO, kMessage.data(), kMessage.size()));
        return cli::kExitIncomplete;
    }
}
