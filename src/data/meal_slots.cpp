#include "data/meal_slots.h"

#include "data/text.h"

namespace mc {

int slotMeal(std::string_view mealOrder, int slot) {
  if (slot < 1 || slot > 3) return kBreakfast;
  switch (upperChar(column(mealOrder, slot))) {
    case 'B': return kBreakfast;
    case 'L': return kLunch;
    case 'S': return kSupper;
    default: return slot;
  }
}

std::string parseMealOrder(std::string_view typed) {
  static constexpr const char* kOrders[] = {"BLS", "LSB", "SBL", "BBB", "LLL", "SSS", "BYM"};
  const std::string order = trim(upper(ltrim(typed).substr(0, 3)));
  for (const char* valid : kOrders)
    if (order == valid) return order;
  return {};
}

}  // namespace mc
