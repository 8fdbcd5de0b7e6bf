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

// What an instruction tests. The comparisons of one value kind read the
// row's value and the constants in that kind alone; the generic ones compare
// values of mixed kinds as VarCompare does. Once compiled, the commonest
// tests are narrowed to the column's type and the pattern's kind (the
// entries after DateRange), so that a row takes a single dispatch per leaf.
enum class TTest : std::uint8_t {
  Constant,
  Untyped,
  OrdinalCompare,
  RealCompare,
  TextCompare,
  OrdinalBetween,
  RealBetween,
  GenericBetween,
  InList,
  DateRange,
  IntegerCompare,
  DoubleCompare,
  TextEqual,
  IntegerBetween,
  DoubleBetween,
  DoubleDateRange,
  LikeExact,
  LikeBeginsWith,
  LikeEndsWith,
  LikeContains,
  LikeGeneral
};

// How many records ahead a row's evaluation fetches a record buffer.
constexpr int kFetchAhead = 32;

// Where an instruction goes on once the row's result is known.
constexpr int kAccept = -1;
constexpr int kReject = -2;

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

// The test of a LIKE pattern once runs of the percent character are one
// (Constant for a pattern that matches every text); the part to look for is
// left in 'pattern'.
TTest ClassifyPattern(std::string& pattern, char percent, char underscore) {
  if (percent == underscore)
    return TTest::LikeGeneral;
  std::string collapsed;
  for (const char c : pattern)
    if (c != percent || collapsed.empty() || collapsed.back() != percent)
      collapsed += c;
  if (collapsed.find(underscore) != std::string::npos)
    return TTest::LikeGeneral;
  if (collapsed.size() == 1 && collapsed[0] == percent)
    return TTest::Constant;
  const bool leading = !collapsed.empty() && collapsed.front() == percent;
  const bool trailing = collapsed.size() > 1 && collapsed.back() == percent;
  const std::string_view inner = std::string_view(collapsed).substr(
      leading ? 1 : 0, collapsed.size() - (leading ? 1 : 0) - (trailing ? 1 : 0));
  if (inner.find(percent) != std::string_view::npos)
    return TTest::LikeGeneral;
  pattern = std::string(inner);
  if (leading && trailing)
    return TTest::LikeContains;
  if (leading)
    return TTest::LikeEndsWith;
  return trailing ? TTest::LikeBeginsWith : TTest::LikeExact;
}

// Byte equality of short runs, without a call. Texts that differ mostly
// differ in their first byte.
bool SameBytes(const char* a, const char* b, std::size_t count) {
  if (count == 0)
    return true;
  if (a[0] != b[0])
    return false;
  for (std::size_t i = 1; i < count; ++i)
    if (a[i] != b[i])
      return false;
  return true;
}

bool EqualBytes(std::string_view text, std::string_view pattern) {
  return text.size() == pattern.size() && SameBytes(text.data(), pattern.data(), text.size());
}

bool BeginsWith(std::string_view text, std::string_view pattern) {
  return text.size() >= pattern.size() && SameBytes(text.data(), pattern.data(), pattern.size());
}

bool EndsWith(std::string_view text, std::string_view pattern) {
  return text.size() >= pattern.size() &&
         SameBytes(text.data() + text.size() - pattern.size(), pattern.data(), pattern.size());
}

// Whether one of the eight bytes of 'word' is zero.
bool HasZeroByte(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  return ((word - kOnes) & ~word & (kOnes << 7)) != 0;
}

// Whether 'text' holds the byte 'c', eight bytes at a time; the last eight
// bytes are read as a whole, overlapping those read before.
bool HoldsByte(std::string_view text, char c) {
  const std::size_t size = text.size();
  if (size < 8)
    return std::memchr(text.data(), c, size) != nullptr;
  const std::uint64_t pattern = 0x0101010101010101ull * static_cast<unsigned char>(c);
  for (std::size_t i = 0; i + 8 < size; i += 8)
    if (HasZeroByte(Load<std::uint64_t>(
            reinterpret_cast<const unsigned char*>(text.data()) + i) ^ pattern))
      return true;
  return HasZeroByte(
      Load<std::uint64_t>(reinterpret_cast<const unsigned char*>(text.data()) + size - 8) ^
      pattern);
}

bool Contains(std::string_view text, std::string_view pattern) {
  if (pattern.size() == 1)
    return HoldsByte(text, pattern[0]);
  return text.find(pattern) != std::string_view::npos;
}

