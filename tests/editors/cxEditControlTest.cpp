// The editor control on a real form under a real X server: its inner edit
// and view, its properties and repository item, the edit value with its
// change events, and entering and leaving it with real input.
#include "editors/cxEditControl.h"

#include "editors/cxEditDataBinding.h"
#include "framework/cxGeometry.h"
#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "tests/editors/cxEditControlTestSupport.h"
#include "tests/support/GdiObjects.h"
#include "tests/support/Pictures.h"

namespace edit_control_test {
namespace {

using Log = std::vector<std::string>;

class TTestRepositoryItemMeta : public TcxEditRepositoryItemMeta {
public:
  using TcxEditRepositoryItemMeta::TcxEditRepositoryItemMeta;
  TcxCustomEditPropertiesClass GetEditPropertiesClass() const override {
    return TTestEditProperties::StaticClass();
  }
};

class TTestRepositoryItem : public TcxEditRepositoryItem {
  OBJECT_CLASS_META(TTestRepositoryItem, TcxEditRepositoryItem, TTestRepositoryItemMeta)
public:
  using TcxEditRepositoryItem::TcxEditRepositoryItem;
};

TEST_F(EditControlTest, OnAFormTheInnerEditFillsTheClientRectangleOfTheView) {
  TForm* form = Form();
  TTestEditor* edit = Place(form, 20, 20);
  Pump();
  ASSERT_TRUE(edit->HasInnerEdit());
  EXPECT_EQ(edit->InnerControl(), edit->Inner());
  EXPECT_EQ(edit->Inner()->Parent(), edit);
  EXPECT_TRUE(edit->Properties()->InheritsFrom(TTestEditProperties::StaticClass()));
  EXPECT_EQ(edit->GetActiveProperties(), edit->Properties());
  EXPECT_TRUE(edit->Style()->InheritsFrom(TcxEditStyle::StaticClass()));
  EXPECT_TRUE(edit->ViewInfo()->InheritsFrom(TcxCustomEditViewInfo::StaticClass()));
  EXPECT_EQ(edit->GetViewInfo()->Bounds, Rect(0, 0, 120, 22));
  EXPECT_EQ(edit->Inner()->BoundsRect(), edit->GetViewInfo()->ClientRect);
  EXPECT_FALSE(cxRectIsEmpty(edit->GetViewInfo()->ClientRect));
  EXPECT_TRUE(VarIsNull(edit->GetEditValue()));
  EXPECT_EQ(edit->Properties()->IDefaultValuesProvider(),
            edit->DataBinding()->GetIDefaultValuesProvider());
  EXPECT_EQ(edit->ModifiedStateDepth(), 0);
}

TEST_F(EditControlTest, AnAutoSizedEditorTakesTheHeightOfItsFrameUnlessAlignedToFill) {
  TTestEditor::autoSized = true;
  TForm* form = Form();
  TTestEditor* edit = Place(form, 20, 20);
  TTestEditor::autoSized = false;
  ASSERT_TRUE(edit->CanAutoSize());
  const TRect extent = edit->GetViewInfo()->BorderExtent;
  EXPECT_EQ(edit->GetHeight(), extent.Top + extent.Bottom);
  EXPECT_EQ(edit->Width(), 120) << "the width is not the auto size's";

  edit->SetAlign(TAlign::alClient);
  Pump();
  EXPECT_EQ(edit->Height(), form->ClientHeight());
}

TEST_F(EditControlTest, SettingTheEditValueShowsItAndAnnouncesOnlyAChange) {
  TForm* form = Form();
  TTestEditor* edit = Place(form, 20, 20);
  struct Case {
    Variant value;
    bool announced;
  } cases[] = {
      {Variant("1"), true}, {Variant("1"), false},
      {Variant(1), true}, // the same digit as a number is another value
      {Variant(1), false},  {Null(), true},
      {Null(), false},
  };
  for (const Case& c : cases) {
    edit->log.clear();
    edit->SetEditValue(c.value);
    EXPECT_EQ(edit->Text(), VarToStr(c.value));
    EXPECT_EQ(edit->log.size(), c.announced ? 1u : 0u) << VarToStr(c.value);
    EXPECT_FALSE(edit->Modified()) << "a value set by code leaves the editor unmodified";
  }
}

TEST_F(EditControlTest, HeldBackChangesFireOnceEachAtTheOutermostUnlock) {
  TForm* form = Form();
  TTestEditor* edit = Place(form, 20, 20);
  edit->LockChangeEvents(true);
  edit->LockChangeEvents(true);
  for (const char* value : {"a", "b", "c"}) {
    edit->SetEditValue(Variant(value));
    edit->Inner()->SetText(std::string(value) + "!"); // the user's change
  }
  edit->LockChangeEvents(false);
  EXPECT_EQ(edit->log, Log{});
  edit->LockChangeEvents(false);
  EXPECT_EQ(edit->log, (Log{"change", "value c"}));

  edit->log.clear();
  edit->LockChangeEvents(true);
  edit->SetEditValue(Variant("d"));
  edit->LockChangeEvents(false, false);
  EXPECT_EQ(edit->log, Log{}) << "an unlock without replay drops them";
}

TEST_F(EditControlTest, TypingThenLeavingValidatesAndStoresTheText) {
  TForm* form = Form();
  TTestEditor* edit = Place(form, 20, 20);
  TEdit* other = Other(form);
  edit->SetEditValue(Variant("ilk"));
  Pump();
  ClickInto(edit);
  EXPECT_FALSE(edit->ModifiedAfterEnter());
  edit->log.clear();
  ::SendMessageW(edit->Inner()->Handle(), EM_SETSEL, 0, -1);
  Type("yeni");
  EXPECT_EQ(edit->Text(), "yeni");
  EXPECT_TRUE(edit->ModifiedAfterEnter());
  EXPECT_EQ(VarToStr(edit->GetEditValue()), "ilk") << "typing alone changes no edit value";
  EXPECT_EQ(VarToStr(edit->GetEditingValue()), "ilk");
  EXPECT_EQ(edit->log, (Log{"change", "change", "change", "change"}));

  edit->log.clear();
  ClickControl(other);
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == other->Handle(); }));
  EXPECT_EQ(VarToStr(edit->GetEditValue()), "yeni");
  EXPECT_EQ(edit->log, Log{"value yeni"});
  EXPECT_FALSE(edit->ModifiedAfterEnter());
  EXPECT_TRUE(edit->Modified()) << "left modified as before the exit";
  EXPECT_EQ(edit->ModifiedStateDepth(), 0);
  EXPECT_TRUE(m_boxes.empty());
}

