#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/user_card.h"

namespace mc {
namespace {

// Records every call as one text; a printed line is 240 twips high and a
// character 100 twips wide.
class RecordingSurface : public Surface {
 public:
  void Print(std::string_view text, bool endLine) override {
    calls.push_back("print y=" + std::to_string(static_cast<int>(CurrentY)) + " x=" +
                    std::to_string(static_cast<int>(CurrentX)) + " [" + std::string(text) + "]" +
                    (endLine ? "" : " +"));
    fonts.push_back(FontName + " " + std::to_string(static_cast<int>(FontSize)) + (FontBold ? " bold" : "") +
                    (FontItalic ? " italic" : ""));
    if (endLine) {
      CurrentX = 0;
      CurrentY += TextHeight();
    } else {
      CurrentX += TextWidth(text);
    }
  }
  void Line(double, double, double, double, int32_t, LineMode) override { calls.push_back("line"); }
  void Circle(double, double, double, int32_t, bool) override { calls.push_back("circle"); }
  double TextWidth(std::string_view text) override { return 100.0 * text.size(); }
  double TextHeight() override { return 240; }
  void PaintPicture(const std::string&, double, double, double, double) override {
    calls.push_back("picture");
  }
  void NewPage() override {
    calls.push_back("newpage");
    CurrentY = 0;
  }
  void EndDoc() override {
    calls.push_back("enddoc");
    CurrentY = 0;
  }
  bool isPrinter() const override { return true; }

  // The texts printed, with the page and document ends.
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const std::string& c : calls) {
      const size_t open = c.find('[');
      out.push_back(open == std::string::npos ? c : c.substr(open + 1, c.rfind(']') - open - 1));
    }
    return out;
  }

  std::vector<std::string> calls;
  std::vector<std::string> fonts;
};

UserCard lunchCard() {
  UserCard card;
  card.UserMealNo = 2;
  card.NameLine = "101-A Anderson, Mary";
  card.DietLine = "MECH SOFT NAS";
  card.LocationLabel = "(Main Dining Room)";
  for (int i = 1; i <= 7; ++i) card.Lines[i] = i == 4 ? "" : "Line " + std::to_string(i);
  return card;
}

std::vector<std::string> cardTexts(const std::string& margin, const std::string& heading) {
  std::vector<std::string> out = {margin + heading, margin + "101-A Anderson, Mary", margin + "MECH SOFT NAS",
                                  margin + std::string(60, '-')};
  for (int i = 1; i <= 7; ++i) out.push_back(margin + (i == 4 ? "" : "Line " + std::to_string(i)));
  out.push_back(margin + std::string(40, '_'));
  return out;
}

const std::string kLunch = "           >>>>> LUNCH <<<<<  (Main Dining Room)";

TEST(UserCard, OneCardLineByLineWithSpacingAndFont) {
  RecordingSurface s;
  s.FontItalic = true;
  UserCardSettings settings;
  settings.LineSpacing = 200;
  settings.StartLines = 2;
  settings.TotalLines = 10;
  settings.FontSize = 14;
  int16_t count = 0;
  PrBM(s, lunchCard(), settings, count);

  std::vector<std::string> expected = {"", ""};
  for (const std::string& text : cardTexts("", kLunch)) expected.push_back(text);
  EXPECT_EQ(s.texts(), expected);
  // Start lines and the heading take no spacing; every line after adds 200
  // twips, and the diet twice that.
  EXPECT_EQ(s.calls[0], "print y=0 x=0 []");
  EXPECT_EQ(s.calls[2], "print y=480 x=0 [" + kLunch + "]");
  EXPECT_EQ(s.calls[3], "print y=920 x=0 [101-A Anderson, Mary]");
  EXPECT_EQ(s.calls[4], "print y=1560 x=0 [MECH SOFT NAS]");
  EXPECT_EQ(s.calls[5], "print y=2000 x=0 [" + std::string(60, '-') + "]");
  EXPECT_EQ(s.calls.back(), "print y=" + std::to_string(2000 + 8 * 440) + " x=0 [" + std::string(40, '_') + "]");
  EXPECT_EQ(s.fonts.front(), "Times New Roman 14 bold italic");
  EXPECT_EQ(count, 1);
}

