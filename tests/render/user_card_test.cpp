// Text tray cards printed line by line down continuous stock.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "render/counting_surface.h"
#include "render/trace_surface.h"
#include "render/user_card.h"
#include "support/trace_ops.h"

namespace mc::test {
namespace {

// A printer whose lines are 1.15 em high, traced; printed() lists "y:text"
// for every line and the page and document ends.
struct Printer {
  CountingSurface device;
  std::ostringstream out;
  TraceSurface surface{device, out};
  int16_t count = 0;
  std::vector<std::string> printed() const {
    std::vector<std::string> calls;
    for (const auto& op : parseTrace(out.str()))
      calls.push_back(op.op == "text" ? op.str("y") + ":" + op.text() : op.op);
    return calls;
  }
};

UserCard card(int meal) {
  UserCard c;
  c.UserMealNo = meal;
  c.NameLine = "101-A Anderson, Mary";
  c.DietLine = "MECH SOFT";
  c.LocationLabel = "(Main Dining Room)";
  for (int i = 1; i <= 7; ++i) c.Lines[i] = i == 4 ? "" : "L" + std::to_string(i);
  return c;
}

TEST(UserCardTest, ContinuousFeedTakesItsLayoutFromTheWindowFields) {
  SettingsModel model;
  model.Text[9] = " 2 spaces";
  model.Text[10] = "10";  // under 14 lines: no padding
  model.Text[11] = "200";
  model.Text[12] = "abc";  // no page breaks
  model.Text[13] = "2.5";  // halves to the even neighbour
  model.Text[14] = "30";   // out of 8..24: 12 point, lines of 276 twips
  Printer p;
  for (int i = 0; i < 3; ++i) PrBM(p.surface, card(2), UserCardSettings::fromSettings(readCardSettings(model)), p.count);
  // Start lines and the banner take no spacing; each line after adds 200
  // twips, the diet twice that.
  const std::vector<std::string> expected = {
      "0:", "276:", "552:             >>>>> LUNCH <<<<<  (Main Dining Room)",
      "1028:  101-A Anderson, Mary", "1704:  MECH SOFT", "2180:  " + std::string(60, '-'),
      "2656:  L1", "3132:  L2", "3608:  L3", "4084:  ", "4560:  L5", "5036:  L6", "5512:  L7",
      "5988:  " + std::string(40, '_')};
  const auto calls = p.printed();
  ASSERT_EQ(calls.size(), 2u + 3 * 12);  // start lines once, then card after card
  EXPECT_EQ(std::vector(calls.begin(), calls.begin() + 14), expected);
  EXPECT_EQ(p.count, 3);
}

TEST(UserCardTest, PagesBreakAfterCardsPerPageWithPaddingAndStartLines) {
  UserCardSettings settings;
  settings.CardsPerPage = 3;
  settings.StartLines = 1;
  settings.TotalLines = 16;
  Printer p;
  for (int i = 0; i < 4; ++i) PrBM(p.surface, card(1), settings, p.count);
  // A card is 12 lines and padding lines 14..16. (A PDF driver ends the
  // document where a printer ends the page: the demo runs' text cards.)
  const auto calls = p.printed();
  ASSERT_EQ(calls.size(), 1 + 3 * 15 + 1 + 1 + 15);
  EXPECT_EQ(calls[1], "276:         >>>>> BREAKFAST <<<<<  (Main Dining Room)");
  EXPECT_EQ(calls[13].back(), ':');  // the first padding line
  EXPECT_EQ(calls[46], "newpage");
  EXPECT_EQ(std::count(calls.begin(), calls.end(), calls[46]), 1);
  // The new page starts at its top again, as the first one did.
  EXPECT_EQ(calls[47], "0:");
  EXPECT_EQ(calls[48], calls[1]);
  EXPECT_EQ(p.count, 1);
}

}  // namespace
}  // namespace mc::test
