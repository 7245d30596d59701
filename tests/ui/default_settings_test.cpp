#include "ui/default_settings.h"

#include <gtest/gtest.h>

#include "data/text.h"
#include "support/controller_test.h"
#include "support/resident_file.h"
#include "ui/set_saving.h"

namespace mc {
namespace {

using test::Rec;

// A settings file whose six sets all print Meal Cards in 16 points with a
// top margin of 900, set 3 active, and a bottom note.
class DefaultSettings : public test::ControllerTest {
 protected:
  DefaultSettings() {
    c.facility = test::testFacility();
    for (int n = 1; n <= 6; ++n)
      t.put(path(), 300, n,
            Rec(300).field(23, 23, "X").field(52, 53, "16").field(97, 100, "900").field(145, 146, "3")
                .field(147, 158, "Everything").str());
    for (int n = 8; n <= 17; ++n) t.put(path(), 300, n, Rec(300).field(1, 20, "Dot" + std::to_string(n)).str());
    t.put(path(), 300, 21, Rec(300).field(1, 60, "Check the tray").str());
    c.settingsFile.GetSet(c.model);
  }
  std::string path() const { return c.settingsFile.path(); }
  std::string set(int n) const { return t.record(path(), 300, n); }

};

TEST_F(DefaultSettings, ResetToBuiltInDefaultsBlanksOnlyTheActiveSet) {
  const std::string others[] = {set(1), set(2), set(4), set(5), set(6)};
  dialogs.answerQuestions(Answer::Yes);
  Command17_Click(c);
  // Which values the blank set loads, and that the note and the names
  // survive, are the settings file's own tests; here the window takes them
  // and the active set stores them.
  EXPECT_EQ(trim(c.model.Text[14]) + "," + trim(c.model.Text[16]), "12,700");
  EXPECT_EQ(columns(set(3), 52, 53), "12");
  EXPECT_EQ(column(set(3), 22), 'X');
  EXPECT_EQ(column(set(3), 23), ' ');
  const std::string after[] = {set(1), set(2), set(4), set(5), set(6)};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(after[i], others[i]) << i;
  // The dot texts come back from the labels.
  EXPECT_EQ(columns(set(9), 1, 20), padCut("Dot9", 20));
}

TEST_F(DefaultSettings, ResetToADefaultFileReplacesTheWholeFile) {
  const std::string mealDefaults = Rec(300).field(23, 23, "X").field(52, 53, "14").str() + std::string(20 * 300, ' ');
  t.putFile(c.facility.folder(23) + "\\setup\\mcardset.ml", mealDefaults);
  dialogs.answerInput("Reset to Default Settings", "2");
  Command18_Click(c);
  EXPECT_EQ(t.read(path()), mealDefaults);
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[1].text,
            "Meal Card Default Settings Applied Successfully.\r\n\r\nNote:Your Printer Driver was Set to the\r\n"
            "Default Printer Driver Also.");
  EXPECT_EQ(dialogs.shown()[1].title, "Reset to Default Settings");
  EXPECT_EQ(trim(c.model.Text[14]), "14");
  EXPECT_EQ(trim(c.model.Text[36]), "");  // the default file's note
}

TEST_F(DefaultSettings, ResetAnsweredNoOrToAMissingOrUnknownDefaultFileChangesNothing) {
  const std::string before = t.read(path());
  for (Answer a : {Answer::No, Answer::Cancel}) {
    dialogs.answerQuestions(a);
    Command17_Click(c);
  }
  EXPECT_EQ(trim(c.model.Text[14]), "16");
  dialogs.clear();
  dialogs.answerInput("Reset to Default Settings", "3");
  Command18_Click(c);
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[1].text, c.facility.folder(23) + "\\setup\\mcardset.sm Default Setting File NOT Found.");
  dialogs.clear();
  for (const char* answer : {"4", ""}) {
    dialogs.answerInput("Reset to Default Settings", answer);
    Command18_Click(c);
  }
  EXPECT_EQ(dialogs.shown().size(), 2u);  // the two input boxes only
  EXPECT_EQ(t.read(path()), before);
}

}  // namespace
}  // namespace mc
