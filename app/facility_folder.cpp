#include "facility_folder.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <iostream>

#include "data/drive_map.h"
#include "data/setup_file.h"

namespace mc::app {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFacilityKey = "facility/drives";

bool holdsFacility(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec) && !FindSetupFile(DriveMap(folder)).empty();
}

// The folder a person most likely meant: one above (they opened drive c
// or a folder inside it) or one below (they stopped a level too high).
std::optional<fs::path> nearbyFacility(const fs::path& folder) {
  fs::path up = folder;
  for (int level = 0; level < 3 && up.has_parent_path() && up.parent_path() != up; ++level) {
    up = up.parent_path();
    if (holdsFacility(up)) return up;
  }
  std::error_code ec;
  int looked = 0;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end && looked < 200; it.increment(ec), ++looked)
    if (it->is_directory(ec) && holdsFacility(it->path())) return it->path();
  return std::nullopt;
}

}  // namespace

Outcome checkFacilityFolder(const fs::path& folder) {
  if (holdsFacility(folder)) return {};
  std::string why = folder.string() + " holds no facility: there is no setup file c\\dnv\\setup\\F.kvt " +
                    "(nor dnv\\setup\\F.kvt on another drive letter) under it.\n\n" +
                    "Choose the folder that holds one folder per drive letter (c, d, ...).";
  if (const auto near = nearbyFacility(folder)) why += "\n\n" + near->string() + " holds a facility.";
  return Failure{why};
}

std::optional<std::string> rememberedOrChosenFacility(bool mayAsk) {
  QSettings remembered;
  const QString last = remembered.value(kFacilityKey).toString();
  if (!last.isEmpty() && holdsFacility(last.toStdString())) return last.toStdString();
  if (!mayAsk) return std::nullopt;
  if (!last.isEmpty())
    QMessageBox::warning(nullptr, QStringLiteral("Meal Cards"),
                         QString::fromStdString(checkFacilityFolder(last.toStdString()).error()) +
                             QStringLiteral("\n\n(It was the facility folder of the last start.)"));
  QString start = last.isEmpty() ? QDir::homePath() : last;
  for (;;) {
    QFileDialog chooser(nullptr, QStringLiteral("Meal Cards: choose the facility folder (the one holding drive c)"),
                        start);
    chooser.setObjectName("FacilityChooser");
    chooser.setFileMode(QFileDialog::Directory);
    chooser.setOption(QFileDialog::ShowDirsOnly);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = chooser.selectedFiles().front();
    const Outcome holds = checkFacilityFolder(chosen.toStdString());
    if (holds) {
      remembered.setValue(kFacilityKey, chosen);
      remembered.sync();
      if (remembered.status() != QSettings::NoError)
        std::cerr << "mealcards: cannot write " << remembered.fileName().toStdString()
                  << ": the facility folder is not remembered for the next start\n";
      return chosen.toStdString();
    }
    QMessageBox::warning(nullptr, QStringLiteral("Meal Cards"), QString::fromStdString(holds.error()));
    start = chosen;
  }
}

}  // namespace mc::app
