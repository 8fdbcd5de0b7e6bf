// The root of the class library: TObject, class references (metaclasses),
// two-phase construction and destruction, checked casts and the class
// registry that form definitions name their classes through.
//
// Classes in this file: TMetaClass, TClassOf, TMetaClassImpl, TClassRef,
// TObject, TObjectFree.
//
// Every class of the library declares its class information in its body:
//
//   class TFoo : public TBar {
//     OBJECT_CLASS(TFoo, TBar)
//   public:
//     ...
//   };
//
// A class that introduces a virtual constructor (one that class references
// call) names its family's metaclass instead:
//
//   class TFoo;
//   using TFooMeta = TClassOf<TFoo, TBar::TMeta, TComponent*>;
//   class TFoo : public TBar {
//     OBJECT_CLASS_META(TFoo, TBar, TFooMeta)
//   public:
//     explicit TFoo(TComponent* owner);
//   };
//
// Class-level virtual operations live on a metaclass derived from the
// family's (override them in the derived class's metaclass); TClassRef<T>
// reaches them with ->. A stateless family (painters, value types, filter
// operators) is a family whose classes are never instantiated: its metaclass
// object is the one object per class, and a class reference to it is all
// callers hold. Objects are made
// with Create<T>(args...) or through a class reference, never with a bare
// `new`: both run AfterConstruction once the object is whole. They end with
// Free(), which runs BeforeDestruction while the object is still whole.
#pragma once

#include <concepts>
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include "platform/rtl/Exceptions.h"

class TObject;
class TMetaClass;
class TPublisher;
struct TInterfaceQuery;

// A class reference: the metaclass object of a class.
using TClass = const TMetaClass*;

// Fills the published properties and methods of one class (see
// PropertyRegistry.h); classes declare it as `static void Publish(TPublisher&)`.
using TPublishProc = void (*)(TPublisher& publisher);

class EClassNotFound : public EFilerError {
public:
  using EFilerError::EFilerError;
};

// One object per class: its name, its parent class, the published properties
// it declares and, in derived metaclasses, the factory of its virtual
// constructor and its class-level virtual operations.
class TMetaClass {
public:
  TMetaClass(const char* name, TClass parent, const std::type_info& type,
             TPublishProc publish = nullptr);
  virtual ~TMetaClass() = default;
  TMetaClass(const TMetaClass&) = delete;
  TMetaClass& operator=(const TMetaClass&) = delete;

  const std::string& ClassName() const { return m_name; }
  // Case-insensitive (ASCII), as the platform compares class names.
  bool ClassNameIs(std::string_view name) const;
  TClass ClassParent() const { return m_parent; }
  // True for the class itself and every descendant of 'ancestor'.
  bool InheritsFrom(TClass ancestor) const;
  // False when the class cannot be instantiated through its class reference
  // (abstract, or without the family's constructor).
  virtual bool IsAbstract() const { return true; }

  const std::type_info& TypeInfo() const { return m_type; }
  TPublishProc PublishProc() const { return m_publish; }

private:
  std::string m_name;
  TClass m_parent = nullptr;
  const std::type_info& m_type;
  TPublishProc m_publish = nullptr;
};

namespace objects_detail {
// Runs AfterConstruction on a freshly made object; frees it and rethrows when
// that fails. Checks that the class declared its own class information.
void FinishConstruction(TObject* object);
[[noreturn]] void RaiseAbstractClass(TClass cls);
} // namespace objects_detail

// The metaclass of a family of classes whose virtual constructor takes Args:
// "class of Root". BaseMeta is the metaclass of Root's parent class.
template <class Root, class BaseMeta, class... Args>
class TClassOf : public BaseMeta {
public:
  using BaseMeta::BaseMeta;
  using TRoot = Root;
  using TArgs = std::tuple<Args...>;

  // The virtual constructor: makes an instance of this class, then runs its
  // AfterConstruction.
  Root* Create(Args... args) const {
    Root* object = NewInstance(std::forward<Args>(args)...);
    objects_detail::FinishConstruction(object);
    return object;
  }

protected:
  virtual Root* NewInstance(Args...) const { objects_detail::RaiseAbstractClass(this); }
};

// The metaclass object of one concrete class: implements the family's
// factory with Self's constructor.
template <class Self, class Meta, class Args = typename Meta::TArgs>
class TMetaClassImpl;

template <class Self, class Meta, class... Args>
class TMetaClassImpl<Self, Meta, std::tuple<Args...>> final : public Meta {
public:
  TMetaClassImpl(const char* name, TClass parent, TPublishProc publish)
      : Meta(name, parent, typeid(Self), publish) {}

  bool IsAbstract() const override { return !kConstructible; }

protected:
  typename Meta::TRoot* NewInstance(Args... args) const override {
    if constexpr (kConstructible)
      return new Self(std::forward<Args>(args)...);
    else
      objects_detail::RaiseAbstractClass(this);
  }

private:
  static constexpr bool kConstructible =
      !std::is_abstract_v<Self> && std::is_constructible_v<Self, Args...>;
};

