#include "protocol/docx_writer.h"

#include "common/utf8_path.h"
#include "protocol/xml_escape.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <exception>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>
#include <variant>
#include <vector>
#include <zip.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#endif

namespace protocol {
namespace {

constexpr int CellMargin = 108; // twips, left and right inside every cell

// Every how many table rows the writer reports its progress: a 10 000-row protocol moves the
// bar twenty times, a few hundred rows (written in milliseconds) not at all.
constexpr std::size_t RowsPerReport = 500;

// Level 3: as fast as level 1 on these parts (a 10 000-row protocol deflates in a third of
// level 9's time) and within a few per cent of level 9's size (272 kB against 261 kB), where
// level 1 doubles it.
constexpr zip_uint32_t DeflateLevel = 3;

// The fixed parts, as they have always been written.
constexpr std::string_view Declaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";

constexpr std::string_view ContentTypesXml =
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" "
    "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
    "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "<Override PartName=\"/word/styles.xml\" ContentType=\"application/"
    "vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
    "<Override PartName=\"/word/settings.xml\" ContentType=\"application/"
    "vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>"
    "</Types>";

constexpr std::string_view PackageRelationshipsXml =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/officeDocument\" Target=\"word/document.xml\"/>"
    "</Relationships>";

constexpr std::string_view DocumentRelationshipsXml =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/styles\" Target=\"styles.xml\"/>"
    "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/settings\" Target=\"settings.xml\"/>"
    "</Relationships>";

// Times New Roman 12 in Russian, single spacing and no space between paragraphs: the protocol
// spaces itself with empty paragraphs.
constexpr std::string_view StylesXml =
    "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:docDefaults><w:rPrDefault><w:rPr>"
    "<w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\" "
    "w:eastAsia=\"Times New Roman\" w:cs=\"Times New Roman\"/>"
    "<w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/>"
    "<w:lang w:val=\"ru-RU\" w:eastAsia=\"ru-RU\" w:bidi=\"ar-SA\"/>"
    "</w:rPr></w:rPrDefault>"
    "<w:pPrDefault><w:pPr><w:spacing w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/>"
    "</w:pPr></w:pPrDefault></w:docDefaults>"
    "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\">"
    "<w:name w:val=\"Normal\"/><w:qFormat/></w:style>"
    "</w:styles>";

constexpr std::string_view SettingsOpening =
    "<w:settings xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">";
// The document's own switch for the wavy underlines of spelling and grammar.
constexpr std::string_view ProofingHidden = "<w:hideSpellingErrors/><w:hideGrammaticalErrors/>";
constexpr std::string_view SettingsRest =
    "<w:defaultTabStop w:val=\"708\"/>"
    "<w:characterSpacingControl w:val=\"doNotCompress\"/>"
    "<w:compat><w:compatSetting w:name=\"compatibilityMode\" "
    "w:uri=\"http://schemas.microsoft.com/office/word\" w:val=\"15\"/></w:compat>"
    "</w:settings>";

constexpr std::string_view DocumentOpening =
    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><w:body>";

long Twips(float points) {
    return std::lround(points * 20.0);
}

void AppendNumber(std::string& out, long value) {
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

const char* JcValue(Alignment alignment) {
    switch (alignment) {
    case Alignment::Center:
        return "center";
    case Alignment::Right:
        return "right";
    case Alignment::Justify:
        return "both";
    case Alignment::Left:
        break;
    }
    return "left";
}

// The children of a run's properties in the order the schema demands: rFonts, b, bCs, i, iCs,
// strike, sz, szCs, u.
void WriteFont(std::string& out, const Font& font) {
    std::string name;
    AppendEscaped(name, font.name, XmlPlace::Attribute);
    out += "<w:rFonts w:ascii=\"";
    out += name;
    out += "\" w:hAnsi=\"";
    out += name;
    out += "\" w:eastAsia=\"";
    out += name;
    out += "\" w:cs=\"";
    out += name;
    out += "\"/>";
    if (font.bold)
        out += "<w:b/><w:bCs/>";
    if (font.italic)
        out += "<w:i/><w:iCs/>";
    if (font.strikeThrough)
        out += "<w:strike/>";
    out += "<w:sz w:val=\"";
    AppendNumber(out, font.size * 2);
    out += "\"/><w:szCs w:val=\"";
    AppendNumber(out, font.size * 2);
    out += "\"/>";
    if (font.underline)
        out += "<w:u w:val=\"single\"/>";
}

// A tab is an element of its own between texts that keep their blanks.
void WriteText(std::string& out, std::string_view text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t tab = std::min(text.find('\t', start), text.size());
        if (tab > start) {
            out += "<w:t xml:space=\"preserve\">";
            AppendEscaped(out, text.substr(start, tab - start), XmlPlace::Text);
            out += "</w:t>";
        }
        if (tab == text.size())
            break;
        out += "<w:tab/>";
        start = tab + 1;
    }
}

void WriteParagraph(std::string& out, const Paragraph& paragraph) {
    out += "<w:p><w:pPr><w:jc w:val=\"";
    out += JcValue(paragraph.alignment);
    out += "\"/><w:rPr>";
    WriteFont(out, paragraph.mark);
    out += "</w:rPr></w:pPr>";
    for (const Run& run : paragraph.runs) {
        out += "<w:r><w:rPr>";
        WriteFont(out, run.font);
        out += "</w:rPr>";
        WriteText(out, run.text);
        out += "</w:r>";
    }
    out += "</w:p>";
}

// Rows of different cell counts share one grid: the columns of the first row with the most
// cells. A row with fewer cells spreads them over the grid by their widths, so it covers the
// table's full width (a one-cell row spans every column).
struct TableGrid {
    std::vector<long> columns;  // widths in twips
    std::vector<long> edges{0}; // the columns' right edges from the table's left, after a 0
};

TableGrid GridOf(const Table& table) {
    TableGrid grid;
    const Row* widest = &table.rows.front();
    for (const Row& row : table.rows)
        if (row.cells.size() > widest->cells.size())
            widest = &row;
    for (const Cell& cell : widest->cells) {
        grid.columns.push_back(std::max(1L, Twips(cell.width)));
        grid.edges.push_back(grid.edges.back() + grid.columns.back());
    }
    return grid;
}

// How many grid columns each of the row's cells spans.
void ColumnSpans(const TableGrid& grid, const Row& row, std::vector<int>& spans) {
    const int columns = static_cast<int>(grid.columns.size());
    const int cells = static_cast<int>(row.cells.size());
    spans.assign(cells, 1);
    if (cells >= columns)
        return;
    const double total = static_cast<double>(grid.edges.back());
    double rowWidth = 0;
    for (const Cell& cell : row.cells)
        rowWidth += std::max(1.0, static_cast<double>(cell.width));
    double edge = 0;
    int previous = 0;
    for (int c = 0; c < cells; ++c) {
        edge += std::max(1.0, static_cast<double>(row.cells[c].width));
        const double target = edge / rowWidth * total;
        int index = static_cast<int>(
            std::lower_bound(grid.edges.begin(), grid.edges.end(), target) - grid.edges.begin());
        if (index > 0 && target - grid.edges[index - 1] < grid.edges[index] - target)
            --index;
        // Each cell takes at least one column and leaves one for each cell after it.
        index = std::clamp(index, previous + 1, columns - (cells - 1 - c));
        if (c == cells - 1)
            index = columns;
        spans[c] = index - previous;
        previous = index;
    }
}

void WriteTableHead(std::string& out, const Table& table, const TableGrid& grid) {
    out += "<w:tbl><w:tblPr><w:tblW w:w=\"";
    AppendNumber(out, grid.edges.back());
    out += "\" w:type=\"dxa\"/><w:jc w:val=\"";
    out += table.rowsCentred ? "center" : "left";
    out += "\"/><w:tblBorders>";
    for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
        out += "<w:";
        out += side;
        out += table.borders == 0 ? " w:val=\"nil\"/>"
                                  : " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>";
    }
    out += "</w:tblBorders><w:tblLayout w:type=\"fixed\"/><w:tblCellMar>";
    for (const char* side : {"left", "right"}) {
        out += "<w:";
        out += side;
        out += " w:w=\"";
        AppendNumber(out, CellMargin);
        out += "\" w:type=\"dxa\"/>";
    }
    out += "</w:tblCellMar></w:tblPr><w:tblGrid>";
    for (long width : grid.columns) {
        out += "<w:gridCol w:w=\"";
        AppendNumber(out, width);
        out += "\"/>";
    }
    out += "</w:tblGrid>";
}

void WriteRow(std::string& out, const Table& table, const TableGrid& grid, const Row& row,
              std::vector<int>& spans) {
    ColumnSpans(grid, row, spans);
    out += "<w:tr>";
    if (table.rowHeight > 0) {
        out += "<w:trPr><w:trHeight w:val=\"";
        AppendNumber(out, Twips(table.rowHeight));
        out += "\" w:hRule=\"atLeast\"/></w:trPr>";
    }
    std::size_t column = 0;
    for (std::size_t c = 0; c < row.cells.size(); ++c) {
        const int span = spans[c];
        long width = Twips(row.cells[c].width);
        if (row.cells.size() < grid.columns.size()) {
            width = 0;
            for (int k = 0; k < span; ++k)
                width += grid.columns[column + k];
        }
        column += span;
        out += "<w:tc><w:tcPr><w:tcW w:w=\"";
        AppendNumber(out, width);
        out += "\" w:type=\"dxa\"/>";
        if (span > 1) {
            out += "<w:gridSpan w:val=\"";
            AppendNumber(out, span);
            out += "\"/>";
        }
        if (table.verticalCentre)
            out += "<w:vAlign w:val=\"center\"/>";
        out += "</w:tcPr>";
        for (const Paragraph& paragraph : row.cells[c].paragraphs)
            WriteParagraph(out, paragraph);
        out += "</w:tc>";
    }
    out += "</w:tr>";
}

void WriteSection(std::string& out, const PageMargins& margins) {
    out += "<w:sectPr><w:pgSz w:w=\"";
    AppendNumber(out, Twips(PageWidth));
    out += "\" w:h=\"";
    AppendNumber(out, Twips(PageHeight));
    out += "\"/><w:pgMar w:top=\"";
    AppendNumber(out, Twips(margins.top));
    out += "\" w:right=\"";
    AppendNumber(out, Twips(margins.right));
    out += "\" w:bottom=\"";
    AppendNumber(out, Twips(margins.bottom));
    out += "\" w:left=\"";
    AppendNumber(out, Twips(margins.left));
    out += "\" w:header=\"709\" w:footer=\"709\" w:gutter=\"0\"/></w:sectPr>";
}

// word/document.xml a piece at a time, in document order: the opening, each paragraph, each
// table's properties and grid, each table row, each table's end, the section and the closing.
// A piece is never bigger than the biggest paragraph or row.
class DocumentXml {
public:
    DocumentXml(const Document& document, const WritingProgress* progress)
        : document_(document), progress_(progress) {
        for (const Block& block : document.Blocks())
            if (const auto* table = std::get_if<Table>(&block))
                rowsInAll_ += table->rows.size();
    }

