#include "wizard/inspection_file.h"

#include "common/utf8.h"
#include "common/utf8_path.h"
#include "wizard/atomic_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <pugixml.hpp>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace wizard {
namespace {

constexpr const char* RootName = "naporis-inspection";
constexpr std::string_view HexSuffix = "-hex";

// The grid's data columns as the file names them, columns 1 … 6.
constexpr std::array<const char*, 6> CellNames = {"cock",     "location", "defects",
                                                  "pressure", "flow",     "compliance"};

struct TypeName {
    requirement::BuildingType type;
    const char* name;
};
constexpr std::array<TypeName, 6> TypeNames = {{
    {requirement::BuildingType::None, "none"},
    {requirement::BuildingType::Zhiloe, "Zhiloe"},
    {requirement::BuildingType::Uprava, "Uprava"},
    {requirement::BuildingType::Obshaga, "Obshaga"},
    {requirement::BuildingType::Administr, "Administr"},
    {requirement::BuildingType::Proisv, "Proisv"},
}};

// A problem found in the file; its text says what, in Russian.
struct Problem : std::runtime_error {
    using std::runtime_error::runtime_error;
};

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const common::Utf8Step step = common::DecodeAt(text, i);
        if (!step.character)
            return false;
        i += step.length;
    }
    return true;
}

// Whether an XML 1.0 attribute can carry the text (tab, line feed and carriage return go as
// character references); anything else is written in hexadecimal instead.
bool XmlCanCarry(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const common::Utf8Step step = common::DecodeAt(text, i);
        if (!step.character)
            return false;
        const char32_t code = *step.character;
        if ((code < 0x20 && code != '\t' && code != '\n' && code != '\r') || code == 0xFFFE ||
            code == 0xFFFF)
            return false;
        i += step.length;
    }
    return true;
}

std::string Hex(std::string_view bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        hex += digits[static_cast<unsigned char>(c) >> 4];
        hex += digits[static_cast<unsigned char>(c) & 0xF];
    }
    return hex;
}

void PutText(pugi::xml_node node, const char* name, std::string_view text) {
    if (XmlCanCarry(text)) {
        node.append_attribute(name).set_value(std::string(text).c_str());
    } else {
        node.append_attribute((std::string(name) + std::string(HexSuffix)).c_str())
            .set_value(Hex(text).c_str());
    }
}

void PutBool(pugi::xml_node node, const char* name, bool value) {
    node.append_attribute(name).set_value(value ? "true" : "false");
}

void PutInt(pugi::xml_node node, const char* name, long long value) {
    node.append_attribute(name).set_value(std::to_string(value).c_str());
}

// The shortest text that reads back as the same double.
void PutDouble(pugi::xml_node node, const char* name, double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    node.append_attribute(name).set_value(std::string(buffer.data(), result.ptr).c_str());
}

void PutSelected(pugi::xml_node node, const char* name, std::optional<int> selected) {
    if (selected)
        PutInt(node, name, *selected);
}

// The system's reason, in the user's words.
std::string Reason(const std::error_code& error) {
    switch (static_cast<std::errc>(error.value())) {
    case std::errc::no_space_on_device:
        return "на диске нет места";
    case std::errc::file_too_large:
        return "превышен допустимый размер файла";
    case std::errc::permission_denied:
    case std::errc::operation_not_permitted:
        return "нет прав доступа";
    case std::errc::read_only_file_system:
        return "диск доступен только для чтения";
    case std::errc::no_such_file_or_directory:
        return "нет такого файла или папки";
    case std::errc::is_a_directory:
        return "это папка";
    case std::errc::filename_too_long:
        return "слишком длинное имя";
    default:
        return "ошибка ввода-вывода, код " + std::to_string(error.value());
    }
}

std::string DateText(const protocol::InspectionDate& d) {
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02d", d.year, d.month, d.day);
    return buffer.data();
}

// Reading.

std::string Quoted(std::string_view text) {
    constexpr std::size_t Shown = 40;
    std::string shown(text.substr(0, Shown));
    // Never cut a letter in two, never show what is no text.
    while (!shown.empty() && !IsUtf8(shown))
        shown.pop_back();
    if (!XmlCanCarry(shown))
        return "(недопустимые символы)";
    return "«" + shown + (text.size() > Shown ? "…" : "") + "»";
}

