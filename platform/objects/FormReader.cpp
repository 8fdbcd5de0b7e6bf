#include "platform/objects/FormReader.h"

#include <algorithm>

#include "platform/objects/Collections.h"
#include "platform/objects/FormParser.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/ScopeGuards.h"
#include "platform/rtl/StringLists.h"
#include "platform/rtl/Streams.h"

namespace {

using enum TComponentStateItem;

const char* const kInvalidValue = "Invalid property value";

// A read error whose message already names the place.
class ELocatedReadError : public EReadError {
public:
  using EReadError::EReadError;
};

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t dot; (dot = path.find('.', start)) != std::string::npos; start = dot + 1)
    parts.push_back(path.substr(start, dot - start));
  parts.push_back(path.substr(start));
  return parts;
}

} // namespace

// A reference to assign once everything is read. 'items' are the collection
// items being read when it was asked for: the property lives in the last of
// them, and goes when any of them is freed.
struct TReader::TFixup {
  TClass declared = nullptr;
  std::function<void(TComponent*)> assign;
  std::string name;
  std::string componentName;
  std::string propertyName;
  int line = 0;
  std::vector<TCollectionItem*> items;

  bool IsInside(const TCollection* collection) const {
    for (int i = 0; i < collection->Count(); ++i)
      if (std::find(items.begin(), items.end(), collection->Items(i)) != items.end())
        return true;
    return false;
  }
};

void ReadFormDefinition(std::string_view text, TComponent* root, std::string_view sourceName) {
  const TFormObject definition = ParseFormDefinition(text);
  TReader(definition, std::string(sourceName)).ReadRootComponent(root);
}

TComponent* CreateFromFormDefinition(std::string_view text, TComponent* owner,
                                     std::string_view sourceName) {
  const TFormObject definition = ParseFormDefinition(text);
  return TReader(definition, std::string(sourceName)).ReadRootComponent(nullptr, owner);
}

TReader::TReader(const TFormObject& definition, std::string sourceName)
    : m_definition(definition), m_sourceName(std::move(sourceName)) {}

TReader::~TReader() = default;

TComponent* TReader::ReadRootComponent(TComponent* root, TComponent* owner) {
  m_componentName = m_definition.Name;
  if (!root)
    root = CreateComponent(m_definition, owner);
  else if (!root->ClassNameIs(m_definition.ClassName))
    throw EReadError(Located("The definition is of class " + m_definition.ClassName +
                                 ", not of " + root->ClassName(),
                             m_definition.Line));
  m_root = m_owner = root;
  try {
    root->IncludeState(csLoading);
    m_loaded.push_back(root);
    SetComponentName(root, m_definition);
    ReadState(root, m_definition);
    ResolveFixups();
    CallLoaded();
  } catch (...) {
    AbandonLoading();
    FreeCreated();
    throw;
  }
  return root;
}

// A component that the owner made before reading (in its constructor) is
// read into; one that this definition already named is not.
TComponent* TReader::FindOrCreateComponent(const TFormObject& definition) {
  TComponent* existing = m_owner->FindComponent(definition.Name);
  if (existing && existing->ClassNameIs(definition.ClassName) &&
      std::find(m_loaded.begin(), m_loaded.end(), existing) == m_loaded.end())
    return existing;
  return CreateComponent(definition, m_owner);
}

TComponent* TReader::CreateComponent(const TFormObject& definition, TComponent* owner) {
  TClass cls = nullptr;
  try {
    cls = FindClass(definition.ClassName);
  } catch (Exception& error) {
    error.SetMessage(Located(error.Message(), definition.Line));
    throw;
  }
  const auto componentClass = TClassRef<TComponent>::Checked(cls);
  objects_detail::TInitialComponentState loading({csLoading});
  TComponent* component = componentClass.Create(owner);
  m_created.push_back(component);
  return component;
}

void TReader::SetComponentName(TComponent* component, const TFormObject& definition) {
  try {
    component->SetName(definition.Name);
  } catch (Exception& error) {
    error.SetMessage(Located(error.Message(), definition.Line));
    throw;
  }
}

void TReader::ReadComponent(const TFormObject& definition) {
  m_componentName = definition.Name;
  TComponent* component = FindOrCreateComponent(definition);
  component->IncludeState(csLoading);
  if (std::find(m_loaded.begin(), m_loaded.end(), component) == m_loaded.end())
    m_loaded.push_back(component);
  SetComponentName(component, definition);
  if (m_parent)
    component->SetParentComponent(m_parent);
  ReadState(component, definition);
}

