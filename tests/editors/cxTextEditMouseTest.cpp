// The mouse over a text editor's inner EDIT, with real input: presses, moves,
// releases, clicks and double clicks reach the editor in its own client
// coordinates after the inner edit's own events; the wheel goes to the
// editor; a drag over the inner edit is a drag over the editor, and an
// editor that drags automatically is dragged from its inner edit.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "editors/cxTextEdit.h"
#include "platform/controls/DragDrop.h"
#include "tests/editors/cxEditControlTestSupport.h"

namespace {

using edit_control_test::TextEditControlTest;

std::string At(const char* what, int x, int y) {
  return std::string(what) + " " + std::to_string(x) + "," + std::to_string(y);
}

class TextEditMouseTest : public TextEditControlTest {
protected:
  void SetUp() override {
    TextEditControlTest::SetUp();
    m_form = Form();
    m_edit = Create<TcxTextEdit>(m_form);
    m_edit->SetName("edit");
    m_edit->SetBounds(20, 20, 150, 21);
    m_edit->SetParent(m_form);
    m_edit->SetText("metin");
    Pump();
  }
  void TearDown() override {
    SendMouse(MOUSEEVENTF_LEFTUP);
    CancelDrag();
    Pump();
    TextEditControlTest::TearDown();
  }

  TWinControl* Inner() const { return m_edit->InnerControl(); }

  // Records the mouse events of a control under a name.
  void Listen(TControl* control, const std::string& name) {
    control->SetOnMouseDown(
        TMouseEvent([this, name](TObject*, TMouseButton, TShiftState shift, int x, int y) {
          log.push_back(
              At((name + (shift.Contains(TShiftStateItem::ssDouble) ? " double" : " down")).c_str(),
                 x, y));
        }));
    control->SetOnMouseUp(
        TMouseEvent([this, name](TObject*, TMouseButton, TShiftState, int x, int y) {
          log.push_back(At((name + " up").c_str(), x, y));
        }));
    control->SetOnClick(TNotifyEvent([this, name](TObject*) { log.push_back(name + " click"); }));
    control->SetOnDblClick(
        TNotifyEvent([this, name](TObject*) { log.push_back(name + " dblclick"); }));
  }

  // A point of the inner edit in the editor's client coordinates.
  TPoint InEditor(TPoint inner) const {
    return {inner.X + Inner()->Left(), inner.Y + Inner()->Top()};
  }

  TForm* m_form = nullptr;
  TcxTextEdit* m_edit = nullptr;
  std::vector<std::string> log;
};

// A click: the inner edit's events first, then the editor's at the same
// point of the screen; the focus stays in the inner edit.
TEST_F(TextEditMouseTest, PressReleaseAndClickReachTheEditorInItsCoordinates) {
  Listen(Inner(), "inner");
  Listen(m_edit, "editor");
  const TPoint p = InEditor({7, 5});
  ASSERT_NE(p, TPoint(7, 5));
  Press(Inner(), {7, 5});
  Release();
  ASSERT_TRUE(PumpUntil([this] { return log.size() >= 6; }));
  EXPECT_EQ(log, (std::vector<std::string>{At("inner down", 7, 5), At("editor down", p.X, p.Y),
                                           "inner click", "editor click", At("inner up", 7, 5),
                                           At("editor up", p.X, p.Y)}));
  EXPECT_EQ(::GetFocus(), Inner()->Handle());
}

TEST_F(TextEditMouseTest, MovesReachTheEditorInItsCoordinates) {
  std::vector<TPoint> moves;
  m_edit->SetOnMouseMove(TMouseMoveEvent([&](TObject*, TShiftState, int x, int y) {
    moves.push_back({x, y});
  }));
  MoveTo(Inner(), {12, 4});
  MoveTo(Inner(), {30, 6});
  ASSERT_TRUE(PumpUntil([&] { return !moves.empty() && moves.back() == InEditor({30, 6}); }));
  EXPECT_NE(std::find(moves.begin(), moves.end(), InEditor({12, 4})), moves.end());
}

// The second press of a double click is a double click of both.
TEST_F(TextEditMouseTest, DoubleClickReachesTheEditor) {
  Listen(Inner(), "inner");
  Listen(m_edit, "editor");
  MoveTo(Inner(), {7, 5});
  for (int i = 0; i < 2; ++i) {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
  }
  const TPoint p = InEditor({7, 5});
  ASSERT_TRUE(PumpUntil(
      [&] { return std::count(log.begin(), log.end(), At("editor double", p.X, p.Y)) == 1; }));
  EXPECT_EQ(std::count(log.begin(), log.end(), std::string("inner dblclick")), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), std::string("editor dblclick")), 1);
}