std::string Where(pugi::xml_node node, std::string_view name) {
    return "<" + std::string(node.name()) + "> " + std::string(name);
}

std::optional<std::string> GetText(pugi::xml_node node, const char* name) {
    const pugi::xml_attribute plain = node.attribute(name);
    const pugi::xml_attribute hex =
        node.attribute((std::string(name) + std::string(HexSuffix)).c_str());
    if (plain && hex)
        throw Problem("атрибут " + Where(node, name) + " указан дважды");
    if (plain) {
        const std::string_view value = plain.value();
        if (!IsUtf8(value))
            throw Problem("атрибут " + Where(node, name) + " не в кодировке UTF-8");
        return std::string(value);
    }
    if (!hex)
        return std::nullopt;
    const std::string_view digits = hex.value();
    if (digits.size() % 2 != 0)
        throw Problem("атрибут " + Where(node, std::string(name) + "-hex") +
                      " не шестнадцатеричная запись");
    std::string bytes;
    bytes.reserve(digits.size() / 2);
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        unsigned value = 0;
        const auto result = std::from_chars(digits.data() + i, digits.data() + i + 2, value, 16);
        if (result.ec != std::errc() || result.ptr != digits.data() + i + 2)
            throw Problem("атрибут " + Where(node, std::string(name) + "-hex") +
                          " не шестнадцатеричная запись");
        bytes += static_cast<char>(value);
    }
    return bytes;
}

void GetText(pugi::xml_node node, const char* name, std::string& target) {
    if (auto text = GetText(node, name))
        target = std::move(*text);
}

void GetBool(pugi::xml_node node, const char* name, bool& target) {
    const pugi::xml_attribute a = node.attribute(name);
    if (!a)
        return;
    const std::string_view value = a.value();
    if (value == "true")
        target = true;
    else if (value == "false")
        target = false;
    else
        throw Problem("атрибут " + Where(node, name) + " " + Quoted(value) + " не true и не false");
}

template <class Int> Int ParseInt(pugi::xml_node node, const char* name, std::string_view value) {
    Int result{};
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), result);
    if (error == std::errc::result_out_of_range)
        throw Problem("атрибут " + Where(node, name) + " " + Quoted(value) + " слишком велик");
    if (error != std::errc() || end != value.data() + value.size() || value.empty())
        throw Problem("атрибут " + Where(node, name) + " " + Quoted(value) + " не целое число");
    return result;
}

template <class Int> void GetInt(pugi::xml_node node, const char* name, Int& target) {
    if (const pugi::xml_attribute a = node.attribute(name))
        target = ParseInt<Int>(node, name, a.value());
}

void GetSelected(pugi::xml_node node, const char* name, std::optional<int>& target) {
    target.reset();
    if (const pugi::xml_attribute a = node.attribute(name))
        target = ParseInt<int>(node, name, a.value());
}

double ParseDouble(pugi::xml_node node, const char* name, std::string_view value) {
    double result = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), result);
    if (error != std::errc() || end != value.data() + value.size() || value.empty())
        throw Problem("атрибут " + Where(node, name) + " " + Quoted(value) + " не число");
    return result;
}

void GetDouble(pugi::xml_node node, const char* name, double& target) {
    if (const pugi::xml_attribute a = node.attribute(name))
        target = ParseDouble(node, name, a.value());
}

pugi::xml_node Section(pugi::xml_node root, const char* name) {
    const pugi::xml_node node = root.child(name);
    if (!node)
        throw Problem(std::string("нет раздела <") + name + ">");
    if (node.next_sibling(name))
        throw Problem(std::string("раздел <") + name + "> повторяется");
    return node;
}

