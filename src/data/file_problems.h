// Where the readers and writers report what is wrong with a file: a data
// file that is damaged or too large to be one, a file of ours that could not
// be written. The data layer only names the problem; whoever runs the
// program decides how to show it (stderr, the run's summary, the exit code).
#pragma once

#include <string>

namespace mc {

enum class FileFault {
  Damaged,      // read, but its shape is not what the facility's programs write
  TooLarge,     // refused unread: no real data file is that large
  Missing,      // named by another file but not there
  Unreadable,   // there, but the system refused to read it (permission, a folder in its place)
  WriteFailed,  // a file of ours: the old file stays as it was
};

struct FileProblem {
  FileFault fault = FileFault::Damaged;
  std::string path;    // as the data names it ("c:\dnv\res\dataDM\RS00001.DM")
  std::string detail;  // what is wrong, for people
  std::string where;   // its place on this machine, "" when it is the path itself
  // The path for people: the Windows path with its place on this machine.
  std::string shown() const { return where.empty() ? path : path + " (" + where + ")"; }
};

class FileProblems {
 public:
  virtual ~FileProblems() = default;
  virtual void report(const FileProblem& problem) = 0;
};

// Data files larger than this are refused by name: the largest the
// facility's programs write (a roster of a large unit, a year of menus) are
// well under a megabyte, and reading a runaway file whole could exhaust the
// memory.
inline constexpr unsigned long long kMaxDataFileBytes = 8ull << 20;

}  // namespace mc
