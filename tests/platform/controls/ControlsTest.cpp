// Windowed controls under a real X server: activation and focus, text kept
// with and without a window, parent colour and font, alignment, the mouse
// in the platform's order, keys, tab order, and controls that survive their
// handlers.
#include "tests/platform/controls/ControlsTestSupport.h"

#include "platform/controls/Screen.h"
#include "platform/rtl/WideText.h"
#include "tests/support/GdiObjects.h"

namespace controls_test {
namespace {

using enum TShiftStateItem;

class ControlsTest : public TControlsTest {
protected:
  TForm* NewForm(int left = 100) {
    TForm* form = Create<TForm>(Application, 0);
    form->SetBounds(left, 100, 400, 300);
    return form;
  }

  template <class T>
  T* Place(TWinControl* parent, int left, int top) {
    T* control = Create<T>(parent);
    control->SetLeft(left);
    control->SetTop(top);
    control->SetParent(parent);
    return control;
  }

  std::vector<std::string> m_log;
  std::vector<UINT> m_messages;
  TNotifyEvent Logger(std::string text) {
    return TNotifyEvent([this, text](TObject*) { m_log.push_back(text); });
  }
};

// The ground every focus test stands on: under Xvfb without a window
// manager, a shown form becomes the active window and its first tab stop
// takes the focus; a click activates another form.
TEST_F(ControlsTest, ShownFormBecomesActiveAndFocusesItsFirstTabStop) {
  TForm* first = NewForm();
  auto* edit = Place<TTestEdit>(first, 10, 10);
  first->Show();
  Pump();
  EXPECT_EQ(::GetActiveWindow(), first->Handle());
  EXPECT_EQ(::GetFocus(), edit->Handle());
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(Screen->ActiveForm(), first);
  EXPECT_EQ(Screen->ActiveControl(), edit);

  TForm* second = NewForm(600);
  second->Show();
  Pump();
  ASSERT_EQ(::GetActiveWindow(), second->Handle());
  ClickControl(first, {200, 200});
  EXPECT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == first->Handle(); }));
  EXPECT_TRUE(PumpUntil([&] { return edit->Focused(); }));
}

TEST(ControlMessagesTest, NumberingFollowsThePlatform) {
  struct {
    UINT message;
    UINT expected;
  } const cases[] = {
      {CM_BASE, 0xB000},           {CM_ACTIVATE, 0xB000},     {CM_DIALOGKEY, 0xB005},
      {CM_DIALOGCHAR, 0xB006},     {CM_FOCUSCHANGED, 0xB007}, {CM_PARENTFONTCHANGED, 0xB008},
      {CM_PARENTCOLORCHANGED, 0xB009}, {CM_VISIBLECHANGED, 0xB00B}, {CM_ENABLEDCHANGED, 0xB00C},
      {CM_COLORCHANGED, 0xB00D},   {CM_FONTCHANGED, 0xB00E},  {CM_CURSORCHANGED, 0xB00F},
      {CM_TEXTCHANGED, 0xB012},    {CM_MOUSEENTER, 0xB013},   {CM_MOUSELEAVE, 0xB014},
      {CM_SHOWINGCHANGED, 0xB019}, {CM_ENTER, 0xB01A},        {CM_EXIT, 0xB01B},
      {CM_DESIGNHITTEST, 0xB01C},  {CM_WANTSPECIALKEY, 0xB01E}, {CM_SYSCOLORCHANGE, 0xB024},
      {CM_WININICHANGE, 0xB025},   {CM_RECREATEWND, 0xB033},  {CM_MOUSEWHEEL, 0xB043},
      {CN_COMMAND, 0xBD11},        {CN_KEYDOWN, 0xBD00},      {CN_KEYUP, 0xBD01},
      {CN_CHAR, 0xBD02},           {CN_SYSKEYDOWN, 0xBD04},   {CN_CTLCOLOREDIT, 0xBD33},
      {CN_CTLCOLORSTATIC, 0xBD38}, {CN_CTLCOLORSCROLLBAR, 0xBD37}, {CN_DRAWITEM, 0xBC2B},
      {CN_HSCROLL, 0xBD14},        {CN_VSCROLL, 0xBD15},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.message, c.expected) << std::hex << c.expected;
}

