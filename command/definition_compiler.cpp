#include "command/definition_compiler.h"

#include <variant>

#include "command/words.h"
#include "core/function_codes.h"

namespace tarn::command {
namespace {

// `<command> <name> = <definition>`, cut into the name and the definition.
struct Header {
  std::string_view name;
  std::string_view definition;
};

std::optional<Header> splitHeader(std::string_view line) {
  std::string_view rest = skipBlanks(firstWord(line).after);
  std::size_t nameEnd = rest.find_first_of(" \t=");
  if (nameEnd == 0 || nameEnd == std::string_view::npos) return std::nullopt;
  std::size_t runEnd = rest.find_first_not_of(" \t=", nameEnd);
  std::string_view run = rest.substr(nameEnd, runEnd == std::string_view::npos ? runEnd : runEnd - nameEnd);
  std::size_t equals = run.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Header{rest.substr(0, nameEnd), rest.substr(nameEnd + equals + 1)};
}

enum class ItemKind { Literal, Bracket };
struct Item {
  ItemKind kind;
  std::string text;
  std::size_t end;  // just after the item
};
struct InvalidSyntax {};
struct InvalidChar {
  char c;
};
using ItemRead = std::variant<Item, InvalidSyntax, InvalidChar>;

// 'text' or "text", starting at its quote.
ItemRead readLiteral(std::string_view text, std::size_t pos) {
  const char quote = text[pos];
  std::string value;
  for (std::size_t i = pos + 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == quote)) {
      value += text[++i];
    } else if (c == quote) {
      return Item{ItemKind::Literal, std::move(value), i + 1};
    } else {
      value += c;
    }
  }
  return InvalidSyntax{};
}

// ["text"]: up to the next double quote without a backslash before it,
// then the closing bracket.
ItemRead readQuotedBracket(std::string_view text, std::size_t pos) {
  std::string value;
  std::size_t i = pos + 2;
  for (; i < text.size() && !(text[i] == '"' && text[i - 1] != '\\'); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '"') continue;
    value += text[i];
  }
  if (i >= text.size()) return InvalidSyntax{};
  std::size_t close = text.find_first_not_of(" \t", i + 1);
  if (close == std::string_view::npos || text[close] != ']') return InvalidSyntax{};
  return Item{ItemKind::Bracket, std::move(value), close + 1};
}

// [text]: up to the first closing bracket outside double quotes.
ItemRead readBracket(std::string_view text, std::size_t pos) {
  if (pos + 1 < text.size() && text[pos + 1] == '"') return readQuotedBracket(text, pos);
  bool quoted = false;
  for (std::size_t i = pos + 1; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (text[i] == ']' && !quoted) return Item{ItemKind::Bracket, std::string(text.substr(pos + 1, i - pos - 1)), i + 1};
  }
  return InvalidSyntax{};
}

ItemRead readItem(std::string_view text, std::size_t pos) {
  switch (text[pos]) {
    case '\'':
    case '"':
      return readLiteral(text, pos);
    case '[':
      return readBracket(text, pos);
    default:
      return InvalidChar{text[pos]};
  }
}

std::string invalidSyntax(const LineContext& where) { return "Invalid syntax" + inLine(where); }

}  // namespace

std::optional<std::string> DefinitionCompiler::define(std::string_view line, std::string_view label) {
  const LineContext where{label, line};
  auto header = splitHeader(line);
  if (!header) return invalidSyntax(where);
  return compileKey(header->name, header->definition, where);
}

std::optional<std::string> DefinitionCompiler::defineKey(std::string_view keyName, std::string_view definition,
                                                         std::string_view label) {
  return compileKey(keyName, definition, LineContext{label, definition});
}

std::optional<std::string> DefinitionCompiler::compileKey(std::string_view keyName, std::string_view definition,
                                                          const LineContext& where) {
  const KeyName* key = keys_.find(keyName);
  if (!key) return "Unknown key \"" + std::string(keyName) + "\"" + inLine(where);
  return compileInto(key->keyClass, key->slot, key->keyCode, definition, -1, where);
}

std::optional<std::string> DefinitionCompiler::synonym(std::string_view line, std::string_view label) {
  const LineContext where{label, line};
  auto header = splitHeader(line);
  if (!header) return invalidSyntax(where);
  // A longer name is refused rather than cut, so that two long names never
  // become one synonym.
  if (header->name.size() > SynonymTable::kLongestName) {
    return "Synonym name \"" + std::string(header->name) + "\" too long" + inLine(where);
  }
  auto entry = store_.synonyms().enter(header->name);
  if (!entry) return std::string("Too many synonyms!");
  return compileInto(kSynonymClass, *entry, fn::kFirstSynonym + *entry, header->definition, *entry, where);
}

std::optional<std::string> DefinitionCompiler::compileInto(int keyClass, int slot, int keyCode,
                                                           std::string_view definition, int definingSynonym,
                                                           const LineContext& where) {
  // A 0 byte would end the code list early.
  if (definition.find('\0') != std::string_view::npos) return invalidSyntax(where);

  bool started = false;
  bool full = false;
  auto add = [&](int code) {
    if (!store_.append(keyClass, slot, code)) full = true;
  };

  for (std::size_t pos = 0;;) {
    while (pos < definition.size() && isBlank(definition[pos])) ++pos;
    if (pos == definition.size()) break;

    ItemRead read = readItem(definition, pos);
    if (std::holds_alternative<InvalidSyntax>(read)) return invalidSyntax(where);
    if (auto* bad = std::get_if<InvalidChar>(&read)) {
      return std::string("Invalid char '") + bad->c + "'" + inLine(where);
    }
    const Item& item = std::get<Item>(read);
    if (!started) {
      store_.start(keyClass, slot, keyCode);
      started = true;
    }
    if (item.kind == ItemKind::Literal) {
      for (char c : item.text) add(static_cast<unsigned char>(c));
    } else {
      auto codes = brackets_.compile(item.text, definingSynonym);
      if (!codes) return unknownCommand(trimBlanks(item.text), where);
      for (int code : *codes) add(code);
    }
    pos = item.end;
  }

  if (!started) store_.empty(keyClass, slot);
  if (full) return "Definition too long" + inLine(where);
  return std::nullopt;
}

}  // namespace tarn::command
