// The text editor's current lookup item: the item index and item object set
// from code (the item's text becomes the edit value, Click when the item
// changed), the lookup data's choice of an item taken as the edit value
// unless editing is refused, the lock that keeps the current item through a
// properties change, and, with real typing, the item following a completion
// and the new-text event on leaving for a text that is no item. Then lookup
// data that shows its items in a list box in a popup: the list made by
// Initialize, its rows, place and hit test, and, with real input, keys that
// move the highlight or the current item and a click on a row that the text
// follows.
#include <string>
#include <vector>

#include "editors/cxTextEdit.h"
#include "framework/cxContainerPopup.h"
#include "tests/editors/cxEditControlTestSupport.h"
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"
#include "tests/support/WindowText.h"

namespace {

using controls_test::ClickControl;
using controls_test::PressKey;
using edit_control_test::TextEditControlTest;
using enum TcxEditLookupDataGoDirection;

// "Çilek" in code page 1254.
const std::string kCilek = "\xC7ilek";

class TextEditItemsTest : public TextEditControlTest {
protected:
  // An editor with the items Elma, Armut, Çilek, each holding an object.
  void SetUp() override {
    TextEditControlTest::SetUp();
    m_form = Form();
    m_edit = Create<TcxTextEdit>(m_form);
    m_edit->SetBounds(20, 20, 121, 21);
    m_edit->SetParent(m_form);
    TStringList* items = m_edit->Properties()->LookupItems();
    items->AddObject("Elma", &m_objects[0]);
    items->AddObject("Armut", &m_objects[1]);
    items->AddObject(kCilek, &m_objects[2]);
    m_edit->SetOnClick(TNotifyEvent([this](TObject*) { log.push_back("click"); }));
    m_edit->Properties()->SetOnEditValueChanged(TNotifyEvent(
        [this](TObject*) { log.push_back("value " + VarToStr(m_edit->GetEditValue())); }));
    Pump();
  }
  void TearDown() override {
    m_form->Free();
    TextEditControlTest::TearDown();
  }
  std::string WindowText() { return ::WindowText(m_edit->Handle()); }
  TcxCustomInnerTextEdit* Inner() {
    return static_cast<TcxCustomInnerTextEdit*>(m_edit->InnerControl());
  }

