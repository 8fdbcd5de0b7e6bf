#include "editors/cxEditPaintUtils.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

#include "platform/graphics/Colors.h"

namespace {

constexpr int kSystemBrushCount = 31;

// The platform's own brushes for system colours 0..30; never deleted.
std::unique_ptr<std::array<HBRUSH, kSystemBrushCount>> systemBrushes;
TOwned<TcxSolidBrushCache> globalCache;

std::uint32_t Unsigned(TColor color) { return static_cast<std::uint32_t>(color); }

void Initialize() {
  systemBrushes = std::make_unique<std::array<HBRUSH, kSystemBrushCount>>();
  for (int i = 0; i < kSystemBrushCount; ++i)
    (*systemBrushes)[i] = ::GetSysColorBrush(i);
  globalCache.reset(Create<TcxSolidBrushCache>());
}

void Finalize() {
  globalCache.reset();
  systemBrushes.reset();
}

} // namespace

const TUnitInfo cxEditPaintUtilsUnit{"cxEditPaintUtils", Initialize, Finalize};

TcxSolidBrushCache::TcxSolidBrushCache(int ACapacity)
    : m_capacity(ACapacity), m_notifier(Create<TcxSystemPaletteChangedNotifier>(true)) {
  if (ACapacity < 1)
    throw EListError("A brush cache holds at least one brush");
  m_colors.reserve(ACapacity);
  m_brushes.reserve(ACapacity);
  m_hitCounts.reserve(ACapacity);
  m_notifier->SetOnSystemPaletteChanged(
      TcxSystemPaletteChangedEvent(this, &TcxSolidBrushCache::SystemPaletteChanged));
}

TcxSolidBrushCache::~TcxSolidBrushCache() {
  m_notifier.reset();
  Clear();
}

void TcxSolidBrushCache::Clear() {
  for (HBRUSH brush : m_brushes)
    ::DeleteObject(brush);
  m_colors.clear();
  m_brushes.clear();
  m_hitCounts.clear();
}

void TcxSolidBrushCache::SystemPaletteChanged() { Clear(); }

// The colour's position among the entries in use, or where it belongs.
int TcxSolidBrushCache::Find(TColor color, bool& found) const {
  const auto begin = m_colors.begin(), end = m_colors.end();
  const auto at = std::lower_bound(begin, end, color, [](TColor a, TColor b) {
    return Unsigned(a) < Unsigned(b);
  });
  found = at != end && *at == color;
  return static_cast<int>(at - begin);
}

int TcxSolidBrushCache::HitCount(TColor AColor) const {
  bool found = false;
  const int position = Find(AColor, found);
  return found ? static_cast<int>(m_hitCounts[position]) : -1;
}

// Gives up the entry asked for least often (the first in colour order among
// equals); 'position' follows the entries that move.
void TcxSolidBrushCache::Evict(int& position) {
  const auto least = std::min_element(m_hitCounts.begin(), m_hitCounts.end());
  const int victim = static_cast<int>(least - m_hitCounts.begin());
  ::DeleteObject(m_brushes[victim]);
  m_colors.erase(m_colors.begin() + victim);
  m_brushes.erase(m_brushes.begin() + victim);
  m_hitCounts.erase(least);
  if (victim < position)
    --position;
}

HBRUSH TcxSolidBrushCache::GetBrush(TColor AColor) {
  const std::uint32_t value = Unsigned(AColor);
  if (systemBrushes && value >= 0x80000000u && value <= 0x80000000u + kSystemBrushCount - 1)
    return (*systemBrushes)[value & ~0x80000000u];
  bool found = false;
  int position = Find(AColor, found);
  if (found) {
    ++m_hitCounts[position];
    return m_brushes[position];
  }
  if (Count() == m_capacity)
    Evict(position);
  m_colors.insert(m_colors.begin() + position, AColor);
  m_brushes.insert(m_brushes.begin() + position, ::CreateSolidBrush(ColorToRGB(AColor)));
  m_hitCounts.insert(m_hitCounts.begin() + position, 0);
  return m_brushes[position];
}

HBRUSH GetSolidBrush(TColor AColor) { return globalCache->GetBrush(AColor); }

HBRUSH GetSolidBrush(TCanvas*, TColor AColor) { return GetSolidBrush(AColor); }

void ResetSolidBrushCache() { globalCache->Clear(); }