TEST(UserCard, ThreeCardsPerPageWithPaddingAndStartLinesAgain) {
  RecordingSurface s;
  UserCardSettings settings;
  settings.LeftMargin = 3;
  settings.CardsPerPage = 3;
  settings.StartLines = 1;
  settings.TotalLines = 16;
  int16_t count = 0;
  UserCard card = lunchCard();
  card.UserMealNo = 1;
  card.LocationLabel = "";
  for (int i = 0; i < 4; ++i) PrBM(s, card, settings, count);

  std::vector<std::string> one = cardTexts("   ", "         >>>>> BREAKFAST <<<<<  ");
  for (int i = 0; i < 3; ++i) one.push_back("");  // padding lines 14, 15, 16
  std::vector<std::string> expected;
  for (int i = 0; i < 4; ++i) {
    if (i == 0 || i == 3) expected.push_back("");  // the start line of a page
    expected.insert(expected.end(), one.begin(), one.end());
    if (i == 2) expected.push_back("newpage");
  }
  EXPECT_EQ(s.texts(), expected);
  EXPECT_EQ(count, 1);
}

TEST(UserCard, ContinuousFeedNeverBreaks) {
  RecordingSurface s;
  UserCardSettings settings;
  settings.CardsPerPage = 0;
  settings.StartLines = 2;
  settings.TotalLines = 13;
  int16_t count = 0;
  UserCard card = lunchCard();
  card.UserMealNo = 3;
  for (int i = 0; i < 5; ++i) PrBM(s, card, settings, count);
  const auto texts = s.texts();
  EXPECT_EQ(texts.size(), 2u + 5 * 12);  // start lines once, no padding
  EXPECT_EQ(texts[2], "           >>>>> SUPPER <<<<<  (Main Dining Room)");
  for (const std::string& text : texts) {
    EXPECT_NE(text, "newpage");
    EXPECT_NE(text, "enddoc");
  }
  EXPECT_EQ(count, 5);
}

TEST(UserCard, PdfDriverEndsTheDocumentInsteadOfThePage) {
  RecordingSurface s;
  UserCardSettings settings;
  settings.CardsPerPage = 2;
  int16_t count = 0;
  UserCard card = lunchCard();
  card.PdfDriver = true;
  for (int i = 0; i < 4; ++i) PrBM(s, card, settings, count);
  std::vector<std::string> ends;
  for (const std::string& c : s.calls)
    if (c == "newpage" || c == "enddoc") ends.push_back(c);
  EXPECT_EQ(ends, (std::vector<std::string>{"enddoc", "enddoc"}));
  EXPECT_EQ(s.calls.back(), "enddoc");
  EXPECT_EQ(count, 0);
}

TEST(UserCard, SettingsComeFromTheWindowFields) {
  SettingsModel model;
  model.Text[9] = " 4 spaces";
  model.Text[10] = "16";
  model.Text[11] = "200";
  model.Text[12] = "abc";
  model.Text[13] = "2.5";
  model.Text[14] = "30";
  UserCardSettings s = UserCardSettings::fromModel(model);
  EXPECT_EQ(s.LeftMargin, 4);
  EXPECT_EQ(s.TotalLines, 16);
  EXPECT_EQ(s.LineSpacing, 200);
  EXPECT_EQ(s.CardsPerPage, 0);
  EXPECT_EQ(s.StartLines, 2);  // halves go to the even neighbour
  EXPECT_EQ(s.FontSize, 12);
  model.Text[14] = "9.5";
  EXPECT_EQ(UserCardSettings::fromModel(model).FontSize, 10);
}

}  // namespace
}  // namespace mc
