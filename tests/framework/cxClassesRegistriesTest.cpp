#include "tests/support/GTest.h"

#include "framework/cxClasses.h"
#include "platform/rtl/Exceptions.h"

namespace {

class TBase : public TObject {
  OBJECT_CLASS(TBase, TObject)
};
class TMiddle : public TBase {
  OBJECT_CLASS(TMiddle, TBase)
};
class TDerived : public TMiddle {
  OBJECT_CLASS(TDerived, TMiddle)
};
class TGrandChild : public TDerived {
  OBJECT_CLASS(TGrandChild, TDerived)
};
class TOther : public TObject {
  OBJECT_CLASS(TOther, TObject)
};

// Registered classes: helpers for the item classes above.
class THelperA : public TObject {
  OBJECT_CLASS(THelperA, TObject)
};
class THelperB : public TObject {
  OBJECT_CLASS(THelperB, TObject)
};
class THelperC : public TObject {
  OBJECT_CLASS(THelperC, TObject)
};

const TClass kBase = TBase::StaticClass();
const TClass kMiddle = TMiddle::StaticClass();
const TClass kDerived = TDerived::StaticClass();
const TClass kGrandChild = TGrandChild::StaticClass();
const TClass kA = THelperA::StaticClass();
const TClass kB = THelperB::StaticClass();
const TClass kC = THelperC::StaticClass();

std::vector<TClass> ItemClasses(const TcxRegisteredClassList& list) {
  std::vector<TClass> classes;
  for (int i = 0; i < list.Count(); ++i)
    classes.push_back(list.Items(i).ItemClass);
  return classes;
}

TEST(RegisteredClassListTest, KeepsAncestorsBeforeDescendants) {
  TcxRegisteredClassList list;
  list.Register(kBase, kA);
  list.Register(kDerived, kB);
  list.Register(kMiddle, kC);
  EXPECT_EQ((std::vector<TClass>{kBase, kMiddle, kDerived}), ItemClasses(list));

  TcxRegisteredClassList reversed;
  reversed.Register(kDerived, kB);
  reversed.Register(kBase, kA);
  EXPECT_EQ((std::vector<TClass>{kBase, kDerived}), ItemClasses(reversed));
}

TEST(RegisteredClassListTest, FindsTheNearestRegisteredAncestor) {
  TcxRegisteredClassList list;
  list.Register(kBase, kA);
  list.Register(kDerived, kB);
  EXPECT_EQ(kB, list.FindClass(kGrandChild));
  EXPECT_EQ(kB, list.FindClass(kDerived));
  EXPECT_EQ(kA, list.FindClass(kMiddle));
  EXPECT_EQ(kA, list.FindClass(kBase));
  EXPECT_EQ(nullptr, list.FindClass(TOther::StaticClass()));
  EXPECT_EQ(nullptr, list.FindClass(nullptr));

  // Of two entries of one class, the one registered last answers.
  list.Register(kDerived, kC);
  EXPECT_EQ(kC, list.FindClass(kGrandChild));
  EXPECT_EQ((std::vector<TClass>{kBase, kDerived, kDerived}), ItemClasses(list));
}

TEST(RegisteredClassListTest, FindReportsTheFirstRegisteredDescendant) {
  TcxRegisteredClassList list;
  list.Register(kDerived, kB);
  list.Register(kGrandChild, kC);
  int index = -7;
  EXPECT_FALSE(list.Find(kBase, index));
  EXPECT_EQ(0, index);
  index = -7;
  EXPECT_FALSE(list.Find(TOther::StaticClass(), index));
  EXPECT_EQ(-7, index);
}

TEST(RegisteredClassListTest, UnregisterRemovesOnlyTheExactPair) {
  TcxRegisteredClassList list;
  list.Register(kBase, kA);
  list.Register(kBase, kA);
  list.Register(kDerived, kB);
  list.Unregister(kDerived, kA);
  EXPECT_EQ(3, list.Count());
  list.Unregister(kBase, kA);
  EXPECT_EQ((std::vector<TClass>{kDerived}), ItemClasses(list));
  EXPECT_THROW(list.Items(1), EListError);
  EXPECT_THROW(list.Register(nullptr, kA), EInvalidOperation);
}

TEST(RegisteredClassesTest, DescriptionsAndHints) {
  TcxRegisteredClasses classes;
  classes.Register(kA, "TextEdit|Represents a single line text editor");
  classes.Register(kB, "NoBar");
  classes.Register(kC, "Trailing|");
  classes.Register(kA, "Again|ignored");
  ASSERT_EQ(3, classes.Count());
  const struct {
    TClass cls;
    const char* description;
    const char* hint;
  } cases[] = {
      {kA, "TextEdit", "Represents a single line text editor"},
      {kB, "NoBar", "NoBar"},
      {kC, "Trailing", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.description);
    const int index = classes.GetIndexByClass(c.cls);
    EXPECT_EQ(c.cls, classes.Items(index));
    EXPECT_EQ(c.description, classes.GetDescription(index));
    EXPECT_EQ(c.hint, classes.GetHint(index));
    EXPECT_EQ(c.description, classes.GetDescriptionByClass(c.cls));
    EXPECT_EQ(c.hint, classes.GetHintByClass(c.cls));
  }
  EXPECT_EQ(-1, classes.GetIndexByClass(kBase));
  EXPECT_EQ("", classes.GetDescriptionByClass(kBase));
  EXPECT_EQ("", classes.GetHintByClass(kBase));
}

TEST(RegisteredClassesTest, FindsByExactClassNameAndDescription) {
  TcxRegisteredClasses classes;
  classes.Register(kA, "TextEdit|hint");
  EXPECT_EQ(kA, classes.FindByClassName("THelperA"));
  EXPECT_EQ(nullptr, classes.FindByClassName("thelpera"));
  EXPECT_EQ(kA, classes.FindByDescription("TextEdit"));
  EXPECT_EQ(nullptr, classes.FindByDescription("textedit"));
  EXPECT_EQ(nullptr, classes.FindByDescription("TextEdit|hint"));
  classes.Unregister(kA);
  EXPECT_EQ(0, classes.Count());
}

TEST(RegisteredClassesTest, SortsByDescriptionInTheUserLocale) {
  TcxRegisteredClasses classes;
  classes.Register(kA, "\xDDkinci|second");  // İkinci
  classes.Register(kB, "birinci|first");
  classes.Register(kC, "\xC7ift|pair");  // Çift
  classes.SetSorted(true);
  EXPECT_EQ((std::vector<std::string>{"birinci", "\xC7ift", "\xDDkinci"}),
            (std::vector<std::string>{classes.GetDescription(0), classes.GetDescription(1),
                                      classes.GetDescription(2)}));
  classes.Register(kBase, "a");
  EXPECT_EQ(kBase, classes.Items(0));
  classes.SetSorted(false);
  classes.Register(kMiddle, "0");
  EXPECT_EQ(kMiddle, classes.Items(4));
}

TEST(RegisteredClassesTest, CanAlsoRegisterWithTheClassRegistry) {
  ASSERT_EQ(nullptr, GetClass("THelperC"));
  TcxRegisteredClasses plain;
  plain.Register(kC, "C");
  EXPECT_EQ(nullptr, GetClass("THelperC"));
  TcxRegisteredClasses registering(true);
  registering.Register(kC, "C");
  EXPECT_EQ(kC, GetClass("THelperC"));
  registering.Unregister(kC);
  EXPECT_EQ(kC, GetClass("THelperC"));
  UnRegisterClass(kC);
}

TEST(ClassInheritsFromTest, ComparesClassNamesExactly) {
  EXPECT_TRUE(ClassInheritsFrom(kGrandChild, "TMiddle"));
  EXPECT_TRUE(ClassInheritsFrom(kGrandChild, "TGrandChild"));
  EXPECT_TRUE(ClassInheritsFrom(kGrandChild, "TObject"));
  EXPECT_FALSE(ClassInheritsFrom(kGrandChild, "tmiddle"));
  EXPECT_FALSE(ClassInheritsFrom(kMiddle, "TDerived"));
}

} // namespace
