// Naming helpers for components created or renamed at design time, and
// design-time listings built from the published-property registry.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/objects/Components.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/ScopeGuards.h"
#include "platform/rtl/StringLists.h"

// 'name' when the component has no owner. Otherwise the first of 'name'
// (or, as a base name, name1), name1, name2, ... that no component of the
// owner has yet (compared ignoring ASCII case; the component itself counts).
std::string GetValidName(TComponent* component, const std::string& name, bool isBaseName = false);

// A name for 'component' that no other component of 'owner' has: the
// parent's name (when a parent is given), then the base name reduced to
// ASCII letters, digits and underscores, then a counter (from 1 without a
// base name, else from none). A base that ends up empty or starting with a
// digit is preceded by the class name without 'classPrefix' (or without its
// leading "T" when the prefix does not match).
std::string CreateUniqueName(TComponent* owner, TComponent* parent, TComponent* component,
                             const std::string& classPrefix, const std::string& baseName);

using TcxGetComponentFunc = std::function<TComponent*(TComponent* caller, int index)>;

// Replaces the prefix oldPrefix (compared ignoring ASCII case) of the names
// of the first 'count' components that getComponent answers for 'caller' and
// that 'owner' owns, by newPrefix. Names no longer than the prefix stay; a
// rename the component refuses (a duplicate or invalid name) is skipped.
// Nothing happens when the caller comes from an ancestor form.
void RenameComponents(TComponent* caller, TComponent* owner, const std::string& newPrefix,
                      const std::string& oldPrefix, int count,
                      const TcxGetComponentFunc& getComponent);

// The name of the first published property of the object's class whose
// declared class is exactly the subobject's class; empty when none.
std::string GetSubobjectName(TObject* object, TObject* subobject);

using TcxGetCaptionForIntegerItemFunc = std::function<std::string(int value)>;

// Adds, within one update, the caption of every value of the enumeration
// (in order) with the value as its object, skipping empty captions. The
// list is not cleared first. The enumeration's values are those named by
// its ENUM_NAMES.
template <class E>
void FillStringsWithEnumTypeValues(TStrings& strings, const TcxGetCaptionForIntegerItemFunc& getCaption) {
  const int count = static_cast<int>(std::size(TEnumNames<E>::Names));
  const TUpdateScope update(strings);
  for (int value = 0; value < count; ++value) {
    const std::string caption = getCaption(value);
    if (!caption.empty())
      strings.AddObject(caption, reinterpret_cast<TObject*>(static_cast<std::intptr_t>(value)));
  }
}
