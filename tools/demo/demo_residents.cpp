// The demo facility's resident data files, its standard like/dislike name
// table and its diet file. Every resident gets the fields of the shared
// table (room, name, dining locations, diet); some get extras chosen by file
// name so that the demo shows each rule of the resident loader: own name
// tables, meal markers, a long likes list, coded and hilited special
// instructions, isolation, allergies, exclude lists, hydration, feeding
// skill, adaptive-equipment pictures, menu letters, hospital and out on pass.
#include <map>
#include <string>
#include <vector>

#include "data/record_file.h"
#include "demo.h"

namespace mc::demo {

namespace {

constexpr int kResidentLength = 82;
constexpr int kLastResidentRecord = 793;
constexpr int kNameTableLength = 22;
constexpr int kDietLength = 200;

const char* const kLikeNames[31] = {
    "",               "Coffee AT BRK",   "Ice Cream @L",   "Soup L/S",        "Orange Juice",
    "LARGE PORTIONS", "Tea AT SUP",      "Bacon @B",       "Cottage Cheese",  "Decaf Coffee",
    "Hot Cocoa",      "Oatmeal AT BRK",  "Peanut Butter",  "Jello @S",        "Chocolate Milk",
    "Bananas",        "Cranberry Juice", "Rye Bread",      "Sherbet AT LCH",  "Pickles",
    "Ginger Ale",     "Rice Pudding",    "Grits @B",       "Cream of Wheat",  "Prune Juice",
    "Sweet Potatoes", "Fresh Fruit",     "Lemonade @L",    "Graham Crackers", "Buttermilk",
    "Hot Sauce"};

const char* const kDislikeNames[31] = {
    "",            "ISOLATION",     "ALLERGIES",   "Fish AT SUP", "Eggs @B",
    "Pork",        "Liver",         "Spicy Foods", "Coconut",     "Peanuts",
    "Shellfish",   "Onions AT LCH", "Broccoli",    "Cabbage",     "Beans",
    "Mushrooms",   "Tomatoes",      "Corn",        "Raisins",     "Coffee AT BRK",
    "Milk",        "Cheese",        "Spinach",     "Beets",       "Turkey",
    "Ham",         "Sausage",       "Yogurt",      "Garlic",      "Olives",
    "Strawberries"};

// The resident file under construction: records 1..793 of 82 characters.
class ResidentBytes {
 public:
  ResidentBytes() : bytes_(static_cast<size_t>(kLastResidentRecord) * kResidentLength, ' ') {
    put(57, 4, std::string(30, '.'));
    put(64, 4, std::string(30, '.'));
  }
  // Text at column `from` of record n.
  void put(int n, int from, const std::string& text) {
    bytes_.replace(static_cast<size_t>(n - 1) * kResidentLength + from - 1, text.size(), text);
  }
  void putByte(int n, int col, unsigned char code) { put(n, col, std::string(1, static_cast<char>(code))); }
  void like(int i) { put(57, 3 + i, "X"); }
  void dislike(int i) { put(64, 3 + i, "X"); }
  // Special instruction line 1..6 of meal 1..3, from column 2.
  void special(int meal, int line, const std::string& text) {
    static constexpr int first[4] = {0, 50, 58, 65};
    put(first[meal] + line - 1, 2, text);
  }
  void hydration(int line, const std::string& b, const std::string& l, const std::string& s) {
    put(772 + line, 2, b);
    put(772 + line, 28, l);
    put(772 + line, 54, s);
  }
  void hydrateAt(const std::string& b, const std::string& l, const std::string& s) {
    put(778, 23, b);
    put(778, 49, l);
    put(778, 76, s);
  }
  // Own names i = 1..30 (17 characters, the last dislike field 16).
  void ownLike(int i, const std::string& name) {
    markOwnTable();
    if (i <= 15) put(778 + i, 4, Rec(17).at(1, name).str());
    else put(763 + i, 24, Rec(17).at(1, name).str());
  }
  void ownDislike(int i, const std::string& name) {
    markOwnTable();
    if (i <= 15) put(778 + i, 44, Rec(17).at(1, name).str());
    else put(763 + i, 64, Rec(16).at(1, name).str());
  }
  void markOwnTable() { putByte(780, 21, 186); }
  const std::string& str() const { return bytes_; }

