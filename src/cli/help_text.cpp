// The text of tarvelo-cli --help: a paragraph per command, between a usage line and a note.
#include "cli/commands.h"

#include <QString>
#include <cstdio>

namespace tarvelo::cli {
namespace {

const char kHelpHeader[] = "Usage: tarvelo-cli COMMAND [OPTIONS]\n"
                           "\n"
                           "Commands:\n";

// Each command's synopsis and description, in the order the help lists them.
const char *const kCommandHelp[] = {
    "  dump SCRIPT [--language N] [--header FILE]\n"
    "      Reads a resource script for one language and prints one line per entry:\n"
    "      kind, identifier and text, separated by tabs, the text as stored (doubled\n"
    "      quotes made single, escapes as written). N is a language number such as\n"
    "      1033; without it the language of the script's first LANGUAGE statement is\n"
    "      read, or the whole script when it has none. Exit status 0, or 1 with the\n"
    "      message on standard error when the script does not parse. SCRIPT may be a\n"
    "      compiled file, read as decompile writes it (with --header as there).\n",

    "  languages SCRIPT | --list\n"
    "      Prints the languages the script's LANGUAGE statements name: the language\n"
    "      number and its English name, one per line. --list prints every language\n"
    "      the program knows: its tag, number and name, separated by tabs.\n",

    "  translate --source S --source-language N (--target T | --new-target T)\n"
    "            --target-language M [--out FILE] [--saving-option 0|1|2]\n"
    "            [--user-text TEXT] [--keep-target-only default|all|none]\n"
    "            [--tm DIR | --tm-env VARIABLE] [--fuzzy-fill SCORE]\n"
    "            [--regenerate-dialogs] [--in-place [--replace-original]]\n"
    "            [--mt PROVIDER [--mt-url URL] [--mt-key-file FILE]\n"
    "            [--mt-model NAME] [--mt-timeout SECONDS]]\n"
    "      Reads the source script S for language N and the target script T for\n"
    "      language M, places the target's texts on the source's items, and writes\n"
    "      the target again (to FILE, else to T) with the source's structure and the\n"
    "      translations, together with the companion files of both scripts (all of\n"
    "      them, or none when one cannot be written). Only what changed is\n"
    "      written: every line of T whose text and layout stay keeps its bytes, T\n"
    "      keeps its line ends and encoding. With --new-target the target is built\n"
    "      from the source, whatever T holds.\n"
    "      S may be a compiled file (a .res file, or a program or library), read as\n"
    "      the script decompile writes of it. Then --out FILE.res writes instead the\n"
    "      source's resources of language N in language M with the translations, as\n"
    "      a .res file, and --out FILE.dll as a resource-only language DLL for the\n"
    "      program's machine (no companion files either way).\n"
    "      --in-place (S a program, FILE a program's name: .exe, .dll, .ocx, .cpl or\n"
    "      .mui): --out FILE is a copy of the program itself with those resources\n"
    "      added, or replacing its own of language M; everything else of the program\n"
    "      is kept. A warning on standard error says the program was changed, and\n"
    "      that a signed program's signature was removed, to be signed again. FILE\n"
    "      naming S itself is refused unless --replace-original is given.\n"
    "      --header FILE: the program's resource header (resource.h); a compiled\n"
    "      source or target is read with its macro names for the numbers it defines,\n"
    "      so that a script target written with the macros matches. translate,\n"
    "      check, report, export, import, pseudo and learn take it alike; a header\n"
    "      that cannot be read fails the command.\n"
    "      --regenerate-dialogs: every dialog is printed again as DIALOGEX from its\n"
    "      layout, in one format, instead of changing only its changed statements.\n"
    "      Prints the verification summary.\n"
    "      --saving-option: an untranslated item is written empty (0), with its source\n"
    "      text (1), or with TEXT (2, default \"--untranslated--\").\n"
    "      Questions are answered as a careful user would: resources found only in\n"
    "      the target are kept when they hold no text and dropped when they do\n"
    "      (--keep-target-only all or none keeps or drops them all); the placement of\n"
    "      fuzzy items is kept and their fuzzy marks stay for review; a target that\n"
    "      does not parse is never replaced (the command fails instead).\n"
    "      --tm: before writing, empty translations are filled from the translation\n"
    "      memory in DIR (the most used translation of each source text); they count\n"
    "      as filled in the summary.\n"
    "      --fuzzy-fill (with --tm): what stays empty gets the best fuzzy match whose\n"
    "      source is at least SCORE percent (50 to 99) like the item's, and is marked\n"
    "      fuzzy for review.\n"
    "      --tm-env VARIABLE: the memory's location is the value of that environment\n"
    "      variable, so that a URI holding a password stays off the command line.\n"
    "      --mt PROVIDER [--mt-url URL] [--mt-key-file FILE]: then what is still empty\n"
    "      is translated by machine translation (LibreTranslate, DeepL or MyMemory;\n"
    "      URL a self-hosted server). The service's key is the first line of FILE,\n"
    "      which only its owner may read, else the environment variable\n"
    "      TARVELO_MT_KEY (--mt-key KEY still works, with a warning: every user of\n"
    "      the machine can see a command line). Prints how many items were filled\n"
    "      and how many failed, and fails the command when any did.\n"
    "      --mt openai-compatible --mt-url URL [--mt-model NAME]: a language model\n"
    "      behind the OpenAI-compatible chat interface (llama.cpp's llama-server,\n"
    "      Ollama, vLLM) translates, told each item's resource, identifier, dialog\n"
    "      caption and other controls or menu popups, comment, the memory's terms\n"
    "      (with --tm) and a dialog control's room in pixels; an answer too long for\n"
    "      its control is sent back once for a shorter one. Also prints the items\n"
    "      refitted, those still too long, the requests and the tokens the server\n"
    "      counted. --mt-timeout SECONDS: how long a request may take (a language\n"
    "      model 300 s by default, up to 3600; a web service 30 s, up to 600).\n"
    "      Exit status 0; 1 when a script cannot be read or written, or when the target\n"
    "      was written but a companion file or the memory failed (said on standard\n"
    "      error); 2 on bad arguments.\n",

    "  learn --source S --source-language N --target T --target-language M --tm DIR\n"
    "        [--same-text yes|no]\n"
    "      Reads the task as translate does and learns its translations into the\n"
    "      translation memory in DIR (created when missing): each distinct pair once,\n"
    "      counted as often as it occurs. Prints how many pairs were stored; exit\n"
    "      status 1 when the memory did not store them all (said on standard error),\n"
    "      2 when the memory is damaged.\n"
    "      A memory that another program keeps locked is waited for a few seconds.\n"
    "      --same-text: whether pairs whose two texts are the same (ignoring case and\n"
    "      the spaces around them) are learnt; default no.\n",

    "  tm-search --tm DIR --source-language N --target-language M [--all]\n"
    "            [--fuzzy SCORE] WORD...\n"
    "      Prints the pairs of the translation memory in DIR whose source text holds\n"
    "      any of the words (all of them with --all), ignoring case, most used first\n"
    "      and at most 500: source and target separated by a tab, one pair a line.\n"
    "      \"%\" and \"_\" in a word match any text and any one character.\n"
    "      --fuzzy SCORE: instead, the words are one text, and the pairs whose source\n"
    "      is at least SCORE percent (1 to 100) like it are printed, best first and at\n"
    "      most 50: score, source and target separated by tabs.\n"
    "      Exit status 0, also when nothing is found; 1 when the memory cannot be\n"
    "      opened or read; 2 on bad arguments or a damaged memory (the database's\n"
    "      own message says what it found).\n",

    "  analyze (--source S --source-language N (--target T | --new-target T)\n"
    "          --target-language M [--header FILE] | --project FILE.tvx) --tm DIR\n"
    "          [--bands 100,95,85,75,50] [--weights characters|gmx-v]\n"
    "          [--format text|csv|json|html] [--out FILE]\n"
    "      Counts the segments, words and characters of the task's text items (or of\n"
    "      every task of the project, in order) by how the memory in DIR matches\n"
    "      them: context match (the target holds the item's translation and its\n"
    "      source did not change), repetition (the text came earlier in the run and\n"
    "      the memory holds no 100% match), then by the best fuzzy score in the\n"
    "      bands from the limits of --bands, and no match below the lowest. Words\n"
    "      leave out the access-key mark, format specifications and escapes; each\n"
    "      Chinese, Japanese or Korean character is a word, or with --weights gmx-v\n"
    "      the characters are divided by GMX-V's 2.8, 3.0 and 3.3. Characters leave\n"
    "      out spaces too. Each task's table and the total go to standard output or\n"
    "      to FILE (written whole or not at all); an html page escapes every text.\n"
    "      Exit status 0; 1 when a task cannot be read (the others are analysed and\n"
    "      reported) or the memory cannot be opened; 2 on bad arguments.\n",

    "  export --source S --source-language N (--target T | --new-target T)\n"
    "         --target-language M --format csv|po|xliff --out FILE [--filtered]\n"
    "      Reads the task as translate does and writes each distinct pair of source\n"
    "      and target text once: a glossary (csv, UTF-16 with tabs), a gettext\n"
    "      catalog (po) or XLIFF 1.2 (xliff). --filtered writes only the items that\n"
    "      pass the filter with its default conditions (empty translation, one text\n"
    "      translated two ways, the same text in both languages). Exit status 0; 1\n"
    "      when there was nothing to export (the file is written all the same); 2 on\n"
    "      bad arguments, a script that cannot be read or a file that cannot be\n"
    "      written.\n",

    "  import --source S --source-language N (--target T | --new-target T)\n"
    "         --target-language M --in FILE [--delimiters tab,semicolon,comma]\n"
    "         [--format csv|po|xliff] [--out TARGET]\n"
    "      Reads the task, gives the items the translations of FILE (by its extension\n"
    "      .csv, .po, .xlf or .xliff unless --format says) whose source texts they\n"
    "      have, and writes the target (to TARGET, else to T) with its companion\n"
    "      files. --delimiters: those of a glossary, default tab,semicolon. Exit\n"
    "      status 0; 1 when no record matched an item (the target is written all\n"
    "      the same); 2 on bad arguments or a file that cannot be read or is not\n"
    "      well-formed (then nothing is written).\n",

    "  tm-import --tm DIR --source-language N --target-language M --in FILE\n"
    "            [--delimiters tab,semicolon,comma] [--same-text yes|no]\n"
    "      Learns the pairs of a glossary (.csv) or a TMX 1.4 file (.tmx) into the\n"
    "      translation memory in DIR (created when missing). Exit status 0; 1 when\n"
    "      nothing was learnt; 2 on bad arguments, a file that cannot be read or\n"
    "      is not well-formed (then nothing is learnt) or a damaged memory.\n",

    "  tm-export --tm DIR --source-language N --target-language M --out FILE.tmx\n"
    "      Writes every pair of the language pair as TMX 1.4, with how often each was\n"
    "      used. Exit status 0; 1 when the memory holds no pair; 2 on bad arguments\n"
    "      or a damaged memory.\n",

    "  tm-delete --tm DIR --source-language N --target-language M\n"
    "            --source TEXT --target TEXT\n"
    "      Removes the pair (texts compared without regard to case). Exit status 0;\n"
    "      1 when the memory holds no such pair; 2 on bad arguments or a damaged\n"
    "      memory.\n",

    "  tm-copy --from DIR|URI --to DIR|URI\n"
    "      Copies a whole memory, every language pair with both counters, between a\n"
    "      folder and a PostgreSQL server (either way, or folder to folder). Into a\n"
    "      pair the destination holds nothing of the pairs go exactly as they are;\n"
    "      otherwise a pair with exactly the same texts adds its counters. A failure\n"
    "      leaves the destination as it was. Exit status 0; 1 on failure; 2 on bad\n"
    "      arguments.\n",

    "  check --source S --source-language N --target T --target-language M\n"
    "        [--rules RULES] [--no-format-order] [--translated-only]\n"
    "        [--spell [--dictionaries DIRS] [--user-dictionary FILE]]\n"
    "        [--limits FILE] [--same-as-source] [--settings FILE]\n"
    "      Reads the task as translate does and inspects every item automatically:\n"
    "      the counts of the rule texts at the beginning, at the end or anywhere must\n"
    "      match between source and target, and the format specifications must come\n"
    "      in the same order. Two items of one menu level (the menu bar or one popup)\n"
    "      must not have the same access key in their translations. Prints every\n"
    "      failing item (kind, identifier, source and\n"
    "      target separated by tabs, then the explanation indented), the\n"
    "      verification summary and the count of failing items.\n"
    "      --rules: the rules in the stored form, \"%u%s;\" per rule (position 0 at\n"
    "      the beginning, 1 at the end, 2 anywhere, then the text), for example\n"
    "      \"2?;0 ;\"; without rules the fifteen default rules are used.\n"
    "      --no-format-order: the order of format specifications is not checked.\n"
    "      --translated-only: items with an empty translation are not inspected.\n"
    "      --limits FILE: maximum lengths, one \"PATTERN MAXIMUM\" a line (\"#\"\n"
    "      comments); PATTERN is a wildcard (* and ?) over KIND:IDENTIFIER, such as\n"
    "      \"STRINGTABLE:IDS_STATUS_* 40\", and the first that matches counts. A\n"
    "      translation longer than its maximum (the access-key & not counted)\n"
    "      fails; a line that is not a pattern and a number stops the command.\n"
    "      --same-as-source: a translation equal to its source fails when the\n"
    "      languages differ, unless it has no letters (numbers, \"%s\") or is one\n"
    "      of a few words usually kept (OK, Info, Status, Version, Email, E-mail,\n"
    "      Copyright, URL, ID).\n"
    "      --settings FILE: the level of each check (\"CheckLevels\") as the window\n"
    "      stored it in FILE (~/.config/Tarvelo.conf); a check set to Off is not\n"
    "      run.\n"
    "      --spell: the translations are also spell-checked with the Hunspell\n"
    "      dictionary of the target language (found in the folders DIRS of\n"
    "      --dictionaries, separated by \":\", then TARVELO_DICTIONARIES, then the\n"
    "      system's), with the words added in the program (--user-dictionary FILE\n"
    "      names another list); every unknown word is printed as kind, identifier,\n"
    "      word and suggestions, separated by tabs. A language without a dictionary\n"
    "      is said once on standard error and nothing is spell-checked.\n"
    "      Exit status 0 when every item passes (and no word is misspelt), 1 when\n"
    "      one fails, 2 on bad arguments, a script, limits or settings file that\n"
    "      cannot be read.\n"
    "      --format text|json|sarif|junit|github, --root DIR, --out FILE and\n"
    "      --fail-on error|warning|never as report describes them; the levels are\n"
    "      those of --settings, else each check's own.\n",

    "  pseudo --source S --source-language N --new-target T --target-language M\n"
    "         [--expansion PERCENT] [--right-to-left] [--utf16]\n"
    "      Writes a new target T whose every text is a pseudo-translation of its\n"
    "      source: letters replaced by accented look-alikes, the text lengthened by\n"
    "      PERCENT (default 40, more for short texts) and put in brackets, format\n"
    "      specifications, escapes and access keys kept, so that the dialogs report\n"
    "      on T shows what would clip. --right-to-left puts every text between\n"
    "      right-to-left marks, which needs a target language whose code page holds\n"
    "      them (Hebrew, Arabic) or a UTF-16 target (--utf16). With a compiled source,\n"
    "      T named .dll, .res or .exe is a pseudo-translated language DLL, .res file\n"
    "      or copy of the program. Exit status 0; 1 when a file cannot be read or\n"
    "      written or an item fails the automatic inspection; 2 on bad arguments.\n",

    "  report --source S --source-language N [--target T --target-language M]\n"
    "         [--setting BITS] [--format text|json|sarif|junit|github] [--root DIR]\n"
    "         [--out FILE] [--fail-on error|warning|never] [--settings FILE]\n"
    "      Reads the task as translate does and reports its dialogs as the dialogs\n"
    "      report does, measuring texts with the dialogs' fonts: texts too long for\n"
    "      their controls (1), alignment styles (2) and other styles (4) added or\n"
    "      removed in the target, controls that now overlap another (8) or reach\n"
    "      outside the dialog (16), and controls of a dialog with the same access\n"
    "      key (32). --setting sums the numbers of the checks wanted (decimal or\n"
    "      hexadecimal); default 63, all of them. Without --target the source is\n"
    "      reported against itself, with its own texts.\n"
    "      --format text (default) prints one line per finding: dialog, control and\n"
    "      finding separated by tabs. --format json prints every dialog (its file,\n"
    "      font requested and used, points, base units) with every control (class,\n"
    "      rectangle in dialog units and in pixels, text, the room and the size the\n"
    "      text needs in pixels, findings). The count of reported dialogs goes to\n"
    "      standard error.\n"
    "      Exit status 0 when nothing is reported, 1 when something is, 2 on bad\n"
    "      arguments or a script that cannot be read.\n"
    "      Findings for continuous integration (report, check and project check\n"
    "      alike): --format sarif writes SARIF 2.1.0 as GitHub code scanning takes\n"
    "      it: one run per task and command, a rule per check (format-specification,\n"
    "      access-key, character-count, misspelt-word, text-too-long, overlap,\n"
    "      outside-dialog, same-access-key, style-changed), each result at its\n"
    "      text's line and columns (UTF-16 units, a tab as one), or at its resource\n"
    "      for a compiled file, with fingerprints that stay when other lines move.\n"
    "      junit writes one testsuite per check and one testcase per item checked,\n"
    "      as GitLab and Jenkins read it. github prints one ::error, ::warning or\n"
    "      ::notice line per finding for GitHub Actions. --root: paths relative to\n"
    "      DIR (default: the current folder). --out: written to FILE, whole or not\n"
    "      at all. --fail-on: exit status 1 only for a finding of that level or\n"
    "      above (never: 0); without it each command keeps its own status. The\n"
    "      levels are each rule's own, or those the window stored in the settings\n"
    "      FILE of --settings (~/.config/Tarvelo.conf), where a check may be off.\n"
    "      A task that cannot be read is reported (a SARIF notification, a JUnit\n"
    "      error) and the status is 2.\n",

    "  decompile FILE --out SCRIPT [--header FILE.h]\n"
    "      Writes the resources of a compiled file (a .res file, or a program or\n"
    "      library: .exe, .dll, .ocx, .cpl, .mui) as a resource script in UTF-8 with\n"
    "      code_page(65001): string tables, menus, dialogs, DLGINIT (type 240 or\n"
    "      named) and VERSIONINFO as statements with numbers for identifiers, every\n"
    "      other resource as raw data, or as a file beside the script when its bytes\n"
    "      cannot be spelt there. With --header the numbers the header's #define\n"
    "      lines give are written as their macros (IDD_ for dialogs, IDR_ and IDM_\n"
    "      for menus, IDS_ and IDP_ for strings, IDC_ and ID_ for controls, else the\n"
    "      first defined) and the script includes the header. llvm-rc /C 65001 (with\n"
    "      /I the header's folder) compiles the script back to the same resources,\n"
    "      DLGINIT as the named type. Exit status 0; 1 when FILE or the header\n"
    "      cannot be read or FILE is damaged (the message gives the offset) or the\n"
    "      script cannot be written; 2 on bad arguments.\n",

    "  find-scripts (FOLDER | PROJECT_FILE) [--language N] [--modified-since DATE]\n"
    "               [--modified-until DATE]\n"
    "      Prints the resource scripts (.rc, .rc2) found in FOLDER and all its\n"
    "      subfolders (those whose names begin with \".\" are not entered), or named\n"
    "      by PROJECT_FILE: a Visual C++ workspace or project (.dsw, .dsp, .sln,\n"
    "      .vcproj, .vcxproj) or a project of this program (.tvx). One path a line,\n"
    "      each once. --language: only scripts whose LANGUAGE statements name N (0\n"
    "      for neutral). --modified-since, --modified-until: only scripts last\n"
    "      written in that range; DATE is 2024-05-31 (the whole day) or\n"
    "      2024-05-31T12:00:00. Exit status 0, or 2 on bad arguments.\n",

    "  project FILE.tvx list | check | translate [--tm DIR] [--allow-outside]\n"
    "        [--format F] [--root DIR] [--out FILE] [--fail-on LEVEL] [--touching FILE]\n"
    "      list prints every task of the project: name, source, source language,\n"
    "      target and target language, separated by tabs. check and translate run\n"
    "      those commands over every task (translate with --new-target where the\n"
    "      target does not exist yet, and with the memory of --tm DIR when given)\n"
    "      and print one line per task: its name, ok, fails (check found failing\n"
    "      items) or error, and the command's last line or its error, separated by\n"
    "      tabs. Relative paths are taken from the project file's folder.\n"
    "      translate writes only resource scripts (.rc, .rc2) whose names do not\n"
    "      begin with a dot, never replaces a file that does not parse as a script,\n"
    "      and writes a target outside the project file's folder (and its\n"
    "      subfolders) only with --allow-outside; such a task is an error. Exit\n"
    "      status 0; 1 when a task fails; 2 on bad arguments or a project file that\n"
    "      cannot be read. check with --format json, sarif, junit or github writes\n"
    "      every task's findings in one output, as report describes. --touching\n"
    "      FILE checks only the tasks whose source or target FILE lists (one path a\n"
    "      line, relative to the current folder, as git diff --name-only prints).\n",

    "  --help\n"
    "      Shows this text.\n"};

const char kHelpFooter[] =
    "Wherever a command takes --tm DIR, DIR may also be the connection URI of a team\n"
    "memory on a PostgreSQL server (postgresql://user@host/database, or\n"
    "postgresql:///?service=NAME for a service of pg_service.conf); the password\n"
    "is read from ~/.pgpass. Wherever it takes a language, a tag (de-DE, de,\n"
    "zh-Hant-TW, sr-Latn) does as well as its number (1031); a tag without a region\n"
    "is the language where it is mostly spoken (de is de-DE). translate, import,\n"
    "export, learn, tm-import, tm-export, tm-copy, pseudo and decompile take --quiet\n"
    "(no summary) or --json (the summary as one JSON object with the command, its\n"
    "counts and its exit status). Errors go to standard error; nothing is coloured.\n";

} // namespace

bool printCommandHelp(const QString &command) {
  for (const char *paragraph : kCommandHelp) {
    const QString text = QString::fromLatin1(paragraph);
    if (text.section(u'\n', 0, 0).section(u' ', 2, 2) == command) {
      std::fputs(paragraph, stdout);
      return true;
    }
  }
  std::fprintf(stderr, "error: unknown command '%s' (see tarvelo-cli --help)\n",
               command.toUtf8().constData());
  return false;
}

void printVersion() {
  std::fputs("tarvelo-cli " TARVELO_VERSION "\n", stdout);
}

void printHelp() {
  std::fputs(kHelpHeader, stdout);
  for (const char *command : kCommandHelp) {
    std::fputs(command, stdout);
    std::fputs("\n", stdout);
  }
  std::fputs(kHelpFooter, stdout);
}

} // namespace tarvelo::cli
