// The look of a container in each of its states, and the components that
// share one set of such looks among many containers.
//
// A style holds ten values (border colour and style, colour, edges, font, hot
// tracking, shadow, text colour and style, transparent border) and its own
// look-and-feel. A value the style does not set itself comes from the style
// controller's style for the same state, then from the style's default; the
// focused, disabled and hot styles default to the normal style and keep the
// values only a normal style holds (edges, font, hot tracking, shadow,
// transparent border) in it.
//
// Classes in this file: IcxContainerStyleHost, TcxContainerStyle,
// TcxContainerStyles, TcxStyleController.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "framework/cxGraphicsCanvas.h"
#include "framework/cxLookAndFeels.h"
#include "platform/controls/Controls.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/objects/Components.h"
#include "platform/objects/Persistent.h"

enum class TcxContainerBorderStyle {
  cbsNone,
  cbsSingle,
  cbsThick,
  cbsFlat,
  cbs3D,
  cbsUltraFlat,
  cbsOffice11
};
ENUM_NAMES(TcxContainerBorderStyle, "cbsNone", "cbsSingle", "cbsThick", "cbsFlat", "cbs3D",
           "cbsUltraFlat", "cbsOffice11");

enum class TcxContainerStateItem { csNormal, csActive, csDisabled, csHotTrack };
ENUM_NAMES(TcxContainerStateItem, "csNormal", "csActive", "csDisabled", "csHotTrack");
using TcxContainerState = Set<TcxContainerStateItem>;

// A style value by number, 0 to 31; descendants number theirs from 10 on.
enum class TcxContainerStyleValue : int {};
using TcxContainerStyleValues = Set<TcxContainerStyleValue>;

constexpr TcxContainerStyleValue csvBorderColor{0};
constexpr TcxContainerStyleValue csvBorderStyle{1};
constexpr TcxContainerStyleValue csvColor{2};
constexpr TcxContainerStyleValue csvEdges{3};
constexpr TcxContainerStyleValue csvFont{4};
constexpr TcxContainerStyleValue csvHotTrack{5};
constexpr TcxContainerStyleValue csvShadow{6};
constexpr TcxContainerStyleValue csvTextColor{7};
constexpr TcxContainerStyleValue csvTextStyle{8};
constexpr TcxContainerStyleValue csvTransparentBorder{9};

// The names of the ten values, in their order.
extern const std::array<std::string, 10> cxContainerStyleValueNameA;

class TcxContainerStyle;
class TcxStyleController;

// What a style asks of the control that owns it; the container answers.
class IcxContainerStyleHost {
public:
  // The owning control: its ParentColor, ParentFont and parent.
  virtual TControl* GetHostControl() = 0;
  virtual bool DefaultParentColor() = 0;
  virtual bool IsInplace() = 0;
  // Whether a form definition stores the style property; 'extended' for
  // the focused, disabled and hot styles.
  virtual bool IsStylePropertyPublished(const std::string& APropertyName, bool AExtended) = 0;

protected:
  ~IcxContainerStyleHost() = default;
};

// In a direct-access style the font is a reference to a font someone else
// owns; otherwise it is the normal style's own font object.
struct TcxContainerStyleData {
  TColor Color = clNone;
  TFont* Font = nullptr;
  TColor FontColor = clNone;
};

using TcxContainerStyleMeta = TClassOf<TcxContainerStyle, TPersistent::TMeta, TPersistent*, bool,
                                       TcxContainerStyle*, TcxContainerStateItem>;
using TcxContainerStyleClass = TClassRef<TcxContainerStyle>;

class TcxContainerStyle : public TPersistent {
  OBJECT_CLASS_META(TcxContainerStyle, TPersistent, TcxContainerStyleMeta)
public:
  static void Publish(TPublisher& p);

