#include "editors/cxEditProperties.h"

#include <algorithm>
#include <memory>

#include "data/cxVariants.h"
#include "editors/cxEditConsts.h"
#include "editors/cxEditControl.h"
#include "editors/cxEditInplace.h"
#include "editors/cxEditStyles.h"
#include "editors/cxEditViewInfo.h"
#include "platform/rtl/ScopeGuards.h"

namespace {

std::vector<TcxCustomEditProperties*>& PropertiesList() {
  static std::vector<TcxCustomEditProperties*> list;
  return list;
}

std::unique_ptr<TcxRegisteredClasses>& RegisteredEditProperties() {
  static std::unique_ptr<TcxRegisteredClasses> registry;
  return registry;
}

// Whether the persistent is an editor (its class descends from the editor base).
bool IsEditor(TPersistent* APersistent) {
  return APersistent && ClassInheritsFrom(APersistent->ClassType(), "TcxCustomEdit");
}

bool IsComponentDestroying(TPersistent* APersistent) {
  auto* component = dynamic_cast<TComponent*>(APersistent);
  return component && component->ComponentState().Contains(TComponentStateItem::csDestroying);
}

} // namespace

const std::vector<TcxCustomEditProperties*>& GetEditPropertiesList() { return PropertiesList(); }

TComponent* GetOwnerComponent(TPersistent* APersistent) {
  while (APersistent && !Is<TComponent>(APersistent))
    APersistent = GetPersistentOwner(APersistent);
  return static_cast<TComponent*>(APersistent);
}

TcxRegisteredClasses& GetRegisteredEditProperties() {
  auto& registry = RegisteredEditProperties();
  if (!registry) {
    registry = std::make_unique<TcxRegisteredClasses>();
    registry->SetSorted(true);
  }
  return *registry;
}

void FreeRegisteredEditProperties() { RegisteredEditProperties().reset(); }

// TcxEditAlignment

void TcxEditAlignment::Publish(TPublisher& p) {
  p.Property("Horz", &TcxEditAlignment::Horz, &TcxEditAlignment::SetHorz)
      .Stored(&TcxEditAlignment::IsHorzStored);
  p.Property("Vert", &TcxEditAlignment::Vert, &TcxEditAlignment::SetVert)
      .Default(cxEditDefaultVertAlignment);
}

void TcxEditAlignment::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxEditAlignment*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  m_vert = source->m_vert;
  m_horz = source->m_horz;
  m_isHorzAssigned = source->m_isHorzAssigned;
  DoChanged();
}

void TcxEditAlignment::SetHorz(TAlignment Value) {
  if (m_isHorzAssigned && m_horz == Value)
    return;
  m_isHorzAssigned = true;
  m_horz = Value;
  DoChanged();
}

void TcxEditAlignment::SetVert(TcxEditVertAlignment Value) {
  if (m_vert == Value)
    return;
  m_vert = Value;
  DoChanged();
}

void TcxEditAlignment::Reset() {
  m_isHorzAssigned = false;
  DoChanged();
}

void TcxEditAlignment::DoChanged() {
  if (m_onChanged)
    m_onChanged(this);
}

// TcxCustomEditPropertiesValues

void TcxCustomEditPropertiesValues::Publish(TPublisher& p) {
  p.Property("ReadOnly", &TcxCustomEditPropertiesValues::ReadOnly,
             &TcxCustomEditPropertiesValues::SetReadOnly)
      .Stored(false);
}

void TcxCustomEditPropertiesValues::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomEditPropertiesValues*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  SetReadOnly(source->ReadOnly());
}

void TcxCustomEditPropertiesValues::RestoreDefaults() { SetReadOnly(false); }

void TcxCustomEditPropertiesValues::SetReadOnly(bool Value) {
  if (m_readOnly == Value)
    return;
  m_readOnly = Value;
  if (TcxCustomEditProperties* properties = GetProperties())
    properties->Changed();
}

void TcxCustomEditPropertiesValues::BeginUpdate() {
  if (TcxCustomEditProperties* properties = GetProperties())
    properties->BeginUpdate();
}

void TcxCustomEditPropertiesValues::EndUpdate() {
  if (TcxCustomEditProperties* properties = GetProperties())
    properties->EndUpdate();
}

TcxCustomEditProperties* TcxCustomEditPropertiesValues::GetProperties() const {
  return dynamic_cast<TcxCustomEditProperties*>(m_owner);
}

