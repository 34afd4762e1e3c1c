#pragma once
// The Macintosh Roman character set, in which older fonts record their
// Macintosh names.

char16_t macRomanToUnicode(unsigned char byte);
