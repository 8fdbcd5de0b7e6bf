// The data-aware grid: the rows of a dataset, one line per record and one
// cell per column, painted by the grid itself and following the dataset
// through a data link.
//
// The grid shows as many records as fit its height (the data link's buffer
// count), with the dataset's current record among them. Clicking a record
// makes it the current record; the arrow and page keys, the mouse wheel and
// the vertical scroll bar move the current record. The grid only shows
// data: it has no in-place editor, so the options that concern editing
// (dgEditing, dgAlwaysShowEditor, dgTabs, dgConfirmDelete, dgCancelOnExit,
// dgMultiSelect, dgColumnResize) are kept for form definitions and change
// nothing.
//
// Without columns of its own the grid shows every field of the dataset.
//
// Classes in this file: TColumn, TDBGridColumns, TGridDataLink, TDBGrid.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/WinControls.h"
#include "platform/db/DataSource.h"
#include "platform/objects/Collections.h"

class TDBGrid;

enum class TDBGridOption {
  dgEditing,
  dgAlwaysShowEditor,
  dgTitles,
  dgIndicator,
  dgColumnResize,
  dgColLines,
  dgRowLines,
  dgTabs,
  dgRowSelect,
  dgAlwaysShowSelection,
  dgConfirmDelete,
  dgCancelOnExit,
  dgMultiSelect,
};
using TDBGridOptions = Set<TDBGridOption>;
ENUM_NAMES(TDBGridOption, "dgEditing", "dgAlwaysShowEditor", "dgTitles", "dgIndicator",
           "dgColumnResize", "dgColLines", "dgRowLines", "dgTabs", "dgRowSelect",
           "dgAlwaysShowSelection", "dgConfirmDelete", "dgCancelOnExit", "dgMultiSelect");

// How a cell is drawn: the current cell (gdSelected), shown highlighted
// (gdFocused when the grid has the focus), or a title cell (gdFixed).
enum class TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = Set<TGridDrawStateItem>;

// One column of the grid: the field it shows and its width in pixels.
class TColumn : public TCollectionItem {
  OBJECT_CLASS(TColumn, TCollectionItem)
public:
  static void Publish(TPublisher& p);
  static constexpr int DefaultWidth = 64;

  explicit TColumn(TCollection* collection) : TCollectionItem(collection) {}

  const std::string& FieldName() const { return m_fieldName; }
  void SetFieldName(const std::string& name);
  int Width() const { return m_width; }
  void SetWidth(int width);
  bool Visible() const { return m_visible; }
  void SetVisible(bool visible);
  // Whether the designer showed the column's sub-columns (kept only).
  bool Expanded() const { return m_expanded; }
  void SetExpanded(bool expanded) { m_expanded = expanded; }

  // The grid the column belongs to, nil when none.
  TDBGrid* Grid() const;
  // The dataset's field of the column's name while the dataset is open.
  TField* Field() const;

  void Assign(TPersistent* source) override;
  std::string GetDisplayName() const override;

private:
  std::string m_fieldName;
  int m_width = DefaultWidth;
  bool m_visible = true;
  bool m_expanded = true;
};

class TDBGridColumns : public TOwnedCollection {
  OBJECT_CLASS(TDBGridColumns, TOwnedCollection)
public:
  explicit TDBGridColumns(TDBGrid* grid);

  TColumn* Add() { return static_cast<TColumn*>(TCollection::Add()); }
  TColumn* Items(int index) const { return static_cast<TColumn*>(TCollection::Items(index)); }
  TDBGrid* Grid() const { return m_grid; }

protected:
  void Update(TCollectionItem* item) override;

private:
  TDBGrid* m_grid = nullptr;
};

// The grid's link to its dataset: tells the grid of every change.
class TGridDataLink : public TDataLink {
  OBJECT_CLASS(TGridDataLink, TDataLink)
public:
  explicit TGridDataLink(TDBGrid* grid) : m_grid(grid) {}

protected:
  void ActiveChanged() override;
  void DataSetChanged() override;
  void DataSetScrolled(int distance) override;
  void RecordChanged(TField* field) override;

private:
  TDBGrid* m_grid = nullptr;
};

