#include "data/resident_json.h"

#include "data/json_writer.h"
#include "data/text.h"

namespace mc {

namespace {

std::string quoted(const std::string& cp1252) { return jsonQuote(cp1252ToUtf8(cp1252)); }

// Elements first..last of a numbered array.
template <class Array, class Fn>
std::string array(const Array& a, size_t first, size_t last, Fn element) {
  std::string out = "[";
  for (size_t i = first; i <= last; ++i) {
    if (i > first) out += ", ";
    out += element(a[i]);
  }
  return out + "]";
}

std::string textArray(const auto& a, size_t first, size_t last) {
  return array(a, first, last, [](const std::string& s) { return quoted(s); });
}

std::string numberArray(const auto& a, size_t first, size_t last) {
  return array(a, first, last, [](auto v) { return std::to_string(v); });
}

// Slots 1..3, each with lines 1..lines.
template <size_t N>
std::string slots(const MealSlots<std::string, N>& s, size_t lines) {
  return array(s, 1, 3, [&](const auto& slot) { return textArray(slot, 1, lines); });
}

}  // namespace

std::string ResidentJson(const ResidentRecord& r, std::string_view mealOrder) {
  JsonObject o;
  o.text("ResidentFile", cp1252ToUtf8(r.ResidentFile));
  o.text("ResidentPath", cp1252ToUtf8(r.ResidentPath));
  o.text("MealOrder", cp1252ToUtf8(mealOrder));
  o.text("NameLine", cp1252ToUtf8(r.NameLine));
  o.text("Room", cp1252ToUtf8(r.Room));
  o.text("Diet", cp1252ToUtf8(r.Diet));
  o.raw("DietCode", numberArray(r.DietCode, 1, 4));
  o.number("ColorCode", r.ColorCode);
  o.raw("DiningCode", textArray(r.DiningCode, 1, 3));
  o.boolean("SelectResident", r.SelectResident);
  o.text("Hydrate", cp1252ToUtf8(r.Hydrate));
  o.raw("HydrateAt", textArray(r.HydrateAt, 1, 3));
  o.raw("HydrateLines", slots(r.HydrateLines, 4));
  o.raw("ClipArt", numberArray(r.ClipArt, 1, 4));
  o.number("StiPicture", r.StiPicture);
  o.number("FeedingSkill", r.FeedingSkill);
  o.boolean("HospitalOrOut", r.HospitalOrOut);
  o.boolean("ExcludeMode", r.ExcludeMode);
  o.boolean("Isolation", r.Isolation);
  o.boolean("Allergies", r.Allergies);
  o.boolean("OwnNameTable", r.OwnNameTable);
  // Lines 2..16 are the most a list is filled to.
  o.raw("Likes", slots(r.Likes, 16));
  o.raw("Dislikes", slots(r.Dislikes, 16));
  o.raw("SpecialInstructions", slots(r.SpecialInstructions, 6));
  o.number("SpecialLineCount", r.SpecialLineCount);
  o.text("MenuLetters", cp1252ToUtf8(r.MenuLetters));

  const DietFlags& d = r.diet;
  const std::pair<const char*, int> flags[] = {
      {"Nectar", d.Nectar},         {"Honey", d.Honey},
      {"Pudding", d.Pudding},       {"Thickened", d.Thickened},
      {"FluidRestriction", d.FluidRestriction}, {"NoMilk", d.NoMilk},
      {"Bland", d.Bland},           {"Puree", d.Puree},
      {"Dysphagia", d.Dysphagia},   {"MechSoft", d.MechSoft},
      {"MeatTexture", d.MeatTexture}, {"Liquid", d.Liquid},
      {"LowSodium", d.LowSodium},   {"CalorieControl", d.CalorieControl},
      {"Renal", d.Renal},           {"LowFat", d.LowFat},
      {"Fortified", d.Fortified},   {"LargePortion", d.LargePortion},
      {"DoublePortion", d.DoublePortion},
  };
  for (const auto& [name, value] : flags) o.number(name, value);

  o.raw("DietMatrix", array(r.DietMatrix, 1, 4, [](const auto& row) { return numberArray(row, 1, 2); }));
  o.text("DietMask", cp1252ToUtf8(r.DietMask));
  o.boolean("DietCodeMarked", r.DietCodeMarked);
  return o.str();
}

}  // namespace mc
