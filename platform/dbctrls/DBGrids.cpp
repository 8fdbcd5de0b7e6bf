#include "platform/dbctrls/DBGrids.h"

#include <algorithm>

#include "platform/rtl/WideText.h"

namespace {

using enum TDBGridOption;
using enum TGridDrawStateItem;

constexpr TDBGridOptions kDefaultOptions{dgEditing,  dgTitles, dgIndicator,     dgColumnResize,
                                         dgColLines, dgRowLines, dgTabs, dgConfirmDelete,
                                         dgCancelOnExit};
constexpr int kIndicatorWidth = 11;
constexpr int kCellInset = 2;
constexpr TColor kLineColor = clBtnFace;

// The height of a line of text in 'font', measured on the screen.
int FontTextHeight(TFont* font) {
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, font->Handle());
  const std::u16string sample = u"Wg";
  SIZE size{};
  ::GetTextExtentPoint32W(dc, WidePtr(sample), static_cast<int>(sample.size()), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  return size.cy;
}

// Puts the data link back on the current record once a painting that read
// other records of the window is done, also when it fails.
class TActiveRecordRestorer {
public:
  explicit TActiveRecordRestorer(TDataLink* link) : m_link(link), m_record(link->ActiveRecord()) {}
  ~TActiveRecordRestorer() { m_link->SetActiveRecord(m_record); }
  TActiveRecordRestorer(const TActiveRecordRestorer&) = delete;
  TActiveRecordRestorer& operator=(const TActiveRecordRestorer&) = delete;

  int Record() const { return m_record; }

private:
  TDataLink* m_link;
  int m_record;
};

} // namespace

// ---- TColumn --------------------------------------------------------------

void TColumn::Publish(TPublisher& p) {
  p.Property("Expanded", &TColumn::Expanded, &TColumn::SetExpanded).Default(true);
  p.Property("FieldName", &TColumn::FieldName, &TColumn::SetFieldName);
  p.Property("Width", &TColumn::Width, &TColumn::SetWidth).Default(DefaultWidth);
  p.Property("Visible", &TColumn::Visible, &TColumn::SetVisible).Default(true);
}

void TColumn::SetFieldName(const std::string& name) {
  if (m_fieldName == name)
    return;
  m_fieldName = name;
  Changed(false);
}

void TColumn::SetWidth(int width) {
  if (width < 0)
    throw EInvalidOperation("Column width cannot be negative (" + std::to_string(width) + ")");
  if (m_width == width)
    return;
  m_width = width;
  Changed(false);
}

void TColumn::SetVisible(bool visible) {
  if (m_visible == visible)
    return;
  m_visible = visible;
  Changed(true);
}

TDBGrid* TColumn::Grid() const {
  auto* columns = dynamic_cast<TDBGridColumns*>(Collection());
  return columns ? columns->Grid() : nullptr;
}

TField* TColumn::Field() const {
  TDBGrid* grid = Grid();
  TDataSet* dataSet = grid ? grid->DataLink()->DataSet() : nullptr;
  if (!dataSet || !dataSet->Active() || m_fieldName.empty())
    return nullptr;
  return dataSet->FindField(m_fieldName);
}

void TColumn::Assign(TPersistent* source) {
  auto* column = dynamic_cast<TColumn*>(source);
  if (!column) {
    inherited::Assign(source);
    return;
  }
  m_fieldName = column->m_fieldName;
  m_width = column->m_width;
  m_visible = column->m_visible;
  m_expanded = column->m_expanded;
  Changed(true);
}

std::string TColumn::GetDisplayName() const {
  return m_fieldName.empty() ? inherited::GetDisplayName() : m_fieldName;
}

// ---- TDBGridColumns -------------------------------------------------------

TDBGridColumns::TDBGridColumns(TDBGrid* grid)
    : TOwnedCollection(grid, TColumn::StaticClass()), m_grid(grid) {}

void TDBGridColumns::Update(TCollectionItem*) {
  if (m_grid)
    m_grid->LayoutChanged();
}

// ---- TGridDataLink --------------------------------------------------------

void TGridDataLink::ActiveChanged() { m_grid->LinkActiveChanged(); }
void TGridDataLink::DataSetChanged() { m_grid->DataChanged(); }
void TGridDataLink::DataSetScrolled(int) { m_grid->RecordScrolled(); }
void TGridDataLink::RecordChanged(TField*) { m_grid->DataChanged(); }

