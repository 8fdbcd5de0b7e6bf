#include "data/cxFilterCompiled.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "data/cxDataStorage.h"
#include "data/cxFilter.h"
#include "data/cxLike.h"
#include "platform/rtl/AnsiStrings.h"

namespace {

// How a column's bytes read.
enum class TColumnType { Smallint, Integer, Word, LargeInt, Boolean, Float, DateTime, String };

// Integers and Booleans compare exactly, numbers of other kinds as doubles,
// texts by their bytes.
enum class TValueKind { Ordinal, Real, Text };

struct TValue {
  TValueKind Kind = TValueKind::Ordinal;
  std::int64_t Ordinal = 0;
  double Real = 0;
  std::string_view Text;
};

// A condition value converted once; its text is owned.
struct TConstant {
  TValueKind Kind = TValueKind::Ordinal;
  std::int64_t Ordinal = 0;
  double Real = 0;
  std::string Text;

  TValue View() const { return {Kind, Ordinal, Real, Text}; }
};

enum class TLikeKind { Any, Exact, BeginsWith, EndsWith, Contains, General };

enum class TNodeKind { List, Compare, Between, InList, Like, DateRange, Constant, Untyped };

double AsReal(const TValue& value) {
  return value.Kind == TValueKind::Real ? value.Real : static_cast<double>(value.Ordinal);
}

// As VarCompare answers for the two values: the byte difference or the
// length difference for texts, -1 / 0 / 1 for numbers (1 when a number is
// not a number).
int Compare(const TValue& a, const TValue& b) {
  if (a.Kind == TValueKind::Text) {
    const std::size_t common = std::min(a.Text.size(), b.Text.size());
    for (std::size_t i = 0; i < common; ++i)
      if (a.Text[i] != b.Text[i])
        return static_cast<unsigned char>(a.Text[i]) - static_cast<unsigned char>(b.Text[i]);
    return static_cast<int>(a.Text.size()) - static_cast<int>(b.Text.size());
  }
  if (a.Kind == TValueKind::Ordinal && b.Kind == TValueKind::Ordinal)
    return a.Ordinal < b.Ordinal ? -1 : (a.Ordinal > b.Ordinal ? 1 : 0);
  const double x = AsReal(a);
  const double y = AsReal(b);
  if (x == y)
    return 0;
  return x < y ? -1 : 1;
}

template <class T>
T Load(const unsigned char* address) {
  T value;
  std::memcpy(&value, address, sizeof(T));
  return value;
}

const std::string* HolderAt(const unsigned char* data) {
  return Load<const std::string*>(data);
}

bool ColumnTypeOf(const TcxValueTypeClass& type, TColumnType& columnType) {
  if (type == TcxValueTypeClass(TcxSmallintValueType::StaticClass()))
    columnType = TColumnType::Smallint;
  else if (type == TcxValueTypeClass(TcxIntegerValueType::StaticClass()))
    columnType = TColumnType::Integer;
  else if (type == TcxValueTypeClass(TcxWordValueType::StaticClass()))
    columnType = TColumnType::Word;
  else if (type == TcxValueTypeClass(TcxLargeIntValueType::StaticClass()))
    columnType = TColumnType::LargeInt;
  else if (type == TcxValueTypeClass(TcxBooleanValueType::StaticClass()))
    columnType = TColumnType::Boolean;
  else if (type == TcxValueTypeClass(TcxFloatValueType::StaticClass()))
    columnType = TColumnType::Float;
  else if (type == TcxValueTypeClass(TcxDateTimeValueType::StaticClass()))
    columnType = TColumnType::DateTime;
  else if (type == TcxValueTypeClass(TcxStringValueType::StaticClass()))
    columnType = TColumnType::String;
  else
    return false;
  return true;
}

TValueKind KindOf(TColumnType type) {
  switch (type) {
  case TColumnType::Float:
  case TColumnType::DateTime: return TValueKind::Real;
  case TColumnType::String: return TValueKind::Text;
  default: return TValueKind::Ordinal;
  }
}

// A prepared condition value as a constant for a column of 'kind'; false
// when comparing the two takes a conversion of text or a type without order.
bool ToConstant(const Variant& value, TValueKind kind, TConstant& constant) {
  switch (VarType(value)) {
  case varSmallint:
  case varInteger:
  case varShortInt:
  case varByte:
  case varWord:
  case varLongWord:
  case varInt64:
  case varBoolean:
    constant.Kind = TValueKind::Ordinal;
    constant.Ordinal = value.ToInt64();
    return kind != TValueKind::Text;
  case varSingle:
  case varDouble:
  case varDate:
    constant.Kind = TValueKind::Real;
    constant.Real = value.ToDouble();
    return kind != TValueKind::Text;
  case varString:
    constant.Kind = TValueKind::Text;
    constant.Text = std::string(value.StringBytes());
    return kind == TValueKind::Text;
  default: return false;
  }
}

// The pattern's kind once runs of the percent character are one; the part
// to look for is left in 'pattern'.
TLikeKind ClassifyPattern(std::string& pattern, char percent, char underscore) {
  if (percent == underscore)
    return TLikeKind::General;
  std::string collapsed;
  for (const char c : pattern)
    if (c != percent || collapsed.empty() || collapsed.back() != percent)
      collapsed += c;
  if (collapsed.find(underscore) != std::string::npos)
    return TLikeKind::General;
  if (collapsed.size() == 1 && collapsed[0] == percent)
    return TLikeKind::Any;
  const bool leading = !collapsed.empty() && collapsed.front() == percent;
  const bool trailing = collapsed.size() > 1 && collapsed.back() == percent;
  const std::string_view inner = std::string_view(collapsed).substr(
      leading ? 1 : 0, collapsed.size() - (leading ? 1 : 0) - (trailing ? 1 : 0));
  if (inner.find(percent) != std::string_view::npos)
    return TLikeKind::General;
  pattern = std::string(inner);
  if (leading && trailing)
    return TLikeKind::Contains;
  if (leading)
    return TLikeKind::EndsWith;
  return trailing ? TLikeKind::BeginsWith : TLikeKind::Exact;
}

bool MatchLike(std::string_view text, TLikeKind kind, const std::string& pattern, char percent,
               char underscore) {
  switch (kind) {
  case TLikeKind::Any: return true;
  case TLikeKind::Exact: return text == pattern;
  case TLikeKind::BeginsWith: return text.starts_with(pattern);
  case TLikeKind::EndsWith: return text.ends_with(pattern);
  case TLikeKind::Contains: return text.find(pattern) != std::string_view::npos;
  default: return LikeStr(text, pattern, percent, underscore);
  }
}

// The index of the operator's class in the standard table, -1 for another class.
int StandardOperatorIndex(const TcxFilterOperator* filterOperator) {
  for (int i = 0; i <= cxFilterNotNullOperatorIndex; ++i)
    if (filterOperator->ClassType() == cxFilterOperatorClass(i).Get())
      return i;
  return -1;
}

} // namespace

