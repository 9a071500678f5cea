// A small timing harness: every figure is printed against a baseline measured in the same run.
#pragma once

#include <functional>
#include <initializer_list>
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

// The minimum and median of samples measured elsewhere (another process), in nanoseconds.
Timing FromSamples(std::vector<double> samplesNs);

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
    // A suite whose figures are measured outside the harness (in other processes): the baseline and
    // each figure are the timings that measure answers.
    Suite(std::string name, std::string baselineName, const std::function<Timing()>& measureBaseline);
    void Add(const std::string& name, const std::function<void(int)>& body);
    void AddMeasured(const std::string& name, const std::function<Timing()>& measure);
    // FALSE when the filter or --list leaves the suite out: it measures nothing.
    bool Runs() const { return !m_skipped; }

private:
    bool Announce();

    std::string m_name;
    Timing m_baseline;
    int m_iterations;
    bool m_skipped = false;
};

// Every bench file registers its suite functions here; main runs them in registration order. A function
// registered with the names of the suites it makes is not run at all when the command-line filter is in
// none of them, so that its windows and data are not made; "{a|b}" in a name stands for each of a and b.
// A suite missing from its function's names is reported as an error when it runs. `bench --list` prints
// every suite's name instead of measuring.
using SuiteFunction = void (*)();
struct Registration {
    SuiteFunction function;
    std::vector<std::string> names;  // empty: always run
};
std::vector<Registration>& Registrations();
struct Register {
    explicit Register(SuiteFunction f) { Registrations().push_back({f, {}}); }
    Register(SuiteFunction f, std::initializer_list<const char*> names) {
        Registrations().push_back({f, std::vector<std::string>(names.begin(), names.end())});
    }
};

// Every name a registered name stands for: each "{a|b|...}" is replaced by each of its choices.
std::vector<std::string> ExpandName(const std::string& name);

}  // namespace rizbench
