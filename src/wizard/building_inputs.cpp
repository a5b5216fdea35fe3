#include "wizard/building_inputs.h"

#include "common/utf8.h"

#include <algorithm>

namespace wizard {

using requirement::BuildingType;

ParamPanels VisibleParamPanels(BuildingType type, std::optional<requirement::Degree> degree) {
    using requirement::Degree;
    const bool zhiloe = type == BuildingType::Zhiloe;
    const bool proisv = type == BuildingType::Proisv;
    const bool administr = type == BuildingType::Administr;
    const bool publicBuilding = type == BuildingType::Uprava || type == BuildingType::Obshaga;
    const bool stal = degree == Degree::IIIa || degree == Degree::IVa;
    return {
        .PanelStepen = proisv,
        .PanelEtazh = zhiloe || publicBuilding || administr,
        .PanelV = publicBuilding || administr || proisv,
        .PanelH = publicBuilding || proisv,
        .PanelLkor = zhiloe,
        .PanelRukav = zhiloe,
        .PanelZal = type != BuildingType::None,
        .PanelStal = stal,
        .PanelGorMat = degree == Degree::IVa,
    };
}

std::optional<std::array<std::string_view, 3>>
CategoryItemsForDegree(std::optional<requirement::Degree> degree) {
    switch (requirement::GroupOfDegree(degree)) {
    case requirement::DegreeGroup::First:
        return CategoriesFirstGroup;
    case requirement::DegreeGroup::Second:
        return CategoriesSecondGroup;
    case requirement::DegreeGroup::None:
        break;
    }
    return std::nullopt;
}

namespace {

// Decodes UTF-8; a malformed byte stands for itself, so nothing is lost or read past.
std::u32string Decode(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const common::Utf8Step step = common::DecodeAt(s, i);
        out.push_back(step.character.value_or(static_cast<unsigned char>(s[i])));
        i += step.length;
    }
    return out;
}

char32_t Fold(char32_t c) {
    if (c >= U'A' && c <= U'Z')
        return c + 0x20;
    if (c >= 0x0410 && c <= 0x042F) // А … Я
        return c + 0x20;
    if (c >= 0x0400 && c <= 0x040F) // Ѐ … Џ, Ё among them
        return c + 0x50;
    return c;
}

} // namespace

std::u32string FoldCase(std::string_view utf8) {
    std::u32string folded = Decode(utf8);
    std::transform(folded.begin(), folded.end(), folded.begin(), Fold);
    return folded;
}

std::optional<std::size_t> CompleteItem(const std::vector<std::string>& items,
                                        std::string_view prefix) {
    const std::u32string wanted = FoldCase(prefix);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (FoldCase(items[i]).starts_with(wanted))
            return i;
    }
    return std::nullopt;
}

} // namespace wizard
