// The settings and events of a text editor: letter case, password echo,
// maximum length, lookup items with incremental search, display and edit
// formats with value bounds for numeric descendants, and the conversion of an
// edit value into the text shown. TcxTextEditPropertiesValues records which
// format and bound values were set explicitly; TcxTextEditProperties
// publishes the settings for form definitions.
//
// Classes in this file: TcxTextEditPropertiesValues,
// TcxCustomTextEditPropertiesMeta, TcxCustomTextEditProperties,
// TcxTextEditProperties.
#pragma once

#include <bitset>
#include <cstdint>
#include <string>

#include "editors/cxEditProperties.h"
#include "editors/cxFormats.h"
#include "editors/cxTextEditInner.h"
#include "editors/cxTextEditLookup.h"
#include "platform/rtl/UnitStartup.h"
#include "platform/stdctrls/StdCtrls.h"

ENUM_NAMES(TcxEditEchoMode, "eemNormal", "eemPassword");

enum class TcxTextEditViewStyle : std::uint8_t {
  vsNormal,
  vsHideCursor,
  vsButtonsOnly,
  vsButtonsAutoWidth
};

enum class TcxEditValueBound : std::uint8_t { evbMin, evbMax };

// Characters a text editor accepts besides its own rule.
using TcxTextEditChars = std::bitset<256>;

using TcxNewLookupDisplayTextEvent = TDelegate<void(TObject* Sender, const std::string& AText)>;

using TcxCustomTextEditLookupDataClass = TClassRef<TcxCustomTextEditLookupData>;

// The kind of validation failure whose text is "Value out of bounds".
constexpr TcxEditErrorKind ekValueOutOfBounds = 1;

class TcxCustomTextEditProperties;

class TcxTextEditPropertiesValues : public TcxCustomEditPropertiesValues {
  OBJECT_CLASS(TcxTextEditPropertiesValues, TcxCustomEditPropertiesValues)
public:
  static void Publish(TPublisher& p);

  using TcxCustomEditPropertiesValues::TcxCustomEditPropertiesValues;

  void Assign(TPersistent* Source) override;
  void RestoreDefaults() override;

  bool DisplayFormat() const { return m_displayFormat; }
  void SetDisplayFormat(bool Value) { SetFlag(m_displayFormat, Value); }
  bool EditFormat() const { return m_editFormat; }
  void SetEditFormat(bool Value) { SetFlag(m_editFormat, Value); }
  bool MaxLength() const { return m_maxLength; }
  void SetMaxLength(bool Value);
  bool MaxValue() const { return m_maxValue; }
  void SetMaxValue(bool Value) { SetFlag(m_maxValue, Value); }
  bool MinValue() const { return m_minValue; }
  void SetMinValue(bool Value) { SetFlag(m_minValue, Value); }

private:
  friend class TcxCustomTextEditProperties;

  void SetFlag(bool& flag, bool Value);
  TcxCustomTextEditProperties* TextProperties() const;
  bool IsDisplayFormatStored() const;
  bool IsEditFormatStored() const;
  bool IsMaxValueStored() const;
  bool IsMinValueStored() const;

  bool m_displayFormat = false;
  bool m_editFormat = false;
  bool m_maxLength = false;
  bool m_maxValue = false;
  bool m_minValue = false;
};

class TcxCustomTextEditPropertiesMeta : public TcxCustomEditPropertiesMeta {
public:
  using TcxCustomEditPropertiesMeta::TcxCustomEditPropertiesMeta;
  TcxCustomEditPropertiesValuesClass GetAssignedValuesClass() const override;
  // TcxTextEdit and the text editor's view classes.
  TClass GetContainerClass() const override;
  TcxCustomEditViewInfoClass GetViewInfoClass() const override;
  TcxCustomEditViewDataClass GetViewDataClass() const override;
};

