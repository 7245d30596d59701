// The meal order: which meal each of the card's three columns (slots)
// shows. "LSB" puts lunch in slot 1, supper in 2, breakfast in 3; "SSS" is
// supper three times (a tray line for one meal); no order is breakfast,
// lunch, supper by nursing unit; "BYM" (by meal) asks for the three
// one-meal orders in turn. The one place the letters mean meals.
#pragma once

#include <string>
#include <string_view>

namespace mc {

class MealOrder {
 public:
  // No order: breakfast, lunch, supper.
  MealOrder() = default;

  // The order a typed text stands for, the one rule for the main window's
  // field, a settings set, the print run and the command line: upper-cased,
  // the first three characters after leading blanks ("lsb" -> "LSB",
  // "BLSX" -> "BLS"), if they are one of "BLS", "LSB", "SBL", "BBB",
  // "LLL", "SSS" or "BYM"; anything else is no order.
  static MealOrder parse(std::string_view typed);

  // The meal a letter names: 1 "B", 2 "L", 3 "S"; 0 for any other.
  static int mealOfLetter(char letter);

  const std::string& text() const { return text_; }
  bool none() const { return text_.empty(); }
  bool byMeal() const { return text_ == "BYM"; }
  // One of the six orders that name the meal of every slot ("BYM" names
  // none of them, and no order is not an order).
  bool valid() const { return !none() && !byMeal(); }

  // The meal shown in slot 1..3. A letter that names no meal keeps the
  // slot's own meal, so that an order never drops a meal's data silently
  // onto another meal's card; outside 1..3, breakfast.
  int meal(int slot) const;

  // The first slot that shows the meal; slot 1 when none does.
  int slotOf(int meal) const;

  // 1..3 for "BBB", "LLL", "SSS" (every slot the same meal), else 0.
  int oneMealThrice() const;

 private:
  explicit MealOrder(std::string text) : text_(std::move(text)) {}
  std::string text_;
};

}  // namespace mc