void TReader::ReadState(TComponent* component, const TFormObject& definition) {
  const TFormObject* outer = m_current;
  const std::string outerName = m_componentName;
  m_current = &definition;
  m_componentName = definition.Name;
  component->IncludeState(csReading);
  component->ReadState(*this);
  component->ExcludeState(csReading);
  m_current = outer;
  m_componentName = outerName;
}

void TReader::ReadData(TComponent* instance) {
  const TFormObject& definition = *m_current;
  for (const TFormProperty& property : definition.Properties)
    ReadProperty(instance, property);
  TComponent* outerOwner = m_owner;
  TComponent* outerParent = m_parent;
  m_parent = instance->GetChildParent();
  m_owner = instance->GetChildOwner();
  if (!m_owner)
    m_owner = m_root;
  for (const TFormObject& child : definition.Children)
    ReadComponent(child);
  m_owner = outerOwner;
  m_parent = outerParent;
}

void TReader::ReadProperty(TObject* instance, const TFormProperty& property) {
  TPropertyContext outer = std::move(m_context);
  m_context = TPropertyContext{m_componentName, property.Name, property.Line, &property.Value,
                               false, {}};
  try {
    ReadPropertyPath(instance, property.Name);
  } catch (ELocatedReadError&) {
    m_context = std::move(outer);
    throw;
  } catch (Exception& error) {
    if (&error != m_annotated) {
      error.SetMessage(Located("Error reading " + m_context.componentName + "." +
                                   m_context.propertyName + ": " + error.Message(),
                               m_context.line));
      m_annotated = &error;
    }
    m_context = std::move(outer);
    throw;
  }
  m_context = std::move(outer);
}

void TReader::ReadPropertyPath(TObject* instance, const std::string& path) {
  const std::vector<std::string> parts = SplitPath(path);
  TObject* target = instance;
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    const TPropertyInfo* info = GetPropInfo(target->ClassType(), parts[i]);
    if (!info)
      Error("Property " + parts[i] + " does not exist");
    if (info->Kind() == TPropertyKind::pkStrings && i + 2 == parts.size() &&
        SameText(parts[i + 1], "Strings")) {
      if (TStrings* strings = info->StringsValue(target)) {
        ReadStrings(strings);
        return;
      }
    }
    target = info->ObjectValue(target);
    if (!target)
      Error("Invalid property path");
  }
  const std::string& name = parts.back();
  if (const TPropertyInfo* info = GetPropInfo(target->ClassType(), name))
    ReadValueInto(target, info);
  else
    ReadDefinedProperty(target, name);
}

void TReader::ReadValueInto(TObject* instance, const TPropertyInfo* info) {
  const TPropertyKind kind = info->Kind();
  const bool fillsInPlace = kind == TPropertyKind::pkObject ||
                            kind == TPropertyKind::pkCollection ||
                            kind == TPropertyKind::pkStrings;
  if (!fillsInPlace && !info->IsWritable())
    Error("Property " + info->Name() + " is read-only");
  info->Read(instance, *this);
}

void TReader::ReadStrings(TStrings* strings) {
  const TUpdateScope update(strings);
  strings->Clear();
  ReadListBegin();
  while (!EndOfList())
    strings->Add(ReadString());
  ReadListEnd();
}

void TReader::ReadDefinedProperty(TObject* instance, const std::string& name) {
  auto* persistent = dynamic_cast<TPersistent*>(instance);
  m_definedName = name;
  m_definedFound = false;
  if (persistent)
    persistent->DefineProperties(*this);
  m_definedName.clear();
  if (!m_definedFound)
    Error("Property " + name + " does not exist");
}

void TReader::DefineProperty(const std::string& name, const TReaderProc& readData,
                             const TWriterProc&, bool) {
  if (m_definedFound || !readData || !SameText(name, m_definedName))
    return;
  m_definedFound = true;
  readData(*this);
}

void TReader::DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                                   const TStreamProc&, bool) {
  if (m_definedFound || !readData || !SameText(name, m_definedName))
    return;
  m_definedFound = true;
  const TFormValue& value = NextValue();
  if (value.Kind != TFormValueKind::fvBinary)
    Error(kInvalidValue);
  TMemoryStream stream;
  if (!value.Bytes.empty())
    stream.WriteBuffer(value.Bytes.data(), static_cast<int>(value.Bytes.size()));
  stream.SetPosition(0);
  readData(stream);
}

