// The main window and the Easy overlay on the demo facility, driven with
// Qt Test's mouse and keys: what the settings file holds afterwards, byte
// by byte, and what the preview shows.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTimer>
#include <cmath>
#include <memory>

#include "data/text.h"
#include "platform/qt_surface.h"
#include "printrun/scripted_dialogs.h"
#include "render/counting_surface.h"
#include "support/fixed_clock.h"
#include "support/demo.h"
#include "support/recording_launcher.h"
#include "support/test_drives.h"
#include "ui/control_reactions.h"
#include "ui/program_startup_steps.h"
#include "ui/window/easy_overlay_window.h"
#include "ui/window/control_widgets.h"
#include "ui/window/main_window.h"
#include "ui/window/qt_dialogs.h"

namespace mc {
namespace {

// The row of the page frame's top line: the first row that is black over
// most of the page's width.
int frameTop(const QImage& page) {
  for (int y = 0; y < page.height(); ++y) {
    int black = 0;
    for (int x = 0; x < page.width(); ++x) black += page.pixelColor(x, y) == Qt::black;
    if (black > page.width() / 2) return y;
  }
  return -1;
}

int pixelsOf(const QImage& page, QColor color) {
  int n = 0;
  for (int y = 0; y < page.height(); y += 2)
    for (int x = 0; x < page.width(); x += 2)
      if (page.pixelColor(x, y) == color) ++n;
  return n;
}

// The demo facility started as the program starts, with the window over it.
class Window : public ::testing::Test {
 protected:
  void SetUp() override {
    test::makeDemoFacility(t.root());
    c = std::make_unique<Controller>(DriveMap(t.root()), dialogs, printers, today);
    c->screen = screen.get();
    c->printer = &printer;
    ProgramStartupSteps steps;
    ASSERT_EQ(Form_Load(*c, steps), StartupOutcome::Ready);
    form1 = std::make_unique<window::MainWindow>(*c, *screen);
    form1->show();
    dialogs.clear();
  }

