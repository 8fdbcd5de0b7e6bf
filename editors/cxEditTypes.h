// Enumerations shared by the editors' styles, layout and painting.
#pragma once

#include "platform/objects/PropertyRegistry.h"

// Height, maximum line count and width an editor is measured with; -1
// means "not given".
struct TcxEditSizeProperties {
  int Height = -1;
  int MaxLineCount = 0;
  int Width = -1;
};
inline constexpr TcxEditSizeProperties DefaultcxEditSizeProperties{-1, 0, -1};

enum class TcxEditButtonState { ebsDisabled, ebsNormal, ebsPressed, ebsSelected };

enum class TcxEditButtonStyle {
  btsDefault,
  bts3D,
  btsFlat,
  btsSimple,
  btsHotFlat,
  btsUltraFlat,
  btsOffice11,
};
ENUM_NAMES(TcxEditButtonStyle, "btsDefault", "bts3D", "btsFlat", "btsSimple", "btsHotFlat",
           "btsUltraFlat", "btsOffice11");

enum class TcxEditButtonTransparency {
  ebtNone,
  ebtInactive,
  ebtAlways,
  ebtHideInactive,
  ebtHideUnselected,
};
ENUM_NAMES(TcxEditButtonTransparency, "ebtNone", "ebtInactive", "ebtAlways", "ebtHideInactive",
           "ebtHideUnselected");

// How a host asks an editor to be painted: rows when the text needs them,
// no height for an empty text, a border of the host's own around it, "..."
// at the end of a cut text, a focus rectangle while in place.
enum class TcxEditPaintOption {
  epoAllowZeroHeight,
  epoAutoHeight,
  epoHasExternalBorder,
  epoShowEndEllipsis,
  epoShowFocusRectWhenInplace
};
using TcxEditPaintOptions = Set<TcxEditPaintOption>;

enum class TcxEditPopupBorderStyle { epbsDefault, epbsSingle, epbsFrame3D, epbsFlat };
ENUM_NAMES(TcxEditPopupBorderStyle, "epbsDefault", "epbsSingle", "epbsFrame3D", "epbsFlat");

// The container border styles under the editors' names, in the same order.
enum class TcxEditBorderStyle {
  ebsNone,
  ebsSingle,
  ebsThick,
  ebsFlat,
  ebs3D,
  ebsUltraFlat,
  ebsOffice11
};
ENUM_NAMES(TcxEditBorderStyle, "ebsNone", "ebsSingle", "ebsThick", "ebsFlat", "ebs3D",
           "ebsUltraFlat", "ebsOffice11");
