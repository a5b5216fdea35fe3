#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// The nine operations the protocol is written with. They append to the end of the document and
// address the current table; whoever implements them decides how the document comes to exist.
namespace protocol {

enum class Alignment : std::uint8_t { Left = 0, Center = 1, Right = 2, Justify = 3 };

// Bold, Italic, StrikeThrough: 0 off, any other value on. Underline: 0 none, 1 single line.
// Size in points. Rows and columns count from 1; a table has no row limit.
class DocumentOperations {
public:
    virtual ~DocumentOperations() = default;

    virtual void NewWordDocument() = 0;
    virtual void DisableProofing() = 0;
    virtual void SetPageMargins(float top, float bottom, float left, float right) = 0;
    // A "\r\n" (or a lone "\n" or "\r") in the text ends a paragraph; a text that does not end
    // in one leaves its last paragraph open for the next text.
    virtual void AppendParagraph(std::string_view text, std::string_view fontName,
                                 std::int32_t bold, std::int32_t italic, std::int32_t strikeThrough,
                                 std::int32_t underline, std::int32_t size,
                                 Alignment alignment) = 0;
    // Directly after a table, the new rows join it.
    virtual void AddTable(std::int32_t rows, std::int32_t columns, std::int32_t borders) = 0;
    // Appends to the cell's text; the alignment and font then apply to the whole cell.
    virtual void WriteCell(std::int32_t row, std::int32_t column, std::string_view text,
                           std::string_view fontName, std::int32_t bold, std::int32_t italic,
                           std::int32_t strikeThrough, std::int32_t underline, std::int32_t size,
                           Alignment alignment) = 0;
    virtual void SetCellWidth(std::int32_t row, std::int32_t column, float width) = 0;
    virtual void ShowWordDocument() = 0;
    virtual void ReleaseWord() = 0;
};

// Any failure of an operation: its message says what failed (and the file, where there is one).
class DocumentError : public std::runtime_error {
public:
    explicit DocumentError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace protocol
