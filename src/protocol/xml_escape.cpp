#include "protocol/xml_escape.h"

#include <array>

namespace protocol {
namespace {

// Per byte and place: whether the byte needs escaping there.
struct EscapeTable {
    std::array<bool, 256> text{};
    std::array<bool, 256> attribute{};
};

constexpr EscapeTable MakeTable() {
    EscapeTable table;
    for (int c = 0; c < 0x20; ++c) {
        table.attribute[c] = true;
        table.text[c] = c != '\t' && c != '\n' && c != '\r';
    }
    table.text['&'] = table.attribute['&'] = true;
    table.text['<'] = table.attribute['<'] = true;
    table.text['>'] = true;
    table.attribute['"'] = true;
    return table;
}

constexpr EscapeTable Escapes = MakeTable();

} // namespace

void AppendEscaped(std::string& out, std::string_view text, XmlPlace place) {
    const std::array<bool, 256>& special =
        place == XmlPlace::Text ? Escapes.text : Escapes.attribute;
    std::size_t plain = 0; // start of the run of bytes that stand as they are
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!special[c])
            continue;
        out.append(text, plain, i - plain);
        plain = i + 1;
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += "&#";
            out += static_cast<char>('0' + c / 10);
            out += static_cast<char>('0' + c % 10);
            out += ';';
        }
    }
    out.append(text, plain, text.size() - plain);
}

} // namespace protocol
