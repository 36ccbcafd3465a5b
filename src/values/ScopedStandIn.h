#pragma once
// A test's stand-in for a system service, put in place for the life of the
// guard and taken out after it, whatever the test does in between.

namespace hb {

template <typename Service, void (*Install)(Service*)>
class TScopedStandIn {
 public:
  explicit TScopedStandIn(Service& standIn) { Install(&standIn); }
  ~TScopedStandIn() { Install(nullptr); }
  TScopedStandIn(const TScopedStandIn&) = delete;
  TScopedStandIn& operator=(const TScopedStandIn&) = delete;
};

} // namespace hb
