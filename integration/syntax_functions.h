// The functions that work on the syntax classes of the text: the token
// moves (`next keyword` ... `begin separator`), `learn` and `autocomplete`.
#pragma once

namespace tarn {

namespace command {
class CommandLanguage;
}
class KeywordSets;
class SyntaxColouring;

void registerSyntaxFunctions(command::CommandLanguage& language, SyntaxColouring& colouring, KeywordSets& sets);

}  // namespace tarn
