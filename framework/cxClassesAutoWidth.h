// Proportional widths: distributes an available width over items in
// proportion to their natural widths, never below an item's minimum, with
// fixed items kept at their natural width.
//
// Classes in this file: TcxAutoWidthItem, TcxAutoWidthObject.
#pragma once

#include <memory>
#include <vector>

struct TcxAutoWidthItem {
  int MinWidth = 0;
  // The natural width.
  int Width = 0;
  bool Fixed = false;
  // The resulting width; -1 until calculated (and for items the calculation never reached).
  int AutoWidth = -1;
};

class TcxAutoWidthObject {
public:
  explicit TcxAutoWidthObject(int expectedCount) { m_items.reserve(expectedCount); }
  TcxAutoWidthObject(const TcxAutoWidthObject&) = delete;
  TcxAutoWidthObject& operator=(const TcxAutoWidthObject&) = delete;

  TcxAutoWidthItem* AddItem();
  void Clear() { m_items.clear(); }
  int Count() const { return static_cast<int>(m_items.size()); }
  TcxAutoWidthItem* Items(int index) const;

  int AvailableWidth() const { return m_availableWidth; }
  void SetAvailableWidth(int value) { m_availableWidth = value; }
  // The sum of all natural widths.
  int Width() const;

  // Gives every item its resulting width. Passes that clamp items to their
  // minimum repeat until none is clamped; then one pass hands out the
  // proportional shares, rounded cumulatively so that they add up exactly.
  void Calculate();

private:
  struct TRemaining {
    int Available;
    int Natural;
  };

  bool DistributePass(TRemaining& remaining, bool final);

  std::vector<std::unique_ptr<TcxAutoWidthItem>> m_items;
  int m_availableWidth = 0;
};
