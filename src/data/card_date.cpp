#include "data/card_date.h"

#include <cstdio>

#include "data/text.h"

namespace mc {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's
// algorithm) and back.
long daysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

Date civilFromDays(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long y = static_cast<long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return Date{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

}  // namespace

bool CheckDate(std::string& text) {
  if (text.size() >= 3) text[2] = '-';
  if (text.size() >= 6) text[5] = '-';
  const double month = leadingNumber(columns(text, 1, 2));
  if (month < 1 || month > 12) return false;
  int days = 31;
  const int m = static_cast<int>(month);
  if (m == 4 || m == 6 || m == 9 || m == 11) days = 30;
  if (m == 2) {
    // The two-digit year decides the leap day: 0, 4, 8, ... 100.
    const double year = leadingNumber(columns(text, 7, 8));
    const bool leap = year >= 0 && year <= 100 && year == static_cast<int>(year) &&
                      static_cast<int>(year) % 4 == 0;
    days = leap ? 29 : 28;
  }
  const double day = leadingNumber(columns(text, 4, 5));
  return day >= 1 && day <= days;
}

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) return 29;
  return kDays[month - 1];
}

std::optional<Date> parseMmDdYy(std::string_view text) {
  if (text.size() < 8) return std::nullopt;
  auto twoDigits = [&](size_t at) -> int {
    const char a = text[at], b = text[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
    return (a - '0') * 10 + (b - '0');
  };
  const int m = twoDigits(0), d = twoDigits(3), yy = twoDigits(6);
  if (m < 1 || d < 1 || yy < 0) return std::nullopt;
  const int year = yy < 30 ? 2000 + yy : 1900 + yy;
  if (m > 12 || d > daysInMonth(year, m)) return std::nullopt;
  return Date{year, m, d};
}

std::optional<Date> parseStrictMmDdYy(std::string_view text) {
  if (text.size() != 8) return std::nullopt;
  for (size_t at : {2, 5})
    if (text[at] != '-' && text[at] != '/') return std::nullopt;
  return parseMmDdYy(text);
}

namespace {

constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};

std::string ordinal(int n) {
  const char* suffix = "th";
  if (n % 100 < 11 || n % 100 > 13) {
    if (n % 10 == 1) suffix = "st";
    if (n % 10 == 2) suffix = "nd";
    if (n % 10 == 3) suffix = "rd";
  }
  return std::to_string(n) + suffix;
}

}  // namespace

std::string strictMmDdYyProblem(std::string_view text) {
  if (text.size() != 8) return "it is " + std::to_string(text.size()) + " characters long, not eight";
  if ((text[2] != '-' && text[2] != '/') || (text[5] != '-' && text[5] != '/'))
    return "month, day and year are separated by - or /";
  for (size_t at : {0, 1, 3, 4, 6, 7})
    if (text[at] < '0' || text[at] > '9') return "month, day and year are two digits each";
  const int m = (text[0] - '0') * 10 + (text[1] - '0');
  const int d = (text[3] - '0') * 10 + (text[4] - '0');
  const int yy = (text[6] - '0') * 10 + (text[7] - '0');
  const int year = yy < 30 ? 2000 + yy : 1900 + yy;
  const bool badMonth = m < 1 || m > 12;
  const bool badDay = d < 1 || d > 31;
  if (badMonth && badDay) return "there is no month " + std::to_string(m) + " and no day " + std::to_string(d);
  if (badMonth) return "there is no month " + std::to_string(m);
  if (badDay) return "there is no day " + std::to_string(d);
  if (d > daysInMonth(year, m)) {
    // Only February depends on the year, so only there is it named.
    const std::string month = kMonthNames[m - 1];
    return (m == 2 ? month + " " + std::to_string(year) : month) + " has no " + ordinal(d);
  }
  return "";
}

std::string formatMmDdYy(const Date& date) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%02d", date.month % 100, date.day % 100,
                ((date.year % 100) + 100) % 100);
  return buf;
}

Date addDays(const Date& date, int days) {
  return civilFromDays(daysFromCivil(date.year, date.month, date.day) + days);
}

int weekday(const Date& date) {
  const long z = daysFromCivil(date.year, date.month, date.day);
  // 1970-01-01 was a Thursday (5).
  return static_cast<int>(((z % 7) + 7 + 4) % 7) + 1;
}

}  // namespace mc
