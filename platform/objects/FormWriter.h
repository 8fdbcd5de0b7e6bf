// Writing components as form definitions.
//
// Each component written is in csWriting meanwhile. Its published
// properties are written in order when their stored rule answers true and
// their value differs from the default; sub-objects write their own
// properties with dotted names, collections their items, string lists their
// strings (when not empty); events name the root's published method they
// call; references name the component. Then come the properties the object
// defines (DefineProperties) and the components GetChildren lists.
//
// Classes in this file: TWriter.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/objects/Components.h"
#include "platform/objects/Filer.h"
#include "platform/objects/FormTree.h"

class TCollection;
class TStrings;

// The definition of 'root' and the components it lists, as text.
std::string WriteFormDefinition(TComponent* root);

class TWriter : public TFiler {
public:
  explicit TWriter(TComponent* root);

  // The definition of the root and the components it lists.
  TFormObject WriteRootComponent();
  // Writes the properties and nested components of 'instance' (what
  // TComponent::WriteState does).
  void WriteData(TComponent* instance);

  TComponent* Root() const override { return m_root; }

  void DefineProperty(const std::string& name, const TReaderProc& readData,
                      const TWriterProc& writeData, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                            const TStreamProc& writeData, bool hasData) override;

  // The value of a defined property, from its write procedure.
  void WriteBoolean(bool value);
  void WriteInteger(std::int64_t value);
  void WriteFloat(double value);
  void WriteString(const std::string& value);
  void WriteChar(char value);
  void WriteIdent(const std::string& ident);
  void WriteListBegin();
  void WriteListEnd();

  // Writes 'name' (after the current prefix) with 'value'.
  void WriteProperty(const std::string& name, TFormValue value);
  // Writes the stored properties of 'instance', each name after 'prefix'.
  void WriteProperties(TObject* instance, const std::string& prefix);
  void WriteCollection(const std::string& name, TCollection* collection);
  void WriteStrings(const std::string& name, TStrings* strings);
  // The name a reference to 'component' is written as.
  std::string ReferenceName(TComponent* component) const;

private:
  TFormObject WriteComponent(TComponent* component);
  void AddValue(TFormValue value);

  TComponent* m_root = nullptr;
  TFormObject* m_current = nullptr;
  std::vector<TFormProperty>* m_sink = nullptr;
  std::string m_prefix;
  std::vector<TFormValue> m_lists;
  TFormValue* m_defined = nullptr;
};
