#pragma once

#include "LiveCount.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace velmorix {

// Runs live counts on a thread of its own, so that the filters window never
// waits for one. Every request gets a generation number; a newer request
// cancels the running count and replaces any request still waiting, and a
// result is reported only while its request is still the newest. The
// receiver compares the generation again when the report arrives, because a
// report may cross a newer request on its way.
//
// The data files are copied once (RunData) and copied again only when they
// change, so a count after a click costs only the counting.
class LiveCountWorker {
public:
    struct Request {
        LiveSelection selection;
        std::filesystem::path folder; // the player's data folder
    };
    // Called on the worker thread: first with the count alone, then once more
    // with every part's removals (partsDone), or once with an error.
    using Report = std::function<void(uint64_t generation, const LiveCountResult& result)>;

    explicit LiveCountWorker(Report report);
    // Cancels the running count and waits for the thread.
    ~LiveCountWorker();
    LiveCountWorker(const LiveCountWorker&) = delete;
    LiveCountWorker& operator=(const LiveCountWorker&) = delete;

    // Queues a count and returns its generation.
    uint64_t request(Request request);
    // The newest generation handed out (0 before the first request).
    uint64_t latest() const { return m_latest.load(); }
    // Waits until nothing runs or waits (tests); false on timeout.
    bool waitIdle(std::chrono::milliseconds timeout);

private:
    void run();
    void work(uint64_t generation, const Request& request);

    Report m_report;
    std::atomic<uint64_t> m_latest{0};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<std::pair<uint64_t, Request>> m_pending;
    bool m_busy = false;
    std::atomic<bool> m_stop{false};
    std::shared_ptr<const RunData> m_data; // worker thread only
    std::thread m_thread;
};

} // namespace velmorix
