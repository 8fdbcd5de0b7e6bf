#include "framework/cxLookAndFeelPaintersRadio.h"

#include <array>
#include <cstdint>

#include "framework/cxGraphicsColors.h"
#include "framework/dxOffice11.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/ImageLists.h"

namespace {

using TState = TcxButtonState;

enum TRole { Outside, OuterUpperLeft, OuterLowerRight, InnerUpperLeft, InnerLowerRight, Body, Dot };
constexpr int RoleCount = 7;
constexpr int KindCount = 4;
enum TKind { KindFlat, KindStandard, KindUltraFlat, KindOffice11 };
constexpr int ImageCount = 128;

TKind KindOf(TcxLookAndFeelStyle style) {
  switch (style) {
  case TcxLookAndFeelStyle::lfsFlat:
    return KindFlat;
  case TcxLookAndFeelStyle::lfsUltraFlat:
    return KindUltraFlat;
  case TcxLookAndFeelStyle::lfsOffice11:
    return KindOffice11;
  default:
    return KindStandard;
  }
}

// A 32-bit white bitmap of the size, for drawing and reading back.
TOwned<TBitmap> MakeScratch(int width, int height, TColor fill) {
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  bitmap->SetSize(width, height);
  bitmap->Canvas()->Brush()->SetColor(fill);
  bitmap->Canvas()->FillRect(Rect(0, 0, width, height));
  return bitmap;
}

bool IsBlack(TBitmap* bitmap, int x, int y) { return bitmap->Canvas()->Pixels(x, y) == clBlack; }

TRect MeasureCircle(const TSize& cell) {
  TOwned<TBitmap> scratch = MakeScratch(cell.cx, cell.cy, clBlack);
  RECT r = {0, 0, cell.cx, cell.cy};
  DrawFrameControl(scratch->Canvas()->Handle(), &r, DFC_BUTTON, DFCS_BUTTONRADIOMASK | DFCS_FLAT);
  int left = -1, top = -1, width = 0, height = 0;
  for (int x = 0; x < cell.cx; ++x)
    for (int y = 0; y < cell.cy; ++y)
      if (IsBlack(scratch.get(), x, y)) {
        if (left < 0)
          left = x;
        ++width;
        break;
      }
  for (int y = 0; y < cell.cy; ++y)
    for (int x = 0; x < cell.cx; ++x)
      if (IsBlack(scratch.get(), x, y)) {
        if (top < 0)
          top = y;
        ++height;
        break;
      }
  if (width < 5 || height < 5)
    return Rect(0, 0, 13, 13);
  return Rect(left, top, left + width, top + height);
}

// The run of dot pixels through (x, y) along its column and its row.
TRect DotThrough(TBitmap* image, int x, int y, TColor dot, const TRect& circle) {
  auto isDot = [&](int px, int py) {
    return px >= circle.Left && px < circle.Right && py >= circle.Top && py < circle.Bottom &&
           image->Canvas()->Pixels(px, py) == dot;
  };
  if (!isDot(x, y))
    return {};
  TRect result = Rect(x, y, x + 1, y + 1);
  while (isDot(x, result.Top - 1))
    --result.Top;
  while (isDot(x, result.Bottom))
    ++result.Bottom;
  while (isDot(result.Left - 1, y))
    --result.Left;
  while (isDot(result.Right, y))
    ++result.Right;
  return result;
}

TRect MeasureDot(const TSize& cell, const TRect& circle) {
  TOwned<TBitmap> scratch = MakeScratch(cell.cx, cell.cy, clBlack);
  RECT r = {0, 0, cell.cx, cell.cy};
  DrawFrameControl(scratch->Canvas()->Handle(), &r, DFC_BUTTON,
                   DFCS_BUTTONRADIOIMAGE | DFCS_CHECKED | DFCS_FLAT);
  const TColor dot = ColorToRGB(clWindowText);
  const int w = circle.Right - circle.Left, h = circle.Bottom - circle.Top;
  const int cx = circle.Left + w / 2, cy = circle.Top + h / 2;
  // Where the platform's dot crosses its centre lines; then the centre itself.
  const std::array<TPoint, 3> seeds = {Point(cx - 1, cy - 2), Point(cx, cy), Point(cx - 1, cy - 1)};
  for (const TPoint& seed : seeds) {
    const TRect found = DotThrough(scratch.get(), seed.X, seed.Y, dot, circle);
    const bool nearCentre = found.Right - found.Left > 1 && found.Bottom - found.Top > 1 &&
                            found.Right - found.Left < w - 4 && found.Bottom - found.Top < h - 4;
    if (nearCentre)
      return found;
  }
  const int side = w / 3;
  const int left = circle.Left + (w - side) / 2, top = circle.Top + (h - side) / 2;
  return Rect(left, top, left + side, top + side);
}

// Walks from 'from' by 'step' over pixels that are not outer ring (marking
// them when asked), then marks the last pixel before the ring or the edge.
template <class TAt> void WalkToRing(TAt at, int from, int step, int limit, bool markWalked) {
  int last = -1;
  for (int i = from; i >= 0 && i < limit && at(i) != OuterUpperLeft && at(i) != OuterLowerRight;
       i += step) {
    if (markWalked)
      at(i) = InnerUpperLeft;
    last = i;
  }
  if (last >= 0)
    at(last) = InnerUpperLeft;
}

void DrawOuterRing(TcxRadioButtonPattern& pattern, int w, int h) {
  TOwned<TBitmap> ring = MakeScratch(w, h, clWhite);
  TCanvas* canvas = ring->Canvas();
  canvas->Pen()->SetColor(clBlack);
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  canvas->RoundRect(0, 0, w, h, w - 1, h - 1);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (IsBlack(ring.get(), x, y))
        pattern[y][x] = (h - 1) * (w - 1 - x) < y * (w - 1) ? OuterLowerRight : OuterUpperLeft;
}

void FillBody(TcxRadioButtonPattern& pattern, int w, int h) {
  for (int y = 1; y < h - 1; ++y) {
    for (int x = w / 2 - 1; x >= 0 && pattern[y][x] == Outside; --x)
      pattern[y][x] = Body;
    for (int x = w / 2; x < w && pattern[y][x] == Outside; ++x)
      pattern[y][x] = Body;
  }
}

// Marks the inner ring as InnerUpperLeft first; the halves are split after.
void MarkInnerRing(TcxRadioButtonPattern& pattern, int w, int h) {
  for (int y = 1; y < h - 1; ++y) {
    auto at = [&](int x) -> int& { return pattern[y][x]; };
    const bool edgeRow = y == 1 || y == h - 2;
    WalkToRing(at, w / 2 - 1, -1, w, edgeRow);
    WalkToRing(at, w / 2, 1, w, edgeRow);
  }
  for (int x = 1; x < w - 1; ++x) {
    auto at = [&](int y) -> int& { return pattern[y][x]; };
    const bool edgeColumn = x == 1 || x == w - 2;
    WalkToRing(at, h / 2 - 1, -1, h, edgeColumn);
    WalkToRing(at, h / 2, 1, h, edgeColumn);
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (pattern[y][x] != InnerUpperLeft)
        continue;
      const int a = (w - x - 1) * (h - 1), b = (w - 1) * y;
      if (a < b || (a == b && x > w / 2 - 1))
        pattern[y][x] = InnerLowerRight;
    }
}

void MarkDot(TcxRadioButtonPattern& pattern, const TcxRadioButtonGeometry& g, int w, int h) {
  const TRect dot = Rect(g.Dot.Left - g.Circle.Left, g.Dot.Top - g.Circle.Top,
                         g.Dot.Right - g.Circle.Left, g.Dot.Bottom - g.Circle.Top);
  TOwned<TBitmap> scratch = MakeScratch(w, h, clWhite);
  TCanvas* canvas = scratch->Canvas();
  canvas->Pen()->SetColor(clBlack);
  canvas->Brush()->SetColor(clBlack);
  canvas->RoundRect(dot.Left, dot.Top, dot.Right, dot.Bottom, dot.Right - dot.Left - 1,
                    dot.Bottom - dot.Top - 1);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (IsBlack(scratch.get(), x, y))
        pattern[y][x] = Dot;
}

TOwned<TBitmap> MakeMask(int w, int h) {
  TOwned<TBitmap> mask(Create<TBitmap>());
  mask->SetMonochrome(true);
  mask->SetSize(w, h);
  TCanvas* canvas = mask->Canvas();
  canvas->Brush()->SetColor(clWhite);
  canvas->FillRect(Rect(0, 0, w, h));
  canvas->Brush()->SetColor(clBlack);
  canvas->Pen()->SetColor(clBlack);
  canvas->RoundRect(0, 0, w, h, w - 1, h - 1);
  return mask;
}

// ---- colours of one combination

bool IsHotOrPressed(TState state) {
  return state == TState::cxbsHot || state == TState::cxbsPressed;
}

TColor RingColor(TKind kind, TState state, bool focused, bool highlight) {
  const bool selected = focused || IsHotOrPressed(state);
  if (kind == KindOffice11) {
    if (state == TState::cxbsDisabled)
      return dxOffice11TextDisabledColor;
    return selected || highlight ? dxOffice11SelectedBorderColor : clBtnText;
  }
  return selected || (highlight && state != TState::cxbsDisabled) ? clHighlight : clBtnShadow;
}

TColor BodyColor(TKind kind, TState state) {
  if (kind == KindOffice11)
    return state == TState::cxbsNormal
               ? clWindow
               : TcxOffice11LookAndFeelPainter::StaticClass()->ButtonColor(state);
  if (state == TState::cxbsDisabled)
    return clBtnFace;
  if (kind == KindUltraFlat) {
    if (state == TState::cxbsHot)
      return GetLightSelColor();
    return state == TState::cxbsPressed ? GetLightDownedSelColor() : clWindow;
  }
  return state == TState::cxbsPressed ? clBtnFace : clWindow;
}

TColor DotColor(TKind kind, TState state, bool checked, TColor body) {
  if (!checked)
    return body;
  if (state == TState::cxbsDisabled)
    return kind == KindOffice11 ? dxOffice11TextDisabledColor : clBtnShadow;
  return clWindowText;
}

// Colour per role, as 32-bit device-independent pixels (red and blue swapped).
std::array<std::uint32_t, RoleCount> ColorMap(TKind kind, TState state, bool checked, bool focused,
                                              bool highlight) {
  const TColor body = BodyColor(kind, state);
  const TColor ring = RingColor(kind, state, focused, highlight);
  const bool classic = kind == KindFlat || kind == KindStandard;
  std::array<TColor, RoleCount> colors = {clBlack,
                                          classic ? clBtnShadow : ring,
                                          classic ? clBtnHighlight : ring,
                                          kind == KindFlat       ? cl3DLight
                                          : kind == KindStandard ? cl3DDkShadow
                                                                 : body,
                                          classic ? cl3DLight : body,
                                          body,
                                          DotColor(kind, state, checked, body)};
  std::array<std::uint32_t, RoleCount> result{};
  for (int i = 0; i < RoleCount; ++i) {
    const std::uint32_t rgb = ColorToRGB(colors[i]);
    result[i] = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
  }
  return result;
}

int MapIndex(TKind kind, TState state, bool checked, bool focused, bool highlight) {
  return static_cast<int>(state) + 8 * kind + 4 * checked + 32 * highlight + 64 * focused - 1;
}

std::unique_ptr<TcxRadioButtonImageList> gRadioImages;

} // namespace

