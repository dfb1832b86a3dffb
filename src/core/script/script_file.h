// A resource script's bytes: encodings, lines, line ends, and the new content written.
#pragma once

#include <QByteArray>
#include <QString>
#include <utility>

namespace tarvelo {

// A resource script as text: UTF-16LE with its byte-order mark, UTF-8 with its mark,
// or bytes of an ANSI code page. Reading works on the whole file held in memory;
// writing collects the new content and replaces the file only when it is complete,
// so that a failure never leaves a half-written script behind.
class ScriptFile {
public:
  // Utf8 is a file without a mark whose bytes are all UTF-8, with some beyond ASCII,
  // and whose code_page pragmas name no other code page: it is read and written as
  // UTF-8 whatever its language says.
  enum Encoding { Ansi, Utf16, Utf8Bom, Utf8 };

  // Reads the file; false when it cannot be read or is not a regular file.
  bool open(const QString &path);
  // Reads from memory (tests, fuzzing, and the copy in progress of the writer).
  void openData(const QByteArray &data);
  // Starts an empty file to be written in the given encoding.
  void create(Encoding encoding);

  Encoding encoding() const { return m_encoding; }
  bool isUnicode() const { return m_encoding == Utf16; }
  bool isUtf8() const { return m_encoding == Utf8Bom || m_encoding == Utf8; }
  const QString &path() const { return m_path; }
  // The text is the script decompiled from a compiled file, not the file's own lines.
  bool isDecompiled() const { return m_decompiled; }
  void setDecompiled(bool decompiled) { m_decompiled = decompiled; }
  qsizetype size() const { return m_data.size(); }
  bool isEmpty() const { return m_data.size() == contentStart(); }

  // Reads the next line without its line end; false at the end of the file.
  bool readLine(QString &text, int codePage);
  // The same with one line feed appended, reusing the text's storage.
  bool readLineWithFeed(QString &text, int codePage);
  void rewind() { m_readPos = contentStart(); }
  // How many lines reading from the start gives, counted without decoding them.
  qsizetype lineCount() const;
  bool atEnd() const { return m_readPos >= m_data.size(); }
  // Where the line read last begins, and where reading goes on.
  qsizetype lastLineStart() const { return m_lineStart; }
  qsizetype readPosition() const { return m_readPos; }

  // Appends the text as given (the caller supplies the line ends). A text that is
  // exactly "\n" counts as a blank line and is dropped once blankLineLimit
  // consecutive blank lines have been written.
  void writeLine(const QString &text, int codePage);
  // Appends many lines at once, as writeLine would one after the other.
  void writeText(QStringView text, int codePage);
  void setBlankLineLimit(int limit) { m_blankLineLimit = limit; }

  // How written line feeds end lines: CR LF, or a line feed alone. Until set, a UTF-16
  // file writes line feeds alone and the others CR LF.
  void setCrLf(bool crLf) { m_crLf = crLf ? 1 : 0; }
  // Appends bytes of the file's own encoding as they are (the byte-order mark first,
  // when the file has none yet).
  void appendRaw(const char *bytes, qsizetype size);
  // The line end most lines of the content have: true for CR LF (also when there is
  // none), false for a line feed alone.
  bool mostlyCrLf() const;
  // Whether the content ends with a line end (true when it is empty).
  bool endsWithLineEnd() const;
  // Takes off the last line end of what was written, if it ends with one.
  void chopLineEnd();

  // Room for this many bytes, so that writing does not grow the buffer step by step.
  void reserve(qsizetype bytes) { m_data.reserve(bytes); }

  // Drops everything written; the encoding stays.
  void truncate();
  const QByteArray &data() const { return m_data; }
  // The content, taken out of the file, which is then empty.
  QByteArray takeData() { return std::exchange(m_data, QByteArray()); }
  // The text of a UTF-16 file, past its byte-order mark.
  QStringView utf16Text() const {
    const qsizetype start = contentStart();
    return QStringView(reinterpret_cast<const QChar *>(m_data.constData() + start),
                       (m_data.size() - start) / 2);
  }

  // Writes the content to path atomically (a complete new file, flushed to the disk,
  // replaces the old one); false when it could not, the old file then as it was.
  bool saveTo(const QString &path) const;
  // The same for bytes of a file's whole content.
  static bool saveBytes(const QString &path, const QByteArray &data);

private:
  qsizetype contentStart() const;
  void appendEncoded(QStringView text, int codePage);
  void appendBytes(const QByteArray &bytes);
  void startContent();
  bool writesCrLf() const { return m_crLf < 0 ? m_encoding != Utf16 : m_crLf == 1; }

  QString m_path;
  QByteArray m_data;
  qsizetype m_readPos = 0;
  qsizetype m_lineStart = 0;
  Encoding m_encoding = Ansi;
  int m_blankLineLimit = 0;
  int m_blankLines = 0;
  int m_crLf = -1; // -1 as the encoding has it, 0 line feeds, 1 CR LF
  bool m_decompiled = false;
};

} // namespace tarvelo
