// Starting the family's programs for real: small shell scripts stand in for
// the siblings, the menu-day picker, the PDF reader, Wine and xdg-open, in
// a throw-away drive folder. Each script records its command line (and the
// drive folder it was told) in a log beside the drive folder.
#include "platform/qt_program_launcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/commands.h"
#include "support/controller_test.h"
#include "ui/easy_overlay.h"
#include "ui/sibling_programs.h"

namespace mc {
namespace {

namespace fs = std::filesystem;

// PATH for the test: only the folder of the stand-in tools, so that a Wine
// or xdg-open of the machine does not answer.
class PathOnly {
 public:
  explicit PathOnly(const fs::path& dir) : old_(std::getenv("PATH") ? std::getenv("PATH") : "") {
    setenv("PATH", dir.c_str(), 1);
  }
  ~PathOnly() { setenv("PATH", old_.c_str(), 1); }

 private:
  std::string old_;
};

class Launcher : public test::ControllerTest {
 protected:
  Launcher() {
    fs::create_directories(tools);
    Facility& f = c.facility;
    f.Folders.assign(45, "c:\\dnv");
    f.Folders[23 - 1] = "c:\\dnv\\set";
    f.units = {{10, "North"}};
    t.putFile("c:\\dnv\\set\\setup\\keep", "");
    c.launcher = &launcher;
  }

  // A stand-in that appends "name: arguments | MEALCARDS_DRIVES" to the log,
  // then runs `body`.
  void script(const fs::path& path, const std::string& body = "") const {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "#!/bin/sh\nprintf '%s\\n' \"" << path.filename().string()
                        << ":$* | $MEALCARDS_DRIVES\" >> '" << log.string() << "'\n" << body << "\n";
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
  }
  fs::path host(const std::string& windowsPath) const { return fs::absolute(*t.drives().hostPath(windowsPath)); }
  void windowsProgram(const std::string& windowsPath) const { t.putFile(windowsPath, "MZ\x90\x00 a Windows program"); }
  std::string readLog() const { return test::readFile(log); }
  // The log of a program left running: wait until it has written `lines`.
  std::string waitForLog(size_t lines) const {
    for (int i = 0; i < 200; ++i) {
      const std::string text = readLog();
      if (static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) >= lines) return text;
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return readLog();
  }
  std::string drivesNote() const { return " | " + fs::absolute(t.root()).string() + "\n"; }

  fs::path tools = t.root() / "tools";
  const PathOnly path{tools};
  fs::path log = t.root() / "log";
  QtProgramLauncher launcher{c.drives};
};

TEST_F(Launcher, NativeProgramFirstThenWineElseItSaysWhatItTried) {
  const std::string picker = "c:\\dnv\\set\\Travolm.exe";
  windowsProgram(picker);
  script(t.root() / "c" / "dnv" / "set" / "TRAVOLM", "exit 3");  // the name in another case
  std::optional<int> code = ExecCmd(launcher, dialogs, {picker, {"c:\\dnv\\a.pdf"}});
  EXPECT_EQ(code, 3);
  EXPECT_EQ(readLog(), "TRAVOLM:" + host("c:\\dnv\\a.pdf").string() + drivesNote());

  fs::remove(t.root() / "c" / "dnv" / "set" / "TRAVOLM");
  fs::remove(log);
  script(tools / "wine");
  code = ExecCmd(launcher, dialogs, {picker, {"c:\\dnv\\a.pdf"}});
  EXPECT_EQ(code, 0);
  std::string zPath = "Z:" + host("c:\\dnv\\a.pdf").string();
  std::replace(zPath.begin(), zPath.end(), '/', '\\');
  EXPECT_EQ(readLog(), "wine:" + host(picker).string() + " " + zPath + drivesNote());

  fs::remove(tools / "wine");
  EXPECT_FALSE(launcher.canStart(picker));
  EXPECT_FALSE(ExecCmd(launcher, dialogs, {picker, {}}));
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, picker + " could not be started. Tried: " +
                                         host("c:\\dnv\\set\\Travolm").string() + " (no such program); " +
                                         host(picker).string() + " (a Windows program, and Wine is not installed)");
  EXPECT_FALSE(launcher.canStart("c:\\dnv\\set\\kestrin.exe"));
  EXPECT_FALSE(launcher.canStart("q:\\kestrin.exe"));
}

TEST_F(Launcher, MenuDayPickerIsWaitedForAndItsFileReadBack) {
  // The picker takes its time before it writes: only a launcher that waits
  // reads the new days.
  script(t.root() / "c" / "dnv" / "set" / "Travolm", "/bin/sleep 0.3; printf ' 14 2106-15-07' > setup/PutMD");
  easy::Command5_Click(c);
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(c.model.Text[5] + " " + c.model.Text[6] + " " + c.model.Text[15], "14 21 06-15-07");
  EXPECT_EQ(c.model.Overlay.Caption, "Menu Set to Print Menu Cycle Day #14  to 21");
}

TEST_F(Launcher, SiblingsStartLeftRunningAndOnlyTheResetProgramKeepsThisOneOpen) {
  script(t.root() / "c" / "dnv" / "set" / "zSorbel");
  script(t.root() / "c" / "dnv" / "set" / "Sorbel");
  script(t.root() / "c" / "dnv" / "set" / "fent", "/bin/sleep 1");  // still running when this one goes on
  const auto before = std::chrono::steady_clock::now();
  Command17_MouseUp(c, true);
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(800));
  EXPECT_FALSE(c.Ended);
  Command16_Click(c);
  EXPECT_TRUE(c.Ended);
  const std::string text = waitForLog(2);
  EXPECT_NE(text.find("fent:" + drivesNote()), std::string::npos) << text;
  EXPECT_NE(text.find("zSorbel:" + drivesNote()), std::string::npos) << text;
  EXPECT_EQ(text.find("\nSorbel:"), std::string::npos) << text;
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Launcher, BackupOpensInTheReaderElseInTheDesktopViewer) {
  t.putFile("c:\\dnv\\cards\\TC.pdf", "%PDF-1.4");
  script(tools / "xdg-open");
  easy::Command6_Click(c);
  EXPECT_EQ(readLog(), "xdg-open:" + host("c:\\dnv\\cards\\TC.pdf").string() + drivesNote());

  fs::remove(log);
  script(t.root() / "c" / "Program Files" / "Adobe" / "Acrobat 6.0" / "Reader" / "AcroRd32");
  easy::Command6_Click(c);
  EXPECT_EQ(readLog(), "AcroRd32:" + host("c:\\dnv\\cards\\TC.pdf").string() + drivesNote());
  EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace
}  // namespace mc
