// How the in-memory document carries out the operations: the end of the document, open
// paragraphs, joining tables, whole-cell formatting and the errors for cells that do not exist.
#include "protocol/document.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace protocol {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

constexpr std::string_view Tnr = "Times New Roman";

std::vector<const Table*> Tables(const Document& document) {
    std::vector<const Table*> tables;
    for (const Block& block : document.Blocks())
        if (const auto* table = std::get_if<Table>(&block))
            tables.push_back(table);
    return tables;
}

std::vector<std::string> ParagraphTexts(const Document& document) {
    std::vector<std::string> texts;
    for (const Block& block : document.Blocks())
        if (const auto* paragraph = std::get_if<Paragraph>(&block))
            texts.push_back(paragraph->Text());
    return texts;
}

std::vector<std::size_t> CellCounts(const Table& table) {
    std::vector<std::size_t> counts;
    for (const Row& row : table.rows)
        counts.push_back(row.cells.size());
    return counts;
}

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() : document([this](const Document&) { ++shown; }) { document.NewWordDocument(); }
    void Write(int row, int column, std::string_view text, int bold, int italic, int strike,
               int underline, int size, Alignment alignment = Alignment::Center) {
        document.WriteCell(row, column, text, Tnr, bold, italic, strike, underline, size,
                           alignment);
    }
    Document document;
    int shown = 0;
};

TEST_F(DocumentTest, TwoJoinsMakeOneTableAndReformatTheEarlierRows) {
    document.AppendParagraph("Результаты:\r\n", Tnr, 1, 0, 0, 0, 12, Alignment::Left);
    document.AddTable(1, 7, 1);
    document.AddTable(1, 1, 1);
    Write(2, 1, "Требуемый расход", 1, 1, 1, 1, 12);
    document.AddTable(3, 7, 1);
    Write(5, 7, "Да", 0, 0, 0, 0, 12);

    const auto tables = Tables(document);
    ASSERT_EQ(tables.size(), 1u);
    const Table& table = *tables[0];
    EXPECT_EQ(document.CurrentTable(), &table);
    EXPECT_THAT(CellCounts(table), ElementsAre(7, 1, 7, 7, 7));
    EXPECT_EQ(table.borders, 1);
    EXPECT_TRUE(table.verticalCentre);
    EXPECT_TRUE(table.rowsCentred);
    EXPECT_FLOAT_EQ(table.rowHeight, 13);

    // The third addition gave row 2 the table's font; its strike, underline and alignment stay.
    const Paragraph& sentence = table.rows[1].cells[0].paragraphs[0];
    ASSERT_EQ(sentence.runs.size(), 1u);
    const Font& font = sentence.runs[0].font;
    EXPECT_EQ(font.name, "Arial");
    EXPECT_EQ(font.size, 11);
    EXPECT_FALSE(font.bold);
    EXPECT_FALSE(font.italic);
    EXPECT_TRUE(font.strikeThrough);
    EXPECT_TRUE(font.underline);
    EXPECT_EQ(sentence.alignment, Alignment::Center);
    EXPECT_EQ(table.rows[4].cells[6].Text(), "Да");
    // The document still ends in an open, empty paragraph after the table.
    ASSERT_TRUE(std::holds_alternative<Paragraph>(document.Blocks().back()));
    EXPECT_TRUE(std::get<Paragraph>(document.Blocks().back()).runs.empty());
}

TEST_F(DocumentTest, AParagraphBetweenTwoTablesKeepsThemApart) {
    document.AddTable(1, 2, 0);
    Write(1, 1, "Первая", 1, 0, 0, 0, 12);
    document.AppendParagraph("Между\r\n", Tnr, 0, 0, 0, 0, 12, Alignment::Left);
    document.AddTable(2, 3, 1);
    Write(1, 1, "Вторая", 1, 0, 0, 0, 12);

    const auto tables = Tables(document);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_THAT(CellCounts(*tables[0]), ElementsAre(2));
    EXPECT_THAT(CellCounts(*tables[1]), ElementsAre(3, 3));
    EXPECT_EQ(tables[0]->borders, 0);
    EXPECT_EQ(tables[1]->borders, 1);
    EXPECT_EQ(tables[0]->rows[0].cells[0].Text(), "Первая");
    EXPECT_EQ(tables[1]->rows[0].cells[0].Text(), "Вторая");
    // The second addition did not reach the first table's text.
    EXPECT_TRUE(tables[0]->rows[0].cells[0].paragraphs[0].runs[0].font.bold);
    EXPECT_EQ(document.CurrentTable(), tables[1]);
}

