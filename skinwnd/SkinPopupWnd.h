// A plain top-level window with the skinned frame: caption, borders, caption buttons, outline, the
// skinned menu bar, owner-drawn menus with images, skin and language changes, message boxes in the skin.
#pragma once

#include "SkinWndT.h"

// Created with CreateEx (a WS_POPUP or WS_OVERLAPPED window). At WM_CREATE the window grows by the
// difference between the skin frame and the system frame, so the client area keeps the size asked for.
class RIZ_API CSkinPopupWnd : public CSkinWndT<CWnd> {
public:
    CSkinPopupWnd();
    ~CSkinPopupWnd() override;

    // The status prompt of a command: its string resource, a "~key" translated through the language
    // table, cut after the first line.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};
