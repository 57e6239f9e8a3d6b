#include "LiveCountWorker.h"

#include "core/FileError.h"

namespace velmorix {

LiveCountWorker::LiveCountWorker(Report report) : m_report(std::move(report)) {
    m_thread = std::thread([this] { run(); });
}

LiveCountWorker::~LiveCountWorker() {
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
        m_pending.reset();
    }
    m_wake.notify_all();
    m_thread.join();
}

uint64_t LiveCountWorker::request(Request request) {
    uint64_t generation = 0;
    {
        const std::lock_guard lock(m_mutex);
        generation = m_latest.load() + 1;
        // Published before the request is: the running count sees at once that it is stale.
        m_latest.store(generation);
        m_pending.emplace(generation, std::move(request));
    }
    m_wake.notify_all();
    return generation;
}

bool LiveCountWorker::waitIdle(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    return m_idle.wait_for(lock, timeout, [this] { return !m_busy && !m_pending; });
}

void LiveCountWorker::run() {
    for (;;) {
        std::pair<uint64_t, Request> job;
        {
            std::unique_lock lock(m_mutex);
            m_busy = false;
            m_idle.notify_all();
            m_wake.wait(lock, [this] { return m_stop || m_pending; });
            if (m_stop)
                return;
            job = std::move(*m_pending);
            m_pending.reset();
            m_busy = true;
        }
        work(job.first, job.second);
    }
}

void LiveCountWorker::work(uint64_t generation, const Request& request) {
    const CancelCheck stale = [this, generation] { return m_stop || m_latest.load() != generation; };
    auto report = [&](const LiveCountResult& result) {
        if (!stale())
            m_report(generation, result);
    };
    LiveCountResult result;
    try {
        const DataDir source(request.folder);
        if (!m_data || !m_data->current(source))
            m_data = RunData::take(source);
        const LiveCounter counter(request.selection, *m_data);
        result.total = counter.total();
        result.noList = counter.noList();
        const auto survivors = counter.survivors(stale);
        if (!survivors)
            return;
        result.survivors = *survivors;
        report(result);
        auto parts = counter.parts(stale);
        if (!parts)
            return;
        result.parts = std::move(*parts);
        result.partsDone = true;
        report(result);
    } catch (const FileError& e) {
        // The copy may be incomplete: take a fresh one next time.
        m_data.reset();
        result.error = e.userText();
        report(result);
    }
}

} // namespace velmorix
