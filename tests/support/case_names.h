// Names for the cases of parameterised tests, made from the words a case table gives.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace tarvelo::test {

// The words run together, each begun in capitals: "on a dragged task, copy" becomes
// "OnADraggedTaskCopy". GoogleTest takes only letters, digits and "_" in a name, so
// every other character ends a word.
inline std::string caseName(std::string_view words) {
  std::string name;
  bool wordStart = true;
  for (const char c : words) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (!std::isalnum(u)) {
      wordStart = true;
      continue;
    }
    name += wordStart ? static_cast<char>(std::toupper(u)) : c;
    wordStart = false;
  }
  return name;
}

} // namespace tarvelo::test
