// Meal cards, select menus, pseudo select menus and the assisted-living week
// printed from the demo facility's settings sets into PDF documents, and the
// served foods read back out of the PDF by pdftotext.
#include <gtest/gtest.h>

#include <string>

#include "support/demo.h"

namespace mc::test {
namespace {

// The first page's text of the PDF that settings set N prints.
std::string firstPage(int set) {
  const Demo d;
  const CommandResult r = d.print("--set " + std::to_string(set), "03-02-26");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(qpdfChecks(d.pdf));
  return runShell("pdftotext -f 1 -l 1 " + shellQuote(d.pdf.string()) + " -").out;
}

void expectAll(const std::string& text, std::initializer_list<const char*> parts) {
  for (const char* part : parts) EXPECT_NE(text.find(part), std::string::npos) << part << " in\n" << text;
}

TEST(MenuPrint, EveryCardKindPrintsTheServedFoods) {
  // Menu day 1 for Anderson, Mary: a regular diet.
  expectAll(firstPage(2), {"Anderson, Mary", "Breakfast", "4 oz Orange Juice", "2 Scrambled Eggs", "3 oz Roast Beef",
                           "4 oz Baked Chicken", "6 oz Chicken Noodle Soup"});
  const std::string select = firstPage(3);
  expectAll(select, {"Juices", "Entrees", "Soups & Appetizers", "4 oz Orange Juice*", "3 oz Grape Juice",
                     "2 Cheese Enchiladas", "8 oz Chef Salad Plate"});
  EXPECT_EQ(select.find("Tossed Side Salad"), std::string::npos) << "no alternates on a traditional select menu";
  expectAll(firstPage(4), {"3 oz Roast Beef*", "Chef Salad Plate", "Tossed Side Salad", "4 oz Baked Chicken*"});
  expectAll(firstPage(5), {"Monday", "Sunday", "Entrees", "Desserts", "___3 oz Roast Beef", "___4 oz Baked Chicken",
                           "___1 c Beef Lasagna", "Cut meat in bite-size pieces"});
}

}  // namespace
}  // namespace mc::test
