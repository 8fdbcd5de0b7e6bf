// The kinds of published property, one class template per kind of value.
// Included by PropertyRegistry.h; use TPublisher to make them.
#pragma once

#include <concepts>
#include <functional>

// The value channel between the property kinds and the form reader and
// writer (implemented in FormReader.cpp and FormWriter.cpp).
namespace properties_detail {

std::int64_t ReadIntegerValue(TReader& reader, TIdentMap idents, std::int64_t minimum,
                              std::int64_t maximum);
char ReadCharValue(TReader& reader);
bool ReadBooleanValue(TReader& reader);
int ReadEnumValue(TReader& reader, std::span<const std::string_view> names);
std::uint64_t ReadSetValue(TReader& reader, std::span<const std::string_view> names);
double ReadFloatValue(TReader& reader);
std::string ReadStringValue(TReader& reader);
// Binds the handler the value names into *delegate.
void ReadMethodValue(TReader& reader, void* delegate, const std::type_info& signature);
// Reads a reference by name; 'assign' runs once the whole definition is read.
void ReadComponentValue(TReader& reader, TClass declared,
                        std::function<void(TComponent*)> assign);
void ReadCollectionValue(TReader& reader, TCollection* collection);
[[noreturn]] void RaiseInvalidValue(TReader& reader);

void WriteIntegerValue(TWriter& writer, const std::string& name, std::int64_t value,
                       TIdentMap idents);
void WriteCharValue(TWriter& writer, const std::string& name, char value);
void WriteIdentValue(TWriter& writer, const std::string& name, std::string_view ident);
void WriteSetValue(TWriter& writer, const std::string& name,
                   std::span<const std::string_view> names, std::uint64_t mask);
void WriteFloatValue(TWriter& writer, const std::string& name, double value);
void WriteStringValue(TWriter& writer, const std::string& name, const std::string& value);
void WriteMethodValue(TWriter& writer, const std::string& name, const void* delegate,
                      const std::type_info& signature);
void WriteComponentValue(TWriter& writer, const std::string& name, TComponent* value);
void WriteCollectionValue(TWriter& writer, const std::string& name, TCollection* collection);
void WriteStringsValue(TWriter& writer, const std::string& name, TStrings* strings);
void WriteObjectValue(TWriter& writer, const std::string& name, TObject* object);

template <class G>
struct MemberClass;
template <class R, class C>
struct MemberClass<R (C::*)() const> {
  using type = C;
};
template <class R, class C>
struct MemberClass<R (C::*)()> {
  using type = C;
};

// The class whose instances an accessor takes: given, or the member's class.
template <class C, class G>
using AccessorClass =
    typename std::conditional_t<std::is_void_v<C>, MemberClass<G>, std::type_identity<C>>::type;
template <class Owner, class G>
using GetterValue = std::remove_cvref_t<std::invoke_result_t<G, Owner*>>;

template <class V>
struct IsSet : std::false_type {};
template <class E>
struct IsSet<Set<E>> : std::true_type {
  using Element = E;
};
template <class V>
struct IsDelegate : std::false_type {};
template <class S>
struct IsDelegate<TDelegate<S>> : std::true_type {};

template <class E>
std::span<const std::string_view> EnumNamesOf() {
  return TEnumNames<E>::Names;
}

// Accessors, defaults and stored rule of a property with values of type V
// on instances of Owner.
template <class Owner, class V>
class TValueProperty : public TPropertyInfo {
public:
  template <class G, class S>
  TValueProperty(std::string name, TPropertyKind kind, G getter, S setter)
      : TPropertyInfo(std::move(name), kind),
        m_get([getter](Owner* o) -> V { return std::invoke(getter, o); }) {
    if constexpr (!std::is_null_pointer_v<S>)
      m_set = [setter](Owner* o, V value) { std::invoke(setter, o, std::move(value)); };
  }

  bool IsWritable() const override { return static_cast<bool>(m_set); }

