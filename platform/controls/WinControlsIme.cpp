// The input method of a windowed control, set up as its window gets the focus.
#include "platform/controls/WinControls.h"

// imDontCare asks the input method nothing, unless the context this control
// took away at an earlier focus is to be given back.
void TWinControl::WMSetFocus(TMessage& message) {
  DefaultHandler(message);
  if (!m_handle)
    return;
  ActivateImeByName(m_imeName);
  if (m_imeMode != TImeMode::imDontCare || m_imeContextTaken)
    ApplyImeMode(m_handle, m_imeMode);
  m_imeContextTaken = m_imeMode == TImeMode::imDisable;
}
