// The buttons an editor may carry inside its frame (drop-down, ellipsis,
// glyph or text, on either side of the text), as items of a collection that
// the editor's properties own.
#pragma once

#include <memory>
#include <string>

#include "platform/graphics/Bitmaps.h"
#include "platform/objects/Alignment.h"
#include "platform/objects/Collections.h"
#include "platform/objects/Events.h"
#include "platform/objects/PropertyRegistry.h"

enum class TcxEditButtonKind { bkEllipsis, bkDown, bkGlyph, bkText };
ENUM_NAMES(TcxEditButtonKind, "bkEllipsis", "bkDown", "bkGlyph", "bkText");

class TcxEditButton : public TCollectionItem {
  OBJECT_CLASS(TcxEditButton, TCollectionItem)
public:
  static void Publish(TPublisher& p);

  explicit TcxEditButton(TCollection* Collection);
  ~TcxEditButton() override;

  void Assign(TPersistent* Source) override;

  const std::string& Caption() const { return m_caption; }
  void SetCaption(const std::string& Value);
  // The caption without its accelerator marks.
  const std::string& VisibleCaption() const { return m_visibleCaption; }
  TAlignment ContentAlignment() const { return m_contentAlignment; }
  void SetContentAlignment(TAlignment Value);
  // Answers the editor's default-button key; one button of a collection at most.
  bool Default() const { return m_default; }
  void SetDefault(bool Value);
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool Value);
  // Made empty on first read; editing it announces the button as changed.
  TBitmap* Glyph() const;
  // Copies the bitmap; none frees the glyph.
  void SetGlyph(TBitmap* Value);
  TcxEditButtonKind Kind() const { return m_kind; }
  void SetKind(TcxEditButtonKind Value);
  bool LeftAlignment() const { return m_leftAlignment; }
  void SetLeftAlignment(bool Value);
  bool Stretchable() const { return m_stretchable; }
  void SetStretchable(bool Value);
  TColor TextColor() const { return m_textColor; }
  void SetTextColor(TColor Value);
  bool Visible() const { return m_visible; }
  void SetVisible(bool Value);
  // 0: automatic; a negative width is ignored.
  int Width() const { return m_width; }
  void SetWidth(int Value);

private:
  template <class T>
  void SetAndAnnounce(T& field, const T& value);
  void GlyphChanged(TObject* Sender);

  std::string m_caption;
  TAlignment m_contentAlignment = TAlignment::taCenter;
  bool m_default = false;
  bool m_enabled = true;
  mutable TOwned<TBitmap> m_glyph;
  TcxEditButtonKind m_kind = TcxEditButtonKind::bkDown;
  bool m_leftAlignment = false;
  bool m_stretchable = true;
  TColor m_textColor = clBtnText;
  bool m_visible = true;
  std::string m_visibleCaption;
  int m_width = 0;
};

class TcxEditButtons;
using TcxEditButtonsMeta = TClassOf<TcxEditButtons, TCollection::TMeta, TPersistent*>;

class TcxEditButtons : public TCollection {
  OBJECT_CLASS_META(TcxEditButtons, TCollection, TcxEditButtonsMeta)
public:
  explicit TcxEditButtons(TPersistent* AOwner);

  TcxEditButton* Add() { return static_cast<TcxEditButton*>(TCollection::Add()); }
  TcxEditButton* Items(int Index) const {
    return static_cast<TcxEditButton*>(TCollection::Items(Index));
  }
  void SetItems(int Index, TcxEditButton* Value) { SetItem(Index, Value); }
  int VisibleCount() const;

  // Told of every change of a button or of the collection.
  const TNotifyEvent& OnChange() const { return m_onChange; }
  void SetOnChange(const TNotifyEvent& Value) { m_onChange = Value; }

  TPersistent* GetOwner() override { return m_owner; }

protected:
  void Update(TCollectionItem* Item) override;

private:
  TPersistent* m_owner;
  TNotifyEvent m_onChange;
};
