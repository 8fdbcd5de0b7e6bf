// In-place editors: the pool a host keeps per properties object and per
// editor kind, and an editor activated by the host with a real key or a real
// click, deactivated and read through OnPostEditValue; the edit data of an
// activation, the inner control's repaint lock, the context menu and the tab
// order of a shown in-place editor.
#include "editors/cxEditInplace.h"

#include <algorithm>
#include <string>
#include <vector>

#include "editors/cxTextEdit.h"
#include "platform/rtl/WideText.h"
#include "tests/editors/cxEditControlTestSupport.h"

namespace {

using edit_control_test::TextEditControlTest;
using edit_control_test::TTestEditor;
using edit_control_test::TTestEditProperties;
using Log = std::vector<std::string>;
using controls_test::ClickControl;
using controls_test::TypeChar;

// An activation's data that counts how often its editor initialized it.
class TTestEditData : public TcxCustomEditData {
  OBJECT_CLASS(TTestEditData, TcxCustomEditData)
public:
  using TcxCustomEditData::TcxCustomEditData;
  int initializations = 0;
};

// The test editor with activation data, an inner EDIT that passes its mouse
// presses on to it, and a record of the messages its inner control passed
// while its repainting was locked.
class TInplaceTestEditor : public TTestEditor {
  OBJECT_CLASS(TInplaceTestEditor, TTestEditor)
public:
  using TTestEditor::TTestEditor;

  std::vector<UINT> lockedMessages;
  using TcxCustomEdit::DblClickTimer;
  using TcxCustomEdit::LockInnerEditRepainting;
  using TcxCustomEdit::UnlockInnerEditRepainting;

  void InnerMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    MouseDown(button, shift, x, y);
  }

  // As a text editor does: the text shown, then selected.
  void Activate(TcxCustomEditData*& data) override {
    TTestEditor::Activate(data);
    if (GetActiveProperties()->AutoSelect())
      SelectAll();
  }

protected:
  TcxInnerEditClass GetInnerEditClass() const override;
  TcxCustomEditDataClass GetEditDataClass() const override { return TTestEditData::StaticClass(); }
  void InitializeEditData() override { ++static_cast<TTestEditData*>(EditData())->initializations; }
  void LockedInnerEditWindowProc(TMessage& message) override {
    lockedMessages.push_back(message.Msg);
    TTestEditor::LockedInnerEditWindowProc(message);
  }
};

// The test editor's EDIT, passing presses on in the editor's coordinates.
class TForwardingInnerEdit : public edit_control_test::TTestInnerEdit {
  OBJECT_CLASS(TForwardingInnerEdit, edit_control_test::TTestInnerEdit)
public:
  using edit_control_test::TTestInnerEdit::TTestInnerEdit;

protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
    TControlLife life(this);
    TTestInnerEdit::MouseDown(button, shift, x, y);
    if (life)
      static_cast<TInplaceTestEditor*>(Parent())->InnerMouseDown(button, shift, x + Left(),
                                                                 y + Top());
  }
};

TcxInnerEditClass TInplaceTestEditor::GetInnerEditClass() const {
  return TForwardingInnerEdit::StaticClass();
}

class TInplaceTestPropertiesMeta : public TcxCustomEditPropertiesMeta {
public:
  using TcxCustomEditPropertiesMeta::TcxCustomEditPropertiesMeta;
  TClass GetContainerClass() const override { return TInplaceTestEditor::StaticClass(); }
};

// The properties of the test editor's kind.
class TInplaceTestProperties : public TTestEditProperties {
  OBJECT_CLASS_META(TInplaceTestProperties, TTestEditProperties, TInplaceTestPropertiesMeta)
public:
  using TTestEditProperties::TTestEditProperties;
};

TcxCustomEditPropertiesClass TestKind() { return TInplaceTestProperties::StaticClass(); }
TcxCustomEditPropertiesClass TextKind() { return TcxTextEditProperties::StaticClass(); }