  TForm* m_form = nullptr;
  TcxTextEdit* m_edit = nullptr;
  TObject m_objects[3];
  std::vector<std::string> log;
};

// One after another: an item index out of range is ignored, the same index
// again changes nothing, and -1 empties the text.
TEST_F(TextEditItemsTest, SetItemIndexMakesTheItemTheValueAndClicksOnAChange) {
  const struct {
    int set;
    int index;
    std::string text;
    std::vector<std::string> events;
  } cases[] = {
      {1, 1, "Armut", {"value Armut", "click"}},
      {1, 1, "Armut", {}},
      {7, 1, "Armut", {}},
      {-2, 1, "Armut", {}},
      {2, 2, kCilek, {"value " + kCilek, "click"}},
      {-1, -1, "", {"value ", "click"}},
      {0, 0, "Elma", {"value Elma", "click"}},
  };
  for (const auto& c : cases) {
    log.clear();
    m_edit->SetItemIndex(c.set);
    EXPECT_EQ(m_edit->GetItemIndex(), c.index) << c.set;
    EXPECT_EQ(WindowText(), c.text) << c.set;
    EXPECT_EQ(VarToStr(m_edit->GetEditValue()), c.text) << c.set;
    EXPECT_EQ(log, c.events) << c.set;
    EXPECT_FALSE(m_edit->Modified()) << c.set;
    EXPECT_EQ(m_edit->ModifiedStateDepth(), 0);
  }
}

TEST_F(TextEditItemsTest, TheItemObjectSelectsAndAnswersTheItem) {
  EXPECT_EQ(m_edit->GetItemObject(), nullptr);
  m_edit->SetItemObject(&m_objects[2]);
  EXPECT_EQ(m_edit->GetItemIndex(), 2);
  EXPECT_EQ(m_edit->GetItemObject(), &m_objects[2]);
  EXPECT_EQ(WindowText(), kCilek);
  TObject stranger;
  m_edit->SetItemObject(&stranger);
  EXPECT_EQ(m_edit->GetItemIndex(), -1);
  EXPECT_EQ(m_edit->GetItemObject(), nullptr);
  EXPECT_EQ(WindowText(), "");
}

// Moving through the items (the lookup data's select-item event) takes the
// item as edit value and marks the editor modified; a read-only editor
// refuses the change and keeps its value.
TEST_F(TextEditItemsTest, TheLookupDatasChoiceBecomesTheValueUnlessEditingIsRefused) {
  TcxCustomTextEditLookupData* lookup = m_edit->LookupData();
  lookup->Go(egdNext, false);
  EXPECT_EQ(WindowText(), "Elma");
  EXPECT_EQ(VarToStr(m_edit->GetEditValue()), "Elma");
  EXPECT_TRUE(m_edit->ModifiedAfterEnter());
  EXPECT_EQ(log, std::vector<std::string>{"value Elma"});
  lookup->Go(egdEnd, false);
  EXPECT_EQ(WindowText(), kCilek);
  EXPECT_EQ(m_edit->GetItemIndex(), 2);

  m_edit->SetModified(false);
  m_edit->Properties()->SetReadOnly(true);
  log.clear();
  lookup->Go(egdBegin, false);
  EXPECT_EQ(WindowText(), kCilek);
  EXPECT_EQ(VarToStr(m_edit->GetEditValue()), kCilek);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(m_edit->ModifiedStateDepth(), 0);
}

// A properties change looks the text up again, which moves the current item
// to the first one starting with it; while locked, the item stays.
TEST_F(TextEditItemsTest, LockedLookupDataKeepsTheItemThroughAPropertiesChange) {
  for (bool locked : {true, false}) {
    m_edit->SetItemIndex(2);
    m_edit->SetText("Elm");
    EXPECT_EQ(m_edit->GetItemIndex(), 2);
    if (locked)
      m_edit->LockLookupDataTextChanged();
    m_edit->Properties()->SetMaxLength(m_edit->Properties()->MaxLength() + 1);
    m_edit->UnlockLookupDataTextChanged();
    EXPECT_EQ(m_edit->GetItemIndex(), locked ? 2 : 0) << locked;
  }
}

// With real typing: a completion makes its item current; leaving with an
// item's text raises no new-text event, leaving with another text raises it
// once with that text and leaves no current item.
TEST_F(TextEditItemsTest, TypingFollowsTheItemsAndANewTextIsAnnouncedOnLeaving) {
  std::vector<std::string> newTexts;
  m_edit->Properties()->SetOnNewLookupDisplayText(TcxNewLookupDisplayTextEvent(
      [&](TObject*, const std::string& text) { newTexts.push_back(text); }));
  TEdit* other = Other(m_form);
  ClickControl(Inner(), {5, 5});
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == Inner()->Handle(); }));

  stdctrls_test::TypeText("\xE7i");
  ASSERT_TRUE(PumpUntil([&] { return WindowText() == kCilek; }));
  EXPECT_EQ(m_edit->GetItemIndex(), 2);
  EXPECT_EQ(m_edit->GetItemObject(), &m_objects[2]);
  EXPECT_EQ(m_edit->GetSelStart(), 2);
  EXPECT_EQ(m_edit->GetSelLength(), 3);
  other->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == other->Handle(); }));
  EXPECT_EQ(VarToStr(m_edit->GetEditValue()), kCilek);
  EXPECT_TRUE(newTexts.empty());

  ClickControl(Inner(), {30, 5});
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == Inner()->Handle(); }));
  m_edit->SelectAll();
  stdctrls_test::TypeText("kiraz");
  ASSERT_TRUE(PumpUntil([&] { return WindowText() == "kiraz"; }));
  EXPECT_EQ(m_edit->GetItemIndex(), -1);
  EXPECT_EQ(m_edit->GetItemObject(), nullptr);
  other->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == other->Handle(); }));
  EXPECT_EQ(VarToStr(m_edit->GetEditValue()), "kiraz");
  EXPECT_EQ(newTexts, std::vector<std::string>{"kiraz"});
}

