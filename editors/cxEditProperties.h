// The settings and events of an editor, kept apart from the editor so that
// a repository item can share one set among many editors: the properties
// base with its assigned-values record and alignment, the interface that
// supplies defaults for values not set explicitly, and the sorted registry
// of editor kinds.
//
// Classes in this file: TcxEditAlignment, TcxCustomEditPropertiesValues,
// IcxEditDefaultValuesProvider, TcxCustomEditProperties.
#pragma once

#include <string>
#include <vector>

#include "data/cxDataUtils.h"
#include "editors/cxEditButtons.h"
#include "editors/cxEditViewData.h"
#include "framework/cxContainerStyles.h"
#include "framework/cxClasses.h"
#include "platform/controls/Menus.h"
#include "platform/objects/Alignment.h"
#include "platform/rtl/Sets.h"
#include "platform/rtl/Variants.h"

class TcxCustomEditProperties;

enum class TcxEditVertAlignment { taTopJustify, taBottomJustify, taVCenter };
ENUM_NAMES(TcxEditVertAlignment, "taTopJustify", "taBottomJustify", "taVCenter");

enum class TcxEditButtonsViewStyle { bvsNormal, bvsButtonsOnly, bvsButtonsAutoWidth };
ENUM_NAMES(TcxEditButtonsViewStyle, "bvsNormal", "bvsButtonsOnly", "bvsButtonsAutoWidth");

enum class TcxEditCloseUpReason { crUnknown, crTab, crClose, crCancel, crEnter };

enum class TcxEditSupportedOperation {
  esoAlwaysHotTrack,
  esoAutoHeight,
  esoEditing,
  esoFiltering,
  esoHorzAlignment,
  esoHotTrack,
  esoIncSearch,
  esoShowingCaption,
  esoSorting,
  esoSortingByDisplayText,
  esoTransparency,
};
using TcxEditSupportedOperations = Set<TcxEditSupportedOperation>;

enum class TcxEditSpecialFeature { esfMinSize, esfNoContentPart };
using TcxEditSpecialFeatures = Set<TcxEditSpecialFeature>;

enum class TcxEditDisplayFormatOption { dfoSupports, dfoNoCurrencyValue };
using TcxEditDisplayFormatOptions = Set<TcxEditDisplayFormatOption>;

enum class TcxBlobKind { bkNone, bkBlob, bkGraphic, bkMemo, bkOle };

// Which validation failed; every kind has the same message in the base.
using TcxEditErrorKind = int;
constexpr TcxEditErrorKind ekDefault = 0;

constexpr TAlignment cxEditDefaultHorzAlignment = TAlignment::taLeftJustify;
constexpr TcxEditVertAlignment cxEditDefaultVertAlignment = TcxEditVertAlignment::taTopJustify;

using TcxEditButtonClickEvent = TDelegate<void(TObject* Sender, int AButtonIndex)>;
using TcxEditClosePopupEvent = TDelegate<void(TObject* Sender, TcxEditCloseUpReason AReason)>;
using TcxEditValidateEvent =
    TDelegate<void(TObject* Sender, Variant& DisplayValue, std::string& ErrorText, bool& Error)>;

// The horizontal and vertical alignment of an editor's content. Horz
// remembers whether it was set; an unset Horz is filled from a default each
// time the properties are asked.
class TcxEditAlignment;
using TcxEditAlignmentMeta = TClassOf<TcxEditAlignment, TPersistent::TMeta, TPersistent*>;

class TcxEditAlignment : public TPersistent {
  OBJECT_CLASS_META(TcxEditAlignment, TPersistent, TcxEditAlignmentMeta)
public:
  static void Publish(TPublisher& p);

  explicit TcxEditAlignment(TPersistent* AOwner) : m_owner(AOwner) {}

  // Copies both values and the assigned flag, then announces.
  void Assign(TPersistent* Source) override;
  TPersistent* GetOwner() override { return m_owner; }

  TAlignment Horz() const { return m_horz; }
  void SetHorz(TAlignment Value);
  bool IsHorzAssigned() const { return m_isHorzAssigned; }
  TcxEditVertAlignment Vert() const { return m_vert; }
  void SetVert(TcxEditVertAlignment Value);
  // Forgets an explicit Horz.
  void Reset();
  // Shows a default Horz without marking it set and without announcing.
  void ShowDefaultHorz(TAlignment Value) { m_horz = Value; }

  bool IsHorzStored() const { return m_isHorzAssigned; }
  bool IsVertStored() const { return m_vert != cxEditDefaultVertAlignment; }

  const TNotifyEvent& OnChanged() const { return m_onChanged; }
  void SetOnChanged(const TNotifyEvent& Value) { m_onChanged = Value; }

private:
  void DoChanged();

