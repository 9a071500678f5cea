#include "QVUINotifyCtrl.h"

#include "QVMouseLoop.h"
#include "QVPaintMemoryDC.h"
#include "QVUIButton.h"
#include "QVSelectScope.h"
#include "QVUIDrawUtil.h"
#include "QVUIImage.h"
#include "QVUITextLink.h"

namespace {

const COLORREF kClrFrame = 0xD0CFCE;
const COLORREF kClrFill = 0xC9FEFF;

}  // namespace

IMPLEMENT_DYNAMIC(CQVUINotifyCtrl, CWnd)

BEGIN_MESSAGE_MAP(CQVUINotifyCtrl, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, &CQVUINotifyCtrl::OnMouseLeaveMsg)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CQVUINotifyCtrl::CQVUINotifyCtrl() {
    CQVUIImage* pIcon = new CQVUIImage(this);
    pIcon->SetObjectID(QVNC_ID_ICON);
    pIcon->SetAutoSize(FALSE);
    pIcon->SetTransparent(TRUE);
    AddChild(pIcon);

    CQVUIButton* pClose = new CQVUIButton(this);
    pClose->SetObjectID(QVNC_ID_CLOSE);
    pClose->SetSimpleMode(TRUE);
    AddChild(pClose);

    CQVUITextLink* pLink = new CQVUITextLink(this);
    pLink->SetObjectID(QVNC_ID_LINK);
    pLink->SetTransparent(TRUE);
    pLink->SetText(_T("新版已发布，欢迎下载！"));
    AddChild(pLink);
}

CQVUINotifyCtrl::~CQVUINotifyCtrl() = default;

void CQVUINotifyCtrl::SetNotify(const CString& strText, const CString& strUrl, UINT nData,
                                int bCloseOnClick) {
    m_nData = nData;
    m_bCloseOnClick = bCloseOnClick;
    if (CQVUITextLink* pLink = dynamic_cast<CQVUITextLink*>(FindChild(QVNC_ID_LINK))) {
        pLink->SetText(strText);
        pLink->SetUrl(strUrl);
    }
}

void CQVUINotifyCtrl::SetImageIcon(const CString& strPath) {
    if (CQVUIImage* pIcon = dynamic_cast<CQVUIImage*>(FindChild(QVNC_ID_ICON))) {
        pIcon->SetImage(strPath);
        pIcon->SetObjectPos(m_rcObject.left + 2, m_rcObject.top + 1, 20, 20);
    }
}

void CQVUINotifyCtrl::SetCloseButtonIcon(const CString& strPath, int nStateCount, int bHide) {
    CQVUIButton* pClose = dynamic_cast<CQVUIButton*>(FindChild(QVNC_ID_CLOSE));
    if (!pClose) return;
    if (!bHide) {
        pClose->SetVisible(TRUE);
        pClose->SetButtonIcon(strPath, nStateCount, 0, 0);
    } else {
        pClose->SetVisible(FALSE);
    }
}

void CQVUINotifyCtrl::Layout() {
    const CRect rcRoot = m_rcObject;
    CRect rc = rcRoot;
    rc.DeflateRect(2, 2);
    if (CQVUIObject* pIcon = dynamic_cast<CQVUIImage*>(FindChild(QVNC_ID_ICON))) {
        pIcon->SetObjectPos(rcRoot.left + 2, rcRoot.top + 1, 20, 20);
        rc.left = rcRoot.left + 24;
    }
    CQVUIObject* pClose = dynamic_cast<CQVUIButton*>(FindChild(QVNC_ID_CLOSE));
    if (pClose && pClose->IsVisible()) {
        pClose->SetObjectPos(rcRoot.right - 20, rcRoot.top + 4, 16, 16);
        rc.right = rcRoot.right - 20;
    }
    if (CQVUIObject* pLink = dynamic_cast<CQVUITextLink*>(FindChild(QVNC_ID_LINK)))
        pLink->SetObjectPos(rc.left, rc.top, rc.Width(), rc.Height());
}

int CQVUINotifyCtrl::OnUIMessage(UINT nObjectID, UINT /*nCode*/, UINT /*wParam*/, LONG /*lParam*/) {
    // Everything needed is taken first: the parent may delete this strip inside the close request.
    const HWND hParent = ::GetParent(m_hWnd);
    const UINT nData = m_nData;
    if (nObjectID == QVNC_ID_LINK) {
        if (m_bCloseOnClick) ::SendMessage(hParent, WM_QV_NOTIFYCTRL, QVNC_CLOSE_REQUEST, 0);
        // A post to no window would become a message of the thread.
        if (hParent) ::PostMessage(hParent, WM_QV_NOTIFYCTRL, QVNC_LINK_CLICKED, static_cast<LPARAM>(nData));
        return 1;
    }
    if (nObjectID == QVNC_ID_CLOSE) {
        ::SendMessage(hParent, WM_QV_NOTIFYCTRL, QVNC_CLOSE_REQUEST, 0);
        return 1;
    }
    return 0;
}

BOOL CQVUINotifyCtrl::PreTranslateMessage(MSG* pMsg) {
    RelayToolTipCtrlMsg(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

int CQVUINotifyCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    CreateToolTipCtrl();
    return 0;
}

void CQVUINotifyCtrl::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    SetObjectPos(0, 0, cx, cy);
}

void CQVUINotifyCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CQVPaintMemoryDC memDC(this, &dc);
    {
        const CQVSelectScope tools = CQVSelectScope::SolidPenBrush(memDC, kClrFrame, kClrFill);
        memDC.Rectangle(&rcClient);
    }
    Render(memDC, rcClient);
}

BOOL CQVUINotifyCtrl::OnEraseBkgnd(CDC* /*pDC*/) {
    return TRUE;
}

void CQVUINotifyCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    CQVUIObjectGuard guard(this);
    CQVUIWindow<CQVUINotifyCtrl>::OnMouseMove(point);
    if (!guard) return;
    CWnd::OnMouseMove(nFlags, point);
    if (m_bTracking) return;
    m_bTracking = QVTrackMouseLeave(m_hWnd);
}

LRESULT CQVUINotifyCtrl::OnMouseLeaveMsg(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    CQVUIObjectGuard guard(this);
    CQVUIWindow<CQVUINotifyCtrl>::OnMouseLeave();
    if (guard) m_bTracking = FALSE;
    return 0;
}

void CQVUINotifyCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    CQVUIObjectGuard guard(this);
    CQVUIWindow<CQVUINotifyCtrl>::OnLButtonDown(point);
    if (guard) CWnd::OnLButtonDown(nFlags, point);
}

void CQVUINotifyCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
    CQVUIObjectGuard guard(this);
    CQVUIWindow<CQVUINotifyCtrl>::OnLButtonUp(point);
    if (guard) CWnd::OnLButtonUp(nFlags, point);
}
