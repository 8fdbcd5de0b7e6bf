#include "platform/rtl/StringLists.h"

#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Lists.h"
#include "platform/rtl/ScopeGuards.h"

#include <algorithm>
#include <utility>

namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';
constexpr char kNameValueSeparator = '=';

// Runs 'change' between BeginUpdate and EndUpdate; the update also ends when
// 'change' raises.
template <typename Change>
void WithinUpdate(TStrings& strings, Change&& change) {
  const TUpdateScope update(strings);
  change();
}

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

size_t SkipBlanks(const std::string& text, size_t p) {
  while (p < text.size() && IsBlank(text[p]))
    ++p;
  return p;
}

// An entry of the comma text is quoted when it holds a blank, a quote or a comma.
std::string CommaTextItem(const std::string& s) {
  const bool needsQuotes = std::any_of(s.begin(), s.end(), [](char c) {
    return IsBlank(c) || c == kQuote || c == kComma;
  });
  return needsQuotes ? AnsiQuotedStr(s, kQuote) : s;
}

// Reads the quoted entry that starts at text[p] and moves p past its closing
// quote; doubled quotes inside stand for one. Without a closing quote the
// entry runs to the end of the text.
std::string ExtractQuoted(const std::string& text, size_t& p) {
  std::string item;
  ++p;
  while (p < text.size()) {
    if (text[p] == kQuote) {
      if (p + 1 < text.size() && text[p + 1] == kQuote) {
        item += kQuote;
        p += 2;
        continue;
      }
      ++p;
      break;
    }
    item += text[p++];
  }
  return item;
}

// Reads an unquoted entry: it ends at a blank or a comma.
std::string ExtractPlain(const std::string& text, size_t& p) {
  const size_t start = p;
  while (p < text.size() && !IsBlank(text[p]) && text[p] != kComma)
    ++p;
  return text.substr(start, p - start);
}

} // namespace

// TStrings

void TStrings::IndexError(int index) {
  throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

int TStrings::Add(const std::string& s) {
  const int index = GetCount();
  Insert(index, s);
  return index;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
  const int index = Add(s);
  PutObjectAt(index, object);
  return index;
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
  Insert(index, s);
  PutObjectAt(index, object);
}

void TStrings::Exchange(int index1, int index2) {
  WithinUpdate(*this, [&] {
    const std::string text = Get(index1);
    TObject* object = GetObjectAt(index1);
    Put(index1, Get(index2));
    PutObjectAt(index1, GetObjectAt(index2));
    Put(index2, text);
    PutObjectAt(index2, object);
  });
}

void TStrings::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex)
    return;
  // Both indexes are checked before anything changes, so a bad target index
  // cannot lose the entry that was already taken out.
  for (const int index : {curIndex, newIndex})
    if (index < 0 || index >= GetCount())
      IndexError(index);
  WithinUpdate(*this, [&] {
    const std::string text = Get(curIndex);
    TObject* object = GetObjectAt(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, text, object);
  });
}

int TStrings::IndexOf(const std::string& s) const {
  for (int i = 0; i < GetCount(); ++i)
    if (CompareStrings(Get(i), s) == 0)
      return i;
  return -1;
}

int TStrings::IndexOfName(const std::string& name) const {
  for (int i = 0; i < GetCount(); ++i) {
    const std::string entry = Get(i);
    const size_t separator = entry.find(kNameValueSeparator);
    if (separator != std::string::npos &&
        CompareStrings(std::string_view(entry).substr(0, separator), name) == 0)
      return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < GetCount(); ++i)
    if (GetObjectAt(i) == object)
      return i;
  return -1;
}

std::string TStrings::Names(int index) const {
  const std::string entry = Get(index);
  const size_t separator = entry.find(kNameValueSeparator);
  return separator == std::string::npos ? std::string() : entry.substr(0, separator);
}

std::string TStrings::Values(const std::string& name) const {
  const int index = IndexOfName(name);
  return index >= 0 ? ValueFromIndex(index) : std::string();
}