// ---------------------------------------------------------------------------
// The pool

class InplaceEditListTest : public TextEditControlTest {
protected:
  static TcxCustomEditProperties* NewProperties(TcxCustomEditPropertiesClass kind) {
    return kind.Create(nullptr);
  }
};

TEST_F(InplaceEditListTest, EachPropertiesObjectGetsItsOwnHiddenInplaceEditorOfItsKind) {
  TcxInplaceEditList list;
  TOwned<TcxCustomEditProperties> first(NewProperties(TestKind()));
  TOwned<TcxCustomEditProperties> second(NewProperties(TestKind()));
  TOwned<TcxCustomEditProperties> text(NewProperties(TextKind()));
  TcxCustomEdit* a = list.GetEdit(first.get());
  TcxCustomEdit* b = list.GetEdit(second.get());
  TcxCustomEdit* c = list.GetEdit(text.get());
  EXPECT_NE(a, b);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.GetEdit(first.get()), a) << "asked again, the same editor";
  EXPECT_EQ(list.FindEdit(second.get()), b);
  EXPECT_EQ(list.GetEdit(2), c);
  EXPECT_EQ(list.GetEdit(-1), nullptr);
  EXPECT_EQ(list.Count(), 3);
  for (TcxCustomEdit* edit : {a, b})
    EXPECT_EQ(edit->ClassType(), TInplaceTestEditor::StaticClass());
  EXPECT_EQ(c->ClassType(), TcxTextEdit::StaticClass());
  for (TcxCustomEdit* edit : {a, b, c}) {
    EXPECT_TRUE(edit->IsInplace());
    EXPECT_FALSE(edit->Visible());
    EXPECT_EQ(edit->Owner(), nullptr);
  }
}

TEST_F(InplaceEditListTest, AnEditorTakesTheSettingsOfItsPropertiesWithoutChangeEvents) {
  TcxInplaceEditList list;
  TOwned<TcxCustomEditProperties> properties(NewProperties(TestKind()));
  properties->SetAutoSelect(false);
  properties->SetReadOnly(true);
  TcxCustomEdit* edit = list.GetEdit(properties.get());
  EXPECT_FALSE(edit->Properties()->AutoSelect());
  EXPECT_TRUE(edit->Properties()->ReadOnly());
  EXPECT_FALSE(edit->AreChangeEventsLocked());
  EXPECT_EQ(static_cast<TTestEditor*>(edit)->log, Log{});
  properties->SetReadOnly(false);
  EXPECT_EQ(list.GetEdit(properties.get()), edit);
  EXPECT_FALSE(edit->Properties()->ReadOnly()) << "configured again on every request";
}

TEST_F(InplaceEditListTest, TheEditorOfDestroyedPropertiesServesTheNextOfTheirKind) {
  TcxInplaceEditList list;
  TcxCustomEditProperties* first = NewProperties(TestKind());
  TOwned<TcxCustomEditProperties> second(NewProperties(TestKind()));
  TcxCustomEdit* a = list.GetEdit(first);
  TcxCustomEdit* b = list.GetEdit(second.get());
  first->Free();
  EXPECT_EQ(list.Count(), 2) << "the editor stays in the pool";
  EXPECT_EQ(list.FindEdit(TestKind()), a) << "free now";
  TOwned<TcxCustomEditProperties> third(NewProperties(TestKind()));
  EXPECT_EQ(list.FindEdit(third.get()), nullptr);
  EXPECT_EQ(list.GetEdit(third.get()), a);
  EXPECT_EQ(list.GetEdit(second.get()), b);
  EXPECT_EQ(list.Count(), 2);
}

