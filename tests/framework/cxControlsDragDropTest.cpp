// The library controls' dragging: the internal drag and its object, the
// drag between controls with the library's drag object and images, and the
// middle-button auto-scroll, driven by real input.
#include <functional>
#include <string>
#include <vector>

#include "framework/cxControlsControl.h"
#include "framework/cxControlsDragDrop.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Timers.h"
#include "tests/framework/cxControlsTestSupport.h"

namespace controls_test {
namespace {

void MoveMouse(TPoint screen) {
  ::SetCursorPos(screen.X, screen.Y);
  SendMouse(MOUSEEVENTF_MOVE);
}

std::vector<std::string>* g_log = nullptr;

void Write(const std::string& line) {
  if (g_log)
    g_log->push_back(line);
}

// An internal drag object that writes down its steps.
class TRecordingDragAndDropObject : public TcxDragAndDropObject {
  OBJECT_CLASS(TRecordingDragAndDropObject, TcxDragAndDropObject)
public:
  using TcxDragAndDropObject::TcxDragAndDropObject;
  static inline bool immediate = false;
  bool GetImmediateStart() override { return immediate; }

protected:
  void BeginDragAndDrop() override {
    Write("begin");
    TcxDragAndDropObject::BeginDragAndDrop();
  }
  void DragAndDrop(const TPoint& p, bool& accepted) override {
    Write("drag " + std::to_string(p.X) + "," + std::to_string(p.Y));
    TcxDragAndDropObject::DragAndDrop(p, accepted);
  }
  void EndDragAndDrop(bool accepted) override {
    Write(accepted ? "end accepted" : "end refused");
    TcxDragAndDropObject::EndDragAndDrop(accepted);
  }
};

// The library's drag object, counting the objects that went away.
class TCountingDragControlObject : public TcxDragControlObject {
  OBJECT_CLASS(TCountingDragControlObject, TcxDragControlObject)
public:
  using TcxDragControlObject::TcxDragControlObject;
  ~TCountingDragControlObject() override { ++freed; }
  static inline int freed = 0;
};

class TDragControl : public TcxControl {
  OBJECT_CLASS(TDragControl, TcxControl)
public:
  explicit TDragControl(TComponent* owner) : TcxControl(owner) { SetBounds(0, 0, 120, 80); }

  bool vBar = false;
  bool hBar = false;
  bool GetVScrollBarVisible() override { return vBar; }
  bool GetHScrollBarVisible() override { return hBar; }
  std::function<void()> onScroll;

protected:
  bool StartDragAndDrop(const TPoint&) override { return DragMode() == TDragMode::dmManual; }
  TcxDragAndDropObjectClass GetDragAndDropObjectClass() override {
    return TRecordingDragAndDropObject::StaticClass();
  }
  TDragControlObjectClass GetDragObjectClass() override {
    return TCountingDragControlObject::StaticClass();
  }
  bool HasDragImages() override { return true; }
  TSize GetDragImagesSize() override { return {20, 10}; }
  void DrawDragImage(TcxCanvas* canvas, const TRect& r) override { canvas->FillRect(r, clBlue); }
  void Scroll(TScrollBarKind kind, TScrollCode code, int&) override {
    Write(std::string("scroll ") + (kind == TScrollBarKind::sbVertical ? "v " : "h ") +
          std::to_string(static_cast<int>(code)));
    if (onScroll)
      onScroll();
  }
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
    Write("down " + std::to_string(static_cast<int>(button)));
    TcxControl::MouseDown(button, shift, x, y);
  }
};

BOOL CALLBACK FindAnchor(HWND window, LPARAM data) {
  WCHAR name[16] = {};
  ::GetClassNameW(window, name, 16);
  const bool isStatic = (name[0] == 'S' || name[0] == 's') && name[1] == 't';
  if (isStatic && ::IsWindowVisible(window) &&
      (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
  }
  return TRUE;
}

// The visible top-most window of the platform's static class on this
// thread: the auto-scroll's anchor.
HWND FindAnchorWindow() {
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), FindAnchor, reinterpret_cast<LPARAM>(&found));
  return found;
}

class cxDragDropTest : public TLookAndFeelControlTest {
protected:
  void SetUp() override {
    TLookAndFeelControlTest::SetUp();
    g_log = &log;
    form = ShownForm();
    control = Create<TDragControl>(form);
    control->SetBounds(20, 20, 120, 80);
    control->SetParent(form);
    target = Create<TTestBox>(form);
    target->SetBounds(250, 20, 80, 40);
    target->SetParent(form);
    MoveMouse(form->ClientToScreen({380, 250}));
    Pump();
    log.clear();
  }

  void TearDown() override {
    SendMouse(MOUSEEVENTF_LEFTUP);
    SendMouse(MOUSEEVENTF_MIDDLEUP);
    Pump();
    CancelDrag();
    form->Free();
    g_log = nullptr;
    Screen->SetCursor(crDefault);
    TRecordingDragAndDropObject::immediate = false;
    TLookAndFeelControlTest::TearDown();
  }

