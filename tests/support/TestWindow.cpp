#include "TestWindow.h"

namespace riztest {

namespace {

const TCHAR kFrameClass[] = TEXT("RIZTestFrame");
const TCHAR kHostClass[] = TEXT("RIZTestHost");

void RegisterClasses(WNDPROC hostProc) {
    static bool registered = false;
    if (registered) return;
    WNDCLASS wc = {};
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = ::GetModuleHandle(nullptr);
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFrameClass;
    ::RegisterClass(&wc);
    wc.lpfnWndProc = hostProc;
    wc.lpszClassName = kHostClass;
    wc.style = CS_DBLCLKS;
    ::RegisterClass(&wc);
    registered = true;
}

}  // namespace

TestWindow::TestWindow(int cx, int cy, bool visible) {
    RegisterClasses(&HostProc);
    RECT rc = {0, 0, cx, cy};
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    ::AdjustWindowRect(&rc, style, FALSE);
    m_hFrame = ::CreateWindowEx(0, kFrameClass, TEXT("test"), style | (visible ? WS_VISIBLE : 0), 0, 0,
                                rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr,
                                ::GetModuleHandle(nullptr), nullptr);
    m_hHost = ::CreateWindowEx(0, kHostClass, TEXT(""), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, cx, cy,
                               m_hFrame, nullptr, ::GetModuleHandle(nullptr), this);
}

TestWindow::~TestWindow() {
    if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
}

LRESULT CALLBACK TestWindow::HostProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCT*>(lParam);
        ::SetWindowLongPtr(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestWindow*>(::GetWindowLongPtr(hWnd, GWLP_USERDATA));
    if (self) {
        Record* rec = const_cast<Record*>(self->Find(message));
        if (!rec &&
            self->m_nRecords < static_cast<int>(sizeof(self->m_records) / sizeof(self->m_records[0]))) {
            rec = &self->m_records[self->m_nRecords++];
            rec->message = message;
        }
        if (rec) {
            ++rec->count;
            rec->wParam = wParam;
            rec->lParam = lParam;
        }
    }
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

const TestWindow::Record* TestWindow::Find(UINT message) const {
    for (int i = 0; i < m_nRecords; ++i)
        if (m_records[i].message == message) return &m_records[i];
    return nullptr;
}

int TestWindow::CountReceived(UINT message) const {
    const Record* rec = Find(message);
    return rec ? rec->count : 0;
}

WPARAM TestWindow::LastWParam(UINT message) const {
    const Record* rec = Find(message);
    return rec ? rec->wParam : 0;
}

LPARAM TestWindow::LastLParam(UINT message) const {
    const Record* rec = Find(message);
    return rec ? rec->lParam : 0;
}

}  // namespace riztest
