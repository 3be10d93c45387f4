#include "accessible.h"

#include "band_draw.h"
#include "media.h"
#include "platform.h"
#include "position_text.h"
#include "state.h"

#include <oleacc.h>

#include <cstring>
#include <new>

namespace {

constexpr char kOleacc[] = "oleacc.dll";

// Looked up when a screen reader first asks, never at start-up. NotifyWinEvent too: Windows 95
// and NT 4.0 have it only with Active Accessibility installed.
decltype(&CoInitialize) coInitialize = nullptr;
decltype(&LresultFromObject) lresultFromObject = nullptr;
decltype(&SysAllocString) sysAllocString = nullptr;
decltype(&NotifyWinEvent) notifyWinEvent = nullptr;

template <typename Function>
Function onFirstUse(Function& cached, const char* dll, const char* name) {
    if (cached == nullptr)
        cached = systemFunctionAs<Function>(dll, name);
    return cached;
}

// A text for the client, who frees it with SysFreeString. Ours are all ASCII.
HRESULT newText(const char* text, BSTR* answer) {
    auto allocate = onFirstUse(sysAllocString, "oleaut32.dll", "SysAllocString");
    OLECHAR wide[kPositionTextSize];
    std::size_t length = 0;
    for (; text[length] != '\0' && length + 1 < kPositionTextSize; ++length)
        wide[length] = static_cast<unsigned char>(text[length]);
    wide[length] = 0;
    *answer = allocate != nullptr ? allocate(wide) : nullptr;
    return *answer != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The band's zone of each child id (index 0, the client area itself, has none).
constexpr BandZone kChildZones[] = {BandZone::kOutside, BandZone::kPlayPause, BandZone::kStop,
                                    BandZone::kTrack};

LONG roleOf(LONG child) {
    return child == kTrackChild ? ROLE_SYSTEM_PROGRESSBAR : ROLE_SYSTEM_PUSHBUTTON;
}

LONG stateOf(LONG child) {
    // Unavailable when the window is too narrow for the part.
    LONG state =
        bandZoneUsable(playerBandLayout(), kChildZones[child]) ? 0 : STATE_SYSTEM_UNAVAILABLE;
    return child == kTrackChild ? state | STATE_SYSTEM_READONLY : state;
}

constexpr DWORD kRateNotAsked = 0xFFFFFFFF;

// The client object of a sound or video window (a plain COM object: the IAccessible vtable is
// the platform's contract). Each answer is read from PlayerState and the band geometry when it
// is asked, so it cannot disagree with the drawing. The system's own client object answers for
// the client area itself: its name (the window's text, the file's name), role, state, place,
// parent and focus.
struct BandObject final : IAccessible {
    LONG references = 1; // the window's own, given up when its data goes
    HWND window;         // null once the window's data is gone
    IAccessible* standard;
    DWORD frameRate = kRateNotAsked; // a video's, asked of its device once
    bool announcedPaused = false;
    char announcedValue[kPositionTextSize] = {};

    BandObject(HWND served, IAccessible* system) : window(served), standard(system) {
        rememberAnnounced();
    }

    void disconnect() {
        window = nullptr;
        standard->Release();
        standard = nullptr;
        Release();
    }

    // What every call about a part checks first: the window is there and the id names a part.
    HRESULT check(const VARIANT& child, LONG& id) const {
        if (window == nullptr)
            return CO_E_OBJNOTCONNECTED;
        if (child.vt != VT_I4 || child.lVal < CHILDID_SELF || child.lVal > kTrackChild)
            return E_INVALIDARG;
        id = child.lVal;
        return S_OK;
    }

    // The same for a call that answers through `answer`, which is emptied first.
    template <typename Answer> HRESULT ready(Answer* answer) const {
        if (answer == nullptr)
            return E_POINTER;
        *answer = Answer{};
        return window != nullptr ? S_OK : CO_E_OBJNOTCONNECTED;
    }

    template <typename Answer> HRESULT begin(const VARIANT& child, Answer* answer, LONG& id) {
        HRESULT status = ready(answer);
        return status == S_OK ? check(child, id) : status;
    }

    // What a child shows as a text property: the text (in `room` when it is made), or null
    // when the child has none.
    using TextOfChild = const char* (*)(BandObject& object, LONG child, char* room);

    // A text the system's object gives for the client area and `ofChild` for a child.
    HRESULT answerText(HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, BSTR*),
                       TextOfChild ofChild, const VARIANT& child, BSTR* answer) {
        LONG id = 0;
        HRESULT status = begin(child, answer, id);
        if (status != S_OK)
            return status;
        if (id == CHILDID_SELF)
            return (standard->*property)(child, answer);
        char room[kPositionTextSize];
        const char* text = ofChild(*this, id, room);
        return text != nullptr ? newText(text, answer) : DISP_E_MEMBERNOTFOUND;
    }

    static const char* nameOf(BandObject&, LONG child, char*) {
        if (child == kPlayPauseChild)
            return player.paused ? "Play" : "Pause"; // what it would do
        return child == kStopChild ? "Stop" : "Position";
    }

    static const char* valueOf(BandObject& object, LONG child, char* room) {
        if (child != kTrackChild)
            return nullptr;
        object.trackValue(room);
        return room;
    }

    static const char* defaultActionOf(BandObject&, LONG child, char*) {
        return child == kTrackChild ? nullptr : "Press";
    }

    static const char* none(BandObject&, LONG, char*) { return nullptr; }

    // A number the system's object gives for the client area and `ofChild` for a child.
    HRESULT answerNumber(HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, VARIANT*),
                         LONG (*ofChild)(LONG), const VARIANT& child, VARIANT* answer) {
        LONG id = 0;
        HRESULT status = begin(child, answer, id);
        if (status != S_OK)
            return status;
        if (id == CHILDID_SELF)
            return (standard->*property)(child, answer);
        answer->vt = VT_I4;
        answer->lVal = ofChild(id);
        return S_OK;
    }

