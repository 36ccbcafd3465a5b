// Whole-program start-up: time from starting the program until its main
// window is mapped and painted, and the program's peak memory (VmHWM).
//   startup_probe <program> [runs]       (needs an X server: xvfb-run)
// The window counts as painted when the centre of the big colour swatch shows
// the start-up colour, white.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "ProgramProbe.h"

namespace {

using namespace probe;

long PeakRssKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

unsigned long PixelAt(Display* display, Window window, int x, int y) {
  XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return 0;
  const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
  XDestroyImage(image);
  return pixel;
}

struct Run {
  double mappedMs = -1;
  double paintedMs = -1;
  long peakKb = -1;
};

Run StartOnce(Display* display, const char* program) {
  Run run;
  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  Clock::time_point mappedAt;
  const Window main = StartProgram(display, program, &pid, std::chrono::seconds(20), &mappedAt);
  if (main) run.mappedMs = Ms(start, mappedAt);
  const Clock::time_point deadline = start + std::chrono::seconds(20);
  // The swatch's centre: window (8, 32) + swatch (5, 18) + half of 240.
  while (main && Clock::now() < deadline) {
    if (PixelAt(display, main, 133, 170) == 0xFFFFFF) {
      run.paintedMs = Ms(start, Clock::now());
      break;
    }
    usleep(200);
  }
  usleep(300 * 1000);  // let it settle before reading its peak memory
  run.peakKb = PeakRssKb(pid);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  return run;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <program> [runs]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 2 ? std::atoi(argv[2]) : 10;
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "no X display\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  std::vector<double> mapped, painted, peak;
  for (int i = 0; i < runs; ++i) {
    const Run r = StartOnce(display, argv[1]);
    std::printf("run %2d: mapped %7.1f ms  painted %7.1f ms  peak RSS %6.1f MB\n", i + 1, r.mappedMs,
                r.paintedMs, r.peakKb / 1024.0);
    mapped.push_back(r.mappedMs);
    painted.push_back(r.paintedMs);
    peak.push_back(r.peakKb / 1024.0);
  }
  std::printf("median: mapped %.1f ms, painted %.1f ms, peak RSS %.1f MB (max %.1f MB)\n", Median(mapped),
              Median(painted), Median(peak), *std::max_element(peak.begin(), peak.end()));
  XCloseDisplay(display);
  return 0;
}