// The relations a comparison passes, as a mask of bit 0 for less, bit 1
// for equal and bit 2 for greater.
std::uint8_t RelationsOf(TcxFilterOperatorKind kind) {
  using enum TcxFilterOperatorKind;
  switch (kind) {
  case foEqual: return 2;
  case foNotEqual: return 5;
  case foLess: return 1;
  case foLessEqual: return 3;
  case foGreater: return 4;
  default: return 6;
  }
}

bool Passes(std::uint8_t relations, int relation) {
  const int bit = relation < 0 ? 0 : (relation == 0 ? 1 : 2);
  return ((relations >> bit) & 1) != 0;
}

// As Passes, for an order of -1, 0 or 1.
bool PassesOrder(std::uint8_t relations, int order) {
  return ((relations >> (order + 1)) & 1) != 0;
}

template <class T>
int Order(T a, T b) {
  return (a > b) - (a < b);
}

// As Compare does for two reals: a value that is not a number orders after.
int RealOrder(double a, double b) {
  if (a == b)
    return 0;
  return a < b ? -1 : 1;
}

int TextOrder(std::string_view a, std::string_view b) {
  const int bytes = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
  if (bytes != 0)
    return bytes;
  return Order(a.size(), b.size());
}

// The index of the operator's class in the standard table, -1 for another class.
int StandardOperatorIndex(const TcxFilterOperator* filterOperator) {
  for (int i = 0; i <= cxFilterNotNullOperatorIndex; ++i)
    if (filterOperator->ClassType() == cxFilterOperatorClass(i).Get())
      return i;
  return -1;
}

} // namespace

// A used value of the record: its Null flag at Offset, its bytes behind.
struct TcxCompiledFilter::TColumn {
  const TcxValueDef* ValueDef = nullptr;
  int Offset = 0;
  TcxValueTypeClass TypeClass;
};

// One leaf of the tree: what it tests and where the program goes on when a
// list's result is known.
struct TcxCompiledFilter::TInstruction {
  TTest Test = TTest::Untyped;
  TColumnType Type = TColumnType::Integer;
  // NOT LIKE, NOT BETWEEN and NOT IN.
  bool Negated = false;
  bool FoldCase = false;
  bool ConstantResult = false;
  std::uint8_t Relations = 0;
  char Percent = '%';
  char Underscore = '_';
  // Whether the instruction reads a value of the record (every leaf does;
  // an empty list does not).
  bool ReadsValue = false;
  // The value's bytes in the record buffer, behind its Null flag.
  int DataOffset = 0;
  // The next instruction, or kAccept / kReject.
  int OnTrue = kAccept;
  int OnFalse = kReject;
  std::int64_t Ordinals[2] = {0, 0};
  double Reals[2] = {0, 0};
  // A text to compare with, or the part of a LIKE pattern to look for.
  std::string Text;
  // Constants of the generic tests and of texts between two values.
  std::vector<TConstant> Values;
  TcxFilterCriteriaItem* Leaf = nullptr;
};

// A list of the tree for evaluating every leaf: its children's results
// (ListChildren[First] on) combined by its operator. A child is an
// instruction's index, or -1 - i for the list step i.
struct TcxCompiledFilter::TListStep {
  TcxFilterBoolOperatorKind BoolKind = TcxFilterBoolOperatorKind::fboAnd;
  int First = 0;
  int Count = 0;
};

struct TcxCompiledFilter::TProgram {
  TcxFilterCriteria* Criteria = nullptr;
  TcxDataStorage* Storage = nullptr;
  // The layout the offsets are known to hold in.
  mutable int LayoutStamp = 0;
  std::vector<TColumn> Columns;
  // Where the used values' Null flags are, and the holders of used texts.
  std::vector<int> FlagOffsets;
  std::vector<int> TextOffsets;
  // The leaves in the tree's order; the first is where a row starts.
  std::vector<TInstruction> Code;
  // Child lists before their parent; the root is the last.
  std::vector<TListStep> Lists;
  std::vector<int> ListChildren;
  bool AllLeavesTyped = true;
  bool SoftNull = false;
  // The bytes of the text the first leaf reads, behind its Null flag; -1
  // when it reads no text.
  int FirstTextOffset = -1;
  std::array<unsigned char, 256> UpperCase{};
};

// Compiles one criteria tree into a program.
class TcxFilterCompiler {
public:
  using TInstruction = TcxCompiledFilter::TInstruction;

  TcxFilterCompiler(TcxFilterCriteria& criteria, TcxCompiledFilter::TProgram& program)
      : m_criteria(criteria), m_program(program) {}

