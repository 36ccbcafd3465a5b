#pragma once
// All the shared controls at once, for code that uses several of them.
#include "support/Form.h"
#include "support/GroupBox.h"
#include "support/Image.h"
#include "support/Panel.h"
#include "support/SpinEdit.h"
#include "support/StatusBar.h"
#include "support/Timer.h"
#include "support/TrackBar.h"
