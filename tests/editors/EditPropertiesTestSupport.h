// Fixtures for the editor properties tests: properties that publish the
// base's values as an editor kind does, a component holding them, and a
// provider of defaults whose answers a test sets.
#pragma once

#include "editors/cxEditProperties.h"

namespace editors_test {

class TTestValues : public TcxCustomEditPropertiesValues {
  OBJECT_CLASS(TTestValues, TcxCustomEditPropertiesValues)
public:
  using TcxCustomEditPropertiesValues::TcxCustomEditPropertiesValues;
};

class TTestEditPropertiesMeta : public TcxCustomEditPropertiesMeta {
public:
  using TcxCustomEditPropertiesMeta::TcxCustomEditPropertiesMeta;
  TcxCustomEditPropertiesValuesClass GetAssignedValuesClass() const override {
    return TTestValues::StaticClass();
  }
};

// Publishes the base's values under their names, with the base's storing rules.
class TTestEditProperties : public TcxCustomEditProperties {
  OBJECT_CLASS_META(TTestEditProperties, TcxCustomEditProperties, TTestEditPropertiesMeta)
public:
  static void Publish(TPublisher& p) {
    using P = TTestEditProperties;
    p.Property<P>(
         "Alignment", [](P* o) { return o->BaseGetAlignment(); },
         [](P* o, TcxEditAlignment* v) { o->BaseSetAlignment(v); })
        .Stored([](P* o) { return o->IsAlignmentStored(); });
    p.Property<P>("AssignedValues", [](P* o) { return o->AssignedValues(); });
    p.Property("AutoSelect", &P::AutoSelect, &P::SetAutoSelect).Default(true);
    p.Property("BeepOnError", &P::BeepOnError, &P::SetBeepOnError).Default(false);
    p.Property("ClearKey", &P::ClearKey, &P::SetClearKey).Default(TShortCut(0));
    p.Property<P>(
         "ReadOnly", [](P* o) { return o->GetReadOnly(); }, [](P* o, bool v) { o->SetReadOnly(v); })
        .Stored([](P* o) { return o->IsReadOnlyStored(); });
    p.Property("UseLeftAlignmentOnEditing", &P::UseLeftAlignmentOnEditing,
               &P::SetUseLeftAlignmentOnEditing)
        .Stored([](TcxCustomEditProperties* o) { return o->IsUseLeftAlignmentOnEditingStored(); });
    p.Property("ValidateOnEnter", &P::ValidateOnEnter, &P::SetValidateOnEnter).Default(false);
    p.Property("OnChange", &P::OnChange, &P::SetOnChange);
  }

  using TcxCustomEditProperties::TcxCustomEditProperties;

  TcxEditDisplayFormatOptions GetDisplayFormatOptions() override { return formatOptions; }
  TcxDataEditValueSource GetEditValueSource(bool AEditFocused) override {
    return !formatOptions.Contains(TcxEditDisplayFormatOption::dfoSupports) || AEditFocused
               ? TcxDataEditValueSource::evsValue
               : TcxDataEditValueSource::evsText;
  }

  TcxEditDisplayFormatOptions formatOptions;
};

// A component that owns properties, as an editor does.
class TPropertiesHolder : public TComponent {
  OBJECT_CLASS(TPropertiesHolder, TComponent)
public:
  static void Publish(TPublisher& p) { p.Property("Properties", &TPropertiesHolder::Properties); }
  explicit TPropertiesHolder(TComponent* owner)
      : TComponent(owner), m_properties(Create<TTestEditProperties>(this)) {}
  TTestEditProperties* Properties() const { return m_properties.get(); }

private:
  TOwned<TTestEditProperties> m_properties;
};

class TFakeDefaultValuesProvider : public IcxEditDefaultValuesProvider {
public:
  bool QueryInterface(const TInterfaceQuery&, void*&) override { return false; }
  int _AddRef() override { return -1; }
  int _Release() override { return -1; }

  bool CanSetEditMode() override { return canSetEditMode; }
  void ClearUsers() override {}
  TAlignment DefaultAlignment() override { return alignment; }
  TcxBlobKind DefaultBlobKind() override { return TcxBlobKind::bkMemo; }
  bool DefaultCanModify() override { return canModify; }
  std::string DefaultDisplayFormat() override { return {}; }
  std::string DefaultEditFormat() override { return {}; }
  std::string DefaultEditMask() override { return {}; }
  bool DefaultIsFloatValue() override { return false; }
  int DefaultMaxLength() override { return 0; }
  double DefaultMaxValue() override { return 0; }
  double DefaultMinValue() override { return 0; }
  int DefaultPrecision() override { return 15; }
  bool DefaultReadOnly() override { return readOnly; }
  bool DefaultRequired() override { return false; }
  TObject* GetInstance() override { return nullptr; }
  bool IsDataStorage() override { return false; }
  bool IsBlob() override { return false; }
  bool IsCurrency() override { return false; }
  bool IsDataAvailable() override { return true; }
  bool IsDisplayFormatDefined(bool AIsCurrencyValueAccepted) override {
    lastCurrencyAccepted = AIsCurrencyValueAccepted;
    return displayFormatDefined;
  }
  bool IsOnGetTextAssigned() override { return false; }
  bool IsOnSetTextAssigned() override { return false; }
  bool IsValidChar(char) override { return true; }

  TAlignment alignment = TAlignment::taLeftJustify;
  bool readOnly = false;
  bool canModify = true;
  bool canSetEditMode = true;
  bool displayFormatDefined = false;
  bool lastCurrencyAccepted = false;
};

} // namespace editors_test