TEST_F(DocumentTest, TwoWritesToOneCellLeaveTwoParagraphsInTheSecondFormatting) {
    document.AddTable(1, 2, 0);
    Write(1, 2, "/________________/\r\n", 1, 0, 0, 0, 12, Alignment::Right);
    Write(1, 2, "ФИО", 0, 1, 0, 0, 10, Alignment::Right);

    const Cell& cell = document.CurrentTable()->rows[0].cells[1];
    ASSERT_EQ(cell.paragraphs.size(), 2u);
    EXPECT_EQ(cell.paragraphs[0].Text(), "/________________/");
    EXPECT_EQ(cell.paragraphs[1].Text(), "ФИО");
    for (const Paragraph& paragraph : cell.paragraphs) {
        EXPECT_EQ(paragraph.alignment, Alignment::Right);
        for (const protocol::Run& run : paragraph.runs) {
            EXPECT_EQ(run.font.size, 10);
            EXPECT_TRUE(run.font.italic);
            EXPECT_FALSE(run.font.bold);
            EXPECT_EQ(run.font.name, Tnr);
        }
    }
}

TEST_F(DocumentTest, TextWithoutLineBreakLeavesItsParagraphOpenForTheNext) {
    document.AppendParagraph("Адрес: ", Tnr, 1, 0, 0, 0, 12, Alignment::Left);
    document.AppendParagraph("ул. Ленина\r\n", Tnr, 0, 1, 0, 1, 12, Alignment::Right);
    document.AppendParagraph("Дальше\r\n", Tnr, 0, 0, 0, 0, 12, Alignment::Justify);

    EXPECT_THAT(ParagraphTexts(document), ElementsAre("Адрес: ул. Ленина", "Дальше", ""));
    const Paragraph& first = std::get<Paragraph>(document.Blocks()[0]);
    // The later text's alignment covers the whole paragraph; each text keeps its own font.
    EXPECT_EQ(first.alignment, Alignment::Right);
    ASSERT_EQ(first.runs.size(), 2u);
    EXPECT_TRUE(first.runs[0].font.bold);
    EXPECT_FALSE(first.runs[0].font.italic);
    EXPECT_TRUE(first.runs[1].font.italic);
    EXPECT_TRUE(first.runs[1].font.underline);
    EXPECT_EQ(std::get<Paragraph>(document.Blocks()[1]).alignment, Alignment::Justify);
}

struct BreakCase {
    const char* name;
    std::string_view text;
    std::vector<std::string> paragraphs; // the document's paragraphs afterwards
};

class LineBreaks : public DocumentTest, public ::testing::WithParamInterface<BreakCase> {};

TEST_P(LineBreaks, EveryFormOfLineBreakEndsAParagraph) {
    document.AppendParagraph(GetParam().text, Tnr, 0, 0, 0, 0, 12, Alignment::Justify);
    EXPECT_THAT(ParagraphTexts(document), ElementsAreArray(GetParam().paragraphs));
}

