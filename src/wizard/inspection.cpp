#include "wizard/inspection.h"

#include "results/nozzle.h"

#include <cmath>
#include <tuple>

namespace wizard {
namespace {

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsCalendarDate(const protocol::InspectionDate& d) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.month < 1 || d.month > 12 || d.day < 1)
        return false;
    const int last = d.month == 2 && IsLeap(d.year) ? 29 : days[d.month - 1];
    return d.day <= last;
}

auto Key(const protocol::InspectionDate& d) {
    return std::tuple(d.year, d.month, d.day);
}

std::string Number(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    return std::to_string(value);
}

bool IsJetFlow(double flow) {
    return flow == 1.5 || flow == 2.5 || flow == 5.0;
}

} // namespace

Inspection NewInspection(protocol::InspectionDate today) {
    Inspection inspection;
    inspection.general.date = today;
    // The grid at start: one data row, its compliance mark set by its first update.
    results::RowRules rules;
    rules.diameter = results::InitialDiameter;
    results::UpdateAllRows(inspection.grid, rules);
    return inspection;
}

bool SameEntries(const Inspection& a, const Inspection& b) {
    Inspection left = a;
    left.step = b.step;
    return left == b;
}

std::optional<std::string> ProblemOf(const Inspection& x) {
    const int step = static_cast<int>(x.step);
    if (step < 1 || step > 4)
        return "шаг " + std::to_string(step) + " вне пределов 1–4";
    const protocol::InspectionDate& date = x.general.date;
    if (!IsCalendarDate(date) || Key(date) < Key(EarliestDate) || Key(date) > Key(LatestDate))
        return "дата проверки " + std::to_string(date.day) + "." + std::to_string(date.month) +
               "." + std::to_string(date.year) + " невозможна";
    if (x.equipmentSelected && *x.equipmentSelected != 0)
        return "номер позиции оборудования " + std::to_string(*x.equipmentSelected) +
               " вне пределов 0–0";

    const BuildingState& b = x.building;
    if (!(b.floors.value >= 1 && b.floors.value <= 25) ||
        b.floors.value != std::floor(b.floors.value))
        return "число этажей " + Number(b.floors.value) + " вне пределов 1–25";
    if (!std::isfinite(b.volume.value))
        return "объём здания не является числом";
    if (b.degree.selected && (*b.degree.selected < 0 || *b.degree.selected >= 8))
        return "номер позиции степени огнестойкости " + std::to_string(*b.degree.selected) +
               " вне пределов 0–7";
    if (b.category.selected && (*b.category.selected < 0 || *b.category.selected >= 3))
        return "номер позиции категории " + std::to_string(*b.category.selected) +
               " вне пределов 0–2";

    if (x.requirement.JetCount < 0 || x.requirement.JetCount > 8)
        return "число струй " + std::to_string(x.requirement.JetCount) + " вне пределов 0–8";
    if (x.requirement.JetFlow != 0.0 && !IsJetFlow(x.requirement.JetFlow))
        return "расход струи " + Number(x.requirement.JetFlow) + " л/с не из ряда 0; 1,5; 2,5; 5";
    if (x.preparedFlow && !IsJetFlow(*x.preparedFlow))
        return "расход, для которого подготовлена таблица, " + Number(*x.preparedFlow) +
               " л/с не из ряда 1,5; 2,5; 5";
    if (step >= 3 && (!x.requirement.Determined() || x.preparedFlow != x.requirement.JetFlow))
        return "шаг " + std::to_string(step) + " недостижим без определённого требуемого расхода";

    const int dataRows = x.grid.RowCount() - 1;
    if (dataRows < 1 || dataRows > MaxDataRows)
        return "число строк таблицы " + std::to_string(dataRows) + " вне пределов 1–" +
               std::to_string(MaxDataRows);
    if (x.grid.StoredRowCount() - 1 > MaxDataRows)
        return "номер строки таблицы " + std::to_string(x.grid.StoredRowCount() - 1) + " больше " +
               std::to_string(MaxDataRows);
    for (const char c : x.Dnas)
        if (!((c >= '0' && c <= '9') || c == '+' || c == '-' || c == ',' || c == '.'))
            return "диаметр насадки «" + x.Dnas + "» содержит не только цифры";
    return std::nullopt;
}

} // namespace wizard
