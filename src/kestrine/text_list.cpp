// Filling, reading and emptying the TmTextList that crosses the library boundary.
#include "text_list.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace kestrine {

void emptyList(TmTextList *list) {
  if (!list)
    return;
  std::free(list->reserved); // null for a list the caller filled itself
  list->count = 0;
  list->items = nullptr;
  list->reserved = nullptr;
}

bool fillList(TmTextList *list, const std::vector<std::u16string> &texts) {
  emptyList(list);
  if (!list || texts.empty())
    return true;
  if (texts.size() > std::size_t(std::numeric_limits<std::int32_t>::max()))
    return false;
  const std::size_t pointerBytes = texts.size() * sizeof(const char16_t *);
  std::size_t units = 0;
  for (const std::u16string &text : texts)
    units += text.size() + 1;
  void *block = std::malloc(pointerBytes + units * sizeof(char16_t));
  if (!block)
    return false;

  auto **items = static_cast<const char16_t **>(block);
  auto *next = reinterpret_cast<char16_t *>(static_cast<char *>(block) + pointerBytes);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    std::memcpy(next, texts[i].data(), texts[i].size() * sizeof(char16_t));
    next[texts[i].size()] = 0;
    items[i] = next;
    next += texts[i].size() + 1;
  }
  list->count = std::int32_t(texts.size());
  list->items = items;
  list->reserved = block;
  return true;
}

std::vector<std::u16string> readList(const TmTextList *list) {
  std::vector<std::u16string> texts;
  if (!list || list->count <= 0 || !list->items)
    return texts;
  texts.reserve(std::size_t(list->count));
  for (std::int32_t i = 0; i < list->count; ++i)
    texts.emplace_back(list->items[i] ? list->items[i] : u"");
  return texts;
}

} // namespace kestrine