protocol::InspectionDate ParseDate(pugi::xml_node node, const char* name, std::string_view text) {
    const auto bad = [&] {
        return Problem("атрибут " + Where(node, name) + " " + Quoted(text) +
                       " не дата вида ГГГГ-ММ-ДД");
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        throw bad();
    const auto part = [&](std::size_t from, std::size_t length) {
        int value = 0;
        const auto result = std::from_chars(text.data() + from, text.data() + from + length, value);
        if (result.ec != std::errc() || result.ptr != text.data() + from + length)
            throw bad();
        return value;
    };
    return {part(8, 2), part(5, 2), part(0, 4)};
}

requirement::BuildingType ParseType(std::string_view text) {
    for (const TypeName& t : TypeNames)
        if (text == t.name)
            return t.type;
    throw Problem("тип здания " + Quoted(text) + " неизвестен");
}

const char* TypeText(requirement::BuildingType type) {
    for (const TypeName& t : TypeNames)
        if (t.type == type)
            return t.name;
    return "none";
}

void ReadRows(pugi::xml_node results, int dataRows, results::ResultsGrid& grid) {
    grid.SetRowCount(dataRows + 1);
    // Rows left out hold no text; the start's compliance mark of row 1 is no stored text.
    for (int row = 1; row < grid.StoredRowCount(); ++row)
        for (int column = 1; column < results::ColumnCount; ++column)
            grid.StoreCell(column, row, {});
    int previous = 0;
    for (pugi::xml_node row = results.child("row"); row; row = row.next_sibling("row")) {
        int n = 0;
        if (!row.attribute("n"))
            throw Problem("у строки таблицы нет номера n");
        GetInt(row, "n", n);
        if (n < 1 || n > MaxDataRows)
            throw Problem("номер строки таблицы " + std::to_string(n) + " вне пределов 1–" +
                          std::to_string(MaxDataRows));
        if (n <= previous)
            throw Problem("строки таблицы не по возрастанию номеров: " + std::to_string(n) +
                          " после " + std::to_string(previous));
        previous = n;
        for (int column = 1; column < results::ColumnCount; ++column) {
            std::string text;
            GetText(row, CellNames[static_cast<std::size_t>(column - 1)], text);
            grid.StoreCell(column, n, std::move(text));
        }
    }
}

Inspection Read(std::string_view bytes, std::string& file) {
    if (bytes.empty())
        throw Problem("файл пуст");
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(bytes.data(), bytes.size(),
                             pugi::parse_default | pugi::parse_declaration, pugi::encoding_utf8);
    const bool ours = bytes.find(RootName) != std::string_view::npos && bytes.find(RootName) < 512;
    if (!parsed) {
        if (ours)
            throw Problem("файл обрезан или повреждён (ошибка XML в байте " +
                          std::to_string(parsed.offset) + ")");
        throw Problem("это не файл проверки Напориса");
    }
    const pugi::xml_node root = document.document_element();
    if (std::string_view(root.name()) != RootName)
        throw Problem("это не файл проверки Напориса");
    const pugi::xml_attribute version = root.attribute("version");
    if (!version)
        throw Problem("не указана версия формата");
    const long long format = ParseInt<long long>(root, "version", version.value());
    if (format > InspectionFormat)
        throw Problem("файл записан более новой версией Напориса (формат " +
                      std::to_string(format) + "), эта версия читает формат " +
                      std::to_string(InspectionFormat));
    if (format < 1)
        throw Problem("версия формата " + std::to_string(format) + " неизвестна");

    Inspection x = NewInspection({});
    GetText(root, "file", file);
    int step = 1;
    GetInt(root, "step", step);
    if (step < 1 || step > 4)
        throw Problem("шаг " + std::to_string(step) + " вне пределов 1–4");
    x.step = static_cast<WizardStep>(step);

    const pugi::xml_node general = Section(root, "general");
    if (const pugi::xml_attribute date = general.attribute("Data"))
        x.general.date = ParseDate(general, "Data", date.value());
    else
        throw Problem("не указана дата проверки");
    GetText(general, "Mesto", x.general.Mesto);
    GetText(general, "MestoProverki", x.general.MestoProverki);
    GetText(general, "ObjName", x.general.ObjName);
    GetText(general, "NameOrg", x.general.NameOrg);
    GetText(general, "Oborud", x.general.Oborud);
    GetSelected(general, "Oborud-item", x.equipmentSelected);

    const pugi::xml_node building = Section(root, "building");
    BuildingState& b = x.building;
    if (const pugi::xml_attribute type = building.attribute("type"))
        b.type = ParseType(type.value());
    GetText(building, "NumEtazh", b.floors.text);
    GetDouble(building, "NumEtazh-value", b.floors.value);
    GetText(building, "V", b.volume.text);
    GetDouble(building, "V-value", b.volume.value);
    GetBool(building, "H50", b.H50);
    GetBool(building, "DlCor", b.DlCor);
    GetBool(building, "Oborud38", b.Oborud38);
    GetBool(building, "ZalLudOtd", b.ZalLudOtd);
    GetBool(building, "CheckBox6", b.CheckBox6);
    GetBool(building, "CheckBox4", b.CheckBox4);
    GetText(building, "stepogn", b.degree.text);
    GetSelected(building, "stepogn-item", b.degree.selected);
    GetText(building, "rategoriya", b.category.text);
    GetSelected(building, "rategoriya-item", b.category.selected);
    int list = 1;
    GetInt(building, "rategoriya-list", list);
    if (list != 1 && list != 2)
        throw Problem("список категорий " + std::to_string(list) + " вне пределов 1–2");
    b.categories = list == 1 ? CategoryList::First : CategoryList::Second;

    const pugi::xml_node requirement = Section(root, "requirement");
    GetInt(requirement, "JetCount", x.requirement.JetCount);
    GetDouble(requirement, "JetFlow", x.requirement.JetFlow);

    const pugi::xml_node results = Section(root, "results");
    int dataRows = 1;
    GetInt(results, "rows", dataRows);
    if (dataRows < 1 || dataRows > MaxDataRows)
        throw Problem("число строк таблицы " + std::to_string(dataRows) + " вне пределов 1–" +
                      std::to_string(MaxDataRows));
    if (const pugi::xml_attribute prepared = results.attribute("prepared-for"))
        x.preparedFlow = ParseDouble(results, "prepared-for", prepared.value());
    GetText(results, "Dnas", x.Dnas);
    GetBool(results, "CheckBox8", x.autoFlow);
    GetBool(results, "CheckBox7", x.autoCompliance);
    ReadRows(results, dataRows, x.grid);

    GetText(Section(root, "conclusion"), "Memo1", x.conclusion);

    if (const auto problem = ProblemOf(x))
        throw Problem(*problem);
    return x;
}

} // namespace

