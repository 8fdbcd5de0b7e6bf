// Shared by the painter tests: the painters' metrics as one table row per
// painter, and pixel colours resolved from system colours.
#pragma once

#include "framework/cxLookAndFeelPainters.h"
#include "tests/framework/cxGraphicsCanvasTestSupport.h"
#include "tests/support/Pixels.h"


// The metrics every painter answers, in one row.
struct TPainterMetrics {
  const char* Name;
  TcxCustomLookAndFeelPainterClass Painter;
  TcxLookAndFeelStyle Style;
  int BorderSize;
  int ButtonBorderSizeDefault;
  int ButtonBorderSizeOther;
  int ButtonTextOffset;
  int ButtonTextShift;
  bool IsButtonHotTrack;
  int ExpandButtonSize;
  int SmallExpandButtonSize;
  int GroupExpandButtonSize;
  int CheckBorderSize;
  int HeaderBorderSize;
  int SectionBorderSizePressed;
  int SectionBorderSizeNormal;
  TPoint SortingMarkSize;
  int FooterBorderSize;
  int FooterCellBorderSize;
  int FooterCellOffset;
  TcxBorders FooterBorders;
  int TabBorderSize;
  TPoint FilterCloseButtonSize;
  bool DrawExpandButtonFirst;
  bool HeaderDrawCellsFirst;
  int HeaderHeightOf13;
};

// Compares every metric of the row with what its painter answers.
inline void ExpectMetrics(const TPainterMetrics& row) {
  SCOPED_TRACE(row.Name);
  auto p = row.Painter;
  EXPECT_EQ(p->LookAndFeelStyle(), row.Style);
  EXPECT_EQ(p->BorderSize(), row.BorderSize);
  EXPECT_EQ(p->ButtonBorderSize(TcxButtonState::cxbsDefault), row.ButtonBorderSizeDefault);
  for (TcxButtonState state : {TcxButtonState::cxbsNormal, TcxButtonState::cxbsHot,
                               TcxButtonState::cxbsPressed, TcxButtonState::cxbsDisabled})
    EXPECT_EQ(p->ButtonBorderSize(state), row.ButtonBorderSizeOther);
  EXPECT_EQ(p->ButtonTextOffset(), row.ButtonTextOffset);
  EXPECT_EQ(p->ButtonTextShift(), row.ButtonTextShift);
  EXPECT_EQ(p->IsButtonHotTrack(), row.IsButtonHotTrack);
  EXPECT_EQ(p->ExpandButtonSize(), row.ExpandButtonSize);
  EXPECT_EQ(p->SmallExpandButtonSize(), row.SmallExpandButtonSize);
  EXPECT_EQ(p->GroupExpandButtonSize(), row.GroupExpandButtonSize);
  EXPECT_EQ(p->CheckBorderSize(), row.CheckBorderSize);
  EXPECT_EQ(p->HeaderBorderSize(), row.HeaderBorderSize);
  EXPECT_EQ(p->HeaderControlSectionBorderSize(TcxButtonState::cxbsPressed),
            row.SectionBorderSizePressed);
  EXPECT_EQ(p->HeaderControlSectionBorderSize(TcxButtonState::cxbsNormal),
            row.SectionBorderSizeNormal);
  EXPECT_EQ(p->SortingMarkSize(), row.SortingMarkSize);
  EXPECT_EQ(p->SortingMarkAreaSize(), Point(16, row.SortingMarkSize.Y));
  EXPECT_EQ(p->FooterBorderSize(), row.FooterBorderSize);
  EXPECT_EQ(p->FooterCellBorderSize(), row.FooterCellBorderSize);
  EXPECT_EQ(p->FooterCellOffset(), row.FooterCellOffset);
  EXPECT_TRUE(p->FooterBorders() == row.FooterBorders);
  EXPECT_EQ(p->TabBorderSize(false), row.TabBorderSize);
  EXPECT_EQ(p->FilterCloseButtonSize(), row.FilterCloseButtonSize);
  EXPECT_EQ(p->FilterActivateButtonSize(), Point(13, 13));
  EXPECT_EQ(p->FilterDropDownButtonSize(), Point(15, 0));
  EXPECT_EQ(p->PopupBorderStyle(), TcxPopupBorderStyle::pbsUltraFlat);
  EXPECT_EQ(p->DrawExpandButtonFirst(), row.DrawExpandButtonFirst);
  EXPECT_EQ(p->HeaderDrawCellsFirst(), row.HeaderDrawCellsFirst);
  EXPECT_EQ(p->FooterDrawCellsFirst(), row.HeaderDrawCellsFirst);
  EXPECT_EQ(p->HeaderHeight(13), row.HeaderHeightOf13);
  EXPECT_EQ(p->SizeGripSize().cx, GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(p->SizeGripSize().cy, GetSystemMetrics(SM_CYHSCROLL));
}
