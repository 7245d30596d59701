#include "platform/qt_program_launcher.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>

#include <fstream>

#include "data/text.h"

namespace mc {

namespace fs = std::filesystem;

namespace {

QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }
QString qs(const fs::path& path) { return QString::fromStdString(path.string()); }

// What a message names: host paths are UTF-8, messages Windows-1252.
std::string shown(const fs::path& path) { return utf8ToCp1252(path.string()); }

bool isExecutableFile(const fs::path& path) {
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  if (ec || !fs::is_regular_file(st)) return false;
  const auto x = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
  return (st.permissions() & x) != fs::perms::none;
}

// A Windows executable starts with the DOS header's "MZ".
bool isWindowsExecutable(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  char magic[2] = {};
  return in.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z';
}

std::string findOnPath(const char* name) { return QStandardPaths::findExecutable(name).toStdString(); }

}  // namespace

std::optional<QtProgramLauncher::Resolved> QtProgramLauncher::resolve(std::string_view program,
                                                                      std::string* tried) const {
  const auto say = [&](const std::string& note) {
    if (tried) *tried += (tried->empty() ? "" : "; ") + note;
  };
  const auto host = drives_.hostPath(program);
  if (!host) {
    say("drive not mapped under " + shown(drives_.driveFolder()));
    return std::nullopt;
  }
  const fs::path file = fs::absolute(*host);
  const std::string name = file.filename().string();
  if (name.size() > 4 && upper(name.substr(name.size() - 4)) == ".EXE") {
    const std::string windowsTwin(program.substr(0, program.size() - 4));
    if (const auto twin = drives_.hostPath(windowsTwin)) {
      const fs::path native = fs::absolute(*twin);
      if (isExecutableFile(native)) return Resolved{native, {}, false};
      std::error_code ec;
      say(shown(native) + (fs::exists(native, ec) ? " (not executable)" : " (no such program)"));
    }
  }
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) {
    say(shown(file) + " (no such file)");
    return std::nullopt;
  }
  if (isWindowsExecutable(file)) {
    const std::string wine = findOnPath("wine");
    if (!wine.empty()) return Resolved{wine, {file.string()}, true};
    say(shown(file) + " (a Windows program, and Wine is not installed)");
    return std::nullopt;
  }
  if (isExecutableFile(file)) return Resolved{file, {}, false};
  say(shown(file) + " (not executable)");
  return std::nullopt;
}

bool QtProgramLauncher::canStart(std::string_view program) const { return resolve(program).has_value(); }

bool QtProgramLauncher::hasDocumentViewer() const { return !findOnPath("xdg-open").empty(); }

LaunchResult QtProgramLauncher::launch(const ProgramCall& call) {
  LaunchResult result;
  Resolved how;
  if (call.program.empty()) {
    const std::string viewer = findOnPath("xdg-open");
    if (viewer.empty()) {
      result.failure = "No PDF viewer: xdg-open is not installed.";
      return result;
    }
    how.executable = viewer;
  } else {
    std::string tried;
    const auto resolved = resolve(call.program, &tried);
    if (!resolved) {
      result.failure = call.program + " could not be started. Tried: " + tried;
      return result;
    }
    how = *resolved;
  }

  QStringList arguments;
  for (const std::string& a : how.leadingArguments) arguments << qs(a);
  for (const std::string& file : call.files) {
    const auto host = drives_.hostPath(file);
    if (!host) {
      arguments << qs(cp1252ToUtf8(file));
      continue;
    }
    const fs::path absolute = fs::absolute(*host);
    // Wine's drive z: is the root of this machine.
    arguments << (how.throughWine ? "Z:" + qs(absolute).replace('/', '\\') : qs(absolute));
  }

  QProcess process;
  process.setProgram(qs(how.executable));
  process.setArguments(arguments);
  // A program of the family finds the same data through the same drive
  // folder; it starts in its own folder, as it would from its shortcut.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("MEALCARDS_DRIVES", qs(fs::absolute(drives_.driveFolder())));
  process.setProcessEnvironment(environment);
  const fs::path folder = how.throughWine ? fs::path(how.leadingArguments.front()).parent_path()
                                          : how.executable.parent_path();
  if (!call.program.empty()) process.setWorkingDirectory(qs(folder));

  const std::string name = call.program.empty() ? std::string("the PDF viewer ") + shown(how.executable)
                                                : call.program;
  if (!call.wait) {
    result.started = process.startDetached();
    if (!result.started) result.failure = name + " could not be started: " + process.errorString().toStdString();
    return result;
  }
  process.start();
  if (!process.waitForStarted(-1)) {
    result.failure = name + " could not be started: " + process.errorString().toStdString();
    return result;
  }
  result.started = true;
  if (QCoreApplication::instance()) {
    // The window is repainted while the program runs, but takes no clicks:
    // this program waits for the other one, as the user expects.
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning) loop.exec(QEventLoop::ExcludeUserInputEvents);
  } else {
    process.waitForFinished(-1);
  }
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  return result;
}

}  // namespace mc
