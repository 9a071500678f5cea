// Conversion between narrow (code page) and wide (UTF-16) text: the converting objects CA2W, CW2A,
// CT2A, CA2T, ... and the USES_CONVERSION macros A2W, W2A, T2A, ... built on them.
#pragma once

#include "afxver_.h"

#include <stdlib.h>
#include <string.h>
#include <wchar.h>
#include <type_traits>

// Out of memory is reported like every other allocation failure of the framework.
[[noreturn]] AFX_CORE_API void AFXAPI AfxThrowMemoryException();

// Character set conversion through the platform. Every length is in units of its own string, without
// the terminator; a NULL destination measures.
struct CCharsetConvert {
    static int Convert(wchar_t* pDst, int nDst, const char* pSrc, int nSrc, UINT nCodePage) {
        if (pSrc == NULL || nSrc <= 0) return 0;
        return ::MultiByteToWideChar(nCodePage, 0, pSrc, nSrc, pDst, nDst);
    }
    static int Convert(char* pDst, int nDst, const wchar_t* pSrc, int nSrc, UINT nCodePage) {
        if (pSrc == NULL || nSrc <= 0) return 0;
        return ::WideCharToMultiByte(nCodePage, 0, pSrc, nSrc, pDst, nDst, NULL, NULL);
    }

    static int Length(const char* psz) { return psz ? static_cast<int>(strlen(psz)) : 0; }
    static int Length(const wchar_t* psz) { return psz ? static_cast<int>(wcslen(psz)) : 0; }

    // TRUE when nCodePage names the process's ANSI code page, so narrow text needs no recoding.
    static bool IsAnsiCodePage(UINT nCodePage) { return nCodePage == CP_ACP || nCodePage == ::GetACP(); }
};

// Holds the converted copy of a string for as long as the object lives; short results stay in the
// object itself. TO and FROM are the character types. For narrow-to-narrow conversion the code page
// names the source text when bCodePageOfSource is set, otherwise the result; the other side is in the
// ANSI code page. With bConst a string that needs no conversion is passed through uncopied. A NULL
// source gives NULL.
template <typename TO, typename FROM, int t_nBufferLength, bool bCodePageOfSource, bool bConst>
class CStringConvertT {
public:
    typedef typename std::conditional<bConst, const TO*, TO*>::type PTOSTR;

    CStringConvertT(const FROM* psz) { Init(psz, CP_ACP); }
    CStringConvertT(const FROM* psz, UINT nCodePage) { Init(psz, nCodePage); }
    ~CStringConvertT() { free(m_pHeap); }
    CStringConvertT(const CStringConvertT&) = delete;
    CStringConvertT& operator=(const CStringConvertT&) = delete;

    operator PTOSTR() const { return m_psz; }

    TO* m_psz = NULL;
    TO m_szBuffer[t_nBufferLength];

private:
    TO* m_pHeap = NULL;  // the result when it does not fit m_szBuffer

    // Room for nLength units and the terminator: the inline buffer or a heap block.
    TO* Allocate(int nLength) {
        if (nLength < t_nBufferLength) return m_szBuffer;
        free(m_pHeap);
        m_pHeap = static_cast<TO*>(malloc((static_cast<size_t>(nLength) + 1) * sizeof(TO)));
        if (m_pHeap == NULL) AfxThrowMemoryException();
        return m_pHeap;
    }
    void Copy(const TO* psz, int nLength) {
        m_psz = Allocate(nLength);
        memcpy(m_psz, psz, nLength * sizeof(TO));
        m_psz[nLength] = 0;
    }
    template <typename Y>
    void Recode(const Y* psz, int nLength, UINT nCodePage) {
        int nDst = CCharsetConvert::Convert(static_cast<TO*>(NULL), 0, psz, nLength, nCodePage);
        m_psz = Allocate(nDst);
        nDst = CCharsetConvert::Convert(m_psz, nDst, psz, nLength, nCodePage);
        m_psz[nDst] = 0;
    }

