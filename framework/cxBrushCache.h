// A reference-counted cache of solid brushes kept sorted by colour: users of
// one colour share one brush, and system colours are answered with the
// module's shared system brushes.
//
// Classes in this file: EBrushCache, TcxBrushCache.
#pragma once

#include <vector>

#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"

class EBrushCache : public Exception {
public:
  using Exception::Exception;
};

// One cached brush: the brush (owned by the cache), its colour and the number
// of its users (0 while its deletion is deferred).
struct TcxBrushData {
  TBrush* Brush;
  TColor Color;
  int RefCount;
};

class TcxBrushCache : public TObject {
  OBJECT_CLASS(TcxBrushCache, TObject)
public:
  ~TcxBrushCache() override;

  // The brush of the colour, with one more user. A system colour answers the
  // shared system brush unchanged (ERangeError for an index that names no
  // system colour).
  TBrush* Add(TColor color);
  // One user fewer of 'brush', which becomes nil; at none the brush is
  // freed (or, while locked, kept until the last EndUpdate). The brush is
  // found by identity, so a brush the cache did not hand out (a system brush,
  // nil, another's brush of a cached colour) is left alone. EBrushCache
  // "Release unused brush" when the brush has no users left.
  void ReleaseBrush(TBrush*& brush);
  // ReleaseBrush, then the brush of 'color'.
  void SetBrushColor(TBrush*& brush, TColor color);
  // Nil, a brush of a system colour or one of the shared system brushes.
  static bool IsSystemBrush(TBrush* brush);

  // Locks the deletions: brushes without users stay until the last
  // EndUpdate, unless added again before.
  void BeginUpdate() { ++m_lockCount; }
  void EndUpdate();
  // Gives every brush a new handle of its colour (after a palette change).
  void Recreate();

  int Count() const { return static_cast<int>(m_data.size()); }
  const TcxBrushData& Items(int index) const { return m_data.at(static_cast<std::size_t>(index)); }
  // Whether the colour is cached; 'index' is where it is or would go (-1 for
  // a system colour).
  bool IndexOf(TColor color, int& index) const;

protected:
  TBrush* AddItemAt(int index, TColor color);
  void Delete(int index);
  void Release(int index);
  // The first entry whose colour is not below 'color' (Count when none).
  int FindNearestItem(TColor color) const;
  void Pack();
  static void CacheCheck(bool condition, const char* message);

private:
  int IndexOfBrush(TBrush* brush) const;

  std::vector<TcxBrushData> m_data;
  int m_deferredCount = 0;
  int m_lockCount = 0;
};
