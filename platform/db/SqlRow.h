// Rows of a result as compact as they come: the bytes of all values of a
// row one after another, and where each value ends.
//
// Classes in this file: TSqlRow.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One value: the server's text (bytes for binary columns), nothing for NULL.
using TSqlValue = std::optional<std::string>;
// A value read from a row; the view stays valid until the row changes.
using TSqlValueView = std::optional<std::string_view>;

class TSqlRow {
public:
  TSqlRow() = default;
  // 'count' NULL values.
  explicit TSqlRow(std::size_t count);
  TSqlRow(std::initializer_list<TSqlValue> values);

  std::size_t Size() const { return m_ends.size(); }
  TSqlValueView operator[](std::size_t index) const;
  void Set(std::size_t index, const TSqlValue& value);

  // Building a row value by value, with room made in advance.
  void Reserve(std::size_t count, std::size_t bytes);
  void Append(std::string_view value);
  void AppendNull();

private:
  static constexpr std::uint32_t kNull = 0x80000000u;

  std::size_t Start(std::size_t index) const;
  std::size_t End(std::size_t index) const { return m_ends[index] & ~kNull; }

  std::string m_bytes;
  // The offset where each value ends, with kNull set for NULL values.
  std::vector<std::uint32_t> m_ends;
};
