// The common base of the form reader and writer, through which a persistent
// declares properties that are not published (DefineProperties):
//
//   void TFoo::DefineProperties(TFiler& filer) {
//     inherited::DefineProperties(filer);
//     filer.DefineProperty("IsFontAssigned",
//         [this](TReader& reader) { reader.ReadBoolean(); MarkFontAssigned(); },
//         [](TWriter& writer) { writer.WriteBoolean(true); },
//         IsFontStored());
//   }
//
// Reading calls the read procedure when the definition holds the name;
// writing calls the write procedure when hasData is true.
//
// Classes in this file: TFiler.
#pragma once

#include <functional>
#include <string>

class TComponent;
class TPersistent;
class TReader;
class TStream;
class TWriter;

using TReaderProc = std::function<void(TReader& reader)>;
using TWriterProc = std::function<void(TWriter& writer)>;
// Binary data: reading gets a stream over the bytes, positioned at the start;
// writing fills an empty stream.
using TStreamProc = std::function<void(TStream& stream)>;

class TFiler {
public:
  TFiler() = default;
  TFiler(const TFiler&) = delete;
  TFiler& operator=(const TFiler&) = delete;
  virtual ~TFiler() = default;

  virtual void DefineProperty(const std::string& name, const TReaderProc& readData,
                              const TWriterProc& writeData, bool hasData) = 0;
  virtual void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                                    const TStreamProc& writeData, bool hasData) = 0;

  // The component at the top of the definition.
  virtual TComponent* Root() const = 0;
  // The ancestor whose values writing compares against; form definitions
  // here have no ancestors, so it is always nil.
  TPersistent* Ancestor() const { return nullptr; }
};