TEST_F(EditControlTest, AFailedValidationOnLeavingTakesTheFocusBackAndRaises) {
  TForm* form = Form();
  TTestEditor* edit = Place(form, 20, 20);
  TEdit* other = Other(form);
  int validations = 0;
  edit->Properties()->SetOnValidate(
      TcxEditValidateEvent([&](TObject*, Variant& value, std::string&, bool& error) {
        ++validations;
        error = VarToStr(value) == "k\xF6t\xFC";
      }));
  ClickInto(edit);
  Type("k\xF6t\xFC");
  edit->log.clear();
  ClickControl(other);
  ASSERT_TRUE(PumpUntil([&] { return !m_boxes.empty(); }));
  Pump();
  EXPECT_EQ(m_boxes[0].Text, "Invalid input value. Use escape key to abandon changes.");
  EXPECT_EQ(::GetFocus(), edit->Inner()->Handle()) << "the focus went back";
  EXPECT_EQ(edit->Inner()->SelLength(), 4) << "the text is selected";
  EXPECT_TRUE(edit->ModifiedAfterEnter());
  EXPECT_FALSE(edit->EditValidated());
  EXPECT_TRUE(VarIsNull(edit->GetEditValue()));
  EXPECT_EQ(edit->ModifiedStateDepth(), 0);
  EXPECT_FALSE(edit->AreChangeEventsLocked());

  // The events still fire: a good value passes on the next exit.
  Type("iyi");
  EXPECT_EQ(edit->log, (Log{"change", "change", "change"}));
  edit->log.clear();
  // The plain EDIT whose focus was refused answers no further click with
  // a focus request of its own, so the focus is moved directly.
  other->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == other->Handle(); }));
  EXPECT_EQ(VarToStr(edit->GetEditValue()), "iyi");
  EXPECT_EQ(edit->log, Log{"value iyi"});
  EXPECT_EQ(m_boxes.size(), 1u);
  EXPECT_EQ(edit->ModifiedStateDepth(), 0);
  EXPECT_GE(validations, 2);
}

TEST_F(EditControlTest, AHandlersErrorWithoutTextKeepsTheEditorInvalidWithoutAnError) {
  TForm* form = Form();
  TTestEditor* edit = Place(form, 20, 20);
  TEdit* other = Other(form);
  edit->Properties()->SetOnValidate(
      TcxEditValidateEvent([&](TObject*, Variant& value, std::string& text, bool& error) {
        error = true;
        text.clear();
        value = Variant("d\xFCzeltildi");
      }));
  ClickInto(edit);
  Type("x");
  EXPECT_FALSE(edit->ValidateEdit(true));
  EXPECT_EQ(edit->Text(), "d\xFCzeltildi") << "the handler's value is shown";
  EXPECT_FALSE(edit->EditValidated());
  EXPECT_TRUE(m_boxes.empty());
  EXPECT_EQ(edit->ModifiedStateDepth(), 0);
  (void)other;
}

