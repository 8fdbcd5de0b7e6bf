// The popup window base: where it opens against an owner rectangle (tables
// over made-up work areas, two monitors included), its frame and border
// sizes, sizing around its children, and real windows opening, painting
// and closing under the X server.
#include "framework/cxControls.h"
#include "framework/cxControlsPopup.h"

#include <vector>

#include "tests/framework/cxControlsTestSupport.h"
#include "tests/framework/cxGraphicsTestSupport.h"
#include "tests/support/Pictures.h"

namespace controls_test {
namespace {

using H = TcxPopupAlignHorz;
using V = TcxPopupAlignVert;
using D = TcxPopupDirection;

// Two monitors side by side: the first's work area ends 40 above its
// bottom, the second starts at x = 1000.
const TRect kFirstArea{0, 0, 1000, 760};
const TRect kSecondArea{1000, 0, 1600, 600};

TRect AreaOf(const TPoint& p) { return p.X < 1000 ? kFirstArea : kSecondArea; }

struct TPositionCase {
  const char* name;
  TRect owner;
  TSize size;
  H alignHorz;
  V alignVert;
  D direction;
  TPoint expected;
};

const TPositionCase kPositionCases[] = {
    // Below the owner, left edges lined up.
    {"below", {100, 100, 300, 120}, {200, 150}, H::pahLeft, V::pavBottom, D::pdVertical,
     {100, 120}},
    {"below, right edges", {100, 100, 300, 120}, {250, 150}, H::pahRight, V::pavBottom,
     D::pdVertical, {50, 120}},
    {"above", {100, 400, 300, 420}, {200, 150}, H::pahLeft, V::pavTop, D::pdVertical, {100, 250}},
    // Near the bottom with more room above: flips above.
    {"flips above", {100, 600, 300, 620}, {200, 300}, H::pahLeft, V::pavBottom, D::pdVertical,
     {100, 300}},
    // Equal room above and below (370 each): stays below, crossing the edge.
    {"equal room stays below", {100, 370, 300, 390}, {200, 400}, H::pahLeft, V::pavBottom,
     D::pdVertical, {100, 390}},
    // Fits below: no flip even with more room above.
    {"fits below", {100, 500, 300, 520}, {200, 200}, H::pahLeft, V::pavBottom, D::pdVertical,
     {100, 520}},
    // Asked above near the top, less room there: flips below.
    {"flips below", {100, 50, 300, 70}, {200, 100}, H::pahLeft, V::pavTop, D::pdVertical,
     {100, 70}},
    // Asked above, too tall for either side, more room above: stays above.
    {"stays above off the edge", {100, 500, 300, 520}, {200, 600}, H::pahLeft, V::pavTop,
     D::pdVertical, {100, -100}},
    // Wider than the room to the right: pushed left to end at the edge.
    {"pushed left", {800, 100, 900, 120}, {300, 100}, H::pahLeft, V::pavBottom, D::pdVertical,
     {700, 120}},
    // Wider than the work area: never left of its left edge.
    {"wider than the area", {800, 100, 900, 120}, {1200, 100}, H::pahLeft, V::pavBottom,
     D::pdVertical, {0, 120}},
    {"pushed right", {-50, 100, 50, 120}, {200, 100}, H::pahLeft, V::pavBottom, D::pdVertical,
     {0, 120}},
    // Centred on the owner, then kept inside across the direction.
    {"centred", {400, 100, 600, 120}, {100, 50}, H::pahCenter, V::pavBottom, D::pdVertical,
     {450, 120}},
    {"centred and clamped", {900, 100, 1000, 120}, {300, 50}, H::pahCenter, V::pavBottom,
     D::pdVertical, {700, 120}},
    // A vertical centre is clamped too, even in the vertical direction.
    {"centred vertically", {100, 700, 300, 740}, {200, 300}, H::pahLeft, V::pavCenter,
     D::pdVertical, {100, 460}},
    // Beside the owner: to its right with tops lined up, or to its left.
    {"right of", {100, 100, 200, 300}, {150, 100}, H::pahRight, V::pavTop, D::pdHorizontal,
     {200, 100}},
    {"left of, bottoms lined up", {400, 100, 500, 300}, {150, 100}, H::pahLeft, V::pavBottom,
     D::pdHorizontal, {250, 200}},
    {"flips left", {800, 100, 900, 300}, {150, 100}, H::pahRight, V::pavTop, D::pdHorizontal,
     {650, 100}},
    {"flips right", {50, 100, 150, 300}, {150, 100}, H::pahLeft, V::pavTop, D::pdHorizontal,
     {150, 100}},
    // Beside the owner the vertical position is kept inside the work area.
    {"clamped up", {100, 700, 200, 740}, {150, 100}, H::pahRight, V::pavTop, D::pdHorizontal,
     {200, 660}},
    {"centred beside and clamped", {900, 300, 990, 320}, {200, 100}, H::pahCenter, V::pavTop,
     D::pdHorizontal, {800, 300}},
    // On the second monitor its own work area holds.
    {"second monitor", {1400, 550, 1500, 570}, {300, 200}, H::pahLeft, V::pavBottom,
     D::pdVertical, {1300, 350}},
    // Straddling the monitors: the edge the popup opens at picks the area.
    {"right edge on the second", {900, 100, 1100, 120}, {700, 100}, H::pahRight, V::pavBottom,
     D::pdVertical, {1000, 120}},
    {"left edge on the first", {900, 100, 1100, 120}, {700, 100}, H::pahLeft, V::pavBottom,
     D::pdVertical, {300, 120}},
};

TEST(PopupPositionTest, OpensOnTheSideAskedFlipsAndStaysInside) {
  for (const TPositionCase& c : kPositionCases) {
    const TPoint p = cxCalculatePopupPosition(c.owner, c.size, c.alignHorz, c.alignVert,
                                              c.direction, AreaOf);
    EXPECT_EQ(p.X, c.expected.X) << c.name;
    EXPECT_EQ(p.Y, c.expected.Y) << c.name;
  }
}

TEST(PopupPositionTest, AsksForTheAreaOfTheOwnersOpeningEdge) {
  std::vector<TPoint> asked;
  const auto area = [&asked](const TPoint& p) {
    asked.push_back(p);
    return kFirstArea;
  };
  cxCalculatePopupPosition({100, 200, 300, 220}, {50, 50}, H::pahRight, V::pavBottom,
                           D::pdVertical, area);
  cxCalculatePopupPosition({100, 200, 300, 220}, {50, 50}, H::pahCenter, V::pavTop,
                           D::pdVertical, area);
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0], (TPoint{300, 220}));
  EXPECT_EQ(asked[1], (TPoint{175, 200}));
}

