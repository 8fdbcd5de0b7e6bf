// The drawing tools a canvas selects: fonts, brushes and pens. Each keeps
// the description of its tool and makes the platform handle from it on first
// use; a change releases the handle (after the OnChange listeners, such as
// the canvas that has it selected, have let go of it) and announces itself
// through OnChange.
//
// Classes in this file: EInvalidGraphic, EInvalidGraphicOperation,
// TGraphicsObject, TFont, TBrush, TPen.
#pragma once

#include <cstdint>
#include <string>

#include "platform/graphics/Colors.h"
#include "platform/objects/Events.h"
#include "platform/objects/Persistent.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Sets.h"
#include "platform/rtl/WinApi.h"

class TBitmap;

class EInvalidGraphic : public Exception {
public:
  using Exception::Exception;
};

class EInvalidGraphicOperation : public Exception {
public:
  using Exception::Exception;
};

// Whether a handle given to a graphics object becomes its own (deleted when
// the object lets it go) or stays its giver's (system brushes, stock objects).
enum class THandleOwnership { Owned, Borrowed };

class TGraphicsObject : public TPersistent {
  OBJECT_CLASS(TGraphicsObject, TPersistent)
public:
  ~TGraphicsObject() override;

  const TNotifyEvent& OnChange() const { return m_onChange; }
  void SetOnChange(TNotifyEvent handler) { m_onChange = std::move(handler); }
  bool HandleAllocated() const { return m_handle != nullptr; }

protected:
  // The current handle, made by CreateObjectHandle when there is none.
  HGDIOBJ ObjectHandle();
  // Replaces the handle by one given from outside, then announces the change.
  void SetObjectHandle(HGDIOBJ handle, THandleOwnership ownership);
  // Makes the handle from the description; 'ownership' says whether the
  // object deletes it (stock objects are borrowed).
  virtual HGDIOBJ CreateObjectHandle(THandleOwnership& ownership) = 0;
  // Drops the handle (deleted once the listeners have been told) and
  // announces the change.
  virtual void Changed();

private:
  void DeleteHandle(HGDIOBJ handle, THandleOwnership ownership);

  TNotifyEvent m_onChange;
  HGDIOBJ m_handle = nullptr;
  THandleOwnership m_ownership = THandleOwnership::Owned;
};

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = std::uint8_t;

ENUM_NAMES(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut");
ENUM_NAMES(TFontPitch, "fpDefault", "fpVariable", "fpFixed");

// The names form definitions use for character sets ("TURKISH_CHARSET").
TIdentMap CharsetIdents();

// The pixels per inch of the screen, which font sizes in points refer to.
int ScreenPixelsPerInch();

// A font: a logical-font description (face, height, style, character set,
// pitch and whatever a handle given from outside carried, such as an
// escapement) plus the text colour, which is not part of the handle.
// Height < 0 is the character height in pixels, > 0 the cell height; Size is
// in points at PixelsPerInch.
class TFont : public TGraphicsObject {
  OBJECT_CLASS(TFont, TGraphicsObject)
public:
  static void Publish(TPublisher& publisher);

  TFont();

  void Assign(TPersistent* source) override;

  HFONT Handle() { return static_cast<HFONT>(ObjectHandle()); }
  // Takes ownership of 'handle' and reads its description back.
  void SetHandle(HFONT handle);

  TColor Color() const { return m_color; }
  void SetColor(TColor color);
  int Height() const { return m_data.lfHeight; }
  void SetHeight(int height);
  int Size() const;
  void SetSize(int points);
  // Windows-1254 text; at most 31 characters (EInvalidGraphic otherwise).
  std::string Name() const;
  void SetName(const std::string& name);
  TFontStyles Style() const;
  void SetStyle(TFontStyles style);
  TFontCharset Charset() const { return m_data.lfCharSet; }
  void SetCharset(TFontCharset charset);
  TFontPitch Pitch() const;
  void SetPitch(TFontPitch pitch);
  int PixelsPerInch() const { return m_pixelsPerInch; }
  void SetPixelsPerInch(int pixelsPerInch);

  // The logical-font record the handle is made from.
  const LOGFONTW& LogFont() const { return m_data; }

protected:
  HGDIOBJ CreateObjectHandle(THandleOwnership& ownership) override;

private:
  void SetData(const LOGFONTW& data);

  LOGFONTW m_data{};
  TColor m_color = clWindowText;
  int m_pixelsPerInch = 96;
};

enum class TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross,
};
ENUM_NAMES(TBrushStyle, "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
           "bsBDiagonal", "bsCross", "bsDiagCross");

// A brush: a colour and a style, or a pattern bitmap (which wins over the
// style). Colour clNone makes the brush clear; a colour given to a clear
// brush makes it solid again.
class TBrush : public TGraphicsObject {
  OBJECT_CLASS(TBrush, TGraphicsObject)
public:
  static void Publish(TPublisher& publisher);

  TBrush();
  ~TBrush() override;

  void Assign(TPersistent* source) override;

  HBRUSH Handle() { return static_cast<HBRUSH>(ObjectHandle()); }
  // Uses 'handle' from now on (owned unless said otherwise: the platform's
  // system-colour brushes are borrowed) and reads its colour and style back.
  void SetHandle(HBRUSH handle, THandleOwnership ownership = THandleOwnership::Owned);

  TColor Color() const { return m_color; }
  // Always makes a new handle, even for the same colour: a system colour may
  // have changed its value since.
  void SetColor(TColor color);
  TBrushStyle Style() const { return m_style; }
  void SetStyle(TBrushStyle style);
  // The pattern bitmap, nil for none. The brush keeps a copy of its picture
  // taken when it is set, so the bitmap may be freed afterwards.
  TBitmap* Bitmap() const { return m_bitmap; }
  void SetBitmap(TBitmap* bitmap);

protected:
  HGDIOBJ CreateObjectHandle(THandleOwnership& ownership) override;

private:
  void CopyPattern(const TBrush& source);

  TColor m_color = clWhite;
  TBrushStyle m_style = TBrushStyle::bsSolid;
  TBitmap* m_bitmap = nullptr;
  HBITMAP m_pattern = nullptr;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
ENUM_NAMES(TPenStyle, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
           "psInsideFrame");

// The raster operation a pen draws with (the platform's R2_* codes, see
// PenModeToROP2).
enum class TPenMode {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor,
};
ENUM_NAMES(TPenMode, "pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy",
           "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge",
           "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor");

// The platform's R2_* code of a pen mode.
int PenModeToROP2(TPenMode mode);

// A pen: colour, style and width make the handle; the mode is applied by the
// canvas to its device context.
class TPen : public TGraphicsObject {
  OBJECT_CLASS(TPen, TGraphicsObject)
public:
  static void Publish(TPublisher& publisher);

  void Assign(TPersistent* source) override;

  HPEN Handle() { return static_cast<HPEN>(ObjectHandle()); }
  // Takes ownership of 'handle' and reads its colour, style and width back.
  void SetHandle(HPEN handle);

  TColor Color() const { return m_color; }
  void SetColor(TColor color);
  TPenStyle Style() const { return m_style; }
  void SetStyle(TPenStyle style);
  int Width() const { return m_width; }
  void SetWidth(int width);
  TPenMode Mode() const { return m_mode; }
  void SetMode(TPenMode mode);

protected:
  HGDIOBJ CreateObjectHandle(THandleOwnership& ownership) override;

private:
  TColor m_color = clBlack;
  TPenStyle m_style = TPenStyle::psSolid;
  int m_width = 1;
  TPenMode m_mode = TPenMode::pmCopy;
};
