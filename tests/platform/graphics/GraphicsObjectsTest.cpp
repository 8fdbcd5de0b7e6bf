#include "tests/support/GTest.h"

#include <functional>
#include <vector>

#include "platform/graphics/GraphicsObjects.h"
#include "platform/objects/Components.h"
#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "platform/objects/PropertyRegistry.h"

namespace {

// Counts OnChange calls of a graphics object.
struct ChangeCounter {
  int count = 0;
  void Attach(TGraphicsObject* object) {
    object->SetOnChange([this](TObject*) { ++count; });
  }
};

TEST(Font, SizeInPointsFollowsHeightAtThePixelsPerInch) {
  struct Case {
    int pixelsPerInch;
    int size;
    int height;
  };
  const Case cases[] = {{96, 8, -11}, {96, 10, -13}, {120, 8, -13}, {72, 9, -9}};
  for (const Case& c : cases) {
    TOwned<TFont> font(Create<TFont>());
    font->SetPixelsPerInch(c.pixelsPerInch);
    font->SetSize(c.size);
    EXPECT_EQ(font->Height(), c.height) << c.pixelsPerInch << " " << c.size;
    font->SetHeight(c.height);
    EXPECT_EQ(font->Size(), c.size) << c.pixelsPerInch << " " << c.height;
  }
}

TEST(Font, NewFontDescribesEightPointsOfTheDefaultFace) {
  TOwned<TFont> font(Create<TFont>());
  EXPECT_EQ(font->Name(), "MS Sans Serif");
  EXPECT_EQ(font->Size(), 8);
  EXPECT_EQ(font->Charset(), DEFAULT_CHARSET);
  EXPECT_EQ(font->Color(), clWindowText);
  EXPECT_EQ(font->Style(), TFontStyles{});
  EXPECT_EQ(font->Pitch(), TFontPitch::fpDefault);
  EXPECT_EQ(font->PixelsPerInch(), ScreenPixelsPerInch());
}

TEST(Font, SettersAnnounceOnlyChangedValues) {
  const std::vector<std::pair<const char*, std::function<void(TFont*)>>> setters = {
      {"Color", [](TFont* f) { f->SetColor(clRed); }},
      {"Height", [](TFont* f) { f->SetHeight(-20); }},
      {"Size", [](TFont* f) { f->SetSize(15); }},
      {"Name", [](TFont* f) { f->SetName("Tahoma"); }},
      {"Style", [](TFont* f) { f->SetStyle({TFontStyle::fsBold, TFontStyle::fsUnderline}); }},
      {"Charset", [](TFont* f) { f->SetCharset(TURKISH_CHARSET); }},
      {"Pitch", [](TFont* f) { f->SetPitch(TFontPitch::fpFixed); }},
      {"PixelsPerInch", [](TFont* f) { f->SetPixelsPerInch(144); }},
  };
  for (const auto& [name, set] : setters) {
    TOwned<TFont> font(Create<TFont>());
    ChangeCounter counter;
    counter.Attach(font.get());
    set(font.get());
    set(font.get());
    EXPECT_EQ(counter.count, 1) << name;
  }
}

TEST(Font, ChangeReleasesTheHandleAndTheNextOneFollowsTheDescription) {
  TOwned<TFont> font(Create<TFont>());
  HFONT first = font->Handle();
  EXPECT_EQ(font->Handle(), first);
  font->SetStyle({TFontStyle::fsBold, TFontStyle::fsItalic});
  EXPECT_EQ(::GetObjectType(first), 0u);
  LOGFONTW data{};
  ASSERT_EQ(::GetObjectW(font->Handle(), sizeof(data), &data), static_cast<int>(sizeof(data)));
  EXPECT_EQ(data.lfWeight, FW_BOLD);
  EXPECT_TRUE(data.lfItalic);
  EXPECT_FALSE(data.lfUnderline);
}

TEST(Font, TurkishNamesSurviveAndOverlongNamesAreRefused) {
  TOwned<TFont> font(Create<TFont>());
  const std::string name = "\xC7izgi \xDD\xFE\xF0\xFC\xF6\xE7\xFD";
  font->SetName(name);
  EXPECT_EQ(font->Name(), name);
  EXPECT_EQ(font->LogFont().lfFaceName[0], 0x00C7);
  EXPECT_THROW(font->SetName(std::string(32, 'x')), EInvalidGraphic);
  EXPECT_EQ(font->Name(), name);
  font->SetName(std::string(31, 'x'));
  EXPECT_EQ(font->Name(), std::string(31, 'x'));
}

TEST(Font, HandleSetterTakesTheHandleAndAssignKeepsWhatItCarried) {
  LOGFONTW data{};
  data.lfHeight = -17;
  data.lfEscapement = 900;
  data.lfOrientation = 900;
  data.lfWeight = FW_BOLD;
  data.lfCharSet = TURKISH_CHARSET;
  HFONT handle = ::CreateFontIndirectW(&data);
  TOwned<TFont> font(Create<TFont>());
  ChangeCounter counter;
  counter.Attach(font.get());
  font->SetHandle(handle);
  EXPECT_EQ(counter.count, 1);
  EXPECT_EQ(font->Handle(), handle);
  EXPECT_EQ(font->Height(), -17);
  EXPECT_EQ(font->Charset(), TURKISH_CHARSET);
  EXPECT_TRUE(font->Style().Contains(TFontStyle::fsBold));

  TOwned<TFont> copy(Create<TFont>());
  copy->Assign(font.get());
  LOGFONTW copied{};
  ::GetObjectW(copy->Handle(), sizeof(copied), &copied);
  EXPECT_EQ(copied.lfEscapement, 900);
  font.reset();
  EXPECT_EQ(::GetObjectType(handle), 0u) << "the font did not own the handle it was given";
}

TEST(Font, AssignCopiesEverythingAndRefusesOtherClasses) {
  TOwned<TFont> source(Create<TFont>());
  source->SetName("Tahoma");
  source->SetSize(11);
  source->SetColor(clRed);
  source->SetStyle({TFontStyle::fsStrikeOut});
  TOwned<TFont> target(Create<TFont>());
  target->Assign(source.get());
  EXPECT_EQ(target->Name(), "Tahoma");
  EXPECT_EQ(target->Size(), 11);
  EXPECT_EQ(target->Color(), clRed);
  EXPECT_EQ(target->Style(), TFontStyles{TFontStyle::fsStrikeOut});
  TOwned<TBrush> brush(Create<TBrush>());
  EXPECT_THROW(target->Assign(brush.get()), EConvertError);
}

TEST(Font, PublishesWhatFormDefinitionsStore) {
  std::vector<std::string> names;
  for (const TPropertyInfo* info : GetPropList(TFont::StaticClass()))
    names.push_back(info->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"Charset", "Color", "Height", "Name", "Pitch",
                                             "Size", "Style"}));
  TOwned<TFont> font(Create<TFont>());
  EXPECT_FALSE(GetPropInfo(TFont::StaticClass(), "Size")->IsStored(font.get()));
}

