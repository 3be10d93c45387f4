#include "registry_sandbox.h"

#include <cstdio>
#include <stdexcept>

RegistrySandbox::RegistrySandbox() {
    char name[96];
    std::snprintf(name, sizeof name, "Software\\VeboTests\\p%lu_%lu",
                  static_cast<unsigned long>(GetCurrentProcessId()),
                  static_cast<unsigned long>(GetTickCount()));
    path = name;
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &root, nullptr) != ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CURRENT_USER, root) != ERROR_SUCCESS)
        throw std::runtime_error("registry sandbox unavailable");
}

RegistrySandbox::~RegistrySandbox() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(root);
    RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
}

bool registryHasKey(const char* keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool registryReadText(const char* keyPath, const char* name, std::string& text) {
    char data[4096];
    DWORD size = sizeof data;
    DWORD type = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    LONG status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ)
        return false;
    text.assign(data, size > 0 && data[size - 1] == '\0' ? size - 1 : size);
    return true;
}

void registryWriteBytes(const char* keyPath, const char* name, DWORD type, const void* data,
                        DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create test key");
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

void registryWriteText(const char* keyPath, const char* name, const std::string& text) {
    registryWriteBytes(keyPath, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}
