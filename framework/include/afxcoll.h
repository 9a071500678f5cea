// The ready-made collections: arrays, lists and maps of pointers, numbers, objects and strings. Each is
// a CObject with a run-time class; the behaviour comes from the templates of afxtempl.h. The BASE_*
// typedefs let CTypedPtrArray, CTypedPtrList and CTypedPtrMap wrap them.
#pragma once

#include "afxver_.h"
#include "afxobj_.h"
#include "afxstr.h"
#include "afxtempl.h"

// ---------------------------------------------------------------------------------------------------
// Arrays

class AFX_CORE_API CPtrArray : public CArray<void*, void*> {
    DECLARE_DYNAMIC(CPtrArray)
public:
    typedef void* BASE_TYPE;
    typedef void* BASE_ARG_TYPE;
};

class AFX_CORE_API CObArray : public CArray<CObject*, CObject*> {
    DECLARE_DYNAMIC(CObArray)
public:
    typedef CObject* BASE_TYPE;
    typedef CObject* BASE_ARG_TYPE;
};

class AFX_CORE_API CByteArray : public CArray<BYTE, BYTE> {
    DECLARE_DYNAMIC(CByteArray)
public:
    typedef BYTE BASE_TYPE;
    typedef BYTE BASE_ARG_TYPE;
};

class AFX_CORE_API CWordArray : public CArray<WORD, WORD> {
    DECLARE_DYNAMIC(CWordArray)
public:
    typedef WORD BASE_TYPE;
    typedef WORD BASE_ARG_TYPE;
};

class AFX_CORE_API CDWordArray : public CArray<DWORD, DWORD> {
    DECLARE_DYNAMIC(CDWordArray)
public:
    typedef DWORD BASE_TYPE;
    typedef DWORD BASE_ARG_TYPE;
};

class AFX_CORE_API CUIntArray : public CArray<UINT, UINT> {
    DECLARE_DYNAMIC(CUIntArray)
public:
    typedef UINT BASE_TYPE;
    typedef UINT BASE_ARG_TYPE;
};

class AFX_CORE_API CStringArray : public CArray<CString, const CString&> {
    DECLARE_DYNAMIC(CStringArray)
public:
    typedef CString BASE_TYPE;
    typedef LPCTSTR BASE_ARG_TYPE;
};

// ---------------------------------------------------------------------------------------------------
// Lists

class AFX_CORE_API CPtrList : public CList<void*, void*> {
    DECLARE_DYNAMIC(CPtrList)
public:
    typedef void* BASE_TYPE;
    typedef void* BASE_ARG_TYPE;
    explicit CPtrList(INT_PTR nBlockSize = 10) : CList(nBlockSize) {}
};

class AFX_CORE_API CObList : public CList<CObject*, CObject*> {
    DECLARE_DYNAMIC(CObList)
public:
    typedef CObject* BASE_TYPE;
    typedef CObject* BASE_ARG_TYPE;
    explicit CObList(INT_PTR nBlockSize = 10) : CList(nBlockSize) {}
};

class AFX_CORE_API CStringList : public CList<CString, const CString&> {
    DECLARE_DYNAMIC(CStringList)
public:
    typedef CString BASE_TYPE;
    typedef LPCTSTR BASE_ARG_TYPE;
    explicit CStringList(INT_PTR nBlockSize = 10) : CList(nBlockSize) {}
};

// ---------------------------------------------------------------------------------------------------
// Maps

#define AFX_COLL_MAP_TYPES(key, arg_key, value, arg_value)                                                   \
public:                                                                                                      \
    typedef key BASE_KEY;                                                                                    \
    typedef arg_key BASE_ARG_KEY;                                                                            \
    typedef value BASE_VALUE;                                                                                \
    typedef arg_value BASE_ARG_VALUE;

// For the string-keyed maps: the stored key equal to key, so that callers can keep a pointer to text
// that lives as long as the association.
#define AFX_COLL_LOOKUP_KEY                                                                                  \
    BOOL LookupKey(LPCTSTR key, LPCTSTR& rKey) const {                                                       \
        const CPair* pPair = PLookup(key);                                                                   \
        if (!pPair) return FALSE;                                                                            \
        rKey = pPair->key;                                                                                   \
        return TRUE;                                                                                         \
    }

class AFX_CORE_API CMapPtrToPtr : public CMap<void*, void*, void*, void*> {
    DECLARE_DYNAMIC(CMapPtrToPtr)
    AFX_COLL_MAP_TYPES(void*, void*, void*, void*)
    explicit CMapPtrToPtr(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class AFX_CORE_API CMapPtrToWord : public CMap<void*, void*, WORD, WORD> {
    DECLARE_DYNAMIC(CMapPtrToWord)
    AFX_COLL_MAP_TYPES(void*, void*, WORD, WORD)
    explicit CMapPtrToWord(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class AFX_CORE_API CMapWordToPtr : public CMap<WORD, WORD, void*, void*> {
    DECLARE_DYNAMIC(CMapWordToPtr)
    AFX_COLL_MAP_TYPES(WORD, WORD, void*, void*)
    explicit CMapWordToPtr(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class AFX_CORE_API CMapWordToOb : public CMap<WORD, WORD, CObject*, CObject*> {
    DECLARE_DYNAMIC(CMapWordToOb)
    AFX_COLL_MAP_TYPES(WORD, WORD, CObject*, CObject*)
    explicit CMapWordToOb(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class AFX_CORE_API CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*> {
    DECLARE_DYNAMIC(CMapStringToPtr)
    AFX_COLL_MAP_TYPES(CString, LPCTSTR, void*, void*)
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
    AFX_COLL_LOOKUP_KEY
};

class AFX_CORE_API CMapStringToOb : public CMap<CString, LPCTSTR, CObject*, CObject*> {
    DECLARE_DYNAMIC(CMapStringToOb)
    AFX_COLL_MAP_TYPES(CString, LPCTSTR, CObject*, CObject*)
    explicit CMapStringToOb(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
    AFX_COLL_LOOKUP_KEY
};

class AFX_CORE_API CMapStringToString : public CMap<CString, LPCTSTR, CString, LPCTSTR> {
    DECLARE_DYNAMIC(CMapStringToString)
    AFX_COLL_MAP_TYPES(CString, LPCTSTR, CString, LPCTSTR)
    explicit CMapStringToString(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
    AFX_COLL_LOOKUP_KEY
};

#undef AFX_COLL_MAP_TYPES
#undef AFX_COLL_LOOKUP_KEY
