#include "command_line.h"

#include <gtest/gtest.h>

#include <string>

TEST(ArgumentsOf, SkipsTheProgramNameQuotedOrNotAndTheBlanksAfterIt) {
    struct Case {
        const char* line;
        const char* arguments;
    };
    const Case cases[] = {
        {"C:\\Vebo\\VeboWAVE.exe C:\\a.wav", "C:\\a.wav"},
        {"\"C:\\Program Files\\Vebo\\VeboWAVE.exe\" C:\\My Music\\a b.wav",
         "C:\\My Music\\a b.wav"},
        {"\"C:\\Program Files\\VeboWAVE.exe\"   \"C:\\My Music\\a.wav\"  ",
         "\"C:\\My Music\\a.wav\"  "},
        {"C:\\\"Program Files\"\\VeboWAVE.exe x", "x"},
        {"VeboWAVE.exe\t\r\nfile", "file"},
        {"VeboWAVE.exe \"\"", "\"\""},
        {"VeboWAVE.exe", ""},
        {"\"C:\\Program Files\\VeboWAVE.exe\"", ""},
        {"\"C:\\No end\\VeboWAVE.exe x", ""},
        {"", ""},
        // Bytes from 128 up (here the UTF-8 of "é") belong to the name.
        {"C:\\T\xC3\xA9l\xC3\xA9\\VeboWAVE.exe a.wav", "a.wav"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::string(argumentsOf(c.line)), c.arguments) << c.line;
}
