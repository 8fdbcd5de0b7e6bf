// What a filter-building user interface needs of the editors: its own list of
// operators (the filter's kinds, an empty operator and the blank tests) with
// their filter kinds and captions, the helpers that let a filter row edit a
// value with a registered kind of editor, the registry of those helpers per
// editor properties class, the check of a value typed into a filter row, and
// the parent window of a filter dialog.
//
// Classes in this file: EcxFilterControlError, TcxCustomFilterEditHelperMeta,
// TcxCustomFilterEditHelper, TcxFilterEditsController.
#pragma once

#include <cstdint>
#include <string>

#include "data/cxDataStorageValueTypes.h"
#include "data/cxFilterOperators.h"
#include "framework/cxClassesRegistries.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Sets.h"
#include "platform/rtl/Variants.h"

class TcxCustomEdit;
class TcxCustomEditProperties;
class TcxInplaceEditList;
struct TCreateParams;

enum class TcxFilterControlOperator : std::uint8_t {
  fcoNone,
  fcoEqual,
  fcoNotEqual,
  fcoLess,
  fcoLessEqual,
  fcoGreater,
  fcoGreaterEqual,
  fcoLike,
  fcoNotLike,
  fcoBlanks,
  fcoNonBlanks,
  fcoBetween,
  fcoNotBetween,
  fcoInList,
  fcoNotInList,
  fcoYesterday,
  fcoToday,
  fcoTomorrow,
  fcoLast7Days,
  fcoLastWeek,
  fcoLast14Days,
  fcoLastTwoWeeks,
  fcoLast30Days,
  fcoLastMonth,
  fcoLastYear,
  fcoInPast,
  fcoThisWeek,
  fcoThisMonth,
  fcoThisYear,
  fcoNext7Days,
  fcoNextWeek,
  fcoNext14Days,
  fcoNextTwoWeeks,
  fcoNext30Days,
  fcoNextMonth,
  fcoNextYear,
  fcoInFuture,
};
using TcxFilterControlOperators = Set<TcxFilterControlOperator>;

class EcxFilterControlError : public Exception {
public:
  using Exception::Exception;
};

// The filter kind of an operator: fcoBlanks and fcoNone give foEqual,
// fcoNonBlanks foNotEqual (a Null value carries the difference).
TcxFilterOperatorKind GetFilterOperatorKind(TcxFilterControlOperator op);
// The operator of a filter kind; with valueIsNull, foEqual gives fcoBlanks and
// foNotEqual fcoNonBlanks.
TcxFilterControlOperator GetFilterControlOperator(TcxFilterOperatorKind kind, bool valueIsNull);
// The caption of an operator through the resource-string repository; empty for
// fcoNone.
std::string GetFilterControlOperatorText(TcxFilterControlOperator op);

[[noreturn]] void FilterControlError(const std::string& message);

class TcxCustomFilterEditHelper;
using TcxCustomFilterEditHelperClass = TClassRef<TcxCustomFilterEditHelper>;

// Checks a value typed into a filter row for the row's value type. An empty
// text for a type that is not a string becomes Null; Null and the patterns of
// fcoLike and fcoNotLike pass unchecked. Otherwise the helper's IsValueValid
// decides (the value may come back converted to the type's variant type); a
// refusal, or an error of the check, raises EcxFilterControlError "Invalid
// value". No value type: nothing is checked. No helper: the base helper checks.
// 'edit' is the editor the value was typed into.
void FilterControlValidateValue(TcxCustomEdit* edit, Variant& value, TcxFilterControlOperator op,
                                TcxValueTypeClass valueTypeClass,
                                TcxCustomFilterEditHelperClass helperClass);

// Makes a filter dialog owned by the active form, unless there is none or
// another form stays on top.
void CorrectDlgParams(TCreateParams& params);

// The class-level operations of the filter-edit helpers, with the base
// answers. A helper is never instantiated.
class TcxCustomFilterEditHelperMeta : public TObject::TMeta {
public:
  using TObject::TMeta::TMeta;

  // Clears the handlers a filter row must not run: OnButtonClick, OnChange,
  // OnEditValueChanged and OnValidate (OnClosePopup stays). Nil: nothing.
  virtual void ClearPropertiesEvents(TcxCustomEditProperties* properties) const;
  // Fits the editor's active properties, copied from 'source', for a filter
  // row.
  virtual void InitializeEdit(TcxCustomEdit* edit, TcxCustomEditProperties* source) const;
  virtual bool IsIDefaultValuesProviderNeeded(TcxCustomEditProperties* properties) const;
  virtual bool EditPropertiesHasButtons() const;
  // The editor class a filter row uses; none in the base.
  virtual TClass GetFilterEditClass() const;
  // The editor's edit value, and its text as the properties show it in place.
  virtual void GetFilterValue(TcxCustomEdit* edit, TcxCustomEditProperties* properties,
                              Variant& value, std::string& displayText) const;
  // The equality, order and blank tests, with 'extended' also between and
  // in-list; like and not like only for a string value type. No date range.
  virtual TcxFilterControlOperators GetSupportedFilterOperators(TcxCustomEditProperties* properties,
                                                                TcxValueTypeClass valueTypeClass,
                                                                bool extended) const;
  // Makes 'target' a copy of 'source' fit for a filter row: aligned left and
  // top, silent, without buttons unless 'hasButtons', writable, validating on
  // Enter, without handlers, and without the source's provider of defaults
  // unless it is needed.
  virtual void InitializeProperties(TcxCustomEditProperties* target,
                                    TcxCustomEditProperties* source, bool hasButtons) const;
  // The value type's own check.
  virtual bool IsValueValid(TcxValueTypeClass valueTypeClass, Variant& value) const;
  // Does nothing in the base.
  virtual void SetFilterValue(TcxCustomEdit* edit, TcxCustomEditProperties* properties,
                              const Variant& value) const;
  virtual bool UseDisplayValue() const;

  // An editor of GetFilterEditClass fitted with InitializeEdit: without a
  // list a new standalone one the caller owns, with a list the list's editor
  // of that kind, which the list owns.
  TcxCustomEdit* GetFilterEdit(TcxCustomEditProperties* source,
                               TcxInplaceEditList* list = nullptr) const;
};

class TcxCustomFilterEditHelper : public TObject {
  OBJECT_CLASS_META(TcxCustomFilterEditHelper, TObject, TcxCustomFilterEditHelperMeta)
public:
  TcxCustomFilterEditHelper() = delete;
};

// Pairs of (editor properties class, helper class). A pair is kept under the
// parent class of its properties class, so a helper serves its properties
// class's siblings and their descendants.
class TcxFilterEditsController : public TcxRegisteredClassList {
public:
  // The parent of a properties class: the key of its pair (none for a root).
  static TClass GetItemClass(TClass propertiesClass);

  // Raises EInvalidOperation for a properties class without a parent.
  void Register(TClass propertiesClass, TClass helperClass) override;
  // Removes the pair; when that empties the list and this is the process-wide
  // controller, it is freed (FilterEditsController then makes a new one).
  void Unregister(TClass propertiesClass, TClass helperClass) override;
  // The helper of the nearest registered ancestor of the key; none when none.
  TcxCustomFilterEditHelperClass FindHelper(TClass propertiesClass) const;
};

// The process-wide controller, made on the first call.
TcxFilterEditsController* FilterEditsController();
