// The player's window as a screen reader finds it, asked through oleacc: the band's three
// children, their names, value, places and actions, the events of a tick, and the object's end.
#include "player_window.h"

#include "player/accessible.h"
#include "player/state.h"

#include <oleacc.h>

namespace {

using WindowAccess = PlayerWindow;
using Events = std::vector<std::string>;

VARIANT childId(LONG id) {
    VARIANT child = {};
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// Takes a text of the object and frees it, as a client must.
std::string taken(BSTR text) {
    char narrow[64] = "(none)";
    if (text != nullptr)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    SysFreeString(text);
    return narrow;
}

// The window's client object, as AccessibleObjectFromWindow gives it, released at the end.
struct ClientObject {
    IAccessible* object = nullptr;
    HRESULT result;

    explicit ClientObject(HWND window)
        : result(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                            __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&object))) {}
    ~ClientObject() {
        if (object != nullptr)
            object->Release();
    }
    ClientObject(const ClientObject&) = delete;
    ClientObject& operator=(const ClientObject&) = delete;
    IAccessible* operator->() const { return object; }

    std::string name(LONG id) const {
        BSTR text = nullptr;
        object->get_accName(childId(id), &text);
        return taken(text);
    }
    std::string value() const {
        BSTR text = nullptr;
        object->get_accValue(childId(kTrackChild), &text);
        return taken(text);
    }
    LONG property(HRESULT (STDMETHODCALLTYPE IAccessible::*ask)(VARIANT, VARIANT*), LONG id) const {
        VARIANT answer = {};
        (object->*ask)(childId(id), &answer);
        return answer.vt == VT_I4 ? answer.lVal : -1;
    }
    LONG role(LONG id) const { return property(&IAccessible::get_accRole, id); }
    LONG state(LONG id) const { return property(&IAccessible::get_accState, id); }
    RECT location(LONG id) const {
        long left = -1, top = -1, width = -1, height = -1;
        object->accLocation(&left, &top, &width, &height, childId(id));
        return RECT{left, top, left + width, top + height};
    }
    HRESULT press(LONG id) const { return object->accDoDefaultAction(childId(id)); }
    std::string action(LONG id) const {
        BSTR text = nullptr;
        object->get_accDefaultAction(childId(id), &text);
        return taken(text);
    }
    // The part at a point of the client area; CHILDID_SELF where there is none.
    LONG childAt(HWND window, int x, int y) const {
        POINT point = {x, y};
        ClientToScreen(window, &point);
        VARIANT found = {};
        object->accHitTest(point.x, point.y, &found);
        return found.vt == VT_I4 ? found.lVal : CHILDID_SELF;
    }
};

// Client columns left to right and rows top to bottom of the window, on the screen.
RECT onScreen(HWND window, int left, int top, int right, int bottom) {
    POINT corner = {left, top};
    ClientToScreen(window, &corner);
    return RECT{corner.x, corner.y, corner.x + right - left, corner.y + bottom - top};
}

std::string text(const RECT& rect) {
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ", " +
           std::to_string(rect.right) + ", " + std::to_string(rect.bottom) + ")";
}

// The name and value changes the process announces, as "NAME 1" and "VALUE 3"; they arrive as
// the queue is read.
Events announced;

void CALLBACK recordEvent(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT)
        announced.push_back((event == EVENT_OBJECT_NAMECHANGE ? "NAME " : "VALUE ") +
                            std::to_string(child));
}

struct EventListener {
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, recordEvent,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ~EventListener() { UnhookWinEvent(hook); }

    static Events heard() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Events events;
        events.swap(announced);
        return events;
    }
};

// The system's client object of the band's object, with a reference of the test's own.
IAccessible* heldSystemObject = nullptr;

HRESULT STDAPICALLTYPE makeHeldSystemObject(HWND window, LONG object, REFIID iid, void** made) {
    HRESULT result = CreateStdAccessibleObject(window, object, iid, made);
    heldSystemObject = result == S_OK ? static_cast<IAccessible*>(*made) : nullptr;
    if (heldSystemObject != nullptr)
        heldSystemObject->AddRef();
    return result;
}

} // namespace

