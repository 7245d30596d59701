// Builds a resident's meal lines from menu and item files given as bytes,
// for every kind of card, and checks that what comes out can be printed:
// every meal's lines in place, none longer than a card line can be.
#pragma once

#include <cstdint>

#include "data/meal_lines.h"

namespace fuzz {

struct MealScene {
  mc::Facility facility;
  mc::FixedTables tables;

  MealScene() {
    facility.FacCode = "FZ";
    facility.Folders.assign(45, "c:\\dnv");
    tables.VariantColumn = {0, 19, 49, 79, 109, 139, 169, 199};
    tables.MealLines[1] = {0, 3, 44};
    tables.MealLines[2] = {0, 47, 81};
    tables.MealLines[3] = {0, 84, 121};
    tables.MenuLineCount = 129;
    tables.MenuCode = "FZ";
  }
};

// The resident's diet as the option bits give it: texture, portion marks,
// approval marks and menu letters, diet codes on variants 1..7.
inline mc::ResidentRecord fuzzResident(uint8_t options) {
  mc::ResidentRecord r;
  r.diet.MechSoft = options & 1;
  r.diet.Puree = (options >> 1) & 1;
  r.DietCodeMarked = (options >> 2) & 1;
  static const char* const masks[] = {"                    ", "x                   ", " x x*               ",
                                      "xxxxxxxxxxxxxxxxxxxx"};
  r.DietMask = masks[(options >> 4) & 3];
  r.MenuLetters = (options & 64) ? "7EXY" : "";
  for (int k = 1; k <= 4; ++k) r.DietMatrix[k] = {0, static_cast<int16_t>(1 + (options + k) % 7),
                                                 static_cast<int16_t>(1 + (options * k) % 7)};
  return r;
}

inline void buildAndCheck(const MealScene& scene, mc::MenuFiles& files, uint8_t options) {
  const mc::ResidentRecord resident = fuzzResident(options);
  mc::MealLineRequest q;
  q.ExcludeW = (options >> 3) & 1;
  q.Portions = {"", "12 0 1 ", "1 2 0 1 ", "2 1 0 1 "};
  for (mc::MenuKind kind : {mc::MenuKind::MealCard, mc::MenuKind::Select, mc::MenuKind::PseudoSelect, mc::MenuKind::Alf}) {
    q.kind = kind;
    for (int meal = 1; meal <= (kind == mc::MenuKind::Alf ? 3 : 1); ++meal) {
      q.AlfMealNo = meal;
      const mc::MealLines lines = mc::LoadMealLines(resident, scene.tables, scene.facility, files, q);
      for (int m = 1; m <= 3; ++m) {
        if (lines.MealText[m].size() != mc::MealLines::kLastLine + 1) __builtin_trap();
        if (lines.LineCount[m] < 0 || lines.LineCount[m] > mc::MealLines::kLastLine) __builtin_trap();
        for (const std::string& line : lines.MealText[m])
          if (line.size() > 64) __builtin_trap();
      }
      for (const std::string& line : lines.AlfText)
        if (line.size() > 67) __builtin_trap();
    }
  }
}

}  // namespace fuzz
