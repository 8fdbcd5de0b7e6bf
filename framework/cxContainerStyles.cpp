#include "framework/cxContainerStyles.h"

#include <algorithm>

#include "platform/controls/WinControls.h"
#include "platform/objects/Filer.h"
#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/ScopeGuards.h"

namespace {

using enum TcxContainerBorderStyle;
using enum TcxContainerStateItem;

constexpr int kBaseStyleValueCount = 10;

// The border style a state style takes over its normal style's, by row
// (the state, or csNormal when hot tracking is off) and normal border style.
constexpr TcxContainerBorderStyle kStateBorderStyles[4][7] = {
    {cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11},
    {cbsFlat, cbsThick, cbsThick, cbs3D, cbs3D, cbsUltraFlat, cbsOffice11},
    {cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11},
    {cbsFlat, cbsThick, cbsThick, cbs3D, cbs3D, cbsUltraFlat, cbsOffice11},
};

TcxContainerBorderStyle BorderStyleOfKind(TcxLookAndFeelKind kind) {
  switch (kind) {
  case TcxLookAndFeelKind::lfFlat:
    return cbsFlat;
  case TcxLookAndFeelKind::lfStandard:
    return cbs3D;
  case TcxLookAndFeelKind::lfOffice11:
    return cbsOffice11;
  default:
    return cbsUltraFlat;
  }
}

int ValueIndex(TcxContainerStyleValue value) { return static_cast<int>(value); }

} // namespace

const std::array<std::string, 10> cxContainerStyleValueNameA = {
    "BorderColor", "BorderStyle", "Color",     "Edges",     "Font",
    "HotTrack",    "Shadow",      "TextColor", "TextStyle", "TransparentBorder"};

TcxStyleController* cxContainerDefaultStyleController = nullptr;

TcxStyleController* DefaultContainerStyleController() { return cxContainerDefaultStyleController; }

bool InternalCompareString(const std::string& S1, const std::string& S2, bool ACaseSensitive) {
  if (ACaseSensitive)
    return AnsiCompareStr(S1, S2) == 0;
  return AnsiUpperCase(S1) == AnsiUpperCase(S2);
}

// ---------------------------------------------------------------------------
// TcxContainerStyle: construction and identity

void TcxContainerStyle::Publish(TPublisher& p) {
  using S = TcxContainerStyle;
  p.Property("BorderColor", &S::GetBorderColor, &S::SetBorderColor)
      .Idents(ColorIdents())
      .Stored(&S::IsBorderColorStored);
  p.Property("BorderStyle", &S::GetBorderStyle, &S::SetBorderStyle).Stored(&S::IsBorderStyleStored);
  p.Property("Color", &S::GetColor, &S::SetColor).Idents(ColorIdents()).Stored(&S::IsColorStored);
  p.Property("Edges", &S::GetEdges, &S::SetEdges).Stored(&S::IsEdgesStored);
  p.Property("Font", &S::GetFont).Stored(&S::IsFontStored);
  p.Property("HotTrack", &S::GetHotTrack, &S::SetHotTrack).Stored(&S::IsHotTrackStored);
  p.Property("LookAndFeel", &S::GetLookAndFeel);
  p.Property("Shadow", &S::GetShadow, &S::SetShadow).Stored(&S::IsShadowStored);
  p.Property("StyleController", &S::BaseGetStyleController, &S::BaseSetStyleController)
      .Stored(&S::IsStyleControllerStored);
  p.Property("TextColor", &S::GetTextColor, &S::SetTextColor)
      .Idents(ColorIdents())
      .Stored(&S::IsTextColorStored);
  p.Property("TextStyle", &S::GetTextStyle, &S::SetTextStyle).Stored(&S::IsTextStyleStored);
  p.Property("TransparentBorder", &S::GetTransparentBorder, &S::SetTransparentBorder)
      .Stored(&S::IsTransparentBorderStored);
}

