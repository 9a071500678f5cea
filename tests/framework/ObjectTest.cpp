// CObject run-time classes: IsKindOf through a class hierarchy, DYNAMIC_DOWNCAST, dynamic creation
// and looking classes up by name.
#include <afx.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Shape <- Polygon <- Square, and an unrelated Sound. Only Polygon and Square can be created by name.
class CObjTestShape : public CObject {
    DECLARE_DYNAMIC(CObjTestShape)
};

class CObjTestPolygon : public CObjTestShape {
    DECLARE_DYNCREATE(CObjTestPolygon)
public:
    int m_nCorners = 3;
};

class CObjTestSquare : public CObjTestPolygon {
    DECLARE_DYNCREATE(CObjTestSquare)
public:
    CObjTestSquare() { m_nCorners = 4; }
};

class CObjTestSound : public CObject {
    DECLARE_DYNAMIC(CObjTestSound)
};

IMPLEMENT_DYNAMIC(CObjTestShape, CObject)
IMPLEMENT_DYNCREATE(CObjTestPolygon, CObjTestShape)
IMPLEMENT_DYNCREATE(CObjTestSquare, CObjTestPolygon)
IMPLEMENT_DYNAMIC(CObjTestSound, CObject)

}  // namespace

// IsKindOf and DYNAMIC_DOWNCAST follow the chain of base classes up, never down or sideways.
TEST(CObjectRuntimeClass, KindAndDowncastFollowTheChainUpOnly) {
    CObjTestSquare square;
    CObjTestPolygon polygon;
    CObjTestShape shape;
    CObjTestSound sound;
    struct Row {
        CObject* pObject;
        CRuntimeClass* pClass;
        bool bKind;
    };
    const Row rows[] = {
        {&square, RUNTIME_CLASS(CObjTestSquare), true}, {&square, RUNTIME_CLASS(CObjTestPolygon), true},
        {&square, RUNTIME_CLASS(CObjTestShape), true},  {&square, RUNTIME_CLASS(CObject), true},
        {&square, RUNTIME_CLASS(CObjTestSound), false}, {&polygon, RUNTIME_CLASS(CObjTestSquare), false},
        {&shape, RUNTIME_CLASS(CObjTestShape), true},   {&shape, RUNTIME_CLASS(CObjTestPolygon), false},
        {&sound, RUNTIME_CLASS(CObjTestShape), false},  {&polygon, RUNTIME_CLASS(CObjTestSound), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.pObject->GetRuntimeClass()->m_lpszClassName << " as "
                                        << row.pClass->m_lpszClassName);
        EXPECT_EQ(row.pObject->IsKindOf(row.pClass) != FALSE, row.bKind);
        EXPECT_EQ(AfxDynamicDownCast(row.pClass, row.pObject), row.bKind ? row.pObject : nullptr);
    }
    EXPECT_FALSE(shape.IsKindOf(nullptr));
    EXPECT_EQ(DYNAMIC_DOWNCAST(CObjTestPolygon, static_cast<CObject*>(&square)), &square);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CObjTestSquare, static_cast<CObject*>(&polygon)), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CObjTestShape, static_cast<CObject*>(nullptr)), nullptr);
}

TEST(CObjectRuntimeClass, DescribesTheMostDerivedClass) {
    CObjTestSquare square;
    CObjTestShape* pShape = &square;
    const CRuntimeClass* pClass = pShape->GetRuntimeClass();
    EXPECT_EQ(pClass, RUNTIME_CLASS(CObjTestSquare));
    EXPECT_STREQ(pClass->m_lpszClassName, "CObjTestSquare");
    EXPECT_EQ(pClass->m_nObjectSize, static_cast<int>(sizeof(CObjTestSquare)));
    EXPECT_EQ(pClass->GetBaseClass(), RUNTIME_CLASS(CObjTestPolygon));
    EXPECT_EQ(RUNTIME_CLASS(CObjTestShape)->GetBaseClass(), RUNTIME_CLASS(CObject));
    EXPECT_EQ(RUNTIME_CLASS(CObject)->GetBaseClass(), nullptr);
    EXPECT_TRUE(pClass->IsDerivedFrom(RUNTIME_CLASS(CObjTestShape)));
    EXPECT_FALSE(RUNTIME_CLASS(CObjTestShape)->IsDerivedFrom(pClass));
    EXPECT_FALSE(square.IsSerializable());
}

TEST(CObjectCreate, DynCreateClassesBuildAnObjectOfTheirClassAlsoByNameAndOthersNone) {
    std::unique_ptr<CObject> pObject(RUNTIME_CLASS(CObjTestSquare)->CreateObject());
    ASSERT_NE(pObject, nullptr);
    EXPECT_EQ(pObject->GetRuntimeClass(), RUNTIME_CLASS(CObjTestSquare));
    EXPECT_EQ(static_cast<CObjTestSquare*>(pObject.get())->m_nCorners, 4);
    pObject.reset(CRuntimeClass::CreateObject(L"CObjTestPolygon"));
    ASSERT_NE(pObject, nullptr);
    EXPECT_EQ(pObject->GetRuntimeClass(), RUNTIME_CLASS(CObjTestPolygon));

    EXPECT_EQ(RUNTIME_CLASS(CObjTestShape)->CreateObject(), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CObject)->CreateObject(), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CObjTestSound"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CObjTestNoSuchClass"), nullptr);
}

TEST(CObjectFromName, FindsRegisteredClassesByNarrowOrWideName) {
    EXPECT_EQ(CRuntimeClass::FromName("CObjTestPolygon"), RUNTIME_CLASS(CObjTestPolygon));
    EXPECT_EQ(CRuntimeClass::FromName(L"CObjTestSound"), RUNTIME_CLASS(CObjTestSound));
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
    EXPECT_EQ(CRuntimeClass::FromName("CObjTestNoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("cobjtestpolygon"), nullptr);  // names are case-sensitive
    EXPECT_EQ(CRuntimeClass::FromName(static_cast<LPCSTR>(nullptr)), nullptr);
}
