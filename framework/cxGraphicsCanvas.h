// The library's drawing surface: a wrapper over a platform canvas (not
// owned) with stacks of saved device-context states and clip regions, clip
// operations in logical coordinates, text output and measuring with the
// library's text flags, framed and tiled fills, 3D edges, glyphs and
// image-list images, constant-alpha drawing, bitmap flips and rotations;
// and the screen canvas the library measures text on.
//
// Classes in this file: TcxCanvas, TcxScreenCanvas, IcxFontListener.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/cxClassesAlignment.h"
#include "framework/cxGraphicsBitmaps.h"
#include "framework/cxGraphicsRegions.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageLists.h"
#include "platform/objects/Interfaces.h"
#include "platform/rtl/Sets.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

class TGraphic;

// What a view draws with: background bitmap (or nil) and colour, font and
// text colour.
struct TcxViewParams {
  TBitmap* Bitmap = nullptr;
  TColor Color = clNone;
  TFont* Font = nullptr;
  TColor TextColor = clNone;
};

enum class TcxBorder { bLeft, bTop, bRight, bBottom };
ENUM_NAMES(TcxBorder, "bLeft", "bTop", "bRight", "bBottom");
using TcxBorders = Set<TcxBorder>;
inline const TcxBorders cxBordersAll{TcxBorder::bLeft, TcxBorder::bTop, TcxBorder::bRight,
                                     TcxBorder::bBottom};

// Positive angles turn counter-clockwise.
enum class TcxRotationAngle { ra0, raPlus90, raMinus90, ra180 };

enum class TcxGridLines { glBoth, glNone, glVertical, glHorizontal };

using TRectArray = std::vector<TRect>;

// Told when a font it listens to changes.
class IcxFontListener : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{B144DD7E-0B27-439A-B908-FC3ACFE6A2D3}");
  virtual void Changed(TObject* sender, TFont* font) = 0;
};

// Canvas text flags: one horizontal and one vertical alignment plus
// switches.
constexpr int cxcfAlignLeft = 0x0001;
constexpr int cxcfAlignRight = 0x0002;
constexpr int cxcfAlignHCenter = 0x0004;
constexpr int cxcfAlignTop = 0x0008;
constexpr int cxcfAlignBottom = 0x0010;
constexpr int cxcfAlignVCenter = 0x0020;
constexpr int cxcfSingleLine = 0x0040;
constexpr int cxcfDontClip = 0x0080;
constexpr int cxcfExpandTabs = 0x0100;
constexpr int cxcfShowPrefix = 0x0200;
constexpr int cxcfWordBreak = 0x0400;
constexpr int cxcfShowEndEllipsis = 0x0800;
constexpr int cxcfCalcRect = 0x1000;
constexpr int cxcfShowPathEllipsis = 0x2000;
constexpr int cxcfDontBreakChars = 0x4000;

// The platform DrawText format of canvas text flags (DT_NOPREFIX unless
// cxcfShowPrefix; word breaks also break inside words unless
// cxcfDontBreakChars).
UINT cxFlagsToDTFlags(int flags);

// Font, font colour and brush colour of the view parameters, the brush
// colour set even when it is the current one.
void cxApplyViewParams(TCanvas* canvas, const TcxViewParams& params);

// The platform's DrawText of the Windows-1254 text ('charCount' -1: all of
// it); answers the text height, 0 on failure. ERangeError when 'charCount'
// exceeds the text.
int cxDrawText(HDC dc, const std::string& text, TRect& r, UINT format, int charCount = -1);
// The platform's ExtTextOut at 'point', clipped or filled by 'r' as the
// options say; answers whether it succeeded. ERangeError as cxDrawText.
bool cxExtTextOut(HDC dc, const std::string& text, const TPoint& point, const TRect& r,
                  UINT options, int charCount = -1);
bool cxExtTextOut(HDC dc, const std::string& text, const TPoint& point, UINT options,
                  int charCount = -1);
// Whether text of the character set is laid out right to left: the Hebrew
// and Arabic sets, unless the text begins with an ASCII character.
// DEFAULT_CHARSET stands for the system's own set; empty text is left to
// right.
bool cxGetWritingDirection(TFontCharset charset, const std::string& text);

