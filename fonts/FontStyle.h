#pragma once
// Splits the style word "Italic" or "Bold" off a face name and says what
// the preview's italic and bold flags should become.

#include <string>

enum class FlagChange { Keep, Set, Clear };

struct StyleSplit {
    std::wstring baseName;
    FlagChange italic;
    FlagChange bold;
};

// "Italic" is looked for first and, only without it, "Bold"; the first
// occurrence of the word found is cut out together with the one character
// after it, and its flag is set while the other flag is kept. A name with
// neither word is returned whole and clears both flags. Exact,
// case-sensitive matching. Positions are 16-bit: a word found too far into
// the name raises error 6 (overflow).
StyleSplit splitStyleWord(const std::wstring& faceName);

void applyFlagChange(bool& flag, FlagChange change);
