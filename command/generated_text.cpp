#include "command/generated_text.h"

#include <array>
#include <cstdio>
#include <span>

#include "core/engine.h"
#include "core/function_codes.h"

namespace tarn {

namespace {

using Filler = std::string (*)(const std::tm&);

struct Token {
  std::string_view name;
  Filler fill;
};

std::string number(int value, int digits) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", digits, value);
  return buffer;
}

// A strftime conversion in the current locale.
std::string localeText(const char* conversion, const std::tm& when) {
  char buffer[128];
  size_t n = std::strftime(buffer, sizeof buffer, conversion, &when);
  return std::string(buffer, n);
}

std::string cutTo3(std::string text) {
  if (text.size() > 3) text.resize(3);
  return text;
}

std::string designator(const std::tm& when, int hour, const char* fallback) {
  std::tm at = when;
  at.tm_hour = hour;
  std::string text = localeText("%p", at);
  return text.empty() ? fallback : text;
}

// Every token starts with '[' and ends with the first ']' after it, so at
// one place at most one token matches: a shorter token never takes the
// start of a longer one.
std::string fill(std::string_view format, const std::tm& when, std::span<const Token> tokens) {
  std::string out;
  size_t i = 0;
  while (i < format.size()) {
    const Token* found = nullptr;
    if (format[i] == '[') {
      for (const Token& token : tokens) {
        if (format.substr(i).starts_with(token.name)) {
          found = &token;
          break;
        }
      }
    }
    if (found) {
      out += found->fill(when);
      i += found->name.size();
    } else {
      out += format[i++];
    }
  }
  return out;
}

// In the order they are tried.
constexpr std::array<Token, 12> kDateTokens = {{
    {"[mm]", [](const std::tm& t) { return number(t.tm_mon + 1, 2); }},
    {"[dd]", [](const std::tm& t) { return number(t.tm_mday, 2); }},
    {"[yy]", [](const std::tm& t) { return number(t.tm_year % 100, 2); }},
    {"[yyyy]", [](const std::tm& t) { return number(t.tm_year + 1900, 4); }},
    {"[month]", [](const std::tm& t) { return localeText("%B", t); }},
    {"[day]", [](const std::tm& t) { return localeText("%A", t); }},
    {"[d]", [](const std::tm& t) { return std::to_string(t.tm_mday); }},
    {"[ddd]", [](const std::tm& t) { return cutTo3(localeText("%a", t)); }},
    {"[d#]", [](const std::tm& t) { return std::to_string(t.tm_wday + 1); }},
    {"[m]", [](const std::tm& t) { return std::to_string(t.tm_mon + 1); }},
    {"[mmm]", [](const std::tm& t) { return cutTo3(localeText("%b", t)); }},
    {"[dn]", [](const std::tm& t) { return std::to_string(t.tm_yday + 1); }},
}};

constexpr std::array<Token, 5> kTimeTokens = {{
    {"[24]", [](const std::tm& t) { return number(t.tm_hour, 2); }},
    {"[12]", [](const std::tm& t) { return number(t.tm_hour > 12 ? t.tm_hour - 12 : t.tm_hour, 2); }},
    {"[mm]", [](const std::tm& t) { return number(t.tm_min, 2); }},
    {"[ss]", [](const std::tm& t) { return number(t.tm_sec, 2); }},
    {"[am]", [](const std::tm& t) { return t.tm_hour > 12 ? designator(t, 13, "PM") : designator(t, 1, "AM"); }},
}};

}  // namespace

std::string fillDateTemplate(std::string_view format, const std::tm& when) {
  return fill(format, when, kDateTokens);
}

std::string fillTimeTemplate(std::string_view format, const std::tm& when) {
  return fill(format, when, kTimeTokens);
}

bool typeGeneratedText(Engine& engine, Document& doc, std::string_view text) {
  constexpr intptr_t kInsert = 1, kReplace = 2, kLiteral = 0x80;
  engine.send(&doc, fn::kSetInsertMode, kInsert);
  bool typed = true;
  for (char c : text) {
    if (!engine.send(&doc, fn::kTypeChar, static_cast<unsigned char>(c), kLiteral)) {
      typed = false;
      break;
    }
  }
  engine.send(&doc, fn::kSetInsertMode, kReplace);
  return typed;
}

}  // namespace tarn