// A popup whose painting can be asked for on any device context.
class TTestPopup : public TcxPopupWindow {
  OBJECT_CLASS(TTestPopup, TcxPopupWindow)
public:
  using TcxPopupWindow::TcxPopupWindow;
  using TcxPopupWindow::RestoreControlsBounds;
  void PaintOn(HDC dc) { PaintWindow(dc); }
};

class PopupWindowTest : public TControlServicesTest {
protected:
  TForm* ShownForm() { return TControlServicesTest::ShownForm(200, 200); }

  TTestBox* BoxOn(TWinControl* parent, const TRect& bounds) {
    TTestBox* box = Create<TTestBox>(parent);
    box->SetBoundsRect(bounds);
    box->SetParent(parent);
    return box;
  }
};

TEST_F(PopupWindowTest, StartsAsABorderlessStayOnTopFormBelowLeft) {
  TTestPopup* popup = Create<TTestPopup>(Application);
  EXPECT_EQ(popup->TForm::BorderStyle(), TFormBorderStyle::bsNone);
  EXPECT_EQ(popup->FormStyle(), TFormStyle::fsStayOnTop);
  EXPECT_TRUE(popup->Adjustable());
  EXPECT_EQ(popup->AlignHorz(), H::pahLeft);
  EXPECT_EQ(popup->AlignVert(), V::pavBottom);
  EXPECT_EQ(popup->Direction(), D::pdVertical);
  EXPECT_EQ(popup->BorderStyle(), TcxPopupBorderStyle::pbsNone);
  EXPECT_EQ(popup->FrameColor(), clWindowText);
  EXPECT_FALSE(popup->Visible());
  popup->Free();
}

