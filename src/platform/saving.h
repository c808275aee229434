// Whether the player's own files may be written: the highscore table and the
// settings. A replayed game is someone else's, so while one runs they are
// read but never written.
#pragma once

namespace platform {

// Allowed unless told otherwise.
void SetSavingAllowed(bool allowed);
bool SavingAllowed();

}  // namespace platform
