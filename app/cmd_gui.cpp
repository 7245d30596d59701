// mealcards gui [--screenshot DIR]: the main window and the Easy overlay.
// With --screenshot the window comes up as a person would see it after
// start-up, both windows are written as pictures, and the program leaves
// without saving anything (no display is needed for that).
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <algorithm>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include "app_context.h"
#include "data/atomic_file.h"
#include "data/card_date.h"
#include "data/text.h"
#include "facility_folder.h"
#include "ui/program_startup_steps.h"
#include "ui/run_lock.h"
#include "ui/window/easy_overlay_window.h"
#include "ui/window/main_window.h"
#include "ui/window/qt_dialogs.h"

namespace mc::app {

namespace {

// The window's picture with its caption above it, as the title bar shows it.
bool saveGrab(QWidget& widget, const QString& path) {
  const QPixmap inside = widget.grab();
  const int bar = widget.fontMetrics().height() + 10;
  QImage picture(inside.width(), inside.height() + bar, QImage::Format_RGB32);
  picture.fill(QColor(0x33, 0x4d, 0x80));
  QPainter painter(&picture);
  painter.setPen(Qt::white);
  painter.setFont(widget.font());
  painter.drawText(QRect(8, 0, inside.width() - 16, bar), Qt::AlignVCenter | Qt::AlignLeft, widget.windowTitle());
  painter.drawPixmap(0, bar, inside);
  painter.end();
  // Written as every file of ours: whole, and only as a file.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const Outcome written =
      picture.save(&buffer, "PNG")
          ? writeFileAtomically(path.toStdString(), std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())))
          : Failure{"the picture could not be encoded"};
  if (written) return true;
  std::cerr << "mealcards: cannot write " << path.toStdString() << ": " << written.error() << '\n';
  return false;
}

constexpr const char* kGeometryKey = "window/geometry";

// The program's own icon (the menu entry's), until a facility's icon file
// replaces it on the main window.
QIcon programIcon() {
  QIcon icon;
  for (int size : {32, 64, 256}) icon.addFile(QStringLiteral(":/icons/mealcards-%1.png").arg(size), QSize(size, size));
  return icon;
}

// The window's first size on a screen: all of its room but what a title
// bar and the frame take, up to the size that shows the preview page at
// full size and every setting without scrolling.
QSize firstSize(const QWidget& window, const QRect& room) {
  return (room.size() - QSize(12, 36)).boundedTo(QSize(1800, 1150)).expandedTo(window.minimumSizeHint());
}

// Runs a step that says on stderr why the program cannot go on; a window
// started from the menu has no terminal, so the person is shown it too.
int toldInTheWindow(bool window, const std::function<int()>& step) {
  std::ostringstream said;
  std::streambuf* terminal = std::cerr.rdbuf(said.rdbuf());
  const int code = step();
  std::cerr.rdbuf(terminal);
  std::cerr << said.str();
  if (window && code != kExitOk && !said.str().empty())
    QMessageBox::critical(nullptr, QStringLiteral("Meal Cards"),
                          QString::fromStdString(said.str()).remove(QStringLiteral("mealcards: ")).trimmed());
  return code;
}

// Sends what is still open; a window that printed nothing has nothing to
// send, and that is no failure.
int finishOutput(Controller& c) {
  RunReport outputs;
  c.finishOutput(outputs);
  for (const OutputFailure& f : outputs.failedOutputs) std::cerr << "mealcards: " << f.output << ": " << f.reason << '\n';
  return outputs.failedOutputs.empty() ? kExitOk : kExitFailed;
}

