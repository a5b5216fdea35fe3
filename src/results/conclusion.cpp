#include "results/conclusion.h"

#include "common/utf8.h"

namespace results {

namespace {

constexpr std::string_view Introduction =
    "1. На момент проверки расход воды на внутреннее пожаротушение пожарных кранов "
    "распологающихся в следующих местах:";
constexpr std::string_view AddressPart = "здания, расположенного по адресу: ";
constexpr std::string_view NotCompliantEnding =
    " НЕ СООТВЕТСТВУЕТ требованиям СНиП 2.04.01-85* \"Внутренний водопровод и канализация "
    "зданий\".";
constexpr std::string_view CompliantEnding =
    " СООТВЕТСТВУЕТ требованиям СНиП 2.04.01-85* \"Внутренний водопровод и канализация "
    "зданий\".";

} // namespace

std::string BlankLastChar(std::string list) {
    if (list.empty()) {
        return list;
    }
    // The last character, not its last byte: a Cyrillic letter is two bytes in UTF-8.
    list.resize(common::LastCharacterStart(list));
    list.push_back(' ');
    return list;
}

std::string BuildConclusion(const ResultsGrid& grid, std::string_view address) {
    std::string compliant;
    std::string notCompliant;
    for (int row = 1; row < grid.RowCount(); ++row) {
        std::string& list = grid.Cell(ColCompliance, row) == Yes ? compliant : notCompliant;
        list += ' ';
        list += grid.Cell(ColLocation, row);
        list += ',';
    }
    compliant = BlankLastChar(std::move(compliant));
    notCompliant = BlankLastChar(std::move(notCompliant));

    // One row short of "Да" decides: only the failing cocks are named.
    const bool meets = notCompliant.empty();
    std::string text(Introduction);
    text += meets ? compliant : notCompliant;
    text += AddressPart;
    text += address;
    text += meets ? CompliantEnding : NotCompliantEnding;
    return text;
}

} // namespace results