class TcxCustomTextEditProperties : public TcxCustomEditProperties,
                                    public IcxFormatControllerListener {
  OBJECT_CLASS_META(TcxCustomTextEditProperties, TcxCustomEditProperties,
                    TcxCustomTextEditPropertiesMeta)
public:
  // Listens to the format controller until destroyed.
  explicit TcxCustomTextEditProperties(TPersistent* AOwner);
  ~TcxCustomTextEditProperties() override;

  void Assign(TPersistent* Source) override;
  void BaseSetAlignment(TcxEditAlignment* Value) override;

  bool CanValidate() override { return true; }
  bool HasDisplayValue() override { return true; }
  bool CanCompareEditValue() override { return true; }
  TcxEditDisplayFormatOptions GetDisplayFormatOptions() override {
    return {TcxEditDisplayFormatOption::dfoSupports};
  }
  TcxDataEditValueSource GetEditValueSource(bool) override {
    return TcxDataEditValueSource::evsText;
  }
  TcxEditSupportedOperations GetSupportedOperations() override;
  bool IsResetEditClass() override;
  // The texts of both values, compared case-sensitively by the locale.
  bool CompareDisplayValues(const Variant& AEditValue1, const Variant& AEditValue2) override;
  // The edit value's text as shown: masked, or in the letter case asked for.
  std::string GetDisplayText(const Variant& AEditValue, bool AFullText = false,
                             bool AIsInplace = true) override;
  // Null and values other than strings are valid; a string when
  // IsDisplayValueValid accepts it.
  bool IsEditValueValid(Variant& EditValue, bool AEditFocused) override;
  void PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue,
                           bool AEditFocused) override;
  std::string GetValidateErrorText(TcxEditErrorKind AErrorKind) override;

  // IcxFormatControllerListener: the regional settings changed.
  void FormatChanged() override;

  virtual std::string DefaultFocusedDisplayValue() { return {}; }
  // Whether a lookup item equals the text, ignoring case.
  virtual bool FindLookupText(const std::string& AText);
  virtual std::string GetDefaultDisplayFormat() { return {}; }
  virtual int GetDefaultMaxLength();
  virtual int GetDropDownPageRowCount() { return 8; }
  // esNoEdit with HideCursor, else esEdit.
  virtual TcxEditEditingStyle GetEditingStyle();
  virtual TcxCustomTextEditLookupDataClass GetLookupDataClass();
  virtual bool HasDigitGrouping(bool) { return false; }
  // The edit format as the rules of assigned values and defaults give it;
  // AIsCurrency tells whether the value is edited as currency.
  virtual std::string InternalGetEditFormat(bool& AIsCurrency, bool& AIsOnGetTextAssigned);
  virtual bool IsEditValueNumeric() { return false; }
  virtual bool IsLookupDataVisual() { return false; }
  virtual bool IsMultiLine() { return false; }
  virtual bool IsPopupKey(WORD, TShiftState) { return false; }
  virtual bool IsValueBoundDefined(TcxEditValueBound ABound);
  virtual bool IsValueBoundsDefined();
  virtual void LookupDataChanged(TObject*) { Changed(); }
  virtual void MaxLengthChanged() { Changed(); }
  virtual void SetCharCase(TEditCharCase Value);
  bool UseLookupData() { return static_cast<bool>(GetLookupDataClass()); }
  // The text shown for a display value: masked in password mode, else in
  // the letter case asked for.
  virtual void DisplayValueToDisplayText(std::string& ADisplayValue);
  // A text in a list style must be a lookup item; a valid text takes the
  // letter case asked for.
  virtual bool IsDisplayValueValid(Variant& DisplayValue, bool AEditFocused);

  bool CanIncrementalSearch();
  Variant GetDefaultDisplayValue(const Variant& AEditValue, bool AEditFocused);
  std::string GetEditFormat();
  int GetInnerEditMaxLength() { return MaxLength(); }
  void SetMinMaxValues(double AMaxValue, double AMinValue);
  TcxTextEditViewStyle GetViewStyle();
  void SetViewStyle(TcxTextEditViewStyle Value);

  TcxEditEchoMode EchoMode() const { return m_echoMode; }
  void SetEchoMode(TcxEditEchoMode Value) { SetAndAnnounce(m_echoMode, Value); }
  TEditCharCase CharCase() const { return m_charCase; }
  std::string DisplayFormat();
  void SetDisplayFormat(const std::string& Value);
  std::string EditFormat() const { return m_editFormat; }
  void SetEditFormat(const std::string& Value);
  bool FixedListSelection() const { return m_fixedListSelection; }
  void SetFixedListSelection(bool Value);
  bool FormatChangeInProgress() const { return m_formatChangeInProgress; }
  bool HideCursor() const { return m_hideCursor; }
  void SetHideCursor(bool Value) { SetAndAnnounce(m_hideCursor, Value); }
  bool HideSelection() const { return m_hideSelection; }
  void SetHideSelection(bool Value) { SetAndAnnounce(m_hideSelection, Value); }
  TImeMode ImeMode() const { return m_imeMode; }
  void SetImeMode(TImeMode Value) { SetAndAnnounce(m_imeMode, Value); }
  TImeName ImeName() const { return m_imeName; }
  void SetImeName(const TImeName& Value) { SetAndAnnounce(m_imeName, Value); }
  bool UpdateTextImmediately() const { return m_updateTextImmediately; }
  void SetUpdateTextImmediately(bool Value) { m_updateTextImmediately = Value; }
  bool IncrementalSearch() const { return m_incrementalSearch; }
  void SetIncrementalSearch(bool Value) { SetAndAnnounce(m_incrementalSearch, Value); }
  TStringList* LookupItems() const { return m_lookupItems.get(); }
  void SetLookupItems(TStrings* Value) { m_lookupItems->Assign(*Value); }
  bool LookupItemsSorted() const { return m_lookupItems->Sorted(); }
  void SetLookupItemsSorted(bool Value) { m_lookupItems->SetSorted(Value); }
  int MaxLength();
  void SetMaxLength(int Value);
  double MaxValue();
  void SetMaxValue(double Value);
  double MinValue();
  void SetMinValue(double Value);
  bool MRUMode() const { return m_mruMode; }
  void SetMRUMode(bool Value) { SetAndAnnounce(m_mruMode, Value); }
  bool OEMConvert() const { return m_oemConvert; }
  void SetOEMConvert(bool Value) { SetAndAnnounce(m_oemConvert, Value); }
  char PasswordChar() const { return m_passwordChar; }
  void SetPasswordChar(char Value) { SetAndAnnounce(m_passwordChar, Value); }
  bool UseDisplayFormatWhenEditing() const { return m_useDisplayFormatWhenEditing; }
  void SetUseDisplayFormatWhenEditing(bool Value) {
    SetAndAnnounce(m_useDisplayFormatWhenEditing, Value);
  }
  const TcxTextEditChars& AcceptedChars() const { return m_acceptedChars; }
  void SetAcceptedChars(const TcxTextEditChars& Value) { m_acceptedChars = Value; }
  TcxTextEditPropertiesValues* AssignedValues() const;
  void SetAssignedValues(TcxTextEditPropertiesValues* Value) { AssignedValues()->Assign(Value); }

  bool IsDisplayFormatStored() const { return AssignedValues()->DisplayFormat(); }
  bool IsEditFormatStored() const { return AssignedValues()->EditFormat(); }
  bool IsMaxLengthStored() const { return AssignedValues()->MaxLength(); }
  bool IsMaxValueStored() const { return AssignedValues()->MaxValue(); }
  bool IsMinValueStored() const { return AssignedValues()->MinValue(); }

  const TcxNewLookupDisplayTextEvent& OnNewLookupDisplayText() const {
    return m_onNewLookupDisplayText;
  }
  void SetOnNewLookupDisplayText(const TcxNewLookupDisplayTextEvent& Value) {
    m_onNewLookupDisplayText = Value;
  }

  // Text case as CharCase asks, by the Turkish rules.
  std::string CheckCharsRegister(const std::string& AText) const;

