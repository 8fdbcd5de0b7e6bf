#include "editors/cxTextEditProperties.h"

#include "data/cxDataStorageBcd.h"
#include "data/cxVariants.h"
#include "editors/cxEditConsts.h"
#include "editors/cxTextEdit.h"
#include "editors/cxTextEditFilterHelper.h"
#include "editors/cxTextEditView.h"
#include "platform/objects/Filer.h"
#include "platform/objects/FormReader.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FlagScope.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/ScopeGuards.h"

namespace {

using enum TcxEditEditingStyle;
using enum TcxTextEditViewStyle;

bool IsListStyle(TcxEditEditingStyle style) { return style == esEditList || style == esFixedList; }

} // namespace

// ---- TcxTextEditPropertiesValues ---------------------------------------------------

void TcxTextEditPropertiesValues::Publish(TPublisher& p) {
  using V = TcxTextEditPropertiesValues;
  p.Property("DisplayFormat", &V::DisplayFormat, &V::SetDisplayFormat)
      .Stored(&V::IsDisplayFormatStored);
  p.Property("EditFormat", &V::EditFormat, &V::SetEditFormat).Stored(&V::IsEditFormatStored);
  p.Property("MaxLength", &V::MaxLength, &V::SetMaxLength).Stored(false);
  p.Property("MaxValue", &V::MaxValue, &V::SetMaxValue).Stored(&V::IsMaxValueStored);
  p.Property("MinValue", &V::MinValue, &V::SetMinValue).Stored(&V::IsMinValueStored);
}

TcxCustomTextEditProperties* TcxTextEditPropertiesValues::TextProperties() const {
  return dynamic_cast<TcxCustomTextEditProperties*>(GetProperties());
}

void TcxTextEditPropertiesValues::SetFlag(bool& flag, bool Value) {
  if (flag == Value)
    return;
  flag = Value;
  if (TcxCustomEditProperties* properties = GetProperties())
    properties->Changed();
}

void TcxTextEditPropertiesValues::SetMaxLength(bool Value) {
  if (m_maxLength == Value)
    return;
  m_maxLength = Value;
  if (TcxCustomTextEditProperties* properties = TextProperties())
    properties->MaxLengthChanged();
}

void TcxTextEditPropertiesValues::Assign(TPersistent* Source) {
  TcxCustomEditPropertiesValues::Assign(Source);
  auto* source = dynamic_cast<TcxTextEditPropertiesValues*>(Source);
  if (!source)
    return;
  BeginUpdate();
  TScopeExit end([this] { EndUpdate(); });
  SetDisplayFormat(source->DisplayFormat());
  SetEditFormat(source->EditFormat());
  SetMaxLength(source->MaxLength());
  SetMaxValue(source->MaxValue());
  SetMinValue(source->MinValue());
}

void TcxTextEditPropertiesValues::RestoreDefaults() {
  TcxCustomEditPropertiesValues::RestoreDefaults();
  BeginUpdate();
  TScopeExit end([this] { EndUpdate(); });
  SetDisplayFormat(false);
  SetEditFormat(false);
  SetMaxLength(false);
  SetMaxValue(false);
  SetMinValue(false);
}

// A set flag is written only where its value is the default one (and so
// written by nobody else) and the properties publish the value.
bool TcxTextEditPropertiesValues::IsDisplayFormatStored() const {
  TcxCustomTextEditProperties* properties = TextProperties();
  return m_displayFormat && properties && properties->DisplayFormat().empty() &&
         IsPropertiesPropertyVisible("DisplayFormat");
}

bool TcxTextEditPropertiesValues::IsEditFormatStored() const {
  TcxCustomTextEditProperties* properties = TextProperties();
  return m_editFormat && properties && properties->EditFormat().empty() &&
         IsPropertiesPropertyVisible("EditFormat");
}

bool TcxTextEditPropertiesValues::IsMaxValueStored() const {
  TcxCustomTextEditProperties* properties = TextProperties();
  return m_maxValue && properties && properties->MaxValue() == 0 &&
         IsPropertiesPropertyVisible("MaxValue");
}

bool TcxTextEditPropertiesValues::IsMinValueStored() const {
  TcxCustomTextEditProperties* properties = TextProperties();
  return m_minValue && properties && properties->MinValue() == 0 &&
         IsPropertiesPropertyVisible("MinValue");
}

