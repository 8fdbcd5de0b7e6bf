// The painted state of an editor's buttons: what the view data worked out
// for each visible button, kept until the next calculation so that the next
// one can read the button's previous state, and the comparison that decides
// what must be repainted.
//
// Classes in this file: TcxEditButtonViewInfo.
#pragma once

#include <string>

#include "editors/cxEditButtons.h"
#include "editors/cxEditTypes.h"
#include "framework/cxGraphicsRegions.h"
#include "framework/cxLookAndFeelPainters.h"
#include "platform/graphics/Colors.h"

class TcxEditButtonViewInfo : public TPersistent {
  OBJECT_CLASS(TcxEditButtonViewInfo, TPersistent)
public:
  // From another button view info: the native state, background colour,
  // rectangle, style and state; anything else as a persistent.
  void Assign(TPersistent* Source) override;
  // The caller's region: empty when nothing drawn differs from Other, else
  // the button's rectangle.
  virtual TOwned<TcxRegion> GetUpdateRegion(TcxEditButtonViewInfo* Other);
  // Style, state, background colour or native state differ.
  bool IsPaintChanged(const TcxEditButtonViewInfo& Other) const;

  TRect Bounds;
  TColor BackgroundColor = clDefault;
  std::string Caption;
  TAlignment ContentAlignment = TAlignment::taCenter;
  bool Default = false;
  bool Gradient = false;
  bool InPlace = false;
  TcxEditButtonKind Kind = TcxEditButtonKind::bkDown;
  bool LeftAlignment = false;
  bool LeftEdge = false;
  bool Native = false;
  bool RightEdge = false;
  TcxEditButtonState State = TcxEditButtonState::ebsNormal;
  TcxEditButtonStyle Style = TcxEditButtonStyle::btsDefault;
  TColor TextColor = clBtnText;
  bool Transparent = false;
  std::string VisibleCaption;
  bool BackgroundPartiallyTransparent = false;
  bool ComboStyle = false;
  int NativePart = 0;
  int NativeState = 0;
  TBitmap* Glyph = nullptr;
  bool HasBackground = false;
  int ButtonIndex = -1;
  bool Stretchable = false;
  // The part of the button rectangle inside the editor.
  TRect VisibleBounds;
  // The button's width, or the default-width answer when it has none.
  int Width = 0;
};