    // Appends the next piece; false once the part is complete.
    bool Next(std::string& out) {
        const std::vector<Block>& blocks = document_.Blocks();
        if (finished_)
            return false;
        if (!opened_) {
            out += Declaration;
            out += DocumentOpening;
            opened_ = true;
        } else if (block_ == blocks.size()) {
            WriteSection(out, document_.Margins());
            out += "</w:body></w:document>";
            finished_ = true;
        } else if (const auto* paragraph = std::get_if<Paragraph>(&blocks[block_])) {
            WriteParagraph(out, *paragraph);
            ++block_;
        } else {
            NextOfTable(out, std::get<Table>(blocks[block_]));
        }
        return true;
    }

private:
    void NextOfTable(std::string& out, const Table& table) {
        if (!inTable_) {
            grid_ = GridOf(table);
            WriteTableHead(out, table, grid_);
            inTable_ = true;
            row_ = 0;
        } else if (row_ < table.rows.size()) {
            WriteRow(out, table, grid_, table.rows[row_++], spans_);
            if (++rowsWritten_ % RowsPerReport == 0 && progress_ && *progress_)
                (*progress_)(rowsWritten_, rowsInAll_);
        } else {
            out += "</w:tbl>";
            inTable_ = false;
            ++block_;
        }
    }

