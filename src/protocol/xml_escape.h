#pragma once

#include <string>
#include <string_view>

namespace protocol {

// Where a text goes in an XML part: between tags, or between an attribute's double quotes.
enum class XmlPlace { Text, Attribute };

// Appends the text with what XML marks up escaped for its place: & and < everywhere, > in a
// text, " in an attribute; a control character as a two-digit reference (&#09;), except that
// tab, line feed and carriage return stand as they are in a text. The document's texts have
// been through CleanText, so no control character but those three ever reaches it.
void AppendEscaped(std::string& out, std::string_view text, XmlPlace place);

} // namespace protocol
