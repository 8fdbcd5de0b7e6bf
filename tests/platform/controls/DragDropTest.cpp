// Drag and drop between controls, driven by real mouse and key input.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls/DragDrop.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmaps.h"
#include "tests/platform/controls/ControlsTestSupport.h"
#include "tests/support/GdiObjects.h"

namespace controls_test {
namespace {

// A box whose drag shows one 16 x 16 image, hot spot in its middle.
class TImageBox : public TTestBox {
  OBJECT_CLASS(TImageBox, TTestBox)
public:
  explicit TImageBox(TComponent* owner) : TTestBox(owner), images(Create<TDragImageList>(this)) {
    TBitmap* bitmap = Create<TBitmap>();
    bitmap->SetSize(16, 16);
    bitmap->Canvas()->Brush()->SetColor(clBlue);
    bitmap->Canvas()->FillRect(Rect(0, 0, 16, 16));
    images->Add(bitmap, nullptr);
    bitmap->Free();
    images->SetDragImage(0, 8, 8);
  }

  TDragImageList* images;

protected:
  TDragImageList* GetDragImages() override { return images; }
};

// A drag object a start handler supplies; it records how the drag ended.
class TRecordingDragObject : public TDragObject {
  OBJECT_CLASS(TRecordingDragObject, TDragObject)
public:
  std::vector<std::string>* log = nullptr;

  void Finished(TObject* target, int x, int y, bool accepted) override {
    log->push_back("finished " + std::string(target ? "target" : "nil") + " " + std::to_string(x) +
                   "," + std::to_string(y) + (accepted ? " accepted" : ""));
  }
};

// A box that notes in a log when its drag ended without a drop.
class TCancelBox : public TTestBox {
  OBJECT_CLASS(TCancelBox, TTestBox)
public:
  using TTestBox::TTestBox;
  std::vector<std::string>* log = nullptr;

protected:
  void DragCanceled() override { log->push_back(Name() + " canceled"); }
};

class DragDropTest : public TControlsTest {
protected:
  void SetUp() override {
    TControlsTest::SetUp();
    m_form = Create<TForm>(Application, 0);
    m_form->SetBounds(100, 100, 400, 200);
    source = Place<TTestBox>("source", 10);
    target = Place<TTestBox>("target", 200);
    m_form->Show();
    Pump();
  }

  void TearDown() override {
    SendMouse(MOUSEEVENTF_LEFTUP);
    CancelDrag();
    m_form->Free();
    TControlsTest::TearDown();
  }

  template <class T> T* Place(const std::string& name, int left) {
    T* box = Create<T>(m_form);
    box->SetName(name);
    box->SetBounds(left, 10, 80, 40);
    box->SetParent(m_form);
    Listen(box);
    return box;
  }

  // Every drag event of the box lands in the log, collapsing repeated moves.
  void Listen(TControl* box) {
    box->SetOnDragOver(TDragOverEvent(
        [this](TObject* sender, TObject* from, int, int, TDragState state, bool& accept) {
          static const char* const kStates[] = {"enter", "leave", "move"};
          Log(NameOf(sender) + " " + kStates[static_cast<int>(state)] + " " + NameOf(from));
          accept = accepting.Contains(sender);
        }));
    box->SetOnDragDrop(TDragDropEvent([this](TObject* sender, TObject* from, int x, int y) {
      Log(NameOf(sender) + " drop " + std::to_string(x) + "," + std::to_string(y) + " " +
          NameOf(from));
    }));
    box->SetOnEndDrag(TEndDragEvent([this](TObject* sender, TObject* to, int x, int y) {
      Log(NameOf(sender) + " end " + NameOf(to) + " " + std::to_string(x) + "," +
          std::to_string(y));
    }));
  }

  void StartOnPress(TControl* box, int threshold) {
    box->SetOnMouseDown(
        TMouseEvent([this, box, threshold](TObject*, TMouseButton, TShiftState, int, int) {
          Log("press");
          box->BeginDrag(false, threshold);
        }));
  }

  static std::string NameOf(TObject* object) {
    if (!object)
      return "nil";
    if (auto* component = dynamic_cast<TComponent*>(object))
      return component->Name();
    return object->ClassName();
  }

  void Log(const std::string& entry) {
    if (log.empty() || log.back() != entry || entry.find(" move ") == std::string::npos)
      log.push_back(entry);
  }