struct TcxCompiledFilter::TColumn {
  const TcxValueDef* ValueDef = nullptr;
  int Offset = 0;
  TcxValueTypeClass TypeClass;
  TColumnType Type = TColumnType::Integer;

  // The layout the program was made for still holds.
  bool StillLaidOut() const {
    return ValueDef->Offset() == Offset && ValueDef->BufferSize() > 0 &&
           ValueDef->ValueTypeClass() == TypeClass;
  }
};

struct TcxCompiledFilter::TNode {
  TNodeKind Kind = TNodeKind::Untyped;
  // Lists.
  TcxFilterBoolOperatorKind BoolKind = TcxFilterBoolOperatorKind::fboAnd;
  std::vector<TNode> Children;
  // Typed leaves.
  int Column = -1;
  TcxFilterOperatorKind OperatorKind = TcxFilterOperatorKind::foEqual;
  bool Negated = false;
  bool FoldCase = false;
  std::vector<TConstant> Values;
  TLikeKind LikeKind = TLikeKind::General;
  std::string Pattern;
  char Percent = '%';
  char Underscore = '_';
  double DateFrom = 0;
  double DateTo = 0;
  bool ConstantResult = false;
  // Untyped leaves.
  TcxFilterCriteriaItem* Leaf = nullptr;
};