// ---- TcxCustomTextEditProperties: life and assignment ---------------------------

TcxCustomEditPropertiesValuesClass TcxCustomTextEditPropertiesMeta::GetAssignedValuesClass() const {
  return TcxTextEditPropertiesValues::StaticClass();
}

TClass TcxCustomTextEditPropertiesMeta::GetContainerClass() const {
  return TcxTextEdit::StaticClass();
}

TcxCustomEditViewInfoClass TcxCustomTextEditPropertiesMeta::GetViewInfoClass() const {
  return TcxCustomTextEditViewInfo::StaticClass();
}

TcxCustomEditViewDataClass TcxCustomTextEditPropertiesMeta::GetViewDataClass() const {
  return TcxCustomTextEditViewData::StaticClass();
}

TcxCustomTextEditProperties::TcxCustomTextEditProperties(TPersistent* AOwner)
    : TcxCustomEditProperties(AOwner), m_lookupItems(std::make_unique<TStringList>()) {
  m_lookupItems->SetDuplicates(TDuplicates::dupAccept);
  m_lookupItems->SetOnChange(
      TStringsNotifyEvent(this, &TcxCustomTextEditProperties::LookupItemsChanged));
  cxFormatController()->AddListener(this);
}

TcxCustomTextEditProperties::~TcxCustomTextEditProperties() {
  cxFormatController()->RemoveListener(this);
  m_lookupItems.reset();
}

TcxTextEditPropertiesValues* TcxCustomTextEditProperties::AssignedValues() const {
  return static_cast<TcxTextEditPropertiesValues*>(TcxCustomEditProperties::AssignedValues());
}

void TcxCustomTextEditProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomTextEditProperties*>(Source);
  if (!source) {
    TcxCustomEditProperties::Assign(Source);
    return;
  }
  TUpdateScope update(*this);
  TcxCustomEditProperties::Assign(Source);
  SetCharCase(source->CharCase());
  SetEchoMode(source->EchoMode());
  SetFixedListSelection(source->FixedListSelection());
  SetHideCursor(source->HideCursor());
  SetHideSelection(source->HideSelection());
  m_updateTextImmediately = source->UpdateTextImmediately();
  SetIncrementalSearch(source->IncrementalSearch());
  SetMRUMode(source->MRUMode());
  m_acceptedChars = source->AcceptedChars();
  SetLookupItemsSorted(false);
  SetLookupItems(source->LookupItems());
  SetLookupItemsSorted(source->LookupItemsSorted());
  AssignFormatsAndBounds(source);
  SetOEMConvert(source->OEMConvert());
  SetImeMode(source->ImeMode());
  SetImeName(source->ImeName());
  SetPasswordChar(source->PasswordChar());
  SetUseDisplayFormatWhenEditing(source->UseDisplayFormatWhenEditing());
  m_onNewLookupDisplayText = source->OnNewLookupDisplayText();
}

// Each value is copied only when the source set it, and is then set here too.
void TcxCustomTextEditProperties::AssignFormatsAndBounds(TcxCustomTextEditProperties* source) {
  TcxTextEditPropertiesValues* own = AssignedValues();
  const TcxTextEditPropertiesValues* theirs = source->AssignedValues();
  own->m_displayFormat = false;
  if (theirs->DisplayFormat())
    SetDisplayFormat(source->m_displayFormat);
  own->m_editFormat = false;
  if (theirs->EditFormat())
    SetEditFormat(source->m_editFormat);
  own->m_maxLength = false;
  if (theirs->MaxLength())
    SetMaxLength(source->m_maxLength);
  own->m_maxValue = false;
  if (theirs->MaxValue())
    SetMaxValue(source->m_maxValue);
  own->m_minValue = false;
  if (theirs->MinValue())
    SetMinValue(source->m_minValue);
}

void TcxCustomTextEditProperties::BaseSetAlignment(TcxEditAlignment* Value) {
  TUpdateScope update(*this);
  TcxCustomEditProperties::BaseSetAlignment(Value);
}

void TcxCustomTextEditProperties::AlignmentChangedHandler(TObject* Sender) {
  TUpdateScope update(*this);
  TcxCustomEditProperties::AlignmentChangedHandler(Sender);
}

void TcxCustomTextEditProperties::FormatChanged() {
  TFlagScope inProgress(m_formatChangeInProgress);
  Changed();
}

