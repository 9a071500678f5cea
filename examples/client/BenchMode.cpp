#include "BenchMode.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include <QVSkinResManager.h>

#include "ClientIds.h"
#include "ClientStyle.h"
#include "MainFrame.h"

namespace {

constexpr UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;

// The argument after lpszSwitch on the command line, or NULL when the switch is not there.
LPCTSTR FindSwitch(LPCTSTR lpszCommandLine, LPCTSTR lpszSwitch) {
    LPCTSTR psz = lpszCommandLine ? _tcsstr(lpszCommandLine, lpszSwitch) : nullptr;
    if (!psz) return nullptr;
    psz += _tcslen(lpszSwitch);
    while (*psz == _T(' '))
        ++psz;
    return psz;
}

ULONGLONG FileTimeTicks(const FILETIME& ft) {
    return (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

// Microseconds since the system created this process.
ULONGLONG MicrosecondsSinceStart() {
    FILETIME ftCreated, ftExit, ftKernel, ftUser, ftNow;
    if (!::GetProcessTimes(::GetCurrentProcess(), &ftCreated, &ftExit, &ftKernel, &ftUser)) return 0;
    ::GetSystemTimeAsFileTime(&ftNow);
    const ULONGLONG nNow = FileTimeTicks(ftNow), nCreated = FileTimeTicks(ftCreated);
    return nNow > nCreated ? (nNow - nCreated) / 10 : 0;
}

double NowMs() {
    LARGE_INTEGER freq, now;
    ::QueryPerformanceFrequency(&freq);
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
}

struct CProcTiming;
void DispatchTimed(const MSG& msg);

// Every waiting message dispatched and the idle work done (the bars' delayed layout, the update
// handlers), until nothing is left: then every window of the thread has painted what it had to. Timed,
// each message is dispatched as the profile below times it.
void PumpUntilQuiet(bool bTimed = false) {
    CWinApp* pApp = AfxGetApp();
    for (int nRound = 0; nRound < 100; ++nRound) {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, bTimed ? PM_REMOVE : PM_NOREMOVE)) {
            if (!bTimed && !AfxPumpMessage()) return;
            if (bTimed && msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));  // taken off the queue: put back
                return;
            }
            if (bTimed) DispatchTimed(msg);
        }
        for (LONG lCount = 0; pApp && pApp->OnIdle(lCount); ++lCount) {
        }
        if (!::GetQueueStatus(QS_ALLPOSTMESSAGE | QS_PAINT | QS_SENDMESSAGE)) return;
    }
}

// Every window of the thread, top-level windows first.
BOOL CALLBACK CollectChild(HWND hWnd, LPARAM lParam) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}
BOOL CALLBACK CollectTopLevel(HWND hWnd, LPARAM lParam) {
    CollectChild(hWnd, lParam);
    ::EnumChildWindows(hWnd, &CollectChild, lParam);
    return TRUE;
}
std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectTopLevel, reinterpret_cast<LPARAM>(&windows));
    return windows;
}
BOOL CALLBACK RedrawTopLevel(HWND hWnd, LPARAM) {
    ::RedrawWindow(hWnd, nullptr, nullptr, kRedrawAll);
    return TRUE;
}

struct Figure {
    double dMedian = 0;
    double dMin = 0;
};
Figure FigureOf(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? Figure() : Figure{samples[samples.size() / 2], samples.front()};
}

// The window's class; for the framework's generated class names, the window's text beside it.
CString ClassOf(HWND hWnd) {
    TCHAR sz[128] = {};
    ::GetClassName(hWnd, sz, 128);
    CString strClass = sz;
    if (strClass.Left(4) == _T("Afx:")) {
        ::GetWindowText(hWnd, sz, 32);
        strClass = CString(_T("Afx \"")) + sz + _T("\"");
    }
    return strClass;
}

// What a whole-client skin switch costs each class of window and each message: the time a window
// procedure spends on every message it gets during the notice (the skin-changed message and the moves,
// sizes and layouts it causes) and during the painting after it, less the time of the messages it
// sends to other windows meanwhile, in milliseconds, over a switch to the other skin and back.
struct CProcTiming {
    HWND hWnd;
    UINT message;
    double dStart;
    double dNested;  // time of the messages sent from inside this one
};
using CostKey = std::pair<HWND, UINT>;
struct Cost {
    double dMs = 0;
    int nMessages = 0;
};
std::vector<CProcTiming> g_stack;
std::map<CostKey, Cost>* g_pCosts = nullptr;

