// CArray, CList and CMap and the ready-made collections: element lifetimes, shifting, POSITION
// stability under removal, searching, hashing of text keys in both character sets, and iteration
// while removing.
#include <afx.h>
#include <afxtempl.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace {

// Counts live instances so that tests can check constructions == destructions.
struct CCounted {
    static int s_nLive;
    int m_nValue = 0;

    CCounted() { ++s_nLive; }
    CCounted(int nValue) : m_nValue(nValue) { ++s_nLive; }  // NOLINT: implicit on purpose
    CCounted(const CCounted& other) : m_nValue(other.m_nValue) { ++s_nLive; }
    CCounted(CCounted&& other) noexcept : m_nValue(other.m_nValue) { ++s_nLive; }
    CCounted& operator=(const CCounted&) = default;
    CCounted& operator=(CCounted&&) = default;
    ~CCounted() { --s_nLive; }
    bool operator==(const CCounted& other) const { return m_nValue == other.m_nValue; }
};
int CCounted::s_nLive = 0;

template <class ARRAY>
std::vector<int> Values(const ARRAY& array) {
    std::vector<int> values;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        values.push_back(static_cast<int>(array[i]));
    return values;
}

template <class ARRAY>
std::vector<CString> Texts(const ARRAY& array) {
    std::vector<CString> texts;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        texts.push_back(array.GetAt(i));
    return texts;
}

// The value a map holds for a key, or -1 when it has none.
template <class MAP, class KEY>
int ValueOf(const MAP& map, KEY key) {
    int value = -1;
    return map.Lookup(key, value) ? value : -1;
}

template <class LIST>
std::vector<int> Walk(const LIST& list) {
    std::vector<int> values;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        values.push_back(list.GetNext(pos));
    return values;
}

class CCollTestItem : public CObject {
public:
    explicit CCollTestItem(int nId) : m_nId(nId) {}
    int m_nId;
};

}  // namespace

// ---------------------------------------------------------------------------------------------------
// CArray

TEST(CArrayLifetime, EveryConstructedElementIsDestroyedAndRemoveAllReleasesStorage) {
    ASSERT_EQ(CCounted::s_nLive, 0);
    {
        CArray<CCounted> array;
        for (int i = 0; i < 1000; ++i)
            array.Add(CCounted(i));  // many reallocations
        EXPECT_EQ(CCounted::s_nLive, 1000);
        EXPECT_EQ(array[999].m_nValue, 999);
        array.RemoveAt(10, 90);
        EXPECT_EQ(CCounted::s_nLive, 910);
        EXPECT_EQ(array[10].m_nValue, 100);
        array.InsertAt(5, CCounted(-1), 3);
        EXPECT_EQ(CCounted::s_nLive, 913);
        array.SetSize(20);
        EXPECT_EQ(CCounted::s_nLive, 20);
        array.FreeExtra();
        EXPECT_EQ(CCounted::s_nLive, 20);
        EXPECT_EQ(array[19].m_nValue, 106);
        array.SetAtGrow(30, CCounted(7));
        EXPECT_EQ(CCounted::s_nLive, 31);
    }
    EXPECT_EQ(CCounted::s_nLive, 0);

    // RemoveAll releases the elements and the storage.
    CArray<CCounted> array;
    array.SetSize(50);
    EXPECT_EQ(CCounted::s_nLive, 50);
    array.RemoveAll();
    EXPECT_EQ(CCounted::s_nLive, 0);
    EXPECT_TRUE(array.IsEmpty());
    EXPECT_EQ(array.GetData(), nullptr);
    EXPECT_EQ(array.GetUpperBound(), -1);
}

