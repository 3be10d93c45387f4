#include "callerror.h"

int(WINAPI* callErrorBox)(HWND, LPCSTR, LPCSTR, UINT) = MessageBoxA;

const char* callErrorText(int code) {
    switch (code) {
    case kFileNotFound:
        return "File not found";
    case kPathNotFound:
        return "Path not found";
    case kAccessDenied:
        return "Network error";
    case kOutOfMemory:
        return "Out of memory";
    case kNoAssociation:
        return "No association defined for that file";
    case kNotShownHere:
        return "VeboWAVE cannot show this kind of file";
    case kPathTooLong:
        return "Path too long";
    default:
        return "Unknown error";
    }
}

void showCallError(int code) {
    callErrorBox(nullptr, callErrorText(code), "CallWAVE", MB_OK | MB_ICONEXCLAMATION);
}
