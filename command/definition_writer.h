// Writes a code list back as definition text that compiles to the same
// codes: functions as [name] with their arguments inside the brackets, the
// name chosen by reverse lookup (abbreviations when `abbrev` is on); set,
// define and syn (and any argument holding ] or ") in the ["..."] form with
// \" for an inner double quote; runs of characters as 'text' with \' for a
// quote. Every item is followed by a blank.
#pragma once
#include <span>
#include <string>

#include "command/function_table.h"
#include "command/synonyms.h"

namespace tarn::command {

class DefinitionWriter {
 public:
  DefinitionWriter(const FunctionTable& functions, const SynonymTable& synonyms)
      : functions_(functions), synonyms_(synonyms) {}

  // codes without the closing 0.
  std::string write(std::span<const int> codes, bool abbreviated) const;

 private:
  const FunctionTable& functions_;
  const SynonymTable& synonyms_;
};

}  // namespace tarn::command
