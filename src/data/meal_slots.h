// Meal slots. Everything that exists once per meal is held in three slots
// in the order the card shows the meals: slot k holds the meal the meal
// order puts there ("LSB": lunch, supper, breakfast; "SSS": supper three
// times; no order: breakfast, lunch, supper).
#pragma once

#include <array>
#include <string_view>

#include "data/meal_order.h"

namespace mc {

// Meal numbers: 1 breakfast, 2 lunch, 3 supper.
inline constexpr int kBreakfast = 1;
inline constexpr int kLunch = 2;
inline constexpr int kSupper = 3;

// The meals' names by meal number 1..3; "" at 0.
inline constexpr std::array<const char*, 4> kMealNames = {"", "Breakfast", "Lunch", "Supper"};

// Rearranges per-meal values (index 1..3 = meal) into slots (index 1..3 =
// slot) by the meal order.
template <class T>
std::array<T, 4> arrangeBySlots(const std::array<T, 4>& byMeal, std::string_view mealOrder) {
  const MealOrder order = MealOrder::parse(mealOrder);
  return {byMeal[0], byMeal[order.meal(1)], byMeal[order.meal(2)], byMeal[order.meal(3)]};
}

}  // namespace mc