protected:
  void DefineProperties(TFiler& Filer) override;
  void AlignmentChangedHandler(TObject* Sender) override;
  void LookupItemsChanged(TStrings*) { Changed(); }

private:
  template <class T, class V> void SetAndAnnounce(T& field, const V& Value) {
    if (field == Value)
      return;
    field = Value;
    Changed();
  }
  void AssignFormatsAndBounds(TcxCustomTextEditProperties* source);
  // The text of a number: Null and the empty text give the empty text; while
  // focused in the edit format (currency in fixed notation), else in the
  // display format. A value neither number nor text raises EConvertError.
  std::string NumericDisplayText(const Variant& AEditValue, bool AEditFocused);

  TEditCharCase m_charCase = TEditCharCase::ecNormal;
  std::string m_displayFormat;
  TcxEditEchoMode m_echoMode = TcxEditEchoMode::eemNormal;
  std::string m_editFormat;
  bool m_fixedListSelection = true;
  bool m_formatChangeInProgress = false;
  bool m_hideCursor = false;
  bool m_hideSelection = true;
  TImeMode m_imeMode = TImeMode::imDontCare;
  TImeName m_imeName;
  bool m_updateTextImmediately = false;
  bool m_incrementalSearch = true;
  std::unique_ptr<TStringList> m_lookupItems;
  int m_maxLength = 0;
  double m_maxValue = 0;
  double m_minValue = 0;
  bool m_mruMode = false;
  bool m_oemConvert = false;
  char m_passwordChar = '\0';
  bool m_useDisplayFormatWhenEditing = false;
  TcxTextEditChars m_acceptedChars;
  TcxNewLookupDisplayTextEvent m_onNewLookupDisplayText;
};

class TcxTextEditProperties : public TcxCustomTextEditProperties {
  OBJECT_CLASS(TcxTextEditProperties, TcxCustomTextEditProperties)
public:
  static void Publish(TPublisher& p);
  using TcxCustomTextEditProperties::TcxCustomTextEditProperties;
};

// Registers the text editor kind with the registry of editor kinds; shut-down
// removes it.
extern const TUnitInfo cxTextEditPropertiesUnit;
