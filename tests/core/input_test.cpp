// Key events through Input::next, the keys settings take, keys sent to
// documents, the single-key reader, focus and size events.
#include <map>

#include "core/modifier_state.h"
#include "tests/core/screen_fixture.h"

namespace tarn::test {
namespace {

using namespace keystate;


class InputTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    slot = open("a.txt", {"text"});
    sentMessages().clear();
  }
  InputEvent next() { return editor.input.next(); }
  int slot = -1;
};

TEST(ModifierState, WordsMatchTheirStates) {
  struct Case {
    KeyState word;
    uint32_t state;
    bool scrollLock;
    bool matches;
  };
  const Case cases[] = {
      {KeyState::ScrollLockOn, 0, true, true},        {KeyState::ScrollLockOn, 0, false, false},
      {KeyState::ScrollLockOn, kShift, true, false},  {KeyState::ScrollLockOff, 0, false, true},
      {KeyState::ScrollLockOff, kLeftAlt, false, false}, {KeyState::Shift, kShift, false, true},
      {KeyState::Shift, kShift | kLeftCtrl, false, false}, {KeyState::Control, kRightCtrl, true, true},
      {KeyState::Control, kRightCtrl | kRightAlt, false, false}, {KeyState::Alt, kLeftAlt, false, true},
      {KeyState::Alt, kLeftAlt | kShift, false, false}, {KeyState::Off, 0, false, false},
      {KeyState::Off, kShift, true, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(keyStateMatches(c.word, c.state, c.scrollLock), c.matches)
        << static_cast<int>(c.word) << " state " << c.state;
}

TEST_F(InputTest, KeysComeOutWithClassAndCode) {
  console.queue(keyDown(vk::kShift, 0, kShift));  // modifier keys alone are ignored
  console.queue(keyUp('A'));
  console.queue(keyDown('A', 'a'));
  console.queue(keyDown(vk::kF1 + 4, 0, kRightAlt | kLeftCtrl));
  console.queue(keyDown(vk::kLWin, 0, kEnhanced));
  console.queue(keyDown(vk::kDown, 0, kEnhanced));
  InputEvent a = next();
  EXPECT_EQ(a.kind, InputEvent::Kind::Key);
  EXPECT_EQ(a.keyClass, 0);
  EXPECT_EQ(a.keyCode, 'A');
  EXPECT_EQ(a.key.character, 'a');
  InputEvent f5 = next();
  EXPECT_EQ(f5.keyClass, 2) << "AltGr with F5 runs c-f5";
  EXPECT_EQ(f5.keyCode, 0x1074);
  EXPECT_EQ(editor.slots.data(slot).controlKeyState, kRightAlt | kLeftCtrl);
  InputEvent down = next();
  EXPECT_EQ(down.keyCode, 0x1028) << "the Windows key was skipped";
  EXPECT_EQ(next().kind, InputEvent::Kind::End);
}

TEST_F(InputTest, AltWithTheKeypadTypesACharacterAtAltRelease) {
  struct Case {
    const char* what;
    std::vector<InputRecord> records;
    int typed;
  };
  const Case cases[] = {
      {"keypad 6 5",
       {keyDown(vk::kMenu, 0, kLeftAlt), keyDown(vk::kNumpad0 + 6, '6', kLeftAlt | kNumLock),
        keyUp(vk::kNumpad0 + 6, kLeftAlt), keyDown(vk::kNumpad0 + 5, '5', kLeftAlt | kNumLock), keyUp(vk::kMenu)},
       'A'},
      {"right then keypad 5 with num lock off",
       {keyDown(vk::kRight, 0, kLeftAlt), keyDown(vk::kClear, 0, kLeftAlt), keyUp(vk::kMenu)},
       'A'},
      {"up is the digit 8", {keyDown(vk::kUp, 0, kLeftAlt | kEnhanced), keyDown(vk::kRight, 0, kLeftAlt), keyUp(vk::kLMenu)}, 'V'},
  };
  for (const Case& c : cases) {
    sentMessages().clear();
    for (const InputRecord& r : c.records) console.queue(r);
    InputEvent ev = next();
    EXPECT_EQ(ev.kind, InputEvent::Kind::Handled) << c.what;
    ASSERT_EQ(sentMessages().size(), 1u) << c.what;
    EXPECT_EQ(sentMessages()[0].code, fn::kTypeChar) << c.what;
    EXPECT_EQ(sentMessages()[0].arg1, c.typed) << c.what;
    EXPECT_EQ(sentMessages()[0].doc, &data(slot)) << c.what;
  }
  // Another Alt key clears what was built; a later release types nothing.
  console.queue(keyDown(vk::kNumpad0 + 6, '6', kLeftAlt));
  console.queue(keyDown('X', 'x', kLeftAlt));
  console.queue(keyUp(vk::kMenu));
  InputEvent ax = next();
  EXPECT_EQ(ax.keyClass, 3);
  EXPECT_EQ(ax.keyCode, 'X');
  EXPECT_EQ(next().kind, InputEvent::Kind::End);
}

TEST_F(InputTest, PastedCharactersAreTypedByTheirRepeatCount) {
  InputRecord paste = keyDown(0, 'x');
  paste.key.repeatCount = 3;
  console.queue(paste);
  console.queue(keyDown(0, 0));  // nothing to classify: dropped
  InputEvent ev = next();
  ASSERT_EQ(ev.kind, InputEvent::Kind::Typed);
  editor.input.typeDirect(data(slot), ev.key);
  EXPECT_EQ(sentMessages().size(), 3u);
  EXPECT_EQ(data(slot).current->view(), "xxxt");
  EXPECT_EQ(next().kind, InputEvent::Kind::End);
}

std::vector<bool>& suspendedWhileTyping() {
  static std::vector<bool> seen;
  return seen;
}

int typeNotingUpdates(EngineCall& call) {
  suspendedWhileTyping().push_back(call.engine.updatesSuspended());
  return typeCharacter(call);
}

constexpr EditFunction kNotingRegistry[] = {{fn::kTypeChar, editclass::kChange, typeNotingUpdates}};

// Pasted text is typed character by character through the engine, with the
// screen brought up to date once at the end; an Esc key press right behind
// the text stops what of it is not typed yet.
TEST_F(InputTest, PastedTextIsTypedAsOneBatchAndEscStopsIt) {
  editor.engine.setRegistry(kNotingRegistry);
  struct Case {
    const char* what;
    std::string pasted;
    std::vector<InputRecord> after;
    std::string line;
    InputEvent::Kind next;
  };
  const InputRecord key = keyDown('X', 'x');
  const InputRecord escape = keyDown(vk::kEscape, 27);
  const std::string slices(5000, 'p');
  const Case cases[] = {
      {"a key after the text", "abc", {key}, "abctext", InputEvent::Kind::Key},
      {"more than one slice", slices, {key}, slices + "text", InputEvent::Kind::Key},
      {"Esc behind the text", slices, {escape}, "text", InputEvent::Kind::End},
      {"Esc after a key", "ab", {key, escape}, "abtext", InputEvent::Kind::Key},
  };
  Document& doc = data(slot);
  doc.options[opt::kInsertMode] = 1;
  for (const Case& c : cases) {
    suspendedWhileTyping().clear();
    doc.deleteCharacters(*doc.current, 0, doc.current->length);
    doc.insertCharacters(*doc.current, 0, "text");
    doc.cursorColumn = 0;
    for (char ch : c.pasted) console.queue(keyDown(0, static_cast<uint8_t>(ch)));
    for (const InputRecord& r : c.after) console.queue(r);
    InputEvent ev = next();
    ASSERT_EQ(ev.kind, InputEvent::Kind::Typed) << c.what;
    editor.input.typePaste(doc, ev.key);
    EXPECT_EQ(doc.current->view(), c.line) << c.what;
    EXPECT_EQ(std::count(suspendedWhileTyping().begin(), suspendedWhileTyping().end(), false), 0) << c.what;
    EXPECT_FALSE(editor.engine.updatesSuspended()) << c.what;
    EXPECT_EQ(trimmed(1).substr(0, 6), c.line.substr(0, 6)) << c.what << ": painted at the end";
    EXPECT_EQ(next().kind, c.next) << c.what;
    while (console.pendingInput()) next();
  }
}

TEST_F(InputTest, HistoryKeysOnTheCommandLineFollowTheScrollLockState) {
  editor.slots.setCursorInFile(slot, false);
  console.queue(keyDown(vk::kUp, 0, kEnhanced));
  EXPECT_EQ(next().historyStep, 0) << "Scroll Lock is off";

  console.queue(keyDown(vk::kScroll));  // the key toggles the state the editor keeps
  console.queue(keyDown(vk::kUp, 0, kEnhanced));
  console.queue(keyDown(vk::kDown, 0, kEnhanced));
  console.queue(keyDown(vk::kNumpad0 + 8, '8', kNumLock));
  console.queue(keyDown(vk::kNumpad0 + 2, '2', kNumLock));
  console.queue(keyDown(vk::kUp, 0, kShift));
  EXPECT_EQ(next().historyStep, -1);
  EXPECT_TRUE(editor.input.scrollLockOn());
  EXPECT_EQ(next().historyStep, 1);
  EXPECT_EQ(next().historyStep, -1);
  InputEvent two = next();
  EXPECT_EQ(two.historyStep, 1);
  EXPECT_EQ(two.kind, InputEvent::Kind::Key);
  EXPECT_EQ(next().historyStep, 0) << "Shift is not the history state";

  editor.slots.setCursorInFile(slot, true);
  console.queue(keyDown(vk::kUp, 0, kEnhanced));
  EXPECT_EQ(next().historyStep, 0) << "only on the command line";

  editor.settings.historyOn = KeyState::ScrollLockOff;
  editor.slots.setCursorInFile(slot, false);
  console.queue(keyDown(vk::kScroll));  // toggled off again
  console.queue(keyDown(vk::kUp, 0, kScrollLock));
  EXPECT_EQ(next().historyStep, 0) << "a reported Scroll Lock bit counts as on";
  EXPECT_FALSE(editor.input.scrollLockOn());
}

TEST_F(InputTest, BlankKeyFlagsForExpansionAndCompletion) {
  editor.settings.expandOn = KeyState::Shift;
  editor.settings.autocompleteOn = KeyState::ScrollLockOff;
  console.queue(keyDown(vk::kSpace, ' ', kShift));
  console.queue(keyDown(vk::kSpace, ' '));
  InputEvent shifted = next();
  EXPECT_TRUE(shifted.expandBlank);
  EXPECT_FALSE(shifted.autocompleteBlank);
  EXPECT_EQ(shifted.keyClass, 1);
  InputEvent plain = next();
  EXPECT_FALSE(plain.expandBlank);
  EXPECT_TRUE(plain.autocompleteBlank);
  EXPECT_EQ(plain.keyCode, 0x20);

  editor.slots.setCursorInFile(slot, false);
  console.queue(keyDown(vk::kSpace, ' ', kShift));
  EXPECT_FALSE(next().expandBlank) << "no expansion on the command line";
}

TEST_F(InputTest, MarkKeysGoStraightToTheDocumentWithTheShiftState) {
  InputRecord right = keyDown(vk::kRight, 0, kShift | kEnhanced);
  right.key.virtualScanCode = 0x4D;
  console.queue(right);
  EXPECT_EQ(next().kind, InputEvent::Kind::Handled);
  ASSERT_EQ(sentMessages().size(), 1u);
  EXPECT_EQ(sentMessages()[0], (SentMessage{&data(slot), msg::kKeyDown, vk::kRight, 1 | 0x4D << 16}));

  editor.settings.markOn = KeyState::Control;
  console.queue(keyDown(vk::kNext, 0, kLeftCtrl));
  console.queue(keyDown(vk::kRight, 0, kShift));
  EXPECT_EQ(next().kind, InputEvent::Kind::Handled);
  EXPECT_EQ(sentMessages().back().arg1, vk::kNext);
  EXPECT_EQ(editor.slots.data(slot).controlKeyState, kShift);
  InputEvent shiftRight = next();
  EXPECT_EQ(shiftRight.kind, InputEvent::Kind::Key);
  EXPECT_EQ(shiftRight.keyClass, 1);

  editor.settings.markOn = KeyState::Off;
  console.queue(keyDown(vk::kRight, 0, kShift));
  EXPECT_EQ(next().kind, InputEvent::Kind::Key);
}

TEST_F(InputTest, AKeyClearsTheMessage) {
  editor.screen.message("Not found");
  console.queue(keyDown(vk::kShift, 0, kShift));
  console.queue(keyDown('A', 'a'));
  next();
  EXPECT_FALSE(editor.screen.messageShown());
  EXPECT_EQ(row(24).substr(0, 5), "a.txt");
}

TEST_F(InputTest, FocusAndSizeEvents) {
  console.queue(InputRecord::focusEvent(false));
  console.queue(InputRecord::focusEvent(true));
  EXPECT_EQ(next().kind, InputEvent::Kind::Handled);
  EXPECT_FALSE(editor.input.hasFocus());
  next();
  EXPECT_TRUE(editor.input.hasFocus());

  console.setSizeFromOutside({100, 30});
  console.queue(InputRecord::bufferSizeEvent(100, 30));
  EXPECT_EQ(next().kind, InputEvent::Kind::Handled);
  EXPECT_EQ(editor.screen.currentLayout().size, (ConsoleSize{100, 30}));
  EXPECT_EQ(data(slot).windowRows, 28);
  EXPECT_EQ(data(slot).windowColumns, 100);
  EXPECT_EQ(row(29).substr(0, 5), "a.txt");
}

TEST_F(InputTest, UndefinedKeysGoToTheDocumentAsEditControlMessages) {
  constexpr intptr_t kData = 2 | 0x1E << 16;
  constexpr intptr_t kAlt = 0x20000000;
  struct Case {
    const char* what;
    uint16_t vk;
    uint8_t ch;
    uint32_t state;
    bool upperCase;
    std::vector<std::pair<int, intptr_t>> messages;  // code and first parameter
    intptr_t data;
  };
  const Case cases[] = {
      {"letter", 'A', 'a', 0, false, {{msg::kKeyDown, 'A'}, {msg::kChar, 'a'}}, kData},
      {"uppercase setting", 'A', 'a', 0, true, {{msg::kKeyDown, 'A'}, {msg::kChar, 'A'}}, kData},
      {"key without character", vk::kF1, 0, 0, false, {{msg::kKeyDown, vk::kF1}}, kData},
      {"alt letter", 'A', 'a', kLeftAlt, false, {{msg::kSysChar, 'a'}}, kData | kAlt},
      {"alt digit", '1', '1', kLeftAlt, false, {{msg::kSysChar, '1'}}, kData | kAlt},
      {"alt backspace", vk::kBack, 8, kLeftAlt, false, {{msg::kSysChar, 8}}, kData | kAlt},
      {"alt minus", vk::kSubtract, '-', kLeftAlt, false, {{msg::kSysChar, '-'}}, kData | kAlt},
      {"alt punctuation", vk::kOem1, ';', kLeftAlt, false, {{msg::kChar, ';'}}, kData | kAlt},
      {"alt key without character", vk::kF1, 0, kLeftAlt, false, {}, 0},
  };
  for (const Case& c : cases) {
    sentMessages().clear();
    editor.settings.upperCase = c.upperCase;
    KeyEventRecord key = keyDown(c.vk, c.ch, c.state).key;
    key.repeatCount = 2;
    key.virtualScanCode = 0x1E;
    editor.input.sendUndefinedKey(data(slot), key);
    ASSERT_EQ(sentMessages().size(), c.messages.size()) << c.what;
    for (size_t i = 0; i < c.messages.size(); ++i) {
      EXPECT_EQ(sentMessages()[i].code, c.messages[i].first) << c.what;
      EXPECT_EQ(sentMessages()[i].arg1, c.messages[i].second) << c.what;
      EXPECT_EQ(sentMessages()[i].arg2, c.data) << c.what;
    }
  }
}

TEST_F(InputTest, ReadKeyReturnsCharactersCodesAndDefinedCharacters) {
  MapDispatcher dispatcher;
  dispatcher.definitions[{0, 'Q'}] = {'z', 0};
  dispatcher.definitions[{2, 'W'}] = {fn::kBeginLine, 'w', 0};
  editor.dispatcher = &dispatcher;
  struct Case {
    const char* what;
    std::vector<InputRecord> records;
    int expected;
  };
  const Case cases[] = {
      {"character", {keyDown('Y', 'y')}, 'y'},
      {"escape", {keyDown(vk::kEscape, 0x1B)}, 27},
      {"key without character", {keyDown(vk::kF1)}, vk::kF1 * 256},
      {"keypad digit with its character", {keyDown(vk::kNumpad0 + 5, '5', kNumLock)}, '5'},
      {"delete", {keyDown(vk::kDelete, 0, kEnhanced)}, vk::kDelete * 256},
      {"other events and modifiers are skipped",
       {InputRecord::mouseEvent(1, 1, 1, 0), keyUp('A'), keyDown(vk::kControl, 0, kLeftCtrl), keyDown('N', 'n')},
       'n'},
      {"a definition that starts with a character", {keyDown('Q', 'q')}, 'z'},
      {"a definition that starts with a function", {keyDown('W', 0x17, kLeftCtrl)}, 0x17},
      {"alt keypad at the release of alt",
       {keyDown(vk::kNumpad0 + 9, '9', kLeftAlt), keyDown(vk::kNumpad0 + 7, '7', kLeftAlt), keyUp(vk::kMenu)},
       97},
      {"ctrl key without a character", {keyDown(vk::kOem1, 0, kLeftCtrl)}, vk::kOem1 * 256},
  };
  for (const Case& c : cases) {
    for (const InputRecord& r : c.records) console.queue(r);
    EXPECT_EQ(editor.input.readKey(), c.expected) << c.what;
    EXPECT_EQ(console.pendingInput(), 0u) << c.what;
  }
  EXPECT_EQ(editor.input.readKey(), -1) << "end of input";
  editor.dispatcher = nullptr;
}

TEST_F(InputTest, AskYesNo) {
  console.queue(keyDown('Y', 'Y', kShift));
  EXPECT_TRUE(editor.input.askYesNo("Reload it? Type y or n"));
  EXPECT_FALSE(editor.screen.messageShown());
  console.queue(keyDown('N', 'n'));
  EXPECT_FALSE(editor.input.askYesNo("Reload it? Type y or n"));
}

TEST_F(InputTest, AskYesNoWithTheStatusLineHidden) {
  editor.settings.statusLine = false;
  editor.screen.layout();
  console.queue(keyDown('Y', 'y'));
  EXPECT_TRUE(editor.input.askYesNo("Reload it? Type y or n")) << "the box leaves the key for the reader";
}

TEST_F(InputTest, ApplicationKeyOpensThePopupMenu) {
  int calls = 0;
  editor.input.setPopupMenu([&](int, int) {
    ++calls;
    return 2;
  });
  console.queue(keyDown(vk::kApps, 0, kEnhanced));
  InputEvent ev = next();
  EXPECT_EQ(ev.kind, InputEvent::Kind::Handled);
  EXPECT_EQ(ev.startMode, 2);
  EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace tarn::test