// Compiles one criteria tree.
class TcxFilterCompiler {
public:
  TcxFilterCompiler(TcxFilterCriteria& criteria, std::vector<TcxCompiledFilter::TColumn>& columns,
                    std::array<unsigned char, 256>& upperCase)
      : m_criteria(criteria), m_columns(columns), m_upperCase(upperCase) {}

  TcxCompiledFilter::TNode CompileList(const TcxFilterCriteriaItemList& list);
  TcxDataStorage* Storage() const { return m_storage; }
  bool AnyTyped() const { return m_anyTyped; }
  bool AllTyped() const { return m_allTyped; }

private:
  using TNode = TcxCompiledFilter::TNode;

  TNode CompileLeaf(TcxFilterCriteriaItem& leaf);
  bool CompileTyped(TcxFilterCriteriaItem& leaf, TNode& node);
  bool CompileOperator(const TcxFilterOperator& filterOperator, int operatorIndex,
                       const Variant& value, TValueKind kind, TNode& node);
  int ColumnOf(const TcxValueDef& valueDef, TColumnType type);
  bool CaseTableReady();

  TcxFilterCriteria& m_criteria;
  std::vector<TcxCompiledFilter::TColumn>& m_columns;
  std::array<unsigned char, 256>& m_upperCase;
  TcxDataStorage* m_storage = nullptr;
  // 0 not built, 1 built, -1 the locale's upper case is not one byte per byte.
  int m_caseTable = 0;
  bool m_anyTyped = false;
  bool m_allTyped = true;
};

TcxCompiledFilter::TNode TcxFilterCompiler::CompileList(const TcxFilterCriteriaItemList& list) {
  TNode node;
  node.Kind = TNodeKind::List;
  node.BoolKind = list.BoolOperatorKind();
  for (int i = 0; i < list.Count(); ++i) {
    TcxCustomFilterCriteriaItem* item = list.Items(i);
    node.Children.push_back(item->IsItemList()
                                ? CompileList(*static_cast<TcxFilterCriteriaItemList*>(item))
                                : CompileLeaf(*static_cast<TcxFilterCriteriaItem*>(item)));
  }
  return node;
}

TcxCompiledFilter::TNode TcxFilterCompiler::CompileLeaf(TcxFilterCriteriaItem& leaf) {
  TNode node;
  bool typed = false;
  // A condition that cannot be converted stays with the criteria, which
  // meet the same failure row by row.
  try {
    typed = CompileTyped(leaf, node);
  } catch (const Exception&) {
    typed = false;
  }
  if (!typed) {
    node = TNode();
    node.Kind = TNodeKind::Untyped;
    node.Leaf = &leaf;
    m_allTyped = false;
    return node;
  }
  m_anyTyped = true;
  return node;
}

