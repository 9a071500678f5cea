#include "Bench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace rizbench {

namespace {

double NowNs() {
    static LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1e9 / static_cast<double>(freq.QuadPart);
}

// Only suites whose name contains this text run (all when empty): `bench "skin change"`.
std::string& Filter() {
    static std::string filter;
    return filter;
}

}  // namespace

Timing Measure(const std::function<void(int)>& body, int iterations, int repetitions) {
    body(iterations / 10 + 1);  // warm-up
    std::vector<double> perOp;
    for (int r = 0; r < repetitions; ++r) {
        const double start = NowNs();
        body(iterations);
        perOp.push_back((NowNs() - start) / iterations);
    }
    std::sort(perOp.begin(), perOp.end());
    return Timing{perOp.front(), perOp[perOp.size() / 2]};
}

void Report(const std::string& name, const Timing& timing, const Timing& baseline) {
    const double ratio = baseline.medianNs > 0 ? timing.medianNs / baseline.medianNs : 0;
    std::printf("%s: %.1f ns/op, min %.1f (%.2f x baseline)\n", name.c_str(), timing.medianNs, timing.minNs,
                ratio);
}

void PumpPending() {
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

void DoNotOptimize(const void* p) {
    asm volatile("" : : "g"(p) : "memory");
}

Suite::Suite(std::string name, std::string baselineName, std::function<void(int)> baseline, int iterations)
    : m_name(std::move(name)), m_iterations(iterations) {
    m_skipped = !Filter().empty() && m_name.find(Filter()) == std::string::npos;
    if (m_skipped) return;
    std::printf("== %s\n", m_name.c_str());
    m_baseline = Measure(baseline, iterations);
    Report(baselineName + " (baseline)", m_baseline, m_baseline);
}

void Suite::Add(const std::string& name, const std::function<void(int)>& body) {
    if (m_skipped) return;
    Report(name, Measure(body, m_iterations), m_baseline);
}

std::vector<SuiteFunction>& Suites() {
    static std::vector<SuiteFunction> suites;
    return suites;
}

}  // namespace rizbench

int main(int argc, char** argv) {
    if (argc >= 2) rizbench::Filter() = argv[1];
    for (rizbench::SuiteFunction f : rizbench::Suites())
        f();
    return 0;
}
