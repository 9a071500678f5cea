// Handle maps: permanent and temporary wrapper objects per handle, and the per-thread set of maps.
#include <afxhandlemap_.h>

#include "AfxThreadTerm.h"

#include <string.h>

#include <unordered_map>
#include <utility>
#include <vector>

struct CHandleMap::CMaps {
    std::unordered_map<HANDLE, CObject*> permanent;
    std::unordered_map<HANDLE, CObject*> temporary;
    std::vector<CObject*> retired;  // temporaries whose handle was detached; deleted with the others
};

CHandleMap::CHandleMap(CRuntimeClass* pClass, size_t nHandleOffset, int nHandles)
    : m_pMaps(new CMaps), m_pClass(pClass), m_nHandleOffset(nHandleOffset), m_nHandles(nHandles) {
    ASSERT(pClass && pClass->m_pfnCreateObject);
    ASSERT(nHandles >= 1);
}

CHandleMap::CHandleMap(PFN_NEWOBJECT pfnNewObject, size_t nHandleOffset, int nHandles)
    : m_pMaps(new CMaps), m_pfnNewObject(pfnNewObject), m_nHandleOffset(nHandleOffset), m_nHandles(nHandles) {
    ASSERT(pfnNewObject);
    ASSERT(nHandles >= 1);
}

CHandleMap::~CHandleMap() {
    DeleteTemp();
    delete m_pMaps;
}

void CHandleMap::SetHandles(CObject* pObject, HANDLE h) const {
    // The handle fields are typed (HDC, HGDIOBJ...); copy bytes rather than write through a HANDLE*.
    BYTE* pFields = reinterpret_cast<BYTE*>(pObject) + m_nHandleOffset;
    for (int i = 0; i < m_nHandles; ++i)
        memcpy(pFields + i * sizeof(HANDLE), &h, sizeof(HANDLE));
}

CObject* CHandleMap::FromHandle(HANDLE h) {
    if (!h) return nullptr;
    if (CObject* pObject = LookupPermanent(h)) return pObject;
    if (CObject* pObject = LookupTemporary(h)) return pObject;

    CObject* pTemp = m_pfnNewObject ? m_pfnNewObject(h) : m_pClass->CreateObject();
    if (!pTemp) return nullptr;
    SetHandles(pTemp, h);
    m_pMaps->temporary[h] = pTemp;
    return pTemp;
}

CObject* CHandleMap::LookupPermanent(HANDLE h) const {
    auto it = m_pMaps->permanent.find(h);
    return it == m_pMaps->permanent.end() ? nullptr : it->second;
}

CObject* CHandleMap::LookupTemporary(HANDLE h) const {
    auto it = m_pMaps->temporary.find(h);
    return it == m_pMaps->temporary.end() ? nullptr : it->second;
}

void CHandleMap::SetPermanent(HANDLE h, CObject* pObject) {
    ASSERT(h && pObject);
    m_pMaps->permanent[h] = pObject;
}

void CHandleMap::RemoveHandle(HANDLE h) {
    m_pMaps->permanent.erase(h);
    // A temporary object that detached (or destroyed) its handle must not answer for a later handle of
    // the same value.
    auto it = m_pMaps->temporary.find(h);
    if (it != m_pMaps->temporary.end()) {
        m_pMaps->retired.push_back(it->second);
        m_pMaps->temporary.erase(it);
    }
}

void CHandleMap::DeleteTemp() {
    // Take the objects out first: a destructor may call back into the map.
    std::unordered_map<HANDLE, CObject*> temporary;
    std::vector<CObject*> retired;
    temporary.swap(m_pMaps->temporary);
    retired.swap(m_pMaps->retired);
    for (auto& entry : temporary) {
        SetHandles(entry.second, nullptr);  // the destructor must not destroy the handle
        delete entry.second;
    }
    for (CObject* pObject : retired) {
        SetHandles(pObject, nullptr);
        delete pObject;
    }
}

int CHandleMap::GetPermanentCount() const {
    return static_cast<int>(m_pMaps->permanent.size());
}

int CHandleMap::GetTemporaryCount() const {
    return static_cast<int>(m_pMaps->temporary.size() + m_pMaps->retired.size());
}

namespace {

// The handle maps of one thread and the nesting count of AfxLockTempMaps.
struct CThreadHandleMaps {
    std::vector<std::pair<AFX_PFN_NEWHANDLEMAP, CHandleMap*>> maps;
    int nTempMapLock = 0;
};

// A TLS slot rather than a thread_local object: the compiler's thread_local destructors are not
// reliable in a DLL here (a thread's exit could run them on storage that was never constructed). The
// state of a thread is freed by the DLL's thread-detach notification instead.
DWORD g_dwMapsTls = ::TlsAlloc();

CThreadHandleMaps& ThreadMaps() {
    auto* pState = static_cast<CThreadHandleMaps*>(::TlsGetValue(g_dwMapsTls));
    if (!pState) {
        pState = new CThreadHandleMaps;
        ::TlsSetValue(g_dwMapsTls, pState);
    }
    return *pState;
}

}  // namespace

void AfxTermThreadHandleMaps() {
    auto* pState = static_cast<CThreadHandleMaps*>(::TlsGetValue(g_dwMapsTls));
    if (!pState) return;
    // The slot stays set while the maps go: a destructor may look its map up again.
    for (auto& entry : pState->maps) {
        delete entry.second;
        entry.second = nullptr;
    }
    ::TlsSetValue(g_dwMapsTls, nullptr);
    delete pState;
}

CHandleMap* AFXAPI AfxGetThreadHandleMap(AFX_PFN_NEWHANDLEMAP pfnNewMap, BOOL bCreate) {
    CThreadHandleMaps& state = ThreadMaps();
    for (auto& entry : state.maps)
        if (entry.first == pfnNewMap) return entry.second;
    // No new map while the thread's maps are being torn down.
    for (auto& entry : state.maps)
        if (!entry.second) return nullptr;
    if (!bCreate) return nullptr;
    CHandleMap* pMap = pfnNewMap();
    if (pMap) state.maps.emplace_back(pfnNewMap, pMap);
    return pMap;
}

void AFXAPI AfxLockTempMaps() {
    ++ThreadMaps().nTempMapLock;
}

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps) {
    CThreadHandleMaps& state = ThreadMaps();
    if (state.nTempMapLock != 0 && --state.nTempMapLock == 0 && bDeleteTemps) {
        for (auto& entry : state.maps)
            if (entry.second) entry.second->DeleteTemp();
    }
    return state.nTempMapLock != 0;
}
