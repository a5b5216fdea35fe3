// The .docx package read back: what a word processor finds in it, and where it is saved.
#include "docx_reader.h"
#include "protocol/docx_writer.h"

#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>

namespace protocol {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::ParsePart;

constexpr std::string_view Tnr = "Times New Roman";

std::string Attr(pugi::xml_node node, const char* name) {
    return node.attribute(name).value();
}

std::vector<std::string> ChildNames(pugi::xml_node node) {
    std::vector<std::string> names;
    for (pugi::xml_node child : node.children())
        names.emplace_back(child.name());
    return names;
}

// Word drops or rejects children out of the schema's order.
const std::map<std::string, std::vector<std::string>> SchemaOrder = {
    {"w:rPr",
     {"w:rFonts", "w:b", "w:bCs", "w:i", "w:iCs", "w:strike", "w:sz", "w:szCs", "w:u", "w:lang"}},
    {"w:pPr", {"w:spacing", "w:jc", "w:rPr"}},
    {"w:tblPr", {"w:tblW", "w:jc", "w:tblBorders", "w:tblLayout", "w:tblCellMar"}},
    {"w:tblBorders", {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}},
    {"w:tcPr", {"w:tcW", "w:gridSpan", "w:tcBorders", "w:vAlign"}},
    {"w:sectPr", {"w:pgSz", "w:pgMar"}},
    {"w:tbl", {"w:tblPr", "w:tblGrid", "w:tr"}},
    {"w:tc", {"w:tcPr", "w:p"}},
    {"w:tr", {"w:trPr", "w:tc"}},
};

void ExpectSchemaOrder(pugi::xml_node node) {
    const auto order = SchemaOrder.find(node.name());
    if (order != SchemaOrder.end()) {
        std::size_t last = 0;
        for (pugi::xml_node child : node.children()) {
            const auto& names = order->second;
            const auto at = std::find(names.begin(), names.end(), child.name());
            ASSERT_NE(at, names.end()) << child.name() << " in " << node.name();
            const auto index = static_cast<std::size_t>(at - names.begin());
            EXPECT_GE(index, last) << child.name() << " out of order in " << node.name();
            last = index;
        }
    }
    for (pugi::xml_node child : node.children())
        ExpectSchemaOrder(child);
}

class DocxTest : public ::testing::Test {
protected:
    DocxTest() : document([](const Document&) {}) {
        document.NewWordDocument();
        document.DisableProofing();
        document.SetPageMargins(35.01f, 29.01f, 70.875f, 35.01f);
    }
    pugi::xml_node Body() {
        package = DocxPackage(document);
        xml = ParsePart(package, "word/document.xml");
        return xml.child("w:document").child("w:body");
    }
    Document document;
    std::string package;
    pugi::xml_document xml;
};

TEST_F(DocxTest, PackageHasTheMainPartWhereTheRelationshipsSayItIs) {
    Body();
    const auto types = ParsePart(package, "[Content_Types].xml");
    const auto override =
        types.child("Types").find_child_by_attribute("Override", "PartName", "/word/document.xml");
    EXPECT_EQ(Attr(override, "ContentType"),
              "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    const auto rels = ParsePart(package, "_rels/.rels");
    const auto main = rels.child("Relationships").child("Relationship");
    EXPECT_THAT(Attr(main, "Type"), HasSubstr("/officeDocument"));
    EXPECT_EQ(Attr(main, "Target"), "word/document.xml");
    const auto settings = ParsePart(package, "word/settings.xml");
    EXPECT_TRUE(settings.child("w:settings").child("w:hideSpellingErrors"));
    EXPECT_TRUE(settings.child("w:settings").child("w:hideGrammaticalErrors"));
}

TEST_F(DocxTest, MarginsInTwipsOnAnA4Page) {
    const auto sectPr = Body().last_child();
    ASSERT_STREQ(sectPr.name(), "w:sectPr");
    EXPECT_EQ(Attr(sectPr.child("w:pgSz"), "w:w"), "11906");
    EXPECT_EQ(Attr(sectPr.child("w:pgSz"), "w:h"), "16838");
    const auto pgMar = sectPr.child("w:pgMar");
    EXPECT_EQ(Attr(pgMar, "w:top"), "700");
    EXPECT_EQ(Attr(pgMar, "w:bottom"), "580");
    EXPECT_EQ(Attr(pgMar, "w:left"), "1418");
    EXPECT_EQ(Attr(pgMar, "w:right"), "700");
}

TEST_F(DocxTest, ParagraphsAndRunsCarryTheirFormatting) {
    document.AppendParagraph("П Р О Т О К О Л\r\n", Tnr, 1, 0, 0, 0, 14, Alignment::Center);
    document.AppendParagraph(" ул. Ленина,\tкорп. 2 ", "Arial", 0, 1, 1, 1, 12, Alignment::Justify);
    const auto body = Body();
    ExpectSchemaOrder(xml.document_element());

    const auto title = body.child("w:p");
    EXPECT_EQ(Attr(title.child("w:pPr").child("w:jc"), "w:val"), "center");
    const auto titleRun = title.child("w:r");
    EXPECT_EQ(Attr(titleRun.child("w:rPr").child("w:rFonts"), "w:ascii"), Tnr);
    EXPECT_EQ(Attr(titleRun.child("w:rPr").child("w:rFonts"), "w:hAnsi"), Tnr);
    EXPECT_TRUE(titleRun.child("w:rPr").child("w:b"));
    EXPECT_FALSE(titleRun.child("w:rPr").child("w:i"));
    EXPECT_EQ(Attr(titleRun.child("w:rPr").child("w:sz"), "w:val"), "28");
    EXPECT_EQ(std::string(titleRun.child("w:t").text().get()), "П Р О Т О К О Л");

    const auto second = title.next_sibling("w:p");
    EXPECT_EQ(Attr(second.child("w:pPr").child("w:jc"), "w:val"), "both");
    const auto run = second.child("w:r");
    const auto rPr = run.child("w:rPr");
    EXPECT_EQ(Attr(rPr.child("w:rFonts"), "w:ascii"), "Arial");
    EXPECT_TRUE(rPr.child("w:i"));
    EXPECT_TRUE(rPr.child("w:strike"));
    EXPECT_EQ(Attr(rPr.child("w:u"), "w:val"), "single");
    EXPECT_EQ(Attr(rPr.child("w:sz"), "w:val"), "24");
    // The tab is a tab element between two texts that keep their blanks.
    EXPECT_THAT(ChildNames(run), ElementsAre("w:rPr", "w:t", "w:tab", "w:t"));
    EXPECT_EQ(std::string(run.child("w:t").text().get()), " ул. Ленина,");
    EXPECT_EQ(Attr(run.child("w:t"), "xml:space"), "preserve");
    EXPECT_EQ(std::string(run.last_child().text().get()), "корп. 2 ");
}

TEST_F(DocxTest, JoinedTableHasOneGridAndTheOneCellRowSpansIt) {
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
    const auto body = Body();
    ExpectSchemaOrder(xml.document_element());

    const auto tables = body.select_nodes("w:tbl");
    ASSERT_EQ(tables.size(), 1u);
    const auto tbl = tables.first().node();
    const auto tblPr = tbl.child("w:tblPr");
    EXPECT_EQ(Attr(tblPr.child("w:jc"), "w:val"), "center");
    EXPECT_EQ(Attr(tblPr.child("w:tblW"), "w:w"), "10000");
    EXPECT_EQ(Attr(tblPr.child("w:tblLayout"), "w:type"), "fixed");
    for (pugi::xml_node border : tblPr.child("w:tblBorders").children())
        EXPECT_EQ(Attr(border, "w:val"), "single") << border.name();
    EXPECT_EQ(tblPr.child("w:tblBorders").select_nodes("*").size(), 6u);

    std::vector<std::string> grid;
    for (pugi::xml_node col : tbl.child("w:tblGrid").children("w:gridCol"))
        grid.push_back(Attr(col, "w:w"));
    EXPECT_THAT(grid, ElementsAre("700", "700", "2000", "1800", "1500", "1000", "2300"));

    std::vector<std::size_t> cellsPerRow;
    for (pugi::xml_node tr : tbl.children("w:tr")) {
        cellsPerRow.push_back(tr.select_nodes("w:tc").size());
        const auto height = tr.child("w:trPr").child("w:trHeight");
        EXPECT_EQ(Attr(height, "w:val"), "260");
        EXPECT_EQ(Attr(height, "w:hRule"), "atLeast");
        for (pugi::xml_node tc : tr.children("w:tc")) {
            EXPECT_EQ(Attr(tc.child("w:tcPr").child("w:vAlign"), "w:val"), "center");
            EXPECT_STREQ(tc.last_child().name(), "w:p"); // every cell ends in a paragraph
        }
    }
    EXPECT_THAT(cellsPerRow, ElementsAre(7, 1, 7, 7));
    const auto spanning = tbl.child("w:tr").next_sibling("w:tr").child("w:tc");
    EXPECT_EQ(Attr(spanning.child("w:tcPr").child("w:gridSpan"), "w:val"), "7");
    EXPECT_EQ(Attr(spanning.child("w:tcPr").child("w:tcW"), "w:w"), "10000");
    EXPECT_EQ(std::string(spanning.child("w:p").child("w:r").child("w:t").text().get()),
              "Требуемый расход");
    // The body closes with a paragraph after the table, then the section.
    EXPECT_STREQ(tbl.next_sibling().name(), "w:p");
}

TEST_F(DocxTest, BorderlessTableHasNoLines) {
    document.AddTable(1, 2, 0);
    const auto tblPr = Body().child("w:tbl").child("w:tblPr");
    for (pugi::xml_node border : tblPr.child("w:tblBorders").children())
        EXPECT_EQ(Attr(border, "w:val"), "nil") << border.name();
}

TEST_F(DocxTest, TextThatXmlCannotCarryNeverReachesThePackage) {
    constexpr char typed[] = "Адрес\x01\x1B: \xFF\x00ул.\x0B";
    document.AppendParagraph(std::string_view(typed, sizeof typed - 1), Tnr, 0, 0, 0, 0, 12,
                             Alignment::Left);
    document.AddTable(1, 1, 1);
    document.WriteCell(1, 1, "ПК\x02-1\xD0", Tnr, 0, 0, 0, 0, 12, Alignment::Center);
    const auto body = Body(); // parses, so the part is well-formed
    EXPECT_EQ(std::string(body.child("w:p").child("w:r").child("w:t").text().get()),
              "Адрес: \xEF\xBF\xBDул.");
    EXPECT_EQ(std::string(body.child("w:tbl").select_node(".//w:t").node().text().get()),
              "ПК-1\xEF\xBF\xBD");
}

// A table of so many rows that the writer reports on it, and the calls it makes.
TEST_F(DocxTest, WritingReportsTheRowsAsItGoes) {
    struct RowsCase {
        int rows;
        std::vector<std::pair<std::size_t, std::size_t>> reports;
    };
    for (const RowsCase& rows : {RowsCase{499, {}}, RowsCase{500, {{500, 500}}},
                                 RowsCase{1'200, {{500, 1'200}, {1'000, 1'200}}}}) {
        document.NewWordDocument();
        document.AddTable(rows.rows, 2, 1);
        std::vector<std::pair<std::size_t, std::size_t>> reports;
        DocxPackage(document, [&](std::size_t written, std::size_t all) {
            reports.emplace_back(written, all);
        });
        EXPECT_EQ(reports, rows.reports) << rows.rows << " rows";
    }
}

