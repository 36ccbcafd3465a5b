#include "platform/FontConfig.h"

#include <fontconfig/fontconfig.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

namespace hb {

void LoadFontConfig() { FcInit(); }

std::future<void> StartFontConfig(std::function<void()> then) {
  return std::async(std::launch::async, [then = std::move(then)] {
    // Linux keeps a nice value per thread, named by its thread id. On two
    // cores this thread, the display server and the interface's thread all
    // want one: the interface's goes first.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
    LoadFontConfig();
    if (then) then();
  });
}

} // namespace hb