// ---- TDBGrid --------------------------------------------------------------

void TDBGrid::Publish(TPublisher& p) {
  p.Property("Color", &TControl::Color, &TControl::SetColor)
      .Idents(ColorIdents())
      .Default(clWindow)
      .Stored([](TControl* c) { return !c->ParentColor(); });
  p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false);
  p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true);
  p.Property("DataSource", &TDBGrid::DataSource, &TDBGrid::SetDataSource);
  p.Property("Options", &TDBGrid::Options, &TDBGrid::SetOptions).Default(kDefaultOptions);
  p.Property("ReadOnly", &TDBGrid::ReadOnly, &TDBGrid::SetReadOnly).Default(false);
  p.Property("TitleFont", &TDBGrid::TitleFont);
  p.Property("Columns", &TDBGrid::Columns);
}

TDBGrid::TDBGrid(TComponent* owner)
    : TCustomControl(owner), m_dataLink(Create<TGridDataLink>(this)),
      m_columns(Create<TDBGridColumns>(this)), m_titleFont(Create<TFont>()) {
  // The grid raises its click events itself, after taking the focus: a
  // double click that opens another form must leave that form active.
  SetControlStyle(ControlStyle() + TControlStyle{TControlStyleItem::csOpaque} -
                  TControlStyle{TControlStyleItem::csClickEvents});
  SetBounds(0, 0, 320, 120);
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
  m_titleFont->SetOnChange(TNotifyEvent(this, &TDBGrid::TitleFontChanged));
}

TDBGrid::~TDBGrid() = default;

void TDBGrid::SetDataSource(TDataSource* dataSource) {
  m_dataLink->SetDataSourceOf(this, dataSource);
}

void TDBGrid::SetOptions(TDBGridOptions options) {
  if (m_options == options)
    return;
  m_options = options;
  LayoutChanged();
}

void TDBGrid::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == TOperation::opRemove && component == DataSource())
    SetDataSource(nullptr);
}

void TDBGrid::Loaded() {
  inherited::Loaded();
  LayoutChanged();
}

void TDBGrid::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style |= WS_VSCROLL;
  AddBorder(params);
}

void TDBGrid::CreateWnd() {
  inherited::CreateWnd();
  UpdateScrollBar();
}

// ---- columns and geometry -------------------------------------------------

int TDBGrid::VisibleColumnCount() const {
  if (m_columns->Count() == 0) {
    TDataSet* dataSet = m_dataLink->DataSet();
    return m_dataLink->Active() ? dataSet->FieldCount() : 0;
  }
  int count = 0;
  for (int i = 0; i < m_columns->Count(); ++i)
    if (m_columns->Items(i)->Visible())
      ++count;
  return count;
}

TColumn* TDBGrid::VisibleColumn(int index) const {
  for (int i = 0; i < m_columns->Count(); ++i) {
    TColumn* column = m_columns->Items(i);
    if (column->Visible() && index-- == 0)
      return column;
  }
  return nullptr;
}

TField* TDBGrid::VisibleColumnField(int index) const {
  if (m_columns->Count() > 0) {
    TColumn* column = VisibleColumn(index);
    return column ? column->Field() : nullptr;
  }
  TDataSet* dataSet = m_dataLink->DataSet();
  if (!m_dataLink->Active() || index < 0 || index >= dataSet->FieldCount())
    return nullptr;
  return dataSet->Fields(index);
}

std::string TDBGrid::ColumnTitle(int index) const {
  if (TColumn* column = VisibleColumn(index))
    return column->FieldName();
  TField* field = VisibleColumnField(index);
  return field ? field->FieldName() : std::string();
}

std::vector<TDBGrid::TColumnSpan> TDBGrid::ColumnSpans() const {
  std::vector<TColumnSpan> spans;
  int x = IndicatorWidth();
  const int line = LineWidth(dgColLines);
  auto add = [&](int width) {
    spans.push_back({x, x + width});
    x += width + line;
  };
  if (m_columns->Count() == 0) {
    for (int i = 0; i < VisibleColumnCount(); ++i)
      add(TColumn::DefaultWidth);
    return spans;
  }
  for (int i = 0; i < m_columns->Count(); ++i)
    if (m_columns->Items(i)->Visible())
      add(m_columns->Items(i)->Width());
  return spans;
}