TEST_F(WindowAccess, SoundWindowHasPlayPauseStopAndTrackInThatOrder) {
    ASSERT_NE(open("C:\\media\\song.wav"), nullptr);
    ClientObject band(window);
    ASSERT_EQ(band.result, S_OK);
    long count = 0;
    EXPECT_EQ(band->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(band.name(kPlayPauseChild), "Pause");
    EXPECT_EQ(band.name(kStopChild), "Stop");
    EXPECT_EQ(band.name(kTrackChild), "Position");
    EXPECT_EQ(band.name(4), "(none)");
    EXPECT_EQ(band.role(kPlayPauseChild), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(band.role(kStopChild), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(band.role(kTrackChild), ROLE_SYSTEM_PROGRESSBAR);
    // The client area itself is the system's object: named after the file, as the window is.
    EXPECT_EQ(band.name(CHILDID_SELF), "song.wav");
    EXPECT_EQ(band.role(CHILDID_SELF), ROLE_SYSTEM_CLIENT);
    VARIANT next = {};
    EXPECT_EQ(band->accNavigate(NAVDIR_NEXT, childId(kPlayPauseChild), &next), S_OK);
    EXPECT_EQ(next.lVal, kStopChild);
    for (auto [direction, child] : {std::pair{NAVDIR_FIRSTCHILD, kPlayPauseChild},
                                    std::pair{NAVDIR_LASTCHILD, kTrackChild}}) {
        VARIANT end = {};
        EXPECT_EQ(band->accNavigate(direction, childId(CHILDID_SELF), &end), S_OK);
        EXPECT_EQ(end.lVal, child) << direction;
    }
}

TEST_F(WindowAccess, PlayPauseActionPausesAndRenamesTheButton) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    ClientObject band(window);
    std::size_t first = mciRequests.size();
    EXPECT_EQ(band.press(kPlayPauseChild), S_OK);
    EXPECT_EQ(band.name(kPlayPauseChild), "Play");
    EXPECT_EQ(band.press(kPlayPauseChild), S_OK);
    EXPECT_EQ(band.name(kPlayPauseChild), "Pause");
    EXPECT_EQ(since(first), (Lines{"PAUSE 0x2 dev 7", "RESUME 0x1 dev 7"}));
}

TEST_F(WindowAccess, StopActionClosesTheWindowAsAClickDoes) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    ClientObject band(window);
    mciScript.positions = {10};
    std::size_t first = mciRequests.size();
    EXPECT_EQ(band.press(kStopChild), S_OK);
    // The close is posted: the call returns first, for a client in another process.
    EXPECT_TRUE(IsWindow(window));
    MSG message;
    while (PeekMessageA(&message, window, WM_CLOSE, WM_CLOSE, PM_REMOVE))
        DispatchMessageA(&message);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(since(first),
              (Lines{"STATUS 0x102 dev 7 item 2", "STOP 0x2 dev 7", "CLOSE 0x2 dev 7"}));
    EXPECT_EQ(stored("Cd1"), "445");
}

TEST_F(WindowAccess, ButtonsArePressedAndTheTrackIsNot) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    ClientObject band(window);
    const std::pair<LONG, const char*> actions[] = {
        {kPlayPauseChild, "Press"}, {kStopChild, "Press"}, {kTrackChild, "(none)"}};
    for (auto [id, action] : actions)
        EXPECT_EQ(band.action(id), action) << id;
    std::size_t first = mciRequests.size();
    EXPECT_EQ(band.press(kTrackChild), DISP_E_MEMBERNOTFOUND);
    MSG message;
    while (PeekMessageA(&message, window, WM_CLOSE, WM_CLOSE, PM_REMOVE))
        DispatchMessageA(&message);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(player.paused, 0);
    EXPECT_TRUE(since(first).empty());
}