class TDBGrid : public TCustomControl {
  OBJECT_CLASS(TDBGrid, TCustomControl)
public:
  static void Publish(TPublisher& p);

  explicit TDBGrid(TComponent* owner);
  ~TDBGrid() override;

  TDataSource* DataSource() const { return m_dataLink->DataSource(); }
  void SetDataSource(TDataSource* dataSource);
  TDBGridColumns* Columns() const { return m_columns.get(); }
  TDBGridOptions Options() const { return m_options; }
  void SetOptions(TDBGridOptions options);
  bool ReadOnly() const { return m_dataLink->ReadOnly(); }
  void SetReadOnly(bool readOnly) { m_dataLink->SetReadOnly(readOnly); }
  TFont* TitleFont() const { return m_titleFont.get(); }
  void SetTitleFont(TFont* font) { m_titleFont->Assign(font); }
  TGridDataLink* DataLink() const { return m_dataLink.get(); }

  // The columns shown, in order: the visible columns of Columns, or one per
  // field of the open dataset when Columns is empty.
  int VisibleColumnCount() const;
  // The column of Columns shown as visible column 'index' (nil when the
  // grid shows the dataset's fields).
  TColumn* VisibleColumn(int index) const;
  // The field shown in visible column 'index' (nil when none).
  TField* VisibleColumnField(int index) const;
  // The title of visible column 'index': its field's name.
  std::string ColumnTitle(int index) const;
  // The visible column that holds the current cell.
  int SelectedIndex() const { return m_selectedIndex; }
  void SetSelectedIndex(int index);
  // How many records fit the grid's height (at least one).
  int VisibleRowCount();
  int DefaultRowHeight() const;
  // The rectangle of the cell of visible column 'column' and record 'row'
  // of the records shown (-1: the title row); empty when not shown.
  TRect CellRect(int column, int row);
  // The visible column (-1: the indicator column) and the record (-1: the
  // title row) at a client point; false when the point holds neither.
  bool MouseCell(TPoint point, int& column, int& row);

  void Dispatch(TMessage& message) override;

  // Told by the columns and the data link.
  void LayoutChanged();
  void LinkActiveChanged();
  void DataChanged();
  void RecordScrolled();

protected:
  void Paint() override;
  // Draws the text of 'column''s field of the record being drawn.
  virtual void DrawDataCell(const TRect& rect, int column, TGridDrawState state);
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;
  void Resize() override;
  void FontChanged(TObject* sender) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
  bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
  void DoEnter() override;
  void DoExit() override;

private:
  struct TColumnSpan {
    int Left = 0;
    int Right = 0;
  };

  std::vector<TColumnSpan> ColumnSpans() const;
  int IndicatorWidth() const;
  int TitleHeight() const;
  int LineWidth(TDBGridOption option) const { return m_options.Contains(option) ? 1 : 0; }
  int DataTop() const { return TitleHeight(); }
  void UpdateBufferCount();
  void UpdateScrollBar();
  void PaintTitles(const std::vector<TColumnSpan>& spans);
  void PaintRecords(const std::vector<TColumnSpan>& spans);
  void PaintRecord(int row, bool current, const std::vector<TColumnSpan>& spans);
  void PaintIndicator(int row, bool current);
  void PaintLines(const std::vector<TColumnSpan>& spans, int bottom);
  // The state of a cell of the current record.
  TGridDrawState CurrentCellState(int column);
  bool ShowsSelection();
  void MoveRecords(int distance);
  void WMVScroll(TWMScroll message);
  void WMGetDlgCode(TWMGetDlgCode message);
  void TitleFontChanged(TObject* sender);

  TOwned<TGridDataLink> m_dataLink;
  TOwned<TDBGridColumns> m_columns;
  TOwned<TFont> m_titleFont;
  TDBGridOptions m_options{TDBGridOption::dgEditing,      TDBGridOption::dgTitles,
                           TDBGridOption::dgIndicator,    TDBGridOption::dgColumnResize,
                           TDBGridOption::dgColLines,     TDBGridOption::dgRowLines,
                           TDBGridOption::dgTabs,         TDBGridOption::dgConfirmDelete,
                           TDBGridOption::dgCancelOnExit};
  int m_selectedIndex = 0;
};