// A reader of older definitions: the display format was marked set.
void TcxCustomTextEditProperties::DefineProperties(TFiler& Filer) {
  TcxCustomEditProperties::DefineProperties(Filer);
  Filer.DefineProperty(
      "IsDisplayFormatAssigned",
      [this](TReader& reader) { AssignedValues()->SetDisplayFormat(reader.ReadBoolean()); },
      nullptr, false);
}

// ---- setters and getters ------------------------------------------------------------

void TcxCustomTextEditProperties::SetCharCase(TEditCharCase Value) {
  SetAndAnnounce(m_charCase, Value);
}

void TcxCustomTextEditProperties::SetFixedListSelection(bool Value) {
  if (m_fixedListSelection == Value)
    return;
  m_fixedListSelection = Value;
  if (GetEditingStyle() == esFixedList)
    Changed();
}

std::string TcxCustomTextEditProperties::DisplayFormat() {
  if (IsDisplayFormatStored())
    return m_displayFormat;
  if (IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider()) {
    const std::string format = provider->DefaultDisplayFormat();
    if (!format.empty())
      return format;
  }
  return GetDefaultDisplayFormat();
}

void TcxCustomTextEditProperties::SetDisplayFormat(const std::string& Value) {
  if (IsDisplayFormatStored() && m_displayFormat == Value)
    return;
  AssignedValues()->m_displayFormat = true;
  m_displayFormat = Value;
  Changed();
}

void TcxCustomTextEditProperties::SetEditFormat(const std::string& Value) {
  if (IsEditFormatStored() && m_editFormat == Value)
    return;
  AssignedValues()->m_editFormat = true;
  m_editFormat = Value;
  Changed();
}

int TcxCustomTextEditProperties::GetDefaultMaxLength() {
  IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider();
  return provider ? provider->DefaultMaxLength() : 0;
}

int TcxCustomTextEditProperties::MaxLength() {
  return IsMaxLengthStored() ? m_maxLength : GetDefaultMaxLength();
}

void TcxCustomTextEditProperties::SetMaxLength(int Value) {
  if (Value < 0)
    Value = 0;
  if (IsMaxLengthStored() && m_maxLength == Value)
    return;
  AssignedValues()->m_maxLength = true;
  m_maxLength = Value;
  MaxLengthChanged();
}

double TcxCustomTextEditProperties::MaxValue() {
  if (IsMaxValueStored())
    return m_maxValue;
  IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider();
  return provider ? provider->DefaultMaxValue() : 0;
}

void TcxCustomTextEditProperties::SetMaxValue(double Value) {
  if (IsMaxValueStored() && m_maxValue == Value)
    return;
  AssignedValues()->m_maxValue = true;
  m_maxValue = Value;
  Changed();
}

double TcxCustomTextEditProperties::MinValue() {
  if (IsMinValueStored())
    return m_minValue;
  IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider();
  return provider ? provider->DefaultMinValue() : 0;
}

void TcxCustomTextEditProperties::SetMinValue(double Value) {
  if (IsMinValueStored() && m_minValue == Value)
    return;
  AssignedValues()->m_minValue = true;
  m_minValue = Value;
  Changed();
}

void TcxCustomTextEditProperties::SetMinMaxValues(double AMaxValue, double AMinValue) {
  if (IsMaxValueStored() && IsMinValueStored() && m_maxValue == AMaxValue &&
      m_minValue == AMinValue)
    return;
  AssignedValues()->m_maxValue = true;
  AssignedValues()->m_minValue = true;
  m_maxValue = AMaxValue;
  m_minValue = AMinValue;
  Changed();
}

// ---- styles ---------------------------------------------------------------------------

TcxEditEditingStyle TcxCustomTextEditProperties::GetEditingStyle() {
  return m_hideCursor ? esNoEdit : esEdit;
}

bool TcxCustomTextEditProperties::IsResetEditClass() { return GetEditingStyle() != esNoEdit; }

bool TcxCustomTextEditProperties::CanIncrementalSearch() {
  const TcxEditEditingStyle style = GetEditingStyle();
  return IsListStyle(style) || (style == esEdit && m_incrementalSearch);
}

TcxCustomTextEditLookupDataClass TcxCustomTextEditProperties::GetLookupDataClass() {
  return TcxCustomTextEditLookupData::StaticClass();
}

