// Reading and writing compiled DIALOG and DIALOGEX templates.
#include "compiled/dialog_template.h"

#include "compiled/binary_reader.h"
#include "compiled/binary_writer.h"

namespace tarvelo {

namespace {

TemplateName readName(BinaryReader &reader) {
  BinaryReader peek = reader;
  const quint16 first = peek.word();
  if (first == 0) {
    reader.word();
    return {};
  }
  if (first == 0xFFFF) {
    reader.word();
    return TemplateName::fromNumber(reader.word());
  }
  return TemplateName::fromText(reader.zeroTerminated());
}

void readRectangle(BinaryReader &reader, qint16 &x, qint16 &y, qint16 &width, qint16 &height) {
  x = qint16(reader.word());
  y = qint16(reader.word());
  width = qint16(reader.word());
  height = qint16(reader.word());
}

// The header of either form, up to its first item; the item count in count.
void readHeader(BinaryReader &reader, CompiledDialog &dialog, int &count) {
  BinaryReader peek = reader;
  const quint16 version = peek.word();
  const quint16 signature = peek.word();
  dialog.extended = version == 1 && signature == 0xFFFF;
  if (dialog.extended) {
    reader.dword();
    dialog.helpId = reader.dword();
    dialog.exStyle = reader.dword();
    dialog.style = reader.dword();
  } else {
    dialog.style = reader.dword();
    dialog.exStyle = reader.dword();
  }
  count = reader.word();
  readRectangle(reader, dialog.x, dialog.y, dialog.width, dialog.height);
  dialog.menu = readName(reader);
  dialog.className = readName(reader);
  dialog.caption = reader.zeroTerminated();
  if (!dialog.hasFont())
    return;
  dialog.pointSize = reader.word();
  if (dialog.extended) {
    dialog.weight = reader.word();
    const quint16 italicAndCharset = reader.word();
    dialog.italic = quint8(italicAndCharset & 0xFF);
    dialog.charset = quint8(italicAndCharset >> 8);
  }
  dialog.face = reader.zeroTerminated();
}

CompiledControl readControl(BinaryReader &reader, bool extended) {
  CompiledControl control;
  reader.align(4);
  if (extended) {
    control.helpId = reader.dword();
    control.exStyle = reader.dword();
    control.style = reader.dword();
  } else {
    control.style = reader.dword();
    control.exStyle = reader.dword();
  }
  readRectangle(reader, control.x, control.y, control.width, control.height);
  control.id = extended ? reader.dword() : reader.word();
  control.className = readName(reader);
  control.title = readName(reader);
  const quint16 extra = reader.word();
  control.creationData = reader.bytes(extra);
  return control;
}

void writeName(QByteArray &out, const TemplateName &name) {
  if (name.kind == TemplateName::Kind::None) {
    writeWord(out, 0);
  } else if (name.kind == TemplateName::Kind::Number) {
    writeWord(out, 0xFFFF);
    writeWord(out, name.number);
  } else {
    writeText(out, name.text);
  }
}

void writeRectangle(QByteArray &out, qint16 x, qint16 y, qint16 width, qint16 height) {
  for (const qint16 value : {x, y, width, height})
    writeWord(out, quint16(value));
}

void writeControl(QByteArray &out, const CompiledControl &control, bool extended) {
  alignTo4(out);
  if (extended) {
    writeDword(out, control.helpId);
    writeDword(out, control.exStyle);
    writeDword(out, control.style);
  } else {
    writeDword(out, control.style);
    writeDword(out, control.exStyle);
  }
  writeRectangle(out, control.x, control.y, control.width, control.height);
  if (extended)
    writeDword(out, control.id);
  else
    writeWord(out, quint16(control.id));
  writeName(out, control.className);
  writeName(out, control.title);
  writeWord(out, quint16(control.creationData.size()));
  out += control.creationData;
}

} // namespace

bool readDialogTemplate(const QByteArray &data, CompiledDialog &dialog, QString &error,
                        qsizetype &errorOffset) {
  dialog = CompiledDialog();
  BinaryReader reader(data);
  int count = 0;
  readHeader(reader, dialog, count);
  if (reader.failed()) {
    error = QStringLiteral("the dialog template ends inside its header");
    errorOffset = reader.position();
    return false;
  }
  for (int i = 0; i < count; ++i) {
    const qsizetype start = reader.position();
    CompiledControl control = readControl(reader, dialog.extended);
    if (reader.failed()) {
      error = QStringLiteral("the dialog template says %1 controls, and its data ends inside "
                             "control %2")
                  .arg(count)
                  .arg(i + 1);
      errorOffset = start;
      return false;
    }
    dialog.controls.append(std::move(control));
  }
  return true;
}

QByteArray writeDialogTemplate(const CompiledDialog &dialog) {
  QByteArray out;
  if (dialog.extended) {
    writeWord(out, 1);
    writeWord(out, 0xFFFF);
    writeDword(out, dialog.helpId);
    writeDword(out, dialog.exStyle);
    writeDword(out, dialog.style);
  } else {
    writeDword(out, dialog.style);
    writeDword(out, dialog.exStyle);
  }
  writeWord(out, quint16(dialog.controls.size()));
  writeRectangle(out, dialog.x, dialog.y, dialog.width, dialog.height);
  writeName(out, dialog.menu);
  writeName(out, dialog.className);
  writeText(out, dialog.caption);
  if (dialog.hasFont()) {
    writeWord(out, dialog.pointSize);
    if (dialog.extended) {
      writeWord(out, dialog.weight);
      writeWord(out, quint16(dialog.italic | dialog.charset << 8));
    }
    writeText(out, dialog.face);
  }
  for (const CompiledControl &control : dialog.controls)
    writeControl(out, control, dialog.extended);
  return out;
}

} // namespace tarvelo
