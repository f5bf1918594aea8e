#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "engine/utf8_text.h"

namespace engine {
namespace {

using Case = std::pair<std::string, std::string>;

TEST(UpperCaseText, AsciiRaisesAsTheCLocaleDoes) {
    std::string all;
    for (int c = 1; c < 0x80; ++c) all += static_cast<char>(c);
    std::string expected = all;
    for (char& c : expected)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    EXPECT_EQ(UpperCaseText(all), expected);
}

TEST(UpperCaseText, RaisesLettersOfEveryScript) {
    const Case cases[] = {
        {"s\xC3\xA3o paulo", "S\xC3\x83O PAULO"},                                                  // são paulo
        {"\xC3\xA0\xC3\xBE\xC3\xB7\xC3\xBF\xC3\x9F", "\xC3\x80\xC3\x9E\xC3\xB7\xC5\xB8\xC3\x9F"},  // àþ÷ÿß -> ÀÞ÷Ÿß
        {"\xC5\x82\xC3\xB3"
         "d\xC5\xBA",
         "\xC5\x81\xC3\x93"
         "D\xC5\xB9"},                                                                             // łódź
        {"\xC4\xB1\xC4\x9F\xC5\x88", "I\xC4\x9E\xC5\x87"},                                         // ığň -> IĞŇ
        {"\xC8\x99\xC8\x9B", "\xC8\x98\xC8\x9A"},                                                  // șț
        {"\xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1", "\xCE\x91\xCE\x98\xCE\x89\xCE\x9D\xCE\x91"},  // αθήνα
        {"\xCF\x82\xCF\x8E", "\xCE\xA3\xCE\x8F"},                                                  // ςώ -> ΣΏ
        {"\xD0\xBC\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0",
         "\xD0\x9C\xD0\x9E\xD0\xA1\xD0\x9A\xD0\x92\xD0\x90"},                            // москва
        {"\xD1\x91\xD1\x97\xD2\x91", "\xD0\x81\xD0\x87\xD2\x90"},                        // ёїґ -> ЁЇҐ
        {"h\xC3\xA0 n\xE1\xBB\x99i", "H\xC3\x80 N\xE1\xBB\x98I"},                        // hà nội
        {"\xD5\xA5\xD6\x80", "\xD4\xB5\xD5\x90"},                                        // Armenian եր -> ԵՐ
        {"\xD8\xB9\xD9\x85\xD8\xA7\xD9\x86 ok", "\xD8\xB9\xD9\x85\xD8\xA7\xD9\x86 OK"},  // Arabic has no case
    };
    for (const auto& [text, capitals] : cases) EXPECT_EQ(UpperCaseText(text), capitals) << text;
}

TEST(UpperCaseText, BytesThatAreNotUtf8StandAsTheyAre) {
    EXPECT_EQ(UpperCaseText("s\xE3o paulo"), "S\xE3O PAULO");
    EXPECT_EQ(UpperCaseText("a\xC3"), "A\xC3");  // a cut sequence
}

TEST(UpperCaseFirst, RaisesOnlyTheFirstCharacter) {
    const Case cases[] = {
        {"adelaide", "Adelaide"},
        {"", ""},
        {"\xC3\xBCr\xC3\xBCmqi", "\xC3\x9Cr\xC3\xBCmqi"},
        {"\xD0\xBC\xD0\xBE", "\xD0\x9C\xD0\xBE"},
        {"\xE3x", "\xE3x"},  // a first byte that is not UTF-8 is the first character
    };
    for (const auto& [text, raised] : cases) EXPECT_EQ(UpperCaseFirst(text), raised) << text;
}

TEST(FileTextAsUtf8, Utf8StaysAndAnythingElseIsWindows1252) {
    std::string ascii;
    for (int c = 0; c < 0x80; ++c) ascii += static_cast<char>(c);
    const Case cases[] = {
        {ascii, ascii},                            // byte for byte
        {"s\xC3\xA3o paulo", "s\xC3\xA3o paulo"},  // UTF-8 already
        {"\xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1", "\xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1"},
        {"\xD0\xBC\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0", "\xD0\xBC\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0"},
        {"\xF0\x9F\x95\x8C", "\xF0\x9F\x95\x8C"},                          // four bytes
        {"s\xE3o paulo", "s\xC3\xA3o paulo"},                              // 0xE3 is ã
        {"\x80", "\xE2\x82\xAC"},                                          // the euro sign
        {"\x9F\xFF", "\xC5\xB8\xC3\xBF"},                                  // Ÿÿ
        {"\x81\x8D", "\xC2\x81\xC2\x8D"},                                  // the holes keep their code
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                                  // an overlong form is not UTF-8
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},                  // nor is a surrogate
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},  // nor past U+10FFFF
        {"caf\xC3", "caf\xC3\x83"},                                        // a cut sequence
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(FileTextAsUtf8(bytes), text) << bytes;
        EXPECT_TRUE(IsUtf8(FileTextAsUtf8(bytes)));
    }
}

}  // namespace
}  // namespace engine
