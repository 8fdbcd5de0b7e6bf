#include "editors/cxEditControl.h"

#include "editors/cxEdit.h"
#include "editors/cxEditConsts.h"
#include "editors/cxEditDataBinding.h"
#include "framework/cxClasses.h"
#include "framework/cxControlsUtils.h"
#include "framework/cxGeometry.h"
#include "platform/controls/Application.h"
#include "platform/controls/Forms.h"
#include "platform/objects/Filer.h"
#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "platform/rtl/FlagScope.h"

void TcxCustomEdit::Publish(TPublisher& p) {
  p.Property("Height", &TcxCustomEdit::Height, &TcxCustomEdit::SetHeight).Stored(false);
  p.Property("Width", &TcxCustomEdit::Width, &TcxCustomEdit::SetWidth).Stored(false);
  p.Property("PropertiesEvents", &TcxCustomEdit::PropertiesEvents,
             &TcxCustomEdit::SetPropertiesEvents);
  p.Property("RepositoryItem", &TcxCustomEdit::RepositoryItem, &TcxCustomEdit::SetRepositoryItem);
  p.Property("OnFocusChanged", &TcxCustomEdit::OnFocusChanged, &TcxCustomEdit::SetOnFocusChanged);
}

TObject* GetStandaloneEventSender(TcxCustomEdit* AEdit) {
  return AEdit->IsInplace() ? nullptr : AEdit;
}

// ---------------------------------------------------------------------------
// Construction and destruction

TcxCustomEdit::TcxCustomEdit(TComponent* AOwner) : TcxContainer(AOwner) {}

TcxCustomEdit::TcxCustomEdit(TComponent* AOwner, bool AIsInplace) : TcxContainer(AOwner) {
  m_isInplace = AIsInplace;
}

void TcxCustomEdit::AfterConstruction() {
  inherited::AfterConstruction();
  {
    TFlagScope creating(m_isCreating);
    Initialize();
  }
  if (HandleAllocated())
    ShortRefreshContainer(false);
}

void TcxCustomEdit::Initialize() {
  m_changeEventsCatcher = std::make_unique<TcxEditChangeEventsCatcher>(*this);
  m_properties.reset(GetPropertiesClass().Create(this));
  InitContentParams();
  TControlStyle style = ControlStyle();
  style.Include(TControlStyleItem::csCaptureMouse);
  style.Include(TControlStyleItem::csSetCaption);
  SetControlStyle(style);
  SetTabStop(true);
  CreateInnerEdit();
  if (m_innerEdit) {
    InitializeInnerEdit();
    SetInnerControl(m_innerEdit->GetControl());
  }
  SetReplicatableFlag();
  m_dataBinding.reset(GetDataBindingClass().Create(this));
  m_autoSize = !m_isInplace;
  m_captureButtonIndex = -1;
  m_editValue = Null();
  m_validateLockCount = 0;
  if (m_isInplace) {
    TcxKeys keys = Keys();
    keys.Include(TcxKey::kAll);
    keys.Include(TcxKey::kArrows);
    if (!GetInnerEditClass())
      keys.Include(TcxKey::kTab);
    SetKeys(keys);
  }
  m_dblClickTimer.reset(Create<TcxTimer>(nullptr));
  m_dblClickTimer->SetEnabled(false);
  m_dblClickTimer->SetInterval(GetDblClickInterval());
  m_dblClickTimer->SetOnTimer(TNotifyEvent(this, &TcxCustomEdit::DblClickTimerHandler));
  if (!m_isInplace)
    m_properties->SetIDefaultValuesProvider(m_dataBinding->GetIDefaultValuesProvider());
  // Editors made by code get their properties' changes at once; reading a
  // form definition unhooks them until Loaded.
  HookPropertiesChanged();
  m_isJustCreated = true;
}

void TcxCustomEdit::BeforeDestruction() {
  inherited::BeforeDestruction();
  IncludeState(TComponentStateItem::csDestroying);
}

TcxCustomEdit::~TcxCustomEdit() {
  m_dblClickTimer.reset();
  if (m_repositoryItem)
    m_repositoryItem->RemoveListener(this);
  m_innerEdit = nullptr;
  if (m_properties) {
    UnhookPropertiesChanged();
    if (!m_isInplace)
      m_properties->SetIDefaultValuesProvider(nullptr);
  }
  m_dataBinding.reset();
  m_properties.reset();
  m_changeEventsCatcher.reset();
}

