#include "platform/saving.h"

namespace platform {
namespace {
bool g_allowed = true;
}  // namespace

void SetSavingAllowed(bool allowed) { g_allowed = allowed; }
bool SavingAllowed() { return g_allowed; }

}  // namespace platform
