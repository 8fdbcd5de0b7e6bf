#include "platform/objects/FormWriter.h"

#include "platform/objects/Collections.h"
#include "platform/objects/FormPrinter.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/ScopeGuards.h"
#include "platform/rtl/StringLists.h"
#include "platform/rtl/Streams.h"

namespace {

using enum TComponentStateItem;

TFormValue MakeValue(TFormValueKind kind) {
  TFormValue value;
  value.Kind = kind;
  return value;
}

TFormValue IdentValue(std::string_view ident) {
  TFormValue value = MakeValue(TFormValueKind::fvIdent);
  value.Text = ident;
  return value;
}

TFormValue StringValue(const std::string& text) {
  TFormValue value = MakeValue(TFormValueKind::fvString);
  value.Text = text;
  return value;
}

TFormValue IntegerValue(std::int64_t number) {
  TFormValue value = MakeValue(TFormValueKind::fvInteger);
  value.Integer = number;
  return value;
}

// Keeps a component in csWriting while it is written.
class TWritingScope {
public:
  explicit TWritingScope(TComponentState& state) : m_state(state) {
    m_wasWriting = m_state.Contains(csWriting);
    m_state.Include(csWriting);
  }
  ~TWritingScope() {
    if (!m_wasWriting)
      m_state.Exclude(csWriting);
  }
  TWritingScope(const TWritingScope&) = delete;
  TWritingScope& operator=(const TWritingScope&) = delete;

private:
  TComponentState& m_state;
  bool m_wasWriting = false;
};

} // namespace

std::string WriteFormDefinition(TComponent* root) {
  return PrintFormDefinition(TWriter(root).WriteRootComponent());
}

TWriter::TWriter(TComponent* root) : m_root(root) {}

TFormObject TWriter::WriteRootComponent() { return WriteComponent(m_root); }

TFormObject TWriter::WriteComponent(TComponent* component) {
  TFormObject object;
  object.Name = component->Name();
  object.ClassName = component->ClassName();
  TWritingScope writing(component->m_componentState);
  const TScopeExit restore([this, outer = m_current] { m_current = outer; });
  m_current = &object;
  component->WriteState(*this);
  return object;
}

void TWriter::WriteData(TComponent* instance) {
  TFormObject& object = *m_current;
  m_sink = &object.Properties;
  WriteProperties(instance, std::string());
  instance->GetChildren(
      [this, &object](TComponent* child) { object.Children.push_back(WriteComponent(child)); },
      m_root);
}

void TWriter::WriteProperties(TObject* instance, const std::string& prefix) {
  const std::string outerPrefix = m_prefix;
  m_prefix += prefix;
  for (const TPropertyInfo* info : GetPropList(instance->ClassType())) {
    if (!info->IsStored(instance))
      continue;
    const TPropertyKind kind = info->Kind();
    const bool writesItself = kind == TPropertyKind::pkObject ||
                              kind == TPropertyKind::pkCollection ||
                              kind == TPropertyKind::pkStrings;
    if (!writesItself && (!info->IsWritable() || info->IsDefault(instance)))
      continue;
    info->Write(instance, *this);
  }
  if (auto* persistent = dynamic_cast<TPersistent*>(instance))
    persistent->DefineProperties(*this);
  m_prefix = outerPrefix;
}

void TWriter::WriteProperty(const std::string& name, TFormValue value) {
  m_sink->push_back(TFormProperty{m_prefix + name, std::move(value), 0});
}

void TWriter::WriteCollection(const std::string& name, TCollection* collection) {
  if (!collection || collection->Count() == 0)
    return;
  TFormValue value = MakeValue(TFormValueKind::fvCollection);
  {
    const TScopeExit restore([this, outerSink = m_sink, outerPrefix = m_prefix] {
      m_sink = outerSink;
      m_prefix = outerPrefix;
    });
    for (int i = 0; i < collection->Count(); ++i) {
      value.Items.emplace_back();
      m_sink = &value.Items.back().Properties;
      m_prefix.clear();
      WriteProperties(collection->Items(i), std::string());
    }
  }
  WriteProperty(name, std::move(value));
}

void TWriter::WriteStrings(const std::string& name, TStrings* strings) {
  if (!strings || strings->Count() == 0)
    return;
  TFormValue value = MakeValue(TFormValueKind::fvList);
  for (int i = 0; i < strings->Count(); ++i)
    value.List.push_back(StringValue(strings->Strings(i)));
  WriteProperty(name + ".Strings", std::move(value));
}

std::string TWriter::ReferenceName(TComponent* component) const {
  if (component == m_root || component->Owner() == m_root || !component->Owner())
    return component->Name();
  return component->Owner()->Name() + "." + component->Name();
}

