// Tests: compiled targets in the window's session: a language DLL or .res file chosen on
// saving, opened again as the target, rewritten in its own form; a script source's
// translations written into a compiled target; what cannot be written says why.
#include "support/qt_printers.h"
#include "support/rc_compiler.h"
#include "support/scripted_prompter.h"
#include "workbench/session.h"

#include "compiled/compiled_source.h"
#include "compiled/dialog_template.h"
#include "compiled/language_dll.h"
#include "compiled/string_block.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

const char kEnglish[] = "LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n 100 \"Open\"\n 101 \"Close\"\nEND\n"
                        "7 MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"E&xit\", 40001\n"
                        " END\nEND\n";
const char kGerman[] =
    "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 100 \"Offnen\"\n 101 \"Schliessen\"\nEND\n"
    "7 MENU\nBEGIN\n POPUP \"&Datei\"\n BEGIN\n  MENUITEM \"&Beenden\", 40001\n"
    " END\nEND\n";

class CompiledTargetSession : public ::testing::Test {
protected:
  // Untranslated texts are written as their source's.
  void SetUp() override { settings.setInteger(QStringLiteral("SavingOption"), 1); }

  // A script written into the folder, and its compilation as name.res.
  QString compiled(const char *text, const QString &name) {
    const QString script = dir.filePath(name + QStringLiteral(".rc"));
    QFile file(script);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    QString error;
    const QByteArray res = test::compileScript(script, {}, 1252, dir.path(), error);
    EXPECT_FALSE(res.isEmpty()) << error.toStdString();
    const QString path = dir.filePath(name + QStringLiteral(".res"));
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(res);
    return path;
  }
  TextEntry *entryOf(const QString &sourceText) {
    for (const auto &entry : session.entries())
      if (entry->sourceText == sourceText)
        return entry.get();
    return nullptr;
  }
  // The strings of language's block 7 (identifiers 96 to 111) of a compiled file.
  QStringList stringsIn(const QString &path, quint16 language) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QList<CompiledResource> resources;
    QString error;
    EXPECT_TRUE(readCompiledResources(file.readAll(), resources, error)) << error.toStdString();
    QStringList strings;
    for (const CompiledResource &resource : resources)
      if (resource.type == ResourceId::fromNumber(6) && resource.language == language)
        readStringBlock(resource.data, strings);
    return strings.mid(4, 2);
  }

  QTemporaryDir dir;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
};

TEST_F(CompiledTargetSession, ALanguageDllChosenOnSavingIsOpenedAgainAndRewrittenAsOne) {
  const QString source = compiled(kEnglish, QStringLiteral("app"));
  ASSERT_EQ(session.open({source, 1033, true, QString(), 1031}), Session::OpenResult::Opened);
  session.changeTargetText(entryOf(QStringLiteral("Open")), QStringLiteral("\u00d6ffnen"));
  const QString dll = dir.filePath("app_de.dll");
  prompter.savePaths << dll;
  ASSERT_TRUE(session.save()) << prompter.messages.join(u'\n').toStdString();
  ASSERT_EQ(prompter.saveRequests.size(), 1);
  EXPECT_EQ(prompter.saveRequests[0].kinds,
            QList<TargetKind>(
                {TargetKind::Script, TargetKind::CompiledResources, TargetKind::LanguageDll}));
  EXPECT_EQ(fileKindOf(dll), FileKind::LanguageDll);
  EXPECT_EQ(stringsIn(dll, 1031), QStringList({QStringLiteral("\u00d6ffnen"), "Close"}));

  // Opened again beside its source, the DLL gives its translations; saved, it stays a DLL.
  ASSERT_EQ(session.open({source, 1033, false, dll, 1031}), Session::OpenResult::Opened)
      << prompter.messages.join(u'\n').toStdString();
  EXPECT_EQ(entryOf(QStringLiteral("Open"))->targetText, QStringLiteral("\u00d6ffnen"));
  session.changeTargetText(entryOf(QStringLiteral("Close")), QStringLiteral("Schlie\u00dfen"));
  ASSERT_TRUE(session.save());
  EXPECT_EQ(prompter.saveRequests.size(), 1); // saved into its own file, no dialog
  EXPECT_EQ(fileKindOf(dll), FileKind::LanguageDll);
  EXPECT_EQ(stringsIn(dll, 1031),
            QStringList({QStringLiteral("\u00d6ffnen"), QStringLiteral("Schlie\u00dfen")}));

  // The DLL as a source of its own, written as a .res file: the memory flags a program
  // does not keep are given as the resource compilers give them.
  const QString res = dir.filePath("from_dll.res");
  ASSERT_EQ(session.open({dll, 1031, false, res, 1036}), Session::OpenResult::Opened);
  ASSERT_TRUE(session.save()) << prompter.messages.join(u'\n').toStdString();
  QFile written(res);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  const ResFileRead read = readResFile(written.readAll());
  ASSERT_FALSE(read.resources.isEmpty());
  for (const CompiledResource &resource : read.resources)
    EXPECT_EQ(resource.memoryFlags, resource.type == ResourceId::fromNumber(4) ||
                                            resource.type == ResourceId::fromNumber(6)
                                        ? 0x1030
                                        : 0x0030);
}

