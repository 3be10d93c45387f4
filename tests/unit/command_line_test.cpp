#include "command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(ArgumentsOf, SkipsTheProgramNameQuotedOrNotAndTheBlanksAfterIt) {
    // Each line, and the arguments in it.
    const std::pair<const char*, const char*> cases[] = {
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
    for (auto [line, arguments] : cases)
        EXPECT_EQ(std::string(argumentsOf(line)), arguments) << line;
}
