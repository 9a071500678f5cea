// A small timing harness: every figure is printed against a baseline measured in the same run.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace rizbench {

// Minimum and median nanoseconds per operation over several repetitions.
struct Timing {
    double minNs = 0;
    double medianNs = 0;
};

// Runs body(iterations) `repetitions` times and times each run.
Timing Measure(const std::function<void(int)>& body, int iterations, int repetitions = 7);

// Prints "name: <median> ns/op (min <min>) (<ratio> x baseline)".
void Report(const std::string& name, const Timing& timing, const Timing& baseline);

// Dispatches every message waiting in the thread's queue (paints, posted messages) before a figure.
void PumpPending();

// Keeps the optimiser from removing work whose result is otherwise unused.
void DoNotOptimize(const void* p);

// A group of figures sharing one baseline, printed in the order they are added. A suite left out by
// the command-line filter measures nothing.
class Suite {
public:
    Suite(std::string name, std::string baselineName, std::function<void(int)> baseline, int iterations);
    void Add(const std::string& name, const std::function<void(int)>& body);

private:
    std::string m_name;
    Timing m_baseline;
    int m_iterations;
    bool m_skipped = false;
};

// Every bench file registers its suites here; main runs them in registration order.
using SuiteFunction = void (*)();
std::vector<SuiteFunction>& Suites();
struct Register {
    explicit Register(SuiteFunction f) { Suites().push_back(f); }
};

}  // namespace rizbench
