#pragma once

#include <string>
#include <string_view>

namespace protocol {

// What the user typed, made fit for the document: invalid UTF-8 becomes U+FFFD, and the code
// points a document cannot carry (control characters other than tab, line feed and carriage
// return; U+FFFE, U+FFFF) are dropped. Everything else, Cyrillic included, stays as it is.
std::string CleanText(std::string_view text);

} // namespace protocol
