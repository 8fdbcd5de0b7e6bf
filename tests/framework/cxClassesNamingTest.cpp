#include "tests/support/GTest.h"

#include <string>
#include <vector>

#include "framework/cxClasses.h"
#include "framework/cxGeometry.h"
#include "platform/objects/PropertyRegistry.h"

enum class TFruit { fApple, fPear, fPlum };
ENUM_NAMES(TFruit, "fApple", "fPear", "fPlum");

namespace {

class TcxTextEdit : public TComponent {
  OBJECT_CLASS(TcxTextEdit, TComponent)
public:
  using TComponent::TComponent;
};

class TNamingTest : public testing::Test {
protected:
  void SetUp() override { m_owner = Create<TComponent>(nullptr); }
  void TearDown() override { m_owner->Free(); }

  TComponent* Named(const char* name, TComponent* owner = nullptr) {
    TComponent* component = Create<TComponent>(owner ? owner : m_owner);
    component->SetName(name);
    return component;
  }

  TComponent* m_owner = nullptr;
};

TEST_F(TNamingTest, GetValidNameCountsPastTakenNames) {
  Named("Edit");
  Named("edit1");
  TComponent* fresh = Create<TComponent>(m_owner);
  EXPECT_EQ("Edit2", GetValidName(fresh, "Edit"));
  EXPECT_EQ("Edit2", GetValidName(fresh, "Edit", true));
  EXPECT_EQ("Label", GetValidName(fresh, "Label"));
  EXPECT_EQ("Label1", GetValidName(fresh, "Label", true));
  TComponent* unowned = Create<TComponent>(nullptr);
  EXPECT_EQ("Edit", GetValidName(unowned, "Edit"));
  unowned->Free();
}

TEST_F(TNamingTest, CreateUniqueNameBuildsFromTheClassName) {
  TcxTextEdit* edit = Create<TcxTextEdit>(m_owner);
  EXPECT_EQ("TextEdit1", CreateUniqueName(m_owner, nullptr, edit, "Tcx", ""));
  Named("textedit1");
  EXPECT_EQ("TextEdit2", CreateUniqueName(m_owner, nullptr, edit, "Tcx", ""));
  // The component's own name does not count as taken.
  edit->SetName("TextEdit2");
  EXPECT_EQ("TextEdit2", CreateUniqueName(m_owner, nullptr, edit, "Tcx", ""));

  TComponent* panel = Named("Panel");
  const struct {
    const char* name;
    TComponent* parent;
    const char* prefix;
    const char* base;
    const char* expected;
  } cases[] = {
      {"base name without counter", nullptr, "Tcx", "Name", "Name"},
      {"base name cleaned", nullptr, "Tcx", "Ad\xFD Soyad-1", "AdSoyad1"},
      {"base starting with a digit", nullptr, "Tcx", "1st", "TextEdit1st"},
      {"prefix that does not match", nullptr, "Tdx", "", "cxTextEdit1"},
      {"prefix compared ignoring case", nullptr, "TCX", "", "TextEdit2"},
      {"parent name first", panel, "Tcx", "Name", "PanelName"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, CreateUniqueName(m_owner, c.parent, edit, c.prefix, c.base));
  }
  Named("Name");
  EXPECT_EQ("Name1", CreateUniqueName(m_owner, nullptr, edit, "Tcx", "Name"));
}

TEST_F(TNamingTest, RenameComponentsReplacesThePrefixAndSkipsRefusedNames) {
  std::vector<TComponent*> components = {Named("cxGrid1Column1"), Named("CXGRID1Column2"),
                                         Named("cxGrid1"), Named("cxGrid1Column3"),
                                         Named("Grid2Column3")};
  TComponent* otherOwner = Create<TComponent>(nullptr);
  components.push_back(Named("cxGrid1Column4", otherOwner));
  const auto get = [&](TComponent*, int index) { return components[index]; };

  RenameComponents(m_owner, m_owner, "Grid2", "cxGrid1", static_cast<int>(components.size()), get);
  EXPECT_EQ("Grid2Column1", components[0]->Name());
  EXPECT_EQ("Grid2Column2", components[1]->Name());
  EXPECT_EQ("cxGrid1", components[2]->Name());
  EXPECT_EQ("cxGrid1Column3", components[3]->Name());  // Grid2Column3 is taken
  EXPECT_EQ("cxGrid1Column4", components[5]->Name());  // owned by another component
  otherOwner->Free();
}

// A form inherited from an ancestor form.
class TInheritedForm : public TComponent {
  OBJECT_CLASS(TInheritedForm, TComponent)
public:
  explicit TInheritedForm(TComponent* owner) : TComponent(owner) {
    IncludeState(TComponentStateItem::csAncestor);
  }
};

TEST_F(TNamingTest, RenameComponentsLeavesInheritedCallersAlone) {
  TComponent* form = Create<TInheritedForm>(m_owner);
  TComponent* column = Named("cxGrid1Column1");
  RenameComponents(form, m_owner, "Grid2", "cxGrid1", 1,
                   [&](TComponent*, int) { return column; });
  EXPECT_EQ("cxGrid1Column1", column->Name());
}

class THolder : public TPersistent {
  OBJECT_CLASS(THolder, TPersistent)
public:
  static void Publish(TPublisher& publisher) {
    publisher.Property("Bounds", &THolder::Bounds);
    publisher.Property("Margins", &THolder::Margins);
  }
  THolder() : m_bounds(Create<TcxRect>(this)), m_margins(Create<TcxRect>(this)) {}

  TcxRect* Bounds() const { return m_bounds.get(); }
  TcxRect* Margins() const { return m_margins.get(); }

private:
  TOwned<TcxRect> m_bounds;
  TOwned<TcxRect> m_margins;
};

TEST(SubobjectNameTest, AnswersTheFirstPropertyOfTheSubobjectsClass) {
  TOwned<THolder> holder(Create<THolder>());
  EXPECT_EQ("Bounds", GetSubobjectName(holder.get(), holder->Margins()));
  EXPECT_EQ("", GetSubobjectName(holder.get(), holder.get()));
  EXPECT_EQ("", GetSubobjectName(nullptr, holder->Margins()));
}

TEST(EnumValuesTest, AddsNonEmptyCaptionsWithTheirValues) {
  TStringList strings;
  strings.Add("kept");
  int changes = 0;
  strings.SetOnChange([&](TStrings*) { ++changes; });
  FillStringsWithEnumTypeValues<TFruit>(strings, [](int value) {
    return value == 1 ? std::string() : "fruit " + std::to_string(value);
  });
  ASSERT_EQ(3, strings.Count());
  EXPECT_EQ("kept", strings.Strings(0));
  EXPECT_EQ("fruit 0", strings.Strings(1));
  EXPECT_EQ(0, reinterpret_cast<std::intptr_t>(strings.Objects(1)));
  EXPECT_EQ("fruit 2", strings.Strings(2));
  EXPECT_EQ(2, reinterpret_cast<std::intptr_t>(strings.Objects(2)));
  EXPECT_EQ(1, changes);
}

} // namespace
