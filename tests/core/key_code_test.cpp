#include "core/key_code.h"

#include <gtest/gtest.h>

namespace tarn::keycode {
namespace {

TEST(KeyCode, MarksExactlyTheKeysWithoutACharacter) {
  struct Case {
    int vk;
    int code;
  };
  const Case cases[] = {
      {8, 8},         {9, 0x1009},     {10, 10},       {12, 0x100C},    {13, 13},       {15, 15},
      {16, 0x1010},   {20, 0x1014},    {21, 21},       {27, 27},        {32, 32},       {33, 0x1021},
      {46, 0x102E},   {47, 47},        {'A', 'A'},     {'0', '0'},      {106, 106},     {107, 0x106B},
      {108, 108},     {109, 0x106D},   {110, 110},     {111, 111},      {112, 0x1070},  {135, 0x1087},
      {136, 136},     {143, 143},      {144, 0x1090},  {145, 0x1091},   {146, 146},     {0xBA, 0xBA},
  };
  for (const Case& c : cases) EXPECT_EQ(fromVirtualKey(c.vk), c.code) << "vk " << c.vk;
}

}  // namespace
}  // namespace tarn::keycode