  template <typename T>
  T* child(const char* name) {
    T* w = form1->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  std::string settings() const { return t.read(c->settingsFile.path()); }
  std::string set(int n) const { return t.record(c->settingsFile.path(), 300, n); }
  std::vector<std::string> texts(const std::string& kind) const {
    std::vector<std::string> out;
    for (const auto& s : dialogs.shown())
      if (s.kind == kind) out.push_back(s.text);
    return out;
  }

  test::TempDrives t;
  ScriptedDialogs dialogs;
  FixedPrinterList printers{{}, ""};
  test::FixedClock today{{{2026, 12, 5}, 9, 0, 0}};
  std::unique_ptr<QtSurface> screen = QtSurface::screen();
  CountingSurface printer{true};
  std::unique_ptr<Controller> c;
  std::unique_ptr<window::MainWindow> form1;
};

TEST_F(Window, NumberFieldsColourHandlesAndTheYellowHiliteQuestion) {
  auto* text16 = child<QLineEdit>("Text16");
  text16->setText("700");
  QTest::keyClick(text16, Qt::Key_Return);
  const int top700 = frameTop(screen->image());
  text16->setFocus();
  text16->setCursorPosition(0);
  QTest::keyClicks(text16, "3");
  EXPECT_EQ(text16->text().trimmed(), "300");
  QTest::keyClick(text16, Qt::Key_Return);
  EXPECT_EQ(columns(set(1), 97, 100), "300 ");
  // 400 twips less margin: the page comes up by 400/1440 inch.
  EXPECT_NEAR(top700 - frameTop(screen->image()), 400.0 / 1440 * QtSurface::kScreenDpi, 2);

  // The up-down arrows stop at their last value.
  auto* up = child<window::UpDownArrows>("UpDown3");
  c->model.Text[33] = "598";
  form1->refresh();
  QTest::mouseClick(up->upButton(), Qt::LeftButton);
  QTest::mouseClick(up->upButton(), Qt::LeftButton);  // 599 is the last watermark
  EXPECT_EQ(child<QLineEdit>("Text33")->text().trimmed(), "599");
  EXPECT_EQ(columns(set(1), 228, 230), "599");

  // The right button raises the second control colour by 10, the left one
  // lowers it; the next save stores it.
  auto* label11 = child<QLabel>("Label11");
  const int32_t before = handleColor(c->model, ColorHandle::Label11);
  QTest::mouseClick(label11, Qt::RightButton);
  QTest::mouseClick(label11, Qt::RightButton);
  QTest::mouseClick(label11, Qt::LeftButton);
  EXPECT_EQ(child<QLabel>("Label1")->palette().color(QPalette::Window), window::toQColor(before + 10));
  QTest::mouseClick(child<QCheckBox>("Check10"), Qt::LeftButton);
  EXPECT_EQ(columns(t.record(c->settingsFile.path(), 300, 8), 21, 30), padCut(numberText(before + 10), 10));

  const std::string marker = c->facility.folder(2) + "\\NoYel";
  auto* check3 = child<QCheckBox>("Check3");
  const bool ticked = check3->isChecked();
  dialogs.answerQuestions(Answer::Yes);
  QTest::mouseClick(check3, Qt::RightButton);
  EXPECT_TRUE(t.exists(marker));
  EXPECT_EQ(check3->isChecked(), ticked);  // the right button asks, it does not tick
  dialogs.answerQuestions(Answer::No);
  QTest::mouseClick(check3, Qt::RightButton);
  EXPECT_FALSE(t.exists(marker));
}

TEST_F(Window, TickingSelectLeavesOnlySelectTheNoteIsSavedAtEveryKeyAndEscapeKeepsTheFilter) {
  auto* check21 = child<QCheckBox>("Check21");
  auto* check22 = child<QCheckBox>("Check22");
  QTest::mouseClick(check22, Qt::LeftButton);
  ASSERT_TRUE(check22->isChecked());
  dialogs.clear();
  QTest::mouseClick(check21, Qt::LeftButton);
  EXPECT_TRUE(check21->isChecked());
  EXPECT_FALSE(check22->isChecked());
  EXPECT_EQ(set(1)[143], '1');  // Check21
  EXPECT_EQ(set(1)[231], '0');  // Check22
  EXPECT_EQ(texts("message"), std::vector<std::string>{kCheckMessages[21]});
  // Unticking shows nothing.
  dialogs.clear();
  QTest::mouseClick(check21, Qt::LeftButton);
  EXPECT_EQ(set(1)[143], '0');
  EXPECT_TRUE(dialogs.shown().empty());

  auto* note = child<QLineEdit>("Text36");
  note->setFocus();
  note->selectAll();
  QTest::keyClicks(note, "Soft foods");
  EXPECT_EQ(note->text().trimmed(), "Soft foods");
  EXPECT_EQ(columns(set(21), 1, 60), padCut("Soft foods", 60));

  c->model.Check[22] = 1;  // NonSelct: only Exit clears it
  form1->refresh();
  QTest::keyClick(child<QLineEdit>("Text16"), Qt::Key_Escape);  // from a field too
  EXPECT_TRUE(c->Ended);
  EXPECT_EQ(set(1)[231], '1');
}

// (What a save under a button stores, and that the other sets stay: the
// save_settings_under_a_button scenario.)
TEST_F(Window, SaveSettingsUnderAButtonTakesOnlyOneToSixAndARenameCancelledEmptiesIt) {
  const std::string before = settings();
  auto* command14 = child<QPushButton>("Command14");
  for (const char* answer : {"7", "0", "x"}) {
    dialogs.answerInput("", answer);
    QTest::mouseClick(command14, Qt::LeftButton);
  }
  EXPECT_EQ(settings(), before);
  EXPECT_TRUE(texts("message").empty());
  dialogs.answerInput("", "4");
  QTest::mouseClick(command14, Qt::LeftButton);
  EXPECT_EQ(texts("message"), std::vector<std::string>{" Current Settings Saved Under Button 4 ."});
  EXPECT_EQ(c->model.CurrentSet, 1);

  // A rename cancelled empties the button until the next load.
  auto* command8 = child<QPushButton>("Command8");
  ASSERT_EQ(command8->text().trimmed(), "Select Menu");
  dialogs.answerInput("Save Orange Button Settings", "3");
  dialogs.answerInput("Change Button Name", "");
  QTest::mouseClick(child<QLabel>("Label1"), Qt::RightButton);
  EXPECT_EQ(command8->text(), "");
  EXPECT_EQ(columns(set(1), 171, 182), std::string(12, ' '));
  // The ranges were not saved into set 3.
  QTest::mouseClick(child<QPushButton>("Command4"), Qt::LeftButton);
  EXPECT_EQ(command8->text(), "Option 3");
}

// The contrast ratio of two screen colours (1 to 21).
double contrast(const QColor& a, const QColor& b) {
  auto lum = [](const QColor& c) {
    auto ch = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * ch(c.redF()) + 0.7152 * ch(c.greenF()) + 0.0722 * ch(c.blueF());
  };
  const double x = lum(a), y = lum(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

TEST_F(Window, StripAndDotColoursCycleShowAtOnceReadOnAnyColourAndAreSavedWithTheNextSave) {
  auto* strip = child<QLabel>("Label13");
  const QColor first = strip->palette().color(QPalette::Window);
  const char stored = set(1)[232];
  std::vector<QColor> seen;
  for (int i = 0; i < 4; ++i) {
    QTest::mouseDClick(strip, Qt::LeftButton);
    seen.push_back(strip->palette().color(QPalette::Window));
  }
  EXPECT_EQ(seen.back(), first);
  EXPECT_EQ(set(1)[232], stored);
  for (int i = 0; i < 3; ++i) EXPECT_NE(seen[i], first) << i;

  // A dot colour changed shows at once and is saved only with the next save.
  const std::string before = settings();
  const QColor chosen(0x56, 0x34, 0x12);
  EXPECT_EQ(pixelsOf(screen->image(), chosen), 0);
  dialogs.answerColor(0x123456);
  QTest::mouseClick(child<QLabel>("Label5"), Qt::LeftButton);  // the pureed dot
  EXPECT_EQ(child<QLabel>("Label5")->palette().color(QPalette::Window), chosen);
  EXPECT_GT(pixelsOf(screen->image(), chosen), 100);
  // Every dot and strip reads on its colour, even one chosen dark.
  dialogs.answerColor(0x400000);  // dark blue for the regular dot
  QTest::mouseClick(child<QLabel>("Label2"), Qt::LeftButton);
  for (int n : {2, 4, 5, 7, 9, 17, 18, 19, 20, 13, 14, 15, 16}) {
    const QPalette p = child<QLabel>(("Label" + std::to_string(n)).c_str())->palette();
    EXPECT_GE(contrast(p.color(QPalette::WindowText), p.color(QPalette::Window)), 4.5) << "Label" << n;
  }
  EXPECT_EQ(settings(), before);
  QTest::mouseClick(child<QCheckBox>("Check10"), Qt::LeftButton);
  EXPECT_EQ(columns(set(11), 21, 30), padCut(" 1193046", 10));
}

TEST_F(Window, FitsALaptopScreenWithEveryCaptionWhole) {
  // 1366 x 768 less a desktop panel and the window's title bar and frame.
  const QSize room(1354, 704);
  ASSERT_LE(form1->minimumSizeHint().width(), room.width());
  ASSERT_LE(form1->minimumSizeHint().height(), room.height());
  form1->resize(room);
  QApplication::processEvents();
  EXPECT_EQ(form1->size(), room);
  int seen = 0;
  for (QWidget* w : form1->findChildren<QWidget*>()) {
    const auto* button = qobject_cast<QAbstractButton*>(w);
    const bool captioned = (button && !button->text().isEmpty()) || (qobject_cast<QLabel*>(w) && w->objectName() != "Picture1");
    if (!captioned || !w->isVisibleTo(form1.get())) continue;
    ++seen;
    EXPECT_GE(w->width(), w->minimumSizeHint().width()) << w->objectName().toStdString();
    EXPECT_GE(w->height(), w->minimumSizeHint().height()) << w->objectName().toStdString();
  }
  EXPECT_GT(seen, 100);
  // The captions of the ranges carry their Alt keys to the fields; a
  // caption without a field shows no "&".
  EXPECT_EQ(child<QLabel>("Label3")->buddy(), child<QLineEdit>("Text3"));
  for (QLabel* l : form1->findChildren<QLabel*>()) {
    if (l->buddy()) continue;
    EXPECT_FALSE(l->text().contains('&')) << l->objectName().toStdString();
  }
}

TEST_F(Window, ExitDuringARunAnsweredNoKeepsTheRunWithTheFiltersSaved) {
  c->model.Text[3] = "1";
  c->model.Text[4] = "3";
  c->model.Check[21] = 1;
  form1->refresh();
  bool keptRunning = false;
  char savedSelect = '?';
  QTimer::singleShot(0, [&] {
    dialogs.answerQuestions(Answer::No);
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    keptRunning = !c->Ended && child<QPushButton>("Command5")->isVisible();
    savedSelect = set(1)[143];
    dialogs.answerQuestions(Answer::Yes);
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
  });
  // Enter in the first menu day runs the walk-through, which waits for
  // "Next Res" after the first resident.
  QTest::keyClick(child<QLineEdit>("Text5"), Qt::Key_Return);
  EXPECT_TRUE(keptRunning);
  EXPECT_EQ(savedSelect, '0');
  EXPECT_EQ(texts("message"), (std::vector<std::string>{"Cancel Printing ?", "Cancel Printing ?"}));
  EXPECT_TRUE(c->Ended);
}

TEST_F(Window, TheOverlayMirrorsTheMainWindowFieldsAndThePickerFillsItAndProgramButtonsStartTheirPrograms) {
  window::EasyOverlayWindow& form2 = form1->overlay();
  EXPECT_TRUE(form2.isVisible());
  auto* days = form2.findChild<QLineEdit*>("Text3");
  days->setFocus();
  days->setCursorPosition(0);
  QTest::keyClicks(days, "4");
  QTest::keyClick(days, Qt::Key_Return);
  EXPECT_EQ(child<QLineEdit>("Text6")->text(), "4");
  auto* pattern = form2.findChild<QLineEdit*>("Text1");
  c->model.Overlay.MealOrderVisible = true;
  form1->refresh();
  pattern->setText("bym");
  QTest::keyClick(pattern, Qt::Key_Return);
  EXPECT_EQ(child<QLineEdit>("Text20")->text(), "BYM");
  EXPECT_EQ(pattern->text(), "BYM");
  QTest::mouseClick(form2.findChild<QPushButton*>("Command4"), Qt::LeftButton);
  EXPECT_FALSE(form2.isVisible());
  // After "Advanced", a click on the preview leaves the overlay away.
  QTest::mouseClick(child<QLabel>("Picture1"), Qt::LeftButton);
  EXPECT_FALSE(form2.isVisible());

  // The program buttons start their programs, and the picker fills the overlay.
  test::RecordingLauncher launcher;
  c->launcher = &launcher;
  launcher.present = {"C:\\DNV\\TRAVOLM.EXE", "C:\\DNV\\FENT.EXE", "C:\\DNV\\KESTRIN.EXE"};
  launcher.onRun = [this] { t.putFile("c:\\dnv\\setup\\PutMD", " 14 21"); };
  form2.findChild<QPushButton*>("Command5")->click();
  EXPECT_EQ(form2.findChild<QLineEdit*>("Text2")->text(), "14");
  EXPECT_EQ(child<QLineEdit>("Text6")->text(), "21");
  EXPECT_EQ(form2.windowTitle(), "Menu Set to Print Menu Cycle Day #14  to 21");

  launcher.onRun = nullptr;
  QTest::mouseClick(child<QPushButton>("Command17"), Qt::RightButton);
  EXPECT_FALSE(c->Ended);
  QTest::mouseClick(child<QPushButton>("Command12"), Qt::LeftButton);
  EXPECT_TRUE(c->Ended);
  EXPECT_EQ(launcher.calls, (std::vector<std::string>{"c:\\dnv\\Travolm.exe", "c:\\dnv\\fent.exe &",
                                                      "c:\\dnv\\kestrin.exe &"}));
}

// (That the report shown is check's own, word for word: the
// check_shows_the_report scenario.)
TEST_F(Window, CheckShowsWhatPrintAllWouldDoWithoutAskingPrintingOrWriting) {
  t.drives().removeFile("c:\\dnv\\res\\dataMGC\\RS00102.~MGC");
  const auto before = test::treeSnapshot(t.root());
  const std::string settingsBefore = c->model.Text[1] + c->model.Text[2] + c->model.Caption;

  window::EasyOverlayWindow& form2 = form1->overlay();
  QTest::mouseClick(form2.findChild<QPushButton*>("CommandCheck"), Qt::LeftButton);
  auto* shown = form2.findChild<QPlainTextEdit*>("CheckReportText");
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(shown->isVisible() && shown->isReadOnly());
  EXPECT_EQ(shown->toPlainText().toStdString().rfind("Check of Print ALL \u2014 Tray Cards, set 1: 1 finding\n", 0), 0u);

  // The card date question went to the check's own answers, not to the
  // user; nothing was printed, written or changed in the window.
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(printer.counts.texts, 0);
  EXPECT_EQ(test::treeSnapshot(t.root()), before);
  EXPECT_EQ(c->model.Text[1] + c->model.Text[2] + c->model.Caption, settingsBefore);
  EXPECT_FALSE(c->Ended);
  EXPECT_TRUE(form2.isVisible());

  // Print ALL afterwards prints for real, and asks for the date itself.
  QTest::mouseClick(form2.findChild<QPushButton*>("Command1"), Qt::LeftButton);
  EXPECT_GT(printer.counts.texts, 0);
  EXPECT_EQ(texts("input").size(), 1u);
  EXPECT_TRUE(c->Ended);
}

TEST_F(Window, TheBmpButtonKeepsEachPictureUnderTheNextFreeNumber) {
  auto* bmp = child<QPushButton>("Command6");
  QTest::mouseClick(bmp, Qt::LeftButton);
  QTest::mouseClick(bmp, Qt::LeftButton);
  const std::string second = c->facility.folder(42) + "\\Menu\\Menu2.BMP";
  ASSERT_TRUE(t.exists(c->facility.folder(42) + "\\Menu\\Menu1.BMP"));
  ASSERT_TRUE(t.exists(second));
  EXPECT_EQ(form1->windowTitle().toStdString(), " Picture File " + second + " Created.");
  const QImage saved(QString::fromStdString(c->drives.hostPath(second)->string()));
  EXPECT_EQ(saved.size(), screen->image().size());
}

TEST(QtDialogs, AnswersComeBackAsThePersonGaveThem) {
  window::QtDialogs dialogs;
  // A box left open would hang the test: the timer always presses a button.
  auto press = [](auto find) {
    QTimer::singleShot(50, [find] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && find(w)) return;
    });
  };
  press([](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    if (box) box->button(QMessageBox::No)->click();
    return box != nullptr;
  });
  EXPECT_EQ(dialogs.message("Cancel Printing ?", Buttons::YesNo), Answer::No);
  press([](QWidget* w) {
    auto* box = qobject_cast<QInputDialog*>(w);
    if (!box) return false;
    box->setTextValue(QString::fromUtf8("Caf\u00e9"));
    box->accept();
    return true;
  });
  EXPECT_EQ(dialogs.input("Change Dot Text to ....", "Change Text", "NCS"), std::optional<std::string>("Caf\xe9"));
  press([](QWidget* w) {
    auto* box = qobject_cast<QInputDialog*>(w);
    if (box) box->reject();
    return box != nullptr;
  });
  EXPECT_EQ(dialogs.input("Save Current Settings", "", "1"), std::nullopt);
}

TEST(Gui, ScreenshotsOfBothWindowsAndNothingWrittenOrLeft) {
  const test::Demo d;
  // With the backup folder there, loading the sample resident would copy
  // its file; the preview run would take the facility's lock.
  std::filesystem::create_directories(d.dnv("kvtfsm"));
  const auto before = test::treeSnapshot(d.root);
  const auto shots = d.file("shots");
  const test::CommandResult r = d.run("gui --screenshot " + test::shellQuote(shots.string()));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const QImage main(QString::fromStdString((shots / "main.png").string()));
  const QImage overlay(QString::fromStdString((shots / "overlay.png").string()));
  EXPECT_GT(main.width(), 1000);
  EXPECT_GT(overlay.width(), 300);
  EXPECT_LT(overlay.width(), main.width());
  const auto after = test::treeSnapshot(d.root);
  for (const auto& [name, entry] : after) EXPECT_EQ(before.count(name), 1u) << name << " was left behind";
  for (const auto& [name, entry] : before) EXPECT_TRUE(after.count(name) && after.at(name) == entry) << name << " was changed";
}

}  // namespace
}  // namespace mc
