// Text strings of the framework: CStringT over char and wchar_t, converting between the two character
// sets on construction and assignment, and the names CStringA, CStringW and the generic CString.
#pragma once

#include "afxver_.h"
#include "afxmod_.h"
#include "atlconv.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>
#include <wctype.h>
#include <type_traits>
#include <utility>

template <typename BaseType>
class CStringT;

// Operations that differ between the two character types. Narrow text is in the ANSI code page and may
// be double-byte (a lead byte followed by a trail byte that can look like an ASCII character), so
// narrow scans step over whole characters.
template <typename XCHAR>
struct CStringCharTraits;

template <>
struct CStringCharTraits<char> {
    typedef wchar_t YCHAR;

    // Lead bytes of the ANSI code page, read once.
    struct CLeadBytes {
        bool m_bDoubleByte = false;
        bool m_bLead[256] = {};
        CLeadBytes() {
            CPINFO info;
            if (!::GetCPInfo(CP_ACP, &info) || info.MaxCharSize < 2) return;
            for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
                for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b)
                    m_bLead[b] = true;
            }
            m_bDoubleByte = true;
        }
    };
    static const CLeadBytes& LeadBytes() {
        static const CLeadBytes s_lead;
        return s_lead;
    }
    static bool IsDoubleByte() { return LeadBytes().m_bDoubleByte; }
    // Units taken by the character at p: 2 for a lead byte followed by its trail byte, else 1.
    static int CharLen(const char* p) {
        return (LeadBytes().m_bLead[static_cast<unsigned char>(*p)] && p[1] != 0) ? 2 : 1;
    }

    static int Length(const char* psz) { return psz ? static_cast<int>(strlen(psz)) : 0; }
    static int Compare(const char* p1, const char* p2) { return strcmp(p1, p2); }
    static int CompareNoCase(const char* p1, const char* p2) {
        // Single-byte letters fold to lower case; double-byte characters compare exactly.
        const unsigned char* a = reinterpret_cast<const unsigned char*>(p1);
        const unsigned char* b = reinterpret_cast<const unsigned char*>(p2);
        for (;;) {
            int nA = CharLen(reinterpret_cast<const char*>(a));
            int nB = CharLen(reinterpret_cast<const char*>(b));
            unsigned ca = *a, cb = *b;
            if (nA == 1 && ca >= 'A' && ca <= 'Z') ca += 'a' - 'A';
            if (nB == 1 && cb >= 'A' && cb <= 'Z') cb += 'a' - 'A';
            if (ca != cb) return ca < cb ? -1 : 1;
            if (ca == 0) return 0;
            if (nA == 2 || nB == 2) {
                if (a[1] != b[1]) return a[1] < b[1] ? -1 : 1;
            }
            a += nA;
            b += nB;
        }
    }
    static int Collate(const char* p1, const char* p2, DWORD dwFlags) {
        return ::CompareStringA(LOCALE_USER_DEFAULT, dwFlags, p1, -1, p2, -1) - CSTR_EQUAL;
    }
    static bool IsSpace(const char* p) {
        unsigned char c = static_cast<unsigned char>(*p);
        return c == ' ' || (c >= '\t' && c <= '\r');
    }
    static void MakeUpper(char* p, int n) {
        if (n > 0) ::CharUpperBuffA(p, static_cast<DWORD>(n));
    }
    static void MakeLower(char* p, int n) {
        if (n > 0) ::CharLowerBuffA(p, static_cast<DWORD>(n));
    }
    // A match starts on a character boundary; the empty pattern is found at once.
    static const char* FindString(const char* psz, const char* pszSub) {
        size_t nSub = strlen(pszSub);
        if (nSub == 0) return psz;
        if (!IsDoubleByte()) return strstr(psz, pszSub);
        for (const char* p = psz; *p != 0; p += CharLen(p)) {
            if (*p == *pszSub && strncmp(p, pszSub, nSub) == 0) return p;
        }
        return NULL;
    }
    static int FormattedLength(const char* pszFormat, va_list args) { return _vscprintf(pszFormat, args); }
    static int Format(char* pBuffer, int nBuffer, const char* pszFormat, va_list args) {
        return _vsnprintf(pBuffer, static_cast<size_t>(nBuffer), pszFormat, args);
    }
    static DWORD GetEnvironmentVariable(const char* pszName, char* pBuffer, DWORD nSize) {
        return ::GetEnvironmentVariableA(pszName, pBuffer, nSize);
    }
    static DWORD FormatMessage(DWORD dwFlags, const char* pszFormat, char** ppBuffer, va_list* pArgs) {
        return ::FormatMessageA(dwFlags, pszFormat, 0, 0, reinterpret_cast<LPSTR>(ppBuffer), 0, pArgs);
    }
};

template <>
struct CStringCharTraits<wchar_t> {
    typedef char YCHAR;

    static bool IsDoubleByte() { return false; }
    static int CharLen(const wchar_t*) { return 1; }

