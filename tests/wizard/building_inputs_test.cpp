#include "wizard/building_inputs.h"

#include <gtest/gtest.h>
#include <ostream>

namespace wizard {

void PrintTo(const ParamPanels& p, std::ostream* os) {
    *os << "Stepen " << p.PanelStepen << " Etazh " << p.PanelEtazh << " V " << p.PanelV << " H "
        << p.PanelH << " Lkor " << p.PanelLkor << " Rukav " << p.PanelRukav << " Zal " << p.PanelZal
        << " Stal " << p.PanelStal << " GorMat " << p.PanelGorMat;
}

namespace {

using requirement::BuildingType;

struct VisibilityCase {
    const char* name;
    BuildingType type;
    std::optional<requirement::Degree> degree;
    ParamPanels visible;
    friend void PrintTo(const VisibilityCase& c, std::ostream* os) { *os << c.name; }
};

class VisibilityTest : public ::testing::TestWithParam<VisibilityCase> {};

TEST_P(VisibilityTest, ShowsThePanelsThatMatter) {
    EXPECT_EQ(VisibleParamPanels(GetParam().type, GetParam().degree), GetParam().visible);
}

using requirement::Degree;
constexpr Degree I = Degree::I, III = Degree::III, IIIa = Degree::IIIa, IIIb = Degree::IIIb,
                 IV = Degree::IV, IVa = Degree::IVa;

INSTANTIATE_TEST_SUITE_P(
    Types, VisibilityTest,
    ::testing::Values(
        VisibilityCase{"NoneAtStart", BuildingType::None, I, {}},
        VisibilityCase{
            "Zhiloe",
            BuildingType::Zhiloe,
            I,
            {.PanelEtazh = true, .PanelLkor = true, .PanelRukav = true, .PanelZal = true}},
        VisibilityCase{"Uprava",
                       BuildingType::Uprava,
                       I,
                       {.PanelEtazh = true, .PanelV = true, .PanelH = true, .PanelZal = true}},
        VisibilityCase{"Obshaga",
                       BuildingType::Obshaga,
                       I,
                       {.PanelEtazh = true, .PanelV = true, .PanelH = true, .PanelZal = true}},
        VisibilityCase{"Administr",
                       BuildingType::Administr,
                       I,
                       {.PanelEtazh = true, .PanelV = true, .PanelZal = true}},
        VisibilityCase{"Proisv",
                       BuildingType::Proisv,
                       I,
                       {.PanelStepen = true, .PanelV = true, .PanelH = true, .PanelZal = true}},
        VisibilityCase{"ProisvIIIa",
                       BuildingType::Proisv,
                       IIIa,
                       {.PanelStepen = true,
                        .PanelV = true,
                        .PanelH = true,
                        .PanelZal = true,
                        .PanelStal = true}},
        VisibilityCase{"ProisvIVa",
                       BuildingType::Proisv,
                       IVa,
                       {.PanelStepen = true,
                        .PanelV = true,
                        .PanelH = true,
                        .PanelZal = true,
                        .PanelStal = true,
                        .PanelGorMat = true}},
        VisibilityCase{"ProisvIV",
                       BuildingType::Proisv,
                       IV,
                       {.PanelStepen = true, .PanelV = true, .PanelH = true, .PanelZal = true}},
        VisibilityCase{"ProisvIIIb",
                       BuildingType::Proisv,
                       IIIb,
                       {.PanelStepen = true, .PanelV = true, .PanelH = true, .PanelZal = true}},
        VisibilityCase{"ProisvNoDegree",
                       BuildingType::Proisv,
                       std::nullopt,
                       {.PanelStepen = true, .PanelV = true, .PanelH = true, .PanelZal = true}},
        // The degree list keeps its selection under every type.
        VisibilityCase{"ZhiloeAfterIVa",
                       BuildingType::Zhiloe,
                       IVa,
                       {.PanelEtazh = true,
                        .PanelLkor = true,
                        .PanelRukav = true,
                        .PanelZal = true,
                        .PanelStal = true,
                        .PanelGorMat = true}},
        VisibilityCase{"NoTypeIIIa", BuildingType::None, IIIa, {.PanelStal = true}}),
    [](const auto& info) { return std::string(info.param.name); });

struct CategoryCase {
    const char* name;
    std::optional<requirement::Degree> degree;
    std::optional<std::array<std::string_view, 3>> items;
    friend void PrintTo(const CategoryCase& c, std::ostream* os) { *os << c.name; }
};

class CategoryTest : public ::testing::TestWithParam<CategoryCase> {};

TEST_P(CategoryTest, RefillsByDegreeGroup) {
    EXPECT_EQ(CategoryItemsForDegree(GetParam().degree), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(Degrees, CategoryTest,
                         ::testing::Values(CategoryCase{"I", I, CategoriesFirstGroup},
                                           CategoryCase{"II", Degree::II, CategoriesFirstGroup},
                                           CategoryCase{"III", III, CategoriesSecondGroup},
                                           CategoryCase{"IIIa", IIIa, CategoriesFirstGroup},
                                           CategoryCase{"IIIb", IIIb, CategoriesSecondGroup},
                                           CategoryCase{"IV", IV, CategoriesSecondGroup},
                                           CategoryCase{"IVa", IVa, CategoriesSecondGroup},
                                           CategoryCase{"VI", Degree::VI, CategoriesSecondGroup},
                                           CategoryCase{"NoneLeavesList", std::nullopt,
                                                        std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CategoryItems, SecondGroupBeginsWithCyrillicV) {
    // The first item of the second group is the category that raises the flow.
    EXPECT_EQ(CategoriesSecondGroup.front(), requirement::CategoryV);
}

struct CompletionCase {
    const char* name;
    std::vector<std::string> items;
    const char* prefix;
    std::optional<std::size_t> item;
    friend void PrintTo(const CompletionCase& c, std::ostream* os) { *os << c.name; }
};

class CompletionTest : public ::testing::TestWithParam<CompletionCase> {};

TEST_P(CompletionTest, FindsFirstItemWithPrefix) {
    EXPECT_EQ(CompleteItem(GetParam().items, GetParam().prefix), GetParam().item);
}

const std::vector<std::string> Degrees(DegreeItems.begin(), DegreeItems.end());
const std::vector<std::string> Categories{"А", "Б", "В"};
const std::vector<std::string> Equipment{std::string(OborudItem)};

INSTANTIATE_TEST_SUITE_P(
    Lists, CompletionTest,
    ::testing::Values(CompletionCase{"LatinUpper", Degrees, "I", 0},
                      CompletionCase{"LatinLower", Degrees, "i", 0},
                      CompletionCase{"FirstOfSeveral", Degrees, "II", 1},
                      CompletionCase{"ThreeLetters", Degrees, "III", 2},
                      CompletionCase{"CyrillicSuffix", Degrees, "IIIа", 3},
                      CompletionCase{"CyrillicSuffixUpper", Degrees, "IIIБ", 4},
                      CompletionCase{"FourthDegree", Degrees, "iv", 5},
                      CompletionCase{"VI", Degrees, "v", 7},
                      CompletionCase{"LatinAIsNotCyrillic", Degrees, "IIIa", std::nullopt},
                      CompletionCase{"NothingStartsWithX", Degrees, "X", std::nullopt},
                      CompletionCase{"CyrillicLower", Categories, "в", 2},
                      CompletionCase{"CyrillicUpper", Categories, "Б", 1},
                      CompletionCase{"LatinBIsNoCategory", Categories, "B", std::nullopt},
                      CompletionCase{"LongerThanItem", Categories, "АА", std::nullopt},
                      CompletionCase{"EquipmentLower", Equipment, "ствол-в", 0},
                      CompletionCase{"EquipmentMixed", Equipment, "СТВОЛ-ВОДОМЕР С МАНОМЕТРОМ hps",
                                     0},
                      CompletionCase{"EquipmentOther", Equipment, "Ствол-к", std::nullopt},
                      CompletionCase{"YoFolds", std::vector<std::string>{"ёлка"}, "Ё", 0},
                      CompletionCase{"BrokenUtf8NoMatch", Categories, "\xD0", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace wizard
