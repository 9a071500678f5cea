// Fails a test that hangs: a background thread ends the process when one test runs too long.
#pragma once

#include <gtest/gtest.h>

namespace riztest {

// Seconds one test may run before the watchdog ends the process with exit code 3.
constexpr unsigned kDefaultTestSeconds = 20;

// Arms the watchdog at every test start and disarms it at the end; installed by the test main.
class Watchdog : public ::testing::EmptyTestEventListener {
public:
    explicit Watchdog(unsigned seconds = kDefaultTestSeconds);
    ~Watchdog() override;

    void OnTestStart(const ::testing::TestInfo& info) override;
    void OnTestEnd(const ::testing::TestInfo& info) override;

    // What the watchdog does when time runs out; tests of the watchdog replace it.
    using ExpiredHandler = void (*)(const char* testName);
    static void SetExpiredHandler(ExpiredHandler handler);

private:
    friend void AllowTestSeconds(unsigned seconds);

    struct State;
    State* m_state;
};

// Gives the running test this many seconds from now instead of the default (for long soak tests;
// CTest still ends any test after 300 seconds).
void AllowTestSeconds(unsigned seconds);

// The cycle count of a soak test (a test whose name ends in "Soak"): 1,000 in `make test`, where a
// per-cycle leak already shows, and RIZ_SOAK_CYCLES (10,000) in `make soak`. Gives the running test
// the watchdog time that count needs.
int SoakCycles();

}  // namespace riztest
