// Extension modules: start and end of framework DLLs and the process-wide list of libraries.
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

namespace {

// The list is touched from DllMain of several modules, possibly on several threads.
struct CLibraryList {
    CRITICAL_SECTION cs;
    CDynLinkLibrary* pFirst = nullptr;

    CLibraryList() { ::InitializeCriticalSection(&cs); }
    ~CLibraryList() { ::DeleteCriticalSection(&cs); }
};

CLibraryList& Libraries() {
    static CLibraryList s_list;
    return s_list;
}

class CListLock {
public:
    CListLock() { ::EnterCriticalSection(&Libraries().cs); }
    ~CListLock() { ::LeaveCriticalSection(&Libraries().cs); }
    CListLock(const CListLock&) = delete;
    CListLock& operator=(const CListLock&) = delete;
};

// Whether another library in the list still provides hResource (caller holds the lock).
bool ResourceStillUsed(HMODULE hResource, const CDynLinkLibrary* pExcept) {
    for (CDynLinkLibrary* p = Libraries().pFirst; p; p = p->m_pNextDLL)
        if (p != pExcept && p->m_hResource == hResource) return true;
    return false;
}

}  // namespace

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (state.bInitialized) return TRUE;
    if (!hModule) return FALSE;
    state.bInitialized = TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = nullptr;
    state.pFirstSharedFactory = nullptr;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
    if (!state.bInitialized) return;
    // One library at a time, found under the lock and deleted after it: the destructor relinks the list.
    for (;;) {
        CDynLinkLibrary* pDoomed = nullptr;
        {
            CListLock lock;
            for (CDynLinkLibrary* p = Libraries().pFirst; p && !pDoomed; p = p->m_pNextDLL)
                if (bAll || p->m_hModule == state.hModule) pDoomed = p;
        }
        if (!pDoomed) break;
        delete pDoomed;
    }
}

CDynLinkLibrary* AFXAPI AfxGetFirstDynLinkLibrary() {
    CListLock lock;
    return Libraries().pFirst;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem) {
    ASSERT(state.bInitialized);
    Join();
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource) {
    Join();
}

void CDynLinkLibrary::Join() {
    CListLock lock;
    CDynLinkLibrary** ppLink = &Libraries().pFirst;
    while (*ppLink)
        ppLink = &(*ppLink)->m_pNextDLL;
    *ppLink = this;
    AfxAddResourceModule(m_hResource);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    CListLock lock;
    for (CDynLinkLibrary** ppLink = &Libraries().pFirst; *ppLink; ppLink = &(*ppLink)->m_pNextDLL) {
        if (*ppLink == this) {
            *ppLink = m_pNextDLL;
            break;
        }
    }
    m_pNextDLL = nullptr;
    if (m_hResource && !ResourceStillUsed(m_hResource, this)) AfxRemoveResourceModule(m_hResource);
}
