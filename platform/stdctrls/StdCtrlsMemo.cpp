// Memos: TMemoStrings, TCustomMemo and TMemo.
#include "platform/stdctrls/StdCtrls.h"

namespace {

constexpr char kLineBreak[] = "\r\n";

// The text with every line break (CR, LF or CR LF) made CR LF, which is the
// only break the platform's EDIT shows.
std::string WithLineBreaks(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      result += kLineBreak;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
        ++i;
    } else {
      result += c;
    }
  }
  return result;
}

bool EndsWithLineBreak(const std::string& text) {
  return text.size() >= 2 && text.compare(text.size() - 2, 2, kLineBreak) == 0;
}

} // namespace

std::vector<int> TMemoStrings::LineStarts(const std::string& text) const {
  std::vector<int> starts;
  std::size_t start = 0;
  while (start < text.size()) {
    starts.push_back(static_cast<int>(start));
    const std::size_t lineBreak = text.find(kLineBreak, start);
    if (lineBreak == std::string::npos)
      break;
    start = lineBreak + 2;
  }
  starts.push_back(static_cast<int>(text.size()));
  return starts;
}

int TMemoStrings::GetCount() const {
  return static_cast<int>(LineStarts(m_memo->Text()).size()) - 1;
}

std::string TMemoStrings::Get(int index) const {
  const std::string text = m_memo->Text();
  const std::vector<int> starts = LineStarts(text);
  if (index < 0 || index + 1 >= static_cast<int>(starts.size()))
    IndexError(index);
  const auto start = static_cast<std::size_t>(starts[static_cast<std::size_t>(index)]);
  const std::size_t lineBreak = text.find(kLineBreak, start);
  const std::size_t end = lineBreak == std::string::npos ? text.size() : lineBreak;
  return text.substr(start, end - start);
}

int TMemoStrings::Add(const std::string& s) {
  const std::string text = m_memo->Text();
  const int count = static_cast<int>(LineStarts(text).size()) - 1;
  AppendAt(static_cast<int>(text.size()), text.empty() || EndsWithLineBreak(text), s);
  return count;
}

void TMemoStrings::Append(const std::string& s) {
  const int length = m_memo->GetTextLen();
  if (length == 0 || KnownToEndWithLineBreak(length)) {
    AppendAt(length, true, s);
    return;
  }
  const std::string text = m_memo->Text();
  AppendAt(static_cast<int>(text.size()), EndsWithLineBreak(text), s);
}

bool TMemoStrings::KnownToEndWithLineBreak(int length) const {
  return m_lineBreakAtChanges == m_memo->TextChanges() && m_lineBreakAtLength == length;
}

void TMemoStrings::AppendAt(int length, bool endsWithLineBreak, const std::string& s) {
  std::string appended = WithLineBreaks(s) + kLineBreak;
  if (!endsWithLineBreak)
    appended = kLineBreak + appended;
  const int changesBefore = m_memo->TextChanges();
  m_memo->ReplaceText(length, length, appended);
  RememberLineBreakAtEnd(changesBefore, 1, length + static_cast<int>(appended.size()));
}

// A handler of the change that rewrote the text leaves nothing known.
void TMemoStrings::RememberLineBreakAtEnd(int changesBefore, int expectedChanges, int length) {
  const bool current = m_memo->TextChanges() - changesBefore <= expectedChanges;
  m_lineBreakAtChanges = current ? m_memo->TextChanges() : -1;
  m_lineBreakAtLength = current ? length : -1;
}

void TMemoStrings::Insert(int index, const std::string& s) {
  const std::string text = m_memo->Text();
  const std::vector<int> starts = LineStarts(text);
  const int count = static_cast<int>(starts.size()) - 1;
  if (index < 0 || index > count)
    IndexError(index);
  if (index == count) {
    AppendAt(static_cast<int>(text.size()), text.empty() || EndsWithLineBreak(text), s);
    return;
  }
  const int at = starts[static_cast<std::size_t>(index)];
  m_memo->ReplaceText(at, at, WithLineBreaks(s) + kLineBreak);
}

void TMemoStrings::Delete(int index) {
  const std::vector<int> starts = LineStarts(m_memo->Text());
  if (index < 0 || index + 1 >= static_cast<int>(starts.size()))
    IndexError(index);
  const auto i = static_cast<std::size_t>(index);
  m_memo->ReplaceText(starts[i], starts[i + 1], {});
}

void TMemoStrings::Put(int index, const std::string& s) {
  const std::string text = m_memo->Text();
  const std::vector<int> starts = LineStarts(text);
  if (index < 0 || index + 1 >= static_cast<int>(starts.size()))
    IndexError(index);
  const int start = starts[static_cast<std::size_t>(index)];
  const std::size_t lineBreak = text.find(kLineBreak, static_cast<std::size_t>(start));
  const int end = lineBreak == std::string::npos ? static_cast<int>(text.size())
                                                 : static_cast<int>(lineBreak);
  m_memo->ReplaceText(start, end, WithLineBreaks(s));
}

void TMemoStrings::Clear() { m_memo->Clear(); }

std::string TMemoStrings::GetTextStr() const { return m_memo->Text(); }

void TMemoStrings::SetTextStr(const std::string& text) {
  const std::string lines = WithLineBreaks(text);
  const int changesBefore = m_memo->TextChanges();
  m_memo->SetText(lines);
  if (lines.empty() || EndsWithLineBreak(lines))
    RememberLineBreakAtEnd(changesBefore, 1, static_cast<int>(lines.size()));
}

void TMemoStrings::SetUpdateState(bool updating) {
  if (!m_memo->HandleAllocated())
    return;
  m_memo->Perform(WM_SETREDRAW, updating ? FALSE : TRUE);
  if (!updating)
    m_memo->Invalidate();
}

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner), m_lines(std::make_unique<TMemoStrings>(this)) {
  SetBounds(Left(), Top(), 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

void TMemo::Publish(TPublisher& p) {
  PublishBoxProperties(p);
  p.Property("Lines", &TMemo::Lines, &TMemo::SetLines);
  p.Property("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars)
      .Default(TScrollStyle::ssNone);
  p.Property("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap).Default(true);
  p.Property("OnChange", &TMemo::OnChange, &TMemo::SetOnChange);
}

void TCustomMemo::SetLines(TStrings* value) {
  if (value)
    m_lines->Assign(*value);
  else
    m_lines->Clear();
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
  if (m_scrollBars == value)
    return;
  m_scrollBars = value;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool value) {
  if (m_wordWrap == value)
    return;
  m_wordWrap = value;
  RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style |= ES_MULTILINE;
  if (m_wordWrap)
    params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  const bool vertical =
      m_scrollBars == TScrollStyle::ssVertical || m_scrollBars == TScrollStyle::ssBoth;
  const bool horizontal =
      !m_wordWrap &&
      (m_scrollBars == TScrollStyle::ssHorizontal || m_scrollBars == TScrollStyle::ssBoth);
  if (vertical)
    params.Style |= WS_VSCROLL;
  if (horizontal)
    params.Style |= WS_HSCROLL;
}
