// Passwords kept out of libpq's messages.

#include "pg_passwords.h"

#include <algorithm>
#include <vector>

namespace kestrine::pg {

namespace {

constexpr std::string_view kMask = "***";
constexpr std::string_view kPasswordKey = "password=";

int hexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

std::string percentDecoded(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
        hexValue(text[i + 2]) >= 0) {
      out += char(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

// Where the value that begins at `from` ends: at a blank, a quote, "&" or the end.
std::size_t valueEnd(std::string_view text, std::size_t from) {
  const std::size_t end = text.find_first_of(" \t\r\n\"'&", from);
  return end == std::string_view::npos ? text.size() : end;
}

// The spans of the passwords the text shows: "scheme://user:password@" and
// "password=value". Each span is [first, second).
std::vector<std::pair<std::size_t, std::size_t>> passwordSpans(std::string_view text) {
  std::vector<std::pair<std::size_t, std::size_t>> spans;
  for (std::size_t at = text.find("://"); at != std::string_view::npos;
       at = text.find("://", at + 3)) {
    const std::size_t start = at + 3;
    const std::size_t authorityEnd =
        std::min(valueEnd(text, start), text.find_first_of("/?", start));
    const std::size_t sign = text.rfind('@', authorityEnd - 1);
    if (sign == std::string_view::npos || sign < start)
      continue;
    const std::size_t colon = text.find(':', start);
    if (colon < sign)
      spans.emplace_back(colon + 1, sign);
  }
  for (std::size_t at = text.find(kPasswordKey); at != std::string_view::npos;
       at = text.find(kPasswordKey, at + 1)) {
    const std::size_t start = at + kPasswordKey.size();
    spans.emplace_back(start, valueEnd(text, start));
  }
  std::sort(spans.begin(), spans.end());
  return spans;
}

void replaceAll(std::string &text, const std::string &secret) {
  if (secret.size() < 3)
    return;
  for (std::size_t at = text.find(secret); at != std::string::npos;
       at = text.find(secret, at + kMask.size()))
    text.replace(at, secret.size(), kMask);
}

} // namespace

std::string withoutPasswords(std::string text, std::string_view connection) {
  for (const auto &[first, last] : passwordSpans(connection)) {
    const std::string_view secret = connection.substr(first, last - first);
    replaceAll(text, std::string(secret));
    replaceAll(text, percentDecoded(secret));
  }
  // What the text shows of other strings, last span first so that the others stay put.
  std::vector<std::pair<std::size_t, std::size_t>> spans = passwordSpans(text);
  for (auto it = spans.rbegin(); it != spans.rend(); ++it)
    if (it->second > it->first)
      text.replace(it->first, it->second - it->first, kMask);
  return text;
}

} // namespace kestrine::pg