    const Document& document_;
    const WritingProgress* progress_;
    std::size_t rowsInAll_ = 0;
    std::size_t rowsWritten_ = 0;
    bool opened_ = false;
    bool finished_ = false;
    std::size_t block_ = 0;
    bool inTable_ = false;
    std::size_t row_ = 0;
    TableGrid grid_;
    std::vector<int> spans_;
};

// The part's length, written once without keeping it: the entry's size must be known before
// its data, or libzip gives it a Zip64 header that older readers of the format may refuse.
zip_uint64_t DocumentXmlSize(const Document& document) {
    DocumentXml xml(document, nullptr);
    std::string piece;
    zip_uint64_t size = 0;
    while (xml.Next(piece)) {
        size += piece.size();
        piece.clear();
    }
    return size;
}

// word/document.xml as a libzip source that writes the part while libzip deflates it. An
// exception from the writing or the progress cannot cross libzip's C code: it is kept, the read
// fails, and Package throws it again.
class DocumentSource {
public:
    DocumentSource(const Document& document, const WritingProgress& progress)
        : document_(document), progress_(progress), size_(DocumentXmlSize(document)),
          modified_(std::time(nullptr)) {
        zip_error_init(&error_);
    }
    ~DocumentSource() { zip_error_fini(&error_); }
    DocumentSource(const DocumentSource&) = delete;
    DocumentSource& operator=(const DocumentSource&) = delete;

