#include "tests/support/GTest.h"

#include <string>
#include <vector>

#include "platform/objects/Events.h"
#include "platform/objects/Interfaces.h"
#include "platform/objects/Persistent.h"

namespace {

std::vector<std::string> g_log;

// A family with a virtual constructor and a class-level virtual operation.
class TShape;
class TShapeMeta : public TClassOf<TShape, TPersistent::TMeta, int> {
public:
  using TClassOf::TClassOf;
  virtual std::string Describe() const { return "shape"; }
};

class TShape : public TPersistent {
  OBJECT_CLASS_META(TShape, TPersistent, TShapeMeta)
public:
  explicit TShape(int size) : m_size(size) { g_log.push_back("TShape()"); }
  ~TShape() override { g_log.push_back("~TShape"); }
  void AfterConstruction() override { g_log.push_back("AfterConstruction " + Kind()); }
  void BeforeDestruction() override { g_log.push_back("BeforeDestruction " + Kind()); }
  virtual std::string Kind() const { return "shape"; }
  int Size() const { return m_size; }

private:
  int m_size = 0;
};

class TCircleMeta : public TShapeMeta {
public:
  using TShapeMeta::TShapeMeta;
  std::string Describe() const override { return "circle"; }
};

class TCircle : public TShape {
  OBJECT_CLASS_META(TCircle, TShape, TCircleMeta)
public:
  using TShape::TShape;
  ~TCircle() override { g_log.push_back("~TCircle"); }
  std::string Kind() const override { return "circle"; }
};

class TAbstractShape : public TShape {
  OBJECT_CLASS(TAbstractShape, TShape)
public:
  using TShape::TShape;
  virtual void Draw() = 0;
};

class TForgetful : public TShape {
public:
  using TShape::TShape;
};

class TLogTest : public testing::Test {
protected:
  void SetUp() override { g_log.clear(); }
};

} // namespace

TEST_F(TLogTest, ClassInformationNamesAndRelatesClasses) {
  TClass circle = TCircle::StaticClass();
  EXPECT_EQ(circle->ClassName(), "TCircle");
  EXPECT_EQ(circle->ClassParent(), TShape::StaticClass());
  EXPECT_TRUE(circle->InheritsFrom(TPersistent::StaticClass()));
  EXPECT_TRUE(circle->InheritsFrom(circle));
  EXPECT_FALSE(TShape::StaticClass()->InheritsFrom(circle));
  EXPECT_TRUE(circle->ClassNameIs("tcircle"));
  EXPECT_EQ(TObject::StaticClass()->ClassParent(), nullptr);
  EXPECT_TRUE(TAbstractShape::StaticClass()->IsAbstract());
  EXPECT_FALSE(circle->IsAbstract());
}

TEST_F(TLogTest, TwoPhaseLifeReachesTheMostDerivedClass) {
  TShape* shape = Create<TCircle>(3);
  EXPECT_EQ(shape->ClassType(), TCircle::StaticClass());
  EXPECT_EQ(shape->Size(), 3);
  shape->Free();
  EXPECT_EQ(g_log, (std::vector<std::string>{"TShape()", "AfterConstruction circle",
                                             "BeforeDestruction circle", "~TCircle", "~TShape"}));
}

TEST_F(TLogTest, ClassReferencesCreateAndAnswerClassLevelOperations) {
  TClassRef<TShape> cls = TCircle::StaticClass();
  EXPECT_EQ(cls->Describe(), "circle");
  EXPECT_EQ(TClassRef<TShape>(TShape::StaticClass())->Describe(), "shape");
  TOwned<TShape> shape(cls.Create(7));
  EXPECT_EQ(shape->ClassName(), "TCircle");
  EXPECT_EQ(shape->Size(), 7);
  EXPECT_EQ(shape->ClassType()->Describe(), "circle");
  EXPECT_EQ(g_log[1], "AfterConstruction circle");
}

