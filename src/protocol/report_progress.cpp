#include "protocol/report_progress.h"

#include <algorithm>
#include <utility>

namespace protocol {
namespace {

constexpr int WritingStarts = 80; // where the composition leaves the bar
constexpr int OnDisk = 90;

} // namespace

ReportProgress::ReportProgress(ProgressReport bar) : bar_(std::move(bar)) {}

void ReportProgress::Composed(int percent) {
    if (percent < OnDisk)
        Show(percent);
}

void ReportProgress::Written(std::size_t rowsWritten, std::size_t rowsInAll) {
    if (rowsInAll == 0)
        return;
    const std::size_t share =
        std::min(rowsWritten, rowsInAll) * (OnDisk - WritingStarts) / rowsInAll;
    // Every row written still leaves the zip's directory and the file itself to be done.
    Show(std::min(WritingStarts + static_cast<int>(share), OnDisk - 1));
}

void ReportProgress::Saved() {
    Show(OnDisk);
}

void ReportProgress::Show(int percent) {
    if (percent == shown_)
        return;
    shown_ = percent;
    if (bar_)
        bar_(percent);
}

} // namespace protocol
