#pragma once

#include "requirement/requirement.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What step 2 shows and offers: the sub-panels that matter for a building, the degree and
// category lists, and how typing into those lists completes an item.
namespace wizard {

// The dependent sub-panels of step 2, in the order they are stacked and updated.
struct ParamPanels {
    bool PanelStepen = false;
    bool PanelEtazh = false;
    bool PanelV = false;
    bool PanelH = false;
    bool PanelLkor = false;
    bool PanelRukav = false;
    bool PanelZal = false;
    bool PanelStal = false;
    bool PanelGorMat = false;
    friend bool operator==(const ParamPanels&, const ParamPanels&) = default;
};

// PanelStal and PanelGorMat follow the degree list alone, whatever the type.
ParamPanels VisibleParamPanels(requirement::BuildingType type,
                               std::optional<requirement::Degree> degree);

inline constexpr std::array<std::string_view, requirement::DegreeCount> DegreeItems = {
    "I", "II", "III", "IIIа", "IIIб", "IV", "IVа", "VI"};
inline constexpr std::array<std::string_view, 3> CategoriesFirstGroup = {"А", "Б", "В"};
inline constexpr std::array<std::string_view, 3> CategoriesSecondGroup = {"В", "Г", "Д"};

// The category items after the degree changed; none when no degree is selected, so the
// list stays as it was.
std::optional<std::array<std::string_view, 3>>
CategoryItemsForDegree(std::optional<requirement::Degree> degree);

inline constexpr std::string_view OborudItem = "Ствол-водомер с манометром HPS";

// The first item that begins with the prefix, letter case ignored (Latin and Cyrillic).
std::optional<std::size_t> CompleteItem(const std::vector<std::string>& items,
                                        std::string_view prefix);

// The letters folded to one case, for comparisons that ignore it.
std::u32string FoldCase(std::string_view utf8);

} // namespace wizard
