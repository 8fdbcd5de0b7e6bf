// String lists of the class library. TStrings is the abstract list of
// strings, each with an associated object pointer, and everything built on
// the basic operations: name=value pairs, the text with line breaks, the
// comma text, update brackets, copying and comparing. TStringList keeps its
// strings itself and adds sorting, a duplicates policy and change events.
// Strings hold Windows-1254 bytes; objects are held, never owned.
//
// Classes in this file: TStrings, TStringList.
#pragma once

#include "platform/rtl/Delegates.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TObject;
class TStrings;
class TStringList;

// Change event of a string list, told which list changed: a method pointer
// (or a callable), comparable as every event of the object model.
using TStringsNotifyEvent = TDelegate<void(TStrings* sender)>;

// Negative, zero or positive as entry index1 sorts before, with or after
// entry index2 of the list.
using TStringListSortCompare = std::function<int(TStringList* list, int index1, int index2)>;

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStrings {
public:
  TStrings() = default;
  TStrings(const TStrings&) = delete;
  TStrings& operator=(const TStrings&) = delete;
  virtual ~TStrings() = default;

  virtual int Add(const std::string& s);
  // Add without the index: lists that append more cheaply than they count
  // override it.
  virtual void Append(const std::string& s) { Add(s); }
  virtual int AddObject(const std::string& s, TObject* object);
  virtual void Insert(int index, const std::string& s) = 0;
  virtual void InsertObject(int index, const std::string& s, TObject* object);
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int index1, int index2);
  // Moves an entry with its object; both indexes must be valid.
  virtual void Move(int curIndex, int newIndex);

  virtual int IndexOf(const std::string& s) const;
  // Index of the first "name=value" entry whose name is 'name', or -1.
  int IndexOfName(const std::string& name) const;
  int IndexOfObject(const TObject* object) const;

  int Count() const { return GetCount(); }
  std::string Strings(int index) const { return Get(index); }
  void SetStrings(int index, const std::string& s) { Put(index, s); }
  TObject* Objects(int index) const { return GetObjectAt(index); }
  void SetObjects(int index, TObject* object) { PutObjectAt(index, object); }

  // The part of entry index before its first '=', empty when there is none.
  std::string Names(int index) const;
  // The value of the entry named 'name', empty when there is none.
  std::string Values(const std::string& name) const;
  // Sets the value of the entry named 'name', adding one when needed; an
  // empty value deletes the entry.
  void SetValues(const std::string& name, const std::string& value);
  // The part of entry index after its first '=', empty when there is none.
  std::string ValueFromIndex(int index) const;

  // Every entry followed by CR LF.
  std::string Text() const { return GetTextStr(); }
  // Replaces the entries by the lines of 'text': CR, LF and CR LF each end a
  // line; a last line without a break counts.
  void SetText(const std::string& text) { SetTextStr(text); }
  std::string CommaText() const;
  void SetCommaText(const std::string& text);

  // Change announcements wait until the outermost EndUpdate; an EndUpdate
  // without a BeginUpdate is ignored.
  void BeginUpdate();
  void EndUpdate();

  void AddStrings(const TStrings& source);
  // Replaces the entries and objects by those of 'source'.
  void Assign(const TStrings& source);
  // Same count and the same strings (case-sensitive); objects do not count.
  bool Equals(const TStrings& other) const;

protected:
  // The hooks a list implements. The object hooks carry "At" because the
  // platform's headers make GetObject a macro.
  virtual std::string Get(int index) const = 0;
  virtual int GetCount() const = 0;
  virtual TObject* GetObjectAt(int index) const;
  virtual void Put(int index, const std::string& s);
  virtual void PutObjectAt(int index, TObject* object);
  virtual std::string GetTextStr() const;
  virtual void SetTextStr(const std::string& text);
  // Called with true when the outermost update begins, false when it ends.
  virtual void SetUpdateState(bool updating);
  // The comparison of IndexOf and IndexOfName: locale-aware, ignoring case.
  virtual int CompareStrings(std::string_view a, std::string_view b) const;

  int UpdateCount() const { return m_updateCount; }
  [[noreturn]] static void IndexError(int index);

private:
  int m_updateCount = 0;
};

class TStringList : public TStrings {
public:
  int Add(const std::string& s) override;
  int AddObject(const std::string& s, TObject* object) override;
  void Insert(int index, const std::string& s) override;
  void InsertObject(int index, const std::string& s, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  void Exchange(int index1, int index2) override;
  void Move(int curIndex, int newIndex) override;
  int IndexOf(const std::string& s) const override;

  // Binary search of a sorted list: true when an equal entry exists, with
  // 'index' at it (the first one when duplicates are accepted); otherwise
  // 'index' is where s would be inserted.
  bool Find(const std::string& s, int& index) const;
  virtual void Sort();
  // Sorts an unsorted list by 'compare'; a sorted list keeps its order.
  virtual void CustomSort(const TStringListSortCompare& compare);

  TDuplicates Duplicates() const { return m_duplicates; }
  void SetDuplicates(TDuplicates duplicates) { m_duplicates = duplicates; }
  bool Sorted() const { return m_sorted; }
  void SetSorted(bool sorted);
  bool CaseSensitive() const { return m_caseSensitive; }
  void SetCaseSensitive(bool caseSensitive);

  const TStringsNotifyEvent& OnChange() const { return m_onChange; }
  void SetOnChange(TStringsNotifyEvent handler) { m_onChange = std::move(handler); }
  const TStringsNotifyEvent& OnChanging() const { return m_onChanging; }
  void SetOnChanging(TStringsNotifyEvent handler) { m_onChanging = std::move(handler); }

protected:
  std::string Get(int index) const override;
  int GetCount() const override;
  TObject* GetObjectAt(int index) const override;
  void Put(int index, const std::string& s) override;
  void PutObjectAt(int index, TObject* object) override;
  void SetUpdateState(bool updating) override;
  // Locale-aware, with or without case as CaseSensitive says.
  int CompareStrings(std::string_view a, std::string_view b) const override;

  virtual void Changed();
  virtual void Changing();

private:
  struct Item {
    std::string text;
    TObject* object = nullptr;
  };

  void CheckIndex(int index) const;
  void CheckNotSorted() const;
  void InsertItem(int index, const std::string& s, TObject* object);
  void SortItems(const TStringListSortCompare& compare);

  std::vector<Item> m_items;
  TDuplicates m_duplicates = TDuplicates::dupIgnore;
  bool m_sorted = false;
  bool m_caseSensitive = false;
  TStringsNotifyEvent m_onChange;
  TStringsNotifyEvent m_onChanging;
};