TcxContainerStyle::TcxContainerStyle(TPersistent* AOwner, bool ADirectAccess,
                                     TcxContainerStyle* AParentStyle, TcxContainerStateItem AState)
    : m_directAccessMode(ADirectAccess), m_owner(AOwner),
      m_parentStyle(AState == csNormal ? nullptr : AParentStyle), m_state(AState) {
  if (ADirectAccess)
    m_assignedValues = {csvColor, csvFont, csvTextColor, csvTextStyle};
  CreateFont();
  m_visibleFont.reset(::Create<TFont>());
  if (IsBaseStyle()) {
    m_lookAndFeel.reset(::Create<TcxLookAndFeel>(this));
    m_lookAndFeel->SetOnChanged(
        TcxLookAndFeelChangedEvent(this, &TcxContainerStyle::LookAndFeelChanged));
  }
}

void TcxContainerStyle::AfterConstruction() {
  inherited::AfterConstruction();
  if (IsBaseStyle())
    BaseSetStyleController(GetDefaultStyleController());
}

TcxContainerStyle::~TcxContainerStyle() {
  m_destroying = true;
  if (IsBaseStyle() && m_styleController)
    m_styleController->RemoveListener(this);
  m_lookAndFeel.reset();
  m_visibleFont.reset();
  m_ownFont.reset();
}

void TcxContainerStyle::CreateFont() {
  if (!IsBaseStyle() || m_directAccessMode)
    return;
  m_ownFont.reset(::Create<TFont>());
  m_ownFont->SetOnChange(TNotifyEvent(this, &TcxContainerStyle::FontChanged));
  m_styleData.Font = m_ownFont.get();
}

IcxContainerStyleHost* TcxContainerStyle::GetContainer() const {
  return dynamic_cast<IcxContainerStyleHost*>(m_owner);
}

// ---------------------------------------------------------------------------
// Announcing changes

void TcxContainerStyle::BeginUpdate() { ++m_updateCount; }

void TcxContainerStyle::EndUpdate() {
  if (m_updateCount <= 0)
    return;
  --m_updateCount;
  CheckChanges();
}

void TcxContainerStyle::Changed() {
  m_modified = true;
  CheckChanges();
}

void TcxContainerStyle::CheckChanges() {
  if (!m_modified || m_updateCount != 0)
    return;
  m_modified = false;
  if (!m_destroying && !m_directAccessMode && m_onChanged)
    m_onChanged(this);
}

void TcxContainerStyle::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) { Changed(); }

void TcxContainerStyle::MarkAssigned(TcxContainerStyleValue AValue) {
  m_assignedValues.Include(AValue);
  Changed();
}

// ---------------------------------------------------------------------------
// Resolution: own value, else the controller chain's

TcxContainerStyle* TcxContainerStyle::ControllerStyle() const {
  TcxStyleController* controller = GetActiveStyleController();
  return controller ? controller->GetInternalStyle(m_state) : nullptr;
}

bool TcxContainerStyle::InternalGetBorderColor(TColor& Color) const {
  if (IsOwnValue(csvBorderColor)) {
    Color = m_borderColor;
    return true;
  }
  const TcxContainerStyle* style = ControllerStyle();
  return style && style->InternalGetBorderColor(Color);
}

bool TcxContainerStyle::InternalGetBorderStyle(TcxContainerBorderStyle& BorderStyle) const {
  if (IsOwnValue(csvBorderStyle)) {
    BorderStyle = m_borderStyle;
    return true;
  }
  const TcxContainerStyle* style = ControllerStyle();
  return style && style->InternalGetBorderStyle(BorderStyle);
}

bool TcxContainerStyle::InternalGetColor(TColor& Color) const {
  if (IsOwnValue(csvColor)) {
    Color = m_styleData.Color;
    return true;
  }
  const TcxContainerStyle* style = ControllerStyle();
  return style && style->InternalGetColor(Color);
}

bool TcxContainerStyle::InternalGetEdges(TcxBorders& Edges) const {
  if (IsOwnValue(csvEdges)) {
    Edges = m_edges;
    return true;
  }
  const TcxContainerStyle* style = ControllerStyle();
  return style && style->InternalGetEdges(Edges);
}

bool TcxContainerStyle::InternalGetFont(TFont*& Font) const {
  if (IsOwnValue(csvFont)) {
    Font = GetFont();
    return true;
  }
  const TcxContainerStyle* style = ControllerStyle();
  return style && style->InternalGetFont(Font);
}

