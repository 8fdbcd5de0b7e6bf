#include "platform/objects/PropertyRegistry.h"

#include <algorithm>
#include <map>

#include "platform/rtl/AnsiStrings.h"

namespace {

// What one class itself publishes.
struct TPublishedList {
  std::vector<std::unique_ptr<TPropertyInfo>> properties;
  std::vector<std::unique_ptr<TMethodInfo>> methods;
};

const TPublishedList& OwnPublished(TClass cls) {
  static std::map<TClass, TPublishedList> lists;
  auto found = lists.find(cls);
  if (found != lists.end())
    return found->second;
  TPublishedList list;
  if (TPublishProc publish = cls->PublishProc()) {
    TPublisher publisher(list.properties, list.methods);
    publish(publisher);
  }
  return lists.emplace(cls, std::move(list)).first->second;
}

} // namespace

const TPropertyInfo* GetPropInfo(TClass cls, std::string_view name) {
  for (; cls; cls = cls->ClassParent())
    for (const auto& property : OwnPublished(cls).properties)
      if (SameText(property->Name(), name))
        return property.get();
  return nullptr;
}

std::vector<const TPropertyInfo*> GetPropList(TClass cls) {
  std::vector<TClass> chain;
  for (; cls; cls = cls->ClassParent())
    chain.push_back(cls);
  std::vector<const TPropertyInfo*> result;
  for (auto level = chain.rbegin(); level != chain.rend(); ++level) {
    for (const auto& property : OwnPublished(*level).properties) {
      auto same = std::find_if(result.begin(), result.end(), [&](const TPropertyInfo* known) {
        return SameText(known->Name(), property->Name());
      });
      if (same == result.end())
        result.push_back(property.get());
      else
        *same = property.get();
    }
  }
  return result;
}

const TMethodInfo* GetMethodInfo(TClass cls, std::string_view name) {
  for (; cls; cls = cls->ClassParent())
    for (const auto& method : OwnPublished(cls).methods)
      if (SameText(method->Name(), name))
        return method.get();
  return nullptr;
}

std::string GetMethodName(TObject* root, const void* delegate, const std::type_info& signature) {
  if (!root)
    return {};
  for (TClass cls = root->ClassType(); cls; cls = cls->ClassParent())
    for (const auto& method : OwnPublished(cls).methods)
      if (method->IsBoundIn(root, delegate, signature))
        return method->Name();
  return {};
}
