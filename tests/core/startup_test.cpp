#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "core/message_texts.h"
#include "core/profile_location.h"
#include "core/startup_arguments.h"
#include "platform/environment.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;

bool existsInTest(const std::string& p) { return p == "/tmp" || p == "/tmp/x.pro" || p == "/etc/hosts"; }

std::string describe(const StartupArguments& a) {
  std::string s = a.profilePath ? "P(" + *a.profilePath + ")" : "";
  if (a.keepScreen) s += "D";
  for (const auto& act : a.actions) {
    switch (act.kind) {
      case StartupAction::Kind::FunctionString: s += "F(" + act.text + ")"; break;
      case StartupAction::Kind::OpenFile: s += (act.readOnly ? "R(" : "O(") + act.text + ")"; break;
      case StartupAction::Kind::OpenHelp: s += "H"; break;
    }
  }
  return s;
}

TEST(StartupArguments, EveryForm) {
  struct Case {
    std::vector<std::string> args;
    const char* expected;
  } cases[] = {
      {{"/q", "a.txt"}, "O(a.txt)"},
      {{"/Q", "/p/tmp", "a.txt"}, "P(/tmp)O(a.txt)"},
      {{"/p/nowhere", "a.txt"}, "O(/p/nowhere)O(a.txt)"},
      {{"a.txt", "/r", "b.txt"}, "R(a.txt)O(b.txt)"},
      {{"a.txt", "/R"}, "R(a.txt)"},
      {{"/?"}, "H"},
      {{"/d", "/x", "a"}, "DO(a)"},
      {{"'s tabs 4 4'", "a"}, "F(s tabs 4 4)O(a)"},
      {{"'SET insert on'"}, "F(SET insert on)"},
      {{"'hello'", "[bl]", "{[down]}"}, "F('hello')F([bl])F({[down]})"},
      {{"/etc/hosts", "/tmp/new/file.txt"}, "O(/etc/hosts)O(/tmp/new/file.txt)"},
      {{}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(describe(parseStartupArguments(c.args, existsInTest)), c.expected);
}

class ProfileLocation : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("tarn-profile-" + std::to_string(getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_);
    savedXdg_ = environmentValue("XDG_CONFIG_HOME");
    savedPro_ = environmentValue("TARNPRO");
    setEnvironmentValue("XDG_CONFIG_HOME", (root_ / "config").string());
  }
  void TearDown() override {
    restore("XDG_CONFIG_HOME", savedXdg_);
    restore("TARNPRO", savedPro_);
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add);
    for (auto& e : fs::recursive_directory_iterator(root_))
      if (e.is_directory()) fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(root_);
  }
  static void restore(const char* name, const std::optional<std::string>& v) {
    if (v) setEnvironmentValue(name, *v);
    else unsetenv(name);
  }
  void write(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << text;
  }
  std::string read(const fs::path& p) {
    std::ifstream in(p);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  fs::path root_;
  std::optional<std::string> savedXdg_, savedPro_;
};

TEST_F(ProfileLocation, ProfileArgumentAndTarnproName) {
  write(root_ / "p" / "TARN.Pro", "s insert on");
  Paths viaArgument = choosePaths((root_ / "p").string());
  EXPECT_EQ(viaArgument.profileDirectory, (root_ / "p").string() + "/");
  EXPECT_EQ(environmentValue("TARNPRO"), viaArgument.profileDirectory);

  setEnvironmentValue("TARNPRO", (root_ / "p" / "TARN.Pro").string());
  Paths viaFile = choosePaths(std::nullopt);
  EXPECT_EQ(viaFile.profileDirectory, (root_ / "p").string() + "/");
  EXPECT_FALSE(viaFile.temporaryDirectory.empty());
  EXPECT_NE(viaFile.temporaryDirectory, viaFile.profileDirectory);
  fs::remove_all(viaFile.temporaryDirectory);
  fs::remove_all(viaArgument.temporaryDirectory);
}

TEST_F(ProfileLocation, ReadOnlyProfileDirectoryIsCopiedOnceKeepingExistingFiles) {
  fs::path shared = root_ / "shared";
  fs::path own = root_ / "config" / "tarnedit";
  write(shared / "TARN.Pro", "shared profile");
  write(shared / "TARN.Kwd", "keywords");
  write(shared / "TARN.Kwd2", "more keywords");
  write(shared / "tarn.py", "python");
  write(shared / "TARN.Vbs", "vbs");
  write(shared / "TARN.Hlp", "help stays");
  write(own / "TARN.Kwd", "mine");
  fs::permissions(shared, fs::perms::owner_write, fs::perm_options::remove);

  // Root writes anywhere: the check runs as an ordinary user in a child.
  auto check = [&] {
    if (geteuid() == 0) {
      for (auto& e : fs::recursive_directory_iterator(root_)) (void)!chown(e.path().c_str(), 65534, 65534);
      (void)!chown(root_.c_str(), 65534, 65534);
      if (setgid(65534) != 0 || setuid(65534) != 0) std::exit(2);
    }
    auto fail = [](const char* what) {
      std::fprintf(stderr, "%s\n", what);
      std::exit(1);
    };
    Paths paths = choosePaths(shared.string());
    if (paths.profileDirectory != own.string() + "/") fail("profile directory");
    if (read(own / "TARN.Pro") != "shared profile") fail("profile copied");
    if (read(own / "TARN.Kwd") != "mine") fail("existing file kept");
    if (read(own / "TARN.Kwd2") != "more keywords") fail("keyword file copied");
    if (read(own / "tarn.py") != "python" || !fs::exists(own / "TARN.Vbs")) fail("scripts copied");
    if (fs::exists(own / "TARN.Hlp")) fail("help not copied");
    // Once the profile is there, nothing is copied again.
    write(own / "TARN.Pro", "edited");
    fs::remove(own / "TARN.Kwd2");
    Paths again = choosePaths(shared.string());
    if (read(own / "TARN.Pro") != "edited" || fs::exists(own / "TARN.Kwd2")) fail("copied twice");
    fs::remove_all(paths.temporaryDirectory);
    fs::remove_all(again.temporaryDirectory);
    std::exit(0);
  };
  EXPECT_EXIT(check(), ::testing::ExitedWithCode(0), "");
}

TEST(ProfileFiles, CopiedPatterns) {
  EXPECT_TRUE(isCopiedProfileFile("TARN.Pro"));
  EXPECT_TRUE(isCopiedProfileFile("x.pro"));
  EXPECT_TRUE(isCopiedProfileFile("TARN.Kwd12"));
  EXPECT_TRUE(isCopiedProfileFile("a.VBS"));
  EXPECT_TRUE(isCopiedProfileFile("a.py"));
  EXPECT_FALSE(isCopiedProfileFile("TARN.Hlp"));
  EXPECT_FALSE(isCopiedProfileFile("TARN.Msg"));
  EXPECT_FALSE(isCopiedProfileFile("pro"));
}

TEST(MessageTexts, SectionsRangesAndEscapes) {
  MessageTexts texts;
  texts.parse(
      "1|before any section\n"
      "$$TARN_COMMAND$$\n"
      "  * a comment\n"
      "\n"
      "3|Third command\\|with bar|ignored\r\n"
      "112|out of range\n"
      "$$TARN_INSTR$$\n"
      "167|Last function\n"
      "0|zero\n"
      "$$TARN_MENU$$\n"
      "2|24|Menu item\n"
      "11|1|no such menu\n");
  EXPECT_EQ(texts.commandHelp(1), "");
  EXPECT_EQ(texts.commandHelp(3), "Third command|with bar");
  EXPECT_EQ(texts.commandHelp(112), "");
  EXPECT_EQ(texts.functionHelp(167), "Last function");
  EXPECT_EQ(texts.functionHelp(0), "");
  EXPECT_EQ(texts.menuItem(2, 24), "Menu item");
  EXPECT_EQ(texts.menuItem(11, 1), "");
}

}  // namespace
}  // namespace tarn