  // Emits the list's leaves so that the program goes on at 'onTrue' when
  // the list holds and at 'onFalse' when it does not; answers the list's
  // child reference.
  int EmitList(const TcxFilterCriteriaItemList& list, int onTrue, int onFalse);
  TcxDataStorage* Storage() const { return m_storage; }
  bool AnyTyped() const { return m_anyTyped; }
  bool AllTyped() const { return m_allTyped; }

private:
  int EmitLeaf(TcxFilterCriteriaItem& leaf, int onTrue, int onFalse);
  int Emit(TInstruction instruction, int onTrue, int onFalse);
  // Targets not yet emitted are labels below kReject.
  int NewLabel() { return --m_lastLabel; }
  void Resolve(std::size_t from, int label);
  bool CompileTyped(TcxFilterCriteriaItem& leaf, TInstruction& instruction);
  bool CompileOperator(const TcxFilterOperator& filterOperator, int operatorIndex,
                       const Variant& value, TValueKind kind, TInstruction& instruction);
  bool CompileComparison(const Variant& value, TValueKind kind, TInstruction& instruction);
  bool CompileBetween(const Variant& value, TValueKind kind, TInstruction& instruction);
  static void Narrow(TInstruction& instruction);
  int ColumnOf(const TcxValueDef& valueDef, TColumnType type);
  bool CaseTableReady();

  TcxFilterCriteria& m_criteria;
  TcxCompiledFilter::TProgram& m_program;
  TcxDataStorage* m_storage = nullptr;
  int m_lastLabel = kReject;
  // 0 not built, 1 built, -1 the locale's upper case is not one byte per byte.
  int m_caseTable = 0;
  bool m_anyTyped = false;
  bool m_allTyped = true;
};

int TcxFilterCompiler::EmitList(const TcxFilterCriteriaItemList& list, int onTrue, int onFalse) {
  using enum TcxFilterBoolOperatorKind;
  const int count = list.Count();
  if (count == 0) {
    // An empty list holds.
    TInstruction instruction;
    instruction.Test = TTest::Constant;
    instruction.ConstantResult = true;
    return Emit(std::move(instruction), onTrue, onFalse);
  }
  const TcxFilterBoolOperatorKind kind = list.BoolOperatorKind();
  std::vector<int> children;
  for (int i = 0; i < count; ++i) {
    const bool last = i == count - 1;
    const int next = last ? 0 : NewLabel();
    // AND goes on while its children hold, OR while they do not; NOT AND
    // is the OR of the children's negations, NOT OR their AND.
    int childTrue = onTrue;
    int childFalse = onFalse;
    switch (kind) {
    case fboAnd: childTrue = last ? onTrue : next; break;
    case fboOr: childFalse = last ? onFalse : next; break;
    case fboNotAnd:
      childTrue = last ? onFalse : next;
      childFalse = onTrue;
      break;
    case fboNotOr:
      childTrue = onFalse;
      childFalse = last ? onTrue : next;
      break;
    }
    const std::size_t from = m_program.Code.size();
    TcxCustomFilterCriteriaItem* item = list.Items(i);
    children.push_back(
        item->IsItemList()
            ? EmitList(*static_cast<TcxFilterCriteriaItemList*>(item), childTrue, childFalse)
            : EmitLeaf(*static_cast<TcxFilterCriteriaItem*>(item), childTrue, childFalse));
    if (!last)
      Resolve(from, next);
  }
  TcxCompiledFilter::TListStep step;
  step.BoolKind = kind;
  step.First = static_cast<int>(m_program.ListChildren.size());
  step.Count = count;
  m_program.ListChildren.insert(m_program.ListChildren.end(), children.begin(), children.end());
  m_program.Lists.push_back(step);
  return -static_cast<int>(m_program.Lists.size());
}

void TcxFilterCompiler::Resolve(std::size_t from, int label) {
  const int target = static_cast<int>(m_program.Code.size());
  for (std::size_t i = from; i < m_program.Code.size(); ++i) {
    TInstruction& instruction = m_program.Code[i];
    if (instruction.OnTrue == label)
      instruction.OnTrue = target;
    if (instruction.OnFalse == label)
      instruction.OnFalse = target;
  }
}

int TcxFilterCompiler::Emit(TInstruction instruction, int onTrue, int onFalse) {
  instruction.OnTrue = onTrue;
  instruction.OnFalse = onFalse;
  m_program.Code.push_back(std::move(instruction));
  return static_cast<int>(m_program.Code.size()) - 1;
}

