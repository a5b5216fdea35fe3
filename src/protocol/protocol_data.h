#pragma once

#include "results/results_grid.h"

#include <array>
#include <string>
#include <vector>

// Everything the protocol prints, read from the wizard's steps when "Отчет" is pressed.
namespace protocol {

struct InspectionDate {
    int day = 1;
    int month = 1;
    int year = 2000;
    friend bool operator==(const InspectionDate&, const InspectionDate&) = default;
};

// Step 1.
struct GeneralData {
    InspectionDate date;
    std::string Mesto;         // locality
    std::string MestoProverki; // address
    std::string ObjName;       // object and its characteristics
    std::string NameOrg;       // organisation
    std::string Oborud;        // equipment
    friend bool operator==(const GeneralData&, const GeneralData&) = default;
};

// One result row of the protocol, by the grid's columns.
using ResultRow = std::array<std::string, results::ColumnCount>;

struct ProtocolData {
    GeneralData general;
    double JetFlow = 0;
    std::string Dnas; // nozzle diameter text as the field shows it
    // Result rows by grid column; ColNumber carries the row's sequence number.
    std::vector<ResultRow> results;
    std::string Memo1;
    char separator = ',';
};

} // namespace protocol
