#include "framework/cxClassesAutoWidth.h"

#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WinApi.h"

TcxAutoWidthItem* TcxAutoWidthObject::AddItem() {
  m_items.push_back(std::make_unique<TcxAutoWidthItem>());
  return m_items.back().get();
}

TcxAutoWidthItem* TcxAutoWidthObject::Items(int index) const {
  if (index < 0 || index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return m_items[index].get();
}

int TcxAutoWidthObject::Width() const {
  int width = 0;
  for (const auto& item : m_items)
    width += item->Width;
  return width;
}

void TcxAutoWidthObject::Calculate() {
  TRemaining remaining{m_availableWidth, Width()};
  for (const auto& item : m_items) {
    if (item->Fixed) {
      item->AutoWidth = item->Width;
      remaining.Available -= item->AutoWidth;
      remaining.Natural -= item->Width;
    }
  }
  bool final = false;
  bool changed = false;
  do {
    changed = DistributePass(remaining, final);
    if (!changed)
      final = !final;
  } while (remaining.Natural != 0 && (changed || final));
}

// One pass over the items not yet given a width. MulDiv answers -1 for a
// zero divisor, which makes every share 0. Answers whether an item was
// clamped to its minimum.
bool TcxAutoWidthObject::DistributePass(TRemaining& remaining, bool final) {
  const int available = remaining.Available;
  const int natural = remaining.Natural;
  int accumulated = 0;
  bool changed = false;
  for (const auto& item : m_items) {
    if (item->AutoWidth != -1)
      continue;
    const int share = ::MulDiv(accumulated + item->Width, available, natural) -
                      ::MulDiv(accumulated, available, natural);
    if (final) {
      item->AutoWidth = share;
    } else if (item->MinWidth >= share) {
      item->AutoWidth = item->MinWidth;
      remaining.Available -= item->MinWidth;
      remaining.Natural -= item->Width;
      changed = true;
    }
    accumulated += item->Width;
  }
  return changed;
}