TEST_F(EditControlTest, ARepositoryItemSuppliesThePropertiesUntilItGoes) {
  TForm* form = Form();
  TTestEditor* edit = Place(form, 20, 20);
  Pump();
  auto* wrong = Create<TcxEditRepositoryItem>(form);
  EXPECT_THROW(edit->SetRepositoryItem(wrong), EcxEditError)
      << "the base item's properties are not of the editor's kind";
  EXPECT_EQ(edit->RepositoryItem(), nullptr);

  auto* item = Create<TTestRepositoryItem>(form);
  item->Properties()->SetOnEditValueChanged(TNotifyEvent(
      [edit](TObject* sender) { edit->log.push_back(sender == edit ? "item" : "?"); }));
  edit->SetRepositoryItem(item);
  EXPECT_EQ(edit->GetActiveProperties(), item->Properties());
  EXPECT_EQ(edit->Properties()->IDefaultValuesProvider(), nullptr);
  EXPECT_EQ(item->Properties()->IDefaultValuesProvider(),
            edit->DataBinding()->GetIDefaultValuesProvider());
  edit->log.clear();
  edit->SetEditValue(Variant("x"));
  EXPECT_EQ(edit->log, (Log{"value x", "item"})) << "the own handler first";

  item->Properties()->SetReadOnly(true);
  EXPECT_TRUE(edit->Inner()->ReadOnly()) << "the item's change reaches the editor";
  edit->Properties()->SetReadOnly(false);
  EXPECT_TRUE(edit->Inner()->ReadOnly()) << "the own properties are not the active ones";

  item->Free();
  EXPECT_EQ(edit->RepositoryItem(), nullptr);
  EXPECT_EQ(edit->GetActiveProperties(), edit->Properties());
  EXPECT_EQ(edit->Properties()->IDefaultValuesProvider(),
            edit->DataBinding()->GetIDefaultValuesProvider());
  edit->Properties()->SetReadOnly(true);
  edit->Properties()->SetReadOnly(false);
  EXPECT_FALSE(edit->Inner()->ReadOnly()) << "the own properties' changes reach it again";
}

TEST_F(EditControlTest, TheOwnPropertiesChangesReachAnEditorMadeByCode) {
  TForm* form = Form();
  TTestEditor* edit = Place(form, 20, 20);
  edit->Properties()->SetReadOnly(true);
  EXPECT_TRUE(edit->Inner()->ReadOnly());
  EXPECT_FALSE(edit->DoEditing());
  edit->Properties()->SetReadOnly(false);
  EXPECT_FALSE(edit->Inner()->ReadOnly());
  EXPECT_TRUE(edit->DoEditing());
}

TEST_F(EditControlTest, TheFramePaintedIsTheViewsBorderColourFocusedOrNot) {
  TForm* form = Form();
  TTestEditor* edit = Place(form, 20, 20);
  edit->Properties()->Buttons()->Add();
  Pump();
  auto borderPixel = [&](const char* name) {
    TOwned<TBitmap> picture(Create<TBitmap>());
    RenderWindow(edit->Handle(), picture.get());
    SavePicture(picture.get(), name);
    return picture->Canvas()->Pixels(1, 10);
  };
  // A transparent margin, cut out of the window, then the border.
  ASSERT_EQ(edit->GetViewInfo()->BorderRect.Left, 2);
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(::GetWindowRgn(edit->Handle(), region), ERROR);
  EXPECT_FALSE(::PtInRegion(region, 0, 10));
  EXPECT_TRUE(::PtInRegion(region, 1, 10));
  ::DeleteObject(region);

  const TColor unfocused = edit->GetViewInfo()->BorderColor;
  EXPECT_EQ(borderPixel("edit-control-unfocused"), ColorToRGB(unfocused));

  ClickInto(edit);
  Pump();
  const TColor focused = edit->GetViewInfo()->BorderColor;
  EXPECT_NE(ColorToRGB(focused), ColorToRGB(unfocused));
  EXPECT_EQ(borderPixel("edit-control-focused"), ColorToRGB(focused));

  // Once each state was drawn, going through them again keeps no GDI object.
  TEdit* other = Other(form);
  Pump();
  ClickControl(other);
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == other->Handle(); }));
  const int objects = CountGdiObjects();
  ClickInto(edit);
  borderPixel("edit-control-focused");
  ClickControl(other);
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == other->Handle(); }));
  EXPECT_EQ(borderPixel("edit-control-unfocused"), ColorToRGB(unfocused));
  EXPECT_EQ(CountGdiObjects(), objects);
}

