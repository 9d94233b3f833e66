// A crash journal left by a killed run (a file anyone could have put there):
// whatever is read as a journal must give the same steps, in the same number,
// read forwards, backwards and whole.
#include "FuzzInput.h"
#include "exec/Journal.h"

#include <cstdlib>
#include <string>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

namespace {

bool SameStep(const exec::CJournalEntry &a, const exec::CJournalEntry &b)
{
    return a.kind == b.kind && a.from == b.from && a.to == b.to && a.file == b.file && a.made == b.made &&
           a.madeAtSource == b.madeAtSource;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const int fd = memfd_create("journal", MFD_CLOEXEC);
    if (fd < 0 || write(fd, data, size) != static_cast<ssize_t>(size))
        std::abort();
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    exec::CJournalSteps steps;
    if (steps.Open(path)) {
        std::vector<exec::CJournalEntry> forward, backward, whole;
        const bool read = steps.ForEach([&](const exec::CJournalEntry &e) { forward.push_back(e); }) &&
                          steps.ForEach([&](const exec::CJournalEntry &e) { backward.push_back(e); }, true) &&
                          exec::ReadJournal(path, whole);
        if (!read || forward.size() != steps.size() || backward.size() != forward.size() ||
            whole.size() != forward.size())
            std::abort();
        for (std::size_t i = 0; i < forward.size(); ++i)
            if (!SameStep(forward[i], backward[forward.size() - 1 - i]) || !SameStep(forward[i], whole[i]))
                std::abort();
    }
    close(fd);
    return 0;
}