    void Init(const FROM* psz, UINT nCodePage) {
        if (psz == NULL) return;
        int nLength = CCharsetConvert::Length(psz);
        if constexpr (sizeof(TO) != sizeof(FROM)) {
            Recode(psz, nLength, nCodePage);
        } else if constexpr (sizeof(TO) == sizeof(wchar_t)) {
            // UTF-16 to UTF-16: the code page does not apply.
            if constexpr (bConst) {
                m_psz = const_cast<TO*>(psz);
            } else {
                Copy(psz, nLength);
            }
        } else if (CCharsetConvert::IsAnsiCodePage(nCodePage)) {
            if constexpr (bConst) {
                m_psz = const_cast<TO*>(psz);
            } else {
                Copy(psz, nLength);
            }
        } else {
            // Narrow text between two code pages goes through UTF-16.
            UINT nFrom = bCodePageOfSource ? nCodePage : CP_ACP;
            UINT nTo = bCodePageOfSource ? CP_ACP : nCodePage;
            int nWide = CCharsetConvert::Convert(static_cast<wchar_t*>(NULL), 0, psz, nLength, nFrom);
            wchar_t szWide[256];
            wchar_t* pWide = nWide <= 256 ? szWide : static_cast<wchar_t*>(malloc(nWide * sizeof(wchar_t)));
            if (pWide == NULL) AfxThrowMemoryException();
            nWide = CCharsetConvert::Convert(pWide, nWide, psz, nLength, nFrom);
            Recode(pWide, nWide, nTo);
            if (pWide != szWide) free(pWide);
        }
    }
};

// The converting objects by their conventional names; the EX forms choose the inline buffer length.
template <int t_nBufferLength = 128>
using CA2WEX = CStringConvertT<wchar_t, char, t_nBufferLength, true, false>;
template <int t_nBufferLength = 128>
using CW2AEX = CStringConvertT<char, wchar_t, t_nBufferLength, false, false>;
template <int t_nBufferLength = 128>
using CW2WEX = CStringConvertT<wchar_t, wchar_t, t_nBufferLength, false, false>;
template <int t_nBufferLength = 128>
using CW2CWEX = CStringConvertT<wchar_t, wchar_t, t_nBufferLength, false, true>;
// ANSI text to the given code page.
template <int t_nBufferLength = 128>
using CA2AEX = CStringConvertT<char, char, t_nBufferLength, false, false>;
template <int t_nBufferLength = 128>
using CA2CAEX = CStringConvertT<char, char, t_nBufferLength, false, true>;
// Text in the given code page to ANSI.
template <int t_nBufferLength = 128>
using CCP2AEX = CStringConvertT<char, char, t_nBufferLength, true, false>;
template <int t_nBufferLength = 128>
using CCP2CAEX = CStringConvertT<char, char, t_nBufferLength, true, true>;

typedef CA2WEX<> CA2W;
typedef CW2AEX<> CW2A;
typedef CW2WEX<> CW2W;
typedef CW2CWEX<> CW2CW;
typedef CA2AEX<> CA2A;
typedef CA2CAEX<> CA2CA;
typedef CA2WEX<> CA2CW;
typedef CW2AEX<> CW2CA;

// Generic-text forms: identity (or a code page change for narrow text) when the types match.
#ifdef _UNICODE
typedef CW2AEX<> CT2A;
typedef CW2AEX<> CT2CA;
typedef CA2WEX<> CA2T;
typedef CA2WEX<> CA2CT;
typedef CW2WEX<> CT2W;
typedef CW2CWEX<> CT2CW;
typedef CW2WEX<> CW2T;
typedef CW2CWEX<> CW2CT;
#else
typedef CA2AEX<> CT2A;
typedef CA2CAEX<> CT2CA;
typedef CCP2AEX<> CA2T;
typedef CCP2CAEX<> CA2CT;
typedef CA2WEX<> CT2W;
typedef CA2WEX<> CT2CW;
typedef CW2AEX<> CW2T;
typedef CW2AEX<> CW2CT;
#endif

// OLE strings are wide.
typedef CT2W CT2OLE;
typedef CT2CW CT2COLE;
typedef CW2T COLE2T;
typedef CW2CT COLE2CT;

