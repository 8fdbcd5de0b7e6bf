#include "framework/cxLookAndFeelPaintersRegistry.h"

#include <memory>

#include "platform/rtl/AnsiStrings.h"

namespace {

std::unique_ptr<TcxExtendedStylePainters> registry;

} // namespace

TcxExtendedStylePainterInfo::TcxExtendedStylePainterInfo(const std::string& AName,
                                                         TcxCustomLookAndFeelPainterClass APainter,
                                                         TObject* AData)
    : m_data(AData), m_name(AName), m_painter(APainter) {}

TcxExtendedStylePainterInfo::~TcxExtendedStylePainterInfo() {
  if (m_data)
    m_data->Free();
}

bool TcxExtendedStylePainters::Register(const std::string& AName,
                                        TcxCustomLookAndFeelPainterClass APainter, TObject* AData) {
  TcxExtendedStylePainterInfo* existing = nullptr;
  if (FindInfoByName(AName, existing) >= 0)
    return false;
  Add(Create<TcxExtendedStylePainterInfo>(AName, APainter, AData));
  return true;
}

bool TcxExtendedStylePainters::Unregister(const std::string& AName) {
  TcxExtendedStylePainterInfo* info = nullptr;
  const int index = FindInfoByName(AName, info);
  if (index < 0)
    return false;
  Delete(index);
  info->Free();
  return true;
}

int TcxExtendedStylePainters::FindInfoByName(const std::string& AName,
                                             TcxExtendedStylePainterInfo*& AInfo) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(GetName(i), AName)) {
      AInfo = GetItem(i);
      return i;
    }
  return -1;
}

bool TcxExtendedStylePainters::GetPainterByName(const std::string& AName,
                                                TcxCustomLookAndFeelPainterClass& APainter) const {
  TcxExtendedStylePainterInfo* info = nullptr;
  if (FindInfoByName(AName, info) < 0)
    return false;
  APainter = info->Painter();
  return true;
}

bool TcxExtendedStylePainters::GetPainterData(TcxCustomLookAndFeelPainterClass APainter,
                                              TObject*& AData) const {
  for (int i = 0; i < Count(); ++i)
    if (GetPainter(i) == APainter) {
      AData = GetData(i);
      return true;
    }
  return false;
}

TcxExtendedStylePainters* GetExtendedStylePainters() {
  if (!registry)
    registry = std::make_unique<TcxExtendedStylePainters>();
  return registry.get();
}

void cxFreeExtendedStylePainters() { registry.reset(); }
