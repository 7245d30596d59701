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

}  // namespace mc
