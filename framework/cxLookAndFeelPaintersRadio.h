// The radio-button images of the four unthemed looks (Flat, Standard,
// UltraFlat, Office 2003). The circle and its dot take the platform's own
// radio-button geometry; every pixel of the circle has a role (outer ring
// halves, inner ring halves, body, dot) and each combination of look, state,
// checked, focused and highlight colours the roles into one masked image,
// built once per process and rebuilt when the system colours change.
#pragma once

#include <memory>
#include <vector>

#include "framework/cxLookAndFeelPainters.h"

class TImageList;

// The role of each pixel of the circle, one row per y.
using TcxRadioButtonPattern = std::vector<std::vector<int>>;

// Where the platform draws its radio button inside one check-box cell.
struct TcxRadioButtonGeometry {
  TRect Circle;
  TRect Dot;
};

// The platform's circle and dot. A dot that cannot be read from the drawing
// (the platform draws it off the centre lines the scan starts from) is read
// from the centre outwards, else taken as a centred square a third the size.
TcxRadioButtonGeometry cxMeasureRadioButton();
// The pixel roles of a circle of the geometry: 0 outside, 1 and 2 the outer
// ring's upper-left and lower-right halves, 3 and 4 the inner ring's, 5 the
// body, 6 the dot.
TcxRadioButtonPattern cxRadioButtonPattern(const TcxRadioButtonGeometry& geometry);

class TcxRadioButtonImageList {
public:
  TcxRadioButtonImageList();
  ~TcxRadioButtonImageList();
  TcxRadioButtonImageList(const TcxRadioButtonImageList&) = delete;
  TcxRadioButtonImageList& operator=(const TcxRadioButtonImageList&) = delete;

  TSize Size() const;
  TImageList* Images() const { return m_images.get(); }
  const TcxRadioButtonPattern& Pattern() const { return m_pattern; }
  // The image of a combination; the default state shares the normal one.
  int ImageIndex(TcxLookAndFeelStyle style, TcxButtonState state, bool checked, bool focused,
                 bool highlight) const;
  // Draws the image at (x, y); outside the circle the canvas shows through,
  // or the brush colour unless it is clDefault.
  void Draw(TcxCanvas* canvas, int x, int y, TcxLookAndFeelStyle style, TcxButtonState state,
            bool checked, bool focused, TColor brushColor, bool highlight);
  // Renders every image again from the current system colours.
  void Rebuild();

private:
  void AddImages();

  TcxRadioButtonGeometry m_geometry;
  TcxRadioButtonPattern m_pattern;
  TOwned<TImageList> m_images;
  TOwned<TBitmap> m_mask;
  TOwned<TBitmap> m_backdrop;
  std::vector<int> m_indexMap;
};

// The process's radio images, made on first use.
TcxRadioButtonImageList* PrepareRadioButtonImageList();
// Frees them (the painters' unit shut-down).
void cxFreeRadioButtonImageList();
// Rebuilds them when they exist.
void cxRebuildRadioButtonImages();
