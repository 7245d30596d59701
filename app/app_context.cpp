#include "app_context.h"

#include <filesystem>
#include <iostream>
#include <sstream>

#include "data/facility_files.h"
#include "data/setup_file.h"
#include "data/text.h"
#include "printrun/run_paths.h"
#include "terminal_progress.h"

namespace mc::app {

namespace fs = std::filesystem;

namespace {

// The likeliest slip with --drives is a folder one level off: the folder
// that holds the drives folder (a Wine prefix instead of its dosdevices),
// or a drive folder itself. Nearby folders that do hold the setup file,
// looked for two levels down and one up; at most 400 folders are tried, so
// that a home folder given by mistake does not keep the user waiting.
std::vector<fs::path> foldersWithSetupFile(const fs::path& given) {
  std::vector<fs::path> found;
  int tries = 0;
  const auto holds = [&tries](const fs::path& dir) {
    return ++tries <= 400 && DriveMap(dir).fileExists(kSetupCandidate);
  };
  std::error_code ec;
  const auto subfolders = [&ec](const fs::path& dir) {
    std::vector<fs::path> out;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end && out.size() < 200; it.increment(ec))
      if (it->is_directory(ec) && !it->is_symlink(ec)) out.push_back(it->path());
    return out;
  };
  for (const fs::path& child : subfolders(given)) {
    if (tries > 400) break;
    if (holds(child)) found.push_back(child);
    for (const fs::path& grandchild : subfolders(child))
      if (holds(grandchild)) found.push_back(grandchild);
  }
  const fs::path parent = fs::absolute(given, ec).lexically_normal().parent_path();
  if (found.empty() && !parent.empty() && holds(parent)) found.push_back(parent);
  return found;
}

}  // namespace

AppContext::AppContext(const GlobalOptions& opts, DriveMap drives, Dialogs* shown, bool preview)
    : options(opts),
      problems(std::cerr),
      dialogs(&tellUser),
      devices(shown ? *shown : dialogs, preview),
      controller(std::move(drives), devices, clock) {
  controller.drives.setProblems(&problems);
  controller.barCoder = &barCoder;
  controller.pictureLoader = &QtPictures::shared();
  controller.launcher = &launcher;
}

std::unique_ptr<AppContext> AppContext::create(const GlobalOptions& options, Dialogs* shown, bool preview) {
  if (options.drives.empty()) {
    fail("no drive folder: give --drives DIR or set MEALCARDS_DRIVES");
    return nullptr;
  }
  std::error_code ec;
  if (!fs::is_directory(options.drives, ec)) {
    fail("the drive folder " + options.drives + " does not exist or is not a folder");
    return nullptr;
  }
  return std::unique_ptr<AppContext>(new AppContext(options, DriveMap(options.drives), shown, preview));
}

StartupOutcome AppContext::startUp(StartupSteps& steps) {
  const StartupOutcome outcome = Form_Load(controller, steps);
  if (outcome == StartupOutcome::Ready && options.date)
    controller.model.Text[15] = utf8ToCp1252(*options.date);
  return outcome;
}

int AppContext::reportStop(StartupOutcome outcome) const {
  const Facility& fac = controller.facility;
  const DriveMap& drives = controller.drives;
  switch (outcome) {
    case StartupOutcome::Ready:
      return kExitOk;
    case StartupOutcome::NoSetupFile: {
      const auto shown = [&](const std::string& path) {
        const auto host = drives.hostPath(path);
        return cp1252ToUtf8(path) + (host ? " (" + host->string() + ")" : std::string());
      };
      if (!fac.setupDamage.empty())
        return fail("the setup file " + shown(fac.SetupFilePath) + " " + fac.setupDamage +
                    ": the program ends here; restore the file from a backup");
      if (const std::string unusable = UnusableSetupFile(drives); !unusable.empty())
        return fail("the setup file " + shown(unusable) + " " + drives.absence(unusable) + ": the program ends here");
      std::ostringstream mapped;
      for (char d : drives.drives()) mapped << (mapped.tellp() > 0 ? ", " : "") << d;
      std::string findFiles;
      for (std::string_view f : kFindFiles) findFiles += ", " + std::string(f);
      // A find file that names a folder without "f.kvt" is the likeliest
      // mistake at a site that keeps its data elsewhere: say what it named.
      std::string named;
      for (std::string_view f : kFindFiles) {
        if (!CkDrv(drives, f)) continue;
        named = "; " + std::string(f) + " names the folder " +
                cp1252ToUtf8(findFileFolder(drives.readRecords(f, 40).record(1))) +
                ", which holds no f.kvt";
        break;
      }
      std::string hint;
      const std::vector<fs::path> nearby = foldersWithSetupFile(drives.driveFolder());
      for (const fs::path& dir : nearby)
        hint += (hint.empty() ? "; " + dir.string() : ", " + dir.string());
      if (!nearby.empty())
        hint += (nearby.size() == 1 ? " holds one: give --drives " + nearby.front().string()
                                    : " hold one: give --drives with the facility's folder");
      else if (mapped.str().empty())
        hint = "; a drives folder holds one folder per drive letter, c or c:, with c\\dnv\\setup\\F.kvt below c";
      return fail("no setup file: looked for " + std::string(kSetupCandidate) +
                  " on drives c, d, ..., z, a, b (mapped here: " +
                  (mapped.str().empty() ? std::string("none") : mapped.str()) + ")" + findFiles +
                  " under " + drives.driveFolder().string() + named + hint);
    }
    case StartupOutcome::NoDefaultRoster: {
      const std::string roster = rosterPath(fac, fac.defaultUnit);
      const auto host = drives.hostPath(roster);
      return fail("the roster of the default nursing unit " + std::to_string(fac.defaultUnit) + " " +
                  drives.absence(roster) + ": " + cp1252ToUtf8(roster) +
                  (host ? " (" + host->string() + ")" : std::string()) +
                  "; the program ends here");
    }
    case StartupOutcome::Ended:
      return kExitOk;
  }
  return kExitOk;
}

}  // namespace mc::app