// Each row edits an array of the values before and gives the values it leaves (the ready-made arrays of
// numbers are this template); its answer is an index for Append, -1 for the others.
TEST(CArrayEdit, SizingInsertingRemovingAndAppendingShiftTheOtherElementsAlsoFromItself) {
    const struct {
        const char* what;
        std::vector<int> before;
        INT_PTR (*edit)(CArray<int, int>&);
        INT_PTR result;
        std::vector<int> after;
    } rows[] = {
        // clang-format off
        {"grown elements start at zero", {}, [](CArray<int, int>& a) { a.SetSize(4); return INT_PTR(-1); }, -1, {0, 0, 0, 0}},
        {"the storage is reused, the elements are new", {9, 9, 9, 9},
            [](CArray<int, int>& a) { a.SetSize(1); a.SetSize(3); return INT_PTR(-1); }, -1, {9, 0, 0}},
        {"SetAtGrow fills the gap with defaults", {}, [](CArray<int, int>& a) { a.SetAtGrow(3, 4); return INT_PTR(-1); }, -1, {0, 0, 0, 4}},
        {"SetAtGrow inside", {0, 0, 0, 4}, [](CArray<int, int>& a) { a.SetAtGrow(1, 2); return INT_PTR(-1); }, -1, {0, 2, 0, 4}},
        {"InsertAt shifts up", {0, 1, 2, 3}, [](CArray<int, int>& a) { a.InsertAt(1, 9, 2); return INT_PTR(-1); }, -1, {0, 9, 9, 1, 2, 3}},
        {"InsertAt the ends", {0, 1}, [](CArray<int, int>& a) { a.InsertAt(0, 7); a.InsertAt(a.GetSize(), 8); return INT_PTR(-1); },
            -1, {7, 0, 1, 8}},
        {"InsertAt past the end grows with defaults", {1}, [](CArray<int, int>& a) { a.InsertAt(3, 5, 2); return INT_PTR(-1); },
            -1, {1, 0, 0, 5, 5}},
        {"InsertAt of an array", {0, 1, 2}, [](CArray<int, int>& a) {
             CArray<int, int> other;
             other.Add(10);
             other.Add(11);
             a.InsertAt(1, &other);
             return INT_PTR(-1); }, -1, {0, 10, 11, 1, 2}},
        {"InsertAt of itself in the middle", {0, 10, 11, 1, 2}, [](CArray<int, int>& a) { a.InsertAt(2, &a); return INT_PTR(-1); },
            -1, {0, 10, 0, 10, 11, 1, 2, 11, 1, 2}},
        {"RemoveAt shifts down", {1, 2, 3, 4, 5}, [](CArray<int, int>& a) { a.RemoveAt(1, 2); return INT_PTR(-1); }, -1, {1, 4, 5}},
        {"RemoveAt the ends", {1, 4, 5}, [](CArray<int, int>& a) { a.RemoveAt(2); a.RemoveAt(0); return INT_PTR(-1); }, -1, {4}},
        {"Append answers the first new index", {1}, [](CArray<int, int>& a) {
             CArray<int, int> other;
             other.Add(2);
             other.Add(3);
             return a.Append(other); }, 1, {1, 2, 3}},
        {"Append of itself", {1, 2, 3}, [](CArray<int, int>& a) { return a.Append(a); }, 3, {1, 2, 3, 1, 2, 3}},
        {"Copy of itself", {1, 2}, [](CArray<int, int>& a) { a.Copy(a); return INT_PTR(-1); }, -1, {1, 2}},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        CArray<int, int> array;
        for (int n : r.before)
            array.Add(n);
        EXPECT_EQ(r.edit(array), r.result);
        EXPECT_EQ(Values(array), r.after);
    }
}

// Elements that are objects: defaults in a gap, independent copies, and an own element added while the
// array reallocates.
TEST(CArrayEdit, StringElementsAreDefaultedCopiedApartAndReadFromTheArrayWhileItGrows) {
    CStringArray strings, copy;
    strings.SetAtGrow(2, _T("中文 text"));
    EXPECT_EQ(Texts(strings), (std::vector<CString>{_T(""), _T(""), _T("中文 text")}));
    copy.Copy(strings);
    copy[2] += _T("!");
    EXPECT_EQ(strings[2], _T("中文 text"));
    EXPECT_EQ(copy[2], _T("中文 text!"));

    CStringArray own;
    own.Add(_T("first"));
    for (int i = 0; i < 40; ++i)
        own.Add(own[0]);  // reallocates while reading from itself
    own.InsertAt(0, own[40], 2);
    EXPECT_EQ(Texts(own), std::vector<CString>(43, _T("first")));
}

TEST(CArraySize, GrowByIsHonouredAsAMinimumStep) {
    CArray<int, int> array;
    array.SetSize(0, 100);
    array.Add(1);
    const int* pData = array.GetData();
    for (int i = 0; i < 99; ++i)
        array.Add(i);
    EXPECT_EQ(array.GetData(), pData);  // 100 slots were allocated at once
    EXPECT_EQ(array.GetCount(), 100);
}

// ---------------------------------------------------------------------------------------------------
// CList

