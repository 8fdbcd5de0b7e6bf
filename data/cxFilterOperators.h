// Filter operators: the object each condition of a filter owns, which decides
// whether a data value satisfies the condition and knows how the condition
// reads as filter text for a data source and as a caption for people.
//
// This file holds the operator kinds, the operator base class and the
// comparison, LIKE, BETWEEN, IN and blank operators; the date-range operators
// are in cxFilterDateRanges.h. Operators are made through their class
// reference, with the condition they belong to.
//
// Classes in this file: TcxFilterOperator, TcxFilterEqualOperator,
// TcxFilterNotEqualOperator, TcxFilterLessOperator,
// TcxFilterLessEqualOperator, TcxFilterGreaterOperator,
// TcxFilterGreaterEqualOperator, TcxFilterLikeOperator,
// TcxFilterNotLikeOperator, TcxFilterBetweenOperator,
// TcxFilterNotBetweenOperator, TcxFilterInListOperator,
// TcxFilterNotInListOperator, TcxFilterNullOperator,
// TcxFilterNotNullOperator.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/cxFilterConsts.h"
#include "data/cxLike.h"
#include "platform/objects/Objects.h"
#include "platform/rtl/Sets.h"
#include "platform/rtl/Variants.h"

class TcxFilterCriteria;
class TcxFilterCriteriaItem;

enum class TcxFilterOperatorKind : std::uint8_t {
  foEqual,
  foNotEqual,
  foLess,
  foLessEqual,
  foGreater,
  foGreaterEqual,
  foLike,
  foNotLike,
  foBetween,
  foNotBetween,
  foInList,
  foNotInList,
  foYesterday,
  foToday,
  foTomorrow,
  foLast7Days,
  foLastWeek,
  foLast14Days,
  foLastTwoWeeks,
  foLast30Days,
  foLastMonth,
  foLastYear,
  foInPast,
  foThisWeek,
  foThisMonth,
  foThisYear,
  foNext7Days,
  foNextWeek,
  foNext14Days,
  foNextTwoWeeks,
  foNext30Days,
  foNextMonth,
  foNextYear,
  foInFuture,
};
using TcxFilterOperatorKinds = Set<TcxFilterOperatorKind>;

// The highest operator kind; a stored kind above it is invalid.
constexpr int cxFilterOperatorKindHigh = static_cast<int>(TcxFilterOperatorKind::foInFuture);

class TcxFilterOperator;
using TcxFilterOperatorMeta = TClassOf<TcxFilterOperator, TObject::TMeta, TcxFilterCriteriaItem*>;
using TcxFilterOperatorClass = TClassRef<TcxFilterOperator>;

class TcxFilterOperator : public TObject {
  OBJECT_CLASS_META(TcxFilterOperator, TObject, TcxFilterOperatorMeta)
public:
  explicit TcxFilterOperator(TcxFilterCriteriaItem* criteriaItem) : m_criteriaItem(criteriaItem) {}

  TcxFilterCriteriaItem* CriteriaItem() const { return m_criteriaItem; }
  // The criteria of the condition.
  TcxFilterCriteria* Criteria() const;

  // The filter text of the whole condition, for operators whose condition is
  // not a plain "field operator value" (IsExpression); the base gives the
  // value's literal.
  virtual std::string GetExpressionFilterText(const Variant& value) const;
  // The value as a literal of filter text: NULL, a quoted string or date, the
  // criteria's Boolean text, or the value's text; then the criteria's
  // FormatFilterTextValue may rewrite it.
  virtual std::string GetExpressionValue(const Variant& value) const;
  // Rewrites the condition's display value for its caption.
  virtual void PrepareDisplayValue(std::string& text) const;
  // Brings state that depends on the moment up to date (date ranges).
  virtual void Prepare() {}
  // A literal of its own for the value; false to use the default literal.
  virtual bool PrepareExpressionValue(const Variant& value, std::string& text) const;
  // Whether the prepared data value satisfies the prepared condition value.
  virtual bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const = 0;
  // The caption of the operator.
  virtual std::string DisplayText() const { return FilterText(); }
  // The operator's symbol in filter text.
  virtual std::string FilterText() const = 0;
  // Whether captions always show the operator's caption rather than its symbol.
  virtual bool IsDescription() const { return false; }
  // Whether the filter text comes from GetExpressionFilterText.
  virtual bool IsExpression() const { return false; }
  // Whether the operator tests for a blank value.
  virtual bool IsNullOperator() const { return false; }

protected:
  // The condition's field name for expressions.
  std::string FieldName() const;
  // The condition's value.
  const Variant& ConditionValue() const;

private:
  TcxFilterCriteriaItem* m_criteriaItem = nullptr;
};

