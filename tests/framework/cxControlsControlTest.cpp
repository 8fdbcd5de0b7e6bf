// The library's control base on a real form under a real X server, driven
// with real input: focus on click, keys and dialog codes, the wheel, the
// context menu, painting through the look-and-feel's painter, mouse enter
// and leave, and controls freed inside their own handlers.
#include "framework/cxControlsControl.h"

#include <algorithm>
#include <string>
#include <vector>

#include "framework/cxControls.h"
#include "framework/cxGraphics.h"
#include "framework/cxGraphicsBitmaps.h"
#include "framework/cxLookAndFeelPainters.h"
#include "framework/cxLookAndFeels.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Screen.h"
#include "tests/framework/cxControlsTestSupport.h"
#include "tests/framework/cxGraphicsTestSupport.h"

namespace controls_test {
namespace {

using enum TcxLookAndFeelKind;

template <class P> TcxCustomLookAndFeelPainterClass PainterOf() { return P::StaticClass(); }

std::string PointText(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

// A library control that records what reaches it in a log the test owns,
// so that the log outlives the control.
class TLoggingControl : public TcxControl {
  OBJECT_CLASS(TLoggingControl, TcxControl)
public:
  explicit TLoggingControl(TComponent* owner) : TcxControl(owner) { SetBounds(0, 0, 80, 50); }

  std::vector<std::string>* log = nullptr;
  TcxMouseWheelScrollingKind wheelKind = TcxMouseWheelScrollingKind::mwskNone;
  TcxCustomLookAndFeelPainterClass paintedWith;
  int paints = 0;

  using TcxControl::GetClientBounds;
  using TcxControl::MouseDownPos;

protected:
  void Write(const std::string& line) {
    if (log)
      log->push_back(line);
  }
  void Paint() override {
    TcxControl::Paint();
    paintedWith = GetLookAndFeelPainter();
    ++paints;
    Canvas()->FillRect(GetClientBounds(), clRed);
  }
  void LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) override {
    Write("LookAndFeelChanged");
    Invalidate();
  }
  void Scroll(TScrollBarKind kind, TScrollCode code, int&) override {
    Write(std::string("Scroll ") + (kind == TScrollBarKind::sbVertical ? "v " : "h ") +
          std::to_string(static_cast<int>(code)));
  }
  TcxMouseWheelScrollingKind GetMouseWheelScrollingKind() override { return wheelKind; }
  void AfterMouseDown(TMouseButton, int x, int y) override {
    Write("AfterMouseDown " + PointText(x, y));
  }
  void KeyDown(WORD& key, TShiftState shift) override {
    Write("KeyDown " + std::to_string(key));
    TcxControl::KeyDown(key, shift);
  }
  void MouseEnter(TControl* control) override {
    Write(control == this ? "MouseEnter" : "MouseEnter child");
    TcxControl::MouseEnter(control);
  }
  void MouseLeave(TControl* control) override {
    Write(control == this ? "MouseLeave" : "MouseLeave child");
    TcxControl::MouseLeave(control);
  }
};

// A popup component of the library's own kind that records where it opened.
class TRecordingPopup : public TComponent, public virtual IcxPopupMenu {
  OBJECT_CLASS(TRecordingPopup, TComponent)
public:
  using TComponent::TComponent;
  std::vector<TPoint> popups;
  WORD shortCut = 0;

  bool IsShortCutKey(const TMessage& message) override {
    return shortCut != 0 && message.WParam == shortCut;
  }
  void Popup(int x, int y) override { popups.push_back({x, y}); }
};

// Records the fonts it is told of.
class TFontListener : public TComponent, public virtual IcxFontListener {
  OBJECT_CLASS(TFontListener, TComponent)
public:
  using TComponent::TComponent;
  std::vector<TFont*> fonts;
  void Changed(TObject*, TFont* font) override { fonts.push_back(font); }
};

// Runs inside the popup menu's modal loop: notes whether the menu window
// shows, then closes the menu.
bool menuSeen = false;
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  HWND window = ::FindWindowW(L"#32768", nullptr);
  menuSeen = window && ::IsWindowVisible(window);
  ::EndMenu();
}

class ControlBaseTest : public TLookAndFeelControlTest {
protected:
  void TearDown() override {
    RootLookAndFeel()->Reset();
    TLookAndFeelControlTest::TearDown();
  }