// A binding whose store fails, as a data-aware one may.
class TFailingBinding : public TcxEditDataBinding {
  OBJECT_CLASS(TFailingBinding, TcxEditDataBinding)
public:
  using TcxEditDataBinding::TcxEditDataBinding;
  void SetStoredValue(const Variant&) override { throw EcxEditError("kay\xFDt edilemedi"); }
};

class TFailingEditor : public TTestEditor {
  OBJECT_CLASS(TFailingEditor, TTestEditor)
public:
  using TTestEditor::TTestEditor;

protected:
  TcxEditDataBindingClass GetDataBindingClass() const override {
    return TFailingBinding::StaticClass();
  }
};

TEST_F(EditControlTest, AFailedStoreSelectsTheTextAndRaisesWithNothingHeldBack) {
  TForm* form = Form();
  auto* edit = Create<TFailingEditor>(form);
  edit->SetBounds(20, 20, 120, 22);
  edit->SetParent(form);
  edit->Properties()->SetValidateOnEnter(true);
  Pump();
  ClickInto(edit);
  Type("abc");
  edit->log.clear();
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return !m_boxes.empty(); }));
  Pump();
  EXPECT_EQ(m_boxes[0].Text, "kay\xFDt edilemedi.");
  EXPECT_EQ(::GetFocus(), edit->Inner()->Handle());
  EXPECT_EQ(edit->Inner()->SelLength(), 3) << "the text is selected";
  EXPECT_EQ(VarToStr(edit->GetEditValue()), "abc") << "validated before the store";
  EXPECT_EQ(edit->ModifiedStateDepth(), 0);
  EXPECT_FALSE(edit->AreChangeEventsLocked());
  EXPECT_FALSE(edit->IsPosting());
  EXPECT_EQ(edit->log, Log{}) << "the held change is dropped with the error";
  Type("d");
  EXPECT_EQ(edit->log, Log{"change"}) << "and the events fire again";
}

TEST_F(EditControlTest, NewDefaultsOfTheBindingReachTheRepositoryItemsEditor) {
  TForm* form = Form();
  TTestEditor* edit = Place(form, 20, 20);
  auto* item = Create<TTestRepositoryItem>(form);
  edit->SetRepositoryItem(item);
  int announced = 0;
  item->Properties()->SetOnPropertiesChanged(TNotifyEvent([&](TObject*) { ++announced; }));
  item->Properties()->SetReadOnly(true);
  ASSERT_EQ(announced, 1);
  edit->Inner()->SetReadOnly(false);
  edit->DataBinding()->DefaultValuesChanged();
  EXPECT_EQ(announced, 1) << "the shared properties announce nothing";
  EXPECT_TRUE(edit->Inner()->ReadOnly()) << "the editor took the item's properties again";
}

// The editor's block of a form definition.
std::string EditorBlock(const std::string& text) {
  const size_t start = text.find("object Edit1: TTestEditor");
  return start == std::string::npos ? std::string()
                                    : text.substr(start, text.find("end", start) - start);
}

TEST_F(EditControlTest, AnAutoSizedEditorStoresItsWidthButNoHeight) {
  RegisterClass(TTestEditor::StaticClass());
  struct Case {
    bool autoSized;
    bool heightStored;
  } cases[] = {{true, false}, {false, true}};
  for (const Case& c : cases) {
    TTestEditor::autoSized = c.autoSized;
    TOwned<TForm> form(Create<TForm>(nullptr, 0));
    TTestEditor* edit = Place(form.get(), 10, 10, 90);
    TTestEditor::autoSized = false;
    edit->SetName("Edit1");
    edit->SetHeight(30);
    form->HandleNeeded();
    const int height = edit->GetHeight();
    const std::string block = EditorBlock(WriteFormDefinition(form.get()));
    ASSERT_FALSE(block.empty());
    EXPECT_NE(block.find("Width = 90"), std::string::npos) << block;
    EXPECT_EQ(block.find("Height"), c.heightStored ? block.find("Height = 30") : std::string::npos)
        << block;

    TOwned<TForm> copy(Create<TForm>(nullptr, 0));
    TTestEditor::autoSized = c.autoSized;
    ReadFormDefinition(WriteFormDefinition(form.get()), copy.get());
    TTestEditor::autoSized = false;
    auto* read = As<TTestEditor>(copy->FindComponent("Edit1"));
    ASSERT_NE(read, nullptr);
    copy->HandleNeeded();
    EXPECT_EQ(read->Width(), 90);
    EXPECT_EQ(read->GetHeight(), height) << "an auto-sized height comes from the calculation";
    EXPECT_EQ(read->ModifiedStateDepth(), 0);
  }
  UnRegisterClass(TTestEditor::StaticClass());
}

} // namespace
} // namespace edit_control_test
