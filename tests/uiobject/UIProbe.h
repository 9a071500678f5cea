// What the windowless-object tests share: a probe kind that records every call it receives, and a host
// window written as a client would write one (the duties of a host, with WM_TIMER and scroll bars).
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVMouseLoop.h"
#include "QVPaintMemoryDC.h"
#include "QVUIShell.h"
#include "QVUIWindow.h"
#include "TestWindow.h"

namespace uitest {

using Log = std::vector<std::string>;

// Renders an object tree into a surface of its own through a framework DC.
inline void RenderInto(CQVUIObject& root, riztest::Surface& surface) {
    CDC dc;
    dc.Attach(surface.Dc());
    root.Render(dc, CRect(0, 0, surface.Width(), surface.Height()));
    dc.Detach();
}

// Records the objects' shell launches instead of starting anything, while it lives.
struct Launch {
    CString verb, file, params;
};
class ShellRecorder {
public:
    ShellRecorder() : m_pfnOld(QVUISetShellExecute(&Record)) { Launches().clear(); }
    ~ShellRecorder() { QVUISetShellExecute(m_pfnOld); }
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;
    static std::vector<Launch>& Launches() {
        static std::vector<Launch> s_launches;
        return s_launches;
    }

private:
    static HINSTANCE Record(HWND, LPCTSTR lpszVerb, LPCTSTR lpszFile, LPCTSTR lpszParams, LPCTSTR, INT) {
        Launches().push_back(
            {lpszVerb ? lpszVerb : _T(""), lpszFile ? lpszFile : _T(""), lpszParams ? lpszParams : _T("")});
        return reinterpret_cast<HINSTANCE>(33);
    }
    QVUIShellExecuteFunc m_pfnOld;
};

// Records "name:call" (with the point for mouse calls) into a shared log; fills its rect with its
// background colour like the base.
class CProbe : public CQVUIObject {
public:
    CProbe(const char* pszName, Log* pLog, int x, int y, int cx, int cy, COLORREF clr = RGB(0, 0, 255))
        : m_strName(pszName), m_pLog(pLog) {
        SetObjectPos(x, y, cx, cy);
        SetBackgroundColor(clr);
    }
    ~CProbe() override {
        if (m_pLog) m_pLog->push_back(m_strName + ":deleted");
    }

    int OnMouseMove(const CPoint& pt) override {
        Record("move", pt);
        return CQVUIObject::OnMouseMove(pt);
    }
    int OnLButtonDown(const CPoint& pt) override {
        Record("down", pt);
        CQVUIObject::OnLButtonDown(pt);
        if (m_onDown) m_onDown(this);
        return 1;
    }
    int OnLButtonUp(const CPoint& pt) override {
        Record("up", pt);
        CQVUIObject::OnLButtonUp(pt);
        if (m_onUp) m_onUp(this);
        return 1;
    }
    int OnMouseLeave() override {
        m_pLog->push_back(m_strName + ":leave");
        const int nResult = CQVUIObject::OnMouseLeave();
        if (m_onLeave) m_onLeave(this);
        return nResult;
    }
    int __OnTimer(UINT nTimerID) override {
        if (nTimerID == m_nTimer) {
            m_pLog->push_back(m_strName + ":timer");
            return 1;
        }
        return CQVUIObject::__OnTimer(nTimerID);
    }
    void OnRender(CDC& /*dc*/, const CRect& /*rcClip*/) override { ++m_nRenders; }

    UINT StartTimer(UINT nElapse) {
        m_nTimer = StartHostTimer(nElapse);
        return m_nTimer;
    }
    void StopTimer() { StopHostTimer(m_nTimer); }
    int Notify(UINT nCode, UINT wParam = 0, LONG lParam = 0) { return NotifyParent(nCode, wParam, lParam); }

    std::string m_strName;
    Log* m_pLog;
    UINT m_nTimer = 0;
    int m_nRenders = 0;
    std::function<void(CProbe*)> m_onDown, m_onUp, m_onLeave;

private:
    void Record(const char* pszCall, const CPoint& pt) {
        m_pLog->push_back(m_strName + ":" + pszCall + "(" + std::to_string(pt.x) + "," +
                          std::to_string(pt.y) + ")");
    }
};

// A host as a client writes one: a child window whose root object is the window object itself.
class CProbeHost : public CWnd, public CQVUIWindow<CProbeHost> {
public:
    using CWnd::GetParent;