  TLoggingControl* Place(TForm* form, int left, int top) {
    auto* control = Create<TLoggingControl>(form);
    control->log = &m_log;
    control->SetLeft(left);
    control->SetTop(top);
    control->SetParent(form);
    return control;
  }

  // A shown form with two library controls; the pointer is moved off both.
  TForm* FormWithTwo(TLoggingControl*& first, TLoggingControl*& second) {
    TForm* form = ShownForm();
    first = Place(form, 20, 20);
    second = Place(form, 150, 20);
    ::SetCursorPos(form->ClientToScreen({300, 200}).X, form->ClientToScreen({300, 200}).Y);
    Pump();
    ClickAt(form->ClientToScreen({300, 200}));
    Pump();
    m_log.clear();
    return form;
  }

  // Lets the application look under the cursor when its queue runs dry; a
  // timer wakes its wait.
  void IdleWithCursorAt(TPoint screen) {
    ::SetCursorPos(screen.X, screen.Y);
    Pump();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 10, nullptr);
    for (int round = 0; round < 5; ++round)
      Application->HandleMessage();
    ::KillTimer(nullptr, timer);
    Pump();
  }

  std::vector<std::string> m_log;
};

void SendWheel(int delta) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_WHEEL;
  input.mi.mouseData = static_cast<DWORD>(delta);
  ::SendInput(1, &input, sizeof(INPUT));
}

void RightClickAt(TPoint screen) {
  ::SetCursorPos(screen.X, screen.Y);
  INPUT inputs[2]{};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  ::SendInput(2, inputs, sizeof(INPUT));
}

// Sets the wheel's lines per notch for one test and puts it back.
class TWheelLinesScope {
public:
  explicit TWheelLinesScope(UINT lines) {
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &m_previous, 0);
    ::SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0);
  }
  ~TWheelLinesScope() { ::SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, m_previous, nullptr, 0); }
  TWheelLinesScope(const TWheelLinesScope&) = delete;
  TWheelLinesScope& operator=(const TWheelLinesScope&) = delete;

private:
  UINT m_previous = 3;
};

// Holds Ctrl down in the thread's key state, as GetKeyState reads it.
class TCtrlStateScope {
public:
  explicit TCtrlStateScope(bool down) {
    ::GetKeyboardState(m_saved);
    BYTE state[256];
    ::GetKeyboardState(state);
    state[VK_CONTROL] = down ? 0x80 : 0;
    ::SetKeyboardState(state);
  }
  ~TCtrlStateScope() { ::SetKeyboardState(m_saved); }
  TCtrlStateScope(const TCtrlStateScope&) = delete;
  TCtrlStateScope& operator=(const TCtrlStateScope&) = delete;

private:
  BYTE m_saved[256]{};
};

TEST_F(ControlBaseTest, DialogCodeFollowsTheKeysAndCtrlLetsTabMoveTheFocus) {
  using enum TcxKey;
  struct TCase {
    TcxKeys keys;
    bool ctrl;
    LRESULT code;
  };
  const TCase cases[] = {
      {{}, false, 0},
      {{kAll}, false, DLGC_WANTALLKEYS},
      {{kArrows}, false, DLGC_WANTARROWS},
      {{kChars}, false, DLGC_WANTCHARS},
      {{kTab}, false, DLGC_WANTTAB},
      {{kTab}, true, 0},
      {{kArrows, kTab}, false, 3},
      {{kArrows, kTab}, true, 1},
      {{kAll, kArrows, kChars, kTab}, false, 0x87},
  };
  TForm* form = ShownForm();
  TLoggingControl* control = Place(form, 10, 10);
  for (const TCase& c : cases) {
    control->SetKeys(c.keys);
    const TCtrlStateScope ctrl(c.ctrl);
    EXPECT_EQ(::SendMessageW(control->Handle(), WM_GETDLGCODE, 0, 0), c.code)
        << "ctrl " << c.ctrl << ", expected " << c.code;
  }
  form->Free();
}

