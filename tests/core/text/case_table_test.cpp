// The program's case table: its order and its mappings of characters and texts.
#include "text/case_table.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(CaseTable, HoldsTheGeneratedPairsInOrder) {
  std::size_t count = 0;
  const CasePair *pairs = caseTable(&count);
  ASSERT_EQ(count, 821u);
  for (std::size_t i = 1; i < count; ++i)
    EXPECT_LE(pairs[i - 1].upper, pairs[i].upper) << i;
}

struct Mapping {
  char16_t c, upper, lower;
};

TEST(CaseTable, MapsCharacters) {
  const Mapping mappings[] = {
      {u'a', u'A', u'a'},
      {u'Z', u'Z', u'z'},
      {u'1', u'1', u'1'},
      {u'\u00e4', u'\u00c4', u'\u00e4'}, // Latin-1
      {u'i', u'I', u'i'},
      {u'I', u'I', u'i'},           // the first pair decides
      {u'\u0130', u'\u0130', u'i'}, // capital I with dot above
      {u'\u0131', u'I', u'\u0131'}, // dotless small i
      {u'\u017f', u'S', u'\u017f'}, // long s
      {u'S', u'S', u's'},
      {u'\u03a3', u'\u03a3', u'\u03c3'}, // sigma lowers to the medial form
      {u'\u03c2', u'\u03a3', u'\u03c2'},
      {u'\u0434', u'\u0414', u'\u0434'}, // Cyrillic
      {u'\u0561', u'\u0531', u'\u0561'}, // Armenian
      {u'\u01c5', u'\u01c4', u'\u01c6'}, // titlecase digraph
      {u'\u1f00', u'\u1f08', u'\u1f00'}, // Greek Extended
      {u'\u24d0', u'\u24b6', u'\u24d0'}, // circled letters
      {u'\u2c30', u'\u2c00', u'\u2c30'}, // Glagolitic
      {u'\u2c81', u'\u2c80', u'\u2c81'}, // Coptic
      {u'\uff41', u'\uff21', u'\uff41'}, // full-width
      {u'\u4e00', u'\u4e00', u'\u4e00'}, // no case
  };
  for (const Mapping &m : mappings) {
    EXPECT_EQ(caseUpper(m.c), m.upper) << int(m.c);
    EXPECT_EQ(caseLower(m.c), m.lower) << int(m.c);
  }
  EXPECT_TRUE(caseIsUpper(u'A'));
  EXPECT_FALSE(caseIsUpper(u'a'));
  EXPECT_TRUE(caseIsLower(u'\u00e4'));
}

TEST(CaseTable, MapsTextsInPlace) {
  char16_t text[] = u"Straße ДОМ";
  caseLowerInPlace(text, 10);
  EXPECT_EQ(std::u16string(text), u"straße дом");
  caseUpperInPlace(text, 10);
  EXPECT_EQ(std::u16string(text), u"STRA\u1E9EE ДОМ"); // the capital sharp s pairs with ß
}

} // namespace
} // namespace tarvelo