bool TcxContainerStyle::InternalGetHotTrack(bool& HotTrack) const {
  if (IsOwnValue(csvHotTrack)) {
    HotTrack = m_hotTrack;
    return true;
  }
  const TcxContainerStyle* style = ControllerStyle();
  return style && style->InternalGetHotTrack(HotTrack);
}

bool TcxContainerStyle::InternalGetShadow(bool& Shadow) const {
  if (IsOwnValue(csvShadow)) {
    Shadow = m_shadow;
    return true;
  }
  const TcxContainerStyle* style = ControllerStyle();
  return style && style->InternalGetShadow(Shadow);
}

bool TcxContainerStyle::InternalGetTextColor(TColor& TextColor) const {
  if (IsOwnValue(csvTextColor)) {
    TextColor = m_styleData.FontColor;
    return true;
  }
  const TcxContainerStyle* style = ControllerStyle();
  return style && style->InternalGetTextColor(TextColor);
}

bool TcxContainerStyle::InternalGetTextStyle(TFontStyles& TextStyle) const {
  if (IsOwnValue(csvTextStyle)) {
    TextStyle = m_textStyle;
    return true;
  }
  const TcxContainerStyle* style = ControllerStyle();
  return style && style->InternalGetTextStyle(TextStyle);
}

bool TcxContainerStyle::InternalGetTransparentBorder(bool& TransparentBorder) const {
  if (IsOwnValue(csvTransparentBorder)) {
    TransparentBorder = m_transparentBorder;
    return true;
  }
  const TcxContainerStyle* style = ControllerStyle();
  return style && style->InternalGetTransparentBorder(TransparentBorder);
}

bool TcxContainerStyle::IsValueAssigned(TcxContainerStyleValue AValue) const {
  TColor color;
  TcxContainerBorderStyle borderStyle;
  TcxBorders edges;
  TFont* font;
  bool flag;
  TFontStyles textStyle;
  switch (ValueIndex(AValue)) {
  case 0:
    return InternalGetBorderColor(color);
  case 1:
    return InternalGetBorderStyle(borderStyle);
  case 2:
    return InternalGetColor(color);
  case 3:
    return InternalGetEdges(edges);
  case 4:
    return InternalGetFont(font);
  case 5:
    return InternalGetHotTrack(flag);
  case 6:
    return InternalGetShadow(flag);
  case 7:
    return InternalGetTextColor(color);
  case 8:
    return InternalGetTextStyle(textStyle);
  case 9:
    return InternalGetTransparentBorder(flag);
  default:
    return false;
  }
}

// ---------------------------------------------------------------------------
// Reading values

TColor TcxContainerStyle::GetBorderColor() const {
  if (m_directAccessMode)
    return clDefault;
  TColor color;
  return InternalGetBorderColor(color) ? color : DefaultBorderColor();
}

TcxContainerBorderStyle TcxContainerStyle::GetBorderStyle() const {
  if (m_directAccessMode)
    return IsOwnValue(csvBorderStyle) ? m_borderStyle : DefaultBorderStyle();
  TcxContainerBorderStyle borderStyle;
  return InternalGetBorderStyle(borderStyle) ? borderStyle : DefaultBorderStyle();
}

TColor TcxContainerStyle::GetColor() const {
  if (m_directAccessMode)
    return m_styleData.Color;
  if (IsBaseStyle())
    if (IcxContainerStyleHost* container = GetContainer()) {
      TControl* control = container->GetHostControl();
      if (control->ParentColor() && control->Parent())
        return control->Parent()->Color();
    }
  TColor color;
  return InternalGetColor(color) ? color : DefaultColor();
}

TColor TcxContainerStyle::GetStyleColor() const {
  if (m_directAccessMode)
    return m_styleData.Color;
  TColor color;
  if (InternalGetColor(color))
    return color;
  if (IsBaseStyle())
    if (IcxContainerStyleHost* container = GetContainer()) {
      TControl* control = container->GetHostControl();
      if (!container->IsInplace() && control->ParentColor() && control->Parent())
        return control->Parent()->Color();
    }
  return DefaultColor();
}

