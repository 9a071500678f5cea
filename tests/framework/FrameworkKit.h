// Helpers shared by the framework's tests: readable strings in failure messages, tables of expressions and
// their expected values, and a pump that runs queued input through the framework as an application does.
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>

// Failure messages show the text of a string, not its address.
inline void PrintTo(const CStringW& s, std::ostream* os) {
    *os << '"' << static_cast<LPCSTR>(CW2A(s, CP_UTF8)) << '"';
}
inline void PrintTo(const CStringA& s, std::ostream* os) {
    *os << '"' << s.GetString() << '"';
}

namespace riztest {

// A query and its answer: the expression (as its label), what it gave and what it must give.
template <class T>
struct Row {
    template <class U, class V>
    Row(const char* lpszWhat, const U& g, const V& e)
        : what(lpszWhat), got(static_cast<T>(g)), expected(static_cast<T>(e)) {}
    const char* what;
    T got, expected;
};
template <class T>
void ExpectRows(std::initializer_list<Row<T>> rows) {
    for (const Row<T>& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(r.got, r.expected);
    }
}

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

// A row of ExpectRows, labelled with its expression.
// clang-format off
#define ROW(expr, expected) {#expr, (expr), (expected)}
// clang-format on