TEST_F(TLogTest, ClassReferenceChecksAndAbstractClasses) {
  EXPECT_THROW(TClassRef<TShape>::Checked(TPersistent::StaticClass()), EInvalidCast);
  EXPECT_EQ(TClassRef<TShape>::Checked(TCircle::StaticClass()).Get(), TCircle::StaticClass());
  EXPECT_FALSE(TClassRef<TShape>::Checked(nullptr));
  TClassRef<TShape> abstract = TAbstractShape::StaticClass();
  EXPECT_THROW(abstract.Create(1), EInvalidOperation);
}

TEST_F(TLogTest, AClassWithoutItsOwnClassInformationIsRefusedAndFreed) {
  EXPECT_THROW(Create<TForgetful>(1), EInvalidOperation);
  EXPECT_EQ(g_log.back(), "~TShape");
}

TEST(Casts, IsAndAsFollowTheClassTree) {
  TOwned<TShape> circle(Create<TCircle>(1));
  TOwned<TPersistent> plain(Create<TPersistent>());
  EXPECT_TRUE(Is<TShape>(circle.get()));
  EXPECT_FALSE(Is<TShape>(plain.get()));
  EXPECT_FALSE(Is<TShape>(nullptr));
  EXPECT_EQ(As<TCircle>(circle.get()), circle.get());
  EXPECT_EQ(As<TCircle>(static_cast<TObject*>(nullptr)), nullptr);
  try {
    As<TShape>(plain.get());
    FAIL();
  } catch (const EInvalidCast& error) {
    EXPECT_EQ(error.Message(), "Invalid class typecast");
  }
}

TEST(ClassRegistry, FindsRegisteredClassesByName) {
  RegisterClasses({TShape::StaticClass(), TCircle::StaticClass()});
  RegisterClass(TCircle::StaticClass());
  EXPECT_EQ(GetClass("tcircle"), TCircle::StaticClass());
  EXPECT_EQ(FindClass("TShape"), TShape::StaticClass());
  UnRegisterClass(TCircle::StaticClass());
  EXPECT_EQ(GetClass("TCircle"), nullptr);
  try {
    FindClass("TCircle");
    FAIL();
  } catch (const EClassNotFound& error) {
    EXPECT_EQ(error.Message(), "Class TCircle not found");
  }
  UnRegisterClass(TShape::StaticClass());
}

namespace {
class TOtherShape : public TPersistent {
  OBJECT_CLASS(TOtherShape, TPersistent)
};
namespace other {
class TShape : public TPersistent {
  OBJECT_CLASS(TShape, TPersistent)
};
} // namespace other
} // namespace

TEST(ClassRegistry, RefusesASecondClassOfTheSameName) {
  RegisterClass(TShape::StaticClass());
  EXPECT_THROW(RegisterClass(other::TShape::StaticClass()), EFilerError);
  UnRegisterClass(TShape::StaticClass());
  RegisterClass(TOtherShape::StaticClass());
  UnRegisterClass(TOtherShape::StaticClass());
}

namespace {

class TPoint3 : public TPersistent {
  OBJECT_CLASS(TPoint3, TPersistent)
public:
  int x = 0;
  void Assign(TPersistent* source) override {
    if (auto* other = dynamic_cast<TPoint3*>(source))
      x = other->x;
    else
      inherited::Assign(source);
  }

protected:
  void AssignTo(TPersistent* dest) override {
    if (auto* shape = dynamic_cast<TCircle*>(dest))
      g_log.push_back("AssignTo " + shape->ClassName());
    else
      inherited::AssignTo(dest);
  }
};

} // namespace

