#ifndef VESPERINE_ENCODAGE_H
#define VESPERINE_ENCODAGE_H

#include <cstddef>
#include <string>

// The system keeps its texts as single-byte Windows-1252 ("é" is the byte 0xE9);
// sources and terminals speak UTF-8. These two conversions sit at the borders.

// UTF-8 to Windows-1252. A character that Windows-1252 cannot hold becomes '?';
// a byte sequence that is not valid UTF-8 is kept byte for byte.
std::string versWindows1252(const std::string& utf8);

// Windows-1252 to UTF-8. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number.
std::string versUtf8(const std::string& cp1252);

// The number of bytes of the valid UTF-8 character that starts at s[i] (1 for
// ASCII), or 0 where none does: a stray continuation byte, an overlong form, a
// surrogate, a code point past U+10FFFF, a sequence cut short. REQUIRES: i < s.size().
std::size_t longueurCaractereUtf8(const std::string& s, std::size_t i);

// The UTF-8 form of one Windows-1252 byte, appended to `resultat`.
void ajouterUtf8(std::string& resultat, unsigned char octet);

#endif
