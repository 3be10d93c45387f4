#ifndef VEBOWAVE_RESOURCE_H
#define VEBOWAVE_RESOURCE_H
// Names of VeboWAVE's resources, included by player.rc and by the code (load them by
// RESOURCE_NAME(id)).
#include "resource_name.h"

#define IDI_ICOAPPLI ICOAPPLI // the program's icon and the window class's
#define IDB_PLAY PLAY         // button face while paused
#define IDB_PAUSE PAUSE       // button face while playing
#define IDB_STOP STOP
#define IDB_WAVE WAVE // the picture of a sound window

#endif
