// The list box inside a container: incremental search (Turkish letters in
// either case, the pause that starts a new search, Backspace, the keys it
// leaves alone), input passed to the container in its coordinates, the
// dialog code, the look-and-feel bars laid over the system bars, the
// container's menu short-cuts and default handler ahead of the list's own,
// and the container dragged from a press on the list in the automatic drag
// mode, sharing its drag settings, cursor, images and cancel with the list.
#include "framework/cxContainerListBox.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "framework/cxContainer.h"
#include "framework/cxContainerServices.h"
#include "framework/cxControlsUtils.h"
#include "framework/cxGeometry.h"
#include "platform/controls/DragDrop.h"
#include "platform/controls/Menus.h"
#include "platform/rtl/ScopeGuards.h"
#include "tests/framework/cxControlsTestSupport.h"
#include "tests/framework/cxGraphicsTestSupport.h"
#include "tests/support/GdiObjects.h"
#include "tests/support/Input.h"
#include "tests/support/Pictures.h"

namespace controls_test {
namespace {

class TTestListBox : public TcxCustomInnerListBox {
  OBJECT_CLASS(TTestListBox, TcxCustomInnerListBox)
public:
  using TcxCustomInnerListBox::DoAutoComplete;
  using TcxCustomInnerListBox::DragOver;
  using TcxCustomInnerListBox::KeyPress;
  using TcxCustomInnerListBox::KeyUp;
  using TcxCustomInnerListBox::SetContainer;
  using TcxCustomInnerListBox::TcxCustomInnerListBox;
  int clicks = 0;
  int dragCancels = 0;
  TDragImageList* dragImages = nullptr;

protected:
  void Click() override {
    ++clicks;
    TcxCustomInnerListBox::Click();
  }
  void DragCanceled() override { ++dragCancels; }
  TDragImageList* GetDragImages() override { return dragImages; }
};

// A container hosting a list box, recording what the list box passes on.
class TListContainer : public TcxContainer {
  OBJECT_CLASS(TListContainer, TcxContainer)
public:
  explicit TListContainer(TComponent* owner) : TcxContainer(owner) {}
  void AfterConstruction() override {
    inherited::AfterConstruction();
    list = Create<TTestListBox>(this);
    list->SetContainer(this);
    SetInnerControl(list);
    list->SetParent(this);
  }
  using TcxContainer::GetDragImages;
  using TcxContainer::SetInnerControl;
  TTestListBox* list = nullptr;
  std::vector<std::string> log;
  // The messages the container takes before the list box's window does.
  std::function<bool(const TMessage&)> takes;

protected:
  bool InnerControlDefaultHandler(TMessage& Message) override { return takes && takes(Message); }
  void MouseDown(TMouseButton, TShiftState, int X, int Y) override {
    log.push_back("down " + std::to_string(X) + "," + std::to_string(Y) +
                  (InnerControlMouseDown() ? " inner" : ""));
  }
  void KeyPress(char& Key) override {
    log.push_back(std::string("press ") + std::to_string(static_cast<unsigned char>(Key)));
  }
  void Click() override { log.push_back("click"); }

public:
  void DragDrop(TObject*, int X, int Y) override {
    log.push_back("drop " + std::to_string(X) + "," + std::to_string(Y));
  }

protected:
  void DragOver(TObject*, int X, int Y, TDragState, bool& Accept) override {
    log.push_back("over " + std::to_string(X) + "," + std::to_string(Y));
    Accept = true;
  }
};

// Turkish words, cp1254: "Ankara", "şişe", "Şule", "İzmir", "ılgaz", "Işık",
// "iğne", "Iğdır".
const char* const kItems[] = {"Ankara",
                              "\xFEi\xFE"
                              "e",
                              "\xDEule",
                              "\xDDzmir",
                              "\xFDlgaz",
                              "I\xFE\xFDk",
                              "i\xF0ne",
                              "I\xF0"
                              "d\xFDr"};

class InnerListBoxTest : public TLookAndFeelControlTest {
protected:
  static void SetUpTestSuite() {
    TLookAndFeelControlTest::SetUpTestSuite();
    const TUnitInfo units[] = {cxContainerUnit};
    ContainerUnit().Start(units);
  }
  static void TearDownTestSuite() {
    ContainerUnit().Stop();
    TLookAndFeelControlTest::TearDownTestSuite();
  }
  static TUnitStartup& ContainerUnit() {
    static TUnitStartup units;
    return units;
  }

