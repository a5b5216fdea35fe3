#include "protocol/docx_writer.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <memory>
#include <pugixml.hpp>
#include <system_error>
#include <utility>
#include <zip.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#endif

namespace protocol {
namespace {

constexpr const char* MainNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr const char* RelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* PackageRelNs = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr int CellMargin = 108; // twips, left and right inside every cell

long Twips(float points) {
    return std::lround(points * 20.0);
}

std::string Str(long value) {
    return std::to_string(value);
}

class StringWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override {
        out.append(static_cast<const char*>(data), size);
    }
    std::string out;
};

std::string Serialise(const pugi::xml_document& xml) {
    StringWriter writer;
    xml.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
           "\r\n" +
           writer.out;
}

pugi::xml_node Child(pugi::xml_node parent, const char* name) {
    return parent.append_child(name);
}

void Val(pugi::xml_node parent, const char* name, const std::string& value) {
    Child(parent, name).append_attribute("w:val") = value.c_str();
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

// Children in the order the schema demands: rFonts, b, bCs, i, iCs, strike, sz, szCs, u.
void WriteFont(pugi::xml_node rPr, const Font& font) {
    pugi::xml_node fonts = Child(rPr, "w:rFonts");
    for (const char* script : {"w:ascii", "w:hAnsi", "w:eastAsia", "w:cs"})
        fonts.append_attribute(script) = font.name.c_str();
    if (font.bold) {
        Child(rPr, "w:b");
        Child(rPr, "w:bCs");
    }
    if (font.italic) {
        Child(rPr, "w:i");
        Child(rPr, "w:iCs");
    }
    if (font.strikeThrough)
        Child(rPr, "w:strike");
    Val(rPr, "w:sz", Str(font.size * 2));
    Val(rPr, "w:szCs", Str(font.size * 2));
    if (font.underline)
        Val(rPr, "w:u", "single");
}

void WriteText(pugi::xml_node run, const std::string& text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t tab = std::min(text.find('\t', start), text.size());
        if (tab > start) {
            pugi::xml_node t = Child(run, "w:t");
            t.append_attribute("xml:space") = "preserve";
            t.text() = text.substr(start, tab - start).c_str();
        }
        if (tab == text.size())
            break;
        Child(run, "w:tab");
        start = tab + 1;
    }
}

void WriteParagraph(pugi::xml_node parent, const Paragraph& paragraph) {
    pugi::xml_node p = Child(parent, "w:p");
    pugi::xml_node pPr = Child(p, "w:pPr");
    Val(pPr, "w:jc", JcValue(paragraph.alignment));
    WriteFont(Child(pPr, "w:rPr"), paragraph.mark);
    for (const Run& run : paragraph.runs) {
        pugi::xml_node r = Child(p, "w:r");
        WriteFont(Child(r, "w:rPr"), run.font);
        WriteText(r, run.text);
    }
}

// Rows of different cell counts share one grid: the columns of the first row with the most
// cells. A row with fewer cells spreads them over the grid by their widths, so it covers the
// table's full width (a one-cell row spans every column).
struct Layout {
    std::vector<long> grid;
    std::vector<std::vector<int>> spans; // per row, per cell
};

Layout LayOut(const Table& table) {
    Layout layout;
    const Row* widest = &table.rows.front();
    for (const Row& row : table.rows)
        if (row.cells.size() > widest->cells.size())
            widest = &row;
    for (const Cell& cell : widest->cells)
        layout.grid.push_back(std::max(1L, Twips(cell.width)));
    const int columns = static_cast<int>(layout.grid.size());
    std::vector<long> boundary{0};
    for (long width : layout.grid)
        boundary.push_back(boundary.back() + width);
    const double total = static_cast<double>(boundary.back());

    for (const Row& row : table.rows) {
        const int cells = static_cast<int>(row.cells.size());
        std::vector<int> spans(cells, 1);
        if (cells < columns) {
            double rowWidth = 0;
            for (const Cell& cell : row.cells)
                rowWidth += std::max(1.0, static_cast<double>(cell.width));
            double edge = 0;
            int previous = 0;
            for (int c = 0; c < cells; ++c) {
                edge += std::max(1.0, static_cast<double>(row.cells[c].width));
                const double target = edge / rowWidth * total;
                int index = static_cast<int>(
                    std::lower_bound(boundary.begin(), boundary.end(), target) - boundary.begin());
                if (index > 0 && target - boundary[index - 1] < boundary[index] - target)
                    --index;
                // Each cell takes at least one column and leaves one for each cell after it.
                index = std::clamp(index, previous + 1, columns - (cells - 1 - c));
                if (c == cells - 1)
                    index = columns;
                spans[c] = index - previous;
                previous = index;
            }
        }
        layout.spans.push_back(std::move(spans));
    }
    return layout;
}

void WriteBorders(pugi::xml_node tblPr, std::int32_t borders) {
    pugi::xml_node node = Child(tblPr, "w:tblBorders");
    for (const char* side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
        pugi::xml_node border = Child(node, side);
        if (borders == 0) {
            border.append_attribute("w:val") = "nil";
            continue;
        }
        border.append_attribute("w:val") = "single";
        border.append_attribute("w:sz") = "4";
        border.append_attribute("w:space") = "0";
        border.append_attribute("w:color") = "auto";
    }
}

void WriteTable(pugi::xml_node body, const Table& table) {
    const Layout layout = LayOut(table);
    long total = 0;
    for (long width : layout.grid)
        total += width;

    pugi::xml_node tbl = Child(body, "w:tbl");
    pugi::xml_node tblPr = Child(tbl, "w:tblPr");
    pugi::xml_node tblW = Child(tblPr, "w:tblW");
    tblW.append_attribute("w:w") = Str(total).c_str();
    tblW.append_attribute("w:type") = "dxa";
    Val(tblPr, "w:jc", table.rowsCentred ? "center" : "left");
    WriteBorders(tblPr, table.borders);
    Child(tblPr, "w:tblLayout").append_attribute("w:type") = "fixed";
    pugi::xml_node margins = Child(tblPr, "w:tblCellMar");
    for (const char* side : {"w:left", "w:right"}) {
        pugi::xml_node margin = Child(margins, side);
        margin.append_attribute("w:w") = Str(CellMargin).c_str();
        margin.append_attribute("w:type") = "dxa";
    }

    pugi::xml_node tblGrid = Child(tbl, "w:tblGrid");
    for (long width : layout.grid)
        Child(tblGrid, "w:gridCol").append_attribute("w:w") = Str(width).c_str();

    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const Row& row = table.rows[r];
        pugi::xml_node tr = Child(tbl, "w:tr");
        if (table.rowHeight > 0) {
            pugi::xml_node trHeight = Child(Child(tr, "w:trPr"), "w:trHeight");
            trHeight.append_attribute("w:val") = Str(Twips(table.rowHeight)).c_str();
            trHeight.append_attribute("w:hRule") = "atLeast";
        }
        std::size_t column = 0;
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            const int span = layout.spans[r][c];
            long width = Twips(row.cells[c].width);
            if (row.cells.size() < layout.grid.size()) {
                width = 0;
                for (int k = 0; k < span; ++k)
                    width += layout.grid[column + k];
            }
            column += span;
            pugi::xml_node tc = Child(tr, "w:tc");
            pugi::xml_node tcPr = Child(tc, "w:tcPr");
            pugi::xml_node tcW = Child(tcPr, "w:tcW");
            tcW.append_attribute("w:w") = Str(width).c_str();
            tcW.append_attribute("w:type") = "dxa";
            if (span > 1)
                Val(tcPr, "w:gridSpan", Str(span));
            if (table.verticalCentre)
                Val(tcPr, "w:vAlign", "center");
            for (const Paragraph& paragraph : row.cells[c].paragraphs)
                WriteParagraph(tc, paragraph);
        }
    }
}