    void trackValue(char* text) {
        DWORD rate = kMillisecondsPerKilosecond;
        if (player.mediaKind == kVideo) {
            if (frameRate == kRateNotAsked)
                frameRate = videoFrameRate();
            rate = frameRate;
        }
        positionText(text, kPositionTextSize, player.session.mediaPosition,
                     player.session.mediaLength, rate);
    }

    void rememberAnnounced() {
        announcedPaused = player.paused;
        trackValue(announcedValue);
    }

    void announce() {
        bool nameChanged = player.paused != announcedPaused;
        char before[kPositionTextSize];
        std::memcpy(before, announcedValue, sizeof before);
        rememberAnnounced();
        bool valueChanged = std::strcmp(before, announcedValue) != 0;
        auto notify = onFirstUse(notifyWinEvent, "user32.dll", "NotifyWinEvent");
        if (notify == nullptr)
            return;
        if (nameChanged)
            notify(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, kPlayPauseChild);
        if (valueChanged)
            notify(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, kTrackChild);
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr)
            return E_POINTER;
        *object = nullptr;
        if (iid != __uuidof(IUnknown) && iid != __uuidof(IDispatch) && iid != __uuidof(IAccessible))
            return E_NOINTERFACE;
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }

    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++references); }

    STDMETHODIMP_(ULONG) Release() override {
        LONG left = --references;
        if (left == 0)
            HeapFree(GetProcessHeap(), 0, this);
        return static_cast<ULONG>(left);
    }

    // No type information: clients call IAccessible directly.
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        return E_NOTIMPL;
    }

    STDMETHODIMP get_accParent(IDispatch** parent) override {
        HRESULT status = ready(parent);
        return status == S_OK ? standard->get_accParent(parent) : status;
    }

    STDMETHODIMP get_accChildCount(long* count) override {
        HRESULT status = ready(count);
        if (status == S_OK)
            *count = kTrackChild;
        return status;
    }

    // The children are simple elements, with no object of their own.
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) override {
        LONG id = 0;
        HRESULT status = begin(child, object, id);
        if (status != S_OK)
            return status;
        return id == CHILDID_SELF ? E_INVALIDARG : S_FALSE;
    }

    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
        return answerText(&IAccessible::get_accName, nameOf, child, name);
    }

    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override {
        return answerText(&IAccessible::get_accValue, valueOf, child, value);
    }

    STDMETHODIMP get_accDescription(VARIANT child, BSTR* text) override {
        return answerText(&IAccessible::get_accDescription, none, child, text);
    }

    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
        return answerNumber(&IAccessible::get_accRole, roleOf, child, role);
    }

    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
        return answerNumber(&IAccessible::get_accState, stateOf, child, state);
    }

    STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override {
        return answerText(&IAccessible::get_accHelp, none, child, help);
    }

    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        LONG id = 0;
        HRESULT status = ready(topic);
        if (status == S_OK)
            status = begin(child, file, id);
        if (status != S_OK)
            return status;
        return id == CHILDID_SELF ? standard->get_accHelpTopic(file, child, topic)
                                  : DISP_E_MEMBERNOTFOUND;
    }

    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return answerText(&IAccessible::get_accKeyboardShortcut, none, child, shortcut);
    }

    STDMETHODIMP get_accFocus(VARIANT* focus) override {
        HRESULT status = ready(focus);
        return status == S_OK ? standard->get_accFocus(focus) : status;
    }

    STDMETHODIMP get_accSelection(VARIANT* selection) override {
        HRESULT status = ready(selection);
        return status == S_OK ? standard->get_accSelection(selection) : status;
    }

    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
        return answerText(&IAccessible::get_accDefaultAction, defaultActionOf, child, action);
    }

    STDMETHODIMP accSelect(long flags, VARIANT child) override {
        LONG id = 0;
        HRESULT status = check(child, id);
        if (status != S_OK)
            return status;
        return id == CHILDID_SELF ? standard->accSelect(flags, child) : DISP_E_MEMBERNOTFOUND;
    }

    STDMETHODIMP accLocation(long* left, long* top, long* width, long* height,
                             VARIANT child) override {
        if (top == nullptr || width == nullptr || height == nullptr)
            return E_POINTER;
        *top = *width = *height = 0;
        LONG id = 0;
        HRESULT status = begin(child, left, id);
        if (status != S_OK)
            return status;
        if (id == CHILDID_SELF)
            return standard->accLocation(left, top, width, height, child);
        BandRect rect = bandZoneRect(playerBandLayout(), kChildZones[id]);
        POINT corner = {rect.left, rect.top};
        ClientToScreen(window, &corner);
        *left = corner.x;
        *top = corner.y;
        *width = rect.right - rect.left;
        *height = rect.bottom - rect.top;
        return S_OK;
    }

    // The children one after another in their order; anything else from the client area
    // itself is the system's.
    STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override {
        LONG id = 0;
        HRESULT status = begin(start, end, id);
        if (status != S_OK)
            return status;
        LONG next = CHILDID_SELF;
        if (id == CHILDID_SELF && direction == NAVDIR_FIRSTCHILD)
            next = kPlayPauseChild;
        else if (id == CHILDID_SELF && direction == NAVDIR_LASTCHILD)
            next = kTrackChild;
        else if (id == CHILDID_SELF)
            return standard->accNavigate(direction, start, end);
        else if (direction == NAVDIR_NEXT)
            next = id + 1;
        else if (direction == NAVDIR_PREVIOUS)
            next = id - 1;
        if (next < kPlayPauseChild || next > kTrackChild)
            return S_FALSE;
        end->vt = VT_I4;
        end->lVal = next;
        return S_OK;
    }

    STDMETHODIMP accHitTest(long x, long y, VARIANT* found) override {
        HRESULT status = ready(found);
        if (status != S_OK)
            return status;
        POINT point = {x, y};
        ScreenToClient(window, &point);
        for (LONG id = kPlayPauseChild; id <= kTrackChild; ++id) {
            BandRect rect = bandZoneRect(playerBandLayout(), kChildZones[id]);
            if (point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
                point.y < rect.bottom) {
                found->vt = VT_I4;
                found->lVal = id;
                return S_OK;
            }
        }
        return standard->accHitTest(x, y, found);
    }

    // What a click on the button does. STOP's close is posted, not sent: the call returns
    // before the process ends, so that the answer reaches a screen reader in another process.
    STDMETHODIMP accDoDefaultAction(VARIANT child) override {
        LONG id = 0;
        HRESULT status = check(child, id);
        if (status != S_OK)
            return status;
        if (id == CHILDID_SELF)
            return standard->accDoDefaultAction(child);
        if (id == kTrackChild)
            return DISP_E_MEMBERNOTFOUND;
        if (!bandZoneUsable(playerBandLayout(), kChildZones[id]))
            return E_FAIL;
        if (id == kPlayPauseChild)
            togglePause();
        else
            PostMessageA(window, WM_CLOSE, 0, 0);
        return S_OK;
    }

    STDMETHODIMP put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    STDMETHODIMP put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }
};

