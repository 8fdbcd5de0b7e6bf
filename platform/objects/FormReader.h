// Reading form definitions into components.
//
// The root component gets csLoading and csReading, then its properties and
// nested components are read: each nested component is found among the
// owner's components by name or made from its registered class (starting in
// csLoading), gets csReading, its name, its streaming parent
// (SetParentComponent) and its own properties and children (ReadState); its
// csReading ends when it is read. Once everything is read, references by
// name are resolved, then Loaded runs on the root and every component read,
// in reading order.
//
// Errors raise EReadError (or the exception a setter raised, its message
// extended) naming the component, the property and the line. Components
// made by a failed read are freed; nothing half-built stays.
//
// Classes in this file: TReader.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/objects/Components.h"
#include "platform/objects/Filer.h"
#include "platform/objects/FormTree.h"

class TCollection;
class TCollectionItem;
class TPropertyInfo;
class TStrings;

// Reads the definition 'text' into 'root', whose class must be the one the
// definition names. 'sourceName' names the definition in error messages.
void ReadFormDefinition(std::string_view text, TComponent* root,
                        std::string_view sourceName = {});
// Makes the root from the registered class the definition names, owned by
// 'owner', and reads the definition into it.
TComponent* CreateFromFormDefinition(std::string_view text, TComponent* owner,
                                     std::string_view sourceName = {});

class TReader : public TFiler {
public:
  TReader(const TFormObject& definition, std::string sourceName);
  ~TReader() override;

  // Reads the definition into 'root'; with a nil root, makes it first.
  TComponent* ReadRootComponent(TComponent* root, TComponent* owner = nullptr);
  // Reads the properties and nested components of the object being read
  // into 'instance' (what TComponent::ReadState does).
  void ReadData(TComponent* instance);

  TComponent* Root() const override { return m_root; }
  // Owner and streaming parent of the components being made.
  TComponent* Owner() const { return m_owner; }
  TComponent* Parent() const { return m_parent; }

  void DefineProperty(const std::string& name, const TReaderProc& readData,
                      const TWriterProc& writeData, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                            const TStreamProc& writeData, bool hasData) override;

  // The values of a defined property, for its read procedure.
  bool ReadBoolean();
  int ReadInteger();
  std::int64_t ReadInt64();
  double ReadFloat();
  std::string ReadString();
  char ReadChar();
  std::string ReadIdent();
  void ReadListBegin();
  bool EndOfList() const;
  void ReadListEnd();

  // The next value of the property being read.
  const TFormValue& NextValue();
  // Raises EReadError with the message, naming what is being read.
  [[noreturn]] void Error(const std::string& message) const;
  // Reads the collection items of the current value into 'collection'.
  void ReadCollection(TCollection* collection);
  // Asks for the component named by the current value to be assigned once
  // the whole definition is read.
  void AddFixup(TClass declared, std::function<void(TComponent*)> assign);

private:
  struct TFixup;
  struct TListCursor {
    const TFormValue* list = nullptr;
    std::size_t next = 0;
  };
  struct TPropertyContext {
    std::string componentName;
    std::string propertyName;
    int line = 0;
    const TFormValue* value = nullptr;
    bool valueTaken = false;
    std::vector<TListCursor> lists;
  };

  void ReadComponent(const TFormObject& definition);
  TComponent* FindOrCreateComponent(const TFormObject& definition);
  TComponent* CreateComponent(const TFormObject& definition, TComponent* owner);
  void SetComponentName(TComponent* component, const TFormObject& definition);
  void ReadState(TComponent* component, const TFormObject& definition);
  void ReadProperty(TObject* instance, const TFormProperty& property);
  void ReadPropertyPath(TObject* instance, const std::string& path);
  void ReadValueInto(TObject* instance, const TPropertyInfo* info);
  void ReadStrings(TStrings* strings);
  void ReadDefinedProperty(TObject* instance, const std::string& name);
  void DropFixupsIn(const TCollection* collection);
  void ResolveFixups();
  void CallLoaded();
  // After a failure: components that stay leave their loading states.
  void AbandonLoading();
  void FreeCreated();
  std::string Located(const std::string& message, int line) const;

  const TFormObject& m_definition;
  std::string m_sourceName;
  TComponent* m_root = nullptr;
  TComponent* m_owner = nullptr;
  TComponent* m_parent = nullptr;
  const TFormObject* m_current = nullptr;
  std::string m_componentName;
  TPropertyContext m_context;
  std::string m_definedName;
  bool m_definedFound = false;
  const Exception* m_annotated = nullptr;
  std::vector<TComponent*> m_created;
  std::vector<TComponent*> m_loaded;
  std::vector<std::unique_ptr<TFixup>> m_fixups;
  // The collection items being read, outermost first.
  std::vector<TCollectionItem*> m_items;
};
