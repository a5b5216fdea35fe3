#include "wizard/navigation.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace wizard {
namespace {

// Every press on every step, with the requirement determined or not: where it leads, what
// runs, and how the buttons stand afterwards.
struct TransitionCase {
    const char* name;
    WizardStep from;
    Press press;
    bool determined;
    bool computesRequirement;
    WizardStep next;
    Operation operation;
    bool refusal;
    std::string_view caption;
    bool backEnabled;
    friend void PrintTo(const TransitionCase& c, std::ostream* os) { *os << c.name; }
};

class TransitionTable : public ::testing::TestWithParam<TransitionCase> {};

TEST_P(TransitionTable, MakesOneTransition) {
    const TransitionCase& c = GetParam();
    EXPECT_EQ(ComputesRequirement(c.from, c.press), c.computesRequirement);
    const Transition t = Transit(c.from, c.press, c.determined);
    EXPECT_EQ(t.next, c.next);
    EXPECT_EQ(t.operation, c.operation);
    EXPECT_EQ(t.refusal, c.refusal);
    EXPECT_EQ(t.forwardCaption, c.caption);
    EXPECT_EQ(t.backEnabled, c.backEnabled);
}

constexpr auto F = Press::Forward;
constexpr auto B = Press::Back;
constexpr std::string_view Next = "Далее >>";
constexpr std::string_view Report = "Отчет";
using enum WizardStep;
using enum Operation;

INSTANTIATE_TEST_SUITE_P(
    Presses, TransitionTable,
    ::testing::Values(
        // Forward.
        TransitionCase{"OneForward", GeneralData, F, false, false, Building, None, false, Next,
                       true},
        TransitionCase{"OneForwardDetermined", GeneralData, F, true, false, Building, None, false,
                       Next, true},
        TransitionCase{"TwoForwardDetermined", Building, F, true, true, Results, PrepareResultsGrid,
                       false, Next, true},
        TransitionCase{"TwoForwardRefused", Building, F, false, true, Building, None, true, Next,
                       true},
        TransitionCase{"ThreeForward", Results, F, false, false, Conclusion, BuildConclusion, false,
                       Report, true},
        TransitionCase{"ThreeForwardDetermined", Results, F, true, false, Conclusion,
                       BuildConclusion, false, Report, true},
        TransitionCase{"FourForward", Conclusion, F, false, false, Conclusion, GenerateProtocol,
                       false, Report, true},
        TransitionCase{"FourForwardDetermined", Conclusion, F, true, false, Conclusion,
                       GenerateProtocol, false, Report, true},
        // Back: nothing runs, nothing is reset.
        TransitionCase{"OneBackStays", GeneralData, B, false, false, GeneralData, None, false, Next,
                       false},
        TransitionCase{"TwoBack", Building, B, false, false, GeneralData, None, false, Next, false},
        TransitionCase{"TwoBackDetermined", Building, B, true, false, GeneralData, None, false,
                       Next, false},
        TransitionCase{"ThreeBack", Results, B, true, false, Building, None, false, Next, true},
        TransitionCase{"FourBack", Conclusion, B, true, false, Results, None, false, Next, true},
        TransitionCase{"FourBackUndetermined", Conclusion, B, false, false, Results, None, false,
                       Next, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace wizard
