// The variables of the calculator and of the template language: values
// kept as text. Names beginning with `_` live until the editor ends; the
// others are local, forgotten when the function queue has been emptied.
#pragma once
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace tarn {

class Variables {
 public:
  // The value text, or null when the variable is not known.
  const std::string* find(std::string_view name) const;
  void set(std::string_view name, std::string value);
  void forgetLocals() { locals_.clear(); }

 private:
  using Map = std::map<std::string, std::string, std::less<>>;
  static bool isGlobal(std::string_view name) { return !name.empty() && name[0] == '_'; }

  Map globals_;
  Map locals_;
};

}  // namespace tarn
