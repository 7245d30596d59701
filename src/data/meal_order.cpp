#include "data/meal_order.h"

#include "data/text.h"

namespace mc {

MealOrder MealOrder::parse(std::string_view typed) {
  static constexpr const char* kOrders[] = {"BLS", "LSB", "SBL", "BBB", "LLL", "SSS", "BYM"};
  std::string order = trim(upper(ltrim(typed).substr(0, 3)));
  for (const char* known : kOrders)
    if (order == known) return MealOrder(std::move(order));
  return {};
}

int MealOrder::mealOfLetter(char letter) {
  switch (upperChar(letter)) {
    case 'B': return 1;
    case 'L': return 2;
    case 'S': return 3;
    default: return 0;
  }
}

int MealOrder::meal(int slot) const {
  if (slot < 1 || slot > 3) return 1;
  const int meal = mealOfLetter(column(text_, slot));
  return meal ? meal : slot;
}

int MealOrder::slotOf(int wanted) const {
  for (int slot = 1; slot <= 3; ++slot)
    if (meal(slot) == wanted) return slot;
  return 1;
}

int MealOrder::oneMealThrice() const {
  const int first = meal(1);
  return valid() && meal(2) == first && meal(3) == first ? first : 0;
}

}  // namespace mc
