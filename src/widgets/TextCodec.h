#pragma once
// Field values between their file's bytes and the screen. A value keeps the
// bytes it was read with; the screen decodes them in the test's encoding, and
// what the user types is encoded back in that encoding, so a test file never
// ends up holding two encodings.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "core/TextUtil.h"

namespace vantor {

// Bytes as the screen shows them. In a UTF-8 test a value that is no valid
// UTF-8 (a hand-edited file) is shown as Windows-1252 rather than as
// replacement characters.
QString DecodeText(std::string_view bytes, TextEncoding encoding);
// Text in the encoding; nothing when a character cannot be written in it.
std::optional<std::string> EncodeText(const QString& text, TextEncoding encoding);
// Whether every character of the text can be written in the encoding.
bool CanEncode(const QString& text, TextEncoding encoding);

}  // namespace vantor