bool TcxFilterCompiler::CompileTyped(TcxFilterCriteriaItem& leaf, TNode& node) {
  const TcxValueDef* valueDef = leaf.GetRecordValueDef();
  if (!valueDef || !leaf.Operator())
    return false;
  TcxDataStorage* storage = valueDef->ValueDefs()->DataStorage();
  TColumnType type{};
  if (!storage || valueDef->ValueDefs() != &storage->ValueDefs() ||
      (m_storage && storage != m_storage) || valueDef->BufferSize() <= 0 ||
      !ColumnTypeOf(valueDef->ValueTypeClass(), type))
    return false;
  const int operatorIndex = StandardOperatorIndex(leaf.Operator());
  if (operatorIndex < 0)
    return false;
  const bool foldCase =
      type == TColumnType::String &&
      m_criteria.Options().Contains(TcxFilterCriteriaOption::fcoCaseInsensitive);
  if (foldCase && !CaseTableReady())
    return false;
  node.FoldCase = foldCase;
  if (!CompileOperator(*leaf.Operator(), operatorIndex, m_criteria.PrepareValue(leaf.Value()),
                       KindOf(type), node))
    return false;
  m_storage = storage;
  node.Column = ColumnOf(*valueDef, type);
  return true;
}

bool TcxFilterCompiler::CompileOperator(const TcxFilterOperator& filterOperator, int operatorIndex,
                                        const Variant& value, TValueKind kind, TNode& node) {
  using enum TcxFilterOperatorKind;
  if (operatorIndex >= cxFilterNullOperatorIndex) {
    // The row's value is never blank here: rows with a blank value are left
    // to the criteria.
    node.Kind = TNodeKind::Constant;
    node.ConstantResult = operatorIndex == cxFilterNotNullOperatorIndex;
    return true;
  }
  node.OperatorKind = static_cast<TcxFilterOperatorKind>(operatorIndex);
  switch (node.OperatorKind) {
  case foEqual:
  case foNotEqual:
  case foLess:
  case foLessEqual:
  case foGreater:
  case foGreaterEqual:
    node.Kind = TNodeKind::Compare;
    node.Values.resize(1);
    return ToConstant(value, kind, node.Values[0]);
  case foLike:
  case foNotLike:
    if (kind != TValueKind::Text || VarType(value) != varString)
      return false;
    node.Kind = TNodeKind::Like;
    node.Negated = node.OperatorKind == foNotLike;
    node.Pattern = std::string(value.StringBytes());
    node.Percent = m_criteria.PercentWildcard();
    node.Underscore = m_criteria.UnderscoreWildcard();
    node.LikeKind = ClassifyPattern(node.Pattern, node.Percent, node.Underscore);
    return true;
  case foBetween:
  case foNotBetween:
    if (!VarIsArray(value) || VarArrayLowBound(value, 1) > 0 || VarArrayHighBound(value, 1) < 1)
      return false;
    node.Kind = TNodeKind::Between;
    node.Negated = node.OperatorKind == foNotBetween;
    node.Values.resize(2);
    return ToConstant(VarArrayGet(value, {0}), kind, node.Values[0]) &&
           ToConstant(VarArrayGet(value, {1}), kind, node.Values[1]);
  case foInList:
  case foNotInList:
    if (!VarIsArray(value))
      return false;
    node.Kind = TNodeKind::InList;
    node.Negated = node.OperatorKind == foNotInList;
    for (int i = VarArrayLowBound(value, 1); i <= VarArrayHighBound(value, 1); ++i) {
      const Variant element = VarArrayGet(value, {i});
      // A blank element equals no value.
      if (VarIsNull(element))
        continue;
      node.Values.emplace_back();
      if (!ToConstant(element, kind, node.Values.back()))
        return false;
    }
    return true;
  default: {
    const auto* dateOperator = dynamic_cast<const TcxFilterDateOperator*>(&filterOperator);
    if (!dateOperator || kind == TValueKind::Text)
      return false;
    node.Kind = TNodeKind::DateRange;
    node.DateFrom = dateOperator->DateFrom();
    node.DateTo = dateOperator->DateTo();
    return true;
  }
  }
}

int TcxFilterCompiler::ColumnOf(const TcxValueDef& valueDef, TColumnType type) {
  for (std::size_t i = 0; i < m_columns.size(); ++i)
    if (m_columns[i].ValueDef == &valueDef)
      return static_cast<int>(i);
  m_columns.push_back({&valueDef, valueDef.Offset(), valueDef.ValueTypeClass(), type});
  return static_cast<int>(m_columns.size()) - 1;
}