std::string WriteInspection(const Inspection& x, std::string_view file) {
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("UTF-8");

    pugi::xml_node root = document.append_child(RootName);
    PutInt(root, "version", InspectionFormat);
    PutInt(root, "step", static_cast<int>(x.step));
    if (!file.empty())
        PutText(root, "file", file);

    pugi::xml_node general = root.append_child("general");
    general.append_attribute("Data").set_value(DateText(x.general.date).c_str());
    PutText(general, "Mesto", x.general.Mesto);
    PutText(general, "MestoProverki", x.general.MestoProverki);
    PutText(general, "ObjName", x.general.ObjName);
    PutText(general, "NameOrg", x.general.NameOrg);
    PutText(general, "Oborud", x.general.Oborud);
    PutSelected(general, "Oborud-item", x.equipmentSelected);

    const BuildingState& b = x.building;
    pugi::xml_node building = root.append_child("building");
    building.append_attribute("type").set_value(TypeText(b.type));
    PutText(building, "NumEtazh", b.floors.text);
    PutDouble(building, "NumEtazh-value", b.floors.value);
    PutText(building, "V", b.volume.text);
    PutDouble(building, "V-value", b.volume.value);
    PutBool(building, "H50", b.H50);
    PutBool(building, "DlCor", b.DlCor);
    PutBool(building, "Oborud38", b.Oborud38);
    PutBool(building, "ZalLudOtd", b.ZalLudOtd);
    PutBool(building, "CheckBox6", b.CheckBox6);
    PutBool(building, "CheckBox4", b.CheckBox4);
    PutText(building, "stepogn", b.degree.text);
    PutSelected(building, "stepogn-item", b.degree.selected);
    PutText(building, "rategoriya", b.category.text);
    PutSelected(building, "rategoriya-item", b.category.selected);
    PutInt(building, "rategoriya-list", b.categories == CategoryList::First ? 1 : 2);

    pugi::xml_node requirement = root.append_child("requirement");
    PutInt(requirement, "JetCount", x.requirement.JetCount);
    PutDouble(requirement, "JetFlow", x.requirement.JetFlow);

    pugi::xml_node results = root.append_child("results");
    PutInt(results, "rows", x.grid.RowCount() - 1);
    if (x.preparedFlow)
        PutDouble(results, "prepared-for", *x.preparedFlow);
    PutText(results, "Dnas", x.Dnas);
    PutBool(results, "CheckBox8", x.autoFlow);
    PutBool(results, "CheckBox7", x.autoCompliance);
    // Every row that holds text, removed ones too: adding them again brings their texts back.
    const int rows = std::max(x.grid.RowCount(), x.grid.StoredRowCount());
    for (int r = 1; r < rows; ++r) {
        bool any = false;
        for (int column = 1; column < results::ColumnCount && !any; ++column)
            any = !x.grid.Cell(column, r).empty();
        if (!any)
            continue;
        pugi::xml_node row = results.append_child("row");
        PutInt(row, "n", r);
        for (int column = 1; column < results::ColumnCount; ++column)
            if (const std::string& text = x.grid.Cell(column, r); !text.empty())
                PutText(row, CellNames[static_cast<std::size_t>(column - 1)], text);
    }

    PutText(root.append_child("conclusion"), "Memo1", x.conclusion);

    std::ostringstream out;
    document.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
    return std::move(out).str();
}