  void SetUp() override {
    TLookAndFeelControlTest::SetUp();
    TcxCustomInnerListBox::SetTickCountFunc([this] { return m_now; });
    m_form = ShownForm();
  }
  void TearDown() override {
    m_form->Free();
    TcxCustomInnerListBox::SetTickCountFunc(nullptr);
    TLookAndFeelControlTest::TearDown();
  }

  TTestListBox* FilledList(int count = 0) {
    auto* list = Create<TTestListBox>(m_form);
    list->SetBounds(10, 10, 150, 200);
    list->SetParent(m_form);
    for (const char* item : kItems)
      list->Items()->Add(item);
    for (int i = 0; i < count; ++i)
      list->Items()->Add("item " + std::to_string(i));
    return list;
  }

  // Types the keys one by one, 'pause' milliseconds apart.
  static void Type(TTestListBox* list, const std::string& keys, DWORD& now, DWORD pause = 100) {
    for (char key : keys) {
      now += pause;
      list->DoAutoComplete(key);
    }
  }

  TForm* m_form = nullptr;
  DWORD m_now = 100000;
};

TEST_F(InnerListBoxTest, StartsWithItsDefaults) {
  TTestListBox* list = FilledList();
  EXPECT_EQ(list->AutoCompleteDelay(), 500u);
  EXPECT_EQ(list->BorderStyle(), TBorderStyle::bsNone);
  EXPECT_FALSE(list->ParentColor());
  EXPECT_TRUE(list->ParentFont());
  ASSERT_NE(list->HScrollBar(), nullptr);
  ASSERT_NE(list->VScrollBar(), nullptr);
  EXPECT_EQ(list->HScrollBar()->Kind(), TScrollBarKind::sbHorizontal);
  EXPECT_EQ(list->VScrollBar()->Kind(), TScrollBarKind::sbVertical);
  EXPECT_EQ(list->GetControl(), list);
  EXPECT_EQ(list->GetControlContainer(), nullptr);
}

TEST_F(InnerListBoxTest, FindsTurkishItemsWithoutRegardToCase) {
  struct {
    const char* typed;
    int expected;
  } const cases[] = {
      {"\xDE", 1}, // Ş finds şişe
      {"\xFE"
       "u",
       2},             // şu finds Şule
      {"\xDEU", 2},    // ŞU finds Şule
      {"i", 3},        // i finds İzmir, not a dotless I
      {"\xDDZ", 3},    // İZ
      {"\xFD", 4},     // ı finds ılgaz
      {"I", 4},        // I is the capital of ı
      {"i\xF0", 6},    // iğ finds iğne
      {"\xDD\xD0", 6}, // İĞ finds iğne
      {"\xFD\xD0", 7}, // ığ finds Iğdır
      {"I\xFE", 5},    // Iş finds Işık
      {"ank", 0},
  };
  TTestListBox* list = FilledList();
  for (const auto& c : cases) {
    m_now += 1000;
    list->SetItemIndex(-1);
    Type(list, c.typed, m_now);
    EXPECT_EQ(list->ItemIndex(), c.expected) << c.typed;
    EXPECT_EQ(list->FindAutoCompleteString(c.typed), c.expected) << c.typed;
  }
  EXPECT_EQ(list->FindAutoCompleteString("x"), -1);
}

TEST_F(InnerListBoxTest, APauseOfTheDelayStartsANewSearch) {
  TTestListBox* list = FilledList();
  Type(list, "\xFE", m_now);
  Type(list, "u", m_now, 499);
  EXPECT_EQ(list->ItemIndex(), 2);
  // 500 ms later the u searches alone and finds nothing: the item stays.
  Type(list, "u", m_now, 500);
  EXPECT_EQ(list->ItemIndex(), 2);
  Type(list, "a", m_now, 600);
  EXPECT_EQ(list->ItemIndex(), 0);
}

TEST_F(InnerListBoxTest, BackspaceAfterOneLetterSelectsTheFirstItemAndIsLeftToTheList) {
  TTestListBox* list = FilledList();
  Type(list, "\xDD", m_now);
  ASSERT_EQ(list->ItemIndex(), 3);
  const int clicks = list->clicks;
  char key = '\b';
  m_now += 100;
  list->DoAutoComplete(key);
  EXPECT_EQ(key, '\b');
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_EQ(list->clicks, clicks + 1);
  // Backspace after two letters searches again with the first.
  Type(list, "\xFEu", m_now);
  EXPECT_EQ(list->ItemIndex(), 2);
  key = '\b';
  list->DoAutoComplete(key);
  Type(list, "i", m_now);
  EXPECT_EQ(list->ItemIndex(), 1);
}

TEST_F(InnerListBoxTest, EnterAndEscapeAreNeverSwallowedOtherKeysAre) {
  TTestListBox* list = FilledList();
  struct {
    char key;
    char left;
  } const cases[] = {{'a', '\0'}, {'x', '\0'}, {'\r', '\r'}, {'\x1B', '\x1B'}, {'\b', '\b'}};
  for (const auto& c : cases) {
    char key = c.key;
    m_now += 1000;
    list->DoAutoComplete(key);
    EXPECT_EQ(key, c.left) << static_cast<int>(c.key);
  }
  // Without AutoComplete nothing happens.
  list->SetAutoComplete(false);
  list->SetItemIndex(-1);
  char key = 'a';
  list->DoAutoComplete(key);
  EXPECT_EQ(key, 'a');
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(InnerListBoxTest, TypedTurkishLettersFindTheirItem) {
  TcxCustomInnerListBox::SetTickCountFunc(nullptr);
  TTestListBox* list = FilledList();
  list->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return list->Focused(); }));
  TypeChar(u'\u015E'); // Ş
  TypeChar(u'u');
  EXPECT_TRUE(PumpUntil([&] { return list->ItemIndex() == 2; }));
  ::Sleep(600);
  TypeChar(u'\u0131'); // ı
  EXPECT_TRUE(PumpUntil([&] { return list->ItemIndex() == 4; }));
}

