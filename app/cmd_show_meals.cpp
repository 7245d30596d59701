// mealcards show-meals FILE --day N [--kind meal|select|pseudo|alf]
// [--alf-meal 1..3]: start-up, then the resident's meal lines for menu day N
// as that card kind builds them, as one JSON object, so that a dietitian can
// see what the resident gets without printing. Menu and item files that are
// missing are named on stderr; the lines show what a card would print.
#include <iostream>
#include <string>

#include "app_context.h"
#include "data/json_writer.h"
#include "data/meal_lines.h"
#include "data/text.h"
#include "named_resident.h"
#include "printrun/meal_pattern.h"

namespace mc::app {

namespace {

std::string lineArray(const std::vector<std::string>& lines, int last) {
  std::string json = "[";
  for (int i = 0; i <= last && i < static_cast<int>(lines.size()); ++i) {
    if (i) json += ", ";
    json += jsonQuote(cp1252ToUtf8(lines[i]));
  }
  return json + "]";
}

std::string mealArrays(const std::array<std::vector<std::string>, 4>& meals, const MealLines& lines) {
  std::string json = "[";
  for (int m = 1; m <= 3; ++m) {
    if (m > 1) json += ",\n    ";
    json += lineArray(meals[m], lines.LineCount[m]);
  }
  return json + "]";
}

// A number argument in lo..hi, or nothing.
std::optional<int> numberArg(const std::string& text, int lo, int hi) {
  const std::string t = trim(text);
  if (t.empty() || t.find_first_not_of("0123456789") != std::string::npos || t.size() > 5) return std::nullopt;
  const int v = std::stoi(t);
  if (v < lo || v > hi) return std::nullopt;
  return v;
}

// The card kind the settings choose, as show-meals names it.
MenuKind settingsKind(const SettingsModel& m) {
  if (m.AlfMenus) return MenuKind::Alf;
  if (m.CardKind == 1) return m.PseudoSelect ? MenuKind::PseudoSelect : MenuKind::Select;
  return MenuKind::MealCard;
}

int runShowMeals(const GlobalOptions& options, const std::vector<std::string>& args) {
  std::string file;
  std::optional<int> day, alfMeal;
  std::optional<MenuKind> kind;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--day" && hasValue) {
      day = numberArg(args[++i], 1, 32767);
      if (!day) return usageError("--day takes a menu day number 1 to 32767");
    } else if (args[i] == "--kind" && hasValue) {
      const std::string k = args[++i];
      if (k == "meal") kind = MenuKind::MealCard;
      else if (k == "select") kind = MenuKind::Select;
      else if (k == "pseudo") kind = MenuKind::PseudoSelect;
      else if (k == "alf") kind = MenuKind::Alf;
      else return usageError("--kind takes meal, select, pseudo or alf");
    } else if (args[i] == "--alf-meal" && hasValue) {
      alfMeal = numberArg(args[++i], 1, 3);
      if (!alfMeal) return usageError("--alf-meal takes 1 (breakfast), 2 (lunch) or 3 (supper)");
    } else if (file.empty() && !startsWith(args[i], "--")) {
      file = trim(utf8ToCp1252(args[i]));
    } else {
      return usageError("show-meals takes FILE --day N [--kind meal|select|pseudo|alf] [--alf-meal 1..3]");
    }
  }
  if (file.empty()) return usageError("show-meals needs a resident file name");
  if (!day) return usageError("show-meals needs --day N");

  DietFile dietFile;
  const NamedResident shown = startWithResident(options, file, std::nullopt, dietFile);
  if (!shown.context) return shown.exitCode;
  Controller& c = shown.context->controller;

  MealLineRequest request;
  request.kind = kind.value_or(settingsKind(c.model));
  request.MenuDay = *day;
  request.AlfMealNo = alfMeal.value_or(c.model.AlfMealNo >= 1 && c.model.AlfMealNo <= 3 ? c.model.AlfMealNo : 1);
  request.Portions = mealPortionStrings(dietFile, c.resident.DietCode);
  request.ExcludeW = c.model.Check[6] == 1;  // "Exclude W" of the settings, as a run reads it
  MenuFiles files(&c.drives);
  const MealLines lines = LoadMealLines(c.resident, c.tables, c.facility, files, request);
  for (const std::string& missing : files.missing()) {
    const auto host = c.drives.hostPath(missing);
    std::cerr << "mealcards: missing " << cp1252ToUtf8(missing)
              << (host ? " (" + host->string() + ")" : std::string(" (drive not mapped)")) << '\n';
  }

  JsonObject json;
  json.raw("MealText", mealArrays(lines.MealText, lines));
  json.raw("MealLabel", mealArrays(lines.MealLabel, lines));
  if (request.kind == MenuKind::Alf) {
    int last = 0;
    for (int i = 1; i < static_cast<int>(lines.AlfText.size()); ++i)
      if (!trim(lines.AlfText[i]).empty()) last = i;
    json.raw("AlfText", lineArray(lines.AlfText, last));
  }
  std::cout << json.str();
  return kExitOk;
}

const CommandRegistration showMeals(
    "show-meals",
    "show-meals FILE --day N [--kind meal|select|pseudo|alf] [--alf-meal 1..3]\n"
    "                       start-up, then the resident's meal lines for menu day N as JSON",
    &runShowMeals);

}  // namespace

}  // namespace mc::app
