// The frame, popup and dialog windows share one message map of the skinned frame: a host class that maps
// one of its messages again gets it first and reaches the shared handler through its base class; the
// shared window procedure keeps the system from drawing its caption.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "SkinDialog.h"
#include "SkinFrameWnd.h"
#include "SkinPopupWnd.h"
#include "MessagePump.h"
#include "SkinWndTestKit.h"

using namespace skintest;

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

// A host of any of the three windows that counts the hit tests it handles and answers the base's.
template <class TSkinned>
class CCountingHost : public TSkinned {
public:
    int m_nHitTests = 0;

protected:
    afx_msg LRESULT OnNcHitTest(CPoint point) {
        ++m_nHitTests;
        return TSkinned::OnNcHitTest(point);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_TEMPLATE_MESSAGE_MAP(CCountingHost, TSkinned, TSkinned)
ON_WM_NCHITTEST()
END_MESSAGE_MAP()

// The frame deletes itself when its window goes; the popup and the dialog are owned here.
struct HostedWindow {
    HWND hWnd = nullptr;
    const int* pnHitTests = nullptr;
    std::unique_ptr<CWnd> owned;
};

HostedWindow MakeFrame() {
    auto* pFrame = new CCountingHost<CSkinFrameWnd>;
    HostedWindow wnd;
    if (!pFrame->Create(nullptr, _T("Frame"), kStyle, CRect(0, 0, 300, 200))) return wnd;
    wnd.hWnd = pFrame->m_hWnd;
    wnd.pnHitTests = &pFrame->m_nHitTests;
    return wnd;
}

HostedWindow MakePopup() {
    auto pPopup = std::make_unique<CCountingHost<CSkinPopupWnd>>();
    HostedWindow wnd;
    if (!pPopup->CreateEx(0, AfxRegisterWndClass(0), _T("Popup"), kStyle, 0, 0, 300, 200, nullptr, nullptr))
        return wnd;
    wnd.hWnd = pPopup->m_hWnd;
    wnd.pnHitTests = &pPopup->m_nHitTests;
    wnd.owned = std::move(pPopup);
    return wnd;
}

HostedWindow MakeDialog() {
    auto pDialog = std::make_unique<CCountingHost<CSkinDialog>>();
    HostedWindow wnd;
    const std::vector<WORD> dlgTemplate = DialogTemplate(kStyle, 200, 120, L"Dialog");
    if (!pDialog->CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(dlgTemplate.data()))) return wnd;
    wnd.hWnd = pDialog->m_hWnd;
    wnd.pnHitTests = &pDialog->m_nHitTests;
    wnd.owned = std::move(pDialog);
    return wnd;
}

}  // namespace

TEST(SkinWndTemplate, HostHandlerRunsFirstAndItsBaseAnswersWithTheSkinFrame) {
    SkinScope skin;
    const struct {
        LPCTSTR name;
        std::function<HostedWindow()> make;
    } rows[] = {{_T("frame"), MakeFrame}, {_T("popup"), MakePopup}, {_T("dialog"), MakeDialog}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        HostedWindow wnd = row.make();
        ASSERT_NE(nullptr, wnd.hWnd);
        const CRect rcWindow = WindowRect(wnd.hWnd);
        // Just above and just below the bottom edge of the skin's caption.
        const int nBefore = *wnd.pnHitTests;
        EXPECT_EQ(static_cast<UINT>(HTCAPTION), HitTest(wnd.hWnd, rcWindow.Width() / 2, kCaption - 2));
        EXPECT_EQ(static_cast<UINT>(HTCLIENT), HitTest(wnd.hWnd, rcWindow.Width() / 2, kCaption + 2));
        EXPECT_EQ(nBefore + 2, *wnd.pnHitTests);
        // The system never draws its caption over the skin's.
        EXPECT_EQ(1, ::SendMessage(wnd.hWnd, 0x00AE, 0, 0));
        ::DestroyWindow(wnd.hWnd);
        riztest::PumpMessages(1000);
    }
}
