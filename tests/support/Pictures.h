// Pictures of what tests draw: PNG files for people to look at, and windows
// rendered into bitmaps whose pixels tests read back.
#pragma once

#include <string>

#include "platform/rtl/WinApi.h"

class TBitmap;

// The PNG file of the bitmap's pixels: 8-bit RGB, uncompressed ("stored")
// deflate blocks, so no compression library is needed.
std::string EncodePng(TBitmap* bitmap);
// Writes EncodePng's bytes to 'path' (Windows-1254); EFCreateError when the
// file cannot be written.
void WritePng(TBitmap* bitmap, const std::string& path);
// Writes <folder>/<name>.png when the environment variable TEST_PICTURES
// names a folder; does nothing otherwise, so test runs leave no files.
void SavePicture(TBitmap* bitmap, const std::string& name);

// Makes the bitmap a 32-bit picture of the window (its frame, client area
// and child windows, or its client area only) as the window paints itself
// into a given device context (WM_PRINT).
void RenderWindow(HWND window, TBitmap* bitmap, bool clientOnly = false);
// Makes the bitmap a 32-bit copy of what the screen shows of the window,
// frame included.
void CaptureScreen(HWND window, TBitmap* bitmap);