TcxBorders TcxContainerStyle::GetEdges() const {
  if (m_directAccessMode)
    return {};
  if (!IsBaseStyle())
    return m_parentStyle->GetEdges();
  TcxBorders edges;
  return InternalGetEdges(edges) ? edges : DefaultEdges();
}

TFont* TcxContainerStyle::GetFont() const {
  return IsBaseStyle() ? m_styleData.Font : m_parentStyle->GetFont();
}

bool TcxContainerStyle::GetHotTrack() const {
  if (m_directAccessMode)
    return IsOwnValue(csvHotTrack) ? m_hotTrack : DefaultHotTrack();
  if (!IsBaseStyle())
    return m_parentStyle->GetHotTrack();
  bool hotTrack;
  return InternalGetHotTrack(hotTrack) ? hotTrack : DefaultHotTrack();
}

bool TcxContainerStyle::GetShadow() const {
  if (m_directAccessMode)
    return false;
  if (!IsBaseStyle())
    return m_parentStyle->GetShadow();
  bool shadow;
  return InternalGetShadow(shadow) ? shadow : DefaultShadow();
}

TColor TcxContainerStyle::GetTextColor() const {
  if (m_directAccessMode)
    return m_styleData.FontColor;
  TColor color;
  return InternalGetTextColor(color) ? color : DefaultTextColor();
}

TFontStyles TcxContainerStyle::GetTextStyle() const {
  if (m_directAccessMode)
    return m_styleData.Font ? m_styleData.Font->Style() : TFontStyles{};
  TFontStyles textStyle;
  return InternalGetTextStyle(textStyle) ? textStyle : DefaultTextStyle();
}

bool TcxContainerStyle::GetTransparentBorder() const {
  if (m_directAccessMode)
    return true;
  if (!IsBaseStyle())
    return m_parentStyle->GetTransparentBorder();
  bool transparentBorder;
  return InternalGetTransparentBorder(transparentBorder) ? transparentBorder
                                                         : DefaultTransparentBorder();
}

TcxLookAndFeel* TcxContainerStyle::GetLookAndFeel() const {
  return IsBaseStyle() ? m_lookAndFeel.get() : m_parentStyle->GetLookAndFeel();
}

TcxContainerStyleValues TcxContainerStyle::GetAssignedValues() const {
  if (!m_directAccessMode)
    return m_assignedValues;
  TcxContainerStyleValues all;
  for (int i = 0; i < GetStyleValueCount(); ++i)
    all.Include(TcxContainerStyleValue{i});
  return all;
}

TFont* TcxContainerStyle::GetVisibleFont() {
  if (TFont* font = GetFont())
    m_visibleFont->Assign(font);
  m_visibleFont->SetColor(GetTextColor());
  m_visibleFont->SetStyle(GetTextStyle());
  return m_visibleFont.get();
}

bool TcxContainerStyle::HasBorder() const { return IsBaseStyle() || m_parentStyle->HasBorder(); }

// ---------------------------------------------------------------------------
// Defaults

TColor TcxContainerStyle::DefaultBorderColor() const {
  switch (m_state) {
  case csDisabled:
    return clBtnShadow;
  case csNormal:
    return clWindowFrame;
  default:
    return m_parentStyle->GetBorderColor();
  }
}

TcxContainerBorderStyle TcxContainerStyle::DefaultBorderStyle() const {
  if (IsBaseStyle())
    return BorderStyleOfKind(GetLookAndFeel()->Kind());
  const TcxContainerStateItem row = GetHotTrack() || m_state == csDisabled ? m_state : csNormal;
  return kStateBorderStyles[static_cast<int>(row)]
                           [static_cast<int>(m_parentStyle->GetBorderStyle())];
}

TColor TcxContainerStyle::DefaultColor() const {
  IcxContainerStyleHost* container = GetContainer();
  const bool parentColor = !container || container->DefaultParentColor();
  if (IsBaseStyle())
    return parentColor ? clBtnFace : clWindow;
  if (m_state != csDisabled || parentColor)
    return m_parentStyle->GetColor();
  return clBtnFace;
}

TcxBorders TcxContainerStyle::DefaultEdges() const { return cxBordersAll; }

bool TcxContainerStyle::DefaultHotTrack() const { return true; }

