// The bar of one "Отчет": the composition's steps, the writing's rows, and 90 only for the file
// on disk.
#include "protocol/report_progress.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace protocol {
namespace {

using ::testing::ElementsAreArray;

void Compose(ReportProgress& progress) {
    for (int percent : {0, 10, 20, 30, 40, 50, 80, 90})
        progress.Composed(percent);
}

// Rows written as the writer reports them: every 500 of the rows in all.
void Write(ReportProgress& progress, std::size_t rowsInAll) {
    for (std::size_t rows = 500; rows <= rowsInAll; rows += 500)
        progress.Written(rows, rowsInAll);
}

struct BarCase {
    const char* name;
    std::function<void(ReportProgress&)> press;
    std::vector<int> bar;
};

class ReportProgressTest : public ::testing::TestWithParam<BarCase> {};

TEST_P(ReportProgressTest, BarShowsWhatHasReallyBeenDone) {
    std::vector<int> bar;
    ReportProgress progress([&](int percent) { bar.push_back(percent); });
    GetParam().press(progress);
    EXPECT_THAT(bar, ElementsAreArray(GetParam().bar));
}

INSTANTIATE_TEST_SUITE_P(
    Report, ReportProgressTest,
    ::testing::Values(
        // Written in milliseconds, without a report of the writer's: 80 straight to 90.
        BarCase{"ShortProtocol",
                [](ReportProgress& progress) {
                    Compose(progress);
                    progress.Saved();
                },
                {0, 10, 20, 30, 40, 50, 80, 90}},
        BarCase{"LongProtocolCountsTheRowsWritten",
                [](ReportProgress& progress) {
                    Compose(progress);
                    Write(progress, 10'004);
                    progress.Saved();
                },
                {0, 10, 20, 30, 40, 50, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90}},
        // The last row written still leaves the package's end and the file to be done.
        BarCase{"AllRowsWrittenIsNotYetOnDisk",
                [](ReportProgress& progress) {
                    Compose(progress);
                    progress.Written(1'000, 1'000);
                },
                {0, 10, 20, 30, 40, 50, 80, 89}},
        BarCase{"FileThatFailsNeverReaches90",
                [](ReportProgress& progress) {
                    Compose(progress);
                    Write(progress, 2'000);
                },
                {0, 10, 20, 30, 40, 50, 80, 82, 85, 87, 89}},
        BarCase{"NoRowsAtAllMovesNothing",
                [](ReportProgress& progress) {
                    progress.Composed(80);
                    progress.Written(0, 0);
                    progress.Saved();
                },
                {80, 90}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace protocol
