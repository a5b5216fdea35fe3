#include "protocol/document.h"

#include "protocol/clean_text.h"

#include <utility>

namespace protocol {
namespace {

// What the table-wide formatting of AddTable gives every cell.
constexpr std::string_view TableFontName = "Arial";
constexpr int TableFontSize = 11;
constexpr float TableRowHeight = 13.0f;
constexpr int MaxFontSize = 1638;
constexpr std::int32_t MaxColumns = 63;

Font MakeFont(std::string_view name, std::int32_t bold, std::int32_t italic,
              std::int32_t strikeThrough, std::int32_t underline, std::int32_t size) {
    if (size < 1 || size > MaxFontSize)
        throw DocumentError("Недопустимый размер шрифта: " + std::to_string(size));
    if (underline != 0 && underline != 1)
        throw DocumentError("Недопустимый вид подчёркивания: " + std::to_string(underline));
    Font font;
    font.name = CleanText(name);
    font.bold = bold != 0;
    font.italic = italic != 0;
    font.strikeThrough = strikeThrough != 0;
    font.underline = underline != 0;
    font.size = size;
    return font;
}

void CheckAlignment(Alignment alignment) {
    if (static_cast<std::uint8_t>(alignment) > static_cast<std::uint8_t>(Alignment::Justify))
        throw DocumentError("Недопустимое выравнивание абзаца: " +
                            std::to_string(static_cast<int>(alignment)));
}

// Puts the text at the end of the last paragraph; each line break ("\r\n", "\n" or "\r") opens
// a new one. Returns the index of the first paragraph the text touched.
std::size_t InsertText(std::vector<Paragraph>& paragraphs, std::string_view text,
                       const Font& font) {
    const std::size_t first = paragraphs.size() - 1;
    const std::string clean = CleanText(text);
    std::size_t start = 0;
    auto flush = [&](std::size_t end) {
        if (end > start)
            paragraphs.back().runs.push_back({clean.substr(start, end - start), font});
    };
    for (std::size_t i = 0; i < clean.size(); ++i) {
        const char c = clean[i];
        if (c != '\r' && c != '\n')
            continue;
        flush(i);
        if (c == '\r' && i + 1 < clean.size() && clean[i + 1] == '\n')
            ++i;
        Paragraph next;
        next.alignment = paragraphs.back().alignment;
        next.mark = paragraphs.back().mark;
        paragraphs.push_back(std::move(next));
        start = i + 1;
    }
    flush(clean.size());
    return first;
}

Paragraph EmptyParagraph() {
    return Paragraph{};
}

} // namespace

std::string Paragraph::Text() const {
    std::string text;
    for (const Run& run : runs)
        text += run.text;
    return text;
}

std::string Cell::Text() const {
    std::string text;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += paragraphs[i].Text();
    }
    return text;
}

Document::Document(DocumentShower shower) : shower_(std::move(shower)) {}

void Document::RequireOpen() const {
    if (!open_)
        throw DocumentError("Документ протокола не создан");
}

void Document::NewWordDocument() {
    open_ = true;
    proofingDisabled_ = false;
    margins_ = PageMargins{};
    blocks_.clear();
    blocks_.emplace_back(EmptyParagraph());
    currentTable_.reset();
}

void Document::DisableProofing() {
    RequireOpen();
    proofingDisabled_ = true;
}

void Document::SetPageMargins(float top, float bottom, float left, float right) {
    RequireOpen();
    if (!(top >= 0 && bottom >= 0 && left >= 0 && right >= 0) || left + right >= PageWidth ||
        top + bottom >= PageHeight)
        throw DocumentError("Недопустимые поля страницы");
    margins_ = {top, bottom, left, right};
}

void Document::AppendParagraph(std::string_view text, std::string_view fontName, std::int32_t bold,
                               std::int32_t italic, std::int32_t strikeThrough,
                               std::int32_t underline, std::int32_t size, Alignment alignment) {
    RequireOpen();
    CheckAlignment(alignment);
    const Font font = MakeFont(fontName, bold, italic, strikeThrough, underline, size);

    std::vector<Paragraph> touched;
    touched.push_back(std::move(std::get<Paragraph>(blocks_.back())));
    blocks_.pop_back();
    InsertText(touched, text, font);
    // The inserted text runs up to the document's closing mark, so every paragraph from the
    // one it continued to the new last one takes the alignment and the mark's font.
    for (Paragraph& paragraph : touched) {
        paragraph.alignment = alignment;
        paragraph.mark = font;
        blocks_.emplace_back(std::move(paragraph));
    }
}