class TcxFilterEqualOperator : public TcxFilterOperator {
  OBJECT_CLASS(TcxFilterEqualOperator, TcxFilterOperator)
public:
  using TcxFilterOperator::TcxFilterOperator;

  // With an array value: the fields named in the field name, separated by
  // ";", each compared with the element of its position, joined by AND.
  std::string GetExpressionFilterText(const Variant& value) const override;
  bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const override;
  std::string DisplayText() const override;
  std::string FilterText() const override { return "="; }
  // True when the condition's value is an array.
  bool IsExpression() const override;
};

class TcxFilterNotEqualOperator : public TcxFilterEqualOperator {
  OBJECT_CLASS(TcxFilterNotEqualOperator, TcxFilterEqualOperator)
public:
  using TcxFilterEqualOperator::TcxFilterEqualOperator;

  std::string GetExpressionFilterText(const Variant& value) const override;
  bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const override;
  std::string DisplayText() const override;
  std::string FilterText() const override { return "<>"; }
};

class TcxFilterLessOperator : public TcxFilterOperator {
  OBJECT_CLASS(TcxFilterLessOperator, TcxFilterOperator)
public:
  using TcxFilterOperator::TcxFilterOperator;

  bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const override;
  std::string DisplayText() const override;
  std::string FilterText() const override { return "<"; }
};

class TcxFilterLessEqualOperator : public TcxFilterOperator {
  OBJECT_CLASS(TcxFilterLessEqualOperator, TcxFilterOperator)
public:
  using TcxFilterOperator::TcxFilterOperator;

  bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const override;
  std::string DisplayText() const override;
  std::string FilterText() const override { return "<="; }
};

class TcxFilterGreaterOperator : public TcxFilterOperator {
  OBJECT_CLASS(TcxFilterGreaterOperator, TcxFilterOperator)
public:
  using TcxFilterOperator::TcxFilterOperator;

  bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const override;
  std::string DisplayText() const override;
  std::string FilterText() const override { return ">"; }
};

class TcxFilterGreaterEqualOperator : public TcxFilterOperator {
  OBJECT_CLASS(TcxFilterGreaterEqualOperator, TcxFilterOperator)
public:
  using TcxFilterOperator::TcxFilterOperator;

  bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const override;
  std::string DisplayText() const override;
  std::string FilterText() const override { return ">="; }
};

class TcxFilterLikeOperator : public TcxFilterOperator {
  OBJECT_CLASS(TcxFilterLikeOperator, TcxFilterOperator)
public:
  using TcxFilterOperator::TcxFilterOperator;

  // With operator descriptions shown, the pattern without its outer wildcards.
  void PrepareDisplayValue(std::string& text) const override;
  // The text of the data value against the text of the pattern, with the
  // criteria's wildcards.
  bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const override;
  // "begins with", "ends with", "contains" or "like", by the pattern.
  std::string DisplayText() const override;
  std::string FilterText() const override { return "LIKE"; }

protected:
  // The kind of pattern the condition's value is.
  cxLike::TcxFilterLikeOperator PatternKind() const;
};

class TcxFilterNotLikeOperator : public TcxFilterLikeOperator {
  OBJECT_CLASS(TcxFilterNotLikeOperator, TcxFilterLikeOperator)
public:
  using TcxFilterLikeOperator::TcxFilterLikeOperator;

  // " NOT (field LIKE literal)".
  std::string GetExpressionFilterText(const Variant& value) const override;
  bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const override;
  std::string DisplayText() const override;
  std::string FilterText() const override { return "NOT LIKE"; }
  // The criteria's NotLikeAsExpression.
  bool IsExpression() const override;
};

// The condition's value is an array [low, high]; both ends are inside.
class TcxFilterBetweenOperator : public TcxFilterOperator {
  OBJECT_CLASS(TcxFilterBetweenOperator, TcxFilterOperator)
public:
  using TcxFilterOperator::TcxFilterOperator;

