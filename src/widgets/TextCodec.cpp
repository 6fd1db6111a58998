#include "widgets/TextCodec.h"

namespace vantor {

namespace {

// Windows-1252 is Latin-1 but for 0x80 to 0x9F; the five unused bytes there
// are shown as the control characters Latin-1 gives them.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString FromWindows1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text += QChar(b >= 0x80 && b <= 0x9F ? kHighControls[b - 0x80] : char16_t(b));
    }
    return text;
}

std::optional<char> ToWindows1252(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == u) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

}  // namespace

QString DecodeText(std::string_view bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Windows1252 || !IsValidUtf8(bytes)) return FromWindows1252(bytes);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::optional<std::string> EncodeText(const QString& text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return text.toUtf8().toStdString();
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
        std::optional<char> byte = ToWindows1252(c);
        if (!byte) return std::nullopt;
        bytes += *byte;
    }
    return bytes;
}

bool CanEncode(const QString& text, TextEncoding encoding) {
    return EncodeText(text, encoding).has_value();
}

}  // namespace vantor
