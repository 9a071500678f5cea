// Collection templates: CArray (growable array), CList (doubly linked list), CMap (hash map), the
// element helpers they call (CompareElements, CopyElements, HashKey) and the typed pointer wrappers
// over the untyped collections of afxcoll.h.
#pragma once

#include "afxver_.h"
#include "afxobj_.h"
#include "afxstr.h"

#include <algorithm>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

// ---------------------------------------------------------------------------------------------------
// Element helpers. Collections call them with explicit template arguments, so a key or element type of
// the program's own customises them with a `template <>` version for that type.

// Equality of a stored element and a searched value (CList::Find, CMap keys).
template <class TYPE, class ARG_TYPE>
AFX_INLINE BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2) {
    return *pElement1 == *pElement2 ? TRUE : FALSE;
}

// Assigns nCount elements, one by one.
template <class TYPE>
AFX_INLINE void AFXAPI CopyElements(TYPE* pDest, const TYPE* pSrc, INT_PTR nCount) {
    for (INT_PTR i = 0; i < nCount; ++i)
        pDest[i] = pSrc[i];
}

// Hash of a map key. Integers hash to themselves (consecutive keys fill consecutive buckets),
// pointers drop their always-zero alignment bits; text keys hash their characters.
template <class ARG_KEY>
AFX_INLINE UINT AFXAPI HashKey(ARG_KEY key) {
    using KEY = std::decay_t<ARG_KEY>;
    if constexpr (std::is_pointer_v<KEY>) {
        const UINT_PTR n = reinterpret_cast<UINT_PTR>(key);
        return static_cast<UINT>((n >> 4) ^ (n >> 32));
    } else if constexpr (std::is_integral_v<KEY> || std::is_enum_v<KEY>) {
        const unsigned long long n = static_cast<unsigned long long>(key);
        return static_cast<UINT>(n ^ (n >> 32));
    } else {
        static_assert(std::is_pointer_v<KEY>, "HashKey needs a template <> version for this key type");
        return 0;
    }
}

namespace afx_detail {

template <class XCHAR>
AFX_INLINE UINT HashText(const XCHAR* psz) {
    using UCHAR_T = std::make_unsigned_t<XCHAR>;
    UINT nHash = 0;
    if (psz)
        for (; *psz; ++psz)
            nHash = (nHash << 5) + nHash + static_cast<UCHAR_T>(*psz);
    return nHash;
}

}  // namespace afx_detail

template <>
AFX_INLINE UINT AFXAPI HashKey<LPCSTR>(LPCSTR key) {
    return afx_detail::HashText(key);
}
template <>
AFX_INLINE UINT AFXAPI HashKey<LPSTR>(LPSTR key) {
    return afx_detail::HashText(key);
}
template <>
AFX_INLINE UINT AFXAPI HashKey<LPCWSTR>(LPCWSTR key) {
    return afx_detail::HashText(key);
}
template <>
AFX_INLINE UINT AFXAPI HashKey<LPWSTR>(LPWSTR key) {
    return afx_detail::HashText(key);
}
template <>
AFX_INLINE UINT AFXAPI HashKey<const CStringA&>(const CStringA& key) {
    return afx_detail::HashText(static_cast<LPCSTR>(key));
}
template <>
AFX_INLINE UINT AFXAPI HashKey<CStringA>(CStringA key) {
    return afx_detail::HashText(static_cast<LPCSTR>(key));
}
template <>
AFX_INLINE UINT AFXAPI HashKey<const CStringW&>(const CStringW& key) {
    return afx_detail::HashText(static_cast<LPCWSTR>(key));
}
template <>
AFX_INLINE UINT AFXAPI HashKey<CStringW>(CStringW key) {
    return afx_detail::HashText(static_cast<LPCWSTR>(key));
}