// A new entry is added whole, so that a list that refuses the change (a
// sorted one refuses Put) is never left with a half-made entry.
void TStrings::SetValues(const std::string& name, const std::string& value) {
  const int index = IndexOfName(name);
  const std::string entry = name + kNameValueSeparator + value;
  if (value.empty()) {
    if (index >= 0)
      Delete(index);
  } else if (index < 0) {
    Add(entry);
  } else {
    Put(index, entry);
  }
}

std::string TStrings::ValueFromIndex(int index) const {
  const std::string entry = Get(index);
  const size_t separator = entry.find(kNameValueSeparator);
  return separator == std::string::npos ? std::string() : entry.substr(separator + 1);
}

std::string TStrings::CommaText() const {
  const int count = GetCount();
  if (count == 1 && Get(0).empty())
    return std::string(2, kQuote);
  std::string result;
  for (int i = 0; i < count; ++i) {
    if (i > 0)
      result += kComma;
    result += CommaTextItem(Get(i));
  }
  return result;
}

// Entries are separated by a comma or by blanks; a comma that ends the text
// adds an empty last entry.
void TStrings::SetCommaText(const std::string& text) {
  WithinUpdate(*this, [&] {
    Clear();
    size_t p = SkipBlanks(text, 0);
    while (p < text.size()) {
      Add(text[p] == kQuote ? ExtractQuoted(text, p) : ExtractPlain(text, p));
      p = SkipBlanks(text, p);
      if (p < text.size() && text[p] == kComma) {
        if (p + 1 == text.size())
          Add(std::string());
        p = SkipBlanks(text, p + 1);
      }
    }
  });
}

void TStrings::BeginUpdate() {
  if (m_updateCount == 0)
    SetUpdateState(true);
  ++m_updateCount;
}

void TStrings::EndUpdate() {
  if (m_updateCount == 0)
    return;
  --m_updateCount;
  if (m_updateCount == 0)
    SetUpdateState(false);
}

void TStrings::AddStrings(const TStrings& source) {
  // Taken first, so that adding a list to itself adds each entry once.
  std::vector<std::pair<std::string, TObject*>> entries;
  for (int i = 0; i < source.GetCount(); ++i)
    entries.emplace_back(source.Get(i), source.GetObjectAt(i));
  WithinUpdate(*this, [&] {
    for (const auto& [text, object] : entries)
      AddObject(text, object);
  });
}

void TStrings::Assign(const TStrings& source) {
  if (&source == this)
    return;
  WithinUpdate(*this, [&] {
    Clear();
    AddStrings(source);
  });
}

bool TStrings::Equals(const TStrings& other) const {
  const int count = GetCount();
  if (count != other.GetCount())
    return false;
  for (int i = 0; i < count; ++i)
    if (Get(i) != other.Get(i))
      return false;
  return true;
}

TObject* TStrings::GetObjectAt(int) const {
  return nullptr;
}

void TStrings::Put(int index, const std::string& s) {
  TObject* object = GetObjectAt(index);
  Delete(index);
  InsertObject(index, s, object);
}

void TStrings::PutObjectAt(int, TObject*) {}

std::string TStrings::GetTextStr() const {
  std::string result;
  for (int i = 0; i < GetCount(); ++i)
    result += Get(i) + "\r\n";
  return result;
}

void TStrings::SetTextStr(const std::string& text) {
  WithinUpdate(*this, [&] {
    Clear();
    size_t p = 0;
    while (p < text.size()) {
      const size_t start = p;
      while (p < text.size() && text[p] != '\r' && text[p] != '\n')
        ++p;
      Add(text.substr(start, p - start));
      if (p < text.size() && text[p] == '\r')
        ++p;
      if (p < text.size() && text[p] == '\n')
        ++p;
    }
  });
}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const {
  return AnsiCompareText(a, b);
}

// TStringList

int TStringList::Add(const std::string& s) {
  return AddObject(s, nullptr);
}