    static int Length(const wchar_t* psz) { return psz ? static_cast<int>(wcslen(psz)) : 0; }
    static int Compare(const wchar_t* p1, const wchar_t* p2) { return wcscmp(p1, p2); }
    static int CompareNoCase(const wchar_t* p1, const wchar_t* p2) {
        return ::CompareStringOrdinal(p1, -1, p2, -1, TRUE) - CSTR_EQUAL;
    }
    static int Collate(const wchar_t* p1, const wchar_t* p2, DWORD dwFlags) {
        return ::CompareStringW(LOCALE_USER_DEFAULT, dwFlags, p1, -1, p2, -1) - CSTR_EQUAL;
    }
    static bool IsSpace(const wchar_t* p) { return iswspace(*p) != 0; }
    static void MakeUpper(wchar_t* p, int n) {
        if (n > 0) ::CharUpperBuffW(p, static_cast<DWORD>(n));
    }
    static void MakeLower(wchar_t* p, int n) {
        if (n > 0) ::CharLowerBuffW(p, static_cast<DWORD>(n));
    }
    // The empty pattern is found at once.
    static const wchar_t* FindString(const wchar_t* psz, const wchar_t* pszSub) {
        return *pszSub != 0 ? wcsstr(psz, pszSub) : psz;
    }
    static int FormattedLength(const wchar_t* pszFormat, va_list args) {
        return _vscwprintf(pszFormat, args);
    }
    static int Format(wchar_t* pBuffer, int nBuffer, const wchar_t* pszFormat, va_list args) {
        return _vsnwprintf(pBuffer, static_cast<size_t>(nBuffer), pszFormat, args);
    }
    static DWORD GetEnvironmentVariable(const wchar_t* pszName, wchar_t* pBuffer, DWORD nSize) {
        return ::GetEnvironmentVariableW(pszName, pBuffer, nSize);
    }
    static DWORD FormatMessage(DWORD dwFlags, const wchar_t* pszFormat, wchar_t** ppBuffer, va_list* pArgs) {
        return ::FormatMessageW(dwFlags, pszFormat, 0, 0, reinterpret_cast<LPWSTR>(ppBuffer), 0, pArgs);
    }
};

// Arguments of the formatting members: strings pass as their character pointer (so that a CString can
// be given for %s as it is), every other argument must be something printf understands.
template <typename T>
inline const T& AfxFormatArg(const T& arg) {
    static_assert(std::is_arithmetic<T>::value || std::is_enum<T>::value || std::is_pointer<T>::value ||
                      std::is_array<T>::value || std::is_null_pointer<T>::value,
                  "a formatting argument must be a number, a pointer or a string");
    return arg;
}
template <typename X>
inline const X* AfxFormatArg(const CStringT<X>& str) {
    return str.GetString();
}

// A string of XCHAR (char: ANSI code page, wchar_t: UTF-16) with value semantics. Short strings live
// inside the object; longer ones in a heap block that grows geometrically, so appends are amortised.
// Pointers given to any member may be NULL (an empty string) or point into the string itself.
template <typename BaseType>
class CStringT {
    typedef CStringCharTraits<BaseType> Traits;

public:
    typedef BaseType XCHAR;
    typedef BaseType* PXSTR;
    typedef const BaseType* PCXSTR;
    typedef typename Traits::YCHAR YCHAR;
    typedef YCHAR* PYSTR;
    typedef const YCHAR* PCYSTR;

    // Construction and assignment -------------------------------------------------------------------

