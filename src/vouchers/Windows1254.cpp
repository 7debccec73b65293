#include "vouchers/Windows1254.h"

#include <QList>
#include <array>
#include <iconv.h>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace velkor {

namespace {

/// The iconv conversion from UTF-32 to Windows-1254, one character at a time, with the
/// answer kept for each character met; ASCII passes through without asking.
class CodePage {
public:
    CodePage() {
        m_iconv = iconv_open("CP1254", "UTF-32LE");
        if (m_iconv == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("Windows-1254 dönüşümü bu sistemde yok (iconv CP1254).");
        }
    }
    ~CodePage() { iconv_close(m_iconv); }
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    /// The byte of the character, or -1 when the code page has none.
    int byteOf(char32_t c) {
        if (c < 0x80) {
            return static_cast<int>(c);
        }
        // The characters of the basic plane are remembered in a flat table: a voucher
        // asks for every character of every line.
        if (c < m_plane.size()) {
            qint16& known = m_plane[c];
            if (known == kUnknown) {
                known = static_cast<qint16>(convert(c));
            }
            return known;
        }
        const auto found = m_known.find(c);
        if (found != m_known.end()) {
            return found->second;
        }
        const int byte = convert(c);
        m_known.emplace(c, byte);
        return byte;
    }

private:
    static constexpr qint16 kUnknown = -2;

    int convert(char32_t c) {
        std::array<unsigned char, 4> in{
            static_cast<unsigned char>(c & 0xFF), static_cast<unsigned char>((c >> 8) & 0xFF),
            static_cast<unsigned char>((c >> 16) & 0xFF), static_cast<unsigned char>((c >> 24) & 0xFF)};
        std::array<char, 8> out{};
        char* inPtr = reinterpret_cast<char*>(in.data());
        char* outPtr = out.data();
        size_t inLeft = in.size();
        size_t outLeft = out.size();
        iconv(m_iconv, nullptr, nullptr, nullptr, nullptr);
        const size_t result = iconv(m_iconv, &inPtr, &inLeft, &outPtr, &outLeft);
        return (result == static_cast<size_t>(-1) || outLeft != out.size() - 1)
                   ? -1
                   : static_cast<unsigned char>(out[0]);
    }

    iconv_t m_iconv;
    std::vector<qint16> m_plane = std::vector<qint16>(0x10000, kUnknown);
    std::unordered_map<char32_t, int> m_known;
};

} // namespace

EncodedText toWindows1254(const QString& text) {
    static CodePage codePage;
    EncodedText encoded;
    encoded.bytes.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        // A surrogate pair is one character; a lone surrogate is none and has no byte.
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(static_cast<char16_t>(c), text.at(++i).unicode());
        } else if (QChar::isSurrogate(c)) {
            c = QChar::ReplacementCharacter;
        }
        const int byte = codePage.byteOf(c);
        if (byte < 0) {
            encoded.bytes.append('?');
            ++encoded.replaced;
        } else {
            encoded.bytes.append(static_cast<char>(byte));
        }
    }
    return encoded;
}

} // namespace velkor