const TFormValue& TReader::NextValue() {
  if (!m_context.lists.empty()) {
    TListCursor& cursor = m_context.lists.back();
    if (cursor.next >= cursor.list->List.size())
      Error("Unexpected end of list");
    return cursor.list->List[cursor.next++];
  }
  if (!m_context.value || m_context.valueTaken)
    Error(kInvalidValue);
  m_context.valueTaken = true;
  return *m_context.value;
}

bool TReader::ReadBoolean() { return properties_detail::ReadBooleanValue(*this); }

int TReader::ReadInteger() {
  return static_cast<int>(properties_detail::ReadIntegerValue(*this, {}, INT32_MIN, INT32_MAX));
}

std::int64_t TReader::ReadInt64() {
  return properties_detail::ReadIntegerValue(*this, {}, INT64_MIN, INT64_MAX);
}

double TReader::ReadFloat() { return properties_detail::ReadFloatValue(*this); }

std::string TReader::ReadString() { return properties_detail::ReadStringValue(*this); }

char TReader::ReadChar() { return properties_detail::ReadCharValue(*this); }

std::string TReader::ReadIdent() {
  const TFormValue& value = NextValue();
  if (value.Kind != TFormValueKind::fvIdent)
    Error("Identifier expected");
  return value.Text;
}

void TReader::ReadListBegin() {
  const TFormValue& value = NextValue();
  if (value.Kind != TFormValueKind::fvList)
    Error(kInvalidValue);
  m_context.lists.push_back({&value, 0});
}

bool TReader::EndOfList() const {
  if (m_context.lists.empty())
    return true;
  const TListCursor& cursor = m_context.lists.back();
  return cursor.next >= cursor.list->List.size();
}

void TReader::ReadListEnd() {
  if (!EndOfList())
    Error(kInvalidValue);
  m_context.lists.pop_back();
}

void TReader::ReadCollection(TCollection* collection) {
  const TFormValue& value = NextValue();
  if (value.Kind != TFormValueKind::fvCollection || !collection)
    Error(kInvalidValue);
  const TUpdateScope update(collection);
  const std::size_t outerItems = m_items.size();
  const TScopeExit restoreItems([this, outerItems] { m_items.resize(outerItems); });
  DropFixupsIn(collection);
  collection->Clear();
  for (const TFormItem& item : value.Items) {
    m_items.push_back(collection->Add());
    for (const TFormProperty& property : item.Properties)
      ReadProperty(m_items.back(), property);
    m_items.pop_back();
  }
}

// A collection read again frees its items: references still to be assigned
// into them (or into anything inside them) go with them.
void TReader::DropFixupsIn(const TCollection* collection) {
  std::erase_if(m_fixups, [collection](const std::unique_ptr<TFixup>& fixup) {
    return fixup->IsInside(collection);
  });
}

void TReader::AddFixup(TClass declared, std::function<void(TComponent*)> assign) {
  const TFormValue& value = NextValue();
  if (value.Kind != TFormValueKind::fvIdent)
    Error(kInvalidValue);
  if (SameText(value.Text, "nil")) {
    assign(nullptr);
    return;
  }
  m_fixups.push_back(std::make_unique<TFixup>(TFixup{declared, std::move(assign), value.Text,
                                                     m_context.componentName,
                                                     m_context.propertyName, m_context.line,
                                                     m_items}));
}

void TReader::ResolveFixups() {
  for (const auto& fixup : m_fixups) {
    m_context = TPropertyContext{fixup->componentName, fixup->propertyName, fixup->line,
                                 nullptr, false, {}};
    TComponent* component = SameText(fixup->name, m_root->Name())
                                ? m_root
                                : m_root->FindComponent(fixup->name);
    if (!component)
      Error("Component " + fixup->name + " not found");
    if (!component->InheritsFrom(fixup->declared))
      Error(kInvalidValue);
    fixup->assign(component);
  }
  m_fixups.clear();
  m_context = {};
}

void TReader::CallLoaded() {
  for (TComponent* component : m_loaded)
    component->Loaded();
}