 private:
  std::string bytes_;
};

std::string number(int n, int width) {
  std::string s = std::to_string(n);
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width - s.size()), ' ');
  return s;
}

void baseFields(ResidentBytes& b, const DemoResident& r) {
  b.put(2, 5, Rec(6).at(1, r.room).str());
  b.put(2, 15, Rec(25).at(1, r.name).str());
  b.put(4, 43, r.breakfastLoc);
  b.put(4, 49, r.lunchLoc);
  b.put(4, 55, r.supperLoc);
  static constexpr int partFrom[5] = {0, 15, 33, 51, 70};
  static constexpr int partWidth[5] = {0, 13, 13, 14, 10};
  static constexpr int codeFrom[5] = {0, 11, 29, 47, 66};
  for (int k = 1; k <= 4; ++k) {
    b.put(8, partFrom[k], Rec(partWidth[k]).at(1, r.dietPart[k]).str());
    b.put(8, codeFrom[k], number(r.dietCode[k], 3));
  }
  if (r.hospital) b.put(39, 67, "H");
}

// The extras of the hand-made residents.
void extras(ResidentBytes& b, const std::string& file) {
  if (file == "RS00101") {
    for (int i : {1, 2, 3, 4}) b.like(i);
    for (int i : {3, 4}) b.dislike(i);
    b.put(4, 63, "S");
    b.put(56, 9, "ab");
    b.put(18, 11, "1500");
    b.hydrateAt("480", "600", "420");
    b.hydration(1, "Water 240cc", "Water 240cc", "Water 240cc");
    b.hydration(2, "Juice 120cc", "Milk 240cc", "Tea 180cc");
    b.put(157, 69, " 1");
    b.special(1, 1, "Cereal with warm milk");
    b.special(2, 1, "Cut meat in bite-size pieces");
    b.special(3, 1, "Small salad, dressing on side");
  } else if (file == "RS00102") {
    b.special(2, 1, "(12) NECTAR THICK LIQUIDS");
    b.special(1, 2, "(07) CHOPPED MEAT ONLY");
    b.put(49, 19, "  3");
    b.put(49, 23, " 12");
    b.put(157, 69, " 2");
    b.like(9);
  } else if (file == "RS00103") {
    for (int i : {1, 2, 5}) b.dislike(i);
    b.special(1, 1, "PUREED MEAT AT ALL MEALS");
    b.put(157, 69, " 3");
    b.put(49, 16, " 4");
  } else if (file == "RS00104") {
    b.special(1, 1, "HONEY THICK LIQUIDS");
    b.special(3, 2, std::string("\xFE") + "NO STRAWS" + "\xFE");
    b.special(2, 3, "MECHANICAL SOFT VEGETABLES");
    b.dislike(2);
    b.like(11);
  } else if (file == "RS00105") {
    // An own name table: the resident's likes and dislikes, isolation and
    // allergies in own dislikes 29 and 30.
    b.ownLike(1, "Applesauce AT BRK");
    b.ownLike(2, "Rice Cakes @L");
    b.ownLike(16, "Herbal Tea L/S");
    b.ownDislike(1, "Bananas");
    b.ownDislike(15, "Orange Juice @S");
    b.ownDislike(16, "Potatoes AT LCH");
    for (int i : {1, 2, 16}) b.like(i);
    for (int i : {1, 15, 16, 29, 30}) b.dislike(i);
    b.put(56, 9, "R");
  } else if (file == "RS00106") {
    // As many likes as every meal card of the demo has room for (six, at
    // breakfast, under the most food lines). More would be cut off the
    // card, which print and the pre-flight check report: the demo facility
    // is one that prints and checks clean.
    for (int i = 1; i <= 6; ++i) b.like(i);
    b.put(49, 19, " 25");
  } else if (file == "RS00107") {
    b.put(779, 43, "E");
    for (int i : {5, 6, 7}) b.dislike(i);
    b.special(1, 1, "CLEAR LIQUIDS ONLY");
  } else if (file == "RS00108") {
    b.dislike(2);
    b.dislike(8);
    b.put(18, 11, "2000");
    b.put(56, 9, "E");  // menu letters: no eggs
    b.hydrateAt("600", "720", "680");
    b.hydration(1, "Lactaid milk 240cc", "Water 360cc", "Water 360cc");
  } else if (file == "RS00110") {
    b.put(18, 11, "1500");
    b.put(56, 9, "X");  // menu letters: fluids by the special instructions
    b.hydrateAt("360", "480", "360");
    b.hydration(1, "Limit fluids: 360cc", "Limit fluids: 480cc", "Limit fluids: 360cc");
  } else if (file == "RS00201") {
    b.put(4, 63, "Y");
    b.special(2, 1, "GROUND MEAT WITH GRAVY");
    b.like(13);
  } else if (file == "RS00205") {
    b.special(1, 1, "PUDDING THICK LIQUIDS");
    b.dislike(1);
  } else if (file == "RS00209") {
    b.like(15);
    b.dislike(9);
    b.put(56, 9, "S");
  } else if (file == "RS00301") {
    b.put(49, 16, " 2");
    b.put(49, 19, "  7");
    b.put(49, 23, "  8");
    b.put(49, 27, "201");
    b.put(157, 69, " 2");
  } else if (file == "RS00304") {
    b.put(39, 67, "O");
  } else if (file == "RS00306") {
    b.put(56, 9, "7Y");  // menu letters: nothing hot or spicy, sugar substitute
  }
}

