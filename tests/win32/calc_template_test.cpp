// The compiled resources of VeboCALC: the dialog template VEBOCALC and the icon groups.
#include "calc/keypad.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
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

// The template's control with this id, or null.
const TemplateItem* findControl(const Template& t, int id) {
    for (const TemplateItem& item : t.items) {
        if (item.id == id)
            return &item;
    }
    return nullptr;
}

// The ids the engine takes as keys. IDCANCEL has no control: the dialog manager sends it for
// Escape and for the close box.
std::vector<int> engineKeys() {
    std::vector<int> keys;
    for (int id = 0; id <= 0xFFFF; ++id) {
        CalcState state{};
        StartupValues values{};
        resetCalc(state, values);
        if (id != IDCANCEL && pressKey(state, values, id).handled)
            keys.push_back(id);
    }
    return keys;
}

bool isRadixButton(int id) {
    return id == kIdDecimal || id == kIdHexa;
}

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

TEST(CalcTemplate, EveryKeyOfTheEngineIsAVisibleButtonThatSendsItsCommand) {
    Template t = loadTemplate();
    std::vector<int> keys = engineKeys();
    ASSERT_FALSE(keys.empty());
    for (int id : keys) {
        SCOPED_TRACE("id " + std::to_string(id));
        const TemplateItem* item = findControl(t, id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->className, "button");
        EXPECT_EQ(item->style & (WS_CHILD | WS_VISIBLE | WS_DISABLED),
                  static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
        DWORD type = item->style & BS_TYPEMASK;
        bool wanted = isRadixButton(id) ? type == BS_AUTORADIOBUTTON
                                        : type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
        EXPECT_TRUE(wanted) << "button type " << type;
    }
}

TEST(CalcTemplate, EveryButtonIsAKeyOfTheEngineAndNoIdIsUsedTwice) {
    Template t = loadTemplate();
    std::vector<int> keys = engineKeys();
    std::vector<int> seen;
    for (const TemplateItem& item : t.items) {
        if (item.id == -1)
            continue;
        SCOPED_TRACE("id " + std::to_string(item.id));
        EXPECT_EQ(std::count(seen.begin(), seen.end(), item.id), 0);
        seen.push_back(item.id);
        if (item.className == "button") {
            EXPECT_EQ(std::count(keys.begin(), keys.end(), item.id), 1);
        }
    }
}

TEST(CalcTemplate, DisplayIsOwnerDrawnAndIndicatorIsATextField) {
    Template t = loadTemplate();
    const TemplateItem* display = findControl(t, kIdDisplay);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->className, "static");
    EXPECT_EQ(display->style & SS_TYPEMASK, static_cast<DWORD>(SS_OWNERDRAW));
    const TemplateItem* indicator = findControl(t, kIdIndicator);
    ASSERT_NE(indicator, nullptr);
    EXPECT_EQ(indicator->className, "static");
    EXPECT_EQ(indicator->style & SS_TYPEMASK, static_cast<DWORD>(SS_CENTER));
    EXPECT_NE(indicator->style & WS_VISIBLE, 0u);
}

TEST(CalcTemplate, LogoShowsTheLogoIconOfTheProgram) {
    Template t = loadTemplate();
    auto logo = std::find_if(t.items.begin(), t.items.end(), [](const TemplateItem& item) {
        return item.className == "static" && (item.style & SS_TYPEMASK) == SS_ICON;
    });
    ASSERT_NE(logo, t.items.end());
    EXPECT_EQ(logo->caption, "LOGO");
    EXPECT_NE(LoadIconA(GetModuleHandleA(nullptr), logo->caption.c_str()), nullptr);
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
