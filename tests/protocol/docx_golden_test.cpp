// The package written for the protocols and texts the other tests build, byte for byte against
// the packages the writer made when it still built a tree of the whole document: the streaming
// writer must not change the document by one character. golden/<case>.xml holds a case's
// word/document.xml where it is small enough to read in a diff; golden/<case>.docx holds the
// whole package where the part runs to megabytes (it deflates to kilobytes) or where the other
// parts differ from the usual ones, and then every part is compared, in the package's order.
// NAPORIS_WRITE_GOLDEN=1 rewrites the files from the writer as it is (only ever on purpose).
#include "docx_reader.h"
#include "protocol/docx_writer.h"
#include "protocol/protocol.h"

#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>

namespace protocol {
namespace {

using testing::PartNames;
using testing::ReadPart;

constexpr std::string_view Tnr = "Times New Roman";

// The protocol the composition tests print, with as many result rows as asked.
ProtocolData ProtocolOfRows(int rows) {
    ProtocolData data;
    data.general = {{5, 3, 2024},          "г. Тверь",      "ул. Советская, д. 7",
                    "жилой дом, 9 этажей", "ГУ МЧС России", "Манометр МП-100"};
    data.JetFlow = 2.5;
    data.separator = ',';
    data.Dnas = "13";
    for (int i = 1; i <= rows; ++i)
        data.results.push_back({std::to_string(i), "ПК-" + std::to_string(i), "этаж", "нет", "2,4",
                                "2,59", i % 2 ? "Да" : "Нет"});
    data.Memo1 = "Первая строка\nвторая строка";
    return data;
}

void Setup(Document& document) {
    document.NewWordDocument();
    document.DisableProofing();
    document.SetPageMargins(35.01f, 29.01f, 70.875f, 35.01f);
}

void RunsAndTabs(Document& document) {
    Setup(document);
    document.AppendParagraph("П Р О Т О К О Л\r\n", Tnr, 1, 0, 0, 0, 14, Alignment::Center);
    document.AppendParagraph(" ул. Ленина,\tкорп. 2 ", "Arial", 0, 1, 1, 1, 12, Alignment::Justify);
    document.AppendParagraph("\t\tдва таба\t", Tnr, 1, 1, 1, 1, 9, Alignment::Right);
}

void JoinedTable(Document& document) {
    Setup(document);
    document.AppendParagraph("4. Результаты проверки:\r\n\r\n", Tnr, 1, 0, 0, 0, 12,
                             Alignment::Left);
    document.AddTable(1, 7, 1);
    document.AddTable(1, 1, 1);
    document.WriteCell(2, 1, "Требуемый расход", Tnr, 1, 1, 0, 0, 12, Alignment::Center);
    document.AddTable(2, 7, 1);
    const float widths[] = {35, 35, 100, 90, 75, 50, 115};
    for (int r : {1, 3, 4})
        for (int c = 1; c <= 7; ++c)
            document.SetCellWidth(r, c, widths[c - 1]);
}

// Rows of five, two and three cells of uneven widths share the five-cell row's grid.
void UnevenRows(Document& document) {
    Setup(document);
    document.AddTable(1, 5, 1);
    document.AddTable(1, 2, 1);
    document.AddTable(1, 3, 1);
    const float five[] = {10, 200, 30, 90.4f, 50.6f};
    for (int c = 1; c <= 5; ++c)
        document.SetCellWidth(1, c, five[c - 1]);
    document.SetCellWidth(2, 1, 300);
    document.SetCellWidth(2, 2, 1);
    document.SetCellWidth(3, 1, 0.5f);
    document.SetCellWidth(3, 2, 0.5f);
    document.WriteCell(3, 3, "узкая\r\nячейка", "Courier New", 0, 0, 0, 1, 8, Alignment::Justify);
}

void BorderlessTable(Document& document) {
    Setup(document);
    document.AddTable(1, 2, 0);
    document.WriteCell(1, 2, "ФИО", Tnr, 0, 1, 0, 0, 10, Alignment::Right);
}

void CharactersXmlCannotCarry(Document& document) {
    Setup(document);
    constexpr char typed[] = "Адрес\x01\x1B: \xFF\x00ул.\x0B\x7F\xC2\x85 \xEF\xBF\xBE\xED\xA0\x80";
    document.AppendParagraph(std::string_view(typed, sizeof typed - 1), Tnr, 0, 0, 0, 0, 12,
                             Alignment::Left);
    document.AddTable(1, 1, 1);
    document.WriteCell(1, 1, "ПК\x02-1\xD0", "Arial\x01\xFF", 0, 0, 0, 0, 12, Alignment::Center);
}

// What XML marks up, in texts and in font names (attribute values), and line breaks and a tab
// in a font name.
void MarkupCharacters(Document& document) {
    Setup(document);
    document.AppendParagraph("a & b < c > d \"e\" 'f' &amp; ]]> <w:t>\r\n", "Q&A <\"'>\tx\ry\nz", 1,
                             0, 0, 0, 12, Alignment::Left);
    document.AddTable(1, 2, 1);
    document.WriteCell(1, 1, "<>&\"'\t", "\"'", 0, 0, 0, 0, 12, Alignment::Center);
    document.AppendParagraph("😀 𝄞 ✓", "&", 0, 0, 0, 0, 12, Alignment::Left);
}

// No proofing switch and the page's default margins: the settings part differs.
void DefaultsWithoutProofing(Document& document) {
    document.NewWordDocument();
    document.AppendParagraph("Протокол", Tnr, 0, 0, 0, 0, 12, Alignment::Left);
}

struct GoldenCase {
    const char* name;
    std::function<void(Document&)> write; // to the end; ShowWordDocument is the test's
    bool wholePackage;
};

GoldenCase ProtocolCase(const char* name, int rows, bool wholePackage) {
    return {
        name,
        [rows](Document& document) { GenerateProtocol(ProtocolOfRows(rows), document, nullptr); },
        wholePackage};
}

std::string GoldenPath(const GoldenCase& golden) {
    return std::string(NAPORIS_GOLDEN_DIR) + "/" + golden.name +
           (golden.wholePackage ? ".docx" : ".xml");
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("no golden file " + path);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Where two long texts part, with a little of each from there: the whole would be megabytes.
std::string Difference(const std::string& expected, const std::string& actual) {
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    const std::size_t from = at < 80 ? 0 : at - 80;
    return "sizes " + std::to_string(expected.size()) + " and " + std::to_string(actual.size()) +
           ", first difference at byte " + std::to_string(at) + "\nexpected: …" +
           expected.substr(from, 200) + "\nactual:   …" + actual.substr(from, 200);
}

class GoldenPackage : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenPackage, IsByteForByteThePackageOfTheTreeWriter) {
    const GoldenCase& golden = GetParam();
    std::string package;
    Document document([&](const Document& shown) { package = DocxPackage(shown); });
    golden.write(document);
    if (document.IsOpen())
        document.ShowWordDocument();
    ASSERT_FALSE(package.empty());

