// Calendar dates as the cards and the setup file write them: "mm-dd-yy".
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace mc {

struct Date {
  int year = 2000;
  int month = 1;
  int day = 1;
  friend bool operator==(const Date&, const Date&) = default;
};

struct DateTime {
  Date date;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The clock behind today's date and the time of day (start-up reads both).
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime now() const = 0;
};

// Checks a date typed as "mm-dd-yy"; characters 3 and 6 are overwritten with
// "-" first (so "12/25/07" passes as "12-25-07"). The text is changed in
// place, as the callers show it afterwards.
bool CheckDate(std::string& text);

// Reads "mm-dd-yy" (any separators); nothing when it is not a real date.
// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
std::optional<Date> parseMmDdYy(std::string_view text);

std::string formatMmDdYy(const Date& date);

// A date as the command line takes it: exactly "mm-dd-yy" or "mm/dd/yy",
// two digits each, and a real date. Nothing for anything else ("03-15-2027"
// would otherwise print as 2020 on the wrong weekday).
std::optional<Date> parseStrictMmDdYy(std::string_view text);
// What keeps a text from being such a date, for the person who typed it
// ("there is no month 13", "February 2027 has no 29th"); "" when it is one.
std::string strictMmDdYyProblem(std::string_view text);

Date addDays(const Date& date, int days);

// The weekday names by weekday number 1..7; "" at 0.
inline constexpr std::array<const char*, 8> kWeekdayNames = {"",          "Sunday",   "Monday", "Tuesday",
                                                             "Wednesday", "Thursday", "Friday", "Saturday"};

// 1 = Sunday .. 7 = Saturday.
int weekday(const Date& date);

int daysInMonth(int year, int month);

}  // namespace mc
