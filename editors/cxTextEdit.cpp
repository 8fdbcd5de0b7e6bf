#include "editors/cxTextEdit.h"

#include <algorithm>

#include "editors/cxEdit.h"
#include "editors/cxEditDataBinding.h"
#include "editors/cxEditValue.h"
#include "framework/cxGeometry.h"
#include "platform/rtl/FlagScope.h"
#include "platform/rtl/ScopeGuards.h"
#include "platform/rtl/WideText.h"

// ---- construction and destruction

void TcxCustomTextEdit::Initialize() {
  TcxCustomEdit::Initialize();
  m_beepOnEnter = true;
  m_findSelection = false;
  if (IcxInnerTextEdit* inner = InnerTextEdit()) {
    inner->GetControl()->SetColor(clWindow);
    inner->SetOnSelChange(TNotifyEvent(this, &TcxCustomTextEdit::SelChange));
  }
  SetBounds(Left(), Top(), 121, 21);
  if (TcxCustomTextEditLookupDataClass lookupClass = Properties()->GetLookupDataClass()) {
    m_lookupData.reset(lookupClass.Create(this));
    m_lookupData->SetOnSelectItem(TNotifyEvent(this, &TcxCustomTextEdit::HandleSelectItem));
  }
  cxFormatController()->AddListener(this);
}

void TcxCustomTextEdit::BeforeDestruction() {
  m_textAfterDestroy = InternalGetText();
  m_destroying = true;
  cxFormatController()->RemoveListener(this);
  m_lookupData.reset();
  TcxCustomEdit::BeforeDestruction();
}

TcxInnerEditClass TcxCustomTextEdit::GetInnerEditClass() const {
  return TcxCustomInnerTextEdit::StaticClass();
}

TcxCustomEditPropertiesClass TcxCustomTextEdit::GetPropertiesClass() const {
  return TcxCustomTextEditProperties::StaticClass();
}

TcxCustomTextEditProperties* TcxCustomTextEdit::Properties() const {
  return static_cast<TcxCustomTextEditProperties*>(TcxCustomEdit::Properties());
}

TcxCustomTextEditProperties* TcxCustomTextEdit::ActiveProperties() {
  return static_cast<TcxCustomTextEditProperties*>(GetActiveProperties());
}

IcxInnerTextEdit* TcxCustomTextEdit::InnerTextEdit() const {
  return dynamic_cast<IcxInnerTextEdit*>(InnerEdit());
}

TcxCustomTextEditViewInfo* TcxCustomTextEdit::GetViewInfo() const {
  return static_cast<TcxCustomTextEditViewInfo*>(TcxCustomEdit::GetViewInfo());
}

void TcxCustomTextEdit::Loaded() {
  TcxCustomEdit::Loaded();
  ShortRefreshContainer(false);
}

// ---- the window-text messages

void TcxCustomTextEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_GETTEXTLENGTH:
    // Windows-1254 has one UTF-16 unit per byte.
    Message.Result = static_cast<LRESULT>(InternalGetText().size());
    break;
  case WM_GETTEXT:
    WMGetText(TWMGetText(Message));
    break;
  case WM_SETTEXT:
    WMSetText(Message);
    break;
  case WM_CLEAR:
    WMClear();
    break;
  default:
    TcxCustomEdit::Dispatch(Message);
    break;
  }
}

void TcxCustomTextEdit::WMGetText(TWMGetText Message) {
  char16_t* buffer = Message.Text();
  if (!buffer || Message.TextMax() == 0) {
    Message.SetResult(0);
    return;
  }
  const std::u16string text = AnsiToWide(InternalGetText());
  const std::size_t count = std::min(text.size(), Message.TextMax() - 1);
  text.copy(buffer, count);
  buffer[count] = u'\0';
  Message.SetResult(static_cast<LRESULT>(count));
}

