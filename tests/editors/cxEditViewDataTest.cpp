// Editor buttons laid out by the view data: rectangles from the outside in,
// the stretching of a buttons-only editor, states from the mouse and from
// the previous calculation, edge flags; and the button view info's
// comparison that decides what to repaint.
#include "editors/cxEditViewData.h"

#include <memory>
#include <string>

#include "tests/support/GTest.h"
#include "tests/support/GdiObjects.h"

namespace {

using enum TcxEditButtonState;
using enum TShiftStateItem;

// Stands in for the view data: every button takes its own width, or 17
// without one; a button's pressed answer comes from a table.
class TFakeViewData : public IcxEditButtonsLayoutOwner {
public:
  int CalculateButtonWidth(TcxEditButtonViewInfo& button) override {
    return button.Width > 0 ? button.Width : 17;
  }
  bool IsButtonPressed(int v) override { return v == forcedPressed; }
  bool CanPressButton() override { return canPress; }
  void DoGetButtonState(int v, TcxEditButtonState& state) override {
    if (v == overriddenIndex)
      state = overriddenState;
  }
  void CalculateButtonNativeInfo(TcxEditButtonViewInfo& button) override {
    button.NativeState = 1;
    ++nativeInfos;
  }
  int forcedPressed = -1;
  bool canPress = true;
  int overriddenIndex = -1;
  TcxEditButtonState overriddenState = ebsNormal;
  int nativeInfos = 0;
};

// Buttons described as "L20" (left-aligned, width 20), "R0" (right, automatic
// width), with "s" for stretchable: visible index = position in the list.
class EditButtonsLayoutTest : public testing::Test {
protected:
  EditButtonsLayoutTest() : m_items(Create<TcxEditButtons>(nullptr)) {}

  TcxEditButtonsLayout& Layout(std::initializer_list<std::string> specs) {
    m_infos.clear();
    m_items->Clear();
    for (const std::string& spec : specs) {
      auto info = std::make_unique<TcxEditButtonViewInfo>();
      info->LeftAlignment = spec[0] == 'L';
      info->Width = std::stoi(spec.substr(1));
      info->Stretchable = spec.back() == 's';
      info->ButtonIndex = m_items->Count();
      m_items->Add();
      m_infos.push_back(std::move(info));
    }
    std::vector<TcxEditButtonViewInfo*> buttons;
    for (auto& info : m_infos)
      buttons.push_back(info.get());
    m_layout = std::make_unique<TcxEditButtonsLayout>(m_viewData, buttons, m_items.get());
    return *m_layout;
  }
  TcxEditButtonViewInfo& Button(int v) { return *m_infos[v]; }

