#include "editors/cxEditValue.h"

#include "data/cxVariants.h"

bool InternalVarEqualsExact(const Variant& a, const Variant& b) {
  return VarType(a) == VarType(b) && VarEqualsExact(a, b);
}

void TcxEditModifiedFlags::SetModified(bool Value) {
  m_state.Modified = Value;
  if (!Value)
    m_state.ModifiedAfterEnter = false;
}

void TcxEditModifiedFlags::SetModifiedAfterEnter(bool Value) {
  m_state.ModifiedAfterEnter = Value;
  if (Value) {
    m_state.Modified = true;
    m_editValidated = false;
  }
}

void TcxEditModifiedFlags::SaveModified() { m_saved.push_back(m_state); }

void TcxEditModifiedFlags::RestoreModified() {
  if (m_saved.empty())
    throw EcxEditError("The editor's modified state was restored without being saved");
  m_state = m_saved.back();
  m_saved.pop_back();
}

TcxEditModifiedStateScope::TcxEditModifiedStateScope(TcxEditModifiedFlags& AFlags)
    : m_flags(AFlags) {
  m_flags.SaveModified();
}

TcxEditModifiedStateScope::~TcxEditModifiedStateScope() {
  if (m_saved)
    m_flags.RestoreModified();
}

void TcxEditModifiedStateScope::Restore() {
  if (!m_saved)
    return;
  m_saved = false;
  m_flags.RestoreModified();
}