// A text written while one is being set (from a change event, say) is not
// lost: it is applied once the outer write is done.
void TcxCustomTextEdit::WMSetText(TMessage& Message) {
  const char16_t* wide = TWMSetText(Message).Text();
  const std::string text = wide ? WideToAnsi(std::u16string(wide)) : std::string();
  if (m_textSettingInProgress) {
    m_pendingText = text;
    m_textPending = true;
    Message.Result = TRUE;
    return;
  }
  Message.Result = FALSE;
  {
    TFlagScope setting(m_textSettingInProgress);
    if (InternalSetText(text))
      Message.Result = TRUE;
  }
  while (m_textPending && !m_destroying) {
    m_textPending = false;
    const std::string pending = std::move(m_pendingText);
    TFlagScope setting(m_textSettingInProgress);
    InternalSetText(pending);
  }
}

std::string TcxCustomTextEdit::InternalGetText() {
  if (m_destroying || !Properties())
    return m_textAfterDestroy;
  return VarToStr(GetDisplayValue());
}

bool TcxCustomTextEdit::InternalSetText(const std::string& AText) {
  return AcceptDisplayText(AText);
}

void TcxCustomTextEdit::SetDisplayText(const std::string& AText) { AcceptDisplayText(AText); }

bool TcxCustomTextEdit::AcceptDisplayText(const std::string& AText) {
  Variant value(AText);
  if (!ActiveProperties()->IsDisplayValueValid(value, InternalFocused()))
    return false;
  if (KeyboardAction() && !DoEditing())
    return false;
  InternalSetDisplayValue(value);
  return true;
}

// ---- display value and edit value

Variant TcxCustomTextEdit::GetDisplayValue() {
  IcxCustomInnerEdit* inner = InnerEdit();
  return inner ? Variant(VarToStr(inner->GetEditValue())) : Variant(std::string());
}

void TcxCustomTextEdit::InternalSetDisplayValue(const Variant& Value) {
  DataBinding()->SetDisplayValue(Value);
  if (KeyboardAction())
    return;
  ResetOnNewDisplayValue();
  SynchronizeEditValue();
  SetModified(false);
}

void TcxCustomTextEdit::SetInternalDisplayValue(const Variant& Value) {
  if (IcxCustomInnerEdit* inner = InnerEdit())
    inner->SetEditValue(Variant(VarToStr(Value)));
  UpdateDrawValue();
}

void TcxCustomTextEdit::SetBindingDisplayValue(const std::string& AText) {
  DataBinding()->SetDisplayValue(Variant(AText));
}

void TcxCustomTextEdit::SynchronizeEditValue() {
  const Variant previous = GetEditValue();
  Variant value;
  PrepareEditValue(GetDisplayValue(), value, InternalFocused());
  EditValueField() = value;
  const bool changed = !InternalVarEqualsExact(previous, value);
  if (KeyboardAction())
    SetModifiedAfterEnter(true);
  else
    SetModified(false);
  if (changed)
    DoEditValueChanged();
}

void TcxCustomTextEdit::PrepareEditValue(const Variant& ADisplayValue, Variant& EditValue, bool) {
  EditValue = Variant(VarToStr(ADisplayValue));
}

Variant TcxCustomTextEdit::InternalGetEditingValue() { return Variant(InternalGetText()); }

void TcxCustomTextEdit::SynchronizeDisplayValue() {
  TcxCustomTextEditProperties* properties = ActiveProperties();
  Variant editValue = GetEditValue();
  Variant display;
  const bool focused = InternalFocused();
  if (properties->CanValidate()) {
    const bool valid = properties->IsEditValueValid(editValue, focused);
    if (valid)
      PrepareDisplayValue(editValue, display, focused);
    else if (focused)
      display = Variant(properties->DefaultFocusedDisplayValue());
    else
      try {
        display = Variant(VarToStr(editValue));
      } catch (const EVariantError&) {
        display = Variant(std::string());
      }
  } else {
    PrepareDisplayValue(editValue, display, focused);
  }
  SaveModified();
  TScopeExit restore([this] {
    m_displaySyncInProgress = false;
    RestoreModified();
    ResetOnNewDisplayValue();
    UpdateDrawValue();
  });
  m_displaySyncInProgress = true;
  DataBinding()->SetDisplayValue(display);
}

