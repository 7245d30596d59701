// The PDF backup's cost over a generated facility of 250 residents (10
// units of 25): the same print to a PDF with and without --backup, each in
// a process of its own so that its peak memory and CPU time are its own.
//
//   bench_backup [UNITS RESIDENTS]
//
// Per page of the store: the extra wall time the backup adds, divided by
// the pages stored. "cpu/wall" is the CPU time of all the program's threads
// over its wall time: near 1 or above, the store is kept busy by its
// encoders; far below 1, the run sits waiting.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Measured {
  double wall = 0, cpu = 0;
  long peakKb = 0;
  int exitCode = -1;
};

Measured run(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!freopen("/dev/null", "w", stderr)) _exit(127);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  Measured m;
  m.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  m.cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
  m.peakKb = usage.ru_maxrss;
  m.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return m;
}

int countPages(const fs::path& cards) {
  int n = 0;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(cards, ec))
    if (e.path().extension() == ".jpg") ++n;
  return n;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string units = argc > 2 ? argv[1] : "10";
  const std::string residents = argc > 2 ? argv[2] : "25";
  const fs::path dir = fs::temp_directory_path() / ("mealcards-bench-backup-" + std::to_string(getpid()));
  const fs::path drives = dir / "drives";
  const std::string generate = std::string(MEALCARDS_DEMO_GENERATOR) + " " + drives.string() + " --units " + units +
                               " --residents " + residents + " >/dev/null";
  if (std::system(generate.c_str()) != 0) {
    std::fprintf(stderr, "bench_backup: cannot generate the facility in %s\n", drives.c_str());
    return 1;
  }
  const auto print = [&](bool backup) {
    std::vector<std::string> args = {MEALCARDS_BINARY, "--drives", drives.string(), "--date", "07-04-27",
                                     "--pdf", (dir / "cards.pdf").string(), "print"};
    if (backup) args.push_back("--backup");
    return run(args);
  };
  std::printf("%-16s %6s %8s %8s %8s %10s\n", "run", "pages", "wall s", "cpu s", "cpu/wall", "peak MB");
  const Measured plain = print(false);
  std::printf("%-16s %6s %8.2f %8.2f %8.2f %10.1f\n", "print", "-", plain.wall, plain.cpu, plain.cpu / plain.wall,
              plain.peakKb / 1024.0);
  const Measured backup = print(true);
  const int pages = countPages(drives / "c" / "dnv" / "output" / "cards");
  std::printf("%-16s %6d %8.2f %8.2f %8.2f %10.1f\n", "print --backup", pages, backup.wall, backup.cpu,
              backup.cpu / backup.wall, backup.peakKb / 1024.0);
  if (pages > 0)
    std::printf("store: %.1f ms wall and %.1f ms CPU per page on top of the print\n",
                1000 * (backup.wall - plain.wall) / pages, 1000 * (backup.cpu - plain.cpu) / pages);
  fs::remove_all(dir);
  return plain.exitCode == 0 && backup.exitCode == 0 ? 0 : 1;
}
