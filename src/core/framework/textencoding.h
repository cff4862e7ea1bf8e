#pragma once

#include <string>
#include <string_view>

namespace kelvora {

// Files keep text in Windows-1250; memory keeps UTF-8. These are the only conversions.
// The five bytes Windows-1250 leaves undefined map to the C1 controls of the same value,
// so every byte string survives a round trip. A character the code page lacks, or
// malformed UTF-8, becomes '?'.
std::string Cp1250ToUtf8(std::string_view bytes);
void Cp1250ToUtf8(std::string_view bytes, std::string& out);
std::string Utf8ToCp1250(std::string_view text);
// UTF-16LE code units, as the wide string form stores them, to UTF-8 restricted to what
// Windows-1250 can hold (the program always narrows wide text to its code page).
std::string Utf16ToUtf8ViaCp1250(std::u16string_view text);

}  // namespace kelvora
