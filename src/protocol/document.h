#pragma once

#include "protocol/document_operations.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The protocol as it is being written: paragraphs and tables in document order, kept the way a
// word processor keeps them (the document always ends in an open paragraph, a table added
// right below a table joins it, a cell is formatted as a whole).
namespace protocol {

struct Font {
    std::string name = "Times New Roman";
    bool bold = false;
    bool italic = false;
    bool strikeThrough = false;
    bool underline = false;
    int size = 12; // points

    bool operator==(const Font&) const = default;
};

struct Run {
    std::string text; // UTF-8, may hold tabs, never a line break
    Font font;
};

struct Paragraph {
    Alignment alignment = Alignment::Left;
    Font mark; // the paragraph mark's font: gives an empty paragraph its height
    std::vector<Run> runs;

    std::string Text() const;
};

struct Cell {
    std::vector<Paragraph> paragraphs{1};
    float width = 0; // points

    std::string Text() const; // paragraphs joined by "\n"
};

struct Row {
    std::vector<Cell> cells;
};

struct Table {
    std::int32_t borders = 0; // line style of every inside and outside border: 0 none, 1 single
    bool verticalCentre = false;
    bool rowsCentred = false;
    float rowHeight = 0; // points, at least
    std::vector<Row> rows;
};

using Block = std::variant<Paragraph, Table>;

struct PageMargins {
    float top = 56.7f;
    float bottom = 56.7f;
    float left = 85.05f;
    float right = 42.55f;
};

// A4 in points.
inline constexpr float PageWidth = 595.3f;
inline constexpr float PageHeight = 841.9f;

class Document;
// What ShowWordDocument does with the finished document (see docx_writer.h).
using DocumentShower = std::function<void(const Document&)>;

class Document : public DocumentOperations {
public:
    explicit Document(DocumentShower shower);

    void NewWordDocument() override;
    void DisableProofing() override;
    void SetPageMargins(float top, float bottom, float left, float right) override;
    void AppendParagraph(std::string_view text, std::string_view fontName, std::int32_t bold,
                         std::int32_t italic, std::int32_t strikeThrough, std::int32_t underline,
                         std::int32_t size, Alignment alignment) override;
    void AddTable(std::int32_t rows, std::int32_t columns, std::int32_t borders) override;
    void WriteCell(std::int32_t row, std::int32_t column, std::string_view text,
                   std::string_view fontName, std::int32_t bold, std::int32_t italic,
                   std::int32_t strikeThrough, std::int32_t underline, std::int32_t size,
                   Alignment alignment) override;
    void SetCellWidth(std::int32_t row, std::int32_t column, float width) override;
    void ShowWordDocument() override;
    void ReleaseWord() override; // the document is let go; a new one needs NewWordDocument

    bool IsOpen() const { return open_; }
    bool ProofingDisabled() const { return proofingDisabled_; }
    const PageMargins& Margins() const { return margins_; }
    const std::vector<Block>& Blocks() const { return blocks_; }
    // The table WriteCell and SetCellWidth address; null before the first AddTable.
    const Table* CurrentTable() const;

private:
    void RequireOpen() const;
    Cell& CellAt(std::int32_t row, std::int32_t column);

    DocumentShower shower_;
    bool open_ = false;
    bool proofingDisabled_ = false;
    PageMargins margins_;
    std::vector<Block> blocks_;
    std::optional<std::size_t> currentTable_;
};

} // namespace protocol
