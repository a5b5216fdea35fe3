#include "results/conclusion.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace results {
namespace {

const std::string Intro = "1. На момент проверки расход воды на внутреннее пожаротушение "
                          "пожарных кранов распологающихся в следующих местах:";
const std::string Address = "здания, расположенного по адресу: ";
const std::string Fails = " НЕ СООТВЕТСТВУЕТ требованиям СНиП 2.04.01-85* \"Внутренний "
                          "водопровод и канализация зданий\".";
const std::string Meets = " СООТВЕТСТВУЕТ требованиям СНиП 2.04.01-85* \"Внутренний "
                          "водопровод и канализация зданий\".";

struct ConclusionCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> rows; // location, column 6
    std::string address;
    std::string expected;
};

class Conclusion : public testing::TestWithParam<ConclusionCase> {};

TEST_P(Conclusion, NamesTheCocksConcerned) {
    const ConclusionCase& c = GetParam();
    ResultsGrid grid;
    grid.SetRowCount(static_cast<int>(c.rows.size()) + 1);
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        grid.SetCell(ColLocation, row, c.rows[i].first);
        grid.SetCell(ColCompliance, row, c.rows[i].second);
    }
    EXPECT_EQ(BuildConclusion(grid, c.address), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Results, Conclusion,
    testing::Values(
        ConclusionCase{"OneFailingRowDecides",
                       {{"P1", "Да"}, {"P2", "Нет"}, {"P3", "Нет"}},
                       "A",
                       Intro + " P2, P3 " + Address + "A" + Fails},
        ConclusionCase{"AllMeet",
                       {{"P1", "Да"}, {"P2", "Да"}},
                       "A",
                       Intro + " P1, P2 " + Address + "A" + Meets},
        ConclusionCase{
            "SingleFailingRow", {{"P1", "Нет"}}, "A", Intro + " P1 " + Address + "A" + Fails},
        ConclusionCase{"EmptyLocation", {{"", "Нет"}}, "A", Intro + "  " + Address + "A" + Fails},
        ConclusionCase{"NoDataRow", {}, "A", Intro + Address + "A" + Meets},
        ConclusionCase{"EmptyAddress", {{"P1", "Нет"}}, "", Intro + " P1 " + Address + Fails},
        // Only an exact "Да" meets the requirement.
        ConclusionCase{"OtherMarksFail",
                       {{"P1", "да"}, {"P2", ""}, {"P3", "Да"}, {"P4", "err"}},
                       "A",
                       Intro + " P1, P2, P4 " + Address + "A" + Fails},
        ConclusionCase{"CyrillicTexts",
                       {{"1 этаж, лестница", "Да"}, {"подвал", "Да"}},
                       "г. Москва, ул. Ленина, д. 1",
                       Intro + " 1 этаж, лестница, подвал " + Address +
                           "г. Москва, ул. Ленина, д. 1" + Meets}),
    [](const auto& info) { return std::string(info.param.name); });

struct BlankCase {
    const char* name;
    std::string list;
    std::string blanked;
};

class BlankLastCharTable : public testing::TestWithParam<BlankCase> {};

TEST_P(BlankLastCharTable, ReplacesTheLastCharacter) {
    EXPECT_EQ(BlankLastChar(GetParam().list), GetParam().blanked);
}

INSTANTIATE_TEST_SUITE_P(Results, BlankLastCharTable,
                         testing::Values(BlankCase{"Empty", "", ""},
                                         BlankCase{"TrailingComma", " P1, P2,", " P1, P2 "},
                                         BlankCase{"LoneComma", ",", " "},
                                         // A Cyrillic letter goes whole, not byte by byte.
                                         BlankCase{"CyrillicLetter", "этаж", "эта "},
                                         BlankCase{"OnlyCyrillic", "ж", " "}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace results
