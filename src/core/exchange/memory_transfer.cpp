// Glossary and TMX files into and out of a memory, with the resume record of an import.
#include "exchange/memory_transfer.h"

#include "exchange/csv_fields.h"
#include "exchange/exchange_file.h"
#include "exchange/glossary_file.h"
#include "exchange/tmx_file.h"
#include "files/file_transaction.h"
#include "seam/progress.h"
#include "seam/prompter.h"
#include "seam/settings.h"
#include "text/locale_table.h"
#include "tmclient/memory_client.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <vector>

namespace tarvelo {

namespace {

const QString kImportState = QStringLiteral("ImportState");

int primary(int language) {
  return language & 0x3ff;
}

QString progressText(int record, int count) {
  return QCoreApplication::translate("Progress", "Importing record %1 of %2")
      .arg(record)
      .arg(count);
}

} // namespace

QString ImportState::text() const {
  // One arg call: a "%5" in the path stays part of it.
  return QStringLiteral("%1|%2|%3|%4|%5")
      .arg(QString::number(lastLine), QString::number(sourceLanguage),
           QString::number(targetLanguage), path, QString::number(bits));
}

std::optional<ImportState> ImportState::parse(const QString &text) {
  const QStringList fields = text.split(u'|');
  if (fields.size() < 4 || fields[3].isEmpty())
    return std::nullopt;
  ImportState state;
  state.lastLine = qMax(0, fields[0].toInt());
  state.sourceLanguage = fields[1].toInt();
  state.targetLanguage = fields[2].toInt();
  state.path = fields[3];
  state.bits = fields.size() > 4 ? fields[4].toInt() : 0;
  if ((state.bits & (DelimiterTab | DelimiterSemicolon | DelimiterComma)) == 0)
    state.bits = 3;
  return state;
}

MemoryTransfers::MemoryTransfers(MemoryClient &client, Settings &settings, Prompter &prompter,
                                 Progress &progress)
    : m_client(client), m_settings(settings), m_prompter(prompter), m_progress(progress) {}

bool MemoryTransfers::connectFor(int sourceLanguage, int targetLanguage) {
  const TmExports &tm = m_client.exports();
  if (!tm.connectTM)
    return false;
  if (tm.disconnectTM)
    tm.disconnectTM();
  return tm.connectTM(sourceLanguage, targetLanguage) != 0;
}

void MemoryTransfers::failed(MemoryTransfer &result, const QString &what) {
  const MemoryFailure failure = lastMemoryFailure(m_client.exports());
  result.status = MemoryTransfer::Status::NotConnected;
  result.damaged = failure.damaged;
  // "... could not be read: database disk image is malformed", in the database's words.
  result.error = failure.failed() ? what.chopped(what.endsWith(u'.') ? 1 : 0) +
                                        QStringLiteral(": ") + failure.reason
                                  : what;
}

bool MemoryTransfers::endBatch(MemoryTransfer &result) {
  const TmExports &tm = m_client.exports();
  if (tm.endTMBatch())
    return true;
  failed(result, QCoreApplication::translate("Exchange",
                                             "The Translation Memory could not store every pair."));
  return false;
}

void MemoryTransfers::reconnect(int sourceLanguage, int targetLanguage, bool learnt) {
  const TmExports &tm = m_client.exports();
  const int taskSource = m_client.sourceLanguage();
  const int taskTarget = m_client.targetLanguage();
  if (tm.disconnectTM)
    tm.disconnectTM();
  m_client.connectTo(taskSource, taskTarget);
  if (learnt && primary(sourceLanguage) == primary(taskSource) &&
      primary(targetLanguage) == primary(taskTarget))
    m_client.fillTargets(false);
}

MemoryTransfer MemoryTransfers::importGlossary(const QString &path, int firstLine,
                                               int sourceLanguage, int targetLanguage,
                                               int delimiterBits) {
  MemoryTransfer result;
  QStringList lines;
  if (!fileRead(readGlossaryLines(path, lines), path, result))
    return result;
  if (lines.isEmpty())
    return result;
  const TmExports &tm = m_client.exports();
  if (!connectFor(sourceLanguage, targetLanguage)) {
    result.status = MemoryTransfer::Status::NotConnected;
    reconnect(sourceLanguage, targetLanguage, false);
    return result;
  }
  GlossaryLayout layout;
  if (!glossaryLayout(lines, delimiterBits, sourceLanguage, targetLanguage, m_prompter, layout)) {
    result.status = MemoryTransfer::Status::ChoiceCancelled;
    reconnect(sourceLanguage, targetLanguage, false);
    return result;
  }
  const int count = int(lines.size());
  m_progress.begin(QCoreApplication::translate("Progress", "Translation Memory Import"));
  m_progress.setRange(0, count);
  const bool batch = tm.beginTMBatch && tm.endTMBatch && tm.beginTMBatch();
  const int columns = layout.columns();
  int line = qMax(0, firstLine);
  bool cancelled = false;
  while (line < count) {
    const int number = ++line;
    m_progress.setPosition(number);
    m_progress.setText(progressText(number, count));
    if (number > layout.headerLines) {
      const QStringList fields = readCsvFields(lines[number - 1].trimmed(), delimiterBits, columns);
      const QString source = fields.value(layout.source);
      const QString target = fields.value(layout.target);
      if (!source.isEmpty() && !target.isEmpty() && !source.contains(QLatin1String(kExportMark)))
        result.pairs += m_client.learnPair(source, target, 1);
    }
    m_progress.serve();
    if (m_progress.cancelled()) {
      cancelled = line < count;
      break;
    }
  }
  const bool stored = !batch || endBatch(result);
  m_progress.end();
  result.lastLine = line;
  if (!stored) {
    m_settings.setText(kImportState, QString());
  } else if (cancelled) {
    result.status = MemoryTransfer::Status::Cancelled;
    ImportState state{line, sourceLanguage, targetLanguage, QFileInfo(path).absoluteFilePath(),
                      delimiterBits};
    m_settings.setText(kImportState, state.text());
  } else {
    m_settings.setText(kImportState, QString());
  }
  reconnect(sourceLanguage, targetLanguage, result.pairs > 0);
  return result;
}

QString MemoryTransfers::resumeQuestion(const ImportState &state) {
  return QCoreApplication::translate(
             "Prompter", "Previous import was canceled.\nFile: %1\nSource Language: "
                         "%2\nTarget Language: %3\nRecord: %4\nDo you want to continue?")
      .arg(state.path, localizedLanguageName(state.sourceLanguage),
           localizedLanguageName(state.targetLanguage), QString::number(state.lastLine));
}

std::optional<MemoryTransfer>
MemoryTransfers::glossaryCommand(const std::function<bool(GlossaryChoice &)> &choose) {
  const std::optional<ImportState> pending = ImportState::parse(m_settings.text(kImportState));
  if (pending && QFileInfo(pending->path).isFile() && m_prompter.askYesNo(resumeQuestion(*pending)))
    return importGlossary(pending->path, pending->lastLine, pending->sourceLanguage,
                          pending->targetLanguage, pending->bits);
  GlossaryChoice choice;
  choice.targetLanguage = m_client.targetLanguage();
  choice.bits = m_settings.integer(QStringLiteral("ImportFlag"));
  if (!choose(choice))
    return std::nullopt;
  m_settings.setInteger(QStringLiteral("ImportFlag"), choice.bits);
  return importGlossary(choice.path, 0, choice.sourceLanguage, choice.targetLanguage, choice.bits);
}

MemoryTransfer MemoryTransfers::importTmx(const QString &path, int sourceLanguage,
                                          int targetLanguage) {
  MemoryTransfer result;
  QByteArray bytes;
  if (!fileRead(readExchangeFile(path, bytes), path, result))
    return result;
  // The whole file is read before anything is learnt, so that a broken file teaches
  // the memory nothing.
  std::vector<MemoryUnit> units;
  if (!readTmx(
          bytes, sourceLanguage, targetLanguage,
          [&](const MemoryUnit &unit) {
            units.push_back(unit);
            return true;
          },
          result.error)) {
    result.status = MemoryTransfer::Status::Malformed;
    return result;
  }
  bytes.clear();
  const TmExports &tm = m_client.exports();
  if (!connectFor(sourceLanguage, targetLanguage)) {
    result.status = MemoryTransfer::Status::NotConnected;
    reconnect(sourceLanguage, targetLanguage, false);
    return result;
  }
  const int count = int(units.size());
  m_progress.begin(QCoreApplication::translate("Progress", "Translation Memory Import"));
  m_progress.setRange(0, count);
  const bool batch = tm.beginTMBatch && tm.endTMBatch && tm.beginTMBatch();
  for (int i = 0; i < count; ++i) {
    m_progress.setPosition(i + 1);
    m_progress.setText(progressText(i + 1, count));
    const MemoryUnit &unit = units[size_t(i)];
    result.pairs += m_client.learnPair(unit.source, unit.target, unit.uses);
    m_progress.serve();
    if (m_progress.cancelled() && i + 1 < count) {
      result.status = MemoryTransfer::Status::Cancelled;
      break;
    }
  }
  if (batch)
    endBatch(result);
  m_progress.end();
  reconnect(sourceLanguage, targetLanguage, result.pairs > 0);
  return result;
}

MemoryTransfer MemoryTransfers::exportTmx(const QString &path, int sourceLanguage,
                                          int targetLanguage) {
  MemoryTransfer result;
  const TmExports &tm = m_client.exports();
  if (!tm.listTM || !tm.freeTM || !connectFor(sourceLanguage, targetLanguage)) {
    result.status = MemoryTransfer::Status::NotConnected;
    reconnect(sourceLanguage, targetLanguage, false);
    return result;
  }
  constexpr int kSlice = 2000;
  TmxWriter writer(sourceLanguage, targetLanguage);
  int64_t position = 0;
  std::vector<int32_t> counters(kSlice);
  // The memory does not say how many pairs it holds: the bar only shows that work goes on.
  m_progress.begin(QCoreApplication::translate("Progress", "Translation Memory Export"));
  m_progress.setRange(0, 0);
  for (;;) {
    TmTextList sources = {}, targets = {};
    const int32_t read = tm.listTM(&position, kSlice, &sources, &targets, counters.data());
    const QStringList sourceTexts = takeTmTexts(tm, sources);
    const QStringList targetTexts = takeTmTexts(tm, targets);
    if (read < 0) {
      failed(result,
             QCoreApplication::translate("Exchange", "The Translation Memory could not be read."));
      break;
    }
    if (read == 0)
      break;
    for (int i = 0; i < read && i < sourceTexts.size() && i < targetTexts.size(); ++i) {
      writer.add({sourceTexts[i], targetTexts[i], qMax(1, int(counters[size_t(i)]))});
      ++result.pairs;
    }
    m_progress.setText(
        QCoreApplication::translate("Progress", "Exporting pair %1").arg(result.pairs));
    m_progress.serve();
    if (m_progress.cancelled()) {
      result.status = MemoryTransfer::Status::Cancelled; // and nothing is written
      break;
    }
  }
  m_progress.end();
  reconnect(sourceLanguage, targetLanguage, false);
  if (result.status != MemoryTransfer::Status::Finished)
    return result;
  if (!writeFileSafely(path, writer.finish(), &result.error))
    result.status = MemoryTransfer::Status::NotRead;
  return result;
}

} // namespace tarvelo