std::string DocumentXml(const Document& document) {
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("w:document");
    root.append_attribute("xmlns:w") = MainNs;
    root.append_attribute("xmlns:r") = RelNs;
    pugi::xml_node body = Child(root, "w:body");
    for (const Block& block : document.Blocks()) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block))
            WriteParagraph(body, *paragraph);
        else
            WriteTable(body, std::get<Table>(block));
    }
    pugi::xml_node sectPr = Child(body, "w:sectPr");
    pugi::xml_node pgSz = Child(sectPr, "w:pgSz");
    pgSz.append_attribute("w:w") = Str(Twips(PageWidth)).c_str();
    pgSz.append_attribute("w:h") = Str(Twips(PageHeight)).c_str();
    const PageMargins& m = document.Margins();
    pugi::xml_node pgMar = Child(sectPr, "w:pgMar");
    pgMar.append_attribute("w:top") = Str(Twips(m.top)).c_str();
    pgMar.append_attribute("w:right") = Str(Twips(m.right)).c_str();
    pgMar.append_attribute("w:bottom") = Str(Twips(m.bottom)).c_str();
    pgMar.append_attribute("w:left") = Str(Twips(m.left)).c_str();
    pgMar.append_attribute("w:header") = "709";
    pgMar.append_attribute("w:footer") = "709";
    pgMar.append_attribute("w:gutter") = "0";
    return Serialise(xml);
}