    CStringT() noexcept { m_szInline[0] = 0; }
    CStringT(const CStringT& strSrc) {
        m_szInline[0] = 0;
        SetString(strSrc.m_pszData, strSrc.m_nLength);
    }
    CStringT(CStringT&& strSrc) noexcept {
        m_szInline[0] = 0;
        TakeFrom(strSrc);
    }
    // A MAKEINTRESOURCE pointer loads that string resource.
    CStringT(PCXSTR psz) {
        m_szInline[0] = 0;
        if (psz != NULL && IS_INTRESOURCE(psz)) {
            LoadString(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(psz)));
        } else {
            SetString(psz, Traits::Length(psz));
        }
    }
    CStringT(PCYSTR psz) {
        m_szInline[0] = 0;
        if (psz != NULL && IS_INTRESOURCE(psz)) {
            LoadString(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(psz)));
        } else {
            SetConverted(psz, CStringCharTraits<YCHAR>::Length(psz));
        }
    }
    explicit CStringT(const unsigned char* psz) : CStringT(reinterpret_cast<const char*>(psz)) {}
    CStringT(PCXSTR pch, int nLength) {
        m_szInline[0] = 0;
        SetString(pch, pch ? nLength : 0);
    }
    CStringT(PCYSTR pch, int nLength) {
        m_szInline[0] = 0;
        SetConverted(pch, pch ? nLength : 0);
    }
    explicit CStringT(XCHAR ch, int nRepeat = 1) {
        m_szInline[0] = 0;
        if (nRepeat > 0) {
            PXSTR p = GetBufferSetLength(nRepeat);
            for (int i = 0; i < nRepeat; ++i)
                p[i] = ch;
        }
    }
    explicit CStringT(YCHAR ch, int nRepeat = 1) {
        m_szInline[0] = 0;
        if (nRepeat > 0) {
            CStringT strChar(&ch, 1);
            Preallocate(strChar.m_nLength * nRepeat);
            for (int i = 0; i < nRepeat; ++i)
                Append(strChar.m_pszData, strChar.m_nLength);
        }
    }
    CStringT(const CStringT<YCHAR>& strSrc) {
        m_szInline[0] = 0;
        SetConverted(strSrc.GetString(), strSrc.GetLength());
    }
    ~CStringT() {
        if (!IsInline()) free(m_pszData);
    }

    CStringT& operator=(const CStringT& strSrc) {
        if (this != &strSrc) SetString(strSrc.m_pszData, strSrc.m_nLength);
        return *this;
    }
    CStringT& operator=(CStringT&& strSrc) noexcept {
        if (this != &strSrc) {
            if (!IsInline()) free(m_pszData);
            m_pszData = m_szInline;
            m_nLength = 0;
            m_nCapacity = kInlineCapacity;
            m_szInline[0] = 0;
            TakeFrom(strSrc);
        }
        return *this;
    }
    CStringT& operator=(PCXSTR psz) {
        SetString(psz);
        return *this;
    }
    CStringT& operator=(PCYSTR psz) {
        SetConverted(psz, CStringCharTraits<YCHAR>::Length(psz));
        return *this;
    }
    CStringT& operator=(const unsigned char* psz) { return operator=(reinterpret_cast<const char*>(psz)); }
    CStringT& operator=(XCHAR ch) {
        SetString(&ch, 1);
        return *this;
    }
    CStringT& operator=(YCHAR ch) {
        SetConverted(&ch, 1);
        return *this;
    }
    CStringT& operator=(const CStringT<YCHAR>& strSrc) {
        SetConverted(strSrc.GetString(), strSrc.GetLength());
        return *this;
    }

    void SetString(PCXSTR psz) { SetString(psz, Traits::Length(psz)); }
    void SetString(PCXSTR pch, int nLength) {
        if (pch == NULL || nLength <= 0) {
            SetLength(0);
            return;
        }
        if (nLength > m_nCapacity) {
            // A source inside this string always fits the current capacity, so it is intact here.
            Reserve(nLength, false);
            memcpy(m_pszData, pch, nLength * sizeof(XCHAR));
        } else {
            memmove(m_pszData, pch, nLength * sizeof(XCHAR));
        }
        SetLength(nLength);
    }

    // Appending -------------------------------------------------------------------------------------

    CStringT& operator+=(const CStringT& str) {
        Append(str.m_pszData, str.m_nLength);
        return *this;
    }
    CStringT& operator+=(PCXSTR psz) {
        Append(psz);
        return *this;
    }
    CStringT& operator+=(PCYSTR psz) {
        Append(CStringT(psz));
        return *this;
    }
    CStringT& operator+=(XCHAR ch) {
        AppendChar(ch);
        return *this;
    }
    CStringT& operator+=(YCHAR ch) {
        Append(CStringT(ch));
        return *this;
    }
    CStringT& operator+=(const CStringT<YCHAR>& str) {
        Append(CStringT(str));
        return *this;
    }

    void Append(const CStringT& str) { Append(str.m_pszData, str.m_nLength); }
    void Append(PCXSTR psz) { Append(psz, Traits::Length(psz)); }
    void Append(PCXSTR pch, int nLength) {
        if (pch == NULL || nLength <= 0) return;
        int nNewLength = m_nLength + nLength;
        if (nNewLength > m_nCapacity) {
            bool bInside = pch >= m_pszData && pch <= m_pszData + m_nLength;
            ptrdiff_t nOffset = pch - m_pszData;
            Reserve(nNewLength, true);
            if (bInside) pch = m_pszData + nOffset;
        }
        memmove(m_pszData + m_nLength, pch, nLength * sizeof(XCHAR));
        SetLength(nNewLength);
    }
    void AppendChar(XCHAR ch) {
        if (m_nLength == m_nCapacity) Reserve(m_nLength + 1, true);
        m_pszData[m_nLength] = ch;
        SetLength(m_nLength + 1);
    }

    // Concatenation: an rvalue left operand is extended in place, so a + b + c allocates once.
    friend CStringT operator+(const CStringT& str1, const CStringT& str2) {
        return Concat(str1.m_pszData, str1.m_nLength, str2.m_pszData, str2.m_nLength);
    }
    friend CStringT operator+(const CStringT& str1, PCXSTR psz2) {
        return Concat(str1.m_pszData, str1.m_nLength, psz2, Traits::Length(psz2));
    }
    friend CStringT operator+(PCXSTR psz1, const CStringT& str2) {
        return Concat(psz1, Traits::Length(psz1), str2.m_pszData, str2.m_nLength);
    }
    friend CStringT operator+(const CStringT& str1, XCHAR ch2) {
        return Concat(str1.m_pszData, str1.m_nLength, &ch2, 1);
    }
    friend CStringT operator+(XCHAR ch1, const CStringT& str2) {
        return Concat(&ch1, 1, str2.m_pszData, str2.m_nLength);
    }
    friend CStringT operator+(const CStringT& str1, YCHAR ch2) { return str1 + CStringT(ch2); }
    friend CStringT operator+(YCHAR ch1, const CStringT& str2) { return CStringT(ch1) + str2; }
    friend CStringT operator+(const CStringT& str1, PCYSTR psz2) { return str1 + CStringT(psz2); }
    friend CStringT operator+(PCYSTR psz1, const CStringT& str2) { return CStringT(psz1) + str2; }
    friend CStringT operator+(const CStringT& str1, const CStringT<YCHAR>& str2) {
        return str1 + CStringT(str2);
    }
    friend CStringT operator+(CStringT&& str1, const CStringT<YCHAR>& str2) {
        str1 += str2;
        return std::move(str1);
    }
    friend CStringT operator+(CStringT&& str1, const CStringT& str2) {
        str1.Append(str2);
        return std::move(str1);
    }
    friend CStringT operator+(CStringT&& str1, PCXSTR psz2) {
        str1.Append(psz2);
        return std::move(str1);
    }
    friend CStringT operator+(CStringT&& str1, XCHAR ch2) {
        str1.AppendChar(ch2);
        return std::move(str1);
    }

    // Attributes and element access -----------------------------------------------------------------

    int GetLength() const { return m_nLength; }
    bool IsEmpty() const { return m_nLength == 0; }
    // Empties the string and gives back its heap block.
    void Empty() {
        if (!IsInline()) free(m_pszData);
        m_pszData = m_szInline;
        m_nCapacity = kInlineCapacity;
        SetLength(0);
    }
    int GetAllocLength() const { return m_nCapacity; }

    PCXSTR GetString() const { return m_pszData; }
    operator PCXSTR() const { return m_pszData; }

    // Out-of-range positions read as 0 and are ignored on writing.
    XCHAR GetAt(int iChar) const {
        ASSERT(iChar >= 0 && iChar <= m_nLength);
        return (iChar >= 0 && iChar < m_nLength) ? m_pszData[iChar] : XCHAR(0);
    }
    XCHAR operator[](int iChar) const { return GetAt(iChar); }
    void SetAt(int iChar, XCHAR ch) {
        ASSERT(iChar >= 0 && iChar < m_nLength);
        if (iChar >= 0 && iChar < m_nLength) m_pszData[iChar] = ch;
    }

    static int StringLength(PCXSTR psz) { return Traits::Length(psz); }

    // Direct buffer access --------------------------------------------------------------------------

    // The writable buffer, with room for at least nMinBufferLength characters and a terminator. The
    // caller ends with ReleaseBuffer before using any other member.
    PXSTR GetBuffer() { return m_pszData; }
    PXSTR GetBuffer(int nMinBufferLength) {
        if (nMinBufferLength > m_nCapacity) Reserve(nMinBufferLength, true);
        return m_pszData;
    }
    PXSTR GetBufferSetLength(int nLength) {
        if (nLength < 0) nLength = 0;
        if (nLength > m_nCapacity) Reserve(nLength, true);
        SetLength(nLength);
        return m_pszData;
    }
    // nNewLength -1: up to the first terminator written into the buffer (at most its capacity).
    void ReleaseBuffer(int nNewLength = -1) {
        if (nNewLength < 0) {
            nNewLength = 0;
            while (nNewLength < m_nCapacity && m_pszData[nNewLength] != 0)
                ++nNewLength;
        }
        ReleaseBufferSetLength(nNewLength);
    }
    void ReleaseBufferSetLength(int nNewLength) {
        if (nNewLength < 0) nNewLength = 0;
        if (nNewLength > m_nCapacity) nNewLength = m_nCapacity;
        SetLength(nNewLength);
    }
    void Preallocate(int nLength) {
        if (nLength > m_nCapacity) Reserve(nLength, true);
    }
    void FreeExtra() {
        if (IsInline() || m_nLength == m_nCapacity) return;
        if (m_nLength <= kInlineCapacity) {
            memcpy(m_szInline, m_pszData, (m_nLength + 1) * sizeof(XCHAR));
            free(m_pszData);
            m_pszData = m_szInline;
            m_nCapacity = kInlineCapacity;
        } else {
            void* p = realloc(m_pszData, (m_nLength + 1) * sizeof(XCHAR));
            if (p != NULL) {
                m_pszData = static_cast<PXSTR>(p);
                m_nCapacity = m_nLength;
            }
        }
    }
    void Truncate(int nNewLength) {
        if (nNewLength >= 0 && nNewLength < m_nLength) SetLength(nNewLength);
    }
    // A string is never shared, so locking only hands out the buffer.
    PXSTR LockBuffer() { return m_pszData; }
    void UnlockBuffer() {}

    // Comparison ------------------------------------------------------------------------------------

    int Compare(PCXSTR psz) const { return Sign(Traits::Compare(m_pszData, Safe(psz))); }
    int CompareNoCase(PCXSTR psz) const { return Sign(Traits::CompareNoCase(m_pszData, Safe(psz))); }
    // Comparisons in the user's locale.
    int Collate(PCXSTR psz) const { return Traits::Collate(m_pszData, Safe(psz), 0); }
    int CollateNoCase(PCXSTR psz) const { return Traits::Collate(m_pszData, Safe(psz), NORM_IGNORECASE); }

    friend bool operator==(const CStringT& str1, const CStringT& str2) {
        return str1.m_nLength == str2.m_nLength &&
               memcmp(str1.m_pszData, str2.m_pszData, str1.m_nLength * sizeof(XCHAR)) == 0;
    }
    friend bool operator==(const CStringT& str1, PCXSTR psz2) { return str1.Compare(psz2) == 0; }
    friend bool operator==(PCXSTR psz1, const CStringT& str2) { return str2.Compare(psz1) == 0; }
    friend bool operator==(const CStringT& str1, PCYSTR psz2) { return str1.Compare(CStringT(psz2)) == 0; }
    friend bool operator==(PCYSTR psz1, const CStringT& str2) { return str2.Compare(CStringT(psz1)) == 0; }
    friend bool operator==(const CStringT& str1, XCHAR ch2) {
        return str1.m_nLength == 1 && str1.m_pszData[0] == ch2;
    }
    friend bool operator==(XCHAR ch1, const CStringT& str2) { return str2 == ch1; }
    friend bool operator==(const CStringT& str1, const CStringT<YCHAR>& str2) {
        return str1 == CStringT(str2);
    }
    friend bool operator!=(const CStringT& str1, const CStringT& str2) { return !(str1 == str2); }
    friend bool operator!=(const CStringT& str1, const CStringT<YCHAR>& str2) { return !(str1 == str2); }
    friend bool operator!=(const CStringT& str1, PCXSTR psz2) { return !(str1 == psz2); }
    friend bool operator!=(PCXSTR psz1, const CStringT& str2) { return !(str2 == psz1); }
    friend bool operator!=(const CStringT& str1, PCYSTR psz2) { return !(str1 == psz2); }
    friend bool operator!=(PCYSTR psz1, const CStringT& str2) { return !(str2 == psz1); }
    friend bool operator!=(const CStringT& str1, XCHAR ch2) { return !(str1 == ch2); }
    friend bool operator!=(XCHAR ch1, const CStringT& str2) { return !(str2 == ch1); }
    friend bool operator<(const CStringT& str1, const CStringT& str2) { return str1.Compare(str2) < 0; }
    friend bool operator<(const CStringT& str1, PCXSTR psz2) { return str1.Compare(psz2) < 0; }
    friend bool operator<(PCXSTR psz1, const CStringT& str2) { return str2.Compare(psz1) > 0; }
    friend bool operator>(const CStringT& str1, const CStringT& str2) { return str1.Compare(str2) > 0; }
    friend bool operator>(const CStringT& str1, PCXSTR psz2) { return str1.Compare(psz2) > 0; }
    friend bool operator>(PCXSTR psz1, const CStringT& str2) { return str2.Compare(psz1) < 0; }
    friend bool operator<=(const CStringT& str1, const CStringT& str2) { return str1.Compare(str2) <= 0; }
    friend bool operator<=(const CStringT& str1, PCXSTR psz2) { return str1.Compare(psz2) <= 0; }
    friend bool operator<=(PCXSTR psz1, const CStringT& str2) { return str2.Compare(psz1) >= 0; }
    friend bool operator>=(const CStringT& str1, const CStringT& str2) { return str1.Compare(str2) >= 0; }
    friend bool operator>=(const CStringT& str1, PCXSTR psz2) { return str1.Compare(psz2) >= 0; }
    friend bool operator>=(PCXSTR psz1, const CStringT& str2) { return str2.Compare(psz1) <= 0; }

    // Extraction (counts are clamped to the string) --------------------------------------------------

    CStringT Mid(int iFirst) const { return Mid(iFirst, m_nLength); }
    CStringT Mid(int iFirst, int nCount) const {
        if (iFirst < 0) iFirst = 0;
        if (nCount < 0) nCount = 0;
        if (iFirst > m_nLength) iFirst = m_nLength;
        if (nCount > m_nLength - iFirst) nCount = m_nLength - iFirst;
        return CStringT(m_pszData + iFirst, nCount);
    }
    CStringT Left(int nCount) const { return Mid(0, nCount); }
    CStringT Right(int nCount) const {
        if (nCount < 0) nCount = 0;
        if (nCount > m_nLength) nCount = m_nLength;
        return CStringT(m_pszData + m_nLength - nCount, nCount);
    }
    // The leading characters that are all in (respectively none in) pszCharSet.
    CStringT SpanIncluding(PCXSTR pszCharSet) const {
        return Left(SpanOf(m_pszData, Safe(pszCharSet), true));
    }
    CStringT SpanExcluding(PCXSTR pszCharSet) const {
        return Left(SpanOf(m_pszData, Safe(pszCharSet), false));
    }

    // Next token after iStart: leading delimiters are skipped, iStart moves past the delimiter that
    // ends the token, and becomes -1 (with an empty result) when no token is left.
    CStringT Tokenize(PCXSTR pszTokens, int& iStart) const {
        if (iStart >= 0 && iStart < m_nLength) {
            if (pszTokens == NULL || *pszTokens == 0) {
                CStringT strRest = Mid(iStart);
                iStart = m_nLength + 1;
                return strRest;
            }
            int iFrom = iStart + SpanOf(m_pszData + iStart, pszTokens, true);
            if (iFrom < m_nLength) {
                int nToken = SpanOf(m_pszData + iFrom, pszTokens, false);
                iStart = iFrom + nToken + 1;
                return CStringT(m_pszData + iFrom, nToken);
            }
        }
        iStart = -1;
        return CStringT();
    }

    // Searching (positions are indexes, -1 when not found) -------------------------------------------

    int Find(XCHAR ch, int iStart = 0) const {
        if (iStart < 0) iStart = 0;
        for (int i = iStart; i < m_nLength; i += Traits::CharLen(m_pszData + i)) {
            if (m_pszData[i] == ch) return i;
        }
        return -1;
    }
    // An empty pszSub is found at iStart.
    int Find(PCXSTR pszSub, int iStart = 0) const {
        if (iStart < 0) iStart = 0;
        if (iStart > m_nLength) return -1;
        PCXSTR p = Traits::FindString(m_pszData + iStart, Safe(pszSub));
        return p ? static_cast<int>(p - m_pszData) : -1;
    }
    int ReverseFind(XCHAR ch) const {
        int iFound = -1;
        for (int i = 0; i < m_nLength; i += Traits::CharLen(m_pszData + i)) {
            if (m_pszData[i] == ch) iFound = i;
        }
        return iFound;
    }
    int FindOneOf(PCXSTR pszCharSet) const {
        int i = SpanOf(m_pszData, Safe(pszCharSet), false);
        return i < m_nLength ? i : -1;
    }

    // Modification ----------------------------------------------------------------------------------

    // Replaces every chOld by chNew; returns the number of replacements.
    int Replace(XCHAR chOld, XCHAR chNew) {
        int nCount = 0;
        if (chOld == chNew || chOld == 0) return 0;
        for (int i = 0; i < m_nLength; i += Traits::CharLen(m_pszData + i)) {
            if (m_pszData[i] == chOld) {
                m_pszData[i] = chNew;
                ++nCount;
            }
        }
        return nCount;
    }
    // Replaces every non-overlapping pszOld, left to right, by pszNew (NULL: removes them); returns the
    // number of replacements. An empty pszOld replaces nothing.
    int Replace(PCXSTR pszOld, PCXSTR pszNew) {
        int nOld = Traits::Length(pszOld);
        if (nOld == 0 || m_nLength == 0) return 0;
        int nNew = Traits::Length(pszNew);
        int nCount = 0;
        CStringT strResult;
        PCXSTR pCopied = m_pszData;
        for (PCXSTR p = Traits::FindString(m_pszData, pszOld); p != NULL; p = Traits::FindString(p, pszOld)) {
            if (nCount++ == 0) strResult.Preallocate(m_nLength + (nNew > nOld ? nNew - nOld : 0) * 4);
            strResult.Append(pCopied, static_cast<int>(p - pCopied));
            strResult.Append(pszNew, nNew);
            p += nOld;
            pCopied = p;
        }
        if (nCount == 0) return 0;
        strResult.Append(pCopied, static_cast<int>(m_pszData + m_nLength - pCopied));
        *this = std::move(strResult);
        return nCount;
    }
    // Removes every chRemove; returns the number removed.
    int Remove(XCHAR chRemove) {
        int iDst = 0;
        for (int i = 0; i < m_nLength;) {
            int nChar = Traits::CharLen(m_pszData + i);
            if (!(nChar == 1 && m_pszData[i] == chRemove)) {
                for (int k = 0; k < nChar; ++k)
                    m_pszData[iDst++] = m_pszData[i + k];
            }
            i += nChar;
        }
        int nRemoved = m_nLength - iDst;
        SetLength(iDst);
        return nRemoved;
    }
    // Inserts before iIndex (clamped to the string); returns the new length.
    int Insert(int iIndex, XCHAR ch) { return Insert(iIndex, &ch, 1); }
    int Insert(int iIndex, PCXSTR psz) { return Insert(iIndex, psz, Traits::Length(psz)); }
    // Deletes up to nCount characters from iIndex; returns the new length.
    int Delete(int iIndex, int nCount = 1) {
        if (iIndex < 0) iIndex = 0;
        if (nCount <= 0 || iIndex >= m_nLength) return m_nLength;
        if (nCount > m_nLength - iIndex) nCount = m_nLength - iIndex;
        memmove(m_pszData + iIndex, m_pszData + iIndex + nCount,
                (m_nLength - iIndex - nCount) * sizeof(XCHAR));
        SetLength(m_nLength - nCount);
        return m_nLength;
    }

    CStringT& MakeUpper() {
        Traits::MakeUpper(m_pszData, m_nLength);
        return *this;
    }
    CStringT& MakeLower() {
        Traits::MakeLower(m_pszData, m_nLength);
        return *this;
    }
    // Reverses the order of the characters (a double-byte character stays in one piece).
    CStringT& MakeReverse() {
        if (!Traits::IsDoubleByte()) {
            for (int i = 0, j = m_nLength - 1; i < j; ++i, --j)
                std::swap(m_pszData[i], m_pszData[j]);
            return *this;
        }
        CStringT strSource(*this);
        PCXSTR pSrc = strSource.m_pszData;
        for (int i = 0; i < m_nLength;) {
            int nChar = Traits::CharLen(pSrc + i);
            memcpy(m_pszData + m_nLength - i - nChar, pSrc + i, nChar * sizeof(XCHAR));
            i += nChar;
        }
        return *this;
    }

    // Trimming: white space, one character, or any character of a set.
    CStringT& Trim() { return TrimRight().TrimLeft(); }
    CStringT& Trim(XCHAR chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }
    CStringT& Trim(PCXSTR pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }
    CStringT& TrimLeft() {
        return TrimLeftWhile([](PCXSTR p, int) { return Traits::IsSpace(p); });
    }
    CStringT& TrimLeft(XCHAR chTarget) {
        return TrimLeftWhile([chTarget](PCXSTR p, int nChar) { return nChar == 1 && *p == chTarget; });
    }
    CStringT& TrimLeft(PCXSTR pszTargets) {
        PCXSTR pszSet = Safe(pszTargets);
        return TrimLeftWhile([pszSet](PCXSTR p, int nChar) { return InSet(p, nChar, pszSet); });
    }
    CStringT& TrimRight() {
        return TrimRightWhile([](PCXSTR p, int) { return Traits::IsSpace(p); });
    }
    CStringT& TrimRight(XCHAR chTarget) {
        return TrimRightWhile([chTarget](PCXSTR p, int nChar) { return nChar == 1 && *p == chTarget; });
    }
    CStringT& TrimRight(PCXSTR pszTargets) {
        PCXSTR pszSet = Safe(pszTargets);
        return TrimRightWhile([pszSet](PCXSTR p, int nChar) { return InSet(p, nChar, pszSet); });
    }

    // Formatting with the platform's printf conventions: in a wide string %s takes a wide string and
    // %S a narrow one, in a narrow string the other way round; %I64d takes a 64-bit integer.
    template <typename... Args>
    void Format(PCXSTR pszFormat, const Args&... args) {
        FormatArgs(pszFormat, AfxFormatArg(args)...);
    }
    template <typename... Args>
    void Format(UINT nFormatID, const Args&... args) {
        CStringT strFormat;
        if (strFormat.LoadString(nFormatID)) FormatArgs(strFormat.GetString(), AfxFormatArg(args)...);
    }
    template <typename... Args>
    void AppendFormat(PCXSTR pszFormat, const Args&... args) {
        AppendFormatArgs(pszFormat, AfxFormatArg(args)...);
    }
    template <typename... Args>
    void AppendFormat(UINT nFormatID, const Args&... args) {
        CStringT strFormat;
        if (strFormat.LoadString(nFormatID)) AppendFormatArgs(strFormat.GetString(), AfxFormatArg(args)...);
    }
    void FormatV(PCXSTR pszFormat, va_list args) {
        CStringT strResult;
        strResult.AppendFormatV(pszFormat, args);
        *this = std::move(strResult);
    }
    void AppendFormatV(PCXSTR pszFormat, va_list args) {
        if (pszFormat == NULL) return;
        // Most results fit a stack buffer and are formatted once; longer ones are measured first.
        XCHAR szBuffer[512];
        va_list argsCopy;
        va_copy(argsCopy, args);
        int nLength = Traits::Format(szBuffer, _countof(szBuffer), pszFormat, argsCopy);
        va_end(argsCopy);
        if (nLength >= 0 && nLength < static_cast<int>(_countof(szBuffer))) {
            Append(szBuffer, nLength);
            return;
        }
        va_copy(argsCopy, args);
        nLength = Traits::FormattedLength(pszFormat, argsCopy);
        va_end(argsCopy);
        if (nLength <= 0) return;
        CStringT strResult;
        PXSTR p = strResult.GetBuffer(nLength);
        va_copy(argsCopy, args);
        nLength = Traits::Format(p, nLength + 1, pszFormat, argsCopy);
        va_end(argsCopy);
        strResult.ReleaseBufferSetLength(nLength < 0 ? 0 : nLength);
        Append(strResult);
    }
    // Message-style formatting: inserts %1, %2, ... (the platform's FormatMessage from a string).
    template <typename... Args>
    void FormatMessage(PCXSTR pszFormat, const Args&... args) {
        FormatMessageArgs(pszFormat, AfxFormatArg(args)...);
    }
    template <typename... Args>
    void FormatMessage(UINT nFormatID, const Args&... args) {
        CStringT strFormat;
        if (strFormat.LoadString(nFormatID)) FormatMessageArgs(strFormat.GetString(), AfxFormatArg(args)...);
    }
    void FormatMessageV(PCXSTR pszFormat, va_list* pArgList) {
        PXSTR pBuffer = NULL;
        DWORD nLength = Traits::FormatMessage(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                              Safe(pszFormat), &pBuffer, pArgList);
        SetString(pBuffer, static_cast<int>(nLength));
        if (pBuffer != NULL) ::LocalFree(pBuffer);
    }

    // Resources and environment ---------------------------------------------------------------------

    // Loads string nID from the module of the resource chain that holds it; FALSE (and the string
    // unchanged) when there is none.
    BOOL LoadString(UINT nID) {
        HINSTANCE hInstance = AfxFindStringResourceHandle(nID);
        return hInstance != NULL && LoadString(hInstance, nID);
    }
    BOOL LoadString(HINSTANCE hInstance, UINT nID) {
        return LoadStringFrom(hInstance,
                              ::FindResourceW(hInstance, StringBlockName(nID), MAKEINTRESOURCEW(6)), nID);
    }
    BOOL LoadString(HINSTANCE hInstance, UINT nID, WORD wLanguageID) {
        return LoadStringFrom(
            hInstance, ::FindResourceExW(hInstance, MAKEINTRESOURCEW(6), StringBlockName(nID), wLanguageID),
            nID);
    }
    BOOL GetEnvironmentVariable(PCXSTR pszVar) {
        DWORD nLength = Traits::GetEnvironmentVariable(Safe(pszVar), NULL, 0);
        if (nLength == 0) {
            Empty();
            return FALSE;
        }
        PXSTR p = GetBuffer(static_cast<int>(nLength));
        nLength = Traits::GetEnvironmentVariable(Safe(pszVar), p, nLength + 1);
        ReleaseBufferSetLength(static_cast<int>(nLength));
        return TRUE;
    }

