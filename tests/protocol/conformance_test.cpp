// Real word processors judge the protocol: LibreOffice converts it to PDF and every text must
// be there, in order; python-docx reads its table structure. Neither is ever skipped: a
// missing tool is a failure.
#include "protocol/docx_writer.h"
#include "protocol/protocol.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#ifndef NAPORIS_DOCX_STRUCTURE_SCRIPT
#error "the build names the python-docx check"
#endif

namespace protocol {
namespace {

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

int Shell(const std::string& command) {
    return std::system(command.c_str());
}

std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

// Line breaks, hyphenation points and blanks fall where the page puts them; the letters do not.
std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t' && c != '\f')
            out += c;
    return out;
}

struct ConformanceCase {
    const char* name;
    int rows;
    bool hostileText; // control characters and broken UTF-8 in what the user typed
};

class Conformance : public ::testing::TestWithParam<ConformanceCase> {
protected:
    void SetUp() override {
        ASSERT_EQ(Shell("command -v soffice >/dev/null"), 0) << "soffice is missing";
        ASSERT_EQ(Shell("command -v pdftotext >/dev/null"), 0) << "pdftotext is missing";
        char pattern[] = "/tmp/naporis-conformance-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        if (!HasFailure())
            std::filesystem::remove_all(folder);
        else
            std::cerr << "kept for a look: " << folder << "\n";
    }

    ProtocolData Data() const {
        const ConformanceCase& c = GetParam();
        ProtocolData data;
        data.general = {{7, 11, 2024},
                        "г. Нижний Новгород",
                        "ул. Большая Покровская, д. 15",
                        "жилой дом, 17 этажей, коридорная система",
                        "ООО «Пожарная безопасность»",
                        "Манометр МП-100, ствол РС-50"};
        if (c.hostileText) {
            data.general.ObjName = "жилой дом\x01, 17 этажей\x1B, коридорная\xFF система";
            data.general.NameOrg = "ООО\x0B «Пожарная безопасность»\xD0";
        }
        data.JetFlow = 2.5;
        data.separator = ',';
        data.Dnas = "13";
        for (int i = 1; i <= c.rows; ++i)
            data.results.push_back({std::to_string(i), std::to_string(100 + i),
                                    "лестница " + std::to_string(i), i % 3 ? "нет" : "рукав", "2,4",
                                    "2,59", i % 4 ? "Да" : "Нет"});
        data.Memo1 = "Пожарные краны в доме по адресу ул. Большая Покровская\nобеспечивают "
                     "требуемый расход.\r\nРекомендуется заменить рукава.";
        return data;
    }

    // The texts a reader must find, in the order of the page.
    std::vector<std::string> Expected(const ProtocolData& data) const {
        std::vector<std::string> texts = {
            "П Р О Т О К О Л",
            "проверки пожарных кранов внутреннего",
            "противопожарного водопровода на водоотдачу",
            "\"07\" ноября 2024 года.",
            data.general.Mesto,
            "1. Место провидения проверки (адрес, наименование объекта, характеристика объекта):",
            data.general.MestoProverki + ", жилой дом, 17 этажей, коридорная",
            "система",
            "2. Наименование организации проводившей проверку:",
            "ООО «Пожарная безопасность»",
            "3. Оборудование:",
            data.general.Oborud,
            "4. Результаты проверки:"};
        for (const ResultColumn& column : ResultColumns)
            texts.emplace_back(column.header);
        texts.push_back("Требуемый расход воды на внутреннее пожаротушение в пожарных кранах не "
                        "менее 2,5 л/с (dнас. = 13 мм.)");
        for (const auto& row : data.results)
            for (const std::string& cell : row)
                texts.push_back(cell);
        texts.push_back("Выводы и рекомендации по результатам проверки:");
        texts.push_back("Пожарные краны в доме по адресу ул. Большая Покровская");
        texts.push_back("обеспечивают требуемый расход.");
        texts.push_back("Рекомендуется заменить рукава.");
        texts.push_back(std::string(42, '_'));
        texts.push_back("должность");
        texts.push_back("/" + std::string(16, '_') + "/");
        texts.push_back("ФИО");
        return texts;
    }

    std::filesystem::path Convert(const std::filesystem::path& docx) {
        const auto pdf = folder / (docx.stem().string() + ".pdf");
        // A fresh profile serves this instance alone; a cold first start may need a second try.
        for (int attempt = 0; attempt < 2 && !std::filesystem::exists(pdf); ++attempt)
            Shell("soffice -env:UserInstallation=file://" + (folder / "profile").string() +
                  " --headless --convert-to pdf --outdir " + Quoted(folder) + " " + Quoted(docx) +
                  " >" + Quoted(folder / "soffice.log") + " 2>&1");
        return pdf;
    }

    std::filesystem::path folder;
};

TEST_P(Conformance, LibreOfficeShowsEveryTextInOrder) {
    const ProtocolData data = Data();
    std::filesystem::path saved;
    Document document(ShowAsFile(folder, ProtocolFileStem(data.general.date),
                                 [&](const std::filesystem::path& path) {
                                     saved = path;
                                     return true;
                                 }));
    GenerateProtocol(data, document, nullptr);
    ASSERT_TRUE(std::filesystem::exists(saved));

    const auto pdf = Convert(saved);
    ASSERT_TRUE(std::filesystem::exists(pdf)) << "LibreOffice could not load the protocol:\n"
                                              << Slurp(folder / "soffice.log");
    const auto text = folder / "protocol.txt";
    ASSERT_EQ(Shell("pdftotext -raw -enc UTF-8 " + Quoted(pdf) + " " + Quoted(text)), 0);
    const std::string page = WithoutBlanks(Slurp(text));

    std::size_t at = 0;
    for (const std::string& expected : Expected(data)) {
        const std::size_t found = page.find(WithoutBlanks(expected), at);
        ASSERT_NE(found, std::string::npos)
            << "missing after position " << at << ": " << expected << "\nin:\n"
            << Slurp(text);
        at = found + WithoutBlanks(expected).size();
    }

    const std::string check = "/usr/bin/python3 " NAPORIS_DOCX_STRUCTURE_SCRIPT " " +
                              Quoted(saved) + " " + std::to_string(GetParam().rows) + " >" +
                              Quoted(folder / "structure.log") + " 2>&1";
    EXPECT_EQ(Shell(check), 0) << Slurp(folder / "structure.log");
}

INSTANTIATE_TEST_SUITE_P(Protocol, Conformance,
                         ::testing::Values(ConformanceCase{"ThreeRows", 3, false},
                                           ConformanceCase{"ThreeRowsTypedBadly", 3, true},
                                           ConformanceCase{"Rows253", 253, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace protocol
