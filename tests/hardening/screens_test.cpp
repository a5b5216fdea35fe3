// Every step and both other windows, as laid out at the scale factor of the run (ctest runs
// this at QT_SCALE_FACTOR 1 and 2): no text cut off in the default font, no control over
// another. With --screens=<folder> each screen is also saved as a PNG to look at.
#include "walkthrough_fixture.h"
#include "wizard/protocol_warning.h"
#include "wizard/tf_about.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

namespace {

QString ScreensFolder() {
    for (const QString& argument : QCoreApplication::arguments())
        if (argument.startsWith(QStringLiteral("--screens=")))
            return argument.mid(10);
    return {};
}

QString Describe(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

// A plain line or box drawn round others: it may lie under what it frames.
bool IsDecoration(const QWidget* w) {
    return qstrcmp(w->metaObject()->className(), "QFrame") == 0 && w->children().isEmpty();
}

// Where a button draws its text, by the style in use.
QRect ButtonTextRect(const QAbstractButton* button) {
    if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(push);
        option.text = push->text();
        return push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
    return button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
}

// Texts that are cut: a label smaller than its text, or a button whose text is wider than
// the place its style draws it in. Qt's own parts count only in a box Qt lays out itself.
QStringList CutTexts(const QWidget* screen, bool qtParts = false) {
    QStringList cut;
    for (const QWidget* w : screen->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(screen) ||
            (!qtParts && w->objectName().startsWith(QStringLiteral("qt_"))))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty()) {
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) > label->height())
                    cut << Describe(w) + QStringLiteral(" (wrapped text too high)");
            } else if (label->sizeHint().width() > label->width() ||
                       label->sizeHint().height() > label->height()) {
                cut << QStringLiteral("%1 needs %2 x %3, has %4 x %5")
                           .arg(Describe(w))
                           .arg(label->sizeHint().width())
                           .arg(label->sizeHint().height())
                           .arg(label->width())
                           .arg(label->height());
            }
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w);
                   button && !button->text().isEmpty()) {
            const QRect place = ButtonTextRect(button);
            const QRect text = button->fontMetrics().boundingRect(button->text());
            if (text.width() > place.width() || text.height() > place.height())
                cut << QStringLiteral("%1's text needs %2 x %3, has %4 x %5")
                           .arg(Describe(w))
                           .arg(text.width())
                           .arg(text.height())
                           .arg(place.width())
                           .arg(place.height());
        }
    }
    return cut;
}

// Visible siblings that cover each other; a few pixels of a control's own margin (radio
// buttons 16 pixels apart, each a little taller) are not covering.
constexpr int OverlapTolerance = 3;
QStringList Overlaps(const QWidget* screen) {
    QStringList overlaps;
    QList<const QWidget*> parents{screen};
    for (const QWidget* w : screen->findChildren<QWidget*>())
        parents << w;
    for (const QWidget* parent : parents) {
        QList<const QWidget*> children;
        for (QObject* o : parent->children())
            if (auto* w = qobject_cast<const QWidget*>(o);
                w && w->isVisibleTo(screen) && !w->isWindow() && !IsDecoration(w) &&
                !w->objectName().startsWith(QStringLiteral("qt_")))
                children << w;
        for (qsizetype i = 0; i < children.size(); ++i)
            for (qsizetype j = i + 1; j < children.size(); ++j)
                if (const QRect common =
                        children[i]->geometry().intersected(children[j]->geometry());
                    common.width() > OverlapTolerance && common.height() > OverlapTolerance)
                    overlaps << Describe(children[i]) + QStringLiteral(" over ") +
                                    Describe(children[j]);
    }
    return overlaps;
}

class Screens : public InspectionFixture {
protected:
    void Look(QWidget* screen, const QString& name) {
        QApplication::processEvents();
        EXPECT_EQ(CutTexts(screen, qobject_cast<QMessageBox*>(screen) != nullptr), QStringList{})
            << name.toStdString();
        EXPECT_EQ(Overlaps(screen), QStringList{}) << name.toStdString();
        const QString folder = ScreensFolder();
        if (!folder.isEmpty()) {
            QDir().mkpath(folder);
            EXPECT_TRUE(screen->grab().save(folder + u'/' + name + QStringLiteral(".png")));
        }
    }
};

TEST_F(Screens, EveryStepAndWindowFits) {
    Look(window_.get(), QStringLiteral("step1"));
    ASSERT_NO_FATAL_FAILURE(TypeInspection());
    // Every building type's inputs on step 2, the longest captions included.
    Click("ButtonBack");
    Click("ButtonBack");
    for (const char* type : {"Zhiloe", "Uprava", "Obshaga", "Administr", "Proisv"}) {
        ClickLeftEdge(Find(type));
        Look(window_.get(), QStringLiteral("step2-") + QLatin1String(type));
    }
    // Degree IVа adds the two sub-panels with the longest captions.
    auto* degree = Find<QComboBox>("stepogn");
    degree->setFocus();
    for (int i = 0; i < degree->count() && degree->currentText() != QStringLiteral("IVа"); ++i)
        QTest::keyClick(degree, Qt::Key_Down);
    ASSERT_EQ(degree->currentText(), QStringLiteral("IVа"));
    Look(window_.get(), QStringLiteral("step2-Proisv-IVa"));
    ClickLeftEdge(Find("Zhiloe"));
    Click("ButtonForward");
    Look(window_.get(), QStringLiteral("step3"));
    Click("ButtonForward");
    Look(window_.get(), QStringLiteral("step4"));

    Tf_about about(window_.get());
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    Look(&about, QStringLiteral("about"));

    progress_->show();
    progress_->ShowProgress(50);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(progress_.get()));
    Look(progress_.get(), QStringLiteral("progress"));
}

// The warning for a protocol that no program opened, with a long folder name to wrap.
TEST_F(Screens, UnopenedProtocolWarningFits) {
    ASSERT_NO_FATAL_FAILURE(TypeInspection());
    const QString folder =
        folder_.path() +
        QStringLiteral("/Протоколы проверки ПК/Жилой дом по улице Большая Покровская, 15");
    ASSERT_TRUE(QDir().mkpath(folder));
    window_->SetDocumentFolder(folder);
    window_->SetDocumentOpener([](const QString&) { return false; });
    const common::MessageSink previous = wizard::SetUnopenedProtocolSink({});
    bool looked = false;
    std::function<void(int)> lookAtBox = [&](int attempts) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (attempts > 0)
                QTimer::singleShot(10, [&, attempts] { lookAtBox(attempts - 1); });
            return;
        }
        EXPECT_TRUE(QTest::qWaitForWindowExposed(box));
        Look(box, QStringLiteral("unopened-protocol"));
        looked = true;
        box->escapeButton()->click();
    };
    QTimer::singleShot(0, [&] { lookAtBox(500); });
    Click("ButtonForward");
    wizard::SetUnopenedProtocolSink(previous);
    EXPECT_TRUE(looked) << "no warning box showed";
}

} // namespace
