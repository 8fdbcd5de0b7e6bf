#include "platform/objects/Objects.h"

#include <algorithm>
#include <vector>

#include "platform/objects/Interfaces.h"
#include "platform/rtl/AnsiStrings.h"

TMetaClass::TMetaClass(const char* name, TClass parent, const std::type_info& type,
                       TPublishProc publish)
    : m_name(name), m_parent(parent), m_type(type), m_publish(publish) {}

bool TMetaClass::ClassNameIs(std::string_view name) const { return SameText(m_name, name); }

bool TMetaClass::InheritsFrom(TClass ancestor) const {
  for (TClass cls = this; cls; cls = cls->ClassParent())
    if (cls == ancestor)
      return true;
  return false;
}

namespace objects_detail {

void FinishConstruction(TObject* object) {
  try {
    if (typeid(*object) != object->ClassType()->TypeInfo())
      throw EInvalidOperation("A class derived from " + object->ClassName() +
                              " does not declare its own class information");
    object->AfterConstruction();
  } catch (...) {
    object->Free();
    throw;
  }
}

void RaiseAbstractClass(TClass cls) {
  throw EInvalidOperation("Cannot create an instance of the abstract class " + cls->ClassName());
}

} // namespace objects_detail

const TMetaClassImpl<TObject, TObject::TMeta>* TObject::StaticClass() {
  static const TMetaClassImpl<TObject, TMeta> meta("TObject", nullptr, nullptr);
  return &meta;
}

void TObject::Free() {
  BeforeDestruction();
  delete this;
}

bool TObject::GetInterface(const TInterfaceQuery& query, void*& intf) {
  intf = query.Find(this);
  return intf != nullptr;
}

void RaiseInvalidCast() { throw EInvalidCast("Invalid class typecast"); }

namespace {

std::vector<TClass>& RegisteredClasses() {
  static std::vector<TClass> classes;
  return classes;
}

std::vector<TClass>::iterator FindRegistered(std::string_view name) {
  auto& classes = RegisteredClasses();
  return std::find_if(classes.begin(), classes.end(),
                      [name](TClass cls) { return cls->ClassNameIs(name); });
}

} // namespace

void RegisterClass(TClass cls) {
  auto found = FindRegistered(cls->ClassName());
  if (found == RegisteredClasses().end())
    RegisteredClasses().push_back(cls);
  else if (*found != cls)
    throw EFilerError("A class named " + cls->ClassName() + " already exists");
}

void RegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass cls : classes)
    RegisterClass(cls);
}

void UnRegisterClass(TClass cls) {
  auto& classes = RegisteredClasses();
  classes.erase(std::remove(classes.begin(), classes.end(), cls), classes.end());
}

void UnRegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass cls : classes)
    UnRegisterClass(cls);
}

TClass GetClass(std::string_view name) {
  auto found = FindRegistered(name);
  return found == RegisteredClasses().end() ? nullptr : *found;
}

TClass FindClass(std::string_view name) {
  if (TClass cls = GetClass(name))
    return cls;
  throw EClassNotFound("Class " + std::string(name) + " not found");
}
