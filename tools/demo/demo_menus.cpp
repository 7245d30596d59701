// The demo facility's cycle menus: seven menu days in four texture files
// (1 regular, 2 mechanical soft, 3 pureed, 4 liquids), each record with its
// seven diet variant fields; one item file per food category with approval
// marks, mechanical-soft substitutes and letter codes; the omit file; and
// the alternates of the pseudo select menus. The diet file's selectors
// (written with the residents) pick file and variant:
//   selector 1: 1 regular, 2 mech soft, 3 pureed, 4 liquids;
//   selector 2: 1 regular, 2 mech soft, 3 pureed, 4 salt, 5 sugar,
//               6 fat, 7 bland and renal (liquids: 1 clear, 2 full).
// A variant field's first three characters are the item number; the demo's
// texts start with their quantity, and the quantity's leading number is the
// item's number in its category file, so that the printed text, the item
// and the portion rewriting ("(2)1/2 c" -> "1 c") agree.
#include <map>
#include <string>
#include <vector>

#include "data/record_file.h"
#include "data/text.h"
#include "demo.h"

namespace mc::demo {

namespace {

constexpr int kMenuLength = 226;
constexpr int kItemLength = 202;
constexpr int kDays = 7;
constexpr int kVariantColumn[8] = {0, 19, 49, 79, 109, 139, 169, 199};

// Approval mark positions (the diet file's marker positions).
enum Mark {
  Mech = 2, Puree = 3, Salt = 4, Sodium = 5, Sugar = 6, Fat = 7, Chol = 8, Bland = 9, Ada1800 = 10,
  Ada1500 = 11, Renal = 13, Full = 14
};

struct Item {
  int no;
  const char* text;              // as the menu prints it; also the item's name
  std::vector<int> notFor;       // marks left blank: diets that may not have it
  std::vector<int> substitutes;  // mechanical-soft substitutes, in order
  const char* letters = "";      // letter codes (E eggs, X fluids, Y sugar, H hot)
};

// Every item of a category file. Items that only stand in for others
// (substitutes, texture and diet versions) are listed too.
const std::map<std::string, std::vector<Item>>& itemFiles() {
  static const std::map<std::string, std::vector<Item>> all = {
      {"JUICE",
       {{1, "1/2 c Prune Juice", {}, {}},
        {3, "3 oz Grape Juice", {Sugar, Ada1500}, {}},
        {4, "4 oz Orange Juice", {Renal}, {}},
        {6, "6 oz Apple Juice", {}, {}},
        {8, "8 oz Cranberry Juice", {Sugar, Ada1500}, {}},
        {9, "9 oz Thick Orange Juice", {}, {}}}},
      {"EGG",
       {{1, "1 Poached Egg", {Puree}, {}, "E"},
        {2, "2 Scrambled Eggs", {Puree}, {}, "E"},
        {3, "3 oz Cheese Omelet", {Puree, Fat, Chol, Mech}, {2}, "E"},
        {5, "5 oz Egg Substitute", {Puree}, {}},
        {7, "7 oz Pureed Eggs", {}, {}, "E"}}},
      {"BRKMEAT",
       {{1, "1 Sausage Patty", {Mech, Puree, Salt, Sodium, Fat, Chol, Bland, Renal}, {50}},
        {2, "2 sl Bacon", {Mech, Puree, Salt, Sodium, Fat, Chol, Renal}, {50}},
        {4, "4 oz Hot Turkey Sausage", {Mech, Puree, Salt, Sodium, Bland, Renal}, {50}, "H"},
        {50, "2 oz Ground Sausage", {Puree, Salt, Sodium, Fat, Chol, Renal}, {}}}},
      {"CEREAL",
       {{1, "1/2 c Oatmeal", {}, {}},
        {3, "3/4 c Corn Flakes", {Puree}, {}},
        {4, "4 oz Grits", {}, {}},
        {5, "5 oz Cream of Wheat", {}, {}}}},
      {"BREAD",
       {{1, "1 Dinner Roll", {Puree}, {9}},
        {2, "2 sl Wheat Toast", {Puree, Mech}, {9}},
        {3, "3 Pancakes", {Puree, Sugar}, {9}},
        {4, "4 Saltine Crackers", {Puree, Mech, Salt, Sodium}, {9}},
        {6, "6 oz Bread Pudding", {Sugar, Ada1500}, {}},
        {9, "1 Soft Bread Slice", {Puree}, {}}}},
      {"BEVERAGE",
       {{4, "4 oz Chocolate Milk", {Sugar, Ada1500, Renal}, {}},
        {5, "5 oz Decaf Coffee", {}, {}, "X"},
        {6, "6 oz Coffee", {Bland}, {}, "X"},
        {7, "7 oz Hot Tea", {}, {}, "X"},
        {8, "8 oz 2% Milk", {Renal}, {}}}},
      {"CONDIMNT",
       {{1, "1 pat Margarine", {}, {}},
        {2, "2 pk Jelly", {Sugar, Ada1500}, {}},
        {3, "3 pk Sugar", {Sugar, Ada1500}, {}, "Y"},
        {6, "6 pk Sugar Substitute", {}, {}}}},
      {"SOUP",
       {{6, "6 oz Chicken Noodle Soup", {Salt, Sodium, Renal}, {}},
        {8, "8 oz Tomato Soup", {Salt, Sodium, Renal}, {}},
        {4, "4 oz Low Salt Broth", {}, {}}}},
      {"ENTREE",
       {{1, "1 c Beef Lasagna", {Mech, Puree, Salt, Sodium, Fat}, {41}},
        {2, "2 Cheese Enchiladas", {Puree, Bland, Salt, Sodium}, {}},
        {3, "3 oz Roast Beef", {Mech, Puree}, {43}},
        {4, "4 oz Baked Chicken", {Mech, Puree}, {44}},
        {5, "5 oz Baked Cod", {Puree}, {}},
        {6, "6 oz Turkey & Gravy", {Mech, Puree}, {44}},
        {8, "8 oz Chef Salad Plate", {Mech, Puree}, {}},
        {41, "1 c Ground Beef Casserole", {Puree, Salt, Sodium, Fat}, {}},
        {43, "3 oz Ground Beef & Gravy", {Puree}, {}},
        {44, "4 oz Ground Chicken", {Puree}, {}},
        {7, "7 Tbsp Pureed Roast Beef", {}, {}},
        {9, "9 Tbsp Pureed Chicken", {}, {}},
        {12, "12 Tbsp Pureed Fish", {}, {}}}},
      {"STARCH",
       {{1, "1/2 c Mashed Potatoes", {}, {}, "R"},
        {3, "3/4 c Rice Pilaf", {Puree}, {}},
        {4, "4 oz Buttered Noodles", {Puree}, {}},
        {5, "5 oz Baked Potato", {Mech, Puree}, {1}, "R"}}},
      {"VEGETABL",
       {{1, "1/2 c Green Beans", {Puree}, {}},
        {2, "2 Broccoli Spears", {Mech, Puree, Bland}, {21}},
        {3, "3 oz Peas and Carrots", {Puree}, {}},
        {4, "4 oz Buttered Corn", {Mech, Puree, Bland}, {21}},
        {6, "6 oz Tossed Salad", {Mech, Puree}, {}},
        {21, "1/2 c Diced Carrots", {Puree}, {}},
        {8, "8 Tbsp Pureed Vegetable", {}, {}}}},
      {"DESSERT",
       {{1, "1/2 c Vanilla Pudding", {Sugar, Ada1500}, {}},
        {2, "2 Oatmeal Cookies", {Mech, Puree, Sugar, Ada1500}, {1}},
        {3, "3 oz Peach Cobbler", {Puree, Sugar, Ada1500}, {1}},
        {4, "4 oz Strawberry Jello", {Sugar, Ada1500}, {}},
        {5, "5 oz Sugar-Free Jello", {}, {}},
        {7, "7 Fresh Strawberries", {Mech, Puree}, {5}}}},
      {"LIQUID",
       {{1, "1 c Clear Broth", {}, {}},
        {2, "2 oz Apple Juice", {}, {}},
        {4, "4 oz Lemon Gelatin", {}, {}},
        {5, "5 oz Cream of Potato Soup", {}, {}},
        {6, "6 oz Vanilla Shake", {}, {}},
        {8, "8 oz Whole Milk", {}, {}}}},
  };
  return all;
}

// One line of a meal in the menu files. `day` holds the item of each menu
// day (cycled); the texture and diet versions replace it in the files and
// variant fields that need them.
struct Slot {
  char flag;             // '*' house item, ' ' select choice, 'N' omitted, 'W' W option
  const char* category;  // 8 characters at most: the item file's name
  std::vector<int> day;  // item number per menu day, cycled
  int mechNo = 0;        // the mechanical-soft file's item (0: the same)
  int pureeNo = 0;       // the pureed file's item (0: the same)
  int sugarNo = 0;       // variant 5 (sugar-controlled) item (0: the same)
  int saltNo = 0;        // variant 4 (salt-restricted) item (0: the same)
};

std::vector<Slot> breakfast() {
  return {
      {'*', "JUICE", {4, 6, 8, 1, 4, 6, 3}, 0, 9, 1},
      {' ', "JUICE", {3, 1, 4, 6, 8, 1, 6}, 0, 9, 1},
      {'*', "EGG", {2, 1, 3, 2, 1, 3, 2}, 0, 7},
      {' ', "EGG", {5}, 0, 7},
      {'*', "BRKMEAT", {2, 1, 2, 4, 2, 1, 4}},
      {'*', "CEREAL", {1, 4, 5, 1, 4, 5, 1}, 0, 5},
      {' ', "CEREAL", {3, 3, 1, 3, 3, 1, 3}, 0, 5},
      {'*', "BREAD", {2, 3, 2, 2, 3, 2, 2}, 0, 6},
      {'*', "BEVERAGE", {8}},
      {'*', "BEVERAGE", {6, 6, 7, 6, 6, 7, 6}},
      {' ', "BEVERAGE", {4, 5, 4, 5, 4, 5, 4}},
      {'*', "CONDIMNT", {1}},
      {'*', "CONDIMNT", {2}, 0, 0, 6},
      {'*', "CONDIMNT", {3}, 0, 0, 6},
  };
}

std::vector<Slot> lunch() {
  return {
      {'*', "ENTREE", {3, 4, 1, 6, 5, 3, 4}, 0, 7},
      {' ', "ENTREE", {2, 5, 4, 5, 6, 2, 5}, 0, 9},
      {'*', "STARCH", {1, 3, 4, 5, 1, 3, 1}, 1, 1},
      {'*', "VEGETABL", {1, 2, 3, 4, 1, 2, 3}, 0, 8},
      {' ', "VEGETABL", {6}, 0, 8},
      {'*', "BREAD", {1}, 0, 6},
      {'*', "DESSERT", {1, 3, 4, 2, 1, 3, 4}, 0, 1, 5},
      {'N', "DESSERT", {7}, 0, 1, 5},
      {'*', "BEVERAGE", {8}},
      {'*', "BEVERAGE", {7}},
      {'*', "CONDIMNT", {1}},
  };
}

std::vector<Slot> supper() {
  return {
      {'*', "SOUP", {6, 8, 6, 8, 6, 8, 6}, 0, 0, 0, 4},
      {'*', "ENTREE", {4, 5, 6, 3, 1, 4, 5}, 0, 9},
      {' ', "ENTREE", {8, 2, 8, 2, 8, 2, 8}, 0, 12},
      {'W', "ENTREE", {2}, 0, 12},
      {'*', "STARCH", {3, 1, 5, 4, 3, 1, 5}, 1, 1},
      {'*', "VEGETABL", {3, 4, 1, 2, 3, 4, 1}, 0, 8},
      {'*', "BREAD", {1}, 0, 6},
      {'*', "DESSERT", {4, 1, 2, 3, 4, 1, 2}, 0, 1, 5},
      {'*', "BEVERAGE", {8}},
      {'*', "CONDIMNT", {1}},
  };
}

// Liquid diets: clear (variant 1) and full (variant 2) per meal.
struct LiquidSlot {
  const char* meal;  // "BK", "LH", "SP"
  int clear, full;
};
const LiquidSlot kLiquids[] = {{"BK", 2, 6}, {"BK", 1, 8}, {"LH", 1, 5}, {"LH", 4, 6},
                               {"SP", 1, 5}, {"SP", 4, 6}, {"SP", 2, 8}};

const Item* findItem(const std::string& category, int no) {
  for (const Item& i : itemFiles().at(category))
    if (i.no == no) return &i;
  return nullptr;
}

std::string itemText(const std::string& category, int no) {
  const Item* item = findItem(category, no);
  return item ? item->text : std::string();
}

// Which item a variant field of a file serves for a slot on a day.
int servedItem(const Slot& s, int day, int file, int variant) {
  const int base = s.day[static_cast<size_t>(day - 1) % s.day.size()];
  if (file == 2 && s.mechNo) return s.mechNo;
  if (file == 3 || variant == 3) return s.pureeNo ? s.pureeNo : base;
  if (variant == 5 && s.sugarNo) return s.sugarNo;
  if (variant == 4 && s.saltNo) return s.saltNo;
  return base;
}

Rec menuRecord(const char* mealCode, char flag, const std::string& category) {
  Rec r(kMenuLength);
  r.at(2, mealCode).at(4, std::string(1, flag)).field(6, 13, category);
  return r;
}

void writeMeal(const DriveMap& drives, const std::string& path, int file, int day, int meal,
               const std::vector<Slot>& slots, const char* mealCode) {
  static constexpr int first[4] = {0, 3, 47, 84};
  int n = first[meal];
  for (const Slot& s : slots) {
    Rec r = menuRecord(mealCode, s.flag, s.category);
    // The lasagna is a starch in itself: its line marks the meal's starch
    // portion one lower for the diets with meal patterns.
    if (std::string(s.category) == "ENTREE" && s.flag == '*' && servedItem(s, day, 1, 1) == 1) r.at(14, "-1");
    for (int v = 1; v <= 7; ++v)
      r.field(kVariantColumn[v], kVariantColumn[v] + 24, itemText(s.category, servedItem(s, day, file, v)));
    putRecord(drives, path, kMenuLength, n++, r);
  }
  // The alternates of a pseudo select menu follow the meal's lines; the
  // stop mark ends the search before the next meal.
  if (meal >= 2) {
    const char* meat[kDays] = {"Chef Salad Plate", "Grilled Cheese", "Tuna Salad Plate", "Chef Salad Plate",
                               "Egg Salad Sandwich", "Grilled Cheese", "Cottage Cheese Plate"};
    putRecord(drives, path, kMenuLength, n++, Rec(kMenuLength).at(19, "ALT MT:").at(26, meat[day - 1]));
    putRecord(drives, path, kMenuLength, n++, Rec(kMenuLength).at(19, "ALT VG:").at(26, "Tossed Side Salad"));
  }
  putRecord(drives, path, kMenuLength, n, Rec(kMenuLength).byte(19, 205));
}

void writeLiquidMeals(const DriveMap& drives, const std::string& path) {
  int n[4] = {0, 3, 47, 84};
  for (const LiquidSlot& l : kLiquids) {
    const int meal = std::string(l.meal) == "BK" ? 1 : std::string(l.meal) == "LH" ? 2 : 3;
    Rec r = menuRecord(l.meal, '*', "LIQUID");
    r.field(kVariantColumn[1], kVariantColumn[1] + 24, itemText("LIQUID", l.clear));
    r.field(kVariantColumn[2], kVariantColumn[2] + 24, itemText("LIQUID", l.full));
    putRecord(drives, path, kMenuLength, n[meal]++, r);
  }
}

void writeItemFiles(const DriveMap& drives) {
  for (const auto& [category, items] : itemFiles()) {
    const std::string path = folder(6) + "\\" + category + ".ml";
    for (const Item& i : items) {
      Rec r(kItemLength);
      r.field(2, 5, "EA").field(12, 36, i.text);
      for (size_t k = 0; k < i.substitutes.size() && k < 4; ++k) {
        std::string no = std::to_string(i.substitutes[k]);
        r.field(38 + 4 * static_cast<int>(k), 40 + 4 * static_cast<int>(k), std::string(3 - no.size(), ' ') + no);
      }
      for (int j = 1; j <= 15; ++j) {
        bool allowed = true;
        for (int no : i.notFor) allowed = allowed && no != j;
        if (allowed) r.at(54 + 2 * (j - 1), "x");
      }
      r.field(131, 134, i.letters);
      putRecord(drives, path, kItemLength, i.no, r);
    }
  }
}

void writeMenus(const DriveMap& drives, const DemoOptions&) {
  const std::string dir = folder(6) + "\\smenu" + kFacCode;
  for (int day = 1; day <= kDays; ++day) {
    for (int file = 1; file <= 3; ++file) {
      const std::string path = dir + "\\M" + std::to_string(day) + "T" + std::to_string(file) + "." + kFacCode;
      writeMeal(drives, path, file, day, 1, breakfast(), "BK");
      writeMeal(drives, path, file, day, 2, lunch(), "LH");
      writeMeal(drives, path, file, day, 3, supper(), "SP");
      // A record past the last meal keeps every file at its full length.
      putRecord(drives, path, kMenuLength, 129, Rec(kMenuLength));
    }
    writeLiquidMeals(drives, dir + "\\M" + std::to_string(day) + "T4." + kFacCode);
  }
  writeItemFiles(drives);
  // The omit file: records flagged "N" (the strawberries out of season)
  // are left off every menu.
  putRecord(drives, folder(6) + "\\omit" + kFacCode, 100, 1, Rec(100).at(1, "N"));
}

const DemoPart menusPart(45, "cycle menus, item files and omit file", &writeMenus);

}  // namespace

}  // namespace mc::demo