// The wheel turned over the inner edit is the editor's.
TEST_F(TextEditMouseTest, WheelReachesTheEditor) {
  controls_test::ClickControl(Inner(), {5, 5});
  ASSERT_TRUE(PumpUntil([this] { return ::GetFocus() == Inner()->Handle(); }));
  int turned = 0;
  m_edit->SetOnMouseWheel(
      TMouseWheelEvent([&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
        turned += delta;
        handled = true;
      }));
  SendMouse(MOUSEEVENTF_WHEEL, std::nullopt, -WHEEL_DELTA);
  EXPECT_TRUE(PumpUntil([&] { return turned == -WHEEL_DELTA; }));
}

// A drag from another control over the inner edit asks the editor, in the
// editor's coordinates, and drops on the editor.
TEST_F(TextEditMouseTest, DragOverTheInnerEditIsOverTheEditor) {
  auto* source = Create<controls_test::TTestBox>(m_form);
  source->SetBounds(20, 80, 60, 30);
  source->SetParent(m_form);
  source->SetOnMouseDown(TMouseEvent(
      [source](TObject*, TMouseButton, TShiftState, int, int) { source->BeginDrag(true); }));
  std::vector<std::string> over;
  m_edit->SetOnDragOver(
      TDragOverEvent([&](TObject*, TObject* from, int x, int y, TDragState, bool& accept) {
        over.push_back(At(from == source ? "over" : "over ?", x, y));
        accept = true;
      }));
  std::string dropped;
  m_edit->SetOnDragDrop(TDragDropEvent([&](TObject*, TObject* from, int x, int y) {
    dropped = At(from == source ? "drop" : "?", x, y);
  }));
  Pump();
  Press(source, {10, 10});
  ASSERT_TRUE(source->Dragging());
  MoveTo(Inner(), {9, 6});
  MoveTo(Inner(), {10, 6});
  const TPoint p = InEditor({10, 6});
  ASSERT_TRUE(PumpUntil([&] { return !over.empty() && over.back() == At("over", p.X, p.Y); }));
  Release();
  EXPECT_TRUE(PumpUntil([&] { return dropped == At("drop", p.X, p.Y); }));
}

// An editor that drags automatically is dragged from a press on its inner
// edit; the EDIT never gets that press.
TEST_F(TextEditMouseTest, AutomaticDragStartsFromTheInnerEdit) {
  auto* target = Create<controls_test::TTestBox>(m_form);
  target->SetBounds(20, 80, 60, 30);
  target->SetParent(m_form);
  TControl* droppedFrom = nullptr;
  target->SetOnDragOver(TDragOverEvent(
      [](TObject*, TObject*, int, int, TDragState, bool& accept) { accept = true; }));
  // The library control drags through a drag object of its own.
  target->SetOnDragDrop(TDragDropEvent([&](TObject*, TObject* from, int, int) {
    if (auto* object = dynamic_cast<TBaseDragControlObject*>(from))
      droppedFrom = object->Control();
  }));
  TObject* endedOn = nullptr;
  m_edit->SetOnEndDrag(TEndDragEvent([&](TObject*, TObject* to, int, int) { endedOn = to; }));
  m_edit->SetDragMode(TDragMode::dmAutomatic);
  Listen(Inner(), "inner");
  Press(Inner(), {7, 5});
  ASSERT_TRUE(PumpUntil([this] { return m_edit->Dragging(); }));
  MoveTo(target, {5, 5});
  MoveTo(target, {10, 10});
  Release();
  ASSERT_TRUE(PumpUntil([&] { return endedOn != nullptr; }));
  EXPECT_EQ(droppedFrom, m_edit);
  EXPECT_EQ(endedOn, target);
  EXPECT_TRUE(log.empty());
  EXPECT_NE(::GetFocus(), Inner()->Handle());
}

// Without the automatic mode the press is the EDIT's: it takes the focus
// and starts no drag.
TEST_F(TextEditMouseTest, ManualDragModeLeavesThePressToTheEdit) {
  Press(Inner(), {7, 5});
  EXPECT_FALSE(m_edit->Dragging());
  EXPECT_TRUE(PumpUntil([this] { return ::GetFocus() == Inner()->Handle(); }));
  Release();
}

} // namespace
