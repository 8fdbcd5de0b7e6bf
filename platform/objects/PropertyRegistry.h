// The published properties and methods of classes: what form definitions
// read and write. A class publishes by declaring
//
//   static void Publish(TPublisher& p);
//
// and filling it, in declaration order, in its source file:
//
//   void TcxEditButton::Publish(TPublisher& p) {
//     p.Property("Kind", &TcxEditButton::Kind, &TcxEditButton::SetKind).Default(bkDown);
//     p.Property("Horz", &TcxAlignment::Horz, &TcxAlignment::SetHorz)
//         .Stored(&TcxAlignment::IsHorzStored);
//     p.Property("Font", &TFoo::Font, &TFoo::SetFont);   // sub-object: Font.Name = ...
//     p.Method("Button1Click", &TForm1::Button1Click);    // handler named in OnClick = ...
//   }
//
// The kind of a property follows from its getter's type: integers (with
// optional identifiers, such as colour names), char, bool, enumerations
// (their names from ENUM_NAMES), Set<E>, floating point, std::string,
// TDelegate events, and pointers to TStrings (string lists), TCollection
// (collections), TComponent (references by name) or another TPersistent
// (sub-objects written with dotted names). The registry asks a class for its
// list on first use; ancestors' properties come first.
//
// Storing: a property is written when its stored rule answers true and its
// value differs from its default. Ordinal properties without a declared
// default are always written; strings default to empty, floats to 0, events
// and references to none, unless NoDefault() says that every value is written.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

#include "platform/objects/Events.h"
#include "platform/objects/Objects.h"
#include "platform/rtl/Sets.h"

class TReader;
class TWriter;
class TComponent;
class TCollection;
class TPersistent;
class TStrings;

// The names of an enumeration's values in order, for form definitions:
//   ENUM_NAMES(TcxEditButtonKind, "bkEllipsis", "bkDown", "bkGlyph", "bkText");
template <class E>
struct TEnumNames;

#define ENUM_NAMES(Enum, ...)                                    \
  template <>                                                    \
  struct TEnumNames<Enum> {                                      \
    static constexpr std::string_view Names[] = {__VA_ARGS__};   \
  }

// Names for some integer values (colours, cursors): written instead of the
// number, accepted when read.
struct TIdentMapEntry {
  std::int64_t Value;
  std::string_view Name;
};
using TIdentMap = std::span<const TIdentMapEntry>;

enum class TPropertyKind {
  pkInteger,
  pkChar,
  pkEnumeration,
  pkFloat,
  pkString,
  pkSet,
  pkMethod,
  pkObject,
  pkCollection,
  pkStrings,
  pkComponent,
};

class TPropertyInfo {
public:
  TPropertyInfo(std::string name, TPropertyKind kind) : m_name(std::move(name)), m_kind(kind) {}
  virtual ~TPropertyInfo() = default;
  TPropertyInfo(const TPropertyInfo&) = delete;
  TPropertyInfo& operator=(const TPropertyInfo&) = delete;

  const std::string& Name() const { return m_name; }
  TPropertyKind Kind() const { return m_kind; }
  // The declared class of an object, collection or component property.
  virtual TClass PropertyClass() const { return nullptr; }
  virtual bool IsWritable() const = 0;

  // The stored rule (true unless the class says otherwise).
  bool IsStored(TObject* instance) const { return !m_stored || m_stored(instance); }
  void SetStoredRule(std::function<bool(TObject*)> rule) { m_stored = std::move(rule); }
  // Whether the value equals the default, so that nothing is written.
  virtual bool IsDefault(TObject* instance) const = 0;

  // Reads the current value of the reader into the property.
  virtual void Read(TObject* instance, TReader& reader) const = 0;
  // Writes the value (and, for sub-objects, their properties).
  virtual void Write(TObject* instance, TWriter& writer) const = 0;
  // The sub-object of an object-typed property (nil for other kinds).
  virtual TObject* ObjectValue(TObject*) const { return nullptr; }
  // The string list of a pkStrings property.
  virtual TStrings* StringsValue(TObject*) const { return nullptr; }

private:
  std::string m_name;
  TPropertyKind m_kind;
  std::function<bool(TObject*)> m_stored;
};

// A published method: a handler that event properties name.
class TMethodInfo {
public:
  explicit TMethodInfo(std::string name) : m_name(std::move(name)) {}
  virtual ~TMethodInfo() = default;
  TMethodInfo(const TMethodInfo&) = delete;
  TMethodInfo& operator=(const TMethodInfo&) = delete;

  const std::string& Name() const { return m_name; }
  // Binds the method of 'root' into *delegate when its signature is
  // 'signature' (the delegate's type); false otherwise.
  virtual bool Bind(TObject* root, void* delegate, const std::type_info& signature) const = 0;
  // Whether *delegate calls this method of 'root'.
  virtual bool IsBoundIn(TObject* root, const void* delegate,
                         const std::type_info& signature) const = 0;

private:
  std::string m_name;
};

// Lookup. Names compare ASCII case-insensitively.
const TPropertyInfo* GetPropInfo(TClass cls, std::string_view name);
// Every published property of the class, ancestors' first; a property a
// descendant publishes again takes its ancestor's place.
std::vector<const TPropertyInfo*> GetPropList(TClass cls);
// The published method of that name of the class or its ancestors.
const TMethodInfo* GetMethodInfo(TClass cls, std::string_view name);
// The name of the published method of root's class that 'delegate' calls on
// 'root', empty when none.
std::string GetMethodName(TObject* root, const void* delegate, const std::type_info& signature);

#include "platform/objects/PropertyKinds.h"

// Fills a class's published list; see the top of this file.
class TPublisher {
public:
  explicit TPublisher(std::vector<std::unique_ptr<TPropertyInfo>>& properties,
                      std::vector<std::unique_ptr<TMethodInfo>>& methods)
      : m_properties(properties), m_methods(methods) {}

  // A property read through 'getter' and written through 'setter' (member
  // functions, or callables taking the instance as C*).
  template <class C = void, class G, class S>
  auto& Property(std::string name, G getter, S setter) {
    using Owner = properties_detail::AccessorClass<C, G>;
    using Value = properties_detail::GetterValue<Owner, G>;
    return Add(properties_detail::MakeProperty<Owner, Value>(std::move(name), getter, setter));
  }

  // A property without setter: sub-objects, collections and string lists,
  // which reading fills in place.
  template <class C = void, class G>
  auto& Property(std::string name, G getter) {
    using Owner = properties_detail::AccessorClass<C, G>;
    using Value = properties_detail::GetterValue<Owner, G>;
    return Add(properties_detail::MakeProperty<Owner, Value>(std::move(name), getter, nullptr));
  }

  // A handler method that event properties can name.
  template <class C, class R, class... Args>
  void Method(std::string name, R (C::*member)(Args...)) {
    m_methods.push_back(
        std::make_unique<properties_detail::TMethodEntry<C, R(Args...)>>(std::move(name), member));
  }

private:
  template <class P>
  P& Add(std::unique_ptr<P> property) {
    P& result = *property;
    m_properties.push_back(std::move(property));
    return result;
  }

  std::vector<std::unique_ptr<TPropertyInfo>>& m_properties;
  std::vector<std::unique_ptr<TMethodInfo>>& m_methods;
};