TEST(CListOrder, HeadTailBeforeAndAfterInsertionsWalkInBothDirections) {
    CList<int, int> list;
    list.AddTail(2);
    list.AddHead(1);
    list.AddTail(3);
    EXPECT_EQ(Walk(list), (std::vector<int>{1, 2, 3}));
    std::vector<int> backwards;
    for (POSITION pos = list.GetTailPosition(); pos;)
        backwards.push_back(list.GetPrev(pos));
    EXPECT_EQ(backwards, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(list.GetHead(), 1);
    EXPECT_EQ(list.GetTail(), 3);
    EXPECT_EQ(list.GetCount(), 3);

    // InsertBefore and InsertAfter a null position mean head and tail.
    CList<int, int> other;
    POSITION posOther = other.InsertBefore(nullptr, 5);
    other.InsertBefore(nullptr, 1);
    other.InsertAfter(nullptr, 9);
    other.InsertBefore(posOther, 4);
    other.InsertAfter(posOther, 6);
    EXPECT_EQ(Walk(other), (std::vector<int>{1, 4, 5, 6, 9}));
}

TEST(CListOrder, AddingAListKeepsItsOrderEvenFromItself) {
    CList<int, int> list, other;
    list.AddTail(1);
    other.AddTail(7);
    other.AddTail(8);
    list.AddHead(&other);
    list.AddTail(&other);
    EXPECT_EQ(Walk(list), (std::vector<int>{7, 8, 1, 7, 8}));
    other.AddTail(&other);
    other.AddHead(&other);
    EXPECT_EQ(Walk(other), (std::vector<int>{7, 8, 7, 8, 7, 8, 7, 8}));
}

TEST(CListPosition, SurvivesRemovalOfOtherElements) {
    CList<int, int> list;
    POSITION pos[6];
    for (int i = 0; i < 6; ++i)
        pos[i] = list.AddTail(i);
    list.RemoveAt(pos[0]);  // head
    list.RemoveAt(pos[5]);  // tail
    list.RemoveAt(pos[2]);  // middle
    EXPECT_EQ(list.GetAt(pos[1]), 1);
    EXPECT_EQ(list.GetAt(pos[3]), 3);
    EXPECT_EQ(list.GetAt(pos[4]), 4);
    POSITION walk = pos[1];
    list.GetNext(walk);
    EXPECT_EQ(walk, pos[3]);
    EXPECT_EQ(list.GetHeadPosition(), pos[1]);
    EXPECT_EQ(list.GetTailPosition(), pos[4]);
    list.SetAt(pos[3], 33);
    EXPECT_EQ(Walk(list), (std::vector<int>{1, 33, 4}));
}

TEST(CListPosition, CurrentElementCanBeRemovedWhileWalking) {
    CList<int, int> list;
    for (int i = 0; i < 10; ++i)
        list.AddTail(i);
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        POSITION posCurrent = pos;
        if (list.GetNext(pos) % 2 == 0) list.RemoveAt(posCurrent);
    }
    EXPECT_EQ(Walk(list), (std::vector<int>{1, 3, 5, 7, 9}));
    EXPECT_EQ(list.GetCount(), 5);
}

