// Stands in for an associated application: writes its command line and current folder to
// record_args.txt beside itself, then exits.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    char* slash = std::strrchr(path, '\\');
    if (length == 0 || slash == nullptr)
        return 1;
    std::snprintf(slash + 1, sizeof path - (slash + 1 - path), "record_args.tmp");
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, folder);
    FILE* file = std::fopen(path, "w");
    if (file == nullptr)
        return 1;
    std::fprintf(file, "%s\n%s\n", GetCommandLineA(), folder);
    std::fclose(file);
    // Renamed only when complete, so a reader never sees half of it.
    char done[MAX_PATH];
    std::snprintf(done, sizeof done, "%s", path);
    std::snprintf(std::strrchr(done, '\\') + 1, 20, "record_args.txt");
    MoveFileExA(path, done, MOVEFILE_REPLACE_EXISTING);
    return 0;
}
