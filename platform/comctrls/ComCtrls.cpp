#include "platform/comctrls/ComCtrls.h"

#include <algorithm>

#include "platform/controls/Forms.h"
#include "platform/rtl/WideText.h"

#include <commctrl.h>

namespace {

// Registers the comctl32 window classes a control superclasses.
void InitCommonControlClasses(DWORD classes) {
  INITCOMMONCONTROLSEX init{};
  init.dwSize = sizeof(init);
  init.dwICC = classes;
  ::InitCommonControlsEx(&init);
}

bool IsSizeableForm(TControl* control) {
  TCustomForm* form = GetParentForm(control);
  return form && (form->BorderStyle() == TFormBorderStyle::bsSizeable ||
                  form->BorderStyle() == TFormBorderStyle::bsSizeToolWin);
}

} // namespace

// ---- TStatusPanel ---------------------------------------------------------

void TStatusPanel::Publish(TPublisher& p) {
  p.Property("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
  p.Property("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth).Default(50);
}

void TStatusPanel::SetText(const std::string& text) {
  if (m_text == text)
    return;
  m_text = text;
  Changed(false);
}

void TStatusPanel::SetWidth(int width) {
  if (width < 0)
    throw ERangeError("Panel width cannot be negative (" + std::to_string(width) + ")");
  if (m_width == width)
    return;
  m_width = width;
  Changed(true);
}

void TStatusPanel::Assign(TPersistent* source) {
  auto* panel = dynamic_cast<TStatusPanel*>(source);
  if (!panel) {
    inherited::Assign(source);
    return;
  }
  m_text = panel->m_text;
  m_width = panel->m_width;
  Changed(true);
}

// ---- TStatusPanels --------------------------------------------------------

TStatusPanels::TStatusPanels(TStatusBar* statusBar)
    : TOwnedCollection(statusBar, TStatusPanel::StaticClass()), m_statusBar(statusBar) {}

void TStatusPanels::Update(TCollectionItem*) { m_statusBar->UpdatePanels(); }

// ---- TStatusBar -----------------------------------------------------------

void TStatusBar::Publish(TPublisher& p) {
  p.Property("Align", &TControl::Align, &TControl::SetAlign).Default(TAlign::alBottom);
  p.Property("Color", &TControl::Color, &TControl::SetColor)
      .Idents(ColorIdents())
      .Default(clBtnFace)
      .Stored([](TControl* c) { return !c->ParentColor(); });
  p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false);
  p.Property("Panels", &TStatusBar::Panels);
  p.Property("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel)
      .Default(false);
  p.Property("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
  p.Property("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip).Default(true);
}

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner), m_panels(Create<TStatusPanels>(this)) {
  SetControlStyle({TControlStyleItem::csCaptureMouse, TControlStyleItem::csClickEvents,
                   TControlStyleItem::csDoubleClicks, TControlStyleItem::csOpaque});
  SetColor(clBtnFace);
  SetBounds(0, 0, 200, 19);
  SetAlign(TAlign::alBottom);
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::SetSimplePanel(bool value) {
  if (m_simplePanel == value)
    return;
  m_simplePanel = value;
  UpdatePanels();
}

void TStatusBar::SetSimpleText(const std::string& text) {
  if (m_simpleText == text)
    return;
  m_simpleText = text;
  if (HandleAllocated() && ShowsSimpleText())
    SetPartText(SB_SIMPLEID, m_simpleText);
}

void TStatusBar::SetSizeGrip(bool value) {
  if (m_sizeGrip == value)
    return;
  m_sizeGrip = value;
  RecreateWnd();
}

bool TStatusBar::ShowsSimpleText() const { return m_simplePanel || m_panels->Count() == 0; }

void TStatusBar::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  InitCommonControlClasses(ICC_BAR_CLASSES);
  CreateSubClass(params, "msctls_statusbar32");
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
  if (m_sizeGrip && IsSizeableForm(this))
    params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd() {
  inherited::CreateWnd();
  UpdatePanels();
}

void TStatusBar::UpdatePanels() {
  if (!HandleAllocated() || ComponentState().Contains(TComponentStateItem::csDestroying))
    return;
  if (ShowsSimpleText()) {
    ::SendMessageW(Handle(), SB_SIMPLE, TRUE, 0);
    SetPartText(SB_SIMPLEID, m_simpleText);
    return;
  }
  ::SendMessageW(Handle(), SB_SIMPLE, FALSE, 0);
  std::vector<int> edges;
  int right = 0;
  for (int i = 0; i < m_panels->Count(); ++i) {
    right += m_panels->Items(i)->Width();
    edges.push_back(right);
  }
  edges.back() = -1;
  ::SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (int i = 0; i < m_panels->Count(); ++i)
    SetPartText(i, m_panels->Items(i)->Text());
}

void TStatusBar::SetPartText(int part, const std::string& text) {
  const std::u16string wide = AnsiToWide(text);
  ::SendMessageW(Handle(), SB_SETTEXTW, static_cast<WPARAM>(part),
                 reinterpret_cast<LPARAM>(WidePtr(wide)));
}

// ---- TTabSheet ------------------------------------------------------------

void TTabSheet::Publish(TPublisher& p) {
  p.Property("Align", &TControl::Align, &TControl::SetAlign).Stored(false);
  p.Property("Visible", &TControl::Visible, &TControl::SetVisible).Stored(false);
  p.Property("Caption", &TControl::Caption, &TControl::SetCaption);
  p.Property("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex).Stored(false);
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() + TControlStyle{TControlStyleItem::csAcceptsControls});
  SetAlign(TAlign::alClient);
  SetVisible(false);
}

TTabSheet::~TTabSheet() = default;

void TTabSheet::BeforeDestruction() {
  if (m_pageControl)
    std::exchange(m_pageControl, nullptr)->RemovePage(this);
  inherited::BeforeDestruction();
}

void TTabSheet::SetPageControl(TPageControl* pageControl) { SetParent(pageControl); }

void TTabSheet::SetParent(TWinControl* parent) {
  auto* pageControl = dynamic_cast<TPageControl*>(parent);
  if (m_pageControl && m_pageControl != pageControl)
    std::exchange(m_pageControl, nullptr)->RemovePage(this);
  inherited::SetParent(parent);
  if (pageControl && m_pageControl != pageControl) {
    m_pageControl = pageControl;
    pageControl->InsertPage(this);
  }
}

int TTabSheet::PageIndex() const {
  if (!m_pageControl)
    return -1;
  const auto& pages = m_pageControl->m_pages;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
  if (m_pageControl && index != PageIndex())
    m_pageControl->MovePage(this, index);
}

void TTabSheet::Dispatch(TMessage& message) {
  inherited::Dispatch(message);
  if (message.Msg == CM_TEXTCHANGED && m_pageControl)
    m_pageControl->UpdateTab(this);
}

// ---- TPageControl ---------------------------------------------------------

void TPageControl::Publish(TPublisher& p) {
  p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true);
  p.Property("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
  p.Property("OnChange", &TPageControl::OnChange, &TPageControl::SetOnChange);
  p.Property("OnChanging", &TPageControl::OnChanging, &TPageControl::SetOnChanging);
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() + TControlStyle{TControlStyleItem::csAcceptsControls});
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
}

TPageControl::~TPageControl() = default;

TTabSheet* TPageControl::Pages(int index) const {
  if (index < 0 || index >= PageCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return m_pages[static_cast<std::size_t>(index)];
}

int TPageControl::ActivePageIndex() const { return m_activePage ? m_activePage->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index < 0 ? nullptr : Pages(index));
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->PageControl() != this)
    throw EInvalidOperation("Tab sheet '" + page->Name() + "' is not a page of '" + Name() +
                            "'");
  if (page != m_activePage)
    ShowPage(page);
}

void TPageControl::ShowPage(TTabSheet* page) {
  TTabSheet* old = std::exchange(m_activePage, page);
  if (HandleAllocated())
    ::SendMessageW(Handle(), TCM_SETCURSEL, page ? page->PageIndex() : -1, 0);
  if (page) {
    page->SetVisible(true);
    page->BringToFront();
  }
  if (old && old != page)
    old->SetVisible(false);
}

void TPageControl::InsertPage(TTabSheet* page) {
  m_pages.push_back(page);
  if (HandleAllocated())
    InsertTab(PageCount() - 1);
}

void TPageControl::RemovePage(TTabSheet* page) {
  const auto found = std::find(m_pages.begin(), m_pages.end(), page);
  if (found == m_pages.end())
    return;
  const auto index = static_cast<int>(found - m_pages.begin());
  m_pages.erase(found);
  const bool destroying = ComponentState().Contains(TComponentStateItem::csDestroying);
  if (HandleAllocated() && !destroying)
    ::SendMessageW(Handle(), TCM_DELETEITEM, index, 0);
  if (page != m_activePage)
    return;
  m_activePage = nullptr;
  if (!destroying && !m_pages.empty())
    ShowPage(m_pages[static_cast<std::size_t>(std::min(index, PageCount() - 1))]);
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  index = std::clamp(index, 0, PageCount() - 1);
  std::erase(m_pages, page);
  m_pages.insert(m_pages.begin() + index, page);
  if (!HandleAllocated())
    return;
  ::SendMessageW(Handle(), TCM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < PageCount(); ++i)
    InsertTab(i);
  ::SendMessageW(Handle(), TCM_SETCURSEL, ActivePageIndex(), 0);
}

void TPageControl::InsertTab(int index) {
  std::u16string caption = AnsiToWide(Pages(index)->Caption());
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = WidePtr(caption);
  ::SendMessageW(Handle(), TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

void TPageControl::UpdateTab(TTabSheet* page) {
  if (!HandleAllocated())
    return;
  std::u16string caption = AnsiToWide(page->Caption());
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = WidePtr(caption);
  ::SendMessageW(Handle(), TCM_SETITEMW, page->PageIndex(), reinterpret_cast<LPARAM>(&item));
  Realign();
}

void TPageControl::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  InitCommonControlClasses(ICC_TAB_CLASSES);
  CreateSubClass(params, "SysTabControl32");
  params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TPageControl::CreateWnd() {
  inherited::CreateWnd();
  for (int i = 0; i < PageCount(); ++i)
    InsertTab(i);
  ::SendMessageW(Handle(), TCM_SETCURSEL, ActivePageIndex(), 0);
  Realign();
}

TRect TPageControl::DisplayRect() {
  TRect rect = ClientRect();
  if (HandleAllocated())
    ::SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(AsRECT(rect)));
  return rect;
}

void TPageControl::AdjustClientRect(TRect& rect) {
  rect = DisplayRect();
  inherited::AdjustClientRect(rect);
}

void TPageControl::Dispatch(TMessage& message) {
  if (message.Msg == CN_NOTIFY)
    CNNotify(TWMNotify(message));
  else
    inherited::Dispatch(message);
}

void TPageControl::CNNotify(TWMNotify message) {
  switch (message.NMHdr()->code) {
  case TCN_SELCHANGING: message.SetResult(CanChange() ? FALSE : TRUE); break;
  case TCN_SELCHANGE: {
    const auto index = static_cast<int>(::SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
    if (index >= 0 && index < PageCount())
      ShowPage(m_pages[static_cast<std::size_t>(index)]);
    Change();
    break;
  }
  default: inherited::Dispatch(message.Message()); break;
  }
}

bool TPageControl::CanChange() {
  bool allow = true;
  if (m_onChanging)
    m_onChanging(this, allow);
  return allow;
}

void TPageControl::Change() {
  if (m_onChange)
    m_onChange(this);
}
