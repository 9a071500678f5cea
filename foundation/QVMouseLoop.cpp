#include "QVMouseLoop.h"

BOOL QVTrackMouseLeave(HWND hWnd, BOOL bNonClient) {
    if (!::IsWindow(hWnd)) return FALSE;
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE | (bNonClient ? TME_NONCLIENT : 0u), hWnd, 0};
    return ::TrackMouseEvent(&tme);
}

CQVMouseLoop::CQVMouseLoop(CWnd* pWnd) : CQVMouseLoop(pWnd, CQVAliveToken(pWnd)) {}

CQVMouseLoop::CQVMouseLoop(CWnd* pWnd, const CQVAliveToken& alive)
    : m_hWnd(pWnd ? pWnd->GetSafeHwnd() : NULL), m_alive(alive) {
    if (m_hWnd) ::SetCapture(m_hWnd);
}

CQVMouseLoop::~CQVMouseLoop() {
    if (m_hWnd && ::GetCapture() == m_hWnd) ::ReleaseCapture();
}

QVMouseLoopResult CQVMouseLoop::Run() {
    MSG msg;
    for (;;) {
        if (!m_alive || !::IsWindow(m_hWnd)) return QVML_DESTROYED;
        if (::GetCapture() != m_hWnd) return Finish(QVML_CAPTURE_LOST);
        const BOOL bResult = ::GetMessage(&msg, NULL, 0, 0);
        if (bResult <= 0) {
            ::PostQuitMessage(bResult == 0 ? static_cast<int>(msg.wParam) : 0);
            return Finish(QVML_QUIT);
        }
        QVMouseLoopStep step = Handle(msg);
        if (step == QVML_DISPATCH) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        if (!m_alive || !::IsWindow(m_hWnd)) return QVML_DESTROYED;
        if (step == QVML_END) return Finish(QVML_ENDED);
        if (step == QVML_CANCEL) return Finish(QVML_CANCELLED);
    }
}

CPoint CQVMouseLoop::ClientPoint(const MSG& msg) const {
    CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
    if (msg.hwnd != m_hWnd && msg.hwnd != NULL) ::MapWindowPoints(msg.hwnd, m_hWnd, &pt, 1);
    return pt;
}

QVMouseLoopStep CQVMouseLoop::Handle(const MSG& msg) {
    switch (msg.message) {
    case WM_MOUSEMOVE:
        return m_onMove ? m_onMove(ClientPoint(msg)) : QVML_DISPATCH;
    case WM_LBUTTONUP:
        return m_onButtonUp ? m_onButtonUp(ClientPoint(msg)) : QVML_END;
    case WM_KEYDOWN:
        if (m_onKey) return m_onKey(msg);
        return msg.wParam == VK_ESCAPE ? QVML_CANCEL : QVML_CONTINUE;
    default:
        return m_onMessage ? m_onMessage(msg) : QVML_DISPATCH;
    }
}

QVMouseLoopResult CQVMouseLoop::Finish(QVMouseLoopResult result) {
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    return result;
}