struct ZipHeaders {
    std::string name;
    int centralVersionNeeded;
    int localVersionNeeded;
    int localExtraLength;
};

std::uint32_t Little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

// The headers as the package's bytes have them: libzip's reader hides its own Zip64 fields.
std::vector<ZipHeaders> RawHeaders(const std::string& zip) {
    const std::size_t end = zip.rfind(std::string("PK\x05\x06", 4));
    std::size_t at = Little(zip, end + 16, 4);
    std::vector<ZipHeaders> headers;
    for (std::uint32_t n = Little(zip, end + 10, 2); n > 0; --n) {
        EXPECT_EQ(zip.substr(at, 4), std::string("PK\x01\x02", 4));
        const std::size_t nameLength = Little(zip, at + 28, 2);
        const std::size_t local = Little(zip, at + 42, 4);
        EXPECT_EQ(zip.substr(local, 4), std::string("PK\x03\x04", 4));
        headers.push_back({zip.substr(at + 46, nameLength),
                           static_cast<int>(Little(zip, at + 6, 2)),
                           static_cast<int>(Little(zip, local + 4, 2)),
                           static_cast<int>(Little(zip, local + 28, 2))});
        at += 46 + nameLength + Little(zip, at + 30, 2) + Little(zip, at + 32, 2);
    }
    return headers;
}

