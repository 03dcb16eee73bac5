#include <gtest/gtest.h>

#include "Text.h"

namespace mirobanth::test { namespace {

TEST(Utf8DecoderTest, AsciiAndEmptyTextPassUnchanged) {
    EXPECT_EQ(text::decodeUtf8(""), u"");
    EXPECT_EQ(text::decodeUtf8("My File \"quoted\" back\\slash"),
              u"My File \"quoted\" back\\slash");
    EXPECT_EQ(text::decodeUtf8(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(Utf8DecoderTest, AccentsAndCjkBecomeSingleUnits) {
    EXPECT_EQ(text::decodeUtf8("\xC3\xA9t\xC3\xA9"), u"\u00E9t\u00E9");
    EXPECT_EQ(text::decodeUtf8("\xE6\x97\xA5\xE6\x9C\xAC"), u"\u65E5\u672C");
}

TEST(Utf8DecoderTest, CharactersBeyondTheBasicPlaneBecomeSurrogatePairs) {
    std::u16string emoji = text::decodeUtf8("\xF0\x9F\x98\x80");
    ASSERT_EQ(emoji.size(), 2u);
    EXPECT_EQ(emoji[0], 0xD83D);
    EXPECT_EQ(emoji[1], 0xDE00);
    EXPECT_EQ(text::decodeUtf8("\xF4\x8F\xBF\xBF"), u"\U0010FFFF");
}

TEST(Utf8DecoderTest, StrayAndInvalidBytesBecomeOneReplacementEach) {
    EXPECT_EQ(text::decodeUtf8("a\x80z"), u"a\uFFFDz");
    EXPECT_EQ(text::decodeUtf8("\xFF\xFE"), u"\uFFFD\uFFFD");
    EXPECT_EQ(text::decodeUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong "/"
    EXPECT_EQ(text::decodeUtf8("\xF5\x80"), u"\uFFFD\uFFFD");  // above U+10FFFF
}

TEST(Utf8DecoderTest, ATruncatedSequenceBecomesOneReplacement) {
    EXPECT_EQ(text::decodeUtf8("\xE6\x97"), u"\uFFFD");
    EXPECT_EQ(text::decodeUtf8("\xE6\x97z"), u"\uFFFDz");
    EXPECT_EQ(text::decodeUtf8("\xF0\x9F\x98"), u"\uFFFD");
    EXPECT_EQ(text::decodeUtf8("\xC3"), u"\uFFFD");
}

// As Java has it: an encoded surrogate is one broken sequence, an overlong
// form is broken at its second byte.
TEST(Utf8DecoderTest, EncodedSurrogatesAndOverlongFormsAreReplacedAsJavaReplacesThem) {
    EXPECT_EQ(text::decodeUtf8("\xED\xA0\x80"), u"\uFFFD");
    EXPECT_EQ(text::decodeUtf8("\xED\xB6"), u"\uFFFD");
    EXPECT_EQ(text::decodeUtf8("\xED\xA0\x41"), u"\uFFFDA");
    EXPECT_EQ(text::decodeUtf8("\xE0\x80\xAF"), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(text::decodeUtf8("\xF0\x80\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(text::decodeUtf8("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(text::decodeUtf8("\xED\x9F\xBF"), u"\uD7FF");
}

}}  // namespace mirobanth::test
