// The compiled resources of VeboCALC: the dialog template VEBOCALC and the icon groups.
#include "keypad.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct TemplateItem {
    DWORD style;
    DWORD exStyle;
    int x, y, cx, cy;
    int id;
    std::string className; // "button", "static" for the predefined ordinals
    std::string caption;
};

struct Template {
    DWORD style;
    DWORD exStyle;
    int x, y, cx, cy;
    std::string caption;
    int pointSize = 0;
    std::string face;
    bool hasMenu = false;
    bool hasClass = false;
    std::vector<TemplateItem> items;
};

// Reads the parts of a DIALOG (not DIALOGEX) resource, word by word.
struct Reader {
    const WORD* at;
    WORD word() { return *at++; }
    DWORD dword() {
        DWORD low = word();
        return low | (static_cast<DWORD>(word()) << 16);
    }
    std::string text() {
        std::string out;
        while (WORD c = word())
            out += static_cast<char>(c);
        return out;
    }
    // An ordinal (0xFFFF, n) or a text; an ordinal comes back as "#n".
    std::string nameOrOrdinal() {
        if (*at == 0xFFFF) {
            ++at;
            return "#" + std::to_string(word());
        }
        return text();
    }
    void alignDword(const void* base) {
        auto offset = reinterpret_cast<const char*>(at) - static_cast<const char*>(base);
        if (offset % 4 != 0)
            ++at;
    }
};

Template loadTemplate() {
    Template t;
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, "VEBOCALC", MAKEINTRESOURCEA(5));
    if (found == nullptr)
        return t;
    const void* base = LockResource(LoadResource(module, found));
    Reader r{static_cast<const WORD*>(base)};
    t.style = r.dword();
    t.exStyle = r.dword();
    int count = r.word();
    t.x = static_cast<short>(r.word());
    t.y = static_cast<short>(r.word());
    t.cx = static_cast<short>(r.word());
    t.cy = static_cast<short>(r.word());
    t.hasMenu = !r.nameOrOrdinal().empty();
    t.hasClass = !r.nameOrOrdinal().empty();
    t.caption = r.text();
    if (t.style & DS_SETFONT) {
        t.pointSize = r.word();
        t.face = r.text();
    }
    for (int i = 0; i < count; ++i) {
        r.alignDword(base);
        TemplateItem item;
        item.style = r.dword();
        item.exStyle = r.dword();
        item.x = static_cast<short>(r.word());
        item.y = static_cast<short>(r.word());
        item.cx = static_cast<short>(r.word());
        item.cy = static_cast<short>(r.word());
        item.id = static_cast<short>(r.word());
        item.className = r.nameOrOrdinal();
        // The predefined classes may be stored as ordinals or as names in any case.
        if (item.className == "#128" || lstrcmpiA(item.className.c_str(), "button") == 0)
            item.className = "button";
        else if (item.className == "#130" || lstrcmpiA(item.className.c_str(), "static") == 0)
            item.className = "static";
        item.caption = r.nameOrOrdinal();
        WORD extra = r.word();
        r.at = reinterpret_cast<const WORD*>(reinterpret_cast<const char*>(r.at) + extra);
        t.items.push_back(item);
    }
    return t;
}

constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;

struct Expected {
    int id;
    const char* className;
    const char* caption;
    int x, y, cx, cy;
    DWORD style; // besides WS_CHILD | WS_VISIBLE
};

