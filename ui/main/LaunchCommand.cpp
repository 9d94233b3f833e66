#include "ui/main/LaunchCommand.h"

#include "platform/Launch.h"

void RunLaunchCommand(const std::string &command, const std::vector<std::string> &paths)
{
    const std::vector<std::string> words = platform::SplitCommand(command);
    // Without a command the path itself would be taken for the program.
    if (words.empty())
        return;
    for (const std::string &path : paths) {
        std::vector<std::string> argv = words;
        argv.push_back(path);
        platform::StartDetached(argv);
    }
}