TEST_F(ControlBaseTest, ClickFocusesAndKeysArriveAsTheKeysSetAllows) {
  TLoggingControl *first, *second;
  TForm* form = FormWithTwo(first, second);
  int focusChanges = 0;
  first->SetOnFocusChanged(TNotifyEvent([&](TObject*) { ++focusChanges; }));
  EXPECT_TRUE(first->TabStop()) << "a control that may focus is a tab stop";

  ClickControl(first, {10, 10});
  ASSERT_TRUE(PumpUntil([&] { return first->IsFocused(); }));
  EXPECT_EQ(focusChanges, 1);
  EXPECT_EQ(first->MouseDownPos(), (TPoint{10, 10}));

  first->SetKeys({TcxKey::kArrows});
  PressKey(VK_RIGHT);
  ASSERT_TRUE(PumpUntil(
      [&] { return std::find(m_log.begin(), m_log.end(), "KeyDown 39") != m_log.end(); }));
  EXPECT_TRUE(first->IsFocused()) << "the arrow stayed with the control";

  first->SetKeys({});
  PressKey(VK_TAB);
  EXPECT_TRUE(PumpUntil([&] { return second->IsFocused(); }))
      << "Tab moves on when the control does not want it";
  EXPECT_EQ(focusChanges, 2);

  first->SetFocusOnClick(false);
  ClickControl(first, {10, 10});
  Pump();
  EXPECT_TRUE(second->IsFocused()) << "a control that does not focus on click keeps out";
  form->Free();
}

TEST_F(ControlBaseTest, AfterMouseDownGetsThePressPointForEveryButton) {
  TLoggingControl *first, *second;
  TForm* form = FormWithTwo(first, second);
  ClickControl(first, {7, 9});
  ASSERT_TRUE(PumpUntil([&] { return !m_log.empty(); }));
  RightClickAt(first->ClientToScreen({11, 13}));
  ASSERT_TRUE(PumpUntil([&] { return m_log.size() >= 2; }));
  EXPECT_EQ(m_log, (std::vector<std::string>{"AfterMouseDown 7,9", "AfterMouseDown 11,13"}));
  form->Free();
}

TEST_F(ControlBaseTest, WheelScrollsOncePerLineOnlyWhenTheControlScrolls) {
  const std::string lineDown =
      "Scroll v " + std::to_string(static_cast<int>(TScrollCode::scLineDown));
  const std::string lineUp = "Scroll v " + std::to_string(static_cast<int>(TScrollCode::scLineUp));
  const std::string pageDown =
      "Scroll v " + std::to_string(static_cast<int>(TScrollCode::scPageDown));
  TLoggingControl *first, *second;
  TForm* form = FormWithTwo(first, second);
  int formWheels = 0;
  form->SetOnMouseWheel(
      TMouseWheelEvent([&](TObject*, TShiftState, int, TPoint, bool&) { ++formWheels; }));
  ClickControl(first, {10, 10});
  ASSERT_TRUE(PumpUntil([&] { return first->IsFocused(); }));
  m_log.clear();

  SendWheel(-WHEEL_DELTA);
  ASSERT_TRUE(PumpUntil([&] { return formWheels == 1; }))
      << "a control that does not scroll leaves the wheel to its parent";
  EXPECT_TRUE(m_log.empty());

  {
    const TWheelLinesScope lines(2);
    first->wheelKind = TcxMouseWheelScrollingKind::mwskVertical;
    SendWheel(-WHEEL_DELTA);
    ASSERT_TRUE(PumpUntil([&] { return m_log.size() >= 2; }));
    SendWheel(WHEEL_DELTA);
    ASSERT_TRUE(PumpUntil([&] { return m_log.size() >= 4; }));
    EXPECT_EQ(m_log, (std::vector<std::string>{lineDown, lineDown, lineUp, lineUp}));
    EXPECT_EQ(formWheels, 1) << "handled by the control";
  }
  {
    const TWheelLinesScope page(WHEEL_PAGESCROLL);
    EXPECT_EQ(Mouse->WheelScrollLines(), 0);
    EXPECT_TRUE(Mouse->WheelScrollsPage());
    m_log.clear();
    SendWheel(-WHEEL_DELTA);
    ASSERT_TRUE(PumpUntil([&] { return !m_log.empty(); }));
    Pump();
    EXPECT_EQ(m_log, (std::vector<std::string>{pageDown})) << "a page per notch: one page";
  }
  form->Free();
}

