// What an editor's data tells its properties: the provider of default
// values for settings the properties leave unset. The base provider answers
// for an editor without data (no formats, nothing read-only, every character
// valid); data-aware editors supply their own.
//
// The editor's data binding of this library is the unbound one: it keeps no
// data source and answers from the editor itself. Data-aware editors supply
// another binding class.
//
// Classes in this file: TcxCustomEditDefaultValuesProvider,
// TcxEditDataBinding.
#pragma once

#include "editors/cxEditProperties.h"

class TcxCustomEdit;

class TcxCustomEditDefaultValuesProvider : public TcxInterfacedPersistent,
                                           public IcxEditDefaultValuesProvider {
  OBJECT_CLASS(TcxCustomEditDefaultValuesProvider, TcxInterfacedPersistent)
public:
  using TcxInterfacedPersistent::TcxInterfacedPersistent;
  // Every properties object that still uses this provider forgets it.
  ~TcxCustomEditDefaultValuesProvider() override;

  bool CanSetEditMode() override { return true; }
  void ClearUsers() final;
  TAlignment DefaultAlignment() override { return cxEditDefaultHorzAlignment; }
  TcxBlobKind DefaultBlobKind() override { return TcxBlobKind::bkMemo; }
  bool DefaultCanModify() override { return true; }
  std::string DefaultDisplayFormat() override { return {}; }
  std::string DefaultEditFormat() override { return {}; }
  std::string DefaultEditMask() override { return {}; }
  bool DefaultIsFloatValue() override { return false; }
  int DefaultMaxLength() override { return 0; }
  double DefaultMaxValue() override { return 0.0; }
  double DefaultMinValue() override { return 0.0; }
  int DefaultPrecision() override { return 15; }
  bool DefaultReadOnly() override { return false; }
  bool DefaultRequired() override { return false; }
  TObject* GetInstance() final { return this; }
  bool IsBlob() override { return false; }
  bool IsCurrency() override { return false; }
  bool IsDataAvailable() override { return true; }
  bool IsDataStorage() override { return false; }
  bool IsDisplayFormatDefined(bool) override { return false; }
  bool IsOnGetTextAssigned() override { return false; }
  bool IsOnSetTextAssigned() override { return false; }
  bool IsValidChar(char) override { return true; }
};

using TcxCustomEditDefaultValuesProviderClass = TClassRef<TcxCustomEditDefaultValuesProvider>;

class TcxEditDataBinding;
using TcxEditDataBindingMeta = TClassOf<TcxEditDataBinding, TPersistent::TMeta, TcxCustomEdit*>;

// Between an editor and the data it shows. The unbound binding stores
// nothing: the stored value is the editor's edit value, and the editor counts
// as modified while the user changed it since entering it.
class TcxEditDataBinding : public TPersistent {
  OBJECT_CLASS_META(TcxEditDataBinding, TPersistent, TcxEditDataBindingMeta)
public:
  explicit TcxEditDataBinding(TcxCustomEdit* AEdit);
  ~TcxEditDataBinding() override;
  // Makes the provider of the actual class's kind.
  void AfterConstruction() override;
  TPersistent* GetOwner() override;

  TcxCustomEdit* Edit() const { return m_edit; }
  IcxEditDefaultValuesProvider* GetIDefaultValuesProvider() const;
  bool GetIsDataAvailable() const;
  void SetInternalDisplayValue(const Variant& Value);

  // Announces the provider's new defaults through the active properties.
  virtual void DefaultValuesChanged();
  virtual Variant GetDisplayValue();
  virtual bool GetModified();
  virtual Variant GetStoredValue();
  virtual void Reset();
  virtual void SetDisplayValue(const Variant& Value);
  virtual bool SetEditMode() { return true; }
  virtual void SetStoredValue(const Variant&) {}
  virtual bool CanCheckEditorValue();
  virtual bool CanPostEditorValue() { return GetModified(); }
  virtual TcxCustomEditDefaultValuesProviderClass GetDefaultValuesProviderClass() const;
  virtual void SetModified() {}
  virtual void UpdateDisplayValue();
  virtual void UpdateNotConnectedDBEditDisplayValue() {}

private:
  TcxCustomEdit* m_edit;
  TOwned<TcxCustomEditDefaultValuesProvider> m_defaultValuesProvider;
};
