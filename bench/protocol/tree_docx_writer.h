#pragma once

#include "protocol/document.h"

#include <string>

namespace protocol::yardstick {

// The package's bytes, built the way the writer did before it streamed (see the .cpp).
std::string TreeDocxPackage(const Document& document);

} // namespace protocol::yardstick
