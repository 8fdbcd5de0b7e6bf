// The data-aware grid: read from a form definition, and against the test
// server showing rows with Turkish text, following the dataset as it moves,
// closes and reopens, and moving it by mouse, keys, wheel and scroll bar.
#include "tests/platform/controls/ControlsTestSupport.h"

#include "platform/db/DatabaseClasses.h"
#include "platform/dbctrls/DBGrids.h"
#include "platform/dbctrls/DataControlsClasses.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/objects/FormWriter.h"
#include "tests/platform/db/TestServer.h"
#include "tests/support/Pictures.h"

namespace controls_test {
namespace {

// One cell the grid drew.
struct TDrawnCell {
  int Row = 0;
  int Column = 0;
  std::string Text;
  TGridDrawState State;
};

// A grid that writes down the cells it draws.
class TRecordingGrid : public TDBGrid {
  OBJECT_CLASS(TRecordingGrid, TDBGrid)
public:
  using TDBGrid::TDBGrid;

  std::vector<TDrawnCell> cells;

  // Paints now and answers the texts of one column, top row first.
  std::vector<std::string> PaintedColumn(int column) {
    cells.clear();
    Repaint();
    std::vector<std::string> texts;
    for (const TDrawnCell& cell : cells)
      if (cell.Column == column)
        texts.push_back(cell.Text);
    return texts;
  }

protected:
  void DrawDataCell(const TRect& rect, int column, TGridDrawState state) override {
    TField* field = VisibleColumnField(column);
    const int row = (rect.Top - CellRect(0, 0).Top) / DefaultRowHeight();
    cells.push_back({row, column, field ? field->AsString() : std::string(), state});
    TDBGrid::DrawDataCell(rect, column, state);
  }
};

class TGridForm : public TForm {
  OBJECT_CLASS(TGridForm, TForm)
public:
  static void Publish(TPublisher& p) {
    p.Method("DBGrid1Click", &TGridForm::DBGrid1Click);
    p.Method("DBGrid1DblClick", &TGridForm::DBGrid1DblClick);
  }
  using TForm::TForm;

  void DBGrid1Click(TObject*) { log.push_back("click " + CurrentRow()); }
  void DBGrid1DblClick(TObject*) { log.push_back("dblclick " + CurrentRow()); }

  std::string CurrentRow() {
    auto* query = As<TDataSet>(FindComponent("ZKimlik1"));
    return query->Active() ? query->FieldByName("TakmaAd")->AsString() : std::string("-");
  }

  std::vector<std::string> log;
};

const char kGridDefinition[] = R"(object GridForm: TGridForm
  Left = 120
  Top = 120
  Width = 260
  Height = 240
  Caption = 'Main1'
  object ZConnection1: TZConnection
    Protocol = 'mysql-4.1'
    Database = 'vorlendi_db'
    User = 'vorlendi'
    LoginPrompt = False
  end
  object ZKimlik1: TZQuery
    Connection = ZConnection1
  end
  object KimlikDS1: TDataSource
    DataSet = ZKimlik1
  end
  object DBGrid1: TRecordingGrid
    Align = alClient
    DataSource = KimlikDS1
    Options = [dgColLines, dgConfirmDelete, dgCancelOnExit]
    ReadOnly = True
    TitleFont.Height = -11
    TitleFont.Name = 'MS Sans Serif'
    OnClick = DBGrid1Click
    OnDblClick = DBGrid1DblClick
    Columns = <
      item
        Expanded = False
        FieldName = 'TakmaAd'
        Width = 100
        Visible = True
      end
      item
        Expanded = False
        FieldName = 'Durum'
        Width = 100
        Visible = True
      end>
  end
end
)";

// Forty users: "Kullanıcı 1" ... "Kullanıcı 40", every third one "Çevrimiçi",
// the others "Çevrimdışı".
const char kFortyUsers[] =
    "select seq as Id, concat('Kullan\xFD" "c\xFD ', seq) as TakmaAd, "
    "if(seq mod 3 = 0, '\xC7" "evrimi\xE7i', '\xC7" "evrimd\xFD\xFE\xFD') as Durum "
    "from seq_1_to_40";

std::string User(int number) { return "Kullan\xFD" "c\xFD " + std::to_string(number); }

class DBGridTest : public TControlsTest {
protected:
  static void SetUpTestSuite() {
    TControlsTest::SetUpTestSuite();
    RegisterDatabaseClasses();
    RegisterDataControlsClasses();
    RegisterClasses({TGridForm::StaticClass(), TRecordingGrid::StaticClass()});
  }

