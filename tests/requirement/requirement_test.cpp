#include "requirement/requirement.h"

#include <gtest/gtest.h>
#include <limits>
#include <ostream>

namespace requirement {

void PrintTo(const Requirement& r, std::ostream* os) {
    *os << "{" << r.JetCount << " jets, " << r.JetFlow << " l/s}";
}

namespace {

using T = BuildingType;

constexpr Degree I = Degree::I, II = Degree::II, III = Degree::III, IIIa = Degree::IIIa,
                 IIIb = Degree::IIIb, IV = Degree::IV, IVa = Degree::IVa, VI = Degree::VI;

struct Building {
    BuildingParameters p;
    Building(T type) { p.type = type; }
    Building& Floors(double f) { return p.floors = f, *this; }
    Building& Volume(double v) { return p.volume = v, *this; }
    Building& Corridor() { return p.DlCor = true, *this; }
    Building& Hall() { return p.ZalLudOtd = true, *this; }
    Building& Hose38() { return p.Oborud38 = true, *this; }
    Building& High() { return p.H50 = true, *this; }
    Building& Degree(std::optional<requirement::Degree> d) { return p.degree = d, *this; }
    // A position of the degree list, as the panel reads it.
    Building& Position(int position) { return p.degree = DegreeAt(position), *this; }
    Building& Category(std::string c) { return p.category = std::move(c), *this; }
};

struct RuleCase {
    const char* name;
    Building building;
    Requirement expected;
    friend void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }
};

// A previous result that no rule produces, so a row that wrongly keeps it shows.
constexpr Requirement Stale{5, 1.5};

class RuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(RuleTest, GivesJetsAndFlow) {
    EXPECT_EQ(CalcRequirement(GetParam().building.p, Stale), GetParam().expected);
}

std::string Name(const ::testing::TestParamInfo<RuleCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Residential, RuleTest,
    ::testing::Values(
        RuleCase{"Floors1", Building(T::Zhiloe).Floors(1), {1, 2.5}},
        RuleCase{"Floors15", Building(T::Zhiloe).Floors(15), {1, 2.5}},
        RuleCase{"Floors16", Building(T::Zhiloe).Floors(16), {2, 2.5}},
        RuleCase{"Floors25", Building(T::Zhiloe).Floors(25), {2, 2.5}},
        RuleCase{"Floors15Corridor", Building(T::Zhiloe).Floors(15).Corridor(), {2, 2.5}},
        RuleCase{"Floors16Corridor", Building(T::Zhiloe).Floors(16).Corridor(), {3, 2.5}},
        RuleCase{
            "Floors16CorridorHall", Building(T::Zhiloe).Floors(16).Corridor().Hall(), {4, 2.5}},
        RuleCase{"Floors16CorridorHallHose38",
                 Building(T::Zhiloe).Floors(16).Corridor().Hall().Hose38(),
                 {4, 1.5}},
        RuleCase{"Floors1Hose38", Building(T::Zhiloe).Hose38(), {1, 1.5}},
        RuleCase{"IgnoresVolumeHeightDegree",
                 Building(T::Zhiloe).Floors(3).Volume(900000).High().Degree(I).Category("В"),
                 {1, 2.5}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    Public, RuleTest,
    ::testing::Values(
        RuleCase{"Floors9Below25000", Building(T::Uprava).Floors(9).Volume(24999.99), {1, 2.5}},
        RuleCase{"Floors9At25000", Building(T::Uprava).Floors(9).Volume(25000), {2, 2.5}},
        RuleCase{"Floors10Below25000", Building(T::Uprava).Floors(10).Volume(24999.99), {2, 2.5}},
        RuleCase{"Floors10At25000", Building(T::Uprava).Floors(10).Volume(25000), {3, 2.5}},
        RuleCase{
            "Floors10At25000Hall", Building(T::Uprava).Floors(10).Volume(25000).Hall(), {4, 2.5}},
        RuleCase{"NegativeVolumeIsSmall", Building(T::Uprava).Floors(1).Volume(-30000), {1, 2.5}},
        RuleCase{
            "HighBelow50000", Building(T::Uprava).Floors(10).Volume(49999.99).High(), {4, 5.0}},
        RuleCase{"HighAt50000", Building(T::Uprava).Volume(50000).High(), {8, 5.0}},
        RuleCase{"HighReplacesHall",
                 Building(T::Uprava).Floors(25).Volume(50000).High().Hall(),
                 {8, 5.0}},
        RuleCase{
            "HighBelow50000ReplacesHall", Building(T::Uprava).Volume(100).High().Hall(), {4, 5.0}},
        RuleCase{
            "IgnoresCorridorHose38", Building(T::Uprava).Floors(1).Corridor().Hose38(), {1, 2.5}},
        RuleCase{"ObshagaSameRules", Building(T::Obshaga).Floors(10).Volume(25000), {3, 2.5}},
        RuleCase{"ObshagaHall", Building(T::Obshaga).Floors(9).Volume(24999.99).Hall(), {2, 2.5}},
        RuleCase{"ObshagaHigh", Building(T::Obshaga).Volume(50000).High().Hall(), {8, 5.0}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    Administrative, RuleTest,
    ::testing::Values(
        RuleCase{"Floors25Below25000", Building(T::Administr).Floors(25).Volume(24999), {1, 2.5}},
        RuleCase{"JustBelow25000", Building(T::Administr).Volume(24999.99), {1, 2.5}},
        RuleCase{"At25000", Building(T::Administr).Floors(25).Volume(25000), {2, 2.5}},
        RuleCase{"Hall", Building(T::Administr).Volume(25000).Hall(), {3, 2.5}},
        RuleCase{"HeightNotConsulted", Building(T::Administr).Volume(60000).High(), {2, 2.5}},
        RuleCase{"FloorsNotConsulted", Building(T::Administr).Floors(1).Volume(0), {1, 2.5}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    IndustrialFirstGroup, RuleTest,
    ::testing::Values(
        RuleCase{"Zero", Building(T::Proisv).Degree(I).Volume(0), {2, 2.5}},
        RuleCase{"At5000", Building(T::Proisv).Degree(I).Volume(5000), {2, 2.5}},
        RuleCase{
            "HalfAbove5000RoundsToEven", Building(T::Proisv).Degree(I).Volume(5000.5), {2, 2.5}},
        RuleCase{"At5000Point6", Building(T::Proisv).Degree(I).Volume(5000.6), {2, 5.0}},
        RuleCase{"At5001", Building(T::Proisv).Degree(I).Volume(5001), {2, 5.0}},
        RuleCase{"HalfAbove5001RoundsUp", Building(T::Proisv).Degree(II).Volume(5001.5), {2, 5.0}},
        RuleCase{"At200000", Building(T::Proisv).Degree(I).Volume(200000), {2, 5.0}},
        RuleCase{"HalfAbove200000RoundsToEven",
                 Building(T::Proisv).Degree(I).Volume(200000.5),
                 {2, 5.0}},
        RuleCase{"At200001", Building(T::Proisv).Degree(I).Volume(200001), {3, 5.0}},
        RuleCase{
            "HalfBelow200001RoundsUp", Building(T::Proisv).Degree(IIIa).Volume(200000.6), {3, 5.0}},
        RuleCase{"At400000", Building(T::Proisv).Degree(I).Volume(400000), {3, 5.0}},
        RuleCase{"HalfAbove400000RoundsToEven",
                 Building(T::Proisv).Degree(I).Volume(400000.5),
                 {3, 5.0}},
        RuleCase{"At400000Point6", Building(T::Proisv).Degree(I).Volume(400000.6), {4, 5.0}},
        RuleCase{"At400001", Building(T::Proisv).Degree(II).Volume(400001), {4, 5.0}},
        RuleCase{"DegreeII", Building(T::Proisv).Degree(II).Volume(6000), {2, 5.0}},
        RuleCase{"DegreeIIIa", Building(T::Proisv).Degree(IIIa).Volume(300000), {3, 5.0}},
        RuleCase{
            "CategoryNotRead", Building(T::Proisv).Degree(I).Volume(100).Category("В"), {2, 2.5}},
        RuleCase{"Hall", Building(T::Proisv).Degree(I).Volume(300000).Hall(), {4, 5.0}},
        RuleCase{"HighBelow50000", Building(T::Proisv).Degree(I).Volume(49999.99).High(), {4, 5.0}},
        RuleCase{"HighAt50000WithHall",
                 Building(T::Proisv).Degree(I).Volume(50000).High().Hall(),
                 {8, 5.0}},
        RuleCase{
            "HighOverridesLargest", Building(T::Proisv).Degree(I).Volume(49000).High(), {4, 5.0}},
        RuleCase{
            "FloorsNotConsulted", Building(T::Proisv).Degree(I).Floors(25).Volume(10), {2, 2.5}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    IndustrialSecondGroup, RuleTest,
    ::testing::Values(
        RuleCase{"IIICategoryVAt5000",
                 Building(T::Proisv).Degree(III).Category("В").Volume(5000),
                 {2, 5.0}},
        RuleCase{"IIICategoryVBelow5000",
                 Building(T::Proisv).Degree(III).Category("В").Volume(4999.99),
                 {2, 2.5}},
        RuleCase{"VolumeAsEnteredNotRounded",
                 Building(T::Proisv).Degree(III).Category("В").Volume(4999.5),
                 {2, 2.5}},
        RuleCase{
            "IIICategoryG", Building(T::Proisv).Degree(III).Category("Г").Volume(900000), {2, 2.5}},
        RuleCase{
            "IIICategoryD", Building(T::Proisv).Degree(III).Category("Д").Volume(5000), {2, 2.5}},
        RuleCase{"LatinBIsNotCategoryV",
                 Building(T::Proisv).Degree(III).Category("B").Volume(5000),
                 {2, 2.5}},
        RuleCase{"LowercaseIsNotCategoryV",
                 Building(T::Proisv).Degree(III).Category("в").Volume(5000),
                 {2, 2.5}},
        RuleCase{"CategoryWithBlankIsNotV",
                 Building(T::Proisv).Degree(III).Category("В ").Volume(5000),
                 {2, 2.5}},
        RuleCase{"IIIb", Building(T::Proisv).Degree(IIIb).Category("В").Volume(5000), {2, 5.0}},
        RuleCase{"IV", Building(T::Proisv).Degree(IV).Category("В").Volume(5000), {2, 5.0}},
        RuleCase{"IVa", Building(T::Proisv).Degree(IVa).Category("В").Volume(5000), {2, 5.0}},
        RuleCase{"VI", Building(T::Proisv).Degree(VI).Category("В").Volume(5000), {2, 5.0}},
        RuleCase{"LargeVolumeStillTwoJets",
                 Building(T::Proisv).Degree(IV).Category("В").Volume(400001),
                 {2, 5.0}},
        RuleCase{"Hall", Building(T::Proisv).Degree(IV).Category("Г").Hall(), {3, 2.5}},
        RuleCase{"HighBelow50000",
                 Building(T::Proisv).Degree(VI).Category("Д").Volume(10).High(),
                 {4, 5.0}},
        RuleCase{"HighAt50000WithHall",
                 Building(T::Proisv).Degree(III).Category("Г").Volume(50000).High().Hall(),
                 {8, 5.0}}),
    Name);

// The rounded-volume table is applied to the rounded volume, the other thresholds to the
// volume as entered: 5000.4 falls on different sides for the two groups.
INSTANTIATE_TEST_SUITE_P(
    RoundedAgainstEntered, RuleTest,
    ::testing::Values(
        RuleCase{"FirstGroupRounds", Building(T::Proisv).Degree(I).Volume(5000.4), {2, 2.5}},
        RuleCase{"SecondGroupAsEntered",
                 Building(T::Proisv).Degree(III).Category("В").Volume(5000.4),
                 {2, 5.0}},
        RuleCase{
            "HeightAsEntered", Building(T::Proisv).Degree(I).Volume(49999.6).High(), {4, 5.0}}),
    Name);

// Volumes beyond a building's size never wrap around or fail to round: below zero is the
// smallest range, above 400000 the largest, however large.
INSTANTIATE_TEST_SUITE_P(
    VolumesOutOfRange, RuleTest,
    ::testing::Values(
        RuleCase{"NegativeIsSmallest", Building(T::Proisv).Degree(I).Volume(-1), {2, 2.5}},
        RuleCase{"NegativeHalfIsSmallest", Building(T::Proisv).Degree(I).Volume(-0.5), {2, 2.5}},
        RuleCase{"HugeNegativeIsSmallest", Building(T::Proisv).Degree(II).Volume(-1e300), {2, 2.5}},
        RuleCase{"At2Pow32IsLargest", Building(T::Proisv).Degree(I).Volume(4294967296.0), {4, 5.0}},
        RuleCase{
            "Above2Pow32IsLargest", Building(T::Proisv).Degree(I).Volume(4294972296.0), {4, 5.0}},
        RuleCase{"Beyond64BitIsLargest", Building(T::Proisv).Degree(IIIa).Volume(1e20), {4, 5.0}},
        RuleCase{"LargestDoubleIsLargest",
                 Building(T::Proisv).Degree(I).Volume(std::numeric_limits<double>::max()),
                 {4, 5.0}},
        RuleCase{"HugeWithHeight", Building(T::Proisv).Degree(I).Volume(1e20).High(), {8, 5.0}}),
    Name);

// Where nothing can be determined the figures are what the forward check refuses.
struct UndeterminedCase {
    const char* name;
    Building building;
    Requirement previous;
    Requirement expected;
    friend void PrintTo(const UndeterminedCase& c, std::ostream* os) { *os << c.name; }
};

class UndeterminedTest : public ::testing::TestWithParam<UndeterminedCase> {};

TEST_P(UndeterminedTest, GivesFiguresTheCheckRefusesOrKeeps) {
    const auto& c = GetParam();
    const Requirement result = CalcRequirement(c.building.p, c.previous);
    EXPECT_EQ(result, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Requirement, UndeterminedTest,
    ::testing::Values(
        UndeterminedCase{"NoTypeAtStart", Building(T::None).Floors(16).Corridor(), {}, {0, 0.0}},
        UndeterminedCase{"NoTypeKeepsPrevious", Building(T::None).Hall(), {3, 2.5}, {3, 2.5}},
        UndeterminedCase{"IndustrialNoDegree", Building(T::Proisv).Volume(6000), {}, {0, 0.0}},
        UndeterminedCase{"IndustrialNoDegreeDropsPrevious",
                         Building(T::Proisv).Volume(6000),
                         {2, 2.5},
                         {0, 0.0}},
        UndeterminedCase{
            "IndustrialNoDegreeNoHallIncrement", Building(T::Proisv).Hall(), {2, 2.5}, {0, 0.0}},
        UndeterminedCase{"IndustrialNoDegreeNoHeightOverride",
                         Building(T::Proisv).Volume(60000).High(),
                         {},
                         {0, 0.0}},
        UndeterminedCase{
            "IndustrialDegreeOutOfList", Building(T::Proisv).Position(8), {2, 5.0}, {0, 0.0}},
        UndeterminedCase{
            "IndustrialNegativeDegree", Building(T::Proisv).Position(-1), {2, 5.0}, {0, 0.0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalcRequirement, RepeatedForwardPressesWithoutDegreeNeverAccumulate) {
    const BuildingParameters p = Building(T::Proisv).Hall().Volume(300000).p;
    Requirement r{2, 5.0};
    for (int press = 0; press < 3; ++press) {
        r = CalcRequirement(p, r);
        EXPECT_FALSE(r.Determined()) << "press " << press;
    }
}

TEST(CalcRequirement, ChangingTypeReplacesBothFigures) {
    const Requirement residential = CalcRequirement(Building(T::Zhiloe).Hose38().p, {});
    ASSERT_EQ(residential, (Requirement{1, 1.5}));
    EXPECT_EQ(CalcRequirement(Building(T::Uprava).Hose38().p, residential), (Requirement{1, 2.5}));
}

struct RoundCase {
    const char* name;
    double volume;
    double rounded;
    friend void PrintTo(const RoundCase& c, std::ostream* os) { *os << c.name; }
};

class RoundHalfEvenTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenTest, RoundsHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(GetParam().volume), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Volumes, RoundHalfEvenTest,
    ::testing::Values(RoundCase{"HalfToEvenDown", 5000.5, 5000},
                      RoundCase{"HalfToEvenUp", 5001.5, 5002}, RoundCase{"BelowHalf", 5000.4, 5000},
                      RoundCase{"AboveHalf", 5000.6, 5001}, RoundCase{"Whole", 200001, 200001},
                      RoundCase{"ZeroPointFive", 0.5, 0}, RoundCase{"OnePointFive", 1.5, 2},
                      RoundCase{"NegativeHalf", -2.5, -2}, RoundCase{"NegativeOddHalf", -3.5, -4},
                      RoundCase{"Huge", 1e20, 1e20}),
    [](const auto& info) { return std::string(info.param.name); });

// By the position selected in the list, as the panel reads it.
struct GroupCase {
    const char* name;
    std::optional<int> degree;
    DegreeGroup group;
    friend void PrintTo(const GroupCase& c, std::ostream* os) { *os << c.name; }
};

class DegreeGroupTest : public ::testing::TestWithParam<GroupCase> {};

TEST_P(DegreeGroupTest, SortsDegrees) {
    const std::optional<int> position = GetParam().degree;
    EXPECT_EQ(GroupOfDegree(position ? DegreeAt(*position) : std::nullopt), GetParam().group);
}

INSTANTIATE_TEST_SUITE_P(Degrees, DegreeGroupTest,
                         ::testing::Values(GroupCase{"I", 0, DegreeGroup::First},
                                           GroupCase{"II", 1, DegreeGroup::First},
                                           GroupCase{"III", 2, DegreeGroup::Second},
                                           GroupCase{"IIIa", 3, DegreeGroup::First},
                                           GroupCase{"IIIb", 4, DegreeGroup::Second},
                                           GroupCase{"IV", 5, DegreeGroup::Second},
                                           GroupCase{"IVa", 6, DegreeGroup::Second},
                                           GroupCase{"VI", 7, DegreeGroup::Second},
                                           GroupCase{"None", std::nullopt, DegreeGroup::None},
                                           GroupCase{"PastTheList", 8, DegreeGroup::None},
                                           GroupCase{"Negative", -1, DegreeGroup::None}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace requirement
