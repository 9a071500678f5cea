// Helpers shared by the framework's tests: readable strings in failure messages, tables of expressions and
// their expected values (ExpectRows.h), and a pump that runs queued input through the framework as an
// application does.
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

#include <ostream>

#include "ExpectRows.h"

// Failure messages show the text of a string, not its address.
inline void PrintTo(const CStringW& s, std::ostream* os) {
    *os << '"' << static_cast<LPCSTR>(CW2A(s, CP_UTF8)) << '"';
}
inline void PrintTo(const CStringA& s, std::ostream* os) {
    *os << '"' << s.GetString() << '"';
}

namespace riztest {

// A zeroed system structure with its size and mask set, as the Get/Set calls of menus and scroll bars want
// it.
template <class T>
T SizedInfo(UINT fMask) {
    T info = {};
    info.cbSize = sizeof(T);
    info.fMask = fMask;
    return info;
}

// Dispatches this thread's queue, PreTranslateMessage first (accelerators, dialog keys).
inline void PumpThroughFramework() {
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
}

}  // namespace riztest