TEST(CListPosition, MoveToHeadAndTailKeepThePosition) {
    CList<int, int> list;
    list.AddTail(1);
    POSITION pos2 = list.AddTail(2);
    list.AddTail(3);
    list.MoveToHead(pos2);
    EXPECT_EQ(Walk(list), (std::vector<int>{2, 1, 3}));
    list.MoveToTail(pos2);
    EXPECT_EQ(Walk(list), (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(list.GetTailPosition(), pos2);
}

TEST(CListRemove, HeadAndTailRemovalReturnTheElementsAndDestroyTheRest) {
    CStringList list;
    list.AddTail(_T("a"));
    list.AddTail(_T("b"));
    list.AddTail(_T("c"));
    EXPECT_EQ(list.RemoveHead(), _T("a"));
    EXPECT_EQ(list.RemoveTail(), _T("c"));
    EXPECT_EQ(list.GetHead(), _T("b"));
    EXPECT_EQ(list.GetHeadPosition(), list.GetTailPosition());
    EXPECT_EQ(list.RemoveTail(), _T("b"));
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);

    // Elements are destroyed on removal.
    {
        CList<CCounted> list;
        for (int i = 0; i < 5; ++i)
            list.AddTail(CCounted(i));
        EXPECT_EQ(CCounted::s_nLive, 5);
        list.RemoveAt(list.FindIndex(2));
        CCounted head = list.RemoveHead();
        EXPECT_EQ(head.m_nValue, 0);
        EXPECT_EQ(CCounted::s_nLive, 4);  // three in the list, one returned
    }
    EXPECT_EQ(CCounted::s_nLive, 0);
}

TEST(CListFind, FindContinuesAfterThePositionAndFindIndexRejectsOutOfRange) {
    CStringList list;
    list.AddTail(_T("x"));
    POSITION posFirst = list.AddTail(_T("名字"));
    list.AddTail(_T("y"));
    POSITION posSecond = list.AddTail(_T("名字"));
    EXPECT_EQ(list.Find(_T("名字")), posFirst);
    EXPECT_EQ(list.Find(_T("名字"), posFirst), posSecond);
    EXPECT_EQ(list.Find(_T("名字"), posSecond), nullptr);
    EXPECT_EQ(list.Find(_T("X")), nullptr);  // exact comparison

    // FindIndex counts from the head.
    CPtrList ptrs;
    int values[3] = {};
    for (int& n : values)
        ptrs.AddTail(&n);
    EXPECT_EQ(ptrs.GetAt(ptrs.FindIndex(0)), &values[0]);
    EXPECT_EQ(ptrs.GetAt(ptrs.FindIndex(2)), &values[2]);
    EXPECT_EQ(ptrs.FindIndex(3), nullptr);
    EXPECT_EQ(ptrs.FindIndex(-1), nullptr);
    EXPECT_EQ(ptrs.Find(&values[1]), ptrs.FindIndex(1));
    ptrs.AddTail(nullptr);  // an element, not a ptrs to append
    EXPECT_EQ(ptrs.Find(nullptr), ptrs.GetTailPosition());
    EXPECT_EQ(ptrs.GetCount(), 4);
}

// ---------------------------------------------------------------------------------------------------
// CMap

TEST(CMapLookup, IntKeysStoreAndReplaceValuesAndNewValuesStartAtZero) {
    CMap<int, int, CString, LPCTSTR> map;
    map.SetAt(1, _T("one"));
    map[2] = _T("two");
    map.SetAt(1, _T("uno"));
    CString value;
    EXPECT_TRUE(map.Lookup(1, value));
    EXPECT_EQ(value, _T("uno"));
    EXPECT_FALSE(map.Lookup(3, value));
    EXPECT_EQ(value, _T("uno"));  // untouched on failure
    EXPECT_EQ(map.GetCount(), 2);
    EXPECT_TRUE(map[3].IsEmpty());  // operator[] adds a default value
    EXPECT_EQ(map.GetCount(), 3);

    // New numeric values start at zero.
    CMapWordToPtr words;
    EXPECT_EQ(words[7], nullptr);
    CMap<int, int, int, int> counts;
    for (int i = 0; i < 5; ++i)
        ++counts[i % 2];
    EXPECT_EQ((std::vector<int>{ValueOf(counts, 0), ValueOf(counts, 1)}), (std::vector<int>{3, 2}));
}

TEST(CMapLookup, CollidingKeysShareABucketAndStayDistinct) {
    CMap<int, int, int, int> map;
    map.InitHashTable(7);
    for (int i = 0; i < 6; ++i)
        map[i * 7] = i;  // all in one bucket
    EXPECT_TRUE(map.RemoveKey(14));
    EXPECT_FALSE(map.RemoveKey(14));
    EXPECT_FALSE(map.RemoveKey(15));
    std::vector<int> values;
    for (int i = 0; i < 6; ++i)
        values.push_back(ValueOf(map, i * 7));
    EXPECT_EQ(values, (std::vector<int>{0, 1, -1, 3, 4, 5}));
    EXPECT_EQ(map.GetCount(), 5);
}

TEST(CMapLookup, ManyKeysAreAllFound) {
    CMap<int, int, int, int> map;
    for (int i = 0; i < 5000; ++i)
        map[i * 31 - 20000] = i;
    EXPECT_EQ(map.GetCount(), 5000);
    int value = 0;
    for (int i = 0; i < 5000; ++i) {
        ASSERT_TRUE(map.Lookup(i * 31 - 20000, value));
        ASSERT_EQ(value, i);
    }
    EXPECT_FALSE(map.Lookup(1, value));
}

TEST(CMapLookup, PLookupGivesTheStoredPair) {
    CMapStringToPtr map;
    int n = 0;
    map[_T("k")] = &n;
    CMapStringToPtr::CPair* pPair = map.PLookup(_T("k"));
    ASSERT_NE(pPair, nullptr);
    EXPECT_EQ(pPair->key, _T("k"));
    pPair->value = nullptr;
    void* pValue = &n;
    EXPECT_TRUE(map.Lookup(_T("k"), pValue));
    EXPECT_EQ(pValue, nullptr);
    EXPECT_EQ(map.PLookup(_T("K")), nullptr);
}

TEST(CMapStringKeys, TextIsHashedNotThePointerAndLookupKeyReturnsTheStoredText) {
    CMapStringToString map;
    map.SetAt(_T("key"), _T("value"));
    TCHAR szKey[] = _T("key");  // a different buffer with the same text
    CString value;
    EXPECT_TRUE(map.Lookup(szKey, value));
    EXPECT_EQ(value, _T("value"));
    EXPECT_FALSE(map.Lookup(_T("Key"), value));
    EXPECT_EQ(HashKey<LPCTSTR>(_T("key")), HashKey<const CString&>(CString(_T("key"))));

    // Keys passed as string objects match text keys.
    CMap<CString, const CString&, int, int> objects;
    objects[CString(_T("a"))] = 1;
    EXPECT_EQ(ValueOf(objects, CString(_T("a"))), 1);
    EXPECT_TRUE(objects.RemoveKey(_T("a")));
    EXPECT_TRUE(objects.IsEmpty());
}

TEST(CMapStringKeys, NonAsciiKeysInTheBuildCharacterSet) {
    // In the narrow build these are GBK byte pairs; keys differing only in a trail byte stay distinct.
    CMap<CString, LPCTSTR, int, int> map;
    map[_T("中")] = 1;
    map[_T("文")] = 2;
    map[_T("中文")] = 3;
    map[_T("")] = 4;
    EXPECT_TRUE(map.RemoveKey(_T("文")));
    EXPECT_EQ((std::vector<int>{ValueOf(map, _T("中")), ValueOf(map, _T("文")), ValueOf(map, _T("中文")),
                                ValueOf(map, _T(""))}),
              (std::vector<int>{1, -1, 3, 4}));
    EXPECT_EQ(map.GetCount(), 3);

    // LookupKey returns the stored text.
    CMapStringToOb obs;
    CCollTestItem item(3);
    obs.SetAt(_T("name"), &item);
    CString strProbe(_T("name"));
    LPCTSTR pszKey = nullptr;
    ASSERT_TRUE(obs.LookupKey(strProbe, pszKey));
    EXPECT_NE(pszKey, strProbe.GetString());
    EXPECT_STREQ(pszKey, _T("name"));
    EXPECT_FALSE(obs.LookupKey(_T("other"), pszKey));
}

TEST(CMapIteration, VisitsEveryAssociationOnceAndAnEmptyMapNone) {
    CMapStringToString map;
    map.InitHashTable(3);  // several associations per bucket
    std::map<CString, CString> expected;
    for (int i = 0; i < 20; ++i) {
        CString key, value;
        key.Format(_T("k%d"), i);
        value.Format(_T("v%d"), i);
        map[key] = value;
        expected[key] = value;
    }
    std::map<CString, CString> seen;
    CString key, value;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        map.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.emplace(key, value).second) << key.GetString();
    }
    EXPECT_EQ(seen, expected);

    // An empty ptrs has no start position.
    CMapPtrToPtr ptrs;
    EXPECT_EQ(ptrs.GetStartPosition(), nullptr);
    ptrs[&ptrs] = &ptrs;
    EXPECT_NE(ptrs.GetStartPosition(), nullptr);
    ptrs.RemoveAll();
    EXPECT_EQ(ptrs.GetStartPosition(), nullptr);
    EXPECT_EQ(ptrs.GetCount(), 0);
}