class TcxCanvas : public TObject {
  OBJECT_CLASS(TcxCanvas, TObject)
public:
  explicit TcxCanvas(TCanvas* canvas);
  ~TcxCanvas() override;

  // ---- the wrapped canvas
  TCanvas* Canvas() const { return m_canvas; }
  // The device context with the canvas's font, pen and brush selected.
  HDC Handle() const;
  TBrush* Brush() const { return m_canvas->Brush(); }
  TPen* Pen() const { return m_canvas->Pen(); }
  TFont* Font() const { return m_canvas->Font(); }
  // Copy the given object into the wrapped canvas's own.
  void SetBrush(TBrush* brush) { m_canvas->SetBrush(brush); }
  void SetPen(TPen* pen) { m_canvas->SetPen(pen); }
  void SetFont(TFont* font) { m_canvas->SetFont(font); }
  TCopyMode CopyMode() const { return m_canvas->CopyMode(); }
  void SetCopyMode(TCopyMode mode) { m_canvas->SetCopyMode(mode); }
  void SetPixel(int x, int y, TColor color) { m_canvas->SetPixels(x, y, color); }
  TPoint WindowOrg() const;
  void SetWindowOrg(const TPoint& origin);
  TPoint ViewportOrg() const;
  void SetViewportOrg(const TPoint& origin);
  // ViewportOrg - WindowOrg: logical plus this is device.
  TPoint DCOrigin() const;
  // Changes the brush only when the colour differs (each change makes a new
  // platform brush).
  void SetBrushColor(TColor color);
  // Colour and font (a reference to the canvas's font); Bitmap is left.
  void GetParams(TcxViewParams& params) const;
  void SetParams(const TcxViewParams& params);
  // Turns the font by 'angle' degrees (counter-clockwise).
  void SetFontAngle(int angle);

  // ---- fills and frames (logical coordinates, Right and Bottom outside)
  // clNone fills nothing; clDefault fills with the current brush.
  void FillRect(const TRect& r, TColor color);
  // With a bitmap, tiles it from the logical origin; with 'excludeRect',
  // takes 'r' out of the clip region afterwards. Empty 'r': nothing.
  void FillRect(const TRect& r, TBitmap* bitmap = nullptr, bool excludeRect = false);
  void FillRect(const TRect& r, const TcxViewParams& params, TcxBorders borders = {},
                TColor borderColor = clDefault, int lineWidth = 1, bool excludeRect = false);
  // Bands of 'lineWidth' on the sides named, clamped to 'r'.
  void FrameRect(const TRect& r, TColor color = clDefault, int lineWidth = 1,
                 TcxBorders borders = cxBordersAll, bool excludeFrame = false);
  // Left and top in one colour, right and bottom in the other (the latter
  // own the shared corners).
  void DrawComplexFrame(const TRect& r, TColor leftTopColor, TColor rightBottomColor,
                        TcxBorders borders = cxBordersAll, int borderWidth = 1);
  void DrawEdge(const TRect& r, bool sunken, bool outer, TcxBorders borders = cxBordersAll);
  // The dotted focus rectangle (XOR: drawing it twice removes it).
  void DrawFocusRect(const TRect& r);
  void DrawDesignSelection(const TRect& r, int width = 2);
  void InvertRect(const TRect& r);
  void InvertFrame(const TRect& r, int width);
  void FillRegion(TcxRegion* region, TColor color);
  void FillRegion(HRGN region, TColor color);
  void FrameRegion(TcxRegion* region, TColor color = clDefault, int borderWidth = 1,
                   int borderHeight = 1);
  void FrameRegion(HRGN region, TColor color = clDefault, int borderWidth = 1,
                   int borderHeight = 1);
  void DrawRegion(TcxRegion* region, TColor contentColor = clDefault,
                  TColor borderColor = clDefault, int borderWidth = 1, int borderHeight = 1);
  void DrawRegion(HRGN region, TColor contentColor = clDefault, TColor borderColor = clDefault,
                  int borderWidth = 1, int borderHeight = 1);

