// Buttons that show a picture beside their caption: the bit button (a
// platform push button the library draws) and the speed button (drawn by
// the library on its parent's window, so it never takes the focus).
//
// The picture (Glyph) leaves out its transparent colour: the colour of its
// bottom-left pixel unless the bitmap fixes another. Picture and caption sit
// side by side, the picture first, the pair centred; a disabled button shows
// both embossed.
//
// Classes in this file: TButtonGlyph, TBitBtn, TSpeedButton.
#pragma once

#include <string>

#include "platform/graphics/Bitmaps.h"
#include "platform/stdctrls/StdCtrls.h"

// The picture of a button and the drawing of picture and caption.
class TButtonGlyph {
public:
  // 'onChange' runs when the picture changes.
  explicit TButtonGlyph(TNotifyEvent onChange);
  ~TButtonGlyph();
  TButtonGlyph(const TButtonGlyph&) = delete;
  TButtonGlyph& operator=(const TButtonGlyph&) = delete;

  TBitmap* Glyph() const { return m_glyph.get(); }
  // Copies the picture (nil empties it).
  void SetGlyph(TBitmap* value) { m_glyph->Assign(value); }

  // Draws picture and caption centred in 'client', moved by 'offset' (a
  // pressed button moves its face), with the canvas's font.
  void Draw(TCanvas* canvas, const TRect& client, TPoint offset, const std::string& caption,
            bool enabled);

private:
  void DrawPicture(HDC dc, TPoint at, bool enabled);
  void DrawCaption(HDC dc, const TRect& bounds, const std::u16string& caption, bool enabled,
                   TColor color);

  TOwned<TBitmap> m_glyph;
};

// A push button whose face, picture and caption the library draws.
class TBitBtn : public TButton {
  OBJECT_CLASS(TBitBtn, TButton)
public:
  static void Publish(TPublisher& p);

  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;

  TBitmap* Glyph() const { return m_glyph.Glyph(); }
  void SetGlyph(TBitmap* value) { m_glyph.SetGlyph(value); }

  void Dispatch(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;

private:
  void DrawItem(const DRAWITEMSTRUCT& item);
  void GlyphChanged(TObject* sender);

  TButtonGlyph m_glyph;
  TOwned<TCanvas> m_canvas;
};

// A button without a window: it shows pressed while the left mouse button
// holds it down over it and clicks when released over it. A flat one shows
// its edge only while the mouse is over it.
class TSpeedButton : public TGraphicControl {
  OBJECT_CLASS(TSpeedButton, TGraphicControl)
public:
  static void Publish(TPublisher& p);

  explicit TSpeedButton(TComponent* owner);
  ~TSpeedButton() override;

  bool Flat() const { return m_flat; }
  void SetFlat(bool value);
  TBitmap* Glyph() const { return m_glyph.Glyph(); }
  void SetGlyph(TBitmap* value) { m_glyph.SetGlyph(value); }
  // Whether the button shows pressed.
  bool Pressed() const { return m_pressed; }

  void Click() override;
  void Dispatch(TMessage& message) override;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  void SetPressed(bool value);
  void SetMouseInControl(bool value);
  void GlyphChanged(TObject* sender);

  TButtonGlyph m_glyph;
  bool m_flat = false;
  bool m_pressed = false;
  bool m_mouseInControl = false;
};
