#include "protocol/protocol.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace protocol {
namespace {

constexpr std::string_view Tnr = "Times New Roman";

constexpr std::array<std::string_view, 12> Months = {"января",   "февраля", "марта",  "апреля",
                                                     "мая",      "июня",    "июля",   "августа",
                                                     "сентября", "октября", "ноября", "декабря"};

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// Texts that are all Times New Roman, not struck through.
struct Writer {
    DocumentOperations& ops;

    void Paragraph(std::string_view text, bool bold, bool italic, bool underline, int size,
                   Alignment alignment) {
        ops.AppendParagraph(text, Tnr, bold, italic, 0, underline, size, alignment);
    }
    void Cell(int row, int column, std::string_view text, bool bold, bool italic, int size,
              Alignment alignment) {
        ops.WriteCell(row, column, text, Tnr, bold, italic, 0, 0, size, alignment);
    }
};

constexpr bool Bold = true;
constexpr bool Italic = true;
constexpr bool Underlined = true;

} // namespace

// The protocol's headers are the grid's but for the compliance column: the printed form names
// the quality ("Соответствие"), where the grid asks it of each fire cock ("Соответствует").
const std::array<ResultColumn, results::ColumnCount> ResultColumns = {{
    {results::GridHeaders[results::ColNumber], 35},
    {results::GridHeaders[results::ColCock], 35},
    {results::GridHeaders[results::ColLocation], 100},
    {results::GridHeaders[results::ColDefects], 90},
    {results::GridHeaders[results::ColPressure], 75},
    {results::GridHeaders[results::ColFlow], 50},
    {"Соответствие требованиям СНиП 2.04.01-85*", 115},
}};

std::string FormatDate(const InspectionDate& date) {
    char year[16];
    std::snprintf(year, sizeof year, "%04d", date.year);
    return TwoDigits(date.day) + "." + TwoDigits(date.month) + "." + year;
}

std::string DatePhrase(std::string_view dateText) {
    std::string phrase = "\"" + std::string(dateText.substr(0, 2)) + "\" ";
    const std::string_view monthText = dateText.size() >= 5 ? dateText.substr(3, 2) : "";
    int month = 0;
    const auto [end, error] =
        std::from_chars(monthText.data(), monthText.data() + monthText.size(), month);
    if (monthText.empty() || error != std::errc{} || end != monthText.data() + monthText.size())
        throw DocumentError("Номер месяца в дате «" + std::string(dateText) + "» не число");
    // An out-of-range month would index past the table of names.
    if (month < 1 || month > 12)
        throw DocumentError("Недопустимый номер месяца в дате " + std::string(dateText));
    phrase += Months[month - 1];
    phrase += ' ';
    if (dateText.size() > 6)
        phrase += dateText.substr(6, 5);
    phrase += " года.";
    return phrase;
}

std::string FormatGeneral(double value, char separator) {
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    if (value == 0)
        return "0";
    // 15 significant digits: the decimals left after the integer digits.
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(14 - magnitude, 0, 330);
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    // Rounding to 15 digits can leave "-0".
    if (text == "-0")
        return "0";
    const std::size_t point = text.find('.');
    if (point != std::string::npos)
        text[point] = separator;
    return text;
}

std::string ProtocolFileStem(const InspectionDate& date) {
    return "Протокол проверки ПК " + FormatDate(date);
}

std::vector<ResultRow> ResultRows(const results::ResultsGrid& grid) {
    std::vector<ResultRow> rows;
    for (int g = 1; g < grid.RowCount(); ++g) {
        ResultRow row;
        row[results::ColNumber] = std::to_string(g);
        for (int c = results::ColCock; c < results::ColumnCount; ++c)
            row[c] = grid.Cell(c, g);
        rows.push_back(std::move(row));
    }
    return rows;
}