void TcxCustomEdit::InitContentParams() {
  TOwned<TcxCustomEditViewData> viewData(CreateViewData());
  m_contentParams = viewData->ContentParams;
  m_contentParamsInitialized = true;
}

void TcxCustomEdit::SetReplicatableFlag() {
  auto include = [](TControl* control) {
    TControlStyle style = control->ControlStyle();
    style.Include(TControlStyleItem::csReplicatable);
    control->SetControlStyle(style);
  };
  std::function<void(TWinControl*)> walk = [&](TWinControl* control) {
    include(control);
    for (int i = 0; i < control->ControlCount(); ++i) {
      TControl* child = control->Controls(i);
      if (auto* windowed = dynamic_cast<TWinControl*>(child))
        walk(windowed);
      else
        include(child);
    }
  };
  walk(this);
}

void TcxCustomEdit::DblClickTimerHandler(TObject*) { m_dblClickTimer->SetEnabled(false); }

TcxCustomEditPropertiesClass TcxCustomEdit::GetPropertiesClass() const {
  return TcxCustomEditProperties::StaticClass();
}

TcxEditDataBindingClass TcxCustomEdit::GetDataBindingClass() const {
  return TcxEditDataBinding::StaticClass();
}

void TcxCustomEdit::SetDataBinding(TcxEditDataBinding* Value) { m_dataBinding->Assign(Value); }

// ---------------------------------------------------------------------------
// The inner edit

void TcxCustomEdit::CreateInnerEdit() {
  m_innerEdit = nullptr;
  const TcxInnerEditClass innerClass = GetInnerEditClass();
  if (!innerClass)
    return;
  TWinControl* control = innerClass.Create(this);
  if (auto* helper = dynamic_cast<IcxInnerEditHelper*>(control))
    m_innerEdit = helper->GetHelper();
  else
    m_innerEdit = dynamic_cast<IcxCustomInnerEdit*>(control);
}

void TcxCustomEdit::InitializeInnerEdit() {
  m_innerEdit->SetParent(this);
  if (GetActiveProperties()->HasDisplayValue())
    m_innerEdit->SetOnChange(TNotifyEvent(this, &TcxCustomEdit::ChangeHandler));
}

void TcxCustomEdit::SafeSelectionFocusInnerControl() {
  if (m_innerEdit)
    m_innerEdit->SafelySetFocus();
}

void TcxCustomEdit::AdjustInnerEditPosition() {
  if (!m_innerEdit)
    return;
  TRect client = GetViewInfo()->ClientRect;
  TWinControl* inner = m_innerEdit->GetControl();
  if (inner->BoundsRect() != client)
    inner->SetBoundsRect(client);
  AlignControls(inner, client);
}

// ---------------------------------------------------------------------------
// Properties and the repository item

TcxCustomEditProperties* TcxCustomEdit::GetActiveProperties() {
  if (!m_repositoryItem)
    return m_properties.get();
  // The item's properties are shared: they take the provider of the editor
  // that asks, so values from the provider follow the asking editor.
  TcxCustomEditProperties* properties = m_repositoryItem->Properties();
  properties->SetIDefaultValuesProvider(m_dataBinding->GetIDefaultValuesProvider());
  return properties;
}

void TcxCustomEdit::HookPropertiesChanged() {
  m_properties->SetOnPropertiesChanged(
      TNotifyEvent(this, &TcxCustomEdit::PropertiesChangedHandler));
}

void TcxCustomEdit::UnhookPropertiesChanged() { m_properties->SetOnPropertiesChanged(nullptr); }

bool TcxCustomEdit::IsRepositoryItemAcceptable(TcxEditRepositoryItem* Value) const {
  return !Value || Value->Properties()->InheritsFrom(GetPropertiesClass());
}