int TcxFilterCompiler::EmitLeaf(TcxFilterCriteriaItem& leaf, int onTrue, int onFalse) {
  TInstruction instruction;
  bool typed = false;
  // A condition that cannot be converted stays with the criteria, which
  // meet the same failure row by row.
  try {
    typed = CompileTyped(leaf, instruction);
  } catch (const Exception&) {
    typed = false;
  }
  if (typed) {
    m_anyTyped = true;
  } else {
    instruction = TInstruction();
    instruction.Test = TTest::Untyped;
    instruction.Leaf = &leaf;
    m_allTyped = false;
  }
  return Emit(std::move(instruction), onTrue, onFalse);
}

bool TcxFilterCompiler::CompileTyped(TcxFilterCriteriaItem& leaf, TInstruction& instruction) {
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
  instruction.FoldCase = foldCase;
  instruction.Type = type;
  if (!CompileOperator(*leaf.Operator(), operatorIndex, m_criteria.PrepareValue(leaf.Value()),
                       KindOf(type), instruction))
    return false;
  m_storage = storage;
  ColumnOf(*valueDef, type);
  instruction.ReadsValue = true;
  instruction.DataOffset = valueDef->Offset() + 1;
  Narrow(instruction);
  return true;
}

// Narrows the commonest tests to the column's type: 32-bit integers and
// doubles read without a conversion, equality of texts without an order.
void TcxFilterCompiler::Narrow(TInstruction& instruction) {
  const bool integer = instruction.Type == TColumnType::Integer;
  const bool real =
      instruction.Type == TColumnType::Float || instruction.Type == TColumnType::DateTime;
  switch (instruction.Test) {
  case TTest::OrdinalCompare:
    if (integer)
      instruction.Test = TTest::IntegerCompare;
    break;
  case TTest::RealCompare:
    if (real)
      instruction.Test = TTest::DoubleCompare;
    break;
  case TTest::OrdinalBetween:
    if (integer)
      instruction.Test = TTest::IntegerBetween;
    break;
  case TTest::RealBetween:
    if (real)
      instruction.Test = TTest::DoubleBetween;
    break;
  case TTest::DateRange:
    if (real)
      instruction.Test = TTest::DoubleDateRange;
    break;
  case TTest::TextCompare:
    if (instruction.Relations == RelationsOf(TcxFilterOperatorKind::foEqual) ||
        instruction.Relations == RelationsOf(TcxFilterOperatorKind::foNotEqual)) {
      instruction.Test = TTest::TextEqual;
      instruction.Negated = instruction.Relations != RelationsOf(TcxFilterOperatorKind::foEqual);
    }
    break;
  default: break;
  }
}

bool TcxFilterCompiler::CompileOperator(const TcxFilterOperator& filterOperator,
                                        int operatorIndex, const Variant& value, TValueKind kind,
                                        TInstruction& instruction) {
  using enum TcxFilterOperatorKind;
  if (operatorIndex >= cxFilterNullOperatorIndex) {
    // The row's value is never blank here: rows with a blank value are left
    // to the criteria.
    instruction.Test = TTest::Constant;
    instruction.ConstantResult = operatorIndex == cxFilterNotNullOperatorIndex;
    return true;
  }
  const auto operatorKind = static_cast<TcxFilterOperatorKind>(operatorIndex);
  switch (operatorKind) {
  case foEqual:
  case foNotEqual:
  case foLess:
  case foLessEqual:
  case foGreater:
  case foGreaterEqual:
    instruction.Relations = RelationsOf(operatorKind);
    return CompileComparison(value, kind, instruction);
  case foLike:
  case foNotLike: {
    if (kind != TValueKind::Text || VarType(value) != varString)
      return false;
    instruction.Negated = operatorKind == foNotLike;
    instruction.Text = std::string(value.StringBytes());
    instruction.Percent = m_criteria.PercentWildcard();
    instruction.Underscore = m_criteria.UnderscoreWildcard();
    instruction.Test =
        ClassifyPattern(instruction.Text, instruction.Percent, instruction.Underscore);
    // The row's value is never blank here.
    instruction.ConstantResult = !instruction.Negated;
    return true;
  }
  case foBetween:
  case foNotBetween:
    instruction.Negated = operatorKind == foNotBetween;
    return CompileBetween(value, kind, instruction);
  case foInList:
  case foNotInList:
    if (!VarIsArray(value))
      return false;
    instruction.Test = TTest::InList;
    instruction.Negated = operatorKind == foNotInList;
    for (int i = VarArrayLowBound(value, 1); i <= VarArrayHighBound(value, 1); ++i) {
      const Variant element = VarArrayGet(value, {i});
      // A blank element equals no value.
      if (VarIsNull(element))
        continue;
      instruction.Values.emplace_back();
      if (!ToConstant(element, kind, instruction.Values.back()))
        return false;
    }
    return true;
  default: {
    const auto* dateOperator = dynamic_cast<const TcxFilterDateOperator*>(&filterOperator);
    if (!dateOperator || kind == TValueKind::Text)
      return false;
    instruction.Test = TTest::DateRange;
    instruction.Reals[0] = dateOperator->DateFrom();
    instruction.Reals[1] = dateOperator->DateTo();
    return true;
  }
  }
}