// Text lives in the control until it has a window, then in the window, and
// back in the control when the window goes; Turkish letters survive.
TEST_F(ControlsTest, TextSurvivesWindowLifeAndKeepsTurkishLetters) {
  const std::string turkish = "\xE7\xF0\xFD\xDD\xF6\xFE\xFC \xC7\xD0I\xD6\xDE\xDC";
  TForm* form = NewForm();
  auto* edit = Place<TTestEdit>(form, 10, 10);
  edit->SetWindowProc(TWndMethod([this, edit](TMessage& m) {
    if (m.Msg == CM_TEXTCHANGED)
      m_messages.push_back(m.Msg);
    edit->WndProc(m);
  }));
  edit->SetText(turkish);
  edit->SetText(turkish);
  EXPECT_EQ(m_messages.size(), 1u);
  EXPECT_FALSE(edit->HandleAllocated());
  EXPECT_EQ(edit->Text(), turkish);
  EXPECT_EQ(edit->GetTextLen(), static_cast<int>(turkish.size()));

  form->Show();
  ASSERT_TRUE(edit->HandleAllocated());
  std::u16string wide(64, u'\0');
  wide.resize(static_cast<std::size_t>(::GetWindowTextW(edit->Handle(), WidePtr(wide), 64)));
  EXPECT_EQ(wide, u"\u00E7\u011F\u0131\u0130\u00F6\u015F\u00FC \u00C7\u011EI\u00D6\u015E\u00DC");
  EXPECT_EQ(edit->Text(), turkish);

  edit->RecreateWnd();
  EXPECT_TRUE(edit->HandleAllocated());
  EXPECT_EQ(edit->Text(), turkish);
  edit->SetParent(nullptr);
  EXPECT_FALSE(edit->HandleAllocated());
  EXPECT_EQ(edit->Text(), turkish);
}

// A new window for the focused control takes the focus back without the
// control seeming to leave and enter again.
TEST_F(ControlsTest, NewWindowOfTheFocusedControlTakesTheFocusSilently) {
  TForm* form = NewForm();
  auto* edit = Place<TTestEdit>(form, 10, 10);
  Place<TTestEdit>(form, 10, 40);
  edit->SetOnEnter(Logger("enter"));
  edit->SetOnExit(Logger("exit"));
  form->Show();
  ASSERT_TRUE(edit->Focused());
  m_log.clear();
  HWND old = edit->Handle();
  edit->RecreateWnd();
  Pump();
  EXPECT_NE(edit->Handle(), old);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(form->ActiveControl(), edit);
  EXPECT_TRUE(m_log.empty()) << m_log.size();
}

TEST_F(ControlsTest, ChildrenFollowTheParentColourAndFontUntilGivenTheirOwn) {
  TForm* form = NewForm();
  form->SetColor(clYellow);
  form->Font()->SetName("Tahoma");
  auto* box = Place<TTestBox>(form, 0, 0);
  EXPECT_EQ(box->Color(), clYellow);
  EXPECT_TRUE(box->ParentColor());
  EXPECT_EQ(box->Font()->Name(), "Tahoma");
  EXPECT_TRUE(box->ParentFont());

  form->SetColor(clAqua);
  form->Font()->SetHeight(-20);
  EXPECT_EQ(box->Color(), clAqua);
  EXPECT_EQ(box->Font()->Height(), -20);

  box->SetColor(clRed);
  box->Font()->SetName("Arial");
  EXPECT_FALSE(box->ParentColor());
  EXPECT_FALSE(box->ParentFont());
  form->SetColor(clLime);
  form->Font()->SetHeight(-9);
  EXPECT_EQ(box->Color(), clRed);
  EXPECT_EQ(box->Font()->Height(), -20);

  box->SetParentColor(true);
  box->SetParentFont(true);
  EXPECT_EQ(box->Color(), clLime);
  EXPECT_EQ(box->Font()->Name(), "Tahoma");
  EXPECT_TRUE(box->ParentColor());
  EXPECT_TRUE(box->ParentFont());
}

