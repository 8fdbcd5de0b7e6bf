#include "editors/cxEdit.h"

#include "data/cxFilterConsts.h"
#include "framework/cxContainerStyles.h"
#include "framework/cxGeometry.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Resources.h"

const std::array<std::string, 4> cxEditStyleValueNameA = {"ButtonStyle", "ButtonTransparency",
                                                          "PopupBorderStyle", "GradientButtons"};

const std::array<TRect, 2> EditContentDefaultOffsets = {Rect(1, 1, 1, 3), Rect(1, 1, 1, 1)};

TcxButtonState EditBtnState2ButtonState(TcxEditButtonState AState) {
  switch (AState) {
  case TcxEditButtonState::ebsDisabled:
    return TcxButtonState::cxbsDisabled;
  case TcxEditButtonState::ebsNormal:
    return TcxButtonState::cxbsNormal;
  case TcxEditButtonState::ebsPressed:
    return TcxButtonState::cxbsPressed;
  case TcxEditButtonState::ebsSelected:
    return TcxButtonState::cxbsHot;
  }
  return TcxButtonState::cxbsNormal;
}

void CheckSize(TSize& ASize, const TSize& AMinSize) {
  if (ASize.cx < AMinSize.cx)
    ASize.cx = AMinSize.cx;
  if (ASize.cy < AMinSize.cy)
    ASize.cy = AMinSize.cy;
}

bool IsSpaceChar(char C) {
  switch (C) {
  case '\0':
  case '\t':
  case '\n':
  case '\f':
  case '\r':
  case ' ':
    return true;
  default:
    return false;
  }
}

void UniteRegions(TcxRegion* ADestRegion, TcxRegion* ASrcRegion) {
  ADestRegion->Combine(ASrcRegion, TcxRegionOperation::roAdd, false);
}

void DrawEditComplexFrame(TcxCanvas* ACanvas, TRect& R, TColor ALeftTopColor,
                          TColor ARightBottomColor) {
  ACanvas->DrawComplexFrame(R, ALeftTopColor, ARightBottomColor);
  R = cxRectInflate(R, -1, -1);
}

void DrawEditFrame(TcxCanvas* ACanvas, TRect& R, TColor AColor) {
  ACanvas->FrameRect(R, AColor);
  R = cxRectInflate(R, -1, -1);
}

namespace {

int g_startCount = 0;

void RegisterMouseWheelCursor() {
  if (Screen)
    Screen->SetCursors(crcxEditMouseWheel, LoadCursorResource(MainInstance(), "CXEDIT_MOUSEWHEEL"));
}

void Initialize() {
  if (g_startCount++ > 0)
    return;
  RegisterMouseWheelCursor();
  CreateDefaultEditStyleController();
  cxContainerDefaultStyleController = DefaultEditStyleController();
  cxFilterGetResourceStringFunc = cxGetResourceStringNet;
}

void Finalize() {
  if (g_startCount == 0 || --g_startCount > 0)
    return;
  FreeRegisteredEditProperties();
  FreeDefaultEditRepository();
  cxContainerDefaultStyleController = nullptr;
  FreeDefaultEditStyleController();
}

} // namespace

const TUnitInfo cxEditUnit{"cxEdit", Initialize, Finalize};
