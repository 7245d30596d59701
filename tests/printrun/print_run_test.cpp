#include <gtest/gtest.h>

#include <regex>

#include "data/text.h"
#include "printrun/meal_pattern.h"
#include "run_fixture.h"

namespace mc {
namespace {

using test::Resident;
using test::RunFixture;

using PrintRunTest = RunFixture;

bool isDate(const std::string& s) { return std::regex_match(s, std::regex(R"(\w+day  \d\d-\d\d-\d\d)")); }
bool isLocationBox(const std::string& s) {
  return s == "Main Hall" || s == "Garden Room" || s == "Cafe Corner" || s == "Missing Dining Location";
}

// Consecutive repeats dropped: each column prints the date once.
std::vector<std::string> distinct(const std::vector<std::string>& v) {
  std::vector<std::string> out;
  for (const auto& s : v)
    if (out.empty() || out.back() != s) out.push_back(s);
  return out;
}

TEST_F(PrintRunTest, MealOrderIsTakenAsTypedUpperCasedAndCutToThreeLetters) {
  addAll({"Alpha", "Bravo"}, "MDR RDR CAF");
  m.Check[2] = 1;  // the dining location on the card shows which meal each column is
  m.Text[20] = "lsb";
  EXPECT_EQ(print(), "A#B#");
  EXPECT_TRUE(t.exists(mealOrderFilePath(facility)));
  const std::vector<std::string> lsb = texts(isLocationBox);
  ASSERT_GE(lsb.size(), 3u);
  EXPECT_EQ(lsb[0] + "|" + lsb[1] + "|" + lsb[2], "Garden Room|Cafe Corner|Main Hall");
  EXPECT_EQ(exits, 1);  // several residents: the run ends the program

  m.Text[20] = "BLSX";
  EXPECT_EQ(print(), "A#B#");
  const std::vector<std::string> bls = texts(isLocationBox);
  EXPECT_EQ(bls[0] + "|" + bls[1] + "|" + bls[2], "Main Hall|Garden Room|Cafe Corner");
}

TEST_F(PrintRunTest, ByMealRunsThreeOrdersWithAJobBreakBetween) {
  addAll({"Alpha", "Bravo"});
  m.Text[20] = "bym";
  // Each tray-line page ends even where its third place is empty.
  EXPECT_EQ(print(), "AB##AB##AB#");
  m.PrinterName = "Adobe PDF Converter";
  EXPECT_EQ(print(), "AB//AB//AB/#");  // one document, ended after the last card
  EXPECT_TRUE(run.PdfDriver);
}

TEST_F(PrintRunTest, OneUnitAndOneResidentIgnoreMealOrderAndPassOptions) {
  addAll({"Alpha", "Bravo"});
  add(1, 2, {"Bravo", "1", "REGULAR", "XXX ZZZ MDR"});
  m.Text[3] = m.Text[4] = "2";
  m.Text[20] = "BLS";
  m.Check[1] = 1;
  m.List2 = 1;  // Mech
  m.Check[2] = 1;
  m.ByDiningLocation = true;
  m.Text[8] = "5";
  m.LoopStep = -1;
  EXPECT_EQ(print(), "B#");
  EXPECT_FALSE(t.exists(mealOrderFilePath(facility)));
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(exits, 0);
  EXPECT_FALSE(ended);
  EXPECT_EQ(m.CallMode, 1);
  EXPECT_EQ(m.Caption, " [ ] Fac:  Set: 1:Meal Card & Select Menu Printing Program");
}

TEST_F(PrintRunTest, MealOrderOverSeveralDaysAsksFirst) {
  addAll({"Alpha", "Bravo"});
  m.Text[20] = "BLS";
  m.Text[3] = "01";
  m.Text[6] = "2";
  dialogs.answerQuestions(Answer::No);
  EXPECT_EQ(print(), "");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text,
            "Meal Order is being Reset to BLS Because You are Printing More than One Menu Day.\r\n\r\n"
            "             Do You Want to Proceed ?");
  EXPECT_EQ(dialogs.shown()[0].title, "Multiple Menu Days Selected");
  EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::YesNoCancel);
  EXPECT_FALSE(ended);
  EXPECT_EQ(m.Text[3], "1");  // the ranges are rewritten before the question
  EXPECT_TRUE(t.exists(settingsFile.path()));

  dialogs.answerQuestions(Answer::Yes);
  EXPECT_EQ(print(), "A#A#B#B#");  // whole pages, one per day
  EXPECT_FALSE(t.exists(mealOrderFilePath(facility)));
}

