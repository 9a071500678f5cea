// The client's main window: a skinned frame with a dock menu bar, a classic toolbar and an item
// toolbar at the top, a status bar with each command's prompt, an outlook bar at the left (lessons,
// word books, friends) and, as its client area, a split window: the contacts beside the chat pane.
// main.cpp builds it (OnCreate, OnCreateClient); MainFrame.cpp holds what it does.
#pragma once

#include <afxwin.h>

#include <RIZuruzezu.h>

#include "ChatPane.h"
#include "ClientDialogs.h"
#include "Contacts.h"

class CMainFrame;

// The item toolbar in a dock pane, so that it docks, floats and docks back like the other bars.
class CItemBarPane : public CQVDockWnd {
public:
    CQVToolBarPlus m_bar;
    CMainFrame* m_pFrame = nullptr;
    BOOL Create(CMainFrame* pFrame, UINT nID);
    // Captions and tooltips again from the current language.
    void Translate();
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
    void SetFrames();
};

// The outlook bar: "Lessons" and "Word books" open their item; "Friends" holds a contact list.
class COutlookPane : public CQVDockOutlookBar {
public:
    CContactList m_friends;
    CMainFrame* m_pFrame = nullptr;
    BOOL Create(CMainFrame* pFrame, UINT nID);
    void Translate();
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;

protected:
    afx_msg LRESULT OnOutBarNotify(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// A status-bar message: the text of a language key formatted with a name and a number.
CString ClientMessage(LPCTSTR lpszKey, LPCTSTR lpszName, int nNumber = 0);
// What the current language lacks, for the status bar; empty when it has every text.
CString MissingTextsMessage();

class CMainFrame : public CSkinFrameWnd {
public:
    // What the user sees, open to the self-test that drives the client.
    CQVStatusBar m_status;
    CQVDockMenuBar m_menuBar;
    CQVDockToolBar m_classicBar;
    CQVBitmapList m_toolImages;
    CItemBarPane m_itemBar;
    COutlookPane m_outlook;
    CQVSplitWnd m_split;
    CContactList m_contacts;
    CChatPane m_chat;
    CLessonDialog m_lesson;
    CWordBookDialog m_wordBook;
    DWORD m_dwWaiting = 0;  // the contact whose message waits, 0 for none

    // Opens the chat with a contact and stops their picture flashing.
    void OpenChat(DWORD dwContact);
    // A message arrives from kMessagingContact: their picture flashes until their chat opens.
    void SimulateMessage();
    // The first status pane: a message that stays until the next prompt.
    void ShowStatus(const CString& strText);
    // The same for a message of the start: it comes after the frame's own first prompt, which the
    // frame posts to itself when it is made.
    void ShowStartStatus(const CString& strText);
    BOOL SwitchSkin(LPCTSTR lpszName);
    BOOL SwitchLanguage(LPCTSTR lpszName);
    void GetMessageString(UINT nID, CString& rMessage) const override;

protected:
    // main.cpp: how the window is put together.
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    BOOL CreateMenuAndToolBars();
    BOOL CreateOutlookBar();
    // MainFrame.cpp: what it does.
    void Translate();
    void LoadToolImages();
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnClose();
    afx_msg void OnLessonOpen();
    afx_msg void OnPlanner();
    afx_msg void OnSettings();
    afx_msg void OnExit();
    afx_msg void OnWordBook();
    afx_msg void OnChat();
    afx_msg void OnSendFile(UINT nID);
    afx_msg void OnSimulate();
    afx_msg void OnSkin(UINT nID);
    afx_msg void OnLanguage(UINT nID);
    afx_msg void OnAbout();
    afx_msg void OnGallery();
    afx_msg LRESULT OnStartStatus(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUpdateSkin(CCmdUI* pCmdUI);
    afx_msg void OnUpdateLanguage(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    // Runs a modal dialog or message box; a close asked for meanwhile comes when it has ended.
    template <class TRun>
    void RunModal(TRun run);

    int m_nModal = 0;
    CString m_strStartStatus;
    BOOL m_bCloseAfterModal = FALSE;
};
