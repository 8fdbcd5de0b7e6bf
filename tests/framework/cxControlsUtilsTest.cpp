// The control unit's shared routines: text, key and point rules as tables,
// the work area and hourglass counter, popup menus of either kind, and modal
// drag detection driven by real input.
#include "framework/cxControls.h"

#include "platform/controls/Screen.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/framework/cxControlsTestSupport.h"

namespace controls_test {
namespace {

using enum TcxDirection;

class UtilsTest : public TControlServicesTest {};

TEST(ControlsUtils, RemoveAccelChars) {
  const std::pair<std::string, std::string> cases[] = {
      {"&File", "File"}, {"Save && Quit", "Save & Quit"}, {"Kes&", "Kes_"},
      {"", ""},          {"&&&Dosya", "&Dosya"},          {"\xC7\xFDk&\xFD\xFE", "\xC7\xFDk\xFD\xFE"},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(RemoveAccelChars(text), expected) << text;
}

TEST(ControlsUtils, NumericCharsByTypeFollowTheDecimalSeparator) {
  const char saved = FormatSettings().DecimalSeparator;
  FormatSettings().DecimalSeparator = ',';
  using enum TcxNumberType;
  struct TCase {
    char C;
    bool Integer, Float, Exponent;
  };
  const TCase cases[] = {{'5', true, true, true},    {'-', true, true, true},
                         {'+', true, true, true},    {',', false, true, true},
                         {'.', false, false, false}, {'e', false, false, true},
                         {'E', false, false, true},  {'x', false, false, false}};
  for (const TCase& c : cases) {
    EXPECT_EQ(IsNumericChar(c.C, ntInteger), c.Integer) << c.C;
    EXPECT_EQ(IsNumericChar(c.C, ntFloat), c.Float) << c.C;
    EXPECT_EQ(IsNumericChar(c.C, ntExponent), c.Exponent) << c.C;
  }
  FormatSettings().DecimalSeparator = saved;
  EXPECT_FALSE(IsTextChar('\x1F'));
  EXPECT_TRUE(IsTextChar(' '));
  EXPECT_TRUE(IsTextChar('\xFD')) << "ı in code page 1254";
}

TEST(ControlsUtils, PointPositionAgainstDiagonalsAndCentres) {
  const TRect r{0, 0, 100, 50};
  struct TCase {
    TPoint P;
    bool Horz, Vert;
    TcxDirection Expected;
  };
  const TCase cases[] = {
      {{50, 5}, true, true, dirUp},      {{50, 45}, true, true, dirDown},
      {{5, 25}, true, true, dirLeft},    {{95, 25}, true, true, dirRight},
      {{49, 0}, true, false, dirLeft},   {{50, 0}, true, false, dirRight},
      {{0, 24}, false, true, dirUp},     {{0, 25}, false, true, dirDown},
      {{10, 10}, false, false, dirNone},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(GetPointPosition(r, c.P, c.Horz, c.Vert), c.Expected) << c.P.X << "," << c.P.Y;
}

TEST(ControlsUtils, KeysPassUnchanged) {
  EXPECT_EQ(TranslateKey(VK_F4), VK_F4);
}

TEST_F(UtilsTest, MakeVisibleOnDesktopKeepsTheTopLeftCornerInTheWorkArea) {
  const TRect area = GetDesktopWorkArea({10, 10});
  RECT primary;
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &primary, 0);
  EXPECT_EQ(area.Right, primary.right);
  EXPECT_EQ(area.Bottom, primary.bottom);

  TRect beyond{area.Right - 10, area.Bottom - 10, area.Right + 90, area.Bottom + 40};
  MakeVisibleOnDesktop(beyond, beyond.TopLeft());
  EXPECT_EQ(beyond.Right, area.Right);
  EXPECT_EQ(beyond.Bottom, area.Bottom);

  TRect huge{-50, -50, area.Right + 500, area.Bottom + 500};
  MakeVisibleOnDesktop(huge, {0, 0});
  EXPECT_EQ(huge.Left, area.Left);
  EXPECT_EQ(huge.Top, area.Top);
}

TEST_F(UtilsTest, HourglassRestoresTheCursorAfterTheLastHide) {
  Screen->SetCursor(crDefault);
  HideHourglassCursor();
  EXPECT_EQ(Screen->Cursor(), crDefault) << "a hide without a show does nothing";
  ShowHourglassCursor();
  ShowHourglassCursor();
  EXPECT_EQ(Screen->Cursor(), crHourGlass);
  HideHourglassCursor();
  EXPECT_EQ(Screen->Cursor(), crHourGlass);
  HideHourglassCursor();
  EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(UtilsTest, LibraryCursorsAreRegistered) {
  for (TCursor id : {crDragCopy, crFullScroll, crLeftScroll, crcxColorPicker, crcxHandPoint})
    EXPECT_NE(Screen->Cursors(id), nullptr) << id;
}

class TOwnPopup : public TComponent, public IcxPopupMenu {
  OBJECT_CLASS(TOwnPopup, TComponent)
public:
  using TComponent::TComponent;
  TPoint shownAt{-1, -1};
  bool IsShortCutKey(const TMessage& message) override { return message.WParam == VK_F2; }
  void Popup(int X, int Y) override { shownAt = {X, Y}; }
};

TEST_F(UtilsTest, PopupMenuRoutinesTakeEitherKind) {
  TForm* form = Create<TForm>(Application, 0);
  TOwnPopup* own = Create<TOwnPopup>(form);
  EXPECT_TRUE(ShowPopupMenu(form, own, 30, 40));
  EXPECT_EQ(own->shownAt, (TPoint{30, 40}));
  EXPECT_TRUE(IsPopupMenuShortCut(own, TMessage{WM_KEYDOWN, VK_F2, 0, 0}));
  EXPECT_FALSE(IsPopupMenuShortCut(own, TMessage{WM_KEYDOWN, VK_F3, 0, 0}));

  TPopupMenu* menu = Create<TPopupMenu>(form);
  menu->SetAutoPopup(false);
  EXPECT_FALSE(ShowPopupMenu(form, menu, 30, 40));
  EXPECT_EQ(menu->PopupComponent(), nullptr);
  EXPECT_FALSE(ShowPopupMenu(form, nullptr, 30, 40));
  EXPECT_FALSE(ShowPopupMenu(form, form, 30, 40));
  EXPECT_FALSE(IsPopupMenuShortCut(menu, TMessage{WM_KEYDOWN, VK_F2, 0, 0})) << "no items";
  EXPECT_EQ(GetPopupMenuHeight(menu), 4);
  form->Free();
}

// Input that arrives while DragDetect's loop runs: a timer posts it.
std::vector<INPUT> pendingInput;
void CALLBACK SendPendingInput(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  ::SendInput(static_cast<UINT>(pendingInput.size()), pendingInput.data(), sizeof(INPUT));
}

INPUT MouseInput(DWORD flags, TPoint screen = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_MOVE) {
    input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = MulDiv(screen.X, 65536, ::GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(screen.Y, 65536, ::GetSystemMetrics(SM_CYSCREEN));
  }
  return input;
}

INPUT EscapeInput(bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = VK_ESCAPE;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

TEST_F(UtilsTest, DragDetectAnswersDragReleaseOrCancel) {
  TForm* form = Create<TForm>(Application, 0);
  form->SetBounds(100, 100, 300, 200);
  form->Show();
  Pump();
  const TPoint start = form->ClientToScreen({50, 50});
  const int threshold = ::GetSystemMetrics(SM_CXDRAG);
  struct TCase {
    const char* Name;
    std::vector<INPUT> Input;
    TcxDragDetect Expected;
  };
  const TCase cases[] = {
      {"release inside",
       {MouseInput(MOUSEEVENTF_MOVE, {start.X + 1, start.Y}), MouseInput(MOUSEEVENTF_LEFTUP)},
       TcxDragDetect::ddNone},
      {"move beyond the threshold",
       {MouseInput(MOUSEEVENTF_MOVE, {start.X + threshold + 3, start.Y})},
       TcxDragDetect::ddDrag},
      {"escape", {EscapeInput(false), EscapeInput(true)}, TcxDragDetect::ddCancel},
  };
  for (const TCase& c : cases) {
    ::SetCursorPos(start.X, start.Y);
    Pump();
    pendingInput = c.Input;
    ::SetTimer(nullptr, 0, 20, SendPendingInput);
    EXPECT_EQ(DragDetect(form->Handle()), c.Expected) << c.Name;
    EXPECT_NE(::GetCapture(), form->Handle()) << c.Name;
    ::SendInput(1, std::vector{MouseInput(MOUSEEVENTF_LEFTUP)}.data(), sizeof(INPUT));
    Pump();
  }
  form->Free();
}

} // namespace
} // namespace controls_test
