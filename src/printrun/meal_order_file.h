// The meal-order file: for each meal, the resident files in the order in
// which the trays leave the kitchen, grouped by dining location across all
// nursing units. A by-meal print run builds it with MakeDLF and then reads
// it instead of the unit rosters.
//
// Record layout (27 bytes): code 179, breakfast file name (7), 179, lunch
// (7), 179, supper (7), 179, CR LF. Each meal column is filled from record 1
// downwards on its own, so record n holds the n-th tray of every meal.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/drive_map.h"
#include "data/facility.h"

namespace mc {

inline constexpr int kMealOrderRecordLength = 27;
inline constexpr unsigned char kMealOrderMark = 179;  // first byte of a written record

// Where each meal lives: its meal number (which names its dining location
// in a roster record), and its file-name column in the meal-order file.
struct MealColumns {
  int meal;
  int fileColumn;
};
inline constexpr std::array<MealColumns, 3> kMealColumns = {{
    {1, 2},    // breakfast
    {2, 10},   // lunch
    {3, 18},   // supper
}};

// The columns of meal letter B, L or S; nothing for any other letter.
const MealColumns* mealColumns(char letter);

// The meal-order file column that the print run reads for a meal position
// (1..3) of a meal order: the column of the meal drawn at that position,
// so that lunch cards of "LSB" come out in the lunch tray order. 0 when the
// position names no meal. Writer and reader both go through this table,
// which keeps the file's columns tied to meals for every order.
int mealOrderFileColumn(std::string_view mealOrder, int position);

// The resident file name (7 characters, untrimmed) that a meal-order record
// holds for a meal position; "" when the record was never written.
std::string mealOrderResidentFile(std::string_view record, std::string_view mealOrder, int position);

struct MealOrderRequest {
  std::string MealOrder;      // as the run holds it; normalised again here
  int firstLocation = 1;      // Text7
  int lastLocation = 1;       // Text8
  int firstUnit = 1;          // Text1
  int lastUnit = 1;           // Text2
  int firstResident = 1;      // Text3
  int lastResident = 1;       // Text4
  // Called with the "Assembling" caption before the work starts, so that a
  // window can paint it.
  std::function<void(const std::string&)> showCaption;
};

// A resident file that the rosters list a second time (in one unit or in
// two): the tray line holds it once, at its first listing.
struct ListedAgain {
  int unit = 0;
  int bed = 0;
  std::string file;  // trimmed
  int firstUnit = 0;
  int firstBed = 0;
};

struct ResidentRange {
  int first = 1;
  int last = 1;
  // False when a working roster copy or the meal-order file could not be
  // written (reported through the drive map): the tray line on disk is not
  // this request's, and nothing may be printed from it.
  bool written = true;
  std::vector<ListedAgain> listedAgain;
};

// Builds the meal-order file (and the working roster copies) for the
// request and returns the resident range the run walks afterwards:
// 1 .. the highest next-record counter, which is one past the last tray.
ResidentRange MakeDLF(const DriveMap& drives, const Facility& facility, const MealOrderRequest& request);

}  // namespace mc