void TcxCustomTextEdit::UpdateDisplayValue() {
  if (PropertiesChangeLocked())
    return;
  const TcxEditEditingStyle style = EditingStyle();
  if (style == TcxEditEditingStyle::esEdit || style == TcxEditEditingStyle::esNoEdit) {
    if (!ModifiedAfterEnter())
      DataBinding()->UpdateDisplayValue();
    return;
  }
  SynchronizeDisplayValue();
}

void TcxCustomTextEdit::ResetOnNewDisplayValue() {
  if (ActiveProperties()->UseLookupData())
    SetFindSelection(false);
}

void TcxCustomTextEdit::InternalValidateDisplayValue(const Variant& ADisplayValue) {
  if (EditingStyle() == TcxEditEditingStyle::esEdit && m_lookupData &&
      !m_lookupData->Find(VarToStr(ADisplayValue)))
    DoOnNewLookupDisplayText(VarToStr(ADisplayValue));
  TcxCustomEdit::InternalValidateDisplayValue(ADisplayValue);
}

void TcxCustomTextEdit::DoOnNewLookupDisplayText(const std::string& AText) {
  if (Properties()->OnNewLookupDisplayText())
    Properties()->OnNewLookupDisplayText()(this, AText);
  if (RepositoryItem() && ActiveProperties()->OnNewLookupDisplayText())
    ActiveProperties()->OnNewLookupDisplayText()(this, AText);
}

void TcxCustomTextEdit::SetEditingText(const std::string& AText) {
  if (!DoEditing())
    return;
  SetText(AText);
  SetModifiedAfterEnter(true);
}

void TcxCustomTextEdit::ChangeHandler(TObject* Sender) {
  LockChangeEvents(true);
  TScopeExit unlock([this] { LockChangeEvents(false); });
  TcxCustomEdit::ChangeHandler(Sender);
  if (!GetViewInfo()->InnerEditShown)
    UpdateDrawValue();
}

void TcxCustomTextEdit::FormatChanged() {
  ActiveProperties()->Changed();
  SynchronizeDisplayValue();
}

void TcxCustomTextEdit::DoExit() {
  TcxCustomEdit::DoExit();
  SetFindSelection(false);
}

// ---- properties and the inner edit

void TcxCustomTextEdit::PropertiesChanged(TObject* Sender) {
  IcxInnerTextEdit* inner = InnerTextEdit();
  TcxCustomTextEditProperties* properties = ActiveProperties();
  if (inner)
    inner->SetAlignment(properties->BaseGetAlignment()->Horz());
  if (m_lookupData) {
    m_lookupData->PropertiesChanged();
    if (!m_lookupTextChangeLock)
      m_lookupData->TextChanged();
  }
  if (!PropertiesChangeLocked() && !IsEditClass())
    UpdateDrawValue();
  if (inner) {
    SetImeMode(properties->ImeMode());
    SetImeName(properties->ImeName());
    inner->SetAlignment(properties->BaseGetAlignment()->Horz());
    inner->SetAutoSelect(!IsInplace() && properties->AutoSelect());
    inner->SetCharCase(properties->CharCase());
    inner->SetEchoMode(properties->EchoMode());
    inner->SetHideSelection(properties->HideSelection());
    inner->SetImeMode(properties->ImeMode());
    inner->SetImeName(properties->ImeName());
    inner->SetMaxLength(properties->GetInnerEditMaxLength());
    inner->SetPasswordChar(properties->PasswordChar());
    if (!IsPosting())
      UpdateDisplayValue();
    UpdateDrawValue();
  }
  TcxCustomEdit::PropertiesChanged(Sender);
  if (inner)
    inner->GetControl()->Invalidate();
}

void TcxCustomTextEdit::Activate(TcxCustomEditData*& AEditData) {
  TControlLife life(this);
  TcxCustomEdit::Activate(AEditData);
  if (!life || !HandleAllocated())
    return;
  SetSelStart(0);
  if (ActiveProperties()->AutoSelect())
    SelectAll();
}

void TcxCustomTextEdit::LockedInnerEditWindowProc(TMessage& Message) {
  if (Message.Msg != WM_SETFOCUS) {
    TcxCustomEdit::LockedInnerEditWindowProc(Message);
    return;
  }
  if (IcxInnerTextEdit* inner = InnerTextEdit(); inner && inner->GetAutoSelect())
    inner->SelectAll();
}

