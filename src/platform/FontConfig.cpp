#include "platform/FontConfig.h"

#include <fontconfig/fontconfig.h>

namespace hb {

void LoadFontConfig() { FcInit(); }

} // namespace hb
