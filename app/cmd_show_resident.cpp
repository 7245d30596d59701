// mealcards show-resident FILE [--meal-order ORDER]: start-up, then the
// resident data file FILE (the 7-character name, as the rosters give it)
// loaded as a print run loads it, under the settings' meal order or the one
// given, printed as one JSON object.
#include <iostream>
#include <optional>
#include <string>

#include "app_context.h"
#include "data/meal_order.h"
#include "data/resident_json.h"
#include "data/text.h"
#include "named_resident.h"

namespace mc::app {

namespace {

int runShowResident(const GlobalOptions& options, const std::vector<std::string>& args) {
  std::string file;
  std::optional<std::string> givenOrder;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--meal-order" && i + 1 < args.size()) {
      givenOrder = upper(trim(args[++i]));
      // A resident is loaded under one order: "BYM" is three of them.
      const MealOrder order = MealOrder::parse(*givenOrder);
      if (!givenOrder->empty() && (!order.valid() || order.text() != *givenOrder))
        return usageError("--meal-order takes BLS, LSB, SBL, BBB, LLL, SSS or \"\"");
    } else if (file.empty()) {
      file = trim(utf8ToCp1252(args[i]));
    } else {
      return usageError("show-resident takes one resident file name");
    }
  }
  if (file.empty()) return usageError("show-resident needs a resident file name");
  DietFile dietFile;
  const NamedResident shown = startWithResident(options, file, givenOrder, dietFile);
  if (!shown.context) return shown.exitCode;
  std::cout << ResidentJson(shown.context->controller.resident, shown.mealOrder);
  return kExitOk;
}

const CommandRegistration showResident("show-resident", "show-resident FILE [--meal-order ORDER]\n                       start-up, then the resident's record as JSON",
                                       &runShowResident);

}  // namespace

}  // namespace mc::app