TEST(Persistent, AssignAsksTheSourceThenReportsWhatCannotBeAssigned) {
  TOwned<TPoint3> a(Create<TPoint3>()), b(Create<TPoint3>());
  b->x = 4;
  a->Assign(b.get());
  EXPECT_EQ(a->x, 4);

  g_log.clear();
  TOwned<TCircle> circle(Create<TCircle>(1));
  circle->Assign(a.get());
  EXPECT_EQ(g_log.back(), "AssignTo TCircle");

  struct Case {
    TPersistent* target;
    TPersistent* source;
    const char* message;
  };
  TOwned<TPersistent> plain(Create<TPersistent>());
  const Case cases[] = {
      {a.get(), plain.get(), "Cannot assign a TPersistent to a TPoint3"},
      {a.get(), nullptr, "Cannot assign a nil to a TPoint3"},
      {plain.get(), circle.get(), "Cannot assign a TCircle to a TPersistent"},
  };
  for (const Case& c : cases) {
    try {
      c.target->Assign(c.source);
      ADD_FAILURE() << c.message;
    } catch (const EConvertError& error) {
      EXPECT_EQ(error.Message(), c.message);
    }
  }
}

namespace {

class IGreeter : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{0B6C2B8E-1B8C-4C1E-9F1A-3A2B1C0D9E8F}");
  virtual std::string Greet() = 0;
};

class ILoudGreeter : public IGreeter {
public:
  static constexpr TGUID IID = StringToGUID("{5D3C0A1B-2E4F-4A6B-8C9D-0E1F2A3B4C5D}");
  virtual std::string Shout() = 0;
};

class IMissing : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{11111111-2222-3333-4444-555555555555}");
};

class THelper : public TInterfacedPersistent, public ILoudGreeter {
  OBJECT_CLASS(THelper, TInterfacedPersistent)
public:
  explicit THelper(TPersistent* owner = nullptr) : m_owner(owner) {}
  TPersistent* GetOwner() override { return m_owner; }
  std::string Greet() override { return "merhaba"; }
  std::string Shout() override { return "MERHABA"; }

private:
  TPersistent* m_owner = nullptr;
};

// Hands out its helper's greeter, as an object that implements an
// interface through another object does.
class TDelegating : public TInterfacedPersistent {
  OBJECT_CLASS(TDelegating, TInterfacedPersistent)
public:
  TDelegating() : m_helper(Create<THelper>(this)) {}
  bool QueryInterface(const TInterfaceQuery& query, void*& intf) override {
    if (query.IID == IGreeter::IID)
      return m_helper->QueryInterface(query, intf);
    return inherited::QueryInterface(query, intf);
  }
  int _AddRef() override { return ++m_references; }
  int _Release() override { return --m_references; }
  THelper* Helper() { return m_helper.get(); }

private:
  TOwned<THelper> m_helper;
  int m_references = 0;
};

} // namespace

TEST(Interfaces, GUIDsParseAndPrint) {
  constexpr TGUID guid = StringToGUID("{84a4bcbe-e001-4d60-b7a6-75e2b0dcd3e9}");
  EXPECT_EQ(guid.D1, 0x84A4BCBEu);
  EXPECT_EQ(guid.D4[7], 0xE9);
  EXPECT_EQ(GUIDToString(guid), "{84A4BCBE-E001-4D60-B7A6-75E2B0DCD3E9}");
  for (const char* bad : {"", "{84A4BCBE-E001-4D60-B7A6-75E2B0DCD3E}",
                          "{84A4BCBE-E001-4D60-B7A6-75E2B0DCD3EX}", "84A4BCBE-E001-4D60-B7A6"})
    EXPECT_THROW(StringToGUID(bad), EConvertError) << bad;
}