bool TcxContainerStyle::DefaultShadow() const { return false; }

TColor TcxContainerStyle::DefaultTextColor() const {
  switch (m_state) {
  case csDisabled:
    return clBtnShadow;
  case csNormal:
    return GetFont() ? GetFont()->Color() : clWindowText;
  default:
    return m_parentStyle->GetTextColor();
  }
}

TFontStyles TcxContainerStyle::DefaultTextStyle() const {
  if (!IsBaseStyle())
    return m_parentStyle->GetTextStyle();
  return GetFont() ? GetFont()->Style() : TFontStyles{};
}

bool TcxContainerStyle::DefaultTransparentBorder() const { return true; }

// ---------------------------------------------------------------------------
// Changing values

void TcxContainerStyle::SetBorderColor(TColor Value) {
  if (IsOwnValue(csvBorderColor) && m_borderColor == Value)
    return;
  m_borderColor = Value;
  MarkAssigned(csvBorderColor);
}

void TcxContainerStyle::SetBorderStyle(TcxContainerBorderStyle Value) {
  if (IsOwnValue(csvBorderStyle) && m_borderStyle == Value)
    return;
  m_borderStyle = Value;
  MarkAssigned(csvBorderStyle);
}

void TcxContainerStyle::SetColor(TColor Value) {
  if (IsOwnValue(csvColor) && m_styleData.Color == Value)
    return;
  m_styleData.Color = Value;
  MarkAssigned(csvColor);
}

void TcxContainerStyle::SetTextColor(TColor Value) {
  if (IsOwnValue(csvTextColor) && GetTextColor() == Value)
    return;
  m_styleData.FontColor = Value;
  MarkAssigned(csvTextColor);
}

void TcxContainerStyle::SetTextStyle(TFontStyles Value) {
  if (IsOwnValue(csvTextStyle) && GetTextStyle() == Value)
    return;
  m_textStyle = Value;
  MarkAssigned(csvTextStyle);
}

void TcxContainerStyle::SetEdges(TcxBorders Value) {
  if (!IsBaseStyle()) {
    m_parentStyle->SetEdges(Value);
    return;
  }
  if (IsOwnValue(csvEdges) && m_edges == Value)
    return;
  m_edges = Value;
  MarkAssigned(csvEdges);
}

void TcxContainerStyle::SetHotTrack(bool Value) {
  if (!IsBaseStyle()) {
    m_parentStyle->SetHotTrack(Value);
    return;
  }
  if (IsOwnValue(csvHotTrack) && m_hotTrack == Value)
    return;
  m_hotTrack = Value;
  MarkAssigned(csvHotTrack);
}

void TcxContainerStyle::SetShadow(bool Value) {
  if (!IsBaseStyle()) {
    m_parentStyle->SetShadow(Value);
    return;
  }
  if (IsOwnValue(csvShadow) && m_shadow == Value)
    return;
  m_shadow = Value;
  MarkAssigned(csvShadow);
}

void TcxContainerStyle::SetTransparentBorder(bool Value) {
  if (!IsBaseStyle()) {
    m_parentStyle->SetTransparentBorder(Value);
    return;
  }
  if (IsOwnValue(csvTransparentBorder) && m_transparentBorder == Value)
    return;
  m_transparentBorder = Value;
  MarkAssigned(csvTransparentBorder);
}

void TcxContainerStyle::SetFont(TFont* Value) {
  if (m_directAccessMode) {
    m_styleData.Font = Value;
    return;
  }
  if (!IsBaseStyle()) {
    m_parentStyle->SetFont(Value);
    return;
  }
  m_ownFont->Assign(Value);
  MarkAssigned(csvFont);
}

void TcxContainerStyle::SetAssignedValues(TcxContainerStyleValues Value) {
  if (m_assignedValues == Value)
    return;
  m_assignedValues = Value;
  if (IsBaseStyle())
    UpdateFont();
  Changed();
}

void TcxContainerStyle::SetLookAndFeel(TcxLookAndFeel* Value) {
  if (IsBaseStyle())
    m_lookAndFeel->Assign(Value);
  else
    m_parentStyle->SetLookAndFeel(Value);
}

