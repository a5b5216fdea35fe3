#include "common/utf8_path.h"
#include "wizard/atomic_file.h"
#include "wizard/inspection_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace wizard {
namespace {

namespace fs = std::filesystem;

const protocol::InspectionDate Today{10, 12, 2026};

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A residential inspection on step 3 with two fire cocks.
Inspection OnStepThree() {
    Inspection x = NewInspection(Today);
    x.step = WizardStep::Results;
    x.general.MestoProverki = "ул. Ленина, 5";
    x.building.type = requirement::BuildingType::Zhiloe;
    x.requirement = {2, 2.5};
    x.preparedFlow = 2.5;
    results::PrepareResultsGrid(x.grid, 2);
    x.grid.SetCell(results::ColPressure, 1, "2");
    x.grid.SetCell(results::ColFlow, 1, "2,6");
    x.grid.SetCell(results::ColCompliance, 1, "Да");
    return x;
}

struct RoundTripCase {
    const char* name;
    std::function<void(Inspection&)> change;
};

class RoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, ReadsBackTheSameInspection) {
    Inspection x = OnStepThree();
    GetParam().change(x);
    ASSERT_EQ(ProblemOf(x), std::nullopt);
    const InspectionRead read = ReadInspection(WriteInspection(x));
    ASSERT_TRUE(read.inspection) << read.problem;
    EXPECT_TRUE(*read.inspection == x);
}

