// New fliers, clouds and boats entering the scene from far outside the view.
#pragma once

// One frame's chance: two draws, and for a few of the values an object or two.
void zufallsobjekte();
