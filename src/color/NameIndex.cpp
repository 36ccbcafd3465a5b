#include "color/NameIndex.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_set>

#include "text/Translate.h"

namespace hb {
namespace {

using ext = long double;

// CIEDE2000's lightness weight for the mean lightness of a pair.
double LightnessWeight(double L1, double L2) {
  const double Lbar = (L1 + L2) / 2;
  const double L50 = (Lbar - 50) * (Lbar - 50);
  return 1 + 0.015 * L50 / std::sqrt(20 + L50);
}

// Rounding, in the bounds and in DeltaE2000, may put a bound a hair on the
// wrong side of a difference; a candidate is passed over only when its bound
// clears the best by far more than that.
constexpr double kSlack = 1 - 1e-9;

} // namespace

TNameIndex::TNameIndex(std::vector<TNamedColor> names) : names_(std::move(names)) {
  std::unordered_set<std::uint32_t> seen;
  byLightness_.reserve(names_.size());
  for (std::size_t i = 0; i < names_.size(); ++i) {
    const TRGBBytes c = names_[i].Color;
    // A colour named twice answers with its first name: a later one could never be nearer.
    if (!seen.insert(ColorValue(c.R, c.G, c.B)).second) continue;
    const TLab lab = SRGBToLabD65(c.R, c.G, c.B);
    byLightness_.push_back({double(lab.L), double(lab.a), double(lab.b), double(std::hypot(lab.a, lab.b)), lab,
                            std::uint32_t(i)});
  }
  std::stable_sort(byLightness_.begin(), byLightness_.end(),
                   [](const TEntry& x, const TEntry& y) { return x.L < y.L; });
}

// CIEDE2000 is no metric, and a whole difference costs microseconds in
// extended precision, so a name is compared only when cheap bounds leave it a
// chance. With l, c, h the weighted lightness, chroma and hue differences,
// ΔE² = l² + c² + h² + RT·c·h, where |RT| ≤ RC·sin 60°:
//   ΔE ≥ |l| = |ΔL| / SL, which grows with |ΔL| (SL's slope is under 0.02),
//       so a walk outwards in lightness stops at the first entry beyond a
//       difference some name is known not to exceed;
//   ΔE² ≥ l² + c² + h² − RC·sin 60°·|c|·|h|, with c worked out exactly (it
//       depends on the pair's chromas alone), and |h| = |ΔH'| / SH known to
//       lie between the values that T's least and greatest values (0.362 and
//       1.573 over all hues) give SH: the smallest value of the quadratic in
//       |h| over that range bounds the rest. |ΔH'| comes from the identity
//       ΔH'² = Δa'² + Δb² − ΔC'², without any angle. With +RT and |h| at
//       the top of its range the same quadratic bounds ΔE² from above.
std::optional<TNearestColor> TNameIndex::Nearest(TRGBBytes color) const {
  compared_ = 0;
  if (byLightness_.empty()) return std::nullopt;
  const TLab q = SRGBToLabD65(color.R, color.G, color.B);
  // The bounds are worked in double, which is several times faster than
  // extended precision here; kSlack covers the difference many times over.
  const double qL = double(q.L), qa = double(q.a), qb = double(q.b);
  const double qC = std::sqrt(qa * qa + qb * qb);
  constexpr double k25To7 = 6103515625.0;
  constexpr double kSin60 = 0.8660254037844386;
  auto pow7 = [](double x) {
    const double x2 = x * x;
    return x2 * x2 * x2 * x;
  };

  // Both bounds of one entry, from below and from above (the same quadratic
  // at the far end of |h|'s range, with +RT): ΔE² lies between them.
  struct TBounds {
    double low2, high2;
  };
  auto bounds = [&](const TEntry& e, double l) {
    const double Cbar7 = pow7((qC + e.C) / 2);
    const double G = 0.5 * (1 - std::sqrt(Cbar7 / (Cbar7 + k25To7)));
    const double a1 = (1 + G) * qa, a2 = (1 + G) * e.a;
    const double C1 = std::sqrt(a1 * a1 + qb * qb), C2 = std::sqrt(a2 * a2 + e.b * e.b);
    const double dC = C2 - C1, da = a2 - a1, db = e.b - qb;
    const double dH = std::sqrt(std::max(0.0, da * da + db * db - dC * dC));
    const double Cp = (C1 + C2) / 2, Cp7 = pow7(Cp);
    const double c = std::fabs(dC) / (1 + 0.045 * Cp);
    const double hLow = dH / (1 + 0.015 * Cp * 1.5725), hHigh = dH / (1 + 0.015 * Cp * 0.362);
    const double k = 2 * std::sqrt(Cp7 / (Cp7 + k25To7)) * kSin60;
    const double h = std::clamp(k * c / 2, hLow, hHigh);
    return TBounds{l * l + c * c + h * h - k * c * h, l * l + c * c + hHigh * hHigh + k * c * hHigh};
  };

  // First the walk outwards in lightness, keeping every entry whose lower
  // bound does not exceed the least upper bound met so far; it ends on each
  // side at the first entry whose lightness alone puts it beyond that.
  double ceiling2 = INFINITY;  // no name is further than this, squared
  candidates_.clear();
  auto visit = [&](const TEntry& e) {
    const double l = std::fabs(e.L - qL) / LightnessWeight(qL, e.L);
    if (l * l * kSlack > ceiling2) return true;
    const TBounds b = bounds(e, l);
    if (b.low2 * kSlack > ceiling2) return false;
    ceiling2 = std::min(ceiling2, b.high2 / kSlack);
    candidates_.push_back({b.low2, std::uint32_t(&e - byLightness_.data())});
    return false;
  };
  const auto start = std::lower_bound(byLightness_.begin(), byLightness_.end(), qL,
                                      [](const TEntry& e, double L) { return e.L < L; });
  std::ptrdiff_t up = start - byLightness_.begin(), down = up - 1;
  const std::ptrdiff_t n = std::ptrdiff_t(byLightness_.size());
  bool upDone = up >= n, downDone = down < 0;
  while (!upDone || !downDone) {
    // The nearer side in lightness first, so the ceiling comes down soonest.
    const bool goUp = downDone || (!upDone && byLightness_[std::size_t(up)].L - qL <=
                                                  qL - byLightness_[std::size_t(down)].L);
    if (goUp) {
      upDone = visit(byLightness_[std::size_t(up)]) || ++up >= n;
    } else {
      downDone = visit(byLightness_[std::size_t(down)]) || --down < 0;
    }
  }

  // Then the whole differences, least lower bound first, until the next
  // lower bound is beyond the best difference found.
  std::sort(candidates_.begin(), candidates_.end());
  ext best = INFINITY;
  std::uint32_t bestIndex = 0;
  for (const auto& [low2, at] : candidates_) {
    if (low2 * kSlack > best * best) break;
    const TEntry& e = byLightness_[at];
    ++compared_;
    const ext d = DeltaE2000(q, e.lab);
    if (d < best || (d == best && e.index < bestIndex)) {
      best = d;
      bestIndex = e.index;
    }
  }
  return TNearestColor{bestIndex, best};
}

std::string NearestNameText(const TNamedColor& named, TRGBBytes color, long double deltaE) {
  if (named.Color == color) return Arg(Tr("TNameIndex", "＝%1"), named.Name);
  char number[32];
  std::snprintf(number, sizeof number, "%.1f", double(deltaE));
  return Args(Tr("TNameIndex", "近い色：%1 (ΔE %2)"), {named.Name, number});
}

} // namespace hb
