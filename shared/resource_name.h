#ifndef VEBO_RESOURCE_NAME_H
#define VEBO_RESOURCE_NAME_H
// A resource.h writes each resource name once, as a bare word the .rc file takes as it is;
// RESOURCE_NAME turns it into the text the code loads it by.
#define RESOURCE_TEXT(word) #word
#define RESOURCE_NAME(id) RESOURCE_TEXT(id)
#endif