// ---------------------------------------------------------------------------
// The font of the normal style

void TcxContainerStyle::FontChanged(TObject*) {
  if (!IsFontAssignedValueLocked())
    m_assignedValues.Include(csvFont);
  Changed();
}

void TcxContainerStyle::LockFontAssignedValue(bool ALock) {
  if (ALock)
    ++m_fontAssignedLockCount;
  else if (m_fontAssignedLockCount > 0)
    --m_fontAssignedLockCount;
}

void TcxContainerStyle::UpdateFont() {
  if (m_directAccessMode || !m_ownFont || IsOwnValue(csvFont))
    return;
  LockFontAssignedValue(true);
  TScopeExit unlock([this] { LockFontAssignedValue(false); });
  TFont* font = nullptr;
  IcxContainerStyleHost* container = GetContainer();
  if (InternalGetFont(font) && font)
    m_ownFont->Assign(font);
  else if (!container || !container->GetHostControl()->ParentFont())
    RestoreFont(m_ownFont.get());
}

void TcxContainerStyle::RestoreFont(TFont* AFont) {
  TOwned<TFont> defaultFont(::Create<TFont>());
  AFont->Assign(defaultFont.get());
}

// ---------------------------------------------------------------------------
// The style controller

TcxStyleController* TcxContainerStyle::GetDefaultStyleController() const {
  return DefaultContainerStyleController();
}

TcxStyleController* TcxContainerStyle::GetActiveStyleController() const {
  return IsBaseStyle() ? m_styleController : m_parentStyle->GetActiveStyleController();
}

TcxStyleController* TcxContainerStyle::BaseGetStyleController() const {
  if (!IsBaseStyle())
    return m_parentStyle->BaseGetStyleController();
  return m_styleController == GetDefaultStyleController() ? nullptr : m_styleController;
}

// A controller whose chain leads back to this very style would make every
// unset value ask itself.
bool TcxContainerStyle::WouldMakeCycle(TcxStyleController* AStyleController) const {
  for (TcxStyleController* c = AStyleController; c; c = c->GetStyle()->BaseGetStyleController())
    if (c->GetStyle() == this)
      return true;
  return false;
}

void TcxContainerStyle::BaseSetStyleController(TcxStyleController* Value) {
  if (!IsBaseStyle()) {
    m_parentStyle->BaseSetStyleController(Value);
    return;
  }
  TcxStyleController* defaultController = GetDefaultStyleController();
  if (defaultController && defaultController == m_owner)
    return;
  if (!Value)
    Value = defaultController;
  // A default controller that is going away leaves the style without one.
  if (Value && Value->IsDestruction())
    Value = nullptr;
  if (WouldMakeCycle(Value) || Value == m_styleController)
    return;
  if (m_styleController)
    m_styleController->RemoveListener(this);
  m_styleController = Value;
  if (Value)
    Value->AddListener(this);
  ControllerChangedNotification(Value);
}

void TcxContainerStyle::ControllerChangedNotification(TcxStyleController*) {
  UpdateFont();
  Changed();
}

// A style that cannot fall back (the default controller's own style) lets
// the going controller go all the same.
void TcxContainerStyle::ControllerFreeNotification(TcxStyleController* AStyleController) {
  if (!AStyleController || AStyleController != GetActiveStyleController())
    return;
  BaseSetStyleController(nullptr);
  if (m_styleController != AStyleController)
    return;
  AStyleController->RemoveListener(this);
  m_styleController = nullptr;
  ControllerChangedNotification(nullptr);
}

// ---------------------------------------------------------------------------
// Copying and restoring

void TcxContainerStyle::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxContainerStyle*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  TUpdateScope update(this);
  if (IsBaseStyle()) {
    BaseSetStyleController(source->BaseGetStyleController());
    SetLookAndFeel(source->GetLookAndFeel());
  }
  m_borderColor = source->m_borderColor;
  m_borderStyle = source->m_borderStyle;
  m_edges = source->m_edges;
  m_hotTrack = source->m_hotTrack;
  m_shadow = source->m_shadow;
  m_transparentBorder = source->m_transparentBorder;
  m_styleData.Color = source->m_styleData.Color;
  AssignFont(source);
  m_assignedValues = source->m_assignedValues;
  Changed();
}

