// Texts shaped like user-interface strings for the memory's benchmarks, and the same text
// as a translator meets it again.
#pragma once

#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace kestrine_bench {

// Texts shaped like user-interface strings: two to six words of a fixed vocabulary, made
// distinct by a number, the way "Page 12 of 40" or "Item 7" are.
class PairTexts {
public:
  PairTexts() {
    const char *syllables[] = {"ka", "lo", "mi", "te", "ra", "no", "vi", "su", "de", "pa",
                               "ri", "go", "fe", "lu", "ba", "xo", "ne", "to", "si", "ma"};
    std::mt19937 random(11);
    while (m_words.size() < 2000) {
      std::u16string word;
      const int length = 2 + int(random() % 3);
      for (int i = 0; i < length; ++i) {
        const char *syllable = syllables[random() % std::size(syllables)];
        word.append(syllable, syllable + 2);
      }
      if (m_words.size() % 3 == 0)
        word[0] = char16_t(word[0] - 'a' + 'A');
      m_words.push_back(word);
    }
  }

  std::u16string source(int index) const { return text(index, 1); }
  std::u16string target(int index) const { return text(index, 2); }
  const std::u16string &word(int index) const { return m_words[std::size_t(index)]; }

private:
  // splitmix64: a generator that costs nothing to seed per text.
  static std::uint64_t mix(std::uint64_t &state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  std::u16string text(int index, unsigned side) const {
    std::uint64_t state = std::uint64_t(index) * 2 + side;
    auto random = [&state] { return mix(state); };
    const int words = 2 + int(random() % 5);
    std::u16string text;
    for (int i = 0; i < words; ++i) {
      text += m_words[random() % m_words.size()];
      text += u' ';
    }
    const std::string number = std::to_string(index);
    text.append(number.begin(), number.end());
    return text;
  }

  std::vector<std::u16string> m_words;
};

inline const PairTexts &pairTexts() {
  static const PairTexts texts;
  return texts;
}

// A text as a translator meets it again: a stored source with a typo, a letter missing or
// another number; the source scores at least 90 against it.
inline std::u16string changedText(const std::u16string &text, std::mt19937 &random) {
  std::u16string changed = text;
  switch (random() % 3) {
  case 0:
    changed[random() % changed.size()] = u'q';
    break;
  case 1:
    changed.erase(random() % changed.size(), 1);
    break;
  default:
    changed.back() = changed.back() == u'7' ? u'3' : u'7';
  }
  return changed;
}

} // namespace kestrine_bench