TEST_F(ControlBaseTest, PopupMenuIsAPopupMenuOrALibraryPopupAndForgetsAFreedOne) {
  TForm* form = ShownForm();
  TLoggingControl* control = Place(form, 10, 10);
  auto* menu = Create<TPopupMenu>(form);
  auto* popup = Create<TRecordingPopup>(form);
  auto* other = Create<TComponent>(form);

  control->SetPopupMenu(menu);
  EXPECT_EQ(control->PopupMenu(), menu);
  control->SetPopupMenu(other);
  EXPECT_EQ(control->PopupMenu(), nullptr) << "neither kind reads back as none";
  control->SetPopupMenu(popup);
  EXPECT_EQ(control->PopupMenu(), popup);
  popup->Free();
  EXPECT_EQ(control->PopupMenu(), nullptr);
  form->Free();
}

TEST_F(ControlBaseTest, ContextMenuOpensAtTheClickOrAtTheClientOriginFromTheKeyboard) {
  TLoggingControl *first, *second;
  TForm* form = FormWithTwo(first, second);
  auto* popup = Create<TRecordingPopup>(form);
  first->SetPopupMenu(popup);
  ClickControl(first, {10, 10});
  ASSERT_TRUE(PumpUntil([&] { return first->IsFocused(); }));

  const TPoint clicked = first->ClientToScreen({30, 20});
  RightClickAt(clicked);
  ASSERT_TRUE(PumpUntil([&] { return popup->popups.size() == 1; }));
  EXPECT_EQ(popup->popups[0], clicked);

  PressKey(VK_APPS);
  ASSERT_TRUE(PumpUntil([&] { return popup->popups.size() == 2; }));
  EXPECT_EQ(popup->popups[1], first->ClientToScreen({0, 0}));

  const TPoint outside = first->ClientToScreen({first->Width() + 5, 5});
  first->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(first->Handle()),
                 MAKELPARAM(outside.X, outside.Y));
  EXPECT_EQ(popup->popups.size(), 2u) << "outside the client area is not the control's";

  bool handled = false;
  first->SetOnContextPopup(TContextPopupEvent([&](TObject*, TPoint, bool& h) { h = handled; }));
  handled = true;
  RightClickAt(clicked);
  Pump();
  EXPECT_EQ(popup->popups.size(), 2u) << "the handler took it";
  form->Free();
}

// The platform's popup menu really opens; a thread timer inside its modal
// loop sees the menu window and closes it.
TEST_F(ControlBaseTest, RightClickOpensThePlatformPopupMenu) {
  TLoggingControl *first, *second;
  TForm* form = FormWithTwo(first, second);
  auto* menu = Create<TPopupMenu>(form);
  auto* item = Create<TMenuItem>(menu);
  item->SetCaption("Kopyala");
  menu->Items()->Add(item);
  first->SetPopupMenu(menu);
  menuSeen = false;
  int popups = 0;
  menu->SetOnPopup(TNotifyEvent([&](TObject*) {
    ++popups;
    ::SetTimer(nullptr, 0, 100, CloseMenu);
  }));
  RightClickAt(first->ClientToScreen({30, 20}));
  ASSERT_TRUE(PumpUntil([&] { return popups == 1; }));
  Pump();
  EXPECT_TRUE(menuSeen);
  EXPECT_EQ(menu->PopupComponent(), first);
  form->Free();
}

TEST_F(ControlBaseTest, MenuShortCutsOfTheControlAndItsLibraryParentsAreConsumed) {
  TForm* form = ShownForm();
  TLoggingControl* outer = Place(form, 10, 10);
  outer->SetBounds(10, 10, 200, 150);
  TLoggingControl* inner = Create<TLoggingControl>(form);
  inner->SetParent(outer);
  auto* popup = Create<TRecordingPopup>(form);
  popup->shortCut = 'K';
  outer->SetPopupMenu(popup);
  TMessage key{CN_KEYDOWN, 'K', 0, 0};
  EXPECT_TRUE(inner->IsMenuKey(key));
  EXPECT_EQ(inner->Perform(CN_KEYDOWN, 'K', 0), 1);
  TMessage other{CN_KEYDOWN, 'L', 0, 0};
  EXPECT_FALSE(inner->IsMenuKey(other));
  form->Free();
}