// The focus message held back while locked brings the caret; an inner edit
// the focus did not reach is told nothing.
void TcxCustomTextEdit::UnlockInnerEditRepainting() {
  const bool locked = IsInnerEditRepaintingLocked();
  TcxCustomEdit::UnlockInnerEditRepainting();
  IcxInnerTextEdit* inner = InnerTextEdit();
  if (!locked || !inner || !inner->GetControl()->HandleAllocated())
    return;
  const HWND window = inner->GetControl()->Handle();
  if (::GetFocus() != window)
    return;
  const bool autoSelect = inner->GetAutoSelect();
  inner->SetAutoSelect(false);
  TControlLife life(inner->GetControl());
  const TScopeExit restore([&] {
    if (life)
      inner->SetAutoSelect(autoSelect);
  });
  ::SendMessageW(window, WM_SETFOCUS, 0, 0);
}

bool TcxCustomTextEdit::IsEditClass() const {
  if (m_innerEditForcedHidden || m_innerEditForcedShown)
    return m_innerEditForcedShown && !m_innerEditForcedHidden;
  auto* self = const_cast<TcxCustomTextEdit*>(this);
  const TcxEditEditingStyle style = self->EditingStyle();
  if (style != TcxEditEditingStyle::esEdit && style != TcxEditEditingStyle::esEditList)
    return false;
  if (self->PropertiesChangeLocked() || ComponentState().Contains(TComponentStateItem::csDesigning))
    return false;
  return self->IsActiveControl() ||
         self->ActiveProperties()->BaseGetAlignment()->Horz() == TAlignment::taLeftJustify;
}

void TcxCustomTextEdit::SetHideInnerEdit(bool Value) {
  if (m_innerEditForcedHidden == Value)
    return;
  m_innerEditForcedHidden = Value;
  PropertiesChanged(ActiveProperties());
}

void TcxCustomTextEdit::SetShowInnerEdit(bool Value) {
  if (m_innerEditForcedShown == Value)
    return;
  m_innerEditForcedShown = Value;
  PropertiesChanged(ActiveProperties());
}

void TcxCustomTextEdit::SetFindSelection(bool Value) {
  if (!HandleAllocated() || m_findSelection == Value || m_refreshSuppressed)
    return;
  m_findSelection = Value;
  ShortRefreshContainer(false);
  UpdateDrawValue();
}

TcxCustomEditViewData* TcxCustomTextEdit::CreateViewData() {
  TcxCustomEditViewData* viewData = TcxCustomEdit::CreateViewData();
  if (auto* textViewData = dynamic_cast<TcxCustomTextEditViewData*>(viewData))
    textViewData->Editor = PropertiesChangeLocked() ? nullptr : this;
  return viewData;
}

void TcxCustomTextEdit::UpdateDrawValue() {
  if (m_destroying || PropertiesChangeLocked())
    return;
  TOwned<TcxCustomEditViewData> viewData(CreateViewData());
  auto* textViewData = dynamic_cast<TcxCustomTextEditViewData*>(viewData.get());
  if (!textViewData)
    return;
  textViewData->DisplayValueToDrawValue(GetDisplayValue(), GetViewInfo());
  viewData.reset();
  if (!HandleAllocated())
    return;
  CalculateViewInfo(false);
  GetViewInfo()->SetFindSelectionHighlight(m_findSelection, FixedListSelection(), GetSelStart(),
                                           GetSelLength());
  Invalidate();
}

bool TcxCustomTextEdit::RefreshContainer(const TPoint& P, TcxMouseButton AButton,
                                         TShiftState AShift, bool AIsMouseEvent) {
  if (!HandleAllocated() || m_destroying)
    return false;
  const bool result = TcxCustomEdit::RefreshContainer(P, AButton, AShift, AIsMouseEvent);
  if (result)
    AdjustInnerEdit();
  SetDoubleBuffered(!IsEditClass());
  return result;
}

