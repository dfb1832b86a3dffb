// A fresh memory folder per test with the library bound and UTF-8 helpers.
#pragma once

// A fresh memory folder per test, with the library bound at run time and small helpers
// that speak UTF-8, so that the test tables read as plain text.

#include "kestrine_library.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrine_test {

enum Language : int32_t {
  kCzech = 1029,
  kGreek = 1032,
  kEnglish = 1033,
  kRussian = 1049,
  kBrazilian = 1046,
  kEnglishUk = 2057,
  kPortuguese = 2070,
};

struct SearchOutcome {
  int32_t result = 0;
  std::vector<std::string> sources;
  std::vector<std::string> targets;
};

class MemoryTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(m_library.loaded()) << m_library.error();
    m_library.setTMPath(m_folder.u16().c_str());
  }
  void TearDown() override {
    if (m_library.loaded())
      m_library.disconnectTM();
  }

  bool connect(int32_t source, int32_t target) { return m_library.connectTM(source, target) == 1; }

  int32_t add(const std::string &source, const std::string &target, int32_t increment = 1) {
    return m_library.addPair(toUtf16(source).c_str(), toUtf16(target).c_str(), increment);
  }

  int32_t remove(const std::string &source, const std::string &target) {
    return m_library.deletePair(toUtf16(source).c_str(), toUtf16(target).c_str());
  }

  std::vector<std::string> texts(const TmTextList &list) {
    std::vector<std::string> out;
    for (int32_t i = 0; i < list.count; ++i)
      out.push_back(toUtf8(list.items[i]));
    return out;
  }

  std::vector<std::string> lookup(const std::string &text) {
    TmTextList list{};
    const int32_t count = m_library.getTM(toUtf16(text).c_str(), &list);
    EXPECT_EQ(count, list.count);
    std::vector<std::string> out = texts(list);
    m_library.freeTM(&list);
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(list.items, nullptr);
    return out;
  }

  SearchOutcome search(const std::vector<std::string> &words, bool allWords) {
    // The word list is filled here, as a caller may: the library only reads it.
    std::vector<std::u16string> wideWords;
    for (const std::string &word : words)
      wideWords.push_back(toUtf16(word));
    std::vector<const char16_t *> items;
    for (const std::u16string &word : wideWords)
      items.push_back(word.c_str());
    TmTextList wordList{int32_t(items.size()), items.data(), nullptr};
    TmTextList sources{};
    TmTextList targets{};

    SearchOutcome outcome;
    outcome.result = m_library.searchTM(&wordList, allWords, &sources, &targets);
    EXPECT_EQ(outcome.result, targets.count);
    EXPECT_EQ(sources.count, targets.count);
    outcome.sources = texts(sources);
    outcome.targets = texts(targets);
    m_library.freeTM(&sources);
    m_library.freeTM(&targets);
    m_library.freeTM(&wordList); // frees nothing: the caller's own storage
    EXPECT_EQ(wordList.count, 0);
    return outcome;
  }

  std::string rows(const std::string &table) { return tableRows(m_folder.database(), table); }

  TempFolder m_folder; // declared first: it outlives the library's open file
  KestrineLibrary m_library;
};

} // namespace kestrine_test