bool TcxCustomEditPropertiesValues::IsPropertiesPropertyVisible(
    const std::string& APropertyName) const {
  TcxCustomEditProperties* properties = GetProperties();
  return properties && GetPropInfo(properties->ClassType(), APropertyName) != nullptr;
}

// TcxCustomEditProperties

TcxCustomEditPropertiesValuesClass TcxCustomEditPropertiesMeta::GetAssignedValuesClass() const {
  return TcxCustomEditPropertiesValues::StaticClass();
}

TClass TcxCustomEditPropertiesMeta::GetContainerClass() const {
  return TcxCustomEdit::StaticClass();
}

TcxContainerStyleClass TcxCustomEditPropertiesMeta::GetStyleClass() const {
  return TcxEditStyle::StaticClass();
}

TcxCustomEditViewInfoClass TcxCustomEditPropertiesMeta::GetViewInfoClass() const {
  return TcxCustomEditViewInfo::StaticClass();
}

TcxCustomEditViewDataClass TcxCustomEditPropertiesMeta::GetViewDataClass() const {
  return TcxCustomEditViewData::StaticClass();
}

TcxCustomEditProperties::TcxCustomEditProperties(TPersistent* AOwner)
    : TcxInterfacedPersistent(AOwner) {
  PropertiesList().push_back(this);
  m_freeNotificator.reset(Create<TcxFreeNotificator>(nullptr));
  m_freeNotificator->SetOnFreeNotification(
      TcxFreeNotificationEvent(this, &TcxCustomEditProperties::FreeNotification));
  m_alignmentView.reset(Create<TcxEditAlignment>(this));
  m_alignmentView->SetOnChanged(
      TNotifyEvent(this, &TcxCustomEditProperties::AlignmentChangedHandler));
  m_buttons.reset(Create<TcxEditButtons>(this));
  m_buttons->SetOnChange(TNotifyEvent(this, &TcxCustomEditProperties::ButtonsChanged));
  m_storedAlignment.reset(Create<TcxEditAlignment>(this));
}

// The assigned-values class and the left-alignment default are answers of
// the actual class, which the constructors of the bases cannot reach yet.
void TcxCustomEditProperties::AfterConstruction() {
  TcxInterfacedPersistent::AfterConstruction();
  m_assignedValues.reset(ClassType()->GetAssignedValuesClass().Create(this));
  m_useLeftAlignmentOnEditing = DefaultUseLeftAlignmentOnEditing();
}

TcxCustomEditProperties::~TcxCustomEditProperties() {
  DisconnectPropertiesFromInplaceEditLists(this);
  m_defaultValuesProvider = nullptr;
  m_buttons.reset();
  m_storedAlignment.reset();
  m_assignedValues.reset();
  m_alignmentView.reset();
  m_freeNotificator.reset();
  auto& list = PropertiesList();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void TcxCustomEditProperties::BeginUpdate() {
  if (m_updateCount == 0)
    m_changedOccurred = false;
  ++m_updateCount;
}

void TcxCustomEditProperties::EndUpdate(bool AInvokeChanged) {
  if (m_updateCount == 0)
    return;
  --m_updateCount;
  if (m_updateCount == 0 && AInvokeChanged && m_changedOccurred)
    Changed();
}

void TcxCustomEditProperties::Changed() {
  if (!ChangedLocked() && !IsComponentDestroying(Owner())) {
    if (m_onPropertiesChanged)
      m_onPropertiesChanged(this);
  } else {
    m_changedOccurred = true;
  }
}

void TcxCustomEditProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomEditProperties*>(Source);
  if (!source) {
    TcxInterfacedPersistent::Assign(Source);
    return;
  }
  TUpdateScope update(*this);
  SetAutoSelect(source->AutoSelect());
  SetButtons(source->Buttons());
  SetButtonsViewStyle(source->ButtonsViewStyle());
  m_beepOnError = source->BeepOnError();
  m_clearKey = source->ClearKey();
  m_clickShortCut = source->ClickShortCut();
  m_useLeftAlignmentOnEditing = source->UseLeftAlignmentOnEditing();
  m_defaultValuesProvider = source->IDefaultValuesProvider();
  BaseSetAlignment(source->BaseGetAlignment());
  m_assignedValues->m_readOnly = false;
  if (source->AssignedValues()->ReadOnly())
    SetReadOnly(source->m_readOnly);
  m_postImmediately = source->PostImmediately();
  SetTransparent(source->Transparent());
  m_mouseWheelEnabled = source->MouseWheelEnabled();
  m_validateOnEnter = source->ValidateOnEnter();
  m_onButtonClick = source->OnButtonClick();
  m_onChange = source->OnChange();
  m_onEditValueChanged = source->OnEditValueChanged();
  m_onValidate = source->OnValidate();
}

