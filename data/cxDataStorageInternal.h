// Helpers shared by the record storage's source files: typed access to the
// unaligned bytes of record buffers, and the list index error.
#pragma once

#include <cstring>
#include <string>

#include "platform/rtl/Exceptions.h"

template <class T>
T LoadAs(const void* address) {
  T value;
  std::memcpy(&value, address, sizeof(T));
  return value;
}

template <class T>
void StoreAs(void* address, const T& value) {
  std::memcpy(address, &value, sizeof(T));
}

inline const unsigned char* BytesAt(const void* address, int offset) {
  return static_cast<const unsigned char*>(address) + offset;
}

inline unsigned char* BytesAt(void* address, int offset) {
  return static_cast<unsigned char*>(address) + offset;
}

[[noreturn]] inline void ListIndexError(int index) {
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}