  void SetUp() override {
    TControlsTest::SetUp();
    RegisterFormDefinition("TGridForm", kGridDefinition);
    Application->CreateForm(m_form);
    m_grid = As<TRecordingGrid>(m_form->FindComponent("DBGrid1"));
    m_query = As<TZQuery>(m_form->FindComponent("ZKimlik1"));
  }

  TGridForm* m_form = nullptr;
  TRecordingGrid* m_grid = nullptr;
  TZQuery* m_query = nullptr;
};

// The same, with the query opened on the test server and the form shown.
class DBGridServerTest : public DBGridTest {
protected:
  void SetUp() override {
    DBGridTest::SetUp();
    const std::optional<TServerAddress> server = TestServerAddress();
    if (!server)
      GTEST_SKIP() << "MESSENGER_DB_HOST and MESSENGER_DB_PORT are not set, so there is no "
                      "test server (scripts/test starts one with scripts/mariadb.sh)";
    auto* connection = As<TZConnection>(m_form->FindComponent("ZConnection1"));
    connection->SetHostName(server->Host);
    connection->SetPort(server->Port);
    connection->SetPassword(kTestPassword);
    m_query->SQL()->SetText(kFortyUsers);
    m_query->Open();
    m_form->Show();
    Pump();
  }

  int FirstShownRow() {
    const std::vector<std::string> names = m_grid->PaintedColumn(0);
    for (int number = 1; number <= 40; ++number)
      if (!names.empty() && names.front() == User(number))
        return number;
    return 0;
  }