TEST_F(InnerListBoxTest, PassesInputToTheContainerInItsCoordinates) {
  TListContainer* container = Create<TListContainer>(m_form);
  container->SetBounds(30, 40, 200, 120);
  container->SetParent(m_form);
  Pump();
  TTestListBox* list = container->list;
  for (const char* item : kItems)
    list->Items()->Add(item);
  EXPECT_EQ(list->GetControlContainer(), container);

  container->log.clear();
  ClickControl(list, {7, 5});
  ASSERT_TRUE(PumpUntil([&] { return !container->log.empty(); }));
  const std::string expected =
      "down " + std::to_string(7 + list->Left()) + "," + std::to_string(5 + list->Top()) + " inner";
  EXPECT_EQ(container->log.front(), expected);
  EXPECT_TRUE(PumpUntil([&] {
    return std::find(container->log.begin(), container->log.end(), "click") != container->log.end();
  }));

  // Tab never reaches the list or the container; other keys reach both.
  container->log.clear();
  char tab = '\t';
  list->KeyPress(tab);
  EXPECT_EQ(tab, '\0');
  EXPECT_TRUE(container->log.empty());
  WORD tabKey = VK_TAB;
  list->KeyUp(tabKey, {});
  EXPECT_EQ(tabKey, 0);
  // The letter finds Ankara, which the container hears as a click.
  char letter = 'a';
  list->KeyPress(letter);
  EXPECT_EQ(container->log, (std::vector<std::string>{"press 97", "click"}));
  char enter = '\r';
  list->KeyPress(enter);
  EXPECT_EQ(enter, '\0');

  // With a container the list wants characters and Tab.
  const LRESULT code = ::SendMessageW(list->Handle(), WM_GETDLGCODE, 0, 0);
  EXPECT_TRUE(code & DLGC_WANTCHARS);
  EXPECT_TRUE(code & DLGC_WANTTAB);
  container->Free();
}

