// The container unit's shared routines: conversions, the string comparison
// in the Turkish locale, the bound GetScrollBarInfo, input state under real
// input, message removal with WM_QUIT kept, and the nested disabling of the
// application's windows.
#include "framework/cxContainerServices.h"
#include "framework/cxContainerStyles.h"

#include <vector>

#include "tests/framework/cxControlsTestSupport.h"

namespace controls_test {
namespace {

using enum TShiftStateItem;

class ContainerServicesTest : public TControlServicesTest {
protected:
  static void SetUpTestSuite() {
    TControlServicesTest::SetUpTestSuite();
    const TUnitInfo units[] = {cxContainerUnit};
    ProgramUnits().Start(units);
  }
};

// A plain top-level window of the process.
HWND MakeWindow(bool enabled = true) {
  HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | (enabled ? 0 : WS_DISABLED), 0, 0,
                                  10, 10, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  EXPECT_NE(window, nullptr);
  return window;
}

TEST_F(ContainerServicesTest, MouseButtonsConvert) {
  const struct {
    TMouseButton Button;
    TcxMouseButton cxButton;
    TShiftState Shift;
  } cases[] = {
      {TMouseButton::mbLeft, TcxMouseButton::cxmbLeft, {ssLeft}},
      {TMouseButton::mbRight, TcxMouseButton::cxmbRight, {ssRight}},
      {TMouseButton::mbMiddle, TcxMouseButton::cxmbMiddle, {ssMiddle}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ButtonTocxButton(c.Button), c.cxButton);
    EXPECT_EQ(MouseButtonToShift(c.Button), c.Shift);
  }
}

TEST_F(ContainerServicesTest, AssignFontsCopiesTheSource) {
  TOwned<TFont> source(Create<TFont>());
  TOwned<TFont> destination(Create<TFont>());
  source->SetName("Tahoma");
  source->SetSize(14);
  source->SetColor(clRed);
  AssignFonts(destination.get(), source.get());
  EXPECT_EQ(destination->Name(), "Tahoma");
  EXPECT_EQ(destination->Size(), 14);
  EXPECT_EQ(destination->Color(), clRed);
}

// Letter case follows the Turkish locale: i pairs with İ and ı with I.
TEST_F(ContainerServicesTest, StringsCompareWithOrWithoutLetterCase) {
  const struct {
    const char* S1;
    const char* S2;
    bool CaseSensitive;
    bool Expected;
  } cases[] = {
      {"abc", "abc", true, true},
      {"abc", "ABC", true, false},
      {"abc", "ABC", false, true},
      {"iki", "\xDDK\xDD", false, true},
      {"iki", "IKI", false, false},
      {"\xFDrmak", "IRMAK", false, true},
      {"\xE7\xF0\xF6\xFE\xFC", "\xC7\xD0\xD6\xDE\xDC", false, true},
      {"\xE7\xF0\xF6\xFE\xFC", "\xC7\xD0\xD6\xDE\xDC", true, false},
      {"abc", "abd", false, false},
      {"", "", true, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(InternalCompareString(c.S1, c.S2, c.CaseSensitive), c.Expected)
        << c.S1 << " / " << c.S2 << " " << c.CaseSensitive;
}

TEST_F(ContainerServicesTest, ScrollBarInfoComesFromThePlatformOrNotAtAll) {
  ASSERT_TRUE(UsecxScrollBars()) << "the platform has GetScrollBarInfo";
  HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_HSCROLL, 0, 0, 200,
                                  100, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  SCROLLBARINFO info{};
  EXPECT_NE(cxGetScrollBarInfo(window, OBJID_HSCROLL, info), 0);
  EXPECT_EQ(info.cbSize, 60u);
  EXPECT_EQ(info.rcScrollBar.bottom - info.rcScrollBar.top, ::GetSystemMetrics(SM_CYHSCROLL));

  // As on a system without the function.
  cxSetGetScrollBarInfoProc(nullptr);
  EXPECT_FALSE(UsecxScrollBars());
  SCROLLBARINFO none{};
  EXPECT_EQ(cxGetScrollBarInfo(window, OBJID_HSCROLL, none), 0);
  EXPECT_EQ(none.cbSize, 60u);
  cxContainerUnit.Finalization();
  cxContainerUnit.Initialization();
  EXPECT_TRUE(UsecxScrollBars()) << "the start-up binds it again";
  ::DestroyWindow(window);
}

TEST_F(ContainerServicesTest, WindowQueriesNeverMakeAWindow) {
  TForm* form = ShownForm();
  TTestBox* box = Create<TTestBox>(form);
  box->SetBounds(10, 10, 100, 80);
  box->SetVisible(false);
  box->SetParent(form);
  EXPECT_FALSE(InternalIsWindowVisible(box));
  InternalInvalidateRect(box, Rect(0, 0, 5, 5), false);
  EXPECT_FALSE(box->HandleAllocated());
  box->SetVisible(true);
  Pump();
  ASSERT_TRUE(box->HandleAllocated());
  EXPECT_TRUE(InternalIsWindowVisible(box));
  ::ValidateRect(box->Handle(), nullptr);
  InternalInvalidateRect(box, Rect(3, 4, 20, 30), false);
  RECT update{};
  EXPECT_TRUE(::GetUpdateRect(box->Handle(), &update, FALSE));
  EXPECT_EQ(*reinterpret_cast<TRect*>(&update), Rect(3, 4, 20, 30));
  EXPECT_EQ(NativeHandle(box->Handle()), box->Handle());
  form->Free();
}

TEST_F(ContainerServicesTest, CursorAndShiftStateFollowRealInput) {
  TForm* form = ShownForm();
  const TPoint point = form->ClientToScreen({40, 30});
  // Keys reach only the active window, which a click makes of the form.
  ClickAt(point);
  Pump();
  EXPECT_EQ(InternalGetCursorPos(), point);
  SendKey(VK_SHIFT, false);
  ASSERT_TRUE(PumpUntil([] { return InternalGetShiftState().Contains(ssShift); }));
  EXPECT_FALSE(InternalGetShiftState().Contains(ssCtrl));
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([] { return InternalGetShiftState().Contains(ssLeft); }));
  SendMouse(MOUSEEVENTF_LEFTUP);
  SendKey(VK_SHIFT, true);
  ASSERT_TRUE(PumpUntil([] { return InternalGetShiftState() == TShiftState{}; }));
  form->Free();
}

TEST_F(ContainerServicesTest, KillMessagesRemovesOneOrAllAndKeepsTheQuit) {
  HWND window = MakeWindow();
  HWND other = MakeWindow();
  auto post = [&] {
    for (UINT i = 0; i < 3; ++i)
      ::PostMessageW(window, WM_USER + i, 0, 0);
    ::PostMessageW(other, WM_USER, 0, 0);
    ::PostMessageW(window, WM_USER + 20, 0, 0);
    ::PostQuitMessage(7);
  };
  // The platform hands out a pending WM_QUIT whatever the window and range
  // asked for, once no posted message matches: count only after the quit
  // has been taken.
  auto pending = [](HWND w, UINT first, UINT last) {
    int count = 0;
    MSG msg;
    while (::PeekMessageW(&msg, w, first, last, PM_REMOVE)) {
      EXPECT_NE(msg.message, static_cast<UINT>(WM_QUIT));
      ++count;
    }
    return count;
  };
  auto quitCode = [] {
    MSG msg;
    return ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? static_cast<int>(msg.wParam)
                                                                      : -1;
  };

  post();
  EXPECT_TRUE(KillMessages(window, WM_USER, WM_USER + 10, false));
  EXPECT_EQ(quitCode(), 7) << "the quit is kept";
  EXPECT_EQ(pending(window, WM_USER, WM_USER + 10), 2) << "one removed";
  EXPECT_EQ(pending(other, 0, 0), 1);
  EXPECT_EQ(pending(window, 0, 0), 1) << "out of range";

  post();
  EXPECT_TRUE(KillMessages(window, WM_USER, WM_USER + 10, true));
  EXPECT_EQ(quitCode(), 7);
  EXPECT_EQ(pending(window, WM_USER, WM_USER + 10), 0);
  EXPECT_EQ(pending(nullptr, 0, 0), 2) << "the other window's and the one out of range";

  // A quit within the range ends the removal and stays.
  ::PostQuitMessage(3);
  EXPECT_FALSE(KillMessages(nullptr, WM_QUIT, WM_QUIT, true));
  EXPECT_EQ(quitCode(), 3);
  EXPECT_FALSE(KillMessages(window, WM_USER, WM_USER + 10, true)) << "nothing to remove";

  ::DestroyWindow(window);
  ::DestroyWindow(other);
}

TEST_F(ContainerServicesTest, NestedDisablingTouchesOnlyWindowsItDisabled) {
  HWND enabled = MakeWindow();
  HWND disabledBefore = MakeWindow(false);
  HWND destroyed = MakeWindow();
  ASSERT_FALSE(IsInternalWindowsDisabled());

  DisableAppWindows(true);
  EXPECT_TRUE(IsInternalWindowsDisabled());
  EXPECT_FALSE(IsInternalWindowsDisabling());
  EXPECT_FALSE(::IsWindowEnabled(enabled));
  EXPECT_FALSE(::IsWindowEnabled(destroyed));
  DisableAppWindows(true);
  HWND madeInBetween = MakeWindow();
  ::DestroyWindow(destroyed);

  EnableAppWindows();
  EXPECT_FALSE(::IsWindowEnabled(enabled)) << "the inner call enables nothing";
  EXPECT_TRUE(IsInternalWindowsDisabled());
  ::EnableWindow(madeInBetween, FALSE);
  EnableAppWindows();
  EXPECT_FALSE(IsInternalWindowsDisabled());
  EXPECT_TRUE(::IsWindowEnabled(enabled));
  EXPECT_FALSE(::IsWindowEnabled(disabledBefore)) << "disabled by someone else";
  EXPECT_FALSE(::IsWindowEnabled(madeInBetween)) << "never recorded";

  ::DestroyWindow(enabled);
  ::DestroyWindow(disabledBefore);
  ::DestroyWindow(madeInBetween);
}

// What IsInternalWindowsDisabling answered whenever a window heard of its
// enabling changing.
std::vector<bool> disablingSeen;
WNDPROC staticProc = nullptr;

LRESULT CALLBACK RecordEnabling(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ENABLE)
    disablingSeen.push_back(IsInternalWindowsDisabling());
  return ::CallWindowProcW(staticProc, window, msg, wParam, lParam);
}

TEST_F(ContainerServicesTest, TheDisablingFlagIsSetWhileWindowsChange) {
  disablingSeen.clear();
  HWND window = MakeWindow();
  staticProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordEnabling)));
  ASSERT_NE(staticProc, nullptr);
  DisableAppWindows();
  EnableAppWindows();
  EXPECT_EQ(disablingSeen, (std::vector<bool>{true, true}));
  EXPECT_FALSE(IsInternalWindowsDisabling());
  ::DestroyWindow(window);
}