TEST(CMapIteration, RemovingTheReturnedKeyKeepsTheWalkValid) {
    CMap<int, int, int, int> map;
    map.InitHashTable(5);
    for (int i = 0; i < 40; ++i)
        map[i] = i * i;
    std::set<int> visited;
    int key = 0, value = 0;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        map.GetNextAssoc(pos, key, value);
        EXPECT_EQ(value, key * key);
        EXPECT_TRUE(visited.insert(key).second);
        if (key % 3 != 0) {
            EXPECT_TRUE(map.RemoveKey(key));
        }
    }
    EXPECT_EQ(visited.size(), 40u);
    EXPECT_EQ(map.GetCount(), 14);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(map.PLookup(i) != nullptr, i % 3 == 0) << i;
}

TEST(CMapIteration, PairWalkReachesEveryPair) {
    CMapPtrToWord map;
    int anchors[5] = {};
    for (int i = 0; i < 5; ++i)
        map[&anchors[i]] = static_cast<WORD>(i + 1);
    int nSum = 0, nCount = 0;
    for (const CMapPtrToWord::CPair* pPair = map.PGetFirstAssoc(); pPair; pPair = map.PGetNextAssoc(pPair)) {
        nSum += pPair->value;
        ++nCount;
    }
    EXPECT_EQ(nCount, 5);
    EXPECT_EQ(nSum, 15);
}

