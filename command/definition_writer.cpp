#include "command/definition_writer.h"

#include "command/code_lists.h"

namespace tarn::command {
namespace {

// Reads the characters of an argument up to its -1 (or the end).
class CodeReader {
 public:
  explicit CodeReader(std::span<const int> codes) : codes_(codes) {}

  bool done() const { return pos_ >= codes_.size(); }
  int next() { return codes_[pos_++]; }
  int peek() const { return done() ? fn::kListEnd : codes_[pos_]; }

  std::string argument() {
    std::string text;
    while (!done()) {
      const int code = next();
      if (code == fn::kArgumentEnd) break;
      if (fn::isCharacter(code)) text += static_cast<char>(code);
    }
    return text;
  }

  std::string characters() {
    std::string text;
    while (fn::isCharacter(peek())) text += static_cast<char>(next());
    return text;
  }

 private:
  std::span<const int> codes_;
  std::size_t pos_ = 0;
};

// 'text ': a backslash goes before a quote, and before a backslash where
// the reader would take the pair as an escape.
std::string literal(const std::string& text) {
  std::string out("'");
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool last = i + 1 == text.size();
    if (c == '\'' || (c == '\\' && (last || text[i + 1] == '\\' || text[i + 1] == '\''))) out += '\\';
    out += c;
  }
  return out + "' ";
}

// [content] , or ["content"] when asked or when the content would end the
// plain form early.
std::string bracket(const std::string& content, bool quotedForm) {
  if (!quotedForm && content.find_first_of("]\"") == std::string::npos) return "[" + content + "] ";
  std::string out("[\"");
  for (char c : content) {
    if (c == '"') out += '\\';
    out += c;
  }
  // A backslash just before the closing quote would hide it; the blank
  // that keeps them apart is trimmed away when the bracket is compiled.
  if (!content.empty() && content.back() == '\\') out += ' ';
  return out + "\"] ";
}

bool writesQuoted(int code) { return code == fn::kSet || code == fn::kDefine || code == fn::kSyn; }

}  // namespace

std::string DefinitionWriter::write(std::span<const int> codes, bool abbreviated) const {
  std::string text;
  CodeReader reader(codes);
  while (!reader.done()) {
    if (fn::isCharacter(reader.peek())) {
      text += literal(reader.characters());
      continue;
    }
    const int code = reader.next();

    if (code == fn::kTypeChar) {
      text += bracket(reader.argument(), false);
    } else if (auto plain = functions_.codeOfCountForm(code)) {
      text += bracket(std::string(*functions_.nameOf(*plain, abbreviated)) + " " + reader.argument(), false);
    } else if (fn::isSynonym(code)) {
      const int count = reader.done() ? fn::kArgumentEnd : reader.next();
      if (code - fn::kFirstSynonym < synonyms_.size()) {
        std::string content(synonyms_.name(code - fn::kFirstSynonym));
        if (count >= 1) content += " " + std::to_string(count);
        text += bracket(content, false);
      }
    } else if (const CharacterArgument kind = functions_.characterArgument(code);
               isCharacterArgument(kind, reader.peek())) {
      // Only the full name takes a letter in brackets.
      const char character = static_cast<char>(reader.next());
      auto name = functions_.nameOf(code, abbreviated && kind != CharacterArgument::Letter);
      text += bracket(std::string(*name) + " '" + character + "'", false);
    } else if (auto name = functions_.nameOf(code, abbreviated)) {
      const ArgumentKind kind = functions_.argumentKind(code);
      std::string content(*name);
      if (takesArgument(kind)) {
        const std::string argument = reader.argument();
        // An expression keeps what followed the command word, its delimiter first.
        if (kind == ArgumentKind::Expression) {
          content += argument;
        } else if (!argument.empty()) {
          content += " " + argument;
        }
      }
      text += bracket(content, writesQuoted(code));
    }
    // Anything else (a stray -1, a synonym no longer named) has no written
    // form and is left out.
  }
  return text;
}

}  // namespace tarn::command