TEST_F(PrintRunTest, CardDateIsConfirmedAndAnImpossibleDateGivesWayToTheSetupDate) {
  addAll({"Alpha"});
  m.Text[4] = "1";
  m.Check[12] = 1;
  m.Text[15] = "13-01-07";
  EXPECT_EQ(print(), "A#");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "Start Date on Cards will be Thursday 03-15-07");
  EXPECT_EQ(dialogs.shown()[0].title, "Confirm Card Date");
  EXPECT_EQ(m.Text[15], "03-15-07");
  EXPECT_EQ(distinct(texts(isDate)), std::vector<std::string>{"Thursday  03-15-07"});

  dialogs.answerInput("Confirm Card Date", "04-01-07");
  EXPECT_EQ(print(), "A#");
  EXPECT_EQ(m.Text[15], "04-01-07");
  EXPECT_EQ(distinct(texts(isDate)), std::vector<std::string>{"Sunday  04-01-07"});

  for (const char* answer : {"", "next week"}) {
    dialogs.answerInput("Confirm Card Date", answer);
    EXPECT_EQ(print(), "") << answer;
    EXPECT_EQ(m.Text[15], "04-01-07");
  }
}

TEST_F(PrintRunTest, BackToFrontWalksResidentsAndDaysFromTheirEnd) {
  addAll({"Alpha", "Bravo"});
  m.LoopStep = -1;
  m.Check[12] = 1;
  m.Text[6] = "3";
  EXPECT_EQ(print(), "B#B#B#A#A#A#");
  const std::vector<std::string> dates = distinct(texts(isDate));
  EXPECT_EQ(dates, (std::vector<std::string>{"Saturday  03-17-07", "Friday  03-16-07", "Thursday  03-15-07",
                                             "Saturday  03-17-07", "Friday  03-16-07", "Thursday  03-15-07"}));
}

TEST_F(PrintRunTest, ByDiningLocationPrintsEachResidentInItsOwnPassAndTheRestInTheCatchAll) {
  dining({"MDR Main Hall", "RDR Garden Room", "CAF Cafe Corner", "   ", "   "});
  add(1, 1, {"Alpha", "1", "REGULAR", "MDR RDR MDR"});
  add(1, 2, {"Bravo", "1", "REGULAR", "MDR CAF MDR"});
  add(1, 3, {"Charlie", "1", "REGULAR", "MDR ZZZ MDR"});  // location missing from the file
  add(1, 4, {"Delta", "1", "REGULAR", "MDR     MDR"});    // no lunch location
  add(1, 5, {"Echo", "1", "REGULAR", "XXX MDR MDR"});     // no breakfast tray
  m.Check[2] = 1;
  m.ByDiningLocation = true;
  m.Text[8] = "5";
  EXPECT_EQ(print(), "A#B#D#C#");
  const std::vector<std::string> boxes = texts(isLocationBox);
  EXPECT_EQ(boxes.back(), "Missing Dining Location");  // Charlie's page keeps it

  m.LoopStep = -1;
  EXPECT_EQ(print(), "C#D#B#A#");

  // Without a dining file nobody can be placed by location: one pass, everyone once.
  std::filesystem::remove(*t.drives().hostPath(diningFilePath(facility)));
  m.LoopStep = 1;
  EXPECT_EQ(print(), "A#B#C#D#E#");
}

TEST_F(PrintRunTest, TrayLineByOneMealPutsThreePlacesOnAPage) {
  addAll({"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel", "India"});
  m.Text[20] = "BBB";
  EXPECT_EQ(print(), "ABC#DEF#GHI#");
  // Back to front the line is walked from its last place; places before
  // the first are empty, never the resident before them again.
  m.LoopStep = -1;
  EXPECT_EQ(print(), "IHG#FED#CBA#");
  std::filesystem::remove(*t.drives().hostPath(rosterPath(facility, 1)));
  addAll({"Alpha", "Bravo", "Charlie", "Delta"});
  EXPECT_EQ(print(), "DCB#A#");
}