    // A child of hParent at (0, 0) with the given client size; with scroll bars when asked.
    BOOL CreateIn(HWND hParent, int cx, int cy, BOOL bScrollBars = FALSE) {
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE | (bScrollBars ? WS_HSCROLL | WS_VSCROLL : 0);
        if (!CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW)), _T("probe host"),
                      dwStyle, CRect(0, 0, cx, cy), CWnd::FromHandle(hParent), 100))
            return FALSE;
        if (bScrollBars) {
            // Size the window so that the client area, without the bars, is cx x cy.
            CRect rcWindow(0, 0, cx, cy);
            ::AdjustWindowRectEx(&rcWindow, dwStyle, FALSE, 0);
            rcWindow.right += ::GetSystemMetrics(SM_CXVSCROLL);
            rcWindow.bottom += ::GetSystemMetrics(SM_CYHSCROLL);
            SetWindowPos(nullptr, 0, 0, rcWindow.Width(), rcWindow.Height(), SWP_NOZORDER | SWP_NOMOVE);
            SetScrollRange(SB_HORZ, 0, 1000, FALSE);
            SetScrollRange(SB_VERT, 0, 1000, FALSE);
        }
        return TRUE;
    }

    BOOL PreTranslateMessage(MSG* pMsg) override {
        RelayToolTipCtrlMsg(pMsg);
        return CWnd::PreTranslateMessage(pMsg);
    }
    int OnUIMessage(UINT nObjectID, UINT nCode, UINT wParam, LONG lParam) override {
        m_messages.push_back({nObjectID, nCode, wParam, lParam});
        if (m_onMessage) m_onMessage(nObjectID, nCode, wParam, lParam);
        return 1;
    }
    CToolTipCtrl& ToolTip() { return m_ToolTip; }

    struct Message {
        UINT nID, nCode, wParam;
        LONG lParam;
    };
    std::vector<Message> m_messages;
    std::function<void(UINT, UINT, UINT, LONG)> m_onMessage;
    BOOL m_bTracking = FALSE;
    // Posted moves do not move the real pointer, so a leave request would come back at once: the
    // routing tests leave it off and send WM_MOUSELEAVE themselves.
    BOOL m_bTrackLeave = FALSE;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
        if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
        CreateToolTipCtrl();
        return 0;
    }
    afx_msg void OnSize(UINT nType, int cx, int cy) {
        CWnd::OnSize(nType, cx, cy);
        SetObjectPos(0, 0, cx, cy);
    }
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect rcClient;
        GetClientRect(&rcClient);
        CQVPaintMemoryDC memDC(this, &dc, RGB(255, 255, 255));
        Render(memDC, rcClient);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnMouseMove(UINT, CPoint point) {
        CQVUIObjectGuard guard(this);
        CQVUIWindow<CProbeHost>::OnMouseMove(point);
        if (!guard || m_bTracking || !m_bTrackLeave) return;
        m_bTracking = QVTrackMouseLeave(m_hWnd);
    }
    afx_msg LRESULT OnMouseLeaveMsg(WPARAM, LPARAM) {
        CQVUIObjectGuard guard(this);
        CQVUIWindow<CProbeHost>::OnMouseLeave();
        if (guard) m_bTracking = FALSE;
        return 0;
    }
    afx_msg void OnLButtonDown(UINT, CPoint point) { CQVUIWindow<CProbeHost>::OnLButtonDown(point); }
    afx_msg void OnLButtonUp(UINT, CPoint point) { CQVUIWindow<CProbeHost>::OnLButtonUp(point); }
    afx_msg void OnTimer(UINT_PTR nIDEvent) { __OnTimer(static_cast<UINT>(nIDEvent)); }
    DECLARE_MESSAGE_MAP()
};

// A tree without a host, painted into a 100 x 100 surface; probes log into log.
struct TreeTest : ::testing::Test {
    Log log;
    CQVUIObject root;
    riztest::Surface surface{100, 100};

    void SetUp() override { root.SetTransparent(TRUE); }
    CProbe* Add(const char* pszName, int x, int y, int cx, int cy, COLORREF clr = RGB(0, 0, 255),
                CQVUIObject* pParent = nullptr) {
        CProbe* p = new CProbe(pszName, &log, x, y, cx, cy, clr);
        (pParent ? pParent : &root)->AddChild(p);
        return p;
    }
    template <class Kind>
    Kind* Add(int x, int y, int cx, int cy) {
        Kind* p = new Kind;
        p->SetObjectPos(x, y, cx, cy);
        root.AddChild(p);
        return p;
    }
    // Paints the tree on white.
    void Render() {
        ::PatBlt(surface.Dc(), 0, 0, surface.Width(), surface.Height(), WHITENESS);
        RenderInto(root, surface);
    }
};

// A hidden frame with a probe host filling its client area; probes log into log, kinds are found by id.
struct HostTest : ::testing::Test {
    riztest::TestWindow window{300, 200};
    Log log;  // before the host: the probes write into it when the host deletes them
    CProbeHost host;

    void SetUp() override { ASSERT_TRUE(host.CreateIn(window.Host(), 300, 200)); }
    CProbe* Add(const char* pszName, int x, int y, int cx, int cy, COLORREF clr = RGB(0, 0, 255)) {
        CProbe* p = new CProbe(pszName, &log, x, y, cx, cy, clr);
        host.AddChild(p);
        return p;
    }
    template <class Kind>
    Kind* Add(UINT nID, int x, int y, int cx, int cy) {
        Kind* p = new Kind;
        p->SetObjectID(nID);
        p->SetObjectPos(x, y, cx, cy);
        host.AddChild(p);
        return p;
    }
    void Post(UINT message, int x, int y) { riztest::PostMouse(host.m_hWnd, message, x, y); }
    int Clicks(UINT nID) const {
        int n = 0;
        for (const auto& m : host.m_messages)
            n += (m.nID == nID && m.nCode == QVUIM_CLICKED) ? 1 : 0;
        return n;
    }
};

}  // namespace uitest
