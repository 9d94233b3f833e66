#pragma once

#include <thread>

namespace testing_support {

// What work(0) and work(1) return, added, run at the same time on two threads
// (work(1) on a thread of its own).
template <typename Work> int SumOnTwoThreads(const Work &work)
{
    int other = 0;
    std::thread thread([&] { other = work(1); });
    const int mine = work(0);
    thread.join();
    return mine + other;
}

} // namespace testing_support
