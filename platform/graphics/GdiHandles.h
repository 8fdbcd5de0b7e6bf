// Ownership of platform drawing handles: GDI objects, memory device contexts,
// window device contexts and selections, each released by its holder's
// destructor.
//
// Classes in this file: TGdiObject, TMemoryDC, TWindowDC, TSelectObject.
#pragma once

#include <utility>

#include "platform/rtl/WinApi.h"

// One GDI object (pen, brush, font, bitmap, region), deleted with the holder.
template <class H>
class TGdiObject {
public:
  TGdiObject() = default;
  explicit TGdiObject(H handle) : m_handle(handle) {}
  ~TGdiObject() { Reset(); }
  TGdiObject(TGdiObject&& other) noexcept : m_handle(other.Release()) {}
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other)
      Reset(other.Release());
    return *this;
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;

  H Get() const { return m_handle; }
  explicit operator bool() const { return m_handle != nullptr; }
  // Gives the handle up without deleting it.
  H Release() { return std::exchange(m_handle, nullptr); }
  void Reset(H handle = nullptr) {
    H old = std::exchange(m_handle, handle);
    if (old)
      ::DeleteObject(old);
  }

private:
  H m_handle = nullptr;
};

using TOwnedBitmap = TGdiObject<HBITMAP>;
using TOwnedBrush = TGdiObject<HBRUSH>;
using TOwnedPen = TGdiObject<HPEN>;
using TOwnedFont = TGdiObject<HFONT>;
using TOwnedRegion = TGdiObject<HRGN>;

// A memory device context compatible with the screen (or with 'like').
class TMemoryDC {
public:
  explicit TMemoryDC(HDC like = nullptr);
  ~TMemoryDC();
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;

  HDC Get() const { return m_dc; }

private:
  HDC m_dc = nullptr;
};

// The device context of a window (nil: the screen), released with the holder.
class TWindowDC {
public:
  explicit TWindowDC(HWND window = nullptr);
  ~TWindowDC();
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;

  HDC Get() const { return m_dc; }

private:
  HWND m_window = nullptr;
  HDC m_dc = nullptr;
};

// Selects an object into a device context and selects the previous one back
// when the guard ends.
class TSelectObject {
public:
  TSelectObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
  ~TSelectObject() {
    if (m_previous)
      ::SelectObject(m_dc, m_previous);
  }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

private:
  HDC m_dc;
  HGDIOBJ m_previous;
};
