// The tm-copy command: a whole memory copied between a folder and a server.
#include "cli/cli_arguments.h"
#include "cli/cli_memory.h"
#include "cli/commands.h"
#include "cli/summary_output.h"
#include "seam/progress.h"
#include "text/printable_text.h"
#include "tmclient/memory_location.h"

#include <QFileInfo>
#include <cstdio>
#include <unistd.h>

namespace tarvelo::cli {

namespace {

// Shows how far the copy got on standard error: one line rewritten on a terminal, a line
// per tenth otherwise (so that logs stay short).
class ConsoleProgress : public Progress {
public:
  void begin(const QString &) override {}
  void setText(const QString &text) override { m_text = text; }
  void setRange(int, int maximum) override { m_maximum = maximum; }
  void setPosition(int position) override {
    if (m_terminal) {
      std::fprintf(stderr, "\r%s", m_text.toUtf8().constData());
      m_shown = true;
      return;
    }
    const int tenth = m_maximum > 0 ? position * 10 / m_maximum : 0;
    if (tenth > m_tenth) {
      m_tenth = tenth;
      std::fprintf(stderr, "%s\n", m_text.toUtf8().constData());
    }
  }
  void serve() override {}
  bool cancelled() const override { return false; }
  void end() override {
    if (m_shown)
      std::fprintf(stderr, "\n");
  }

private:
  bool m_terminal = isatty(2) != 0;
  bool m_shown = false;
  QString m_text;
  int m_maximum = 0;
  int m_tenth = 0;
};

QString location(const QString &given) {
  return isServerLocation(given) ? given : QFileInfo(given).absoluteFilePath();
}

} // namespace

int runTmCopy(const QStringList &arguments) {
  CliArguments read;
  QString error;
  if (read.parse(arguments, {"from", "to"}, {}, error))
    read.require({"from", "to"}, error);
  if (!error.isEmpty()) {
    std::fprintf(stderr, "error: %s\n", error.toUtf8().constData());
    return 2;
  }
  const QString from = location(read.value(QStringLiteral("from")));
  const QString to = location(read.value(QStringLiteral("to")));

  TmLibrary library;
  if (!loadMemoryLibrary(library))
    return 1;
  ConsoleProgress progress;
  const MemoryCopyResult result = copyMemory(library.exports(), from, to, progress);
  if (result.outcome != MemoryCopyResult::Copied) {
    std::fprintf(stderr, "error: the translation memory in '%s' could not be copied to '%s': %s\n",
                 shownLocation(from).toUtf8().constData(), shownLocation(to).toUtf8().constData(),
                 printableText(result.reason).toUtf8().constData());
    return 1;
  }
  printSummary(QStringLiteral("%1 pairs copied from '%2' to '%3'")
                   .arg(result.copied)
                   .arg(shownLocation(from), shownLocation(to)),
               {{"pairs", result.copied}});
  return 0;
}

} // namespace tarvelo::cli
