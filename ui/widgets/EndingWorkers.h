#pragma once

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

// Worker threads that were told to stop and are left to end by themselves,
// so that the interface thread never waits for one; each is joined once it
// has said that it ended.
class CEndingWorkers {
public:
    CEndingWorkers() = default;
    ~CEndingWorkers() { JoinEnded(true); }
    CEndingWorkers(const CEndingWorkers &) = delete;
    CEndingWorkers &operator=(const CEndingWorkers &) = delete;

    // ended: set by the worker as the last thing it does.
    void Add(std::thread thread, std::shared_ptr<const std::atomic<bool>> ended)
    {
        m_workers.push_back({std::move(thread), std::move(ended)});
    }

    // Joins the workers that have ended; with wait, all of them.
    void JoinEnded(bool wait)
    {
        std::erase_if(m_workers, [wait](Worker &worker) {
            if (!wait && !*worker.ended)
                return false;
            worker.thread.join();
            return true;
        });
    }

private:
    struct Worker {
        std::thread thread;
        std::shared_ptr<const std::atomic<bool>> ended;
    };
    std::vector<Worker> m_workers;
};
