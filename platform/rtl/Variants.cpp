#include "platform/rtl/Variants.h"

#include <new>

#include "platform/rtl/NumberText.h"
#include "platform/rtl/VariantInternals.h"

// One (low bound, element count) pair per dimension, the elements in one run
// with the last index varying fastest.
struct Variant::TArray {
  struct TBound {
    int LowBound = 0;
    int ElementCount = 0;
  };

  TVarType ElementType = varVariant;
  std::vector<TBound> Bounds;
  std::vector<Variant> Items;
};

namespace {

// Safe arrays of the platform hold at most this many dimensions.
constexpr std::size_t kMaxArrayDims = 64;

const char* BaseTypeName(TVarType varType) {
  switch (varType) {
  case varEmpty: return "Empty";
  case varNull: return "Null";
  case varSmallint: return "Smallint";
  case varInteger: return "Integer";
  case varSingle: return "Single";
  case varDouble: return "Double";
  case varCurrency: return "Currency";
  case varDate: return "Date";
  case varOleStr: return "OleStr";
  case varDispatch: return "Dispatch";
  case varError: return "Error";
  case varBoolean: return "Boolean";
  case varVariant: return "Variant";
  case varUnknown: return "Unknown";
  case varShortInt: return "ShortInt";
  case varByte: return "Byte";
  case varWord: return "Word";
  case varLongWord: return "LongWord";
  case varInt64: return "Int64";
  case varString: return "String";
  default: return nullptr;
  }
}

bool IsArrayElementType(TVarType varType) {
  switch (VarKindOf(varType)) {
  case TVarKind::Ordinal:
  case TVarKind::Boolean:
  case TVarKind::Currency:
  case TVarKind::Real:
  case TVarKind::Date:
  case TVarKind::OleStr:
    return true;
  default:
    return varType == varVariant;
  }
}

std::size_t CheckedElementCount(std::span<const int> bounds) {
  if (bounds.empty() || bounds.size() % 2 != 0 || bounds.size() / 2 > kMaxArrayDims)
    VarInvalidArgError();
  std::int64_t total = 1;
  for (std::size_t i = 0; i < bounds.size(); i += 2) {
    const std::int64_t count = std::int64_t{bounds[i + 1]} - bounds[i] + 1;
    if (count < 0)
      VarArrayCreateError();
    total *= count;
    if (total > INT32_MAX)
      VarArrayCreateError();
  }
  return static_cast<std::size_t>(total);
}

} // namespace

TVarKind VarKindOf(TVarType varType) {
  if (varType & varArray)
    return TVarKind::Array;
  switch (varType) {
  case varEmpty: return TVarKind::Empty;
  case varNull: return TVarKind::Null;
  case varSmallint:
  case varInteger:
  case varShortInt:
  case varByte:
  case varWord:
  case varLongWord:
  case varInt64: return TVarKind::Ordinal;
  case varBoolean: return TVarKind::Boolean;
  case varCurrency: return TVarKind::Currency;
  case varSingle:
  case varDouble: return TVarKind::Real;
  case varDate: return TVarKind::Date;
  case varString: return TVarKind::String;
  case varOleStr: return TVarKind::OleStr;
  case varError: return TVarKind::Error;
  default: return TVarKind::Other;
  }
}

void VarCastError(TVarType from, TVarType to) {
  throw EVariantTypeCastError("Could not convert variant of type (" + VarTypeAsText(from) +
                              ") into type (" + VarTypeAsText(to) + ")");
}

void VarOverflowError(TVarType from, TVarType to) {
  throw EVariantOverflowError("Overflow while converting variant of type (" + VarTypeAsText(from) +
                              ") into type (" + VarTypeAsText(to) + ")");
}

void VarInvalidOp() { throw EVariantInvalidOpError("Invalid variant operation"); }
void VarBadTypeError() { throw EVariantBadVarTypeError("Invalid variant type"); }
void VarBoundsError() { throw EVariantBadIndexError("Variant or safe array index out of bounds"); }
void VarNotArrayError() { throw EVariantNotAnArrayError("Variant is not an array"); }
void VarArrayCreateError() { throw EVariantArrayCreateError("Error creating variant or safe array"); }
void VarInvalidArgError() { throw EVariantInvalidArgError("Invalid argument"); }

