// Solid brushes for the editors' painting, cached by colour so that no fill
// makes and deletes a brush of its own. System colours are answered with the
// platform's system-colour brushes; other colours get a cached brush, and a
// full cache gives up the colour asked for least often.
#pragma once

#include <vector>

#include "framework/cxLookAndFeelsPalette.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/UnitStartup.h"

class TcxSolidBrushCache : public TObject {
  OBJECT_CLASS(TcxSolidBrushCache, TObject)
public:
  explicit TcxSolidBrushCache(int ACapacity = 128);
  ~TcxSolidBrushCache() override;

  // The brush belongs to the cache: use it at once, never delete it.
  HBRUSH GetBrush(TColor AColor);
  // Deletes the cached brushes.
  void Clear();
  int Count() const { return static_cast<int>(m_colors.size()); }
  // How often the colour was asked for since it was cached; -1 when it is not.
  int HitCount(TColor AColor) const;

  // The system colours changed: every cached brush goes.
  virtual void SystemPaletteChanged();

private:
  int Find(TColor color, bool& found) const;
  void Evict(int& position);

  // Parallel, in ascending order of the colours as unsigned values.
  std::vector<TColor> m_colors;
  std::vector<HBRUSH> m_brushes;
  std::vector<unsigned> m_hitCounts;
  int m_capacity;
  TOwned<TcxSystemPaletteChangedNotifier> m_notifier;
};

// The process's cache's brush for the colour; the canvas plays no part.
HBRUSH GetSolidBrush(TColor AColor);
HBRUSH GetSolidBrush(TCanvas* ACanvas, TColor AColor);
void ResetSolidBrushCache();

extern const TUnitInfo cxEditPaintUtilsUnit;
