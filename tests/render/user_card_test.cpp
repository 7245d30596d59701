#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "render/user_card.h"

namespace mc {
namespace {

// Records "y:text" for every print (a line is 240 twips high) and the page
// and document ends.
class RecordingSurface : public Surface {
 public:
  void Print(std::string_view text, bool endLine) override {
    calls.push_back(std::to_string(static_cast<int>(CurrentY)) + ":" + std::string(text));
    font = FontName + " " + std::to_string(static_cast<int>(FontSize)) + (FontBold ? " bold" : "");
    if (endLine) CurrentX = 0, CurrentY += TextHeight();
  }
  void Line(double, double, double, double, int32_t, LineMode) override { calls.push_back("line"); }
  void Circle(double, double, double, int32_t, bool) override { calls.push_back("circle"); }
  double TextWidth(std::string_view text) override { return 100.0 * text.size(); }
  double TextHeight() override { return 240; }
  void PaintPicture(const std::string&, double, double, double, double) override {}
  void NewPage() override { calls.push_back("newpage"), CurrentY = 0; }
  void EndDoc() override { calls.push_back("enddoc"), CurrentY = 0; }
  void SetPaper(int, int) override {}
  void Cls() override {}
  bool isPrinter() const override { return true; }

  std::vector<std::string> calls;
  std::string font;
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

TEST(UserCard, LinesSpacingMarginAndFont) {
  RecordingSurface s;
  UserCardSettings settings;
  settings.LeftMargin = 2;
  settings.StartLines = 2;
  settings.FontSize = 14;
  int16_t count = 0;
  PrBM(s, card(2), settings, count);
  // Start lines and heading take no spacing; each line after adds 200
  // twips, the diet twice that.
  const std::vector<std::string> expected = {
      "0:", "240:", "480:             >>>>> LUNCH <<<<<  (Main Dining Room)", "920:  101-A Anderson, Mary",
      "1560:  MECH SOFT", "2000:  " + std::string(60, '-'), "2440:  L1", "2880:  L2", "3320:  L3", "3760:  ",
      "4200:  L5", "4640:  L6", "5080:  L7", "5520:  " + std::string(40, '_')};
  EXPECT_EQ(s.calls, expected);
  EXPECT_EQ(s.font, "Times New Roman 14 bold");
  EXPECT_EQ(count, 1);
}

TEST(UserCard, PageBreaksStartLinesAndPadding) {
  RecordingSurface s;
  UserCardSettings settings;
  settings.CardsPerPage = 3;
  settings.StartLines = 1;
  settings.TotalLines = 16;
  int16_t count = 0;
  for (int i = 0; i < 4; ++i) PrBM(s, card(1), settings, count);
  // Card: 12 lines and padding lines 14..16; a start line on each page.
  ASSERT_EQ(s.calls.size(), 4u * 15 + 2 + 1);
  EXPECT_EQ(s.calls[1], "240:         >>>>> BREAKFAST <<<<<  (Main Dining Room)");
  EXPECT_EQ(s.calls[13], "5520:");  // first padding line
  EXPECT_EQ(s.calls[46], "newpage");
  EXPECT_EQ(s.calls[47], "0:");  // start line again on the new page
  EXPECT_EQ(count, 1);
}

TEST(UserCard, ContinuousFeedAndPdfDriver) {
  RecordingSurface feed;
  UserCardSettings settings;
  settings.StartLines = 2;
  settings.TotalLines = 13;
  int16_t count = 0;
  for (int i = 0; i < 5; ++i) PrBM(feed, card(3), settings, count);
  EXPECT_EQ(feed.calls.size(), 2u + 5 * 12);  // start lines once, no padding, no break
  EXPECT_EQ(feed.calls[2], "480:           >>>>> SUPPER <<<<<  (Main Dining Room)");
  EXPECT_EQ(count, 5);

  RecordingSurface pdf;
  settings.CardsPerPage = 2;
  UserCard c = card(1);
  c.PdfDriver = true;
  count = 0;
  for (int i = 0; i < 4; ++i) PrBM(pdf, c, settings, count);
  EXPECT_EQ(std::count(pdf.calls.begin(), pdf.calls.end(), "enddoc"), 2);
  EXPECT_EQ(std::count(pdf.calls.begin(), pdf.calls.end(), "newpage"), 0);
  EXPECT_EQ(pdf.calls.back(), "enddoc");
  EXPECT_EQ(count, 0);
}

TEST(UserCard, SettingsComeFromTheWindowFields) {
  SettingsModel model;
  model.Text[9] = " 4 spaces";
  model.Text[12] = "abc";
  model.Text[13] = "2.5";
  model.Text[14] = "30";
  const UserCardSettings s = UserCardSettings::fromModel(model);
  EXPECT_EQ(s.LeftMargin, 4);
  EXPECT_EQ(s.CardsPerPage, 0);
  EXPECT_EQ(s.StartLines, 2);  // halves to the even neighbour
  EXPECT_EQ(s.FontSize, 12);   // out of 8..24
}

}  // namespace
}  // namespace mc
