#include "framework/cxClassesNaming.h"

#include <climits>

#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/WinApi.h"

namespace {

using enum TComponentStateItem;

bool IsIdentifierChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The text without the characters that may not appear in an identifier; a
// character of several bytes (in the system code page) goes whole.
std::string IdentifierCharsOf(const std::string& text) {
  std::string result;
  const char* p = text.c_str();
  const char* end = p + text.size();
  while (p < end) {
    const char* next = ::CharNextA(p);
    if (next == p)
      break;
    if (next - p == 1 && IsIdentifierChar(*p))
      result += *p;
    p = next;
  }
  return result;
}

bool StartsWithText(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

std::string UniqueNameBase(TComponent* component, const std::string& classPrefix,
                           const std::string& baseName) {
  std::string base = IdentifierCharsOf(baseName);
  if (!base.empty() && !(base[0] >= '0' && base[0] <= '9'))
    return base;
  const std::string className = component ? component->ClassName() : std::string();
  if (!classPrefix.empty() && StartsWithText(className, classPrefix))
    return className.substr(classPrefix.size()) + base;
  base = className + base;
  if (!base.empty() && base[0] == 'T')
    base.erase(0, 1);
  return base;
}

bool IsNameTakenByOther(TComponent* owner, TComponent* component, const std::string& name) {
  if (!owner)
    return false;
  for (int i = 0; i < owner->ComponentCount(); ++i) {
    TComponent* other = owner->Components(i);
    if (other != component && SameText(other->Name(), name))
      return true;
  }
  return false;
}

} // namespace

std::string GetValidName(TComponent* component, const std::string& name, bool isBaseName) {
  TComponent* owner = component ? component->Owner() : nullptr;
  if (!owner)
    return name;
  int counter = 1;
  std::string candidate = name;
  if (isBaseName)
    candidate = name + std::to_string(counter++);
  while (owner->FindComponent(candidate))
    candidate = name + std::to_string(counter++);
  return candidate;
}

std::string CreateUniqueName(TComponent* owner, TComponent* parent, TComponent* component,
                             const std::string& classPrefix, const std::string& baseName) {
  const std::string prefix = (parent ? parent->Name() : std::string()) +
                             UniqueNameBase(component, classPrefix, baseName);
  int counter = baseName.empty() ? 1 : 0;
  auto candidate = [&] { return counter > 0 ? prefix + std::to_string(counter) : prefix; };
  while (IsNameTakenByOther(owner, component, candidate()) && counter < INT_MAX)
    ++counter;
  return candidate();
}

void RenameComponents(TComponent* caller, TComponent* owner, const std::string& newPrefix,
                      const std::string& oldPrefix, int count,
                      const TcxGetComponentFunc& getComponent) {
  if (!caller || caller->ComponentState().Contains(csAncestor))
    return;
  for (int i = 0; i < count; ++i) {
    TComponent* component = getComponent(caller, i);
    if (!component || component->Owner() != owner)
      continue;
    const std::string& name = component->Name();
    if (name.size() <= oldPrefix.size() || !StartsWithText(name, oldPrefix))
      continue;
    try {
      component->SetName(newPrefix + name.substr(oldPrefix.size()));
    } catch (const EComponentError&) {
      // A duplicate or invalid name: the component keeps its old one.
    }
  }
}

std::string GetSubobjectName(TObject* object, TObject* subobject) {
  if (!object || !subobject)
    return std::string();
  for (const TPropertyInfo* property : GetPropList(object->ClassType()))
    if (property->PropertyClass() == subobject->ClassType())
      return property->Name();
  return std::string();
}