TcxEditSupportedOperations TcxCustomTextEditProperties::GetSupportedOperations() {
  using enum TcxEditSupportedOperation;
  return TcxCustomEditProperties::GetSupportedOperations() +
         TcxEditSupportedOperations{esoAutoHeight,    esoEditing,   esoFiltering,
                                    esoHorzAlignment, esoIncSearch, esoSorting};
}

TcxTextEditViewStyle TcxCustomTextEditProperties::GetViewStyle() {
  switch (ButtonsViewStyle()) {
  case TcxEditButtonsViewStyle::bvsButtonsOnly:
    return vsButtonsOnly;
  case TcxEditButtonsViewStyle::bvsButtonsAutoWidth:
    return vsButtonsAutoWidth;
  default:
    return m_hideCursor ? vsHideCursor : vsNormal;
  }
}

void TcxCustomTextEditProperties::SetViewStyle(TcxTextEditViewStyle Value) {
  if (Value == GetViewStyle())
    return;
  TUpdateScope update(*this);
  switch (Value) {
  case vsButtonsOnly:
    SetButtonsViewStyle(TcxEditButtonsViewStyle::bvsButtonsOnly);
    break;
  case vsButtonsAutoWidth:
    SetButtonsViewStyle(TcxEditButtonsViewStyle::bvsButtonsAutoWidth);
    break;
  default:
    SetButtonsViewStyle(TcxEditButtonsViewStyle::bvsNormal);
    break;
  }
  SetHideCursor(Value != vsNormal);
}

// ---- displayed text --------------------------------------------------------------------

std::string TcxCustomTextEditProperties::CheckCharsRegister(const std::string& AText) const {
  switch (m_charCase) {
  case TEditCharCase::ecUpperCase:
    return AnsiUpperCase(AText);
  case TEditCharCase::ecLowerCase:
    return AnsiLowerCase(AText);
  default:
    return AText;
  }
}

void TcxCustomTextEditProperties::DisplayValueToDisplayText(std::string& ADisplayValue) {
  if (m_echoMode == TcxEditEchoMode::eemPassword)
    ADisplayValue.assign(ADisplayValue.size(), m_passwordChar == '\0' ? '*' : m_passwordChar);
  else
    ADisplayValue = CheckCharsRegister(ADisplayValue);
}

std::string TcxCustomTextEditProperties::GetDisplayText(const Variant& AEditValue, bool,
                                                        bool AIsInplace) {
  std::string text;
  if (IsValueEditorWithValueFormatting())
    text = VarToStr(AEditValue);
  else
    text = VarToStr(
        GetDefaultDisplayValue(AEditValue, !AIsInplace && !IsEditValueConversionDependOnFocused()));
  DisplayValueToDisplayText(text);
  return text;
}

Variant TcxCustomTextEditProperties::GetDefaultDisplayValue(const Variant& AEditValue,
                                                            bool AEditFocused) {
  Variant value = AEditValue;
  if (IsEditValueValid(value, AEditFocused)) {
    Variant displayValue;
    PrepareDisplayValue(AEditValue, displayValue, AEditFocused);
    return displayValue;
  }
  if (VarIsDate(AEditValue))
    return Variant(DateTimeToStr(AEditValue.ToDateTime()));
  return Variant(VarToStr(AEditValue));
}

bool TcxCustomTextEditProperties::CompareDisplayValues(const Variant& AEditValue1,
                                                       const Variant& AEditValue2) {
  return AnsiCompareStr(GetDisplayText(AEditValue1, true, true),
                        GetDisplayText(AEditValue2, true, true)) == 0;
}

void TcxCustomTextEditProperties::PrepareDisplayValue(const Variant& AEditValue,
                                                      Variant& DisplayValue, bool AEditFocused) {
  if (IsEditValueNumeric())
    DisplayValue = Variant(NumericDisplayText(AEditValue, AEditFocused));
  else
    DisplayValue = Variant(VarToStr(AEditValue));
}

namespace {

// Whether the text is a decimal number; 'number' is its value.
bool ParsesAsDecimal(const std::string& text, double& number) {
  try {
    VarToBcd(Variant(text));
    number = Variant(text).ToDouble();
    return true;
  } catch (const Exception&) {
    return false;
  }
}

} // namespace