    static zip_int64_t Callback(void* state, void* data, zip_uint64_t length,
                                zip_source_cmd_t command) {
        return static_cast<DocumentSource*>(state)->Command(data, length, command);
    }

    std::exception_ptr Failure() const { return failure_; }

private:
    zip_int64_t Command(void* data, zip_uint64_t length, zip_source_cmd_t command) {
        switch (command) {
        case ZIP_SOURCE_OPEN:
            xml_.emplace(document_, &progress_);
            pending_.clear();
            taken_ = 0;
            return 0;
        case ZIP_SOURCE_READ:
            return Read(static_cast<char*>(data), length);
        case ZIP_SOURCE_CLOSE:
            xml_.reset();
            pending_ = std::string();
            return 0;
        case ZIP_SOURCE_STAT: {
            auto* stat = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &error_);
            if (!stat)
                return -1;
            zip_stat_init(stat);
            stat->size = size_;
            stat->mtime = modified_;
            stat->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&error_, data, length);
        case ZIP_SOURCE_FREE:
            return 0; // the object is Package's
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ,
                                                  ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                                  ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default:
            zip_error_set(&error_, ZIP_ER_OPNOTSUPP, 0);
            return -1;
        }
    }

    zip_int64_t Read(char* data, zip_uint64_t length) {
        try {
            while (pending_.size() - taken_ < length && xml_->Next(pending_)) {
            }
            const std::size_t count =
                std::min<std::size_t>(pending_.size() - taken_, static_cast<std::size_t>(length));
            std::copy_n(pending_.data() + taken_, count, data);
            taken_ += count;
            // What libzip has taken goes, so the buffer holds a piece or two at most.
            if (taken_ == pending_.size()) {
                pending_.clear();
                taken_ = 0;
            } else if (taken_ > pending_.size() / 2) {
                pending_.erase(0, taken_);
                taken_ = 0;
            }
            return static_cast<zip_int64_t>(count);
        } catch (...) {
            failure_ = std::current_exception();
            zip_error_set(&error_, ZIP_ER_INTERNAL, 0);
            return -1;
        }
    }

    const Document& document_;
    const WritingProgress& progress_;
    const zip_uint64_t size_;
    const std::time_t modified_;
    zip_error_t error_;
    std::optional<DocumentXml> xml_;
    std::string pending_;
    std::size_t taken_ = 0;
    std::exception_ptr failure_;
};

[[noreturn]] void PackageFailure(const char* reason) {
    throw DocumentError(std::string("Не удалось упаковать протокол: ") + reason);
}

using SourcePtr = std::unique_ptr<zip_source_t, decltype(&zip_source_free)>;

// The package built by libzip in memory; the caller writes its bytes where they belong.
SourcePtr Package(const Document& document, const WritingProgress& progress) {
    const std::string settings = std::string(Declaration) + std::string(SettingsOpening) +
                                 std::string(document.ProofingDisabled() ? ProofingHidden : "") +
                                 std::string(SettingsRest);
    const std::string contentTypes = std::string(Declaration) + std::string(ContentTypesXml);
    const std::string packageRelationships =
        std::string(Declaration) + std::string(PackageRelationshipsXml);
    const std::string documentRelationships =
        std::string(Declaration) + std::string(DocumentRelationshipsXml);
    const std::string styles = std::string(Declaration) + std::string(StylesXml);
    DocumentSource documentXml(document, progress);

    zip_error_t error;
    zip_error_init(&error);
    SourcePtr buffer(zip_source_buffer_create(nullptr, 0, 0, &error), zip_source_free);
    if (!buffer)
        PackageFailure(zip_error_strerror(&error));
    zip_t* archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error);
    if (!archive)
        PackageFailure(zip_error_strerror(&error));
    zip_source_keep(buffer.get()); // the archive's close frees one reference, we read the other
    auto fail = [&]() {
        const std::string reason = zip_error_strerror(zip_get_error(archive));
        zip_discard(archive);
        if (documentXml.Failure())
            std::rethrow_exception(documentXml.Failure());
        PackageFailure(reason.c_str());
    };
    auto add = [&](const char* name, zip_source_t* part) {
        if (!part)
            fail();
        const zip_int64_t index = zip_file_add(archive, name, part, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(part);
            fail();
        }
        if (zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE,
                                     DeflateLevel) < 0)
            fail();
    };
    auto text = [&](const std::string& content) {
        return zip_source_buffer(archive, content.data(), content.size(), 0);
    };
    add("[Content_Types].xml", text(contentTypes));
    add("_rels/.rels", text(packageRelationships));
    add("word/_rels/document.xml.rels", text(documentRelationships));
    add("word/document.xml", zip_source_function(archive, DocumentSource::Callback, &documentXml));
    add("word/styles.xml", text(styles));
    add("word/settings.xml", text(settings));
    if (zip_close(archive) < 0)
        fail();
    return buffer;
}

