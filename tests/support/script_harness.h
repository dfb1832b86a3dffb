// A workspace that scripts read into, and script texts in each encoding.
#pragma once

#include "script/entry_list.h"
#include "script/resource_script.h"
#include "script/script_file.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/qt_printers.h"
#include "support/scripted_prompter.h"

#include <QByteArray>
#include <QString>
#include <cctype>
#include <string>

namespace tarvelo::test {

// A script text in one of the three encodings a script comes in.
enum class Encoding { Ansi, Utf16, Utf8Bom };
QByteArray encode(const QString &text, Encoding encoding, int codePage = 1252);
const char *encodingName(Encoding encoding);

// A progress that shows nothing and keeps the title and the first text it was given.
struct ShownProgress : NullProgress {
  void begin(const QString &text) override { title = text; }
  void setText(const QString &text) override {
    if (firstText.isEmpty())
      firstText = text;
  }
  QString title, firstText;
};

// Everything a script reads into, held together for a test.
struct Workspace {
  EntryList entries;
  TaskChain tasks;
  ScriptedPrompter prompter;
  ShownProgress progress;
  MemorySettings settings;

  ScriptContext context() { return {&entries, &tasks, &prompter, &progress, &settings}; }

  // Reads data as the source of a new task; returns the reader's result.
  ScriptResult readSource(const QByteArray &data, int language, const QString &path = QString());
  // Reads data as the target of the head task.
  ScriptResult readTarget(const QByteArray &data, int language, const QString &path = QString());

  // One line per entry of the list: kind, identifier, source and target texts.
  QString dump(bool withTargets = false) const;
};

// A name of files made fit to name a parameterised test: letters and digits only.
struct FileTestName {
  template <typename Info> std::string operator()(const Info &info) const {
    std::string name = info.param;
    for (char &c : name)
      if (!std::isalnum(static_cast<unsigned char>(c)))
        c = '_';
    return name;
  }
};

} // namespace tarvelo::test
