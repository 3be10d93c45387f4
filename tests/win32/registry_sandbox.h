#pragma once
// Gives one test process a private HKEY_CURRENT_USER: a fresh scratch key that the process
// sees as its HKCU root, so that tests running in parallel never share registry values.
#include <windows.h>

#include <string>

struct RegistrySandbox {
    RegistrySandbox();
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    HKEY root = nullptr;
    std::string path; // of the scratch key under the real HKCU
};

// Direct registry access for checks, relative to the sandboxed HKCU.
bool registryHasKey(const char* keyPath);
bool registryReadText(const char* keyPath, const char* name, std::string& text);
void registryWriteText(const char* keyPath, const char* name, const std::string& text);
void registryWriteBytes(const char* keyPath, const char* name, DWORD type, const void* data,
                        DWORD size);
