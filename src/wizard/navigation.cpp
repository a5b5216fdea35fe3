#include "wizard/navigation.h"

namespace wizard {
namespace {

// The buttons follow the step alone: only step 4 writes reports, only step 1 has no way back.
Transition At(Step step, Operation operation = Operation::None, bool refusal = false) {
    return {
        .next = step,
        .operation = operation,
        .refusal = refusal,
        .forwardCaption = step == Step::Conclusion ? ReportCaption : ForwardCaption,
        .backEnabled = step != Step::GeneralData,
    };
}

} // namespace

bool ComputesRequirement(Step from, Press press) {
    return from == Step::Building && press == Press::Forward;
}

Transition Transit(Step from, Press press, bool determined) {
    if (press == Press::Forward) {
        switch (from) {
        case Step::GeneralData:
            return At(Step::Building);
        case Step::Building:
            return determined ? At(Step::Results, Operation::PrepareResultsGrid)
                              : At(Step::Building, Operation::None, true);
        case Step::Results:
            return At(Step::Conclusion, Operation::BuildConclusion);
        case Step::Conclusion:
            return At(Step::Conclusion, Operation::GenerateProtocol);
        }
    }
    switch (from) {
    case Step::GeneralData:
    case Step::Building:
        return At(Step::GeneralData);
    case Step::Results:
        return At(Step::Building);
    case Step::Conclusion:
        return At(Step::Results);
    }
    return At(from);
}

} // namespace wizard
