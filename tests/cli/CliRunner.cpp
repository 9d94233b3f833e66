#include "CliRunner.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace cli_test {

namespace {

struct Pipe {
    int read = -1, write = -1;
    Pipe()
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe failed");
        read = fds[0];
        write = fds[1];
    }
};

// Feeds input and drains both outputs together, so neither side blocks. A
// terminal's master side stays open until the program is done with it.
void Exchange(int inFd, bool keepInputOpen, const std::string &input, int outFd, std::string &out, int errFd,
              std::string &err)
{
    int terminalFd = keepInputOpen ? inFd : -1;
    std::size_t written = 0;
    if (input.empty()) {
        if (inFd != terminalFd)
            ::close(inFd);
        inFd = -1;
    }
    while (outFd >= 0 || errFd >= 0) {
        pollfd fds[3] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}, {inFd, POLLOUT, 0}};
        if (::poll(fds, 3, -1) < 0 && errno != EINTR)
            throw std::runtime_error("poll failed");
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            char buffer[65536];
            ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                (i == 0 ? out : err).append(buffer, static_cast<std::size_t>(n));
            } else {
                ::close(fds[i].fd);
                (i == 0 ? outFd : errFd) = -1;
            }
        }
        if (inFd >= 0 && (fds[2].revents & (POLLOUT | POLLERR | POLLHUP))) {
            ssize_t n = ::write(inFd, input.data() + written, input.size() - written);
            if (n > 0)
                written += static_cast<std::size_t>(n);
            if (n <= 0 || written == input.size()) {
                if (inFd != terminalFd)
                    ::close(inFd);
                inFd = -1;
            }
        }
    }
    if (inFd >= 0 && inFd != terminalFd)
        ::close(inFd);
}

// The argument or environment array of posix_spawn over strings.
std::vector<char *> NullTerminated(std::vector<std::string> &strings)
{
    std::vector<char *> pointers;
    for (std::string &s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

namespace {

// terminalMaster and terminalPath: a pseudo-terminal for standard input, or -1
// and empty for a pipe.
CliResult Spawn(const std::vector<std::string> &arguments, const std::string &workingDirectory,
                const std::string &input, int terminalMaster, const std::string &terminalPath,
                char *const *environment = environ)
{
    Pipe in, out, err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (terminalPath.empty())
        posix_spawn_file_actions_adddup2(&actions, in.read, STDIN_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, terminalPath.c_str(), O_RDWR | O_NOCTTY, 0);
    posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.write, STDERR_FILENO);
    posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());

    std::vector<std::string> argvStrings{KESTREL_CLI_PATH};
    argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv = NullTerminated(argvStrings);

    pid_t pid = -1;
    int spawned = posix_spawn(&pid, KESTREL_CLI_PATH, &actions, nullptr, argv.data(), environment);
    posix_spawn_file_actions_destroy(&actions);
    ::close(in.read);
    ::close(out.write);
    ::close(err.write);
    if (spawned != 0)
        throw std::runtime_error("posix_spawn failed");

    CliResult result;
    bool onTerminal = terminalMaster >= 0;
    if (onTerminal)
        ::close(in.write);
    Exchange(onTerminal ? terminalMaster : in.write, onTerminal, input, out.read, result.out, err.read,
             result.err);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

} // namespace

CliResult RunCli(const std::vector<std::string> &arguments, const std::string &workingDirectory,
                 const std::string &input)
{
    return Spawn(arguments, workingDirectory, input, -1, {});
}

CliResult RunCliInEnvironment(const std::vector<std::string> &arguments, const std::string &workingDirectory,
                              const std::vector<std::string> &environment)
{
    std::vector<std::string> strings = environment;
    return Spawn(arguments, workingDirectory, {}, -1, {}, NullTerminated(strings).data());
}

CliResult RunCliOnTerminal(const std::vector<std::string> &arguments, const std::string &workingDirectory,
                           const std::string &input)
{
    int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        throw std::runtime_error("no pseudo-terminal");
    CliResult result = Spawn(arguments, workingDirectory, input, master, ::ptsname(master));
    ::close(master);
    return result;
}

std::vector<std::string> ListNames(const std::string &directory)
{
    std::vector<std::string> names;
    if (DIR *dir = ::opendir(directory.c_str())) {
        while (dirent *entry = ::readdir(dir)) {
            std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> SplitRecords(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string::npos)
            end = text.size();
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

} // namespace cli_test