TEST_F(ContainerServicesTest, OuterCallWithoutDisablingAndUnmatchedEnablesDoNoHarm) {
  HWND window = MakeWindow();
  DisableAppWindows(false);
  DisableAppWindows(true);
  EXPECT_TRUE(::IsWindowEnabled(window)) << "the outermost call decides";
  EnableAppWindows();
  EnableAppWindows();
  EXPECT_TRUE(::IsWindowEnabled(window));

  // Unmatched enables leave the count at zero, so the next disable works.
  EnableAppWindows();
  EnableAppWindows();
  EXPECT_FALSE(IsInternalWindowsDisabled());
  DisableAppWindows(true);
  EXPECT_FALSE(::IsWindowEnabled(window));
  EnableAppWindows();
  EXPECT_TRUE(::IsWindowEnabled(window));
  ::DestroyWindow(window);
}

TEST_F(ContainerServicesTest, DisableWindowRecordsOnlyEnabledWindows) {
  HWND enabled = MakeWindow();
  HWND disabled = MakeWindow(false);
  std::vector<HWND> list;
  DisableWindow(list, enabled);
  DisableWindow(list, disabled);
  EXPECT_EQ(list, std::vector<HWND>{enabled});
  EXPECT_FALSE(::IsWindowEnabled(enabled));
  ::DestroyWindow(disabled);
  list.push_back(disabled);
  EnableWindows(&list);
  EnableWindows(nullptr);
  EXPECT_TRUE(::IsWindowEnabled(enabled));
  ::DestroyWindow(enabled);
}

TEST_F(ContainerServicesTest, TheScreenCanvasLivesWithTheUnit) {
  ASSERT_NE(ScreenCanvas(), nullptr);
  EXPECT_EQ(ScreenCanvas(), ScreenCanvas());
  EXPECT_NE(ScreenCanvas()->Handle(), nullptr);
}

} // namespace
} // namespace controls_test