// The border comes from the painter of the control's look-and-feel: a
// frame in the shadow colour (UltraFlat), a sunken line (Flat) or two
// (Standard); the client bounds lie inside it.
TEST_F(ControlBaseTest, BorderIsDrawnByThePainterOfTheLookAndFeel) {
  TForm* form = ShownForm();
  TLoggingControl* control = Place(form, 10, 10);
  control->SetBorderStyle(TcxControlBorderStyle::cxcbsDefault);
  const auto rgb = [](TColor c) { return static_cast<std::uint32_t>(ColorToRGB(c)); };
  const auto swap = [](std::uint32_t bgr) {
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
  };
  struct TCase {
    TcxLookAndFeelKind kind;
    int border;
    TColor topLeft;
    TColor bottomRight;
  };
  const TCase cases[] = {
      {lfUltraFlat, 1, clBtnShadow, clBtnShadow},
      {lfFlat, 1, clBtnShadow, clBtnHighlight},
      {lfStandard, 2, clBtnShadow, clBtnHighlight},
  };
  const auto paint = [&](TcxLookAndFeelKind kind) {
    control->LookAndFeel()->SetKind(kind);
    TOwned<TcxBitmap> bitmap(Create<TcxBitmap>(80, 50));
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()));
    return bitmap;
  };
  for (const TCase& c : cases)
    paint(c.kind);
  Pump();
  {
    const TGdiObjectsUnchanged gdi;
    for (const TCase& c : cases) {
      const TOwned<TcxBitmap> bitmap = paint(c.kind);
      EXPECT_EQ(control->GetClientBounds(),
                (TRect{c.border, c.border, 80 - c.border, 50 - c.border}));
      const auto at = [&](int x, int y) { return PixelAt(bitmap.get(), x, y) & 0xFFFFFF; };
      EXPECT_EQ(at(0, 0), swap(rgb(c.topLeft))) << static_cast<int>(c.kind);
      EXPECT_EQ(at(79, 49), swap(rgb(c.bottomRight))) << static_cast<int>(c.kind);
      EXPECT_EQ(at(c.border, c.border), 0xFF0000u) << "the client starts inside the border";
      EXPECT_NE(at(c.border - 1, 25), 0xFF0000u) << "the border's left column";
    }
  }
  form->Free();
}

TEST_F(ControlBaseTest, LookAndFeelChangeRepaintsWithTheNewPainter) {
  TForm* form = ShownForm();
  TLoggingControl* control = Place(form, 10, 10);
  control->SetBorderStyle(TcxControlBorderStyle::cxcbsDefault);
  control->LookAndFeel()->SetKind(lfUltraFlat);
  ASSERT_TRUE(PumpUntil([&] { return control->paints > 0; }));
  EXPECT_EQ(control->paintedWith, PainterOf<TcxUltraFlatLookAndFeelPainter>());

  m_log.clear();
  const int paints = control->paints;
  RootLookAndFeel()->SetKind(lfFlat);
  EXPECT_TRUE(m_log.empty()) << "an own kind is not the root's";
  control->LookAndFeel()->Reset();
  EXPECT_EQ(m_log, (std::vector<std::string>{"LookAndFeelChanged"}));
  ASSERT_TRUE(PumpUntil([&] { return control->paints > paints; }));
  EXPECT_EQ(control->paintedWith, PainterOf<TcxFlatLookAndFeelPainter>());

  RootLookAndFeel()->SetKind(lfStandard);
  ASSERT_TRUE(PumpUntil([&] {
    return control->paintedWith == PainterOf<TcxStandardLookAndFeelPainter>();
  })) << "the root's change reaches a control that follows it";
  form->Free();
}

TEST_F(ControlBaseTest, FontChangeTellsTheListenersOnce) {
  TForm* form = ShownForm();
  TLoggingControl* control = Place(form, 10, 10);
  auto* listener = Create<TFontListener>(form);
  control->AddFontListener(listener);
  control->AddFontListener(listener);
  control->Font()->SetSize(14);
  EXPECT_EQ(listener->fonts, (std::vector<TFont*>{control->Font()}));
  control->RemoveFontListener(listener);
  control->Font()->SetSize(9);
  EXPECT_EQ(listener->fonts.size(), 1u);
  form->Free();
}