void TcxCustomEdit::SetRepositoryItem(TcxEditRepositoryItem* Value) {
  if (Value == m_repositoryItem)
    return;
  if (!IsRepositoryItemAcceptable(Value))
    throw EcxEditError(cxGetResourceStringNet(cxLoadResString(cxSEditInvalidRepositoryItem)));
  RepositoryItemAssigning();
  if (m_repositoryItem) {
    m_repositoryItem->RemoveListener(this);
    m_repositoryItem->RemoveFreeNotification(this);
  }
  m_repositoryItem = Value;
  if (m_repositoryItem) {
    m_repositoryItem->AddListener(this);
    m_repositoryItem->FreeNotification(this);
    m_properties->SetIDefaultValuesProvider(nullptr);
    PropertiesChanged(m_repositoryItem);
    UnhookPropertiesChanged();
  } else {
    if (!IsLoading() && !IsDestroying())
      HookPropertiesChanged();
    m_properties->SetIDefaultValuesProvider(m_dataBinding->GetIDefaultValuesProvider());
  }
  RepositoryItemAssigned();
}

// The own properties come back with their change notification and provider,
// as when the item is set to nil; an editor that only forgot the item would
// no longer follow its own properties.
void TcxCustomEdit::ItemRemoved(TcxEditRepositoryItem* Sender) {
  if (Sender == m_repositoryItem)
    SetRepositoryItem(nullptr);
}

void TcxCustomEdit::PropertiesChanged(TcxEditRepositoryItem* Sender) {
  if (!IsLoading() && !IsDestroying())
    PropertiesChanged(static_cast<TObject*>(Sender->Properties()));
}

void TcxCustomEdit::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == m_repositoryItem)
    SetRepositoryItem(nullptr);
}

bool TcxCustomEdit::PropertiesChangeLocked() {
  if (IsDestroying())
    return true;
  return GetInnerEditClass() && !m_innerEdit;
}

bool TcxCustomEdit::RealReadOnly() {
  return GetActiveProperties()->ReadOnly() || !m_dataBinding->GetIsDataAvailable();
}

void TcxCustomEdit::UpdateInnerEditReadOnly() {
  if (!PropertiesChangeLocked() && m_innerEdit)
    m_innerEdit->SetReadOnly(RealReadOnly());
}

void TcxCustomEdit::PropertiesChanged(TObject*) {
  if (!m_dataBinding)
    return;
  SetEditValidated(false);
  UpdateInnerEditReadOnly();
  if (ModifiedAfterEnter() && RealReadOnly())
    SetModifiedAfterEnter(false);
  if (GetActiveProperties()->Transparent())
    SetTransparent(true);
  ShortRefreshContainer(false);
}

bool TcxCustomEdit::IsTransparent() { return !m_isInplace && m_transparent; }

void TcxCustomEdit::SetTransparent(bool Value) {
  if (Value == m_transparent)
    return;
  m_transparent = Value;
  ShortRefreshContainer(false);
}

// ---------------------------------------------------------------------------
// Styles

TcxEditStyle* TcxCustomEdit::GetStyle() const { return static_cast<TcxEditStyle*>(Style()); }
void TcxCustomEdit::SetStyle(TcxEditStyle* Value) { TcxContainer::SetStyle(Value); }
TcxEditStyle* TcxCustomEdit::GetStyleDisabled() const {
  return static_cast<TcxEditStyle*>(StyleDisabled());
}
void TcxCustomEdit::SetStyleDisabled(TcxEditStyle* Value) { Styles()->SetStyleDisabled(Value); }
TcxEditStyle* TcxCustomEdit::GetStyleFocused() const {
  return static_cast<TcxEditStyle*>(StyleFocused());
}
void TcxCustomEdit::SetStyleFocused(TcxEditStyle* Value) { Styles()->SetStyleFocused(Value); }
TcxEditStyle* TcxCustomEdit::GetStyleHot() const { return static_cast<TcxEditStyle*>(StyleHot()); }
void TcxCustomEdit::SetStyleHot(TcxEditStyle* Value) { Styles()->SetStyleHot(Value); }

TcxCustomEditViewInfo* TcxCustomEdit::GetViewInfo() const {
  return static_cast<TcxCustomEditViewInfo*>(ViewInfo());
}

TcxContainerStyleClass TcxCustomEdit::GetStyleClass() const {
  return GetPropertiesClass()->GetStyleClass();
}