  SCROLLINFO ScrollBar() {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ::GetScrollInfo(m_grid->Handle(), SB_VERT, &info);
    return info;
  }
};

TEST_F(DBGridTest, DefinitionGivesColumnsOptionsAndDataSource) {
  using enum TDBGridOption;
  EXPECT_EQ(m_grid->Options(), (TDBGridOptions{dgColLines, dgConfirmDelete, dgCancelOnExit}));
  EXPECT_TRUE(m_grid->ReadOnly());
  EXPECT_EQ(m_grid->Align(), TAlign::alClient);
  EXPECT_EQ(m_grid->DataSource(), m_form->FindComponent("KimlikDS1"));
  EXPECT_EQ(m_grid->TitleFont()->Name(), "MS Sans Serif");
  ASSERT_EQ(m_grid->Columns()->Count(), 2);
  EXPECT_EQ(m_grid->Columns()->Items(0)->FieldName(), "TakmaAd");
  EXPECT_EQ(m_grid->Columns()->Items(1)->Width(), 100);
  EXPECT_FALSE(m_grid->Columns()->Items(1)->Expanded());

  const std::string written = WriteFormDefinition(m_form);
  EXPECT_NE(written.find("Options = [dgColLines, dgConfirmDelete, dgCancelOnExit]"),
            std::string::npos)
      << written;
  EXPECT_NE(written.find("OnDblClick = DBGrid1DblClick"), std::string::npos) << written;
  EXPECT_NE(written.find("FieldName = 'Durum'"), std::string::npos) << written;
  EXPECT_EQ(written.find(" Color =", written.find("object DBGrid1")), std::string::npos)
      << written;
}

TEST_F(DBGridTest, ClosedDatasetShowsNoRecords) {
  m_form->Show();
  Pump();
  EXPECT_TRUE(m_grid->PaintedColumn(0).empty());
  EXPECT_EQ(m_grid->VisibleColumnCount(), 2);
  m_grid->SetDataSource(nullptr);
  EXPECT_TRUE(m_grid->PaintedColumn(0).empty());
}

TEST_F(DBGridServerTest, ShowsTheRowsThatFitWithTurkishText) {
  const int visible = m_grid->VisibleRowCount();
  ASSERT_GT(visible, 3);
  ASSERT_LT(visible, 40);
  const std::vector<std::string> names = m_grid->PaintedColumn(0);
  ASSERT_EQ(static_cast<int>(names.size()), visible);
  EXPECT_EQ(names[0], User(1));
  EXPECT_EQ(names[visible - 1], User(visible));
  const std::vector<std::string> states = m_grid->PaintedColumn(1);
  EXPECT_EQ(states[1], "\xC7" "evrimd\xFD\xFE\xFD");
  EXPECT_EQ(states[2], "\xC7" "evrimi\xE7i");
  // Only the current record's first column is the current cell.
  for (const TDrawnCell& cell : m_grid->cells)
    EXPECT_EQ(cell.State.Contains(TGridDrawStateItem::gdSelected),
              cell.Row == 0 && cell.Column == 0)
        << cell.Row << "," << cell.Column;
}

TEST_F(DBGridServerTest, FollowsTheDatasetAsItMoves) {
  const int visible = m_grid->VisibleRowCount();
  m_query->MoveBy(visible + 2);
  EXPECT_EQ(FirstShownRow(), 4);
  const TDrawnCell& lastName = m_grid->cells[m_grid->cells.size() - 2];
  EXPECT_EQ(lastName.Text, User(visible + 3));
  EXPECT_TRUE(lastName.State.Contains(TGridDrawStateItem::gdSelected));
  SCROLLINFO bar = ScrollBar();
  EXPECT_EQ(bar.nPos, 3);
  EXPECT_EQ(bar.nMax, 39);
  EXPECT_EQ(static_cast<int>(bar.nPage), visible);

  m_query->First();
  EXPECT_EQ(FirstShownRow(), 1);
  EXPECT_EQ(ScrollBar().nPos, 0);
  m_query->Last();
  EXPECT_EQ(FirstShownRow(), 41 - visible);
}

TEST_F(DBGridServerTest, ClosingEmptiesTheGridAndReopeningRefillsIt) {
  m_query->MoveBy(10);
  m_query->Close();
  EXPECT_TRUE(m_grid->PaintedColumn(0).empty());
  m_query->Open();
  EXPECT_EQ(FirstShownRow(), 1);
  EXPECT_EQ(m_query->RecNo(), 1);
}

TEST_F(DBGridServerTest, ClickingARowMakesItCurrentAndDoubleClickFiresOnce) {
  const TRect third = m_grid->CellRect(1, 2);
  ClickControl(m_grid, {third.Left + 5, third.Top + 3});
  ASSERT_TRUE(PumpUntil([&] { return !m_form->log.empty(); }));
  EXPECT_EQ(m_query->RecNo(), 3);
  EXPECT_EQ(m_grid->SelectedIndex(), 1);

  const TRect fifth = m_grid->CellRect(0, 4);
  ClickControl(m_grid, {fifth.Left + 5, fifth.Top + 3});
  ClickControl(m_grid, {fifth.Left + 5, fifth.Top + 3});
  ASSERT_TRUE(PumpUntil([&] { return m_form->log.size() >= 3; }));
  Pump();
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"click " + User(3), "click " + User(5),
                                                   "dblclick " + User(5)}));
}

