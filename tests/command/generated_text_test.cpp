#include <gtest/gtest.h>

#include <clocale>

#include "command/generated_text.h"

namespace tarn {
namespace {

std::tm at(int year, int month, int day, int weekday, int yearDay, int hour = 0, int minute = 0, int second = 0) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_wday = weekday;
  t.tm_yday = yearDay;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

// Wednesday 5 March 2025, the 64th day of the year.
const std::tm kWednesday = at(2025, 3, 5, 3, 63);

struct TemplateCase {
  const char* format;
  const char* expected;
};

class DateTemplates : public testing::TestWithParam<TemplateCase> {
 protected:
  void SetUp() override { std::setlocale(LC_TIME, "C"); }
};

TEST_P(DateTemplates, Fill) { EXPECT_EQ(fillDateTemplate(GetParam().format, kWednesday), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Tokens, DateTemplates,
    testing::Values(TemplateCase{"[dd].[mm].[yyyy] [ddd]", "05.03.2025 Wed"},
                    TemplateCase{"[dd]/[mm]/[yy]", "05/03/25"},
                    TemplateCase{"[yy]|[yyyy]|[m]|[mm]|[mmm]|[month]", "25|2025|3|03|Mar|March"},
                    TemplateCase{"[d]|[dd]|[ddd]|[day]|[d#]|[dn]", "5|05|Wed|Wednesday|4|64"},
                    TemplateCase{"[yyyy][yy][mmm][m][ddd][d]", "202525Mar3Wed5"},
                    TemplateCase{"[[dd]] [x] [mm", "[05] [x] [mm"},
                    TemplateCase{"[DD] [dd ] []", "[DD] [dd ] []"},
                    TemplateCase{"", ""}));

TEST(DateTemplatesYears, TwoDigitYearsStayTwoDigits) {
  EXPECT_EQ(fillDateTemplate("[yy]", at(1999, 1, 1, 5, 0)), "99");
  EXPECT_EQ(fillDateTemplate("[yy]", at(2007, 1, 1, 1, 0)), "07");
  EXPECT_EQ(fillDateTemplate("[yy]", at(2100, 1, 1, 5, 0)), "00");
}

struct TimeCase {
  int hour, minute, second;
  const char* format;
  const char* expected;
};

class TimeTemplates : public testing::TestWithParam<TimeCase> {
 protected:
  void SetUp() override { std::setlocale(LC_TIME, "C"); }
};

TEST_P(TimeTemplates, Fill) {
  const TimeCase& c = GetParam();
  EXPECT_EQ(fillTimeTemplate(c.format, at(2025, 3, 5, 3, 63, c.hour, c.minute, c.second)), c.expected);
}

// Hours 0 to 12 stay as they are on the 12-hour clock and take the AM
// designator; only hours above 12 are afternoon hours.
INSTANTIATE_TEST_SUITE_P(Tokens, TimeTemplates,
                         testing::Values(TimeCase{12, 30, 0, "[12]:[mm] [am]", "12:30 AM"},
                                         TimeCase{13, 5, 0, "[12]:[mm] [am]", "01:05 PM"},
                                         TimeCase{0, 10, 0, "[12]:[mm] [am]", "00:10 AM"},
                                         TimeCase{23, 59, 7, "[24]:[mm]:[ss] [am]", "23:59:07 PM"},
                                         TimeCase{9, 5, 3, "[24]:[mm]:[ss]", "09:05:03"},
                                         TimeCase{9, 5, 3, "[mm] [dd] [12", "05 [dd] [12"}));

}  // namespace
}  // namespace tarn