  // A style of state csNormal is always a normal (base) style; the others
  // take 'AParentStyle' as theirs.
  TcxContainerStyle(TPersistent* AOwner, bool ADirectAccess, TcxContainerStyle* AParentStyle,
                    TcxContainerStateItem AState);
  ~TcxContainerStyle() override;
  // Attaches the normal style to the default controller.
  void AfterConstruction() override;

  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler& Filer) override;
  TPersistent* GetOwner() override { return m_owner; }

  void BeginUpdate();
  void EndUpdate();
  void RestoreDefaults();

  // ---- values as a form definition and a container see them
  TColor GetBorderColor() const;
  void SetBorderColor(TColor Value);
  TcxContainerBorderStyle GetBorderStyle() const;
  void SetBorderStyle(TcxContainerBorderStyle Value);
  virtual TColor GetColor() const;
  void SetColor(TColor Value);
  TcxBorders GetEdges() const;
  void SetEdges(TcxBorders Value);
  TFont* GetFont() const;
  void SetFont(TFont* Value);
  bool GetHotTrack() const;
  void SetHotTrack(bool Value);
  bool GetShadow() const;
  void SetShadow(bool Value);
  virtual TColor GetTextColor() const;
  void SetTextColor(TColor Value);
  virtual TFontStyles GetTextStyle() const;
  void SetTextStyle(TFontStyles Value);
  bool GetTransparentBorder() const;
  void SetTransparentBorder(bool Value);
  TcxLookAndFeel* GetLookAndFeel() const;
  void SetLookAndFeel(TcxLookAndFeel* Value);
  TcxContainerStyleValues GetAssignedValues() const;
  void SetAssignedValues(TcxContainerStyleValues Value);
  // Takes the value out of the assigned values without announcing it (the
  // container does so for values it only mirrors from its parent).
  void ForgetAssignedValue(TcxContainerStyleValue AValue) { m_assignedValues.Exclude(AValue); }
  // The colour a container copies into its own Color.
  virtual TColor GetStyleColor() const;
  // The font with the style's text colour and text style.
  TFont* GetVisibleFont();
  virtual bool HasBorder() const;

  // ---- the controller; the default one is never shown
  TcxStyleController* BaseGetStyleController() const;
  void BaseSetStyleController(TcxStyleController* Value);
  // The normal style's controller, the default one included.
  TcxStyleController* GetActiveStyleController() const;
  virtual void ControllerChangedNotification(TcxStyleController* AStyleController);
  virtual void ControllerFreeNotification(TcxStyleController* AStyleController);

  // ---- values by number and name
  virtual int GetStyleValueCount() const;
  virtual bool GetStyleValueName(TcxContainerStyleValue AStyleValue, std::string& AName) const;
  bool GetStyleValue(const std::string& APropertyName, TcxContainerStyleValue& AStyleValue) const;
  // Whether the style sets the value itself or its controller chain does.
  virtual bool IsValueAssigned(TcxContainerStyleValue AValue) const;
  bool IsExtendedStylePropertyPublished(const std::string& APropertyName) const;

  // ---- own value, else the controller chain's; false when neither sets it
  bool InternalGetBorderColor(TColor& Color) const;
  bool InternalGetBorderStyle(TcxContainerBorderStyle& BorderStyle) const;
  bool InternalGetColor(TColor& Color) const;
  bool InternalGetEdges(TcxBorders& Edges) const;
  bool InternalGetFont(TFont*& Font) const;
  bool InternalGetHotTrack(bool& HotTrack) const;
  bool InternalGetShadow(bool& Shadow) const;
  bool InternalGetTextColor(TColor& TextColor) const;
  bool InternalGetTextStyle(TFontStyles& TextStyle) const;
  bool InternalGetTransparentBorder(bool& TransparentBorder) const;

  // ---- the font of the normal style
  // While locked, a change of the font object does not mark Font assigned.
  void LockFontAssignedValue(bool ALock);
  bool IsFontAssignedValueLocked() const { return m_fontAssignedLockCount > 0; }
  // Takes the controller chain's font, or the default font, unless the
  // style sets its own.
  void UpdateFont();

  // ---- identity
  TcxContainerStyle* GetBaseStyle() { return IsBaseStyle() ? this : m_parentStyle; }
  bool IsBaseStyle() const { return m_parentStyle == nullptr; }
  bool IsDestroying() const { return m_destroying; }
  bool DirectAccessMode() const { return m_directAccessMode; }
  TcxContainerStateItem State() const { return m_state; }
  TcxContainerStyle* ParentStyle() const { return m_parentStyle; }
  TPersistent* Owner() const { return m_owner; }
  // The owner when it is a container, else none.
  IcxContainerStyleHost* GetContainer() const;
  // In direct-access mode: where Color, the font and the text colour live.
  TcxContainerStyleData& StyleData() { return m_styleData; }

  const TNotifyEvent& OnChanged() const { return m_onChanged; }
  void SetOnChanged(const TNotifyEvent& Value) { m_onChanged = Value; }

  // ---- storing rules
  bool IsBorderColorStored() const { return IsValueStored(csvBorderColor); }
  bool IsBorderStyleStored() const { return IsValueStored(csvBorderStyle); }
  bool IsColorStored() const { return IsValueStored(csvColor); }
  bool IsEdgesStored() const { return IsValueStored(csvEdges); }
  bool IsFontStored() const { return IsValueStored(csvFont); }
  bool IsHotTrackStored() const { return IsValueStored(csvHotTrack); }
  bool IsShadowStored() const { return IsValueStored(csvShadow); }
  bool IsTextColorStored() const { return IsValueStored(csvTextColor); }
  bool IsTextStyleStored() const { return IsValueStored(csvTextStyle); }
  bool IsTransparentBorderStored() const { return IsValueStored(csvTransparentBorder); }
  bool IsStyleControllerStored() const { return m_state == TcxContainerStateItem::csNormal; }

