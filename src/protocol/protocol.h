#pragma once

#include "protocol/document_operations.h"
#include "protocol/protocol_data.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

// The inspection protocol: what it says, in which order and how it is formatted.
namespace protocol {

// The results table's columns: header and width in points.
struct ResultColumn {
    std::string_view header;
    float width;
};
extern const std::array<ResultColumn, results::ColumnCount> ResultColumns;

// "dd.mm.yyyy" of the date itself.
std::string FormatDate(const InspectionDate& date);

// The date line's phrase of a "dd.mm.yyyy" text: "\"05\" марта 2024 года.". Throws
// DocumentError when characters 4 and 5 are no month number.
std::string DatePhrase(std::string_view dateText);

// A number in general format: up to 15 significant digits, no exponent, no trailing zeros,
// the given decimal separator (2.5 with ',' gives "2,5"; 5 gives "5").
std::string FormatGeneral(double value, char separator);

// "Протокол проверки ПК dd.mm.yyyy": the name of the protocol's file without the extension.
std::string ProtocolFileStem(const InspectionDate& date);

// The grid's result rows as the protocol prints them; ColNumber holds the row's sequence number.
std::vector<ResultRow> ResultRows(const results::ResultsGrid& grid);

// Writes the whole protocol with the operations, from NewWordDocument to ReleaseWord, and
// reports the progress (0, 10, 20, 30, 40, 50, 80, 90) as it goes. A failing operation stops
// it with its exception.
using ProgressReport = std::function<void(int percent)>;
void GenerateProtocol(const ProtocolData& data, DocumentOperations& operations,
                      const ProgressReport& progress);

} // namespace protocol
