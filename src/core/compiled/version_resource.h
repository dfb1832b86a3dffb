// The compiled version resource (VS_VERSIONINFO): read, written, and turned to another
// language.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tarvelo {

// One node of the resource: a key, a value of text (wType 1) or bytes (wType 0), and
// the nodes under it. valueLength is as stored: characters for text, bytes otherwise.
struct VersionNode {
  QString key;
  quint16 type = 1;
  quint16 valueLength = 0;
  QByteArray value;
  QList<VersionNode> children;
};

// The fixed part (VS_FIXEDFILEINFO) of the root's value.
struct FixedFileInfo {
  quint32 fileVersion[2] = {0, 0}; // most and least significant double words
  quint32 productVersion[2] = {0, 0};
  quint32 flagsMask = 0;
  quint32 flags = 0;
  quint32 os = 0;
  quint32 type = 0;
  quint32 subtype = 0;
  quint32 date[2] = {0, 0};
};

// Reads the tree of a version resource, every length checked against the bytes of its
// parent and every node on a 32-bit boundary; false with error and the offset where it
// failed.
bool readVersionResource(const QByteArray &data, VersionNode &root, QString &error,
                         qsizetype &offset);

// The bytes of a tree as the resource compilers lay it out: each key and value and
// each child on a 32-bit boundary, no padding after the last child.
QByteArray writeVersionResource(const VersionNode &root);

// The root's fixed part; false when its value is not VS_FIXEDFILEINFO.
bool readFixedFileInfo(const VersionNode &root, FixedFileInfo &info);

// The version resource's VERSIONINFO statement named name, or empty when the script
// could not give back these bytes (the resource does not read, or is laid out otherwise
// than a compiler lays out the statement).
QString versionInfoStatement(const QByteArray &data, const QString &name);

// The resource declared for another language: the StringFileInfo block named by the
// source language and the Translation pairs of it turned to the target language, as
// adaptVersionInfo does for a script. Data that does not read is given back as it is.
QByteArray adaptVersionResource(const QByteArray &data, int sourceLanguage, int targetLanguage);

} // namespace tarvelo