TEST_F(PopupWindowTest, BorderWidthsAreTheFrameAndTheSpace) {
  struct {
    TcxPopupBorderStyle style;
    int space;
    int frame;
  } const cases[] = {{TcxPopupBorderStyle::pbsNone, 0, 0},
                     {TcxPopupBorderStyle::pbsUltraFlat, 0, 1},
                     {TcxPopupBorderStyle::pbsFlat, 2, 1},
                     {TcxPopupBorderStyle::pbs3D, 0, 2},
                     {TcxPopupBorderStyle::pbs3D, 3, 2}};
  TTestPopup* popup = Create<TTestPopup>(Application);
  popup->SetBounds(0, 0, 100, 80);
  for (const auto& c : cases) {
    popup->SetBorderStyle(c.style);
    popup->SetBorderSpace(c.space);
    for (TcxBorder side :
         {TcxBorder::bLeft, TcxBorder::bTop, TcxBorder::bRight, TcxBorder::bBottom}) {
      EXPECT_EQ(popup->GetFrameWidth(side), c.frame);
      EXPECT_EQ(popup->GetBorderWidth(side), c.frame + c.space);
    }
    const int b = c.frame + c.space;
    EXPECT_EQ(popup->GetNCWidth(), 2 * b);
    EXPECT_EQ(popup->GetNCHeight(), 2 * b);
    EXPECT_EQ(popup->GetClientBounds(), (TRect{b, b, 100 - b, 80 - b}));
  }
  popup->Free();
}

TEST_F(PopupWindowTest, SizesItselfAroundItsChildrenInsideTheBorders) {
  TTestPopup* popup = Create<TTestPopup>(Application);
  TTestBox* first = BoxOn(popup, {0, 0, 50, 20});
  TTestBox* second = BoxOn(popup, {10, 30, 90, 50});
  popup->SetBorderStyle(TcxPopupBorderStyle::pbs3D);
  popup->SetBorderSpace(1);

  popup->CalculateSize();
  EXPECT_EQ(popup->Width(), 3 + 90 + 3);
  EXPECT_EQ(popup->Height(), 3 + 50 + 3);
  EXPECT_EQ(first->BoundsRect(), (TRect{3, 3, 53, 23}));
  EXPECT_EQ(second->BoundsRect(), (TRect{13, 33, 93, 53}));

  // Sizing again does not move the children further in.
  popup->CalculateSize();
  EXPECT_EQ(first->BoundsRect(), (TRect{3, 3, 53, 23}));
  EXPECT_EQ(popup->Width(), 96);

  // A new border puts them back first; the next sizing uses the new width.
  popup->SetBorderStyle(TcxPopupBorderStyle::pbsUltraFlat);
  EXPECT_EQ(first->BoundsRect(), (TRect{0, 0, 50, 20}));
  popup->CalculateSize();
  EXPECT_EQ(first->BoundsRect(), (TRect{2, 2, 52, 22}));
  EXPECT_EQ(popup->Width(), 2 + 90 + 2);

  // Not adjustable: neither the size nor the children change.
  popup->SetAdjustable(false);
  popup->SetBorderSpace(0);
  popup->SetBounds(0, 0, 30, 30);
  popup->CalculateSize();
  EXPECT_EQ(popup->Width(), 30);
  EXPECT_EQ(first->BoundsRect(), (TRect{0, 0, 50, 20}));
  popup->Free();
}

TEST_F(PopupWindowTest, BordersChangedBeforeAnySizingLeaveTheChildrenInPlace) {
  TTestPopup* popup = Create<TTestPopup>(Application);
  TTestBox* box = BoxOn(popup, {5, 6, 25, 26});
  popup->SetBorderStyle(TcxPopupBorderStyle::pbs3D);
  popup->SetBorderSpace(4);
  EXPECT_EQ(box->BoundsRect(), (TRect{5, 6, 25, 26}));
  popup->Free();
}

