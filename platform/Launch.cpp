#include "platform/Launch.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

std::vector<std::string> SplitCommand(std::string_view command)
{
    std::vector<std::string> words;
    std::string word;
    int quotes = 0;
    bool quoted = false;
    for (const char c : command) {
        if (c == '"') {
            if (++quotes == 3) {
                quotes = 0;
                word += c;
            }
            continue;
        }
        if (quotes == 1)
            quoted = !quoted;
        quotes = 0;
        if (!quoted && IsBlank(c)) {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

int StartDetached(const std::vector<std::string> &argv)
{
    if (argv.empty())
        return ENOENT;
    // Everything the children use is prepared before forking: between fork
    // and exec only async-signal-safe calls are allowed.
    std::vector<char *> args;
    args.reserve(argv.size() + 1);
    for (const std::string &arg : argv)
        args.push_back(const_cast<char *>(arg.c_str()));
    args.push_back(nullptr);

    // The grandchild reports a failed exec through this pipe; a successful
    // exec closes it empty.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return errno;
    const pid_t child = fork();
    if (child < 0) {
        const int error = errno;
        close(report[0]);
        close(report[1]);
        return error;
    }
    if (child == 0) {
        // The middle process ends at once, so the program is adopted by init
        // and never becomes a zombie of ours.
        setsid();
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            execvp(args[0], args.data());
            const int error = errno;
            [[maybe_unused]] const ssize_t written = write(report[1], &error, sizeof error);
            _exit(127);
        }
        if (grandchild < 0) {
            const int error = errno;
            [[maybe_unused]] const ssize_t written = write(report[1], &error, sizeof error);
        }
        _exit(0);
    }
    close(report[1]);
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    do {
        got = read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    return got == sizeof error ? error : 0;
}

} // namespace platform
