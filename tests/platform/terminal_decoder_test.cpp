#include "platform/terminal_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record_text.h"

namespace tarn {
namespace {

using testing::recordText;
using Records = std::vector<std::string>;

Records drain(TerminalDecoder& d) {
  Records out;
  InputRecord r;
  while (d.nextRecord(r)) out.push_back(recordText(r));
  return out;
}

// Feeds the bytes whole or one byte at a time; then lets the Esc timeout pass
// if the decoder waits for more.
Records decode(TerminalDecoder& d, std::string_view bytes, bool oneByOne) {
  if (oneByOne) {
    for (char c : bytes) d.feed(std::string_view(&c, 1));
  } else {
    d.feed(bytes);
  }
  if (d.waitingForMore()) d.timeoutElapsed();
  return drain(d);
}

struct Case {
  const char* name;
  std::string bytes;
  Records expected;
};

void runCases(const std::vector<Case>& cases) {
  for (bool oneByOne : {false, true}) {
    for (const Case& c : cases) {
      TerminalDecoder d;
      EXPECT_EQ(decode(d, c.bytes, oneByOne), c.expected)
          << c.name << (oneByOne ? " (one byte at a time)" : "");
      EXPECT_FALSE(d.waitingForMore()) << c.name;
    }
  }
}

// State bits: 0x20 is Num Lock, on until the terminal says otherwise.
TEST(TerminalDecoder, CursorAndFunctionKeysInEveryForm) {
  runCases({
      {"ctrl up", "\x1b[1;5A", {"key+ vk=26 ch=00 st=0128"}},
      {"up in cursor mode", "\x1bOA", {"key+ vk=26 ch=00 st=0120"}},
      {"up with num lock reported", "\x1b[1;129A", {"key+ vk=26 ch=00 st=0120"}},
      {"num lock reported off",
       "\x1b[1;129A\x1b[1;1A",
       {"key+ vk=26 ch=00 st=0120", "key+ vk=26 ch=00 st=0100"}},
      {"home forms",
       "\x1b[1~\x1b[7~\x1b[H\x1bOH",
       {"key+ vk=24 ch=00 st=0120", "key+ vk=24 ch=00 st=0120", "key+ vk=24 ch=00 st=0120",
        "key+ vk=24 ch=00 st=0120"}},
      {"f1", "\x1bOP", {"key+ vk=70 ch=00 st=0020"}},
      {"shift f1", "\x1b[1;2P", {"key+ vk=70 ch=00 st=0030"}},
      {"ctrl f5", "\x1b[15;5~", {"key+ vk=74 ch=00 st=0028"}},
      {"f3 tilde", "\x1b[13~", {"key+ vk=72 ch=00 st=0020"}},
      {"ctrl f3 looks like a position report", "\x1b[1;5R", {"key+ vk=72 ch=00 st=0028"}},
      {"ctrl delete", "\x1b[3;5~", {"key+ vk=2E ch=00 st=0128"}},
      {"alt left", "\x1b[1;3D", {"key+ vk=25 ch=00 st=0122"}},
      {"f12", "\x1b[24~", {"key+ vk=7B ch=00 st=0020"}},
      {"keypad 5 num lock off", "\x1b[E", {"key+ vk=0C ch=00 st=0020"}},
      {"linux console f1", "\x1b[[A", {"key+ vk=70 ch=00 st=0020"}},
      {"rxvt shift up", "\x1b[a", {"key+ vk=26 ch=00 st=0130"}},
      {"rxvt ctrl up", "\x1bOa", {"key+ vk=26 ch=00 st=0128"}},
      {"rxvt shift f11", "\x1b[23$", {"key+ vk=7A ch=00 st=0030"}},
      {"rxvt ctrl home", "\x1b[7^", {"key+ vk=24 ch=00 st=0128"}},
      {"shift tab", "\x1b[Z", {"key+ vk=09 ch=09 st=0030"}},
      {"alt shift tab", "\x1b\x1b[Z", {"key+ vk=09 ch=09 st=0032"}},
  });
}

TEST(TerminalDecoder, ModifiedOrdinaryKeysInEveryProtocol) {
  runCases({
      {"ctrl shift a, xterm", "\x1b[27;6;65~", {"key+ vk=41 ch=01 st=0038"}},
      {"ctrl shift a, tmux", "\x1b[65;6u", {"key+ vk=41 ch=01 st=0038"}},
      {"ctrl shift a, kitty", "\x1b[97;6u", {"key+ vk=41 ch=01 st=0038"}},
      {"ctrl enter", "\x1b[13;5u", {"key+ vk=0D ch=0A st=0028"}},
      {"ctrl enter, xterm", "\x1b[27;5;13~", {"key+ vk=0D ch=0A st=0028"}},
      {"shift tab, csi u", "\x1b[9;2u", {"key+ vk=09 ch=09 st=0030"}},
      {"ctrl backspace", "\x1b[127;5u", {"key+ vk=08 ch=7F st=0028"}},
      {"ctrl period", "\x1b[46;5u", {"key+ vk=BE ch=00 st=0028"}},
      {"alt a, xterm", "\x1b[27;3;97~", {"key+ vk=41 ch=61 st=0022"}},
      {"ctrl alt a", "\x1b[97;7u", {"key+ vk=41 ch=00 st=002A"}},
      {"esc, kitty", "\x1b[27u", {"key+ vk=1B ch=1B st=0020"}},
      {"enter as escape", "\x1b[13u", {"key+ vk=0D ch=0D st=0020"}},
      {"release", "\x1b[97;1:3u", {"key- vk=41 ch=61 st=0020"}},
      {"repeat is another press", "\x1b[97;1:2u", {"key+ vk=41 ch=61 st=0020"}},
      {"shifted alternate", "\x1b[49:33;2u", {"key+ vk=31 ch=21 st=0030"}},
      {"associated text", "\x1b[97:65;2;65u", {"key+ vk=41 ch=41 st=0030"}},
      {"caps lock from kitty", "\x1b[97;65u", {"key+ vk=41 ch=41 st=0080"}},
      {"base layout key names the vk", "\x1b[1092::97;1;1092u", {"key+ vk=41 ch=3F st=0020"}},
      {"composed text without a key", "\x1b[0;;233u", {"key+ vk=00 ch=82 st=0020"}},
      {"keypad digit", "\x1b[57400u", {"key+ vk=61 ch=31 st=0020"}},
      {"keypad end is not the dedicated end", "\x1b[57424u", {"key+ vk=23 ch=00 st=0020"}},
      {"keypad enter is enhanced", "\x1b[57414u", {"key+ vk=0D ch=0D st=0120"}},
      {"right alt held",
       "\x1b[57449;3u\x1b[97;3u",
       {"key+ vk=12 ch=00 st=0121", "key+ vk=41 ch=61 st=0021"}},
      {"unknown private-use key", "\x1b[1106358;5u", {}},
  });
}

TEST(TerminalDecoder, ControlBytesTextAndAltPrefix) {
  runCases({
      {"ctrl h", "\x08", {"key+ vk=48 ch=08 st=0028"}},
      {"backspace", "\x7f", {"key+ vk=08 ch=08 st=0020"}},
      {"ctrl j", "\n", {"key+ vk=4A ch=0A st=0028"}},
      {"tab", "\t", {"key+ vk=09 ch=09 st=0020"}},
      {"enter", "\r", {"key+ vk=0D ch=0D st=0020"}},
      {"ctrl space", std::string(1, '\0'), {"key+ vk=20 ch=00 st=0028"}},
      {"ctrl a", "\x01", {"key+ vk=41 ch=01 st=0028"}},
      {"ctrl backslash", "\x1c", {"key+ vk=DC ch=1C st=0028"}},
      {"ctrl underscore", "\x1f", {"key+ vk=BD ch=1F st=0028"}},
      {"letter", "a", {"key+ vk=41 ch=61 st=0020"}},
      {"capital is shift", "A", {"key+ vk=41 ch=41 st=0030"}},
      {"shifted symbol", "!", {"key+ vk=31 ch=21 st=0030"}},
      {"utf-8 text in 437", "\xc3\xa9", {"key+ vk=00 ch=82 st=0020"}},
      {"not in the page", "\xe2\x82\xac", {"key+ vk=00 ch=3F st=0020"}},
      {"lone esc", "\x1b", {"key+ vk=1B ch=1B st=0020"}},
      {"alt esc", "\x1b\x1b", {"key+ vk=1B ch=1B st=0022"}},
      {"alt a", "\x1b" "a", {"key+ vk=41 ch=61 st=0022"}},
      {"alt enter", "\x1b\r", {"key+ vk=0D ch=0D st=0022"}},
      {"ctrl alt a", "\x1b\x01", {"key+ vk=41 ch=00 st=002A"}},
      {"alt bracket after timeout", "\x1b[", {"key+ vk=DB ch=5B st=0022"}},
      {"alt shift o after timeout", "\x1bO", {"key+ vk=4F ch=4F st=0032"}},
      {"alt p is no string", "\x1bPx", {"key+ vk=50 ch=50 st=0032", "key+ vk=58 ch=78 st=0020"}},
      {"three escs", "\x1b\x1b\x1b", {"key+ vk=1B ch=1B st=0020", "key+ vk=1B ch=1B st=0022"}},
      {"unfinished sequence dropped", "\x1b[1;5", {}},
      {"broken sequence dropped", "\x1b[1;\x1b[B", {"key+ vk=28 ch=00 st=0120"}},
      {"invalid utf-8 read as latin-1", "\xe9", {"key+ vk=00 ch=82 st=0020"}},
      {"unknown sequences consumed whole", "\x1b[999~\x1b[5n" "x", {"key+ vk=58 ch=78 st=0020"}},
  });
}

TEST(TerminalDecoder, MouseFocusPasteAndWin32) {
  runCases({
      {"left press and release",
       "\x1b[<0;10;5M\x1b[<0;10;5m",
       {"mouse 9,4 b=00000001 f=0 st=0020", "mouse 9,4 b=00000000 f=0 st=0020"}},
      {"drag",
       "\x1b[<0;1;1M\x1b[<32;2;1M",
       {"mouse 0,0 b=00000001 f=0 st=0020", "mouse 1,0 b=00000001 f=1 st=0020"}},
      {"right and middle",
       "\x1b[<2;1;1M\x1b[<1;1;1M\x1b[<2;1;1m",
       {"mouse 0,0 b=00000002 f=0 st=0020", "mouse 0,0 b=00000006 f=0 st=0020",
        "mouse 0,0 b=00000004 f=0 st=0020"}},
      {"wheel up", "\x1b[<64;5;3M", {"mouse 4,2 b=00780000 f=4 st=0020"}},
      {"wheel down", "\x1b[<65;5;3M", {"mouse 4,2 b=FF880000 f=4 st=0020"}},
      {"ctrl shift click", "\x1b[<20;1;1M", {"mouse 0,0 b=00000001 f=0 st=0038"}},
      {"x10 press and release",
       "\x1b[M !!\x1b[M#!!",
       {"mouse 0,0 b=00000001 f=0 st=0020", "mouse 0,0 b=00000000 f=0 st=0020"}},
      {"focus", "\x1b[I\x1b[O", {"focus 1", "focus 0"}},
      {"paste",
       "\x1b[200~a\rb\x1b[201~",
       {"key+ vk=00 ch=61 st=0020", "key+ vk=00 ch=0D st=0020", "key+ vk=00 ch=62 st=0020"}},
      {"paste line ends",
       "\x1b[200~\r\n\n\r\x1b[201~",
       {"key+ vk=00 ch=0D st=0020", "key+ vk=00 ch=0D st=0020", "key+ vk=00 ch=0D st=0020"}},
      {"sequences in a paste are text",
       "\x1b[200~\x1b[A\xc3\xa9\x1b[201~x",
       {"key+ vk=00 ch=1B st=0020", "key+ vk=00 ch=5B st=0020", "key+ vk=00 ch=41 st=0020",
        "key+ vk=00 ch=82 st=0020", "key+ vk=58 ch=78 st=0020"}},
      {"win32 record", "\x1b[65;30;97;1;0;1_", {"key+ vk=41 ch=61 st=0000"}},
      {"win32 release with state", "\x1b[65;30;65;0;16;1_", {"key- vk=41 ch=41 st=0010"}},
  });
}

TEST(TerminalDecoder, RepliesAreNeverTyped) {
  for (bool oneByOne : {false, true}) {
    TerminalDecoder d;
    Records keys = decode(d,
                          "a\x1b[?1;2c\x1b[?31u\x1bP>|tmux 3.3a\x1b\\\x1b]11;rgb:0/0/0\a"
                          "\x1b[8;24;80t\x1b[>4;2m" "b",
                          oneByOne);
    EXPECT_EQ(keys, (Records{"key+ vk=41 ch=61 st=0020", "key+ vk=42 ch=62 st=0020"}));
    using K = TerminalReply::Kind;
    std::vector<TerminalReply> expected = {
        {K::DeviceAttributes, {1, 2}, ""}, {K::KittyFlags, {31}, ""},
        {K::Dcs, {}, ">|tmux 3.3a"},       {K::Osc, {}, "11;rgb:0/0/0"},
        {K::WindowSize, {24, 80}, ""},     {K::Other, {4, 2}, ""},
    };
    for (const TerminalReply& want : expected) {
      TerminalReply got;
      ASSERT_TRUE(d.nextReply(got));
      EXPECT_EQ(got, want);
    }
    TerminalReply extra;
    EXPECT_FALSE(d.nextReply(extra));
  }
}

TEST(TerminalDecoder, WaitsForTheRestOfASequenceUntilTheTimeout) {
  TerminalDecoder d;
  d.feed("\x1b");
  EXPECT_TRUE(d.waitingForMore());
  EXPECT_FALSE(d.hasRecord());
  d.feed("[1;5");
  EXPECT_TRUE(d.waitingForMore());
  d.feed("A");
  EXPECT_FALSE(d.waitingForMore());
  EXPECT_EQ(drain(d), (Records{"key+ vk=26 ch=00 st=0128"}));

  d.feed("\x1b]11;rgb:00");  // a reply broken off
  EXPECT_TRUE(d.waitingForMore());
  d.timeoutElapsed();
  d.feed("x");
  EXPECT_EQ(drain(d), (Records{"key+ vk=58 ch=78 st=0020"}));
  TerminalReply reply;
  EXPECT_FALSE(d.nextReply(reply));

  d.feed("\x1b[200~ab\x1b[20");  // inside a paste nothing times out
  EXPECT_FALSE(d.waitingForMore());
  d.feed("1~");
  EXPECT_EQ(drain(d), (Records{"key+ vk=00 ch=61 st=0020", "key+ vk=00 ch=62 st=0020"}));
}

// A paste whose end marker never comes ends when its quiet interval passes
// ('|' in the bytes below); what follows is keys, and a lone Esc left at the
// end is the Esc key.
TEST(TerminalDecoder, AnUnfinishedPasteEndsAfterItsQuietInterval) {
  const std::vector<Case> cases = {
      {"the rest is keys", "\x1b[200~ab|x", {"key+ vk=00 ch=61 st=0020", "key+ vk=00 ch=62 st=0020", "key+ vk=58 ch=78 st=0020"}},
      {"Esc in a paste stops it", "\x1b[200~ab\x1b|x",
       {"key+ vk=00 ch=61 st=0020", "key+ vk=00 ch=62 st=0020", "key+ vk=1B ch=1B st=0020",
        "key+ vk=58 ch=78 st=0020"}},
      {"an end marker broken off is dropped", "\x1b[200~a\x1b[20|", {"key+ vk=00 ch=61 st=0020"}},
      {"Esc with more text in a paste is text", "\x1b[200~\x1bx|", {"key+ vk=00 ch=1B st=0020", "key+ vk=00 ch=78 st=0020"}},
      {"a stray start alone", "\x1b[200~|\x1b[A", {"key+ vk=26 ch=00 st=0120"}},
      {"a finished paste needs no quiet", "\x1b[200~a\x1b[201~x",
       {"key+ vk=00 ch=61 st=0020", "key+ vk=58 ch=78 st=0020"}},
  };
  for (bool oneByOne : {false, true}) {
    for (const Case& c : cases) {
      TerminalDecoder d;
      Records got;
      std::string_view rest = c.bytes;
      for (size_t bar; (bar = rest.find('|')) != std::string_view::npos; rest.remove_prefix(bar + 1)) {
        got = decode(d, rest.substr(0, bar), oneByOne);
        EXPECT_TRUE(d.pasting()) << c.name;
        d.endUnfinishedPaste();
      }
      Records after = decode(d, rest, oneByOne);
      got.insert(got.end(), after.begin(), after.end());
      EXPECT_EQ(got, c.expected) << c.name << (oneByOne ? " (one byte at a time)" : "");
      EXPECT_FALSE(d.pasting()) << c.name;
    }
  }
}

TEST(TerminalDecoder, TypedTextFollowsTheCodePage) {
  TerminalDecoder d;
  d.setCodePage(*CodePage::find(1252));
  EXPECT_EQ(decode(d, "\xc3\xa9\xe2\x82\xac", false),
            (Records{"key+ vk=00 ch=E9 st=0020", "key+ vk=00 ch=80 st=0020"}));
}

// Alt with keypad digits: the terminal reports no Alt release, so one is
// made up before the next event without Alt, at focus loss, or when idle.
TEST(TerminalDecoder, AltReleaseFollowsAltKeypadDigits) {
  const std::string menuUp = "key- vk=12 ch=00 st=0020";
  {
    TerminalDecoder d;
    d.feed("\x1b\x1bOw\x1b\x1bOu");
    EXPECT_TRUE(d.altReleasePending());
    d.feed("x");
    EXPECT_EQ(drain(d), (Records{"key+ vk=67 ch=37 st=0022", "key+ vk=65 ch=35 st=0022", menuUp,
                                 "key+ vk=58 ch=78 st=0020"}));
    EXPECT_FALSE(d.altReleasePending());
  }
  {
    TerminalDecoder d;  // kitty with event types but no modifier keys
    d.feed("\x1b[57400;3u\x1b[57400;3:3u");
    EXPECT_TRUE(d.altReleasePending());
    d.idleElapsed();
    EXPECT_EQ(drain(d), (Records{"key+ vk=61 ch=31 st=0022", "key- vk=61 ch=31 st=0022", menuUp}));
  }
  {
    TerminalDecoder d;
    d.feed("\x1b\x1bOq\x1b[<8;1;1M\x1b[O");
    EXPECT_EQ(drain(d), (Records{"key+ vk=61 ch=31 st=0022", "mouse 0,0 b=00000001 f=0 st=0022",
                                 menuUp, "focus 0"}));
  }
  {
    TerminalDecoder d;  // kitty reporting the Alt key itself: nothing is made up
    d.feed("\x1b[57443;131u\x1b[57400;131u\x1b[57400;131:3u\x1b[57443;129:3u");
    EXPECT_EQ(drain(d), (Records{"key+ vk=12 ch=00 st=0022", "key+ vk=61 ch=31 st=0022",
                                 "key- vk=61 ch=31 st=0022", menuUp}));
    EXPECT_FALSE(d.altReleasePending());
  }
  {
    TerminalDecoder d;  // win32-input-mode sends its own release
    d.feed("\x1b[97;79;0;1;34;1_");
    EXPECT_FALSE(d.altReleasePending());
  }
  {
    TerminalDecoder d;  // Alt with the dedicated arrows or top-row digits is no code entry
    d.feed("\x1b[1;3A\x1b" "1");
    EXPECT_FALSE(d.altReleasePending());
  }
}

// Garbage made of the bytes sequences are made of: nothing may crash, and
// once the timeout passed nothing is held back (outside a paste).
TEST(TerminalDecoder, SurvivesGarbage) {
  const std::string alphabet = "\x1b[O]P_<?>;:0123456789~uAZMm$^@\x07\\\xc3\xa9\xff\r\n 200~";
  uint32_t seed = 12345;
  auto random = [&] {
    seed = seed * 1103515245 + 12345;
    return (seed >> 16) & 0x7FFF;
  };
  for (int round = 0; round < 200; ++round) {
    TerminalDecoder d;
    std::string bytes;
    for (int i = 0; i < 200; ++i) bytes += alphabet[random() % alphabet.size()];
    for (size_t at = 0; at < bytes.size();) {
      size_t n = 1 + random() % 7;
      d.feed(std::string_view(bytes).substr(at, n));
      at += n;
    }
    d.timeoutElapsed();
    d.idleElapsed();
    InputRecord r;
    while (d.nextRecord(r)) {
    }
    TerminalReply reply;
    while (d.nextReply(reply)) {
    }
    d.feed("\x1b[201~x");  // ends a paste the garbage may have begun
    EXPECT_FALSE(d.waitingForMore()) << round;
    EXPECT_TRUE(d.hasRecord()) << round;
  }
}

}  // namespace
}  // namespace tarn