TEST(Interfaces, SupportsFindsImplementedAndInheritedInterfaces) {
  TOwned<THelper> helper(Create<THelper>());
  IGreeter* greeter = nullptr;
  ASSERT_TRUE(Supports<IGreeter>(helper.get(), greeter));
  EXPECT_EQ(greeter->Greet(), "merhaba");
  ILoudGreeter* loud = nullptr;
  ASSERT_TRUE(Supports<ILoudGreeter>(greeter, loud));
  EXPECT_EQ(loud->Shout(), "MERHABA");
  EXPECT_TRUE(Supports<IInterface>(helper.get()));
  IMissing* missing = reinterpret_cast<IMissing*>(1);
  EXPECT_FALSE(Supports<IMissing>(helper.get(), missing));
  EXPECT_EQ(missing, nullptr);
  EXPECT_FALSE(Supports<IGreeter>(static_cast<TObject*>(nullptr)));
  TOwned<TPersistent> plain(Create<TPersistent>());
  EXPECT_FALSE(Supports<IGreeter>(plain.get()));
}

TEST(Interfaces, QueryInterfaceCanHandOutAnotherObjectsInterface) {
  TOwned<TDelegating> outer(Create<TDelegating>());
  IGreeter* greeter = nullptr;
  ASSERT_TRUE(Supports<IGreeter>(outer.get(), greeter));
  EXPECT_EQ(dynamic_cast<THelper*>(greeter), outer->Helper());
  EXPECT_FALSE(Supports<ILoudGreeter>(outer.get()));
}

TEST(Interfaces, ReferenceCountsGoToTheOwnerOrNowhere) {
  TOwned<TDelegating> outer(Create<TDelegating>());
  EXPECT_EQ(outer->Helper()->_AddRef(), 1);
  EXPECT_EQ(outer->Helper()->_Release(), 0);
  TOwned<THelper> alone(Create<THelper>());
  EXPECT_EQ(alone->_AddRef(), -1);
  EXPECT_EQ(alone->_Release(), -1);
}

namespace {

class TListener : public TObject {
  OBJECT_CLASS(TListener, TObject)
public:
  void Changed(TObject*) { ++calls; }
  void Other(TObject*) { ++calls; }
  void Count(int& value) const { value += 10; }
  int calls = 0;
};

class TDerivedListener : public TListener {
  OBJECT_CLASS(TDerivedListener, TListener)
};

} // namespace

TEST(Delegates, CompareByObjectAndMember) {
  TOwned<TListener> a(Create<TListener>()), b(Create<TListener>());
  const TNotifyEvent first(a.get(), &TListener::Changed);
  EXPECT_TRUE(first == TNotifyEvent(a.get(), &TListener::Changed));
  EXPECT_FALSE(first == TNotifyEvent(b.get(), &TListener::Changed));
  EXPECT_FALSE(first == TNotifyEvent(a.get(), &TListener::Other));
  EXPECT_FALSE(first == TNotifyEvent());
  EXPECT_TRUE(TNotifyEvent() == TNotifyEvent(nullptr));

  TOwned<TDerivedListener> derived(Create<TDerivedListener>());
  TNotifyEvent inherited(derived.get(), &TListener::Changed);
  inherited(nullptr);
  EXPECT_EQ(derived->calls, 1);
}

TEST(Delegates, CallMembersLambdasAndVarParameters) {
  TOwned<TListener> listener(Create<TListener>());
  TNotifyEvent event(listener.get(), &TListener::Changed);
  ASSERT_TRUE(event);
  event(nullptr);
  EXPECT_EQ(listener->calls, 1);

  int value = 1;
  TDelegate<void(int&)> byReference(static_cast<const TListener*>(listener.get()),
                                    &TListener::Count);
  byReference(value);
  EXPECT_EQ(value, 11);

  int seen = 0;
  TDelegate<int(int)> lambda([&seen](int x) { return seen = x * 2; });
  EXPECT_EQ(lambda(4), 8);
  EXPECT_TRUE(lambda == TDelegate<int(int)>(lambda));
  EXPECT_FALSE(lambda == TDelegate<int(int)>([](int x) { return x; }));

  TNotifyEvent unassigned;
  EXPECT_FALSE(unassigned);
  EXPECT_FALSE(TNotifyEvent(listener.get(), static_cast<void (TListener::*)(TObject*)>(nullptr)));
  EXPECT_THROW(unassigned(nullptr), EInvalidOperation);
}