INSTANTIATE_TEST_SUITE_P(
    Document, LineBreaks,
    ::testing::Values(BreakCase{"CrLf", "один\r\nдва", {"один", "два"}},
                      BreakCase{"Lf", "один\nдва", {"один", "два"}},
                      BreakCase{"Cr", "один\rдва", {"один", "два"}},
                      BreakCase{"LfCrIsTwoBreaks", "один\n\rдва", {"один", "", "два"}},
                      BreakCase{"EmptyLines", "\r\n\r\nВыводы\r\n\r\n", {"", "", "Выводы", "", ""}},
                      BreakCase{"TabStaysInText", "а\tб\r\n", {"а\tб", ""}},
                      BreakCase{"EmptyText", "", {""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentTest, CyrillicReachesTheDocumentAsTheSameLetters) {
    const std::string text = "Ёлка, щётка, объём — №7 «ПК»";
    document.AppendParagraph(text + "\r\n", Tnr, 0, 0, 0, 0, 12, Alignment::Left);
    document.AddTable(1, 1, 1);
    Write(1, 1, text, 0, 0, 0, 0, 12);
    EXPECT_EQ(ParagraphTexts(document)[0], text);
    EXPECT_EQ(document.CurrentTable()->rows[0].cells[0].Text(), text);
}

TEST_F(DocumentTest, SetCellWidthChangesOneCellOnly) {
    document.AddTable(2, 3, 1);
    const float defaultWidth = document.CurrentTable()->rows[1].cells[2].width;
    document.SetCellWidth(2, 3, 115);
    EXPECT_FLOAT_EQ(document.CurrentTable()->rows[1].cells[2].width, 115);
    EXPECT_FLOAT_EQ(document.CurrentTable()->rows[0].cells[2].width, defaultWidth);
    EXPECT_FLOAT_EQ(document.CurrentTable()->rows[1].cells[1].width, defaultWidth);
}

TEST_F(DocumentTest, ReleaseLetsTheDocumentGoAndNewStartsAfresh) {
    document.DisableProofing();
    document.AddTable(1, 1, 1);
    document.ShowWordDocument();
    EXPECT_EQ(shown, 1);
    document.ReleaseWord();
    EXPECT_FALSE(document.IsOpen());
    EXPECT_THROW(document.AppendParagraph("x", Tnr, 0, 0, 0, 0, 12, Alignment::Left),
                 DocumentError);
    document.NewWordDocument();
    EXPECT_EQ(document.Blocks().size(), 1u);
    EXPECT_EQ(document.CurrentTable(), nullptr);
    EXPECT_FALSE(document.ProofingDisabled());
}

// Calls that name no cell, or come where there is nothing to write to.
struct FailureCase {
    const char* name;
    std::function<void(Document&)> call;
    std::string message; // part of the error's text
};

class DocumentFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(DocumentFailures, FailWithAClearError) {
    Document document([](const Document&) {});
    document.NewWordDocument();
    document.AddTable(1, 7, 1);
    document.AddTable(1, 1, 1);
    try {
        GetParam().call(document);
        FAIL() << "no error";
    } catch (const DocumentError& error) {
        EXPECT_THAT(error.what(), HasSubstr(GetParam().message));
    }
}

void Cell(Document& d, int row, int column) {
    d.WriteCell(row, column, "x", "Arial", 0, 0, 0, 0, 12, Alignment::Left);
}

INSTANTIATE_TEST_SUITE_P(
    Document, DocumentFailures,
    ::testing::Values(
        FailureCase{"RowZero", [](Document& d) { Cell(d, 0, 1); }, "нет строки 0 (строк 2)"},
        FailureCase{"RowPastTheEnd", [](Document& d) { Cell(d, 3, 1); }, "нет строки 3"},
        FailureCase{"ColumnPastAOneCellRow", [](Document& d) { Cell(d, 2, 2); },
                    "В строке 2 таблицы нет столбца 2 (столбцов 1)"},
        FailureCase{"ColumnPastSeven", [](Document& d) { Cell(d, 1, 8); }, "нет столбца 8"},
        FailureCase{"ColumnZero", [](Document& d) { Cell(d, 1, 0); }, "нет столбца 0"},
        FailureCase{"WidthOfMissingCell", [](Document& d) { d.SetCellWidth(2, 7, 35); },
                    "нет столбца 7"},
        FailureCase{"TableWithoutRows", [](Document& d) { d.AddTable(0, 7, 1); },
                    "хотя бы одну строку"},
        FailureCase{
            "BadSize",
            [](Document& d) { d.AppendParagraph("x", "Arial", 0, 0, 0, 0, 0, Alignment::Left); },
            "размер шрифта"},
        FailureCase{"CellBeforeAnyTable",
                    [](Document& d) {
                        d.NewWordDocument();
                        Cell(d, 1, 1);
                    },
                    "нет таблицы"},
        FailureCase{"AfterRelease",
                    [](Document& d) {
                        d.ReleaseWord();
                        d.AddTable(1, 1, 1);
                    },
                    "не создан"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace protocol
