// The editors of filter rows: the text editor's filter helper registered by
// its unit, a filter row's editor made standalone or taken from an in-place
// pool and fitted for filtering, and filter values put into and read from it.
#include "editors/cxTextEditFilterHelper.h"

#include <string>

#include "editors/cxEditInplace.h"
#include "editors/cxTextEdit.h"
#include "tests/editors/cxEditControlTestSupport.h"

namespace {

using edit_control_test::TextEditControlTest;

class FilterEditHelperTest : public TextEditControlTest {
protected:
  // Text editor properties a filter row must not keep as they are.
  static TcxTextEditProperties* NewSource() {
    auto* source = Create<TcxTextEditProperties>(nullptr);
    source->SetAutoSelect(false);
    source->SetHideSelection(false);
    source->SetReadOnly(true);
    source->SetBeepOnError(true);
    source->SetViewStyle(TcxTextEditViewStyle::vsHideCursor);
    source->SetOnChange(TNotifyEvent([](TObject*) {}));
    return source;
  }

  static void ExpectFitForFiltering(TcxCustomEdit* edit) {
    auto* properties = As<TcxTextEditProperties>(edit->GetActiveProperties());
    EXPECT_TRUE(properties->AutoSelect());
    EXPECT_TRUE(properties->HideSelection());
    EXPECT_FALSE(properties->ReadOnly());
    EXPECT_FALSE(properties->BeepOnError());
    EXPECT_EQ(properties->GetViewStyle(), TcxTextEditViewStyle::vsNormal);
    EXPECT_TRUE(properties->ValidateOnEnter());
    EXPECT_FALSE(properties->OnChange());
  }

  static TcxCustomFilterEditHelperClass TextHelper() {
    return TcxFilterTextEditHelper::StaticClass();
  }
};

TEST_F(FilterEditHelperTest, TheTextEditorsUnitRegistersItsHelper) {
  const TClass helper = FilterEditsController()->FindHelper(TcxTextEditProperties::StaticClass());
  EXPECT_EQ(helper, TcxFilterTextEditHelper::StaticClass());
  EXPECT_EQ(TextHelper()->GetFilterEditClass(), TcxTextEdit::StaticClass());
}

TEST_F(FilterEditHelperTest, WithoutAListAFilterRowGetsANewStandaloneEditor) {
  TOwned<TcxTextEditProperties> source(NewSource());
  TOwned<TcxCustomEdit> edit(TextHelper()->GetFilterEdit(source.get()));
  EXPECT_EQ(edit->ClassType(), TcxTextEdit::StaticClass());
  EXPECT_EQ(edit->Owner(), nullptr);
  EXPECT_FALSE(edit->IsInplace());
  ExpectFitForFiltering(edit.get());
  EXPECT_FALSE(source->AutoSelect()) << "the source stays as it was";
  TOwned<TcxCustomEdit> another(TextHelper()->GetFilterEdit(source.get()));
  EXPECT_NE(another.get(), edit.get());
}

TEST_F(FilterEditHelperTest, WithAListAFilterRowUsesTheListsEditorOfTheKind) {
  TcxInplaceEditList list;
  TOwned<TcxTextEditProperties> source(NewSource());
  TcxCustomEdit* edit = TextHelper()->GetFilterEdit(source.get(), &list);
  EXPECT_TRUE(edit->IsInplace());
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.FindEdit(TcxTextEditProperties::StaticClass()), edit);
  ExpectFitForFiltering(edit);
  TOwned<TcxTextEditProperties> other(NewSource());
  EXPECT_EQ(TextHelper()->GetFilterEdit(other.get(), &list), edit);
  EXPECT_EQ(list.Count(), 1);
}

TEST_F(FilterEditHelperTest, FilterValuesGoIntoTheEditorAndComeBackWithTheirText) {
  TOwned<TcxTextEditProperties> source(NewSource());
  TOwned<TcxCustomEdit> edit(TextHelper()->GetFilterEdit(source.get()));
  TcxCustomEditProperties* properties = edit->GetActiveProperties();
  TcxCustomFilterEditHelperClass base = TcxCustomFilterEditHelper::StaticClass();
  base->SetFilterValue(edit.get(), properties, Variant("yok"));
  EXPECT_TRUE(VarIsNull(edit->GetEditValue())) << "the base helper sets nothing";
  TextHelper()->SetFilterValue(edit.get(), properties,
                               Variant("\xE7i\xE7"
                                       "ek"));
  Variant value;
  std::string text;
  TextHelper()->GetFilterValue(edit.get(), properties, value, text);
  EXPECT_EQ(VarToStr(value), "\xE7i\xE7"
                             "ek");
  EXPECT_EQ(text, "\xE7i\xE7"
                  "ek");
}

TEST_F(FilterEditHelperTest, AHelperWithoutEditorClassMakesNoEditor) {
  TOwned<TcxTextEditProperties> source(NewSource());
  TcxCustomFilterEditHelperClass base = TcxCustomFilterEditHelper::StaticClass();
  EXPECT_THROW(base->GetFilterEdit(source.get()), EInvalidOperation);
  TcxInplaceEditList list;
  EXPECT_THROW(base->GetFilterEdit(source.get(), &list), EInvalidOperation);
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(FilterEditHelperTest, AnEditorClassAnswersItsPropertiesClass) {
  const std::pair<TClassRef<TcxCustomEdit>, TClass> cases[] = {
      {TcxTextEdit::StaticClass(), TcxTextEditProperties::StaticClass()},
      {edit_control_test::TTestEditor::StaticClass(),
       edit_control_test::TTestEditProperties::StaticClass()},
  };
  for (const auto& [editClass, propertiesClass] : cases) {
    EXPECT_EQ(TClass(editClass->GetPropertiesClass()), propertiesClass);
    EXPECT_EQ(TClass(editClass->GetPropertiesClass()), propertiesClass) << "asked again";
  }
}

} // namespace
