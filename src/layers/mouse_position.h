// The last mouse position, in the image's pixels: the window writes it, the
// gun follows it, and the frame scrolls when it rests at a screen edge.
#pragma once

extern int mausx, mausy;