  TValueProperty& Default(V value) {
    m_default = std::move(value);
    m_noDefault = false;
    return *this;
  }
  // Every value is stored, even the one a kind of property takes as its
  // default when none is given (a text's is the empty text).
  TValueProperty& NoDefault() {
    m_default.reset();
    m_noDefault = true;
    return *this;
  }
  TValueProperty& Stored(bool stored) {
    SetStoredRule([stored](TObject*) { return stored; });
    return *this;
  }
  template <class C>
  TValueProperty& Stored(bool (C::*rule)() const) {
    SetStoredRule([rule](TObject* o) { return (static_cast<C*>(o)->*rule)(); });
    return *this;
  }
  template <class F>
    requires(!std::is_member_function_pointer_v<F> && std::is_invocable_r_v<bool, F, Owner*>)
  TValueProperty& Stored(F rule) {
    SetStoredRule([rule](TObject* o) { return rule(static_cast<Owner*>(o)); });
    return *this;
  }
  // Names written for (and accepted as) some values of an integer property;
  // the map must live as long as the program (a static table).
  TValueProperty& Idents(TIdentMap idents) {
    m_idents = idents;
    return *this;
  }

protected:
  V Get(TObject* instance) const { return m_get(static_cast<Owner*>(instance)); }
  void Set(TObject* instance, V value) const {
    m_set(static_cast<Owner*>(instance), std::move(value));
  }
  bool EqualsDefault(const V& value) const { return m_default && value == *m_default; }
  const std::optional<V>& DefaultValue() const { return m_default; }
  bool HasNoDefault() const { return m_noDefault; }
  TIdentMap IdentMap() const { return m_idents; }

private:
  std::function<V(Owner*)> m_get;
  std::function<void(Owner*, V)> m_set;
  std::optional<V> m_default;
  bool m_noDefault = false;
  TIdentMap m_idents;
};

template <class Owner, class V>
class TIntegerProperty : public TValueProperty<Owner, V> {
public:
  template <class G, class S>
  TIntegerProperty(std::string name, G getter, S setter)
      : TValueProperty<Owner, V>(std::move(name), TPropertyKind::pkInteger, getter, setter) {}

  bool IsDefault(TObject* o) const override { return this->EqualsDefault(this->Get(o)); }
  void Read(TObject* o, TReader& reader) const override {
    constexpr std::int64_t minimum = static_cast<std::int64_t>(std::numeric_limits<V>::min());
    constexpr std::int64_t maximum =
        static_cast<std::uint64_t>(std::numeric_limits<V>::max()) > 0x7FFFFFFFFFFFFFFFull
                                         ? std::numeric_limits<std::int64_t>::max()
                                         : static_cast<std::int64_t>(std::numeric_limits<V>::max());
    const std::int64_t value = ReadIntegerValue(reader, this->IdentMap(), minimum, maximum);
    this->Set(o, static_cast<V>(value));
  }
  void Write(TObject* o, TWriter& writer) const override {
    WriteIntegerValue(writer, this->Name(), static_cast<std::int64_t>(this->Get(o)),
                      this->IdentMap());
  }
};

template <class Owner>
class TCharProperty : public TValueProperty<Owner, char> {
public:
  template <class G, class S>
  TCharProperty(std::string name, G getter, S setter)
      : TValueProperty<Owner, char>(std::move(name), TPropertyKind::pkChar, getter, setter) {}

  bool IsDefault(TObject* o) const override { return this->EqualsDefault(this->Get(o)); }
  void Read(TObject* o, TReader& reader) const override { this->Set(o, ReadCharValue(reader)); }
  void Write(TObject* o, TWriter& writer) const override {
    WriteCharValue(writer, this->Name(), this->Get(o));
  }
};

template <class Owner>
class TBooleanProperty : public TValueProperty<Owner, bool> {
public:
  template <class G, class S>
  TBooleanProperty(std::string name, G getter, S setter)
      : TValueProperty<Owner, bool>(std::move(name), TPropertyKind::pkEnumeration, getter,
                                    setter) {}

  bool IsDefault(TObject* o) const override { return this->EqualsDefault(this->Get(o)); }
  void Read(TObject* o, TReader& reader) const override {
    this->Set(o, ReadBooleanValue(reader));
  }
  void Write(TObject* o, TWriter& writer) const override {
    WriteIdentValue(writer, this->Name(), this->Get(o) ? "True" : "False");
  }
};

template <class Owner, class E>
class TEnumProperty : public TValueProperty<Owner, E> {
public:
  template <class G, class S>
  TEnumProperty(std::string name, G getter, S setter)
      : TValueProperty<Owner, E>(std::move(name), TPropertyKind::pkEnumeration, getter, setter) {}

  bool IsDefault(TObject* o) const override { return this->EqualsDefault(this->Get(o)); }
  void Read(TObject* o, TReader& reader) const override {
    this->Set(o, static_cast<E>(ReadEnumValue(reader, EnumNamesOf<E>())));
  }
  void Write(TObject* o, TWriter& writer) const override {
    const auto names = EnumNamesOf<E>();
    const auto index = static_cast<std::size_t>(this->Get(o));
    if (index < names.size())
      WriteIdentValue(writer, this->Name(), names[index]);
    else
      WriteIntegerValue(writer, this->Name(), static_cast<std::int64_t>(index), {});
  }
};

template <class Owner, class E>
class TSetProperty : public TValueProperty<Owner, Set<E>> {
public:
  template <class G, class S>
  TSetProperty(std::string name, G getter, S setter)
      : TValueProperty<Owner, Set<E>>(std::move(name), TPropertyKind::pkSet, getter, setter) {}

