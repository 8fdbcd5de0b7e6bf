// The filter in streams: the versioned criteria stream that carries the whole
// tree (and through which one criteria object copies and compares another),
// and the component stream of the published settings.
//
// Criteria stream (little-endian, the data layer's typed encodings):
//   header   Integer: -1 version 2, -2 version 3; any other value is version
//            1 and is itself the number of root children
//   root     versions 2 and 3: Byte kind, Integer count, the children;
//            version 1: the children only (the root stays AND)
//   node     Boolean (True = list), then the list or the leaf
//   list     Byte kind, Integer count, the children
//   leaf     Byte operator kind, String display value, Integer item link ID,
//            String item link name (version 3 only), tagged Variant value
#include "data/cxFilter.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "data/cxDataConsts.h"
#include "data/cxVariants.h"
#include "platform/objects/Components.h"
#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"

namespace {

// Lists inside lists deeper than this are refused when reading.
constexpr int kMaxListNesting = 256;
// The fewest bytes a node takes: a list without children.
constexpr std::int64_t kSmallestNodeSize = 1 + 1 + 4;

[[noreturn]] void RaiseBadStream(const std::string& detail) {
  throw EReadError(cxDataMessage(cxSDataReadError) + ": " + detail);
}

std::int64_t BytesLeft(TStream& stream) { return stream.Size() - stream.Position(); }

TcxFilterBoolOperatorKind ReadBoolOperatorKind(TStream& stream) {
  const int kind = ReadByteFunc(stream);
  if (kind > static_cast<int>(TcxFilterBoolOperatorKind::fboNotOr))
    RaiseBadStream("the filter list kind " + std::to_string(kind) + " is out of range");
  return static_cast<TcxFilterBoolOperatorKind>(kind);
}

TcxFilterOperatorKind ReadOperatorKind(TStream& stream) {
  const int kind = ReadByteFunc(stream);
  if (kind > cxFilterOperatorKindHigh)
    RaiseBadStream("the filter operator kind " + std::to_string(kind) + " is out of range");
  return static_cast<TcxFilterOperatorKind>(kind);
}

int NestingDepth(const TcxFilterCriteriaItemList* list) {
  int depth = 0;
  for (const TcxFilterCriteriaItemList* up = list->Parent(); up; up = up->Parent())
    ++depth;
  return depth;
}

// Carries a criteria object through the component stream.
class TFilterWrapper : public TComponent {
  OBJECT_CLASS(TFilterWrapper, TComponent)
public:
  static void Publish(TPublisher& publisher) {
    publisher.Property("Filter", &TFilterWrapper::Filter);
  }

  explicit TFilterWrapper(TComponent* owner) : TComponent(owner) {}

  TcxFilterCriteria* Filter() const { return m_filter; }
  void SetFilter(TcxFilterCriteria* filter) { m_filter = filter; }

private:
  TcxFilterCriteria* m_filter = nullptr;
};

TOwned<TFilterWrapper> WrapperOf(TcxFilterCriteria* criteria) {
  TOwned<TFilterWrapper> wrapper(Create<TFilterWrapper>(nullptr));
  wrapper->SetFilter(criteria);
  return wrapper;
}

std::vector<unsigned char> StreamBytes(TMemoryStream& stream) {
  const auto size = static_cast<std::size_t>(stream.Size());
  return std::vector<unsigned char>(stream.Memory(), stream.Memory() + size);
}

} // namespace

// ---- Nodes ------------------------------------------------------------------------------

void TcxFilterCriteriaItemList::WriteData(TStream& stream) {
  WriteByteProc(stream, static_cast<std::uint8_t>(m_boolOperatorKind));
  WriteIntegerProc(stream, Count());
  for (TcxCustomFilterCriteriaItem* item : m_items) {
    WriteBooleanProc(stream, item->IsItemList());
    item->WriteData(stream);
  }
}

void TcxFilterCriteriaItemList::ReadData(TStream& stream) {
  if (NestingDepth(this) > kMaxListNesting)
    RaiseBadStream("filter lists are nested deeper than " + std::to_string(kMaxListNesting));
  SetBoolOperatorKind(ReadBoolOperatorKind(stream));
  ReadChildren(stream, ReadIntegerFunc(stream));
}

void TcxFilterCriteriaItemList::ReadChildren(TStream& stream, int count) {
  if (count < 0 || count > BytesLeft(stream) / kSmallestNodeSize)
    RaiseBadStream("the filter node count " + std::to_string(count) + " is out of range");
  for (int i = 0; i < count; ++i) {
    if (ReadBooleanFunc(stream)) {
      AddItemList(TcxFilterBoolOperatorKind::fboAnd)->ReadData(stream);
      continue;
    }
    TcxFilterCriteriaItem* leaf =
        AddItem(nullptr, TcxFilterOperatorKind::foEqual, Variant(), std::string());
    try {
      leaf->ReadData(stream);
    } catch (...) {
      // A condition read only in part does not stay.
      leaf->Free();
      throw;
    }
    // A condition on a data item that is not there any more is dropped.
    if (!leaf->ItemLink())
      leaf->Free();
  }
}