  TPersistent* m_owner;
  TAlignment m_horz = cxEditDefaultHorzAlignment;
  bool m_isHorzAssigned = false;
  TcxEditVertAlignment m_vert = cxEditDefaultVertAlignment;
  TNotifyEvent m_onChanged;
};

// Which values of the properties were set explicitly, so that defaults of
// the editor's data do not override them.
class TcxCustomEditPropertiesValues;
using TcxCustomEditPropertiesValuesMeta =
    TClassOf<TcxCustomEditPropertiesValues, TPersistent::TMeta, TPersistent*>;
using TcxCustomEditPropertiesValuesClass = TClassRef<TcxCustomEditPropertiesValues>;

class TcxCustomEditPropertiesValues : public TPersistent {
  OBJECT_CLASS_META(TcxCustomEditPropertiesValues, TPersistent, TcxCustomEditPropertiesValuesMeta)
public:
  static void Publish(TPublisher& p);

  explicit TcxCustomEditPropertiesValues(TPersistent* AOwner) : m_owner(AOwner) {}

  void Assign(TPersistent* Source) override;
  TPersistent* GetOwner() override { return m_owner; }
  virtual void RestoreDefaults();

  void BeginUpdate();
  void EndUpdate();
  TcxCustomEditProperties* GetProperties() const;
  // Whether the properties publish a property of that name.
  bool IsPropertiesPropertyVisible(const std::string& APropertyName) const;

  bool ReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool Value);

private:
  friend class TcxCustomEditProperties;

  TPersistent* m_owner;
  bool m_readOnly = false;
};

// Defaults that an editor's data supplies for values the properties leave
// unset (a field's alignment, its read-only state, its formats).
class IcxEditDefaultValuesProvider : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{AE727882-6FDF-4E3A-AB35-E58AB28EFE7B}");

  virtual bool CanSetEditMode() = 0;
  virtual void ClearUsers() = 0;
  virtual TAlignment DefaultAlignment() = 0;
  virtual TcxBlobKind DefaultBlobKind() = 0;
  virtual bool DefaultCanModify() = 0;
  virtual std::string DefaultDisplayFormat() = 0;
  virtual std::string DefaultEditFormat() = 0;
  virtual std::string DefaultEditMask() = 0;
  virtual bool DefaultIsFloatValue() = 0;
  virtual int DefaultMaxLength() = 0;
  virtual double DefaultMaxValue() = 0;
  virtual double DefaultMinValue() = 0;
  virtual int DefaultPrecision() = 0;
  virtual bool DefaultReadOnly() = 0;
  virtual bool DefaultRequired() = 0;
  virtual TObject* GetInstance() = 0;
  virtual bool IsDataStorage() = 0;
  virtual bool IsBlob() = 0;
  virtual bool IsCurrency() = 0;
  virtual bool IsDataAvailable() = 0;
  virtual bool IsDisplayFormatDefined(bool AIsCurrencyValueAccepted) = 0;
  virtual bool IsOnGetTextAssigned() = 0;
  virtual bool IsOnSetTextAssigned() = 0;
  virtual bool IsValidChar(char AChar) = 0;

protected:
  ~IcxEditDefaultValuesProvider() = default;
};

// The class-level answers of a properties class.
class TcxCustomEditPropertiesMeta : public TcxInterfacedPersistentMeta {
public:
  using TcxInterfacedPersistentMeta::TcxInterfacedPersistentMeta;
  virtual TcxCustomEditPropertiesValuesClass GetAssignedValuesClass() const;
  // The editor class these properties belong to (a TcxCustomEdit class).
  virtual TClass GetContainerClass() const;
  virtual TcxContainerStyleClass GetStyleClass() const;
  virtual TcxCustomEditViewInfoClass GetViewInfoClass() const;
  virtual TcxCustomEditViewDataClass GetViewDataClass() const;
};
using TcxCustomEditPropertiesClass = TClassRef<TcxCustomEditProperties>;

class TcxCustomEditProperties : public TcxInterfacedPersistent {
  OBJECT_CLASS_META(TcxCustomEditProperties, TcxInterfacedPersistent, TcxCustomEditPropertiesMeta)
public:
  explicit TcxCustomEditProperties(TPersistent* AOwner);
  ~TcxCustomEditProperties() override;
  // Makes the parts whose class or value the actual class decides.
  void AfterConstruction() override;

  // Copies the settings and handlers (not OnClosePopup) of other properties.
  void Assign(TPersistent* Source) override;

