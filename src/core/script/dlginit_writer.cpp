// Writing DLGINIT: translated combo-box strings encoded into their records.
#include "script/block_tokenizer.h"
#include "script/block_writing.h"
#include "script/keywords.h"
#include "script/string_finder.h"
#include "script/text_entry.h"
#include "script/write_context.h"
#include "text/code_page.h"

namespace tarvelo {

namespace {

// The data words of a string with its terminating zero: "0x%2.2x%2.2x, " per pair
// of bytes, high byte first, and an odd last byte (the zero) as the string "\000".
QString dataWords(const QByteArray &bytes) {
  QString out;
  const qsizetype n = bytes.size();
  for (qsizetype i = 0; i + 1 < n; i += 2)
    out += QStringLiteral("0x%1%2, ")
               .arg(uchar(bytes[i + 1]), 2, 16, QLatin1Char('0'))
               .arg(uchar(bytes[i]), 2, 16, QLatin1Char('0'));
  if (n % 2)
    out += QStringLiteral("\"\\000\" ");
  return out;
}

// The bytes a data word stands for: a number low byte first, "\000" a zero byte.
void appendWordBytes(QByteArray &bytes, const BlockToken &word) {
  long long value = 0;
  if (word.kind == TokenKind::String) {
    bytes.append('\0');
  } else if (numberValue(word.text(), value)) {
    bytes.append(char(value & 0xff));
    bytes.append(char((value >> 8) & 0xff));
  }
}

} // namespace

// DLGINIT: each translated combo-box string is encoded in the target's code page and
// its record's length and data words are rewritten in place.
QString writeDlgInitBlock(const DlgInitEntry &self, const WriteContext &context, int codePage,
                          bool writeAll, bool keepSource) {
  if (!self.isHead() || self.task != context.task || self.removed ||
      !(writeAll || self.selectedForSave))
    return {};
  const QString original = self.sourceBlock->text();
  if (keepSource)
    return original;
  BlockTokenizer tokens(original);
  TextEdits edits;
  for (const TextEntry *entry = self.next(); entry && entry->sourceBlock == self.sourceBlock;
       entry = entry->next()) {
    if (entry->sourceText.isEmpty())
      continue;
    // The next record of the entry's control with the combo-box message.
    for (;;) {
      const BlockToken token = tokens.next();
      if (token.kind == TokenKind::EndOfFile)
        break;
      if (!sameIdentifier(token.text(), entry->identifier))
        continue;
      const qsizetype resume = tokens.position();
      const BlockToken comma1 = tokens.next();
      const BlockToken message = tokens.next();
      const BlockToken comma2 = tokens.next();
      const BlockToken length = tokens.next();
      long long messageValue = 0, oldLength = 0;
      if (comma1.kind != TokenKind::Comma || !numberValue(message.text(), messageValue) ||
          messageValue != 0x403 || comma2.kind != TokenKind::Comma ||
          !numberValue(length.text(), oldLength) || oldLength < 0 || oldLength > 0xffff) {
        tokens.setPosition(resume);
        continue;
      }
      QByteArray bytes = CodePage::fromUtf16(entry->writtenText(context), codePage);
      bytes.append('\0');
      // Comma, the reserved number, then the old data words.
      tokens.next();
      tokens.next();
      const int oldWords = int(oldLength + 1) / 2;
      qsizetype dataStart = -1, dataEnd = -1;
      QByteArray oldBytes;
      for (int i = 0; i < oldWords; ++i) {
        BlockToken word = tokens.next();
        while (word.kind == TokenKind::Comma)
          word = tokens.next();
        if (word.kind == TokenKind::EndOfFile)
          break;
        if (dataStart < 0)
          dataStart = word.start;
        dataEnd = word.end;
        appendWordBytes(oldBytes, word);
      }
      if (dataStart < 0)
        break;
      // A record that already holds the text stays as it is written.
      if (oldBytes.left(oldLength) == bytes && oldLength == bytes.size()) {
        tokens.setPosition(dataEnd);
        break;
      }
      edits.replace(length.start, length.end, QString::number(bytes.size()));
      // The comma after the last word and the blanks up to the line end go too.
      if (tokens.peek().kind == TokenKind::Comma)
        dataEnd = tokens.next().end;
      while (dataEnd < original.size() && (original[dataEnd] == u' ' || original[dataEnd] == u'\t'))
        ++dataEnd;
      tokens.setPosition(dataEnd);
      edits.replace(dataStart, dataEnd, dataWords(bytes));
      break;
    }
  }
  return edits.apply(original);
}

} // namespace tarvelo
