// The customize list box with the real mouse: a press on an item with an
// object and a move out of the drag square start the item's drag once, a
// press on an item without one or a click without moving do not, a drag
// started there drops the item on another control, a multi-select list keeps
// only the dragged item selected; and the selected item's object.
#include "framework/cxControlsCustomizeListBox.h"

#include <string>
#include <vector>

#include "platform/controls/DragDrop.h"
#include "tests/framework/cxControlsTestSupport.h"

namespace controls_test {
namespace {

void SendButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  ::SendInput(1, &input, sizeof(INPUT));
}

// A list box that writes down the drags it starts, and starts a drag between
// controls when asked to.
class TTestCustomizeListBox : public TcxCustomizeListBox {
  OBJECT_CLASS(TTestCustomizeListBox, TcxCustomizeListBox)
public:
  using TcxCustomizeListBox::TcxCustomizeListBox;

  std::vector<std::string> log;
  bool startDrag = false;

protected:
  void BeginDragAndDrop() override {
    TcxCustomizeListBox::BeginDragAndDrop();
    log.push_back("begin " + Items()->Strings(ItemIndex()) +
                  (GetDragAndDropItemObject() ? " with object" : " without object"));
    if (startDrag)
      BeginDrag(true);
  }
};

class CustomizeListBoxTest : public TControlServicesTest {
protected:
  void SetUp() override {
    TControlServicesTest::SetUp();
    form = ShownForm();
    list = Create<TTestCustomizeListBox>(form);
    list->SetBounds(20, 20, 150, 120);
    list->SetParent(form);
    const char* texts[] = {"bir", "iki", "\xFC\xE7", "d\xF6rt"}; // üç, dört
    for (int i = 0; i < 4; ++i)
      list->Items()->AddObject(texts[i], i == 1 ? nullptr : &objects[i]);
    MoveTo(form, {380, 250});
  }

  void TearDown() override {
    SendButton(MOUSEEVENTF_LEFTUP);
    Pump();
    CancelDrag();
    form->Free();
    TControlServicesTest::TearDown();
  }

  void MoveTo(TControl* on, TPoint client) {
    const TPoint screen = on->ClientToScreen(client);
    ::SetCursorPos(screen.X, screen.Y);
    SendButton(MOUSEEVENTF_MOVE);
    Pump();
  }

  TPoint ItemPoint(int index) const {
    const TRect r = list->ItemRect(index);
    return {r.Left + 10, (r.Top + r.Bottom) / 2};
  }

  void PressOn(int index) {
    MoveTo(list, ItemPoint(index));
    SendButton(MOUSEEVENTF_LEFTDOWN);
    Pump();
  }

  void Release() {
    SendButton(MOUSEEVENTF_LEFTUP);
    Pump();
  }

  TForm* form = nullptr;
  TTestCustomizeListBox* list = nullptr;
  TObject objects[4];
};

TEST_F(CustomizeListBoxTest, ADragStartsOnceTheMouseLeavesTheDragSquare) {
  PressOn(2);
  EXPECT_EQ(list->DragAndDropItemIndex(), 2);
  EXPECT_EQ(list->GetDragAndDropItemObject(), &objects[2]);
  const TPoint start = ItemPoint(2);
  MoveTo(list, {start.X + 1, start.Y});
  EXPECT_TRUE(list->log.empty()) << "still inside the drag square";
  MoveTo(list, {start.X + 40, start.Y});
  MoveTo(list, {start.X + 50, start.Y});
  EXPECT_EQ(list->log, std::vector<std::string>{"begin \xFC\xE7 with object"});
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->DragAndDropItemIndex(), -1);
  Release();
  EXPECT_EQ(list->log.size(), 1u);
}

TEST_F(CustomizeListBoxTest, NoDragWithoutAnObjectOrWithoutMoving) {
  PressOn(1);
  EXPECT_EQ(list->DragAndDropItemIndex(), -1) << "the item carries no object";
  const TPoint start = ItemPoint(1);
  MoveTo(list, {start.X + 50, start.Y});
  Release();
  PressOn(0);
  EXPECT_EQ(list->DragAndDropItemIndex(), 0);
  Release();
  EXPECT_EQ(list->DragAndDropItemIndex(), -1) << "released where it was pressed";
  PressOn(3);
  list->Perform(WM_CANCELMODE, 0, 0);
  EXPECT_EQ(list->DragAndDropItemIndex(), -1);
  MoveTo(list, {ItemPoint(3).X + 50, ItemPoint(3).Y});
  Release();
  EXPECT_TRUE(list->log.empty());
}

TEST_F(CustomizeListBoxTest, TheDraggedItemIsDroppedOnAnotherControl) {
  auto* target = Create<TTestBox>(form);
  target->SetBounds(220, 20, 100, 60);
  target->SetParent(form);
  std::vector<std::string> drops;
  target->SetOnDragOver(TDragOverEvent([&](TObject*, TObject* source, int, int, TDragState,
                                           bool& accept) { accept = source == list; }));
  target->SetOnDragDrop(TDragDropEvent([&](TObject*, TObject* source, int, int) {
    auto* from = static_cast<TcxCustomizeListBox*>(source);
    drops.push_back(from->Items()->Strings(from->ItemIndex()));
  }));
  list->startDrag = true;
  PressOn(3);
  MoveTo(list, {ItemPoint(3).X + 30, ItemPoint(3).Y});
  MoveTo(target, {30, 30});
  MoveTo(target, {40, 30});
  Release();
  ASSERT_TRUE(PumpUntil([&] { return !drops.empty(); }));
  EXPECT_EQ(drops, std::vector<std::string>{"d\xF6rt"});
  EXPECT_EQ(list->log, std::vector<std::string>{"begin d\xF6rt with object"});
}

TEST_F(CustomizeListBoxTest, AMultiSelectListKeepsOnlyTheDraggedItemSelected) {
  list->SetMultiSelect(true);
  list->SetExtendedSelect(false);
  list->SetSelected(0, true);
  list->SetSelected(3, true);
  PressOn(2); // a press toggles the item on in this list
  ASSERT_TRUE(list->Selected(2));
  EXPECT_EQ(list->SelCount(), 3);
  MoveTo(list, {ItemPoint(2).X + 50, ItemPoint(2).Y});
  ASSERT_EQ(list->log.size(), 1u);
  EXPECT_EQ(list->SelCount(), 1);
  EXPECT_TRUE(list->Selected(2));
  Release();
}

TEST_F(CustomizeListBoxTest, TheSelectedItemsObjectIsReadAndSet) {
  int clicks = 0;
  list->SetOnClick(TNotifyEvent([&](TObject*) { ++clicks; }));
  EXPECT_EQ(list->GetItemObject(), nullptr) << "nothing selected";
  EXPECT_EQ(list->GetDragAndDropItemObject(), nullptr);
  list->SetItemObject(&objects[3]);
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_EQ(list->GetItemObject(), &objects[3]);
  EXPECT_EQ(clicks, 1);
  list->SetItemObject(&objects[3]);
  EXPECT_EQ(clicks, 1) << "already selected";
  list->SetItemObject(nullptr);
  EXPECT_EQ(list->ItemIndex(), 1) << "the item without an object";
  EXPECT_EQ(clicks, 2);
}

TEST_F(CustomizeListBoxTest, ItsWindowClassRedrawsOnWidthChanges) {
  const auto style = ::GetClassLongPtrW(list->Handle(), GCL_STYLE);
  EXPECT_TRUE(style & CS_HREDRAW);
}

} // namespace
} // namespace controls_test
