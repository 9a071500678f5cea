// The sample client as a whole, each figure from programs started beside bench.exe: the time from a
// process's start to the first complete paint of the client's main window against a bare frame window
// of the same size, and a skin switch of the whole client (in its own process, "client.exe --bench-skin")
// against invalidating and painting every window of it.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Bench.h"

namespace {

constexpr int kStarts = 5;     // processes started for each first-paint figure
constexpr int kSwitches = 12;  // skin switches in the client's run
constexpr DWORD kTimeoutMs = 120000;

std::string BesideBench(const char* pszProgram) {
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    std::string strPath = szPath;
    return strPath.substr(0, strPath.find_last_of('\\') + 1) + pszProgram;
}

// Runs the program with the arguments and collects what it prints; FALSE when it does not start or
// does not end in time. The exit code is the program's.
bool Run(const std::string& strProgram, const std::string& strArgs, std::string* pOutput, DWORD* pExitCode) {
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE hRead = nullptr, hWrite = nullptr;
    if (!::CreatePipe(&hRead, &hWrite, &sa, 0)) return false;
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = hWrite;
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    std::string strCommand = "\"" + strProgram + "\" " + strArgs;
    const BOOL bStarted = ::CreateProcessA(strProgram.c_str(), &strCommand[0], nullptr, nullptr, TRUE, 0,
                                           nullptr, nullptr, &si, &pi);
    ::CloseHandle(hWrite);
    if (!bStarted) {
        ::CloseHandle(hRead);
        std::printf("bench: %s does not start\n", strProgram.c_str());
        return false;
    }
    char buffer[4096];
    DWORD dwRead = 0;
    while (::ReadFile(hRead, buffer, sizeof(buffer), &dwRead, nullptr) && dwRead > 0)
        pOutput->append(buffer, dwRead);
    ::CloseHandle(hRead);
    const bool bEnded = ::WaitForSingleObject(pi.hProcess, kTimeoutMs) == WAIT_OBJECT_0;
    if (!bEnded) ::TerminateProcess(pi.hProcess, 1);
    ::GetExitCodeProcess(pi.hProcess, pExitCode);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return bEnded;
}

// The first-paint times of kStarts runs of a program, each the microseconds its exit code gives.
rizbench::Timing FirstPaints(const char* pszProgram, const char* pszArgs) {
    std::vector<double> samples;
    for (int i = 0; i < kStarts; ++i) {
        std::string strOutput;
        DWORD dwMicroseconds = 0;
        if (Run(BesideBench(pszProgram), pszArgs, &strOutput, &dwMicroseconds) && dwMicroseconds > 0)
            samples.push_back(dwMicroseconds * 1000.0);
    }
    return rizbench::FromSamples(samples);
}

void FirstPaintSuite() {
    rizbench::Suite suite("client first paint (process start to the main window painted)",
                          "a bare frame window of the same size",
                          [] { return FirstPaints("benchframe.exe", ""); });
    suite.AddMeasured("the client's main window (bars, outlook bar, contacts, chat)",
                      [] { return FirstPaints("client.exe", "--first-paint"); });
}

// A figure "<text>: <median> ms (min <min>)" of the client's output, in nanoseconds.
rizbench::Timing FigureIn(const std::string& strOutput, const char* pszText) {
    const size_t nAt = strOutput.find(std::string(pszText) + ": ");
    double dMedian = 0, dMin = 0;
    if (nAt == std::string::npos || std::sscanf(strOutput.c_str() + nAt + std::strlen(pszText) + 2,
                                                "%lf ms (min %lf)", &dMedian, &dMin) != 2)
        return rizbench::Timing();
    return rizbench::Timing{dMin * 1e6, dMedian * 1e6};
}

void ClientSkinSwitchSuite() {
    std::string strOutput;
    rizbench::Suite suite("client skin switch (Default and Jade, a chat, a transfer, the outlook bar)",
                          "invalidate and update every window", [&] {
                              DWORD dwExit = 0;
                              Run(BesideBench("client.exe"), "--bench-skin " + std::to_string(kSwitches),
                                  &strOutput, &dwExit);
                              return FigureIn(strOutput, "invalidate and update every window");
                          });
    suite.AddMeasured("skin switch of the whole client",
                      [&] { return FigureIn(strOutput, "skin switch of the whole client"); });
    // The client's own lines after its figures: the windows, and the classes the message costs most.
    const size_t nAt = strOutput.find("windows: ");
    if (suite.Runs() && nAt != std::string::npos) std::printf("%s", strOutput.substr(nAt).c_str());
}

const rizbench::Register
    s_registerFirstPaint(&FirstPaintSuite, {"client first paint (process start to the main window painted)"});
const rizbench::Register
    s_registerSkinSwitch(&ClientSkinSwitchSuite,
                         {"client skin switch (Default and Jade, a chat, a transfer, the outlook bar)"});

}  // namespace
