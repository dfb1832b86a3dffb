// Words and characters of a text as an analysis counts them for pricing.
#include "analysis/word_count.h"

#include "exchange/text_masking.h"

#include <QStringView>

namespace tarvelo {

namespace {

constexpr int kJapanese = 0x11;
constexpr int kKorean = 0x12;

// The text without what a translator does not translate: each removed piece leaves a
// space so that it still parts the words around it.
QString translatableText(const QString &text) {
  QString out;
  out.reserve(text.size());
  for (int i = 0; i < text.size();) {
    // "(&F)" after a Chinese, Japanese or Korean text is nothing but the access key.
    if (text[i] == u'(' && i + 3 < text.size() && text[i + 1] == u'&' && text[i + 3] == u')' &&
        text[i + 2].unicode() < 0x80 && text[i + 2].isLetterOrNumber()) {
      i += 4;
      continue;
    }
    const int length = verbatimPieceLength(text, i);
    if (length == 0) {
      out += text[i++];
      continue;
    }
    const QStringView piece = QStringView(text).mid(i, length);
    if (piece == u"&&" || piece == u"%%")
      out += piece[0];
    else if (piece != u"&")
      out += u' ';
    i += length;
  }
  return out;
}

enum class Kind { Space, Word, Joiner, NumberJoiner, Han, Kana, Hangul, Other };

Kind kindOf(char32_t c) {
  if (QChar::isSpace(c))
    return Kind::Space;
  switch (QChar::script(c)) {
  case QChar::Script_Han:
    return Kind::Han;
  case QChar::Script_Hiragana:
  case QChar::Script_Katakana:
    return Kind::Kana;
  case QChar::Script_Hangul:
    return Kind::Hangul;
  default:
    break;
  }
  if (QChar::isLetterOrNumber(c) || QChar::category(c) == QChar::Mark_NonSpacing ||
      QChar::category(c) == QChar::Mark_SpacingCombining)
    return Kind::Word;
  if (c == u'-' || c == u'\'' || c == u'\u2019' || c == u'\u2010' || c == u'\u2011')
    return Kind::Joiner;
  if (c == u'.' || c == u',')
    return Kind::NumberJoiner;
  return Kind::Other;
}

} // namespace

double TextCount::weightedWords(CountingRule rule, int primaryLanguage) const {
  if (rule == CountingRule::Characters)
    return words + logographic();
  const double hanFactor = primaryLanguage == kJapanese ? kGmxJapaneseFactor
                           : primaryLanguage == kKorean ? kGmxKoreanFactor
                                                        : kGmxChineseFactor;
  return words + han / hanFactor + kana / kGmxJapaneseFactor + hangul / kGmxKoreanFactor;
}

TextCount countText(const QString &text) {
  const QString clean = translatableText(text);
  TextCount count;
  // Inside a word, and whether a joiner just followed its last character: "-" and "'"
  // between letters or digits, "." and "," between digits ("2.10", "1,000").
  bool inWord = false;
  bool joinerPending = false;
  bool numberJoinerPending = false;
  bool lastDigit = false;
  for (int i = 0; i < clean.size(); ++i) {
    char32_t c = clean[i].unicode();
    if (clean[i].isHighSurrogate() && i + 1 < clean.size() && clean[i + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(clean[i], clean[i + 1]);
      ++i;
    }
    const Kind kind = kindOf(c);
    if (kind != Kind::Space)
      ++count.characters;
    if (kind == Kind::Word) {
      const bool digit = QChar::isDigit(c);
      if (!inWord || (numberJoinerPending && !digit))
        ++count.words;
      inWord = true;
      joinerPending = numberJoinerPending = false;
      lastDigit = digit;
      continue;
    }
    if (inWord && !joinerPending && !numberJoinerPending &&
        (kind == Kind::Joiner || (kind == Kind::NumberJoiner && lastDigit))) {
      joinerPending = kind == Kind::Joiner;
      numberJoinerPending = kind == Kind::NumberJoiner;
      continue;
    }
    inWord = joinerPending = numberJoinerPending = false;
    count.han += kind == Kind::Han;
    count.kana += kind == Kind::Kana;
    count.hangul += kind == Kind::Hangul;
  }
  return count;
}

QString countingRuleName(CountingRule rule) {
  return rule == CountingRule::GmxV
             ? QStringLiteral("GMX-V: words parted by spaces and punctuation; Chinese, Japanese "
                              "and Korean characters divided by 2.8, 3.0 and 3.3")
             : QStringLiteral("words parted by spaces and punctuation; each Chinese, Japanese "
                              "and Korean character one word");
}

} // namespace tarvelo
