// The SANE call watchdog: one thread, started by the first watched call,
// that waits for the running call's deadline.
#include "scanner/sane_call_watch.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace pictra {
namespace {

using Clock = std::chrono::steady_clock;

class Watchdog {
public:
    explicit Watchdog(int seconds) : m_limit(seconds), m_thread([this] { run(); }) {}
    ~Watchdog()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }

    void started(const char* name)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_call = name;
            m_deadline = Clock::now() + m_limit;
            ++m_serial;
        }
        m_changed.notify_all();
    }

    void ended()
    {
        const std::lock_guard lock(m_mutex);
        m_call = nullptr;
    }

private:
    void run()
    {
        std::unique_lock lock(m_mutex);
        while (!m_stop) {
            if (!m_call) {
                m_changed.wait(lock);
                continue;
            }
            const unsigned serial = m_serial;
            if (m_changed.wait_until(lock, m_deadline, [&] { return m_stop || m_serial != serial || !m_call; }))
                continue;
            std::fprintf(stderr, "SANE call %s has not returned after %lld s: the backend hangs\n", m_call,
                         static_cast<long long>(m_limit.count()));
            std::fflush(stderr);
            std::_Exit(124);
        }
    }

    const std::chrono::seconds m_limit;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    const char* m_call = nullptr;
    Clock::time_point m_deadline;
    unsigned m_serial = 0;
    bool m_stop = false;
    std::thread m_thread; // last: starts once the rest is built
};

Watchdog* watchdog()
{
    static const int seconds = [] {
        const char* text = std::getenv(kSaneCallLimitVariable);
        return text ? std::atoi(text) : 0;
    }();
    if (seconds <= 0)
        return nullptr;
    static Watchdog dog(seconds);
    return &dog;
}

} // namespace

SaneCall::SaneCall(const char* name)
{
    if (Watchdog* dog = watchdog()) {
        dog->started(name);
        m_watched = true;
    }
}

SaneCall::~SaneCall()
{
    if (m_watched)
        watchdog()->ended();
}

} // namespace pictra