// Older readers of the format may refuse Zip64 headers: the writer tells libzip each part's
// size before it writes the part, so none needs more than plain deflate (version 2.0) and none
// carries an extra field, the streamed main part included.
TEST_F(DocxTest, PartsAreDeflatedWithPlainHeaders) {
    document.AddTable(600, 7, 1);
    package = DocxPackage(document);
    const auto archive = testing::OpenPackage(package);
    for (zip_uint64_t i = 0; i < 6; ++i) {
        zip_stat_t stat;
        ASSERT_EQ(zip_stat_index(archive.get(), i, 0, &stat), 0);
        EXPECT_EQ(stat.comp_method, ZIP_CM_DEFLATE) << stat.name;
        EXPECT_LT(stat.comp_size, stat.size) << stat.name;
    }
    const std::vector<ZipHeaders> headers = RawHeaders(package);
    ASSERT_EQ(headers.size(), 6u);
    for (const ZipHeaders& header : headers) {
        EXPECT_EQ(header.centralVersionNeeded, 20) << header.name;
        EXPECT_EQ(header.localVersionNeeded, 20) << header.name;
        EXPECT_EQ(header.localExtraLength, 0) << header.name;
    }
}

class SaveTest : public ::testing::Test {
protected:
    SaveTest() : document([](const Document&) {}) {
        folder =
            std::filesystem::temp_directory_path() /
            ("naporis-save-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        document.NewWordDocument();
        document.AppendParagraph("Протокол\r\n", Tnr, 1, 0, 0, 0, 14, Alignment::Center);
    }
    ~SaveTest() override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
    Document document;
};

// Paths and their texts in UTF-8 on every system: a narrow std::string is the ANSI code page
// on Windows, where Cyrillic names would not survive it.
std::filesystem::path U8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(SaveTest, EachSaveMakesAFurtherFileAndNeverReplacesOne) {
    const std::string stem = "Протокол проверки ПК 05.03.2024";
    std::ofstream(folder / std::filesystem::path(u8"Протокол проверки ПК 05.03.2024 (2).docx"))
        << "чужой файл";
    const auto first = SaveAsNewFile(document, folder, stem);
    const auto second = SaveAsNewFile(document, folder, stem);
    EXPECT_EQ(Utf8(first.filename()), "Протокол проверки ПК 05.03.2024.docx");
    EXPECT_EQ(Utf8(second.filename()), "Протокол проверки ПК 05.03.2024 (3).docx");
    EXPECT_EQ(Slurp(folder / std::filesystem::path(u8"Протокол проверки ПК 05.03.2024 (2).docx")),
              "чужой файл");
    // What was saved is the package, whole.
    const auto body = ParsePart(Slurp(second), "word/document.xml");
    EXPECT_TRUE(body.child("w:document").child("w:body").child("w:p"));
}

// A failure while the package is written (here the progress's own) stops the saving with that
// failure, and no file is left: the package is complete before the file is created.
TEST_F(SaveTest, FailureWhileWritingLeavesNoFile) {
    document.AddTable(1'000, 7, 1);
    try {
        SaveAsNewFile(document, folder, "Протокол",
                      [](std::size_t, std::size_t) { throw DocumentError("прервано"); });
        FAIL() << "no error";
    } catch (const DocumentError& error) {
        EXPECT_STREQ(error.what(), "прервано");
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    // The document is as it was: the next saving succeeds.
    EXPECT_EQ(Utf8(SaveAsNewFile(document, folder, "Протокол").filename()), "Протокол.docx");
}

TEST_F(SaveTest, FolderThatCannotTakeTheFileFailsNamingThePath) {
    const auto missing = folder / U8("нет такой папки");
    try {
        SaveAsNewFile(document, missing, "Протокол");
        FAIL() << "no error";
    } catch (const DocumentError& error) {
        EXPECT_THAT(error.what(), HasSubstr(Utf8(missing / U8("Протокол.docx"))));
    }
}

TEST_F(SaveTest, NoFolderIsAFailureNotTheWorkingFolder) {
    EXPECT_THROW(SaveAsNewFile(document, {}, "Протокол"), DocumentError);
    EXPECT_FALSE(std::filesystem::exists(U8("Протокол.docx")));
}

TEST_F(SaveTest, ShowingHandsTheSavedFileToTheOpener) {
    std::filesystem::path opened;
    Document shown(ShowAsFile(folder, "Протокол", [&](const std::filesystem::path& path) {
        opened = path;
        return std::filesystem::exists(path);
    }));
    shown.NewWordDocument();
    shown.ShowWordDocument();
    EXPECT_EQ(opened, folder / U8("Протокол.docx"));
}

TEST_F(SaveTest, OpenerThatFailsIsAFailureNamingTheFile) {
    Document shown(
        ShowAsFile(folder, "Протокол", [](const std::filesystem::path&) { return false; }));
    shown.NewWordDocument();
    try {
        shown.ShowWordDocument();
        FAIL() << "no error";
    } catch (const DocumentError& error) {
        EXPECT_THAT(error.what(), HasSubstr("Не удалось открыть"));
        EXPECT_THAT(error.what(), HasSubstr(Utf8(folder / U8("Протокол.docx"))));
    }
}

} // namespace
} // namespace protocol
