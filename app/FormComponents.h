// Typed references to the components a form definition made: a form class
// looks its components up by name once its definition is read.
#pragma once

#include <string>
#include <string_view>

#include "platform/objects/Components.h"

// The component 'name' of 'form', of class T; raises EComponentError when
// the definition made none, EInvalidCast when it is of another class.
template <class T>
T* FormComponent(const TComponent* form, std::string_view name) {
  TComponent* component = form->FindComponent(name);
  if (!component)
    throw EComponentError(form->ClassName() + " has no component " + std::string(name));
  return As<T>(component);
}