// The locale's upper case of every byte, as AnsiUpperCase gives it for text.
bool TcxFilterCompiler::CaseTableReady() {
  if (m_caseTable == 0) {
    m_caseTable = 1;
    m_upperCase[0] = 0;
    for (int c = 1; c < 256; ++c) {
      const std::string upper = AnsiUpperCase(std::string(1, static_cast<char>(c)));
      if (upper.size() != 1) {
        m_caseTable = -1;
        break;
      }
      m_upperCase[static_cast<std::size_t>(c)] = static_cast<unsigned char>(upper[0]);
    }
  }
  return m_caseTable > 0;
}

// ---- The program ---------------------------------------------------------------

struct TcxCompiledFilter::TProgram {
  TcxFilterCriteria* Criteria = nullptr;
  TcxDataStorage* Storage = nullptr;
  std::vector<TColumn> Columns;
  TNode Root;
  bool AllLeavesTyped = true;
  bool SoftNull = false;
  std::array<unsigned char, 256> UpperCase{};
};

namespace {

// One row being evaluated.
struct TRow {
  const TcxCompiledFilter::TProgram& Program;
  const unsigned char* Buffer;
  TObject* Data;
  bool ShortCut;
  // The folded text of the row's value, reused from row to row.
  std::string& Folded;
};

} // namespace

class TcxCompiledFilterEvaluator {
public:
  using TNode = TcxCompiledFilter::TNode;

  static bool Holds(const TcxCompiledFilter::TColumn& column, const unsigned char* buffer,
                    bool softNull) {
    if (buffer[column.Offset] == 0)
      return false;
    if (column.Type != TColumnType::String)
      return true;
    const std::string* text = HolderAt(buffer + column.Offset + 1);
    return text && !(softNull && text->empty());
  }

  static bool Node(const TNode& node, TRow& row) {
    switch (node.Kind) {
    case TNodeKind::List: return List(node, row);
    case TNodeKind::Constant: return node.ConstantResult;
    case TNodeKind::Untyped: return row.Program.Criteria->EvaluateLeaf(node.Leaf, row.Data);
    default: return Leaf(node, Read(node, row));
    }
  }

private:
  static bool List(const TNode& node, TRow& row) {
    using enum TcxFilterBoolOperatorKind;
    const bool negation = node.BoolKind == fboNotAnd || node.BoolKind == fboNotOr;
    // AND and NOT OR are decided by a false running result, OR and NOT AND by a true one.
    const bool decidedWhen = node.BoolKind == fboOr || node.BoolKind == fboNotAnd;
    bool result = true;
    for (std::size_t i = 0; i < node.Children.size(); ++i) {
      const bool r = Node(node.Children[i], row);
      if (i == 0)
        result = negation ? !r : r;
      else if (node.BoolKind == fboAnd)
        result = result && r;
      else if (node.BoolKind == fboOr)
        result = result || r;
      else if (node.BoolKind == fboNotAnd)
        result = result || !r;
      else
        result = result && !r;
      if (row.ShortCut && result == decidedWhen)
        break;
    }
    return result;
  }

  static TValue Read(const TNode& node, TRow& row) {
    const TcxCompiledFilter::TColumn& column =
        row.Program.Columns[static_cast<std::size_t>(node.Column)];
    const unsigned char* data = row.Buffer + column.Offset + 1;
    TValue value;
    switch (column.Type) {
    case TColumnType::Smallint: value.Ordinal = Load<std::int16_t>(data); break;
    case TColumnType::Integer: value.Ordinal = Load<std::int32_t>(data); break;
    case TColumnType::Word: value.Ordinal = Load<std::uint16_t>(data); break;
    case TColumnType::LargeInt: value.Ordinal = Load<std::int64_t>(data); break;
    case TColumnType::Boolean: value.Ordinal = Load<std::uint8_t>(data) != 0 ? -1 : 0; break;
    case TColumnType::Float:
    case TColumnType::DateTime:
      value.Kind = TValueKind::Real;
      value.Real = Load<double>(data);
      break;
    case TColumnType::String:
      value.Kind = TValueKind::Text;
      value.Text = *HolderAt(data);
      if (node.FoldCase)
        value.Text = Fold(value.Text, row);
      break;
    }
    return value;
  }