protected:
  virtual void Changed();
  virtual TColor DefaultBorderColor() const;
  virtual TcxContainerBorderStyle DefaultBorderStyle() const;
  virtual TColor DefaultColor() const;
  virtual TcxBorders DefaultEdges() const;
  virtual bool DefaultHotTrack() const;
  virtual bool DefaultShadow() const;
  virtual TColor DefaultTextColor() const;
  virtual TFontStyles DefaultTextStyle() const;
  virtual bool DefaultTransparentBorder() const;
  virtual void FontChanged(TObject* Sender);
  virtual TcxStyleController* GetDefaultStyleController() const;
  // The values the focused, disabled and hot styles never store.
  virtual TcxContainerStyleValues InternalGetNotPublishedExtendedStyleValues() const;

  bool IsOwnValue(TcxContainerStyleValue AValue) const { return m_assignedValues.Contains(AValue); }
  // Marks the value as the style's own and announces the change.
  void MarkAssigned(TcxContainerStyleValue AValue);
  // The controller chain's style for this style's state, none without one.
  TcxContainerStyle* ControllerStyle() const;

private:
  bool IsValueStored(TcxContainerStyleValue AValue) const;
  void CheckChanges();
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  void CreateFont();
  static void RestoreFont(TFont* AFont);
  bool WouldMakeCycle(TcxStyleController* AStyleController) const;
  void AssignFont(TcxContainerStyle* ASource);

  TColor m_borderColor = clWindowFrame;
  TcxContainerBorderStyle m_borderStyle = TcxContainerBorderStyle::cbsNone;
  TcxBorders m_edges;
  bool m_hotTrack = false;
  bool m_shadow = false;
  bool m_transparentBorder = false;
  bool m_directAccessMode = false;
  int m_fontAssignedLockCount = 0;
  bool m_destroying = false;
  TOwned<TcxLookAndFeel> m_lookAndFeel;
  bool m_modified = false;
  TPersistent* m_owner = nullptr;
  TcxContainerStyle* m_parentStyle = nullptr;
  TcxContainerStateItem m_state = TcxContainerStateItem::csNormal;
  TFontStyles m_textStyle;
  int m_updateCount = 0;
  TOwned<TFont> m_visibleFont;
  TNotifyEvent m_onChanged;
  TcxContainerStyleValues m_assignedValues;
  TcxStyleController* m_styleController = nullptr;
  TcxContainerStyleData m_styleData;
  TOwned<TFont> m_ownFont;
};

class TcxContainerStyles;
using TcxContainerStylesMeta =
    TClassOf<TcxContainerStyles, TObject::TMeta, TPersistent*, TcxContainerStyleClass>;
using TcxContainerStylesClass = TClassRef<TcxContainerStyles>;

// The normal, focused, disabled and hot styles of one owner.
class TcxContainerStyles : public TObject {
  OBJECT_CLASS_META(TcxContainerStyles, TObject, TcxContainerStylesMeta)
public:
  TcxContainerStyles(TPersistent* AOwner, TcxContainerStyleClass AStyleClass);
  ~TcxContainerStyles() override;