const Expected kControls[] = {
    {kIdIndicator, "static", "", 4, 8, 12, 13, SS_CENTER | SS_SUNKEN | WS_BORDER | WS_GROUP},
    {kIdEquals, "button", "&=", 76, 117, 40, 12, BS_DEFPUSHBUTTON | WS_TABSTOP},
    {kIdMemoryAdd, "button", "&M+", 5, 31, 18, 12, kPush},
    {kIdMemoryRecall, "button", "M&r", 27, 31, 18, 12, kPush},
    {kIdMemoryClear, "button", "Mc", 49, 31, 18, 12, kPush},
    {kIdClear, "button", "C&LEAR", 75, 31, 42, 12, kPush},
    {kIdHexDigitA, "button", "&A", 5, 49, 16, 12, kPush},
    {kIdHexDigitA + 1, "button", "&B", 24, 49, 16, 12, kPush},
    {kIdHexDigitA + 2, "button", "&C", 43, 49, 16, 12, kPush},
    {kIdHexDigitA + 3, "button", "&D", 62, 49, 16, 12, kPush},
    {kIdHexDigitA + 4, "button", "&E", 81, 49, 16, 12, kPush},
    {kIdHexDigitA + 5, "button", "&F", 100, 49, 16, 12, kPush},
    {kIdDigit0 + 7, "button", "&7", 5, 70, 18, 12, kPush},
    {kIdDigit0 + 8, "button", "&8", 27, 70, 18, 12, kPush},
    {kIdDigit0 + 9, "button", "&9", 49, 70, 18, 12, kPush},
    {kIdDigit0 + 4, "button", "&4", 5, 85, 18, 12, kPush},
    {kIdDigit0 + 5, "button", "&5", 27, 85, 18, 12, kPush},
    {kIdDigit0 + 6, "button", "&6", 49, 85, 18, 12, kPush},
    {kIdDigit0 + 1, "button", "&1", 5, 100, 18, 12, kPush},
    {kIdDigit0 + 2, "button", "&2", 27, 100, 18, 12, kPush},
    {kIdDigit0 + 3, "button", "&3", 49, 100, 18, 12, kPush},
    {kIdDigit0, "button", "&0", 5, 115, 18, 12, kPush},
    {kIdPoint, "button", "&.", 27, 115, 18, 12, kPush},
    {kIdSign, "button", "&Sig", 49, 115, 18, 12, kPush},
    {kIdPercent, "button", "&%", 98, 75, 18, 12, kPush},
    {kIdMultiply, "button", "&*", 76, 89, 18, 12, kPush},
    {kIdDivide, "button", "&/", 98, 89, 18, 12, kPush},
    {kIdAdd, "button", "&+", 76, 103, 18, 12, kPush},
    {kIdSubtract, "button", "&-", 98, 103, 18, 12, kPush},
    {-1, "static", "LOGO", 76, 68, 16, 16, SS_ICON},
    {kIdOk, "button", "&Ok", 4, 134, 66, 26, kPush},
    {kIdDecimal, "button", "Decimal", 76, 135, 42, 12, BS_AUTORADIOBUTTON},
    {kIdHexa, "button", "Hexa", 76, 148, 42, 12, BS_AUTORADIOBUTTON},
    {kIdDisplay, "static", "", 18, 2, 102, 24, SS_OWNERDRAW | SS_SUNKEN},
    {-1, "static", "Frame1", 1, 0, 121, 28, SS_ETCHEDFRAME},
    {-1, "static", "Frame2", 1, 28, 70, 18, SS_ETCHEDFRAME},
    {-1, "static", "Frame3", 71, 28, 51, 18, SS_ETCHEDFRAME},
    {-1, "static", "Frame4", 1, 46, 121, 18, SS_ETCHEDFRAME},
    {-1, "static", "Frame5", 1, 64, 70, 67, SS_ETCHEDFRAME},
    {-1, "static", "Frame6", 71, 64, 51, 67, SS_ETCHEDFRAME},
    {-1, "static", "Frame7", 1, 131, 121, 32, SS_ETCHEDFRAME},
    {-1, "static", "Frame8", 72, 132, 49, 30, SS_ETCHEDFRAME},
};

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct IconGroup {
    WORD reserved, type, count;
    IconGroupEntry entries[1];
};
#pragma pack(pop)

BOOL CALLBACK collectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR list) {
    auto* names = reinterpret_cast<std::vector<std::string>*>(list);
    names->push_back(IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<UINT_PTR>(name))
                                          : std::string(name));
    return TRUE;
}

} // namespace

TEST(CalcTemplate, DialogIsAModalFrameWithCaptionSystemMenuAndHelpButtonOnly) {
    Template t = loadTemplate();
    EXPECT_EQ(t.style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                          DS_MODALFRAME | DS_3DLOOK | DS_SETFONT | DS_CONTEXTHELP));
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ(t.x, 0);
    EXPECT_EQ(t.y, 0);
    EXPECT_EQ(t.cx, 123);
    EXPECT_EQ(t.cy, 165);
    EXPECT_EQ(t.caption, "VeboCALC");
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.face, "MS Sans Serif");
    EXPECT_FALSE(t.hasMenu);
    EXPECT_FALSE(t.hasClass);
}

TEST(CalcTemplate, HasTheFortyTwoControlsInTabOrderWithTheirPlacesAndStyles) {
    Template t = loadTemplate();
    ASSERT_EQ(t.items.size(), std::size(kControls));
    for (std::size_t i = 0; i < t.items.size(); ++i) {
        const TemplateItem& got = t.items[i];
        const Expected& want = kControls[i];
        SCOPED_TRACE("control " + std::to_string(i + 1) + " " + want.caption);
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.className, want.className);
        EXPECT_EQ(got.caption, want.caption);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
        EXPECT_EQ(got.style, want.style | WS_CHILD | WS_VISIBLE);
        EXPECT_EQ(got.exStyle, 0u);
    }
}

TEST(CalcIcons, AaaIsTheFirstIconGroupThenLogoEachOne32By32ImageOf16Colours) {
    std::vector<std::string> names;
    EnumResourceNamesA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(14), collectName,
                       reinterpret_cast<LONG_PTR>(&names));
    ASSERT_EQ(names, (std::vector<std::string>{"AAA", "LOGO"}));
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        HRSRC found = FindResourceA(nullptr, name.c_str(), MAKEINTRESOURCEA(14));
        ASSERT_NE(found, nullptr);
        auto* group = static_cast<const IconGroup*>(LockResource(LoadResource(nullptr, found)));
        ASSERT_EQ(group->count, 1);
        EXPECT_EQ(group->entries[0].width, 32);
        EXPECT_EQ(group->entries[0].height, 32);
        EXPECT_EQ(group->entries[0].colourCount, 16);
        EXPECT_EQ(group->entries[0].bitCount, 4);
        HICON icon = LoadIconA(GetModuleHandleA(nullptr), name.c_str());
        EXPECT_NE(icon, nullptr);
    }
}
