// What a windowed control asks of the input method editor (IME) when it
// gets the focus: whether its window has an input context at all, whether
// the input method starts open or closed, and which installed input method
// (keyboard layout) to switch to.
#pragma once

#include <string>

#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/WinApi.h"

// How a control asks the input method to start. imDisable takes the input
// context from the window, imClose and imOpen close and open the input method,
// imDontCare leaves it as it is; the other modes ask for a kind of input of an
// East Asian input method and open it.
enum class TImeMode {
  imDisable,
  imClose,
  imOpen,
  imDontCare,
  imSAlpha,
  imAlpha,
  imHira,
  imSKata,
  imKata,
  imChinese,
  imSHanguel,
  imHanguel
};
ENUM_NAMES(TImeMode, "imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha", "imAlpha",
           "imHira", "imSKata", "imKata", "imChinese", "imSHanguel", "imHanguel");
// The name of an input method editor as the system describes it.
using TImeName = std::string;

// Gives the window's input context the mode: every mode but imDisable makes
// sure the window has its default context.
void ApplyImeMode(HWND window, TImeMode mode);
// The installed keyboard layout whose input method has the name (the letter
// case of ASCII letters ignored, as for other names of the system); nil when
// none has.
HKL FindImeLayout(const TImeName& name);
// Switches to the input method with the name when one is installed; an empty
// or unknown name changes nothing.
void ActivateImeByName(const TImeName& name);