void Document::AddTable(std::int32_t rows, std::int32_t columns, std::int32_t borders) {
    RequireOpen();
    if (rows < 1)
        throw DocumentError("Таблица должна иметь хотя бы одну строку, а не " +
                            std::to_string(rows));
    if (columns < 1 || columns > MaxColumns)
        throw DocumentError("Недопустимое число столбцов таблицы: " + std::to_string(columns));
    if (borders != 0 && borders != 1)
        throw DocumentError("Недопустимый вид границ таблицы: " + std::to_string(borders));

    const bool finalEmpty = std::get<Paragraph>(blocks_.back()).runs.empty();
    const bool joins =
        finalEmpty && blocks_.size() >= 2 && std::holds_alternative<Table>(blocks_.end()[-2]);
    // An empty closing paragraph gives its place to the table; one with text stays above it.
    if (finalEmpty)
        blocks_.pop_back();
    if (!joins)
        blocks_.emplace_back(Table{});
    currentTable_ = blocks_.size() - 1;
    blocks_.emplace_back(EmptyParagraph());
    Table& table = std::get<Table>(blocks_[*currentTable_]);

    const float cellWidth = (PageWidth - margins_.left - margins_.right) / columns;
    Row row;
    row.cells.resize(columns);
    for (Cell& cell : row.cells)
        cell.width = cellWidth;
    table.rows.insert(table.rows.end(), rows, row);

    // The table-wide formatting covers the whole table, rows of an earlier addition too.
    table.borders = borders;
    table.verticalCentre = true;
    table.rowsCentred = true;
    table.rowHeight = TableRowHeight;
    // Strike-through and underline are not part of it: they stay as written.
    auto tableFont = [](Font& font) {
        font.name = TableFontName;
        font.size = TableFontSize;
        font.bold = false;
        font.italic = false;
    };
    for (Row& each : table.rows)
        for (Cell& cell : each.cells)
            for (Paragraph& paragraph : cell.paragraphs) {
                tableFont(paragraph.mark);
                for (Run& run : paragraph.runs)
                    tableFont(run.font);
            }
}

Cell& Document::CellAt(std::int32_t row, std::int32_t column) {
    RequireOpen();
    if (!currentTable_)
        throw DocumentError("В документе протокола нет таблицы");
    Table& table = std::get<Table>(blocks_[*currentTable_]);
    if (row < 1 || static_cast<std::size_t>(row) > table.rows.size())
        throw DocumentError("В таблице нет строки " + std::to_string(row) + " (строк " +
                            std::to_string(table.rows.size()) + ")");
    Row& cells = table.rows[row - 1];
    if (column < 1 || static_cast<std::size_t>(column) > cells.cells.size())
        throw DocumentError("В строке " + std::to_string(row) + " таблицы нет столбца " +
                            std::to_string(column) + " (столбцов " +
                            std::to_string(cells.cells.size()) + ")");
    return cells.cells[column - 1];
}

void Document::WriteCell(std::int32_t row, std::int32_t column, std::string_view text,
                         std::string_view fontName, std::int32_t bold, std::int32_t italic,
                         std::int32_t strikeThrough, std::int32_t underline, std::int32_t size,
                         Alignment alignment) {
    Cell& cell = CellAt(row, column);
    CheckAlignment(alignment);
    const Font font = MakeFont(fontName, bold, italic, strikeThrough, underline, size);
    InsertText(cell.paragraphs, text, font);
    for (Paragraph& paragraph : cell.paragraphs) {
        paragraph.alignment = alignment;
        paragraph.mark = font;
        for (Run& run : paragraph.runs)
            run.font = font;
    }
}

void Document::SetCellWidth(std::int32_t row, std::int32_t column, float width) {
    Cell& cell = CellAt(row, column);
    if (!(width > 0 && width <= PageWidth * 2))
        throw DocumentError("Недопустимая ширина ячейки: " + std::to_string(width));
    cell.width = width;
}

void Document::ShowWordDocument() {
    RequireOpen();
    if (!shower_)
        throw DocumentError("Протокол некуда вывести");
    shower_(*this);
}

void Document::ReleaseWord() {
    open_ = false;
    blocks_.clear();
    currentTable_.reset();
}

const Table* Document::CurrentTable() const {
    return currentTable_ ? &std::get<Table>(blocks_[*currentTable_]) : nullptr;
}

} // namespace protocol
