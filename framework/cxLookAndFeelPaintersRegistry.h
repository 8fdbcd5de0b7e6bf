// The registry of named extended-style painters (skins) that a look-and-feel
// consults for its SkinName. Names are unique, compared ignoring case.
#pragma once

#include <string>

#include "framework/cxClasses.h"
#include "framework/cxLookAndFeelPainters.h"

class TcxExtendedStylePainterInfo : public TObject {
  OBJECT_CLASS(TcxExtendedStylePainterInfo, TObject)
public:
  // The entry owns the data object.
  TcxExtendedStylePainterInfo(const std::string& AName, TcxCustomLookAndFeelPainterClass APainter,
                              TObject* AData);
  ~TcxExtendedStylePainterInfo() override;

  const std::string& Name() const { return m_name; }
  TcxCustomLookAndFeelPainterClass Painter() const { return m_painter; }
  TObject* Data() const { return m_data; }

private:
  TObject* m_data;
  std::string m_name;
  TcxCustomLookAndFeelPainterClass m_painter;
};

class TcxExtendedStylePainters : public TcxObjectList {
public:
  // False, and the data object stays with the caller, for a name already there.
  bool Register(const std::string& AName, TcxCustomLookAndFeelPainterClass APainter,
                TObject* AData);
  bool Unregister(const std::string& AName);
  // The entry's index, -1 when none.
  int FindInfoByName(const std::string& AName, TcxExtendedStylePainterInfo*& AInfo) const;
  bool GetPainterByName(const std::string& AName, TcxCustomLookAndFeelPainterClass& APainter) const;
  bool GetPainterData(TcxCustomLookAndFeelPainterClass APainter, TObject*& AData) const;

  TcxExtendedStylePainterInfo* GetItem(int AIndex) const {
    return static_cast<TcxExtendedStylePainterInfo*>(Items(AIndex));
  }
  const std::string& GetName(int AIndex) const { return GetItem(AIndex)->Name(); }
  TcxCustomLookAndFeelPainterClass GetPainter(int AIndex) const { return GetItem(AIndex)->Painter(); }
  TObject* GetData(int AIndex) const { return GetItem(AIndex)->Data(); }
};

// The process's registry, made on first use and freed with the painter unit.
TcxExtendedStylePainters* GetExtendedStylePainters();
void cxFreeExtendedStylePainters();