  bool IsDefault(TObject* o) const override { return this->EqualsDefault(this->Get(o)); }
  void Read(TObject* o, TReader& reader) const override {
    this->Set(o, Set<E>::FromMask(ReadSetValue(reader, EnumNamesOf<E>())));
  }
  void Write(TObject* o, TWriter& writer) const override {
    WriteSetValue(writer, this->Name(), EnumNamesOf<E>(), this->Get(o).ToMask());
  }
};

template <class Owner, class V>
class TFloatProperty : public TValueProperty<Owner, V> {
public:
  template <class G, class S>
  TFloatProperty(std::string name, G getter, S setter)
      : TValueProperty<Owner, V>(std::move(name), TPropertyKind::pkFloat, getter, setter) {}

  bool IsDefault(TObject* o) const override {
    return !this->HasNoDefault() && this->Get(o) == this->DefaultValue().value_or(V(0));
  }
  void Read(TObject* o, TReader& reader) const override {
    this->Set(o, static_cast<V>(ReadFloatValue(reader)));
  }
  void Write(TObject* o, TWriter& writer) const override {
    WriteFloatValue(writer, this->Name(), static_cast<double>(this->Get(o)));
  }
};

template <class Owner>
class TStringProperty : public TValueProperty<Owner, std::string> {
public:
  template <class G, class S>
  TStringProperty(std::string name, G getter, S setter)
      : TValueProperty<Owner, std::string>(std::move(name), TPropertyKind::pkString, getter,
                                           setter) {}

  bool IsDefault(TObject* o) const override {
    return !this->HasNoDefault() && this->Get(o) == this->DefaultValue().value_or(std::string());
  }
  void Read(TObject* o, TReader& reader) const override { this->Set(o, ReadStringValue(reader)); }
  void Write(TObject* o, TWriter& writer) const override {
    WriteStringValue(writer, this->Name(), this->Get(o));
  }
};

template <class Owner, class D>
class TMethodProperty : public TValueProperty<Owner, D> {
public:
  template <class G, class S>
  TMethodProperty(std::string name, G getter, S setter)
      : TValueProperty<Owner, D>(std::move(name), TPropertyKind::pkMethod, getter, setter) {}

  bool IsDefault(TObject* o) const override { return !this->Get(o); }
  void Read(TObject* o, TReader& reader) const override {
    D handler;
    ReadMethodValue(reader, &handler, typeid(D));
    this->Set(o, handler);
  }
  void Write(TObject* o, TWriter& writer) const override {
    const D handler = this->Get(o);
    WriteMethodValue(writer, this->Name(), &handler, typeid(D));
  }
};

template <class Owner, class T>
class TComponentProperty : public TValueProperty<Owner, T*> {
public:
  template <class G, class S>
  TComponentProperty(std::string name, G getter, S setter)
      : TValueProperty<Owner, T*>(std::move(name), TPropertyKind::pkComponent, getter, setter) {}

  TClass PropertyClass() const override { return T::StaticClass(); }
  bool IsDefault(TObject* o) const override { return this->Get(o) == nullptr; }
  void Read(TObject* o, TReader& reader) const override {
    ReadComponentValue(reader, T::StaticClass(), [this, o](TComponent* component) {
      this->Set(o, static_cast<T*>(component));
    });
  }
  void Write(TObject* o, TWriter& writer) const override {
    WriteComponentValue(writer, this->Name(), this->Get(o));
  }
};

template <class Owner, class T>
class TCollectionProperty : public TValueProperty<Owner, T*> {
public:
  template <class G, class S>
  TCollectionProperty(std::string name, G getter, S setter)
      : TValueProperty<Owner, T*>(std::move(name), TPropertyKind::pkCollection, getter, setter) {}

  TClass PropertyClass() const override { return T::StaticClass(); }
  bool IsDefault(TObject*) const override { return false; }
  TObject* ObjectValue(TObject* o) const override { return this->Get(o); }
  void Read(TObject* o, TReader& reader) const override {
    ReadCollectionValue(reader, this->Get(o));
  }
  void Write(TObject* o, TWriter& writer) const override {
    WriteCollectionValue(writer, this->Name(), this->Get(o));
  }
};

template <class Owner, class T>
class TStringsProperty : public TValueProperty<Owner, T*> {
public:
  template <class G, class S>
  TStringsProperty(std::string name, G getter, S setter)
      : TValueProperty<Owner, T*>(std::move(name), TPropertyKind::pkStrings, getter, setter) {}

