#include "tests/platform/objects/FormTestClasses.h"

#include <algorithm>

#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "platform/rtl/Streams.h"

namespace form_test {

std::vector<std::string> g_loaded;

namespace {

using enum TComponentStateItem;

constexpr TIdentMapEntry kColors[] = {
    {static_cast<std::int32_t>(0x8000000F), "clBtnFace"},
    {0x0000FF, "clRed"},
};

std::string StateText(const TComponent* component) {
  std::string text = component->Name();
  if (component->ComponentState().Contains(csLoading))
    text += " loading";
  if (component->ComponentState().Contains(csReading))
    text += " reading";
  return text;
}

} // namespace

void TFontLike::Publish(TPublisher& p) {
  p.Property("Name", &TFontLike::FontName, &TFontLike::SetFontName)
      .Stored([](TFontLike* font) { return font->FontName() != "MS Sans Serif"; });
  p.Property("Size", &TFontLike::Size, &TFontLike::SetSize).Default(8);
  p.Property("Bold", &TFontLike::Bold, &TFontLike::SetBold).Default(false);
}

std::vector<const TColumn*> TColumn::alive;
int TColumn::linksToFreedColumns = 0;

void TColumn::Publish(TPublisher& p) {
  p.Property("Title", &TColumn::Title, &TColumn::SetTitle);
  p.Property("Width", &TColumn::Width, &TColumn::SetWidth).Default(64);
  p.Property<TColumn>(
       "Span", [](TColumn* column) { return column->Width() * 2; },
       [](TColumn* column, int span) { column->SetWidth(span / 2); })
      .Stored(false);
  p.Property("Link", &TColumn::Link, &TColumn::SetLink);
  p.Property("Columns", &TColumn::Columns);
}

TColumn::TColumn(TCollection* collection)
    : TCollectionItem(collection),
      m_columns(Create<TCollection>(TCollectionItemClass(TColumn::StaticClass()))) {
  alive.push_back(this);
}

TColumn::~TColumn() { std::erase(alive, this); }

void TColumn::SetLink(TWidget* link) {
  if (std::find(alive.begin(), alive.end(), this) == alive.end()) {
    ++linksToFreedColumns;
    return;
  }
  m_link = link;
}

TWidget::TWidget(TComponent* owner)
    : TComponent(owner), m_font(Create<TFontLike>()), m_lines(new TStringList),
      m_columns(Create<TCollection>(TCollectionItemClass(TColumn::StaticClass()))) {
  loadingInConstructor = ComponentState().Contains(csLoading);
}

void TWidget::Publish(TPublisher& p) {
  p.Property("Caption", &TWidget::Caption, &TWidget::SetCaption);
  p.Property("Width", &TWidget::Width, &TWidget::SetWidth).Default(75);
  p.Property("Color", &TWidget::Color, &TWidget::SetColor)
      .Default(static_cast<std::int32_t>(0x8000000F))
      .Idents(kColors);
  p.Property("Enabled", &TWidget::Enabled, &TWidget::SetEnabled).Default(true);
  p.Property("Kind", &TWidget::Kind, &TWidget::SetKind).Default(TKind::kOne);
  p.Property("Anchors", &TWidget::Anchors, &TWidget::SetAnchors)
      .Default(TAnchors{TAnchor::akLeft, TAnchor::akTop});
  p.Property("Ratio", &TWidget::Ratio, &TWidget::SetRatio);
  p.Property("PasswordChar", &TWidget::PasswordChar, &TWidget::SetPasswordChar).Default('\0');
  p.Property("Font", &TWidget::Font);
  p.Property("Lines", &TWidget::Lines);
  p.Property("Columns", &TWidget::Columns);
  p.Property("Link", &TWidget::Link, &TWidget::SetLink);
  p.Property("Hint", &TWidget::Hint, &TWidget::SetHint).Stored(&TWidget::IsHintStored);
  p.Property("Total", &TWidget::Total, &TWidget::SetTotal).Default(0);
  p.Property("Secret", &TWidget::Secret, &TWidget::SetSecret).Stored(false);
  p.Property("OnClick", &TWidget::OnClick, &TWidget::SetOnClick);
}

void TWidget::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (int i = 0; i < root->ComponentCount(); ++i) {
    TComponent* component = root->Components(i);
    if (component->GetParentComponent() == this)
      proc(component);
  }
}

void TWidget::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "Data",
      [this](TStream& stream) {
        data.resize(static_cast<std::size_t>(stream.Size()));
        if (!data.empty())
          stream.ReadBuffer(data.data(), static_cast<int>(data.size()));
      },
      [this](TStream& stream) { stream.WriteBuffer(data.data(), static_cast<int>(data.size())); },
      !data.empty());
  filer.DefineProperty(
      "Extra",
      [this](TReader& reader) {
        extra.clear();
        reader.ReadListBegin();
        while (!reader.EndOfList())
          extra.push_back(reader.ReadInteger());
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int value : extra)
          writer.WriteInteger(value);
        writer.WriteListEnd();
      },
      !extra.empty());
}

void TWidget::Loaded() {
  g_loaded.push_back(StateText(this));
  inherited::Loaded();
}

void TTestForm::Publish(TPublisher& p) {
  p.Method("Button1Click", &TTestForm::Button1Click);
  p.Method("KeyHandler", &TTestForm::KeyHandler);
}

void TTestForm::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (int i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent())
      proc(Components(i));
}

void TTestForm::Loaded() {
  g_loaded.push_back(StateText(this));
  inherited::Loaded();
}

TRegistration::TRegistration() {
  RegisterClasses({TWidget::StaticClass(), TTestForm::StaticClass()});
}

TRegistration::~TRegistration() {
  UnRegisterClasses({TWidget::StaticClass(), TTestForm::StaticClass()});
}

} // namespace form_test