TEST_F(ControlsTest, AlignedChildrenShareTheClientArea) {
  TForm* form = NewForm();
  form->SetClientWidth(300);
  form->SetClientHeight(200);
  auto* lower = Place<TTestBox>(form, 0, 50);
  auto* upper = Place<TTestBox>(form, 0, 10);
  auto* bottom = Place<TTestBox>(form, 0, 0);
  auto* left = Place<TTestBox>(form, 0, 0);
  auto* right = Place<TTestBox>(form, 0, 0);
  auto* client = Place<TTestBox>(form, 0, 0);
  lower->SetHeight(30);
  upper->SetHeight(20);
  bottom->SetHeight(25);
  left->SetWidth(40);
  right->SetWidth(50);
  upper->SetAlign(TAlign::alTop);
  lower->SetAlign(TAlign::alTop);
  bottom->SetAlign(TAlign::alBottom);
  left->SetAlign(TAlign::alLeft);
  right->SetAlign(TAlign::alRight);
  client->SetAlign(TAlign::alClient);

  const struct {
    TControl* control;
    TRect bounds;
  } expected[] = {
      {upper, Bounds(0, 0, 300, 20)},    {lower, Bounds(0, 20, 300, 30)},
      {bottom, Bounds(0, 175, 300, 25)}, {left, Bounds(0, 50, 40, 125)},
      {right, Bounds(250, 50, 50, 125)}, {client, Bounds(40, 50, 210, 125)},
  };
  for (const auto& e : expected)
    EXPECT_EQ(e.control->BoundsRect(), e.bounds) << e.control->Top();

  form->SetClientHeight(300);
  EXPECT_EQ(bottom->BoundsRect(), Bounds(0, 275, 300, 25));
  EXPECT_EQ(client->BoundsRect(), Bounds(40, 50, 210, 225));
  lower->SetHeight(35);
  EXPECT_EQ(lower->BoundsRect(), Bounds(0, 20, 300, 35));
  EXPECT_EQ(client->BoundsRect(), Bounds(40, 55, 210, 220));
  upper->SetVisible(false);
  EXPECT_EQ(lower->Top(), 0);
}

// Down, up (click), double click: the events in the platform's order.
TEST_F(ControlsTest, MouseEventsComeInThePlatformsOrder) {
  TForm* form = NewForm();
  auto* box = Place<TTestBox>(form, 10, 10);
  box->SetOnMouseDown(TMouseEvent([&](TObject*, TMouseButton, TShiftState shift, int x, int y) {
    m_log.push_back(std::string("Down") + (shift.Contains(ssDouble) ? "Double " : " ") +
                    std::to_string(x) + "," + std::to_string(y));
  }));
  box->SetOnMouseUp(TMouseEvent(
      [&](TObject*, TMouseButton, TShiftState, int, int) { m_log.push_back("Up"); }));
  box->SetOnClick(Logger("Click"));
  box->SetOnDblClick(Logger("DblClick"));
  form->Show();
  HWND window = box->Handle();
  const LPARAM at = MAKELPARAM(3, 4);
  ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageW(window, WM_LBUTTONUP, 0, at);
  ::PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  ::PostMessageW(window, WM_LBUTTONUP, 0, at);
  ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(500, 4));
  Pump();
  const std::vector<std::string> expected = {
      "Down 3,4", "Click", "Up", "DblClick", "DownDouble 3,4", "Up", "Down 3,4", "Up"};
  EXPECT_EQ(m_log, expected);
}

TEST_F(ControlsTest, PressingTheButtonCapturesTheMouseUntilRelease) {
  TForm* form = NewForm();
  auto* box = Place<TTestBox>(form, 10, 10);
  form->Show();
  box->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  EXPECT_EQ(::GetCapture(), box->Handle());
  EXPECT_TRUE(box->MouseCapture());
  box->Perform(WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  EXPECT_EQ(::GetCapture(), nullptr);
}

// A windowless control gets the mouse from its parent's window, in its own
// coordinates, and is painted into its parent's window; WM_PAINT with a
// device context paints into that context.
TEST_F(ControlsTest, WindowlessChildGetsTheMouseAndPaintsThroughItsParent) {
  TForm* form = NewForm();
  form->SetColor(clWhite);
  auto* graphic = Place<TTestGraphic>(form, 30, 40);
  auto* box = Place<TTestBox>(form, 200, 40);
  box->paintColor = clBlue;
  graphic->SetOnMouseDown(TMouseEvent([&](TObject*, TMouseButton, TShiftState, int x, int y) {
    m_log.push_back(std::to_string(x) + "," + std::to_string(y));
  }));
  graphic->SetOnClick(Logger("Click"));
  form->Show();
  ::PostMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(35, 47));
  ::PostMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(35, 47));
  Pump();
  EXPECT_EQ(m_log, (std::vector<std::string>{"5,7", "Click"}));

  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 400, 300);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  form->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory));
  form->Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory));
  EXPECT_EQ(::GetPixel(memory, 35, 45), RGB(255, 0, 0));
  EXPECT_EQ(::GetPixel(memory, 25, 45), RGB(255, 255, 255));
  box->Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory));
  EXPECT_EQ(::GetPixel(memory, 3, 3), RGB(0, 0, 255));
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
}

