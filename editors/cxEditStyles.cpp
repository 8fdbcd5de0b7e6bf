#include "editors/cxEditStyles.h"

#include "platform/objects/PropertyRegistry.h"

namespace {

TcxEditStyleController* g_defaultEditStyleController = nullptr;
int g_defaultControllerComponents = 0;

constexpr int kFirstEditValue = 10;
const char* const kEditStyleValueNames[] = {"ButtonStyle", "ButtonTransparency", "PopupBorderStyle",
                                            "GradientButtons"};

int ValueIndex(TcxContainerStyleValue AValue) { return static_cast<int>(AValue); }

} // namespace

// ---------------------------------------------------------------------------
// TcxCustomEditStyle

const TcxCustomEditStyle* TcxCustomEditStyle::Base() const {
  return IsBaseStyle() ? this : static_cast<const TcxCustomEditStyle*>(ParentStyle());
}

TcxCustomEditStyle* TcxCustomEditStyle::Base() {
  return static_cast<TcxCustomEditStyle*>(GetBaseStyle());
}

template <class T>
bool TcxCustomEditStyle::Resolve(T TcxCustomEditStyle::*AField, TcxContainerStyleValue AValue,
                                 T& Result) const {
  if (IsOwnValue(AValue)) {
    Result = this->*AField;
    return true;
  }
  if (const auto* style = dynamic_cast<const TcxCustomEditStyle*>(ControllerStyle()))
    return style->Resolve(AField, AValue, Result);
  return false;
}

template <class T>
T TcxCustomEditStyle::Read(T TcxCustomEditStyle::*AField, TcxContainerStyleValue AValue,
                           T ADefault) const {
  if (DirectAccessMode())
    return IsOwnValue(AValue) ? this->*AField : ADefault;
  T result = ADefault;
  return Resolve(AField, AValue, result) ? result : ADefault;
}

template <class T>
void TcxCustomEditStyle::Write(T TcxCustomEditStyle::*AField, TcxContainerStyleValue AValue,
                               T Value) {
  if (IsOwnValue(AValue) && this->*AField == Value)
    return;
  this->*AField = Value;
  MarkAssigned(AValue);
}

TcxEditButtonStyle TcxCustomEditStyle::GetButtonStyle() const {
  return Read(&TcxCustomEditStyle::m_buttonStyle, svButtonStyle, DefaultButtonStyle());
}

void TcxCustomEditStyle::SetButtonStyle(TcxEditButtonStyle Value) {
  Write(&TcxCustomEditStyle::m_buttonStyle, svButtonStyle, Value);
}

TcxEditButtonTransparency TcxCustomEditStyle::GetButtonTransparency() const {
  return Read(&TcxCustomEditStyle::m_buttonTransparency, svButtonTransparency,
              DefaultButtonTransparency());
}

void TcxCustomEditStyle::SetButtonTransparency(TcxEditButtonTransparency Value) {
  Base()->Write(&TcxCustomEditStyle::m_buttonTransparency, svButtonTransparency, Value);
}

bool TcxCustomEditStyle::GetGradientButtons() const {
  return Read(&TcxCustomEditStyle::m_gradientButtons, svGradientButtons, DefaultGradientButtons());
}

void TcxCustomEditStyle::SetGradientButtons(bool Value) {
  Base()->Write(&TcxCustomEditStyle::m_gradientButtons, svGradientButtons, Value);
}

TcxEditPopupBorderStyle TcxCustomEditStyle::GetPopupBorderStyle() const {
  return Read(&TcxCustomEditStyle::m_popupBorderStyle, svPopupBorderStyle,
              DefaultPopupBorderStyle());
}

void TcxCustomEditStyle::SetPopupBorderStyle(TcxEditPopupBorderStyle Value) {
  Base()->Write(&TcxCustomEditStyle::m_popupBorderStyle, svPopupBorderStyle, Value);
}

bool TcxCustomEditStyle::GetPopupCloseButton() const { return Base()->m_popupCloseButton; }

void TcxCustomEditStyle::SetPopupCloseButton(bool Value) {
  TcxCustomEditStyle* base = Base();
  if (base->m_popupCloseButton == Value)
    return;
  base->m_popupCloseButton = Value;
  base->Changed();
}

TcxEditButtonStyle TcxCustomEditStyle::DefaultButtonStyle() const {
  return IsBaseStyle() ? TcxEditButtonStyle::btsDefault : Base()->GetButtonStyle();
}

TcxEditButtonTransparency TcxCustomEditStyle::DefaultButtonTransparency() const {
  return IsBaseStyle() ? TcxEditButtonTransparency::ebtNone : Base()->GetButtonTransparency();
}

