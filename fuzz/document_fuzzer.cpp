// The document writer under any texts and any sequence of operations: any bytes, invalid
// UTF-8, control characters, very long lines, many CR LF. Operations may refuse with a
// DocumentError; nothing else may escape. Or the whole protocol composed from any typed
// texts, grid cells, diameter text, flow and date. The saved package always opens with libzip,
// every part parses with pugixml, carries only characters XML allows, and keeps the structure a
// word processor needs (every cell and the body end with a paragraph); every text written
// (after cleaning) is in document.xml, in the order it was written; and every part is, byte
// for byte, what the tree writer the streaming writer replaced makes of the same document.
#include "fuzz_check.h"
#include "protocol/clean_text.h"
#include "protocol/document.h"
#include "protocol/docx_writer.h"
#include "protocol/protocol.h"
#include "tree_docx_writer.h"
#include "utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <limits>
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <utility>
#include <vector>
#include <zip.h>

namespace {

// XML 1.0 characters: tab, line feed, carriage return, U+0020 … U+D7FF, U+E000 … U+FFFD and
// U+10000 … U+10FFFF, in well-formed UTF-8.
bool IsXmlText(std::string_view text) {
    if (!IsValidUtf8(text)) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            return false;
        }
        // U+FFFE and U+FFFF are EF BF BE and EF BF BF.
        if (c == 0xEF && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xBF &&
            (static_cast<unsigned char>(text[i + 2]) & 0xFE) == 0xBE) {
            return false;
        }
    }
    return true;
}

// Decoded texts and attribute values too: a character reference such as &#1; would pass the
// raw scan and still make the part unreadable.
void CheckNodes(const pugi::xml_node& node) {
    for (const pugi::xml_attribute& attribute : node.attributes()) {
        FUZZ_CHECK(IsXmlText(attribute.value()), "an attribute carries only XML characters");
    }
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            FUZZ_CHECK(IsXmlText(child.value()), "a text carries only XML characters");
        }
        CheckNodes(child);
    }
}

pugi::xml_node LastElement(const pugi::xml_node& node) {
    pugi::xml_node last;
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() == pugi::node_element) {
            last = child;
        }
    }
    return last;
}

void CheckDocumentStructure(const pugi::xml_document& xml) {
    const pugi::xml_node body = xml.child("w:document").child("w:body");
    FUZZ_CHECK(body, "the document has a body");
    const pugi::xml_node sectPr = LastElement(body);
    FUZZ_CHECK(std::strcmp(sectPr.name(), "w:sectPr") == 0, "the body ends with its section");
    const pugi::xml_node beforeSection = sectPr.previous_sibling();
    FUZZ_CHECK(std::strcmp(beforeSection.name(), "w:p") == 0,
               "a paragraph stands before the section");
    for (const pugi::xpath_node& cell : xml.select_nodes("//w:tc")) {
        FUZZ_CHECK(std::strcmp(LastElement(cell.node()).name(), "w:p") == 0,
                   "every cell ends with a paragraph");
    }
    for (const pugi::xpath_node& row : xml.select_nodes("//w:tr")) {
        FUZZ_CHECK(row.node().child("w:tc"), "every row has a cell");
    }
}

// The document's text in document order: the texts of every run, with a line break for each
// tab, break and paragraph end.
void AppendText(const pugi::xml_node& node, std::string& text) {
    for (const pugi::xml_node& child : node.children()) {
        const std::string_view name = child.name();
        if (name == "w:t") {
            text += child.text().get();
        } else if (name == "w:tab" || name == "w:br") {
            text += '\n';
        } else {
            AppendText(child, text);
            if (name == "w:p") {
                text += '\n';
            }
        }
    }
}

// Each written text, cleaned and cut at its line breaks and tabs, stands in the document after
// the texts written before it: a writer that dropped, reordered or mangled a text fails here.
void CheckTextsInOrder(const std::string& documentXml, const std::vector<std::string>& written) {
    pugi::xml_document xml;
    FUZZ_CHECK(xml.load_buffer(documentXml.data(), documentXml.size(),
                               pugi::parse_default | pugi::parse_ws_pcdata),
               "document.xml parses with its blank texts");
    std::string text;
    AppendText(xml, text);
    std::size_t from = 0;
    for (const std::string& one : written) {
        const std::string clean = protocol::CleanText(one);
        std::size_t start = 0;
        while (start <= clean.size()) {
            const std::size_t end = std::min(clean.find_first_of("\r\n\t", start), clean.size());
            const std::string_view piece(clean.data() + start, end - start);
            if (!piece.empty()) {
                const std::size_t found = text.find(piece, from);
                FUZZ_CHECK(found != std::string::npos,
                           "every written text is in document.xml, in the order written");
                from = found + piece.size();
            }
            start = end + 1;
        }
    }
}

