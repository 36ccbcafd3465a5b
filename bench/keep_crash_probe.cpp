// Crash safety of the settings file: starts the program with N kept colours,
// asks its main window to close and kills it (SIGKILL) at a random moment of
// the close, many times over; after each kill the settings file must be
// whole and either the old file or the new one, byte for byte.
//   keep_crash_probe <program> <closes> [kept colours] [seed]   (needs an X server)
// The program's folder must be writable: the settings file lives beside it.

#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "ProgramProbe.h"

namespace {

using namespace probe;

std::string ReadAll(const std::string& path, bool* exists) {
  std::ifstream in(path, std::ios::binary);
  *exists = bool(in);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// The old file is put in place whole, as a finished earlier write would have.
void PutFile(const std::string& path, const std::string& bytes) {
  const std::string temp = path + ".seed";
  std::ofstream(temp, std::ios::binary) << bytes;
  std::rename(temp.c_str(), path.c_str());
}

Window Start(Display* display, const char* program, pid_t* pid) {
  return StartProgram(display, program, pid, std::chrono::seconds(30));
}

// Temporary files a killed writer left beside the settings file.
int Leftovers(const std::string& folder, bool remove) {
  int count = 0;
  if (DIR* dir = opendir(folder.c_str())) {
    while (dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name.size() > 4 && name[0] == '.' && name.compare(name.size() - 4, 4, ".tmp") == 0) {
        ++count;
        if (remove) std::remove((folder + "/" + name).c_str());
      }
    }
    closedir(dir);
  }
  return count;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <program> <closes> [kept colours] [seed]\n", argv[0]);
    return 2;
  }
  const char* program = argv[1];
  const int closes = std::atoi(argv[2]);
  const int kept = argc > 3 ? std::atoi(argv[3]) : 1000;
  std::mt19937 random(argc > 4 ? unsigned(std::atoi(argv[4])) : 20261208u);
  const std::string exe = program;
  const std::string folder = exe.substr(0, exe.rfind('/'));
  const std::string settings = exe + ".ini";

  // The old file: lower-case digits and a foreign section. The program reads
  // the same colours and writes them back in upper case: the new file.
  std::string old = "; written by hand\r\n[Window]\r\nLeft=10\r\n\r\n[Keep]\r\nCount=" + std::to_string(kept) + "\r\n";
  for (int i = 0; i < kept; ++i) {
    char text[8];
    std::snprintf(text, sizeof text, "%06x", unsigned(i * 2654435761u) & 0xFFFFFFu);
    old += std::to_string(i) + "=" + text + "\r\n";
  }

  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "no X display\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

  // One close left to finish gives the new file and how long a close takes.
  PutFile(settings, old);
  pid_t pid;
  Window window = Start(display, program, &pid);
  if (!window) {
    std::fprintf(stderr, "the main window did not appear\n");
    return 1;
  }
  const Clock::time_point asked = Clock::now();
  RequestClose(display, window);
  waitpid(pid, nullptr, 0);
  const double closeMs = Ms(asked, Clock::now());
  bool exists = false;
  const std::string fresh = ReadAll(settings, &exists);
  if (!exists || fresh == old || fresh.find("[Window]\r\nLeft=10") == std::string::npos) {
    std::fprintf(stderr, "an undisturbed close did not write the expected file\n");
    return 1;
  }
  std::printf("undisturbed close: %.1f ms; new file %zu bytes\n", closeMs, fresh.size());

  // Kills spread over the close and a little beyond it.
  std::uniform_real_distribution<double> moment(0.0, closeMs * 1.2);
  int sawOld = 0, sawNew = 0, torn = 0, lost = 0, finished = 0, leftovers = 0;
  for (int i = 0; i < closes; ++i) {
    PutFile(settings, old);
    window = Start(display, program, &pid);
    if (!window) {
      std::fprintf(stderr, "run %d: the main window did not appear\n", i + 1);
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      return 1;
    }
    const double delayMs = moment(random);
    RequestClose(display, window);
    usleep(useconds_t(delayMs * 1000));
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      ++finished;
    } else {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
    }
    const std::string now = ReadAll(settings, &exists);
    if (!exists) {
      ++lost;
      std::printf("run %d: settings file lost (kill after %.2f ms)\n", i + 1, delayMs);
    } else if (now == old) {
      ++sawOld;
    } else if (now == fresh) {
      ++sawNew;
    } else {
      ++torn;
      const std::string keep = settings + ".torn-" + std::to_string(i + 1);
      std::ofstream(keep, std::ios::binary) << now;
      std::printf("run %d: torn settings file (kill after %.2f ms), kept as %s\n", i + 1, delayMs, keep.c_str());
    }
    leftovers += Leftovers(folder, true);
    if ((i + 1) % 100 == 0) std::printf("%d closes: old %d, new %d, torn %d, lost %d\n", i + 1, sawOld, sawNew, torn, lost);
    std::fflush(stdout);
  }
  XCloseDisplay(display);
  std::printf("closes %d, kept colours %d: old file %d, new file %d (of which %d finished before the kill), "
              "torn %d, lost %d; temporary files left by killed writers %d\n",
              closes, kept, sawOld, sawNew, finished, torn, lost, leftovers);
  return torn == 0 && lost == 0 ? 0 : 1;
}
