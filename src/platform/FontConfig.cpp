#include "platform/FontConfig.h"

#include <fontconfig/fontconfig.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace hb {

void LoadFontConfig() { FcInit(); }

std::future<void> StartFontConfig() {
  return std::async(std::launch::async, [] {
    // Linux keeps a nice value per thread, named by its thread id. On two
    // cores this thread, the display server and the interface's thread all
    // want one: the interface's goes first.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
    LoadFontConfig();
  });
}

} // namespace hb
