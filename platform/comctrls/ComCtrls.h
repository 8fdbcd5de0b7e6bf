// Common controls over the platform's comctl32 window classes: the status
// bar and the page control with its tab sheets.
//
// The status bar shows its panels side by side, or one simple text when it
// has no panels (or SimplePanel is set). It takes the place and size the
// library's alignment gives it (bottom by default, 19 pixels high) instead
// of placing itself.
//
// The page control shows one tab per tab sheet and, below the tabs, the
// active sheet; the other sheets are hidden. Clicking a tab asks OnChanging
// whether the page may change, then shows that tab's sheet and fires
// OnChange; setting ActivePage from code fires neither.
//
// Classes in this file: TStatusPanel, TStatusPanels, TStatusBar, TTabSheet,
// TPageControl.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/WinControls.h"
#include "platform/objects/Collections.h"

class TStatusBar;
class TPageControl;

class TStatusPanel : public TCollectionItem {
  OBJECT_CLASS(TStatusPanel, TCollectionItem)
public:
  static void Publish(TPublisher& p);

  explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}

  const std::string& Text() const { return m_text; }
  void SetText(const std::string& text);
  // The width in pixels; the last panel reaches to the bar's right end.
  int Width() const { return m_width; }
  void SetWidth(int width);

  void Assign(TPersistent* source) override;

private:
  std::string m_text;
  int m_width = 50;
};

class TStatusPanels : public TOwnedCollection {
  OBJECT_CLASS(TStatusPanels, TOwnedCollection)
public:
  explicit TStatusPanels(TStatusBar* statusBar);

  TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
  TStatusPanel* Items(int index) const {
    return static_cast<TStatusPanel*>(TCollection::Items(index));
  }

protected:
  void Update(TCollectionItem* item) override;

private:
  TStatusBar* m_statusBar = nullptr;
};

class TStatusBar : public TWinControl {
  OBJECT_CLASS(TStatusBar, TWinControl)
public:
  static void Publish(TPublisher& p);

  explicit TStatusBar(TComponent* owner);
  ~TStatusBar() override;

  TStatusPanels* Panels() const { return m_panels.get(); }
  // Whether the bar shows SimpleText instead of its panels.
  bool SimplePanel() const { return m_simplePanel; }
  void SetSimplePanel(bool value);
  const std::string& SimpleText() const { return m_simpleText; }
  void SetSimpleText(const std::string& text);
  // Whether the bar shows a size grip (on a form that can be resized).
  bool SizeGrip() const { return m_sizeGrip; }
  void SetSizeGrip(bool value);

  // Shows the panels or the simple text as they are now.
  void UpdatePanels();

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

private:
  bool ShowsSimpleText() const;
  void SetPartText(int part, const std::string& text);

  TOwned<TStatusPanels> m_panels;
  bool m_simplePanel = false;
  std::string m_simpleText;
  bool m_sizeGrip = true;
};

// A page of a page control: a container shown below its tab, which shows
// its Caption.
class TTabSheet : public TWinControl {
  OBJECT_CLASS(TTabSheet, TWinControl)
public:
  static void Publish(TPublisher& p);

  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  void BeforeDestruction() override;

  TPageControl* PageControl() const { return m_pageControl; }
  // Moves the sheet to another page control (nil: out of any), as its last
  // page; the page control becomes the sheet's parent.
  void SetPageControl(TPageControl* pageControl);
  // The position among the page control's pages, -1 without one.
  int PageIndex() const;
  void SetPageIndex(int index);

  // A page control as parent makes the sheet its last page.
  void SetParent(TWinControl* parent) override;
  void Dispatch(TMessage& message) override;

private:
  TPageControl* m_pageControl = nullptr;
};

using TTabChangingEvent = TDelegate<void(TObject* Sender, bool& AllowChange)>;

class TPageControl : public TWinControl {
  OBJECT_CLASS(TPageControl, TWinControl)
public:
  static void Publish(TPublisher& p);

  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(m_pages.size()); }
  // EListError for a bad index.
  TTabSheet* Pages(int index) const;
  TTabSheet* ActivePage() const { return m_activePage; }
  // Shows 'page' (one of this control's pages, else EInvalidOperation) and
  // hides the one shown before; nil shows none.
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  // The area the pages take: the client area without the tabs.
  TRect DisplayRect();

  void AdjustClientRect(TRect& rect) override;
  void Dispatch(TMessage& message) override;

  const TNotifyEvent& OnChange() const { return m_onChange; }
  void SetOnChange(const TNotifyEvent& e) { m_onChange = e; }
  const TTabChangingEvent& OnChanging() const { return m_onChanging; }
  void SetOnChanging(const TTabChangingEvent& e) { m_onChanging = e; }

protected:
  friend class TTabSheet;

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // Whether the page may change (OnChanging).
  virtual bool CanChange();
  // The page changed by a tab click (OnChange).
  virtual void Change();

private:
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  void UpdateTab(TTabSheet* page);
  void InsertTab(int index);
  void ShowPage(TTabSheet* page);
  void CNNotify(TWMNotify message);

  std::vector<TTabSheet*> m_pages;
  TTabSheet* m_activePage = nullptr;
  TNotifyEvent m_onChange;
  TTabChangingEvent m_onChanging;
};
