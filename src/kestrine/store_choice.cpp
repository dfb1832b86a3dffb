// Choosing the store by location, under the lock the exports share.
#include "store_choice.h"

#include <filesystem>

namespace kestrine {

void StoreChoice::setLocation(std::u16string_view location) {
  if (location.empty())
    return;
  std::lock_guard lock(m_mutex);
  if (isServerLocation(location)) {
    m_server.setLocation(location);
    m_chosen = &m_server;
  } else {
    m_file.setLocation(location);
    m_chosen = &m_file;
  }
}

bool StoreChoice::connect(std::int32_t source, std::int32_t target) {
  std::lock_guard lock(m_mutex);
  if (m_current != m_chosen && !m_current->isOpen())
    m_current = m_chosen;
  return m_current->connect(source, target);
}

void StoreChoice::disconnect() {
  std::lock_guard lock(m_mutex);
  m_current->disconnect();
  m_current = m_chosen;
}

void StoreChoice::setBusyTimeout(std::chrono::milliseconds timeout) {
  std::lock_guard lock(m_mutex);
  m_file.setBusyTimeout(timeout);
  m_server.setBusyTimeout(timeout);
}

std::string StoreChoice::check(std::u16string_view location) {
  if (location.empty())
    return "no location given";
  if (isServerLocation(location))
    return PgStore::probe(pg::toUtf8(location));
  std::u16string text(location);
  while (text.size() > 1 && (text.back() == u'/' || text.back() == u'\\'))
    text.pop_back();
  const std::filesystem::path folder(text);
  std::error_code error;
  if (std::filesystem::is_directory(folder, error))
    return {};
  if (std::filesystem::exists(folder, error))
    return "it is not a folder";
  if (!std::filesystem::is_directory(folder.parent_path().empty() ? "." : folder.parent_path(),
                                     error))
    return "its parent folder does not exist";
  return {};
}

std::unique_ptr<MemoryStore> StoreChoice::storeFor(std::u16string_view location, bool create) {
  if (isServerLocation(location)) {
    auto store = std::make_unique<PgStore>();
    store->setLocation(location);
    return store;
  }
  auto store = std::make_unique<SqliteStore>();
  store->setFolder(location, create);
  return store;
}

bool StoreChoice::sameMemory(std::u16string_view a, std::u16string_view b) {
  if (isServerLocation(a) || isServerLocation(b))
    return a == b;
  std::error_code error;
  return std::filesystem::equivalent(std::filesystem::path(a), std::filesystem::path(b), error);
}

} // namespace kestrine