// Only a normal style has a font object to copy into; a state style keeps
// the source's text colour and style.
void TcxContainerStyle::AssignFont(TcxContainerStyle* ASource) {
  if (m_directAccessMode) {
    m_styleData.Font = ASource->GetFont();
    m_styleData.FontColor = ASource->GetTextColor();
    return;
  }
  if (m_ownFont && ASource->GetFont()) {
    m_ownFont->Assign(ASource->GetFont());
    if (ASource->m_directAccessMode)
      m_ownFont->SetColor(ASource->GetTextColor());
  }
  m_styleData.FontColor = ASource->GetTextColor();
  m_textStyle = ASource->GetTextStyle();
}

void TcxContainerStyle::RestoreDefaults() {
  TUpdateScope update(this);
  SetAssignedValues({});
  if (!IsBaseStyle())
    return;
  m_lookAndFeel->Reset();
  IcxContainerStyleHost* container = GetContainer();
  if (container) {
    container->GetHostControl()->SetParentColor(false);
    container->GetHostControl()->SetParentFont(true);
  } else if (!m_directAccessMode) {
    RestoreFont(m_ownFont.get());
  }
  if (container && container->DefaultParentColor()) {
    TcxStyleController* controller = GetActiveStyleController();
    if (!controller || !controller->GetStyle()->IsValueAssigned(csvColor))
      container->GetHostControl()->SetParentColor(true);
  }
}

// ---------------------------------------------------------------------------
// Values by name, and what form definitions store

int TcxContainerStyle::GetStyleValueCount() const { return kBaseStyleValueCount; }

bool TcxContainerStyle::GetStyleValueName(TcxContainerStyleValue AStyleValue,
                                          std::string& AName) const {
  const int index = ValueIndex(AStyleValue);
  if (index < 0 || index >= kBaseStyleValueCount) {
    AName.clear();
    return false;
  }
  AName = cxContainerStyleValueNameA[index];
  return true;
}

bool TcxContainerStyle::GetStyleValue(const std::string& APropertyName,
                                      TcxContainerStyleValue& AStyleValue) const {
  std::string name;
  for (int i = 0; i < GetStyleValueCount(); ++i)
    if (GetStyleValueName(TcxContainerStyleValue{i}, name) &&
        InternalCompareString(APropertyName, name, false)) {
      AStyleValue = TcxContainerStyleValue{i};
      return true;
    }
  return false;
}

TcxContainerStyleValues TcxContainerStyle::InternalGetNotPublishedExtendedStyleValues() const {
  return {csvEdges, csvFont, csvHotTrack, csvShadow, csvTransparentBorder};
}

bool TcxContainerStyle::IsExtendedStylePropertyPublished(const std::string& APropertyName) const {
  if (InternalCompareString(APropertyName, "LookAndFeel", true) ||
      InternalCompareString(APropertyName, "StyleController", true))
    return false;
  TcxContainerStyleValue value;
  if (!GetStyleValue(APropertyName, value))
    return true;
  return !InternalGetNotPublishedExtendedStyleValues().Contains(value);
}

bool TcxContainerStyle::IsValueStored(TcxContainerStyleValue AValue) const {
  if (!IsOwnValue(AValue))
    return false;
  IcxContainerStyleHost* container = GetContainer();
  std::string name;
  GetStyleValueName(AValue, name);
  return !container || container->IsStylePropertyPublished(name, m_state != csNormal);
}

void TcxContainerStyle::DefineProperties(TFiler& Filer) {
  inherited::DefineProperties(Filer);
  Filer.DefineProperty(
      "IsFontAssigned",
      [this](TReader& reader) {
        reader.ReadBoolean();
        SetAssignedValues(m_assignedValues + TcxContainerStyleValues{csvFont});
      },
      [](TWriter& writer) { writer.WriteBoolean(true); }, IsFontStored());
}

// ---------------------------------------------------------------------------
// TcxContainerStyles

