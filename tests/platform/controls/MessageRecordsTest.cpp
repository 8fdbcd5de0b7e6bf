// Typed message records: each reads the parameters the platform packs into
// wParam and lParam (signed coordinates, high and low words, handles and
// structures) and writes the answer and the changed key back into the
// message it views.
#include "platform/controls/MessageRecords.h"

#include "tests/support/GTest.h"

namespace {

using enum TShiftStateItem;

TMessage Make(UINT msg, WPARAM wParam, LPARAM lParam) { return TMessage{msg, wParam, lParam, 0}; }

struct PointCase {
  int x;
  int y;
};

class MessageRecordsPointTest : public testing::TestWithParam<PointCase> {};

// Points left of or above a window come packed as 16-bit two's complement.
TEST_P(MessageRecordsPointTest, PointsKeepTheirSign) {
  const PointCase c = GetParam();
  TMessage message = Make(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({c.x, c.y}));
  const TWMMouse mouse(message);
  EXPECT_EQ(mouse.Pos(), (TPoint{c.x, c.y}));
  EXPECT_EQ(mouse.XPos(), c.x);
  EXPECT_EQ(mouse.YPos(), c.y);
  EXPECT_EQ(TWMContextMenu(message).Pos(), (TPoint{c.x, c.y}));
  EXPECT_EQ(TCMHitTest(message).Pos(), (TPoint{c.x, c.y}));
  EXPECT_EQ(TWMNCHitTest(message).Pos(), (TPoint{c.x, c.y}));
}

INSTANTIATE_TEST_SUITE_P(Points, MessageRecordsPointTest,
                         testing::Values(PointCase{0, 0}, PointCase{12, 34}, PointCase{-5, -7},
                                         PointCase{32767, -32768}, PointCase{-1, 200}));

TEST(MessageRecordsTest, MouseKeysAndShift) {
  TMessage message = Make(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT | MK_CONTROL, 0);
  const TWMMouse mouse(message);
  EXPECT_EQ(mouse.Keys(), MK_LBUTTON | MK_SHIFT | MK_CONTROL);
  EXPECT_TRUE(mouse.Shift().Contains(ssLeft));
  EXPECT_TRUE(mouse.Shift().Contains(ssShift));
  EXPECT_TRUE(mouse.Shift().Contains(ssCtrl));
  EXPECT_FALSE(mouse.Shift().Contains(ssRight));
}

struct WheelCase {
  int delta;
  WORD keys;
};

class MessageRecordsWheelTest : public testing::TestWithParam<WheelCase> {};

TEST_P(MessageRecordsWheelTest, DeltaIsSignedAndKeysAreApart) {
  const WheelCase c = GetParam();
  TMessage message =
      Make(WM_MOUSEWHEEL, MAKEWPARAM(c.keys, static_cast<WORD>(c.delta)), PointToLParam({300, -2}));
  const TWMMouseWheel wheel(message);
  EXPECT_EQ(wheel.WheelDelta(), c.delta);
  EXPECT_EQ(wheel.Keys(), c.keys);
  EXPECT_EQ(wheel.Pos(), (TPoint{300, -2}));
}

INSTANTIATE_TEST_SUITE_P(Wheel, MessageRecordsWheelTest,
                         testing::Values(WheelCase{WHEEL_DELTA, 0}, WheelCase{-WHEEL_DELTA, 0},
                                         WheelCase{-3 * WHEEL_DELTA, MK_CONTROL},
                                         WheelCase{1, MK_SHIFT | MK_MBUTTON}));

TEST(MessageRecordsTest, KeyReadsAndWritesTheCharCode) {
  constexpr LPARAM altDown = LPARAM{1} << 29;
  TMessage message = Make(WM_SYSKEYDOWN, 'A', altDown | 1);
  TWMKey key(message);
  EXPECT_EQ(key.CharCode(), 'A');
  EXPECT_EQ(key.KeyData(), altDown | 1);
  EXPECT_TRUE(key.Shift().Contains(ssAlt));
  key.SetCharCode(0);
  EXPECT_EQ(message.WParam, 0u);
  EXPECT_EQ(message.LParam, altDown | 1);
}

TEST(MessageRecordsTest, ResultWritesIntoTheViewedMessage) {
  TMessage message = Make(WM_GETDLGCODE, 0, 0);
  TWMGetDlgCode record(message);
  EXPECT_EQ(record.KeyMessage(), nullptr);
  record.SetResult(DLGC_WANTARROWS);
  EXPECT_EQ(message.Result, DLGC_WANTARROWS);
  EXPECT_EQ(record.Result(), DLGC_WANTARROWS);
  EXPECT_EQ(&record.Message(), &message);
  EXPECT_EQ(record.Msg(), static_cast<UINT>(WM_GETDLGCODE));
}

TEST(MessageRecordsTest, SizeScrollAndCommandWords) {
  TMessage size = Make(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480));
  EXPECT_EQ(TWMSize(size).SizeType(), static_cast<UINT>(SIZE_MAXIMIZED));
  EXPECT_EQ(TWMSize(size).Width(), 640);
  EXPECT_EQ(TWMSize(size).Height(), 480);

