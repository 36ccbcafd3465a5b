// Character-aware search on long texts: time should grow linearly with the
// text's length, in UTF-8 and in CP932 (where 表 and ソ end in a backslash
// byte, so a byte search meets many false hits).

#include <benchmark/benchmark.h>

#include <string>

#include "text/CodePage.h"
#include "text/CharText.h"
#include "text/StringCut.h"

namespace {

using hb::TCodePage;

std::string In(TCodePage cp, const std::string& utf8) {
  return cp == TCodePage::Utf8 ? utf8 : hb::Utf8ToCp932(utf8).value();
}

// A run of Japanese folder names, about `bytes` long.
std::string Folders(TCodePage cp, std::size_t bytes) {
  const std::string unit = In(cp, "表示ソフト\\色見本フォルダ\\");
  std::string text;
  text.reserve(bytes + unit.size());
  while (text.size() < bytes) text += unit;
  return text;
}

void Finish(benchmark::State& state) {
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_CharInStrMiss(benchmark::State& state, TCodePage cp) {
  const std::string text = Folders(cp, static_cast<std::size_t>(state.range(0)));
  const std::string sub = In(cp, "緑.hb");
  for (auto _ : state) benchmark::DoNotOptimize(hb::CharInStr(text, sub, cp));
  Finish(state);
}

void BM_CharInStrHitAtEnd(benchmark::State& state, TCodePage cp) {
  const std::string sub = In(cp, "緑.hb");
  const std::string text = Folders(cp, static_cast<std::size_t>(state.range(0))) + sub;
  for (auto _ : state) benchmark::DoNotOptimize(hb::CharInStr(text, sub, cp));
  Finish(state);
}

// A backslash byte in every character and not one backslash character: every
// byte hit must be checked against the character boundaries.
void BM_CharInStrFalseHits(benchmark::State& state, TCodePage cp) {
  std::string text;
  const std::string hyo = In(cp, "表");
  while (text.size() < static_cast<std::size_t>(state.range(0))) text += hyo;
  for (auto _ : state) benchmark::DoNotOptimize(hb::CharInStr(text, "\\", cp));
  Finish(state);
}

void BM_StringCutLast(benchmark::State& state, TCodePage cp) {
  const std::string text = Folders(cp, static_cast<std::size_t>(state.range(0))) + In(cp, "緑.hb");
  for (auto _ : state) benchmark::DoNotOptimize(hb::StringCut(text, "\\", hb::cpThrough, false, cp));
  Finish(state);
}

#define HB_TEXT_BENCH(fn)                                                                        \
  BENCHMARK_CAPTURE(fn, utf8, TCodePage::Utf8)->RangeMultiplier(4)->Range(1 << 10, 1 << 20)->Complexity(benchmark::oN); \
  BENCHMARK_CAPTURE(fn, cp932, TCodePage::Cp932)->RangeMultiplier(4)->Range(1 << 10, 1 << 20)->Complexity(benchmark::oN)

HB_TEXT_BENCH(BM_CharInStrMiss);
HB_TEXT_BENCH(BM_CharInStrHitAtEnd);
HB_TEXT_BENCH(BM_CharInStrFalseHits);
HB_TEXT_BENCH(BM_StringCutLast);

} // namespace

BENCHMARK_MAIN();