// Hands the package's bytes over in pieces, so that no second copy of it is made.
template <typename Take> void ReadPackage(zip_source_t* package, Take take) {
    if (zip_source_open(package) < 0)
        PackageFailure(zip_error_strerror(zip_source_error(package)));
    char piece[64 * 1024];
    zip_int64_t read = 0;
    while ((read = zip_source_read(package, piece, sizeof piece)) > 0)
        take(piece, static_cast<std::size_t>(read));
    zip_source_close(package);
    if (read < 0)
        PackageFailure(zip_error_strerror(zip_source_error(package)));
}

// Creates the file only if it does not exist yet; null with errno set otherwise.
std::FILE* CreateNew(const std::filesystem::path& path) {
#ifdef _WIN32
    // The C runtime MinGW links ignores fopen's "x", which would replace an earlier protocol:
    // the exclusive create is asked of the open itself, with the wide path.
    const int fd =
        _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return nullptr;
    std::FILE* file = _fdopen(fd, "wb");
    if (!file)
        _close(fd);
    return file;
#else
    return std::fopen(path.c_str(), "wbx");
#endif
}

} // namespace

std::string DocxPackage(const Document& document, const WritingProgress& progress) {
    if (!document.IsOpen())
        throw DocumentError("Документ протокола не создан");
    const SourcePtr package = Package(document, progress);
    std::string bytes;
    ReadPackage(package.get(),
                [&](const char* piece, std::size_t size) { bytes.append(piece, size); });
    return bytes;
}

std::filesystem::path SaveAsNewFile(const Document& document, const std::filesystem::path& folder,
                                    const std::string& stem, const WritingProgress& progress) {
    // An empty folder would put the protocol wherever the working folder happens to be.
    if (folder.empty())
        throw DocumentError("Не задана папка для файла протокола");
    if (!document.IsOpen())
        throw DocumentError("Документ протокола не создан");
    // Packed before the file exists: a failure here leaves nothing behind.
    const SourcePtr package = Package(document, progress);
    constexpr int MaxAttempts = 10000;
    for (int n = 1; n <= MaxAttempts; ++n) {
        const std::string name = stem + (n == 1 ? "" : " (" + std::to_string(n) + ")") + ".docx";
        const std::filesystem::path path = folder / common::PathFromUtf8(name);
        std::FILE* file = CreateNew(path);
        if (!file) {
            if (errno == EEXIST)
                continue;
            const std::string reason = std::generic_category().message(errno);
            throw DocumentError("Не удалось создать файл протокола " + common::Utf8FromPath(path) +
                                ": " + reason);
        }
        bool written = true;
        int writeErrno = 0;
        try {
            ReadPackage(package.get(), [&](const char* piece, std::size_t size) {
                if (written && std::fwrite(piece, 1, size, file) != size) {
                    written = false;
                    writeErrno = errno;
                }
            });
        } catch (...) {
            std::fclose(file);
            std::error_code ignored;
            std::filesystem::remove(path, ignored);
            throw;
        }
        const bool closed = std::fclose(file) == 0;
        if (!written || !closed) {
            std::error_code ignored;
            std::filesystem::remove(path, ignored); // a half-written protocol would not open
            throw DocumentError("Не удалось записать файл протокола " + common::Utf8FromPath(path) +
                                ": " +
                                std::generic_category().message(written ? errno : writeErrno));
        }
        return path;
    }
    throw DocumentError("Не удалось подобрать новое имя файла протокола в папке " +
                        common::Utf8FromPath(folder));
}

DocumentShower ShowAsFile(std::filesystem::path folder, std::string stem, FileOpener opener,
                          WritingProgress progress) {
    return [folder = std::move(folder), stem = std::move(stem), opener = std::move(opener),
            progress = std::move(progress)](const Document& document) {
        const std::filesystem::path path = SaveAsNewFile(document, folder, stem, progress);
        if (!opener || !opener(path))
            throw DocumentError("Не удалось открыть файл протокола " + common::Utf8FromPath(path));
    };
}

} // namespace protocol
