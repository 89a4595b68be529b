#include "command/keydefs.h"

#include "core/function_codes.h"

namespace tarn::command {
namespace {

// Whether a synonym's codes name a synonym of a later entry, which does
// not exist yet when the lines are read back in entry order.
bool namesLaterSynonym(std::span<const int> codes, int entry) {
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (!fn::isSynonym(codes[i])) continue;
    if (codes[i] - fn::kFirstSynonym > entry) return true;
    ++i;  // its count, which may be any number
  }
  return false;
}

// A slot defined with no codes (an empty literal) keeps that form, so that
// reading it back does not leave the slot undefined instead.
std::string definition(const DefinitionStore& store, const DefinitionWriter& writer, bool abbreviated,
                       int keyClass, int slot) {
  if (store.keyCode(keyClass, slot) == 0) return {};
  std::span<const int> codes = store.codes(keyClass, slot);
  return codes.empty() ? "'' " : writer.write(codes, abbreviated);
}

}  // namespace

std::vector<std::string> keydefsLines(const DefinitionStore& store, const KeyNameTable& keys,
                                      const DefinitionWriter& writer, bool abbreviated,
                                      const std::vector<std::string>& settingLines) {
  std::vector<std::string> lines;
  const SynonymTable& synonyms = store.synonyms();

  // When a synonym uses a later one, every name is entered first, empty,
  // so that each keeps its entry when the lines are read back.
  bool forward = false;
  for (int entry = 0; entry < synonyms.size(); ++entry) {
    forward = forward || namesLaterSynonym(store.codes(kSynonymClass, entry), entry);
  }
  if (forward) {
    for (int entry = 0; entry < synonyms.size(); ++entry) {
      lines.push_back("syn " + std::string(synonyms.name(entry)) + " = ");
    }
  }
  for (int entry = 0; entry < synonyms.size(); ++entry) {
    lines.push_back("syn " + std::string(synonyms.name(entry)) + " = " +
                    definition(store, writer, abbreviated, kSynonymClass, entry));
  }
  lines.emplace_back();

  for (const KeyName& key : keys.entries()) {
    lines.push_back("def " + key.name + " = " + definition(store, writer, abbreviated, key.keyClass, key.slot));
  }
  lines.emplace_back();

  lines.insert(lines.end(), settingLines.begin(), settingLines.end());
  return lines;
}

}  // namespace tarn::command
