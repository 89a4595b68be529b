// The encrypted text format: a 24-byte header, then every line enciphered
// on its own and written as two upper-case hexadecimal digits per byte,
// followed by the document's usual line end.
#pragma once
#include <string>
#include <string_view>

namespace tarn {

inline constexpr std::string_view kEncryptedHeader{"\0@TARN Encrypted File@\r\n", 24};

bool startsWithEncryptedHeader(std::string_view bytes);

// Appends the enciphered line as hexadecimal digits.
void encipherLine(std::string_view text, std::string_view password, std::string& out);
// Appends the deciphered bytes; false (nothing appended) when the text is
// not pairs of hexadecimal digits.
bool decipherLine(std::string_view hexDigits, std::string_view password, std::string& out);

}  // namespace tarn