  HWND bar = reinterpret_cast<HWND>(0x1234);
  TMessage scroll =
      Make(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 65535), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(TWMScroll(scroll).ScrollCode(), SB_THUMBTRACK);
  EXPECT_EQ(TWMScroll(scroll).Pos(), -1);
  EXPECT_EQ(TWMScroll(scroll).ScrollBar(), bar);

  TMessage command = Make(WM_COMMAND, MAKEWPARAM(1001, EN_CHANGE), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(TWMCommand(command).ItemID(), 1001);
  EXPECT_EQ(TWMCommand(command).NotifyCode(), EN_CHANGE);
  EXPECT_EQ(TWMCommand(command).Ctl(), bar);

  TMessage menu = Make(WM_COMMAND, MAKEWPARAM(7, 0), 0);
  EXPECT_EQ(TWMCommand(menu).Ctl(), nullptr);
}

TEST(MessageRecordsTest, ActivationAndSystemCommand) {
  HWND other = reinterpret_cast<HWND>(0x42);
  TMessage activate =
      Make(WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1), reinterpret_cast<LPARAM>(other));
  EXPECT_EQ(TWMActivate(activate).Active(), WA_CLICKACTIVE);
  EXPECT_TRUE(TWMActivate(activate).Minimized());
  EXPECT_EQ(TWMActivate(activate).ActiveWindow(), other);

  TMessage app = Make(WM_ACTIVATEAPP, 0, 77);
  EXPECT_FALSE(TWMActivateApp(app).Active());
  EXPECT_EQ(TWMActivateApp(app).ThreadId(), 77u);

  // The platform keeps its own use of the low four bits of the command.
  TMessage sys = Make(WM_SYSCOMMAND, SC_MINIMIZE | 0x2, 0);
  EXPECT_EQ(TWMSysCommand(sys).CmdType(), static_cast<UINT>(SC_MINIMIZE));
}

TEST(MessageRecordsTest, SetCursorHitTestIsSigned) {
  HWND window = reinterpret_cast<HWND>(0x99);
  TMessage message = Make(WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                          MAKELPARAM(static_cast<WORD>(HTERROR), WM_LBUTTONDOWN));
  const TWMSetCursor record(message);
  EXPECT_EQ(record.CursorWnd(), window);
  EXPECT_EQ(record.HitTest(), HTERROR);
  EXPECT_EQ(record.MouseMsg(), static_cast<UINT>(WM_LBUTTONDOWN));
}

TEST(MessageRecordsTest, ContextMenuFromTheKeyboard) {
  TMessage keyboard = Make(WM_CONTEXTMENU, 0, PointToLParam({-1, -1}));
  EXPECT_TRUE(TWMContextMenu(keyboard).FromKeyboard());
  TMessage mouse = Make(WM_CONTEXTMENU, 0, PointToLParam({-1, 5}));
  EXPECT_FALSE(TWMContextMenu(mouse).FromKeyboard());
}

TEST(MessageRecordsTest, StructuresArePassedThrough) {
  DRAWITEMSTRUCT draw{};
  TMessage drawItem = Make(WM_DRAWITEM, 3, reinterpret_cast<LPARAM>(&draw));
  EXPECT_EQ(TWMDrawItem(drawItem).DrawItemStruct(), &draw);
  EXPECT_EQ(TWMDrawItem(drawItem).Ctl(), 3u);

  WINDOWPOS pos{};
  TMessage posChanged = Make(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  EXPECT_EQ(TWMWindowPosMsg(posChanged).WindowPos(), &pos);

  NCCALCSIZE_PARAMS params{};
  TMessage calc = Make(WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
  EXPECT_TRUE(TWMNCCalcSize(calc).CalcValidRects());
  EXPECT_EQ(TWMNCCalcSize(calc).CalcSizeParams(), &params);
}

TEST(MessageRecordsTest, PrintFlagsCanBeChanged) {
  HDC dc = reinterpret_cast<HDC>(0x10);
  TMessage message = Make(WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_NONCLIENT);
  TWMPrint print(message);
  EXPECT_EQ(print.DC(), dc);
  print.SetFlags(print.Flags() & ~static_cast<DWORD>(PRF_NONCLIENT));
  EXPECT_EQ(message.LParam, PRF_CLIENT);
}

TEST(MessageRecordsTest, ParentColourAndFontCarryTheirValueOrNone) {
  TMessage own = Make(CM_PARENTCOLORCHANGED, 0, 0);
  EXPECT_FALSE(TCMParentColorChanged(own).HasColor());
  TMessage given = Make(CM_PARENTCOLORCHANGED, 1, clRed);
  EXPECT_TRUE(TCMParentColorChanged(given).HasColor());
  EXPECT_EQ(TCMParentColorChanged(given).Color(), clRed);
}

} // namespace
