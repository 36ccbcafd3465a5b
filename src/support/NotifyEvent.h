#pragma once

#include <functional>

class QObject;

namespace hb {

// An event handler slot that can be emptied (detached) and assigned again.
using TNotifyEvent = std::function<void(QObject* Sender)>;

} // namespace hb