  bool IsDefault(TObject*) const override { return false; }
  TStrings* StringsValue(TObject* o) const override { return this->Get(o); }
  void Read(TObject*, TReader& reader) const override { RaiseInvalidValue(reader); }
  void Write(TObject* o, TWriter& writer) const override {
    WriteStringsValue(writer, this->Name(), this->Get(o));
  }
};

template <class Owner, class T>
class TObjectProperty : public TValueProperty<Owner, T*> {
public:
  template <class G, class S>
  TObjectProperty(std::string name, G getter, S setter)
      : TValueProperty<Owner, T*>(std::move(name), TPropertyKind::pkObject, getter, setter) {}

  TClass PropertyClass() const override { return T::StaticClass(); }
  bool IsDefault(TObject*) const override { return false; }
  TObject* ObjectValue(TObject* o) const override { return this->Get(o); }
  void Read(TObject*, TReader& reader) const override { RaiseInvalidValue(reader); }
  void Write(TObject* o, TWriter& writer) const override {
    WriteObjectValue(writer, this->Name(), this->Get(o));
  }
};

template <class Owner, class T, class G, class S>
auto MakeObjectProperty(std::string name, G getter, S setter) {
  if constexpr (std::derived_from<T, TStrings>)
    return std::make_unique<TStringsProperty<Owner, T>>(std::move(name), getter, setter);
  else if constexpr (std::derived_from<T, TComponent>)
    return std::make_unique<TComponentProperty<Owner, T>>(std::move(name), getter, setter);
  else if constexpr (std::derived_from<T, TCollection>)
    return std::make_unique<TCollectionProperty<Owner, T>>(std::move(name), getter, setter);
  else {
    static_assert(std::derived_from<T, TPersistent>, "unsupported published property type");
    return std::make_unique<TObjectProperty<Owner, T>>(std::move(name), getter, setter);
  }
}

template <class Owner, class V, class G, class S>
auto MakeProperty(std::string name, G getter, S setter) {
  if constexpr (std::is_same_v<V, std::string>)
    return std::make_unique<TStringProperty<Owner>>(std::move(name), getter, setter);
  else if constexpr (std::is_same_v<V, bool>)
    return std::make_unique<TBooleanProperty<Owner>>(std::move(name), getter, setter);
  else if constexpr (std::is_same_v<V, char>)
    return std::make_unique<TCharProperty<Owner>>(std::move(name), getter, setter);
  else if constexpr (std::is_integral_v<V>)
    return std::make_unique<TIntegerProperty<Owner, V>>(std::move(name), getter, setter);
  else if constexpr (std::is_enum_v<V>)
    return std::make_unique<TEnumProperty<Owner, V>>(std::move(name), getter, setter);
  else if constexpr (std::is_floating_point_v<V>)
    return std::make_unique<TFloatProperty<Owner, V>>(std::move(name), getter, setter);
  else if constexpr (IsSet<V>::value)
    return std::make_unique<TSetProperty<Owner, typename IsSet<V>::Element>>(std::move(name), getter,
                                                                      setter);
  else if constexpr (IsDelegate<V>::value)
    return std::make_unique<TMethodProperty<Owner, V>>(std::move(name), getter, setter);
  else
    return MakeObjectProperty<Owner, std::remove_pointer_t<V>>(std::move(name), getter, setter);
}

template <class C, class Signature>
class TMethodEntry;

template <class C, class R, class... Args>
class TMethodEntry<C, R(Args...)> : public TMethodInfo {
public:
  using Delegate = TDelegate<R(Args...)>;

  TMethodEntry(std::string name, R (C::*member)(Args...))
      : TMethodInfo(std::move(name)), m_member(member) {}

  bool Bind(TObject* root, void* delegate, const std::type_info& signature) const override {
    C* object = dynamic_cast<C*>(root);
    if (!object || signature != typeid(Delegate))
      return false;
    *static_cast<Delegate*>(delegate) = Delegate(object, m_member);
    return true;
  }
  bool IsBoundIn(TObject* root, const void* delegate,
                 const std::type_info& signature) const override {
    C* object = dynamic_cast<C*>(root);
    return object && signature == typeid(Delegate) &&
           *static_cast<const Delegate*>(delegate) == Delegate(object, m_member);
  }

private:
  R (C::*m_member)(Args...);
};

} // namespace properties_detail