// Every part's name and content, in the package's order.
std::vector<std::pair<std::string, std::string>> PartsOf(const std::string& bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    FUZZ_CHECK(source, "the package makes a zip source");
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive) {
        zip_source_free(source);
    }
    FUZZ_CHECK(archive, "the package opens with libzip");
    std::unique_ptr<zip_t, decltype(&zip_discard)> open(archive, zip_discard);
    std::vector<std::pair<std::string, std::string>> parts;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        FUZZ_CHECK(zip_stat_index(archive, i, 0, &stat) == 0, "every part has its entry");
        zip_file_t* file = zip_fopen_index(archive, i, 0);
        FUZZ_CHECK(file, "every part opens");
        std::string content(stat.size, '\0');
        const zip_int64_t read = zip_fread(file, content.data(), content.size());
        zip_fclose(file);
        FUZZ_CHECK(read == static_cast<zip_int64_t>(stat.size), "every part reads whole");
        parts.emplace_back(stat.name, std::move(content));
    }
    return parts;
}

// Returns word/document.xml.
std::string CheckPackage(const std::string& bytes) {
    const std::vector<std::pair<std::string, std::string>> parts = PartsOf(bytes);
    FUZZ_CHECK(parts.size() >= 3, "the package holds its parts");
    std::string documentXml;
    bool sawDocument = false;
    for (const auto& [name, content] : parts) {
        FUZZ_CHECK(IsXmlText(content), "every part is well-formed UTF-8 of XML characters");

        pugi::xml_document xml;
        const pugi::xml_parse_result parsed = xml.load_buffer(content.data(), content.size());
        FUZZ_CHECK(parsed, "every part parses with pugixml");
        CheckNodes(xml);
        if (name == "word/document.xml") {
            sawDocument = true;
            documentXml = content;
            CheckDocumentStructure(xml);
        }
    }
    FUZZ_CHECK(sawDocument, "the package holds word/document.xml");
    return documentXml;
}

// The document written by the streaming writer and by the tree of the whole document it
// replaced: not one character of any part may differ.
struct SavedTwice {
    std::optional<std::string> streamed;
    std::optional<std::string> tree;

    void Save(const protocol::Document& document) {
        streamed = protocol::DocxPackage(document);
        tree = protocol::yardstick::TreeDocxPackage(document);
    }
    // Returns document.xml.
    std::string Check() const {
        FUZZ_CHECK(streamed.has_value(), "the shown document is saved");
        std::string documentXml = CheckPackage(*streamed);
        FUZZ_CHECK(PartsOf(*streamed) == PartsOf(*tree), "the parts are the tree writer's");
        return documentXml;
    }
};

// Any bytes, or long lines and runs of line breaks built from them.
std::string Text(FuzzedDataProvider& input) {
    std::string piece = input.ConsumeRandomLengthString(256);
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return piece;
    case 1: { // a very long line
        std::string line;
        const int repeats = input.ConsumeIntegralInRange(1, 400);
        for (int i = 0; i < repeats; ++i) {
            line += piece.empty() ? std::string("я") : piece;
        }
        return line;
    }
    case 2: { // many CR LF, between pieces or alone
        std::string lines;
        const int count = input.ConsumeIntegralInRange(1, 300);
        for (int i = 0; i < count; ++i) {
            lines += piece;
            lines += "\r\n";
        }
        return lines;
    }
    default: { // every kind of line break, lone CR and LF included
        static constexpr std::string_view breaks[] = {"\r\n", "\n", "\r", "\n\r", "\r\r\n"};
        std::string mixed;
        const int count = input.ConsumeIntegralInRange(1, 50);
        for (int i = 0; i < count; ++i) {
            mixed += piece;
            mixed += breaks[input.ConsumeIntegralInRange(0, 4)];
        }
        return mixed;
    }
    }
}

struct Formatting {
    std::string fontName;
    std::int32_t bold, italic, strikeThrough, underline, size;
    protocol::Alignment alignment;
};

Formatting AnyFormatting(FuzzedDataProvider& input) {
    Formatting f;
    f.fontName = input.ConsumeBool() ? "Times New Roman" : input.ConsumeRandomLengthString(40);
    f.bold = input.ConsumeIntegral<std::int32_t>();
    f.italic = input.ConsumeIntegral<std::int32_t>();
    f.strikeThrough = input.ConsumeIntegral<std::int32_t>();
    f.underline = input.ConsumeIntegralInRange<std::int32_t>(-1, 2);
    f.size = input.ConsumeBool() ? input.ConsumeIntegralInRange(8, 16)
                                 : input.ConsumeIntegral<std::int32_t>();
    f.alignment = static_cast<protocol::Alignment>(input.ConsumeIntegralInRange(0, 5));
    return f;
}