TEST(CMapLifetime, ValuesAreDestroyedWithTheirAssociations) {
    {
        CMap<int, int, CCounted, const CCounted&> map;
        for (int i = 0; i < 30; ++i)
            map.SetAt(i, CCounted(i));
        EXPECT_EQ(CCounted::s_nLive, 30);
        map.RemoveKey(4);
        EXPECT_EQ(CCounted::s_nLive, 29);
        map.RemoveAll();
        EXPECT_EQ(CCounted::s_nLive, 0);
        map[1] = CCounted(5);
    }
    EXPECT_EQ(CCounted::s_nLive, 0);
}

// ---------------------------------------------------------------------------------------------------
// Typed pointer wrappers

TEST(CTypedPtrCollections, ArraysListsAndMapsStoreAndReturnTypedPointers) {
    CCollTestItem a(1), b(2);
    CTypedPtrArray<CObArray, CCollTestItem*> items;
    items.Add(&a);
    items.InsertAt(0, &b);
    EXPECT_EQ(items[0]->m_nId, 2);
    EXPECT_EQ(items.GetAt(1)->m_nId, 1);
    CTypedPtrArray<CPtrArray, int*> numbers;
    int n = 5;
    numbers.SetAtGrow(2, &n);
    EXPECT_EQ(numbers[0], nullptr);
    EXPECT_EQ(*numbers[2], 5);

    CTypedPtrList<CObList, CCollTestItem*> list;
    list.AddTail(&a);
    list.AddHead(&b);
    POSITION pos = list.GetHeadPosition();
    EXPECT_EQ(list.GetNext(pos)->m_nId, 2);
    EXPECT_EQ(list.GetNext(pos)->m_nId, 1);
    EXPECT_EQ(list.RemoveTail(), &a);

    CCollTestItem* pItem = nullptr;
    CTypedPtrMap<CMapStringToPtr, CString, CCollTestItem*> map;
    map.SetAt(_T("a"), &a);
    map[_T("b")] = &b;
    ASSERT_TRUE(map.Lookup(_T("b"), pItem));
    EXPECT_EQ(pItem->m_nId, 2);
    CString key;
    pos = map.GetStartPosition();
    map.GetNextAssoc(pos, key, pItem);
    EXPECT_EQ(pItem, key == _T("a") ? &a : &b);
    EXPECT_TRUE(map.RemoveKey(_T("a")));
    EXPECT_FALSE(map.Lookup(_T("a"), pItem));
}

// ---------------------------------------------------------------------------------------------------
// Run-time classes of the ready-made collections

TEST(CollectionRuntimeClass, EachCollectionIsACObjectWithItsOwnClass) {
    CPtrArray ptrs;
    CStringList strings;
    CMapStringToString map;
    EXPECT_TRUE(ptrs.IsKindOf(RUNTIME_CLASS(CPtrArray)));
    EXPECT_TRUE(ptrs.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(ptrs.IsKindOf(RUNTIME_CLASS(CObArray)));
    EXPECT_EQ(strings.GetRuntimeClass(), RUNTIME_CLASS(CStringList));
    EXPECT_EQ(RUNTIME_CLASS(CMapStringToString)->GetBaseClass(), RUNTIME_CLASS(CObject));
    EXPECT_STREQ(map.GetRuntimeClass()->m_lpszClassName, "CMapStringToString");
    EXPECT_EQ(CRuntimeClass::FromName("CDWordArray"), RUNTIME_CLASS(CDWordArray));
    EXPECT_EQ(RUNTIME_CLASS(CObList)->CreateObject(), nullptr);
    EXPECT_FALSE(strings.IsKindOf(RUNTIME_CLASS(CPtrList)));
}