bool TcxCustomEditStyle::DefaultGradientButtons() const {
  return IsBaseStyle() ? false : Base()->GetGradientButtons();
}

TcxEditPopupBorderStyle TcxCustomEditStyle::DefaultPopupBorderStyle() const {
  return IsBaseStyle() ? TcxEditPopupBorderStyle::epbsDefault : Base()->GetPopupBorderStyle();
}

void TcxCustomEditStyle::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomEditStyle*>(Source);
  if (!source) {
    TcxContainerStyle::Assign(Source);
    return;
  }
  BeginUpdate();
  try {
    m_buttonStyle = source->m_buttonStyle;
    m_buttonTransparency = source->m_buttonTransparency;
    m_gradientButtons = source->m_gradientButtons;
    m_popupBorderStyle = source->m_popupBorderStyle;
    m_popupCloseButton = source->m_popupCloseButton;
    TcxContainerStyle::Assign(Source);
    Changed();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TcxCustomEditStyle::Init(const TcxViewParams& AParams) {
  BeginUpdate();
  try {
    SetColor(AParams.Color);
    SetFont(AParams.Font);
    SetTextColor(AParams.TextColor);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

bool TcxCustomEditStyle::GetStyleValueName(TcxContainerStyleValue AStyleValue,
                                           std::string& AName) const {
  const int index = ValueIndex(AStyleValue);
  if (index < kFirstEditValue)
    return TcxContainerStyle::GetStyleValueName(AStyleValue, AName);
  if (index >= GetStyleValueCount()) {
    AName.clear();
    return false;
  }
  AName = kEditStyleValueNames[index - kFirstEditValue];
  return true;
}

bool TcxCustomEditStyle::IsValueAssigned(TcxContainerStyleValue AValue) const {
  switch (ValueIndex(AValue)) {
  case 10: {
    TcxEditButtonStyle value;
    return Resolve(&TcxCustomEditStyle::m_buttonStyle, AValue, value);
  }
  case 11: {
    TcxEditButtonTransparency value;
    return Resolve(&TcxCustomEditStyle::m_buttonTransparency, AValue, value);
  }
  case 12: {
    TcxEditPopupBorderStyle value;
    return Resolve(&TcxCustomEditStyle::m_popupBorderStyle, AValue, value);
  }
  case 13: {
    bool value;
    return Resolve(&TcxCustomEditStyle::m_gradientButtons, AValue, value);
  }
  default:
    return TcxContainerStyle::IsValueAssigned(AValue);
  }
}

TcxStyleController* TcxCustomEditStyle::GetDefaultStyleController() const {
  if (DirectAccessMode())
    return nullptr;
  if (IcxContainerStyleHost* container = GetContainer(); container && container->IsInplace())
    return nullptr;
  return DefaultEditStyleController();
}

TcxContainerStyleValues TcxCustomEditStyle::InternalGetNotPublishedExtendedStyleValues() const {
  return {csvEdges,
          csvFont,
          csvHotTrack,
          csvShadow,
          csvTransparentBorder,
          svButtonTransparency,
          svPopupBorderStyle,
          svGradientButtons};
}

bool TcxCustomEditStyle::IsEditValueStored(TcxContainerStyleValue AValue) const {
  if (!IsOwnValue(AValue))
    return false;
  IcxContainerStyleHost* container = GetContainer();
  std::string name;
  GetStyleValueName(AValue, name);
  return !container ||
         container->IsStylePropertyPublished(name, State() != TcxContainerStateItem::csNormal);
}

// ---------------------------------------------------------------------------
// TcxEditStyle

void TcxEditStyle::Publish(TPublisher& p) {
  using S = TcxEditStyle;
  p.Property("BorderStyle", &S::GetEditBorderStyle, &S::SetEditBorderStyle)
      .Stored(&S::IsBorderStyleStored);
  p.Property("ButtonStyle", &S::GetButtonStyle, &S::SetButtonStyle).Stored(&S::IsButtonStyleStored);
  p.Property("ButtonTransparency", &S::GetButtonTransparency, &S::SetButtonTransparency)
      .Stored(&S::IsButtonTransparencyStored);
  p.Property("PopupBorderStyle", &S::GetPopupBorderStyle, &S::SetPopupBorderStyle)
      .Stored(&S::IsPopupBorderStyleStored);
}

TcxEditBorderStyle TcxEditStyle::GetEditBorderStyle() const {
  return static_cast<TcxEditBorderStyle>(GetBorderStyle());
}

void TcxEditStyle::SetEditBorderStyle(TcxEditBorderStyle Value) {
  SetBorderStyle(static_cast<TcxContainerBorderStyle>(Value));
}

// ---------------------------------------------------------------------------
// TcxEditStyleController

// Both controllers publish their four state styles and OnStyleChanged under
// the same names; they differ only in how a state's style is reached.
namespace {

template <class C, TcxEditStyle* (C::*Get)(TcxContainerStateItem) const,
          void (C::*Set)(TcxContainerStateItem, TcxEditStyle*)>
void PublishStateStyles(TPublisher& p) {
  const auto style = [](TcxContainerStateItem state) {
    return [state](C* c) { return (c->*Get)(state); };
  };
  const auto setStyle = [](TcxContainerStateItem state) {
    return [state](C* c, TcxEditStyle* value) { (c->*Set)(state, value); };
  };
  using St = TcxContainerStateItem;
  p.Property<C>("Style", style(St::csNormal), setStyle(St::csNormal));
  p.Property<C>("StyleDisabled", style(St::csDisabled), setStyle(St::csDisabled));
  p.Property<C>("StyleFocused", style(St::csActive), setStyle(St::csActive));
  p.Property<C>("StyleHot", style(St::csHotTrack), setStyle(St::csHotTrack));
  p.Property("OnStyleChanged", &C::OnStyleChanged, &C::SetOnStyleChanged);
}

} // namespace

void TcxEditStyleController::Publish(TPublisher& p) {
  PublishStateStyles<TcxEditStyleController, &TcxEditStyleController::GetEditStyle,
                     &TcxEditStyleController::SetEditStyle>(p);
}

TcxEditStyle* TcxEditStyleController::GetEditStyle(TcxContainerStateItem AState) const {
  return static_cast<TcxEditStyle*>(GetInternalStyle(AState));
}

void TcxEditStyleController::SetEditStyle(TcxContainerStateItem AState, TcxEditStyle* Value) {
  SetInternalStyle(AState, Value);
}

TcxContainerStyleClass TcxEditStyleController::GetStyleClass() const {
  return TcxEditStyle::StaticClass();
}

TcxEditStyleController* DefaultEditStyleController() { return g_defaultEditStyleController; }

// The controller's styles ask for the default controller while they are
// made; they find none and so never listen to their own controller.
void CreateDefaultEditStyleController() {
  if (!g_defaultEditStyleController)
    g_defaultEditStyleController = Create<TcxEditStyleController>(nullptr);
}

void FreeDefaultEditStyleController() { FreeAndNil(g_defaultEditStyleController); }

// ---------------------------------------------------------------------------
// TcxDefaultEditStyleController

void TcxDefaultEditStyleController::Publish(TPublisher& p) {
  PublishStateStyles<TcxDefaultEditStyleController, &TcxDefaultEditStyleController::GetInternalStyle,
                     &TcxDefaultEditStyleController::SetInternalStyle>(p);
}

TcxDefaultEditStyleController::TcxDefaultEditStyleController(TComponent* AOwner)
    : TComponent(AOwner) {
  ++g_defaultControllerComponents;
}

TcxDefaultEditStyleController::~TcxDefaultEditStyleController() {
  if (--g_defaultControllerComponents == 0 && g_defaultEditStyleController) {
    g_defaultEditStyleController->RestoreStyles();
    g_defaultEditStyleController->SetOnStyleChanged(nullptr);
  }
}

int TcxDefaultEditStyleController::InstanceCount() { return g_defaultControllerComponents; }

void TcxDefaultEditStyleController::RestoreStyles() {
  if (g_defaultEditStyleController)
    g_defaultEditStyleController->RestoreStyles();
}

TcxEditStyle* TcxDefaultEditStyleController::GetInternalStyle(TcxContainerStateItem AState) const {
  return g_defaultEditStyleController ? g_defaultEditStyleController->GetEditStyle(AState)
                                      : nullptr;
}

void TcxDefaultEditStyleController::SetInternalStyle(TcxContainerStateItem AState,
                                                     TcxEditStyle* Value) {
  if (g_defaultEditStyleController)
    g_defaultEditStyleController->SetEditStyle(AState, Value);
}

const TNotifyEvent& TcxDefaultEditStyleController::OnStyleChanged() const {
  static const TNotifyEvent none;
  return g_defaultEditStyleController ? g_defaultEditStyleController->OnStyleChanged() : none;
}

void TcxDefaultEditStyleController::SetOnStyleChanged(const TNotifyEvent& Value) {
  if (g_defaultEditStyleController)
    g_defaultEditStyleController->SetOnStyleChanged(Value);
}