  // "(field >= low) AND (field <= high)".
  std::string GetExpressionFilterText(const Variant& value) const override;
  // "low;high" shown as "low and high".
  void PrepareDisplayValue(std::string& text) const override;
  // "low AND high" for an array.
  bool PrepareExpressionValue(const Variant& value, std::string& text) const override;
  bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const override;
  std::string DisplayText() const override;
  std::string FilterText() const override { return "BETWEEN"; }
  bool IsDescription() const override { return true; }
  // The criteria's BetweenAsExpression.
  bool IsExpression() const override;
};

class TcxFilterNotBetweenOperator : public TcxFilterBetweenOperator {
  OBJECT_CLASS(TcxFilterNotBetweenOperator, TcxFilterBetweenOperator)
public:
  using TcxFilterBetweenOperator::TcxFilterBetweenOperator;

  std::string GetExpressionFilterText(const Variant& value) const override;
  bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const override;
  std::string DisplayText() const override;
  std::string FilterText() const override { return "NOT BETWEEN"; }
};

// The condition's value is an array of the accepted values.
class TcxFilterInListOperator : public TcxFilterOperator {
  OBJECT_CLASS(TcxFilterInListOperator, TcxFilterOperator)
public:
  using TcxFilterOperator::TcxFilterOperator;

  // "(field = a) OR (field = b) ...".
  std::string GetExpressionFilterText(const Variant& value) const override;
  // "a;b;c" shown as "(a, b, c)".
  void PrepareDisplayValue(std::string& text) const override;
  // "(a, b, c)" for an array.
  bool PrepareExpressionValue(const Variant& value, std::string& text) const override;
  bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const override;
  std::string DisplayText() const override;
  std::string FilterText() const override { return "IN"; }
  bool IsDescription() const override { return true; }
  // The criteria's InListAsExpression.
  bool IsExpression() const override;
};

class TcxFilterNotInListOperator : public TcxFilterInListOperator {
  OBJECT_CLASS(TcxFilterNotInListOperator, TcxFilterInListOperator)
public:
  using TcxFilterInListOperator::TcxFilterInListOperator;

  std::string GetExpressionFilterText(const Variant& value) const override;
  bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const override;
  std::string DisplayText() const override;
  std::string FilterText() const override { return "NOT IN"; }
};

// "is blank": stands in for equality with a blank value.
class TcxFilterNullOperator : public TcxFilterEqualOperator {
  OBJECT_CLASS(TcxFilterNullOperator, TcxFilterEqualOperator)
public:
  using TcxFilterEqualOperator::TcxFilterEqualOperator;

  // Empty when operator descriptions are shown (the caption says it all).
  void PrepareDisplayValue(std::string& text) const override;
  // The criteria's blank test of the data value.
  bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const override;
  std::string DisplayText() const override;
  bool IsNullOperator() const override { return true; }
};

// "is not blank": stands in for inequality with a blank value.
class TcxFilterNotNullOperator : public TcxFilterNullOperator {
  OBJECT_CLASS(TcxFilterNotNullOperator, TcxFilterNullOperator)
public:
  using TcxFilterNullOperator::TcxFilterNullOperator;

  bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const override;
  std::string DisplayText() const override;
  std::string FilterText() const override { return "<>"; }
};

// The operator classes: one per kind in kind order (0-33), then the "is
// blank" (34) and "is not blank" (35) operators.
constexpr int cxFilterNullOperatorIndex = 34;
constexpr int cxFilterNotNullOperatorIndex = 35;
TcxFilterOperatorClass cxFilterOperatorClass(int index);
inline TcxFilterOperatorClass cxFilterOperatorClass(TcxFilterOperatorKind kind) {
  return cxFilterOperatorClass(static_cast<int>(kind));
}

// From the 1-based 'position' of 'text', the characters up to the next ";"
// (or the end) without leading and trailing blanks and control characters;
// moves 'position' past the ";".
std::string ExtractFilterDisplayValue(std::string_view text, int& position);
// "low and high", a Null end shown as "blank".
std::string VarBetweenArrayToStr(const Variant& array);
// "(a, b, c)", a Null element shown as "blank".
std::string VarListArrayToStr(const Variant& array);
