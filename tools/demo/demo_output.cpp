// The demo facility's output folder (folder 42): the program writes its
// text cards into its "cards" folder, which a site sets up with the tree.
#include <filesystem>
#include <iostream>

#include "demo.h"

namespace mc::demo {

namespace {

void writeOutputFolder(const DriveMap& drives, const DemoOptions&) {
  const auto host = drives.hostPath(folder(42) + "\\cards");
  std::error_code ec;
  if (!host || (!std::filesystem::create_directories(*host, ec) && ec)) {
    std::cerr << "make_demo_facility: cannot create " << folder(42) << "\\cards\n";
    std::exit(1);
  }
}

const DemoPart outputPart(60, "output folder", &writeOutputFolder);

}  // namespace

}  // namespace mc::demo