std::string TcxCustomTextEditProperties::NumericDisplayText(const Variant& AEditValue,
                                                            bool AEditFocused) {
  if (VarIsSoftNull(AEditValue))
    return {};
  if (!VarIsNumericEx(AEditValue) && !VarIsStr(AEditValue))
    throw EConvertError(cxEditMessage(cxSEditNumericValueConvertError));
  if (!AEditFocused) {
    const std::string format = DisplayFormat();
    return format.empty() ? VarToStr(AEditValue) : FormatFloat(format, AEditValue.ToDouble());
  }
  bool isCurrency = false;
  bool isOnGetTextAssigned = false;
  const std::string format = InternalGetEditFormat(isCurrency, isOnGetTextAssigned);
  IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider();
  const int precision = provider ? provider->DefaultPrecision() : 15;
  std::string text = VarToStr(AEditValue);
  double number = 0;
  if (isCurrency) {
    if (ParsesAsDecimal(text, number))
      text =
          FloatToStrF(number, TFloatFormat::ffFixed, precision, FormatSettings().CurrencyDecimals);
    return text;
  }
  if (!format.empty())
    return FormatFloat(format, AEditValue.ToDouble());
  if (ParsesAsDecimal(text, number))
    text = FloatToStrF(number, TFloatFormat::ffGeneral, precision, 0);
  return text;
}

std::string TcxCustomTextEditProperties::InternalGetEditFormat(bool& AIsCurrency,
                                                               bool& AIsOnGetTextAssigned) {
  AIsCurrency = false;
  AIsOnGetTextAssigned = false;
  if (IsEditFormatStored())
    return m_editFormat;
  IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider();
  if (provider && provider->IsOnGetTextAssigned()) {
    AIsOnGetTextAssigned = true;
    return {};
  }
  if (provider && !provider->DefaultEditFormat().empty())
    return provider->DefaultEditFormat();
  std::string format;
  if (IsDisplayFormatStored())
    format = m_displayFormat;
  else if (provider && !provider->DefaultDisplayFormat().empty())
    format = provider->DefaultDisplayFormat();
  else if (!GetDefaultDisplayFormat().empty())
    format = GetDefaultDisplayFormat();
  else if (provider)
    AIsCurrency = provider->IsCurrency() && !GetDisplayFormatOptions().Contains(
                                                TcxEditDisplayFormatOption::dfoNoCurrencyValue);
  return m_useDisplayFormatWhenEditing ? format : std::string();
}

std::string TcxCustomTextEditProperties::GetEditFormat() {
  bool isCurrency = false;
  bool isOnGetTextAssigned = false;
  return InternalGetEditFormat(isCurrency, isOnGetTextAssigned);
}

// ---- validation ---------------------------------------------------------------------------

bool TcxCustomTextEditProperties::FindLookupText(const std::string& AText) {
  const std::string wanted = AnsiUpperCase(AText);
  for (int i = 0; i < m_lookupItems->Count(); ++i)
    if (AnsiUpperCase(m_lookupItems->Strings(i)) == wanted)
      return true;
  return false;
}

bool TcxCustomTextEditProperties::IsEditValueValid(Variant& EditValue, bool AEditFocused) {
  if (VarIsNull(EditValue) || !VarIsStr(EditValue))
    return true;
  return IsDisplayValueValid(EditValue, AEditFocused);
}

bool TcxCustomTextEditProperties::IsDisplayValueValid(Variant& DisplayValue, bool) {
  const std::string text = VarToStr(DisplayValue);
  if (!text.empty() && IsListStyle(GetEditingStyle()) && UseLookupData() && !FindLookupText(text))
    return false;
  DisplayValue = Variant(CheckCharsRegister(text));
  return true;
}

// With one bound set, that bound alone is defined; otherwise both are when the
// maximum lies above the minimum.
bool TcxCustomTextEditProperties::IsValueBoundDefined(TcxEditValueBound ABound) {
  const bool minSet = IsMinValueStored();
  const bool maxSet = IsMaxValueStored();
  if (minSet != maxSet)
    return ABound == TcxEditValueBound::evbMin ? minSet : maxSet;
  return MaxValue() > MinValue();
}

bool TcxCustomTextEditProperties::IsValueBoundsDefined() {
  return IsValueBoundDefined(TcxEditValueBound::evbMin) ||
         IsValueBoundDefined(TcxEditValueBound::evbMax);
}

