#include "framework/cxClassesResources.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The repository: one entry per registered text, in registration order. An
// entry registered by record remembers the record; one registered by text
// has none.
class TResourceStringRepository {
public:
  const std::string* FindByText(const std::string& text) const {
    auto it = std::find_if(m_entries.begin(), m_entries.end(),
                           [&](const TEntry& e) { return e.Key == text; });
    return it == m_entries.end() ? nullptr : &it->Value;
  }

  const std::string* FindByRecord(const TResStringRec& record) {
    const TEntry* entry = EntryOf(record);
    return entry ? &entry->Value : nullptr;
  }

  void SetByText(const std::string& text, const std::string& value) {
    auto it = std::find_if(m_entries.begin(), m_entries.end(),
                           [&](const TEntry& e) { return e.Key == text; });
    if (it == m_entries.end())
      m_entries.push_back({text, nullptr, value});
    else
      it->Value = value;
  }

  void SetByRecord(const TResStringRec& record, const std::string& value) {
    if (TEntry* entry = EntryOf(record))
      entry->Value = value;
    else
      m_entries.push_back({cxLoadResString(record), &record, value});
  }

private:
  struct TEntry {
    std::string Key;
    const TResStringRec* Record;
    std::string Value;
  };

  TEntry* EntryOf(const TResStringRec& record) {
    auto it = std::find_if(m_entries.begin(), m_entries.end(),
                           [&](const TEntry& e) { return e.Record == &record; });
    return it == m_entries.end() ? nullptr : &*it;
  }

  std::vector<TEntry> m_entries;
};

std::unique_ptr<TResourceStringRepository> g_repository;

TResourceStringRepository& Repository() {
  if (!g_repository)
    g_repository = std::make_unique<TResourceStringRepository>();
  return *g_repository;
}

} // namespace

std::string cxLoadResString(const TResStringRec& record) {
  return record.DefaultText ? record.DefaultText : "";
}

std::string cxGetResourceStringNet(const std::string& text) {
  const std::string* value = g_repository ? g_repository->FindByText(text) : nullptr;
  return value ? *value : text;
}

std::string cxGetResourceString(const std::string& text) { return cxGetResourceStringNet(text); }

void cxSetResourceStringNet(const std::string& text, const std::string& value) {
  Repository().SetByText(text, value);
}

std::string cxGetResourceString(const TResStringRec& record) {
  const std::string* value = g_repository ? g_repository->FindByRecord(record) : nullptr;
  return value ? *value : cxLoadResString(record);
}

void cxSetResourceString(const TResStringRec& record, const std::string& value) {
  Repository().SetByRecord(record, value);
}

bool cxResourceStringRepositoryExists() { return g_repository != nullptr; }

void cxFreeResourceStringRepository() { g_repository.reset(); }