// A windowed control whose painting raises, over an opaque windowless child
// (which makes the parent exclude the child's place from its clipping).
class TFailingPaintBox : public TTestBox {
  OBJECT_CLASS(TFailingPaintBox, TTestBox)
public:
  using TTestBox::TTestBox;

protected:
  void Paint() override {
    Canvas()->FillRect(ClientRect());
    throw EInvalidOperation("paint failed");
  }
};

// Moves add up, and drawing at (0, 0) lands at the sum.
TEST_F(ControlsTest, MoveWindowOrgShiftsWhereDrawingLands) {
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 40, 40);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::PatBlt(memory, 0, 0, 40, 40, BLACKNESS);
  MoveWindowOrg(memory, 10, 5);
  MoveWindowOrg(memory, -3, 2);
  ::SetPixel(memory, 0, 0, RGB(255, 0, 0));
  POINT origin;
  ::GetWindowOrgEx(memory, &origin);
  EXPECT_EQ(origin.x, -7);
  EXPECT_EQ(origin.y, -7);
  ::SetWindowOrgEx(memory, 0, 0, nullptr);
  EXPECT_EQ(::GetPixel(memory, 7, 7), RGB(255, 0, 0));
  EXPECT_EQ(::GetPixel(memory, 0, 0), RGB(0, 0, 0));
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
}

// Painting that raises gives the caller's device context back as it was: no
// saved level left, no clipping, and the control's canvas unbound.
TEST_F(ControlsTest, PaintingThatRaisesLeavesTheCallersContextAsItWas) {
  TForm* form = NewForm();
  auto* box = Place<TFailingPaintBox>(form, 10, 10);
  box->SetBounds(10, 10, 100, 60);
  auto* child = Place<TTestGraphic>(box, 5, 5);
  child->SetControlStyle(child->ControlStyle() + TControlStyle{TControlStyleItem::csOpaque});
  form->Show();
  Pump();
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 100, 60);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  HRGN clip = ::CreateRectRgn(0, 0, 0, 0);
  const int gdiBefore = CountGdiObjects();
  for (int cycle = 0; cycle < 50; ++cycle) {
    EXPECT_THROW(box->Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory)), EInvalidOperation);
    EXPECT_EQ(::SaveDC(memory), 1) << "a saved level was left";
    ::RestoreDC(memory, -1);
    EXPECT_EQ(::GetClipRgn(memory, clip), 0) << "clipping was left";
    EXPECT_FALSE(box->Canvas()->HandleAllocated());
  }
  EXPECT_EQ(CountGdiObjects(), gdiBefore);
  ::DeleteObject(clip);
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
}

TEST_F(ControlsTest, UnhandledWheelGoesUpToTheParent) {
  TForm* form = NewForm();
  auto* box = Place<TTestBox>(form, 10, 10);
  form->SetOnMouseWheel(
      TMouseWheelEvent([&](TObject* sender, TShiftState, int delta, TPoint, bool& handled) {
        m_log.push_back((sender == form ? "form " : "box ") + std::to_string(delta));
        handled = true;
      }));
  form->Show();
  EXPECT_EQ(box->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(20, 20)), 1);
  EXPECT_EQ(m_log, std::vector<std::string>{"form 120"});
}