// ---- navigation keys that scroll the lookup items

// A text editor that scrolls its lookup items with the navigation keys, as
// list editors built on the text editor do.
class TScrollingTextEdit : public TcxTextEdit {
  OBJECT_CLASS(TScrollingTextEdit, TcxTextEdit)
public:
  using TcxTextEdit::TcxTextEdit;
  bool scrollingSeen = false;
  bool byWheel = false;

protected:
  bool GetScrollLookupDataList(TcxEditScrollCause ACause) override {
    return ACause == TcxEditScrollCause::escKeyboard || byWheel;
  }
  void HandleSelectItem(TObject* Sender) override {
    scrollingSeen = scrollingSeen || LookupScrollInProgress();
    TcxTextEdit::HandleSelectItem(Sender);
  }
};

class TextEditScrollingTest : public TextEditItemsTest {
protected:
  // The scrolling editor with the items of the plain one, focused.
  void SetUp() override {
    TextEditItemsTest::SetUp();
    m_scrolling = Create<TScrollingTextEdit>(m_form);
    m_scrolling->SetBounds(20, 60, 121, 21);
    m_scrolling->SetParent(m_form);
    m_scrolling->Properties()->LookupItems()->Assign(*m_edit->Properties()->LookupItems());
    m_scrolling->SetOnClick(TNotifyEvent([this](TObject*) { log.push_back("click"); }));
    m_scrolling->Properties()->SetOnEditValueChanged(TNotifyEvent(
        [this](TObject*) { log.push_back("value " + VarToStr(m_scrolling->GetEditValue())); }));
    Focus(m_scrolling);
  }
  void Focus(TcxTextEdit* edit) {
    ClickControl(edit->InnerControl(), {5, 5});
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == edit->InnerControl()->Handle(); }));
    log.clear();
  }
  void Press(std::initializer_list<WORD> held, WORD key) {
    stdctrls_test::PressChord(held, key);
    Pump();
    Pump();
  }

  TScrollingTextEdit* m_scrolling = nullptr;
};

