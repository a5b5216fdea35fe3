#pragma once

#include "protocol/protocol_data.h"
#include "requirement/requirement.h"
#include "results/results_grid.h"
#include "wizard/navigation.h"

#include <optional>
#include <string>

// Everything the inspector entered, as one value: what an inspection file keeps and what
// opening it brings back to the window, hidden inputs and removed grid rows included.
namespace wizard {

// An editable list: its text and the item selected, none when the text was typed.
struct ListState {
    std::string text;
    std::optional<int> selected;
    friend bool operator==(const ListState&, const ListState&) = default;
};

// A numeric input: the text as it stands, which need not be a number, and the last value.
struct NumberState {
    std::string text;
    double value = 0;
    friend bool operator==(const NumberState&, const NumberState&) = default;
};

// Which three categories the list holds: it is refilled only when a degree is selected.
enum class CategoryList { First, Second };

// Step 2.
struct BuildingState {
    requirement::BuildingType type = requirement::BuildingType::None;
    NumberState floors{"1", 1}; // NumEtazh
    NumberState volume{"0", 0}; // V
    bool H50 = false;
    bool DlCor = false;
    bool Oborud38 = false;
    bool ZalLudOtd = false;
    bool CheckBox6 = false;      // unprotected steel frame, informational
    bool CheckBox4 = false;      // combustible insulation, informational
    ListState degree{"I", 0};    // stepogn
    ListState category{"А", {}}; // rategoriya
    CategoryList categories = CategoryList::First;
    friend bool operator==(const BuildingState&, const BuildingState&) = default;
};

struct Inspection {
    WizardStep step = WizardStep::GeneralData; // the step shown
    protocol::GeneralData general;
    std::optional<int> equipmentSelected; // the item of Oborud, none when typed
    BuildingState building;
    requirement::Requirement requirement;
    // The JetFlow the grid was last prepared for: the required flow stated above it and the
    // figure its compliance marks are judged against; none before step 3 was first reached.
    std::optional<double> preparedFlow;
    results::ResultsGrid grid;
    std::string Dnas = "13";
    bool autoFlow = true;       // CheckBox8
    bool autoCompliance = true; // CheckBox7
    std::string conclusion;     // Memo1, lines separated by "\n"
    friend bool operator==(const Inspection&, const Inspection&) = default;
};

// What the window holds at start (and after "Новая проверка"), dated the given day.
Inspection NewInspection(protocol::InspectionDate today);

// The same entries, wherever the wizard stands: what decides whether there is anything
// unsaved. Moving between steps enters nothing.
bool SameEntries(const Inspection& a, const Inspection& b);

// The bounds a value must keep to be shown in the window.
inline constexpr int MaxDataRows = 100000; // far beyond any building's fire cocks
inline constexpr protocol::InspectionDate EarliestDate{14, 9, 1752};
inline constexpr protocol::InspectionDate LatestDate{31, 12, 9999};

// What makes the value one the window cannot show, in Russian ("число этажей 99 вне
// пределов 1–25"); none when it can be shown.
std::optional<std::string> ProblemOf(const Inspection& inspection);

} // namespace wizard