// Two ordinals compare exactly, a real with anything as reals.
bool TcxFilterCompiler::CompileComparison(const Variant& value, TValueKind kind,
                                          TInstruction& instruction) {
  TConstant constant;
  if (!ToConstant(value, kind, constant))
    return false;
  if (kind == TValueKind::Text) {
    instruction.Test = TTest::TextCompare;
    instruction.Text = std::move(constant.Text);
  } else if (kind == TValueKind::Ordinal && constant.Kind == TValueKind::Ordinal) {
    instruction.Test = TTest::OrdinalCompare;
    instruction.Ordinals[0] = constant.Ordinal;
  } else {
    instruction.Test = TTest::RealCompare;
    instruction.Reals[0] = AsReal(constant.View());
  }
  return true;
}

// Bounds of the row's kind are held as plain numbers; texts and bounds of
// mixed kinds stay constants.
bool TcxFilterCompiler::CompileBetween(const Variant& value, TValueKind kind,
                                       TInstruction& instruction) {
  if (!VarIsArray(value) || VarArrayLowBound(value, 1) > 0 || VarArrayHighBound(value, 1) < 1)
    return false;
  instruction.Values.resize(2);
  if (!ToConstant(VarArrayGet(value, {0}), kind, instruction.Values[0]) ||
      !ToConstant(VarArrayGet(value, {1}), kind, instruction.Values[1]))
    return false;
  const TConstant& from = instruction.Values[0];
  const TConstant& to = instruction.Values[1];
  instruction.Test = TTest::GenericBetween;
  if (kind == TValueKind::Ordinal && from.Kind == TValueKind::Ordinal &&
      to.Kind == TValueKind::Ordinal) {
    instruction.Test = TTest::OrdinalBetween;
    instruction.Ordinals[0] = from.Ordinal;
    instruction.Ordinals[1] = to.Ordinal;
  } else if (kind == TValueKind::Real ||
             (from.Kind == TValueKind::Real && to.Kind == TValueKind::Real)) {
    instruction.Test = TTest::RealBetween;
    instruction.Reals[0] = AsReal(from.View());
    instruction.Reals[1] = AsReal(to.View());
  }
  return true;
}

int TcxFilterCompiler::ColumnOf(const TcxValueDef& valueDef, TColumnType type) {
  std::vector<TcxCompiledFilter::TColumn>& columns = m_program.Columns;
  for (std::size_t i = 0; i < columns.size(); ++i)
    if (columns[i].ValueDef == &valueDef)
      return static_cast<int>(i);
  columns.push_back({&valueDef, valueDef.Offset(), valueDef.ValueTypeClass()});
  m_program.FlagOffsets.push_back(valueDef.Offset());
  if (type == TColumnType::String)
    m_program.TextOffsets.push_back(valueDef.Offset() + 1);
  return static_cast<int>(columns.size()) - 1;
}

// The locale's upper case of every byte, as AnsiUpperCase gives it for text.
bool TcxFilterCompiler::CaseTableReady() {
  std::array<unsigned char, 256>& upperCase = m_program.UpperCase;
  if (m_caseTable == 0) {
    m_caseTable = 1;
    upperCase[0] = 0;
    for (int c = 1; c < 256; ++c) {
      const std::string upper = AnsiUpperCase(std::string(1, static_cast<char>(c)));
      if (upper.size() != 1) {
        m_caseTable = -1;
        break;
      }
      upperCase[static_cast<std::size_t>(c)] = static_cast<unsigned char>(upper[0]);
    }
  }
  return m_caseTable > 0;
}

// ---- Evaluation ------------------------------------------------------------------

// Evaluates the program's instructions on one row.
class TcxCompiledFilterEvaluator {
public:
  using TInstruction = TcxCompiledFilter::TInstruction;

  TcxCompiledFilterEvaluator(const TcxCompiledFilter::TProgram& program,
                             const unsigned char* buffer, TObject* data, std::string& folded)
      : m_program(program), m_buffer(buffer), m_data(data), m_folded(folded) {}