TEST_F(CompiledTargetSession, TheFileTypeChosenDecidesTheForm) {
  const QString source = compiled(kEnglish, QStringLiteral("app"));
  ASSERT_EQ(session.open({source, 1033, true, QString(), 1031}), Session::OpenResult::Opened);
  session.changeTargetText(entryOf(QStringLiteral("Open")), QStringLiteral("Ouvrir"));
  // A name without the form's extension keeps it; the type chosen says what is written.
  const QString res = dir.filePath("app_fr.bin");
  prompter.savePaths << res;
  prompter.saveKinds << TargetKind::CompiledResources;
  ASSERT_TRUE(session.saveAs()) << prompter.messages.join(u'\n').toStdString();
  EXPECT_EQ(fileKindOf(res), FileKind::CompiledResources);
  EXPECT_EQ(stringsIn(res, 1031), QStringList({"Ouvrir", "Close"}));
}

TEST_F(CompiledTargetSession, AScriptSourcesTranslationsGoIntoACompiledTarget) {
  const QString german = compiled(kGerman, QStringLiteral("de"));
  const QString source = dir.filePath("app.rc");
  QFile script(source);
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write(kEnglish);
  script.close();
  ASSERT_EQ(session.open({source, 1033, false, german, 1031}), Session::OpenResult::Opened)
      << prompter.messages.join(u'\n').toStdString();
  EXPECT_EQ(entryOf(QStringLiteral("Close"))->targetText, QStringLiteral("Schliessen"));
  EXPECT_EQ(entryOf(QStringLiteral("E&xit"))->targetText, QStringLiteral("&Beenden"));
  session.changeTargetText(entryOf(QStringLiteral("Open")), QStringLiteral("\u00d6ffnen"));
  ASSERT_TRUE(session.save()) << prompter.messages.join(u'\n').toStdString();
  EXPECT_EQ(fileKindOf(german), FileKind::CompiledResources);
  EXPECT_EQ(stringsIn(german, 1031), QStringList({QStringLiteral("\u00d6ffnen"), "Schliessen"}));
}

TEST_F(CompiledTargetSession, WhatCannotBeWrittenOrReadSaysWhy) {
  const QString source = dir.filePath("app.rc");
  QFile script(source);
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write(kEnglish);
  script.close();
  // A script source has no compiled resources to build a new DLL from.
  const QString dll = dir.filePath("new_de.dll");
  ASSERT_EQ(session.open({source, 1033, false, dll, 1031}), Session::OpenResult::Opened);
  session.changeTargetText(entryOf(QStringLiteral("Open")), QStringLiteral("\u00d6ffnen"));
  prompter.messages.clear();
  EXPECT_FALSE(session.save());
  EXPECT_FALSE(QFile::exists(dll));
  EXPECT_TRUE(session.isModified());
  ASSERT_FALSE(prompter.messages.isEmpty());
  EXPECT_TRUE(prompter.messages.front().contains("could not be written"))
      << prompter.messages.front().toStdString();

  // A damaged program is refused as the target, naming why.
  const QString damaged = dir.filePath("damaged.dll");
  QFile bad(damaged);
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write(QByteArray("MZ") + QByteArray(200, '\x7f'));
  bad.close();
  prompter.messages.clear();
  EXPECT_EQ(session.open({source, 1033, false, damaged, 1031}), Session::OpenResult::StayInDialog);
  ASSERT_FALSE(prompter.messages.isEmpty());
  EXPECT_TRUE(prompter.messages.front().contains("compiled resources cannot be read"))
      << prompter.messages.front().toStdString();
}