INSTANTIATE_TEST_SUITE_P(
    Inspections, RoundTrip,
    testing::Values(
        RoundTripCase{"AtStart", [](Inspection& x) { x = NewInspection(Today); }},
        RoundTripCase{"IndustrialWithTypedDegree",
                      [](Inspection& x) {
                          x.step = WizardStep::Building;
                          x.building.type = requirement::BuildingType::Proisv;
                          x.building.degree = {"iv", std::nullopt};
                          x.building.category = {"Г", 1};
                          x.building.categories = CategoryList::Second;
                          x.building.volume = {"-", 25000.5};
                          x.building.floors = {"", 17};
                          x.building.CheckBox4 = x.building.CheckBox6 = true;
                          x.building.H50 = x.building.DlCor = x.building.Oborud38 =
                              x.building.ZalLudOtd = true;
                      }},
        RoundTripCase{"RemovedRowsKeepTheirTexts",
                      [](Inspection& x) {
                          results::AppendRow(x.grid);
                          results::AppendRow(x.grid);
                          x.grid.SetCell(results::ColLocation, 4, "подвал");
                          results::RemoveLastRow(x.grid);
                          results::RemoveLastRow(x.grid);
                          x.grid.StoreCell(results::ColPressure, 9, "3,5");
                      }},
        RoundTripCase{"SwitchesOffAndEditedConclusion",
                      [](Inspection& x) {
                          x.step = WizardStep::Conclusion;
                          x.autoFlow = x.autoCompliance = false;
                          x.Dnas = "-1";
                          x.conclusion = "Строка 1\nСтрока 2\n\n  отступ  ";
                      }},
        RoundTripCase{"ControlCharactersAndCyrillic",
                      [](Inspection& x) {
                          x.general.Mesto = std::string("А\0Б", 3) + "\x01\x1f\t\r\n\x7f";
                          x.general.ObjName = "<&\"'>  ";
                          x.general.NameOrg = "\xef\xbf\xbe\xef\xbf\xbf"; // U+FFFE U+FFFF
                          x.general.Oborud = "Ствол-водомер с манометром HPS";
                          x.equipmentSelected = 0;
                          x.grid.SetCell(results::ColDefects, 2, "\r\n");
                          x.conclusion = "\x0b\x0c ёЁ 😀";
                      }},
        RoundTripCase{"TenThousandRows",
                      [](Inspection& x) {
                          results::PrepareResultsGrid(x.grid, 2);
                          for (int r = 3; r <= 10000; ++r) {
                              results::AppendRow(x.grid);
                              x.grid.SetCell(results::ColLocation, r, "этаж " + std::to_string(r));
                              x.grid.SetCell(results::ColPressure, r, "2,5");
                          }
                      }},
        RoundTripCase{"EarliestAndLatestDates",
                      [](Inspection& x) { x.general.date = EarliestDate; }},
        RoundTripCase{"LatestDate", [](Inspection& x) { x.general.date = LatestDate; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InspectionFile, RecoveryFileNamesItsInspectionsFile) {
    const std::string text = WriteInspection(OnStepThree(), "/home/инспектор/школа.naporis");
    EXPECT_NE(text.find("file=\"/home/инспектор/школа.naporis\""), std::string::npos);
    const InspectionRead read = ReadInspection(text);
    ASSERT_TRUE(read.inspection) << read.problem;
    EXPECT_EQ(read.file, "/home/инспектор/школа.naporis");
    EXPECT_EQ(ReadInspection(WriteInspection(OnStepThree())).file, "");
}

TEST(InspectionFile, IsUtf8XmlThatNamesItsFormat) {
    const std::string text = WriteInspection(OnStepThree());
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
    EXPECT_NE(text.find("<naporis-inspection version=\"1\" step=\"3\">"), std::string::npos);
    EXPECT_NE(text.find("MestoProverki=\"ул. Ленина, 5\""), std::string::npos);
    EXPECT_NE(text.find("<row n=\"1\" cock=\"1\" defects=\"Нет\" pressure=\"2\" flow=\"2,6\" "
                        "compliance=\"Да\" />"),
              std::string::npos)
        << text;
}

// A text XML cannot carry goes in hexadecimal; the others stay readable.
TEST(InspectionFile, WritesUnwritableTextsInHexadecimal) {
    Inspection x = OnStepThree();
    x.general.Mesto = "a\x01";
    x.general.ObjName = "a\tb";
    const std::string text = WriteInspection(x);
    EXPECT_NE(text.find("Mesto-hex=\"6101\""), std::string::npos);
    EXPECT_NE(text.find("ObjName=\"a&#09;b\""), std::string::npos);
}

// A good file to spoil: each bad case edits its text.
std::string GoodFile() {
    return WriteInspection(OnStepThree());
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

struct BadFileCase {
    const char* name;
    std::function<std::string()> file;
    const char* problem; // the message, whole
};

class BadFile : public testing::TestWithParam<BadFileCase> {};

TEST_P(BadFile, IsRefusedWithItsProblem) {
    const InspectionRead read = ReadInspection(GetParam().file());
    EXPECT_FALSE(read.inspection);
    EXPECT_EQ(read.problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFile,
    testing::Values(
        BadFileCase{"Empty", [] { return std::string(); }, "файл пуст"},
        BadFileCase{"Picture", [] { return std::string("\x89PNG\r\n\x1a\n\0\0", 10); },
                    "это не файл проверки Напориса"},
        BadFileCase{"OtherXml", [] { return std::string("<html><body/></html>"); },
                    "это не файл проверки Напориса"},
        BadFileCase{"LaterVersion",
                    [] { return Replace(GoodFile(), "version=\"1\" step", "version=\"2\" step"); },
                    "файл записан более новой версией Напориса (формат 2), эта версия читает "
                    "формат 1"},
        BadFileCase{"NoVersion", [] { return Replace(GoodFile(), "version=\"1\" step", "step"); },
                    "не указана версия формата"},
        BadFileCase{
            "NinetyNineFloors",
            [] { return Replace(GoodFile(), "NumEtazh-value=\"1\"", "NumEtazh-value=\"99\""); },
            "число этажей 99 вне пределов 1–25"},
        BadFileCase{"DegreePositionTwelve",
                    [] { return Replace(GoodFile(), "stepogn-item=\"0\"", "stepogn-item=\"12\""); },
                    "номер позиции степени огнестойкости 12 вне пределов 0–7"},
        BadFileCase{"BillionRows",
                    [] { return Replace(GoodFile(), "rows=\"2\"", "rows=\"1000000000\""); },
                    "число строк таблицы 1000000000 вне пределов 1–100000"},
        BadFileCase{"RowNumberBeyondTheGrid",
                    [] { return Replace(GoodFile(), "<row n=\"1\"", "<row n=\"1000000000\""); },
                    "номер строки таблицы 1000000000 вне пределов 1–100000"},
        BadFileCase{
            "RowsTooLargeForANumber",
            [] { return Replace(GoodFile(), "rows=\"2\"", "rows=\"99999999999999999999\""); },
            "атрибут <results> rows «99999999999999999999» слишком велик"},
        BadFileCase{"RowsRepeated",
                    [] { return Replace(GoodFile(), "<row n=\"2\"", "<row n=\"1\""); },
                    "строки таблицы не по возрастанию номеров: 1 после 1"},
        BadFileCase{"NoDate", [] { return Replace(GoodFile(), "Data=\"2026-12-10\"", ""); },
                    "не указана дата проверки"},
        BadFileCase{"ThirtyFirstOfFebruary",
                    [] { return Replace(GoodFile(), "2026-12-10", "2026-02-31"); },
                    "дата проверки 31.2.2026 невозможна"},
        BadFileCase{"DateInOtherForm",
                    [] { return Replace(GoodFile(), "2026-12-10", "10.12.2026"); },
                    "атрибут <general> Data «10.12.2026» не дата вида ГГГГ-ММ-ДД"},
        BadFileCase{"StepSeven", [] { return Replace(GoodFile(), "step=\"3\"", "step=\"7\""); },
                    "шаг 7 вне пределов 1–4"},
        BadFileCase{"StepThreeWithoutRequirement",
                    [] { return Replace(GoodFile(), "JetCount=\"2\"", "JetCount=\"0\""); },
                    "шаг 3 недостижим без определённого требуемого расхода"},
        BadFileCase{"JetFlowNotFromTheRules",
                    [] { return Replace(GoodFile(), "JetFlow=\"2.5\"", "JetFlow=\"3\""); },
                    "расход струи 3 л/с не из ряда 0; 1,5; 2,5; 5"},
        BadFileCase{"JetCountNine",
                    [] { return Replace(GoodFile(), "JetCount=\"2\"", "JetCount=\"9\""); },
                    "число струй 9 вне пределов 0–8"},
        BadFileCase{"VolumeNotANumber",
                    [] { return Replace(GoodFile(), "V-value=\"0\"", "V-value=\"nan\""); },
                    "объём здания не является числом"},
        BadFileCase{"UnknownBuildingType",
                    [] { return Replace(GoodFile(), "type=\"Zhiloe\"", "type=\"Школа\""); },
                    "тип здания «Школа» неизвестен"},
        BadFileCase{"SwitchNeitherTrueNorFalse",
                    [] { return Replace(GoodFile(), "CheckBox8=\"true\"", "CheckBox8=\"да\""); },
                    "атрибут <results> CheckBox8 «да» не true и не false"},
        BadFileCase{"TextNotUtf8",
                    [] { return Replace(GoodFile(), "ул. Ленина, 5", "\xcf\xf0\xee\xe2"); },
                    "атрибут <general> MestoProverki не в кодировке UTF-8"},
        BadFileCase{"HexOfOddLength",
                    [] { return Replace(GoodFile(), "Mesto=\"\"", "Mesto-hex=\"abc\""); },
                    "атрибут <general> Mesto-hex не шестнадцатеричная запись"},
        BadFileCase{"TextGivenTwice",
                    [] { return Replace(GoodFile(), "Mesto=\"\"", "Mesto=\"\" Mesto-hex=\"61\""); },
                    "атрибут <general> Mesto указан дважды"},
        BadFileCase{"NoResults",
                    [] {
                        std::string text = GoodFile();
                        const auto from = text.find("<results");
                        const auto to = text.find("</results>") + 10;
                        return text.erase(from, to - from);
                    },
                    "нет раздела <results>"},
        BadFileCase{"NozzleInLetters",
                    [] { return Replace(GoodFile(), "Dnas=\"13\"", "Dnas=\"мм\""); },
                    "диаметр насадки «мм» содержит не только цифры"}),
    [](const auto& info) { return std::string(info.param.name); });

// Wherever a file is cut before its end, it is refused, never read as something else.
TEST(InspectionFile, EveryTruncationIsRefused) {
    const std::string good = GoodFile();
    const std::size_t end = good.rfind("</naporis-inspection>") + 21;
    for (std::size_t length = 1; length < end; ++length) {
        const InspectionRead read = ReadInspection(good.substr(0, length));
        ASSERT_FALSE(read.inspection) << "cut at " << length;
        ASSERT_FALSE(read.problem.empty());
    }
}

// The truncated case above has no fixed byte offset; its words are fixed.
TEST(InspectionFile, TruncatedFileIsNamedDamaged) {
    const std::string good = GoodFile();
    const InspectionRead read = ReadInspection(good.substr(0, good.size() / 2));
    EXPECT_EQ(read.problem.rfind("файл обрезан или повреждён (ошибка XML в байте ", 0), 0u)
        << read.problem;
}

class Files : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("naporis-inspection-test-" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Only the named files are in the folder: no temporary file is left behind.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(common::Utf8FromPath(entry.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder_;
};

TEST_F(Files, SaveThenLoadUnderACyrillicName) {
    const fs::path file = folder_ / common::PathFromUtf8("Школа № 5.naporis");
    const Inspection x = OnStepThree();
    SaveInspectionFile(file, x);
    const InspectionRead read = LoadInspectionFile(file);
    ASSERT_TRUE(read.inspection) << read.problem;
    EXPECT_TRUE(*read.inspection == x);
    EXPECT_EQ(Names(), std::vector<std::string>{"Школа № 5.naporis"});
}

TEST_F(Files, SavingOverAFileReplacesItWhole) {
    const fs::path file = folder_ / "a.naporis";
    std::ofstream(file) << std::string(1 << 20, 'x');
    SaveInspectionFile(file, OnStepThree());
    EXPECT_EQ(Slurp(file), WriteInspection(OnStepThree()));
    EXPECT_EQ(Names(), std::vector<std::string>{"a.naporis"});
}

// A write that cannot finish leaves the old file as it was and no temporary file.
TEST_F(Files, FailedWriteKeepsTheOldFile) {
    const fs::path target = folder_ / "taken";
    fs::create_directories(target / "inside"); // a folder that is not empty: no rename over it
    EXPECT_THROW(WriteFileAtomically(target, "new"), std::system_error);
    EXPECT_TRUE(fs::is_directory(target / "inside"));
    EXPECT_EQ(Names(), std::vector<std::string>{"taken"});
}

TEST_F(Files, SaveFailureNamesTheFile) {
    const fs::path file = folder_ / "нет такой папки" / "a.naporis";
    try {
        SaveInspectionFile(file, OnStepThree());
        FAIL() << "saved into a missing folder";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(
            error.what(),
            "Не удалось сохранить проверку в файл «a.naporis»: нет такого файла или папки");
    }
}

TEST_F(Files, MissingFileIsAProblemNotAFailure) {
    const InspectionRead read = LoadInspectionFile(folder_ / "нет.naporis");
    EXPECT_FALSE(read.inspection);
    EXPECT_EQ(read.problem, "файл не читается (нет такого файла или папки)");
}

TEST_F(Files, OversizedFileIsRefusedUnread) {
    const fs::path file = folder_ / "big.naporis";
    fs::resize_file((std::ofstream(file), file), MaxInspectionFileSize + 1);
    const InspectionRead read = LoadInspectionFile(file);
    EXPECT_FALSE(read.inspection);
    EXPECT_EQ(read.problem, "файл слишком большой (64 МБ); проверка занимает не больше 64 МБ");
}

TEST(InspectionFile, OpenFailureNamesTheFile) {
    EXPECT_EQ(OpenFailureMessage("Школа.naporis", "файл пуст"),
              "Не удалось открыть проверку «Школа.naporis»: файл пуст");
}

struct NameCase {
    const char* name;
    const char* address;
    const char* file;
};

class SuggestedName : public testing::TestWithParam<NameCase> {};

TEST_P(SuggestedName, ComesFromAddressAndDate) {
    Inspection x = NewInspection({5, 3, 2027});
    x.general.MestoProverki = GetParam().address;
    EXPECT_EQ(SuggestedFileName(x), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, SuggestedName,
    testing::Values(NameCase{"Plain", "ул. Ленина, 5", "ул. Ленина, 5 05.03.2027.naporis"},
                    NameCase{"Empty", "", "Проверка 05.03.2027.naporis"},
                    NameCase{"Slashes", "д. 5/2: корп.\"А\"", "д. 5 2  корп. А 05.03.2027.naporis"},
                    NameCase{"DotsAndSpacesAtTheEnds", " ..дом 3.. ", "дом 3 05.03.2027.naporis"},
                    NameCase{"ControlCharacters", "дом\t3\n", "дом 3 05.03.2027.naporis"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Inspection, NewOneHasNothingUnsavedAgainstItself) {
    const Inspection a = NewInspection(Today);
    Inspection b = a;
    b.step = WizardStep::Building;
    EXPECT_TRUE(SameEntries(a, b));
    b.general.Mesto = "x";
    EXPECT_FALSE(SameEntries(a, b));
}

} // namespace
} // namespace wizard
