// The application object and its thread: start-up, the message pump with idle processing, and the
// global accessors (AfxGetApp, AfxGetMainWnd...).
#pragma once

#include "afxver_.h"
#include "afxstr.h"
#include "atltypes.h"
#include "afxwnd_.h"

// A thread with a message pump. The application object is the main thread's.
class AFX_CORE_API CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread() = default;
    ~CWinThread() override = default;

    CWnd* m_pMainWnd = nullptr;    // the window that ends the thread when it closes
    CWnd* m_pActiveWnd = nullptr;  // the window standing in for the main window, when set
    BOOL m_bAutoDelete = TRUE;
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    MSG m_msgCur = {};  // the message being pumped

    operator HANDLE() const { return this == nullptr ? nullptr : m_hThread; }
    // The active window when there is one, else the main window.
    virtual CWnd* GetMainWnd();

    // Overridables, in the order the pump calls them.
    virtual BOOL InitInstance();
    // Pumps messages until WM_QUIT, calling OnIdle(0), OnIdle(1)... whenever the queue is empty until
    // OnIdle answers FALSE; idle processing starts again after a message IsIdleMessage accepts.
    // Answers ExitInstance().
    virtual int Run();
    // Fetches and dispatches one message (after PreTranslateMessage); FALSE at WM_QUIT.
    virtual BOOL PumpMessage();
    // Gives the windows from the message's target up to its top-level parent (each with a permanent
    // object) a chance to handle it first, then the main window when the target lies outside it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // FALSE for messages that must not restart idle processing: WM_PAINT, the caret timer and a mouse
    // move that repeats the last one.
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // lCount 0: WM_IDLEUPDATECMDUI to the visible top-level frames and their permanent descendants
    // (command-UI updates), answers TRUE; lCount 1: frees the thread's temporary objects, answers FALSE.
    virtual BOOL OnIdle(LONG lCount);
    // Messages of the thread's dialog boxes and menus (WH_MSGFILTER); TRUE stops the message.
    virtual BOOL ProcessMessageFilter(int code, LPMSG lpMsg);
    // The exit code: the WM_QUIT message's wParam.
    virtual int ExitInstance();

protected:
    CPoint m_ptCursorLast{-1, -1};
    UINT m_nMsgLast = 0;
};

// The application: one per process, made as a global object of the program.
class AFX_CORE_API CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    // The name defaults to string AFX_IDS_APP_TITLE (0xE000) of the resources, else the program's file
    // name without its extension, set when the framework starts (AfxWinInit).
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    ~CWinApp() override;

    // Heap strings (malloc): the destructor frees them.
    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszExeName = nullptr;       // program file name without extension
    LPCTSTR m_pszProfileName = nullptr;   // .INI file, or the application key under the registry key
    LPCTSTR m_pszRegistryKey = nullptr;   // HKEY_CURRENT_USER\Software\<key>\<profile name> when set
    LPCTSTR m_pszHelpFilePath = nullptr;  // set by AfxWinInit: the program's path with ".HLP"

    HINSTANCE m_hInstance = nullptr;
    LPTSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;

    // Cursors and icons, from the resource chain or the system.
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;  // IDC_ARROW...
    HCURSOR LoadOEMCursor(UINT nIDCursor) const;               // OCR_*
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;  // IDI_APPLICATION...
    HICON LoadOEMIcon(UINT nIDIcon) const;               // OIC_*

    // Settings: the registry under m_pszRegistryKey when set, else the .INI file m_pszProfileName
    // (by default the application name with ".INI", in the Windows folder).
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey();                 // caller closes; NULL without a registry key
    HKEY GetSectionKey(LPCTSTR lpszSection);  // caller closes
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
    // A NULL entry deletes the section; a NULL value deletes the entry.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);

    // Once per process before InitInstance.
    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int Run() override;
    // lCount 0 and 1 as the thread's; answers TRUE while lCount < 1.
    BOOL OnIdle(LONG lCount) override;
    int ExitInstance() override;
    // The message box of AfxMessageBox: owned by the main window, captioned with the application name.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // Sets the handles, command line and names from the process start (AfxWinInit calls it).
    void SetCurrentHandles(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow);
};

// The application object, NULL when the program has none (a console host, a test).
AFX_CORE_API CWinApp* AFXAPI AfxGetApp();
// The CWinThread of the calling thread: the application's on the thread that made it, else NULL.
AFX_CORE_API CWinThread* AFXAPI AfxGetThread();
// The calling thread's main window (its active window when set), else the application's; NULL without
// either.
AFX_CORE_API CWnd* AFXAPI AfxGetMainWnd();
// The application's name; without an application, the program's file name without extension.
AFX_CORE_API LPCTSTR AFXAPI AfxGetAppName();

// One turn of the pump for modal loops: the current thread's PumpMessage, or, without a thread object,
// GetMessage, AfxPreTranslateMessage, TranslateMessage and DispatchMessage. FALSE at WM_QUIT; a modal
// loop then posts WM_QUIT again so that the outer loop ends too.
AFX_CORE_API BOOL AFXAPI AfxPumpMessage();
// The current thread's PreTranslateMessage, or the walk of the target's window tree without one.
AFX_CORE_API BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg);

// The program's start when the framework provides WinMain (library RIZAfxMain): AfxWinInit, the
// application's InitApplication and InitInstance, then Run; answers the exit code.
AFX_CORE_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                                   int nCmdShow);
// The framework's end for the current thread: frees temporary objects and removes the thread's hooks.
AFX_CORE_API void AFXAPI AfxWinTerm();
