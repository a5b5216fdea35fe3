#include "requirement/requirement.h"

#include <cmath>

namespace requirement {
namespace {

constexpr double FlowLow = 1.5;
constexpr double FlowNormal = 2.5;
constexpr double FlowHigh = 5.0;

// Above 50 m the height rule replaces everything the type's own rules gave.
Requirement HighBuilding(double volume) {
    return {volume < 50000 ? 4 : 8, FlowHigh};
}

Requirement Residential(const BuildingParameters& p) {
    Requirement r{p.floors >= 16 ? 2 : 1, FlowNormal};
    if (p.DlCor)
        ++r.JetCount;
    if (p.ZalLudOtd)
        ++r.JetCount;
    if (p.Oborud38)
        r.JetFlow = FlowLow;
    return r;
}

Requirement Public(const BuildingParameters& p) {
    if (p.H50)
        return HighBuilding(p.volume);
    Requirement r{p.floors >= 10 ? 2 : 1, FlowNormal};
    if (p.volume >= 25000)
        ++r.JetCount;
    if (p.ZalLudOtd)
        ++r.JetCount;
    return r;
}

Requirement Administrative(const BuildingParameters& p) {
    Requirement r{p.volume >= 25000 ? 2 : 1, FlowNormal};
    if (p.ZalLudOtd)
        ++r.JetCount;
    return r;
}

// Degree group 1 goes by the rounded volume. A negative volume counts as the smallest range
// and any volume above 400000, however large, as the largest: the comparisons stay on the
// double, so nothing wraps or fails to convert.
Requirement ByRoundedVolume(double volume) {
    const double rounded = RoundHalfEven(volume);
    if (rounded <= 5000)
        return {2, FlowNormal};
    if (rounded <= 200000)
        return {2, FlowHigh};
    if (rounded <= 400000)
        return {3, FlowHigh};
    return {4, FlowHigh};
}

std::optional<Requirement> Industrial(const BuildingParameters& p) {
    Requirement r;
    switch (GroupOfDegree(p.degree)) {
    case DegreeGroup::None:
        return std::nullopt;
    case DegreeGroup::First:
        r = ByRoundedVolume(p.volume);
        break;
    case DegreeGroup::Second:
        r = {2, p.category == CategoryV && p.volume >= 5000 ? FlowHigh : FlowNormal};
        break;
    }
    if (p.ZalLudOtd)
        ++r.JetCount;
    if (p.H50)
        r = HighBuilding(p.volume);
    return r;
}

} // namespace

std::optional<Degree> DegreeAt(int position) {
    if (position < 0 || position >= DegreeCount)
        return std::nullopt;
    return static_cast<Degree>(position);
}

DegreeGroup GroupOfDegree(std::optional<Degree> degree) {
    if (!degree)
        return DegreeGroup::None;
    return degree == Degree::I || degree == Degree::II || degree == Degree::IIIa
               ? DegreeGroup::First
               : DegreeGroup::Second;
}

double RoundHalfEven(double volume) {
    if (!std::isfinite(volume))
        return volume;
    const double down = std::floor(volume);
    const double fraction = volume - down;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(down, 2.0) != 0.0))
        return down + 1;
    return down;
}

Requirement CalcRequirement(const BuildingParameters& parameters, Requirement previous) {
    switch (parameters.type) {
    case BuildingType::None:
        return previous;
    case BuildingType::Zhiloe:
        return Residential(parameters);
    case BuildingType::Uprava:
    case BuildingType::Obshaga:
        return Public(parameters);
    case BuildingType::Administr:
        return Administrative(parameters);
    case BuildingType::Proisv:
        return Industrial(parameters).value_or(Requirement{0, 0.0});
    }
    return previous;
}

} // namespace requirement
