// The looks of an editor in its states: container styles with four values
// of the editor's buttons and popup (button style per state; button
// transparency, popup border style and gradient buttons kept by the normal
// style), the editor style controller, the process's default one, and the
// component through which a form edits that default.
//
// Classes in this file: TcxCustomEditStyle, TcxEditStyle,
// TcxEditStyleController, TcxDefaultEditStyleController.
#pragma once

#include "editors/cxEditTypes.h"
#include "framework/cxContainerStyles.h"

class TcxEditStyleController;

constexpr TcxContainerStyleValue svButtonStyle{10};
constexpr TcxContainerStyleValue svButtonTransparency{11};
constexpr TcxContainerStyleValue svPopupBorderStyle{12};
constexpr TcxContainerStyleValue svGradientButtons{13};

class TcxCustomEditStyle : public TcxContainerStyle {
  OBJECT_CLASS(TcxCustomEditStyle, TcxContainerStyle)
public:
  TcxCustomEditStyle(TPersistent* AOwner, bool ADirectAccess, TcxContainerStyle* AParentStyle,
                     TcxContainerStateItem AState)
      : TcxContainerStyle(AOwner, ADirectAccess, AParentStyle, AState) {}

  // From another editor style: the button values too, announced once.
  void Assign(TPersistent* Source) override;
  // Colour, font and text colour of the view parameters, all marked set.
  void Init(const TcxViewParams& AParams);

  TcxEditButtonStyle GetButtonStyle() const;
  void SetButtonStyle(TcxEditButtonStyle Value);
  TcxEditButtonTransparency GetButtonTransparency() const;
  void SetButtonTransparency(TcxEditButtonTransparency Value);
  bool GetGradientButtons() const;
  void SetGradientButtons(bool Value);
  TcxEditPopupBorderStyle GetPopupBorderStyle() const;
  void SetPopupBorderStyle(TcxEditPopupBorderStyle Value);
  bool GetPopupCloseButton() const;
  void SetPopupCloseButton(bool Value);

  int GetStyleValueCount() const override { return 14; }
  bool GetStyleValueName(TcxContainerStyleValue AStyleValue, std::string& AName) const override;
  bool IsValueAssigned(TcxContainerStyleValue AValue) const override;

  bool IsButtonStyleStored() const { return IsEditValueStored(svButtonStyle); }
  bool IsButtonTransparencyStored() const { return IsEditValueStored(svButtonTransparency); }
  bool IsGradientButtonsStored() const { return IsEditValueStored(svGradientButtons); }
  bool IsPopupBorderStyleStored() const { return IsEditValueStored(svPopupBorderStyle); }

protected:
  virtual TcxEditButtonStyle DefaultButtonStyle() const;
  virtual TcxEditButtonTransparency DefaultButtonTransparency() const;
  virtual bool DefaultGradientButtons() const;
  virtual TcxEditPopupBorderStyle DefaultPopupBorderStyle() const;
  // None in direct-access mode and for an in-place editor's style; else the
  // default editor style controller.
  TcxStyleController* GetDefaultStyleController() const override;
  TcxContainerStyleValues InternalGetNotPublishedExtendedStyleValues() const override;

private:
  const TcxCustomEditStyle* Base() const;
  TcxCustomEditStyle* Base();
  // The value set here, else the one of the controller's style of the same
  // state; false when neither sets it.
  template <class T>
  bool Resolve(T TcxCustomEditStyle::*AField, TcxContainerStyleValue AValue, T& Result) const;
  template <class T>
  T Read(T TcxCustomEditStyle::*AField, TcxContainerStyleValue AValue, T ADefault) const;
  template <class T>
  void Write(T TcxCustomEditStyle::*AField, TcxContainerStyleValue AValue, T Value);
  bool IsEditValueStored(TcxContainerStyleValue AValue) const;

  TcxEditButtonStyle m_buttonStyle = TcxEditButtonStyle::btsDefault;
  TcxEditButtonTransparency m_buttonTransparency = TcxEditButtonTransparency::ebtNone;
  bool m_gradientButtons = false;
  TcxEditPopupBorderStyle m_popupBorderStyle = TcxEditPopupBorderStyle::epbsDefault;
  bool m_popupCloseButton = true;
};

// An editor style as form definitions store it.
class TcxEditStyle : public TcxCustomEditStyle {
  OBJECT_CLASS(TcxEditStyle, TcxCustomEditStyle)
public:
  static void Publish(TPublisher& p);
  using TcxCustomEditStyle::TcxCustomEditStyle;

  TcxEditBorderStyle GetEditBorderStyle() const;
  void SetEditBorderStyle(TcxEditBorderStyle Value);
};

class TcxEditStyleController : public TcxStyleController {
  OBJECT_CLASS(TcxEditStyleController, TcxStyleController)
public:
  static void Publish(TPublisher& p);
  using TcxStyleController::TcxStyleController;

  TcxEditStyle* GetEditStyle(TcxContainerStateItem AState) const;
  void SetEditStyle(TcxContainerStateItem AState, TcxEditStyle* Value);

protected:
  TcxContainerStyleClass GetStyleClass() const override;
};

// The editor style controller of the process (made at the editors'
// start-up); also the default controller of plain containers.
TcxEditStyleController* DefaultEditStyleController();
void CreateDefaultEditStyleController();
void FreeDefaultEditStyleController();

// Edits the default editor style controller from a form; when the last one
// goes, the default styles come back and OnStyleChanged is cleared.
class TcxDefaultEditStyleController : public TComponent {
  OBJECT_CLASS(TcxDefaultEditStyleController, TComponent)
public:
  static void Publish(TPublisher& p);
  explicit TcxDefaultEditStyleController(TComponent* AOwner);
  ~TcxDefaultEditStyleController() override;

  void RestoreStyles();
  TcxEditStyle* GetInternalStyle(TcxContainerStateItem AState) const;
  void SetInternalStyle(TcxContainerStateItem AState, TcxEditStyle* Value);
  const TNotifyEvent& OnStyleChanged() const;
  void SetOnStyleChanged(const TNotifyEvent& Value);

  // The number of live instances.
  static int InstanceCount();
};