InspectionRead ReadInspection(std::string_view bytes) {
    try {
        std::string file;
        Inspection inspection = Read(bytes, file);
        return {std::move(inspection), {}, std::move(file)};
    } catch (const Problem& problem) {
        return {std::nullopt, problem.what(), {}};
    } catch (const std::bad_alloc&) {
        return {std::nullopt, "не хватает памяти, чтобы прочитать файл", {}};
    }
}

InspectionRead LoadInspectionFile(const std::filesystem::path& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return {std::nullopt, "файл не читается (" + Reason(error) + ")", {}};
    if (size > MaxInspectionFileSize)
        return {std::nullopt,
                "файл слишком большой (" + std::to_string(size / (1024 * 1024)) +
                    " МБ); проверка занимает не больше " +
                    std::to_string(MaxInspectionFileSize / (1024 * 1024)) + " МБ",
                {}};
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        return {std::nullopt, "файл не читается", {}};
    return ReadInspection(bytes);
}

void SaveInspectionFile(const std::filesystem::path& path, const Inspection& inspection) {
    try {
        WriteFileAtomically(path, WriteInspection(inspection));
    } catch (const std::system_error& error) {
        throw std::runtime_error("Не удалось сохранить проверку в файл «" +
                                 common::Utf8FromPath(path.filename()) +
                                 "»: " + Reason(error.code()));
    }
}

std::string OpenFailureMessage(std::string_view fileName, std::string_view problem) {
    return "Не удалось открыть проверку «" + std::string(fileName) + "»: " + std::string(problem);
}

std::string SuggestedFileName(const Inspection& inspection) {
    std::string name;
    for (const char c : inspection.general.MestoProverki) {
        const auto u = static_cast<unsigned char>(c);
        // What no file system takes, and control characters, become a space.
        if (u < 0x20 || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            name += ' ';
        else
            name += c;
    }
    while (!name.empty() && (name.back() == ' ' || name.back() == '.'))
        name.pop_back();
    while (!name.empty() && (name.front() == ' ' || name.front() == '.'))
        name.erase(name.begin());
    if (name.size() > 120) {
        name.resize(120);
        while (!name.empty() && !IsUtf8(name))
            name.pop_back();
    }
    const protocol::InspectionDate& d = inspection.general.date;
    std::array<char, 32> date{};
    std::snprintf(date.data(), date.size(), "%02d.%02d.%04d", d.day, d.month, d.year);
    return (name.empty() ? std::string("Проверка") : name) + " " + date.data() + ".naporis";
}

} // namespace wizard