  // Whether every used value is there: the flags and text holders are
  // gathered without a branch each, the program's rows mostly having all.
  static bool Readable(const TcxCompiledFilter::TProgram& program, const unsigned char* buffer) {
    bool present = true;
    for (const int offset : program.FlagOffsets)
      present &= buffer[offset] != 0;
    if (!present)
      return false;
    for (const int offset : program.TextOffsets)
      present &= HolderAt(buffer + offset) != nullptr;
    if (!present || !program.SoftNull)
      return present;
    return std::none_of(program.TextOffsets.begin(), program.TextOffsets.end(),
                        [buffer](int offset) { return HolderAt(buffer + offset)->empty(); });
  }

  // Follows the instructions from the first until the row's result is
  // known; Undecided at a leaf whose value is blank.
  [[gnu::always_inline]] TcxCompiledFilter::TResult ShortCut() {
    int next = 0;
    do {
      const TInstruction& instruction = m_program.Code[static_cast<std::size_t>(next)];
      if (!Present(instruction))
        return TcxCompiledFilter::TResult::Undecided;
      next = Test(instruction) ? instruction.OnTrue : instruction.OnFalse;
    } while (next >= 0);
    return next == kAccept ? TcxCompiledFilter::TResult::True : TcxCompiledFilter::TResult::False;
  }

  // Evaluates every instruction in turn, then combines the lists.
  [[gnu::noinline]] bool EveryLeaf(bool* leaves, bool* lists) {
    const std::size_t count = m_program.Code.size();
    for (std::size_t i = 0; i < count; ++i)
      leaves[i] = Test(m_program.Code[i]);
    const std::size_t listCount = m_program.Lists.size();
    for (std::size_t i = 0; i < listCount; ++i)
      lists[i] = Combine(m_program.Lists[i], leaves, lists);
    return lists[listCount - 1];
  }

private:
  // Whether the value the instruction reads is there: not Null, and with
  // fcoSoftNull not an empty text.
  bool Present(const TInstruction& instruction) const {
    if (!instruction.ReadsValue)
      return true;
    const unsigned char* data = m_buffer + instruction.DataOffset;
    if (data[-1] == 0)
      return false;
    if (instruction.Type != TColumnType::String)
      return true;
    const std::string* text = HolderAt(data);
    return text && !(m_program.SoftNull && text->empty());
  }

  bool Combine(const TcxCompiledFilter::TListStep& step, const bool* leaves,
               const bool* lists) const {
    using enum TcxFilterBoolOperatorKind;
    // NOT AND is the negation of AND, NOT OR of OR; a step has children.
    bool all = true;
    bool any = false;
    const int* child = m_program.ListChildren.data() + step.First;
    for (int i = 0; i < step.Count; ++i, ++child) {
      const bool r = *child >= 0 ? leaves[*child] : lists[-1 - *child];
      all &= r;
      any |= r;
    }
    const bool result = step.BoolKind == fboAnd || step.BoolKind == fboNotAnd ? all : any;
    return result != (step.BoolKind == fboNotAnd || step.BoolKind == fboNotOr);
  }

  // The common tests inline; the rest apart, to keep this one small.
  [[gnu::always_inline]] bool Test(const TInstruction& instruction) {
    const unsigned char* data = m_buffer + instruction.DataOffset;
    switch (instruction.Test) {
    case TTest::Constant: return instruction.ConstantResult;
    case TTest::OrdinalCompare:
      return Passes(instruction.Relations,
                    Order(LoadOrdinal(instruction.Type, data), instruction.Ordinals[0]));
    case TTest::RealCompare:
      return Passes(instruction.Relations,
                    RealOrder(LoadReal(instruction.Type, data), instruction.Reals[0]));
    case TTest::TextCompare:
      return Passes(instruction.Relations,
                    TextOrder(LoadText(instruction, data), instruction.Text));
    case TTest::OrdinalBetween: {
      const std::int64_t value = LoadOrdinal(instruction.Type, data);
      return Inside(instruction.Ordinals[0], value, instruction.Ordinals[1]) != instruction.Negated;
    }
    case TTest::RealBetween: {
      const double value = LoadReal(instruction.Type, data);
      return Inside(instruction.Reals[0], value, instruction.Reals[1]) != instruction.Negated;
    }
    case TTest::DateRange: return InDateRange(instruction, LoadReal(instruction.Type, data));
    case TTest::IntegerCompare:
      return PassesOrder(instruction.Relations,
                         Order<std::int64_t>(::Load<std::int32_t>(data), instruction.Ordinals[0]));
    case TTest::DoubleCompare:
      return PassesOrder(instruction.Relations,
                         RealOrder(::Load<double>(data), instruction.Reals[0]));
    case TTest::TextEqual:
    case TTest::LikeExact:
      return EqualBytes(LoadText(instruction, data), instruction.Text) != instruction.Negated;
    case TTest::IntegerBetween: {
      const std::int64_t value = ::Load<std::int32_t>(data);
      return Inside(instruction.Ordinals[0], value, instruction.Ordinals[1]) != instruction.Negated;
    }
    case TTest::DoubleBetween: {
      const double value = ::Load<double>(data);
      return Inside(instruction.Reals[0], value, instruction.Reals[1]) != instruction.Negated;
    }
    case TTest::DoubleDateRange: return InDateRange(instruction, ::Load<double>(data));
    case TTest::LikeBeginsWith:
      return BeginsWith(LoadText(instruction, data), instruction.Text) != instruction.Negated;
    case TTest::LikeEndsWith:
      return EndsWith(LoadText(instruction, data), instruction.Text) != instruction.Negated;
    case TTest::LikeContains:
      return Contains(LoadText(instruction, data), instruction.Text) != instruction.Negated;
    default: return TestOther(instruction, data);
    }
  }