// One after another, never going round: each key that moves the current
// item makes its text the value and clicks; a key at the end of the items
// changes nothing.
TEST_F(TextEditScrollingTest, VerticalKeysMoveThroughTheItems) {
  const struct {
    const char* name;
    bool ctrl;
    WORD key;
    int index;
    std::string text;
    std::vector<std::string> events;
  } cases[] = {
      {"Down", false, VK_DOWN, 0, "Elma", {"click", "value Elma"}},
      {"Down", false, VK_DOWN, 1, "Armut", {"click", "value Armut"}},
      {"PageDown", false, VK_NEXT, 2, kCilek, {"click", "value " + kCilek}},
      {"Down at the end", false, VK_DOWN, 2, kCilek, {}},
      {"Up", false, VK_UP, 1, "Armut", {"click", "value Armut"}},
      {"PageUp", false, VK_PRIOR, 0, "Elma", {"click", "value Elma"}},
      {"Ctrl+PageDown", true, VK_NEXT, 2, kCilek, {"click", "value " + kCilek}},
      {"Ctrl+PageUp", true, VK_PRIOR, 0, "Elma", {"click", "value Elma"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    log.clear();
    if (c.ctrl)
      Press({VK_CONTROL}, c.key);
    else
      Press({}, c.key);
    EXPECT_EQ(m_scrolling->GetItemIndex(), c.index);
    EXPECT_EQ(::WindowText(m_scrolling->Handle()), c.text);
    EXPECT_EQ(log, c.events);
  }
  EXPECT_TRUE(m_scrolling->scrollingSeen) << "the item moved while scrolling was marked";
  EXPECT_FALSE(m_scrolling->LookupScrollInProgress());
}

// Home and End stay caret keys of the text; a read-only editor does not
// scroll, as scrolling would change its value; the plain text editor eats
// the vertical keys without touching its items.
TEST_F(TextEditScrollingTest, WhereTheKeysDoNotScroll) {
  m_scrolling->SetItemIndex(1);
  Focus(m_scrolling);
  m_scrolling->SetSelection(2, 0);
  Press({}, VK_END);
  EXPECT_EQ(m_scrolling->GetItemIndex(), 1);
  EXPECT_EQ(m_scrolling->GetSelStart(), 5);
  Press({}, VK_HOME);
  EXPECT_EQ(m_scrolling->GetItemIndex(), 1);
  EXPECT_EQ(m_scrolling->GetSelStart(), 0);

  m_scrolling->Properties()->SetReadOnly(true);
  Press({}, VK_DOWN);
  EXPECT_EQ(m_scrolling->GetItemIndex(), 1);
  EXPECT_TRUE(log.empty());

  Focus(m_edit);
  for (WORD key : {VK_DOWN, VK_NEXT, VK_UP})
    Press({}, key);
  EXPECT_EQ(m_edit->GetItemIndex(), -1);
  EXPECT_EQ(WindowText(), "");
  EXPECT_TRUE(log.empty());
}

// The wheel moves the current item one step when the editor scrolls its
// items with the wheel: towards the first item when turned away from the
// user.
TEST_F(TextEditScrollingTest, TheWheelMovesThroughTheItemsWhenAllowed) {
  const TPoint over = m_scrolling->ClientToScreen({10, 10});
  const struct {
    bool byWheel;
    int turn;
    int index;
  } cases[] = {{false, -WHEEL_DELTA, -1},
               {true, -WHEEL_DELTA, 0},
               {true, -WHEEL_DELTA, 1},
               {true, WHEEL_DELTA, 0},
               {false, -WHEEL_DELTA, 0}};
  for (const auto& c : cases) {
    m_scrolling->byWheel = c.byWheel;
    SendMouse(MOUSEEVENTF_WHEEL, over, c.turn);
    Pump();
    Pump();
    EXPECT_EQ(m_scrolling->GetItemIndex(), c.index) << c.byWheel << " " << c.turn;
  }
  EXPECT_EQ(log, (std::vector<std::string>{"click", "value Elma", "click", "value Armut", "click",
                                           "value Elma"}));
}

// ---- lookup data that shows its items in a list box

// Lookup data with the editors' list box.
class TListLookupData : public TcxCustomTextEditLookupData {
  OBJECT_CLASS(TListLookupData, TcxCustomTextEditLookupData)
public:
  using TcxCustomTextEditLookupData::TcxCustomTextEditLookupData;

protected:
  TcxCustomEditListBoxClass GetListBoxClass() override {
    return TcxCustomEditListBox::StaticClass();
  }
};

class TListEditProperties : public TcxTextEditProperties {
  OBJECT_CLASS(TListEditProperties, TcxTextEditProperties)
public:
  using TcxTextEditProperties::TcxTextEditProperties;
  TcxCustomTextEditLookupDataClass GetLookupDataClass() override {
    return TListLookupData::StaticClass();
  }
};

// A text editor whose lookup data has a list: Down and Up move through the
// items, Enter takes the highlighted one, as a drop-down editor does.
class TListEdit : public TcxTextEdit {
  OBJECT_CLASS(TListEdit, TcxTextEdit)
public:
  using TcxTextEdit::TcxTextEdit;
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TListEditProperties::StaticClass();
  }
  void AfterConstruction() override {
    TcxTextEdit::AfterConstruction();
    SetOnKeyDown(TKeyEvent([this](TObject*, WORD& key, TShiftState) {
      if (key == VK_DOWN)
        LookupData()->Go(TcxEditLookupDataGoDirection::egdNext, false);
      else if (key == VK_UP)
        LookupData()->Go(TcxEditLookupDataGoDirection::egdPrev, false);
      else if (key == VK_RETURN)
        LookupData()->SelectItem();
    }));
  }
};

class TListPopup : public TcxCustomPopupWindow {
  OBJECT_CLASS(TListPopup, TcxCustomPopupWindow)
public:
  explicit TListPopup(TWinControl* owner) : TcxCustomPopupWindow(owner) {
    SetModalMode(false);
    SetCaptureFocus(false);
  }
};

class TextEditLookupListTest : public TextEditItemsTest {
protected:
  // The list editor in place of the plain one, with the same items; the
  // list in a popup below it, not yet open.
  void SetUp() override {
    TextEditItemsTest::SetUp();
    m_list = Create<TListEdit>(m_form);
    m_list->SetBounds(20, 60, 140, 21);
    m_list->SetParent(m_form);
    m_list->Properties()->LookupItems()->Assign(*m_edit->Properties()->LookupItems());
    m_list->Properties()->LookupItems()->Add("Erik");
    m_popup = Create<TListPopup>(static_cast<TWinControl*>(m_list));
    Lookup()->Initialize(m_popup);
    Pump();
  }
  void TearDown() override {
    if (m_popup->IsVisible())
      m_popup->CloseUp();
    TextEditItemsTest::TearDown();
  }
  TcxCustomTextEditLookupData* Lookup() { return m_list->LookupData(); }
  TcxCustomEditListBox* List() { return Lookup()->ListBox(); }
  std::string ListText() { return ::WindowText(m_list->Handle()); }
  void Open() {
    Lookup()->PositionVisualArea({0, 0, 140, List()->GetHeight(4)});
    m_popup->SetOwnerParent(m_form);
    m_popup->SetOwnerBounds(m_list->BoundsRect());
    m_popup->Popup(nullptr);
    ASSERT_TRUE(PumpUntil([&] { return List()->IsVisible(); }));
  }
  void FocusList() {
    ClickControl(m_list->InnerControl(), {5, 5});
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == m_list->InnerControl()->Handle(); }));
  }
  void Press(WORD key) {
    PressKey(key);
    Pump();
    Pump();
  }

  TListEdit* m_list = nullptr;
  TListPopup* m_popup = nullptr;
};

