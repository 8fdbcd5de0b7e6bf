// The editor's drop-down list box: placeholder rows drawn and measured from
// GetItem, the row count set without needless updates, the select-item
// event, hot tracking with the real mouse, and wheel scrolling by the
// system's lines setting.
#include "editors/cxTextEditListBox.h"

#include <string>
#include <vector>

#include "framework/cxContainerPopup.h"
#include "framework/cxControls.h"
#include "framework/cxGraphicsBitmaps.h"
#include "platform/graphics/DCScopes.h"
#include "tests/framework/cxControlsTestSupport.h"
#include "tests/framework/cxGraphicsTestSupport.h"
#include "tests/support/GdiObjects.h"
#include "tests/support/Pictures.h"

namespace controls_test {
namespace {

// Rows that answer "row <n>", and a record of redraw switching.
class TTestEditListBox : public TcxCustomEditListBox {
  OBJECT_CLASS(TTestEditListBox, TcxCustomEditListBox)
public:
  using TcxCustomEditListBox::DoMouseWheel;
  using TcxCustomEditListBox::DrawItem;
  using TcxCustomEditListBox::NeedDrawFocusRect;
  using TcxCustomEditListBox::TcxCustomEditListBox;
  int redraws = 0;

  std::string GetItem(int AIndex) override { return "row " + std::to_string(AIndex); }

protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_SETREDRAW)
      ++redraws;
    TcxCustomEditListBox::WndProc(message);
  }
};

class EditListBoxTest : public TLookAndFeelControlTest {
protected:
  void SetUp() override {
    TLookAndFeelControlTest::SetUp();
    m_form = ShownForm();
    m_list = Create<TTestEditListBox>(m_form);
    m_list->SetBounds(10, 10, 150, 120);
    m_list->SetParent(m_form);
    Pump();
  }
  void TearDown() override {
    m_form->Free();
    TLookAndFeelControlTest::TearDown();
  }

  TForm* m_form = nullptr;
  TTestEditListBox* m_list = nullptr;
};

TEST_F(EditListBoxTest, SetItemCountAddsAndRemovesEmptyRowsInOneUpdate) {
  EXPECT_TRUE(m_list->TrackMouse());
  EXPECT_EQ(m_list->BorderStyle(), TBorderStyle::bsNone);
  m_list->SetItemCount(20);
  EXPECT_EQ(m_list->Count(), 20);
  EXPECT_EQ(m_list->Items()->Strings(5), "");
  m_list->SetItemCount(3);
  EXPECT_EQ(m_list->Count(), 3);
  // The same count again changes nothing and starts no update.
  m_list->redraws = 0;
  m_list->SetItemCount(3);
  EXPECT_EQ(m_list->redraws, 0);
  m_list->SetItemCount(0);
  EXPECT_EQ(m_list->Count(), 0);
  EXPECT_EQ(m_list->redraws, 2);
}

TEST_F(EditListBoxTest, RowsAreMeasuredFromTheFontAndDrawnFromGetItem) {
  m_list->SetItemCount(10);
  const int height = m_list->GetDefaultItemHeight();
  m_list->cxCanvas()->SetFont(m_list->Font());
  EXPECT_EQ(height, m_list->cxCanvas()->TextHeight("Wg"));
  EXPECT_EQ(m_list->GetItemHeight(4), height);
  EXPECT_EQ(m_list->GetHeight(5), 5 * height);
  EXPECT_EQ(static_cast<int>(::SendMessageW(m_list->Handle(), LB_GETITEMHEIGHT, 3, 0)), height);
  EXPECT_EQ(m_list->GetItemWidth(2), m_list->cxCanvas()->TextWidth("row 2"));

  const TRect row{0, 0, 100, height};
  const auto drawRow = [&] {
    TOwned<TcxBitmap> bitmap = FilledBitmap(100, height, 0xFFFFFFFF);
    const TCanvasLoan loan(*m_list->Canvas(), bitmap->Canvas()->Handle());
    m_list->Canvas()->SetFont(m_list->Font());
    m_list->Canvas()->Font()->SetColor(clBlack);
    m_list->Canvas()->Brush()->SetColor(clWhite);
    m_list->DrawItem(1, row, {});
    return bitmap;
  };
  // The canvas makes its font and brush on the first drawing.
  drawRow();
  TGdiObjectsUnchanged gdi;
  TOwned<TcxBitmap> bitmap = drawRow();
  const std::vector<std::uint32_t> pixels = PixelsOf(bitmap.get());
  int ink = 0;
  int inkInMargin = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < 100; ++x)
      if ((pixels[static_cast<std::size_t>(y * 100 + x)] & 0xFFFFFF) != 0xFFFFFF) {
        ++ink;
        inkInMargin += x < 2;
      }
  EXPECT_GT(ink, 10);
  EXPECT_EQ(inkInMargin, 0);
}