// ---------------------------------------------------------------------------------------------------
// CArray: a contiguous array that grows on demand. Elements are constructed (value-initialised, so
// numbers start at zero) when the array grows and destroyed when it shrinks.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() = default;
    ~CArray() override { RemoveAll(); }

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    // Resizes to nNewSize elements. nGrowBy (when >= 0) is the least number of slots added whenever the
    // array must reallocate; it grows by at least half its capacity anyway, so Add is amortised O(1).
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);

    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    const TYPE& GetAt(INT_PTR nIndex) const {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        return m_pData[nIndex];
    }
    TYPE& GetAt(INT_PTR nIndex) {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        return m_pData[nIndex];
    }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        m_pData[nIndex] = newElement;
    }
    const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    // Sets an element, growing the array first when nIndex is past the end.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    // Appends one element and returns its index.
    INT_PTR Add(ARG_TYPE newElement) {
        const INT_PTR nIndex = m_nSize;
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    // Appends every element of src (which may be this array); returns the index of the first one.
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);

    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }

    // Inserts nCount copies of newElement at nIndex, shifting later elements up; an index past the
    // end grows the array up to it first.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    // Removes nCount elements starting at nIndex, shifting later elements down.
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);
    // Inserts a copy of every element of another array (which may be this one). A template so that a
    // null pointer argument picks the element overload above.
    template <class ARRAY, std::enable_if_t<std::is_base_of_v<CArray, ARRAY>, int> = 0>
    void InsertAt(INT_PTR nStartIndex, const ARRAY* pNewArray) {
        InsertArray(nStartIndex, pNewArray);
    }

