#include <gtest/gtest.h>

#include "core/slot_ops.h"
#include "file_fixture.h"

namespace tarn {
namespace {

using testing::EditorTest;

class Slots : public EditorTest {
 protected:
  int openNamed(const std::string& name) {
    SlotOpening opening;
    opening.name = name;
    return openSlot(editor, opening);
  }
};

TEST_F(Slots, The1025thSlotCannotBeOpenedAndAClosedSlotIsReusedFirst) {
  for (int i = 0; i < SlotTable::kSlots; ++i) ASSERT_EQ(openNamed(""), i);
  EXPECT_EQ(openNamed(""), -1);
  EXPECT_EQ(editor.screen.lastMessage(), "Too many opened files!");
  EXPECT_EQ(editor.slots.usedCount(), SlotTable::kSlots);
  closeSlot(editor, 517, true);
  EXPECT_EQ(openNamed(""), 517);
  closeSlot(editor, 3, true);
  closeSlot(editor, 2, true);
  EXPECT_EQ(openNamed(""), 2);
}

TEST_F(Slots, ASecondViewSharesTheDocumentAndOutlivesNothing) {
  int first = openNamed("");
  SlotOpening second;
  second.secondViewOf = first;
  int view = openSlot(editor, second);
  ASSERT_GE(view, 0);
  Document* doc = editor.slots.data(first).document;
  EXPECT_EQ(editor.slots.data(view).document, doc);
  EXPECT_TRUE(editor.slots.isSecondView(view));
  EXPECT_NE(editor.slots.command(view).document, editor.slots.command(first).document);

  // A change made through one slot is the other slot's text too.
  editor.slots.setCurrent(view);
  doc->insertCharacters(*doc->firstText(), 0, "shared");
  EXPECT_EQ(editor.slots.data(first).document->firstText()->view(), "shared");

  // Closing the second view leaves the document open in the first slot.
  closeSlot(editor, view, true);
  EXPECT_TRUE(editor.slots.inUse(first));
  EXPECT_EQ(editor.slots.data(first).document, doc);
  EXPECT_EQ(doc->firstText()->view(), "shared");
  EXPECT_NE(editor.engine.find(doc->id), nullptr);
}

TEST_F(Slots, NewFilesEnterTheRingAfterTheCurrentOne) {
  int a = openNamed("a");
  int b = openNamed("b");
  editor.slots.setCurrent(a);
  int c = openNamed("c");
  EXPECT_EQ(editor.slots.ring(), (std::vector<int>{a, c, b}));
  EXPECT_EQ(editor.slots.ringPlace(c), 2);
  EXPECT_EQ(editor.slots.ringNeighbour(b, 1), a);
  closeSlot(editor, c, true);
  EXPECT_EQ(editor.slots.current(), b);  // the next of the ring became current
  EXPECT_EQ(editor.slots.ring(), (std::vector<int>{a, b}));
}

TEST_F(Slots, OpeningTakesTheTypingModeOfTheInsertSetting) {
  editor.settings.insert = false;
  int replace = openNamed("");
  editor.settings.insert = true;
  int insert = openNamed("");
  EXPECT_EQ(editor.slots.data(replace).document->option(opt::kInsertMode), 0);
  EXPECT_EQ(editor.slots.command(replace).document->option(opt::kInsertMode), 0);
  EXPECT_EQ(editor.slots.data(insert).document->option(opt::kInsertMode), 1);
}

TEST_F(Slots, AutosaveSavesModifiedFilesOnceTheIntervalHasPassed) {
  auto now = EventLoop::Clock::time_point{} + std::chrono::hours(1);
  loop.setClock([&] { return now; });
  Document& a = open(dir / "a.txt");
  testing::setLines(a, {"changed"});
  Document& b = open(dir / "b.txt", true);
  testing::setLines(b, {"read only"});
  editor.autosave.setInterval(3);
  auto tick = [&] {
    now += std::chrono::seconds(1);
    loop.runDueTimers();
  };
  tick();  // the first tick starts the count
  tick();
  tick();
  EXPECT_EQ(testing::readBytes(dir / "a.txt"), "");
  tick();
  EXPECT_EQ(testing::readBytes(dir / "a.txt"), "changed\r\n");
  EXPECT_FALSE(a.isModified());
  EXPECT_EQ(testing::readBytes(dir / "b.txt"), "");
  EXPECT_EQ(editor.currentDocument(), &b);  // the current slot comes back
  EXPECT_TRUE(editor.autosave.running());
  editor.autosave.setInterval(0);
  EXPECT_FALSE(editor.autosave.running());
}

}  // namespace
}  // namespace tarn
