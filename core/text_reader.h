// Splitting the bytes of a file into the lines of a document: line ends,
// NUL bytes, the eighth bit, tabs, long lines, the Ctrl-Z end and trimming.
// Bytes arrive block by block; lines are built straight into the document.
// Lines that ended otherwise than the document writes are flagged with the
// end they had, so that they can be written back with it (every such line
// when the line end is detected, else only CR LF lines).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

struct Document;

struct ReadRules {
  bool keepTabs = false;
  bool stripEighthBit = false;
  char tabFill = ' ';
  int tabExpand = 8;
  uint32_t longestLine = 32767;  // lines are cut one character before it
  int lineTrim = 0;              // trim:: bits
  int lineEnd = 0;               // lineend:: value the document writes
  // The document takes the line end most of the file's lines have (and
  // lines without a line end are flagged too); else only CR LF lines are
  // flagged.
  bool detectLineEnd = false;

  // The rules of a document's options with the program's tab width and trimming.
  static ReadRules of(const Document& doc, int tabExpand, int lineTrim);
};

class TextReader {
 public:
  // With a password the file is encrypted: every line is deciphered once it is split off.
  TextReader(Document& doc, const ReadRules& rules, const std::string* password = nullptr);

  // The next block of the file; false once a line beginning with Ctrl-Z ended the text.
  bool feed(std::string_view block);
  // The end of the file ends the last line.
  void finish();

 private:
  void feedPlain(std::string_view block);
  void feedCipher(std::string_view block);
  bool endsCarriageReturn(uint8_t c);
  void addCharacter(uint8_t c);
  void addSlow(uint8_t c);
  void addTab();
  void endLine(int lineEnd);
  void storeLine(int lineEnd);
  void takeMostCommonLineEnd();

  Document& doc_;
  ReadRules rules_;
  const std::string* password_;
  uint32_t cutAt_;  // a line holds at most this many characters
  std::vector<char> text_;
  uint32_t length_ = 0;
  uint32_t room_ = 0;  // characters the fast path may add before it must check
  bool hasTab_ = false;
  bool continued_ = false;  // the line is the rest of a line that was cut
  bool pendingCr_ = false;
  bool ended_ = false;
  bool lineEndSeen_ = false;
  int counts_[3] = {};  // lines ended CR LF, CR, LF
  std::string hexDigits_;  // encrypted: the current line as found in the file
  std::string plain_;
};

}  // namespace tarn
