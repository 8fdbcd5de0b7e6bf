#include "platform/db/SqlRow.h"

TSqlRow::TSqlRow(std::size_t count) : m_ends(count, kNull) {}

TSqlRow::TSqlRow(std::initializer_list<TSqlValue> values) {
  for (const TSqlValue& value : values) {
    if (value)
      Append(*value);
    else
      AppendNull();
  }
}

std::size_t TSqlRow::Start(std::size_t index) const { return index == 0 ? 0 : End(index - 1); }

TSqlValueView TSqlRow::operator[](std::size_t index) const {
  if (m_ends[index] & kNull)
    return std::nullopt;
  const std::size_t start = Start(index);
  return std::string_view(m_bytes).substr(start, End(index) - start);
}

void TSqlRow::Set(std::size_t index, const TSqlValue& value) {
  const std::size_t start = Start(index);
  const std::size_t end = End(index);
  const std::size_t length = value ? value->size() : 0;
  m_bytes.replace(start, end - start, value ? *value : std::string());
  const std::int64_t delta =
      static_cast<std::int64_t>(length) - static_cast<std::int64_t>(end - start);
  m_ends[index] = static_cast<std::uint32_t>(start + length) | (value ? 0 : kNull);
  for (std::size_t i = index + 1; i < m_ends.size(); ++i)
    m_ends[i] = static_cast<std::uint32_t>(static_cast<std::int64_t>(m_ends[i] & ~kNull) + delta) |
                (m_ends[i] & kNull);
}

void TSqlRow::Reserve(std::size_t count, std::size_t bytes) {
  m_ends.reserve(count);
  m_bytes.reserve(bytes);
}

void TSqlRow::Append(std::string_view value) {
  m_bytes += value;
  m_ends.push_back(static_cast<std::uint32_t>(m_bytes.size()));
}

void TSqlRow::AppendNull() { m_ends.push_back(static_cast<std::uint32_t>(m_bytes.size()) | kNull); }