  // A set of the controls that take a drop.
  struct TAccepting {
    std::vector<TObject*> Items;
    bool Contains(TObject* o) const {
      return std::find(Items.begin(), Items.end(), o) != Items.end();
    }
  } accepting;

  std::vector<std::string> log;
  TTestBox* source = nullptr;
  TTestBox* target = nullptr;
  TForm* m_form = nullptr;
};

TEST_F(DragDropTest, TheDragBeginsOnlyOnceTheMouseLeavesTheThreshold) {
  StartOnPress(source, 10);
  Press(source, {20, 20});
  EXPECT_TRUE(source->Dragging());
  MoveTo(source, {26, 24});
  EXPECT_EQ(log, (std::vector<std::string>{"press"}));
  MoveTo(source, {31, 20});
  Release();
  EXPECT_EQ(log, (std::vector<std::string>{"press", "source enter source", "source move source",
                                           "source leave source", "source end nil 31,20"}));
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(DragDropTest, ReleasingWithoutMovingEndsTheDragWithoutAsking) {
  StartOnPress(source, 10);
  Press(source, {20, 20});
  Release();
  // Without a target the point of the end is on the screen.
  const TPoint screen = source->ClientToScreen({20, 20});
  EXPECT_EQ(log, (std::vector<std::string>{"press", "source end nil " + std::to_string(screen.X) +
                                                        "," + std::to_string(screen.Y)}));
  EXPECT_EQ(DragControl(), nullptr);
}

TEST_F(DragDropTest, DroppingOnATargetThatTakesItTellsBothSides) {
  accepting.Items = {target};
  StartOnPress(source, -1);
  Press(source, {20, 20});
  MoveTo(source, {40, 20});
  MoveTo(target, {30, 15});
  MoveTo(target, {32, 16});
  Release();
  EXPECT_EQ(log, (std::vector<std::string>{"press", "source enter source", "source move source",
                                           "source leave source", "target enter source",
                                           "target move source", "target leave source",
                                           "target drop 32,16 source", "source end target 32,16"}));
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(CurrentDragObject(), nullptr);
}

TEST_F(DragDropTest, ARefusingTargetGetsNoDrop) {
  StartOnPress(source, -1);
  Press(source, {20, 20});
  MoveTo(target, {30, 15});
  Release();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "source end nil 30,15");
  for (const std::string& entry : log)
    EXPECT_EQ(entry.find("drop"), std::string::npos) << entry;
}

TEST_F(DragDropTest, TheCursorTellsWhetherTheTargetTakesTheDrop) {
  accepting.Items = {target};
  source->SetDragCursor(crHandPoint);
  StartOnPress(source, -1);
  Press(source, {20, 20});
  MoveTo(source, {40, 20});
  EXPECT_EQ(::GetCursor(), Screen->Cursors(crNoDrop));
  MoveTo(target, {30, 15});
  EXPECT_EQ(::GetCursor(), Screen->Cursors(crHandPoint));
  Release();
}

TEST_F(DragDropTest, EscapeCancelsTheDrag) {
  accepting.Items = {target};
  StartOnPress(source, -1);
  Press(source, {20, 20});
  MoveTo(target, {30, 15});
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(::GetCapture(), nullptr);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "source end nil 30,15");
  Release();
  for (const std::string& entry : log)
    EXPECT_EQ(entry.find("drop"), std::string::npos) << entry;
}

// Escape, a refusing target and a cancel from code end the drag without a
// drop: the control hears of it before its end; a taken drop is no cancel.
TEST_F(DragDropTest, TheControlHearsOfADragEndedWithoutADropBeforeItsEnd) {
  const struct {
    const char* name;
    std::function<void()> end;
    std::vector<std::string> expected;
  } cases[] = {
      {"escape",
       [] {
         PressKey(VK_ESCAPE);
         Pump();
         Release();
       },
       {"box canceled", "box end nil 30,15"}},
      {"refusing target",
       [this] {
         accepting.Items = {};
         Release();
       },
       {"box canceled", "box end nil 30,15"}},
      {"from code",
       [] {
         CancelDrag();
         Release();
       },
       {"box canceled", "box end nil 30,15"}},
      {"taken drop", [] { Release(); }, {"target drop 30,15 box", "box end target 30,15"}},
  };
  for (const auto& c : cases) {
    TCancelBox* box = Place<TCancelBox>("box", 100);
    box->log = &log;
    accepting.Items = {target};
    StartOnPress(box, -1);
    Press(box, {20, 20});
    MoveTo(target, {30, 15});
    log.clear();
    c.end();
    std::vector<std::string> ends;
    for (const std::string& entry : log)
      if (entry.find(" canceled") != std::string::npos ||
          entry.find(" end ") != std::string::npos || entry.find(" drop ") != std::string::npos)
        ends.push_back(entry);
    EXPECT_EQ(ends, c.expected) << c.name;
    EXPECT_EQ(DragControl(), nullptr) << c.name;
    box->Free();
  }
}

TEST_F(DragDropTest, TheAutomaticModeDragsOnThePressItself) {
  accepting.Items = {target};
  source->SetDragMode(TDragMode::dmAutomatic);
  source->SetOnMouseDown(
      TMouseEvent([this](TObject*, TMouseButton, TShiftState, int, int) { Log("press"); }));
  Press(source, {20, 20});
  EXPECT_TRUE(source->Dragging());
  MoveTo(target, {10, 10});
  Release();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log.front(), "source enter source");
  EXPECT_EQ(log[log.size() - 2], "target drop 10,10 source");
  EXPECT_EQ(log.back(), "source end target 10,10");
}

