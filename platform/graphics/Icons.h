// Icons.
//
// Classes in this file: TIcon.
#pragma once

#include <string>

#include "platform/graphics/Graphic.h"
#include "platform/rtl/WinApi.h"

class TIcon : public TGraphic {
  OBJECT_CLASS(TIcon, TGraphic)
public:
  ~TIcon() override;

  // Copies another icon's picture; nil empties.
  void Assign(TPersistent* source) override;

  bool Empty() const override { return m_handle == nullptr; }
  int Width() const override { return m_width; }
  int Height() const override { return m_height; }
  // An icon's size comes with its picture: EInvalidGraphicOperation
  // "Cannot change the size of an icon".
  void SetWidth(int width) override;
  void SetHeight(int height) override;

  HICON Handle() const { return m_handle; }
  // Takes ownership of 'handle' and takes the size from it.
  void SetHandle(HICON handle);
  // Gives the handle up to the caller; the icon is empty afterwards.
  HICON ReleaseHandle();

  // Loads the icon resource at the system's icon size.
  void LoadFromResourceName(HINSTANCE instance, const std::string& name) override;
  void LoadFromResourceID(HINSTANCE instance, int id) override;

protected:
  void Draw(TCanvas* canvas, const TRect& rect) override;

private:
  void Load(HINSTANCE instance, const WCHAR* name, const std::string& shownName);
  void Replace(HICON handle);

  HICON m_handle = nullptr;
  int m_width = 0;
  int m_height = 0;
};
