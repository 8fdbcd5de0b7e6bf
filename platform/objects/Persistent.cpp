#include "platform/objects/Persistent.h"

void TPersistent::Assign(TPersistent* source) {
  if (!source)
    AssignError(nullptr);
  source->AssignTo(this);
}

void TPersistent::DefineProperties(TFiler&) {}

void TPersistent::AssignTo(TPersistent* dest) { dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* source) {
  const std::string sourceName = source ? source->ClassName() : std::string("nil");
  throw EConvertError("Cannot assign a " + sourceName + " to a " + ClassName());
}

void TInterfacedPersistent::AfterConstruction() {
  inherited::AfterConstruction();
  if (TPersistent* owner = GetOwner())
    m_ownerInterface = dynamic_cast<IInterface*>(owner);
}

bool TInterfacedPersistent::QueryInterface(const TInterfaceQuery& query, void*& intf) {
  return GetInterface(query, intf);
}

int TInterfacedPersistent::_AddRef() {
  return m_ownerInterface ? m_ownerInterface->_AddRef() : -1;
}

int TInterfacedPersistent::_Release() {
  return m_ownerInterface ? m_ownerInterface->_Release() : -1;
}