void writeNameTable(const DriveMap& drives) {
  std::string bytes;
  for (int i = 1; i <= 30; ++i) bytes += Rec(kNameTableLength).at(1, kLikeNames[i]).str();
  for (int i = 1; i <= 30; ++i) bytes += Rec(kNameTableLength).at(1, kDislikeNames[i]).str();
  putFile(drives, folder(2) + "\\tolnm", bytes);
}

struct DemoDiet {
  int code;
  const char* name;
  const char* marker;  // 20 positions
  char selector1, selector2;
  const char* breakfast = "";  // meal patterns, columns 47-53, 55-62, 64-71
  const char* lunch = "";
  const char* supper = "";
};

// Marker positions follow the item files' approval marks: position 2 is
// mechanical soft, 10-12 mark the diets whose meal cards rewrite portions.
const DemoDiet kDiets[] = {
    {1, "REGULAR", "", '1', '1'},
    {2, "MECHANICAL SOFT", " x", '2', '2'},
    {3, "PUREED", " x*", '3', '3'},
    {4, "NO ADDED SALT", "   x", '1', '4'},
    {5, "2 GRAM SODIUM", "   xx", '1', '4'},
    {6, "NO CONC SWEETS", "     x", '1', '5'},
    {7, "LOW FAT", "      x", '1', '6'},
    {8, "LOW CHOLESTEROL", "      x*", '1', '6'},
    {9, "BLAND", "        x", '1', '7'},
    {12, "ADA 1800 CAL", "     x   *", '1', '5', "1121101", "31211011", "31211011"},
    {14, "ADA 1500 CAL", "     x    x", '1', '5', "1111101", "21111011", "21111001"},
    {45, "CLEAR LIQUID", "            x", '4', '1'},
    {60, "RENAL", "         x  x", '1', '7', "1111001", "21111001", "21111001"},
    {70, "FULL LIQUID", "             x", '4', '2'},
};

void writeDietFile(const DriveMap& drives) {
  const std::string path = folder(39) + "\\diet" + kFacCode;
  for (const DemoDiet& d : kDiets) {
    Rec rec(kDietLength);
    rec.field(1, 25, d.name).field(26, 45, d.marker);
    rec.field(47, 53, d.breakfast).field(55, 62, d.lunch).field(64, 71, d.supper);
    rec.field(78, 78, std::string(1, d.selector1)).field(80, 80, std::string(1, d.selector2));
    putRecord(drives, path, kDietLength, d.code, rec.str());
  }
}

void writeResidents(const DriveMap& drives, const DemoOptions& options) {
  for (const DemoResident& r : residents(options)) {
    ResidentBytes b;
    baseFields(b, r);
    extras(b, r.file);
    putFile(drives, folder(2) + "\\data" + kFacCode + "\\" + r.file + ".~" + kFacCode, b.str());
  }
  writeNameTable(drives);
  writeDietFile(drives);
}

const DemoPart residentsPart(40, "resident data, name table and diet file", &writeResidents);

}  // namespace

}  // namespace mc::demo