// The inner edit takes the editor's background and the style's font in
// the editor's text colour.
void TcxCustomTextEdit::AdjustInnerEdit() {
  IcxInnerTextEdit* inner = InnerTextEdit();
  if (!inner)
    return;
  inner->LockBounds(true);
  TScopeExit unlock([inner] { inner->LockBounds(false); });
  TWinControl* control = inner->GetControl();
  control->SetColor(GetViewInfo()->BackgroundColor());
  TOwned<TFont> font(Create<TFont>());
  font->Assign(GetActiveStyle()->GetVisibleFont());
  font->SetColor(GetViewInfo()->TextColor);
  control->Font()->Assign(font.get());
}

int TcxCustomTextEdit::GetInnerEditHeight() {
  IcxCustomInnerEdit* inner = InnerEdit();
  return inner ? cxScreenCanvas()->FontHeight(inner->GetControl()->Font()) : 0;
}

// The inner edit sits in the client rectangle less the content offsets, one
// line of its font high, aligned vertically as the properties ask; the
// editor clips it to the client rectangle.
void TcxCustomTextEdit::AdjustInnerEditPosition() {
  IcxCustomInnerEdit* inner = InnerEdit();
  if (!inner || m_positionAdjustInProgress)
    return;
  TFlagScope adjusting(m_positionAdjustInProgress);
  const int height = GetInnerEditHeight();
  const TRect client = GetViewInfo()->ClientRect;
  TRect offsets = EditContentDefaultOffsets[IsInplace() ? 1 : 0];
  int top = client.Top + offsets.Top;
  switch (ActiveProperties()->BaseGetAlignment()->Vert()) {
  case TcxEditVertAlignment::taBottomJustify:
    top = client.Bottom - height - offsets.Bottom;
    break;
  case TcxEditVertAlignment::taVCenter:
    top = client.Top + offsets.Top +
          (client.Bottom - client.Top - height - offsets.Top - offsets.Bottom) / 2;
    break;
  default:
    break;
  }
  top = std::max(top, client.Top + offsets.Top);
  const TRect bounds = cxRectBounds(client.Left + offsets.Left, top,
                                    cxRectWidth(client) + 1 - offsets.Left - offsets.Right, height);
  TWinControl* control = inner->GetControl();
  if (control->BoundsRect() != bounds)
    control->SetBoundsRect(bounds);
  TRect clip = client;
  if (IsInplace())
    clip = cxRectInflate(clip, 0, -1, 0, -1);
  AlignControls(control, clip);
}

void TcxCustomTextEdit::FillSizeProperties(TcxEditSizeProperties& AEditSizeProperties) {
  AEditSizeProperties = DefaultcxEditSizeProperties;
  AEditSizeProperties.MaxLineCount = 1;
}

// ---- the lookup owner's view of the properties

TStrings* TcxCustomTextEdit::LookupItems() { return ActiveProperties()->LookupItems(); }
TcxEditEditingStyle TcxCustomTextEdit::EditingStyle() {
  return ActiveProperties()->GetEditingStyle();
}
bool TcxCustomTextEdit::MRUMode() { return ActiveProperties()->MRUMode(); }
bool TcxCustomTextEdit::UpdateTextImmediately() {
  return ActiveProperties()->UpdateTextImmediately();
}
bool TcxCustomTextEdit::FixedListSelection() { return ActiveProperties()->FixedListSelection(); }
bool TcxCustomTextEdit::CanIncrementalSearch() {
  return ActiveProperties()->CanIncrementalSearch();
}
int TcxCustomTextEdit::DropDownPageRowCount() {
  return ActiveProperties()->GetDropDownPageRowCount();
}
char TcxCustomTextEdit::ImeLastChar() {
  IcxInnerTextEdit* inner = InnerTextEdit();
  return inner ? inner->GetImeLastChar() : '\0';
}

// ---- the current lookup item

Variant TcxCustomTextEdit::ItemIndexToLookupKey(int AItemIndex) { return Variant(AItemIndex); }

int TcxCustomTextEdit::LookupKeyToItemIndex(const Variant& AKey) {
  return VarIsNull(AKey) || VarIsEmpty(AKey) ? -1 : AKey.ToInteger();
}

