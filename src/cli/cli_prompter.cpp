// The command line's answers to the program's questions, messages to standard error.
#include "cli/cli_prompter.h"

#include "text/printable_text.h"

#include <cstdio>

namespace tarvelo::cli {

Prompter::Answer CliPrompter::message(const QString &text, Buttons buttons, Icon icon) {
  ++m_messages;
  const char *prefix = icon == Icon::Error ? "error: " : icon == Icon::Warning ? "warning: " : "";
  // Messages carry text from outside (servers, files): a terminal would obey its codes.
  std::fprintf(stderr, "%s%s\n", prefix, printableText(text).toUtf8().constData());
  switch (buttons) {
  case Buttons::Ok:
    return Answer::Ok;
  case Buttons::OkCancel:
    return m_answerYes ? Answer::Ok : Answer::Cancel;
  case Buttons::YesNo:
  case Buttons::YesNoCancel:
    break;
  }
  return m_answerYes ? Answer::Yes : Answer::No;
}

void CliPrompter::resolveFuzzyItems(FuzzyItemsRequest &request) {
  std::fprintf(stderr, "%s: %s (%d fuzzy items kept for review)\n",
               printableText(request.caption).toUtf8().constData(),
               printableText(request.text).toUtf8().constData(), int(request.rows.size()));
  request.clearFuzzyFlag = false;
}

bool CliPrompter::chooseResourcesToKeep(SavingResourcesRequest &request) {
  for (ResourceChoice &item : request.items) {
    if (m_keep == KeepTargetOnly::All)
      item.checked = true;
    else if (m_keep == KeepTargetOnly::None)
      item.checked = false;
    std::fprintf(stderr, "%s %s %s: %s\n", item.checked ? "keeping" : "dropping",
                 item.group.toUtf8().constData(),
                 printableText(item.identifier).toUtf8().constData(), "found only in the target");
  }
  return true;
}

bool CliPrompter::pairIncludedScripts(ScriptPairingRequest &request) {
  for (const ScriptPairingRequest::Pair &pair : request.pairs)
    std::fprintf(stderr, "included script left unpaired: %s\n",
                 pair.sourcePath.toUtf8().constData());
  return true;
}

bool CliPrompter::chooseSaveFile(SaveFileRequest &request) {
  std::fprintf(stderr, "%s: no file chosen\n", request.title.toUtf8().constData());
  return false;
}

Prompter::Answer CliPrompter::askSameText(const QString &sourceText) {
  std::fprintf(stderr, "%s the same text in both languages: %s\n",
               m_sameText == Answer::Yes || m_sameText == Answer::YesToAll ? "learning"
                                                                           : "not learning",
               printableText(sourceText).toUtf8().constData());
  return m_sameText;
}

} // namespace tarvelo::cli
