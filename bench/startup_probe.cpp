// Whole-program start-up, several programs side by side: each round starts
// every program once, in turn, so that a drift of the machine's speed touches
// them alike. For each start it takes
//   splash   the splash window's first paint (its picture's top-left shows),
//   mapped   the main window mapped,
//   painted  the main window painted (the centre of the big colour swatch
//            shows the start-up colour, white; an empty window is white there too),
//   peak     the peak memory (VmHWM) once the window has settled,
// and, for a program with a splash, two first uses after that:
//   selector the side panel's palette selector clicked until its list is painted,
//   version  the version command clicked until its dialog is painted (then closed),
//   editor   the palette editor's toolbar command clicked until its window is painted.
// A program given as "PATH --pick" is started with that option: its
// magnifier (unmanaged, 122 x 140, painted dark grey around its cells)
// stands for the main window.
//   startup_probe <rounds> <program> [<program> ...]     (needs an X server: xvfb-run)

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
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

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

long PeakRssKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

long PixelAt(Display* display, Window window, int x, int y) {
  XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return -1;
  const long pixel = long(XGetPixel(image, 0, 0) & 0xFFFFFF);
  XDestroyImage(image);
  return pixel;
}

// Windows come and go while they are read (the splash closes): an error about
// one that vanished is no failure.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

enum class Kind { Other, Splash, Main, Version, Editor, Popup };

Kind KindOf(Display* display, Window window) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(display, window, &a)) return Kind::Other;
  if (a.override_redirect) return a.width == 122 && a.height == 140 ? Kind::Main : Kind::Popup;
  char* name = nullptr;
  Kind kind = Kind::Other;
  if (XFetchName(display, window, &name) && name) {
    if (std::strcmp(name, "Huebrook") == 0 && a.width == 398 && a.height == 195) kind = Kind::Splash;
    if (std::strcmp(name, "Huebrook") == 0 && a.width == 672 && a.height == 671) kind = Kind::Main;
    if (std::strcmp(name, "Huebrook Editor") == 0) kind = Kind::Editor;
    XFree(name);
  }
  // Its Japanese title is no STRING for XFetchName: known by its size.
  if (a.width == 345 && a.height == 224) kind = Kind::Version;
  return kind;
}

// Which windows have been mapped since the last call.
struct Maps {
  Window splash = 0, main = 0, version = 0, editor = 0, popup = 0;
  Clock::time_point mainAt;
  void Read(Display* display) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type != MapNotify) continue;
      const Window w = event.xmap.window;
      switch (KindOf(display, w)) {
        case Kind::Splash: splash = w; break;
        case Kind::Main: main = w; mainAt = Clock::now(); break;
        case Kind::Version: version = w; break;
        case Kind::Editor: editor = w; break;
        case Kind::Popup: popup = w; break;
        case Kind::Other: break;
      }
    }
  }
};

struct Run {
  double splashMs = -1, mappedMs = -1, paintedMs = -1, peakMb = -1;
  double selectorMs = -1, versionMs = -1, editorMs = -1;
};

// A left click at (x, y) of window; *pressed tells when the button went down.
void Click(Display* display, Window window, int x, int y, Clock::time_point* pressed) {
  Window child;
  int rx = 0, ry = 0;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rx, &ry, &child);
  XTestFakeMotionEvent(display, -1, rx, ry, 0);
  XSync(display, False);
  usleep(50 * 1000);  // the pointer is over the control before the press, as a hand would have it
  *pressed = Clock::now();
  XTestFakeButtonEvent(display, 1, True, 0);
  XTestFakeButtonEvent(display, 1, False, 0);
  XSync(display, False);
}

void PressKey(Display* display, KeySym key) {
  const KeyCode code = XKeysymToKeycode(display, key);
  XTestFakeKeyEvent(display, code, True, 0);
  XTestFakeKeyEvent(display, code, False, 0);
  XSync(display, False);
}

// Waits until the window that *slot names is mapped and its pixel (x, y)
// shows colour; the time from start. Qt's windows have no background of their
// own: until painted, they show what lies under them.
double TimeToPaint(Display* display, Maps& maps, Window Maps::*slot, int x, int y, long colour,
                   Clock::time_point start, Clock::time_point deadline) {
  while (Clock::now() < deadline) {
    maps.Read(display);
    if (const Window w = maps.*slot) {
      const long p = PixelAt(display, w, x, y);
      if (p == colour) return Ms(start, Clock::now());
    }
    usleep(200);
  }
  return -1;
}

