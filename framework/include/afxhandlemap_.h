// Handle maps: which wrapper object stands for a system handle, per thread.
//
// A wrapper attached to a handle (Attach, Create...) is the handle's permanent object. FromHandle answers
// the permanent object when there is one; otherwise it makes a temporary wrapper on demand, which does not
// own the handle and lives until the thread's temporary objects are freed (AfxUnlockTempMaps, at idle).
#pragma once

#include "afxver_.h"
#include "afxobj_.h"

class AFX_CORE_API CHandleMap {
public:
    // Makes an empty wrapper (owning nothing) for a temporary object of handle h; h lets one map hand out
    // different classes for different kinds of handle (a pen's temporary is a CPen).
    typedef CObject*(AFXAPI* PFN_NEWOBJECT)(HANDLE h);

    // The wrapper keeps nHandles consecutive handle fields starting nHandleOffset bytes from its CObject
    // base (CDC keeps two: m_hDC and m_hAttribDC); a temporary object has every one of them set to its
    // handle. The first form makes temporaries with pClass->CreateObject().
    CHandleMap(CRuntimeClass* pClass, size_t nHandleOffset, int nHandles = 1);
    CHandleMap(PFN_NEWOBJECT pfnNewObject, size_t nHandleOffset, int nHandles = 1);
    ~CHandleMap();  // frees the temporary objects

    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;

    // The permanent object of h, else a temporary one made now; NULL for a NULL handle.
    CObject* FromHandle(HANDLE h);
    CObject* LookupPermanent(HANDLE h) const;
    CObject* LookupTemporary(HANDLE h) const;

    // Records pObject as the permanent object of h (Attach).
    void SetPermanent(HANDLE h, CObject* pObject);
    // Forgets h (Detach): its permanent entry goes; a temporary object of h stays alive until the
    // temporaries are freed but is no longer handed out for h.
    void RemoveHandle(HANDLE h);

    // Detaches every temporary object from its handle (the handle is not destroyed) and deletes it.
    void DeleteTemp();

    int GetPermanentCount() const;
    int GetTemporaryCount() const;

private:
    void SetHandles(CObject* pObject, HANDLE h) const;

    struct CMaps;
    CMaps* m_pMaps;
    CRuntimeClass* m_pClass = nullptr;
    PFN_NEWOBJECT m_pfnNewObject = nullptr;
    size_t m_nHandleOffset;
    int m_nHandles;
};

// Creates the handle map of one kind of wrapper; also identifies that kind for AfxGetThreadHandleMap.
typedef CHandleMap*(AFXAPI* AFX_PFN_NEWHANDLEMAP)();

// This thread's map for the kind of wrapper pfnNewMap builds, made on first use when bCreate (NULL
// otherwise). Each thread has its own maps; they are deleted, with their temporaries, when it ends.
AFX_CORE_API CHandleMap* AFXAPI AfxGetThreadHandleMap(AFX_PFN_NEWHANDLEMAP pfnNewMap, BOOL bCreate = TRUE);

// Temporary objects survive while the maps are locked. Locks nest; unlocking the last one deletes the
// thread's temporary objects when bDeleteTemps. AfxUnlockTempMaps answers TRUE while the maps stay
// locked; the message loop calls AfxLockTempMaps() and AfxUnlockTempMaps() at idle to free temporaries.
AFX_CORE_API void AFXAPI AfxLockTempMaps();
AFX_CORE_API BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps = TRUE);
