// The right side of the client: the conversation with the contact whose chat is open, the transfers of
// the files sent to them, an input box (Enter sends the line) and a "Send file" drop-down button.
// A timer stands in for the network: each tick moves every running transfer on until it is done.
#pragma once

#include <afxwin.h>

#include <RIZuruzezu.h>

#include <functional>
#include <map>

// The full path of a file beside the program (the settings, the drop-down's arrow, the gallery).
CString BesideProgram(LPCTSTR lpszFile);

// The input box: Enter sends the line to the pane instead of breaking it.
class CInputBox : public CQVEdit {
public:
    std::function<void()> m_onEnter;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()
};

class CChatPane : public CWnd {
public:
    // The stand-in network's timer: set while a transfer runs.
    static constexpr UINT_PTR kTransferTimer = 1;
    // A message for the status bar (a transfer cancelled).
    std::function<void(const CString&)> m_onStatus;

    BOOL Create(CWnd* pParent, UINT nID);
    // Shows the conversation with a contact (their name a language key); the pane keeps every
    // contact's conversation.
    void OpenChat(DWORD dwContact, LPCTSTR lpszNameKey);
    DWORD GetPartner() const { return m_dwPartner; }
    // Adds a line from a contact; TRUE when that contact's chat is the one shown.
    BOOL Receive(DWORD dwContact, const CString& strName, const CString& strText);
    // Sends the line in the input box to the open chat; FALSE without a chat or a line.
    BOOL SendLine();
    // Starts sending a file (ID_SEND_FILE_LESSON or ID_SEND_FILE_WORDS); FALSE without an open chat.
    BOOL SendFile(UINT nFileCommand);
    // Texts again from the current language.
    void Translate();

    CQVEdit m_conversation;
    CQVFileTransferList m_transfers;
    CInputBox m_input;
    CQVDropdownButton m_sendFile;
    CQVLabel m_title;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg void OnSendFileClicked(NMHDR* pNotify, LRESULT* pResult);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTransferLink(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void LoadButtonImages();
    void ShowConversation();
    void Layout();

    CFont m_font;
    DWORD m_dwPartner = 0;
    CString m_strPartnerKey;
    std::map<DWORD, CString> m_conversations;
    unsigned long m_nNextTransfer = 1;
};