  static std::string_view Fold(std::string_view text, TRow& row) {
    row.Folded.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
      row.Folded[i] = static_cast<char>(row.Program.UpperCase[static_cast<unsigned char>(text[i])]);
    return row.Folded;
  }

  static bool Leaf(const TNode& node, const TValue& value) {
    using enum TcxFilterOperatorKind;
    switch (node.Kind) {
    case TNodeKind::Compare: {
      const int relation = Compare(value, node.Values[0].View());
      switch (node.OperatorKind) {
      case foEqual: return relation == 0;
      case foNotEqual: return relation != 0;
      case foLess: return relation < 0;
      case foLessEqual: return relation <= 0;
      case foGreater: return relation > 0;
      default: return relation >= 0;
      }
    }
    case TNodeKind::Between: {
      const bool inside = Compare(node.Values[0].View(), value) <= 0 &&
                          Compare(value, node.Values[1].View()) <= 0;
      return inside != node.Negated;
    }
    case TNodeKind::InList: {
      const bool found = std::any_of(node.Values.begin(), node.Values.end(),
                                     [&](const TConstant& c) { return Compare(value, c.View()) == 0; });
      return found != node.Negated;
    }
    case TNodeKind::Like:
      return MatchLike(value.Text, node.LikeKind, node.Pattern, node.Percent, node.Underscore) !=
             node.Negated;
    default: return InDateRange(node, AsReal(value));
    }
  }

  static bool InDateRange(const TNode& node, double value) {
    if (node.DateFrom != 0 && node.DateFrom > value)
      return false;
    if (node.DateTo != 0)
      return value < node.DateTo;
    return true;
  }
};

std::unique_ptr<TcxCompiledFilter> TcxCompiledFilter::Compile(TcxFilterCriteria& criteria) {
  auto program = std::make_unique<TProgram>();
  TcxFilterCompiler compiler(criteria, program->Columns, program->UpperCase);
  program->Root = compiler.CompileList(*criteria.Root());
  if (!compiler.AnyTyped())
    return nullptr;
  program->Criteria = &criteria;
  program->Storage = compiler.Storage();
  program->AllLeavesTyped = compiler.AllTyped();
  program->SoftNull = criteria.Options().Contains(TcxFilterCriteriaOption::fcoSoftNull);
  std::unique_ptr<TcxCompiledFilter> result(new TcxCompiledFilter());
  result->m_program = std::move(program);
  return result;
}

TcxCompiledFilter::TcxCompiledFilter() = default;
TcxCompiledFilter::~TcxCompiledFilter() = default;

bool TcxCompiledFilter::AllLeavesTyped() const { return m_program->AllLeavesTyped; }

TcxCompiledFilter::TResult TcxCompiledFilter::Evaluate(TcxDataStorage* storage, int recordIndex,
                                                       TObject* data, bool shortCut) const {
  const TProgram& program = *m_program;
  if (storage != program.Storage || recordIndex < 0)
    return TResult::Undecided;
  const unsigned char* buffer = storage->ReadRecordBuffer(recordIndex);
  if (!buffer)
    return TResult::Undecided;
  for (const TColumn& column : program.Columns)
    if (!column.StillLaidOut() || !TcxCompiledFilterEvaluator::Holds(column, buffer, program.SoftNull))
      return TResult::Undecided;
  TRow row{program, buffer, data, shortCut && program.AllLeavesTyped, m_folded};
  return TcxCompiledFilterEvaluator::Node(program.Root, row) ? TResult::True : TResult::False;
}