// A component that stores a font, as controls do.
class TFontHolder : public TComponent {
  OBJECT_CLASS(TFontHolder, TComponent)
public:
  static void Publish(TPublisher& p) { p.Property("Font", &TFontHolder::Font); }
  using TComponent::TComponent;
  TFont* Font() const { return m_font.get(); }

private:
  TOwned<TFont> m_font{Create<TFont>()};
};

TEST(Font, EveryNameReadsBackFromWhatIsWritten) {
  for (const char* name : {"", "MS Sans Serif", "Tahoma"}) {
    TOwned<TFontHolder> holder(Create<TFontHolder>(nullptr));
    holder->Font()->SetName(name);
    const std::string written = WriteFormDefinition(holder.get());
    TOwned<TFontHolder> copy(Create<TFontHolder>(nullptr));
    ReadFormDefinition(written, copy.get());
    EXPECT_EQ(copy->Font()->Name(), name) << written;
  }
  struct Case {
    const char* stored;
    const char* read;
  };
  const Case cases[] = {{"  Font.Name = ''\n", ""}, {"", "MS Sans Serif"}};
  for (const Case& c : cases) {
    TOwned<TFontHolder> holder(Create<TFontHolder>(nullptr));
    ReadFormDefinition("object TFontHolder\n" + std::string(c.stored) + "end\n", holder.get());
    EXPECT_EQ(holder->Font()->Name(), c.read) << c.stored;
  }
}

