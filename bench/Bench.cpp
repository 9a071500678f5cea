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

bool g_bList = false;                      // print the suites' names, measure nothing
const Registration* g_pRunning = nullptr;  // the function being run
int g_nUndeclared = 0;                     // suites missing from their function's names

bool Declared(const Registration& registration, const std::string& name) {
    for (const std::string& declared : registration.names)
        for (const std::string& expanded : ExpandName(declared))
            if (expanded == name) return true;
    return false;
}

// Whether the function makes a suite the filter selects (or may: its names are not declared).
bool Selected(const Registration& registration) {
    if (Filter().empty() || registration.names.empty()) return true;
    for (const std::string& declared : registration.names)
        for (const std::string& expanded : ExpandName(declared))
            if (expanded.find(Filter()) != std::string::npos) return true;
    return false;
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
    if (!Announce()) return;
    m_baseline = Measure(baseline, iterations);
    Report(baselineName + " (baseline)", m_baseline, m_baseline);
}

Suite::Suite(std::string name, std::string baselineName, const std::function<Timing()>& measureBaseline)
    : m_name(std::move(name)), m_iterations(0) {
    if (!Announce()) return;
    m_baseline = measureBaseline();
    Report(baselineName + " (baseline)", m_baseline, m_baseline);
}

bool Suite::Announce() {
    if (g_pRunning && !g_pRunning->names.empty() && !Declared(*g_pRunning, m_name)) {
        std::fprintf(stderr, "bench: suite \"%s\" is missing from its registration's names\n",
                     m_name.c_str());
        ++g_nUndeclared;
    }
    if (g_bList) std::printf("%s\n", m_name.c_str());
    m_skipped = g_bList || (!Filter().empty() && m_name.find(Filter()) == std::string::npos);
    if (m_skipped) return false;
    std::printf("== %s\n", m_name.c_str());
    return true;
}

void Suite::Add(const std::string& name, const std::function<void(int)>& body) {
    if (m_skipped) return;
    Report(name, Measure(body, m_iterations), m_baseline);
}

void Suite::AddMeasured(const std::string& name, const std::function<Timing()>& measure) {
    if (m_skipped) return;
    Report(name, measure(), m_baseline);
}

Timing FromSamples(std::vector<double> samplesNs) {
    if (samplesNs.empty()) return Timing();
    std::sort(samplesNs.begin(), samplesNs.end());
    return Timing{samplesNs.front(), samplesNs[samplesNs.size() / 2]};
}

std::vector<Registration>& Registrations() {
    static std::vector<Registration> registrations;
    return registrations;
}

std::vector<std::string> ExpandName(const std::string& name) {
    const size_t open = name.find('{');
    const size_t close = open == std::string::npos ? open : name.find('}', open);
    if (close == std::string::npos) return {name};
    std::vector<std::string> names;
    const std::string rest = name.substr(close + 1);
    for (size_t start = open + 1;;) {
        const size_t bar = std::min(name.find('|', start), close);
        for (const std::string& tail : ExpandName(rest))
            names.push_back(name.substr(0, open) + name.substr(start, bar - start) + tail);
        if (bar == close) break;
        start = bar + 1;
    }
    return names;
}

}  // namespace rizbench

int main(int argc, char** argv) {
    using namespace rizbench;
    if (argc >= 2 && std::string(argv[1]) == "--list")
        g_bList = true;
    else if (argc >= 2)
        Filter() = argv[1];
    for (const Registration& registration : Registrations()) {
        if (!Selected(registration)) continue;
        g_pRunning = &registration;
        registration.function();
        g_pRunning = nullptr;
    }
    return g_nUndeclared ? 1 : 0;
}