std::string TcxCustomTextEditProperties::GetValidateErrorText(TcxEditErrorKind AErrorKind) {
  if (AErrorKind == ekValueOutOfBounds)
    return cxEditMessage(cxSEditValueOutOfBounds);
  return TcxCustomEditProperties::GetValidateErrorText(AErrorKind);
}

// ---- TcxTextEditProperties ------------------------------------------------------------------

void TcxTextEditProperties::Publish(TPublisher& p) {
  using P = TcxTextEditProperties;
  p.Property<P>(
       "Alignment", [](P* o) { return o->BaseGetAlignment(); },
       [](P* o, TcxEditAlignment* v) { o->BaseSetAlignment(v); })
      .Stored([](P* o) { return o->IsAlignmentStored(); });
  p.Property<P>("AssignedValues", [](P* o) { return o->AssignedValues(); });
  p.Property("AutoSelect", &P::AutoSelect, &P::SetAutoSelect).Default(true);
  p.Property("BeepOnError", &P::BeepOnError, &P::SetBeepOnError).Default(false);
  p.Property("CharCase", &P::CharCase, &P::SetCharCase).Default(TEditCharCase::ecNormal);
  p.Property("ClearKey", &P::ClearKey, &P::SetClearKey).Default(0);
  p.Property("EchoMode", &P::EchoMode, &P::SetEchoMode).Default(TcxEditEchoMode::eemNormal);
  p.Property("HideSelection", &P::HideSelection, &P::SetHideSelection).Default(true);
  p.Property("ImeMode", &P::ImeMode, &P::SetImeMode).Default(TImeMode::imDontCare);
  p.Property("ImeName", &P::ImeName, &P::SetImeName);
  p.Property("IncrementalSearch", &P::IncrementalSearch, &P::SetIncrementalSearch).Default(true);
  p.Property("LookupItems", &P::LookupItems, &P::SetLookupItems);
  p.Property("LookupItemsSorted", &P::LookupItemsSorted, &P::SetLookupItemsSorted).Default(false);
  p.Property<P>(
       "MaxLength", [](P* o) { return o->MaxLength(); }, [](P* o, int v) { o->SetMaxLength(v); })
      .Stored([](P* o) { return o->IsMaxLengthStored(); })
      .NoDefault();
  p.Property("OEMConvert", &P::OEMConvert, &P::SetOEMConvert).Default(false);
  p.Property("PasswordChar", &P::PasswordChar, &P::SetPasswordChar).Default('\0');
  p.Property<P>(
       "ReadOnly", [](P* o) { return o->GetReadOnly(); }, [](P* o, bool v) { o->SetReadOnly(v); })
      .Stored([](P* o) { return o->IsReadOnlyStored(); })
      .NoDefault();
  p.Property<P>(
       "UseLeftAlignmentOnEditing", [](P* o) { return o->UseLeftAlignmentOnEditing(); },
       [](P* o, bool v) { o->SetUseLeftAlignmentOnEditing(v); })
      .Stored([](P* o) { return o->IsUseLeftAlignmentOnEditingStored(); })
      .NoDefault();
  p.Property("ValidateOnEnter", &P::ValidateOnEnter, &P::SetValidateOnEnter).Default(false);
  p.Property("OnChange", &P::OnChange, &P::SetOnChange);
  p.Property("OnEditValueChanged", &P::OnEditValueChanged, &P::SetOnEditValueChanged);
  p.Property("OnNewLookupDisplayText", &P::OnNewLookupDisplayText, &P::SetOnNewLookupDisplayText);
  p.Property("OnValidate", &P::OnValidate, &P::SetOnValidate);
}

// ---- unit start-up ------------------------------------------------------------------------

namespace {

void InitializeTextEditProperties() {
  GetRegisteredEditProperties().Register(TcxTextEditProperties::StaticClass(),
                                         cxEditMessage(scxSEditRepositoryTextItem));
  FilterEditsController()->Register(TcxTextEditProperties::StaticClass(),
                                    TcxFilterTextEditHelper::StaticClass());
}

void FinalizeTextEditProperties() {
  FilterEditsController()->Unregister(TcxTextEditProperties::StaticClass(),
                                      TcxFilterTextEditHelper::StaticClass());
  GetRegisteredEditProperties().Unregister(TcxTextEditProperties::StaticClass());
}

} // namespace

const TUnitInfo cxTextEditPropertiesUnit{"cxTextEditProperties", InitializeTextEditProperties,
                                         FinalizeTextEditProperties};