TEST_F(ControlBaseTest, MouseEnterAndLeaveComeOnceAndNeverToAFreedControl) {
  TLoggingControl *first, *second;
  TForm* form = FormWithTwo(first, second);
  IdleWithCursorAt(first->ClientToScreen({5, 5}));
  IdleWithCursorAt(first->ClientToScreen({10, 10}));
  IdleWithCursorAt(form->ClientToScreen({300, 200}));
  IdleWithCursorAt(form->ClientToScreen({310, 210}));
  EXPECT_EQ(m_log, (std::vector<std::string>{"MouseEnter", "MouseLeave"}));

  m_log.clear();
  IdleWithCursorAt(second->ClientToScreen({5, 5}));
  second->Free();
  IdleWithCursorAt(form->ClientToScreen({300, 200}));
  EXPECT_EQ(m_log, (std::vector<std::string>{"MouseEnter"})) << "nothing reaches the freed control";
  form->Free();
}

// Handlers that free the control end the message cleanly: nothing of the
// control runs afterwards (no focus change, no AfterMouseDown).
TEST_F(ControlBaseTest, ControlFreedInItsOwnHandlerEndsTheMessageCleanly) {
  TLoggingControl *first, *second;
  TForm* form = FormWithTwo(first, second);
  first->SetFocusOnClick(false);
  first->SetOnMouseDown(TMouseEvent([&](TObject* sender, TMouseButton, TShiftState, int, int) {
    m_log.push_back("OnMouseDown");
    static_cast<TControl*>(sender)->Free();
  }));
  ClickControl(first, {10, 10});
  ASSERT_TRUE(PumpUntil([&] { return !m_log.empty(); }));
  Pump();
  EXPECT_EQ(m_log, (std::vector<std::string>{"OnMouseDown"}));

  m_log.clear();
  ClickControl(second, {10, 10});
  ASSERT_TRUE(PumpUntil([&] { return second->IsFocused(); }));
  second->SetOnKeyDown(TKeyEvent([&](TObject* sender, WORD&, TShiftState) {
    m_log.push_back("OnKeyDown");
    static_cast<TControl*>(sender)->Free();
  }));
  m_log.clear();
  PressKey('A');
  ASSERT_TRUE(PumpUntil([&] { return m_log.size() >= 2; }));
  Pump();
  EXPECT_EQ(m_log, (std::vector<std::string>{"KeyDown 65", "OnKeyDown"}));

  form->Free();
}

TEST_F(ControlBaseTest, CanvasIsTheScreenCanvasUntilTheWindowExists) {
  TForm* form = ShownForm();
  auto* control = Create<TLoggingControl>(form);
  EXPECT_EQ(control->GetClientBounds(), (TRect{0, 0, 80, 50}));
  TcxCanvas* screen = control->ActiveCanvas();
  EXPECT_NE(screen, control->Canvas());
  EXPECT_EQ(control->ActiveCanvas(), screen) << "made once";
  control->SetParent(form);
  control->HandleNeeded();
  EXPECT_EQ(control->ActiveCanvas(), control->Canvas());
  EXPECT_NE(::GetWindowLongW(control->Handle(), GWL_STYLE) & WS_CLIPCHILDREN, 0);
  form->Free();
}

// A child component without an owner may outlive its control: it forgets
// the control when the control goes.
TEST_F(ControlBaseTest, ChildComponentsBelongToTheirControl) {
  TForm* form = ShownForm();
  TLoggingControl* control = Place(form, 10, 10);
  auto* owned = Create<TcxControlChildComponent>(control, true);
  EXPECT_EQ(owned->Owner(), form);
  EXPECT_EQ(owned->Control(), control);
  EXPECT_EQ(owned->GetParentComponent(), control);
  EXPECT_TRUE(owned->HasParent());
  TOwned<TcxControlChildComponent> loose(Create<TcxControlChildComponent>(control, false));
  EXPECT_EQ(loose->Owner(), nullptr);
  auto* streamed = Create<TcxControlChildComponent>(form);
  EXPECT_FALSE(streamed->HasParent());
  streamed->SetParentComponent(control);
  EXPECT_EQ(streamed->Control(), control);
  form->Free();
  EXPECT_EQ(loose->Control(), nullptr);
}

} // namespace
} // namespace controls_test
