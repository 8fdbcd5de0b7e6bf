// Small services shared by the data layer and the editors: date and week
// routines that follow the user's regional settings, the default display
// pattern of currency values, a case-insensitive whole-or-prefix text test,
// and the abstract data binding from which the editors' bindings derive.
// The collection whose Assign keeps the existing items is the library's
// TcxCollection (framework/cxClasses.h), included here.
//
// Days of the week count 0 = Sunday ... 6 = Saturday here (DayOfWeek of the
// run-time counts 1 = Sunday ... 7 = Saturday).
//
// Classes in this file: TcxCustomDataBinding.
#pragma once

#include <string>

#include "framework/cxClasses.h"
#include "platform/objects/Components.h"
#include "platform/objects/Events.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Variants.h"

class TBasicAction;

// Which of an editor's values a stored value stands for.
enum class TcxDataEditValueSource { evsValue, evsText, evsKey };

// A number-format pattern for currency values from the regional settings:
// ",0." and one "0" per currency decimal, with the currency symbol (its ','
// and '.' quoted) placed by the currency format (0 symbol first, 1 symbol
// last, 2 and 3 the same with a blank between).
std::string DefaultCurrencyDisplayFormat();
// The symbol with the characters the number-format language would read as
// separators put in quotes.
std::string QuotedCurrencySymbol(const std::string& symbol);
std::string DefaultCurrencyDisplayFormat(const TFormatSettings& settings);
// The date truncated toward zero to whole days.
TDateTime DateOf(TDateTime value);
// The fractional part of the date.
TDateTime TimeOf(TDateTime value);
// The first day of the week of the thread's locale; Monday when the locale
// cannot tell.
int GetStartOfWeek();
// The first day (time 0) of the week that holds the date.
TDateTime GetStartDateOfWeek(TDateTime value);
// Equal ignoring case (locale-aware), or with 'partial', text2 starts text1.
// An empty text2 matches only an empty text1.
bool DataCompareText(const std::string& text1, const std::string& text2, bool partial);

using TcxDataBindingNotifyEvent = TDelegate<void()>;

class TcxCustomDataBinding;
using TcxCustomDataBindingMeta =
    TClassOf<TcxCustomDataBinding, TPersistent::TMeta, TComponent*, TComponent*>;
using TcxCustomDataBindingClass = TClassRef<TcxCustomDataBinding>;

// The binding between a data-aware component and the data it shows; the
// base binds to nothing: it holds no data and is live and modifiable
// unless read-only.
class TcxCustomDataBinding : public TPersistent {
  OBJECT_CLASS_META(TcxCustomDataBinding, TPersistent, TcxCustomDataBindingMeta)
public:
  TcxCustomDataBinding(TComponent* owner, TComponent* dataComponent)
      : m_dataComponent(dataComponent), m_owner(owner) {}

  TPersistent* GetOwner() override { return m_owner; }

  // Fire the matching event when it is assigned.
  virtual void DataChange();
  virtual void DataSetChange();
  virtual bool GetModified() { return false; }
  virtual bool GetReadOnly() { return m_readOnly; }
  virtual void SetReadOnly(bool value) { m_readOnly = value; }
  virtual void UpdateData();
  virtual void VisualControlChanged() {}
  virtual bool CanModify() { return !GetReadOnly(); }
  virtual bool ExecuteAction(TBasicAction*) { return false; }
  virtual Variant GetStoredValue(TcxDataEditValueSource, bool) { return Null(); }
  virtual bool IsDataSourceLive() { return true; }
  virtual bool IsDataStorage() { return false; }
  virtual void Reset() {}
  // Answers whether the data may be edited now.
  virtual bool SetEditMode() { return CanModify(); }
  virtual void SetStoredValue(TcxDataEditValueSource, const Variant&) {}
  virtual bool UpdateAction(TBasicAction*) { return false; }
  virtual void UpdateDataSource() {}

  TComponent* DataComponent() const { return m_dataComponent; }
  TComponent* Owner() const { return m_owner; }
  bool ReadOnly() { return GetReadOnly(); }
  TComponent* VisualControl() const { return m_visualControl; }
  // Calls VisualControlChanged when the control differs.
  void SetVisualControl(TComponent* value);

  const TcxDataBindingNotifyEvent& OnDataChange() const { return m_onDataChange; }
  void SetOnDataChange(const TcxDataBindingNotifyEvent& handler) { m_onDataChange = handler; }
  const TcxDataBindingNotifyEvent& OnDataSetChange() const { return m_onDataSetChange; }
  void SetOnDataSetChange(const TcxDataBindingNotifyEvent& handler) { m_onDataSetChange = handler; }
  const TcxDataBindingNotifyEvent& OnUpdateData() const { return m_onUpdateData; }
  void SetOnUpdateData(const TcxDataBindingNotifyEvent& handler) { m_onUpdateData = handler; }

private:
  TComponent* m_dataComponent = nullptr;
  TComponent* m_owner = nullptr;
  bool m_readOnly = false;
  TComponent* m_visualControl = nullptr;
  TcxDataBindingNotifyEvent m_onDataChange;
  TcxDataBindingNotifyEvent m_onDataSetChange;
  TcxDataBindingNotifyEvent m_onUpdateData;
};
