// The protocol: the date line, the numbers it prints, and the whole composition, checked
// against a writer that records every call and against the in-memory document.
#include "protocol/document.h"
#include "protocol/protocol.h"
#include "results/results_grid.h"

#include <cstdio>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace protocol {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsSupersetOf;

// DatePhrase

struct PhraseCase {
    const char* name;
    std::string_view date;
    std::string_view phrase;
};

class DatePhraseTest : public ::testing::TestWithParam<PhraseCase> {};

TEST_P(DatePhraseTest, GivesTheMonthInTheGenitive) {
    EXPECT_EQ(DatePhrase(GetParam().date), GetParam().phrase);
}

INSTANTIATE_TEST_SUITE_P(
    Protocol, DatePhraseTest,
    ::testing::Values(PhraseCase{"January", "01.01.2024", "\"01\" января 2024 года."},
                      PhraseCase{"February", "29.02.2024", "\"29\" февраля 2024 года."},
                      PhraseCase{"March", "05.03.2024", "\"05\" марта 2024 года."},
                      PhraseCase{"April", "10.04.2023", "\"10\" апреля 2023 года."},
                      PhraseCase{"May", "09.05.2025", "\"09\" мая 2025 года."},
                      PhraseCase{"June", "30.06.2024", "\"30\" июня 2024 года."},
                      PhraseCase{"July", "15.07.2024", "\"15\" июля 2024 года."},
                      PhraseCase{"August", "31.08.2024", "\"31\" августа 2024 года."},
                      PhraseCase{"September", "01.09.2024", "\"01\" сентября 2024 года."},
                      PhraseCase{"October", "12.10.2024", "\"12\" октября 2024 года."},
                      PhraseCase{"November", "07.11.2024", "\"07\" ноября 2024 года."},
                      PhraseCase{"December", "31.12.2024", "\"31\" декабря 2024 года."},
                      PhraseCase{"FiveDigitYearKept", "31.12.10000", "\"31\" декабря 10000 года."},
                      PhraseCase{"YearCutAtFiveCharacters", "01.01.2024 г.",
                                 "\"01\" января 2024  года."}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadDateCase {
    const char* name;
    std::string_view date;
};

class DatePhraseFailure : public ::testing::TestWithParam<BadDateCase> {};

TEST_P(DatePhraseFailure, MonthThatIsNoNumberIsAnError) {
    EXPECT_THROW(DatePhrase(GetParam().date), DocumentError);
}

INSTANTIATE_TEST_SUITE_P(Protocol, DatePhraseFailure,
                         ::testing::Values(BadDateCase{"Letters", "05.ab.2024"},
                                           BadDateCase{"HalfNumber", "05.1x.2024"},
                                           BadDateCase{"AmericanOrder", "3/5/24"},
                                           BadDateCase{"MonthThirteen", "05.13.2024"},
                                           BadDateCase{"MonthZero", "05.00.2024"},
                                           BadDateCase{"Empty", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProtocolDate, TheDateLineAndTheFileNameComeFromTheDateItself) {
    EXPECT_EQ(FormatDate({5, 3, 2024}), "05.03.2024");
    EXPECT_EQ(DatePhrase(FormatDate({1, 12, 2026})), "\"01\" декабря 2026 года.");
    EXPECT_EQ(ProtocolFileStem({31, 1, 2025}), "Протокол проверки ПК 31.01.2025");
}

// FormatGeneral

struct NumberCase {
    const char* name;
    double value;
    char separator;
    std::string_view text;
};

class FormatGeneralTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(FormatGeneralTest, FifteenDigitsNoExponentNoTrailingZeros) {
    EXPECT_EQ(FormatGeneral(GetParam().value, GetParam().separator), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Protocol, FormatGeneralTest,
    ::testing::Values(NumberCase{"HalfWithComma", 2.5, ',', "2,5"},
                      NumberCase{"HalfWithPoint", 1.5, '.', "1.5"},
                      NumberCase{"Whole", 5.0, ',', "5"}, NumberCase{"Zero", 0.0, ',', "0"},
                      NumberCase{"Tenth", 0.1, ',', "0,1"},
                      NumberCase{"Third", 1.0 / 3, ',', "0,333333333333333"},
                      NumberCase{"RoundsAtFifteenDigits", 2.0000000000000004, ',', "2"},
                      NumberCase{"Large", 123456789012.5, ',', "123456789012,5"},
                      NumberCase{"HugeWithoutExponent", 1e20, ',', "100000000000000000000"},
                      NumberCase{"Small", 0.00025, ',', "0,00025"},
                      NumberCase{"Negative", -2.5, ',', "-2,5"}),
    [](const auto& info) { return std::string(info.param.name); });

// The composition against a recording writer.

std::string Flag(std::int32_t value) {
    return std::to_string(value);
}

class RecordingWriter : public DocumentOperations {
public:
    std::vector<std::string> calls;
    std::vector<float> margins;

    void NewWordDocument() override { calls.push_back("NewWordDocument"); }
    void DisableProofing() override { calls.push_back("DisableProofing"); }
    void SetPageMargins(float top, float bottom, float left, float right) override {
        calls.push_back("SetPageMargins");
        margins = {top, bottom, left, right};
    }
    void AppendParagraph(std::string_view text, std::string_view font, std::int32_t bold,
                         std::int32_t italic, std::int32_t strike, std::int32_t underline,
                         std::int32_t size, Alignment alignment) override {
        calls.push_back("P|" + std::string(text) + "|" + std::string(font) + "|" + Flag(bold) +
                        Flag(italic) + Flag(strike) + Flag(underline) + "|" + Flag(size) + "|" +
                        Flag(static_cast<int>(alignment)));
    }
    void AddTable(std::int32_t rows, std::int32_t columns, std::int32_t borders) override {
        calls.push_back("AddTable " + Flag(rows) + " " + Flag(columns) + " " + Flag(borders));
    }
    void WriteCell(std::int32_t row, std::int32_t column, std::string_view text,
                   std::string_view font, std::int32_t bold, std::int32_t italic,
                   std::int32_t strike, std::int32_t underline, std::int32_t size,
                   Alignment alignment) override {
        calls.push_back("C " + Flag(row) + "," + Flag(column) + "|" + std::string(text) + "|" +
                        std::string(font) + "|" + Flag(bold) + Flag(italic) + Flag(strike) +
                        Flag(underline) + "|" + Flag(size) + "|" +
                        Flag(static_cast<int>(alignment)));
    }
    void SetCellWidth(std::int32_t row, std::int32_t column, float width) override {
        char text[64];
        std::snprintf(text, sizeof text, "W %d,%d %.9g", row, column, width);
        calls.push_back(text);
    }
    void ShowWordDocument() override { calls.push_back("ShowWordDocument"); }
    void ReleaseWord() override { calls.push_back("ReleaseWord"); }
};

// Expected calls, written the way the protocol's layout reads.
std::string P(std::string_view text, int bold, int italic, int underline, int size, int align) {
    return "P|" + std::string(text) + "|Times New Roman|" + Flag(bold) + Flag(italic) + "0" +
           Flag(underline) + "|" + Flag(size) + "|" + Flag(align);
}
std::string C(int row, int column, std::string_view text, int bold, int italic, int size,
              int align) {
    return "C " + Flag(row) + "," + Flag(column) + "|" + std::string(text) + "|Times New Roman|" +
           Flag(bold) + Flag(italic) + "00|" + Flag(size) + "|" + Flag(align);
}
std::string W(int row, int column, int width) {
    return "W " + Flag(row) + "," + Flag(column) + " " + Flag(width);
}
std::string PB(int percent) {
    return "PB " + Flag(percent);
}

enum { Left = 0, Centre = 1, Right = 2, Justified = 3 };

std::vector<std::string> Record(const ProtocolData& data, RecordingWriter& writer) {
    GenerateProtocol(data, writer, [&](int percent) { writer.calls.push_back(PB(percent)); });
    return writer.calls;
}

ProtocolData OneRowProtocol() {
    ProtocolData data;
    data.general = {{5, 3, 2024},          "г. Тверь",      "ул. Советская, д. 7",
                    "жилой дом, 9 этажей", "ГУ МЧС России", "Манометр МП-100"};
    data.JetFlow = 2.5;
    data.separator = ',';
    data.Dnas = "13";
    data.results = {{"1", "ПК-1", "1 этаж", "нет", "2,4", "2,59", "Да"}};
    data.Memo1 = "Краны исправны.";
    return data;
}

TEST(ProtocolComposition, OneResultRowGivesTheWholeProtocolInOrder) {
    RecordingWriter writer;
    const auto calls = Record(OneRowProtocol(), writer);
    std::vector<std::string> expected = {
        PB(0),
        "NewWordDocument",
        "DisableProofing",
        "SetPageMargins",
        PB(10),
        P("П Р О Т О К О Л\r\n", 1, 0, 0, 14, Centre),
        P("проверки пожарных кранов внутреннего\r\n", 1, 0, 0, 14, Centre),
        P("противопожарного водопровода на водоотдачу\r\n\r\n\r\n", 1, 0, 0, 14, Centre),
        "AddTable 1 2 0",
        C(1, 1, "\"05\" марта 2024 года.", 1, 0, 12, Left),
        C(1, 2, "г. Тверь", 1, 0, 12, Right),
        P("\r\n\r\n", 1, 0, 0, 14, Centre),
        P("1. Место провидения проверки (адрес, наименование объекта, характеристика объекта): "
          "\r\n",
          1, 0, 0, 12, Left),
        PB(20),
        P("ул. Советская, д. 7, жилой дом, 9 этажей\r\n", 0, 1, 1, 12, Left),
        P("2. Наименование организации проводившей проверку: \r\n", 1, 0, 0, 12, Left),
        P("ГУ МЧС России\r\n", 0, 1, 1, 12, Left),
        P("3. Оборудование: \r\n", 1, 0, 0, 12, Left),
        P("Манометр МП-100\r\n", 0, 1, 1, 12, Left),
        P("4. Результаты проверки:\r\n\r\n", 1, 0, 0, 12, Left),
        PB(30),
        "AddTable 1 7 1",
        "AddTable 1 1 1",
        C(2, 1,
          "Требуемый расход воды на внутреннее пожаротушение в пожарных кранах\r\nне менее 2,5 "
          "л/с  (dнас. = 13 мм.)",
          1, 1, 12, Centre),
        "AddTable 1 7 1",
        // The sentence formatted again after the join, so it keeps its own font.
        C(2, 1, "", 1, 1, 12, Centre),
        C(1, 1, "№ п/п", 1, 0, 12, Centre),
        C(1, 2, "№ ПК", 1, 0, 12, Centre),
        C(1, 3, "Место расположения ПК", 1, 0, 12, Centre),
        C(1, 4, "Недостатки технического состояния ПК", 1, 0, 12, Centre),
        PB(40),
        C(1, 5, "Давление у пожарного ствола, бар.", 1, 0, 12, Centre),
        C(1, 6, "Расход воды, л/c", 1, 0, 12, Centre),
        C(1, 7, "Соответствие требованиям СНиП 2.04.01-85*", 1, 0, 12, Centre),
        W(1, 1, 35),
        W(1, 2, 35),
        W(1, 3, 100),
        W(1, 4, 90),
        W(1, 5, 75),
        W(1, 6, 50),
        W(1, 7, 115),
        PB(50),
        C(3, 1, "1", 0, 0, 12, Centre),
        C(3, 2, "ПК-1", 0, 0, 12, Centre),
        C(3, 3, "1 этаж", 0, 0, 12, Centre),
        C(3, 4, "нет", 0, 0, 12, Centre),
        C(3, 5, "2,4", 0, 0, 12, Centre),
        C(3, 6, "2,59", 0, 0, 12, Centre),
        C(3, 7, "Да", 0, 0, 12, Centre),
        W(3, 1, 35),
        W(3, 2, 35),
        W(3, 3, 100),
        W(3, 4, 90),
        W(3, 5, 75),
        W(3, 6, 50),
        W(3, 7, 115),
        PB(80),
        P("\r\n\r\nВыводы и рекомендации по результатам проверки:\r\n\r\n", 1, 0, 0, 14, Centre),
        P("Краны исправны.\r\n\r\n\r\n\r\n", 0, 0, 0, 12, Justified),
        "AddTable 1 2 0",
        C(1, 1, std::string(42, '_') + "\r\n", 1, 0, 12, Left),
        C(1, 1, "должность", 0, 1, 10, Left),
        C(1, 2, "/" + std::string(16, '_') + "/\r\n", 1, 0, 12, Right),
        C(1, 2, "ФИО", 0, 1, 10, Right),
        PB(90),
        "ShowWordDocument",
        "ReleaseWord",
    };
    EXPECT_THAT(calls, ElementsAreArray(expected));
    // The nearest single-precision values, as the page setup takes them.
    EXPECT_THAT(writer.margins, ElementsAre(35.01f, 29.01f, 70.875f, 35.01f));
}

TEST(ProtocolComposition, EmptyStepOneAndEmptyMemoLeaveOnlyTheFixedParts) {
    ProtocolData data = OneRowProtocol();
    data.general = {};
    data.general.date = {31, 12, 2024};
    data.Memo1.clear();
    RecordingWriter writer;
    const auto calls = Record(data, writer);
    EXPECT_THAT(calls, IsSupersetOf({
                           C(1, 1, "\"31\" декабря 2024 года.", 1, 0, 12, Left),
                           C(1, 2, "", 1, 0, 12, Right),
                           P(", \r\n", 0, 1, 1, 12, Left),
                           P("\r\n", 0, 1, 1, 12, Left),
                           P("\r\n\r\n\r\n\r\n", 0, 0, 0, 12, Justified),
                       }));
    // Item 2's and item 3's empty lines, each right after its heading.
    const auto item2 =
        std::find(calls.begin(), calls.end(),
                  P("2. Наименование организации проводившей проверку: \r\n", 1, 0, 0, 12, Left));
    ASSERT_NE(item2, calls.end());
    EXPECT_EQ(item2[1], P("\r\n", 0, 1, 1, 12, Left));
    EXPECT_EQ(item2[3], P("\r\n", 0, 1, 1, 12, Left));
}

TEST(ProtocolComposition, RequiredFlowFollowsTheSeparatorAndTheDiameterText) {
    ProtocolData data = OneRowProtocol();
    data.JetFlow = 5;
    data.separator = '.';
    data.Dnas = "19";
    RecordingWriter writer;
    EXPECT_THAT(Record(data, writer),
                ::testing::Contains(C(2, 1,
                                      "Требуемый расход воды на внутреннее пожаротушение в "
                                      "пожарных кранах\r\nне менее 5 л/с  (dнас. = 19 мм.)",
                                      1, 1, 12, Centre)));
}

TEST(ProtocolComposition, AFailingOperationStopsTheProtocolThere) {
    struct FailingWriter : RecordingWriter {
        void SetCellWidth(std::int32_t, std::int32_t, float) override {
            throw DocumentError("ширина не задана");
        }
    } writer;
    EXPECT_THROW(Record(OneRowProtocol(), writer), DocumentError);
    EXPECT_THAT(writer.calls, ::testing::Not(::testing::Contains("ShowWordDocument")));
}

// The composition carried out by the in-memory document.

std::string Describe(const Block& block) {
    if (const auto* paragraph = std::get_if<Paragraph>(&block))
        return paragraph->Text();
    return "[table]";
}

class ProtocolDocument : public ::testing::TestWithParam<int> {
protected:
    void Generate(const ProtocolData& data) {
        Document document([this](const Document& shown) {
            blocks = shown.Blocks();
            proofingDisabled = shown.ProofingDisabled();
        });
        GenerateProtocol(data, document, nullptr);
        EXPECT_FALSE(document.IsOpen()); // let go at the end
        for (const Block& block : blocks)
            if (const auto* table = std::get_if<Table>(&block))
                tables.push_back(table);
    }
    std::vector<Block> blocks;
    std::vector<const Table*> tables;
    bool proofingDisabled = false;
};

TEST_P(ProtocolDocument, EveryResultRowLandsInOneResultsTable) {
    const int rows = GetParam();
    ProtocolData data = OneRowProtocol();
    data.results.clear();
    for (int i = 1; i <= rows; ++i)
        data.results.push_back({std::to_string(i), "ПК-" + std::to_string(i), "этаж", "нет", "2,4",
                                "2,59", i % 2 ? "Да" : "Нет"});
    data.Memo1 = "Первая строка\nвторая строка";
    Generate(data);
    EXPECT_TRUE(proofingDisabled);

    std::vector<std::string> layout;
    for (const Block& block : blocks)
        layout.push_back(Describe(block));
    EXPECT_THAT(layout,
                ElementsAre("П Р О Т О К О Л", "проверки пожарных кранов внутреннего",
                            "противопожарного водопровода на водоотдачу", "", "", "[table]", "", "",
                            "1. Место провидения проверки (адрес, наименование объекта, "
                            "характеристика объекта): ",
                            "ул. Советская, д. 7, жилой дом, 9 этажей",
                            "2. Наименование организации проводившей проверку: ", "ГУ МЧС России",
                            "3. Оборудование: ", "Манометр МП-100", "4. Результаты проверки:", "",
                            "[table]", "", "", "Выводы и рекомендации по результатам проверки:", "",
                            "Первая строка", "вторая строка", "", "", "", "[table]", ""));
    ASSERT_EQ(tables.size(), 3u);

    const Table& results = *tables[1];
    ASSERT_EQ(results.rows.size(), static_cast<std::size_t>(rows) + 2);
    EXPECT_EQ(results.rows[1].cells.size(), 1u);
    const float widths[] = {35, 35, 100, 90, 75, 50, 115};
    for (std::size_t r = 0; r < results.rows.size(); ++r) {
        if (r == 1)
            continue;
        ASSERT_EQ(results.rows[r].cells.size(), 7u) << "row " << r + 1;
        for (int c = 0; c < 7; ++c)
            EXPECT_FLOAT_EQ(results.rows[r].cells[c].width, widths[c]) << r + 1 << "," << c + 1;
    }
    const Row& last = results.rows.back();
    EXPECT_EQ(last.cells[0].Text(), std::to_string(rows));
    EXPECT_EQ(last.cells[1].Text(), "ПК-" + std::to_string(rows));
    EXPECT_EQ(last.cells[6].Text(), rows % 2 ? "Да" : "Нет");
    EXPECT_EQ(last.cells[6].paragraphs[0].runs[0].font,
              (Font{"Times New Roman", false, false, false, false, 12}));

    // The required-flow sentence keeps its own formatting through the last join.
    const Cell& sentence = results.rows[1].cells[0];
    EXPECT_EQ(sentence.Text(), "Требуемый расход воды на внутреннее пожаротушение в пожарных "
                               "кранах\nне менее 2,5 л/с  (dнас. = 13 мм.)");
    for (const Paragraph& paragraph : sentence.paragraphs) {
        EXPECT_EQ(paragraph.alignment, Alignment::Center);
        for (const protocol::Run& run : paragraph.runs)
            EXPECT_EQ(run.font, (Font{"Times New Roman", true, true, false, false, 12}));
    }
    EXPECT_EQ(results.rows[0].cells[3].Text(), "Недостатки технического состояния ПК");
    EXPECT_TRUE(results.rows[0].cells[3].paragraphs[0].runs[0].font.bold);

    const Table& date = *tables[0];
    EXPECT_EQ(date.borders, 0);
    EXPECT_EQ(date.rows[0].cells[0].Text(), "\"05\" марта 2024 года.");
    EXPECT_EQ(date.rows[0].cells[1].Text(), "г. Тверь");
    EXPECT_EQ(date.rows[0].cells[1].paragraphs[0].alignment, Alignment::Right);

    const Table& signatures = *tables[2];
    EXPECT_EQ(signatures.borders, 0);
    EXPECT_EQ(signatures.rows[0].cells[0].Text(), std::string(42, '_') + "\nдолжность");
    EXPECT_EQ(signatures.rows[0].cells[1].Text(), "/" + std::string(16, '_') + "/\nФИО");
}

// One row, the most a word processor's 8-bit row numbers reach, and past that: no limit.
INSTANTIATE_TEST_SUITE_P(Rows, ProtocolDocument, ::testing::Values(1, 3, 253, 1000),
                         [](const auto& info) { return std::to_string(info.param) + "Rows"; });

TEST(ProtocolRows, ResultRowsNumberTheGridRowsInOrder) {
    results::ResultsGrid grid;
    grid.SetRowCount(4);
    for (int row = 1; row <= 3; ++row)
        for (int column = 1; column < 7; ++column)
            grid.SetCell(column, row, std::to_string(row) + "/" + std::to_string(column));
    const auto rows = ResultRows(grid);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_THAT(rows[0], ElementsAre("1", "1/1", "1/2", "1/3", "1/4", "1/5", "1/6"));
    EXPECT_THAT(rows[2], ElementsAre("3", "3/1", "3/2", "3/3", "3/4", "3/5", "3/6"));
}

} // namespace
} // namespace protocol
