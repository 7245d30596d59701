// The resident's items on a tray card: which column shows what, in which
// colour, and how long texts are cut or shrunk. Where each item stands is
// the demo runs' kept trace's business.
#include "card_fixture.h"
#include "render/tray_card.h"

namespace mc::test {
namespace {

using TrayCardTest = CardFixture;

// The dining locations, in the name line and in the bottom box. (The likes,
// dislikes, card count, bottom note and feeding skill, each in its column
// and colour: the demo runs' tray cards.)
TEST_F(TrayCardTest, EachLocationGoesToItsMealsColumnABlankOneDrawsNothingAndAMarkedOneHasABar) {
  resident.SpecialInstructions[2][2] = "      ";
  model.Check[2] = 1;
  ctx.MealLocations = {"", "Main Dining Room", "   ", "Room Tray"};
  const auto ops = draw();
  EXPECT_EQ(columnOf(textsOf(ops, "(Main Dining Room)").at(0)), 1);
  EXPECT_EQ(columnOf(textsOf(ops, "Room Tray").at(0)), 3);  // the bottom box
  // A blank instruction line and a blank location draw nothing.
  EXPECT_TRUE(textsOf(ops, "      ").empty() && textsOf(ops, "(   )").empty());

  // A marked location has a bar behind it, yellow or grey.
  model.Check[3] = 1;
  const auto bars = [](const std::vector<TraceOp>& ops, int32_t colour) {
    return only(opsOf(ops, "line"), [&](const TraceOp& op) { return op.str("mode") == "fill" && op["color"] == colour; });
  };
  for (int grey : {0, 1}) {
    model.Check[10] = grey;
    const int32_t colour = grey ? 14737632 : 65535;
    ctx.MealLocations[1] = "Main Dining Room";
    const size_t without = bars(draw(), colour).size();
    ctx.MealLocations[1] = "_Main Dining Room";
    const auto ops = draw();
    EXPECT_EQ(textsOf(ops, "( Main Dining Room)").size(), 1u);
    EXPECT_EQ(textsOf(ops, "Main Dining Room").size(), 1u);  // no marker in the box
    EXPECT_EQ(bars(ops, colour).size(), without + 1);
  }
}

TEST_F(TrayCardTest, LongNamesAndDietsAreCutAtTheirBlanksAndShrinkToANarrowColumn) {
  EXPECT_EQ(TopName("101-A Mill, Jonathan Ed"), "101-A Mill, J.");  // 23, its comma at 11
  EXPECT_EQ(TopName("101-B Madonna Ciccone Louise"), "101-B Madonna Ciccon");
  // The blank may stand at position 18 but not later; without one a line stays whole.
  EXPECT_EQ(DietLines("ABCDEFGHIJKLMNOPQ RSTUV")[0], "ABCDEFGHIJKLMNOPQ");
  EXPECT_EQ(DietLines("CARBOHYDRATECONTROLLED DIET")[0], "CARBOHYDRATECONTROLLED DIET");

  const std::string diet = "MECH SOFT PUREED MEAT NECTAR THICK LOW SODIUM";  // 45
  resident.Diet = diet + "   ";
  resident.NameLine = "101-A Mill, Jonathan Ed";
  auto ops = draw();
  EXPECT_EQ(textsOf(ops, "101-A Mill, J.").size(), 3u);
  for (const char* line : {"MECH SOFT PUREED", "MEAT NECTAR THICK", "LOW SODIUM"})
    EXPECT_EQ(textsOf(ops, line).size(), 3u) << line;
  EXPECT_EQ(textsOf(ops, diet).size(), 3u);  // whole under the name line

  // Column 1 of 3400 leaves 2500 for the name: 20 characters do not fit
  // at 14 point, and 13 point is never used.
  model.Text[18] = "-1790";
  resident.NameLine = "101-A Anderson, Mary";
  resident.Diet = "REGULAR LOW SODIUM X   ";
  ops = draw();
  EXPECT_EQ(textsOf(ops, "101-A Anderson, Mary").at(0)["size"], 12);
  EXPECT_EQ(textsOf(ops, "REGULAR LOW SODIUM X").at(0)["size"], 12);
}

}  // namespace
}  // namespace mc::test