void TReader::AbandonLoading() {
  for (TComponent* component : m_loaded) {
    component->ExcludeState(csReading);
    component->ExcludeState(csLoading);
  }
}

void TReader::FreeCreated() {
  for (auto created = m_created.rbegin(); created != m_created.rend(); ++created)
    (*created)->Free();
  m_created.clear();
}

void TReader::Error(const std::string& message) const {
  std::string text = message;
  if (!m_context.propertyName.empty())
    text = "Error reading " + m_context.componentName + "." + m_context.propertyName + ": " +
           message;
  throw ELocatedReadError(Located(text, m_context.line));
}

std::string TReader::Located(const std::string& message, int line) const {
  std::string text = message + " on line " + std::to_string(line);
  return m_sourceName.empty() ? text : m_sourceName + ": " + text;
}

namespace properties_detail {

std::int64_t ReadIntegerValue(TReader& reader, TIdentMap idents, std::int64_t minimum,
                              std::int64_t maximum) {
  const TFormValue& value = reader.NextValue();
  std::int64_t number = 0;
  if (value.Kind == TFormValueKind::fvInteger) {
    number = value.Integer;
  } else if (value.Kind == TFormValueKind::fvIdent) {
    auto entry = std::find_if(idents.begin(), idents.end(), [&](const TIdentMapEntry& e) {
      return SameText(e.Name, value.Text);
    });
    if (entry == idents.end())
      reader.Error(kInvalidValue);
    number = entry->Value;
  } else {
    reader.Error(kInvalidValue);
  }
  if (number < minimum || number > maximum)
    reader.Error(kInvalidValue);
  return number;
}

char ReadCharValue(TReader& reader) {
  const TFormValue& value = reader.NextValue();
  if (value.Kind != TFormValueKind::fvString || value.Text.size() != 1)
    reader.Error(kInvalidValue);
  return value.Text[0];
}

bool ReadBooleanValue(TReader& reader) {
  static constexpr std::string_view kNames[] = {"False", "True"};
  return ReadEnumValue(reader, kNames) == 1;
}

int ReadEnumValue(TReader& reader, std::span<const std::string_view> names) {
  const TFormValue& value = reader.NextValue();
  if (value.Kind == TFormValueKind::fvIdent)
    for (std::size_t i = 0; i < names.size(); ++i)
      if (SameText(names[i], value.Text))
        return static_cast<int>(i);
  reader.Error(kInvalidValue);
}

std::uint64_t ReadSetValue(TReader& reader, std::span<const std::string_view> names) {
  const TFormValue& value = reader.NextValue();
  if (value.Kind != TFormValueKind::fvSet)
    reader.Error(kInvalidValue);
  std::uint64_t mask = 0;
  for (const std::string& element : value.Elements) {
    auto found = std::find_if(names.begin(), names.end(),
                              [&](std::string_view name) { return SameText(name, element); });
    if (found == names.end() || found - names.begin() >= 64)
      reader.Error(kInvalidValue);
    mask |= std::uint64_t{1} << (found - names.begin());
  }
  return mask;
}

double ReadFloatValue(TReader& reader) {
  const TFormValue& value = reader.NextValue();
  if (value.Kind == TFormValueKind::fvFloat)
    return value.Float;
  if (value.Kind == TFormValueKind::fvInteger)
    return static_cast<double>(value.Integer);
  reader.Error(kInvalidValue);
}

std::string ReadStringValue(TReader& reader) {
  const TFormValue& value = reader.NextValue();
  if (value.Kind != TFormValueKind::fvString)
    reader.Error(kInvalidValue);
  return value.Text;
}

void ReadMethodValue(TReader& reader, void* delegate, const std::type_info& signature) {
  const std::string name = reader.ReadIdent();
  const TMethodInfo* method = GetMethodInfo(reader.Root()->ClassType(), name);
  if (!method)
    reader.Error("Method " + name + " not found");
  if (!method->Bind(reader.Root(), delegate, signature))
    reader.Error("Method " + name + " does not match the event");
}

void ReadComponentValue(TReader& reader, TClass declared,
                        std::function<void(TComponent*)> assign) {
  reader.AddFixup(declared, std::move(assign));
}

void ReadCollectionValue(TReader& reader, TCollection* collection) {
  reader.ReadCollection(collection);
}

void RaiseInvalidValue(TReader& reader) { reader.Error(kInvalidValue); }

} // namespace properties_detail