// The key reaches KeyDown/KeyPress by reference: 0 swallows it, another
// character replaces it; the form sees keys first when it previews them.
TEST_F(ControlsTest, KeyHandlersSwallowOrReplaceKeys) {
  TForm* form = NewForm();
  auto* edit = Place<TTestEdit>(form, 10, 10);
  edit->SetOnKeyPress(TKeyPressEvent([&](TObject*, char& key) {
    m_log.push_back(std::string("press ") + key);
    if (key == 'x')
      key = '\0';
    else if (key == 'a')
      key = '\xFD';
  }));
  edit->SetOnKeyDown(TKeyEvent([&](TObject*, WORD& key, TShiftState) {
    if (key == VK_HOME)
      key = 0;
  }));
  form->SetKeyPreview(true);
  form->SetOnKeyPress(
      TKeyPressEvent([&](TObject*, char& key) { m_log.push_back(std::string("form ") + key); }));
  form->Show();
  ASSERT_TRUE(edit->Focused());
  for (char16_t c : std::u16string(u"ax\u015F"))
    TypeChar(c);
  PressKey(VK_HOME);
  TypeChar(u'c');
  EXPECT_TRUE(PumpUntil([&] { return m_log.size() >= 8; }));
  EXPECT_EQ(edit->Text(), "\xFD\xFE" "c");
  const std::vector<std::string> expected = {"form a",    "press a",    "form x", "press x",
                                             "form \xFE", "press \xFE", "form c", "press c"};
  EXPECT_EQ(m_log, expected);
}

TEST_F(ControlsTest, TabAndShiftTabFollowTheTabOrder) {
  TForm* form = NewForm();
  auto* first = Place<TTestEdit>(form, 10, 10);
  auto* third = Place<TTestEdit>(form, 10, 40);
  auto* skipped = Place<TTestBox>(form, 10, 70);
  auto* second = Place<TTestEdit>(form, 10, 100);
  auto* disabled = Place<TTestEdit>(form, 10, 130);
  second->SetTabOrder(1);
  skipped->SetTabStop(false);
  disabled->SetEnabled(false);
  first->SetOnExit(Logger("exit first"));
  second->SetOnEnter(Logger("enter second"));
  form->Show();
  ASSERT_TRUE(first->Focused());
  EXPECT_EQ(first->TabOrder(), 0);
  EXPECT_EQ(second->TabOrder(), 1);
  EXPECT_EQ(third->TabOrder(), 2);

  PressKey(VK_TAB);
  EXPECT_TRUE(PumpUntil([&] { return second->Focused(); }));
  EXPECT_EQ(m_log, (std::vector<std::string>{"exit first", "enter second"}));
  PressKey(VK_TAB);
  EXPECT_TRUE(PumpUntil([&] { return third->Focused(); }));
  PressKey(VK_TAB);
  EXPECT_TRUE(PumpUntil([&] { return first->Focused(); }));
  PressKey(VK_TAB, true);
  EXPECT_TRUE(PumpUntil([&] { return third->Focused(); }));
  EXPECT_EQ(form->ActiveControl(), third);
}

// A control that asks for Tab (WM_GETDLGCODE) keeps it.
TEST_F(ControlsTest, ControlWantingTabKeepsIt) {
  TForm* form = NewForm();
  auto* box = Place<TTestBox>(form, 10, 10);
  auto* edit = Place<TTestEdit>(form, 10, 40);
  box->SetWindowProc(TWndMethod([box](TMessage& m) {
    box->WndProc(m);
    if (m.Msg == WM_GETDLGCODE)
      m.Result = DLGC_WANTTAB;
  }));
  form->Show();
  ASSERT_TRUE(box->Focused());
  PressKey(VK_TAB);
  EXPECT_TRUE(PumpUntil([&] { return !box->log.empty(); }));
  EXPECT_TRUE(box->Focused());
  EXPECT_FALSE(edit->Focused());
  EXPECT_EQ(box->log[0], "KeyDown 9");
}