  [[gnu::noinline]] bool TestOther(const TInstruction& instruction, const unsigned char* data) {
    switch (instruction.Test) {
    case TTest::GenericBetween: {
      const TValue value = Load(instruction, data);
      const bool inside = Compare(instruction.Values[0].View(), value) <= 0 &&
                          Compare(value, instruction.Values[1].View()) <= 0;
      return inside != instruction.Negated;
    }
    case TTest::InList: {
      const TValue value = Load(instruction, data);
      const bool found =
          std::any_of(instruction.Values.begin(), instruction.Values.end(),
                      [&](const TConstant& c) { return Compare(value, c.View()) == 0; });
      return found != instruction.Negated;
    }
    case TTest::LikeGeneral:
      return LikeStr(LoadText(instruction, data), instruction.Text, instruction.Percent,
                     instruction.Underscore) != instruction.Negated;
    default: return m_program.Criteria->EvaluateLeaf(instruction.Leaf, m_data);
    }
  }

  // A bound of 0 is no bound. Both ends are worked out, without a branch
  // whose outcome would follow the data.
  static bool InDateRange(const TInstruction& instruction, double value) {
    const double from = instruction.Reals[0];
    const double to = instruction.Reals[1];
    return static_cast<bool>((from == 0 || !(from > value)) & (to == 0 || value < to));
  }

  // Whether 'value' lies between both bounds, worked out without a branch.
  template <class T>
  static bool Inside(T from, T value, T to) {
    return static_cast<bool>((from <= value) & (value <= to));
  }

  static std::int64_t LoadOrdinal(TColumnType type, const unsigned char* data) {
    switch (type) {
    case TColumnType::Smallint: return ::Load<std::int16_t>(data);
    case TColumnType::Word: return ::Load<std::uint16_t>(data);
    case TColumnType::LargeInt: return ::Load<std::int64_t>(data);
    case TColumnType::Boolean: return ::Load<std::uint8_t>(data) != 0 ? -1 : 0;
    default: return ::Load<std::int32_t>(data);
    }
  }

  static double LoadReal(TColumnType type, const unsigned char* data) {
    if (type == TColumnType::Float || type == TColumnType::DateTime)
      return ::Load<double>(data);
    return static_cast<double>(LoadOrdinal(type, data));
  }

  std::string_view LoadText(const TInstruction& instruction, const unsigned char* data) {
    const std::string_view text = *HolderAt(data);
    return instruction.FoldCase ? Folded(text) : text;
  }

  [[gnu::noinline]] std::string_view Folded(std::string_view text) {
    m_folded.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
      m_folded[i] = static_cast<char>(m_program.UpperCase[static_cast<unsigned char>(text[i])]);
    return m_folded;
  }

  TValue Load(const TInstruction& instruction, const unsigned char* data) {
    TValue value;
    switch (KindOf(instruction.Type)) {
    case TValueKind::Ordinal: value.Ordinal = LoadOrdinal(instruction.Type, data); break;
    case TValueKind::Real:
      value.Kind = TValueKind::Real;
      value.Real = LoadReal(instruction.Type, data);
      break;
    case TValueKind::Text:
      value.Kind = TValueKind::Text;
      value.Text = LoadText(instruction, data);
      break;
    }
    return value;
  }