  TcxContainerStyle* GetStyle(TcxContainerStateItem AState) const;
  // Copies 'Value' into the held style.
  void SetStyle(TcxContainerStateItem AState, TcxContainerStyle* Value);
  TcxContainerStyle* GetStyleNormal() const { return GetStyle(TcxContainerStateItem::csNormal); }
  void SetStyleNormal(TcxContainerStyle* Value) {
    SetStyle(TcxContainerStateItem::csNormal, Value);
  }
  TcxContainerStyle* GetStyleFocused() const { return GetStyle(TcxContainerStateItem::csActive); }
  void SetStyleFocused(TcxContainerStyle* Value) {
    SetStyle(TcxContainerStateItem::csActive, Value);
  }
  TcxContainerStyle* GetStyleDisabled() const {
    return GetStyle(TcxContainerStateItem::csDisabled);
  }
  void SetStyleDisabled(TcxContainerStyle* Value) {
    SetStyle(TcxContainerStateItem::csDisabled, Value);
  }
  TcxContainerStyle* GetStyleHot() const { return GetStyle(TcxContainerStateItem::csHotTrack); }
  void SetStyleHot(TcxContainerStyle* Value) { SetStyle(TcxContainerStateItem::csHotTrack, Value); }
  // One handler for all four styles.
  void SetOnChanged(const TNotifyEvent& Value);
  void RestoreDefaults();

private:
  std::array<TOwned<TcxContainerStyle>, 4> m_styles;
};

// A component whose four state styles any number of container styles take
// their unset values from.
class TcxStyleController : public TComponent {
  OBJECT_CLASS(TcxStyleController, TComponent)
public:
  static void Publish(TPublisher& p);

  explicit TcxStyleController(TComponent* AOwner);
  ~TcxStyleController() override;
  // Makes the styles (the style class is virtual).
  void AfterConstruction() override;
  void Loaded() override;

  TcxContainerStyle* GetStyle() const { return m_styles->GetStyleNormal(); }
  void SetStyle(TcxContainerStyle* Value) { m_styles->SetStyleNormal(Value); }
  TcxContainerStyle* GetInternalStyle(TcxContainerStateItem AState) const {
    return m_styles->GetStyle(AState);
  }
  void SetInternalStyle(TcxContainerStateItem AState, TcxContainerStyle* Value) {
    m_styles->SetStyle(AState, Value);
  }
  TcxContainerStyles* Styles() const { return m_styles.get(); }
  void RestoreStyles() { m_styles->RestoreDefaults(); }

  // Tells OnStyleChanged, then every attached style, first to last.
  void Changed();
  bool IsDestruction() const { return m_destruction; }
  // Scales the font at most once in the controller's life, or passes the
  // call on along the controller chain when this one does not set the font.
  void ChangeFontScale(int M, int D);

  virtual void AddListener(TcxContainerStyle* AStyle);
  virtual void RemoveListener(TcxContainerStyle* AStyle);
  const std::vector<TcxContainerStyle*>& Listeners() const { return m_listeners; }

  // The controller this one inherits from; none for the default one.
  TcxStyleController* FakeStyleController() const;
  void SetFakeStyleController(TcxStyleController*) {}

  const TNotifyEvent& OnStyleChanged() const { return m_onStyleChanged; }
  void SetOnStyleChanged(const TNotifyEvent& Value) { m_onStyleChanged = Value; }

protected:
  virtual TcxContainerStyleClass GetStyleClass() const;
  virtual TcxContainerStylesClass GetStylesClass() const;
  void StyleChanged(TObject* Sender);

private:
  bool m_destruction = false;
  bool m_fontScaled = false;
  std::vector<TcxContainerStyle*> m_listeners;
  TNotifyEvent m_onStyleChanged;
  TOwned<TcxContainerStyles> m_styles;
};

// Set by the editors' start-up; none before.
extern TcxStyleController* cxContainerDefaultStyleController;
TcxStyleController* DefaultContainerStyleController();
// Equality of the two texts; without case through the user's locale.
bool InternalCompareString(const std::string& S1, const std::string& S2, bool ACaseSensitive);