std::string StylesXml() {
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("w:styles");
    root.append_attribute("xmlns:w") = MainNs;
    pugi::xml_node defaults = Child(root, "w:docDefaults");
    pugi::xml_node rPr = Child(Child(defaults, "w:rPrDefault"), "w:rPr");
    WriteFont(rPr, Font{});
    pugi::xml_node lang = Child(rPr, "w:lang");
    lang.append_attribute("w:val") = "ru-RU";
    lang.append_attribute("w:eastAsia") = "ru-RU";
    lang.append_attribute("w:bidi") = "ar-SA";
    // Single spacing and no space between paragraphs: the protocol spaces itself with empty
    // paragraphs.
    pugi::xml_node spacing = Child(Child(Child(defaults, "w:pPrDefault"), "w:pPr"), "w:spacing");
    spacing.append_attribute("w:after") = "0";
    spacing.append_attribute("w:line") = "240";
    spacing.append_attribute("w:lineRule") = "auto";

    pugi::xml_node normal = Child(root, "w:style");
    normal.append_attribute("w:type") = "paragraph";
    normal.append_attribute("w:default") = "1";
    normal.append_attribute("w:styleId") = "Normal";
    Val(normal, "w:name", "Normal");
    Child(normal, "w:qFormat");
    return Serialise(xml);
}

std::string SettingsXml(const Document& document) {
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("w:settings");
    root.append_attribute("xmlns:w") = MainNs;
    if (document.ProofingDisabled()) {
        // The document's own switch for the wavy underlines of spelling and grammar.
        Child(root, "w:hideSpellingErrors");
        Child(root, "w:hideGrammaticalErrors");
    }
    Val(root, "w:defaultTabStop", "708");
    Val(root, "w:characterSpacingControl", "doNotCompress");
    pugi::xml_node setting = Child(Child(root, "w:compat"), "w:compatSetting");
    setting.append_attribute("w:name") = "compatibilityMode";
    setting.append_attribute("w:uri") = "http://schemas.microsoft.com/office/word";
    setting.append_attribute("w:val") = "15";
    return Serialise(xml);
}

std::string ContentTypesXml() {
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("Types");
    root.append_attribute("xmlns") = "http://schemas.openxmlformats.org/package/2006/content-types";
    auto add = [&](const char* kind, const char* key, const char* value, const char* type) {
        pugi::xml_node node = Child(root, kind);
        node.append_attribute(key) = value;
        node.append_attribute("ContentType") = type;
    };
    add("Default", "Extension", "rels", "application/vnd.openxmlformats-package.relationships+xml");
    add("Default", "Extension", "xml", "application/xml");
    add("Override", "PartName", "/word/document.xml",
        "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    add("Override", "PartName", "/word/styles.xml",
        "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml");
    add("Override", "PartName", "/word/settings.xml",
        "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml");
    return Serialise(xml);
}

std::string RelationshipsXml(std::initializer_list<std::pair<const char*, const char*>> targets) {
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("Relationships");
    root.append_attribute("xmlns") = PackageRelNs;
    int id = 1;
    for (const auto& [type, target] : targets) {
        pugi::xml_node node = Child(root, "Relationship");
        node.append_attribute("Id") = ("rId" + std::to_string(id++)).c_str();
        node.append_attribute("Type") = type;
        node.append_attribute("Target") = target;
    }
    return Serialise(xml);
}

[[noreturn]] void ZipFailure(zip_error_t* error) {
    const std::string message = zip_error_strerror(error);
    throw DocumentError("Не удалось упаковать протокол: " + message);
}