TEST_F(DBGridServerTest, KeysWheelAndScrollBarMoveTheCurrentRecord) {
  const int visible = m_grid->VisibleRowCount();
  m_grid->SetFocus();
  ASSERT_TRUE(m_grid->Focused());
  struct TStep {
    std::function<void()> Act;
    int RecNo;
  };
  const TStep steps[] = {
      {[] { PressKey(VK_DOWN); }, 2},
      {[] { PressKey(VK_NEXT); }, 2 + visible},
      {[] { PressKey(VK_UP); }, 1 + visible},
      {[&] { m_grid->Perform(WM_VSCROLL, SB_BOTTOM); }, 40},
      {[&] { m_grid->Perform(WM_VSCROLL, SB_LINEUP); }, 39},
      {[&] { m_grid->Perform(WM_VSCROLL, SB_PAGEUP); }, 39 - visible},
      {[&] { m_grid->Perform(WM_VSCROLL, SB_TOP); }, 1},
      {[&] { m_grid->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA))); },
       2},
      {[&] { m_grid->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA)); }, 1},
  };
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    steps[i].Act();
    Pump();
    EXPECT_EQ(m_query->RecNo(), steps[i].RecNo) << "step " << i;
  }
}

TEST_F(DBGridServerTest, WithoutColumnsItShowsEveryField) {
  m_grid->Columns()->Clear();
  EXPECT_EQ(m_grid->VisibleColumnCount(), 3);
  EXPECT_EQ(m_grid->PaintedColumn(2)[2], "\xC7" "evrimi\xE7i");
  EXPECT_EQ(m_grid->PaintedColumn(0)[0], "1");
}

// The pixels of a cell are those of its text drawn in the grid's font.
TEST_F(DBGridServerTest, CellPixelsShowTheTurkishText) {
  const TRect client = m_grid->ClientRect();
  const TRect cell = m_grid->CellRect(1, 1);
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP picture = ::CreateCompatibleBitmap(screen, client.Right, client.Bottom);
  HGDIOBJ old = ::SelectObject(memory, picture);
  m_grid->Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory));

  TOwned<TBitmap> expected(Create<TBitmap>());
  expected->SetSize(client.Right, client.Bottom);
  expected->Canvas()->SetFont(m_grid->Font());
  expected->Canvas()->Brush()->SetColor(clWindow);
  expected->Canvas()->FillRect(client);
  expected->Canvas()->TextRect(cell, cell.Left + 2, cell.Top + 2, "\xC7" "evrimd\xFD\xFE\xFD");

  int differences = 0;
  int inked = 0;
  for (int y = cell.Top; y < cell.Bottom; ++y)
    for (int x = cell.Left; x < cell.Right; ++x) {
      const TColor want = expected->Canvas()->Pixels(x, y);
      differences += ::GetPixel(memory, x, y) != static_cast<COLORREF>(want) ? 1 : 0;
      inked += want != ColorToRGB(clWindow) ? 1 : 0;
    }
  ::SelectObject(memory, old);
  ::DeleteObject(picture);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  EXPECT_GT(inked, 20);
  EXPECT_EQ(differences, 0);
}

// The grid as the screen shows it, written for people to look at (with
// TEST_PICTURES set): the focused grid highlights its current cell.
TEST_F(DBGridServerTest, PictureShowsTheFocusedCurrentCell) {
  m_query->MoveBy(2);
  m_grid->SetFocus();
  m_grid->Repaint();
  Pump();
  TOwned<TBitmap> picture(Create<TBitmap>());
  CaptureScreen(m_form->Handle(), picture.get());
  RECT window{};
  ::GetWindowRect(m_form->Handle(), &window);
  SavePicture(picture.get(), "dbctrls-grid");

  const TPoint origin = m_grid->ClientToScreen({0, 0});
  auto count = [&](const TRect& cell, TColor color) {
    int pixels = 0;
    for (int y = cell.Top; y < cell.Bottom; ++y)
      for (int x = cell.Left; x < cell.Right; ++x)
        pixels += picture->Canvas()->Pixels(x + origin.X - window.left,
                                           y + origin.Y - window.top) == ColorToRGB(color)
                      ? 1
                      : 0;
    return pixels;
  };
  EXPECT_GT(count(m_grid->CellRect(0, 2), clHighlight), 200);
  EXPECT_GT(count(m_grid->CellRect(0, 2), clHighlightText), 20);
  EXPECT_EQ(count(m_grid->CellRect(1, 2), clHighlight), 0);
  EXPECT_GT(count(m_grid->CellRect(1, 2), clWindowText), 20);
}

} // namespace
} // namespace controls_test
