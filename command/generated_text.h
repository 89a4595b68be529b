// Text the `date` and `time` functions type: their templates filled in from
// a broken-down time, with names from the C library's locale.
#pragma once
#include <ctime>
#include <string>
#include <string_view>

namespace tarn {

class Engine;
struct Document;

// Date tokens: [mm] month 01-12, [dd] day 01-31, [yy] two-digit year,
// [yyyy] four-digit year, [month] month name, [day] day name, [d] day
// without leading zero, [ddd] abbreviated day name (3 characters), [d#]
// day of the week (1 Sunday .. 7 Saturday), [m] month without leading zero,
// [mmm] abbreviated month name (3 characters), [dn] day of the year 1-366.
// Anything else is copied.
std::string fillDateTemplate(std::string_view format, const std::tm& when);

// Time tokens: [24] hour 00-23, [12] hour on the 12-hour clock (hours above
// 12 less 12, the others as they are), [mm] minutes, [ss] seconds, [am] the
// locale's AM designator, or its PM designator for hours above 12.
std::string fillTimeTemplate(std::string_view format, const std::tm& when);

// Types text at the cursor in insert mode, one character at a time through
// the engine, and leaves the document in replace mode. Returns false when
// a character could not be typed (what was typed before it stays).
bool typeGeneratedText(Engine& engine, Document& doc, std::string_view text);

}  // namespace tarn