TEST_F(InnerListBoxTest, DragsGoToTheContainerInItsCoordinates) {
  TListContainer* container = Create<TListContainer>(m_form);
  container->SetBounds(30, 40, 200, 120);
  container->SetParent(m_form);
  Pump();
  TTestListBox* list = container->list;
  list->DragDrop(list, 3, 4);
  bool accept = false;
  list->DragOver(list, 5, 6, TDragState::dsDragMove, accept);
  EXPECT_TRUE(accept);
  const auto at = [list](const char* what, int x, int y) {
    return std::string(what) + " " + std::to_string(x + list->Left()) + "," +
           std::to_string(y + list->Top());
  };
  EXPECT_EQ(container->log, (std::vector<std::string>{at("drop", 3, 4), at("over", 5, 6)}));
  container->Free();
}

TEST_F(InnerListBoxTest, TheLookAndFeelBarsLieOverTheSystemBars) {
  TTestListBox* list = FilledList();
  Pump();
  // Few items: no system bar, both bars hidden with no size.
  for (TcxScrollBar* bar : {list->HScrollBar(), list->VScrollBar()}) {
    EXPECT_FALSE(bar->Visible());
    EXPECT_EQ(bar->BoundsRect(), (TRect{0, 0, 0, 0}));
  }
  EXPECT_EQ(list->GetSizeGripRect(), (TRect{}));

  for (int i = 0; i < 40; ++i)
    list->Items()->Add("more " + std::to_string(i));
  Pump();
  TcxScrollBar* bar = list->VScrollBar();
  ASSERT_TRUE(bar->Visible());
  EXPECT_EQ(bar->Parent(), m_form);
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(::GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &info));
  const TPoint corner = m_form->ScreenToClient({info.rcScrollBar.left, info.rcScrollBar.top});
  EXPECT_EQ(bar->BoundsRect(),
            (TRect{corner.X, corner.Y, corner.X + info.rcScrollBar.right - info.rcScrollBar.left,
                   corner.Y + info.rcScrollBar.bottom - info.rcScrollBar.top}));
  EXPECT_EQ(bar->Max(), 47);
  EXPECT_FALSE(list->HScrollBar()->Visible());

  // Scrolling the list moves the bar; the bar scrolls the list.
  list->SetTopIndex(10);
  Pump();
  EXPECT_EQ(bar->Position(), 10);
  int pos = 3;
  list->VScrollHandler(bar, TScrollCode::scLineDown, pos);
  EXPECT_EQ(list->TopIndex(), 3);
  pos = 20;
  list->VScrollHandler(bar, TScrollCode::scPosition, pos);
  EXPECT_EQ(list->TopIndex(), 20);
  EXPECT_EQ(pos, ::GetScrollPos(list->Handle(), SB_VERT));
}

