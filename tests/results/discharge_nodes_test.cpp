// Every node of the discharge table, against a copy typed from the printed table
// (discharge_nodes.txt): at a node's pressure FlowFromPressure gives the node's flow exactly,
// and FormatFlow writes it as the table prints it. A changed value in the program's table
// fails its node.
#include "results/discharge.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace results {
namespace {

struct Node {
    std::string bar;  // as typed, "5.5"
    int diameter = 0; // mm
    std::string flow; // as typed, "2.55"
    friend void PrintTo(const Node& n, std::ostream* os) {
        *os << n.bar << " bar, " << n.diameter << " mm: " << n.flow;
    }
};

// The typed table: one line per pressure, the pressure then one flow per table diameter; "#"
// starts a comment.
std::vector<std::vector<std::string>> TypedRows() {
    std::ifstream file(NAPORIS_DISCHARGE_NODES);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream fields(line);
        std::vector<std::string> row;
        for (std::string field; fields >> field;)
            row.push_back(field);
        rows.push_back(row);
    }
    return rows;
}

std::vector<Node> Nodes() {
    std::vector<Node> nodes;
    for (const std::vector<std::string>& row : TypedRows())
        for (std::size_t c = 1; c < row.size() && c <= TableDiameters.size(); ++c)
            nodes.push_back({row[0], TableDiameters[c - 1], row[c]});
    return nodes;
}

double Number(const std::string& typed) {
    return std::strtod(typed.c_str(), nullptr);
}

// With a comma as the separator, as the inspector's locale has it.
std::string CommaText(std::string typed) {
    std::replace(typed.begin(), typed.end(), '.', ',');
    return typed;
}

// The copy itself is whole: a row per table pressure, a flow per table diameter.
TEST(DischargeNodesCopy, HoldsEveryRowAndColumn) {
    const auto rows = TypedRows();
    ASSERT_EQ(rows.size(), DischargeRowCount) << NAPORIS_DISCHARGE_NODES;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        EXPECT_EQ(rows[r].size(), TableDiameters.size() + 1) << "row " << r + 1;
        EXPECT_EQ(Number(rows[r][0]), TBLbar[r].bar) << "row " << r + 1;
    }
}

class DischargeNode : public testing::TestWithParam<Node> {};

TEST_P(DischargeNode, GivesTheTypedFlowAndText) {
    const Node& node = GetParam();
    const double flow = FlowFromPressure(node.diameter, Number(node.bar));
    EXPECT_EQ(flow, Number(node.flow));
    EXPECT_EQ(FormatFlow(flow, ','), CommaText(node.flow));
}

INSTANTIATE_TEST_SUITE_P(Table, DischargeNode, testing::ValuesIn(Nodes()),
                         [](const testing::TestParamInfo<Node>& info) {
                             std::string name = "Bar" + info.param.bar + "Mm" +
                                                std::to_string(info.param.diameter);
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

} // namespace
} // namespace results