// Backing store of the USES_CONVERSION macros: every converted string lives until the end of the scope
// that declared USES_CONVERSION, so that a pointer kept in a local stays valid.
class CConversionScope {
public:
    CConversionScope() = default;
    ~CConversionScope() {
        while (m_pBlocks != NULL) {
            Block* pNext = m_pBlocks->pNext;
            free(m_pBlocks);
            m_pBlocks = pNext;
        }
    }
    CConversionScope(const CConversionScope&) = delete;
    CConversionScope& operator=(const CConversionScope&) = delete;

    LPWSTR ToWide(LPCSTR psz, UINT nCodePage = CP_ACP) { return Recode<wchar_t>(psz, nCodePage); }
    LPSTR ToNarrow(LPCWSTR psz, UINT nCodePage = CP_ACP) { return Recode<char>(psz, nCodePage); }

private:
    struct Block {
        Block* pNext;
    };

    template <typename TO, typename FROM>
    TO* Recode(const FROM* psz, UINT nCodePage) {
        if (psz == NULL) return NULL;
        int nSrc = CCharsetConvert::Length(psz);
        int nDst = CCharsetConvert::Convert(static_cast<TO*>(NULL), 0, psz, nSrc, nCodePage);
        Block* pBlock =
            static_cast<Block*>(malloc(sizeof(Block) + (static_cast<size_t>(nDst) + 1) * sizeof(TO)));
        if (pBlock == NULL) AfxThrowMemoryException();
        pBlock->pNext = m_pBlocks;
        m_pBlocks = pBlock;
        TO* pDst = reinterpret_cast<TO*>(pBlock + 1);
        nDst = CCharsetConvert::Convert(pDst, nDst, psz, nSrc, nCodePage);
        pDst[nDst] = 0;
        return pDst;
    }

    Block* m_pBlocks = NULL;
};

#define USES_CONVERSION                                                                                      \
    CConversionScope _afxConversionScope;                                                                    \
    (void)_afxConversionScope
#define USES_CONVERSION_EX USES_CONVERSION

#define A2W(lpa) (_afxConversionScope.ToWide(lpa))
#define W2A(lpw) (_afxConversionScope.ToNarrow(lpw))
#define A2CW(lpa) (static_cast<LPCWSTR>(_afxConversionScope.ToWide(lpa)))
#define W2CA(lpw) (static_cast<LPCSTR>(_afxConversionScope.ToNarrow(lpw)))

#ifdef _UNICODE
#define T2A(lpsz) W2A(lpsz)
#define A2T(lpa) A2W(lpa)
#define T2CA(lpsz) W2CA(lpsz)
#define A2CT(lpa) A2CW(lpa)
#define T2W(lpsz) (const_cast<LPWSTR>(static_cast<LPCWSTR>(lpsz)))
#define W2T(lpw) (const_cast<LPWSTR>(static_cast<LPCWSTR>(lpw)))
#define T2CW(lpsz) (static_cast<LPCWSTR>(lpsz))
#define W2CT(lpw) (static_cast<LPCWSTR>(lpw))
#else
#define T2A(lpsz) (const_cast<LPSTR>(static_cast<LPCSTR>(lpsz)))
#define A2T(lpa) (const_cast<LPSTR>(static_cast<LPCSTR>(lpa)))
#define T2CA(lpsz) (static_cast<LPCSTR>(lpsz))
#define A2CT(lpa) (static_cast<LPCSTR>(lpa))
#define T2W(lpsz) A2W(lpsz)
#define W2T(lpw) W2A(lpw)
#define T2CW(lpsz) A2CW(lpsz)
#define W2CT(lpw) W2CA(lpw)
#endif

#define T2OLE(lpsz) T2W(lpsz)
#define T2COLE(lpsz) T2CW(lpsz)
#define OLE2T(lpo) W2T(lpo)
#define OLE2CT(lpo) W2CT(lpo)
#define A2OLE(lpa) A2W(lpa)
#define OLE2A(lpo) W2A(lpo)
#define W2OLE(lpw) (lpw)
#define OLE2W(lpo) (lpo)
