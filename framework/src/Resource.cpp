// The resource chain: module handles shared by every module of the process, and the search for
// resources and strings along the chain.
#include <afx.h>

#include <algorithm>
#include <string>
#include <vector>

// The framework DLL's own module (the linker's symbol for the image base of the module being linked).
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

struct ResourceState {
    CRITICAL_SECTION cs;
    HINSTANCE hResource = nullptr;
    std::vector<HINSTANCE> chain;  // extension modules, in the order they joined

    ResourceState() { ::InitializeCriticalSection(&cs); }
    ~ResourceState() { ::DeleteCriticalSection(&cs); }
};

ResourceState& State() {
    static ResourceState s_state;
    return s_state;
}

class CStateLock {
public:
    CStateLock() { ::EnterCriticalSection(&State().cs); }
    ~CStateLock() { ::LeaveCriticalSection(&State().cs); }
    CStateLock(const CStateLock&) = delete;
    CStateLock& operator=(const CStateLock&) = delete;
};

// The modules to search, in order, without repeats.
std::vector<HINSTANCE> SearchOrder() {
    std::vector<HINSTANCE> order;
    auto add = [&order](HINSTANCE h) {
        if (h && std::find(order.begin(), order.end(), h) == order.end()) order.push_back(h);
    };
    add(AfxGetResourceHandle());
    {
        CStateLock lock;
        for (HINSTANCE h : State().chain)
            add(h);
    }
    add(reinterpret_cast<HINSTANCE>(&__ImageBase));
    return order;
}

// String nID of a module as counted UTF-16 text inside its string block; NULL when the entry is
// missing or empty. Blocks hold 16 strings, each a length followed by that many characters.
LPCWSTR FindStringEntry(HINSTANCE hModule, UINT nID, int& nLen) {
    HRSRC hRes = ::FindResourceW(hModule, MAKEINTRESOURCEW((nID >> 4) + 1), MAKEINTRESOURCEW(6));
    if (!hRes) return nullptr;
    HGLOBAL hData = ::LoadResource(hModule, hRes);
    const WCHAR* p = hData ? static_cast<const WCHAR*>(::LockResource(hData)) : nullptr;
    if (!p) return nullptr;
    const WCHAR* pEnd = p + ::SizeofResource(hModule, hRes) / sizeof(WCHAR);
    for (UINT i = 0; i < (nID & 15); ++i) {
        if (p >= pEnd) return nullptr;
        p += 1 + *p;
    }
    if (p >= pEnd || *p == 0 || p + 1 + *p > pEnd) return nullptr;
    nLen = *p;
    return p + 1;
}

}  // namespace

HINSTANCE AFXAPI AfxGetInstanceHandle() {
    return ::GetModuleHandle(nullptr);
}

HINSTANCE AFXAPI AfxGetResourceHandle() {
    HINSTANCE h;
    {
        CStateLock lock;
        h = State().hResource;
    }
    return h ? h : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) {
    CStateLock lock;
    State().hResource = hInstResource;
}

void AFXAPI AfxAddResourceModule(HINSTANCE hModule) {
    if (!hModule) return;
    CStateLock lock;
    std::vector<HINSTANCE>& chain = State().chain;
    if (std::find(chain.begin(), chain.end(), hModule) == chain.end()) chain.push_back(hModule);
}

void AFXAPI AfxRemoveResourceModule(HINSTANCE hModule) {
    CStateLock lock;
    std::vector<HINSTANCE>& chain = State().chain;
    chain.erase(std::remove(chain.begin(), chain.end(), hModule), chain.end());
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType) {
    for (HINSTANCE h : SearchOrder())
        if (::FindResource(h, lpszName, lpszType)) return h;
    return AfxGetResourceHandle();
}

HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID) {
    int nLen = 0;
    for (HINSTANCE h : SearchOrder())
        if (FindStringEntry(h, nID, nLen)) return h;
    return AfxGetResourceHandle();
}

int AFXAPI AfxLoadString(UINT nID, LPTSTR lpszBuf, UINT nMaxBuf) {
    if (!lpszBuf || nMaxBuf == 0) return 0;
    lpszBuf[0] = 0;
    int nLen = 0;
    LPCWSTR pText = nullptr;
    for (HINSTANCE h : SearchOrder())
        if ((pText = FindStringEntry(h, nID, nLen)) != nullptr) break;
    if (!pText) return 0;
#ifdef _UNICODE
    const int n = std::min(nLen, static_cast<int>(nMaxBuf) - 1);
    std::copy(pText, pText + n, lpszBuf);
    lpszBuf[n] = 0;
    return n;
#else
    const int cb = ::WideCharToMultiByte(CP_ACP, 0, pText, nLen, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(cb > 0 ? cb : 0), '\0');
    if (cb > 0) ::WideCharToMultiByte(CP_ACP, 0, pText, nLen, &text[0], cb, nullptr, nullptr);
    // Truncation never splits a double-byte character.
    int n = 0;
    const int nMax = static_cast<int>(nMaxBuf) - 1;
    while (n < static_cast<int>(text.size())) {
        const int nChar =
            ::IsDBCSLeadByte(static_cast<BYTE>(text[n])) && n + 1 < static_cast<int>(text.size()) ? 2 : 1;
        if (n + nChar > nMax) break;
        n += nChar;
    }
    std::copy(text.begin(), text.begin() + n, lpszBuf);
    lpszBuf[n] = 0;
    return n;
#endif
}