TcxRadioButtonGeometry cxMeasureRadioButton() {
  const TSize cell = TcxCustomLookAndFeelPainter::StaticClass()->CheckButtonSize();
  TcxRadioButtonGeometry result;
  result.Circle = MeasureCircle(cell);
  result.Dot = MeasureDot(cell, result.Circle);
  return result;
}

TcxRadioButtonPattern cxRadioButtonPattern(const TcxRadioButtonGeometry& geometry) {
  const int w = geometry.Circle.Right - geometry.Circle.Left;
  const int h = geometry.Circle.Bottom - geometry.Circle.Top;
  TcxRadioButtonPattern pattern(h, std::vector<int>(w, Outside));
  DrawOuterRing(pattern, w, h);
  FillBody(pattern, w, h);
  MarkInnerRing(pattern, w, h);
  MarkDot(pattern, geometry, w, h);
  return pattern;
}

TcxRadioButtonImageList::TcxRadioButtonImageList()
    : m_geometry(cxMeasureRadioButton()), m_pattern(cxRadioButtonPattern(m_geometry)),
      m_images(Create<TImageList>(nullptr)), m_backdrop(Create<TBitmap>()) {
  const TSize size = Size();
  m_images->SetMasked(true);
  m_images->SetImageType(TImageType::itImage);
  m_images->SetSize(size.cx, size.cy);
  m_mask = MakeMask(size.cx, size.cy);
  m_backdrop->SetSize(size.cx, size.cy);
  AddImages();
}