TEST_F(TextEditLookupListTest, InitializeMakesTheListInTheParentWithTheEditorsLook) {
  TcxCustomEditListBox* list = List();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(Lookup()->GetActiveControl(), list);
  EXPECT_EQ(list->Owner(), m_popup);
  EXPECT_EQ(list->Parent(), m_popup);
  EXPECT_EQ(list->GetEdit(), m_list);
  EXPECT_EQ(list->Count(), 4);
  EXPECT_EQ(list->Color(), m_list->GetActiveStyle()->GetColor());
  EXPECT_EQ(list->Font()->Height(), m_list->GetActiveStyle()->GetVisibleFont()->Height());
  // A second Initialize keeps the list.
  Lookup()->Initialize(m_popup);
  EXPECT_EQ(List(), list);
  // A change of the items reaches the rows.
  m_list->Properties()->LookupItems()->Add("Kiraz");
  EXPECT_EQ(list->Count(), 5);
  m_list->Properties()->LookupItems()->Delete(4);
  EXPECT_EQ(list->Count(), 4);
  // The text editor's own lookup data has no list.
  EXPECT_EQ(m_edit->LookupData()->GetActiveControl(), nullptr);
  m_edit->LookupData()->Initialize(m_form);
  EXPECT_EQ(m_edit->LookupData()->GetActiveControl(), nullptr);
}