  // Change announcement.
  void BeginUpdate();
  void EndUpdate(bool AInvokeChanged = true);
  // Holds changes back without counting; a change meanwhile is only recorded.
  void LockUpdate(bool ALock) { m_changedLocked = ALock; }
  bool ChangedLocked() const { return m_changedLocked || m_updateCount > 0; }
  virtual void Changed();
  // Whether a change was announced while changes were held back.
  bool ChangedOccurred() const { return m_changedOccurred; }

  // The alignment as the editor shows it: a Horz not set is the default of
  // the editor's data. Changes made through it are kept.
  TcxEditAlignment* BaseGetAlignment();
  virtual void BaseSetAlignment(TcxEditAlignment* Value);
  bool IsAlignmentStored() const;

  bool CanModify();
  bool GetReadOnly();
  bool ReadOnly() { return GetReadOnly(); }
  void SetReadOnly(bool Value);
  bool IsReadOnlyStored() const { return m_assignedValues->ReadOnly(); }

  IcxEditDefaultValuesProvider* IDefaultValuesProvider() const { return m_defaultValuesProvider; }
  void SetIDefaultValuesProvider(IcxEditDefaultValuesProvider* Value);
  void DefaultValuesChanged(TObject* Sender);
  // Told that the provider is gone: forgets it without announcing.
  virtual void DefaultValuesProviderDestroyed();
  virtual void RestoreDefaults();

  // A view data of the class-level view data class for these properties.
  virtual TcxCustomEditViewData* CreateViewData(TcxCustomEditStyle* AStyle, bool AIsInplace);
  TSize GetEditSize(TcxCanvas* ACanvas, TcxCustomEditStyle* AStyle, bool AIsInplace,
                    const Variant& AEditValue, const TcxEditSizeProperties& AEditSizeProperties,
                    TcxCustomEditViewInfo* AViewInfo = nullptr);
  // Lets the OnValidate handlers of the editor judge the display value; an
  // empty error text becomes the default one.
  virtual void ValidateDisplayValue(Variant& DisplayValue, std::string& ErrorText, bool& Error,
                                    TObject* AEdit);

  // A new properties object of the same class, without owner.
  TcxCustomEditProperties* CreatePreviewProperties() const;
  virtual bool CompareDisplayValues(const Variant& AEditValue1, const Variant& AEditValue2);

  // Answers of the editor kind.
  virtual bool CanCompareEditValue() { return false; }
  virtual bool CanValidate() { return false; }
  virtual bool HasDisplayValue() { return false; }
  virtual bool InnerEditNeedsTabs() { return false; }
  virtual bool IsResetEditClass() { return false; }
  virtual bool IsActivationKey(char) { return false; }
  virtual bool IsEditValueConversionDependOnFocused() { return true; }
  virtual bool DefaultUseLeftAlignmentOnEditing() { return true; }
  virtual bool IsEditValueValid(Variant& /*EditValue*/, bool /*AEditFocused*/) { return true; }
  virtual TcxEditSpecialFeatures GetSpecialFeatures() { return {}; }
  virtual TcxEditDisplayFormatOptions GetDisplayFormatOptions() { return {}; }
  virtual TcxDataEditValueSource GetEditValueSource(bool /*AEditFocused*/) {
    return TcxDataEditValueSource::evsValue;
  }
  virtual TcxEditSupportedOperations GetSupportedOperations();
  virtual std::string GetDisplayText(const Variant& /*AEditValue*/, bool /*AFullText*/ = false,
                                     bool /*AIsInplace*/ = true) {
    return {};
  }
  virtual void PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue,
                                   bool AEditFocused);
  virtual std::string GetValidateErrorText(TcxEditErrorKind AErrorKind);
  virtual TAlignment GetDefaultHorzAlignment();
  virtual TcxDataEditValueSource GetValueEditorEditValueSource(bool AEditFocused);
  bool IsValueEditorWithValueFormatting();
  virtual void DataChanged() {}
  virtual void Update(TcxCustomEditProperties* /*AProperties*/) {}

  TPersistent* Owner() const { return TcxInterfacedPersistent::Owner(); }

  bool AutoSelect() const { return m_autoSelect; }
  void SetAutoSelect(bool Value);
  bool BeepOnError() const { return m_beepOnError; }
  void SetBeepOnError(bool Value) { m_beepOnError = Value; }
  TcxEditButtons* Buttons() const { return m_buttons.get(); }
  void SetButtons(TcxEditButtons* Value) { m_buttons->Assign(Value); }
  TcxEditButtonsViewStyle ButtonsViewStyle() const { return m_buttonsViewStyle; }
  void SetButtonsViewStyle(TcxEditButtonsViewStyle Value);
  TShortCut ClearKey() const { return m_clearKey; }
  void SetClearKey(TShortCut Value) { m_clearKey = Value; }
  TShortCut ClickShortCut() const { return m_clickShortCut; }
  void SetClickShortCut(TShortCut Value) { m_clickShortCut = Value; }
  bool PostImmediately() const { return m_postImmediately; }
  void SetPostImmediately(bool Value) { m_postImmediately = Value; }
  bool Transparent() const { return m_transparent; }
  void SetTransparent(bool Value);
  bool UseLeftAlignmentOnEditing() const { return m_useLeftAlignmentOnEditing; }
  void SetUseLeftAlignmentOnEditing(bool Value);
  bool IsUseLeftAlignmentOnEditingStored();
  bool MouseWheelEnabled() const { return m_mouseWheelEnabled; }
  void SetMouseWheelEnabled(bool Value) { m_mouseWheelEnabled = Value; }
  bool ValidateOnEnter() const { return m_validateOnEnter; }
  void SetValidateOnEnter(bool Value) { m_validateOnEnter = Value; }
  TcxCustomEditPropertiesValues* AssignedValues() const { return m_assignedValues.get(); }
  void SetAssignedValues(TcxCustomEditPropertiesValues* Value) { m_assignedValues->Assign(Value); }

  const TcxEditButtonClickEvent& OnButtonClick() const { return m_onButtonClick; }
  void SetOnButtonClick(const TcxEditButtonClickEvent& Value) { m_onButtonClick = Value; }
  const TNotifyEvent& OnChange() const { return m_onChange; }
  void SetOnChange(const TNotifyEvent& Value) { m_onChange = Value; }
  const TcxEditClosePopupEvent& OnClosePopup() const { return m_onClosePopup; }
  void SetOnClosePopup(const TcxEditClosePopupEvent& Value) { m_onClosePopup = Value; }
  const TNotifyEvent& OnEditValueChanged() const { return m_onEditValueChanged; }
  void SetOnEditValueChanged(const TNotifyEvent& Value) { m_onEditValueChanged = Value; }
  const TcxEditValidateEvent& OnValidate() const { return m_onValidate; }
  void SetOnValidate(const TcxEditValidateEvent& Value) { m_onValidate = Value; }
  // Set by the owning editor or repository item; called by Changed.
  const TNotifyEvent& OnPropertiesChanged() const { return m_onPropertiesChanged; }
  void SetOnPropertiesChanged(const TNotifyEvent& Value) { m_onPropertiesChanged = Value; }

