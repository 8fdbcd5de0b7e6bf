// Checks one of the program's cursor resources as a person would see it.
#pragma once

#include "platform/graphics/Resources.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"
#include "tests/support/GTest.h"

// The cursor loads as a cursor (not an icon), draws ink on a 32 x 32 cell and
// leaves the cell's right corners transparent.
inline void ExpectCursorResourceDraws(const char* name) {
  HCURSOR cursor = LoadCursorResource(nullptr, name);
  TOwned<TBitmap> target = MakeBitmap(32, 32, clBlue);
  ::DrawIconEx(target->Canvas()->Handle(), 0, 0, cursor, 32, 32, 0, nullptr, DI_NORMAL);
  EXPECT_TRUE(HasInk(target->Canvas(), Rect(0, 0, 32, 32), clBlue)) << name;
  EXPECT_EQ(MismatchedProbes(target->Canvas(), {{31, 0, clBlue}, {31, 31, clBlue}}), "")
      << name << ": the corners are not transparent";
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(cursor, &info)) << name;
  EXPECT_FALSE(info.fIcon) << name;
  ::DeleteObject(info.hbmMask);
  if (info.hbmColor)
    ::DeleteObject(info.hbmColor);
  ::DestroyCursor(cursor);
}
