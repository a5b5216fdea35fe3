#pragma once

#include <string_view>

// The wizard's four steps and what a press of "Далее >>" or "<< Назад" does on each: the
// main window keeps the current step, runs the operation a transition names and shows the
// panel of the step it leads to.
namespace wizard {

enum class WizardStep { GeneralData = 1, Building = 2, Results = 3, Conclusion = 4 };

enum class Press { Forward, Back };

// The main window's operation a transition runs before it shows its new step.
enum class Operation { None, PrepareResultsGrid, BuildConclusion, GenerateProtocol };

inline constexpr std::string_view ForwardCaption = "Далее >>";
inline constexpr std::string_view ReportCaption = "Отчет";

struct Transition {
    WizardStep next;
    Operation operation = Operation::None;
    bool refusal = false; // "Введите параметры здания!" instead of going on
    std::string_view forwardCaption; // on the forward button at the new step
    bool backEnabled = false;        // the back button at the new step
};

// Forward from step 2 runs CalcRequirement first, since what it finds decides the way on.
bool ComputesRequirement(WizardStep from, Press press);

// The one transition a press makes. `determined` is whether the requirement computed by
// this press gives a jet count and a jet flow; it is read only forward from step 2. Back on
// step 1, where its button is disabled, stays on step 1.
Transition Transit(WizardStep from, Press press, bool determined);

} // namespace wizard
