// A frame window with the skinned frame: caption, borders, caption buttons, outline, the skinned menu
// bar, owner-drawn menus with images, skin and language changes, and message boxes in the skin.
#pragma once

#include "SkinWndT.h"

// Created like any frame (Create, LoadFrame; with new: it deletes itself when its window goes). The
// frame's menu shows as the skinned menu bar under the caption; Alt, F10 and Alt + letter open it.
// At WM_CREATE the window grows by the difference between the skin frame and the system frame, so the
// client area keeps the size asked for; a skin change adjusts it again.
class RIZ_API CSkinFrameWnd : public CSkinWndT<CFrameWnd> {
    DECLARE_DYNCREATE(CSkinFrameWnd)
public:
    CSkinFrameWnd();
    ~CSkinFrameWnd() override;

    // The status prompt of a command: its string resource, a "~key" translated through the language
    // table, cut after the first line.
    void GetMessageString(UINT nID, CString& rMessage) const override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};