// With both system bars shown, the square between them is painted in
// clBtnFace and nothing else is touched.
TEST_F(InnerListBoxTest, TheSizeGripBetweenBothBarsIsPaintedButtonFace) {
  TTestListBox* list = FilledList(40);
  ::SendMessageW(list->Handle(), LB_SETHORIZONTALEXTENT, 400, 0);
  Pump();
  ASSERT_TRUE(list->HScrollBar()->Visible());
  ASSERT_TRUE(list->VScrollBar()->Visible());
  const TRect grip = list->GetSizeGripRect();
  RECT window{};
  ::GetWindowRect(list->Handle(), &window);
  const TPoint corner =
      m_form->ClientToScreen({list->VScrollBar()->Left(), list->HScrollBar()->Top()});
  EXPECT_EQ(grip.Left, corner.X - window.left);
  EXPECT_EQ(grip.Top, corner.Y - window.top);
  EXPECT_EQ(grip.Right - grip.Left, list->VScrollBar()->Width());
  EXPECT_EQ(grip.Bottom - grip.Top, list->HScrollBar()->Height());

  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const std::uint32_t paper = 0xFF123456;
  TOwned<TcxBitmap> bitmap = FilledBitmap(width, height, paper);
  HDC dc = bitmap->Canvas()->Handle();
  {
    TGdiObjectsUnchanged gdi;
    list->DrawSizeGrip(dc);
  }
  const COLORREF face = ColorToRGB(clBtnFace);
  const std::uint32_t faceArgb =
      0xFF000000u | (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
  const std::vector<std::uint32_t> pixels = PixelsOf(bitmap.get());
  int outside = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y * width + x)] | 0xFF000000u;
      if (cxRectPtIn(grip, x, y))
        EXPECT_EQ(p, faceArgb) << x << "," << y;
      else
        outside += p != paper;
    }
  EXPECT_EQ(outside, 0);

  TOwned<TcxBitmap> shot(Create<TcxBitmap>(1, 1));
  CaptureScreen(m_form->Handle(), shot.get());
  SavePicture(shot.get(), "inner-list-box-both-bars");
}

TEST_F(InnerListBoxTest, WithoutGetScrollBarInfoTheSystemBarsStay) {
  cxSetGetScrollBarInfoProc(nullptr);
  const TScopeExit restore([] { cxSetGetScrollBarInfoProc(&::GetScrollBarInfo); });
  TTestListBox* list = FilledList(40);
  Pump();
  EXPECT_FALSE(list->VScrollBar()->Visible());
  EXPECT_EQ(list->VScrollBar()->Parent(), nullptr);
}

TEST_F(InnerListBoxTest, ItemVisibleTellsWhetherAnyCornerShows) {
  TTestListBox* list = FilledList(40);
  Pump();
  EXPECT_TRUE(list->ItemVisible(0));
  EXPECT_FALSE(list->ItemVisible(30));
  list->SetTopIndex(25);
  EXPECT_FALSE(list->ItemVisible(0));
  EXPECT_TRUE(list->ItemVisible(30));
}

// ---- the container's menu keys and default handler

// A popup of the library's own kind, not a platform menu, with one short-cut.
class TShortCutPopup : public TComponent, public virtual IcxPopupMenu {
  OBJECT_CLASS(TShortCutPopup, TComponent)
public:
  using TComponent::TComponent;
  WORD shortCut = 0;
  int runs = 0;

  bool IsShortCutKey(const TMessage& message) override {
    if (message.WParam != shortCut)
      return false;
    ++runs;
    return true;
  }
  void Popup(int, int) override {}
};

// A container on the form whose list holds six items.
class ListContainerTest : public InnerListBoxTest {
protected:
  void SetUp() override {
    InnerListBoxTest::SetUp();
    m_container = Create<TListContainer>(m_form);
    m_container->SetBounds(10, 10, 150, 160);
    m_container->SetParent(m_form);
    for (int i = 0; i < 6; ++i)
      List()->Items()->Add("item " + std::to_string(i));
  }
  TTestListBox* List() { return m_container->list; }

  TListContainer* m_container = nullptr;
};

// A focused list in a container; the key-downs and key-ups that reach it.
class InnerListKeysTest : public ListContainerTest {
protected:
  void SetUp() override {
    ListContainerTest::SetUp();
    List()->SetOnKeyDown(TKeyEvent([this](TObject*, WORD& key, TShiftState) {
      if (key != VK_CONTROL)
        downs.push_back(key);
    }));
    List()->SetOnKeyUp(TKeyEvent([this](TObject*, WORD& key, TShiftState) { ups.push_back(key); }));
    Pump();
    List()->SetFocus();
    Pump();
  }
  // Presses and releases the key (with Ctrl held when asked), then waits
  // for its release to reach the list.
  bool Stroke(WORD key, bool ctrl) {
    ups.clear();
    downs.clear();
    if (ctrl)
      SendKey(VK_CONTROL, false);
    SendKey(key, false);
    SendKey(key, true);
    if (ctrl)
      SendKey(VK_CONTROL, true);
    return PumpUntil([&] { return std::find(ups.begin(), ups.end(), key) != ups.end(); });
  }