  void MoveTo(TControl* on, TPoint client) {
    MoveMouse(on->ClientToScreen(client));
    Pump();
  }

  std::vector<std::string> log;
  TForm* form = nullptr;
  TDragControl* control = nullptr;
  TTestBox* target = nullptr;
};

TEST(cxAutoScrollTest, DirectionAndSpeedFollowTheDistanceFromTheAnchor) {
  struct TCase {
    TPoint Pos;
    bool HBar, VBar;
    TcxDirection Direction;
    int Speed;
  };
  using enum TcxDirection;
  const TPoint anchor{500, 500};
  const TCase cases[] = {
      {{500, 450}, false, true, dirUp, 8},     // (50 - 14) div 5 + 1
      {{500, 486}, false, true, dirNone, 0},   // inside the 29-pixel square
      {{500, 485}, false, true, dirUp, 1},     // just outside
      {{900, 500}, false, true, dirNone, 0},   // sideways: the zone spans the screen
      {{500, 1000}, false, true, dirDown, 12}, // at most 12
      {{530, 510}, true, true, dirRight, 4},   // mostly horizontal
      {{470, 470}, true, true, dirUp, 4},      // a tie goes vertical
      {{500, 450}, true, false, dirNone, 0},   // up with no vertical bar
      {{440, 450}, true, false, dirLeft, 10},
  };
  for (const TCase& c : cases) {
    const TcxAutoScrollStep step =
        cxAutoScrollStep(anchor, c.Pos, 29, c.HBar, c.VBar, {1280, 1024});
    EXPECT_EQ(step.Direction, c.Direction) << c.Pos.X << "," << c.Pos.Y;
    EXPECT_EQ(step.Speed, c.Speed) << c.Pos.X << "," << c.Pos.Y;
    EXPECT_EQ(step.Outside, c.Direction != dirNone) << c.Pos.X << "," << c.Pos.Y;
  }
}

TEST(cxAutoScrollTest, TheSpeedSetsWhichTicksScrollAndTheDirectionTheCursor) {
  EXPECT_TRUE(cxAutoScrollTickScrolls(5, 8));
  EXPECT_TRUE(cxAutoScrollTickScrolls(10, 8));
  EXPECT_FALSE(cxAutoScrollTickScrolls(4, 8));
  EXPECT_TRUE(cxAutoScrollTickScrolls(1, 12));
  EXPECT_FALSE(cxAutoScrollTickScrolls(11, 1));
  EXPECT_TRUE(cxAutoScrollTickScrolls(12, 1));
  using enum TcxDirection;
  EXPECT_EQ(cxAutoScrollCursor(dirLeft, true, true), 2107);
  EXPECT_EQ(cxAutoScrollCursor(dirRight, true, false), 2105);
  EXPECT_EQ(cxAutoScrollCursor(dirUp, false, true), 2104);
  EXPECT_EQ(cxAutoScrollCursor(dirDown, true, true), 2106);
  EXPECT_EQ(cxAutoScrollCursor(dirNone, true, true), 2101);
  EXPECT_EQ(cxAutoScrollCursor(dirNone, true, false), 2102);
  EXPECT_EQ(cxAutoScrollCursor(dirNone, false, true), 2103);
}

TEST_F(cxDragDropTest, APressAndReleaseWithoutMovingNeverBeginsTheInternalDrag) {
  MoveTo(control, {30, 30});
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Pump();
  EXPECT_EQ(control->DragAndDropState(), TcxDragAndDropState::ddsStarting);
  SendMouse(MOUSEEVENTF_LEFTUP);
  Pump();
  EXPECT_EQ(control->DragAndDropState(), TcxDragAndDropState::ddsNone);
  EXPECT_EQ(log, (std::vector<std::string>{"down 0"}));
}

TEST_F(cxDragDropTest, LeavingTheDragSquareBeginsTheDragAndTheReleaseAcceptsIt) {
  MoveTo(control, {30, 30});
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Pump();
  MoveTo(control, {50, 30});
  EXPECT_EQ(control->DragAndDropState(), TcxDragAndDropState::ddsInProcess);
  EXPECT_EQ(control->GetDragAndDropObject()->CurMousePos(), (TPoint{50, 30}));
  MoveTo(control, {60, 35});
  EXPECT_EQ(control->GetDragAndDropObject()->PrevMousePos(), (TPoint{50, 30}));
  SendMouse(MOUSEEVENTF_LEFTUP);
  Pump();
  EXPECT_EQ(log, (std::vector<std::string>{"down 0", "begin", "drag 60,35", "end accepted"}));
  EXPECT_EQ(control->DragAndDropState(), TcxDragAndDropState::ddsNone);
  EXPECT_FALSE(control->MouseCapture());
}

TEST_F(cxDragDropTest, EscapeEndsTheInternalDragRefusedAndRestoresTheScreenCursor) {
  Screen->SetCursor(crHandPoint);
  MoveTo(control, {30, 30});
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Pump();
  MoveTo(control, {50, 30});
  MoveTo(control, {55, 30});
  EXPECT_EQ(Screen->Cursor(), crNoDrop);
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_EQ(control->DragAndDropState(), TcxDragAndDropState::ddsNone);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "end refused");
  EXPECT_EQ(Screen->Cursor(), crHandPoint);
}