TEST_F(ControlsTest, ExceptionInHandlerShowsTheErrorBoxAndLeavesTheProgramRunning) {
  TForm* form = NewForm();
  auto* box = Place<TTestBox>(form, 10, 10);
  box->SetOnClick(TNotifyEvent([](TObject*) { throw EConvertError("'abc' is not a valid integer value"); }));
  form->Show();
  ::PostMessageW(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  ::PostMessageW(box->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  Pump();
  ASSERT_EQ(m_boxes.size(), 1u);
  EXPECT_EQ(m_boxes[0].Text, "'abc' is not a valid integer value.");
  EXPECT_EQ(m_boxes[0].Caption, Application->Title());
  EXPECT_EQ(m_boxes[0].Flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_TRUE(::IsWindow(box->Handle()));
}

// Handlers that free their own control, or the whole form, end the message
// quietly: nothing of the freed control runs afterwards.
TEST_F(ControlsTest, ControlFreedByItsOwnHandlerEndsTheMessageQuietly) {
  TForm* form = NewForm();
  auto* box = Place<TTestBox>(form, 10, 10);
  auto* other = Place<TTestBox>(form, 100, 10);
  box->SetOnClick(TNotifyEvent([box](TObject*) { box->Free(); }));
  other->SetOnKeyDown(TKeyEvent([form](TObject*, WORD&, TShiftState) { form->Free(); }));
  form->Show();
  HWND boxWindow = box->Handle();
  ::PostMessageW(boxWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  ::PostMessageW(boxWindow, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  Pump();
  EXPECT_FALSE(::IsWindow(boxWindow));
  EXPECT_EQ(form->ControlCount(), 1);

  HWND formWindow = form->Handle();
  other->SetFocus();
  PressKey('A');
  EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(formWindow); }));
  EXPECT_EQ(Screen->ActiveForm(), nullptr);
  EXPECT_TRUE(m_boxes.empty());
}

// Notifications a child sends its parent come back to the child as CN_*.
TEST_F(ControlsTest, NotificationsAreReflectedToTheChild) {
  TForm* form = NewForm();
  auto* edit = Place<TTestEdit>(form, 10, 10);
  std::vector<UINT>& reflected = m_messages;
  edit->SetWindowProc(TWndMethod([this, edit](TMessage& m) {
    if (m.Msg == CN_COMMAND || m.Msg == CN_CTLCOLOREDIT)
      m_messages.push_back(m.Msg);
    edit->WndProc(m);
  }));
  edit->SetColor(clYellow);
  form->Show();
  reflected.clear();
  edit->SetText("abc");
  EXPECT_NE(std::find(reflected.begin(), reflected.end(), CN_COMMAND), reflected.end());

  HDC dc = ::GetDC(edit->Handle());
  const auto brush = reinterpret_cast<HBRUSH>(
      ::SendMessageW(form->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(edit->Handle())));
  EXPECT_EQ(brush, edit->Brush()->Handle());
  EXPECT_EQ(::GetBkColor(dc), static_cast<COLORREF>(ColorToRGB(clYellow)));
  ::ReleaseDC(edit->Handle(), dc);
}

TEST_F(ControlsTest, MouseEnterAndLeaveFollowTheCursor) {
  TForm* form = NewForm();
  auto* box = Place<TTestBox>(form, 10, 10);
  auto* graphic = Place<TTestGraphic>(form, 100, 10);
  box->SetOnMouseEnter(Logger("enter box"));
  box->SetOnMouseLeave(Logger("leave box"));
  graphic->SetOnMouseEnter(Logger("enter graphic"));
  graphic->SetOnMouseLeave(Logger("leave graphic"));
  form->Show();
  Pump();
  // The application looks under the cursor when its queue runs dry; a timer
  // wakes its wait. Idles until the log reaches the given length, as a timer
  // message may come first and take the place of the idle.
  const auto idleAt = [&](TControl* control, std::size_t logLength) {
    const TPoint at = control->ClientToScreen({2, 2});
    ::SetCursorPos(at.X, at.Y);
    Pump();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 10, nullptr);
    for (int round = 0; round < 100 && m_log.size() < logLength; ++round)
      Application->HandleMessage();
    ::KillTimer(nullptr, timer);
  };
  idleAt(box, 1);
  idleAt(graphic, 3);
  idleAt(form, 4);
  const std::vector<std::string> expected = {"enter box", "leave box", "enter graphic",
                                             "leave graphic"};
  EXPECT_EQ(m_log, expected);
}

TEST_F(ControlsTest, DisabledOrHiddenControlsCannotTakeTheFocus) {
  TForm* form = NewForm();
  auto* edit = Place<TTestEdit>(form, 10, 10);
  form->Show();
  EXPECT_TRUE(edit->CanFocus());
  edit->SetEnabled(false);
  EXPECT_FALSE(edit->CanFocus());
  EXPECT_FALSE(::IsWindowEnabled(edit->Handle()));
  EXPECT_THROW(edit->SetFocus(), EInvalidOperation);
  edit->SetEnabled(true);
  edit->SetVisible(false);
  EXPECT_FALSE(::IsWindowVisible(edit->Handle()));
  EXPECT_FALSE(edit->Showing());
  EXPECT_FALSE(edit->CanFocus());
}

} // namespace
} // namespace controls_test