TEST_F(CompiledTargetSession, ALayoutChangedInTheEditorGoesIntoTheTemplate) {
  const QString source = compiled(
      "LANGUAGE 9, 1\n100 DIALOGEX 0, 0, 200, 80\nCAPTION \"Options\"\nBEGIN\n"
      " PUSHBUTTON \"&Apply\", 1, 10, 50, 40, 14\n LTEXT \"Name:\", -1, 10, 10, 40, 8\nEND\n",
      QStringLiteral("dialog"));
  ASSERT_EQ(session.open({source, 1033, true, QString(), 1031}), Session::OpenResult::Opened);
  auto *dialog = dynamic_cast<DialogEntry *>(entryOf(QStringLiteral("Options")));
  ASSERT_TRUE(dialog && dialog->layoutsBuilt);
  ASSERT_EQ(dialog->pairs.size(), 2u);
  // What the layout editor leaves: a wider dialog and button, the button's text wrapped.
  dialog->targetLayout.width = 230;
  dialog->pairs[0].target.width = 64;
  dialog->pairs[0].target.styles << QStringLiteral("BS_MULTILINE");
  dialog->layoutDiffers = true;
  session.changeTargetText(entryOf(QStringLiteral("&Apply")), QStringLiteral("&\u00dcbernehmen"));
  const QString dll = dir.filePath("dialog_de.dll");
  prompter.savePaths << dll;
  ASSERT_TRUE(session.save()) << prompter.messages.join(u'\n').toStdString();

  QFile file(dll);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QList<CompiledResource> resources;
  QString error;
  ASSERT_TRUE(readCompiledResources(file.readAll(), resources, error)) << error.toStdString();
  CompiledDialog german;
  qsizetype offset = -1;
  ASSERT_EQ(resources.size(), 1);
  ASSERT_TRUE(readDialogTemplate(resources[0].data, german, error, offset));
  EXPECT_EQ(german.width, 230);
  ASSERT_EQ(german.controls.size(), 2);
  EXPECT_EQ(german.controls[0].title.text, QStringLiteral("&\u00dcbernehmen"));
  EXPECT_EQ(german.controls[0].width, 64);
  EXPECT_EQ(german.controls[0].style & 0x2000u, 0x2000u);
  // What the editor left alone keeps the source's template.
  EXPECT_EQ(german.controls[1].width, 40);
  EXPECT_EQ(german.controls[0].style & ~0x2000u, 0x50010000u);
}

// Saving a program's translation into the program itself asks every time; No leaves it.
TEST_F(CompiledTargetSession, TheProgramItselfIsChangedOnlyWhenTheTranslatorSaysSo) {
  QFile res(compiled(kEnglish, QStringLiteral("app")));
  ASSERT_TRUE(res.open(QIODevice::ReadOnly));
  QByteArray program = writeLanguageDll(readResFile(res.readAll()).resources, true);
  // An entry point makes the library a program with code.
  const qsizetype entry = 0x80 + 4 + 20 + 16;
  program[entry] = '\x10';
  const QString path = dir.filePath("app.dll");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(program);
  file.close();
  ASSERT_EQ(fileKindOf(path), FileKind::Program);

  ASSERT_EQ(session.open({path, 1033, true, QString(), 1031}), Session::OpenResult::Opened);
  session.changeTargetText(entryOf(QStringLiteral("Open")), QStringLiteral("\u00d6ffnen"));
  prompter.savePaths << path;
  prompter.saveKinds << TargetKind::ProgramCopy;
  prompter.answers << Prompter::Answer::No;
  prompter.messages.clear();
  EXPECT_FALSE(session.saveToSourceFile());
  ASSERT_FALSE(prompter.messages.isEmpty());
  EXPECT_TRUE(prompter.messages.front().contains("is the program itself"))
      << prompter.messages.front().toStdString();
  QFile unchanged(path);
  ASSERT_TRUE(unchanged.open(QIODevice::ReadOnly));
  EXPECT_EQ(unchanged.readAll(), program);

  prompter.savePaths << path;
  prompter.saveKinds << TargetKind::ProgramCopy;
  prompter.answers << Prompter::Answer::Yes;
  EXPECT_TRUE(session.saveToSourceFile()) << prompter.messages.join(u'\n').toStdString();
  EXPECT_EQ(stringsIn(path, 1031).value(0), QStringLiteral("\u00d6ffnen"));
  EXPECT_EQ(stringsIn(path, 1033).value(0), QStringLiteral("Open"));
}

} // namespace
} // namespace tarvelo
