// The inspection commands through the main window: saving and opening bring back exactly
// what was entered, a bad file leaves the window as it was, and unsaved entries are never
// left without a question.
#include "common/utf8_path.h"
#include "results/results_panel.h"
#include "wizard/inspection_file.h"
#include "wizard_fixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QToolButton>
#include <functional>

namespace {

void Paste(QWidget* widget, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}

class InspectionWindow : public WizardFixture {
protected:
    // The day the fixture's clock gives every window.
    static protocol::InspectionDate StartDate() {
        return {Today.day(), Today.month(), Today.year()};
    }

    QString PathOf(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(window_.get(), key, modifiers);
        QApplication::processEvents();
    }
    void SaveAs(const QString& path) {
        saveAs_ = path;
        Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    }
    void Open(const QString& path) {
        openFile_ = path;
        Press(Qt::Key_O);
    }

    void TypeInto(const char* field, const QString& text) {
        auto* edit = Find<QLineEdit>(field);
        edit->setFocus();
        edit->selectAll();
        TypeText(edit, text);
    }

    void ReachResults(const char* type) {
        Forward();
        ChooseType(type);
        Forward();
        ASSERT_EQ(Step(), 3);
    }
};

class WindowRoundTrip;

// Each row enters an inspection through the window as the inspector does.
struct RoundTripCase {
    const char* name;
    std::function<void(WindowRoundTrip&)> enter;
};

class WindowRoundTrip : public InspectionWindow,
                        public ::testing::WithParamInterface<RoundTripCase> {
public:
    // The fixture's helpers for the table's rows.
    using InspectionWindow::Back;
    using InspectionWindow::ChooseType;
    using InspectionWindow::EnterCell;
    using InspectionWindow::Find;
    using InspectionWindow::Forward;
    using InspectionWindow::ReachResults;
    using InspectionWindow::Tick;
    using InspectionWindow::TypeInto;
    using InspectionWindow::TypeIntoList;
    using InspectionWindow::TypeIntoSpin;
};

TEST_P(WindowRoundTrip, SavedAndReopenedGivesTheSameWindow) {
    ASSERT_NO_FATAL_FAILURE(GetParam().enter(*this));
    QApplication::processEvents();
    const wizard::Inspection entered = window_->CurrentInspection();
    const QString caption = Find<QLabel>("Label19")->text();
    const QString path = PathOf(QStringLiteral("проверка.naporis"));

    SaveAs(path);
    ASSERT_TRUE(QFile::exists(path));
    Press(Qt::Key_N);
    EXPECT_TRUE(window_->CurrentInspection() == wizard::NewInspection(StartDate()));
    Open(path);

    EXPECT_TRUE(failures_.isEmpty()) << failures_.join(u'\n').toStdString();
    EXPECT_TRUE(questions_.isEmpty()) << "saved entries were asked about";
    const wizard::Inspection reopened = window_->CurrentInspection();
    EXPECT_TRUE(reopened == entered);
    EXPECT_EQ(reopened.step, entered.step);
    EXPECT_EQ(Find<QLabel>("Label19")->text(), caption);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("проверка[*] — Напорис 0.9"));
    EXPECT_FALSE(window_->HasUnsavedChanges());
}

