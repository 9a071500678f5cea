// Framework figures: CString formatting and concatenation against std::basic_string doing the same, and
// CRect operations against the raw RECT functions.
#include <afxwin.h>

#include <string>

#include "Bench.h"

namespace {

using tstring = std::basic_string<TCHAR>;

void StringSuites() {
    rizbench::Suite format(
        "string format", "swprintf into std::basic_string",
        [](int n) {
            for (int i = 0; i < n; ++i) {
                TCHAR buf[64];
                _sntprintf(buf, 64, _T("Lesson %d: %s (%d%%)"), i, _T("Greetings"), i % 100);
                tstring s(buf);
                rizbench::DoNotOptimize(s.data());
            }
        },
        200000);
    format.Add("CString::Format", [](int n) {
        for (int i = 0; i < n; ++i) {
            CString s;
            s.Format(_T("Lesson %d: %s (%d%%)"), i, _T("Greetings"), i % 100);
            rizbench::DoNotOptimize(static_cast<LPCTSTR>(s));
        }
    });

    rizbench::Suite concat(
        "string concatenation", "std::basic_string +=",
        [](int n) {
            tstring s;
            for (int i = 0; i < n; ++i)
                s += _T("word ");
            rizbench::DoNotOptimize(s.data());
        },
        200000);
    concat.Add("CString +=", [](int n) {
        CString s;
        for (int i = 0; i < n; ++i)
            s += _T("word ");
        rizbench::DoNotOptimize(static_cast<LPCTSTR>(s));
    });
}

void RectSuites() {
    rizbench::Suite rect(
        "rectangle algebra", "IntersectRect/UnionRect/OffsetRect/PtInRect on RECT",
        [](int n) {
            RECT a = {0, 0, 100, 80}, b = {50, 40, 150, 120}, r;
            int hits = 0;
            for (int i = 0; i < n; ++i) {
                ::IntersectRect(&r, &a, &b);
                ::UnionRect(&r, &r, &a);
                ::OffsetRect(&r, i & 3, 1);
                hits += ::PtInRect(&r, POINT{i & 127, 60});
            }
            rizbench::DoNotOptimize(&hits);
        },
        1000000);
    rect.Add("CRect &, |, +=, PtInRect", [](int n) {
        CRect a(0, 0, 100, 80), b(50, 40, 150, 120);
        int hits = 0;
        for (int i = 0; i < n; ++i) {
            CRect r = a & b;
            r |= a;
            r.OffsetRect(i & 3, 1);
            hits += r.PtInRect(CPoint(i & 127, 60));
        }
        rizbench::DoNotOptimize(&hits);
    });
}

const rizbench::Register registerStrings(&StringSuites, {"string format", "string concatenation"});
const rizbench::Register registerRects(&RectSuites, {"rectangle algebra"});

}  // namespace