TEST_F(EditListBoxTest, EveryChangeOfTheSelectedRowIsReported) {
  m_list->SetItemCount(10);
  int selected = 0;
  m_list->SetOnSelectItem(TNotifyEvent([&](TObject* sender) {
    EXPECT_EQ(sender, m_list);
    ++selected;
  }));
  m_list->SetItemIndex(4);
  EXPECT_EQ(selected, 1);
  ClickControl(m_list, {5, m_list->ItemRect(2).Top + 2});
  EXPECT_TRUE(PumpUntil([&] { return m_list->ItemIndex() == 2; }));
  EXPECT_GE(selected, 2);
}

TEST_F(EditListBoxTest, TheRowUnderTheMouseBecomesTheSelectedOne) {
  m_list->SetItemCount(10);
  const TRect third = m_list->ItemRect(3);
  const TPoint point = m_list->ClientToScreen({20, third.Top + 2});
  ::SetCursorPos(point.X - 1, point.Y);
  Pump();
  ::SetCursorPos(point.X, point.Y);
  EXPECT_TRUE(PumpUntil([&] { return m_list->ItemIndex() == 3; }));

  m_list->SetTrackMouse(false);
  const TPoint fifth = m_list->ClientToScreen({20, m_list->ItemRect(5).Top + 2});
  ::SetCursorPos(fifth.X, fifth.Y);
  Pump();
  EXPECT_EQ(m_list->ItemIndex(), 3);
}

TEST_F(EditListBoxTest, TheWheelScrollsBySystemLines) {
  m_list->SetItemCount(40);
  UINT saved = 3;
  ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &saved, 0);
  for (UINT lines : {0u, 3u}) {
    ::SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0);
    m_list->SetTopIndex(10);
    const bool down = m_list->DoMouseWheel({}, -WHEEL_DELTA, {0, 0});
    EXPECT_EQ(down, lines > 0) << lines;
    EXPECT_EQ(m_list->TopIndex(), 10 + static_cast<int>(lines)) << lines;
    m_list->DoMouseWheel({}, WHEEL_DELTA, {0, 0});
    EXPECT_EQ(m_list->TopIndex(), 10) << lines;
  }
  ::SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, saved, nullptr, 0);
}

class TListPopup : public TcxCustomPopupWindow {
  OBJECT_CLASS(TListPopup, TcxCustomPopupWindow)
public:
  explicit TListPopup(TWinControl* owner) : TcxCustomPopupWindow(owner) { SetModalMode(false); }
};

// On the screen, in a popup below its owner: the rows' texts, the selected
// row in the highlight colour.
TEST_F(EditListBoxTest, ShowsItsRowsInAPopupBelowTheOwner) {
  auto* popup = Create<TListPopup>(static_cast<TWinControl*>(m_list));
  auto* list = Create<TTestEditListBox>(popup);
  list->SetParent(popup);
  list->SetItemCount(6);
  list->SetBounds(0, 0, 120, list->GetHeight(6));
  popup->SetOwnerParent(m_form);
  popup->SetOwnerBounds(m_list->BoundsRect());
  popup->Popup(nullptr);
  list->SetItemIndex(2);
  Pump();
  ASSERT_TRUE(popup->IsVisible());
  EXPECT_TRUE(list->IsVisible());
  EXPECT_EQ(list->GetEdit(), m_list);

  TOwned<TcxBitmap> shot(Create<TcxBitmap>(1, 1));
  CaptureScreen(popup->Handle(), shot.get());
  SavePicture(shot.get(), "edit-list-box-popup");
  const COLORREF highlight = ColorToRGB(clHighlight);
  const std::uint32_t highlightArgb = 0xFF000000u | (GetRValue(highlight) << 16) |
                                      (GetGValue(highlight) << 8) | GetBValue(highlight);
  const TRect selected = list->ItemRect(2);
  EXPECT_EQ(PixelAt(shot.get(), 1, selected.Top + 1) | 0xFF000000u, highlightArgb);
  EXPECT_NE(PixelAt(shot.get(), 1, list->ItemRect(0).Top + 1) | 0xFF000000u, highlightArgb);
  popup->CloseUp();
  popup->Free();
}

TEST_F(EditListBoxTest, TheEditorIsThePopupsOwnerControl) {
  EXPECT_EQ(m_list->GetEdit(), nullptr);
  EXPECT_FALSE(m_list->NeedDrawFocusRect());
  auto* popup = Create<TcxCustomPopupWindow>(static_cast<TWinControl*>(m_form));
  auto* list = Create<TTestEditListBox>(popup);
  EXPECT_EQ(list->GetEdit(), m_form);
  EXPECT_FALSE(list->IsVisible());
  popup->Free();
}

} // namespace
} // namespace controls_test
