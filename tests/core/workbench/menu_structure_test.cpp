// The menu preview's model of a MENU resource: popups with their items, the
// separators in their places, and the options the preview draws (checked, grayed).
#include "script/text_entry.h"
#include "support/script_harness.h"
#include "workbench/menu_structure.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// "Popup[item, -, +checked, ~grayed]" with the items' source texts.
QString dump(const std::vector<MenuNode> &nodes) {
  QStringList parts;
  for (const MenuNode &node : nodes) {
    if (node.separator) {
      parts.append(QStringLiteral("-"));
      continue;
    }
    QString text = (node.checked ? QStringLiteral("+") : QString()) +
                   (node.grayed ? QStringLiteral("~") : QString()) + node.entry->sourceText;
    if (node.popup)
      text += u'[' + dump(node.children) + u']';
    parts.append(text);
  }
  return parts.join(QStringLiteral(", "));
}

struct StructureCase {
  const char *name;
  const char *block;
  const char *expected;
};

class MenuStructureTest : public ::testing::TestWithParam<StructureCase> {};

TEST_P(MenuStructureTest, ReadsTheItemsSeparatorsAndOptions) {
  const StructureCase &c = GetParam();
  test::Workspace space;
  const QString script =
      QStringLiteral("LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n") + QString::fromUtf8(c.block);
  ASSERT_EQ(space.readSource(script.toLatin1(), 1033), ScriptResult::Ok);
  const TextEntry *head = nullptr;
  for (const auto &entry : space.entries)
    if (entry->isHead() && !head)
      head = entry.get();
  ASSERT_NE(head, nullptr);
  EXPECT_EQ(dump(menuStructure(space.entries, head)), QString::fromUtf8(c.expected));
}

const StructureCase kCases[] = {
    {"Menu",
     "IDR_MENU MENU\nBEGIN\n  POPUP \"&File\"\n  BEGIN\n    MENUITEM \"&Open\\tCtrl+O\", 1\n"
     "    MENUITEM SEPARATOR\n    MENUITEM \"&Bold\", 2, CHECKED\n"
     "    MENUITEM \"Gray\", 3, GRAYED, CHECKED\n    MENUITEM \"Off\", 4, INACTIVE\n  END\n"
     "  MENUITEM \"&Help\", 5\nEND\n",
     "&File[&Open\\tCtrl+O, -, +&Bold, +~Gray, ~Off], &Help"},
    {"NestedPopups",
     "IDR_MENU MENU\nBEGIN\n  POPUP \"A\"\n  BEGIN\n    POPUP \"B\"\n    BEGIN\n"
     "      MENUITEM \"C\", 1\n    END\n    MENUITEM SEPARATOR\n    MENUITEM \"D\", 2\n  "
     "END\nEND\n",
     "A[B[C], -, D]"},
};

INSTANTIATE_TEST_SUITE_P(Cases, MenuStructureTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvelo
