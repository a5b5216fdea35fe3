#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Building-code rules that turn the building parameters of step 2 into the number of fire
// jets to be delivered at once and the minimum flow of each jet.
namespace requirement {

enum class BuildingType {
    None,    // no type chosen yet
    Zhiloe,  // "Жилое здание"
    Uprava,  // "Здания управлений"
    Obshaga, // "Общежития и общественные здания, не указанные в поз. 2"
    Administr, // "Административно-бытовые здания промышленных предприятий"
    Proisv,    // "Производственное или складское здание"
};

// The fire-resistance degrees, in the order of their list "I", "II", "III", "IIIа", "IIIб",
// "IV", "IVа", "VI".
enum class Degree { I, II, III, IIIa, IIIb, IV, IVa, VI };
inline constexpr int DegreeCount = 8;

// The degree at a position of the list; none for a position off it (-1: nothing selected).
std::optional<Degree> DegreeAt(int position);

// The degrees fall into two groups: "I", "II", "IIIа" (group 1) and the rest (group 2).
enum class DegreeGroup { None, First, Second };
DegreeGroup GroupOfDegree(std::optional<Degree> degree);

// The one category text that raises the flow of a group-2 industrial building: the Cyrillic
// capital "В".
inline constexpr std::string_view CategoryV = "В";

struct BuildingParameters {
    BuildingType type = BuildingType::None;
    double floors = 1; // current value of NumEtazh
    double volume = 0; // current value of V, cubic metres, as entered
    bool DlCor = false;
    bool ZalLudOtd = false;
    bool Oborud38 = false;
    bool H50 = false;
    std::optional<Degree> degree; // selected in stepogn, none when text was typed
    std::string category;         // displayed text of rategoriya (UTF-8)
};

struct Requirement {
    std::int32_t JetCount = 0; // 0: not determined
    double JetFlow = 0;        // l/s; 0: not determined

    bool Determined() const { return JetCount != 0 && JetFlow != 0.0; }
    friend bool operator==(const Requirement&, const Requirement&) = default;
};

// Pure: the outcome depends on the parameters and, where no type is chosen, on the previous
// figures, which are then kept. An industrial building without a selected degree determines
// nothing: the result is {0, 0.0}, whatever the previous figures.
Requirement CalcRequirement(const BuildingParameters& parameters, Requirement previous);

// The volume rounded to the nearest whole number, an exact half to the even neighbour.
double RoundHalfEven(double volume);

} // namespace requirement
