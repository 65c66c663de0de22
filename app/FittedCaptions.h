#pragma once

// The captions of every window as fitted while the game was built, taken
// into use: a window then measures each caption once instead of size after
// size.
void UseFittedCaptions();