TcxRadioButtonImageList::~TcxRadioButtonImageList() = default;

TSize TcxRadioButtonImageList::Size() const {
  return {m_geometry.Circle.Right - m_geometry.Circle.Left,
          m_geometry.Circle.Bottom - m_geometry.Circle.Top};
}

void TcxRadioButtonImageList::AddImages() {
  const TSize size = Size();
  TOwned<TBitmap> image = MakeScratch(size.cx, size.cy, clBlack);
  m_indexMap.assign(ImageCount, 0);
  for (bool focused : {false, true})
    for (bool highlight : {false, true})
      for (TKind kind : {KindFlat, KindStandard, KindUltraFlat, KindOffice11})
        for (bool checked : {false, true})
          for (TState state :
               {TState::cxbsNormal, TState::cxbsHot, TState::cxbsPressed, TState::cxbsDisabled}) {
            const auto map = ColorMap(kind, state, checked, focused, highlight);
            GdiFlush();
            for (int y = 0; y < size.cy; ++y) {
              auto* row = static_cast<std::uint32_t*>(image->ScanLine(y));
              for (int x = 0; x < size.cx; ++x)
                row[x] = map[m_pattern[y][x]];
            }
            m_indexMap[MapIndex(kind, state, checked, focused, highlight)] =
                m_images->Add(image.get(), m_mask.get());
          }
}

