// Turning the lines of a document into the bytes of its file: trimming,
// enciphering, blank compression at the expansion tab stops, line ends and
// the Ctrl-Z end byte, written in blocks of 256 KB.
#pragma once
#include <string>
#include <string_view>

namespace tarn {

struct Document;
class Marks;
namespace fs {
class File;
}

struct WriteRules {
  bool compressBlanks = false;
  bool stopAtQuote = false;  // compression ends at the first quote of a line
  int tabExpand = 8;
  int lineEnd = 0;           // lineend:: value
  bool keepLineEnds = false;  // lines flagged with the end they had in the file keep it
  int lineTrim = 0;          // trim:: bits, applied to the document's own lines
  bool eofMark = false;
  const std::string* password = nullptr;  // enciphered when set
  // Lines whose tabs a block mark expanded are written with their tabs.
  const Marks* marks = nullptr;

  // The rules of a document's options with the program's tab width and trimming.
  static WriteRules of(const Document& doc, int tabExpand, int lineTrim);
};

// Appends the bytes one line is written as, with the line end given
// (lineend:: value).
void encodeLine(std::string_view text, const WriteRules& rules, int lineEnd, std::string& out);

// Writes the document: from the first to the last text line, or when
// appending every line it holds. Trims the stored lines first unless
// appending. Keeping line ends, a line flagged with its own end gets that
// one; no line end is written after a last line that had none. False when
// a write failed.
bool writeDocument(Document& doc, const WriteRules& rules, bool append, fs::File& file);

}  // namespace tarn
