// A session on scripts written into a temporary folder, with the inspection attached.
#pragma once

#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "workbench/inspector.h"
#include "workbench/session.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo::test {

template <class ThePrompter = ScriptedPrompter> class SessionFixture : public ::testing::Test {
protected:
  void SetUp() override { session.useInspector(&inspector); }
  void write(const QString &name, const QByteArray &data) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
  }
  TextEntry *find(const QString &identifier) {
    for (const auto &entry : session.entries())
      if (entry->identifier == identifier)
        return entry.get();
    return nullptr;
  }
  // The identifiers of the entries that fail the inspection, in list order.
  QString failing() {
    QStringList out;
    for (const auto &entry : session.entries())
      if (!entry->inspectionPassed)
        out << entry->identifier;
    return out.join(u' ');
  }

  QTemporaryDir dir;
  MemorySettings settings;
  ThePrompter prompter;
  NullProgress progress;
  Inspector inspector;
  Session session{settings, prompter, progress};
};

} // namespace tarvelo::test
