#include "command_line.h"

namespace {

bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

const char* argumentsOf(const char* commandLine) {
    const char* p = commandLine;
    bool quoted = false;
    while (*p != '\0' && (quoted || !isBlankOrControl(*p))) {
        if (*p == '"')
            quoted = !quoted;
        ++p;
    }
    while (*p != '\0' && isBlankOrControl(*p))
        ++p;
    return p;
}
