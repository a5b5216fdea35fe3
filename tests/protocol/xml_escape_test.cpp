// The writer's escaping against pugixml's, which wrote every package before the writer
// streamed: every byte, in a text and in an attribute, comes out as it always did.
#include "protocol/xml_escape.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>
#include <sstream>

namespace protocol {
namespace {

// What pugixml writes for the text between tags and for the attribute value.
std::string PugixmlEscaped(const std::string& text, XmlPlace place) {
    pugi::xml_document xml;
    pugi::xml_node node = xml.append_child("x");
    if (place == XmlPlace::Text)
        node.text() = text.c_str();
    else
        node.append_attribute("v") = text.c_str();
    std::ostringstream out;
    xml.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    const std::string element = out.str();
    const std::string open = place == XmlPlace::Text ? "<x>" : "<x v=\"";
    const std::string close = place == XmlPlace::Text ? "</x>" : "\"/>";
    return element.substr(open.size(), element.size() - open.size() - close.size());
}

std::string Escaped(const std::string& text, XmlPlace place) {
    std::string out = "kept:";
    AppendEscaped(out, text, place);
    EXPECT_EQ(out.rfind("kept:", 0), 0u) << "what was there before stays";
    return out.substr(5);
}

class EscapeTest : public ::testing::TestWithParam<XmlPlace> {};

TEST_P(EscapeTest, EveryByteAsPugixmlWroteIt) {
    for (int c = 1; c < 256; ++c) {
        // The byte alone, between others, and twice in a row.
        for (const std::string& text : {std::string(1, static_cast<char>(c)),
                                        "a" + std::string(1, static_cast<char>(c)) + "b",
                                        std::string(2, static_cast<char>(c))})
            EXPECT_EQ(Escaped(text, GetParam()), PugixmlEscaped(text, GetParam())) << "byte " << c;
    }
}

TEST_P(EscapeTest, WholeTextsAsPugixmlWroteThem) {
    for (const std::string text :
         {"", "Пожарный кран № 5 — «исправен»", "a & b < c > d \"e\" 'f' &amp; ]]> <w:t>", "\t\r\n",
          "😀 𝄞 ✓ \xEF\xBF\xBD", "&&&<<<>>>\"\"\""})
        EXPECT_EQ(Escaped(text, GetParam()), PugixmlEscaped(text, GetParam())) << text;
}

INSTANTIATE_TEST_SUITE_P(Writer, EscapeTest, ::testing::Values(XmlPlace::Text, XmlPlace::Attribute),
                         [](const auto& info) {
                             return info.param == XmlPlace::Text ? "Text" : "Attribute";
                         });

} // namespace
} // namespace protocol
