#include "core/aside_names.h"

#include <gtest/gtest.h>

#include "core/document.h"

namespace tarn {
namespace {

TEST(AsideNames, EveryKindOfCopyIsKnownByItsShape) {
  AsidePlace place = besideFile("/d/a.txt");
  EXPECT_EQ(place.dir, "/d");
  EXPECT_EQ(temporaryPrefix(place, AsideKind::SaveInProgress), ".a.txt.tarn-");
  EXPECT_EQ(temporaryPrefix(place, AsideKind::OldText), ".a.txt.tarn-old-");
  EXPECT_EQ(recoveryName(place, 1), "a.txt.tarn-save");
  EXPECT_EQ(recoveryName(place, 2), "a.txt.tarn-save-2");
  EXPECT_EQ(asidePath(place, "x"), "/d/x");

  struct Case {
    const char* entry;
    std::optional<AsideKind> kind;
  };
  const Case cases[] = {
      {".a.txt.tarn-Ab3xZ9", AsideKind::SaveInProgress},
      {".a.txt.tarn-old-Ab3xZ9", AsideKind::OldText},
      {"a.txt.tarn-save", AsideKind::Recovery},
      {"a.txt.tarn-save-17", AsideKind::Recovery},
      {"a.txt", std::nullopt},
      {".a.txt.tarn-Ab3xZ", std::nullopt},          // not six random characters
      {".a.txt.tarn-Ab.xZ9", std::nullopt},
      {".a.txt.tarn-old.tarn-Ab3xZ9", std::nullopt},  // a temporary file of "a.txt.tarn-old"
      {".ab.txt.tarn-Ab3xZ9", std::nullopt},          // another file's
      {"a.txt.tarn-save-0", std::nullopt},
      {"a.txt.tarn-save-1000", std::nullopt},
      {"a.txt.tarn-saved", std::nullopt},
      {"a.txt.tarn-save.tarn-save", std::nullopt},    // the recovery copy of a recovery copy
  };
  for (const Case& c : cases) EXPECT_EQ(asideKindOf(place, c.entry), c.kind) << c.entry;
}

TEST(AsideNames, NamesFitTheLimitHoweverLongTheFileName) {
  const std::string longest(255, 'n');
  std::string accented;
  while (accented.size() < 254) accented += "\xC3\xA9";  // é, two bytes
  for (const std::string& base : {std::string(238, 'n'), std::string(239, 'n'), longest, accented}) {
    for (const AsidePlace& place : asidePlaces("/d/" + base, "/profile/")) {
      for (const std::string& name : {temporaryPrefix(place, AsideKind::OldText) + "XXXXXX",
                                      recoveryName(place, kMostRecoveryCopies)}) {
        EXPECT_LE(name.size(), 255u) << base.size();
        EXPECT_NE(static_cast<unsigned char>(place.stem.back()) & 0xC0, 0x80) << "a character was cut";
      }
    }
  }
  EXPECT_EQ(besideFile("/d/" + std::string(238, 'n')).stem, std::string(238, 'n')) << "short enough as it is";
  EXPECT_NE(besideFile("/d/" + longest).stem, besideFile("/d/" + longest.substr(1) + "m").stem)
      << "names that are cut alike still differ";
}

TEST(AsideNames, ElsewhereTheFullNameTellsFilesApart) {
  AsidePlace one = elsewhere("/d/a.txt", "/profile/");
  AsidePlace two = elsewhere("/e/a.txt", "/profile/");
  EXPECT_EQ(one.dir, "/profile/");
  EXPECT_TRUE(one.stem.starts_with("a.txt."));
  EXPECT_NE(one.stem, two.stem);
  EXPECT_EQ(one.stem, elsewhere("/d/a.txt", "/other/").stem) << "the same in every run";
  EXPECT_EQ(asidePath(one, "x"), "/profile/x");

  auto untitled = asidePlaces(std::string(kUntitled), "/profile/");
  ASSERT_EQ(untitled.size(), 1u) << "a document without a file has no folder of its own";
  EXPECT_EQ(untitled[0].dir, "/profile/");
  EXPECT_EQ(asidePlaces("/d/a.txt", "/profile/").size(), 2u);
}

}  // namespace
}  // namespace tarn