float AnyMeasure(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return input.ConsumeFloatingPointInRange(0.0f, 600.0f);
    case 1:
        return input.ConsumeFloatingPoint<float>();
    case 2:
        return std::numeric_limits<float>::quiet_NaN();
    default:
        return input.ConsumeBool() ? std::numeric_limits<float>::infinity()
                                   : -std::numeric_limits<float>::infinity();
    }
}

// "Отчет" on whatever the inspector typed: the composition refuses only with a DocumentError
// (a date the date line cannot read); otherwise the protocol is shown and saved.
void ComposeProtocol(FuzzedDataProvider& input) {
    protocol::ProtocolData data;
    data.general.date.day = input.ConsumeIntegralInRange(-1, 32);
    data.general.date.month = input.ConsumeIntegralInRange(0, 13);
    data.general.date.year = input.ConsumeIntegralInRange(-1, 10000);
    data.general.Mesto = Text(input);
    data.general.MestoProverki = Text(input);
    data.general.ObjName = Text(input);
    data.general.NameOrg = Text(input);
    data.general.Oborud = Text(input);
    data.JetFlow = input.ConsumeBool() ? 2.5 : input.ConsumeFloatingPoint<double>();
    data.Dnas = input.ConsumeRandomLengthString(8);
    data.separator = input.ConsumeBool() ? ',' : '.';
    const int rows = input.ConsumeIntegralInRange(0, 12);
    for (int r = 0; r < rows; ++r) {
        protocol::ResultRow row;
        row[0] = std::to_string(r + 1);
        for (int c = 1; c < 7; ++c)
            row[c] = input.ConsumeRandomLengthString(64);
        data.results.push_back(std::move(row));
    }
    data.Memo1 = Text(input);

    SavedTwice saved;
    protocol::Document document([&saved](const protocol::Document& shown) { saved.Save(shown); });
    try {
        protocol::GenerateProtocol(data, document, {});
    } catch (const protocol::DocumentError&) {
        const bool badDate = data.general.date.month < 1 || data.general.date.month > 12 ||
                             data.general.date.day < 0 || data.general.date.year < 0;
        FUZZ_CHECK(badDate || rows == 0, "only a bad date or no result row stops the protocol");
        return;
    }
    // The typed texts in the order the protocol prints them.
    std::vector<std::string> written{data.general.Mesto,   data.general.MestoProverki,
                                     data.general.ObjName, data.general.NameOrg,
                                     data.general.Oborud,  data.Dnas};
    for (const protocol::ResultRow& row : data.results)
        written.insert(written.end(), row.begin(), row.end());
    written.push_back(data.Memo1);
    CheckTextsInOrder(saved.Check(), written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        ComposeProtocol(input);
        return 0;
    }
    SavedTwice saved;
    protocol::Document document([&saved](const protocol::Document& shown) { saved.Save(shown); });

    document.NewWordDocument();
    // Paragraphs go to the end of the document, so they stand in the order they were written.
    // (A cell's text may be written over by a later one, so cells are checked through the
    // composed protocol above.)
    std::vector<std::string> paragraphs;
    const int operations = input.ConsumeIntegralInRange(0, 40);
    for (int i = 0; i < operations && input.remaining_bytes() > 0; ++i) {
        try {
            switch (input.ConsumeIntegralInRange(0, 5)) {
            case 0: {
                const std::string text = Text(input);
                const Formatting f = AnyFormatting(input);
                document.AppendParagraph(text, f.fontName, f.bold, f.italic, f.strikeThrough,
                                         f.underline, f.size, f.alignment);
                paragraphs.push_back(text);
                break;
            }
            case 1:
                document.AddTable(input.ConsumeIntegralInRange(-1, 6),
                                  input.ConsumeIntegralInRange(-1, 9),
                                  input.ConsumeIntegral<std::int32_t>());
                break;
            case 2: {
                const auto row = input.ConsumeIntegralInRange(-1, 14);
                const auto column = input.ConsumeIntegralInRange(-1, 9);
                const std::string text = Text(input);
                const Formatting f = AnyFormatting(input);
                document.WriteCell(row, column, text, f.fontName, f.bold, f.italic, f.strikeThrough,
                                   f.underline, f.size, f.alignment);
                break;
            }
            case 3:
                document.SetCellWidth(input.ConsumeIntegralInRange(-1, 14),
                                      input.ConsumeIntegralInRange(-1, 9), AnyMeasure(input));
                break;
            case 4:
                document.SetPageMargins(AnyMeasure(input), AnyMeasure(input), AnyMeasure(input),
                                        AnyMeasure(input));
                break;
            default:
                document.DisableProofing();
            }
        } catch (const protocol::DocumentError&) {
            // A refused operation leaves the document as it was; the next goes on.
        }
    }
    document.ShowWordDocument();
    document.ReleaseWord();
    CheckTextsInOrder(saved.Check(), paragraphs);
    return 0;
}
