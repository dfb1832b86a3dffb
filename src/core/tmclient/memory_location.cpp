// Memory locations: servers told from folders, passwords hidden, problems named.
#include "tmclient/memory_location.h"

#include "seam/progress.h"
#include "tmclient/tm_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace tarvelo {

namespace {

constexpr int kReasonLength = 1024;

const char16_t *wide(const QString &text) {
  return reinterpret_cast<const char16_t *>(text.utf16());
}

QString fromWide(const char16_t *text) {
  return QString::fromUtf16(text);
}

// "password=..." in the query, up to the next "&".
const QRegularExpression &passwordParameter() {
  static const QRegularExpression pattern(QStringLiteral("([?&]password=)[^&]*"),
                                          QRegularExpression::CaseInsensitiveOption);
  return pattern;
}

} // namespace

bool isServerLocation(const QString &location) {
  return location.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
         location.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

bool locationHasPassword(const QString &location) {
  if (!isServerLocation(location))
    return false;
  const QUrl url(location);
  return !url.password().isEmpty() || location.contains(passwordParameter());
}

QString shownLocation(const QString &location) {
  if (!isServerLocation(location))
    return QDir::toNativeSeparators(location);
  QString shown = location;
  // user:password@host — the authority ends at the first "/" after the scheme.
  const qsizetype start = shown.indexOf(QLatin1String("://")) + 3;
  qsizetype end = shown.indexOf(QLatin1Char('/'), start);
  if (end < 0)
    end = shown.indexOf(QLatin1Char('?'), start);
  if (end < 0)
    end = shown.size();
  const qsizetype at = shown.lastIndexOf(QLatin1Char('@'), end - 1);
  if (at >= start) {
    const qsizetype colon = shown.indexOf(QLatin1Char(':'), start);
    if (colon >= 0 && colon < at)
      shown.replace(colon + 1, at - colon - 1, QStringLiteral("***"));
  }
  shown.replace(passwordParameter(), QStringLiteral("\\1***"));
  return shown;
}

QString locationProblem(const TmExports &exports, const QString &location) {
  if (!exports.checkTMPath)
    return {};
  char16_t reason[kReasonLength] = {};
  if (exports.checkTMPath(wide(location), reason, kReasonLength) == 1)
    return {};
  const QString why = fromWide(reason);
  return why.isEmpty() ? QStringLiteral("unknown reason") : why;
}

MemoryCopyResult copyMemory(const TmExports &exports, const QString &from, const QString &to,
                            Progress &progress) {
  MemoryCopyResult result;
  if (!exports.copyTM) {
    result.reason = QStringLiteral("the translation-memory library cannot copy memories");
    return result;
  }
  progress.begin(QCoreApplication::translate("Prompter", "Translation Memory Copy"));
  progress.setRange(0, 0);
  struct Context {
    Progress &progress;
  } context{progress};
  const auto report = [](void *data, int64_t done, int64_t total) -> int32_t {
    Progress &shown = static_cast<Context *>(data)->progress;
    // The bar counts in thousands, so that any memory fits its int range.
    shown.setRange(0, int(std::max<int64_t>(total / 1000, 1)));
    shown.setPosition(int(done / 1000));
    shown.setText(
        QCoreApplication::translate("Prompter", "Copying pair %1 of %2").arg(done).arg(total));
    shown.serve();
    return shown.cancelled() ? 0 : 1;
  };
  char16_t reason[kReasonLength] = {};
  int64_t copied = 0;
  const int32_t outcome =
      exports.copyTM(wide(from), wide(to), report, &context, &copied, reason, kReasonLength);
  progress.end();
  result.copied = copied;
  result.reason = fromWide(reason);
  result.outcome = outcome == 1    ? MemoryCopyResult::Copied
                   : outcome == -1 ? MemoryCopyResult::Cancelled
                                   : MemoryCopyResult::Failed;
  if (result.outcome == MemoryCopyResult::Failed && result.reason.isEmpty())
    result.reason = QStringLiteral("unknown reason");
  return result;
}

} // namespace tarvelo
