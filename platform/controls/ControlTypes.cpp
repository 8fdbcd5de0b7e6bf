#include "platform/controls/ControlTypes.h"

namespace {

using enum TShiftStateItem;

bool KeyDown(int virtualKey) { return ::GetKeyState(virtualKey) < 0; }

const TIdentMapEntry kCursorIdents[] = {
    {crDefault, "crDefault"},     {crNone, "crNone"},         {crArrow, "crArrow"},
    {crCross, "crCross"},         {crIBeam, "crIBeam"},       {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"}, {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},     {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},       {crHSplit, "crHSplit"},     {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},   {crNo, "crNo"},
    {crAppStart, "crAppStart"},   {crHelp, "crHelp"},         {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
};

} // namespace

TShiftState KeyDataToShiftState(LPARAM keyData) {
  constexpr LPARAM kAltMask = 0x20000000;
  TShiftState shift;
  if (KeyDown(VK_SHIFT))
    shift.Include(ssShift);
  if (KeyDown(VK_CONTROL))
    shift.Include(ssCtrl);
  if (keyData & kAltMask)
    shift.Include(ssAlt);
  return shift;
}

TShiftState KeysToShiftState(WORD keys) {
  TShiftState shift;
  if (keys & MK_SHIFT)
    shift.Include(ssShift);
  if (keys & MK_CONTROL)
    shift.Include(ssCtrl);
  if (keys & MK_LBUTTON)
    shift.Include(ssLeft);
  if (keys & MK_RBUTTON)
    shift.Include(ssRight);
  if (keys & MK_MBUTTON)
    shift.Include(ssMiddle);
  if (KeyDown(VK_MENU))
    shift.Include(ssAlt);
  return shift;
}

WORD ShiftStateToKeys(TShiftState shift) {
  WORD keys = 0;
  if (shift.Contains(ssShift))
    keys |= MK_SHIFT;
  if (shift.Contains(ssCtrl))
    keys |= MK_CONTROL;
  if (shift.Contains(ssLeft))
    keys |= MK_LBUTTON;
  if (shift.Contains(ssRight))
    keys |= MK_RBUTTON;
  if (shift.Contains(ssMiddle))
    keys |= MK_MBUTTON;
  return keys;
}

TShiftState KeyboardStateToShiftState(const TKeyboardState& keyboardState) {
  static constexpr struct {
    int key;
    TShiftStateItem item;
  } kKeys[] = {{VK_SHIFT, ssShift},   {VK_CONTROL, ssCtrl},  {VK_MENU, ssAlt},
               {VK_LBUTTON, ssLeft},  {VK_RBUTTON, ssRight}, {VK_MBUTTON, ssMiddle}};
  TShiftState shift;
  for (const auto& entry : kKeys)
    if (keyboardState[entry.key] & 0x80)
      shift.Include(entry.item);
  return shift;
}

TShiftState GetShiftState() {
  TKeyboardState state{};
  ::GetKeyboardState(state);
  return KeyboardStateToShiftState(state);
}

TIdentMap CursorIdents() { return kCursorIdents; }

// Scroll codes travel as the platform's SB_* values.
static_assert(static_cast<int>(TScrollCode::scLineUp) == SB_LINEUP);
static_assert(static_cast<int>(TScrollCode::scPosition) == SB_THUMBPOSITION);
static_assert(static_cast<int>(TScrollCode::scTrack) == SB_THUMBTRACK);
static_assert(static_cast<int>(TScrollCode::scEndScroll) == SB_ENDSCROLL);