TcxContainerViewInfoClass TcxCustomEdit::GetViewInfoClass() const {
  return GetPropertiesClass()->GetViewInfoClass();
}

TcxContainerStyleValues TcxCustomEdit::InternalGetNotPublishedStyleValues() const {
  return {svButtonStyle, svButtonTransparency, svPopupBorderStyle, svGradientButtons};
}

// ---------------------------------------------------------------------------
// Reading and writing

void TcxCustomEdit::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      "Height", [this](TReader& reader) { SetHeight(reader.ReadInteger()); },
      [this](TWriter& writer) { writer.WriteInteger(Height()); }, !CanAutoSize());
  filer.DefineProperty(
      "Width", [this](TReader& reader) { SetWidth(reader.ReadInteger()); },
      [this](TWriter& writer) { writer.WriteInteger(Width()); },
      !(CanAutoSize() && CanAutoWidth()));
}

void TcxCustomEdit::ReadState(TReader& reader) {
  UnhookPropertiesChanged();
  inherited::ReadState(reader);
}

void TcxCustomEdit::Loaded() {
  inherited::Loaded();
  TcxEditChangeEventsLock changeEvents(*m_changeEventsCatcher);
  LockClick(true);
  TScopeExit unlockClick([this] { LockClick(false); });
  m_dataBinding->UpdateNotConnectedDBEditDisplayValue();
  ShortRefreshContainer(false);
  if (!m_repositoryItem)
    HookPropertiesChanged();
  PropertiesChanged(static_cast<TObject*>(GetActiveProperties()));
  ViewInfo()->Shadow = false;
  ContainerStyleChanged(Style());
  changeEvents.Unlock(false);
}

void TcxCustomEdit::SetParent(TWinControl* AParent) {
  if (m_isJustCreated && AParent) {
    m_isJustCreated = false;
    m_dataBinding->UpdateNotConnectedDBEditDisplayValue();
    PropertiesChanged(static_cast<TObject*>(m_properties.get()));
    m_dataBinding->UpdateDisplayValue();
  }
  inherited::SetParent(AParent);
}

void TcxCustomEdit::SetName(const std::string& Value) {
  inherited::SetName(Value);
  m_dataBinding->UpdateNotConnectedDBEditDisplayValue();
}

// ---------------------------------------------------------------------------
// Sizing

int TcxCustomEdit::GetHeight() {
  CheckHandle();
  return Height();
}

void TcxCustomEdit::CheckHandle() {
  if (HandleAllocated() || m_handleAllocating || IsDestroying())
    return;
  TFlagScope allocating(m_handleAllocating);
  if (CanAllocateHandle(this))
    HandleNeeded();
}

bool TcxCustomEdit::CanAutoSize() { return !m_isInplace && m_autoSize; }

bool TcxCustomEdit::CanAutoWidth() {
  return GetActiveProperties()->ButtonsViewStyle() == TcxEditButtonsViewStyle::bvsButtonsAutoWidth;
}

void TcxCustomEdit::FillSizeProperties(TcxEditSizeProperties& AEditSizeProperties) {
  AEditSizeProperties = DefaultcxEditSizeProperties;
  AEditSizeProperties.MaxLineCount = 1;
  AEditSizeProperties.Width = Width();
}

bool TcxCustomEdit::CanResize(int& NewWidth, int& NewHeight) {
  const bool result = inherited::CanResize(NewWidth, NewHeight);
  if (result && !IsLoading())
    InternalCanResize(NewWidth, NewHeight);
  return result;
}

void TcxCustomEdit::InternalCanResize(int& NewWidth, int& NewHeight) {
  if (!m_dataBinding || !CanAutoSize())
    return;
  TcxEditSizeProperties sizeProperties;
  FillSizeProperties(sizeProperties);
  TOwned<TcxCustomEditViewData> viewData(CreateViewData());
  const TSize size = viewData->GetEditSize(cxScreenCanvas(), GetEditValue(), sizeProperties);
  const TAlign align = Align();
  if (CanAutoWidth() &&
      (align == TAlign::alNone || align == TAlign::alLeft || align == TAlign::alRight))
    NewWidth = size.cx;
  if (align == TAlign::alNone || align == TAlign::alTop || align == TAlign::alBottom)
    NewHeight = size.cy;
}