TEST_F(InplaceEditListTest, AskedByKindThePoolHandsBackTheSameFreeEditor) {
  TcxInplaceEditList list;
  EXPECT_EQ(list.FindEdit(TestKind()), nullptr);
  TcxCustomEdit* a = list.GetEdit(TestKind());
  EXPECT_EQ(list.GetEdit(TestKind()), a);
  EXPECT_EQ(list.FindEdit(TestKind()), a);
  TcxCustomEdit* text = list.GetEdit(TextKind());
  EXPECT_NE(text, a);
  EXPECT_EQ(list.Count(), 2);
  TOwned<TcxCustomEditProperties> properties(NewProperties(TestKind()));
  EXPECT_EQ(list.GetEdit(properties.get()), a) << "a free editor of the kind is bound";
  EXPECT_EQ(list.FindEdit(TestKind()), nullptr);
  EXPECT_NE(list.GetEdit(TestKind()), a) << "bound editors are not handed out by kind";
  EXPECT_EQ(list.Count(), 3);
}

TEST_F(InplaceEditListTest, DisconnectedPropertiesLeaveTheirEditorFree) {
  TcxInplaceEditList list;
  TOwned<TcxCustomEditProperties> properties(NewProperties(TestKind()));
  TcxCustomEdit* edit = list.GetEdit(properties.get());
  list.DisconnectProperties(properties.get());
  EXPECT_EQ(list.FindEdit(properties.get()), nullptr);
  EXPECT_EQ(list.GetEdit(TestKind()), edit);
  list.DisconnectProperties(properties.get());
  EXPECT_EQ(list.Count(), 1);
}