std::string Zip(const std::vector<std::pair<const char*, std::string>>& parts) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer)
        ZipFailure(&error);
    std::unique_ptr<zip_source_t, decltype(&zip_source_free)> source(buffer, zip_source_free);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (!archive)
        ZipFailure(&error);
    zip_source_keep(buffer); // the archive's close frees one reference, we read the other
    for (const auto& [name, content] : parts) {
        zip_source_t* part = zip_source_buffer(archive, content.data(), content.size(), 0);
        if (!part || zip_file_add(archive, name, part, ZIP_FL_ENC_UTF_8) < 0) {
            if (part)
                zip_source_free(part);
            zip_error_t* failure = zip_get_error(archive);
            const std::string message = zip_error_strerror(failure);
            zip_discard(archive);
            throw DocumentError("Не удалось упаковать протокол: " + message);
        }
    }
    if (zip_close(archive) < 0) {
        const std::string message = zip_error_strerror(zip_get_error(archive));
        zip_discard(archive);
        throw DocumentError("Не удалось упаковать протокол: " + message);
    }
    zip_stat_t stat;
    if (zip_source_open(buffer) < 0 || zip_source_stat(buffer, &stat) < 0)
        ZipFailure(zip_source_error(buffer));
    std::string bytes(stat.size, '\0');
    const zip_int64_t read = zip_source_read(buffer, bytes.data(), bytes.size());
    zip_source_close(buffer);
    if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size)
        ZipFailure(zip_source_error(buffer));
    return bytes;
}

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path FromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// Creates the file only if it does not exist yet; null with errno set otherwise.
std::FILE* CreateNew(const std::filesystem::path& path) {
#ifdef _WIN32
    // The C runtime MinGW links ignores fopen's "x", which would replace an earlier protocol:
    // the exclusive create is asked of the open itself, with the wide path.
    const int fd = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                          _S_IREAD | _S_IWRITE);
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

std::string DocxPackage(const Document& document) {
    if (!document.IsOpen())
        throw DocumentError("Документ протокола не создан");
    const char* officeDocument =
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";
    const char* styles =
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
    const char* settings =
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings";
    return Zip({
        {"[Content_Types].xml", ContentTypesXml()},
        {"_rels/.rels", RelationshipsXml({{officeDocument, "word/document.xml"}})},
        {"word/_rels/document.xml.rels",
         RelationshipsXml({{styles, "styles.xml"}, {settings, "settings.xml"}})},
        {"word/document.xml", DocumentXml(document)},
        {"word/styles.xml", StylesXml()},
        {"word/settings.xml", SettingsXml(document)},
    });
}

std::filesystem::path SaveAsNewFile(const Document& document, const std::filesystem::path& folder,
                                    const std::string& stem) {
    // An empty folder would put the protocol wherever the working folder happens to be.
    if (folder.empty())
        throw DocumentError("Не задана папка для файла протокола");
    const std::string bytes = DocxPackage(document);
    constexpr int MaxAttempts = 10000;
    for (int n = 1; n <= MaxAttempts; ++n) {
        const std::string name = stem + (n == 1 ? "" : " (" + std::to_string(n) + ")") + ".docx";
        const std::filesystem::path path = folder / FromUtf8(name);
        std::FILE* file = CreateNew(path);
        if (!file) {
            if (errno == EEXIST)
                continue;
            const std::string reason = std::generic_category().message(errno);
            throw DocumentError("Не удалось создать файл протокола " + PathText(path) + ": " +
                                reason);
        }
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        const int writeErrno = errno;
        const bool closed = std::fclose(file) == 0;
        if (!written || !closed) {
            std::error_code ignored;
            std::filesystem::remove(path, ignored); // a half-written protocol would not open
            throw DocumentError("Не удалось записать файл протокола " + PathText(path) + ": " +
                                std::generic_category().message(written ? errno : writeErrno));
        }
        return path;
    }
    throw DocumentError("Не удалось подобрать новое имя файла протокола в папке " +
                        PathText(folder));
}

DocumentShower ShowAsFile(std::filesystem::path folder, std::string stem, FileOpener opener) {
    return [folder = std::move(folder), stem = std::move(stem),
            opener = std::move(opener)](const Document& document) {
        const std::filesystem::path path = SaveAsNewFile(document, folder, stem);
        if (!opener || !opener(path))
            throw DocumentError("Не удалось открыть файл протокола " + PathText(path));
    };
}

} // namespace protocol