// The view shows the stored alignment; a Horz not set there shows the
// default without becoming set, so that a change of Vert made through the
// view does not turn the default into an explicit value.
TcxEditAlignment* TcxCustomEditProperties::BaseGetAlignment() {
  m_alignmentView->SetOnChanged(nullptr);
  m_alignmentView->Assign(m_storedAlignment.get());
  TComponent* owner = GetOwnerComponent(this);
  const bool writing = owner && owner->ComponentState().Contains(TComponentStateItem::csWriting);
  if (!(IsAlignmentStored() && writing) && !m_storedAlignment->IsHorzAssigned())
    m_alignmentView->ShowDefaultHorz(GetDefaultHorzAlignment());
  m_alignmentView->SetOnChanged(
      TNotifyEvent(this, &TcxCustomEditProperties::AlignmentChangedHandler));
  return m_alignmentView.get();
}

void TcxCustomEditProperties::BaseSetAlignment(TcxEditAlignment* Value) {
  m_storedAlignment->Assign(Value);
  Changed();
}

bool TcxCustomEditProperties::IsAlignmentStored() const {
  return m_storedAlignment->IsHorzStored() || m_storedAlignment->IsVertStored();
}

void TcxCustomEditProperties::AlignmentChangedHandler(TObject*) {
  m_storedAlignment->Assign(m_alignmentView.get());
  Changed();
}

void TcxCustomEditProperties::ButtonsChanged(TObject*) { Changed(); }

TAlignment TcxCustomEditProperties::GetDefaultHorzAlignment() {
  if (m_defaultValuesProvider)
    return m_defaultValuesProvider->DefaultAlignment();
  return m_storedAlignment->Horz();
}

bool TcxCustomEditProperties::CanModify() {
  if (m_assignedValues->ReadOnly() && !m_readOnly)
    return true;
  if (GetReadOnly())
    return false;
  if (m_defaultValuesProvider)
    return m_defaultValuesProvider->DefaultCanModify() && m_defaultValuesProvider->CanSetEditMode();
  return true;
}

bool TcxCustomEditProperties::GetReadOnly() {
  if (m_assignedValues->ReadOnly())
    return m_readOnly;
  if (m_defaultValuesProvider)
    return m_defaultValuesProvider->DefaultReadOnly();
  return false;
}

void TcxCustomEditProperties::SetReadOnly(bool Value) {
  if (m_assignedValues->ReadOnly() && m_readOnly == Value)
    return;
  m_assignedValues->m_readOnly = true;
  m_readOnly = Value;
  Changed();
}

void TcxCustomEditProperties::SetIDefaultValuesProvider(IcxEditDefaultValuesProvider* Value) {
  m_defaultValuesProvider = Value;
  if (IsEditor(Owner()))
    DefaultValuesChanged(this);
}

void TcxCustomEditProperties::DefaultValuesChanged(TObject*) { Changed(); }

void TcxCustomEditProperties::DefaultValuesProviderDestroyed() {
  m_defaultValuesProvider = nullptr;
}

void TcxCustomEditProperties::RestoreDefaults() {
  m_storedAlignment->Reset();
  TUpdateScope update(*this);
  m_assignedValues->RestoreDefaults();
}

TcxCustomEditProperties* TcxCustomEditProperties::CreatePreviewProperties() const {
  return TcxCustomEditPropertiesClass::Checked(ClassType()).Create(nullptr);
}

bool TcxCustomEditProperties::CompareDisplayValues(const Variant& AEditValue1,
                                                   const Variant& AEditValue2) {
  Variant first;
  Variant second;
  PrepareDisplayValue(AEditValue1, first, false);
  PrepareDisplayValue(AEditValue2, second, false);
  return VarEqualsExact(first, second);
}

