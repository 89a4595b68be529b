#include "edit/keyword_file.h"

#include <algorithm>
#include <fstream>

#include "core/text_case.h"

namespace tarn {

namespace {

// A directive's number is read up to its first non-digit; larger numbers
// than any column stop growing here.
constexpr int kLargestNumber = 1'000'000;

int numberIn(std::string_view text) {
  size_t i = text.find_first_not_of(' ');
  int value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = std::min(kLargestNumber, value * 10 + (text[i] - '0'));
  return value;
}

// What follows a directive name at the start of a line, when it is there.
bool after(std::string_view line, std::string_view name, std::string_view& value) {
  if (!line.starts_with(name)) return false;
  value = line.substr(name.size());
  return true;
}

class KeywordLines {
 public:
  KeywordLines(KeywordSet& set, bool replace) : set_(set), replace_(replace) {}

  void take(std::string_view line) {
    if (line.empty() || line.front() == '*') return;
    if (line.front() == '$' && directive(line)) return;
    uint8_t value = set_.keywordsEnded ? 0 : keyword_bit::kListedFirst;
    if (set_.ignoreCase) {
      set_.keywords().insert(lowerCase(line), value, replace_);
    } else {
      set_.keywords().insert(line, value, replace_);
    }
  }

 private:
  bool directive(std::string_view line) {
    std::string_view value;
    if (line == "$$TARN_END_KEYWORDS$$") {
      set_.keywordsEnded = true;
    } else if (line == "$$TARN_IGNORE_CASE$$") {
      set_.ignoreCase = true;
    } else if (after(line, "$$TARN_SEPARATORS=", value)) {
      set_.setSeparators(value);
    } else if (after(line, "$$TARN_REMARK_BEGIN=", value)) {
      set_.remarkBegin.assign(value);
    } else if (after(line, "$$TARN_REMARK_END=", value)) {
      set_.remarkEnd.assign(value);
    } else if (after(line, "$$TARN_REMARK_LINE=", value)) {
      set_.remarkLine.assign(value);
    } else if (after(line, "$$TARN_REMARK_COLUMN=", value)) {
      set_.remarkColumn = numberIn(value);
    } else if (after(line, "$$TARN_REMARK_AFTER=", value)) {
      set_.remarkAfter = numberIn(value);
    } else if (after(line, "$$TARN_SEQUENCE_BEFORE=", value)) {
      set_.sequenceBefore = numberIn(value);
    } else if (after(line, "$$TARN_STRINGS=", value)) {
      set_.setStringDelimiters(value);
    } else {
      return false;
    }
    return true;
  }

  KeywordSet& set_;
  bool replace_;
};

}  // namespace

std::string keywordFileName(int set) {
  return set == 0 ? std::string("TARN.Kwd") : "TARN.Kwd" + std::to_string(set);
}

void readKeywordText(KeywordSet& set, std::string_view text, bool replace) {
  KeywordLines lines(set, replace);
  size_t pos = 0;
  for (;;) {
    const size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) return;
    lines.take(text.substr(pos, end - pos));
    pos = end + 1;
    if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
  }
}

bool loadKeywordFile(KeywordSet& set, const std::string& path, bool replace) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  // Read through the stream, not its buffer: a read error (a directory)
  // then marks the stream instead of throwing.
  std::string text;
  char block[16384];
  while (in.read(block, sizeof block) || in.gcount() > 0) text.append(block, static_cast<size_t>(in.gcount()));
  if (in.bad()) return false;
  readKeywordText(set, text, replace);
  return true;
}

bool saveLearnedWords(KeywordSet& set, const std::string& path) {
  if (set.unsavedWords().empty()) return true;
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  if (!file) return false;
  std::string text;
  file.seekg(0, std::ios::end);
  if (file.tellg() > 0) {
    file.seekg(-1, std::ios::end);
    const int last = file.get();
    if (last != '\n' && last != '\r') text = "\r\n";
  }
  for (const std::string& word : set.unsavedWords()) text += word + "\r\n";
  file.seekp(0, std::ios::end);
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
  file.flush();
  if (!file) return false;
  set.markWordsSaved();
  return true;
}

}  // namespace tarn
