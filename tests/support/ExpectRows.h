// Tables of expressions and their expected values: each row is labelled with its expression, so a
// failure names the row without a SCOPED_TRACE of its own.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

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

}  // namespace riztest

// A row of ExpectRows, labelled with its expression.
// clang-format off
#define ROW(expr, expected) {#expr, (expr), (expected)}
// clang-format on
