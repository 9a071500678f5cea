// The client driven as a user drives it, in this process:
// - "--selftest [rounds]" runs the scenario (open a chat, send a line and a file, cancel a file,
//   receive a message, float, dock and dock back the toolbar, switch skin and language, open every
//   dialog, quit with a dialog open) and checks what the windows show; rounds after the first must
//   leave no window, GDI object, GDI+ image or timer behind. A last run leaves a look and a layout
//   that are not the defaults in the settings file, for a second start.
// - "--selftest-start [skin=S] [language=L] [bar=top|left|float] [window=l,t,r,b] [status=KEY[:NAME]]"
//   starts as a user's start does, from the settings file, and checks what shows: the skin (its
//   caption), the language, where the classic toolbar is, the window's place and the status bar's
//   first pane (the text of KEY formatted with NAME; without status= the ready text).
// - "--shots DIR" writes pictures of the client instead.
// A watchdog ends a run that hangs.
#pragma once

#include <afxwin.h>

class CMainFrame;

class CSelfTest {
public:
    // TRUE when the command line asks for a self-test or for pictures.
    BOOL ParseCommandLine(LPCTSTR lpszCommandLine);
    BOOL IsRunning() const { return RunsScenario() || m_bStart; }
    // The scenario and the pictures make their own windows; the start check takes the started one.
    BOOL RunsScenario() const { return m_nRounds > 0 || !m_strShots.IsEmpty(); }
    BOOL ChecksStart() const { return m_bStart; }
    // Run them; they answer FALSE, so that the application ends with ExitCode.
    BOOL Run();
    BOOL CheckStart(CMainFrame* pFrame);
    int ExitCode() const { return m_nFailures ? 1 : 0; }

private:
    BOOL WriteShots();
    void LeaveRememberedState();

    int m_nRounds = 0;
    CString m_strShots;
    BOOL m_bStart = FALSE;
    CString m_strExpected;
    int m_nFailures = 0;
};
