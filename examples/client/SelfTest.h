// The client driven as a user drives it, in this process: "--selftest [rounds]" runs the scenario
// (open a chat, send a line and a file, receive a message, float the toolbar, switch skin and
// language, open every dialog, quit) and checks what the windows show; rounds after the first must
// leave no window and no GDI object behind. "--shots DIR" writes pictures of the client instead.
// A watchdog ends a run that hangs.
#pragma once

#include <afxwin.h>

class CSelfTest {
public:
    // TRUE when the command line asks for a self-test or for pictures.
    BOOL ParseCommandLine(LPCTSTR lpszCommandLine);
    BOOL IsRunning() const { return m_nRounds > 0 || !m_strShots.IsEmpty(); }
    // Runs it; answers FALSE, so that the application ends with ExitCode.
    BOOL Run();
    int ExitCode() const { return m_nFailures ? 1 : 0; }

private:
    BOOL WriteShots();

    int m_nRounds = 0;
    CString m_strShots;
    int m_nFailures = 0;
};
