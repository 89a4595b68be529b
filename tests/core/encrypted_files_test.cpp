#include <gtest/gtest.h>

#include "core/encrypted_format.h"
#include "file_fixture.h"
#include "platform/file_system.h"

namespace tarn {
namespace {

using testing::EditorTest;
using testing::readBytes;
using testing::setLines;
using testing::textLines;
using testing::writeBytes;

using Lines = std::vector<std::string>;

class EncryptedFiles : public EditorTest {
 protected:
  void SetUp() override { editor.settings.encryption = true; }
  int save() { return editor.files.saveCommand({}, false); }

  // The lines of an encrypted file deciphered with the password.
  Lines decipherFile(const std::string& path, std::string_view password) {
    std::string bytes = readBytes(path);
    EXPECT_TRUE(startsWithEncryptedHeader(bytes));
    Lines lines;
    size_t at = kEncryptedHeader.size();
    while (at < bytes.size()) {
      size_t end = bytes.find("\r\n", at);
      std::string plain;
      EXPECT_TRUE(decipherLine(std::string_view(bytes).substr(at, end - at), password, plain));
      lines.push_back(plain);
      at = end + 2;
    }
    return lines;
  }

  const Lines text = {"hello", std::string("\x80\x9A\xFF high bytes"), "", "last line"};
};

TEST_F(EncryptedFiles, SaveAndLoadRoundTrip) {
  Document& doc = open(dir / "s.txt");
  ASSERT_TRUE(currentWindow().flags & winflag::kEncrypted);
  setLines(doc, text);
  type("pw\rpw\r");
  EXPECT_EQ(save(), 1);
  size_t expected = 24;
  for (const auto& l : text) expected += 2 * l.size() + 2;
  std::string bytes = readBytes(dir / "s.txt");
  EXPECT_EQ(bytes.size(), expected);
  EXPECT_EQ(bytes.substr(0, 24), kEncryptedHeader);
  EXPECT_EQ(bytes.find_first_not_of("0123456789ABCDEF\r\n", 24), std::string::npos);
  EXPECT_EQ(decipherFile(dir / "s.txt", "pw"), text);

  MemoryConsole otherConsole;
  Editor other(otherConsole, loop);
  other.settings.encryption = false;
  for (char c : std::string("pw\r")) otherConsole.queue(InputRecord::keyEvent(0, static_cast<uint8_t>(c)));
  ASSERT_TRUE(other.files.edit(dir / "s.txt", {}));
  EXPECT_EQ(textLines(*other.currentDocument()), text);
  EXPECT_TRUE(other.currentWindow()->flags & winflag::kEncrypted) << "saved encrypted again";
  EXPECT_EQ(otherConsole.pendingInput(), 0u);
}

TEST_F(EncryptedFiles, TheConfirmationIsAskedUntilItMatches) {
  setLines(open(dir / "s.txt"), {"x"});
  type("pw\rpx\rpq\rpw\r");
  EXPECT_EQ(save(), 1);
  EXPECT_EQ(console.pendingInput(), 0u);
  EXPECT_EQ(decipherFile(dir / "s.txt", "pw"), Lines{"x"});
  setLines(current(), {"y"});
  EXPECT_EQ(save(), 1) << "asked once per run";
}

TEST_F(EncryptedFiles, EscapeAbandonsTheSave) {
  Document& doc = open(dir / "s.txt");
  setLines(doc, {"x"});
  type("pw\r\x1b");
  EXPECT_EQ(save(), 0);
  EXPECT_FALSE(fs::status(dir / "s.txt"));
  EXPECT_NE(doc.changeCount(), 0);
  type("\x1b");
  EXPECT_EQ(save(), 0);
  EXPECT_EQ(save(), 0) << "the end of input abandons too";
}

TEST_F(EncryptedFiles, TheEntryTakesAtMost32Characters) {
  setLines(open(dir / "s.txt"), {"x"});
  type(std::string(40, 'q') + "\r" + std::string(32, 'q') + "\r");
  EXPECT_EQ(save(), 1) << "the first entry stopped at 32 characters";
  EXPECT_EQ(console.pendingInput(), 0u);
  EXPECT_EQ(decipherFile(dir / "s.txt", std::string(16, 'q')), Lines{"x"});
}

TEST_F(EncryptedFiles, TheBackspaceReallyRemoves) {
  setLines(open(dir / "s.txt"), {"x"});
  type("pa\bw\rpw\r");
  EXPECT_EQ(save(), 1);
  EXPECT_EQ(decipherFile(dir / "s.txt", "pw"), Lines{"x"});
}

TEST_F(EncryptedFiles, LoadingWithoutThePasswordShowsTheFileAsItIsReadOnly) {
  editor.settings.encryption = false;
  std::string line;
  encipherLine("secret", "pw", line);
  writeBytes(dir / "s.txt", std::string(kEncryptedHeader) + line + "\r\n");
  type("\x1b");
  Document& doc = open(dir / "s.txt");
  EXPECT_EQ(textLines(doc), (Lines{"@TARN Encrypted File@", line}));
  EXPECT_TRUE(doc.isReadOnly());
  EXPECT_FALSE(currentWindow().flags & winflag::kEncrypted);
  EXPECT_EQ(save(), 0);
  EXPECT_EQ(readBytes(dir / "s.txt").size(), 24 + line.size() + 2);
}

TEST_F(EncryptedFiles, LinesThatAreNotHexadecimalAreKept) {
  std::string line;
  encipherLine("ok", "pw", line);
  writeBytes(dir / "s.txt", std::string(kEncryptedHeader) + line + "\r\nnot hex\r\nABC\r\n");
  type("pw\r");
  EXPECT_EQ(textLines(open(dir / "s.txt")), (Lines{"ok", "not hex", "ABC"}));
}

}  // namespace
}  // namespace tarn