// The list is placed on the rectangle; the hit test holds wherever it sits.
TEST_F(TextEditLookupListTest, PlacedOnTheRectangleAndHitTestedOnTheScreen) {
  Open();
  for (const TRect& place : {TRect{0, 0, 140, 60}, TRect{6, 4, 126, 64}}) {
    Lookup()->PositionVisualArea(place);
    Pump();
    EXPECT_EQ(List()->BoundsRect(), place);
    const TPoint inside = List()->ClientToScreen({List()->Width() - 1, List()->Height() - 1});
    EXPECT_TRUE(Lookup()->IsMouseOverList(inside));
    EXPECT_FALSE(Lookup()->IsMouseOverList({inside.X + 1, inside.Y}));
    EXPECT_FALSE(Lookup()->IsMouseOverList({inside.X, inside.Y + 1}));
    const TPoint corner = List()->ClientToScreen({0, 0});
    EXPECT_TRUE(Lookup()->IsMouseOverList(corner));
    EXPECT_FALSE(Lookup()->IsMouseOverList({corner.X - 1, corner.Y}));
  }
}

// While the list shows, Down and Up move only the highlight and Enter takes
// it; with the text following at once they move the current item; with the
// list closed they move the current item as well.
TEST_F(TextEditLookupListTest, KeysMoveTheHighlightOrTheCurrentItem) {
  FocusList();
  Open();
  ASSERT_EQ(::GetFocus(), m_list->InnerControl()->Handle());
  Press(VK_DOWN);
  Press(VK_DOWN);
  EXPECT_EQ(List()->ItemIndex(), 1);
  EXPECT_EQ(Lookup()->ItemIndex(), 1);
  EXPECT_EQ(m_list->GetItemIndex(), -1);
  EXPECT_EQ(ListText(), "");
  Press(VK_RETURN);
  EXPECT_EQ(m_list->GetItemIndex(), 1);
  EXPECT_EQ(ListText(), "Armut");
  EXPECT_TRUE(m_list->ModifiedAfterEnter());

  m_list->Properties()->SetUpdateTextImmediately(true);
  Press(VK_DOWN);
  EXPECT_EQ(ListText(), kCilek);
  EXPECT_EQ(m_list->GetItemIndex(), 2);
  EXPECT_EQ(List()->ItemIndex(), 2);

  m_list->Properties()->SetUpdateTextImmediately(false);
  m_popup->CloseUp();
  ASSERT_TRUE(PumpUntil([&] { return !List()->IsVisible(); }));
  Press(VK_UP);
  EXPECT_EQ(ListText(), "Armut");
  EXPECT_EQ(m_list->GetItemIndex(), 1);
}

// A click on a row highlights it; taking the highlighted item (as a
// drop-down editor does when the button comes up) makes it the text.
TEST_F(TextEditLookupListTest, AClickedRowBecomesTheText) {
  FocusList();
  Open();
  List()->SetOnMouseUp(TMouseEvent(
      [this](TObject*, TMouseButton, TShiftState, int, int) { Lookup()->SelectItem(); }));
  ClickControl(List(), {10, List()->ItemRect(3).Top + 2});
  ASSERT_TRUE(PumpUntil([&] { return ListText() == "Erik"; }));
  EXPECT_EQ(List()->ItemIndex(), 3);
  EXPECT_EQ(Lookup()->ItemIndex(), 3);
  EXPECT_EQ(m_list->GetItemIndex(), 3);
  EXPECT_EQ(VarToStr(m_list->GetEditValue()), "Erik");
  ClickControl(List(), {10, List()->ItemRect(0).Top + 2});
  ASSERT_TRUE(PumpUntil([&] { return ListText() == "Elma"; }));
  EXPECT_EQ(m_list->GetItemIndex(), 0);
}

} // namespace
