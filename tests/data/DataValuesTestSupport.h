// Helpers of the data-value tests: stream contents as byte vectors, streams
// made from bytes, and the start of the record storage's unit.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "data/cxDataStorage.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/UnitStartup.h"

namespace data_test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes Content(TMemoryStream& stream) {
  return Bytes(stream.Memory(), stream.Memory() + stream.Size());
}

// A stream holding the bytes, positioned at the start.
inline void Fill(TMemoryStream& stream, const Bytes& bytes) {
  stream.Clear();
  if (!bytes.empty())
    stream.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
  stream.SetPosition(0);
}

// Registers the value types as the program's start-up does; the test
// harness stops the unit at the end.
inline void StartDataStorageUnit() {
  ProgramUnits().Start(std::span<const TUnitInfo>(&cxDataStorageUnit, 1));
}

} // namespace data_test
