#include "wizard/general_data_panel.h"
#include "wizard/maker.h"
#include "wizard/tf_about.h"
#include "wizard_fixture.h"

#include <QDate>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <stdexcept>

namespace {

using Wizard = WizardFixture;

TEST_F(Wizard, StartsOnStepOneWithBackDisabled) {
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Напорис 0.9"));
    EXPECT_EQ(window_->size(), QSize(569, 535));
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
    EXPECT_FALSE(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window_->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(Step(), 1);
    EXPECT_EQ(Find<QPushButton>("ButtonForward")->text(), QStringLiteral("Далее >>"));
    EXPECT_FALSE(Find<QPushButton>("ButtonBack")->isEnabled());
    EXPECT_EQ(Find<QDateEdit>("Data")->date(), Today);
    EXPECT_EQ(Find<QDateEdit>("Data")->text(), QStringLiteral("05.03.2024"));
    EXPECT_EQ(Find<QComboBox>("Oborud")->currentIndex(), -1);
    EXPECT_TRUE(Find<QComboBox>("Oborud")->currentText().isEmpty());
    EXPECT_EQ(window_->JetCount(), 0);
    EXPECT_EQ(window_->JetFlow(), 0.0);
    for (const char* panel : {"Panel1", "Panel2", "Panel3", "Panel4"})
        EXPECT_EQ(Find(panel)->pos(), QPoint(64, 8)) << panel;
    EXPECT_FALSE(Find<QLabel>("Image1")->pixmap().isNull());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    // Centred on the desktop at its first showing.
    const QPoint offset = window_->frameGeometry().center() -
                          QGuiApplication::primaryScreen()->virtualGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << ", " << offset.y();
}

// Each row is a run of clicks from the start: F forward, B back, Z choose "Жилое здание".
struct NavigationCase {
    const char* name;
    const char* clicks;
    int step;
    const char* forwardCaption;
    bool backEnabled;
    int refusals;
    friend void PrintTo(const NavigationCase& c, std::ostream* os) { *os << c.name; }
};

class Navigation : public WizardFixture, public ::testing::WithParamInterface<NavigationCase> {};

TEST_P(Navigation, MakesOneTransitionPerClick) {
    for (const char* c = GetParam().clicks; *c; ++c) {
        switch (*c) {
        case 'F':
            Forward();
            break;
        case 'B':
            Back();
            break;
        case 'Z':
            ChooseType("Zhiloe");
            break;
        }
    }
    EXPECT_EQ(Step(), GetParam().step);
    EXPECT_EQ(Find<QPushButton>("ButtonForward")->text(),
              QString::fromUtf8(GetParam().forwardCaption));
    EXPECT_EQ(Find<QPushButton>("ButtonBack")->isEnabled(), GetParam().backEnabled);
    EXPECT_EQ(refusals_.size(), GetParam().refusals);
    EXPECT_TRUE(failures_.isEmpty()) << failures_.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Steps, Navigation,
    ::testing::Values(NavigationCase{"ForwardFromOne", "F", 2, "Далее >>", true, 0},
                      NavigationCase{"ForwardFromTwo", "FZF", 3, "Далее >>", true, 0},
                      NavigationCase{"ForwardFromThree", "FZFF", 4, "Отчет", true, 0},
                      NavigationCase{"ForwardOnFourStays", "FZFFF", 4, "Отчет", true, 0},
                      NavigationCase{"BackFromTwo", "FB", 1, "Далее >>", false, 0},
                      NavigationCase{"BackFromThree", "FZFB", 2, "Далее >>", true, 0},
                      NavigationCase{"BackFromFour", "FZFFB", 3, "Далее >>", true, 0},
                      NavigationCase{"BackToStartAndForward", "FZFFBBBF", 2, "Далее >>", true, 0},
                      NavigationCase{"BackOnOneDoesNothing", "FBB", 1, "Далее >>", false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The refusals: step 2 stays as long as the parameters determine no requirement.
INSTANTIATE_TEST_SUITE_P(
    Refusals, Navigation,
    ::testing::Values(NavigationCase{"NoTypeChosen", "FF", 2, "Далее >>", true, 1},
                      NavigationCase{"EveryPressRefused", "FFF", 2, "Далее >>", true, 2},
                      NavigationCase{"RefusedThenTypeChosen", "FFZF", 3, "Далее >>", true, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Wizard, RefusalSaysWhatIsMissing) {
    ReachStep(2);
    Forward();
    ASSERT_EQ(refusals_.size(), 1);
    EXPECT_EQ(refusals_.front(), QStringLiteral("Введите параметры здания!"));
}

TEST_F(Wizard, ForwardFromStepOneComputesNothing) {
    ChooseType("Zhiloe");
    Forward();
    EXPECT_EQ(window_->JetCount(), 0);
    EXPECT_TRUE(refusals_.isEmpty());
}

TEST_F(Wizard, ForwardFromStepTwoComputesTheRequirement) {
    ReachStep(2);
    ChooseType("Zhiloe");
    TypeIntoSpin("NumEtazh", "17");
    Tick("DlCor");
    Forward();
    EXPECT_EQ(Step(), 3);
    EXPECT_EQ(window_->JetCount(), 3);
    EXPECT_EQ(window_->JetFlow(), 2.5);
}

TEST_F(Wizard, NewPanelIsShownBeforeTheOldIsHidden) {
    QStringList events;
    struct Recorder : QObject {
        QStringList* events;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
                *events << watched->objectName() +
                               (event->type() == QEvent::Show ? " shown" : " hidden");
            return false;
        }
    } recorder;
    recorder.events = &events;
    for (const char* panel : {"Panel1", "Panel2", "Panel3", "Panel4"})
        Find(panel)->installEventFilter(&recorder);
    ChooseType("Zhiloe");
    Forward();
    Forward();
    Back();
    const QStringList expected{"Panel2 shown",  "Panel1 hidden", "Panel3 shown",
                               "Panel2 hidden", "Panel2 shown",  "Panel3 hidden"};
    EXPECT_EQ(events, expected);
}

TEST_F(Wizard, GoingBackKeepsEverything) {
    TypeText(Find<QLineEdit>("MestoProverki"), QStringLiteral("ул. Ленина, 5"));
    ReachStep(2);
    ChooseType("Proisv");
    TypeIntoList("stepogn", QStringLiteral("IIIа"));
    TypeIntoSpin("V", "6000");
    Forward();
    ASSERT_EQ(Step(), 3);
    Back();
    Back();
    Forward();
    EXPECT_EQ(Find<QLineEdit>("MestoProverki")->text(), QStringLiteral("ул. Ленина, 5"));
    EXPECT_TRUE(Find<QRadioButton>("Proisv")->isChecked());
    EXPECT_EQ(Find<QComboBox>("stepogn")->currentIndex(), 3);
    EXPECT_EQ(SpinText("V"), QStringLiteral("6000"));
    EXPECT_TRUE(Find("PanelStal")->isVisible());
    EXPECT_EQ(window_->JetCount(), 2);
    EXPECT_EQ(window_->JetFlow(), 5.0);
}

// Enter presses the focused button and nothing else; Escape presses none.
TEST_F(Wizard, EnterPressesOnlyTheFocusedButton) {
    QApplication::setActiveWindow(window_.get());
    auto* address = Find<QLineEdit>("MestoProverki");
    address->setFocus();
    QTest::keyClick(address, Qt::Key_Return);
    QTest::keyClick(address, Qt::Key_Escape);
    EXPECT_EQ(Step(), 1);
    auto* forward = Find<QPushButton>("ButtonForward");
    forward->setFocus();
    QTest::keyClick(forward, Qt::Key_Return);
    EXPECT_EQ(Step(), 2);
    QTest::keyClick(forward, Qt::Key_Escape);
    EXPECT_EQ(Step(), 2);
}

TEST_F(Wizard, TabGoesThroughStepOneThenTheButtons) {
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    Find("Data")->setFocus();
    QStringList order;
    for (int i = 0; i < 9; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // The back button is disabled on step 1 and the other panels hidden.
    const QStringList expected{"Data",   "Mesto",         "MestoProverki", "ObjName", "NameOrg",
                               "Oborud", "ButtonForward", "Button3",       "Button1"};
    EXPECT_EQ(order, expected);
}

TEST_F(Wizard, ExitClosesTheWindowOnAnyStep) {
    ReachStep(3);
    Click("Button3");
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(Wizard, LinkOpensTheMakersSite) {
    QTest::mouseClick(Find("Label2"), Qt::LeftButton);
    ASSERT_EQ(openedUrls_.size(), 1);
    EXPECT_EQ(openedUrls_.front(), QUrl(QString::fromUtf8(wizard::MakerAddress.data())));
}

TEST_F(Wizard, GeneralDataIsReadAsTyped) {
    TypeText(Find<QLineEdit>("Mesto"), QStringLiteral("г. Тверь"));
    TypeText(Find<QLineEdit>("MestoProverki"), QStringLiteral("ул. Советская, 1"));
    TypeText(Find<QLineEdit>("ObjName"), QStringLiteral("Школа №3"));
    TypeText(Find<QLineEdit>("NameOrg"), QStringLiteral("ООО «Пожсервис»"));
    TypeText(Find<QComboBox>("Oborud"), QStringLiteral("ств"));
    const protocol::GeneralData data = window_->Panel1()->GeneralData();
    EXPECT_EQ(data.date.day, Today.day());
    EXPECT_EQ(data.date.month, Today.month());
    EXPECT_EQ(data.date.year, Today.year());
    EXPECT_EQ(data.Mesto, "г. Тверь");
    EXPECT_EQ(data.MestoProverki, "ул. Советская, 1");
    EXPECT_EQ(data.ObjName, "Школа №3");
    EXPECT_EQ(data.NameOrg, "ООО «Пожсервис»");
    EXPECT_EQ(data.Oborud, "Ствол-водомер с манометром HPS");
    EXPECT_EQ(window_->Panel1()->Address(), QStringLiteral("ул. Советская, 1"));
}

TEST_F(Wizard, EquipmentTakesFreeText) {
    TypeText(Find<QComboBox>("Oborud"), QStringLiteral("Манометр МП-100"));
    EXPECT_EQ(window_->Panel1()->GeneralData().Oborud, "Манометр МП-100");
    EXPECT_EQ(Find<QComboBox>("Oborud")->currentIndex(), -1);
}

// The About window: modal, "Закрыть" focused, Escape ignored, the same window every time.
class About : public WizardFixture {
protected:
    void SetUp() override {
        WizardFixture::SetUp();
        about_ = std::make_unique<Tf_about>(window_.get());
        window_->SetAboutWindow(about_.get());
    }
    void TearDown() override {
        about_.reset();
        WizardFixture::TearDown();
    }
    // Runs `whileOpen` inside the modal showing; returns whether the window was then modal.
    void OpenAbout(std::function<void(Tf_about*)> whileOpen) {
        QTimer::singleShot(0, [this, whileOpen] {
            Tf_about* shown = qobject_cast<Tf_about*>(QApplication::activeModalWidget());
            EXPECT_EQ(shown, about_.get());
            if (shown)
                whileOpen(shown);
            if (about_->isVisible())
                about_->reject();
        });
        Click("Button1");
    }
    std::unique_ptr<Tf_about> about_;
};

TEST_F(About, ShowsModallyWithCloseFocused) {
    bool checked = false;
    OpenAbout([&](Tf_about* about) {
        EXPECT_EQ(about->windowTitle(), QStringLiteral("О программе"));
        EXPECT_EQ(about->size(), QSize(312, 206));
        EXPECT_EQ(about->focusWidget(), about->findChild<QPushButton*>("Button1"));
        EXPECT_EQ(about->findChild<QLabel*>("Label1")->text(), QStringLiteral("Напорис"));
        EXPECT_EQ(about->findChild<QLabel*>("Label2")->text(), QStringLiteral("Версия 0.9"));
        // Centred over the main window at its first showing.
        const QPoint offset = about->frameGeometry().center() - window_->frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << ", " << offset.y();
        checked = true;
    });
    EXPECT_TRUE(checked);
    EXPECT_FALSE(about_->isVisible());
    EXPECT_EQ(Step(), 1);
}

TEST_F(About, EscapeDoesNothingEnterCloses) {
    bool stayedOpen = false;
    bool closed = false;
    OpenAbout([&](Tf_about* about) {
        QTest::keyClick(about, Qt::Key_Escape);
        stayedOpen = about->isVisible();
        QTest::keyClick(about->focusWidget(), Qt::Key_Return);
        closed = !about->isVisible();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(closed);
}

TEST_F(About, CloseButtonCloses) {
    bool closed = false;
    OpenAbout([&](Tf_about* about) {
        QTest::mouseClick(about->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        closed = !about->isVisible();
    });
    EXPECT_TRUE(closed);
}

TEST_F(About, OpensTheSameWindowWhereItWasClosed) {
    QPoint first;
    OpenAbout([&](Tf_about* about) {
        about->move(about->pos() + QPoint(20, 10));
        first = about->pos();
    });
    QPoint second;
    OpenAbout([&](Tf_about* about) { second = about->pos(); });
    EXPECT_EQ(second, first);
}

TEST_F(About, AddressOpensTheMakersSite) {
    OpenAbout([&](Tf_about* about) {
        QTest::mouseClick(about->findChild<QLabel*>("Label7"), Qt::LeftButton);
    });
    ASSERT_EQ(openedUrls_.size(), 1);
    EXPECT_EQ(openedUrls_.front(), QUrl(QString::fromUtf8(wizard::MakerAddress.data())));
}

} // namespace

namespace {

// An event handler that fails, as a transition can.
struct Failing : QObject {
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throw std::runtime_error("Ошибка записи");
        return QObject::event(event);
    }
};

TEST_F(Wizard, FailureEscapingAHandlerIsShownAndTheProgramGoesOn) {
    Failing failing;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&failing, &event);
    ASSERT_EQ(failures_.size(), 1);
    EXPECT_EQ(failures_.front(), QStringLiteral("Ошибка записи."));
    Forward();
    EXPECT_EQ(Step(), 2);
}

TEST_F(Wizard, FailureOfAGuardedHandlerGoesNoFurther) {
    // The operation fails only when it runs, as a write to a full disk does, so the rest of
    // the handler is there to be skipped.
    const std::function<void()> write = [] { throw std::runtime_error("disk full"); };
    bool after = false;
    common::RunGuarded([&] {
        write();
        after = true;
    });
    EXPECT_FALSE(after);
    EXPECT_EQ(failures_, QStringList{"disk full."});
}

// Failures without a message of their own still say what happened.
TEST_F(Wizard, FailureWithoutAMessageIsNamed) {
    common::RunGuarded([] { throw std::bad_alloc(); });
    common::RunGuarded([] { throw 42; });
    EXPECT_EQ(failures_, (QStringList{"Недостаточно памяти.", "Непредвиденная ошибка."}));
}

} // namespace
