#include "platform/graphics/Graphic.h"

void TGraphic::SetTransparent(bool transparent) {
  if (m_transparent == transparent)
    return;
  m_transparent = transparent;
  Changed(this);
}

void TGraphic::Changed(TObject*) {
  if (m_onChange)
    m_onChange(this);
}