protected:
    void InsertArray(INT_PTR nStartIndex, const CArray* pNewArray);
    // Moves the elements into a fresh block of nNewMax slots.
    void Reallocate(INT_PTR nNewMax);

    TYPE* m_pData = nullptr;
    INT_PTR m_nSize = 0;
    INT_PTR m_nMaxSize = 0;
    INT_PTR m_nGrowBy = 0;
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reallocate(INT_PTR nNewMax) {
    std::allocator<TYPE> alloc;
    TYPE* pNewData = nullptr;
    if (nNewMax > 0) {
        pNewData = alloc.allocate(static_cast<size_t>(nNewMax));
        if (m_nSize > 0) std::uninitialized_move(m_pData, m_pData + m_nSize, pNewData);
    }
    if (m_pData) {
        std::destroy(m_pData, m_pData + m_nSize);
        alloc.deallocate(m_pData, static_cast<size_t>(m_nMaxSize));
    }
    m_pData = pNewData;
    m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy) {
    ASSERT(nNewSize >= 0);
    if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
    if (nNewSize <= 0) {
        std::destroy(m_pData, m_pData + m_nSize);
        m_nSize = 0;
        Reallocate(0);
        return;
    }
    if (nNewSize > m_nMaxSize) {
        INT_PTR nNewMax = nNewSize;
        if (m_pData) {
            // Grow by at least half the current size so that repeated Add stays amortised O(1).
            INT_PTR nStep = m_nMaxSize / 2;
            if (nStep < 4) nStep = 4;
            if (nStep < m_nGrowBy) nStep = m_nGrowBy;
            if (nNewMax < m_nMaxSize + nStep) nNewMax = m_nMaxSize + nStep;
        } else if (nNewMax < m_nGrowBy) {
            nNewMax = m_nGrowBy;
        }
        Reallocate(nNewMax);
    }
    if (nNewSize > m_nSize) {
        for (INT_PTR i = m_nSize; i < nNewSize; ++i)
            ::new (static_cast<void*>(m_pData + i)) TYPE();
    } else {
        std::destroy(m_pData + nNewSize, m_pData + m_nSize);
    }
    m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra() {
    if (m_nSize != m_nMaxSize) Reallocate(m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
    ASSERT(nIndex >= 0);
    if (nIndex < 0) return;
    if (nIndex >= m_nMaxSize) {
        // newElement may live in this array; copy it before the block moves.
        TYPE copy(newElement);
        SetSize(nIndex + 1, -1);
        m_pData[nIndex] = std::move(copy);
        return;
    }
    if (nIndex >= m_nSize) SetSize(nIndex + 1, -1);
    m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src) {
    const INT_PTR nOldSize = m_nSize;
    const INT_PTR nCount = src.m_nSize;
    SetSize(nOldSize + nCount);
    // Reads src.m_pData after SetSize: when src is this array the block may have moved.
    for (INT_PTR i = 0; i < nCount; ++i)
        m_pData[nOldSize + i] = src.m_pData[i];
    return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src) {
    if (this == &src) return;
    SetSize(src.m_nSize);
    CopyElements<TYPE>(m_pData, src.m_pData, src.m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount) {
    ASSERT(nIndex >= 0 && nCount > 0);
    if (nIndex < 0 || nCount <= 0) return;
    // newElement may refer to an element that is about to move.
    TYPE value(newElement);
    if (nIndex >= m_nSize) {
        SetSize(nIndex + nCount, -1);
    } else {
        const INT_PTR nOldSize = m_nSize;
        SetSize(m_nSize + nCount, -1);
        std::move_backward(m_pData + nIndex, m_pData + nOldSize, m_pData + nOldSize + nCount);
    }
    for (INT_PTR i = nIndex; i < nIndex + nCount; ++i)
        m_pData[i] = value;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount) {
    ASSERT(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= m_nSize);
    if (nIndex < 0 || nCount <= 0 || nIndex + nCount > m_nSize) return;
    std::move(m_pData + nIndex + nCount, m_pData + m_nSize, m_pData + nIndex);
    std::destroy(m_pData + m_nSize - nCount, m_pData + m_nSize);
    m_nSize -= nCount;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertArray(INT_PTR nStartIndex, const CArray* pNewArray) {
    ASSERT(pNewArray != nullptr && nStartIndex >= 0);
    if (!pNewArray || pNewArray->GetSize() == 0 || nStartIndex < 0) return;
    if (pNewArray == this) {
        CArray copy;
        copy.Copy(*this);
        InsertArray(nStartIndex, &copy);
        return;
    }
    const INT_PTR nCount = pNewArray->GetSize();
    InsertAt(nStartIndex, pNewArray->GetAt(0), nCount);
    for (INT_PTR i = 1; i < nCount; ++i)
        m_pData[nStartIndex + i] = pNewArray->GetAt(i);
}

// ---------------------------------------------------------------------------------------------------
// CList: a doubly linked list. A POSITION is a node, valid until that node is removed; removing other
// elements never disturbs it.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
protected:
    struct CNode {
        CNode(CNode* next, CNode* prev, ARG_TYPE value) : pNext(next), pPrev(prev), data(value) {}
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    // The block size is accepted for source compatibility; nodes are allocated one by one.
    explicit CList(INT_PTR nBlockSize = 10) { UNUSED(nBlockSize); }
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() {
        ASSERT(m_pNodeHead);
        return m_pNodeHead->data;
    }
    const TYPE& GetHead() const {
        ASSERT(m_pNodeHead);
        return m_pNodeHead->data;
    }
    TYPE& GetTail() {
        ASSERT(m_pNodeTail);
        return m_pNodeTail->data;
    }
    const TYPE& GetTail() const {
        ASSERT(m_pNodeTail);
        return m_pNodeTail->data;
    }

    // Remove the first (last) element and return it; the list must not be empty.
    TYPE RemoveHead();
    TYPE RemoveTail();
    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(ToPosition(m_pNodeHead), newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(ToPosition(m_pNodeTail), newElement); }
    // Add every element of another list (which may be this one), keeping its order. Templates so that
    // a null pointer argument picks the element overloads above.
    template <class LIST, std::enable_if_t<std::is_base_of_v<CList, LIST>, int> = 0>
    void AddHead(const LIST* pNewList) {
        AddListHead(pNewList);
    }
    template <class LIST, std::enable_if_t<std::is_base_of_v<CList, LIST>, int> = 0>
    void AddTail(const LIST* pNewList) {
        AddListTail(pNewList);
    }
    void RemoveAll();

    POSITION GetHeadPosition() const { return ToPosition(m_pNodeHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pNodeTail); }
    // Return the element at rPosition and move rPosition to the next (previous) one, NULL past the end.
    TYPE& GetNext(POSITION& rPosition) {
        CNode* pNode = ToNode(rPosition);
        rPosition = ToPosition(pNode->pNext);
        return pNode->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const {
        const CNode* pNode = ToNode(rPosition);
        rPosition = ToPosition(pNode->pNext);
        return pNode->data;
    }
    TYPE& GetPrev(POSITION& rPosition) {
        CNode* pNode = ToNode(rPosition);
        rPosition = ToPosition(pNode->pPrev);
        return pNode->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const {
        const CNode* pNode = ToNode(rPosition);
        rPosition = ToPosition(pNode->pPrev);
        return pNode->data;
    }

    TYPE& GetAt(POSITION position) { return ToNode(position)->data; }
    const TYPE& GetAt(POSITION position) const { return ToNode(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { ToNode(pos)->data = newElement; }
    void RemoveAt(POSITION position);

    // Insert next to position; a NULL position inserts at the head (before) or tail (after).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);
    // Unlink an element and relink it at the head (tail); its POSITION stays valid.
    void MoveToHead(POSITION pos);
    void MoveToTail(POSITION pos);
    void SwapElements(POSITION pos1, POSITION pos2) {
        using std::swap;
        swap(ToNode(pos1)->data, ToNode(pos2)->data);
    }

    // First element equal to searchValue after startAfter (from the head when NULL), or NULL.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const;
    // Position of the zero-based nIndex-th element, or NULL when out of range. Walks the list.
    POSITION FindIndex(INT_PTR nIndex) const;

protected:
    static POSITION ToPosition(const CNode* pNode) {
        return reinterpret_cast<POSITION>(const_cast<CNode*>(pNode));
    }
    static CNode* ToNode(POSITION pos) {
        ASSERT(pos != nullptr);
        return reinterpret_cast<CNode*>(pos);
    }
    void Unlink(CNode* pNode);
    void AddListHead(const CList* pNewList);
    void AddListTail(const CList* pNewList);

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
};

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Unlink(CNode* pNode) {
    (pNode->pPrev ? pNode->pPrev->pNext : m_pNodeHead) = pNode->pNext;
    (pNode->pNext ? pNode->pNext->pPrev : m_pNodeTail) = pNode->pPrev;
    pNode->pNext = pNode->pPrev = nullptr;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead() {
    ASSERT(m_pNodeHead);
    CNode* pNode = m_pNodeHead;
    TYPE value(std::move(pNode->data));
    RemoveAt(ToPosition(pNode));
    return value;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail() {
    ASSERT(m_pNodeTail);
    CNode* pNode = m_pNodeTail;
    TYPE value(std::move(pNode->data));
    RemoveAt(ToPosition(pNode));
    return value;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddListHead(const CList* pNewList) {
    ASSERT(pNewList != nullptr);
    // Counting the steps keeps a self-insertion from walking into the elements it adds.
    POSITION pos = pNewList->GetTailPosition();
    for (INT_PTR n = pNewList->GetCount(); n > 0; --n)
        AddHead(pNewList->GetPrev(pos));
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddListTail(const CList* pNewList) {
    ASSERT(pNewList != nullptr);
    POSITION pos = pNewList->GetHeadPosition();
    for (INT_PTR n = pNewList->GetCount(); n > 0; --n)
        AddTail(pNewList->GetNext(pos));
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll() {
    CNode* pNode = m_pNodeHead;
    while (pNode) {
        CNode* pNext = pNode->pNext;
        delete pNode;
        pNode = pNext;
    }
    m_pNodeHead = m_pNodeTail = nullptr;
    m_nCount = 0;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position) {
    CNode* pNode = ToNode(position);
    Unlink(pNode);
    delete pNode;
    --m_nCount;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement) {
    CNode* pNext = position ? ToNode(position) : m_pNodeHead;
    CNode* pPrev = pNext ? pNext->pPrev : nullptr;
    CNode* pNode = new CNode(pNext, pPrev, newElement);
    (pPrev ? pPrev->pNext : m_pNodeHead) = pNode;
    (pNext ? pNext->pPrev : m_pNodeTail) = pNode;
    ++m_nCount;
    return ToPosition(pNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement) {
    CNode* pPrev = position ? ToNode(position) : m_pNodeTail;
    CNode* pNext = pPrev ? pPrev->pNext : nullptr;
    CNode* pNode = new CNode(pNext, pPrev, newElement);
    (pPrev ? pPrev->pNext : m_pNodeHead) = pNode;
    (pNext ? pNext->pPrev : m_pNodeTail) = pNode;
    ++m_nCount;
    return ToPosition(pNode);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::MoveToHead(POSITION pos) {
    CNode* pNode = ToNode(pos);
    if (pNode == m_pNodeHead) return;
    Unlink(pNode);
    pNode->pNext = m_pNodeHead;
    m_pNodeHead->pPrev = pNode;
    m_pNodeHead = pNode;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::MoveToTail(POSITION pos) {
    CNode* pNode = ToNode(pos);
    if (pNode == m_pNodeTail) return;
    Unlink(pNode);
    pNode->pPrev = m_pNodeTail;
    m_pNodeTail->pNext = pNode;
    m_pNodeTail = pNode;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const {
    const CNode* pNode = startAfter ? ToNode(startAfter)->pNext : m_pNodeHead;
    for (; pNode; pNode = pNode->pNext)
        if (CompareElements<TYPE>(&pNode->data, &searchValue)) return ToPosition(pNode);
    return nullptr;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
    const CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return ToPosition(pNode);
}

// ---------------------------------------------------------------------------------------------------
// CMap: a hash map from KEY to VALUE, each association a node chained in its bucket. A POSITION is a
// node: removing the association just returned by GetNextAssoc keeps the iteration valid. The table
// starts with 17 buckets (InitHashTable picks another size) and grows as associations are added.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
public:
    // One association, as returned by PLookup and the PGet*Assoc walk.
    class CPair {
    public:
        const KEY key;
        VALUE value;

    protected:
        explicit CPair(ARG_KEY keyval) : key(keyval), value() {}
    };

protected:
    class CAssoc : public CPair {
    public:
        explicit CAssoc(ARG_KEY keyval) : CPair(keyval) {}
        CAssoc* pNext = nullptr;
        UINT nHashValue = 0;  // the key's full hash; the bucket is nHashValue % table size
    };

public:
    // The block size is accepted for source compatibility; associations are allocated one by one.
    explicit CMap(INT_PTR nBlockSize = 10) { UNUSED(nBlockSize); }
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const {
        const CAssoc* pAssoc = Find(key);
        if (!pAssoc) return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }
    const CPair* PLookup(ARG_KEY key) const { return Find(key); }
    CPair* PLookup(ARG_KEY key) { return Find(key); }
    // The value for key, added (value-initialised) when the key is new.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    // NULL for an empty map, otherwise a start marker for GetNextAssoc.
    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    // Returns the association at rNextPosition and advances it, to NULL after the last one.
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;
    const CPair* PGetFirstAssoc() const { return FirstAssoc(); }
    CPair* PGetFirstAssoc() { return FirstAssoc(); }
    const CPair* PGetNextAssoc(const CPair* pAssocRet) const {
        return NextAssoc(static_cast<const CAssoc*>(pAssocRet));
    }
    CPair* PGetNextAssoc(const CPair* pAssocRet) { return NextAssoc(static_cast<const CAssoc*>(pAssocRet)); }

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // Sets the number of buckets (best a prime a little above the expected count); existing
    // associations are redistributed.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

protected:
    CAssoc* Find(ARG_KEY key) const;
    CAssoc* FirstAssoc() const;
    CAssoc* NextAssoc(const CAssoc* pAssoc) const;
    void Rehash(UINT nNewSize);

    CAssoc** m_pHashTable = nullptr;
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Find(ARG_KEY key) const {
    if (!m_pHashTable) return nullptr;
    const UINT nHash = HashKey<ARG_KEY>(key);
    for (CAssoc* pAssoc = m_pHashTable[nHash % m_nHashTableSize]; pAssoc; pAssoc = pAssoc->pNext)
        if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key)) return pAssoc;
    return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FirstAssoc() const {
    if (!m_pHashTable) return nullptr;
    for (UINT nBucket = 0; nBucket < m_nHashTableSize; ++nBucket)
        if (m_pHashTable[nBucket]) return m_pHashTable[nBucket];
    return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NextAssoc(const CAssoc* pAssoc) const {
    if (pAssoc->pNext) return pAssoc->pNext;
    for (UINT nBucket = pAssoc->nHashValue % m_nHashTableSize + 1; nBucket < m_nHashTableSize; ++nBucket)
        if (m_pHashTable[nBucket]) return m_pHashTable[nBucket];
    return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Rehash(UINT nNewSize) {
    CAssoc** pNewTable = new CAssoc*[nNewSize]();
    if (m_pHashTable) {
        for (UINT nBucket = 0; nBucket < m_nHashTableSize; ++nBucket) {
            CAssoc* pAssoc = m_pHashTable[nBucket];
            while (pAssoc) {
                CAssoc* pNext = pAssoc->pNext;
                CAssoc*& rHead = pNewTable[pAssoc->nHashValue % nNewSize];
                pAssoc->pNext = rHead;
                rHead = pAssoc;
                pAssoc = pNext;
            }
        }
        delete[] m_pHashTable;
    }
    m_pHashTable = pNewTable;
    m_nHashTableSize = nNewSize;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT hashSize, BOOL bAllocNow) {
    ASSERT(hashSize > 0);
    if (hashSize == 0) hashSize = 17;
    if (m_pHashTable || bAllocNow) {
        Rehash(hashSize);
    } else {
        m_nHashTableSize = hashSize;
    }
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key) {
    if (CAssoc* pAssoc = Find(key)) return pAssoc->value;
    if (!m_pHashTable) Rehash(m_nHashTableSize);
    // Keep chains short: past two associations per bucket, roughly double the table.
    if (static_cast<UINT_PTR>(m_nCount) >= 2 * static_cast<UINT_PTR>(m_nHashTableSize))
        Rehash(m_nHashTableSize * 2 + 1);
    CAssoc* pAssoc = new CAssoc(key);
    pAssoc->nHashValue = HashKey<ARG_KEY>(key);
    CAssoc*& rHead = m_pHashTable[pAssoc->nHashValue % m_nHashTableSize];
    pAssoc->pNext = rHead;
    rHead = pAssoc;
    ++m_nCount;
    return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key) {
    if (!m_pHashTable) return FALSE;
    const UINT nHash = HashKey<ARG_KEY>(key);
    for (CAssoc** ppAssoc = &m_pHashTable[nHash % m_nHashTableSize]; *ppAssoc; ppAssoc = &(*ppAssoc)->pNext) {
        CAssoc* pAssoc = *ppAssoc;
        if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key)) {
            *ppAssoc = pAssoc->pNext;
            delete pAssoc;
            --m_nCount;
            return TRUE;
        }
    }
    return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll() {
    if (m_pHashTable) {
        for (UINT nBucket = 0; nBucket < m_nHashTableSize; ++nBucket) {
            CAssoc* pAssoc = m_pHashTable[nBucket];
            while (pAssoc) {
                CAssoc* pNext = pAssoc->pNext;
                delete pAssoc;
                pAssoc = pNext;
            }
        }
        delete[] m_pHashTable;
        m_pHashTable = nullptr;
    }
    m_nCount = 0;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey,
                                                        VALUE& rValue) const {
    ASSERT(rNextPosition != nullptr);
    const CAssoc* pAssoc =
        rNextPosition == BEFORE_START_POSITION ? FirstAssoc() : reinterpret_cast<CAssoc*>(rNextPosition);
    ASSERT(pAssoc != nullptr);
    rNextPosition = reinterpret_cast<POSITION>(NextAssoc(pAssoc));
    rKey = pAssoc->key;
    rValue = pAssoc->value;
}

// ---------------------------------------------------------------------------------------------------
// Typed views of the untyped pointer collections (CPtrArray, CObArray, CPtrList, CObList, the
// pointer-valued maps): the same members with TYPE in place of void* or CObject*.

template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
public:
    TYPE GetAt(INT_PTR nIndex) const { return static_cast<TYPE>(BASE_CLASS::GetAt(nIndex)); }
    TYPE& ElementAt(INT_PTR nIndex) { return reinterpret_cast<TYPE&>(BASE_CLASS::ElementAt(nIndex)); }
    void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    void SetAtGrow(INT_PTR nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
    INT_PTR Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    INT_PTR Append(const CTypedPtrArray& src) { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray& src) { BASE_CLASS::Copy(src); }
    void InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1) {
        BASE_CLASS::InsertAt(nIndex, newElement, nCount);
    }
    template <class ARRAY, std::enable_if_t<std::is_base_of_v<CTypedPtrArray, ARRAY>, int> = 0>
    void InsertAt(INT_PTR nStartIndex, const ARRAY* pNewArray) {
        BASE_CLASS::InsertAt(nStartIndex, pNewArray);
    }
    TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
};

template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS {
public:
    explicit CTypedPtrList(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE& GetHead() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetHead()); }
    TYPE GetHead() const { return static_cast<TYPE>(BASE_CLASS::GetHead()); }
    TYPE& GetTail() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetTail()); }
    TYPE GetTail() const { return static_cast<TYPE>(BASE_CLASS::GetTail()); }
    TYPE RemoveHead() { return static_cast<TYPE>(BASE_CLASS::RemoveHead()); }
    TYPE RemoveTail() { return static_cast<TYPE>(BASE_CLASS::RemoveTail()); }
    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    template <class LIST, std::enable_if_t<std::is_base_of_v<CTypedPtrList, LIST>, int> = 0>
    void AddHead(const LIST* pNewList) {
        BASE_CLASS::AddHead(pNewList);
    }
    template <class LIST, std::enable_if_t<std::is_base_of_v<CTypedPtrList, LIST>, int> = 0>
    void AddTail(const LIST* pNewList) {
        BASE_CLASS::AddTail(pNewList);
    }
    TYPE& GetNext(POSITION& rPosition) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetNext(rPosition)); }
    TYPE GetNext(POSITION& rPosition) const { return static_cast<TYPE>(BASE_CLASS::GetNext(rPosition)); }
    TYPE& GetPrev(POSITION& rPosition) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetPrev(rPosition)); }
    TYPE GetPrev(POSITION& rPosition) const { return static_cast<TYPE>(BASE_CLASS::GetPrev(rPosition)); }
    TYPE& GetAt(POSITION position) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetAt(position)); }
    TYPE GetAt(POSITION position) const { return static_cast<TYPE>(BASE_CLASS::GetAt(position)); }
    void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
    POSITION InsertBefore(POSITION position, TYPE newElement) {
        return BASE_CLASS::InsertBefore(position, newElement);
    }
    POSITION InsertAfter(POSITION position, TYPE newElement) {
        return BASE_CLASS::InsertAfter(position, newElement);
    }
};

template <class BASE_CLASS, class KEY, class VALUE>
class CTypedPtrMap : public BASE_CLASS {
public:
    explicit CTypedPtrMap(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    BOOL Lookup(typename BASE_CLASS::BASE_ARG_KEY key, VALUE& rValue) const {
        typename BASE_CLASS::BASE_VALUE value{};
        if (!BASE_CLASS::Lookup(key, value)) return FALSE;
        rValue = static_cast<VALUE>(value);
        return TRUE;
    }
    VALUE& operator[](typename BASE_CLASS::BASE_ARG_KEY key) {
        return reinterpret_cast<VALUE&>(BASE_CLASS::operator[](key));
    }
    void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
    BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(key); }
    void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const {
        typename BASE_CLASS::BASE_KEY key{};
        typename BASE_CLASS::BASE_VALUE value{};
        BASE_CLASS::GetNextAssoc(rPosition, key, value);
        rKey = static_cast<KEY>(key);
        rValue = static_cast<VALUE>(value);
    }
};

#include "afxcoll.h"
