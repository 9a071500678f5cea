// The baseline of the client's first paint: a bare frame window of the client's size, made, shown and
// painted the way the client's main window is, reporting as "client.exe --first-paint" does (the
// milliseconds since the process started, printed, and the microseconds as the exit code).
#include <afxwin.h>

#include <algorithm>
#include <cstdio>

namespace {

ULONGLONG Ticks(const FILETIME& ft) {
    return (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

class CBareFrameApp : public CWinApp {
public:
    BOOL InitInstance() override {
        auto* pFrame = new CFrameWnd;
        m_pMainWnd = pFrame;
        if (!pFrame->Create(NULL, _T("Bare frame"), WS_OVERLAPPEDWINDOW, CRect(60, 40, 1020, 700)))
            return FALSE;
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
        // Painted once nothing waits any more, idle work included.
        for (int nRound = 0; nRound < 100; ++nRound) {
            MSG msg;
            while (::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE))
                if (!AfxPumpMessage()) break;
            for (LONG lCount = 0; OnIdle(lCount); ++lCount) {
            }
            if (!::GetQueueStatus(QS_ALLPOSTMESSAGE | QS_PAINT | QS_SENDMESSAGE)) break;
        }
        FILETIME ftCreated, ftExit, ftKernel, ftUser, ftNow;
        ::GetProcessTimes(::GetCurrentProcess(), &ftCreated, &ftExit, &ftKernel, &ftUser);
        ::GetSystemTimeAsFileTime(&ftNow);
        const ULONGLONG nMicroseconds =
            Ticks(ftNow) > Ticks(ftCreated) ? (Ticks(ftNow) - Ticks(ftCreated)) / 10 : 0;
        std::printf("first complete paint: %.1f ms after the process started\n",
                    static_cast<double>(nMicroseconds) / 1000.0);
        std::fflush(stdout);
        m_pMainWnd = nullptr;
        pFrame->DestroyWindow();
        ::ExitProcess(static_cast<UINT>(std::min<ULONGLONG>(nMicroseconds, 0x7FFFFFFF)));
    }
};

CBareFrameApp theApp;

}  // namespace