void TcxRadioButtonImageList::Rebuild() {
  m_images->Clear();
  AddImages();
}

int TcxRadioButtonImageList::ImageIndex(TcxLookAndFeelStyle style, TcxButtonState state,
                                        bool checked, bool focused, bool highlight) const {
  if (state == TState::cxbsDefault)
    state = TState::cxbsNormal;
  return m_indexMap[MapIndex(KindOf(style), state, checked, focused, highlight)];
}

void TcxRadioButtonImageList::Draw(TcxCanvas* canvas, int x, int y, TcxLookAndFeelStyle style,
                                   TcxButtonState state, bool checked, bool focused,
                                   TColor brushColor, bool highlight) {
  const int index = ImageIndex(style, state, checked, focused, highlight);
  if (brushColor == clDefault) {
    m_images->Draw(canvas->Canvas(), x, y, index, true);
    return;
  }
  TCanvas* backdrop = m_backdrop->Canvas();
  backdrop->Brush()->SetStyle(TBrushStyle::bsSolid);
  backdrop->Brush()->SetColor(brushColor);
  backdrop->FillRect(Rect(0, 0, m_backdrop->Width(), m_backdrop->Height()));
  m_images->Draw(backdrop, 0, 0, index, true);
  canvas->Canvas()->Draw(x, y, m_backdrop.get());
}

TcxRadioButtonImageList* PrepareRadioButtonImageList() {
  if (!gRadioImages)
    gRadioImages = std::make_unique<TcxRadioButtonImageList>();
  return gRadioImages.get();
}

void cxFreeRadioButtonImageList() { gRadioImages.reset(); }

void cxRebuildRadioButtonImages() {
  if (gRadioImages)
    gRadioImages->Rebuild();
}
