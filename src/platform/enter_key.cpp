// Enter as the game sees it where Alt+Enter switches the display mode: that
// Enter must never confirm a name. Alt alone does not tell: a window manager
// moves the focus during the switch, and the key state read back afterwards
// may show Enter still down when Alt is already up.
#include "platform/internal.h"

namespace platform::internal {
namespace {

// The Enter of an Alt+Enter, until it is seen up.
bool g_enter_of_switch = false;

}  // namespace

void EnterSwitchedDisplay() { g_enter_of_switch = true; }
void EnterPressedAlone() { g_enter_of_switch = false; }

bool EnterCountsAsDown(bool enter_held, bool alt_held) {
    if (!enter_held) g_enter_of_switch = false;
    return enter_held && !g_enter_of_switch && !alt_held;
}

}  // namespace platform::internal