protected:
  virtual void AlignmentChangedHandler(TObject* Sender);
  virtual void ButtonsChanged(TObject* Sender);
  // Told by the free notificator that a watched component goes away.
  virtual void FreeNotification(TComponent* /*Sender*/) {}
  TcxFreeNotificator* FreeNotificator() const { return m_freeNotificator.get(); }

private:
  bool m_autoSelect = true;
  bool m_beepOnError = false;
  TOwned<TcxEditButtons> m_buttons;
  TcxEditButtonsViewStyle m_buttonsViewStyle = TcxEditButtonsViewStyle::bvsNormal;
  bool m_changedOccurred = false;
  TShortCut m_clearKey = 0;
  TShortCut m_clickShortCut = scCtrl + VK_RETURN;
  TOwned<TcxFreeNotificator> m_freeNotificator;
  bool m_postImmediately = false;
  TOwned<TcxEditAlignment> m_storedAlignment;
  bool m_readOnly = false;
  bool m_transparent = false;
  int m_updateCount = 0;
  bool m_useLeftAlignmentOnEditing = true;
  bool m_mouseWheelEnabled = true;
  bool m_validateOnEnter = false;
  TcxEditButtonClickEvent m_onButtonClick;
  TNotifyEvent m_onChange;
  TcxEditClosePopupEvent m_onClosePopup;
  TNotifyEvent m_onEditValueChanged;
  TcxEditValidateEvent m_onValidate;
  TNotifyEvent m_onPropertiesChanged;
  TOwned<TcxEditAlignment> m_alignmentView;
  TOwned<TcxCustomEditPropertiesValues> m_assignedValues;
  bool m_changedLocked = false;
  IcxEditDefaultValuesProvider* m_defaultValuesProvider = nullptr;
};

// Every properties object alive, in order of making (the providers of
// defaults use it to let go of the properties they supply).
const std::vector<TcxCustomEditProperties*>& GetEditPropertiesList();

// The first component among the persistent owners of 'APersistent' (itself
// included); nil when none.
TComponent* GetOwnerComponent(TPersistent* APersistent);

// The editor kinds, sorted by their descriptions; made on first use.
TcxRegisteredClasses& GetRegisteredEditProperties();
// Frees the registry (at the editors' shut-down).
void FreeRegisteredEditProperties();
