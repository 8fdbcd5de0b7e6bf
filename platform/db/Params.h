// Named parameters of a statement: ":name" in the text, a value given
// before the statement runs, sent as a literal (text quoted and escaped by
// the session; Null and unassigned values as NULL).
//
// Classes in this file: TParam, TParams.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/Variants.h"

class TParam {
public:
  explicit TParam(std::string name) : m_name(std::move(name)) {}

  const std::string& Name() const { return m_name; }
  // Unassigned (Empty) until set.
  const Variant& Value() const { return m_value; }
  void SetValue(const Variant& value) { m_value = value; }
  std::string AsString() const { return VarToStr(m_value); }
  void SetAsString(const std::string& value) { m_value = value; }
  int AsInteger() const;
  void SetAsInteger(int value) { m_value = value; }
  // Null or unassigned.
  bool IsNull() const { return VarIsNull(m_value) || VarIsEmpty(m_value); }
  void Clear() { m_value = Variant(); }

private:
  std::string m_name;
  Variant m_value;
};

class TParams {
public:
  int Count() const { return static_cast<int>(m_items.size()); }
  // Raises EListError for a bad index.
  TParam* Items(int index) const;
  // The parameter of that name, compared without regard to case; nil when none.
  TParam* FindParam(std::string_view name) const;
  // As FindParam; raises EDatabaseError "Parameter '<name>' not found".
  TParam* ParamByName(std::string_view name) const;
  // Adds a parameter of that name unless one exists; answers it.
  TParam* CreateParam(const std::string& name);
  void Clear() { m_items.clear(); }

private:
  std::vector<std::unique_ptr<TParam>> m_items;
};