TEST_F(PopupWindowTest, OpensBelowTheOwnerControlAndTakesItsFont) {
  TForm* form = ShownForm();
  TTestBox* editor = BoxOn(form, {20, 30, 220, 51});
  form->Font()->SetName("Tahoma");
  form->Font()->SetSize(13);
  TTestPopup* popup = Create<TTestPopup>(Application);
  BoxOn(popup, {0, 0, 150, 80});
  popup->SetBorderStyle(TcxPopupBorderStyle::pbsUltraFlat);
  popup->SetOwnerParent(form);
  popup->SetOwnerBounds(editor->BoundsRect());

  popup->Popup();
  EXPECT_TRUE(popup->Visible());
  EXPECT_TRUE(::IsWindowVisible(popup->Handle()));
  const TPoint below = form->ClientToScreen({20, 51});
  const TRect area = GetDesktopWorkArea(below);
  const TPoint expected = cxCalculatePopupPosition(
      TRect{below.X, below.Y - 21, below.X + 200, below.Y}, {152, 82}, H::pahLeft, V::pavBottom,
      D::pdVertical, GetDesktopWorkArea);
  EXPECT_EQ(popup->BoundsRect(),
            (TRect{expected.X, expected.Y, expected.X + 152, expected.Y + 82}));
  EXPECT_GE(expected.Y, area.Top);
  RECT window{};
  ::GetWindowRect(popup->Handle(), &window);
  EXPECT_EQ(window.left, expected.X);
  EXPECT_EQ(window.top, expected.Y);
  EXPECT_TRUE(::GetWindowLongA(popup->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(popup->Font()->Name(), "Tahoma");
  EXPECT_EQ(popup->Font()->Size(), 13);

  // On the screen: the ultra-flat frame in the window text colour.
  Pump();
  TOwned<TcxBitmap> shot(Create<TcxBitmap>(1, 1));
  CaptureScreen(popup->Handle(), shot.get());
  SavePicture(shot.get(), "popup-ultraflat-on-screen");
  const COLORREF text = ColorToRGB(clWindowText);
  const std::uint32_t frame =
      0xFF000000u | (GetRValue(text) << 16) | (GetGValue(text) << 8) | GetBValue(text);
  ASSERT_EQ(shot->Width(), 152);
  EXPECT_EQ(Hex(PixelAt(shot.get(), 0, 40) | 0xFF000000u), Hex(frame));
  EXPECT_EQ(Hex(PixelAt(shot.get(), 151, 81) | 0xFF000000u), Hex(frame));

  popup->CloseUp();
  EXPECT_FALSE(popup->Visible());
  EXPECT_FALSE(::IsWindowVisible(popup->Handle()));
  popup->Free();
  form->Free();
}

TEST_F(PopupWindowTest, AnOwnerParentThatGoesAwayIsForgotten) {
  TForm* form = ShownForm();
  TTestPopup* popup = Create<TTestPopup>(Application);
  popup->SetOwnerParent(form);
  popup->SetOwnerBounds({10, 10, 20, 20});
  form->Free();
  EXPECT_EQ(popup->OwnerParent(), nullptr);
  // Without an owner parent the rectangle is taken in screen coordinates.
  EXPECT_EQ(popup->GetOwnerScreenBounds(), (TRect{10, 10, 20, 20}));
  popup->Free();
}

// A form that records the caption activation it is told to show.
class TCaptionForm : public TForm {
  OBJECT_CLASS(TCaptionForm, TForm)
public:
  using TForm::TForm;
  std::vector<WPARAM> ncActivates;

protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_NCACTIVATE)
      ncActivates.push_back(message.WParam);
    TForm::WndProc(message);
  }
};