void TcxCustomEdit::SetSize() {
  if (!HandleAllocated() || IsDestroying())
    return;
  int width = Width();
  int height = Height();
  InternalCanResize(width, height);
  if (width != Width() || height != Height())
    SetBounds(Left(), Top(), width, height);
  if (m_innerEdit)
    AdjustInnerEditPosition();
}

void TcxCustomEdit::SetEditAutoSize(bool Value) {
  if (Value == m_autoSize || m_isInplace)
    return;
  m_autoSize = Value;
  if (Value) {
    CheckHandle();
    SetSize();
    ShortRefreshContainer(false);
  }
}

void TcxCustomEdit::RequestAlign() {
  inherited::RequestAlign();
  ShortRefreshContainer(false);
}

// ---------------------------------------------------------------------------
// Handle, window procedure and focus

// An auto-sized editor read from a form definition without its height takes
// it from the calculation as soon as it has a window.
void TcxCustomEdit::CreateHandle() {
  inherited::CreateHandle();
  if (CanAutoSize())
    SetSize();
  if (m_innerEdit && Focused())
    m_innerEdit->SafelySetFocus();
}

void TcxCustomEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
  case WM_NCCALCSIZE:
    if (m_isSettingWindowRegion) {
      Message.Result = 0;
      return;
    }
    break;
  case WM_COPY:
    CopyToClipboard();
    return;
  case WM_CUT: {
    TFlagScope keyboard(m_keyboardAction);
    if (GetActiveProperties()->ReadOnly() || !m_dataBinding->GetIsDataAvailable())
      CopyToClipboard();
    else
      CutToClipboard();
    return;
  }
  case WM_PASTE:
    if (!GetActiveProperties()->ReadOnly() && m_dataBinding->GetIsDataAvailable()) {
      TFlagScope keyboard(m_keyboardAction);
      PasteFromClipboard();
    }
    return;
  case CM_DIALOGCHAR:
    CheckButtonShortCuts(Message);
    if (Message.Result != 0)
      return;
    break;
  case CM_SHOWINGCHANGED:
    inherited::WndProc(Message);
    if (Showing())
      SetSize();
    return;
  default:
    break;
  }
  inherited::WndProc(Message);
}

bool TcxCustomEdit::IsChildWindow(HWND AWnd) { return IsChildEx(Handle(), AWnd); }

bool TcxCustomEdit::IsActiveControl() {
  if (Focused())
    return true;
  TCustomForm* form = GetParentForm(this);
  if (!form)
    return false;
  TWinControl* active = form->ActiveControl();
  return active == this || (m_innerEdit && active == m_innerEdit->GetControl());
}

bool TcxCustomEdit::InternalFocused() {
  return !GetActiveProperties()->IsEditValueConversionDependOnFocused() || Focused();
}

void TcxCustomEdit::FocusChanged() {
  if (IsDestroying() || m_validateErrorProcessing)
    return;
  const bool focused = Focused() && Application->Active();
  if (focused == m_focused)
    return;
  m_focused = focused;
  inherited::FocusChanged();
  DoFocusChanged();
}

// ---------------------------------------------------------------------------
// View

bool TcxCustomEdit::IsNativeStyle() {
  return AreVisualStylesMustBeUsed(Style()->GetLookAndFeel()->NativeStyle(),
                                   TdxThemedObjectType::totEdit);
}

TRect TcxCustomEdit::GetBorderExtent() {
  const TcxCustomEditViewInfo* viewInfo = GetViewInfo();
  return TRect{viewInfo->ShadowRect.Left - viewInfo->Bounds.Left,
               viewInfo->ShadowRect.Top - viewInfo->Bounds.Top,
               viewInfo->Bounds.Right - viewInfo->ShadowRect.Right,
               viewInfo->Bounds.Bottom - viewInfo->ShadowRect.Bottom};
}

TcxCustomEditViewData* TcxCustomEdit::CreateViewData() {
  auto* style = static_cast<TcxCustomEditStyle*>(GetActiveStyle());
  TcxCustomEditViewData* viewData = GetActiveProperties()->CreateViewData(style, m_isInplace);
  if (m_isInplace && m_contentParamsInitialized)
    viewData->ContentParams = m_contentParams;
  viewData->Edit = PropertiesChangeLocked() ? nullptr : this;
  if (HandleAllocated())
    viewData->WindowHandle = Handle();
  InitializeViewData(viewData);
  return viewData;
}

