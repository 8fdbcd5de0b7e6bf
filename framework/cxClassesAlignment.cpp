#include "framework/cxClassesAlignment.h"

void TcxAlignment::Publish(TPublisher& publisher) {
  publisher.Property("Horz", &TcxAlignment::Horz, &TcxAlignment::SetHorz)
      .Stored(&TcxAlignment::IsHorzStored);
  publisher.Property("Vert", &TcxAlignment::Vert, &TcxAlignment::SetVert)
      .Stored(&TcxAlignment::IsVertStored);
}

TcxAlignment::TcxAlignment(TPersistent* owner, bool useAssignedValues, TAlignment defaultHorz,
                           TcxAlignmentVert defaultVert)
    : m_defaultHorz(defaultHorz),
      m_defaultVert(defaultVert),
      m_horz(defaultHorz),
      m_owner(owner),
      m_useAssignedValues(useAssignedValues),
      m_vert(defaultVert) {}

void TcxAlignment::Assign(TPersistent* source) {
  if (auto alignment = dynamic_cast<TcxAlignment*>(source))
    Update(alignment->m_horz, alignment->m_vert, alignment->m_isHorzAssigned,
           alignment->m_isVertAssigned);
  else
    inherited::Assign(source);
}

void TcxAlignment::Reset() { Update(m_defaultHorz, m_defaultVert, false, false); }

void TcxAlignment::SetHorz(TAlignment value) { Update(value, m_vert, true, m_isVertAssigned); }

void TcxAlignment::SetVert(TcxAlignmentVert value) {
  Update(m_horz, value, m_isHorzAssigned, true);
}

bool TcxAlignment::IsHorzStored() const {
  return m_useAssignedValues ? m_isHorzAssigned : m_horz != m_defaultHorz;
}

bool TcxAlignment::IsVertStored() const {
  return m_useAssignedValues ? m_isVertAssigned : m_vert != m_defaultVert;
}

void TcxAlignment::DoChanged() {
  if (m_onChanged)
    m_onChanged(this);
}

void TcxAlignment::Update(TAlignment horz, TcxAlignmentVert vert, bool isHorzAssigned,
                          bool isVertAssigned) {
  const bool changed = horz != m_horz || vert != m_vert;
  m_horz = horz;
  m_vert = vert;
  m_isHorzAssigned = isHorzAssigned;
  m_isVertAssigned = isVertAssigned;
  if (changed)
    DoChanged();
}