LRESULT CALLBACK TimeProcEnter(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HC_ACTION) {
        const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
        g_stack.push_back({pMsg->hwnd, pMsg->message, NowMs(), 0});
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
LRESULT CALLBACK TimeProcLeave(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HC_ACTION && !g_stack.empty()) {
        const CProcTiming timing = g_stack.back();
        g_stack.pop_back();
        const double dTotal = NowMs() - timing.dStart;
        if (!g_stack.empty()) g_stack.back().dNested += dTotal;
        // Only the window is noted here: asking for its class or text would send messages of its own.
        Cost& cost = (*g_pCosts)[CostKey(timing.hWnd, timing.message)];
        cost.dMs += dTotal - timing.dNested;
        ++cost.nMessages;
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// A posted message dispatched and timed as the hooks time sent ones.
void DispatchTimed(const MSG& msg) {
    g_stack.push_back({msg.hwnd, msg.message, NowMs(), 0});
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
    const CProcTiming timing = g_stack.back();
    g_stack.pop_back();
    Cost& cost = (*g_pCosts)[CostKey(timing.hWnd, timing.message)];
    cost.dMs += NowMs() - timing.dStart - timing.dNested;
    ++cost.nMessages;
}

// The nTop largest of costs, halved (two notices were timed), under a heading with their sum.
void PrintTop(const char* pszHeading, const std::map<CString, Cost>& costs, int nTop) {
    std::vector<std::pair<double, CString>> sorted;
    double dSum = 0;
    for (const auto& cost : costs) {
        CString strName;
        strName.Format(_T("%s (%d messages)"), static_cast<LPCTSTR>(cost.first), cost.second.nMessages);
        sorted.emplace_back(cost.second.dMs / 2, strName);
        dSum += cost.second.dMs / 2;
    }
    std::sort(sorted.rbegin(), sorted.rend());
    std::printf("one skin switch, %s: %.2f ms\n", pszHeading, dSum);
    for (int i = 0; i < nTop && i < static_cast<int>(sorted.size()); ++i)
        std::printf("  %s: %.2f ms\n", static_cast<const char*>(CStringA(sorted[i].second)), sorted[i].first);
}

// The costs by window class and by class and message, the nTop largest of each.
void PrintCosts(const char* pszPhase, const std::map<CostKey, Cost>& byMessage, int nTop) {
    std::map<CString, Cost> byClass, byClassMessage;
    for (const auto& entry : byMessage) {
        const CString strClass = ClassOf(entry.first.first);
        CString strMessage;
        strMessage.Format(_T("%s 0x%04X"), static_cast<LPCTSTR>(strClass), entry.first.second);
        for (Cost* pCost : {&byClass[strClass], &byClassMessage[strMessage]}) {
            pCost->dMs += entry.second.dMs;
            pCost->nMessages += entry.second.nMessages;
        }
    }
    CStringA strHeading;
    strHeading.Format("%s, by window class (own time of its messages)", pszPhase);
    PrintTop(strHeading, byClass, nTop);
    strHeading.Format("%s, by window class and message", pszPhase);
    PrintTop(strHeading, byClassMessage, nTop);
}

void PrintCostliestClasses(CMainFrame* pFrame, const CString& strFirst, const CString& strOther, int nTop) {
    // Each phase timed under both skins: the notice, the painting it leaves, then a redraw of every
    // window in the same skin, the baseline's own work.
    std::map<CostKey, Cost> notice, painting, redraw;
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    for (const CString& strSkin : {strOther, strFirst}) {
        pSkins->LoadSkin(SkinFolderNamed(strSkin));
        HHOOK hEnter = ::SetWindowsHookEx(WH_CALLWNDPROC, &TimeProcEnter, nullptr, ::GetCurrentThreadId());
        HHOOK hLeave = ::SetWindowsHookEx(WH_CALLWNDPROCRET, &TimeProcLeave, nullptr, ::GetCurrentThreadId());
        g_pCosts = &notice;
        QVNotifyThreadWindows(WM_QV_SKINCHANGED, kRedrawAll);
        g_pCosts = &painting;
        PumpUntilQuiet(true);
        g_pCosts = &redraw;
        ::EnumThreadWindows(::GetCurrentThreadId(), &RedrawTopLevel, 0);
        PumpUntilQuiet(true);
        ::UnhookWindowsHookEx(hEnter);
        ::UnhookWindowsHookEx(hLeave);
        g_pCosts = nullptr;
        g_stack.clear();
    }
    PrintCosts("the notice", notice, nTop);
    PrintCosts("the painting after it", painting, nTop);
    PrintCosts("the baseline's redraw", redraw, nTop);
    pFrame->UpdateWindow();
}

// The skin's files read alone, without telling any window: the part of a switch no window costs.
Figure SkinLoads(const CString& strFirst, const CString& strOther, int nLoads) {
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    const CString strFolders[2] = {SkinFolderNamed(strFirst), SkinFolderNamed(strOther)};
    std::vector<double> loads;
    for (int i = 0; i < nLoads; ++i) {
        const double dStart = NowMs();
        pSkins->LoadSkin(strFolders[(i + 1) % 2]);
        loads.push_back(NowMs() - dStart);
    }
    if (nLoads % 2) pSkins->LoadSkin(strFolders[0]);
    return FigureOf(loads);
}

// How often one whole-client notice reaches the windows: every skin-changed message a window procedure
// of the thread receives, counted by a hook.
int g_nDeliveries = 0;
LRESULT CALLBACK CountSkinChanged(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_QV_SKINCHANGED)
        ++g_nDeliveries;
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
int DeliveriesOfOneNotice() {
    g_nDeliveries = 0;
    HHOOK hHook = ::SetWindowsHookEx(WH_CALLWNDPROC, &CountSkinChanged, nullptr, ::GetCurrentThreadId());
    QVNotifyThreadWindows(WM_QV_SKINCHANGED, kRedrawAll);
    ::UnhookWindowsHookEx(hHook);
    PumpUntilQuiet();
    return g_nDeliveries;
}

int RunFirstPaint(CMainFrame*) {
    PumpUntilQuiet();
    const ULONGLONG nMicroseconds = MicrosecondsSinceStart();
    std::printf("first complete paint: %.1f ms after the process started\n",
                static_cast<double>(nMicroseconds) / 1000.0);
    return static_cast<int>(std::min<ULONGLONG>(nMicroseconds, 0x7FFFFFFF));
}

int RunSkinSwitches(CMainFrame* pFrame, int nSwitches) {
    // What the user has open: a chat with a line, a file on its way, the outlook bar at the left.
    pFrame->OpenChat(1);
    pFrame->m_chat.m_input.SetWindowText(_T("See you at eight"));
    pFrame->m_chat.SendLine();
    pFrame->m_chat.SendFile(ID_SEND_FILE_LESSON);
    pFrame->ShowControlBar(&pFrame->m_outlook, TRUE, FALSE);
    PumpUntilQuiet();
    const CString strFirst = CurrentSkinName();
    const CString strOther = strFirst.CompareNoCase(_T("Jade")) == 0 ? _T("Default") : _T("Jade");

    // The baseline and the switch in turn, so that a change of the machine's load meets both.
    std::vector<double> redraws, switches, paintings;
    for (int i = 0; i < nSwitches; ++i) {
        double dStart = NowMs();
        ::EnumThreadWindows(::GetCurrentThreadId(), &RedrawTopLevel, 0);
        PumpUntilQuiet();
        redraws.push_back(NowMs() - dStart);

        dStart = NowMs();
        pFrame->SwitchSkin(i % 2 ? strFirst : strOther);
        const double dSwitched = NowMs();
        PumpUntilQuiet();
        switches.push_back(NowMs() - dStart);
        paintings.push_back(NowMs() - dSwitched);
    }
    if (nSwitches % 2) pFrame->SwitchSkin(strFirst);
    PumpUntilQuiet();
    const Figure redraw = FigureOf(redraws), change = FigureOf(switches);
    std::printf("windows: %d, skin-changed messages of one switch: %d\n",
                static_cast<int>(ThreadWindows().size()), DeliveriesOfOneNotice());
    std::printf("invalidate and update every window: %.2f ms (min %.2f)\n", redraw.dMedian, redraw.dMin);
    std::printf("skin switch of the whole client: %.2f ms (min %.2f) (%.2f x baseline)\n", change.dMedian,
                change.dMin, redraw.dMedian > 0 ? change.dMedian / redraw.dMedian : 0);
    const Figure load = SkinLoads(strFirst, strOther, nSwitches);
    std::printf("of which reading the skin's files: %.2f ms (min %.2f)\n", load.dMedian, load.dMin);
    // The first switch goes to the skin the start did not load: its files are read and decoded, where
    // the later switches find them decoded.
    std::printf("the first switch of the run: %.2f ms\n", switches.empty() ? 0 : switches[0]);
    const Figure painting = FigureOf(paintings);
    std::printf("of which the painting after the notice: %.2f ms (min %.2f)\n", painting.dMedian,
                painting.dMin);
    PrintCostliestClasses(pFrame, strFirst, strOther, 8);
    return 0;
}

}  // namespace

BOOL IsBenchMode(LPCTSTR lpszCommandLine) {
    return FindSwitch(lpszCommandLine, _T("--first-paint")) ||
           FindSwitch(lpszCommandLine, _T("--bench-skin"));
}

BOOL RunBenchMode(LPCTSTR lpszCommandLine, CMainFrame* pFrame) {
    int nExitCode = 0;
    if (FindSwitch(lpszCommandLine, _T("--first-paint"))) {
        nExitCode = RunFirstPaint(pFrame);
    } else {
        const int nSwitches = _ttoi(FindSwitch(lpszCommandLine, _T("--bench-skin")));
        nExitCode = RunSkinSwitches(pFrame, std::max(2, std::min(nSwitches, 1000)));
    }
    std::fflush(stdout);
    // Destroyed without closing, so that the settings file keeps what the last real run left.
    AfxGetApp()->m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
    ::ExitProcess(static_cast<UINT>(nExitCode));
}
