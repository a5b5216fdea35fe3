#pragma once

#include "protocol/protocol.h"

#include <cstddef>

namespace protocol {

// The progress bar of one "Отчет", honest about the file: the composition's steps as
// GenerateProtocol reports them up to 80, then the writing of the package from 80 towards 90 as
// its rows are written, and 90 only once the file is on disk. The composition's own 90 comes
// before the writing starts, so it waits for the file. The bar hears only changes.
class ReportProgress {
public:
    explicit ReportProgress(ProgressReport bar);

    void Composed(int percent);                                   // GenerateProtocol's report
    void Written(std::size_t rowsWritten, std::size_t rowsInAll); // the writer's report
    void Saved();                                                 // the file is complete on disk

private:
    void Show(int percent);

    ProgressReport bar_;
    int shown_ = -1;
};

} // namespace protocol
