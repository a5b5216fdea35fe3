#include "wizard/navigation.h"

namespace wizard {
namespace {

// The buttons follow the step alone: only step 4 writes reports, only step 1 has no way back.
Transition At(WizardStep step, Operation operation = Operation::None, bool refusal = false) {
    return {
        .next = step,
        .operation = operation,
        .refusal = refusal,
        .forwardCaption = step == WizardStep::Conclusion ? ReportCaption : ForwardCaption,
        .backEnabled = step != WizardStep::GeneralData,
    };
}

} // namespace

bool ComputesRequirement(WizardStep from, Press press) {
    return from == WizardStep::Building && press == Press::Forward;
}

Transition Transit(WizardStep from, Press press, bool determined) {
    if (press == Press::Forward) {
        switch (from) {
        case WizardStep::GeneralData:
            return At(WizardStep::Building);
        case WizardStep::Building:
            return determined ? At(WizardStep::Results, Operation::PrepareResultsGrid)
                              : At(WizardStep::Building, Operation::None, true);
        case WizardStep::Results:
            return At(WizardStep::Conclusion, Operation::BuildConclusion);
        case WizardStep::Conclusion:
            return At(WizardStep::Conclusion, Operation::GenerateProtocol);
        }
    }
    switch (from) {
    case WizardStep::GeneralData:
    case WizardStep::Building:
        return At(WizardStep::GeneralData);
    case WizardStep::Results:
        return At(WizardStep::Building);
    case WizardStep::Conclusion:
        return At(WizardStep::Results);
    }
    return At(from);
}

} // namespace wizard
