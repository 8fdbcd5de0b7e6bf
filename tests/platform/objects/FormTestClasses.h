// Classes that form-definition tests read and write: a form with widgets
// that publish every kind of property.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/objects/Collections.h"
#include "platform/objects/Components.h"
#include "platform/objects/Filer.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/StringLists.h"

namespace form_test {

enum class TKind { kOne, kTwo, kThree };
enum class TAnchor { akLeft, akTop, akRight, akBottom };
using TAnchors = Set<TAnchor>;

// Every Loaded call, in order, with the state the component was in.
extern std::vector<std::string> g_loaded;

class TWidget;

class TFontLike : public TPersistent {
  OBJECT_CLASS(TFontLike, TPersistent)
public:
  static void Publish(TPublisher& p);

  const std::string& FontName() const { return m_name; }
  void SetFontName(const std::string& name) { m_name = name; }
  int Size() const { return m_size; }
  void SetSize(int size) { m_size = size; }
  bool Bold() const { return m_bold; }
  void SetBold(bool bold) { m_bold = bold; }

private:
  std::string m_name = "MS Sans Serif";
  int m_size = 8;
  bool m_bold = false;
};

class TColumn : public TCollectionItem {
  OBJECT_CLASS(TColumn, TCollectionItem)
public:
  static void Publish(TPublisher& p);
  explicit TColumn(TCollection* collection);
  ~TColumn() override;

  const std::string& Title() const { return m_title; }
  void SetTitle(const std::string& title) { m_title = title; }
  int Width() const { return m_width; }
  void SetWidth(int width) { m_width = width; }
  TWidget* Link() const { return m_link; }
  // Counts, and does not store, a link given to a column already freed.
  void SetLink(TWidget* link);
  TCollection* Columns() const { return m_columns.get(); }

  // The columns alive now, and the links given to freed ones so far.
  static std::vector<const TColumn*> alive;
  static int linksToFreedColumns;

private:
  std::string m_title;
  int m_width = 64;
  TWidget* m_link = nullptr;
  TOwned<TCollection> m_columns;
};

class TWidget : public TComponent {
  OBJECT_CLASS(TWidget, TComponent)
public:
  static void Publish(TPublisher& p);

  explicit TWidget(TComponent* owner);

  const std::string& Caption() const { return m_caption; }
  void SetCaption(const std::string& caption) { m_caption = caption; }
  int Width() const { return m_width; }
  void SetWidth(int width) { m_width = width; }
  std::int32_t Color() const { return m_color; }
  void SetColor(std::int32_t color) { m_color = color; }
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool enabled) { m_enabled = enabled; }
  TKind Kind() const { return m_kind; }
  void SetKind(TKind kind) { m_kind = kind; }
  TAnchors Anchors() const { return m_anchors; }
  void SetAnchors(TAnchors anchors) { m_anchors = anchors; }
  double Ratio() const { return m_ratio; }
  void SetRatio(double ratio) { m_ratio = ratio; }
  char PasswordChar() const { return m_passwordChar; }
  void SetPasswordChar(char c) { m_passwordChar = c; }
  TFontLike* Font() const { return m_font.get(); }
  TStringList* Lines() const { return m_lines.get(); }
  TCollection* Columns() const { return m_columns.get(); }
  TWidget* Link() const { return m_link; }
  void SetLink(TWidget* link) { m_link = link; }
  const TNotifyEvent& OnClick() const { return m_onClick; }
  void SetOnClick(const TNotifyEvent& handler) { m_onClick = handler; }
  const std::string& Hint() const { return m_hint; }
  void SetHint(const std::string& hint) {
    m_hint = hint;
    m_hintAssigned = true;
  }
  bool IsHintStored() const { return m_hintAssigned; }
  std::int64_t Total() const { return m_total; }
  void SetTotal(std::int64_t total) { m_total = total; }
  int Secret() const { return m_secret; }
  void SetSecret(int secret) { m_secret = secret; }
  int Counter() const { return m_counter; }

  std::vector<std::uint8_t> data;
  std::vector<int> extra;
  TComponent* parentSeen = nullptr;
  bool loadingInConstructor = false;

  bool HasParent() const override { return m_parent != nullptr; }
  TComponent* GetParentComponent() const override { return m_parent; }
  void SetParentComponent(TComponent* parent) override {
    m_parent = dynamic_cast<TWidget*>(parent);
  }
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void DefineProperties(TFiler& filer) override;
  void Loaded() override;
  void Click(TObject*) { ++m_counter; }

private:
  std::string m_caption;
  int m_width = 75;
  std::int32_t m_color = static_cast<std::int32_t>(0x8000000F);
  bool m_enabled = true;
  TKind m_kind = TKind::kOne;
  TAnchors m_anchors{TAnchor::akLeft, TAnchor::akTop};
  double m_ratio = 0;
  char m_passwordChar = '\0';
  TOwned<TFontLike> m_font;
  std::unique_ptr<TStringList> m_lines;
  TOwned<TCollection> m_columns;
  TWidget* m_link = nullptr;
  TNotifyEvent m_onClick;
  std::string m_hint;
  bool m_hintAssigned = false;
  std::int64_t m_total = 0;
  int m_secret = 0;
  int m_counter = 0;
  TComponent* m_parent = nullptr;
};

class TTestForm : public TComponent {
  OBJECT_CLASS(TTestForm, TComponent)
public:
  static void Publish(TPublisher& p);
  using TComponent::TComponent;

  void Button1Click(TObject* sender) { clickedBy = sender; }
  void KeyHandler(int& key) { key = 0; }
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void Loaded() override;

  TObject* clickedBy = nullptr;
};

// Registers the classes that definitions name.
class TRegistration {
public:
  TRegistration();
  ~TRegistration();
  TRegistration(const TRegistration&) = delete;
  TRegistration& operator=(const TRegistration&) = delete;
};

} // namespace form_test

ENUM_NAMES(form_test::TKind, "kOne", "kTwo", "kThree");
ENUM_NAMES(form_test::TAnchor, "akLeft", "akTop", "akRight", "akBottom");
