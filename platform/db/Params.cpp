#include "platform/db/Params.h"

#include "platform/db/DatabaseErrors.h"
#include "platform/rtl/AnsiStrings.h"

int TParam::AsInteger() const { return IsNull() ? 0 : m_value.ToInteger(); }

TParam* TParams::Items(int index) const {
  if (index < 0 || index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return m_items[index].get();
}

TParam* TParams::FindParam(std::string_view name) const {
  for (const auto& param : m_items)
    if (SameText(param->Name(), name))
      return param.get();
  return nullptr;
}

TParam* TParams::ParamByName(std::string_view name) const {
  TParam* param = FindParam(name);
  if (!param)
    DatabaseErrorFmt(SParameterNotFound, {name});
  return param;
}

TParam* TParams::CreateParam(const std::string& name) {
  if (TParam* existing = FindParam(name))
    return existing;
  return m_items.emplace_back(std::make_unique<TParam>(name)).get();
}