void TDBGrid::SetSelectedIndex(int index) {
  index = std::clamp(index, 0, std::max(0, VisibleColumnCount() - 1));
  if (m_selectedIndex == index)
    return;
  m_selectedIndex = index;
  Invalidate();
}

int TDBGrid::IndicatorWidth() const {
  return m_options.Contains(dgIndicator) ? kIndicatorWidth + LineWidth(dgColLines) : 0;
}

int TDBGrid::TitleHeight() const {
  if (!m_options.Contains(dgTitles))
    return 0;
  return FontTextHeight(m_titleFont.get()) + 4 + LineWidth(dgRowLines);
}

int TDBGrid::DefaultRowHeight() const {
  return FontTextHeight(Font()) + 3 + LineWidth(dgRowLines);
}

int TDBGrid::VisibleRowCount() {
  const int height = ClientHeight() - DataTop();
  return std::max(1, height / DefaultRowHeight());
}

TRect TDBGrid::CellRect(int column, int row) {
  const std::vector<TColumnSpan> spans = ColumnSpans();
  if (column < 0 || column >= static_cast<int>(spans.size()))
    return {};
  const TColumnSpan span = spans[static_cast<std::size_t>(column)];
  if (row < 0)
    return m_options.Contains(dgTitles)
               ? Rect(span.Left, 0, span.Right, TitleHeight() - LineWidth(dgRowLines))
               : TRect{};
  const int rowHeight = DefaultRowHeight();
  const int top = DataTop() + row * rowHeight;
  return Rect(span.Left, top, span.Right, top + rowHeight - LineWidth(dgRowLines));
}

bool TDBGrid::MouseCell(TPoint point, int& column, int& row) {
  if (!HasClientPoint(point))
    return false;
  column = -1;
  const std::vector<TColumnSpan> spans = ColumnSpans();
  const int line = LineWidth(dgColLines);
  for (std::size_t i = 0; i < spans.size(); ++i)
    if (point.X >= spans[i].Left && point.X < spans[i].Right + line)
      column = static_cast<int>(i);
  if (column < 0 && point.X >= IndicatorWidth())
    return false;
  row = point.Y < DataTop() ? -1 : (point.Y - DataTop()) / DefaultRowHeight();
  return true;
}

// ---- following the dataset ------------------------------------------------

void TDBGrid::LayoutChanged() {
  if (ComponentState().Contains(TComponentStateItem::csDestroying))
    return;
  UpdateBufferCount();
  m_selectedIndex = std::clamp(m_selectedIndex, 0, std::max(0, VisibleColumnCount() - 1));
  Invalidate();
  UpdateScrollBar();
}

void TDBGrid::LinkActiveChanged() { LayoutChanged(); }

void TDBGrid::DataChanged() {
  if (ComponentState().Contains(TComponentStateItem::csDestroying))
    return;
  Invalidate();
  UpdateScrollBar();
}

void TDBGrid::RecordScrolled() { DataChanged(); }

void TDBGrid::UpdateBufferCount() {
  if (!Loading())
    m_dataLink->SetBufferCount(VisibleRowCount());
}

