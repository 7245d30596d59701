// Meal orders and meal slots. Everything that exists once per meal is held
// in three slots in the order the card shows the meals: slot k holds the
// meal named by the k-th letter of the meal order ("LSB": lunch, supper,
// breakfast; "SSS": supper three times; empty: breakfast, lunch, supper).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace mc {

// Meal numbers: 1 breakfast, 2 lunch, 3 supper.
inline constexpr int kBreakfast = 1;
inline constexpr int kLunch = 2;
inline constexpr int kSupper = 3;

// The meals' names by meal number 1..3; "" at 0.
inline constexpr std::array<const char*, 4> kMealNames = {"", "Breakfast", "Lunch", "Supper"};

// The meal order a typed text stands for, the one rule for the main
// window's field, a settings set and the print run: upper-cased, the first
// three characters after leading blanks ("lsb" -> "LSB", "BLSX" -> "BLS"),
// if they are one of "BLS", "LSB", "SBL", "BBB", "LLL", "SSS" or "BYM" (by
// meal: the three one-meal orders in turn); anything else is "", all three
// meals in their usual order.
std::string parseMealOrder(std::string_view typed);

// The meal shown in slot 1..3. A missing or unknown letter keeps the slot's
// own meal, so that a mistyped order never drops a meal's data silently
// onto another meal's card.
int slotMeal(std::string_view mealOrder, int slot);

// Rearranges per-meal values (index 1..3 = meal) into slots (index 1..3 =
// slot) by the meal order.
template <class T>
std::array<T, 4> arrangeBySlots(const std::array<T, 4>& byMeal, std::string_view mealOrder) {
  return {byMeal[0], byMeal[slotMeal(mealOrder, 1)], byMeal[slotMeal(mealOrder, 2)],
          byMeal[slotMeal(mealOrder, 3)]};
}

}  // namespace mc
