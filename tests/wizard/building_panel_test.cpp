#include "wizard/numeric_spin.h"
#include "wizard_fixture.h"

#include <QCheckBox>
#include <algorithm>
#include <vector>

namespace {

const char* const SubPanels[] = {"PanelType", "PanelStepen", "PanelEtazh", "PanelV",
                                 "PanelH",    "PanelLkor",   "PanelRukav", "PanelZal",
                                 "PanelStal", "PanelGorMat"};

class Step2 : public WizardFixture {
protected:
    void SetUp() override {
        WizardFixture::SetUp();
        ReachStep(2);
    }

    // The visible sub-panels from the top, as the user sees them stacked.
    QStringList VisibleFromTop() {
        QCoreApplication::processEvents();
        std::vector<QWidget*> visible;
        for (const char* name : SubPanels)
            if (QWidget* panel = Find(name); panel->isVisible())
                visible.push_back(panel);
        std::sort(visible.begin(), visible.end(),
                  [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
        QStringList names;
        int bottom = 0;
        for (QWidget* panel : visible) {
            // Closed up under each other: a hidden panel takes no room.
            EXPECT_EQ(panel->y(), bottom) << panel->objectName().toStdString();
            bottom = panel->y() + panel->height();
            names << panel->objectName();
        }
        return names;
    }

    QStringList Items(const char* list) {
        QStringList items;
        auto* combo = Find<QComboBox>(list);
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }

    double Floors() { return window_->Panel2()->Parameters().floors; }
    double Volume() { return window_->Panel2()->Parameters().volume; }
};

TEST_F(Step2, StartsWithOnlyTheTypes) {
    EXPECT_EQ(VisibleFromTop(), QStringList{"PanelType"});
    for (const char* type : {"Zhiloe", "Uprava", "Obshaga", "Administr", "Proisv"})
        EXPECT_FALSE(Find<QRadioButton>(type)->isChecked()) << type;
    EXPECT_EQ(SpinText("NumEtazh"), "1");
    EXPECT_EQ(SpinText("V"), "0");
    EXPECT_EQ(Find<QComboBox>("stepogn")->currentIndex(), 0);
    EXPECT_EQ(Find<QComboBox>("stepogn")->currentText(), "I");
    EXPECT_EQ(Find<QComboBox>("rategoriya")->currentText(), QStringLiteral("А"));
    EXPECT_EQ(Items("rategoriya"), (QStringList{"А", "Б", "В"}));
}

// Each row: a type chosen, then degrees typed into stepogn (a "\b" presses Backspace), then
// perhaps another type.
struct VisibilityCase {
    const char* name;
    const char* type;
    std::vector<const char*> degrees;
    const char* typeAfter;
    QStringList visible;
    friend void PrintTo(const VisibilityCase& c, std::ostream* os) { *os << c.name; }
};

class Step2Visibility : public Step2, public ::testing::WithParamInterface<VisibilityCase> {};

TEST_P(Step2Visibility, ShowsWhatMattersInOrder) {
    const auto& c = GetParam();
    ChooseType(c.type);
    for (const char* degree : c.degrees) {
        if (QString::fromUtf8(degree) == "\b")
            Backspace("stepogn");
        else
            TypeIntoList("stepogn", QString::fromUtf8(degree));
    }
    if (c.typeAfter)
        ChooseType(c.typeAfter);
    EXPECT_EQ(VisibleFromTop(), c.visible);
}

INSTANTIATE_TEST_SUITE_P(
    Types, Step2Visibility,
    ::testing::Values(
        VisibilityCase{"Zhiloe",
                       "Zhiloe",
                       {},
                       nullptr,
                       {"PanelType", "PanelEtazh", "PanelLkor", "PanelRukav", "PanelZal"}},
        VisibilityCase{"Uprava",
                       "Uprava",
                       {},
                       nullptr,
                       {"PanelType", "PanelEtazh", "PanelV", "PanelH", "PanelZal"}},
        VisibilityCase{"Obshaga",
                       "Obshaga",
                       {},
                       nullptr,
                       {"PanelType", "PanelEtazh", "PanelV", "PanelH", "PanelZal"}},
        VisibilityCase{"Administr",
                       "Administr",
                       {},
                       nullptr,
                       {"PanelType", "PanelEtazh", "PanelV", "PanelZal"}},
        VisibilityCase{"Proisv",
                       "Proisv",
                       {},
                       nullptr,
                       {"PanelType", "PanelStepen", "PanelV", "PanelH", "PanelZal"}},
        VisibilityCase{"TypeChangedBack",
                       "Proisv",
                       {},
                       "Zhiloe",
                       {"PanelType", "PanelEtazh", "PanelLkor", "PanelRukav", "PanelZal"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Degrees, Step2Visibility,
    ::testing::Values(VisibilityCase{"IIIa",
                                     "Proisv",
                                     {"IIIа"},
                                     nullptr,
                                     {"PanelType", "PanelStepen", "PanelV", "PanelH", "PanelZal",
                                      "PanelStal"}},
                      VisibilityCase{"IVa",
                                     "Proisv",
                                     {"IVа"},
                                     nullptr,
                                     {"PanelType", "PanelStepen", "PanelV", "PanelH", "PanelZal",
                                      "PanelStal", "PanelGorMat"}},
                      VisibilityCase{"IVaThenIV",
                                     "Proisv",
                                     {"IVа", "IV"},
                                     nullptr,
                                     {"PanelType", "PanelStepen", "PanelV", "PanelH", "PanelZal"}},
                      VisibilityCase{"IIIb",
                                     "Proisv",
                                     {"IIIб"},
                                     nullptr,
                                     {"PanelType", "PanelStepen", "PanelV", "PanelH", "PanelZal"}},
                      VisibilityCase{"IVaKeptUnderZhiloe",
                                     "Proisv",
                                     {"IVа"},
                                     "Zhiloe",
                                     {"PanelType", "PanelEtazh", "PanelLkor", "PanelRukav",
                                      "PanelZal", "PanelStal", "PanelGorMat"}},
                      VisibilityCase{"BackspaceLeavesNoDegree",
                                     "Proisv",
                                     {"IVа", "\b"},
                                     nullptr,
                                     {"PanelType", "PanelStepen", "PanelV", "PanelH", "PanelZal"}},
                      VisibilityCase{"TypedTextLeavesNoDegree",
                                     "Proisv",
                                     {"IIIа", "x"},
                                     nullptr,
                                     {"PanelType", "PanelStepen", "PanelV", "PanelH", "PanelZal"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Each row: what is typed into the two lists, in turn ("" skips the category).
struct CategoryCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> typed; // degree, then category
    QStringList items;
    QString shown;
    friend void PrintTo(const CategoryCase& c, std::ostream* os) { *os << c.name; }
};

class Step2Category : public Step2, public ::testing::WithParamInterface<CategoryCase> {};

TEST_P(Step2Category, RefillsOnEveryDegreeChange) {
    ChooseType("Proisv");
    for (const auto& [degree, category] : GetParam().typed) {
        TypeIntoList("stepogn", QString::fromUtf8(degree));
        if (*category)
            TypeIntoList("rategoriya", QString::fromUtf8(category));
    }
    EXPECT_EQ(Items("rategoriya"), GetParam().items);
    EXPECT_EQ(Find<QComboBox>("rategoriya")->currentText(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Degrees, Step2Category,
    ::testing::Values(
        CategoryCase{"III", {{"III", ""}}, {"В", "Г", "Д"}, "В"},
        CategoryCase{"BackToII", {{"III", "Г"}, {"II", ""}}, {"А", "Б", "В"}, "А"},
        CategoryCase{"SameGroupResets", {{"III", "Д"}, {"IV", ""}}, {"В", "Г", "Д"}, "В"},
        CategoryCase{"IIIaFirstGroup", {{"VI", "Г"}, {"IIIа", ""}}, {"А", "Б", "В"}, "А"},
        CategoryCase{"ChosenCategoryStays", {{"III", "Г"}}, {"В", "Г", "Д"}, "Г"},
        CategoryCase{"TypedDegreeLeavesList", {{"III", "Г"}, {"z", ""}}, {"В", "Г", "Д"}, "Г"},
        // A lower-case letter completes to the item, so the rules read the category itself.
        CategoryCase{"LowerCaseCompletesToItem", {{"III", "д"}}, {"В", "Г", "Д"}, "Д"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Step2, BackspaceInDegreeKeepsCategory) {
    ChooseType("Proisv");
    TypeIntoList("stepogn", "IV");
    TypeIntoList("rategoriya", QStringLiteral("Г"));
    Backspace("stepogn");
    EXPECT_EQ(Find<QComboBox>("stepogn")->currentIndex(), -1);
    EXPECT_EQ(Find<QComboBox>("stepogn")->currentText(), "I");
    EXPECT_EQ(Find<QComboBox>("rategoriya")->currentText(), QStringLiteral("Г"));
}

TEST_F(Step2, CompletionSelectsAndHighlightsTheRest) {
    ChooseType("Proisv");
    TypeIntoList("stepogn", "ii");
    auto* stepogn = Find<QComboBox>("stepogn");
    EXPECT_EQ(stepogn->currentIndex(), 1);
    EXPECT_EQ(stepogn->currentText(), "II");
    TypeIntoList("stepogn", QStringLiteral("iiiб"));
    EXPECT_EQ(stepogn->currentIndex(), 4);
    // Typing one letter of "IIIа" completes the rest, highlighted.
    TypeIntoList("stepogn", "v");
    EXPECT_EQ(stepogn->currentIndex(), 7);
    EXPECT_EQ(stepogn->currentText(), "VI");
    EXPECT_EQ(stepogn->lineEdit()->selectedText(), "I");
}

TEST_F(Step2, IndustrialWithoutDegreeIsRefusedEveryTime) {
    ChooseType("Proisv");
    TypeIntoSpin("V", "300000");
    Tick("ZalLudOtd");
    Forward(); // degree "I": three jets, plus the hall
    ASSERT_EQ(Step(), 3);
    ASSERT_EQ(window_->JetCount(), 4);
    Back();
    Backspace("stepogn");
    Forward();
    Forward();
    EXPECT_EQ(Step(), 2);
    EXPECT_EQ(refusals_.size(), 2);
    EXPECT_EQ(window_->JetCount(), 0);
}

TEST_F(Step2, LowerCaseCategoryCountsAsTheCategory) {
    ChooseType("Proisv");
    TypeIntoList("stepogn", "III");
    TypeIntoList("rategoriya", QStringLiteral("в"));
    TypeIntoSpin("V", "5000");
    Forward();
    EXPECT_EQ(window_->JetCount(), 2);
    EXPECT_EQ(window_->JetFlow(), 5.0);
}

// Each row types over the field, then presses keys: "\b" Backspace, "^" Up, "v" Down,
// "*" select all and Delete.
struct SpinCase {
    const char* name;
    const char* spin;
    const char* typed;
    const char* keys;
    double value;
    const char* text;
    friend void PrintTo(const SpinCase& c, std::ostream* os) { *os << c.name; }
};

class Step2Spin : public Step2, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(Step2Spin, TakesBoundsAndSteps) {
    const auto& c = GetParam();
    ChooseType("Uprava");
    TypeIntoSpin(c.spin, QString::fromUtf8(c.typed));
    auto* box = Find<QAbstractSpinBox>(c.spin);
    for (const char* k = c.keys; *k; ++k) {
        switch (*k) {
        case '\b':
            QTest::keyClick(box, Qt::Key_End);
            QTest::keyClick(box, Qt::Key_Backspace);
            break;
        case '^':
            QTest::keyClick(box, Qt::Key_Up);
            break;
        case 'v':
            QTest::keyClick(box, Qt::Key_Down);
            break;
        case '*':
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Delete);
            break;
        }
    }
    EXPECT_EQ(std::string(c.spin) == "V" ? Volume() : Floors(), c.value);
    EXPECT_EQ(box->text(), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Floors, Step2Spin,
    ::testing::Values(SpinCase{"Seventeen", "NumEtazh", "17", "", 17, "17"},
                      SpinCase{"ThirtyBoundedAt25", "NumEtazh", "30", "", 25, "25"},
                      SpinCase{"ZeroBoundedAt1", "NumEtazh", "0", "", 1, "1"},
                      SpinCase{"MinusFiveBoundedAt1", "NumEtazh", "-5", "", 1, "1"},
                      SpinCase{"DigitsDeletedOneByOne", "NumEtazh", "17", "\b\b", 1, ""},
                      SpinCase{"AllDeletedKeepsValue", "NumEtazh", "17", "*", 17, ""},
                      SpinCase{"Up", "NumEtazh", "17", "^", 18, "18"},
                      SpinCase{"DownAtOne", "NumEtazh", "1", "v", 1, "1"},
                      SpinCase{"UpAtTop", "NumEtazh", "25", "^", 25, "25"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Volume, Step2Spin,
    ::testing::Values(SpinCase{"Typed", "V", "25000", "", 25000, "25000"},
                      SpinCase{"UpShowsTwoDecimals", "V", "25000", "^", 25001, "25001,00"},
                      SpinCase{"DownBelowZero", "V", "0", "v", -1, "-1,00"},
                      SpinCase{"Decimals", "V", "24999,99", "", 24999.99, "24999,99"},
                      SpinCase{"NegativeNotBounded", "V", "-300", "", -300, "-300"},
                      SpinCase{"MinusAloneKeepsValue", "V", "-", "", 0, "-"}),
    [](const auto& info) { return std::string(info.param.name); });

// Refused keys leave the text as it was.
INSTANTIATE_TEST_SUITE_P(
    RefusedKeys, Step2Spin,
    ::testing::Values(SpinCase{"FloorsLetter", "NumEtazh", "1a2", "", 12, "12"},
                      SpinCase{"FloorsSeparator", "NumEtazh", "1,5", "", 15, "15"},
                      SpinCase{"FloorsSecondMinus", "NumEtazh", "--", "", 1, "-"},
                      SpinCase{"VolumeSecondSeparator", "V", "2,5,", "", 2.5, "2,5"},
                      SpinCase{"VolumePointInCommaLocale", "V", "2.5", "", 25, "25"},
                      SpinCase{"VolumeLetters", "V", "1e3", "", 13, "13"},
                      SpinCase{"VolumeBlank", "V", "1 0", "", 10, "10"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Step2, EnterInSpinPressesNothing) {
    ChooseType("Zhiloe");
    TypeIntoSpin("NumEtazh", "16");
    QTest::keyClick(Find("NumEtazh"), Qt::Key_Return);
    EXPECT_EQ(SpinText("NumEtazh"), "16");
    EXPECT_EQ(Step(), 2);
}

// A refused key is heard: a character that is no part of a number, and Enter.
TEST_F(Step2, RefusedKeysBeepInBothNumberFields) {
    ChooseType("Uprava");
    for (const char* name : {"NumEtazh", "V"}) {
        int beeps = 0;
        Find<NumericSpin>(name)->SetBeeper([&beeps] { ++beeps; });
        TypeIntoSpin(name, "12");
        EXPECT_EQ(beeps, 0) << name;
        TypeIntoSpin(name, "1x2");
        EXPECT_EQ(beeps, 1) << name;
        QTest::keyClick(Find(name), Qt::Key_Return);
        EXPECT_EQ(beeps, 2) << name;
        EXPECT_EQ(SpinText(name), "12") << name;
    }
}

TEST_F(Step2, SpinButtonStepsOnRelease) {
    ChooseType("Zhiloe");
    auto* box = Find<QAbstractSpinBox>("NumEtazh");
    // The arrows are the upper and lower half of the right edge.
    const QPoint up(box->width() - 4, 4);
    const QPoint down(box->width() - 4, box->height() - 4);
    QTest::mousePress(box, Qt::LeftButton, {}, up);
    EXPECT_EQ(SpinText("NumEtazh"), "1");
    QTest::mouseRelease(box, Qt::LeftButton, {}, up);
    EXPECT_EQ(SpinText("NumEtazh"), "2");
    EXPECT_EQ(Floors(), 2);
    QTest::mouseClick(box, Qt::LeftButton, {}, down);
    EXPECT_EQ(Floors(), 1);
    // Released away from the arrow it was pressed on: no step.
    QTest::mousePress(box, Qt::LeftButton, {}, up);
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    EXPECT_EQ(Floors(), 1);
}

TEST_F(Step2, VolumeFromStepTwoReachesTheRules) {
    ChooseType("Uprava");
    TypeIntoSpin("NumEtazh", "9");
    TypeIntoSpin("V", "24999,99");
    Forward();
    EXPECT_EQ(window_->JetCount(), 1);
    Back();
    QTest::keyClick(Find("V"), Qt::Key_Up);
    Forward();
    EXPECT_EQ(window_->JetCount(), 2);
}

} // namespace

// In a locale with a decimal point the volume takes "." and steps to "x.00".
class Step2PointLocale : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override { QLocale::setDefault(previous_); }
    QLocale previous_;
};

TEST_F(Step2PointLocale, VolumeTakesThePoint) {
    TF_1 window;
    window.show();
    auto* volume = window.findChild<QAbstractSpinBox*>("V");
    ASSERT_NE(volume, nullptr);
    QTest::keyClick(volume, Qt::Key_A, Qt::ControlModifier);
    TypeText(volume, "2,5.5");
    EXPECT_EQ(volume->text(), "25.5");
    EXPECT_EQ(window.Panel2()->Parameters().volume, 25.5);
    QTest::keyClick(volume, Qt::Key_Up);
    EXPECT_EQ(volume->text(), "26.50");
}