void TDBGrid::UpdateScrollBar() {
  if (!HandleAllocated())
    return;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  info.nPage = static_cast<UINT>(VisibleRowCount());
  TDataSet* dataSet = m_dataLink->DataSet();
  if (m_dataLink->Active() && dataSet->RecordCount() > 0) {
    info.nMax = dataSet->RecordCount() - 1;
    info.nPos = dataSet->RecNo() - 1 - m_dataLink->ActiveRecord();
  }
  ::SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

void TDBGrid::MoveRecords(int distance) {
  if (m_dataLink->Active() && distance != 0)
    m_dataLink->MoveBy(distance);
}

// ---- painting -------------------------------------------------------------

void TDBGrid::Paint() {
  const std::vector<TColumnSpan> spans = ColumnSpans();
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
  PaintTitles(spans);
  PaintRecords(spans);
}

void TDBGrid::PaintTitles(const std::vector<TColumnSpan>& spans) {
  if (!m_options.Contains(dgTitles))
    return;
  TCanvas* canvas = Canvas();
  canvas->SetFont(m_titleFont.get());
  canvas->Brush()->SetColor(clBtnFace);
  const int bottom = TitleHeight() - LineWidth(dgRowLines);
  if (m_options.Contains(dgIndicator)) {
    TRect cell = Rect(0, 0, kIndicatorWidth, bottom);
    canvas->FillRect(cell);
    ::DrawEdge(canvas->Handle(), AsRECT(cell), BDR_RAISEDINNER, BF_RECT);
  }
  for (std::size_t i = 0; i < spans.size(); ++i) {
    TRect cell = Rect(spans[i].Left, 0, spans[i].Right, bottom);
    canvas->TextRect(cell, cell.Left + kCellInset, cell.Top + kCellInset,
                     ColumnTitle(static_cast<int>(i)));
    ::DrawEdge(canvas->Handle(), AsRECT(cell), BDR_RAISEDINNER, BF_RECT);
  }
}

void TDBGrid::PaintRecords(const std::vector<TColumnSpan>& spans) {
  int bottom = DataTop();
  if (m_dataLink->Active()) {
    TActiveRecordRestorer restorer(m_dataLink.get());
    const int count = m_dataLink->RecordCount();
    for (int row = 0; row < count; ++row) {
      m_dataLink->SetActiveRecord(row);
      PaintRecord(row, row == restorer.Record(), spans);
      PaintIndicator(row, row == restorer.Record());
    }
    bottom += count * DefaultRowHeight();
  }
  PaintLines(spans, bottom);
}

void TDBGrid::PaintRecord(int row, bool current, const std::vector<TColumnSpan>& spans) {
  TCanvas* canvas = Canvas();
  for (std::size_t i = 0; i < spans.size(); ++i) {
    const int column = static_cast<int>(i);
    const TRect cell = CellRect(column, row);
    const TGridDrawState state = current ? CurrentCellState(column) : TGridDrawState{};
    const bool highlight = state.Contains(gdSelected) && ShowsSelection();
    canvas->SetFont(Font());
    canvas->Font()->SetColor(highlight ? clHighlightText : Font()->Color());
    canvas->Brush()->SetColor(highlight ? clHighlight : Color());
    DrawDataCell(cell, column, state);
    if (state.Contains(gdFocused) && !m_options.Contains(dgRowSelect))
      ::DrawFocusRect(canvas->Handle(), AsRECT(cell));
  }
}

void TDBGrid::DrawDataCell(const TRect& rect, int column, TGridDrawState) {
  TField* field = VisibleColumnField(column);
  const std::string text = field ? field->AsString() : std::string();
  Canvas()->TextRect(rect, rect.Left + kCellInset, rect.Top + kCellInset, text);
}

void TDBGrid::PaintIndicator(int row, bool current) {
  if (!m_options.Contains(dgIndicator))
    return;
  TCanvas* canvas = Canvas();
  const int rowHeight = DefaultRowHeight();
  const int top = DataTop() + row * rowHeight;
  TRect cell = Rect(0, top, kIndicatorWidth, top + rowHeight - LineWidth(dgRowLines));
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(cell);
  ::DrawEdge(canvas->Handle(), AsRECT(cell), BDR_RAISEDINNER, BF_RECT);
  if (!current)
    return;
  const int middle = (cell.Top + cell.Bottom) / 2;
  const TPoint arrow[] = {{3, middle - 4}, {7, middle}, {3, middle + 4}};
  canvas->Brush()->SetColor(clBtnText);
  canvas->Pen()->SetColor(clBtnText);
  canvas->Polygon(arrow);
}

void TDBGrid::PaintLines(const std::vector<TColumnSpan>& spans, int bottom) {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(kLineColor);
  if (m_options.Contains(dgColLines))
    for (const TColumnSpan& span : spans)
      canvas->FillRect(Rect(span.Right, DataTop(), span.Right + 1, bottom));
  if (!m_options.Contains(dgRowLines) || spans.empty())
    return;
  const int rowHeight = DefaultRowHeight();
  for (int y = DataTop() + rowHeight - 1; y < bottom; y += rowHeight)
    canvas->FillRect(Rect(0, y, spans.back().Right + LineWidth(dgColLines), y + 1));
}

TGridDrawState TDBGrid::CurrentCellState(int column) {
  TGridDrawState state;
  if (m_options.Contains(dgRowSelect) || column == m_selectedIndex)
    state.Include(gdSelected);
  if (state.Contains(gdSelected) && Focused())
    state.Include(gdFocused);
  return state;
}

bool TDBGrid::ShowsSelection() { return Focused() || m_options.Contains(dgAlwaysShowSelection); }

// ---- input ----------------------------------------------------------------

void TDBGrid::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case WM_GETDLGCODE: WMGetDlgCode(TWMGetDlgCode(message)); break;
  case WM_VSCROLL:
    if (!TWMScroll(message).ScrollBar())
      WMVScroll(TWMScroll(message));
    else
      inherited::Dispatch(message);
    break;
  default: inherited::Dispatch(message); break;
  }
}

