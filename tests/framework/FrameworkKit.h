// Helpers shared by the framework's tests: readable strings in failure messages, tables of expressions and
// their expected values (ExpectRows.h) and sized system structures.
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

}  // namespace riztest
