// Crafted INI files for the time and memory figures of the INI reader. One
// process per reading, so that its peak memory is the reading's own:
//   ini_cases make <case> <count> <path>   writes the file
//   ini_cases read <path>                  opens it, lists its sections, reads one key
// bench/ini_cases.sh runs every case at two sizes and prints the table.
//
// Cases (count means):
//   keys      one section, <count> keys whose names differ only in bit 0x20 of non-letters
//   sections  <count> such section names, one key each
//   brackets  <count> bytes of "["
//   random    <count> random bytes
//   palette   a palette of <count> bytes: named colours with R, G and B
//   tinykeys  <count> bytes of short distinct keys in one section
//   million   <count> sections of about 18 bytes, no keys
//   lonecr    one section, <count> keys, every line ended by a lone CR (old Mac files)

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "settings/IniFile.h"

namespace {

// Pairs of bytes that differ in bit 0x20 and are neither letters nor anything
// that shapes a line ("=", ";", "[", blanks, line breaks).
constexpr unsigned char kPairs[][2] = {
    {0x40, 0x60}, {0x5C, 0x7C}, {0x5E, 0x7E}, {0x5F, 0x7F}, {0x21, 0x01}, {0x23, 0x03},
    {0x24, 0x04}, {0x25, 0x05}, {0x26, 0x06}, {0x27, 0x07}, {0x28, 0x08}, {0x2B, 0x0B},
    {0x2C, 0x0C}, {0x2E, 0x0E}, {0x2F, 0x0F}, {0x30, 0x10}, {0x31, 0x11}, {0x32, 0x12},
    {0x33, 0x13}, {0x34, 0x14}, {0x35, 0x15}, {0x36, 0x16}};
constexpr int kBits = sizeof kPairs / sizeof kPairs[0];

std::string CollidingName(long i) {
  std::string name(kBits, ' ');
  for (int b = 0; b < kBits; ++b) name[std::size_t(b)] = char(kPairs[b][(i >> b) & 1]);
  return name;
}

std::string Base62(long i) {
  static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::string s;
  do {
    s += digits[i % 62];
    i /= 62;
  } while (i);
  return s;
}

std::string Make(const std::string& kind, long n) {
  std::string out;
  if (kind == "keys") {
    out = "[Keys]\r\n";
    for (long i = 0; i < n; ++i) out += CollidingName(i) + "=1\r\n";
  } else if (kind == "sections") {
    for (long i = 0; i < n; ++i) out += "[" + CollidingName(i) + "]\r\nR=1\r\n";
  } else if (kind == "brackets") {
    out.assign(std::size_t(n), '[');
  } else if (kind == "random") {
    std::mt19937_64 rng(42);
    out.resize(std::size_t(n));
    for (char& c : out) c = char(rng());
  } else if (kind == "palette") {
    for (long i = 0; long(out.size()) < n; ++i)
      out += "[Colour " + std::to_string(1000000 + i).substr(1) + " from the spring collection]\r\nR=" +
             std::to_string(i % 256) + "\r\nG=" + std::to_string(i * 7 % 256) + "\r\nB=" +
             std::to_string(i * 13 % 256) + "\r\n";
  } else if (kind == "tinykeys") {
    out = "[Keys]\n";
    for (long i = 0; long(out.size()) < n; ++i) out += Base62(i) + "=\n";
  } else if (kind == "lonecr") {
    out = "[Keys]\r";
    for (long i = 0; i < n; ++i) out += "key" + std::to_string(i) + "=1\r";
  } else if (kind == "million") {
    for (long i = 0; i < n; ++i) out += "[Section " + std::to_string(1000000 + i).substr(1) + "]\r\n";
  } else {
    std::fprintf(stderr, "unknown case %s\n", kind.c_str());
    std::exit(2);
  }
  return out;
}

double CpuSeconds() {
  rusage u{};
  ::getrusage(RUSAGE_SELF, &u);
  return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long PeakKb() {
  rusage u{};
  ::getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "make" && argc == 5) {
    std::ofstream(argv[4], std::ios::binary) << Make(argv[2], std::atol(argv[3]));
    return 0;
  }
  if (mode == "read" && argc == 3) {
    const long before = PeakKb();
    const double cpuStart = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    std::size_t sections = 0;
    std::string value;
    {
      const hb::TIniFile ini(argv[2]);
      const std::vector<std::string> names = ini.ReadSections();
      sections = names.size();
      value = ini.ReadString(names.empty() ? std::string("Keys") : names.back(), "R", "-");
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // seconds, CPU seconds, sections listed, peak KB before reading, peak KB after
    std::printf("%.3f %.3f %zu %ld %ld\n", seconds, CpuSeconds() - cpuStart, sections, before, PeakKb());
    return 0;
  }
  std::fprintf(stderr, "usage: ini_cases make <case> <count> <path> | read <path>\n");
  return 2;
}