  std::vector<WORD> downs;
  std::vector<WORD> ups;
  int taken = 0;
};

// A short-cut of the container's popup, a platform menu or one of the
// library's own, runs and never reaches the list; other keys do.
TEST_F(InnerListKeysTest, TheContainersMenuShortCutsComeBeforeTheList) {
  auto* menu = Create<TPopupMenu>(m_form);
  auto* item = Create<TMenuItem>(menu);
  item->SetShortCut(ShortCut('M', {TShiftStateItem::ssCtrl}));
  int menuClicks = 0;
  item->SetOnClick(TNotifyEvent([&](TObject*) { ++menuClicks; }));
  menu->Items()->Add(item);
  auto* own = Create<TShortCutPopup>(m_form);
  own->shortCut = VK_F2;
  const struct {
    TComponent* popup;
    WORD key;
    bool ctrl;
    int menuClicks;
    int ownRuns;
    std::vector<WORD> downs;
  } cases[] = {
      {menu, 'M', true, 1, 0, {}},
      {menu, 'M', false, 1, 0, {'M'}},
      {own, VK_F2, false, 1, 1, {}},
      {own, VK_F3, false, 1, 1, {VK_F3}},
      {nullptr, VK_F2, false, 1, 1, {VK_F2}},
  };
  ASSERT_EQ(::GetFocus(), List()->Handle());
  for (const auto& c : cases) {
    m_container->SetPopupMenu(c.popup);
    ASSERT_TRUE(Stroke(c.key, c.ctrl)) << c.key;
    EXPECT_EQ(menuClicks, c.menuClicks) << c.key;
    EXPECT_EQ(own->runs, c.ownRuns) << c.key;
    EXPECT_EQ(downs, c.downs) << c.key;
  }
}

// Every message the list box's default handler gets is offered to the
// container first: a Down key it takes leaves the selection, End moves it.
TEST_F(InnerListKeysTest, AMessageTheContainerTakesNeverReachesTheListsWindow) {
  m_container->takes = [this](const TMessage& message) {
    if (message.Msg != WM_KEYDOWN || message.WParam != VK_DOWN)
      return false;
    ++taken;
    return true;
  };
  List()->SetItemIndex(0);
  const struct {
    WORD key;
    int taken;
    int itemIndex;
  } cases[] = {{VK_DOWN, 1, 0}, {VK_END, 1, 5}, {VK_HOME, 1, 0}};
  for (const auto& c : cases) {
    ASSERT_TRUE(Stroke(c.key, false)) << c.key;
    EXPECT_EQ(downs, std::vector<WORD>{c.key}) << "the list's own handlers still see it";
    EXPECT_EQ(taken, c.taken) << c.key;
    EXPECT_EQ(List()->ItemIndex(), c.itemIndex) << c.key;
  }
  m_container->takes = nullptr;
  ASSERT_TRUE(Stroke(VK_DOWN, false));
  EXPECT_EQ(List()->ItemIndex(), 1);
}

// ---- the container dragged from the list

