// The conclusion composed from arbitrary grids and addresses: any locations, any compliance
// texts, any number of rows. It always opens with the introduction, names the address, ends
// with the ending the verdicts decide, and stays well-formed UTF-8 when what went in was.
// The protocol's date line from arbitrary date texts: a phrase with a month's name, or a
// DocumentError, nothing else.
#include "fuzz_check.h"
#include "protocol/document_operations.h"
#include "protocol/protocol.h"
#include "results/conclusion.h"
#include "results/results_grid.h"
#include "utf8.h"

#include <cstdint>
#include <cstdio>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view Introduction =
    "1. На момент проверки расход воды на внутреннее пожаротушение пожарных кранов ";
constexpr std::string_view MeetsEnding = " СООТВЕТСТВУЕТ требованиям СНиП 2.04.01-85* "
                                         "\"Внутренний водопровод и канализация зданий\".";
constexpr std::string_view FailsEnding = " НЕ СООТВЕТСТВУЕТ требованиям СНиП 2.04.01-85* "
                                         "\"Внутренний водопровод и канализация зданий\".";

constexpr std::string_view MonthNames[] = {"января",   "февраля", "марта",  "апреля",
                                           "мая",      "июня",    "июля",   "августа",
                                           "сентября", "октября", "ноября", "декабря"};

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

void CheckDatePhrase(FuzzedDataProvider& input) {
    const std::string text = input.ConsumeRandomLengthString(24);
    try {
        const std::string phrase = protocol::DatePhrase(text);
        FUZZ_CHECK(phrase.rfind('"', 0) == 0, "the phrase opens with a quotation mark");
        FUZZ_CHECK(EndsWith(phrase, " года."), "the phrase ends with the year's word");
        bool named = false;
        for (std::string_view month : MonthNames) {
            named = named || phrase.find(month) != std::string::npos;
        }
        FUZZ_CHECK(named, "the phrase names a month");
    } catch (const protocol::DocumentError&) {
        // A text whose characters 4 and 5 are no month number is refused.
    }

    // Any date the picker can hold comes back as its day, its month's name and its year.
    protocol::InspectionDate date;
    date.day = input.ConsumeIntegralInRange(1, 31);
    date.month = input.ConsumeIntegralInRange(1, 12);
    date.year = input.ConsumeIntegralInRange(100, 9999);
    const std::string phrase = protocol::DatePhrase(protocol::FormatDate(date));
    char expected[64];
    std::snprintf(expected, sizeof expected, "\"%02d\" ", date.day);
    std::string whole = expected + std::string(MonthNames[date.month - 1]) + " ";
    std::snprintf(expected, sizeof expected, "%04d года.", date.year);
    whole += expected;
    FUZZ_CHECK(phrase == whole, "a picked date gives its own phrase");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    CheckDatePhrase(input);

    const int rows = input.ConsumeIntegralInRange(0, 40);
    results::ResultsGrid grid;
    grid.SetRowCount(rows + 1);
    bool allMeet = true;
    bool validText = true;
    for (int row = 1; row <= rows; ++row) {
        std::string location = input.ConsumeRandomLengthString(200);
        std::string verdict;
        switch (input.ConsumeIntegralInRange(0, 2)) {
        case 0:
            verdict = results::Yes;
            break;
        case 1:
            verdict = results::No;
            break;
        default:
            verdict = input.ConsumeRandomLengthString(8);
        }
        allMeet = allMeet && verdict == results::Yes;
        validText = validText && IsValidUtf8(location);
        grid.SetCell(results::ColLocation, row, std::move(location));
        grid.SetCell(results::ColCompliance, row, std::move(verdict));
    }
    const std::string address = input.ConsumeRemainingBytesAsString();
    validText = validText && IsValidUtf8(address);

    const std::string text = results::BuildConclusion(grid, address);
    FUZZ_CHECK(text.rfind(Introduction, 0) == 0, "the conclusion opens with the introduction");
    FUZZ_CHECK(text.find(address) != std::string::npos, "the conclusion names the address");
    if (allMeet) {
        FUZZ_CHECK(EndsWith(text, MeetsEnding), "all rows meet: the meeting ending");
    } else {
        FUZZ_CHECK(EndsWith(text, FailsEnding), "a row fails: the failing ending");
    }
    if (validText) {
        FUZZ_CHECK(IsValidUtf8(text), "well-formed texts give a well-formed conclusion");
    }

    // BlankLastChar on its own: the same length for an ASCII end, never longer than the text.
    const std::string blanked = results::BlankLastChar(address);
    FUZZ_CHECK(blanked.size() <= address.size(), "blanking never lengthens");
    FUZZ_CHECK(address.empty() ? blanked.empty() : blanked.back() == ' ',
               "the last character becomes a blank");
    if (IsValidUtf8(address)) {
        FUZZ_CHECK(IsValidUtf8(blanked), "blanking cuts a whole character");
    }
    return 0;
}