private:
    template <typename>
    friend class CStringT;

    static constexpr int kInlineCapacity = 32 / sizeof(XCHAR) - 1;  // characters kept inside the object

    // String tables hold blocks of 16 counted UTF-16 strings; block n + 1 holds ids 16n to 16n + 15.
    static LPCWSTR StringBlockName(UINT nID) { return MAKEINTRESOURCEW(((nID >> 4) & 0xFFF) + 1); }
    BOOL LoadStringFrom(HINSTANCE hInstance, HRSRC hResource, UINT nID) {
        if (hResource == NULL) return FALSE;
        HGLOBAL hGlobal = ::LoadResource(hInstance, hResource);
        const WORD* p = hGlobal ? static_cast<const WORD*>(::LockResource(hGlobal)) : NULL;
        if (p == NULL) return FALSE;
        const WORD* pEnd = p + ::SizeofResource(hInstance, hResource) / sizeof(WORD);
        for (UINT i = nID & 15; i > 0 && p < pEnd; --i)
            p += *p + 1;
        if (p >= pEnd || *p == 0 || p + 1 + *p > pEnd) return FALSE;
        CStringT<wchar_t> strWide(reinterpret_cast<const wchar_t*>(p + 1), *p);
        *this = strWide;
        return TRUE;
    }

    bool IsInline() const { return m_pszData == m_szInline; }
    void SetLength(int nLength) {
        m_nLength = nLength;
        m_pszData[nLength] = 0;
    }
    static PCXSTR Safe(PCXSTR psz) { return psz ? psz : EmptyString(); }
    static PCXSTR EmptyString() {
        static const XCHAR s_chNil = 0;
        return &s_chNil;
    }
    static int Sign(int n) { return n < 0 ? -1 : (n > 0 ? 1 : 0); }

    // Grows the capacity to at least nLength characters, geometrically; bKeep keeps the contents.
    void Reserve(int nLength, bool bKeep) {
        if (nLength <= m_nCapacity) return;
        const int nMax = 0x7FFFFFFF / static_cast<int>(sizeof(XCHAR)) - 1;
        if (nLength > nMax) AfxThrowMemoryException();
        int nCapacity = m_nCapacity < nMax / 2 ? m_nCapacity + m_nCapacity / 2 : nMax;
        if (nCapacity < nLength) nCapacity = nLength;
        size_t cb = (static_cast<size_t>(nCapacity) + 1) * sizeof(XCHAR);
        PXSTR p;
        if (IsInline()) {
            p = static_cast<PXSTR>(malloc(cb));
            if (p == NULL) AfxThrowMemoryException();
            if (bKeep) memcpy(p, m_szInline, (m_nLength + 1) * sizeof(XCHAR));
        } else {
            p = static_cast<PXSTR>(realloc(m_pszData, cb));
            if (p == NULL) AfxThrowMemoryException();
        }
        m_pszData = p;
        m_nCapacity = nCapacity;
    }
    void TakeFrom(CStringT& strSrc) noexcept {
        if (strSrc.IsInline()) {
            memcpy(m_szInline, strSrc.m_szInline, (strSrc.m_nLength + 1) * sizeof(XCHAR));
            m_nLength = strSrc.m_nLength;
        } else {
            m_pszData = strSrc.m_pszData;
            m_nLength = strSrc.m_nLength;
            m_nCapacity = strSrc.m_nCapacity;
            strSrc.m_pszData = strSrc.m_szInline;
            strSrc.m_nCapacity = kInlineCapacity;
        }
        strSrc.SetLength(0);
    }
    void SetConverted(PCYSTR pch, int nLength) {
        int nDst = CCharsetConvert::Convert(static_cast<PXSTR>(NULL), 0, pch, nLength, CP_ACP);
        if (nDst <= 0) {
            SetLength(0);
            return;
        }
        if (nDst > m_nCapacity) Reserve(nDst, false);
        nDst = CCharsetConvert::Convert(m_pszData, nDst, pch, nLength, CP_ACP);
        SetLength(nDst > 0 ? nDst : 0);
    }
    static CStringT Concat(PCXSTR p1, int n1, PCXSTR p2, int n2) {
        CStringT strResult;
        strResult.Preallocate(n1 + n2);
        strResult.Append(p1, n1);
        strResult.Append(p2, n2);
        return strResult;
    }
    int Insert(int iIndex, PCXSTR pch, int nCount) {
        if (iIndex < 0) iIndex = 0;
        if (iIndex > m_nLength) iIndex = m_nLength;
        if (pch == NULL || nCount <= 0) return m_nLength;
        if (pch >= m_pszData && pch <= m_pszData + m_nLength) {
            CStringT strCopy(pch, nCount);
            return Insert(iIndex, strCopy.m_pszData, nCount);
        }
        int nNewLength = m_nLength + nCount;
        if (nNewLength > m_nCapacity) Reserve(nNewLength, true);
        memmove(m_pszData + iIndex + nCount, m_pszData + iIndex, (m_nLength - iIndex) * sizeof(XCHAR));
        memcpy(m_pszData + iIndex, pch, nCount * sizeof(XCHAR));
        SetLength(nNewLength);
        return m_nLength;
    }

    // Whether the character at p (nChar units) is one of the characters of pszSet.
    static bool InSet(PCXSTR p, int nChar, PCXSTR pszSet) {
        for (PCXSTR q = pszSet; *q != 0; q += Traits::CharLen(q)) {
            if (*q == *p && Traits::CharLen(q) == nChar && (nChar == 1 || q[1] == p[1])) return true;
        }
        return false;
    }
    // Length of the leading run of psz whose characters are (bIn) or are not (!bIn) in pszSet.
    static int SpanOf(PCXSTR psz, PCXSTR pszSet, bool bIn) {
        int i = 0;
        while (psz[i] != 0) {
            int nChar = Traits::CharLen(psz + i);
            if (InSet(psz + i, nChar, pszSet) != bIn) break;
            i += nChar;
        }
        return i;
    }
    template <typename Pred>
    CStringT& TrimLeftWhile(Pred pred) {
        int i = 0;
        while (i < m_nLength) {
            int nChar = Traits::CharLen(m_pszData + i);
            if (!pred(m_pszData + i, nChar)) break;
            i += nChar;
        }
        if (i > 0) Delete(0, i);
        return *this;
    }
    template <typename Pred>
    CStringT& TrimRightWhile(Pred pred) {
        // Scans forward so that double-byte characters are recognised; iTrail starts the final run.
        int iTrail = -1;
        for (int i = 0; i < m_nLength;) {
            int nChar = Traits::CharLen(m_pszData + i);
            if (pred(m_pszData + i, nChar)) {
                if (iTrail < 0) iTrail = i;
            } else {
                iTrail = -1;
            }
            i += nChar;
        }
        if (iTrail >= 0) SetLength(iTrail);
        return *this;
    }

    void AFX_CDECL FormatArgs(PCXSTR pszFormat, ...) {
        va_list args;
        va_start(args, pszFormat);
        FormatV(pszFormat, args);
        va_end(args);
    }
    void AFX_CDECL AppendFormatArgs(PCXSTR pszFormat, ...) {
        va_list args;
        va_start(args, pszFormat);
        AppendFormatV(pszFormat, args);
        va_end(args);
    }
    void AFX_CDECL FormatMessageArgs(PCXSTR pszFormat, ...) {
        va_list args;
        va_start(args, pszFormat);
        FormatMessageV(pszFormat, &args);
        va_end(args);
    }

    PXSTR m_pszData = m_szInline;  // m_szInline or a heap block of m_nCapacity + 1 characters
    int m_nLength = 0;
    int m_nCapacity = kInlineCapacity;
    XCHAR m_szInline[kInlineCapacity + 1];
};

typedef CStringT<char> CStringA;
typedef CStringT<wchar_t> CStringW;
typedef CStringT<TCHAR> CString;
