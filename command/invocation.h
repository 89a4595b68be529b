// One command as the executor carries it out, and what carries it out.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "command/outcome.h"

namespace tarn::command {

struct Invocation {
  int code = 0;
  std::string text;               // the whole command text, for messages
  std::string rest;               // the text after the command word
  std::vector<std::string> args;  // argument tokens
};

using Handler = std::function<Outcome(const Invocation&)>;

}  // namespace tarn::command