void GenerateProtocol(const ProtocolData& data, DocumentOperations& operations,
                      const ProgressReport& progress) {
    auto report = [&](int percent) {
        if (progress)
            progress(percent);
    };
    Writer w{operations};
    const GeneralData& general = data.general;
    const int resultRows = static_cast<int>(data.results.size());
    if (resultRows < 1)
        throw DocumentError("В протоколе нет ни одной строки результатов проверки");

    report(0);
    operations.NewWordDocument();
    operations.DisableProofing();
    operations.SetPageMargins(35.01f, 29.01f, 70.875f, 35.01f);
    report(10);

    w.Paragraph("П Р О Т О К О Л\r\n", Bold, false, false, 14, Alignment::Center);
    w.Paragraph("проверки пожарных кранов внутреннего\r\n", Bold, false, false, 14,
                Alignment::Center);
    w.Paragraph("противопожарного водопровода на водоотдачу\r\n\r\n\r\n", Bold, false, false, 14,
                Alignment::Center);

    operations.AddTable(1, 2, 0);
    w.Cell(1, 1, DatePhrase(FormatDate(general.date)), Bold, false, 12, Alignment::Left);
    w.Cell(1, 2, general.Mesto, Bold, false, 12, Alignment::Right);
    w.Paragraph("\r\n\r\n", Bold, false, false, 14, Alignment::Center);

    w.Paragraph("1. Место провидения проверки (адрес, наименование объекта, характеристика "
                "объекта): \r\n",
                Bold, false, false, 12, Alignment::Left);
    report(20);
    w.Paragraph(general.MestoProverki + ", " + general.ObjName + "\r\n", false, Italic, Underlined,
                12, Alignment::Left);
    w.Paragraph("2. Наименование организации проводившей проверку: \r\n", Bold, false, false, 12,
                Alignment::Left);
    w.Paragraph(general.NameOrg + "\r\n", false, Italic, Underlined, 12, Alignment::Left);
    w.Paragraph("3. Оборудование: \r\n", Bold, false, false, 12, Alignment::Left);
    w.Paragraph(general.Oborud + "\r\n", false, Italic, Underlined, 12, Alignment::Left);
    w.Paragraph("4. Результаты проверки:\r\n\r\n", Bold, false, false, 12, Alignment::Left);
    report(30);

    // Headers and the required-flow sentence, then the result rows: three additions that join
    // into one table.
    operations.AddTable(1, results::ColumnCount, 1);
    operations.AddTable(1, 1, 1);
    const std::string sentence =
        "Требуемый расход воды на внутреннее пожаротушение в пожарных кранах\r\nне менее " +
        FormatGeneral(data.JetFlow, data.separator) + " л/с  (dнас. = " + data.Dnas + " мм.)";
    w.Cell(2, 1, sentence, Bold, Italic, 12, Alignment::Center);
    operations.AddTable(resultRows, results::ColumnCount, 1);
    // Joining the result rows gave the whole table its plain font; the sentence takes its own
    // back (an empty text formats the cell without adding to it).
    w.Cell(2, 1, "", Bold, Italic, 12, Alignment::Center);
    for (int c = 1; c <= results::ColumnCount; ++c) {
        w.Cell(1, c, ResultColumns[c - 1].header, Bold, false, 12, Alignment::Center);
        if (c == 4)
            report(40);
    }
    for (int c = 1; c <= results::ColumnCount; ++c)
        operations.SetCellWidth(1, c, ResultColumns[c - 1].width);
    report(50);
    for (int r = 3; r <= resultRows + 2; ++r) {
        const auto& row = data.results[r - 3];
        for (int c = 1; c <= results::ColumnCount; ++c)
            w.Cell(r, c, row[c - 1], false, false, 12, Alignment::Center);
        for (int c = 1; c <= results::ColumnCount; ++c)
            operations.SetCellWidth(r, c, ResultColumns[c - 1].width);
    }
    report(80);

    w.Paragraph("\r\n\r\nВыводы и рекомендации по результатам проверки:\r\n\r\n", Bold, false,
                false, 14, Alignment::Center);
    w.Paragraph(data.Memo1 + "\r\n\r\n\r\n\r\n", false, false, false, 12, Alignment::Justify);

    operations.AddTable(1, 2, 0);
    w.Cell(1, 1, "__________________________________________\r\n", Bold, false, 12,
           Alignment::Left);
    w.Cell(1, 1, "должность", false, Italic, 10, Alignment::Left);
    w.Cell(1, 2, "/________________/\r\n", Bold, false, 12, Alignment::Right);
    w.Cell(1, 2, "ФИО", false, Italic, 10, Alignment::Right);
    report(90);

    operations.ShowWordDocument();
    operations.ReleaseWord();
}

} // namespace protocol
