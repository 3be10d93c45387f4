// The C string and memory functions the shipped programs call (and the compiler calls for
// copies and clears), for programs that link no C runtime DLL. Byte by byte: the texts are
// short. Built without the compiler's rewriting of loops into these same calls.
#include <cstddef>
#include <cstdint>

extern "C" {

void* memcpy(void* destination, const void* source, std::size_t count) {
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    for (std::size_t i = 0; i < count; ++i)
        to[i] = from[i];
    return destination;
}

void* memmove(void* destination, const void* source, std::size_t count) {
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    // Backwards when the destination starts inside the source, so no byte is overwritten
    // before it is read.
    if (reinterpret_cast<std::uintptr_t>(to) - reinterpret_cast<std::uintptr_t>(from) < count) {
        for (std::size_t i = count; i > 0; --i)
            to[i - 1] = from[i - 1];
        return destination;
    }
    for (std::size_t i = 0; i < count; ++i)
        to[i] = from[i];
    return destination;
}

void* memset(void* destination, int value, std::size_t count) {
    auto* to = static_cast<unsigned char*>(destination);
    for (std::size_t i = 0; i < count; ++i)
        to[i] = static_cast<unsigned char>(value);
    return destination;
}

int memcmp(const void* first, const void* second, std::size_t count) {
    const auto* a = static_cast<const unsigned char*>(first);
    const auto* b = static_cast<const unsigned char*>(second);
    for (std::size_t i = 0; i < count; ++i) {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

void* memchr(const void* area, int value, std::size_t count) {
    const auto* bytes = static_cast<const unsigned char*>(area);
    for (std::size_t i = 0; i < count; ++i) {
        if (bytes[i] == static_cast<unsigned char>(value))
            return const_cast<unsigned char*>(bytes + i);
    }
    return nullptr;
}

std::size_t strlen(const char* text) {
    std::size_t length = 0;
    while (text[length] != '\0')
        ++length;
    return length;
}

int strcmp(const char* first, const char* second) {
    const auto* a = reinterpret_cast<const unsigned char*>(first);
    const auto* b = reinterpret_cast<const unsigned char*>(second);
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b ? 0 : (*a < *b ? -1 : 1);
}

// The terminator counts as part of the text: a search for '\0' finds it.
char* strchr(const char* text, int character) {
    for (;; ++text) {
        if (*text == static_cast<char>(character))
            return const_cast<char*>(text);
        if (*text == '\0')
            return nullptr;
    }
}

char* strrchr(const char* text, int character) {
    const char* found = nullptr;
    for (;; ++text) {
        if (*text == static_cast<char>(character))
            found = text;
        if (*text == '\0')
            return const_cast<char*>(found);
    }
}

char* strstr(const char* text, const char* part) {
    for (;; ++text) {
        std::size_t i = 0;
        while (part[i] != '\0' && text[i] == part[i])
            ++i;
        if (part[i] == '\0')
            return const_cast<char*>(text);
        if (*text == '\0')
            return nullptr;
    }
}

} // extern "C"