Run StartOnce(Display* display, const char* program) {
  Run run;
  XSync(display, True);  // forget the events of earlier runs
  const Clock::time_point start = Clock::now();
  std::string path = program;
  const bool pick = path.size() > 7 && path.ends_with(" --pick");
  if (pick) path.resize(path.size() - 7);
  const pid_t pid = fork();
  if (pid == 0) {
    if (pick)
      execl(path.c_str(), path.c_str(), "--pick", static_cast<char*>(nullptr));
    else
      execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  const Clock::time_point deadline = start + std::chrono::seconds(20);
  Maps maps;
  while (Clock::now() < deadline && run.paintedMs < 0) {
    maps.Read(display);
    // The splash picture's top-left corner is a dark blue.
    if (maps.splash && run.splashMs < 0 && run.mappedMs < 0 && PixelAt(display, maps.splash, 20, 20) == 0x29304D)
      run.splashMs = Ms(start, Clock::now());
    if (maps.main) {
      run.mappedMs = Ms(start, maps.mainAt);
      const bool painted = pick ? PixelAt(display, maps.main, 0, 0) == 0x202020
                                : PixelAt(display, maps.main, 133, 170) == 0xFFFFFF;
      if (painted) run.paintedMs = Ms(start, Clock::now());
    }
    usleep(200);
  }
  usleep(300 * 1000);  // let it settle before reading its peak memory
  run.peakMb = PeakRssKb(pid) / 1024.0;

  if (maps.splash && maps.main) {
    // The selector: below the side panel's caption. Its list drops over it,
    // the chosen first item in the highlight colour.
    maps.popup = 0;
    Clock::time_point t;
    Click(display, maps.main, 318, 76, &t);
    run.selectorMs = TimeToPaint(display, maps, &Maps::popup, 4, 4, 0x308CC6, t, t + std::chrono::seconds(5));
    usleep(100 * 1000);
    PressKey(display, XK_Escape);
    usleep(200 * 1000);
    // The version command, fourth on the toolbar; the dialog's credits panel is white.
    Click(display, maps.main, 380, 13, &t);
    run.versionMs = TimeToPaint(display, maps, &Maps::version, 60, 80, 0xFFFFFF, t, t + std::chrono::seconds(5));
    usleep(100 * 1000);
    if (maps.version) Click(display, maps.version, 172, 204, &t);  // its close button
    usleep(200 * 1000);
    // The editor's toolbar command, second on the toolbar. The editor's
    // notice panel, once painted, is the face colour, which the HSV chart
    // under it never shows.
    Click(display, maps.main, 120, 13, &t);
    run.editorMs = TimeToPaint(display, maps, &Maps::editor, 5, 440, 0xEFEFEF, t, t + std::chrono::seconds(5));
    usleep(100 * 1000);
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  return run;
}

// Minimum, quartiles and maximum.
void PrintDistribution(const char* what, std::vector<double> v, const char* unit) {
  v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return x < 0; }), v.end());
  if (v.empty()) return;
  std::sort(v.begin(), v.end());
  auto at = [&](double q) { return v[std::size_t(q * double(v.size() - 1) + 0.5)]; };
  std::printf("  %-34s median %7.1f %s   min %7.1f  q1 %7.1f  q3 %7.1f  max %7.1f   (n=%zu)\n", what, at(0.5),
              unit, at(0), at(0.25), at(0.75), at(1), v.size());
}

double Median(std::vector<double> v) {
  v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return x < 0; }), v.end());
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <rounds> <program> [<program> ...]\n", argv[0]);
    return 2;
  }
  const int rounds = std::atoi(argv[1]);
  const int programs = argc - 2;
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "no X display\n");
    return 2;
  }
  XSetErrorHandler(IgnoreErrors);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  std::vector<std::vector<Run>> runs(static_cast<std::size_t>(programs));
  for (int r = 0; r < rounds; ++r) {
    // The order turns each round: no program always follows the same one.
    for (int k = 0; k < programs; ++k) {
      const int i = (r + k) % programs;
      const Run run = StartOnce(display, argv[2 + i]);
      std::printf("round %2d  %-40s splash %7.1f  mapped %7.1f  painted %7.1f ms  peak %5.1f MB  selector %6.1f  "
                  "version %6.1f  editor %6.1f ms\n",
                  r + 1, argv[2 + i], run.splashMs, run.mappedMs, run.paintedMs, run.peakMb, run.selectorMs,
                  run.versionMs, run.editorMs);
      std::fflush(stdout);
      runs[std::size_t(i)].push_back(run);
    }
  }
  for (int i = 0; i < programs; ++i) {
    const std::vector<Run>& v = runs[std::size_t(i)];
    auto column = [&](double Run::*field) {
      std::vector<double> out;
      for (const Run& run : v) out.push_back(run.*field);
      return out;
    };
    std::printf("== %s\n", argv[2 + i]);
    PrintDistribution("splash first paint", column(&Run::splashMs), "ms");
    PrintDistribution("main window mapped", column(&Run::mappedMs), "ms");
    PrintDistribution("main window painted", column(&Run::paintedMs), "ms");
    PrintDistribution("peak RSS", column(&Run::peakMb), "MB");
    PrintDistribution("first opening of the selector", column(&Run::selectorMs), "ms");
    PrintDistribution("first opening of the version dialog", column(&Run::versionMs), "ms");
    PrintDistribution("first opening of the editor", column(&Run::editorMs), "ms");
    // A machine-readable line for scripts.
    std::printf("median %s splash %.1f painted %.1f peak %.1f selector %.1f editor %.1f version %.1f\n", argv[2 + i],
                Median(column(&Run::splashMs)), Median(column(&Run::paintedMs)), Median(column(&Run::peakMb)),
                Median(column(&Run::selectorMs)), Median(column(&Run::editorMs)), Median(column(&Run::versionMs)));
  }
  XCloseDisplay(display);
  return 0;
}
