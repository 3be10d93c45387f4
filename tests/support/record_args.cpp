// Stands in for an associated application: writes its command line and current folder to
// record_args.txt beside itself, in UTF-8, then exits.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// UTF-8, so that a name in any script is recorded as it arrived.
std::string utf8(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &bytes[0], size, nullptr, nullptr);
    return bytes.c_str();
}

} // namespace

int main() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    char* slash = std::strrchr(path, '\\');
    if (length == 0 || slash == nullptr)
        return 1;
    std::snprintf(slash + 1, sizeof path - (slash + 1 - path), "record_args.tmp");
    wchar_t folder[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, folder);
    FILE* file = std::fopen(path, "w");
    if (file == nullptr)
        return 1;
    std::fprintf(file, "%s\n%s\n", utf8(GetCommandLineW()).c_str(), utf8(folder).c_str());
    std::fclose(file);
    // Renamed only when complete, so a reader never sees half of it.
    char done[MAX_PATH];
    std::snprintf(done, sizeof done, "%s", path);
    std::snprintf(std::strrchr(done, '\\') + 1, 20, "record_args.txt");
    MoveFileExA(path, done, MOVEFILE_REPLACE_EXISTING);
    return 0;
}