  TFakeViewData m_viewData;
  TOwned<TcxEditButtons> m_items;
  std::vector<std::unique_ptr<TcxEditButtonViewInfo>> m_infos;
  std::unique_ptr<TcxEditButtonsLayout> m_layout;
};

TEST_F(EditButtonsLayoutTest, OneAutomaticRightButtonSitsInsideTheBorder) {
  // A 100 x 21 editor with a border of 2 on each side.
  TcxEditButtonsLayout& layout = Layout({"R0"});
  layout.CalculateBounds(TRect{2, 2, 98, 19}, false);
  layout.CalculateEdges();
  EXPECT_EQ(Button(0).Bounds, (TRect{81, 2, 98, 19}));
  EXPECT_EQ(Button(0).VisibleBounds, Button(0).Bounds);
  EXPECT_EQ(layout.RightOutermost(), 0);
  EXPECT_EQ(layout.RightInnermost(), 0);
  EXPECT_EQ(layout.LeftOutermost(), -1);
  EXPECT_TRUE(Button(0).LeftEdge && Button(0).RightEdge);
}

TEST_F(EditButtonsLayoutTest, ButtonPlacesTable) {
  struct Case {
    std::initializer_list<std::string> buttons;
    TRect room;
    bool buttonsOnly;
    std::vector<TRect> bounds, visibleBounds;
    int leftOuter, leftInner, rightInner, rightOuter;
  } cases[] = {
      // The last button of the collection is the outermost.
      {{"R10", "R20", "R30"},
       {0, 0, 100, 20},
       false,
       {{40, 0, 50, 20}, {50, 0, 70, 20}, {70, 0, 100, 20}},
       {{40, 0, 50, 20}, {50, 0, 70, 20}, {70, 0, 100, 20}},
       -1,
       -1,
       0,
       2},
      {{"L10", "R20", "R30"},
       {0, 0, 100, 20},
       false,
       {{0, 0, 10, 20}, {50, 0, 70, 20}, {70, 0, 100, 20}},
       {{0, 0, 10, 20}, {50, 0, 70, 20}, {70, 0, 100, 20}},
       0,
       0,
       1,
       2},
      // Too little room: the visible rectangle is cut, the next gets nothing.
      {{"R30", "R30"},
       {0, 0, 40, 20},
       false,
       {{-20, 0, 10, 20}, {10, 0, 40, 20}},
       {{0, 0, 10, 20}, {10, 0, 40, 20}},
       -1,
       -1,
       0,
       1},
      {{"R30", "R30"},
       {0, 0, 30, 20},
       false,
       {{}, {0, 0, 30, 20}},
       {{}, {0, 0, 30, 20}},
       -1,
       -1,
       1,
       1},
      // Buttons-only: 120 pixels of room, the stretchable buttons share them
      // by width; the lowest index of the set takes what remains.
      {{"R20s", "R40s"},
       {0, 0, 180, 20},
       true,
       {{0, 0, 60, 20}, {60, 0, 180, 20}},
       {{0, 0, 60, 20}, {60, 0, 180, 20}},
       -1,
       -1,
       0,
       1},
      {{"R20", "R40s", "R30"},
       {0, 0, 100, 20},
       true,
       {{0, 0, 20, 20}, {20, 0, 70, 20}, {70, 0, 100, 20}},
       {{0, 0, 20, 20}, {20, 0, 70, 20}, {70, 0, 100, 20}},
       -1,
       -1,
       0,
       2},
      // None stretchable: all share, 10 x 20 / 30 = 6, the other one 4.
      {{"L10", "R20"},
       {0, 0, 40, 20},
       true,
       {{0, 0, 14, 20}, {14, 0, 40, 20}},
       {{0, 0, 14, 20}, {14, 0, 40, 20}},
       0,
       0,
       1,
       1},
  };
  int n = 0;
  for (const Case& c : cases) {
    TcxEditButtonsLayout& layout = Layout(c.buttons);
    layout.CalculateBounds(c.room, c.buttonsOnly);
    for (size_t v = 0; v < c.bounds.size(); ++v) {
      EXPECT_EQ(Button(v).Bounds, c.bounds[v]) << "case " << n << " button " << v;
      EXPECT_EQ(Button(v).VisibleBounds, c.visibleBounds[v]) << "case " << n << " button " << v;
    }
    EXPECT_EQ(layout.LeftOutermost(), c.leftOuter) << n;
    EXPECT_EQ(layout.LeftInnermost(), c.leftInner) << n;
    EXPECT_EQ(layout.RightInnermost(), c.rightInner) << n;
    EXPECT_EQ(layout.RightOutermost(), c.rightOuter) << n;
    ++n;
  }
}

TEST_F(EditButtonsLayoutTest, EdgeFlagsTable) {
  struct Case {
    std::initializer_list<std::string> buttons;
    bool buttonsOnly;
    const char* edges; // per button: "l", "r", "lr" or "-", joined by spaces
  } cases[] = {
      {{"R10", "R10", "R10"}, false, "l - r"},
      {{"L10", "L10"}, false, "r l"},
      {{"L10", "R10"}, false, "lr lr"},
      {{"L10", "R10"}, true, "l r"},
      {{"L10", "L10", "R10", "R10"}, true, "- l - r"},
  };
  for (const Case& c : cases) {
    TcxEditButtonsLayout& layout = Layout(c.buttons);
    layout.CalculateBounds(TRect{0, 0, 200, 20}, c.buttonsOnly);
    layout.CalculateEdges();
    std::string edges;
    for (size_t v = 0; v < m_infos.size(); ++v) {
      std::string one =
          std::string(Button(v).LeftEdge ? "l" : "") + (Button(v).RightEdge ? "r" : "");
      edges += (v ? " " : "") + (one.empty() ? "-" : one);
      if (c.buttonsOnly)
        EXPECT_FALSE(Button(v).LeftAlignment);
    }
    EXPECT_EQ(edges, c.edges);
  }
}

TEST_F(EditButtonsLayoutTest, StatesTable) {
  struct Case {
    const char* name;
    TcxEditButtonState previous;
    TcxEditButtonsMouse mouse;
    bool enabled, designing, itemEnabled;
    int forcedPressed;
    TcxEditButtonState expected;
    int pressed, selected;
    bool tracking;
  } cases[] = {
      {"mouse over", ebsNormal, {{85, 5}}, true, false, true, -1, ebsSelected, -1, 0, false},
      {"mouse elsewhere", ebsSelected, {{10, 5}}, true, false, true, -1, ebsNormal, -1, -1, false},
      {"left down",
       ebsSelected,
       {{85, 5}, true, true, {ssLeft}},
       true,
       false,
       true,
       -1,
       ebsPressed,
       0,
       -1,
       true},
      {"double click",
       ebsNormal,
       {{85, 5}, true, true, {ssLeft, ssDouble}},
       true,
       false,
       true,
       -1,
       ebsPressed,
       0,
       -1,
       true},
      {"held and moved out",
       ebsPressed,
       {{10, 5}, false, false, {ssLeft}, 0},
       true,
       false,
       true,
       -1,
       ebsNormal,
       -1,
       -1,
       false},
      {"back in under the capture",
       ebsNormal,
       {{85, 5}, false, false, {ssLeft}, 0},
       true,
       false,
       true,
       -1,
       ebsPressed,
       0,
       -1,
       true},
      {"held over it, pressed before",
       ebsPressed,
       {{85, 5}, false, false, {ssLeft}},
       true,
       false,
       true,
       -1,
       ebsPressed,
       0,
       -1,
       true},
      {"right down",
       ebsSelected,
       {{85, 5}, true, false, {ssRight}},
       true,
       false,
       true,
       -1,
       ebsNormal,
       -1,
       -1,
       false},
      {"editor disabled", ebsNormal, {{85, 5}}, false, false, true, -1, ebsDisabled, -1, -1, false},
      {"button disabled", ebsNormal, {{85, 5}}, true, false, false, -1, ebsDisabled, -1, -1, false},
      {"designing", ebsNormal, {{85, 5}}, true, true, true, -1, ebsNormal, -1, -1, false},
      {"pressed by the view data, mouse away",
       ebsNormal,
       {{10, 5}},
       true,
       false,
       true,
       0,
       ebsPressed,
       0,
       -1,
       true},
  };
  for (const Case& c : cases) {
    TcxEditButtonsLayout& layout = Layout({"R20"});
    m_items->Items(0)->SetEnabled(c.itemEnabled);
    m_viewData.forcedPressed = c.forcedPressed;
    layout.CalculateBounds(TRect{0, 0, 100, 20}, false);
    Button(0).State = c.previous;
    layout.CalculateStates(c.mouse, c.enabled, c.designing);
    EXPECT_EQ(Button(0).State, c.expected) << c.name;
    EXPECT_EQ(layout.PressedIndex(), c.pressed) << c.name;
    EXPECT_EQ(layout.SelectedIndex(), c.selected) << c.name;
    EXPECT_EQ(layout.Tracking(), c.tracking) << c.name;
    EXPECT_EQ(Button(0).NativeState, 1) << c.name;
  }
}

TEST_F(EditButtonsLayoutTest, TheViewDataHasTheLastWordOnEachState) {
  TcxEditButtonsLayout& layout = Layout({"R20", "R20"});
  m_viewData.overriddenIndex = 1;
  m_viewData.overriddenState = ebsDisabled;
  layout.CalculateBounds(TRect{0, 0, 100, 20}, false);
  layout.CalculateStates(TcxEditButtonsMouse{{85, 5}}, true, false);
  EXPECT_EQ(Button(0).State, ebsNormal);
  EXPECT_EQ(Button(1).State, ebsDisabled);
  EXPECT_EQ(m_viewData.nativeInfos, 2);
}

TEST_F(EditButtonsLayoutTest, CannotPressWithoutThePropertiesConsent) {
  TcxEditButtonsLayout& layout = Layout({"R20"});
  m_viewData.canPress = false;
  layout.CalculateBounds(TRect{0, 0, 100, 20}, false);
  layout.CalculateStates(TcxEditButtonsMouse{{85, 5}, true, true, {ssLeft}}, true, false);
  EXPECT_EQ(Button(0).State, ebsNormal);
  EXPECT_TRUE(layout.Tracking());
}

TEST(EditButtonViewInfo, OnlyWhatIsDrawnAsksForARepaint) {
  const int gdiObjects = CountGdiObjects();
  {
    TcxEditButtonViewInfo a, b;
    a.Bounds = b.Bounds = TRect{80, 2, 98, 19};
    b.Caption = "x";
    b.Width = 40;
    EXPECT_TRUE(a.GetUpdateRegion(&b)->IsEmpty());
    struct Change {
      const char* name;
      void (*apply)(TcxEditButtonViewInfo&);
    } changes[] = {
        {"state", [](TcxEditButtonViewInfo& x) { x.State = ebsSelected; }},
        {"style", [](TcxEditButtonViewInfo& x) { x.Style = TcxEditButtonStyle::btsFlat; }},
        {"colour", [](TcxEditButtonViewInfo& x) { x.BackgroundColor = clRed; }},
        {"native state", [](TcxEditButtonViewInfo& x) { x.NativeState = 2; }},
    };
    for (const Change& change : changes) {
      TcxEditButtonViewInfo c;
      c.Bounds = a.Bounds;
      change.apply(c);
      TOwned<TcxRegion> region = a.GetUpdateRegion(&c);
      RECT box{};
      ::GetRgnBox(region->Handle(), &box);
      EXPECT_EQ(Rect(box.left, box.top, box.right, box.bottom), a.Bounds) << change.name;
    }
  }
  EXPECT_EQ(CountGdiObjects(), gdiObjects);
}

TEST(EditButtonViewInfo, AssignCopiesWhatTheRepaintComparesAndTheRectangle) {
  TcxEditButtonViewInfo a, b;
  b.Bounds = TRect{1, 2, 3, 4};
  b.State = ebsPressed;
  b.Style = TcxEditButtonStyle::btsHotFlat;
  b.BackgroundColor = clRed;
  b.NativeState = 3;
  b.Caption = "x";
  a.Assign(&b);
  EXPECT_FALSE(a.IsPaintChanged(b));
  EXPECT_EQ(a.Bounds, b.Bounds);
  EXPECT_EQ(a.Caption, "");
}

} // namespace