TEST_F(cxDragDropTest, AnImmediateStartBeginsOnThePress) {
  TRecordingDragAndDropObject::immediate = true;
  MoveTo(control, {30, 30});
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Pump();
  EXPECT_EQ(control->DragAndDropState(), TcxDragAndDropState::ddsInProcess);
  EXPECT_EQ(log, (std::vector<std::string>{"down 0", "begin"}));
}

TEST_F(cxDragDropTest, TheLibraryDragObjectCopiesWithCtrlShowsTheImageAndFreesItself) {
  TObject* source = nullptr;
  target->SetOnDragOver(TDragOverEvent(
      [&source](TObject*, TObject* from, int, int, TDragState, bool&) { source = from; }));
  bool dropped = false;
  target->SetOnDragDrop(
      TDragDropEvent([&dropped](TObject*, TObject*, int, int) { dropped = true; }));
  const int freedBefore = TCountingDragControlObject::freed;
  control->SetDragMode(TDragMode::dmAutomatic);
  MoveTo(control, {30, 30});
  // The press waits in drag detection for the move the timer makes.
  TTimer* mover = Create<TTimer>(form);
  mover->SetInterval(50);
  mover->SetOnTimer(TNotifyEvent([&](TObject*) {
    mover->SetEnabled(false);
    MoveMouse(control->ClientToScreen({50, 30}));
  }));
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return control->Dragging(); }));
  POINT pos{}, hotspot{};
  EXPECT_TRUE(::ImageList_GetDragImage(&pos, &hotspot));
  MoveTo(target, {10, 10});
  EXPECT_NE(dynamic_cast<TCountingDragControlObject*>(source), nullptr);
  EXPECT_EQ(::GetCursor(), Screen->Cursors(crDrag));
  SendKey(VK_CONTROL, false);
  Pump();
  EXPECT_EQ(::GetCursor(), Screen->Cursors(crDragCopy));
  SendKey(VK_CONTROL, true);
  Pump();
  EXPECT_EQ(::GetCursor(), Screen->Cursors(crDrag));
  SendMouse(MOUSEEVENTF_LEFTUP);
  Pump();
  EXPECT_TRUE(dropped);
  EXPECT_FALSE(control->Dragging());
  EXPECT_EQ(TCountingDragControlObject::freed, freedBefore + 1);
  EXPECT_FALSE(::ImageList_GetDragImage(&pos, &hotspot));
}

TEST_F(cxDragDropTest, MiddleClickScrollsTowardTheMouseUntilALeftClick) {
  control->vBar = true;
  const TPoint anchor = control->ClientToScreen({60, 40});
  MoveMouse(anchor);
  Pump();
  HWND anchorWindow = nullptr;
  RECT anchorRect{};
  bool verticalCursor = false, upCursor = false;
  int scrolls = 0;
  control->onScroll = [&] {
    upCursor = ::GetCursor() == Screen->Cursors(crUpScroll);
    if (++scrolls == 3) {
      SendMouse(MOUSEEVENTF_LEFTDOWN);
      SendMouse(MOUSEEVENTF_LEFTUP);
    }
  };
  TTimer* script = Create<TTimer>(form);
  script->SetInterval(30);
  int ticks = 0;
  script->SetOnTimer(TNotifyEvent([&](TObject*) {
    if (++ticks == 1) {
      anchorWindow = FindAnchorWindow();
      ::GetWindowRect(anchorWindow, &anchorRect);
      verticalCursor = ::GetCursor() == Screen->Cursors(crVerScroll);
      MoveMouse({anchor.X, anchor.Y - 50});
    } else if (ticks == 200) {
      PressKey(VK_ESCAPE);
    }
  }));
  SendMouse(MOUSEEVENTF_MIDDLEDOWN);
  SendMouse(MOUSEEVENTF_MIDDLEUP);
  ASSERT_TRUE(PumpUntil([&] { return scrolls >= 3 && !control->MouseCapture(); }));
  script->SetEnabled(false);
  Pump();
  ASSERT_NE(anchorWindow, nullptr);
  EXPECT_EQ(anchorRect.right - anchorRect.left, 29);
  EXPECT_EQ(anchorRect.bottom - anchorRect.top, 29);
  EXPECT_TRUE(verticalCursor);
  EXPECT_TRUE(upCursor);
  EXPECT_FALSE(::IsWindow(anchorWindow));
  for (const std::string& entry : log)
    EXPECT_TRUE(entry == "down 2" || entry == "scroll v 0") << entry;
}

TEST_F(cxDragDropTest, MiddleClickDoesNothingWithoutBars) {
  MoveTo(control, {60, 40});
  SendMouse(MOUSEEVENTF_MIDDLEDOWN);
  SendMouse(MOUSEEVENTF_MIDDLEUP);
  Pump();
  EXPECT_EQ(FindAnchorWindow(), nullptr);
  EXPECT_FALSE(control->MouseCapture());
}

} // namespace
} // namespace controls_test
