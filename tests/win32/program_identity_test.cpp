// Each program carries the version resource and the application manifest that Windows reads
// before it runs a line of the program: checked through the system's own readers.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Program {
    const char* path;
    const char* name;
    const char* description;
    int bitmaps; // resources of the program's own pictures
    int iconGroups;
    int dialogs;
};

const std::array<Program, 2> kPrograms{{
    {VEBOWAVE_EXE, "VeboWAVE", "VeboWAVE media player", 4, 1, 0},
    {VEBOCALC_EXE, "VeboCALC", "VeboCALC pocket calculator", 0, 2, 1},
}};

BOOL CALLBACK collectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR found) {
    reinterpret_cast<std::vector<LANGID>*>(found)->push_back(language);
    return TRUE;
}

BOOL CALLBACK collectLanguagesOfName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR found) {
    EnumResourceLanguagesA(module, type, name, collectLanguage, found);
    return TRUE;
}

// The language of every resource of one type: one entry per name and language.
std::vector<LANGID> resourceLanguages(HMODULE module, LPCSTR type) {
    std::vector<LANGID> languages;
    EnumResourceNamesA(module, type, collectLanguagesOfName,
                       reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}

std::string versionText(const std::vector<char>& block, const char* name) {
    char query[128];
    std::snprintf(query, sizeof query, "\\StringFileInfo\\040904E4\\%s", name);
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), query, &value, &length) || length == 0)
        return "(missing)";
    return std::string(static_cast<const char*>(value));
}

std::vector<char> versionBlock(const char* path) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoA(path, 0, size, block.data()))
        block.clear();
    return block;
}

// The activation context Windows would build from the program's manifest resource.
HANDLE manifestContext(const char* path) {
    ACTCTXA context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = path;
    context.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
    return CreateActCtxA(&context);
}

// The manifest resource as text (the activation context's query for the supported systems
// has changed its record layout between Windows versions, so the text is read instead).
std::string manifestText(const char* path) {
    HMODULE module = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr)
        return {};
    std::string text;
    HRSRC found = FindResourceA(module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    if (loaded != nullptr)
        text.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found));
    FreeLibrary(module);
    return text;
}

TEST(ProgramIdentity, VersionResourceNamesMakerProductAndTheBuildVersion) {
    unsigned major = 0, minor = 0, patch = 0;
    ASSERT_EQ(std::sscanf(VEBO_VERSION, "%u.%u.%u", &major, &minor, &patch), 3);
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.name);
        std::vector<char> block = versionBlock(program.path);
        ASSERT_FALSE(block.empty()) << "no version resource";
        EXPECT_EQ(versionText(block, "CompanyName"), "Tessaril");
        EXPECT_EQ(versionText(block, "ProductName"), program.name);
        EXPECT_EQ(versionText(block, "FileDescription"), program.description);
        EXPECT_EQ(versionText(block, "OriginalFilename"), std::string(program.name) + ".exe");
        EXPECT_EQ(versionText(block, "FileVersion"), VEBO_VERSION);
        EXPECT_EQ(versionText(block, "ProductVersion"), VEBO_VERSION);

        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
        ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
        EXPECT_EQ(fixed->dwSignature, VS_FFI_SIGNATURE);
        EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(minor, major));
        EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, patch));
        EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
        EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    }
}

// Per-monitor aware where Windows 10 can be, else aware of the screen's one DPI.
TEST(ProgramIdentity, ManifestDeclaresPerMonitorDpiAwareness) {
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.name);
        HANDLE context = manifestContext(program.path);
        ASSERT_NE(context, INVALID_HANDLE_VALUE) << "manifest refused, error " << GetLastError();
        std::array<wchar_t, 32> value{};
        SIZE_T written = 0;
        EXPECT_TRUE(QueryActCtxSettingsW(0, context, nullptr, L"dpiAware", value.data(),
                                         value.size(), &written));
        EXPECT_STREQ(value.data(), L"true");
        EXPECT_TRUE(QueryActCtxSettingsW(0, context,
                                         L"http://schemas.microsoft.com/SMI/2016/WindowsSettings",
                                         L"dpiAwareness", value.data(), value.size(), &written));
        EXPECT_STREQ(value.data(), L"PerMonitorV2");
        ReleaseActCtx(context);
    }
}

// The player takes file names in any script through its ANSI functions; the calculator's
// texts are all ASCII and keep the system's code page.
TEST(ProgramIdentity, OnlyThePlayersAnsiFunctionsSpeakUtf8) {
    const std::array<const wchar_t*, 2> expected{L"UTF-8", L""};
    for (std::size_t i = 0; i < kPrograms.size(); ++i) {
        SCOPED_TRACE(kPrograms[i].name);
        HANDLE context = manifestContext(kPrograms[i].path);
        ASSERT_NE(context, INVALID_HANDLE_VALUE) << "manifest refused, error " << GetLastError();
        std::array<wchar_t, 16> value{};
        SIZE_T written = 0;
        QueryActCtxSettingsW(0, context, L"http://schemas.microsoft.com/SMI/2019/WindowsSettings",
                             L"activeCodePage", value.data(), value.size(), &written);
        EXPECT_STREQ(value.data(), expected[i]);
        ReleaseActCtx(context);
    }
}

TEST(ProgramIdentity, ManifestDeclaresEveryWindowsFromVistaToEleven) {
    // Vista, 7, 8, 8.1, and 10 (which 11 shares).
    const std::array<const char*, 5> expected{
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"};
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.name);
        std::string manifest = manifestText(program.path);
        ASSERT_FALSE(manifest.empty()) << "no manifest resource";
        for (const char* id : expected)
            EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"") + id + "\"/>"),
                      std::string::npos)
                << id;
    }
}

TEST(ProgramIdentity, PicturesIconsAndDialogAreStoredForEveryLanguage) {
    const LANGID neutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.name);
        HMODULE module = LoadLibraryExA(program.path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
        const std::array<std::pair<LPCSTR, int>, 4> kinds{{{RT_BITMAP, program.bitmaps},
                                                           {RT_GROUP_ICON, program.iconGroups},
                                                           {RT_ICON, program.iconGroups},
                                                           {RT_DIALOG, program.dialogs}}};
        for (const auto& [type, count] : kinds) {
            std::vector<LANGID> languages = resourceLanguages(module, type);
            EXPECT_EQ(static_cast<int>(languages.size()), count)
                << "resources of type " << reinterpret_cast<UINT_PTR>(type);
            for (LANGID language : languages)
                EXPECT_EQ(language, neutral) << "type " << reinterpret_cast<UINT_PTR>(type);
        }
        FreeLibrary(module);
    }
}

} // namespace