// ---- Construction ----------------------------------------------------------

Variant::Variant(bool value) : m_type(varBoolean), m_payload(std::int64_t{value ? -1 : 0}) {}
Variant::Variant(float value) : m_type(varSingle), m_payload(double{value}) {}
Variant::Variant(double value) : m_type(varDouble), m_payload(value) {}
Variant::Variant(Currency value) : m_type(varCurrency), m_payload(value.Scaled()) {}
Variant::Variant(const char* text)
    : m_type(varString), m_payload(std::string(text ? text : "")) {}
Variant::Variant(std::string_view text) : m_type(varString), m_payload(std::string(text)) {}
Variant::Variant(std::string text) : m_type(varString), m_payload(std::move(text)) {}
Variant::Variant(const char16_t* text)
    : m_type(varOleStr), m_payload(std::u16string(text ? text : u"")) {}
Variant::Variant(std::u16string_view text) : m_type(varOleStr), m_payload(std::u16string(text)) {}
Variant::Variant(std::u16string text) : m_type(varOleStr), m_payload(std::move(text)) {}

Variant Variant::FromDateTime(TDateTime value) { return Variant(varDate, value); }
Variant Variant::FromError(std::int32_t code) { return Variant(varError, std::int64_t{code}); }

void Variant::Clear() {
  m_type = varEmpty;
  m_payload = std::monostate{};
}

Variant Null() { return Variant(varNull, std::monostate{}); }
Variant Unassigned() { return Variant(); }
Variant VarFromDateTime(TDateTime value) { return Variant::FromDateTime(value); }
Variant VarAsError(std::int32_t code) { return Variant::FromError(code); }
void VarClear(Variant& value) { value.Clear(); }

// ---- Type tests ------------------------------------------------------------

TVarType VarType(const Variant& value) { return value.Type(); }
bool VarIsNull(const Variant& value) { return value.Type() == varNull; }
bool VarIsEmpty(const Variant& value) { return value.Type() == varEmpty; }
bool VarIsClear(const Variant& value) { return VarIsEmpty(value); }
bool VarIsArray(const Variant& value) { return (value.Type() & varArray) != 0; }
bool VarIsStr(const Variant& value) { return IsTextKind(VarKindOf(value.Type())); }

bool VarIsOrdinal(const Variant& value) {
  const TVarKind kind = VarKindOf(value.Type());
  return kind == TVarKind::Ordinal || kind == TVarKind::Boolean;
}

bool VarIsFloat(const Variant& value) {
  const TVarKind kind = VarKindOf(value.Type());
  return kind == TVarKind::Real || kind == TVarKind::Currency;
}

bool VarIsNumeric(const Variant& value) { return VarIsOrdinal(value) || VarIsFloat(value); }

std::string VarTypeAsText(TVarType varType) {
  const char* name = BaseTypeName(varType & varTypeMask);
  std::string text = name ? name : "$" + IntToHex(varType & varTypeMask, 4);
  if (varType & varArray)
    text = "Array " + text;
  if (varType & varByRef)
    text = "ByRef " + text;
  return text;
}

// ---- Arrays ----------------------------------------------------------------

Variant::TArrayBox::TArrayBox(std::unique_ptr<TArray> array) : m_array(std::move(array)) {}
Variant::TArrayBox::TArrayBox(const TArrayBox& other)
    : m_array(std::make_unique<TArray>(*other.m_array)) {}
Variant::TArrayBox& Variant::TArrayBox::operator=(const TArrayBox& other) {
  if (this != &other)
    m_array = std::make_unique<TArray>(*other.m_array);
  return *this;
}
Variant::TArrayBox::TArrayBox(TArrayBox&& other) noexcept = default;
Variant::TArrayBox& Variant::TArrayBox::operator=(TArrayBox&& other) noexcept = default;
Variant::TArrayBox::~TArrayBox() = default;

