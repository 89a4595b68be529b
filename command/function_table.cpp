#include "command/function_table.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "command/ascii.h"
#include "command/code_lists.h"
#include "command/words.h"

namespace tarn::command {

FunctionTable::FunctionTable() : rows_(functionCatalogue()) {
  for (const FunctionRow& row : rows_) {
    for (std::string_view name : row.names) {
      if (name.empty()) continue;
      const std::size_t index = entries_.size();
      entries_.push_back({name, row.code});

      // A name met again (edit, view, up) keeps its first place; it must
      // stand for the same code there.
      auto [named, newName] = byName_.try_emplace(name, index);
      if (!newName && entries_[named->second].code != row.code) {
        throw std::logic_error("function name \"" + std::string(name) + "\" has two codes");
      }

      auto [info, newCode] =
          byCode_.try_emplace(row.code, CodeInfo{row.argument, row.countCode, row.character, index, index});
      if (!newCode) {
        if (info->second.argument != row.argument || info->second.countCode != row.countCode ||
            info->second.character != row.character) {
          throw std::logic_error("function code " + std::to_string(row.code) + " has two argument kinds");
        }
        info->second.last = index;
      }
    }
    if (row.countCode != 0) byCountCode_.try_emplace(row.countCode, row.code);
  }
}

std::optional<std::size_t> FunctionTable::find(std::string_view name) const {
  const std::string lowered = asciiLower(name);
  auto found = byName_.find(std::string_view(lowered));
  if (found == byName_.end()) return std::nullopt;
  return found->second;
}

std::optional<int> FunctionTable::codeOf(std::string_view name) const {
  if (auto index = find(name)) return entries_[*index].code;
  return std::nullopt;
}

std::optional<FunctionTable::LeadingName> FunctionTable::leadingName(std::string_view text) const {
  const FirstWord first = firstWord(text);
  const FirstWord second = firstWord(skipBlanks(first.after));
  if (!second.word.empty()) {
    if (auto code = codeOf(std::string(first.word) + ' ' + std::string(second.word))) return LeadingName{*code, second.after};
  }
  if (auto code = codeOf(first.word)) return LeadingName{*code, first.after};
  return std::nullopt;
}

bool FunctionTable::refusesQuoted(std::string_view text, const LeadingName& name) const {
  const std::string_view nameText = text.substr(0, static_cast<size_t>(name.after.data() - text.data()));
  if (!codeTakingQuoted(trimBlanks(nameText)) || !skipBlanks(name.after).starts_with('\'')) return false;
  auto form = quotedForm(text);
  return !form || !isCharacterArgument(form->kind, static_cast<unsigned char>(form->character));
}

std::optional<std::string_view> FunctionTable::nameOf(int code, bool abbreviated) const {
  auto found = byCode_.find(code);
  if (found == byCode_.end()) return std::nullopt;
  return entries_[abbreviated ? found->second.first : found->second.last].name;
}

ArgumentKind FunctionTable::argumentKind(int code) const {
  auto found = byCode_.find(code);
  return found == byCode_.end() ? ArgumentKind::None : found->second.argument;
}

CharacterArgument FunctionTable::characterArgument(int code) const {
  auto found = byCode_.find(code);
  return found == byCode_.end() ? CharacterArgument::None : found->second.character;
}

std::optional<int> FunctionTable::codeTakingQuoted(std::string_view name) const {
  auto index = find(name);
  if (!index) return std::nullopt;
  const int code = entries_[*index].code;
  const CodeInfo& info = byCode_.at(code);
  if (info.character == CharacterArgument::None) return std::nullopt;
  if (info.character == CharacterArgument::Letter && entries_[*index].name != entries_[info.last].name)
    return std::nullopt;
  return code;
}

std::optional<QuotedForm> FunctionTable::quotedForm(std::string_view text) const {
  text = trimBlanks(text);
  if (text.size() < 3) return std::nullopt;
  auto character = quotedCharacter(text.substr(text.size() - 3));
  auto code = codeTakingQuoted(trimBlanks(text.substr(0, text.size() - 3)));
  if (!character || !code) return std::nullopt;
  return QuotedForm{*code, characterArgument(*code), *character};
}

std::optional<int> FunctionTable::countFormOf(int code) const {
  auto found = byCode_.find(code);
  if (found == byCode_.end() || found->second.countCode == 0) return std::nullopt;
  return found->second.countCode;
}

std::optional<int> FunctionTable::codeOfCountForm(int countCode) const {
  auto found = byCountCode_.find(countCode);
  if (found == byCountCode_.end()) return std::nullopt;
  return found->second;
}

void FunctionTable::setHandler(int code, Handler handler) { handlers_[code] = std::move(handler); }

const Handler* FunctionTable::handler(int code) const {
  auto found = handlers_.find(code);
  return found == handlers_.end() ? nullptr : &found->second;
}

bool FunctionTable::isLater(int code) const {
  std::span<const int> later = laterCodes();
  return std::find(later.begin(), later.end(), code) != later.end();
}

}  // namespace tarn::command