// The folder for pictures of the window ("" shows the window), from the
// command's arguments; the exit code when the window cannot be shown.
std::optional<int> readGuiArgs(const GlobalOptions& options, const std::vector<std::string>& args,
                               std::string& screenshots) {
  if (args.size() == 2 && args[0] == "--screenshot")
    screenshots = args[1];
  else if (!args.empty())
    return usageError("gui takes only --screenshot DIR");
  if (screenshots.empty() && !hasDisplay())
    return fail("no display to show the window on (DISPLAY is not set); use a command, or gui --screenshot DIR");
  if (!screenshots.empty() && !hasDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  std::string date = options.date ? utf8ToCp1252(*options.date) : "";
  if (options.date && !CheckDate(date))
    return usageError("--date " + *options.date + " is not a date MM-DD-YY");
  return std::nullopt;
}

// The size the window had when last closed; the pictures show it on a
// laptop's 1366 x 740 of room, whatever screen takes them.
void placeWindow(window::MainWindow& form1, bool pictures, const QSettings& remembered) {
  if (pictures)
    form1.resize(firstSize(form1, QRect(0, 0, 1366, 740)));
  else if (!form1.restoreGeometry(remembered.value(kGeometryKey).toByteArray()))
    form1.setGeometry(QRect(form1.screen()->availableGeometry().topLeft(),
                            firstSize(form1, form1.screen()->availableGeometry())));
}

// What start-up met (a damaged sample resident, a missing name table) is
// said before anyone prints.
void tellStartupProblems(const AppContext& context, Dialogs& shown) {
  if (context.problems.met().empty()) return;
  std::string text = "Start-up found problems; cards printed now may be incomplete:";
  for (const RunProblem& p : context.problems.met()) text += "\r\n" + p.shown() + " " + p.what;
  shown.message(text, Buttons::Ok, "Problems Found");
}

int takePictures(window::MainWindow& form1, const std::string& screenshots) {
  QDir().mkpath(QString::fromStdString(screenshots));
  const QString dir = QString::fromStdString(screenshots) + "/";
  QApplication::processEvents();
  const bool ok = saveGrab(form1, dir + "main.png") && saveGrab(form1.overlay(), dir + "overlay.png");
  return ok ? kExitOk : kExitFailed;
}

int runGui(const GlobalOptions& options, const std::vector<std::string>& args) {
  std::string screenshots;
  if (const std::optional<int> wrong = readGuiArgs(options, args, screenshots)) return *wrong;

  QElapsedTimer clock;
  clock.start();
  static int argc = 1;
  static char name[] = "mealcards";
  static char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  QApplication::setApplicationName("mealcards");
  QApplication::setOrganizationName("mealcards");
  QApplication::setWindowIcon(programIcon());

  // The command line's facility first; a window started from the menu
  // without one uses the folder of its last start, else asks for one.
  GlobalOptions facility = options;
  if (facility.drives.empty()) {
    const auto folder = rememberedOrChosenFacility(screenshots.empty());
    if (!folder) return fail("no facility folder: give --drives DIR or set MEALCARDS_DRIVES, or choose one in the window");
    facility.drives = *folder;
  }

  window::QtDialogs shownDialogs;
  std::unique_ptr<AppContext> context;
  if (const int code = toldInTheWindow(screenshots.empty(), [&] {
        context = AppContext::create(facility, screenshots.empty() ? &shownDialogs : nullptr, true);
        return context ? kExitOk : kExitFailed;
      });
      code != kExitOk)
    return code;
  Controller& c = context->controller;
  c.lockWaitSeconds = std::min(runLockWaitSeconds(), kWindowLockWaitSeconds);
  // Pictures of the window change nothing: start-up's writes (the lock of
  // its preview run, backup copies, settings, picture conversions) are
  // kept in memory, while the preview still shows the pictures it draws.
  if (!screenshots.empty()) c.drives.setDryRun(true, true);
  // Print jobs the queue did not take are shown after each run.
  c.showFailedJobs = screenshots.empty();

  // The printer: --pdf or --printer for the whole program run, else the
  // queue chosen in Combo1.
  if (const Outcome printing = c.startPrinting({options.pdf, options.printer, options.trace}); !printing)
    return fail(printing.error());

  window::MainWindow form1(c, *context->devices.screenPage());
  form1.saveWhenLeft = screenshots.empty();
  QSettings remembered;
  placeWindow(form1, !screenshots.empty(), remembered);
  ProgramStartupSteps steps(!screenshots.empty());
  steps.offerDefaults = screenshots.empty();
  if (screenshots.empty()) form1.show();
  const StartupOutcome outcome = context->startUp(steps);
  if (c.autoPrintLeft)
    std::cerr << "mealcards: " << kAutoPrintLeftNote << '\n';
  if (!c.startup) std::cerr << "mealcards: " << c.startup.error() << '\n';
  if (outcome == StartupOutcome::NoSetupFile || outcome == StartupOutcome::NoDefaultRoster)
    return toldInTheWindow(screenshots.empty(), [&] { return context->reportStop(outcome); });
  if (outcome == StartupOutcome::Ended) return finishOutput(c);
  form1.refresh();
  form1.show();
  form1.refresh();  // the overlay is placed in front of the window once it has its size
  c.showRunProblems = screenshots.empty();
  if (screenshots.empty()) tellStartupProblems(*context, shownDialogs);
  if (qEnvironmentVariableIsSet("MEALCARDS_STARTUP_TIME"))
    std::cerr << "mealcards: the window was up after " << clock.elapsed() << " ms\n";

  if (!screenshots.empty()) return takePictures(form1, screenshots);
  QObject::connect(&form1, &window::MainWindow::ended, &app, &QApplication::quit, Qt::QueuedConnection);
  app.exec();
  remembered.setValue(kGeometryKey, form1.saveGeometry());
  remembered.sync();
  if (remembered.status() != QSettings::NoError)
    std::cerr << "mealcards: cannot write " << remembered.fileName().toStdString()
              << ": the window's size is not remembered\n";
  return finishOutput(c);
}

const CommandRegistration gui("gui", "gui [--screenshot DIR] the window (the default with a display); with --screenshot, "
                                     "DIR/main.png and DIR/overlay.png after start-up",
                              &runGui);

}  // namespace

}  // namespace mc::app