TEST_F(PopupWindowTest, LeavingTheApplicationClosesThePopupAndTheOwnerCaptionGoesInactive) {
  TCaptionForm* form = Create<TCaptionForm>(Application, 0);
  form->SetBounds(200, 200, 400, 300);
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == form->Handle(); }));
  TTestPopup* popup = Create<TTestPopup>(Application);
  popup->SetOwnerParent(form);
  popup->SetOwnerBounds({10, 10, 100, 30});
  popup->SetBounds(0, 0, 80, 60);
  popup->Popup();
  ASSERT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == popup->Handle(); }));
  EXPECT_EQ(popup->PrevActiveWindow(), form->Handle());
  ASSERT_FALSE(form->ncActivates.empty());
  EXPECT_EQ(form->ncActivates.back(), static_cast<WPARAM>(TRUE));

  form->ncActivates.clear();
  ::SendMessageA(popup->Handle(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_FALSE(popup->Visible());
  ASSERT_FALSE(form->ncActivates.empty());
  EXPECT_EQ(form->ncActivates.front(), static_cast<WPARAM>(FALSE));
  popup->Free();
  form->Free();
}

TEST_F(PopupWindowTest, LosingActivationInsideTheApplicationClosesThePopup) {
  TForm* form = ShownForm();
  TTestBox* box = BoxOn(form, {10, 10, 100, 40});
  TTestPopup* popup = Create<TTestPopup>(Application);
  BoxOn(popup, {0, 0, 60, 40});
  popup->SetOwnerParent(form);
  popup->SetOwnerBounds(box->BoundsRect());
  popup->Popup();
  ASSERT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == popup->Handle(); }));
  ClickControl(box);
  EXPECT_TRUE(PumpUntil([&] { return !popup->Visible(); }));
  popup->Free();
  form->Free();
}

// The frame's pixels on a bitmap: the first column and row, the pixel
// inside them, and the middle left untouched.
TEST_F(PopupWindowTest, DrawsItsFrameOfTheStyleAsked) {
  const std::uint32_t paper = 0xFF123456;
  const auto rgb = [](TColor c) {
    const COLORREF v = ColorToRGB(c);
    return 0xFF000000u | (GetRValue(v) << 16) | (GetGValue(v) << 8) | GetBValue(v);
  };
  struct {
    TcxPopupBorderStyle style;
    std::uint32_t outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
  } const cases[] = {
      {TcxPopupBorderStyle::pbsNone, paper, paper, paper, paper},
      {TcxPopupBorderStyle::pbsUltraFlat, rgb(clRed), rgb(clRed), paper, paper},
      {TcxPopupBorderStyle::pbsFlat, rgb(clBtnHighlight), rgb(clBtnShadow), paper, paper},
      {TcxPopupBorderStyle::pbs3D, rgb(cl3DLight), rgb(cl3DDkShadow), rgb(clBtnHighlight),
       rgb(clBtnShadow)},
  };
  TGdiObjectsUnchanged gdi;
  TTestPopup* popup = Create<TTestPopup>(Application);
  popup->SetBounds(0, 0, 20, 12);
  popup->SetFrameColor(clRed);
  for (const auto& c : cases) {
    TOwned<TcxBitmap> bitmap = FilledBitmap(20, 12, paper);
    popup->SetBorderStyle(c.style);
    popup->PaintOn(bitmap->Canvas()->Handle());
    const auto px = [&](int x, int y) { return PixelAt(bitmap.get(), x, y) | 0xFF000000u; };
    const int name = static_cast<int>(c.style);
    EXPECT_EQ(Hex(px(0, 5)), Hex(c.outerTopLeft)) << name;
    EXPECT_EQ(Hex(px(8, 0)), Hex(c.outerTopLeft)) << name;
    EXPECT_EQ(Hex(px(19, 5)), Hex(c.outerBottomRight)) << name;
    EXPECT_EQ(Hex(px(8, 11)), Hex(c.outerBottomRight)) << name;
    EXPECT_EQ(Hex(px(1, 5)), Hex(c.innerTopLeft)) << name;
    EXPECT_EQ(Hex(px(18, 5)), Hex(c.innerBottomRight)) << name;
    EXPECT_EQ(Hex(px(10, 6)), Hex(paper)) << name;
  }
  popup->Free();
}

} // namespace
} // namespace controls_test
