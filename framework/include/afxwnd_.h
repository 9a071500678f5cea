// Window objects (CWnd): the handle every window wrapper carries.
#pragma once

#include "afxobj_.h"

class AFX_CORE_API CWnd : public CObject {
public:
    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}

    HWND GetSafeHwnd() const { return this == nullptr ? nullptr : m_hWnd; }
    operator HWND() const { return this == nullptr ? nullptr : m_hWnd; }

    HWND m_hWnd = nullptr;
};
