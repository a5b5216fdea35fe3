// The inspection file's reader on arbitrary bytes: either an inspection the window can show
// or a problem in words, never a crash; and what it accepts, written again, reads back the
// same.
#include "fuzz_check.h"
#include "wizard/inspection_file.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const wizard::InspectionRead read = wizard::ReadInspection(bytes);
    if (!read.inspection) {
        FUZZ_CHECK(!read.problem.empty(), "a refusal without a reason");
        return 0;
    }
    FUZZ_CHECK(!wizard::ProblemOf(*read.inspection), "accepted an inspection the window refuses");
    const wizard::InspectionRead again =
        wizard::ReadInspection(wizard::WriteInspection(*read.inspection));
    FUZZ_CHECK(again.inspection.has_value(), "its own file refused");
    FUZZ_CHECK(*again.inspection == *read.inspection, "read back differently");
    return 0;
}
