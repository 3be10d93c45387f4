// The display's window text is what a screen reader reads: the number as shown, kept up to
// date where the dialog redraws the display, never from its paint.
#include "calc_dialog_fixture.h"

#include <oleacc.h>

namespace {

// What a screen reader announces for a control: the name of its client object.
std::string accessibleName(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return "(no accessible object)";
    VARIANT self = {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string text = "(no name)";
    if (SUCCEEDED(object->get_accName(self, &name)) && name != nullptr) {
        char narrow[64] = "";
        WideCharToMultiByte(CP_ACP, 0, name, -1, narrow, sizeof narrow, nullptr, nullptr);
        text = narrow;
        SysFreeString(name);
    }
    object->Release();
    return text;
}

// Counts the display's WM_DRAWITEM on the way to the dialog's own procedure.
WNDPROC dialogProcedure = nullptr;
int displayPaints = 0;
LRESULT CALLBACK countDisplayPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && wParam == static_cast<WPARAM>(kIdDisplay))
        ++displayPaints;
    return CallWindowProcA(dialogProcedure, window, message, wParam, lParam);
}

} // namespace

TEST_F(CalcDialog, DisplayWindowTextIsTheShownNumber) {
    startup.OldVal = -2.5;
    ASSERT_NE(open(), nullptr);
    HWND display = GetDlgItem(dialog, kIdDisplay);
    auto shownAfter = [&](const char* keys) {
        type(keys);
        return controlText(dialog, kIdDisplay);
    };
    EXPECT_EQ(shownAfter(""), "-2.5");
    EXPECT_EQ(shownAfter("12.5"), "12.5");
    EXPECT_EQ(shownAfter("*3="), "37.5");
    EXPECT_EQ(accessibleName(display), "37.5");
    EXPECT_EQ(shownAfter("ML"), "0"); // M+, CLEAR
    EXPECT_EQ(shownAfter("R"), "37.5");
    EXPECT_EQ(shownAfter("s"), "-37.5");
    EXPECT_EQ(shownAfter("h"), "25");
    EXPECT_EQ(shownAfter("LFF"), "FF");
    EXPECT_EQ(accessibleName(display), "FF");
    EXPECT_EQ(shownAfter("*FFFFFFFFFFFFFF="), "-----------");
    EXPECT_EQ(accessibleName(display), "-----------");
    EXPECT_EQ(shownAfter("d"), "-----------");
    EXPECT_EQ(shownAfter("L"), "0");
    EXPECT_EQ(accessibleName(display), "0");
}

// The text is set without a paint of its own: each key that redraws the display still paints
// it once, whether its text changed or not.
TEST_F(CalcDialog, KeysPaintTheDisplayOnceEach) {
    ASSERT_NE(open(), nullptr);
    dialogProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countDisplayPaints)));
    for (char key : std::string("7+1=MRshdLL")) {
        settle();
        displayPaints = 0;
        press(keyId(key));
        settle();
        EXPECT_EQ(displayPaints, 1) << key;
    }
    EXPECT_EQ(controlText(dialog, kIdDisplay), "0");
}
