// The base of pictures a canvas can draw: bitmaps and icons.
//
// Classes in this file: TGraphic.
#pragma once

#include <string>

#include "platform/objects/Events.h"
#include "platform/objects/Persistent.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

class TCanvas;

class TGraphic : public TPersistent {
  OBJECT_CLASS(TGraphic, TPersistent)
public:
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual void SetWidth(int width) = 0;
  virtual int Height() const = 0;
  virtual void SetHeight(int height) = 0;
  // Whether drawing leaves the picture's transparent parts unpainted.
  virtual bool Transparent() const { return m_transparent; }
  virtual void SetTransparent(bool transparent);

  // Replaces the picture by the resource of that name (Windows-1254) in the
  // module 'instance' (nil: the program); EResNotFound when there is none.
  virtual void LoadFromResourceName(HINSTANCE instance, const std::string& name) = 0;
  // The same for a resource named by number.
  virtual void LoadFromResourceID(HINSTANCE instance, int id) = 0;

  const TNotifyEvent& OnChange() const { return m_onChange; }
  void SetOnChange(TNotifyEvent handler) { m_onChange = std::move(handler); }

protected:
  friend class TCanvas;
  // Draws the picture into 'rect' of the canvas, stretched to its size.
  virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;
  // Announces that the picture changed.
  virtual void Changed(TObject* sender);

private:
  TNotifyEvent m_onChange;
  bool m_transparent = false;
};

class EResNotFound : public Exception {
public:
  using Exception::Exception;
};