    if (std::getenv("NAPORIS_WRITE_GOLDEN")) {
        std::ofstream(GoldenPath(golden), std::ios::binary)
            << (golden.wholePackage ? package : ReadPart(package, "word/document.xml"));
        GTEST_SKIP() << "wrote " << GoldenPath(golden);
    }
    const std::string expected = Slurp(GoldenPath(golden));
    if (!golden.wholePackage) {
        const std::string actual = ReadPart(package, "word/document.xml");
        EXPECT_TRUE(actual == expected) << Difference(expected, actual);
        return;
    }
    const std::vector<std::string> names = PartNames(expected);
    ASSERT_EQ(PartNames(package), names);
    for (const std::string& name : names) {
        const std::string want = ReadPart(expected, name.c_str());
        const std::string got = ReadPart(package, name.c_str());
        EXPECT_TRUE(got == want) << name << ": " << Difference(want, got);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Writer, GoldenPackage,
    ::testing::Values(
        ProtocolCase("Protocol1Row", 1, false), ProtocolCase("Protocol3Rows", 3, false),
        ProtocolCase("Protocol253Rows", 253, true), ProtocolCase("Protocol1000Rows", 1000, true),
        GoldenCase{"RunsAndTabs", RunsAndTabs, false},
        GoldenCase{"JoinedTable", JoinedTable, false}, GoldenCase{"UnevenRows", UnevenRows, false},
        GoldenCase{"BorderlessTable", BorderlessTable, false},
        GoldenCase{"CharactersXmlCannotCarry", CharactersXmlCannotCarry, false},
        GoldenCase{"MarkupCharacters", MarkupCharacters, false},
        GoldenCase{"DefaultsWithoutProofing", DefaultsWithoutProofing, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace protocol