void TcxFilterCriteriaItem::WriteData(TStream& stream) {
  TcxFilterCriteria* criteria = GetCriteria();
  WriteByteProc(stream, static_cast<std::uint8_t>(m_operatorKind));
  WriteStringProc(stream, m_displayValue);
  WriteIntegerProc(stream, criteria->GetIDByItemLink(ItemLink()));
  if (criteria->SavedVersion > 2)
    WriteStringProc(stream, criteria->GetNameByItemLink(ItemLink()));
  WriteVariantProc(stream, m_value);
}

void TcxFilterCriteriaItem::ReadData(TStream& stream) {
  SetOperatorKind(ReadOperatorKind(stream));
  SetDisplayValue(ReadStringFunc(stream));
  ReadItemLink(stream);
  SetValue(ReadVariantFunc(stream));
  ApplyBlankCaption();
}

void TcxFilterCriteriaItem::ReadItemLink(TStream& stream) {
  TcxFilterCriteria* criteria = GetCriteria();
  const int id = ReadIntegerFunc(stream);
  const std::string name = criteria->LoadedVersion >= 3 ? ReadStringFunc(stream) : std::string();
  if (name.empty()) {
    SetItemLink(criteria->GetItemLinkByID(id));
    return;
  }
  TObject* link = criteria->GetItemLinkByName(name);
  if (!link) {
    // Found by its ID, a link counts only when it has no name of its own.
    link = criteria->GetItemLinkByID(id);
    if (link && !criteria->GetNameByItemLink(link).empty())
      link = nullptr;
  }
  SetItemLink(link);
}

// ---- The criteria stream ------------------------------------------------------------------

void TcxFilterCriteria::WriteData(TStream& stream, int version) {
  const int written = version == 0 ? Version : std::min<int>(Version, version);
  SavedVersion = static_cast<std::uint8_t>(written);
  WriteIntegerProc(stream, written > 2 ? -2 : -1);
  m_root->WriteData(stream);
}

void TcxFilterCriteria::ReadData(TStream& stream) {
  cxFilterInsideUpdate(this, [this, &stream] {
    Clear();
    const int header = ReadIntegerFunc(stream);
    LoadedVersion = header == -2 ? 3 : header == -1 ? 2 : 1;
    if (LoadedVersion == 1)
      m_root->ReadChildren(stream, header);
    else
      m_root->ReadData(stream);
  });
}

void TcxFilterCriteria::AssignItems(TcxFilterCriteria* source) {
  if (EqualItems(source))
    return;
  cxFilterInsideUpdate(this, [this, source] {
    Clear();
    TMemoryStream stream;
    source->WriteData(stream, Version);
    stream.SetPosition(0);
    ReadData(stream);
  });
}

bool TcxFilterCriteria::EqualItems(TcxFilterCriteria* other) {
  TMemoryStream own;
  TMemoryStream others;
  WriteData(own, other->Version);
  other->WriteData(others, Version);
  return StreamBytes(own) == StreamBytes(others);
}

void TcxFilterCriteria::Assign(TPersistent* source) {
  auto* criteria = dynamic_cast<TcxFilterCriteria*>(source);
  if (!criteria) {
    inherited::Assign(source);
    return;
  }
  cxFilterInsideUpdate(this, [this, criteria] {
    SetDateTimeFormat(criteria->DateTimeFormat());
    SetMaxValueListCount(criteria->MaxValueListCount());
    SetOptions(criteria->Options());
    SetPercentWildcard(criteria->PercentWildcard());
    BetweenAsExpression = criteria->BetweenAsExpression;
    NotLikeAsExpression = criteria->NotLikeAsExpression;
    InListAsExpression = criteria->InListAsExpression;
    LikeSupported = criteria->LikeSupported;
    SetUnderscoreWildcard(criteria->UnderscoreWildcard());
    AssignItems(criteria);
    AssignEvents(criteria);
  });
}

void TcxFilterCriteria::AssignEvents(TPersistent* source) {
  if (auto* criteria = dynamic_cast<TcxFilterCriteria*>(source))
    m_onChanged = criteria->OnChanged();
}

// ---- The component stream -------------------------------------------------------------------

// The settings travel as the form definition of a wrapper component whose
// Filter property is this criteria, stored as a String so that the stream
// says where it ends.
void TcxFilterCriteria::SaveToStream(TStream& stream) {
  const TOwned<TFilterWrapper> wrapper = WrapperOf(this);
  WriteStringProc(stream, WriteFormDefinition(wrapper.get()));
}

void TcxFilterCriteria::LoadFromStream(TStream& stream) {
  const std::string definition = ReadStringFunc(stream);
  cxFilterInsideUpdate(this, [this, &definition] {
    const TOwned<TFilterWrapper> wrapper = WrapperOf(this);
    ReadFormDefinition(definition, wrapper.get(), "filter settings");
  });
}