TEST_F(WindowAccess, TrackValueIsThePositionOfTheLastPollInSeconds) {
    mciScript.length = 65000; // milliseconds, the wave device's own unit
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    ClientObject band(window);
    EXPECT_EQ(band.value(), "0:00 / 1:05");
    mciScript.positions = {12500, 30999};
    tick();
    std::size_t first = mciRequests.size();
    EXPECT_EQ(band.value(), "0:12 / 1:05");
    EXPECT_TRUE(since(first).empty()); // nothing is asked of the device
    tick();
    EXPECT_EQ(band.value(), "0:30 / 1:05");
}

TEST_F(WindowAccess, VideoFramesBecomeTimeOnlyAtARateTheDeviceReports) {
    mciScript.length = 1625;
    mciScript.positions = {300};
    ASSERT_NE(open("C:\\film.avi"), nullptr);
    tick();
    {
        ClientObject band(window);
        EXPECT_EQ(band.value(), "300 / 1625 frames");
    }
    mciScript.frameRate = 25000; // 25 frames a second
    ASSERT_NE(open("C:\\film.avi"), nullptr);
    tick();
    std::size_t first = mciRequests.size();
    ClientObject band(window);
    EXPECT_EQ(band.value(), "0:12 / 1:05");
    EXPECT_EQ(band.value(), "0:12 / 1:05");
    // The rate is asked once, nominal, and nothing else.
    EXPECT_EQ(since(first), (Lines{"STATUS 0x20102 dev 7 item 16398"}));
}

TEST_F(WindowAccess, PartsLieOnTheirZonesAtTwiceTheDpi) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    moveToDpi(192);
    ClientObject band(window);
    EXPECT_EQ(text(band.location(kTrackChild)), text(onScreen(window, 0, 256, 176, 296)));
    EXPECT_EQ(text(band.location(kStopChild)), text(onScreen(window, 176, 256, 216, 296)));
    EXPECT_EQ(text(band.location(kPlayPauseChild)), text(onScreen(window, 216, 256, 256, 296)));
}

TEST_F(WindowAccess, PartsLieWhereTheBandDrawsThem) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    ClientObject band(window);
    EXPECT_EQ(text(band.location(kTrackChild)), text(onScreen(window, 0, 128, 88, 148)));
    EXPECT_EQ(text(band.location(kStopChild)), text(onScreen(window, 88, 128, 108, 148)));
    EXPECT_EQ(text(band.location(kPlayPauseChild)), text(onScreen(window, 108, 128, 128, 148)));
    EXPECT_EQ(text(band.location(CHILDID_SELF)), text(onScreen(window, 0, 0, 128, 148)));
    // Each part ends before the column where the next begins: the client area's last column is
    // PLAY/PAUSE's last.
    const std::pair<int, LONG> columns[] = {{87, kTrackChild},      {88, kStopChild},
                                            {107, kStopChild},      {108, kPlayPauseChild},
                                            {127, kPlayPauseChild}, {128, CHILDID_SELF}};
    for (auto [x, child] : columns)
        EXPECT_EQ(band.childAt(window, x, 147), child) << x;
    EXPECT_EQ(band.state(kStopChild), 0);
    EXPECT_EQ(band.state(kTrackChild), STATE_SYSTEM_READONLY);
}