TEST_F(InplaceEditListTest, RemovingItemsFreesTheirEditors) {
  TcxInplaceEditList list;
  TOwned<TcxCustomEditProperties> properties(NewProperties(TestKind()));
  TOwned<TcxCustomEditProperties> other1(NewProperties(TestKind()));
  TOwned<TcxCustomEditProperties> other2(NewProperties(TestKind()));
  TcxCustomEdit* bound = list.GetEdit(properties.get());
  TcxCustomEdit* free1 = list.GetEdit(other1.get());
  TcxCustomEdit* free2 = list.GetEdit(other2.get());
  TcxCustomEdit* text = list.GetEdit(TextKind());
  list.DisconnectProperties(other1.get());
  list.DisconnectProperties(other2.get());
  ASSERT_EQ(list.Count(), 4);
  TControlLife boundLife(bound), free1Life(free1), free2Life(free2), textLife(text);

  list.RemoveItem(-1);
  EXPECT_EQ(list.Count(), 4);
  list.RemoveItem(TestKind());
  EXPECT_FALSE(free1Life);
  EXPECT_FALSE(free2Life);
  EXPECT_TRUE(boundLife) << "only free editors of the kind go";
  EXPECT_TRUE(textLife);
  EXPECT_EQ(list.Count(), 2);
  list.RemoveItem(properties.get());
  EXPECT_FALSE(boundLife);
  EXPECT_EQ(list.Count(), 1);
  list.RemoveItem(0);
  EXPECT_FALSE(textLife);
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(InplaceEditListTest, LiveListsAreKnownAndFreeTheirEditors) {
  EXPECT_EQ(InplaceEditListCount(), 0);
  TControlLife* life = nullptr;
  {
    TcxInplaceEditList first;
    TcxInplaceEditList second;
    EXPECT_EQ(InplaceEditListCount(), 2);
    TOwned<TcxCustomEditProperties> properties(NewProperties(TestKind()));
    TcxCustomEdit* a = first.GetEdit(properties.get());
    TcxCustomEdit* b = second.GetEdit(properties.get());
    EXPECT_NE(a, b) << "each list keeps its own editors";
    properties.reset();
    EXPECT_EQ(first.FindEdit(TestKind()), a) << "destroyed properties leave every list";
    EXPECT_EQ(second.FindEdit(TestKind()), b);
    life = new TControlLife(a);
  }
  EXPECT_FALSE(*life);
  delete life;
  EXPECT_EQ(InplaceEditListCount(), 0);
  TOwned<TcxCustomEditProperties> late(NewProperties(TestKind()));
  late.reset(); // no list left to tell
}

TEST_F(InplaceEditListTest, AnEditorClassMadeInPlaceThroughItsClassReference) {
  TOwned<TcxCustomEdit> inplace(
      TClassRef<TcxCustomEdit>(TcxTextEdit::StaticClass()).Create(nullptr, true));
  TOwned<TcxCustomEdit> standalone(
      TClassRef<TcxCustomEdit>(TcxTextEdit::StaticClass()).Create(nullptr, false));
  EXPECT_TRUE(inplace->IsInplace());
  EXPECT_FALSE(standalone->IsInplace());
  EXPECT_EQ(inplace->ClassType(), TcxTextEdit::StaticClass());
  EXPECT_TRUE(inplace->Keys().Contains(TcxKey::kAll)) << "initialized as an in-place editor";
  EXPECT_FALSE(standalone->Keys().Contains(TcxKey::kAll));
}

// ---------------------------------------------------------------------------
// Activation

class InplaceActivationTest : public InplaceEditListTest {
protected:
  void TearDown() override {
    m_list.reset();
    m_properties.reset();
    InplaceEditListTest::TearDown();
  }

  // A pooled editor of the kind placed on the form at (20, 20), hidden.
  template <class TEditor> TEditor* Pooled(TcxCustomEditPropertiesClass kind, TWinControl* parent) {
    m_properties.reset(NewProperties(kind));
    auto* edit = static_cast<TEditor*>(m_list->GetEdit(m_properties.get()));
    edit->SetBounds(20, 20, 120, 22);
    edit->SetParent(parent);
    return edit;
  }

  TOwned<TcxInplaceEditList> m_list{Create<TcxInplaceEditList>()};
  TOwned<TcxCustomEditProperties> m_properties;
};

TEST_F(InplaceActivationTest, AKeyTypedIntoTheHostActivatesTheEditorAndReachesIt) {
  TForm* form = Form();
  auto* host = Create<controls_test::TTestBox>(form);
  host->SetBounds(10, 100, 200, 60);
  host->SetParent(form);
  auto* edit = Pooled<TInplaceTestEditor>(TestKind(), form);
  edit->SetEditValue(Variant("eski"));
  TcxCustomEditData* data = nullptr;
  host->SetOnKeyPress(TKeyPressEvent([&](TObject*, char& key) {
    edit->ActivateByKey(key, data);
    key = 0;
  }));
  const TWndMethod innerProc = edit->Inner()->WindowProc();
  host->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == host->Handle(); }));

  TypeChar(AnsiToWideChar('\xFE')); // ş
  Pump();
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == edit->Inner()->Handle(); }));
  EXPECT_TRUE(edit->Visible());
  EXPECT_EQ(edit->Text(), "\xFE") << "the key replaced the selected text";
  EXPECT_EQ(std::count(edit->lockedMessages.begin(), edit->lockedMessages.end(), WM_CHAR), 1)
      << "the key went through the locked inner control";
  EXPECT_FALSE(edit->IsInnerEditRepaintingLocked());
  EXPECT_TRUE(edit->Inner()->WindowProc() == innerProc);
  EXPECT_NE(data, nullptr) << "the editor made the activation's data";
  EXPECT_EQ(data->Edit(), edit);

  Type("en");
  EXPECT_EQ(edit->Text(), "\xFE"
                          "en")
      << "later keys go to the editor itself";
  int posts = 0;
  std::string posted;
  edit->SetOnPostEditValue(TNotifyEvent([&](TObject*) {
    ++posts;
    posted = VarToStr(edit->GetEditValue());
  }));
  ASSERT_TRUE(edit->Deactivate());
  edit->PostEditValue();
  EXPECT_EQ(posts, 1);
  EXPECT_EQ(posted, "\xFE"
                    "en");
  EXPECT_EQ(edit->ModifiedStateDepth(), 0);
  data->Free();
}

