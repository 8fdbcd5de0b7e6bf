#include "editors/cxEditDataBinding.h"

#include <vector>

#include "editors/cxEditControl.h"

TcxCustomEditDefaultValuesProvider::~TcxCustomEditDefaultValuesProvider() { ClearUsers(); }

void TcxCustomEditDefaultValuesProvider::ClearUsers() {
  // A copy: a properties object told of the loss must not disturb the walk.
  const std::vector<TcxCustomEditProperties*> users = GetEditPropertiesList();
  for (TcxCustomEditProperties* properties : users) {
    IcxEditDefaultValuesProvider* provider = properties->IDefaultValuesProvider();
    if (provider && provider->GetInstance() == this)
      properties->DefaultValuesProviderDestroyed();
  }
}

// ---- TcxEditDataBinding

TcxEditDataBinding::TcxEditDataBinding(TcxCustomEdit* AEdit) : m_edit(AEdit) {}

TcxEditDataBinding::~TcxEditDataBinding() { m_defaultValuesProvider.reset(); }

void TcxEditDataBinding::AfterConstruction() {
  inherited::AfterConstruction();
  m_defaultValuesProvider.reset(GetDefaultValuesProviderClass().Create(nullptr));
}

TPersistent* TcxEditDataBinding::GetOwner() { return m_edit; }

TcxCustomEditDefaultValuesProviderClass
TcxEditDataBinding::GetDefaultValuesProviderClass() const {
  return TcxCustomEditDefaultValuesProvider::StaticClass();
}

IcxEditDefaultValuesProvider* TcxEditDataBinding::GetIDefaultValuesProvider() const {
  return m_defaultValuesProvider.get();
}

bool TcxEditDataBinding::GetIsDataAvailable() const {
  return m_defaultValuesProvider->IsDataAvailable();
}

void TcxEditDataBinding::SetInternalDisplayValue(const Variant& Value) {
  m_edit->SetInternalDisplayValue(Value);
}

void TcxEditDataBinding::DefaultValuesChanged() {
  TcxCustomEditProperties* properties = m_edit->GetActiveProperties();
  if (!m_edit->RepositoryItem()) {
    properties->DefaultValuesChanged(nullptr);
    return;
  }
  properties->BeginUpdate();
  properties->DefaultValuesChanged(nullptr);
  properties->EndUpdate(false);
  m_edit->PropertiesChanged(static_cast<TObject*>(properties));
}

Variant TcxEditDataBinding::GetDisplayValue() { return m_edit->GetDisplayValue(); }

bool TcxEditDataBinding::GetModified() { return m_edit->ModifiedAfterEnter(); }

Variant TcxEditDataBinding::GetStoredValue() { return m_edit->GetEditValue(); }

void TcxEditDataBinding::Reset() { m_edit->ResetEditValue(); }

void TcxEditDataBinding::SetDisplayValue(const Variant& Value) { SetInternalDisplayValue(Value); }

bool TcxEditDataBinding::CanCheckEditorValue() {
  return m_edit->IsDesigning() || !m_edit->ModifiedAfterEnter();
}

void TcxEditDataBinding::UpdateDisplayValue() { m_edit->SynchronizeDisplayValue(); }
