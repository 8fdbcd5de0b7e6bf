// What an editor's data tells its properties: the provider of default
// values for settings the properties leave unset. The base provider answers
// for an editor without data (no formats, nothing read-only, every character
// valid); data-aware editors supply their own.
//
// Classes in this file: TcxCustomEditDefaultValuesProvider.
#pragma once

#include "editors/cxEditProperties.h"

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
