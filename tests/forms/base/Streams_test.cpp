#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/Filer.h"
#include "forms/base/Streams.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace forms;

TEST(Filer, IntegersTakeTheSmallestType) {
    TMemoryStream s;
    TWriter w(s);
    w.WriteInteger(5);
    w.WriteInteger(-129);
    w.WriteInteger(40000);
    EXPECT_EQ(s.Bytes(), std::string("\x02\x05\x03\x7F\xFF\x04\x40\x9C\x00\x00", 10));
    s.SetPosition(0);
    TReader r(s);
    EXPECT_EQ(r.ReadInteger(), 5);
    EXPECT_EQ(r.ReadInteger(), -129);
    EXPECT_EQ(r.ReadInteger(), 40000);
}

TEST(Filer, TextTypesByContentAndLength) {
    TMemoryStream s;
    TWriter w(s);
    w.WriteString("ab");
    w.WriteString(std::string(256, 'x'));
    w.WriteString("表");
    const std::string& b = s.Bytes();
    EXPECT_EQ(b.substr(0, 4), std::string("\x06\x02"
                                          "ab"));
    EXPECT_EQ(b.substr(4, 5), std::string("\x0C\x00\x01\x00\x00", 5));
    EXPECT_EQ(b.substr(4 + 5 + 256), std::string("\x14\x03\x00\x00\x00\xE8\xA1\xA8", 8));
    s.SetPosition(0);
    TReader r(s);
    EXPECT_EQ(r.ReadString(), "ab");
    EXPECT_EQ(r.ReadString(), std::string(256, 'x'));
    EXPECT_EQ(r.ReadString(), "表");
}

TEST(Filer, Utf16TextIsReadInCodePage932) {
    TMemoryStream s(std::string("\x12\x01\x00\x00\x00\x68\x88", 7)); // U+8868 表
    EXPECT_EQ(TReader(s).ReadString(), "表");
}

TEST(Filer, WrongTypesAndShortDataRaiseTheStreamReadError) {
    const std::string cases[] = {
        std::string("\x06\x05"
                    "ab",
                    4),                         // text shorter than its length
        std::string("\x0C\xFF\xFF\xFF\x7F", 5), // huge length, nothing allocated
        std::string("\x0C\x00\x00\x00\x80", 5), // negative length
        std::string("\x12\xFF\xFF\xFF\x7F"
                    "ab",
                    7),             // UTF-16 count beyond the data
        std::string("\x02\x01", 2), // integer where text is expected
        std::string(""),
    };
    for (const auto& bytes : cases) {
        TMemoryStream s(bytes);
        EXPECT_THROW(TReader(s).ReadString(), EStreamReadError);
    }
    TMemoryStream text(std::string("\x06\x01"
                                   "a",
                                   3));
    EXPECT_THROW(TReader(text).ReadInteger(), EStreamReadError);
    TMemoryStream shortInt(std::string("\x04\x01\x02", 3));
    EXPECT_THROW(TReader(shortInt).ReadInteger(), EStreamReadError);
}

TEST(Files, ReplacingWriteLeavesTheOldFileWhenItFails) {
    kbtest::TempDir dir;
    const std::string target = dir.File("data.lst");
    WriteFileReplacing(target, "first");
    EXPECT_EQ(ReadFileBytes(target), "first");
    WriteFileReplacing(target, "second");
    EXPECT_EQ(ReadFileBytes(target), "second");
    EXPECT_THROW(WriteFileReplacing(dir.File("missing") +
                                        (target.find('\\') != std::string::npos ? "\\x" : "/x"),
                                    "x"),
                 EFileCreateError);
    EXPECT_EQ(ReadFileBytes(target), "second");
}

TEST(Files, OpenErrorsNameTheFile) {
    kbtest::TempDir dir;
    try {
        ReadFileBytes(dir.File("nothing.txt"));
        FAIL();
    } catch (const EFileOpenError& e) {
        EXPECT_NE(e.Message().find("nothing.txt"), std::string::npos);
        EXPECT_NE(e.Message().find("は開けません"), std::string::npos);
    }
    EXPECT_FALSE(FileExists(dir.Path()));
    EXPECT_TRUE(DirectoryExists(dir.Path()));
}

TEST(Files, JapaneseFileNames) {
    kbtest::TempDir dir;
    const std::string name = dir.File("表示.txt");
    WriteFileReplacing(name, "x");
    EXPECT_TRUE(FileExists(name));
    EXPECT_EQ(kbtest::ReadBytes(name), "x");
    EXPECT_TRUE(RemoveFile(name));
    EXPECT_FALSE(FileExists(name));
}

TEST(Filer, TextLengthBeyondTheDataIsALengthError) {
    const std::string cases[] = {
        std::string("\x0C\xFF\xFF\xFF\x7F", 5),
        std::string("\x0C\x00\x00\x00\x80", 5),
        std::string("\x06\x05"
                    "ab",
                    4),
    };
    for (const auto& bytes : cases) {
        TMemoryStream s(bytes);
        EXPECT_THROW(TReader(s).ReadString(), EStreamLengthError);
    }
    TMemoryStream wrongType(std::string("\x02\x01", 2));
    try {
        TReader(wrongType).ReadString();
        FAIL();
    } catch (const EStreamLengthError&) {
        FAIL() << "a wrong type is not a length error";
    } catch (const EStreamReadError&) {
    }
}