TEST_F(InplaceActivationTest, ATextEditorActivatedByAKeyTakesTheKeyForItsWholeText) {
  TForm* form = Form();
  auto* edit = Pooled<TcxTextEdit>(TextKind(), form);
  edit->SetEditValue(Variant("eski"));
  TcxCustomEditData* data = nullptr;
  edit->ActivateByKey('y', data);
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == edit->InnerControl()->Handle(); }));
  EXPECT_EQ(edit->Text(), "y");
  TypeChar(u'e');
  Pump();
  EXPECT_EQ(edit->Text(), "ye");
}

TEST_F(InplaceActivationTest, AnInvalidValueKeepsTheEditorActive) {
  TForm* form = Form();
  auto* edit = Pooled<TInplaceTestEditor>(TestKind(), form);
  m_properties->SetOnValidate(
      TcxEditValidateEvent([](TObject*, Variant& value, std::string& text, bool& error) {
        error = VarToStr(value) == "x";
        text = "Olmaz";
      }));
  m_list->GetEdit(m_properties.get()); // configured again with the handler
  TcxCustomEditData* data = nullptr;
  edit->Activate(data);
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == edit->Inner()->Handle(); }));
  Type("x");
  EXPECT_THROW(edit->Deactivate(), EcxEditValidationError);
  EXPECT_TRUE(edit->Visible());
  EXPECT_FALSE(edit->EditValidated());
  edit->Inner()->SetText("");
  Type("y");
  EXPECT_TRUE(edit->Deactivate());
  EXPECT_TRUE(edit->EditValidated());
  EXPECT_EQ(edit->ModifiedStateDepth(), 0);
  data->Free();
}

TEST_F(InplaceActivationTest, ActivationMakesInitializesAndKeepsTheEditData) {
  TForm* form = Form();
  auto* edit = Pooled<TInplaceTestEditor>(TestKind(), form);
  TcxCustomEditData* data = nullptr;
  edit->Activate(data);
  ASSERT_NE(data, nullptr);
  auto* testData = static_cast<TTestEditData*>(data);
  EXPECT_EQ(edit->EditData(), data);
  EXPECT_EQ(testData->initializations, 1);
  EXPECT_FALSE(data->Cleared());
  edit->Activate(data);
  EXPECT_EQ(testData->initializations, 1) << "the host's data, kept as it was";
  data->Clear();
  EXPECT_EQ(testData->initializations, 2) << "cleared while current: initialized again";

  TcxCustomEditData* other = Create<TTestEditData>(edit);
  EXPECT_TRUE(other->Cleared()) << "not the current data: left cleared";
  edit->Activate(other);
  EXPECT_EQ(static_cast<TTestEditData*>(other)->initializations, 1);
  data->Clear();
  EXPECT_EQ(testData->initializations, 2);
  m_list.reset();
  EXPECT_EQ(data->Edit(), nullptr) << "the freed editor is forgotten";
  data->Clear();
  other->Free();
  data->Free();
}

TEST_F(InplaceActivationTest, AnEditorWithoutEditDataClassLeavesTheHostsDataAlone) {
  TForm* form = Form();
  auto* edit = Pooled<TcxTextEdit>(TextKind(), form);
  TcxCustomEditData* data = nullptr;
  edit->Activate(data);
  EXPECT_EQ(data, nullptr);
  EXPECT_EQ(edit->EditData(), nullptr);
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == edit->InnerControl()->Handle(); }));
}