INSTANTIATE_TEST_SUITE_P(
    Inspections, WindowRoundTrip,
    ::testing::Values(RoundTripCase{"NothingEntered", [](WindowRoundTrip&) {}},
                      RoundTripCase{"Residential",
                                    [](WindowRoundTrip& t) {
                                        t.TypeInto("MestoProverki",
                                                   QStringLiteral("ул. Ленина, 5"));
                                        t.Forward();
                                        t.ChooseType("Zhiloe");
                                        t.TypeIntoSpin("NumEtazh", QStringLiteral("17"));
                                        t.Tick("DlCor");
                                        t.Tick("Oborud38");
                                        t.Forward();
                                        t.EnterCell(1, 2, QStringLiteral("подвал"));
                                        t.EnterCell(1, 4, QStringLiteral("2,5"));
                                    }},
                      RoundTripCase{"Administration",
                                    [](WindowRoundTrip& t) {
                                        t.Forward();
                                        t.ChooseType("Uprava");
                                        t.TypeIntoSpin("V", QStringLiteral("26000"));
                                        t.Tick("H50");
                                    }},
                      RoundTripCase{"PublicOnResults",
                                    [](WindowRoundTrip& t) {
                                        t.ReachResults("Obshaga");
                                        t.EnterCell(1, 4, QStringLiteral("3"));
                                    }},
                      RoundTripCase{"AdministrativeWithFloorsNotANumber",
                                    [](WindowRoundTrip& t) {
                                        t.Forward();
                                        t.ChooseType("Administr");
                                        t.TypeIntoSpin("NumEtazh", QStringLiteral("12"));
                                        t.TypeIntoSpin("NumEtazh", QStringLiteral("-"));
                                    }},
                      RoundTripCase{"IndustrialWithTypedCategory",
                                    [](WindowRoundTrip& t) {
                                        t.Forward();
                                        t.ChooseType("Proisv");
                                        t.TypeIntoList("stepogn", QStringLiteral("IV"));
                                        t.TypeIntoList("rategoriya", QStringLiteral("Д"));
                                        t.TypeIntoSpin("V", QStringLiteral("7000,5"));
                                        t.Forward();
                                    }},
                      RoundTripCase{"HiddenInputsKeepTheirState",
                                    [](WindowRoundTrip& t) {
                                        t.Forward();
                                        t.ChooseType("Proisv");
                                        t.TypeIntoList("stepogn", QStringLiteral("IVа"));
                                        t.Tick("CheckBox6");
                                        t.Tick("CheckBox4");
                                        t.Tick("H50");
                                        t.TypeIntoSpin("V", QStringLiteral("123"));
                                        t.ChooseType("Zhiloe"); // the industrial inputs hide
                                        t.Tick("ZalLudOtd");
                                    }},
                      RoundTripCase{"RemovedRowsWithText",
                                    [](WindowRoundTrip& t) {
                                        t.ReachResults("Zhiloe");
                                        auto* add = t.Find<QToolButton>("SpeedButton1");
                                        QTest::mouseClick(add, Qt::LeftButton);
                                        QTest::mouseClick(add, Qt::LeftButton);
                                        t.EnterCell(3, 2, QStringLiteral("чердак"));
                                        t.EnterCell(3, 4, QStringLiteral("1,5"));
                                        QTest::mouseClick(t.Find<QToolButton>("SpeedButton2"),
                                                          Qt::LeftButton);
                                        QTest::mouseClick(t.Find<QToolButton>("SpeedButton2"),
                                                          Qt::LeftButton);
                                    }},
                      RoundTripCase{"BothSwitchesOff",
                                    [](WindowRoundTrip& t) {
                                        t.ReachResults("Zhiloe");
                                        t.Tick("CheckBox8");
                                        t.Tick("CheckBox7");
                                        t.EnterCell(1, 5, QStringLiteral("вручную"));
                                        t.EnterCell(1, 6, QStringLiteral("Да"));
                                    }},
                      RoundTripCase{"EditedConclusionOnStepFour",
                                    [](WindowRoundTrip& t) {
                                        t.ReachResults("Zhiloe");
                                        t.EnterCell(1, 4, QStringLiteral("2"));
                                        t.Forward();
                                        auto* memo = t.Find<QPlainTextEdit>("Memo1");
                                        memo->setFocus();
                                        QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
                                        QTest::keyClick(memo, Qt::Key_Return);
                                        TypeText(memo, QStringLiteral("2. Замечаний нет."));
                                    }},
                      RoundTripCase{"CyrillicAndControlCharacters",
                                    [](WindowRoundTrip& t) {
                                        t.TypeInto("Mesto", QStringLiteral("Тула ёЁ"));
                                        QString damaged = QStringLiteral("Ни");
                                        damaged += QChar(0x0001);
                                        damaged += QChar(0x000B);
                                        damaged += QChar(0xFFFE);
                                        damaged += QChar(u'\t');
                                        damaged += QStringLiteral("ва <&\"'>");
                                        auto* object = t.Find<QLineEdit>("ObjName");
                                        Paste(object, damaged);
                                        ASSERT_TRUE(object->text().contains(QChar(0x0001)));
                                        t.ReachResults("Zhiloe");
                                        t.EnterCell(1, 2, QStringLiteral("Лестница №2"));
                                        t.EnterCell(1, 3, QStringLiteral("Рукав\u00A0порван"));
                                        t.Forward();
                                        auto* memo = t.Find<QPlainTextEdit>("Memo1");
                                        memo->setFocus();
                                        Paste(memo, damaged);
                                    }}),
    [](const auto& info) { return std::string(info.param.name); });

