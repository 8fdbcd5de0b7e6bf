#include "editors/cxEditButtons.h"

#include "framework/cxControlsUtils.h"

void TcxEditButton::Publish(TPublisher& p) {
  p.Property("Caption", &TcxEditButton::Caption, &TcxEditButton::SetCaption);
  p.Property("ContentAlignment", &TcxEditButton::ContentAlignment,
             &TcxEditButton::SetContentAlignment)
      .Default(TAlignment::taCenter);
  p.Property("Default", &TcxEditButton::Default, &TcxEditButton::SetDefault).Default(false);
  p.Property("Enabled", &TcxEditButton::Enabled, &TcxEditButton::SetEnabled).Default(true);
  p.Property("Glyph", &TcxEditButton::Glyph, &TcxEditButton::SetGlyph);
  p.Property("Kind", &TcxEditButton::Kind, &TcxEditButton::SetKind)
      .Default(TcxEditButtonKind::bkDown);
  p.Property("LeftAlignment", &TcxEditButton::LeftAlignment, &TcxEditButton::SetLeftAlignment)
      .Default(false);
  p.Property("Stretchable", &TcxEditButton::Stretchable, &TcxEditButton::SetStretchable)
      .Default(true);
  p.Property("Visible", &TcxEditButton::Visible, &TcxEditButton::SetVisible).Default(true);
  p.Property("Width", &TcxEditButton::Width, &TcxEditButton::SetWidth).Default(0);
}

// The defaults are in place before the button joins its collection, which
// hears of it once.
TcxEditButton::TcxEditButton(TCollection* Collection) : TCollectionItem(Collection) {}

TcxEditButton::~TcxEditButton() = default;

template <class T>
void TcxEditButton::SetAndAnnounce(T& field, const T& value) {
  if (field == value)
    return;
  field = value;
  Changed(false);
}

void TcxEditButton::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxEditButton*>(Source);
  if (!source) {
    TCollectionItem::Assign(Source);
    return;
  }
  TCollection* collection = Collection();
  if (collection)
    collection->BeginUpdate();
  try {
    SetCaption(source->Caption());
    m_visibleCaption = source->VisibleCaption();
    SetContentAlignment(source->ContentAlignment());
    SetDefault(source->Default());
    SetEnabled(source->Enabled());
    SetGlyph(source->Glyph());
    SetKind(source->Kind());
    SetLeftAlignment(source->LeftAlignment());
    SetStretchable(source->Stretchable());
    SetTextColor(source->TextColor());
    SetVisible(source->Visible());
    SetWidth(source->Width());
  } catch (...) {
    if (collection)
      collection->EndUpdate();
    throw;
  }
  if (collection)
    collection->EndUpdate();
}

void TcxEditButton::SetCaption(const std::string& Value) {
  if (m_caption == Value)
    return;
  m_caption = Value;
  m_visibleCaption = RemoveAccelChars(Value);
  Changed(false);
}

void TcxEditButton::SetContentAlignment(TAlignment Value) {
  SetAndAnnounce(m_contentAlignment, Value);
}

// One default button a collection: the others are cleared quietly, then all
// are announced.
void TcxEditButton::SetDefault(bool Value) {
  if (m_default == Value)
    return;
  if (Value)
    if (auto* buttons = dynamic_cast<TcxEditButtons*>(Collection()))
      for (int i = 0; i < buttons->Count(); ++i)
        buttons->Items(i)->m_default = false;
  m_default = Value;
  Changed(true);
}

void TcxEditButton::SetEnabled(bool Value) { SetAndAnnounce(m_enabled, Value); }

TBitmap* TcxEditButton::Glyph() const {
  if (!m_glyph)
    m_glyph.reset(Create<TBitmap>());
  auto* self = const_cast<TcxEditButton*>(this);
  m_glyph->SetOnChange(TNotifyEvent(self, &TcxEditButton::GlyphChanged));
  return m_glyph.get();
}

void TcxEditButton::SetGlyph(TBitmap* Value) {
  if (Value)
    Glyph()->Assign(Value);
  else
    m_glyph.reset();
  Changed(false);
}

void TcxEditButton::GlyphChanged(TObject*) { Changed(false); }

void TcxEditButton::SetKind(TcxEditButtonKind Value) { SetAndAnnounce(m_kind, Value); }

void TcxEditButton::SetLeftAlignment(bool Value) { SetAndAnnounce(m_leftAlignment, Value); }

void TcxEditButton::SetStretchable(bool Value) { SetAndAnnounce(m_stretchable, Value); }

void TcxEditButton::SetTextColor(TColor Value) { SetAndAnnounce(m_textColor, Value); }

void TcxEditButton::SetVisible(bool Value) { SetAndAnnounce(m_visible, Value); }

void TcxEditButton::SetWidth(int Value) {
  if (Value >= 0)
    SetAndAnnounce(m_width, Value);
}

TcxEditButtons::TcxEditButtons(TPersistent* AOwner)
    : TCollection(TcxEditButton::StaticClass()), m_owner(AOwner) {}

int TcxEditButtons::VisibleCount() const {
  int count = 0;
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Visible())
      ++count;
  return count;
}

void TcxEditButtons::Update(TCollectionItem*) {
  if (m_onChange)
    m_onChange(this);
}