  const TcxCompiledFilter::TProgram& m_program;
  const unsigned char* m_buffer;
  TObject* m_data;
  std::string& m_folded;
};

std::unique_ptr<TcxCompiledFilter> TcxCompiledFilter::Compile(TcxFilterCriteria& criteria) {
  auto program = std::make_unique<TProgram>();
  TcxFilterCompiler compiler(criteria, *program);
  compiler.EmitList(*criteria.Root(), kAccept, kReject);
  if (!compiler.AnyTyped())
    return nullptr;
  program->Criteria = &criteria;
  program->Storage = compiler.Storage();
  program->LayoutStamp = program->Storage->ValueDefs().LayoutStamp();
  program->AllLeavesTyped = compiler.AllTyped();
  program->SoftNull = criteria.Options().Contains(TcxFilterCriteriaOption::fcoSoftNull);
  const TInstruction& first = program->Code.front();
  if (first.Type == TColumnType::String && first.Test != TTest::Untyped &&
      first.Test != TTest::Constant)
    program->FirstTextOffset = first.DataOffset;
  std::unique_ptr<TcxCompiledFilter> result(new TcxCompiledFilter());
  result->m_leafResults = std::make_unique<bool[]>(program->Code.size());
  result->m_listResults = std::make_unique<bool[]>(program->Lists.size());
  result->m_program = std::move(program);
  return result;
}

TcxCompiledFilter::TcxCompiledFilter() = default;
TcxCompiledFilter::~TcxCompiledFilter() = default;

bool TcxCompiledFilter::AllLeavesTyped() const { return m_program->AllLeavesTyped; }

// After the definitions were laid out anew, the program's offsets hold when
// every used definition is still there, at the same place, of the same type.
bool TcxCompiledFilter::LayoutStillHolds() const {
  const TProgram& program = *m_program;
  const TcxValueDefs& valueDefs = program.Storage->ValueDefs();
  for (const TColumn& column : program.Columns) {
    int i = 0;
    while (i < valueDefs.Count() && valueDefs.Items(i) != column.ValueDef)
      ++i;
    if (i == valueDefs.Count() || column.ValueDef->Offset() != column.Offset ||
        column.ValueDef->BufferSize() <= 0 || column.ValueDef->ValueTypeClass() != column.TypeClass)
      return false;
  }
  program.LayoutStamp = valueDefs.LayoutStamp();
  return true;
}

// Records are mostly filtered in order: the buffer of a record a little
// further on, and the text the first leaf reads of one half as far on, whose
// buffer was fetched before, are fetched into the cache meanwhile.
[[gnu::always_inline]] inline void TcxCompiledFilter::FetchAhead(const TcxDataStorage& storage,
                                                                  int recordIndex) const {
  const int count = storage.RecordCount();
  if (recordIndex + kFetchAhead < count)
    __builtin_prefetch(storage.ReadRecordBuffer(recordIndex + kFetchAhead));
  const int textOffset = m_program->FirstTextOffset;
  if (textOffset < 0 || recordIndex + kFetchAhead / 2 >= count)
    return;
  const unsigned char* buffer = storage.ReadRecordBuffer(recordIndex + kFetchAhead / 2);
  if (buffer && buffer[textOffset - 1] != 0)
    if (const std::string* text = HolderAt(buffer + textOffset))
      __builtin_prefetch(text);
}

TcxCompiledFilter::TResult TcxCompiledFilter::Evaluate(TcxDataStorage* storage, int recordIndex,
                                                       TObject* data, bool shortCut) const {
  const TProgram& program = *m_program;
  if (storage != program.Storage || recordIndex < 0 ||
      (storage->ValueDefs().LayoutStamp() != program.LayoutStamp && !LayoutStillHolds()))
    return TResult::Undecided;
  FetchAhead(*storage, recordIndex);
  const unsigned char* buffer = storage->ReadRecordBuffer(recordIndex);
  if (!buffer)
    return TResult::Undecided;
  TcxCompiledFilterEvaluator evaluator(program, buffer, data, m_folded);
  // A typed leaf never raises (a blank value compares as the criteria
  // compare it, without an error), so the leaves a short cut passes over
  // cannot change the answer, whatever their values.
  if (shortCut && program.AllLeavesTyped)
    return evaluator.ShortCut();
  if (!TcxCompiledFilterEvaluator::Readable(program, buffer))
    return TResult::Undecided;
  return evaluator.EveryLeaf(m_leafResults.get(), m_listResults.get()) ? TResult::True
                                                                       : TResult::False;
}