// The editor's mouse handlers, recorded.
struct TMouseRecord {
  Log log;
  void Attach(TcxCustomEdit* edit) {
    edit->SetOnMouseDown(TMouseEvent([this](TObject*, TMouseButton button, TShiftState, int x,
                                            int y) { Add("down", button, x, y); }));
    edit->SetOnMouseUp(TMouseEvent([this](TObject*, TMouseButton button, TShiftState, int x,
                                          int y) { Add("up", button, x, y); }));
    edit->SetOnDblClick(TNotifyEvent([this](TObject*) { log.push_back("double"); }));
  }
  void Add(const char* what, TMouseButton button, int x, int y) {
    log.push_back(std::string(what) + (button == TMouseButton::mbLeft ? " left " : " other ") +
                  std::to_string(x) + "," + std::to_string(y));
  }
};

TEST_F(InplaceActivationTest, ActivationByMouseClicksTheEditorWhereTheHostWasClicked) {
  struct TCase {
    TShiftState shift;
    int x, y;
    Log expected;
  };
  const TCase cases[] = {
      {{TShiftStateItem::ssLeft}, 50, 30, {"down left 30,10"}},
      {{TShiftStateItem::ssLeft}, 10, 25, {"down left -10,5"}},
      {{TShiftStateItem::ssRight}, 50, 30, {"up left 30,10"}},
      {{}, 50, 30, {"up left 30,10"}},
  };
  TForm* form = Form();
  auto* edit = Pooled<TInplaceTestEditor>(TestKind(), form);
  for (const TCase& c : cases) {
    TMouseRecord record;
    record.Attach(edit);
    TcxCustomEditData* data = nullptr;
    edit->ActivateByMouse(c.shift, c.x, c.y, data);
    EXPECT_EQ(record.log, c.expected) << c.x << "," << c.y;
    EXPECT_NE(::GetCapture(), edit->Handle()) << "no button is down: no capture kept";
    EXPECT_TRUE(edit->DblClickTimer()->Enabled());
    EXPECT_TRUE(edit->Deactivate());
    EXPECT_FALSE(edit->DblClickTimer()->Enabled());
    edit->SetVisible(false);
    data->Free();
  }
}

TEST_F(InplaceActivationTest, TheEditorHoldsTheMouseWhileTheActivatingButtonIsDown) {
  TForm* form = Form();
  auto* edit = Pooled<TcxTextEdit>(TextKind(), form);
  TMouseRecord record;
  record.Attach(edit);
  TcxCustomEditData* data = nullptr;
  form->SetOnMouseDown(TMouseEvent([&](TObject*, TMouseButton, TShiftState shift, int x, int y) {
    edit->ActivateByMouse(shift, x, y, data);
  }));
  const TPoint screen = form->ClientToScreen({60, 30});
  ::SetCursorPos(screen.X, screen.Y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return !record.log.empty(); }));
  EXPECT_EQ(record.log, Log{"down left 40,10"});
  EXPECT_EQ(::GetCapture(), edit->Handle());
  SendMouse(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return record.log.size() >= 2; }));
  EXPECT_EQ(record.log[1], "up left 40,10");
  EXPECT_NE(::GetCapture(), edit->Handle());
  EXPECT_EQ(::GetFocus(), edit->InnerControl()->Handle());
}

TEST_F(InplaceActivationTest, AClickOnTheHostActivatesAndASecondOneIsADoubleClick) {
  TForm* form = Form();
  auto* edit = Pooled<TInplaceTestEditor>(TestKind(), form);
  TMouseRecord record;
  record.Attach(edit);
  TcxCustomEditData* data = nullptr;
  form->SetOnMouseDown(TMouseEvent([&](TObject*, TMouseButton, TShiftState shift, int x, int y) {
    edit->ActivateByMouse(shift, x, y, data);
  }));
  ClickControl(form, {60, 30});
  ASSERT_TRUE(PumpUntil([&] { return !record.log.empty(); }));
  Pump();
  EXPECT_EQ(record.log.front(), "down left 40,10");
  EXPECT_EQ(::GetFocus(), edit->InnerControl()->Handle());
  EXPECT_NE(::GetCapture(), edit->Handle()) << "the button was up again";

  ClickControl(form, {60, 30}); // now over the shown editor
  ASSERT_TRUE(PumpUntil([&] {
    return std::find(record.log.begin(), record.log.end(), "double") != record.log.end();
  })) << ::testing::PrintToString(record.log);
}