TEST_F(PrintRunTest, ResidentsAreCappedAtTheBedsAndFilteredBySelectMark) {
  facility.units[0].maxBeds = 3;
  add(1, 1, {"Alpha"});
  add(1, 2, {"Bravo", "1", "REGULAR", "MDR MDR MDR", ' ', true});
  add(1, 3, {"Charlie"});
  add(1, 4, {"Delta"});  // beyond the unit's beds
  EXPECT_EQ(print(), "A#B#C#");
  const std::string textCards = t.read(textCardFilePath(facility));
  EXPECT_EQ(textCards.size(), 3u * 68 * 62);  // one card per page
  EXPECT_NE(textCards.find("  Name: 103 Charlie, Pat"), std::string::npos);

  m.Check[21] = 1;
  EXPECT_EQ(print(), "B#");
  m.Check[21] = 0;
  m.Check[22] = 1;
  EXPECT_EQ(print(), "A#C#");

  // A walk-through shows everyone on the screen, one "Next Res" at a time,
  // and writes no text cards.
  run.PreviewFlag = 1;
  EXPECT_EQ(print(), "");
  EXPECT_EQ(hooks.waits, 3);
  EXPECT_NE(screenTrace.str().find("103 Charlie, Pat"), std::string::npos);
  EXPECT_EQ(t.read(textCardFilePath(facility)).size(), (3u + 1 + 2) * 68 * 62);
  EXPECT_EQ(exits, 3);  // the walk-through left the program open
}

TEST_F(PrintRunTest, AwayResidentsTubeFeedingAndUnusableDietCodes) {
  add(1, 1, {"Alpha", "1", "REGULAR", "MDR MDR MDR", 'H'});
  add(1, 2, {"Bravo", "98", "TUBE FEEDING"});
  add(1, 3, {"Charlie", "99", "NPO"});
  add(1, 4, {"Delta", "0", "REGULAR"});
  add(1, 5, {"Echo", "1", "REGULAR", "MDR MDR MDR", 'O'});
  add(1, 6, {"Foxtrot", "12", "ADA 1800"});
  t.put("c:\\dnv\\diets\\dietTST", 200, 12, Rec(200).field(1, 25, "ADA").field(47, 53, "1121101").field(55, 62, "31211011").str());
  EXPECT_EQ(print(), "D#F#");
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_FALSE(texts([](const std::string& s) { return startsWith(s, ">>Review<< REGULAR"); }).empty());
  EXPECT_EQ(texts([](const std::string& s) { return s == "Meal Patrn:3Mt 2Vg 1St 1Bd 0Fr 1Fat 1Mk "; }).size(), 1u);
  EXPECT_EQ(texts([](const std::string& s) { return s == "Meal Patrn:1Jc 1Eg 2BMt 1Bd 1Cer 0Fat 1Mlk "; }).size(), 1u);

  m.Text[3] = m.Text[4] = "1";
  EXPECT_EQ(print(), "");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "Resident Marked for H=Hospital or O=Out On Pass");
}

TEST_F(PrintRunTest, UserCardsPrintTheTickedMealsWithAJobBreakAfterEach) {
  addAll({"Alpha", "Bravo"});
  m.Option[1] = false;
  m.Option[3] = true;
  m.Check[7] = m.Check[9] = 1;
  m.Text[12] = "0";
  EXPECT_EQ(print(), "bAbB#sAsB#");
  m.PrinterName = "PDF995";
  EXPECT_EQ(print(), "bAbB/sAsB/#");
}

TEST_F(PrintRunTest, DietCategoriesFollowTheListAndAllPrintsEveryoneOnce) {
  const std::pair<const char*, const char*> diets[] = {
      {"Alpha", "1"}, {"Bravo", "2"}, {"Charlie", "3"}, {"Delta", "4"}, {"Echo", "6"},
      {"Foxtrot", "7"}, {"Golf", "9"}, {"Hotel", "60"}, {"India", "45"}, {"Juliet", "0"}};
  for (int i = 0; i < 10; ++i) add(1, i + 1, {diets[i].first, diets[i].second});
  m.Check[1] = 1;
  m.List2 = 9;  // ALL Diets by Category
  EXPECT_EQ(print(), "A#B#C#J#D#E#F#G#H#I#");
  m.List2 = 1;  // Mech
  EXPECT_EQ(print(), "B#");
  m.List2 = 7;  // Renal
  EXPECT_EQ(print(), "H#");
  m.List2 = 8;  // Other Diets: the renal codes have their own entry
  EXPECT_EQ(print(), "I#");
}

TEST(MealPattern, DigitsAndLabelsOfEachMeal) {
  EXPECT_EQ(breakfastPattern("1121101"), "Meal Patrn:1Jc 1Eg 2BMt 1Bd 1Cer 0Fat 1Mlk ");
  EXPECT_EQ(lunchSupperPattern("31211011"), "Meal Patrn:3Mt 2Vg 1St 1Bd 0Fr 1Fat 1Mk ");
  EXPECT_EQ(breakfastPattern("0000000"), "");
  EXPECT_EQ(lunchSupperPattern("        "), "");
}

}  // namespace
}  // namespace mc