TcxContainerStyles::TcxContainerStyles(TPersistent* AOwner, TcxContainerStyleClass AStyleClass) {
  TcxContainerStyle* normal = nullptr;
  for (int i = 0; i < 4; ++i) {
    const auto state = static_cast<TcxContainerStateItem>(i);
    m_styles[i].reset(AStyleClass.Create(AOwner, false, normal, state));
    if (i == 0)
      normal = m_styles[0].get();
  }
}

TcxContainerStyles::~TcxContainerStyles() {
  for (int i = 3; i >= 0; --i)
    m_styles[i].reset();
}

TcxContainerStyle* TcxContainerStyles::GetStyle(TcxContainerStateItem AState) const {
  return m_styles[static_cast<int>(AState)].get();
}

void TcxContainerStyles::SetStyle(TcxContainerStateItem AState, TcxContainerStyle* Value) {
  GetStyle(AState)->Assign(Value);
}

void TcxContainerStyles::SetOnChanged(const TNotifyEvent& Value) {
  for (auto& style : m_styles)
    style->SetOnChanged(Value);
}

void TcxContainerStyles::RestoreDefaults() {
  for (auto& style : m_styles)
    style->RestoreDefaults();
}

// ---------------------------------------------------------------------------
// TcxStyleController

void TcxStyleController::Publish(TPublisher& p) {
  p.Property("FakeStyleController", &TcxStyleController::FakeStyleController,
             &TcxStyleController::SetFakeStyleController)
      .Stored(false);
}

TcxStyleController::TcxStyleController(TComponent* AOwner) : TComponent(AOwner) {}

void TcxStyleController::AfterConstruction() {
  inherited::AfterConstruction();
  m_styles.reset(::Create<TcxContainerStyles>(this, GetStyleClass()));
  m_styles->SetOnChanged(TNotifyEvent(this, &TcxStyleController::StyleChanged));
}

// Each attached style falls back to the default controller (or to none when
// this is the default one) and leaves the list.
TcxStyleController::~TcxStyleController() {
  m_destruction = true;
  while (!m_listeners.empty()) {
    TcxContainerStyle* style = m_listeners.back();
    style->ControllerFreeNotification(this);
    if (!m_listeners.empty() && m_listeners.back() == style)
      RemoveListener(style);
  }
  m_styles.reset();
}

TcxContainerStyleClass TcxStyleController::GetStyleClass() const {
  return TcxContainerStyle::StaticClass();
}

TcxContainerStylesClass TcxStyleController::GetStylesClass() const {
  return TcxContainerStyles::StaticClass();
}

void TcxStyleController::Loaded() {
  inherited::Loaded();
  Changed();
}

void TcxStyleController::StyleChanged(TObject*) { Changed(); }

void TcxStyleController::Changed() {
  if (m_onStyleChanged)
    m_onStyleChanged(this);
  if (m_destruction)
    return;
  for (std::size_t i = 0; i < m_listeners.size(); ++i)
    m_listeners[i]->ControllerChangedNotification(this);
}

void TcxStyleController::AddListener(TcxContainerStyle* AStyle) {
  if (!AStyle || std::find(m_listeners.begin(), m_listeners.end(), AStyle) != m_listeners.end())
    return;
  m_listeners.push_back(AStyle);
  AStyle->GetLookAndFeel()->SetMasterLookAndFeel(GetStyle()->GetLookAndFeel());
}

void TcxStyleController::RemoveListener(TcxContainerStyle* AStyle) {
  const auto found = std::find(m_listeners.begin(), m_listeners.end(), AStyle);
  if (!AStyle || found == m_listeners.end())
    return;
  m_listeners.erase(found);
  AStyle->GetLookAndFeel()->SetMasterLookAndFeel(nullptr);
}

TcxStyleController* TcxStyleController::FakeStyleController() const {
  return m_styles ? GetStyle()->BaseGetStyleController() : nullptr;
}

void TcxStyleController::ChangeFontScale(int M, int D) {
  TcxContainerStyle* style = GetStyle();
  if (style->GetAssignedValues().Contains(csvFont)) {
    if (m_fontScaled)
      return;
    m_fontScaled = true;
    style->GetFont()->SetSize(::MulDiv(style->GetFont()->Size(), M, D));
  } else if (TcxStyleController* next = style->GetActiveStyleController()) {
    next->ChangeFontScale(M, D);
  }
}