int TStringList::AddObject(const std::string& s, TObject* object) {
  int index = Count();
  if (m_sorted && Find(s, index)) {
    if (m_duplicates == TDuplicates::dupIgnore)
      return index;
    if (m_duplicates == TDuplicates::dupError)
      throw EStringListError("String list does not allow duplicates");
  }
  InsertItem(index, s, object);
  return index;
}

void TStringList::Insert(int index, const std::string& s) {
  InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(int index, const std::string& s, TObject* object) {
  CheckNotSorted();
  if (index < 0 || index > Count())
    IndexError(index);
  InsertItem(index, s, object);
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  m_items.erase(m_items.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (m_items.empty())
    return;
  Changing();
  m_items.clear();
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  std::swap(m_items[index1], m_items[index2]);
  Changed();
}

void TStringList::Move(int curIndex, int newIndex) {
  if (curIndex != newIndex)
    CheckNotSorted();
  TStrings::Move(curIndex, newIndex);
}

int TStringList::IndexOf(const std::string& s) const {
  if (!m_sorted)
    return TStrings::IndexOf(s);
  int index = -1;
  return Find(s, index) ? index : -1;
}

bool TStringList::Find(const std::string& s, int& index) const {
  bool found = false;
  int low = 0;
  int high = Count() - 1;
  while (low <= high) {
    const int middle = low + (high - low) / 2;
    const int comparison = CompareStrings(m_items[middle].text, s);
    if (comparison < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (comparison == 0) {
        found = true;
        // With duplicates the search goes on to the first equal entry.
        if (m_duplicates != TDuplicates::dupAccept)
          low = middle;
      }
    }
  }
  index = low;
  return found;
}

void TStringList::Sort() {
  CustomSort([](TStringList* list, int index1, int index2) {
    return list->CompareStrings(list->m_items[index1].text, list->m_items[index2].text);
  });
}

void TStringList::CustomSort(const TStringListSortCompare& compare) {
  if (!m_sorted)
    SortItems(compare);
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == m_sorted)
    return;
  if (sorted)
    Sort();
  m_sorted = sorted;
}

// A sorted list is sorted again by the new comparison, so that Find keeps
// working.
void TStringList::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive == m_caseSensitive)
    return;
  m_caseSensitive = caseSensitive;
  if (m_sorted) {
    m_sorted = false;
    SetSorted(true);
  }
}

std::string TStringList::Get(int index) const {
  CheckIndex(index);
  return m_items[index].text;
}

int TStringList::GetCount() const {
  return static_cast<int>(m_items.size());
}

TObject* TStringList::GetObjectAt(int index) const {
  CheckIndex(index);
  return m_items[index].object;
}

void TStringList::Put(int index, const std::string& s) {
  CheckNotSorted();
  CheckIndex(index);
  Changing();
  m_items[index].text = s;
  Changed();
}

void TStringList::PutObjectAt(int index, TObject* object) {
  CheckIndex(index);
  Changing();
  m_items[index].object = object;
  Changed();
}

void TStringList::SetUpdateState(bool updating) {
  if (updating)
    Changing();
  else
    Changed();
}

int TStringList::CompareStrings(std::string_view a, std::string_view b) const {
  return m_caseSensitive ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && m_onChange) {
    const TStringsNotifyEvent handler = m_onChange;
    handler(this);
  }
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && m_onChanging) {
    const TStringsNotifyEvent handler = m_onChanging;
    handler(this);
  }
}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    IndexError(index);
}

void TStringList::CheckNotSorted() const {
  if (m_sorted)
    throw EStringListError("Operation not allowed on sorted string list");
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object) {
  Changing();
  m_items.insert(m_items.begin() + index, Item{s, object});
  Changed();
}

void TStringList::SortItems(const TStringListSortCompare& compare) {
  if (Count() < 2)
    return;
  Changing();
  QuickSortIndexes(
      0, Count() - 1, [&](int index1, int index2) { return compare(this, index1, index2); },
      [&](int index1, int index2) { std::swap(m_items[index1], m_items[index2]); });
  Changed();
}
