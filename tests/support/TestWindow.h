// A top-level window for tests (hidden unless shown) with a child host for controls under test.
#pragma once

#include <windows.h>

namespace riztest {

class TestWindow {
public:
    // Creates the frame with a client area of cx × cy pixels and a child host filling it.
    explicit TestWindow(int cx = 400, int cy = 300, bool visible = false);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Frame() const { return m_hFrame; }
    HWND Host() const { return m_hHost; }

    // Messages the host received of one kind since construction.
    int CountReceived(UINT message) const;
    // The last WPARAM/LPARAM the host received with a message of this kind.
    WPARAM LastWParam(UINT message) const;
    LPARAM LastLParam(UINT message) const;

private:
    static LRESULT CALLBACK HostProc(HWND, UINT, WPARAM, LPARAM);

    struct Record {
        UINT message;
        int count;
        WPARAM wParam;
        LPARAM lParam;
    };
    const Record* Find(UINT message) const;

    HWND m_hFrame = nullptr;
    HWND m_hHost = nullptr;
    Record m_records[64] = {};
    int m_nRecords = 0;
};

}  // namespace riztest