void TcxCustomEdit::InitializeViewData(TcxCustomEditViewData* AViewData) {
  AViewData->Enabled = Enabled();
  AViewData->Focused = Focused();
  AViewData->IsDesigning = IsDesigning();
}

void TcxCustomEdit::CalculateViewInfo(bool AIsMouseEvent) {
  CalculateViewInfo(ScreenToClient(GetMouseCursorPos()), TcxMouseButton::cxmbNone, GetShiftState(),
                    AIsMouseEvent);
}

void TcxCustomEdit::CalculateViewInfo(const TPoint& P, TcxMouseButton AButton, TShiftState AShift,
                                      bool AIsMouseEvent) {
  TOwned<TcxCustomEditViewData> viewData(CreateViewData());
  TcxEditButtonsMouse mouse;
  mouse.Point = P;
  mouse.ButtonEvent = AIsMouseEvent && AButton != TcxMouseButton::cxmbNone;
  mouse.LeftButtonEvent = AIsMouseEvent && AButton == TcxMouseButton::cxmbLeft;
  mouse.Shift = AShift;
  mouse.CaptureButtonIndex = m_captureButtonIndex;
  mouse.PreviousPressedIndex = AIsMouseEvent ? GetViewInfo()->PressedButton : -1;
  viewData->Calculate(Canvas(), Rect(0, 0, Width(), Height()), mouse, GetViewInfo());
  GetViewInfo()->HasInnerEdit = m_innerEdit != nullptr;
}

bool TcxCustomEdit::RefreshContainer(const TPoint& P, TcxMouseButton AButton, TShiftState AShift,
                                     bool AIsMouseEvent) {
  if (!HandleAllocated() || m_isCreating ||
      ControlState().Contains(TControlStateItem::csDestroyingHandle) || IsDestroying() ||
      !m_dataBinding)
    return false;
  if (::GetCapture() != Handle())
    m_captureButtonIndex = -1;
  TOwned<TcxCustomEditViewInfo> previous;
  if (AIsMouseEvent) {
    previous.reset(GetPropertiesClass()->GetViewInfoClass().Create());
    previous->Assign(GetViewInfo());
  }
  CalculateViewInfo(P, AButton, AShift, AIsMouseEvent);
  const TRect innerRect =
      m_innerEdit && IsEditClass() ? m_innerEdit->GetControl()->BoundsRect() : TRect{};
  const bool changed = !previous || GetViewInfo()->Repaint(this, innerRect, previous.get());
  if (!changed)
    return false;
  SetSize();
  if (HandleAllocated()) {
    TFlagScope settingRegion(m_isSettingWindowRegion);
    SetShadowRegion();
  }
  AdjustInnerControl();
  if (GetViewInfo()->ContainerState.Contains(TcxContainerStateItem::csHotTrack))
    BeginMouseTracking(this, GetVisibleBounds(), this);
  if (!previous)
    GetViewInfo()->Repaint(this, innerRect);
  if (previous)
    ProcessViewInfoChanges(previous.get(), AIsMouseEvent);
  return true;
}

void TcxCustomEdit::ProcessViewInfoChanges(TcxContainerViewInfo* APrevViewInfo, bool) {
  auto* previous = static_cast<TcxCustomEditViewInfo*>(APrevViewInfo);
  const TcxEditButtonsHit before{previous->PressedButton, previous->SelectedButton};
  const TcxEditButtonsHit now{GetViewInfo()->PressedButton, GetViewInfo()->SelectedButton};
  ProcessButtonsChanges(before, now, *this);
}

void TcxCustomEdit::Paint() {
  // Data-aware editors painted into a copy draw from their stored value; the
  // unbound binding has no data storage, so its editors always draw their
  // view info.
  if (m_dataBinding->GetIDefaultValuesProvider()->IsDataStorage() &&
      ControlState().Contains(TControlStateItem::csPaintCopy))
    PaintCopyDraw();
  else
    GetViewInfo()->Paint(Canvas());
}