// 10 000 rows are opened from a file, saved again through the window and reopened.
TEST_F(InspectionWindow, TenThousandRowsComeBackWhole) {
    wizard::Inspection big = wizard::NewInspection(StartDate());
    big.step = wizard::WizardStep::Results;
    big.building.type = requirement::BuildingType::Zhiloe;
    big.requirement = {1, 2.5};
    big.preparedFlow = 2.5;
    results::PrepareResultsGrid(big.grid, 1);
    for (int r = 2; r <= 10000; ++r)
        results::AppendRow(big.grid);
    for (int r = 1; r <= 10000; ++r) {
        big.grid.SetCell(results::ColLocation, r, "этаж " + std::to_string(r));
        big.grid.SetCell(results::ColPressure, r, r % 2 ? "2" : "1");
    }
    results::RowRules rules;
    rules.diameter = 13;
    rules.JetFlow = 2.5;
    results::UpdateAllRows(big.grid, rules);
    const QString first = PathOf(QStringLiteral("big.naporis"));
    wizard::SaveInspectionFile(common::PathFromUtf8(first.toStdString()), big);

    Open(first);
    ASSERT_TRUE(window_->CurrentInspection() == big);
    const QString second = PathOf(QStringLiteral("big2.naporis"));
    SaveAs(second);
    Press(Qt::Key_N);
    Open(second);
    EXPECT_TRUE(window_->CurrentInspection() == big);
    EXPECT_TRUE(failures_.isEmpty());
}

// Each bad file names itself and what is wrong, as the failure report shows it (with its
// full stop); what the window shows stays as it was.
struct BadFileCase {
    const char* name;
    std::function<std::string(const std::string& good)> spoil; // from a good file's text
    const char* message;
};

class BadFileInWindow : public InspectionWindow,
                        public ::testing::WithParamInterface<BadFileCase> {};

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

