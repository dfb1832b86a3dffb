#pragma once

#include <QByteArray>
#include <QString>

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

  // Room for this many bytes, so that writing does not grow the buffer step by step.
  void reserve(qsizetype bytes) { m_data.reserve(bytes); }

  // Drops everything written; the encoding stays.
  void truncate();
  const QByteArray &data() const { return m_data; }
  // The text of a UTF-16 file, past its byte-order mark.
  QStringView utf16Text() const {
    const qsizetype start = contentStart();
    return QStringView(reinterpret_cast<const QChar *>(m_data.constData() + start),
                       (m_data.size() - start) / 2);
  }

  // Writes the content to path atomically (a complete new file replaces the old one);
  // false when path names something other than a regular file.
  bool saveTo(const QString &path) const;
  // The same for bytes of a file's whole content.
  static bool saveBytes(const QString &path, const QByteArray &data);

private:
  qsizetype contentStart() const;
  void appendEncoded(QStringView text, int codePage);
  void appendBytes(const QByteArray &bytes);

  QString m_path;
  QByteArray m_data;
  qsizetype m_readPos = 0;
  qsizetype m_lineStart = 0;
  Encoding m_encoding = Ansi;
  int m_blankLineLimit = 0;
  int m_blankLines = 0;
};

} // namespace tarvelo