TEST_F(DragDropTest, ASuppliedDragObjectIsTheSourceAndHearsTheEnd) {
  accepting.Items = {target};
  TRecordingDragObject* object = Create<TRecordingDragObject>();
  object->log = &log;
  source->SetOnStartDrag(
      TStartDragEvent([object](TObject*, TDragObject*& dragObject) { dragObject = object; }));
  StartOnPress(source, -1);
  Press(source, {20, 20});
  MoveTo(target, {12, 14});
  Release();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2], "target drop 12,14 TRecordingDragObject");
  EXPECT_EQ(log.back(), "finished target 12,14 accepted");
  object->Free();
}

TEST_F(DragDropTest, TheDragImageFollowsTheMouse) {
  TImageBox* box = Place<TImageBox>("imagebox", 100);
  StartOnPress(box, -1);
  for (TControl* control : std::vector<TControl*>{m_form, box, source, target}) {
    TControlStyle style = control->ControlStyle();
    style.Include(TControlStyleItem::csDisplayDragImage);
    control->SetControlStyle(style);
  }
  Pump();
  const int gdiBefore = CountGdiObjects();
  Press(box, {20, 20});
  for (TPoint at : {TPoint{40, 20}, TPoint{60, 30}}) {
    MoveTo(box, at);
    POINT pos{}, hotspot{};
    ASSERT_TRUE(::ImageList_GetDragImage(&pos, &hotspot));
    const TPoint screen = box->ClientToScreen(at);
    EXPECT_EQ(pos.x, screen.X);
    EXPECT_EQ(pos.y, screen.Y);
    EXPECT_EQ(hotspot.x, 8);
    EXPECT_EQ(hotspot.y, 8);
  }
  Release();
  EXPECT_FALSE(box->images->Dragging());
  EXPECT_EQ(CountGdiObjects(), gdiBefore);
}

TEST_F(DragDropTest, CancelDragEndsADragStartedFromCode) {
  accepting.Items = {target};
  MoveTo(target, {5, 5});
  source->BeginDrag(true);
  Pump();
  EXPECT_TRUE(source->Dragging());
  EXPECT_EQ(CurrentDragObject()->DragTarget(), target);
  CancelDrag();
  EXPECT_EQ(log.back(), "source end nil 5,5");
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(DragDropTest, AFormCannotBeDragged) {
  EXPECT_THROW(m_form->BeginDrag(true), EInvalidOperation);
  EXPECT_EQ(DragControl(), nullptr);
}

TEST_F(DragDropTest, FreeingTheDraggedControlEndsTheDragQuietly) {
  accepting.Items = {target};
  StartOnPress(source, -1);
  Press(source, {20, 20});
  MoveTo(target, {30, 15});
  source->Free();
  source = nullptr;
  EXPECT_EQ(DragControl(), nullptr);
  EXPECT_EQ(::GetCapture(), nullptr);
  Release();
  for (const std::string& entry : log)
    EXPECT_EQ(entry.find("drop"), std::string::npos) << entry;
}

} // namespace
} // namespace controls_test