const Variant::TArray& Variant::Array() const {
  if (!VarIsArray(*this))
    VarNotArrayError();
  return std::get<TArrayBox>(m_payload).Get();
}

Variant::TArray& Variant::Array() {
  if (!VarIsArray(*this))
    VarNotArrayError();
  return std::get<TArrayBox>(m_payload).Get();
}

Variant VarArrayCreate(std::span<const int> bounds, TVarType elementType) {
  if (!IsArrayElementType(elementType))
    VarBadTypeError();
  const std::size_t count = CheckedElementCount(bounds);
  auto array = std::make_unique<Variant::TArray>();
  array->ElementType = elementType;
  for (std::size_t i = 0; i < bounds.size(); i += 2)
    array->Bounds.push_back({bounds[i], bounds[i + 1] - bounds[i] + 1});
  const Variant initial =
      elementType == varVariant ? Variant() : VarAsType(Variant(), elementType);
  try {
    array->Items.assign(count, initial);
  } catch (const std::bad_alloc&) {
    VarArrayCreateError();
  }
  return Variant(varArray | elementType, Variant::TArrayBox(std::move(array)));
}

Variant VarArrayOf(std::span<const Variant> values) {
  const int bounds[] = {0, static_cast<int>(values.size()) - 1};
  Variant array = VarArrayCreate(bounds, varVariant);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int index = static_cast<int>(i);
    array.ArrayPut(std::span<const int>(&index, 1), values[i]);
  }
  return array;
}

int Variant::ArrayDimCount() const {
  return VarIsArray(*this) ? static_cast<int>(Array().Bounds.size()) : 0;
}

int Variant::ArrayLowBound(int dim) const {
  const TArray& array = Array();
  if (dim < 1 || dim > static_cast<int>(array.Bounds.size()))
    VarBoundsError();
  return array.Bounds[dim - 1].LowBound;
}

int Variant::ArrayHighBound(int dim) const {
  const TArray& array = Array();
  if (dim < 1 || dim > static_cast<int>(array.Bounds.size()))
    VarBoundsError();
  const TArray::TBound& bound = array.Bounds[dim - 1];
  return bound.LowBound + bound.ElementCount - 1;
}

std::size_t Variant::ElementOffset(std::span<const int> indices) const {
  const TArray& array = Array();
  if (indices.size() != array.Bounds.size())
    VarBoundsError();
  std::size_t offset = 0;
  for (std::size_t i = 0; i < indices.size(); ++i) {
    const TArray::TBound& bound = array.Bounds[i];
    const std::int64_t position = std::int64_t{indices[i]} - bound.LowBound;
    if (position < 0 || position >= bound.ElementCount)
      VarBoundsError();
    offset = offset * static_cast<std::size_t>(bound.ElementCount) +
             static_cast<std::size_t>(position);
  }
  return offset;
}

Variant Variant::ArrayGet(std::span<const int> indices) const {
  return Array().Items[ElementOffset(indices)];
}

void Variant::ArrayPut(std::span<const int> indices, const Variant& value) {
  const std::size_t offset = ElementOffset(indices);
  TArray& array = Array();
  // Copied before storing: the value may be this very array.
  Variant stored = array.ElementType == varVariant ? value : VarAsType(value, array.ElementType);
  array.Items[offset] = std::move(stored);
}

int VarArrayDimCount(const Variant& value) { return value.ArrayDimCount(); }
int VarArrayLowBound(const Variant& value, int dim) { return value.ArrayLowBound(dim); }
int VarArrayHighBound(const Variant& value, int dim) { return value.ArrayHighBound(dim); }

Variant VarArrayGet(const Variant& array, std::initializer_list<int> indices) {
  return array.ArrayGet(std::span<const int>(indices.begin(), indices.size()));
}

void VarArrayPut(Variant& array, const Variant& value, std::initializer_list<int> indices) {
  array.ArrayPut(std::span<const int>(indices.begin(), indices.size()), value);
}
