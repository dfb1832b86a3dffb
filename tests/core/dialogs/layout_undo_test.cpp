// The layout undo list: groups undone and redone as one, the records it skips so that
// a run of arrow keys undoes at once, and a new change after undo dropping the redo.
#include "dialogs/layout_undo.h"

#include <gtest/gtest.h>
#include <map>

namespace tarvelo {
namespace {

// Items of a dialog as the editor places them.
class Items {
public:
  ItemPlace at(int item) const { return m_places.at(item); }
  void set(int item, const QRect &pixels) { m_places[item] = {pixels, pixels}; }

  // Moves the item with a record, as the editor does.
  bool move(LayoutUndo &undo, int item, const QRect &pixels) {
    const ItemPlace after{pixels, pixels};
    const bool recorded = undo.record(item, m_places[item], after);
    m_places[item] = after;
    return recorded;
  }

  LayoutUndo::Placer placer() {
    return [this](int item, const ItemPlace &place) {
      const ItemPlace had = m_places[item];
      m_places[item] = place;
      return had;
    };
  }

private:
  std::map<int, ItemPlace> m_places;
};

TEST(LayoutUndo, AGroupIsUndoneAndRedoneAsOne) {
  Items items;
  items.set(0, {10, 10, 40, 10});
  items.set(1, {10, 30, 40, 10});
  items.set(-1, {0, 0, 200, 100});
  LayoutUndo undo;
  EXPECT_FALSE(undo.canUndo());
  items.move(undo, 0, {20, 10, 40, 10});
  items.move(undo, 1, {20, 30, 40, 10});
  undo.closeGroup();
  items.move(undo, -1, {0, 0, 220, 100});
  undo.closeGroup();

  ASSERT_TRUE(undo.undo(items.placer()));
  EXPECT_EQ(items.at(-1).pixels, QRect(0, 0, 200, 100));
  EXPECT_EQ(items.at(0).pixels, QRect(20, 10, 40, 10));
  ASSERT_TRUE(undo.undo(items.placer()));
  EXPECT_EQ(items.at(0).pixels, QRect(10, 10, 40, 10));
  EXPECT_EQ(items.at(1).pixels, QRect(10, 30, 40, 10));
  EXPECT_FALSE(undo.canUndo());
  EXPECT_FALSE(undo.undo(items.placer()));

  ASSERT_TRUE(undo.redo(items.placer()));
  EXPECT_EQ(items.at(0).pixels, QRect(20, 10, 40, 10));
  EXPECT_EQ(items.at(1).pixels, QRect(20, 30, 40, 10));
  EXPECT_EQ(items.at(-1).pixels, QRect(0, 0, 200, 100));
  ASSERT_TRUE(undo.redo(items.placer()));
  EXPECT_EQ(items.at(-1).pixels, QRect(0, 0, 220, 100));
  EXPECT_FALSE(undo.canRedo());
}

TEST(LayoutUndo, ChangesNotYetClosedAreUndoneTogether) {
  Items items;
  items.set(0, {10, 10, 40, 10});
  items.set(1, {10, 30, 40, 10});
  LayoutUndo undo;
  items.move(undo, 0, {10, 12, 40, 10});
  items.move(undo, 1, {10, 32, 40, 10});
  undo.undo(items.placer());
  EXPECT_EQ(items.at(0).pixels, QRect(10, 10, 40, 10));
  EXPECT_EQ(items.at(1).pixels, QRect(10, 30, 40, 10));
  undo.redo(items.placer());
  EXPECT_EQ(items.at(0).pixels, QRect(10, 12, 40, 10));
  EXPECT_EQ(items.at(1).pixels, QRect(10, 32, 40, 10));
}

TEST(LayoutUndo, RecordsThatAreSkipped) {
  const struct {
    const char *what;
    std::vector<std::pair<int, QRect>> before; // earlier moves, a group each when closed
    bool closeBefore;
    int item;
    QRect to;
    bool recorded;
  } cases[] = {
      {"no change", {}, false, 0, {10, 10, 40, 10}, false},
      {"a first move", {}, false, 0, {12, 10, 40, 10}, true},
      {"a second arrow key on the same control",
       {{0, {12, 10, 40, 10}}},
       false,
       0,
       {14, 10, 40, 10},
       false},
      {"a resize of the same control keeps its position",
       {{0, {12, 10, 40, 10}}},
       false,
       0,
       {10, 10, 50, 10},
       false},
      {"the same control, both position and size new",
       {{0, {12, 10, 40, 10}}},
       false,
       0,
       {14, 10, 50, 10},
       true},
      {"another control", {{0, {12, 10, 40, 10}}}, false, 1, {12, 30, 40, 10}, true},
      {"the last record not alone in its group",
       {{1, {12, 30, 40, 10}}, {0, {12, 10, 40, 10}}},
       false,
       0,
       {14, 10, 40, 10},
       true},
      {"the last record alone in its closed group",
       {{0, {12, 10, 40, 10}}},
       true,
       0,
       {14, 10, 40, 10},
       false},
  };
  for (const auto &c : cases) {
    Items items;
    items.set(0, {10, 10, 40, 10});
    items.set(1, {10, 30, 40, 10});
    LayoutUndo undo;
    for (const auto &[item, to] : c.before)
      items.move(undo, item, to);
    if (c.closeBefore)
      undo.closeGroup();
    const size_t count = undo.records().size();
    EXPECT_EQ(items.move(undo, c.item, c.to), c.recorded) << c.what;
    EXPECT_EQ(undo.records().size(), count + (c.recorded ? 1 : 0)) << c.what;
  }
}

TEST(LayoutUndo, ARunOfArrowKeysUndoesToWhereItStarted) {
  Items items;
  items.set(0, {10, 10, 40, 10});
  LayoutUndo undo;
  for (int x = 12; x <= 20; x += 2)
    items.move(undo, 0, {x, 10, 40, 10});
  EXPECT_EQ(undo.records().size(), 1u);
  undo.undo(items.placer());
  EXPECT_EQ(items.at(0).pixels, QRect(10, 10, 40, 10));
  undo.redo(items.placer());
  EXPECT_EQ(items.at(0).pixels, QRect(20, 10, 40, 10));
}

TEST(LayoutUndo, ANewChangeAfterUndoDropsTheRedo) {
  Items items;
  items.set(0, {10, 10, 40, 10});
  items.set(1, {10, 30, 40, 10});
  LayoutUndo undo;
  items.move(undo, 0, {20, 10, 40, 10});
  undo.closeGroup();
  items.move(undo, 1, {20, 30, 40, 10});
  undo.closeGroup();
  undo.undo(items.placer());
  ASSERT_TRUE(undo.canRedo());
  items.move(undo, 1, {10, 50, 40, 10});
  EXPECT_FALSE(undo.canRedo());
  EXPECT_EQ(undo.records().size(), 2u);
  undo.clear();
  EXPECT_FALSE(undo.canUndo());
}

// Style words changed between moves are undone in their place, and a move right after
// them is never merged into them.
TEST(LayoutUndo, StyleWordsAreUndoneBetweenMoves) {
  Items items;
  items.set(0, {10, 10, 40, 10});
  std::map<int, ItemStyles> words{{0, {{"BS_LEFT"}, {}}}};
  const LayoutUndo::Styler styler = [&](int item, const ItemStyles &styles) {
    const ItemStyles had = words[item];
    words[item] = styles;
    return had;
  };
  LayoutUndo undo;
  items.move(undo, 0, {11, 10, 40, 10});
  undo.closeGroup();
  EXPECT_FALSE(undo.recordStyles(0, words[0], words[0])); // nothing changed
  const ItemStyles before = words[0];
  words[0] = {{"BS_RIGHT"}, {"WS_EX_RTLREADING"}};
  ASSERT_TRUE(undo.recordStyles(0, before, words[0]));
  undo.closeGroup();
  EXPECT_TRUE(items.move(undo, 0, {12, 10, 40, 10}));

  ASSERT_TRUE(undo.undo(items.placer(), styler));
  EXPECT_EQ(items.at(0).pixels, QRect(11, 10, 40, 10));
  EXPECT_EQ(words[0].styles, QStringList{"BS_RIGHT"});
  ASSERT_TRUE(undo.undo(items.placer(), styler));
  EXPECT_EQ(words[0], before);
  EXPECT_EQ(items.at(0).pixels, QRect(11, 10, 40, 10));
  ASSERT_TRUE(undo.redo(items.placer(), styler));
  EXPECT_EQ(words[0].exStyles, QStringList{"WS_EX_RTLREADING"});
}

} // namespace
} // namespace tarvelo