  // ---- shapes and images
  void MoveTo(int x, int y) { m_canvas->MoveTo(x, y); }
  void LineTo(int x, int y) { m_canvas->LineTo(x, y); }
  void Polygon(std::span<const TPoint> points) { m_canvas->Polygon(points); }
  void Polyline(std::span<const TPoint> points) { m_canvas->Polyline(points); }
  void CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source) {
    m_canvas->CopyRect(dest, canvas, source);
  }
  void Draw(int x, int y, TGraphic* graphic) { m_canvas->Draw(x, y, graphic); }
  // The pie in 'r' from the radial through 'radial1' counter-clockwise to
  // the radial through 'radial2'.
  void Pie(const TRect& r, const TPoint& radial1, const TPoint& radial2);
  // The pie from 'startAngle' over 'sweepAngle' degrees (positive:
  // counter-clockwise; negative: clockwise).
  void Pie(const TRect& r, int startAngle, int sweepAngle);
  // The glyph with its transparent colour showing the background (clNone:
  // what lies under it); disabled, embossed.
  void DrawGlyph(int x, int y, TBitmap* glyph, bool enabled = true,
                 TColor backgroundColor = clNone);
  // Image 'index' of the list; nothing for an index outside it.
  void DrawImage(TCustomImageList* images, int x, int y, int index, bool enabled = true);
  // The bitmap over what lies under it (or over 'background') with constant
  // opacity 'alpha'.
  void TransparentDraw(int x, int y, TBitmap* bitmap, std::uint8_t alpha,
                       TBitmap* background = nullptr);
  static void FlipHorizontally(TBitmap* bitmap);
  // Turns the bitmap (resized for quarter turns), then mirrors it
  // vertically when 'flipVertically'.
  static void RotateBitmap(TBitmap* bitmap, TcxRotationAngle angle, bool flipVertically = false);

  // ---- text
  // The single-line size of the whole text; (0, 0) when the platform fails.
  TSize TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  // Makes 'font' the canvas font and answers the height of "Qq".
  int FontHeight(TFont* font);
  // Measures the text as DrawText lays it out in 'r' and places the result
  // inside 'r' by the alignment flags.
  void TextExtent(const std::string& text, TRect& r, int flags);
  void DrawTexT(const std::string& text, const TRect& r, int flags, bool enabled = true);
  // Moves r's top so that the wrapped text sits at the bottom or centre.
  void AlignMultiLineTextRectVertically(TRect& r, const std::string& text,
                                        TcxAlignmentVert alignmentVert, bool wordBreak,
                                        bool showPrefix, bool enabled = true,
                                        bool dontBreakChars = false);
  // Appends the rectangle of each line DrawTexT would draw.
  void GetTextStringsBounds(std::string text, TRect r, int flags, bool enabled,
                            TRectArray& rects);

  // ---- device-context state and clipping
  void SaveDC();
  // Back to the last saved state; nothing when none is saved.
  void RestoreDC();
  // A new region (the caller's) copying the clip region; (0, 0, 30000,
  // 30000) when there is none. With 'considerOrigin' in logical coordinates.
  TcxRegion* GetClipRegion(bool considerOrigin = true);
  // Combines the clip region with 'region', which is freed when 'destroy'.
  void SetClipRegion(TcxRegion* region, TcxRegionOperation operation, bool destroy = true,
                     bool considerOrigin = true);
  // The clip stack keeps logical coordinates: a clip saved before the window
  // origin moves is restored relative to the new origin.
  void SaveClipRegion();
  void RestoreClipRegion();
  void ExcludeClipRect(const TRect& r);
  void IntersectClipRect(const TRect& r);
  bool RectVisible(const TRect& r);
  bool RectFullyVisible(const TRect& r);
  void BeginPath();
  void EndPath();
  void WidenPath();
  // A new region (the caller's) of the current path.
  TcxRegion* PathToRegion();

private:
  void TileRect(const TRect& r, TBitmap* bitmap);
  void ExcludeFromClip(const TRect& r);

  TCanvas* m_canvas;
  std::vector<int> m_savedDCs;
  std::vector<TOwned<TcxRegion>> m_savedClipRegions;
};

// A canvas on the screen's device context; unlike a plain TcxCanvas it owns
// the platform canvas it wraps.
class TcxScreenCanvas : public TcxCanvas {
  OBJECT_CLASS(TcxScreenCanvas, TcxCanvas)
public:
  TcxScreenCanvas();
  ~TcxScreenCanvas() override;
};

// The module's screen canvas, made on first use; freed at the unit's
// shut-down.
TcxScreenCanvas* cxScreenCanvas();
void cxFreeScreenCanvas();