void TDBGrid::WMGetDlgCode(TWMGetDlgCode message) { message.SetResult(DLGC_WANTARROWS); }

void TDBGrid::WMVScroll(TWMScroll message) {
  if (!m_dataLink->Active())
    return;
  TDataSet* dataSet = m_dataLink->DataSet();
  switch (message.ScrollCode()) {
  case SB_LINEUP: MoveRecords(-1); break;
  case SB_LINEDOWN: MoveRecords(1); break;
  case SB_PAGEUP: MoveRecords(-VisibleRowCount()); break;
  case SB_PAGEDOWN: MoveRecords(VisibleRowCount()); break;
  case SB_TOP: dataSet->First(); break;
  case SB_BOTTOM: dataSet->Last(); break;
  case SB_THUMBPOSITION: {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    ::GetScrollInfo(Handle(), SB_VERT, &info);
    const int firstRow = dataSet->RecNo() - 1 - m_dataLink->ActiveRecord();
    MoveRecords(info.nTrackPos - firstRow);
    break;
  }
  default: break;
  }
}

void TDBGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TControlLife life(this);
  if (!Focused() && CanFocus())
    SetFocus();
  if (!life)
    return;
  if (button == TMouseButton::mbLeft && shift.Contains(TShiftStateItem::ssDouble)) {
    DblClick();
    return;
  }
  if (button == TMouseButton::mbLeft)
    IncludeControlState(TControlStateItem::csClicked);
  int column = 0;
  int row = 0;
  if (button == TMouseButton::mbLeft && MouseCell({x, y}, column, row) && row >= 0 &&
      row < m_dataLink->RecordCount()) {
    MoveRecords(row - m_dataLink->ActiveRecord());
    if (column >= 0)
      SetSelectedIndex(column);
  }
  if (life)
    inherited::MouseDown(button, shift, x, y);
}

void TDBGrid::KeyDown(WORD& key, TShiftState shift) {
  inherited::KeyDown(key, shift);
  if (key == 0 || !m_dataLink->Active())
    return;
  const bool ctrl = shift.Contains(TShiftStateItem::ssCtrl);
  TDataSet* dataSet = m_dataLink->DataSet();
  switch (key) {
  case VK_UP: MoveRecords(-1); break;
  case VK_DOWN: MoveRecords(1); break;
  case VK_PRIOR: MoveRecords(-VisibleRowCount()); break;
  case VK_NEXT: MoveRecords(VisibleRowCount()); break;
  case VK_LEFT: SetSelectedIndex(m_selectedIndex - 1); break;
  case VK_RIGHT: SetSelectedIndex(m_selectedIndex + 1); break;
  case VK_HOME:
    if (ctrl)
      dataSet->First();
    else
      SetSelectedIndex(0);
    break;
  case VK_END:
    if (ctrl)
      dataSet->Last();
    else
      SetSelectedIndex(VisibleColumnCount() - 1);
    break;
  default: return;
  }
  key = 0;
}

bool TDBGrid::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
  if (!inherited::DoMouseWheelDown(shift, mousePos))
    MoveRecords(1);
  return true;
}

bool TDBGrid::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
  if (!inherited::DoMouseWheelUp(shift, mousePos))
    MoveRecords(-1);
  return true;
}

void TDBGrid::DoEnter() {
  Invalidate();
  inherited::DoEnter();
}

void TDBGrid::DoExit() {
  Invalidate();
  inherited::DoExit();
}

void TDBGrid::Resize() {
  LayoutChanged();
  inherited::Resize();
}

void TDBGrid::FontChanged(TObject* sender) {
  inherited::FontChanged(sender);
  LayoutChanged();
}

void TDBGrid::TitleFontChanged(TObject*) { LayoutChanged(); }