TEST_F(WindowAccess, PartsTheBarIsTooNarrowForAreUnavailable) {
    save("Quennet", "1");
    save("BLx", "100");
    save("BLy", "50");
    save("BLcx", "15"); // STOP lies left of the window, the track has no column
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    ClientObject band(window);
    EXPECT_EQ(band.state(kTrackChild), STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_READONLY);
    EXPECT_EQ(band.state(kStopChild), STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(band.state(kPlayPauseChild), 0);
    EXPECT_EQ(text(band.location(kPlayPauseChild)), "(100, 50, 115, 70)");
    EXPECT_EQ(band.press(kStopChild), E_FAIL);
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(WindowAccess, CallsAfterTheWindowIsGoneFailAndTouchNothing) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    auto makeReal = makeSystemClientObject;
    makeSystemClientObject = makeHeldSystemObject;
    ClientObject band(window);
    makeSystemClientObject = makeReal;
    ASSERT_EQ(band.result, S_OK);
    ASSERT_NE(heldSystemObject, nullptr);
    ASSERT_TRUE(DestroyWindow(window));
    std::size_t first = mciRequests.size();
    BSTR text = reinterpret_cast<BSTR>(1);
    EXPECT_EQ(band->get_accName(childId(CHILDID_SELF), &text), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(text, nullptr);
    EXPECT_EQ(band->get_accValue(childId(kTrackChild), &text), CO_E_OBJNOTCONNECTED);
    long count = 9;
    EXPECT_EQ(band->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(count, 0);
    long left = 9, top = 9, width = 9, height = 9;
    EXPECT_EQ(band->accLocation(&left, &top, &width, &height, childId(kStopChild)),
              CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(left + top + width + height, 0);
    IDispatch* parent = nullptr;
    EXPECT_EQ(band->get_accParent(&parent), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(band.press(kPlayPauseChild), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(band.press(kStopChild), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(player.paused, 0);
    EXPECT_TRUE(since(first).empty());
    // The window gave its reference up: the client's is the last one.
    EXPECT_EQ(band->AddRef(), 2u);
    EXPECT_EQ(band->Release(), 1u);
    EXPECT_EQ(band.object->Release(), 0u);
    band.object = nullptr;
    // And the object gave up the system's client object it stood on: the test's is the last.
    EXPECT_EQ(heldSystemObject->Release(), 0u);
}

TEST_F(WindowAccess, OnlyTheClientObjectIsTheWindowsOwn) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    EXPECT_EQ(SendMessageA(window, WM_GETOBJECT, 0, OBJID_WINDOW), 0);
    EXPECT_EQ(SendMessageA(window, WM_GETOBJECT, 0, OBJID_QUERYCLASSNAMEIDX), 0);
    // A 64-bit lParam may carry the 32-bit id with or without its sign.
    for (LPARAM id : {static_cast<LPARAM>(static_cast<DWORD>(OBJID_CLIENT)),
                      static_cast<LPARAM>(OBJID_CLIENT)}) {
        LRESULT reference = SendMessageA(window, WM_GETOBJECT, 0, id);
        ASSERT_GT(reference, 0) << id;
        IAccessible* band = nullptr;
        ASSERT_EQ(
            ObjectFromLresult(reference, __uuidof(IAccessible), 0, reinterpret_cast<void**>(&band)),
            S_OK);
        long count = 0;
        EXPECT_EQ(band->get_accChildCount(&count), S_OK);
        EXPECT_EQ(count, 3);
        band->Release();
    }
}

TEST_F(WindowAccess, PictureWindowNamesItsFileAndHasNoBand) {
    picturePath = writePicture(200, 100);
    ASSERT_NE(open(picturePath.c_str()), nullptr);
    ClientObject picture(window);
    ASSERT_EQ(picture.result, S_OK);
    EXPECT_EQ(picture.name(CHILDID_SELF), picturePath.substr(picturePath.rfind('\\') + 1));
    long count = 9;
    EXPECT_EQ(picture->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(mciRequests.empty());
}

TEST_F(WindowAccess, TicksAnnounceOnlyWhatChanged) {
    mciScript.length = 65000;
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    EventListener listener;
    mciScript.positions = {1000};
    tick();
    EXPECT_EQ(listener.heard(), Events{}); // no screen reader has asked yet
    ClientObject band(window);
    mciScript.positions = {1400, 1900, 2000};
    tick();
    tick();
    EXPECT_EQ(listener.heard(), Events{}); // still "0:01 / 1:05"
    tick();
    EXPECT_EQ(listener.heard(), Events{"VALUE 3"});
    band.press(kPlayPauseChild);
    tick();
    EXPECT_EQ(listener.heard(), Events{"NAME 1"});
    tick();
    EXPECT_EQ(listener.heard(), Events{});
}
