// The helpers both stores share: quoting, clamping and splitting a query from its spaces.
#include "store_text.h"

#include <algorithm>
#include <limits>

namespace kestrine {

std::string quotedIdentifier(std::string_view name) {
  std::string quoted = "\"";
  for (const char c : name) {
    if (c == '"')
      quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::int32_t clampToInt32(std::int64_t value) {
  return std::int32_t(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                               std::numeric_limits<std::int32_t>::max()));
}

std::u16string QueryParts::wrap(std::u16string_view answer) const {
  std::u16string wrapped;
  wrapped.reserve(prefix.size() + answer.size() + suffix.size());
  wrapped.append(prefix).append(answer).append(suffix);
  return wrapped;
}

QueryParts splitQuery(std::u16string_view text) {
  const std::size_t begin = std::min(text.find_first_not_of(u' '), text.size());
  if (begin == text.size())
    return {text, {}, {}};
  const std::size_t end = text.find_last_not_of(u' ') + 1;
  return {text.substr(0, begin), text.substr(begin, end - begin), text.substr(end)};
}

} // namespace kestrine