namespace objects_detail {
// The publishing routine Self declares itself, or none when it only inherits
// its parent's.
template <class Self, class Parent>
TPublishProc OwnPublishProc() {
  if constexpr (requires(TPublisher& p) { Self::Publish(p); }) {
    TPublishProc own = &Self::Publish;
    if constexpr (requires(TPublisher& p) { Parent::Publish(p); })
      return own == TPublishProc(&Parent::Publish) ? nullptr : own;
    else
      return own;
  } else {
    return nullptr;
  }
}
} // namespace objects_detail

#define OBJECT_CLASS_META(Self, Parent, Meta)                                        \
public:                                                                              \
  using TMeta = Meta;                                                                \
  using inherited = Parent;                                                          \
  static const TMetaClassImpl<Self, TMeta>* StaticClass() {                          \
    static const TMetaClassImpl<Self, TMeta> meta(                                   \
        #Self, Parent::StaticClass(), objects_detail::OwnPublishProc<Self, Parent>()); \
    return &meta;                                                                    \
  }                                                                                  \
  const TMeta* ClassType() const override { return StaticClass(); }                  \
                                                                                     \
private:

#define OBJECT_CLASS(Self, Parent) OBJECT_CLASS_META(Self, Parent, Parent::TMeta)

class TObject {
public:
  using TMeta = TClassOf<TObject, TMetaClass>;
  static const TMetaClassImpl<TObject, TMeta>* StaticClass();

  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  // The class of the object, typed as its family's metaclass.
  virtual const TMeta* ClassType() const { return StaticClass(); }
  const std::string& ClassName() const { return ClassType()->ClassName(); }
  bool ClassNameIs(std::string_view name) const { return ClassType()->ClassNameIs(name); }
  TClass ClassParent() const { return ClassType()->ClassParent(); }
  bool InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }

  // Runs once the most derived constructor has finished, so virtual calls
  // reach the object's own class.
  virtual void AfterConstruction() {}
  // Runs while the object is still whole, before any destructor.
  virtual void BeforeDestruction() {}
  // BeforeDestruction, then the destructors.
  void Free();

  // Finds the interface the query asks for among the object's own bases.
  bool GetInterface(const TInterfaceQuery& query, void*& intf);
};

// Makes an object of class T and runs its AfterConstruction.
template <class T, class... A>
T* Create(A&&... args) {
  T* object = new T(std::forward<A>(args)...);
  objects_detail::FinishConstruction(object);
  return object;
}

// Frees the object a pointer holds (if any) and clears the pointer.
template <class T>
void FreeAndNil(T*& object) {
  T* doomed = object;
  object = nullptr;
  if (doomed)
    doomed->Free();
}

// Deleter for owning smart pointers: frees through Free.
struct TObjectFree {
  void operator()(TObject* object) const {
    if (object)
      object->Free();
  }
};

// An object owned alone by one holder.
template <class T>
using TOwned = std::unique_ptr<T, TObjectFree>;

// The object's class is T or a descendant of T ("is").
template <class T>
bool Is(const TObject* object) {
  return dynamic_cast<const T*>(object) != nullptr;
}

[[noreturn]] void RaiseInvalidCast();

// Checked cast ("as"): nil stays nil, an object of another class raises
// EInvalidCast.
template <class T>
T* As(TObject* object) {
  if (!object)
    return nullptr;
  if (T* result = dynamic_cast<T*>(object))
    return result;
  RaiseInvalidCast();
}

template <class T>
const T* As(const TObject* object) {
  return As<T>(const_cast<TObject*>(object));
}

// A class reference restricted to T and its descendants ("class of T").
template <class T>
class TClassRef {
public:
  using Meta = typename T::TMeta;

  TClassRef() = default;
  TClassRef(std::nullptr_t) {}
  template <class U, class M>
    requires std::derived_from<U, T>
  TClassRef(const TMetaClassImpl<U, M>* meta) : m_meta(meta) {}
  template <class U>
    requires std::derived_from<U, T>
  TClassRef(const TClassRef<U>& other) : m_meta(other.Get()) {}

  // The class reference 'cls' as a class of T; raises EInvalidCast when it is
  // not T or a descendant.
  static TClassRef Checked(TClass cls) {
    TClassRef result;
    if (!cls)
      return result;
    result.m_meta = dynamic_cast<const Meta*>(cls);
    if (!result.m_meta || !cls->InheritsFrom(T::StaticClass()))
      RaiseInvalidCast();
    return result;
  }

  // The virtual constructor of the class referred to.
  template <class... A>
  T* Create(A&&... args) const {
    return static_cast<T*>(m_meta->Create(std::forward<A>(args)...));
  }

  const Meta* Get() const { return m_meta; }
  const Meta* operator->() const { return m_meta; }
  operator TClass() const { return m_meta; }
  explicit operator bool() const { return m_meta != nullptr; }
  bool operator==(const TClassRef& other) const { return m_meta == other.m_meta; }

private:
  const Meta* m_meta = nullptr;
};

// The class registry: classes that form definitions may name.
// Registering a class twice is allowed; another class of the same name
// raises EFilerError "A class named %s already exists".
void RegisterClass(TClass cls);
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass cls);
void UnRegisterClasses(std::initializer_list<TClass> classes);
// The registered class of that name (ASCII case-insensitive), nil when none.
TClass GetClass(std::string_view name);
// As GetClass, but raises EClassNotFound "Class %s not found".
TClass FindClass(std::string_view name);