TEST_F(InplaceActivationTest, TheRepaintLockRoutesTheInnerControlsMessagesAndIsUndone) {
  TForm* form = Form();
  auto* edit = Pooled<TInplaceTestEditor>(TestKind(), form);
  edit->SetVisible(true);
  edit->Inner()->SetText("abc");
  const TWndMethod innerProc = edit->Inner()->WindowProc();
  edit->LockInnerEditRepainting();
  edit->LockInnerEditRepainting(); // a second lock changes nothing
  EXPECT_TRUE(edit->IsInnerEditRepaintingLocked());
  EXPECT_EQ(edit->Inner()->Perform(WM_GETTEXTLENGTH, 0, 0), 3) << "answers come back";
  edit->UnlockInnerEditRepainting();
  EXPECT_EQ(edit->lockedMessages, std::vector<UINT>{WM_GETTEXTLENGTH});
  EXPECT_TRUE(edit->Inner()->WindowProc() == innerProc);
  edit->Inner()->Perform(WM_GETTEXTLENGTH, 0, 0);
  EXPECT_EQ(edit->lockedMessages.size(), 1u);
}

// ---------------------------------------------------------------------------
// The text editor's own activation

// A text editor whose inner control's repaint lock the tests take.
class TLockableTextEdit : public TcxTextEdit {
  OBJECT_CLASS(TLockableTextEdit, TcxTextEdit)
public:
  using TcxTextEdit::LockInnerEditRepainting;
  using TcxTextEdit::TcxTextEdit;
  using TcxTextEdit::UnlockInnerEditRepainting;
};

// The window that shows the caret of this thread; nil for none.
HWND CaretWindow() {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  ::GetGUIThreadInfo(::GetCurrentThreadId(), &info);
  return info.hwndCaret;
}

// Activated by a key, the text editor starts at the beginning of its text,
// which the key replaces when AutoSelect selected it; activated by a click,
// it shows the caret at the beginning, the text selected with AutoSelect.
TEST_F(InplaceActivationTest, AnActivatedTextEditorStartsAtTheBeginningOfItsText) {
  struct TCase {
    const char* Name;
    bool AutoSelect;
    bool ByKey;
    const char* Text;
    int SelStart;
    int SelLength;
  };
  const TCase cases[] = {
      {"key, auto-select", true, true, "y", 1, 0},
      {"key", false, true, "yeski", 1, 0},
      {"click, auto-select", true, false, "eski", 0, 4},
      {"click", false, false, "eski", 0, 0},
  };
  TForm* form = Form();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* edit = Pooled<TcxTextEdit>(TextKind(), form);
    edit->Properties()->SetAutoSelect(c.AutoSelect);
    edit->SetEditValue(Variant("eski"));
    TcxCustomEditData* data = nullptr;
    form->SetOnMouseDown(TMouseEvent([&](TObject*, TMouseButton, TShiftState shift, int x, int y) {
      edit->ActivateByMouse(shift, x, y, data);
    }));
    if (c.ByKey)
      edit->ActivateByKey('y', data);
    else
      ClickControl(form, {60, 30});
    const HWND inner = edit->InnerControl()->Handle();
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == inner; }));
    Pump();
    EXPECT_EQ(edit->Text(), c.Text);
    EXPECT_EQ(edit->GetSelStart(), c.SelStart);
    EXPECT_EQ(edit->GetSelLength(), c.SelLength);
    EXPECT_EQ(CaretWindow(), inner) << "the inner edit shows its caret";
    EXPECT_FALSE(edit->IsInnerEditRepaintingLocked());
    form->SetOnMouseDown({});
    edit->Deactivate();
    edit->SetVisible(false);
    m_list->RemoveItem(m_properties.get());
  }
}

