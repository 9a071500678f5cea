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

TEST(CObjectRuntimeClass, IsKindOfFollowsTheWholeChain) {
    CObjTestSquare square;
    const CObject* pObject = &square;
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObjTestSquare)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObjTestPolygon)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObjTestShape)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(pObject->IsKindOf(RUNTIME_CLASS(CObjTestSound)));
}

TEST(CObjectRuntimeClass, BaseOrSiblingIsNotKindOfDerived) {
    CObjTestShape shape;
    EXPECT_TRUE(shape.IsKindOf(RUNTIME_CLASS(CObjTestShape)));
    EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(CObjTestPolygon)));
    EXPECT_FALSE(shape.IsKindOf(nullptr));
    CObjTestSound sound;
    EXPECT_FALSE(sound.IsKindOf(RUNTIME_CLASS(CObjTestShape)));
    EXPECT_EQ(sound.GetRuntimeClass(), RUNTIME_CLASS(CObjTestSound));
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

TEST(CObjectDowncast, ToBaseOrSameClassKeepsThePointer) {
    CObjTestSquare square;
    CObject* pObject = &square;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CObjTestPolygon, pObject), &square);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CObjTestSquare, pObject), &square);
}

TEST(CObjectDowncast, ToUnrelatedOrMoreDerivedClassGivesNull) {
    CObjTestPolygon polygon;
    CObject* pObject = &polygon;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CObjTestSound, pObject), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CObjTestSquare, pObject), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CObjTestShape, static_cast<CObject*>(nullptr)), nullptr);
}

TEST(CObjectCreate, DynCreateClassBuildsAnObjectOfThatClass) {
    std::unique_ptr<CObject> pObject(RUNTIME_CLASS(CObjTestSquare)->CreateObject());
    ASSERT_NE(pObject, nullptr);
    EXPECT_EQ(pObject->GetRuntimeClass(), RUNTIME_CLASS(CObjTestSquare));
    EXPECT_EQ(static_cast<CObjTestSquare*>(pObject.get())->m_nCorners, 4);
}

TEST(CObjectCreate, DynamicOnlyClassCannotBeCreated) {
    EXPECT_EQ(RUNTIME_CLASS(CObjTestShape)->CreateObject(), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CObject)->CreateObject(), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CObjTestSound"), nullptr);
}

TEST(CObjectFromName, FindsRegisteredClassesByNarrowOrWideName) {
    EXPECT_EQ(CRuntimeClass::FromName("CObjTestPolygon"), RUNTIME_CLASS(CObjTestPolygon));
    EXPECT_EQ(CRuntimeClass::FromName(L"CObjTestSound"), RUNTIME_CLASS(CObjTestSound));
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
    EXPECT_EQ(CRuntimeClass::FromName("CObjTestNoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("cobjtestpolygon"), nullptr);  // names are case-sensitive
    EXPECT_EQ(CRuntimeClass::FromName(static_cast<LPCSTR>(nullptr)), nullptr);
}

TEST(CObjectFromName, CreatesByName) {
    std::unique_ptr<CObject> pObject(CRuntimeClass::CreateObject(L"CObjTestPolygon"));
    ASSERT_NE(pObject, nullptr);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObjTestPolygon)));
    EXPECT_FALSE(pObject->IsKindOf(RUNTIME_CLASS(CObjTestSquare)));
    EXPECT_EQ(CRuntimeClass::CreateObject("CObjTestNoSuchClass"), nullptr);
}