// A container whose list drags it, and a box beside it that takes drops.
class ContainerDragTest : public ListContainerTest {
protected:
  void SetUp() override {
    ListContainerTest::SetUp();
    List()->SetDragMode(TDragMode::dmAutomatic);
    m_target = Create<TTestBox>(m_form);
    m_target->SetBounds(220, 10, 100, 100);
    m_target->SetParent(m_form);
    m_target->SetOnDragOver(
        TDragOverEvent([](TObject*, TObject*, int, int, TDragState, bool& accept) { accept = true; }));
    // The library's controls drag with a drag object of their own.
    m_target->SetOnDragDrop(TDragDropEvent([this](TObject*, TObject* source, int, int) {
      auto* object = dynamic_cast<TBaseDragControlObject*>(source);
      log.push_back(object && object->Control() == m_container ? "drop container" : "drop other");
    }));
    m_container->SetOnEndDrag(TEndDragEvent([this](TObject*, TObject* target, int, int) {
      log.push_back(target == m_target ? "end target" : "end nil");
    }));
    Pump();
  }
  void TearDown() override {
    SendMouse(MOUSEEVENTF_LEFTUP, m_form->ClientToScreen({380, 250}));
    CancelDrag();
    ListContainerTest::TearDown();
  }
  TPoint RowPoint(int row) { return List()->ClientToScreen({20, List()->ItemRect(row).Top + 3}); }
  void Press(int row) {
    SendMouse(0, RowPoint(row));
    Pump();
    SendMouse(MOUSEEVENTF_LEFTDOWN, RowPoint(row));
    Pump();
  }
  // Moves in steps onto the box and lets go there.
  void DropOnTarget() {
    const TPoint to = m_target->ClientToScreen({50, 50});
    const TPoint from = RowPoint(0);
    for (int step = 1; step <= 4; ++step) {
      SendMouse(0,
                TPoint{from.X + (to.X - from.X) * step / 4, from.Y + (to.Y - from.Y) * step / 4});
      Pump();
    }
    SendMouse(MOUSEEVENTF_LEFTUP, to);
    Pump();
  }
  std::vector<int> SelectedRows() {
    std::vector<int> rows;
    for (int i = 0; i < List()->Count(); ++i)
      if (List()->Selected(i))
        rows.push_back(i);
    return rows;
  }

  TTestBox* m_target = nullptr;
  std::vector<std::string> log;
};

// The press selects its row first, then drags the container (never the
// list) onto the box; the list keeps its automatic mode.
TEST_F(ContainerDragTest, APressSelectsThenDragsTheContainer) {
  Press(2);
  EXPECT_EQ(List()->ItemIndex(), 2);
  EXPECT_TRUE(m_container->Dragging());
  EXPECT_FALSE(List()->Dragging());
  EXPECT_EQ(List()->DragMode(), TDragMode::dmAutomatic);
  DropOnTarget();
  EXPECT_EQ(log, (std::vector<std::string>{"drop container", "end target"}));
  EXPECT_FALSE(m_container->Dragging());
  EXPECT_EQ(List()->ItemIndex(), 2);
  // Without the automatic mode a press only selects.
  List()->SetDragMode(TDragMode::dmManual);
  Press(4);
  EXPECT_EQ(List()->ItemIndex(), 4);
  EXPECT_FALSE(m_container->Dragging());
}

// In a multi-select list a press on a selected row drags at once and keeps
// the selection; Ctrl drags from a selected row too; Shift and Ctrl on a
// row not selected change the selection without a drag.
TEST_F(ContainerDragTest, MultiSelectPressesTable) {
  const struct {
    WPARAM keys;
    int row;
    bool drags;
    std::vector<int> selected;
  } cases[] = {
      {0, 3, true, {1, 3}},
      {MK_CONTROL, 1, true, {1, 3}},
      {MK_CONTROL, 4, false, {1, 3, 4}},
      {MK_SHIFT, 5, false, {4, 5}},
      {0, 0, true, {0}},
  };
  List()->SetMultiSelect(true);
  Pump();
  List()->SetSelected(1, true);
  List()->SetSelected(3, true);
  ::SendMessageW(List()->Handle(), LB_SETCARETINDEX, 3, FALSE);
  ::SendMessageW(List()->Handle(), LB_SETANCHORINDEX, 3, 0);
  for (const auto& c : cases) {
    const TPoint at{20, List()->ItemRect(c.row).Top + 3};
    ::SendMessageW(List()->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | c.keys, PointToLParam(at));
    EXPECT_EQ(m_container->Dragging(), c.drags) << c.row;
    ::SendMessageW(List()->Handle(), WM_LBUTTONUP, c.keys, PointToLParam(at));
    CancelDrag();
    ::ReleaseCapture();
    EXPECT_EQ(SelectedRows(), c.selected) << c.row;
    EXPECT_EQ(List()->DragMode(), TDragMode::dmAutomatic);
  }
}

