#pragma once
// Whether the shell would answer a hand-off by starting this very player again: then the
// hand-off would never end, each player handing the file to the next.

// True when the program the shell opens the file with is this player's own file, named in any
// case or by its short name. The file is named as the hand-off would name it to the shell.
bool shellOpensWithThisPlayer(const char* fileName);