Variant TcxCustomTextEdit::LookupKeyToEditValue(const Variant& AKey) {
  Variant value;
  PrepareEditValue(Variant(m_lookupData->GetDisplayText(AKey)), value, InternalFocused());
  return value;
}

void TcxCustomTextEdit::HandleSelectItem(TObject*) {
  const Variant value = LookupKeyToEditValue(m_lookupData->GetCurrentKey());
  const bool changed = !InternalVarEqualsExact(GetEditValue(), value);
  if (changed && !DoEditing())
    return;
  SaveModified();
  {
    TScopeExit restore([this] { RestoreModified(); });
    SetInternalEditValue(value);
  }
  if (changed)
    SetModifiedAfterEnter(true);
  SelectAll();
  ShortRefreshContainer(false);
}

int TcxCustomTextEdit::GetItemIndex() {
  return m_lookupData ? LookupKeyToItemIndex(m_lookupData->GetCurrentKey()) : -1;
}

// An index outside the items is ignored: the current item stays.
void TcxCustomTextEdit::SetItemIndex(int Value) {
  if (!m_lookupData)
    return;
  const int previous = GetItemIndex();
  {
    LockClick(true);
    TScopeExit unlock([this] { LockClick(false); });
    m_lookupData->SetCurrentKey(ItemIndexToLookupKey(Value));
    const Variant value = LookupKeyToEditValue(m_lookupData->GetCurrentKey());
    if (!InternalVarEqualsExact(GetEditValue(), value))
      SetEditValue(value);
  }
  if (GetItemIndex() != previous) {
    SetModified(false);
    Click();
  }
}

TObject* TcxCustomTextEdit::GetItemObject() {
  const int index = GetItemIndex();
  TStrings* items = LookupItems();
  return index < 0 || index >= items->Count() ? nullptr : items->Objects(index);
}

void TcxCustomTextEdit::SetItemObject(TObject* Value) {
  SetItemIndex(LookupItems()->IndexOfObject(Value));
}

// ---- TcxTextEdit

TcxTextEditProperties* TcxTextEdit::Properties() const {
  return static_cast<TcxTextEditProperties*>(TcxCustomTextEdit::Properties());
}

TcxCustomEditPropertiesClass TcxTextEdit::GetPropertiesClass() const {
  return TcxTextEditProperties::StaticClass();
}

void TcxTextEdit::Publish(TPublisher& p) {
  using E = TcxTextEdit;
  p.Property("BeepOnEnter", &E::BeepOnEnter, &E::SetBeepOnEnter).Default(true);
  // The styles hold the editor's colour; the control's own is not stored.
  p.Property("Color", &E::Color, &E::SetColor).Stored(false);
  p.Property("ImeMode", &E::ImeMode, &E::SetImeMode).Default(TImeMode::imDontCare);
  p.Property("ImeName", &E::ImeName, &E::SetImeName);
  p.Property("ParentColor", &E::ParentColor, &E::SetParentColor).Default(false);
  p.Property<E>(
      "Properties", [](E* e) { return e->Properties(); },
      [](E* e, TcxTextEditProperties* v) { e->SetProperties(v); });
  p.Property<E>(
      "Style", [](E* e) { return e->GetStyle(); }, [](E* e, TcxEditStyle* v) { e->SetStyle(v); });
  p.Property<E>(
      "StyleDisabled", [](E* e) { return e->GetStyleDisabled(); },
      [](E* e, TcxEditStyle* v) { e->SetStyleDisabled(v); });
  p.Property<E>(
      "StyleFocused", [](E* e) { return e->GetStyleFocused(); },
      [](E* e, TcxEditStyle* v) { e->SetStyleFocused(v); });
  p.Property<E>(
      "StyleHot", [](E* e) { return e->GetStyleHot(); },
      [](E* e, TcxEditStyle* v) { e->SetStyleHot(v); });
  p.Property<E>(
       "Text", [](E* e) { return e->TControl::Text(); },
       [](E* e, const std::string& v) { e->SetText(v); })
      .Stored([](E* e) { return !e->TControl::Text().empty(); });
}