TEST_P(BadFileInWindow, IsNamedAndLeavesTheWindowAsItWas) {
    wizard::Inspection good = wizard::NewInspection(StartDate());
    good.step = wizard::WizardStep::Building;
    good.building.type = requirement::BuildingType::Zhiloe;
    const QString path = PathOf(QStringLiteral("плохая.naporis"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string bytes = GetParam().spoil(wizard::WriteInspection(good));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    TypeInto("MestoProverki", QStringLiteral("ул. Мира, 1"));
    ReachResults("Obshaga");
    EnterCell(1, 4, QStringLiteral("2"));
    const wizard::Inspection before = window_->CurrentInspection();
    const QString title = window_->windowTitle();
    answer_ = TF_1::Answer::No;

    Open(path);

    ASSERT_EQ(failures_.size(), 1);
    EXPECT_EQ(failures_.front(), QString::fromUtf8(GetParam().message));
    EXPECT_TRUE(window_->CurrentInspection() == before);
    EXPECT_EQ(Step(), 3);
    EXPECT_EQ(window_->windowTitle(), title);
    EXPECT_TRUE(window_->HasUnsavedChanges());
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileInWindow,
    ::testing::Values(
        BadFileCase{"NotOurs", [](const std::string&) { return std::string("PK\x03\x04 docx"); },
                    "Не удалось открыть проверку «плохая.naporis»: это не файл проверки Напориса."},
        BadFileCase{"Truncated", [](const std::string& good) { return good.substr(0, 300); },
                    "Не удалось открыть проверку «плохая.naporis»: файл обрезан или повреждён "
                    "(ошибка XML в байте 299)"},
        BadFileCase{"LaterVersion",
                    [](const std::string& good) {
                        return Replaced(good, "version=\"1\" step", "version=\"7\" step");
                    },
                    "Не удалось открыть проверку «плохая.naporis»: файл записан более новой "
                    "версией Напориса (формат 7), эта версия читает формат 1."},
        BadFileCase{"NinetyNineFloors",
                    [](const std::string& good) {
                        return Replaced(good, "NumEtazh-value=\"1\"", "NumEtazh-value=\"99\"");
                    },
                    "Не удалось открыть проверку «плохая.naporis»: число этажей 99 вне пределов "
                    "1–25."},
        BadFileCase{"DegreePositionTwelve",
                    [](const std::string& good) {
                        return Replaced(good, "stepogn-item=\"0\"", "stepogn-item=\"12\"");
                    },
                    "Не удалось открыть проверку «плохая.naporis»: номер позиции степени "
                    "огнестойкости 12 вне пределов 0–7."},
        BadFileCase{"BillionRows",
                    [](const std::string& good) {
                        return Replaced(good, "rows=\"1\"", "rows=\"1000000000\"");
                    },
                    "Не удалось открыть проверку «плохая.naporis»: число строк таблицы "
                    "1000000000 вне пределов 1–100000."},
        BadFileCase{"Empty", [](const std::string&) { return std::string(); },
                    "Не удалось открыть проверку «плохая.naporis»: файл пуст."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InspectionWindow, MissingFileIsNamed) {
    TypeInto("Mesto", QStringLiteral("Тула"));
    const wizard::Inspection before = window_->CurrentInspection();
    answer_ = TF_1::Answer::No;
    Open(PathOf(QStringLiteral("нет.naporis")));
    ASSERT_EQ(failures_.size(), 1);
    EXPECT_EQ(failures_.front(), QStringLiteral("Не удалось открыть проверку «нет.naporis»: файл "
                                                "не читается (нет такого файла или папки)"));
    EXPECT_TRUE(window_->CurrentInspection() == before);
}

// Leaving: "Выход", the close box, opening another inspection, starting a new one; with and
// without unsaved entries, and each answer to the question.
enum class Leave { Exit, CloseBox, Open, New };
enum class Entries { None, Unsaved, SavedThenUnchanged };

struct LeaveCase {
    const char* name;
    Leave leave;
    Entries entries;
    TF_1::Answer answer;
    bool asked;
    bool left;  // the window closed, or the other inspection is shown
    bool saved; // the entries are in the file afterwards
};

class LeavingInspection : public InspectionWindow,
                          public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeavingInspection, AsksOnlyAboutUnsavedEntries) {
    const LeaveCase& c = GetParam();
    const QString other = PathOf(QStringLiteral("другая.naporis"));
    wizard::Inspection otherInspection = wizard::NewInspection(StartDate());
    otherInspection.general.Mesto = "Другой город";
    wizard::SaveInspectionFile(common::PathFromUtf8(other.toStdString()), otherInspection);
    const QString mine = PathOf(QStringLiteral("моя.naporis"));

    if (c.entries != Entries::None)
        TypeInto("MestoProverki", QStringLiteral("ул. Садовая, 7"));
    if (c.entries == Entries::SavedThenUnchanged)
        SaveAs(mine);
    const wizard::Inspection entered = window_->CurrentInspection();
    saveAs_ = mine;
    answer_ = c.answer;

    switch (c.leave) {
    case Leave::Exit:
        Click("Button3");
        break;
    case Leave::CloseBox:
        window_->close();
        break;
    case Leave::Open:
        Open(other);
        break;
    case Leave::New:
        Press(Qt::Key_N);
        break;
    }

    ASSERT_EQ(questions_.size(), c.asked ? 1 : 0);
    if (c.asked)
        EXPECT_EQ(questions_.front(), QStringLiteral("Сохранить изменения в проверке?"));
    const bool closing = c.leave == Leave::Exit || c.leave == Leave::CloseBox;
    if (closing) {
        EXPECT_EQ(window_->isVisible(), !c.left);
    } else if (c.left) {
        EXPECT_TRUE(
            window_->CurrentInspection() ==
            (c.leave == Leave::Open ? otherInspection : wizard::NewInspection(StartDate())));
    }
    if (!c.left)
        EXPECT_TRUE(window_->CurrentInspection() == entered);
    if (c.saved) {
        const wizard::InspectionRead read =
            wizard::LoadInspectionFile(common::PathFromUtf8(mine.toStdString()));
        ASSERT_TRUE(read.inspection) << read.problem;
        EXPECT_TRUE(wizard::SameEntries(*read.inspection, entered));
    } else if (c.entries != Entries::SavedThenUnchanged) {
        EXPECT_FALSE(QFile::exists(mine));
    }
}

using A = TF_1::Answer;
INSTANTIATE_TEST_SUITE_P(
    Cases, LeavingInspection,
    ::testing::Values(
        LeaveCase{"ExitWithNothingEntered", Leave::Exit, Entries::None, A::Cancel, false, true,
                  false},
        LeaveCase{"CloseBoxWithNothingEntered", Leave::CloseBox, Entries::None, A::Cancel, false,
                  true, false},
        LeaveCase{"OpenWithNothingEntered", Leave::Open, Entries::None, A::Cancel, false, true,
                  false},
        LeaveCase{"NewWithNothingEntered", Leave::New, Entries::None, A::Cancel, false, true,
                  false},
        LeaveCase{"ExitAfterSaving", Leave::Exit, Entries::SavedThenUnchanged, A::Cancel, false,
                  true, true},
        LeaveCase{"OpenAfterSaving", Leave::Open, Entries::SavedThenUnchanged, A::Cancel, false,
                  true, true},
        LeaveCase{"ExitYesSaves", Leave::Exit, Entries::Unsaved, A::Yes, true, true, true},
        LeaveCase{"ExitNoDiscards", Leave::Exit, Entries::Unsaved, A::No, true, true, false},
        LeaveCase{"ExitCancelStays", Leave::Exit, Entries::Unsaved, A::Cancel, true, false, false},
        LeaveCase{"CloseBoxYesSaves", Leave::CloseBox, Entries::Unsaved, A::Yes, true, true, true},
        LeaveCase{"CloseBoxNoDiscards", Leave::CloseBox, Entries::Unsaved, A::No, true, true,
                  false},
        LeaveCase{"CloseBoxCancelStays", Leave::CloseBox, Entries::Unsaved, A::Cancel, true, false,
                  false},
        LeaveCase{"OpenYesSavesFirst", Leave::Open, Entries::Unsaved, A::Yes, true, true, true},
        LeaveCase{"OpenNoDiscards", Leave::Open, Entries::Unsaved, A::No, true, true, false},
        LeaveCase{"OpenCancelStays", Leave::Open, Entries::Unsaved, A::Cancel, true, false, false},
        LeaveCase{"NewYesSavesFirst", Leave::New, Entries::Unsaved, A::Yes, true, true, true},
        LeaveCase{"NewNoDiscards", Leave::New, Entries::Unsaved, A::No, true, true, false},
        LeaveCase{"NewCancelStays", Leave::New, Entries::Unsaved, A::Cancel, true, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

// "Да" with the save dialog cancelled saves nothing and stays.
TEST_F(InspectionWindow, CancelledSaveDialogStays) {
    TypeInto("Mesto", QStringLiteral("Тула"));
    answer_ = TF_1::Answer::Yes;
    saveAs_.clear();
    Click("Button3");
    EXPECT_EQ(questions_.size(), 1);
    EXPECT_TRUE(window_->isVisible());
}

// Moving between steps enters nothing.
TEST_F(InspectionWindow, NavigatingIsNoEntry) {
    Forward();
    Back();
    EXPECT_FALSE(window_->HasUnsavedChanges());
    Click("Button3");
    EXPECT_TRUE(questions_.isEmpty());
}

TEST_F(InspectionWindow, TitleNamesTheFileOnceThereIsOne) {
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Напорис 0.9"));
    TypeInto("Mesto", QStringLiteral("Тула"));
    QTest::qWait(TF_1::RecoveryMaxDelayMs + 200);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Напорис 0.9"));

#ifdef Q_OS_WIN
    // Windows allows no "*" in a file's name.
    SaveAs(PathOf(QStringLiteral("Школа 5.naporis")));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Школа 5[*] — Напорис 0.9"));
#else
    SaveAs(PathOf(QStringLiteral("Школа [*] 5.naporis")));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Школа [*][*] 5[*] — Напорис 0.9"));
#endif
    EXPECT_FALSE(window_->isWindowModified());
    TypeInto("Mesto", QStringLiteral("Тверь"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window_->isWindowModified(); },
                                TF_1::RecoveryMaxDelayMs + 1000));
    // Typed back as it was saved: nothing unsaved, no mark.
    TypeInto("Mesto", QStringLiteral("Тула"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window_->isWindowModified(); },
                                TF_1::RecoveryMaxDelayMs + 1000));

    Press(Qt::Key_N);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Напорис 0.9"));
}

// A second save goes to the same file without a dialog.
TEST_F(InspectionWindow, SaveAgainNeedsNoDialog) {
    TypeInto("Mesto", QStringLiteral("Тула"));
    SaveAs(PathOf(QStringLiteral("a.naporis")));
    ASSERT_EQ(proposals_.size(), 1);
    TypeInto("Mesto", QStringLiteral("Тверь"));
    saveAs_.clear();
    Press(Qt::Key_S);
    EXPECT_EQ(proposals_.size(), 1);
    const auto read = wizard::LoadInspectionFile(
        common::PathFromUtf8(PathOf(QStringLiteral("a.naporis")).toStdString()));
    ASSERT_TRUE(read.inspection);
    EXPECT_EQ(read.inspection->general.Mesto, "Тверь");
}

// The first save proposes the address and the date, in the documents folder.
TEST_F(InspectionWindow, FirstSaveProposesAddressAndDate) {
    TypeInto("MestoProverki", QStringLiteral("ул. Ленина, 5/2"));
    QTest::mouseClick(Find<QToolButton>("SaveButton"), Qt::LeftButton);
    ASSERT_EQ(proposals_.size(), 1);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    EXPECT_EQ(proposals_.front(),
              QDir(folder).filePath(QStringLiteral("ул. Ленина, 5 2 ") +
                                    Today.toString(QStringLiteral("dd.MM.yyyy")) +
                                    QStringLiteral(".naporis")));
}

// The commands are flat picture buttons with hints under the sign, out of the Tab order.
TEST_F(InspectionWindow, ButtonsStandUnderTheSign) {
    const std::pair<const char*, const char*> buttons[] = {
        {"SaveButton", "Сохранить проверку (Ctrl+S)"},
        {"SaveAsButton", "Сохранить как… (Ctrl+Shift+S)"},
        {"OpenButton", "Открыть проверку… (Ctrl+O)"},
        {"NewButton", "Новая проверка (Ctrl+N)"}};
    const QRect sign = Find("Image1")->geometry();
    int previousBottom = sign.bottom();
    for (const auto& [name, hint] : buttons) {
        auto* button = Find<QToolButton>(name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(hint));
        EXPECT_TRUE(button->autoRaise());
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
        EXPECT_TRUE(button->isVisible());
        const QRect r = button->geometry();
        EXPECT_GT(r.top(), previousBottom) << name;
        EXPECT_GE(r.left(), sign.left());
        EXPECT_LE(r.right(), sign.right());
        EXPECT_LT(r.right(), Find("Panel1")->geometry().left());
        previousBottom = r.bottom();
    }
}

} // namespace
