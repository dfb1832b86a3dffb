// Pseudo-translating texts with look-alike letters, padding and marks.
#include "workbench/pseudo_translation.h"

#include "script/entry_list.h"
#include "script/text_entry.h"
#include "text/code_page.h"
#include "workbench/text_markup.h"
#include "workbench/undo_stack.h"

#include <QHash>
#include <array>
#include <mutex>

namespace tarvelo {

namespace {

// Look-alikes of every ASCII letter, best first; a code page takes the first it holds.
const char16_t *const kUpper[26] = {
    u"ÀÁÂÃÄÅĀА", u"ƁВΒ", u"ÇĆČС",  u"ÐĎ", u"ÈÉÊËĒЕ", u"Ƒ",        u"ĜĞĢ",  u"ĤĦН", u"ÌÍÎÏĪІ",
    u"ĴЈ",       u"ĶК",  u"ĹĻĽŁ",  u"МΜ", u"ÑŃŇ",    u"ÒÓÔÕÖØŌО", u"ƤРΡ",  u"Ǫ",   u"ŔŘ",
    u"ŠŚŞЅ",     u"ŤŢТ", u"ÙÚÛÜŪ", u"Ṽ",  u"Ŵ",      u"ХΧ",       u"ÝŸŶУ", u"ŽŹŻ"};
const char16_t *const kLower[26] = {
    u"àáâãäåāа", u"ƀЬ", u"çćčс",  u"ďđ", u"èéêëēе", u"ƒ",        u"ĝğģ",  u"ĥħһ", u"ìíîïīі",
    u"ĵј",       u"ķк", u"ĺļľł",  u"ɱ",  u"ñńň",    u"òóôõöøōо", u"ƥр",   u"ʠ",   u"ŕř",
    u"šśşѕ",     u"ťţ", u"ùúûüū", u"ṽ",  u"ŵ",      u"хχ",       u"ýÿŷу", u"žźż"};

bool holds(QChar c, int codePage) {
  if (codePage == 0)
    return true;
  const QString one(c);
  return CodePage::toUtf16(CodePage::fromUtf16(one, codePage), codePage) == one;
}

// What a code page makes of every ASCII character and of the padding sign.
struct Replacements {
  std::array<QChar, 128> letters;
  QChar padding;
};

const Replacements &replacementsFor(int codePage) {
  static std::mutex lock;
  static QHash<int, Replacements> made;
  const std::lock_guard<std::mutex> guard(lock);
  auto it = made.find(codePage);
  if (it != made.end())
    return *it;
  Replacements r;
  for (int c = 0; c < 128; ++c)
    r.letters[size_t(c)] = QChar(c);
  const auto choose = [&](char16_t letter, const char16_t *candidates) {
    for (const char16_t *p = candidates; *p; ++p)
      if (holds(QChar(*p), codePage)) {
        r.letters[letter] = QChar(*p);
        return;
      }
  };
  for (int i = 0; i < 26; ++i) {
    choose(char16_t(u'A' + i), kUpper[i]);
    choose(char16_t(u'a' + i), kLower[i]);
  }
  r.padding = holds(QChar(u'\u00B7'), codePage) ? QChar(u'\u00B7') : QChar(u'~');
  return *made.insert(codePage, r);
}

} // namespace

int pseudoGrowth(int visibleLength, int expansion) {
  if (visibleLength <= 10)
    return expansion * 5 / 2;
  if (visibleLength <= 20)
    return expansion * 2;
  if (visibleLength <= 30)
    return expansion * 3 / 2;
  if (visibleLength <= 50)
    return expansion * 5 / 4;
  return expansion;
}

bool holdsRightToLeftMarks(int codePage) {
  return holds(QChar(kRightToLeftMark), codePage);
}

QString pseudoText(const QString &source, const PseudoOptions &options) {
  int from = 0, to = int(source.size());
  while (from < to && source[from] == u' ')
    ++from;
  while (to > from && source[to - 1] == u' ')
    --to;
  if (from == to)
    return source;
  const Replacements &r = replacementsFor(options.codePage);
  const QList<MarkupSpan> spans = markupSpans(source);
  // What follows the last tab is a shortcut or a column of its own: it stays as it is.
  int body = to;
  for (const MarkupSpan &span : spans)
    if (span.kind == MarkupSpan::Escape && span.start > from && span.end() <= to &&
        QStringView(source).mid(span.start, span.length) == u"\\t")
      body = span.start;

  QString out;
  out.reserve(source.size() * 3);
  out += QStringView(source).left(from);
  if (options.rightToLeft)
    out += QChar(kRightToLeftMark);
  out += u'[';
  int visible = 0;
  bool hasSpace = false;
  qsizetype next = 0;
  for (int i = from; i < body;) {
    while (next < spans.size() && spans[next].end() <= i)
      ++next;
    if (next < spans.size() && spans[next].start == i) {
      const MarkupSpan &span = spans[next];
      const int end = std::min(span.end(), body);
      out += QStringView(source).mid(i, end - i);
      i = end;
      // The access key itself keeps its letter, so the key stays the same.
      if (span.kind == MarkupSpan::AccessKeyMark && i < body) {
        out += source[i++];
        ++visible;
      }
      continue;
    }
    const QChar c = source[i++];
    hasSpace = hasSpace || c == u' ';
    ++visible;
    out += c.unicode() < 128 ? r.letters[c.unicode()] : c;
  }
  const int padding = (visible * pseudoGrowth(visible, options.expansion) + 99) / 100;
  if (padding > 0) {
    // Padding after a space lets a wrapping text wrap as a translation would.
    if (hasSpace && padding > 1)
      out += u' ' + QString(padding - 1, r.padding);
    else
      out += QString(padding, r.padding);
  }
  out += u']';
  out += QStringView(source).mid(body, to - body);
  if (options.rightToLeft)
    out += QChar(kRightToLeftMark);
  out += QStringView(source).mid(to);
  return out;
}

QList<TextEntry *> pseudoTranslate(EntryList &entries, UndoStack &undo,
                                   const std::function<void(TextEntry *)> &inspect,
                                   const PseudoOptions &options) {
  QList<TextEntry *> changed;
  undo.open();
  for (int i = 0; i < entries.size(); ++i) {
    TextEntry *entry = entries.at(i);
    if (!entry->isTranslatable() || entry->sourceText.isEmpty())
      continue;
    const QString text = pseudoText(entry->sourceText, options);
    if (text == entry->targetText)
      continue;
    undo.record(entry, entry->targetText);
    entry->targetText = text;
    entry->matchState = Filled;
    if (inspect)
      inspect(entry);
    changed.append(entry);
  }
  undo.close();
  return changed;
}

} // namespace tarvelo