// Cursor, drag mode and drag kind set on the container, also through the
// platform's own setters as a form definition sets them, go on to the list;
// the container drags the list's images while it has the list.
TEST_F(ContainerDragTest, TheContainersDragSettingsCursorAndImagesAreTheLists) {
  TControl* control = m_container;
  control->SetDragMode(TDragMode::dmManual);
  EXPECT_EQ(List()->DragMode(), TDragMode::dmManual);
  control->SetDragKind(TDragKind::dkDock);
  EXPECT_EQ(m_container->DragKind(), TDragKind::dkDock);
  EXPECT_EQ(List()->DragKind(), TDragKind::dkDock);
  m_container->SetDragKind(TDragKind::dkDrag);
  EXPECT_EQ(List()->DragKind(), TDragKind::dkDrag);
  m_container->SetDragMode(TDragMode::dmAutomatic);
  EXPECT_EQ(List()->DragMode(), TDragMode::dmAutomatic);
  control->SetCursor(crHandPoint);
  EXPECT_EQ(List()->Cursor(), crHandPoint);

  const TOwned<TDragImageList> images(Create<TDragImageList>(nullptr));
  List()->dragImages = images.get();
  EXPECT_EQ(m_container->GetDragImages(), images.get());
  m_container->SetInnerControl(nullptr);
  EXPECT_EQ(m_container->GetDragImages(), nullptr);
  m_container->SetInnerControl(List());
  List()->dragImages = nullptr;
}

// A container set to drag automatically is dragged from a press on its
// list; Escape over the box cancels the drag, and the list hears of it. A
// drop the box takes is no cancel.
TEST_F(ContainerDragTest, EscapeCancelsTheContainersDragAndTheListHearsOfIt) {
  List()->SetDragMode(TDragMode::dmManual);
  m_container->SetDragMode(TDragMode::dmAutomatic);
  Press(2);
  ASSERT_TRUE(m_container->Dragging());
  EXPECT_FALSE(List()->Dragging());
  SendMouse(0, m_target->ClientToScreen({50, 50}));
  Pump();
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_FALSE(m_container->Dragging());
  EXPECT_EQ(List()->dragCancels, 1);
  EXPECT_EQ(log, (std::vector<std::string>{"end nil"}));
  SendMouse(MOUSEEVENTF_LEFTUP, m_target->ClientToScreen({50, 50}));
  Pump();

  log.clear();
  Press(3);
  ASSERT_TRUE(m_container->Dragging());
  DropOnTarget();
  EXPECT_EQ(log, (std::vector<std::string>{"drop container", "end target"}));
  EXPECT_EQ(List()->dragCancels, 1);
}

// In the automatic mode a press on the container's border drags the
// container at once and leaves the focus where it was.
TEST_F(ContainerDragTest, APressOnTheBorderDragsInsteadOfFocusing) {
  m_container->SetDragMode(TDragMode::dmAutomatic);
  m_target->SetFocus();
  Pump();
  const TPoint border = m_container->ClientToScreen({1, 80});
  ASSERT_FALSE(cxRectPtIn(List()->BoundsRect(), m_container->ScreenToClient(border)));
  SendMouse(0, border);
  Pump();
  SendMouse(MOUSEEVENTF_LEFTDOWN, border);
  Pump();
  EXPECT_TRUE(m_container->Dragging());
  EXPECT_EQ(::GetFocus(), m_target->Handle());
  DropOnTarget();
  EXPECT_EQ(log, (std::vector<std::string>{"drop container", "end target"}));
  EXPECT_EQ(::GetFocus(), m_target->Handle());
}

} // namespace
} // namespace controls_test