TcxEditSupportedOperations TcxCustomEditProperties::GetSupportedOperations() {
  if (m_buttons->Count() > 0)
    return {TcxEditSupportedOperation::esoHotTrack};
  return {};
}

void TcxCustomEditProperties::PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue,
                                                  bool) {
  DisplayValue = AEditValue;
}

TcxCustomEditViewData* TcxCustomEditProperties::CreateViewData(TcxCustomEditStyle* AStyle,
                                                               bool AIsInplace) {
  return ClassType()->GetViewDataClass().Create(this, AStyle, AIsInplace);
}

TSize TcxCustomEditProperties::GetEditSize(TcxCanvas* ACanvas, TcxCustomEditStyle* AStyle,
                                           bool AIsInplace, const Variant& AEditValue,
                                           const TcxEditSizeProperties& AEditSizeProperties,
                                           TcxCustomEditViewInfo* AViewInfo) {
  TOwned<TcxCustomEditViewData> viewData(CreateViewData(AStyle, AIsInplace));
  return viewData->GetEditSize(ACanvas, AEditValue, AEditSizeProperties, AViewInfo);
}

void TcxCustomEditProperties::ValidateDisplayValue(Variant& DisplayValue, std::string& ErrorText,
                                                   bool& Error, TObject* AEdit) {
  if (!CanValidate())
    return;
  if (ErrorText.empty())
    ErrorText = GetValidateErrorText(ekDefault);
  auto* edit = dynamic_cast<TcxCustomEdit*>(AEdit);
  if (!edit || !edit->IsOnValidateEventAssigned())
    return;
  const Variant original = DisplayValue;
  edit->DoOnValidate(DisplayValue, ErrorText, Error);
  // A handler that found an error but left the value as it was shows the
  // editor's current text; a value it changed is kept.
  if (Error && VarToStr(DisplayValue) == VarToStr(original))
    DisplayValue = edit->GetDisplayValue();
}

std::string TcxCustomEditProperties::GetValidateErrorText(TcxEditErrorKind) {
  return cxGetResourceStringNet(cxLoadResString(cxSEditValidateErrorText));
}

TcxDataEditValueSource TcxCustomEditProperties::GetValueEditorEditValueSource(bool AEditFocused) {
  if (AEditFocused ||
      !GetDisplayFormatOptions().Contains(TcxEditDisplayFormatOption::dfoSupports) ||
      !m_defaultValuesProvider)
    return TcxDataEditValueSource::evsValue;
  const bool currencyAccepted =
      !GetDisplayFormatOptions().Contains(TcxEditDisplayFormatOption::dfoNoCurrencyValue);
  return m_defaultValuesProvider->IsDisplayFormatDefined(currencyAccepted)
             ? TcxDataEditValueSource::evsText
             : TcxDataEditValueSource::evsValue;
}

bool TcxCustomEditProperties::IsValueEditorWithValueFormatting() {
  const TcxEditDisplayFormatOptions options = GetDisplayFormatOptions();
  return options.Contains(TcxEditDisplayFormatOption::dfoSupports) &&
         GetEditValueSource(true) == TcxDataEditValueSource::evsValue &&
         GetEditValueSource(false) == TcxDataEditValueSource::evsText && m_defaultValuesProvider &&
         m_defaultValuesProvider->IsDisplayFormatDefined(
             !options.Contains(TcxEditDisplayFormatOption::dfoNoCurrencyValue));
}

void TcxCustomEditProperties::SetAutoSelect(bool Value) {
  if (m_autoSelect == Value)
    return;
  m_autoSelect = Value;
  Changed();
}

void TcxCustomEditProperties::SetButtonsViewStyle(TcxEditButtonsViewStyle Value) {
  if (m_buttonsViewStyle == Value)
    return;
  m_buttonsViewStyle = Value;
  Changed();
}

void TcxCustomEditProperties::SetTransparent(bool Value) {
  if (m_transparent == Value)
    return;
  m_transparent = Value;
  Changed();
}

void TcxCustomEditProperties::SetUseLeftAlignmentOnEditing(bool Value) {
  if (m_useLeftAlignmentOnEditing == Value)
    return;
  m_useLeftAlignmentOnEditing = Value;
  Changed();
}

bool TcxCustomEditProperties::IsUseLeftAlignmentOnEditingStored() {
  return m_useLeftAlignmentOnEditing != DefaultUseLeftAlignmentOnEditing();
}
