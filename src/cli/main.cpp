#include "cli/commands.h"

#include <QCoreApplication>
#include <cstdio>

namespace tarvelo::cli {

void printHelp() {
  std::fputs("Usage: tarvelo-cli COMMAND [OPTIONS]\n"
             "\n"
             "Commands:\n"
             "  dump SCRIPT [--language N]\n"
             "      Reads a resource script for one language and prints one line per entry:\n"
             "      kind, identifier and text, separated by tabs, the text as stored (doubled\n"
             "      quotes made single, escapes as written). N is a language number such as\n"
             "      1033; without it the language of the script's first LANGUAGE statement is\n"
             "      read, or the whole script when it has none. Exit status 0, or 1 with the\n"
             "      message on standard error when the script does not parse.\n"
             "\n"
             "  languages SCRIPT\n"
             "      Prints the languages the script's LANGUAGE statements name: the language\n"
             "      number and its English name, one per line.\n"
             "\n"
             "  translate --source S --source-language N (--target T | --new-target T)\n"
             "            --target-language M [--out FILE] [--saving-option 0|1|2]\n"
             "            [--user-text TEXT] [--keep-target-only default|all|none]\n"
             "      Reads the source script S for language N and the target script T for\n"
             "      language M, places the target's texts on the source's items, and writes\n"
             "      the target again (to FILE, else to T) with the source's structure and the\n"
             "      translations, together with the companion files of both scripts. With\n"
             "      --new-target the target is built from the source, whatever T holds.\n"
             "      Prints the verification summary.\n"
             "      --saving-option: an untranslated item is written empty (0), with its source\n"
             "      text (1), or with TEXT (2, default \"--untranslated--\").\n"
             "      Questions are answered as a careful user would: resources found only in\n"
             "      the target are kept when they hold no text and dropped when they do\n"
             "      (--keep-target-only all or none keeps or drops them all); the placement of\n"
             "      fuzzy items is kept and their fuzzy marks stay for review; a target that\n"
             "      does not parse is never replaced (the command fails instead).\n"
             "\n"
             "  --help\n"
             "      Shows this text.\n",
             stdout);
}

} // namespace tarvelo::cli

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  QStringList arguments = app.arguments().mid(1);
  if (arguments.isEmpty() || arguments[0] == QLatin1String("--help") ||
      arguments[0] == QLatin1String("-h") || arguments[0] == QLatin1String("help")) {
    tarvelo::cli::printHelp();
    return arguments.isEmpty() ? 2 : 0;
  }
  const QString command = arguments.takeFirst();
  if (command == QLatin1String("dump"))
    return tarvelo::cli::runDump(arguments);
  if (command == QLatin1String("languages"))
    return tarvelo::cli::runLanguages(arguments);
  if (command == QLatin1String("translate"))
    return tarvelo::cli::runTranslate(arguments);
  std::fprintf(stderr, "error: unknown command '%s' (see tarvelo-cli --help)\n",
               command.toUtf8().constData());
  return 2;
}
