#include "Watchdog.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace riztest {

namespace {

void EndProcess(const char* testName) {
    std::fprintf(stderr, "\nwatchdog: test %s hung; ending the process\n", testName);
    std::fflush(stderr);
    ::TerminateProcess(::GetCurrentProcess(), 3);
}

std::atomic<Watchdog::ExpiredHandler> g_handler{&EndProcess};
std::atomic<Watchdog*> g_active{nullptr};

}  // namespace

struct Watchdog::State {
    std::mutex mutex;
    std::condition_variable wake;
    std::thread thread;
    std::chrono::steady_clock::time_point deadline{};
    bool armed = false;
    bool quit = false;
    std::string testName;
    unsigned seconds;
    Watchdog* previous = nullptr;  // the watchdog that was active before this one (tests nest them)
};

Watchdog::Watchdog(unsigned seconds) : m_state(new State) {
    m_state->seconds = seconds;
    m_state->previous = g_active.exchange(this);
    m_state->thread = std::thread([s = m_state] {
        std::unique_lock<std::mutex> lock(s->mutex);
        while (!s->quit) {
            if (!s->armed) {
                s->wake.wait(lock);
                continue;
            }
            if (s->wake.wait_until(lock, s->deadline) == std::cv_status::timeout && s->armed &&
                std::chrono::steady_clock::now() >= s->deadline) {
                s->armed = false;
                g_handler.load()(s->testName.c_str());
            }
        }
    });
}

Watchdog::~Watchdog() {
    Watchdog* self = this;
    g_active.compare_exchange_strong(self, m_state->previous);
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->quit = true;
    }
    m_state->wake.notify_all();
    m_state->thread.join();
    delete m_state;
}

void Watchdog::OnTestStart(const ::testing::TestInfo& info) {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->testName = std::string(info.test_suite_name()) + "." + info.name();
    m_state->deadline = std::chrono::steady_clock::now() + std::chrono::seconds(m_state->seconds);
    m_state->armed = true;
    m_state->wake.notify_all();
}

void Watchdog::OnTestEnd(const ::testing::TestInfo&) {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->armed = false;
    m_state->wake.notify_all();
}

void AllowTestSeconds(unsigned seconds) {
    Watchdog* watchdog = g_active.load();
    if (!watchdog) return;
    std::lock_guard<std::mutex> lock(watchdog->m_state->mutex);
    if (watchdog->m_state->armed) {
        watchdog->m_state->deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        watchdog->m_state->wake.notify_all();
    }
}

int SoakCycles() {
    int nCycles = 1000;
    char szValue[16] = {};
    if (::GetEnvironmentVariableA("RIZ_SOAK_CYCLES", szValue, sizeof(szValue)) > 0 && std::atoi(szValue) > 0)
        nCycles = std::atoi(szValue);
    // A dialog cycle takes about 40 ms on a quiet machine and up to 130 ms on one running several builds:
    // the watchdog, which is there for hangs, allows 250 ms a cycle and room for the set-up around them.
    AllowTestSeconds(60 + static_cast<unsigned>(nCycles / 4));
    return nCycles;
}

void Watchdog::SetExpiredHandler(ExpiredHandler handler) {
    g_handler = handler ? handler : &EndProcess;
}

}  // namespace riztest
