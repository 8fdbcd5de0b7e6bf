// Points, sizes and rectangles, laid out as the platform's POINT, SIZE and
// RECT so they pass to Win32 unchanged. Left and Top lie inside a rectangle,
// Right and Bottom outside.
#pragma once

#include "platform/rtl/WinApi.h"

struct TPoint {
  int X = 0;
  int Y = 0;

  bool operator==(const TPoint&) const = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;

  bool operator==(const TSize&) const = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  TPoint TopLeft() const { return {Left, Top}; }
  TPoint BottomRight() const { return {Right, Bottom}; }
  bool operator==(const TRect&) const = default;
};

static_assert(sizeof(TPoint) == sizeof(POINT));
static_assert(sizeof(TSize) == sizeof(SIZE));
static_assert(sizeof(TRect) == sizeof(RECT));

inline TPoint Point(int x, int y) { return {x, y}; }
inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

// Views for calls into Win32.
inline RECT* AsRECT(TRect& r) { return reinterpret_cast<RECT*>(&r); }
inline const RECT* AsRECT(const TRect& r) { return reinterpret_cast<const RECT*>(&r); }
inline POINT* AsPOINT(TPoint& p) { return reinterpret_cast<POINT*>(&p); }
inline const POINT* AsPOINT(const TPoint& p) { return reinterpret_cast<const POINT*>(&p); }
inline SIZE* AsSIZE(TSize& s) { return reinterpret_cast<SIZE*>(&s); }