// The object of the window, made when a screen reader first asks for it.
BandObject* served = nullptr;
// The window whose data has gone: it serves no new object in its last messages.
HWND endedWindow = nullptr;

// Calls from another process come in through the COM apartment of the object's thread, which
// makes them messages of this thread, taken between the window's own. The thread enters one
// when a screen reader first asks and stays in it to the end: without one of its own, calls
// could run on other threads (a process-wide apartment made by the sound output's threads), or
// find none once the window is gone (Wine's input method enters one for the window alone).
void joinApartment() {
    static bool joined = false;
    auto join = onFirstUse(coInitialize, "ole32.dll", "CoInitialize");
    if (!joined && join != nullptr)
        join(nullptr);
    joined = true;
}

BandObject* newBandObject(HWND window) {
    joinApartment();
    IAccessible* standard = nullptr;
    if (makeSystemClientObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                               reinterpret_cast<void**>(&standard)) != S_OK ||
        standard == nullptr)
        return nullptr;
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(BandObject));
    if (memory == nullptr) {
        standard->Release();
        return nullptr;
    }
    return new (memory) BandObject(window, standard);
}

HRESULT STDAPICALLTYPE makeSystemClientObjectOnDemand(HWND window, LONG object, REFIID iid,
                                                      void** made) {
    static decltype(&CreateStdAccessibleObject) make = nullptr;
    return onFirstUse(make, kOleacc, "CreateStdAccessibleObject") != nullptr
               ? make(window, object, iid, made)
               : E_FAIL;
}

} // namespace

decltype(makeSystemClientObject) makeSystemClientObject = makeSystemClientObjectOnDemand;

LRESULT answerGetObject(HWND window, WPARAM wParam, LPARAM lParam) {
    // The object id is 32 bits: a 64-bit lParam may carry it with or without its sign.
    bool client = static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT;
    bool band = player.mediaKind >= kWave && player.mediaKind <= kVideo;
    auto answer = client && band && window != endedWindow
                      ? onFirstUse(lresultFromObject, kOleacc, "LresultFromObject")
                      : nullptr;
    if (answer != nullptr && served == nullptr)
        served = newBandObject(window);
    if (answer == nullptr || served == nullptr)
        return DefWindowProcA(window, WM_GETOBJECT, wParam, lParam);
    return answer(__uuidof(IAccessible), wParam, served);
}

void announceBandChanges() {
    if (served != nullptr)
        served->announce();
}

void endBandObject(HWND window) {
    endedWindow = window;
    if (served != nullptr)
        served->disconnect();
    served = nullptr;
}
