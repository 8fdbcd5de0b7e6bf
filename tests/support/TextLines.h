// Texts with CR LF line ends, as the form printer and the platform write
// them; tests write plain line feeds.
#pragma once

#include <string>

inline std::string Lines(const std::string& text) {
  std::string result;
  for (char c : text) {
    if (c == '\n')
      result += '\r';
    result += c;
  }
  return result;
}