TEST(Brush, ClearAndSolidFollowTheColour) {
  TOwned<TBrush> brush(Create<TBrush>());
  EXPECT_EQ(brush->Color(), clWhite);
  EXPECT_EQ(brush->Style(), TBrushStyle::bsSolid);
  brush->SetColor(clNone);
  EXPECT_EQ(brush->Style(), TBrushStyle::bsClear);
  EXPECT_EQ(brush->Handle(), ::GetStockObject(NULL_BRUSH));
  brush->SetColor(clRed);
  EXPECT_EQ(brush->Style(), TBrushStyle::bsSolid);
  brush->SetStyle(TBrushStyle::bsClear);
  brush->SetStyle(TBrushStyle::bsCross);
  LOGBRUSH data{};
  ::GetObjectW(brush->Handle(), sizeof(data), &data);
  EXPECT_EQ(data.lbStyle, static_cast<UINT>(BS_HATCHED));
  EXPECT_EQ(data.lbHatch, static_cast<ULONG_PTR>(HS_CROSS));
  EXPECT_EQ(data.lbColor, static_cast<COLORREF>(clRed));
}

TEST(Brush, SettingTheSameColourMakesANewHandleForChangedSystemColours) {
  TOwned<TBrush> brush(Create<TBrush>());
  ChangeCounter counter;
  counter.Attach(brush.get());
  LOGBRUSH data{};
  {
    TSysColorFunction previous = SetSysColorFunction([](int) { return RGB(1, 2, 3); });
    brush->SetColor(clBtnFace);
    ::GetObjectW(brush->Handle(), sizeof(data), &data);
    EXPECT_EQ(data.lbColor, RGB(1, 2, 3));
    SetSysColorFunction([](int) { return RGB(4, 5, 6); });
    brush->SetColor(clBtnFace);
    ::GetObjectW(brush->Handle(), sizeof(data), &data);
    EXPECT_EQ(data.lbColor, RGB(4, 5, 6));
    SetSysColorFunction(previous);
  }
  EXPECT_EQ(counter.count, 2);
}

TEST(Brush, BorrowedHandlesAreNeverDeleted) {
  HBRUSH system = ::GetSysColorBrush(COLOR_BTNFACE);
  TOwned<TBrush> brush(Create<TBrush>());
  brush->SetHandle(system, THandleOwnership::Borrowed);
  EXPECT_EQ(brush->Handle(), system);
  EXPECT_EQ(brush->Color(), static_cast<TColor>(::GetSysColor(COLOR_BTNFACE)));
  brush->SetColor(clRed);
  EXPECT_NE(brush->Handle(), system);
  brush->SetHandle(system, THandleOwnership::Borrowed);
  brush.reset();
  EXPECT_EQ(::GetObjectType(system), static_cast<DWORD>(OBJ_BRUSH));

  HBRUSH owned = ::CreateSolidBrush(RGB(9, 9, 9));
  TOwned<TBrush> owner(Create<TBrush>());
  owner->SetHandle(owned);
  EXPECT_EQ(owner->Color(), static_cast<TColor>(RGB(9, 9, 9)));
  owner.reset();
  EXPECT_EQ(::GetObjectType(owned), 0u);
}

TEST(Pen, HandleFollowsColourStyleAndWidth) {
  TOwned<TPen> pen(Create<TPen>());
  ChangeCounter counter;
  counter.Attach(pen.get());
  pen->SetColor(clBlue);
  pen->SetStyle(TPenStyle::psDot);
  pen->SetWidth(1);
  pen->SetMode(TPenMode::pmXor);
  pen->SetMode(TPenMode::pmXor);
  EXPECT_EQ(counter.count, 3);
  LOGPEN data{};
  ::GetObjectW(pen->Handle(), sizeof(data), &data);
  EXPECT_EQ(data.lopnColor, static_cast<COLORREF>(clBlue));
  EXPECT_EQ(data.lopnStyle, static_cast<UINT>(PS_DOT));
  EXPECT_EQ(PenModeToROP2(pen->Mode()), R2_XORPEN);
  EXPECT_EQ(PenModeToROP2(TPenMode::pmCopy), R2_COPYPEN);
  EXPECT_THROW(pen->SetWidth(-1), EInvalidGraphic);

  TOwned<TPen> copy(Create<TPen>());
  copy->SetHandle(::CreatePen(PS_DASH, 3, RGB(7, 8, 9)));
  EXPECT_EQ(copy->Style(), TPenStyle::psDash);
  EXPECT_EQ(copy->Width(), 3);
  EXPECT_EQ(copy->Color(), static_cast<TColor>(RGB(7, 8, 9)));
  copy->Assign(pen.get());
  EXPECT_EQ(copy->Mode(), TPenMode::pmXor);
  EXPECT_EQ(copy->Color(), clBlue);
}

} // namespace