// While the repainting is locked, the focus only selects the text (the
// inner edit's AutoSelect on) and the EDIT learns nothing of it; unlocking
// hands the EDIT the focus message, which then selects nothing.
TEST_F(InplaceActivationTest, TheTextEditorsLockHoldsTheFocusMessageBackUntilUnlocked) {
  TForm* form = Form();
  auto* edit = Create<TLockableTextEdit>(form);
  edit->SetBounds(20, 20, 120, 21);
  edit->SetParent(form);
  edit->SetText("metin");
  TEdit* other = Other(form);
  other->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return other->Focused(); }));
  auto* inner = static_cast<TcxCustomInnerTextEdit*>(edit->InnerControl());
  ASSERT_TRUE(inner->AutoSelect());
  inner->Perform(EM_SETSEL, 2, 2);

  edit->LockInnerEditRepainting();
  inner->SetFocus();
  Pump();
  EXPECT_EQ(::GetFocus(), inner->Handle());
  EXPECT_EQ(edit->GetSelStart(), 0);
  EXPECT_EQ(edit->GetSelLength(), 5) << "selected by the locked focus message";
  EXPECT_NE(CaretWindow(), inner->Handle()) << "the EDIT did not hear of the focus";

  inner->Perform(EM_SETSEL, 1, 1);
  edit->UnlockInnerEditRepainting();
  EXPECT_EQ(CaretWindow(), inner->Handle());
  EXPECT_EQ(edit->GetSelStart(), 1);
  EXPECT_EQ(edit->GetSelLength(), 0) << "the focus message given back selects nothing";
  EXPECT_TRUE(inner->AutoSelect()) << "switched off for the message only";
  EXPECT_TRUE(edit->Focused());
}

// ---------------------------------------------------------------------------
// Context menu and tab order

TEST_F(InplaceActivationTest, AnInplaceEditorPassesNoContextMenuOnToItsParent) {
  TForm* form = Form();
  int parentMenus = 0;
  const TWndMethod formProc = form->WindowProc();
  form->SetWindowProc(TWndMethod([&](TMessage& message) {
    if (message.Msg == WM_CONTEXTMENU)
      ++parentMenus;
    formProc(message);
  }));
  auto* inplace = Pooled<TInplaceTestEditor>(TestKind(), form);
  inplace->SetVisible(true);
  TTestEditor* standalone = Place(form, 20, 60);
  const std::pair<TTestEditor*, bool> cases[] = {{inplace, false}, {standalone, true}};
  for (const auto& [edit, reachesParent] : cases) {
    parentMenus = 0;
    ::SendMessageW(edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()),
                   MAKELPARAM(0xFFFF, 0xFFFF));
    EXPECT_EQ(parentMenus > 0, reachesParent) << edit->IsInplace();
  }
  form->SetWindowProc(formProc);
}

TEST_F(InplaceActivationTest, AShownInplaceEditorTakesItsHostOutOfTheTabOrder) {
  TForm* form = Form();
  auto* host = Create<controls_test::TTestBox>(form);
  host->SetBounds(10, 10, 300, 100);
  host->SetTabStop(true);
  host->SetParent(form);
  auto* edit = Pooled<TInplaceTestEditor>(TestKind(), host);
  auto tabOrder = [&] {
    std::vector<TWinControl*> list;
    form->GetTabOrderList(list);
    return list;
  };
  auto contains = [](const std::vector<TWinControl*>& list, TWinControl* control) {
    return std::find(list.begin(), list.end(), control) != list.end();
  };
  EXPECT_TRUE(contains(tabOrder(), host));
  edit->SetVisible(true);
  EXPECT_FALSE(contains(tabOrder(), host));
  EXPECT_TRUE(contains(tabOrder(), edit));
  edit->SetVisible(false);
  EXPECT_TRUE(contains(tabOrder(), host));
}

} // namespace
