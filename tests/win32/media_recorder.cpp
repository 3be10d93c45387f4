#include "media_recorder.h"

#include "player/callerror.h"

#include <cstdio>

MciScript mciScript;
std::vector<MciRequest> mciRequests;
std::vector<std::string> errorBoxes;

namespace {

template <typename Record> Record& recordAt(DWORD_PTR parameters) {
    return *reinterpret_cast<Record*>(parameters);
}

void copyOpen(MciRequest& request, DWORD_PTR parameters) {
    if (request.flags & MCI_DGV_OPEN_PARENT) {
        auto& open = recordAt<MCI_DGV_OPEN_PARMSA>(parameters);
        request.parent = open.hWndParent;
        request.style = open.dwStyle;
    }
    // Both open records begin with the same fields.
    auto& open = recordAt<MCI_OPEN_PARMSA>(parameters);
    request.callback = open.dwCallback;
    request.deviceTypeNamed = open.lpstrDeviceType != nullptr;
    request.element = open.lpstrElementName != nullptr ? open.lpstrElementName : "(none)";
}

MCIERROR answerOpen(DWORD_PTR parameters) {
    MCIERROR result = mciScript.openResult;
    if (!mciScript.openResults.empty()) {
        result = mciScript.openResults.front();
        mciScript.openResults.pop_front();
    }
    if (result != 0)
        return result;
    recordAt<MCI_OPEN_PARMSA>(parameters).wDeviceID = mciScript.deviceId;
    mciScript.openDevices.insert(mciScript.deviceId);
    return 0;
}

MCIERROR answerStatus(DWORD_PTR parameters) {
    auto& status = recordAt<MCI_STATUS_PARMS>(parameters);
    auto failure = mciScript.statusFailures.find(status.dwItem);
    if (failure != mciScript.statusFailures.end())
        return failure->second;
    switch (status.dwItem) {
    case MCI_STATUS_LENGTH:
        status.dwReturn = mciScript.length;
        break;
    case MCI_STATUS_POSITION:
        if (!mciScript.positions.empty()) {
            mciScript.position = mciScript.positions.front();
            mciScript.positions.pop_front();
        }
        status.dwReturn = mciScript.position;
        break;
    case MCI_STATUS_MODE:
        status.dwReturn = mciScript.mode;
        break;
    case MCI_DGV_STATUS_FRAME_RATE:
        if (mciScript.frameRate == 0)
            return MCIERR_UNRECOGNIZED_COMMAND;
        status.dwReturn = mciScript.frameRate;
        break;
    default:
        return MCIERR_UNSUPPORTED_FUNCTION;
    }
    return 0;
}

MCIERROR WINAPI recordRequest(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                              DWORD_PTR parameters) {
    MciRequest request = {};
    request.device = device;
    request.message = message;
    request.flags = static_cast<DWORD>(flags);
    request.record = parameters;
    MCIERROR result = 0;
    auto scripted = mciScript.failures.find(message);
    MCIERROR failed = scripted != mciScript.failures.end() ? scripted->second : 0;
    // Like MCI, a device that is not open answers nothing.
    if (message != MCI_OPEN && mciScript.openDevices.count(device) == 0)
        failed = MCIERR_INVALID_DEVICE_ID;
    switch (message) {
    case MCI_OPEN:
        copyOpen(request, parameters);
        result = answerOpen(parameters);
        break;
    case MCI_STATUS: {
        auto& status = recordAt<MCI_STATUS_PARMS>(parameters);
        request.callback = status.dwCallback;
        request.item = status.dwItem;
        if (failed == 0)
            result = answerStatus(parameters);
        break;
    }
    case MCI_PLAY: {
        auto& play = recordAt<MCI_PLAY_PARMS>(parameters);
        request.callback = play.dwCallback;
        request.from = play.dwFrom;
        request.to = play.dwTo;
        break;
    }
    case MCI_SEEK: {
        auto& seek = recordAt<MCI_SEEK_PARMS>(parameters);
        request.callback = seek.dwCallback;
        request.to = seek.dwTo;
        break;
    }
    case MCI_WINDOW: {
        auto& window = recordAt<MCI_DGV_WINDOW_PARMSA>(parameters);
        request.callback = window.dwCallback;
        request.window = window.hWnd;
        break;
    }
    case MCI_PUT: {
        auto& put = recordAt<MCI_DGV_RECT_PARMS>(parameters);
        request.callback = put.dwCallback;
        request.rc = put.rc;
        break;
    }
    case MCI_WHERE: {
        auto& where = recordAt<MCI_DGV_RECT_PARMS>(parameters);
        request.callback = where.dwCallback;
        if (failed == 0)
            where.rc = mciScript.source;
        break;
    }
    default: // pause, resume, stop, close: the generic record
        request.callback = recordAt<MCI_GENERIC_PARMS>(parameters).dwCallback;
        break;
    }
    mciRequests.push_back(request);
    if (failed != 0)
        return failed;
    if (message == MCI_CLOSE && result == 0)
        mciScript.openDevices.erase(device);
    return result;
}

UINT WINAPI waveDevices() {
    ++mciScript.waveCountsAsked;
    return mciScript.waveDevices;
}

UINT WINAPI midiDevices() {
    ++mciScript.midiCountsAsked;
    return mciScript.midiDevices;
}

int WINAPI recordBox(HWND, LPCSTR text, LPCSTR caption, UINT flags) {
    char line[256];
    std::snprintf(line, sizeof line, "%s|%s|0x%x", caption, text, flags);
    errorBoxes.push_back(line);
    return IDOK;
}

} // namespace

MediaRecorderScope::MediaRecorderScope() : savedMci(mciSeam), savedBox(callErrorBox) {
    mciScript = MciScript{};
    mciRequests.clear();
    errorBoxes.clear();
    mciSeam = MciSeam{recordRequest, waveDevices, midiDevices};
    callErrorBox = recordBox;
}

MediaRecorderScope::~MediaRecorderScope() {
    mciSeam = savedMci;
    callErrorBox = savedBox;
}

const char* messageName(UINT message) {
    switch (message) {
    case MCI_OPEN:
        return "OPEN";
    case MCI_CLOSE:
        return "CLOSE";
    case MCI_PLAY:
        return "PLAY";
    case MCI_SEEK:
        return "SEEK";
    case MCI_STOP:
        return "STOP";
    case MCI_PAUSE:
        return "PAUSE";
    case MCI_STATUS:
        return "STATUS";
    case MCI_WINDOW:
        return "WINDOW";
    case MCI_PUT:
        return "PUT";
    case MCI_WHERE:
        return "WHERE";
    case MCI_RESUME:
        return "RESUME";
    default:
        return "?";
    }
}

std::string describe(const MciRequest& request) {
    char line[96];
    std::snprintf(line, sizeof line, "%s 0x%lx dev %u", messageName(request.message),
                  static_cast<unsigned long>(request.flags), request.device);
    std::string text = line;
    if (request.message == MCI_STATUS) {
        std::snprintf(line, sizeof line, " item %lu", static_cast<unsigned long>(request.item));
        text += line;
    }
    return text;
}

std::vector<std::string> describeFrom(std::size_t first) {
    std::vector<std::string> lines;
    for (std::size_t i = first; i < mciRequests.size(); ++i)
        lines.push_back(describe(mciRequests[i]));
    return lines;
}

std::vector<std::string> describeAll() {
    return describeFrom(0);
}
