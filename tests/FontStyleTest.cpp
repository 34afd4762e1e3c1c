// Splitting the style words off a face name, and the preview's flags
// across several clicks.

#include <gtest/gtest.h>

#include <string>

#include "fonts/FontStyle.h"
#include "runtime/RuntimeError.h"
#include "tests/support/Errors.h"

namespace {
// The preview label's two flags as the clicks leave them.
struct Flags {
    bool italic = false;
    bool bold = false;

    std::wstring show(const std::wstring& faceName) {
        StyleSplit split = splitStyleWord(faceName);
        applyFlagChange(italic, split.italic);
        applyFlagChange(bold, split.bold);
        return split.baseName;
    }
};

int overflowAt(const std::wstring& word, size_t position) {
    return errorNumberOf([&] { splitStyleWord(std::wstring(position - 1, L'x') + word + L" Sans"); });
}
}  // namespace

TEST(FontStyleTest, SplitsTheWorkedExamples) {
    using F = FlagChange;
    struct Case {
        const wchar_t* faceName;
        const wchar_t* baseName;
        FlagChange italic;
        FlagChange bold;
    };
    const Case cases[] = {
        {L"Arial", L"Arial", F::Clear, F::Clear},
        {L"Arial Bold", L"Arial ", F::Keep, F::Set},
        {L"Times New Roman Italic", L"Times New Roman ", F::Set, F::Keep},
        {L"Arial Bold Italic", L"Arial Bold ", F::Set, F::Keep},
        {L"Italic Bold Serif", L"Bold Serif", F::Set, F::Keep},
        {L"Sample Bold Wide", L"Sample Wide", F::Keep, F::Set},
        {L"BoldFace Sans", L"ace Sans", F::Keep, F::Set},
        {L"Bold", L"", F::Keep, F::Set},
        {L"arial bold", L"arial bold", F::Clear, F::Clear},
        {L"Sans ITALIC BOLD", L"Sans ITALIC BOLD", F::Clear, F::Clear},
        {L"ItalicX Sans", L" Sans", F::Set, F::Keep},
        {L"Serif Italic Italic", L"Serif Italic", F::Set, F::Keep},
        {L"", L"", F::Clear, F::Clear},
    };
    for (const Case& c : cases) {
        StyleSplit split = splitStyleWord(c.faceName);
        EXPECT_EQ(split.baseName, c.baseName) << c.faceName;
        EXPECT_EQ(split.italic, c.italic) << c.faceName;
        EXPECT_EQ(split.bold, c.bold) << c.faceName;
    }
}

TEST(FontStyleTest, FlagsCarryOverFromClickToClick) {
    Flags italicThenBold;
    italicThenBold.show(L"Serif Italic");
    italicThenBold.show(L"Sans Bold");
    EXPECT_TRUE(italicThenBold.italic && italicThenBold.bold);

    Flags boldThenItalic;
    boldThenItalic.show(L"Sans Bold");
    boldThenItalic.show(L"Serif Italic");
    EXPECT_TRUE(boldThenItalic.italic && boldThenItalic.bold);

    Flags boldItalicAfterPlain;
    boldItalicAfterPlain.show(L"Sans");
    EXPECT_EQ(boldItalicAfterPlain.show(L"Mono Bold Italic"), L"Mono Bold ");
    EXPECT_TRUE(boldItalicAfterPlain.italic);
    EXPECT_FALSE(boldItalicAfterPlain.bold);

    Flags plainAfterBoth = boldThenItalic;
    plainAfterBoth.show(L"Sans");
    EXPECT_FALSE(plainAfterBoth.italic || plainAfterBoth.bold);
}

TEST(FontStyleTest, WordsPastTheSixteenBitRangeOverflow) {
    EXPECT_EQ(overflowAt(L"Italic", 32760), 0);
    EXPECT_EQ(overflowAt(L"Italic", 32761), err::Overflow);
    EXPECT_EQ(overflowAt(L"Bold", 32762), 0);
    EXPECT_EQ(overflowAt(L"Bold", 32763), err::Overflow);
}

TEST(FontStyleTest, CutsAWordNearTheLimitCorrectly) {
    std::wstring before(32759, L'x');
    EXPECT_EQ(splitStyleWord(before + L"Italic Sans").baseName, before + L"Sans");
}