void TWriter::DefineProperty(const std::string& name, const TReaderProc&,
                             const TWriterProc& writeData, bool hasData) {
  if (!hasData || !writeData)
    return;
  TFormValue value;
  m_lists.clear();
  {
    const TScopeExit endDefined([this] { m_defined = nullptr; });
    m_defined = &value;
    writeData(*this);
  }
  if (!m_lists.empty())
    throw EWriteError("Unterminated list in property " + name);
  WriteProperty(name, std::move(value));
}

void TWriter::DefineBinaryProperty(const std::string& name, const TStreamProc&,
                                   const TStreamProc& writeData, bool hasData) {
  if (!hasData || !writeData)
    return;
  TMemoryStream stream;
  writeData(stream);
  TFormValue value = MakeValue(TFormValueKind::fvBinary);
  value.Bytes.assign(stream.Memory(), stream.Memory() + stream.Size());
  WriteProperty(name, std::move(value));
}

void TWriter::AddValue(TFormValue value) {
  if (!m_lists.empty())
    m_lists.back().List.push_back(std::move(value));
  else if (m_defined)
    *m_defined = std::move(value);
  else
    throw EWriteError("No property is being written");
}

void TWriter::WriteBoolean(bool value) { AddValue(IdentValue(value ? "True" : "False")); }

void TWriter::WriteInteger(std::int64_t value) { AddValue(IntegerValue(value)); }

void TWriter::WriteFloat(double value) {
  TFormValue number = MakeValue(TFormValueKind::fvFloat);
  number.Float = value;
  AddValue(std::move(number));
}

void TWriter::WriteString(const std::string& value) { AddValue(StringValue(value)); }

void TWriter::WriteChar(char value) { AddValue(StringValue(std::string(1, value))); }

void TWriter::WriteIdent(const std::string& ident) { AddValue(IdentValue(ident)); }

void TWriter::WriteListBegin() { m_lists.push_back(MakeValue(TFormValueKind::fvList)); }

void TWriter::WriteListEnd() {
  if (m_lists.empty())
    throw EWriteError("No list is being written");
  TFormValue list = std::move(m_lists.back());
  m_lists.pop_back();
  AddValue(std::move(list));
}

namespace properties_detail {

void WriteIntegerValue(TWriter& writer, const std::string& name, std::int64_t value,
                       TIdentMap idents) {
  for (const TIdentMapEntry& entry : idents)
    if (entry.Value == value) {
      writer.WriteProperty(name, IdentValue(entry.Name));
      return;
    }
  writer.WriteProperty(name, IntegerValue(value));
}

void WriteCharValue(TWriter& writer, const std::string& name, char value) {
  writer.WriteProperty(name, StringValue(std::string(1, value)));
}

void WriteIdentValue(TWriter& writer, const std::string& name, std::string_view ident) {
  writer.WriteProperty(name, IdentValue(ident));
}

void WriteSetValue(TWriter& writer, const std::string& name,
                   std::span<const std::string_view> names, std::uint64_t mask) {
  TFormValue value = MakeValue(TFormValueKind::fvSet);
  for (std::size_t i = 0; i < names.size() && i < 64; ++i)
    if (mask & (std::uint64_t{1} << i))
      value.Elements.emplace_back(names[i]);
  writer.WriteProperty(name, std::move(value));
}

void WriteFloatValue(TWriter& writer, const std::string& name, double value) {
  TFormValue number = MakeValue(TFormValueKind::fvFloat);
  number.Float = value;
  writer.WriteProperty(name, std::move(number));
}

void WriteStringValue(TWriter& writer, const std::string& name, const std::string& value) {
  writer.WriteProperty(name, StringValue(value));
}

void WriteMethodValue(TWriter& writer, const std::string& name, const void* delegate,
                      const std::type_info& signature) {
  const std::string method = GetMethodName(writer.Root(), delegate, signature);
  if (!method.empty())
    writer.WriteProperty(name, IdentValue(method));
}

void WriteComponentValue(TWriter& writer, const std::string& name, TComponent* value) {
  if (value && !value->Name().empty())
    writer.WriteProperty(name, IdentValue(writer.ReferenceName(value)));
}

void WriteCollectionValue(TWriter& writer, const std::string& name, TCollection* collection) {
  writer.WriteCollection(name, collection);
}

void WriteStringsValue(TWriter& writer, const std::string& name, TStrings* strings) {
  writer.WriteStrings(name, strings);
}

void WriteObjectValue(TWriter& writer, const std::string& name, TObject* object) {
  if (object)
    writer.WriteProperties(object, name + ".");
}

} // namespace properties_detail
