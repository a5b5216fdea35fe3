#pragma once

// A whole inspection typed into the real main window by keys and clicks, up to step 4, with
// the failure report and the desktop replaced so that what the window shows or opens is
// recorded. TypedStillThere() says whether everything typed is still in the window.
#include "support/main_window_fixture.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

struct TypedInspection {
    QString locality = QStringLiteral("г. Тула");
    QString address = QStringLiteral("ул. Ленина, д. 5");
    QString object = QStringLiteral("Жилой дом, 17 этажей");
    QString organisation = QStringLiteral("ООО «Пожарный надзор»");
    QString equipment = QStringLiteral("Ствол-водомер с манометром HPS");
    QStringList locations{QStringLiteral("1 этаж"), QStringLiteral("9 этаж"),
                          QStringLiteral("17 этаж")};
    QStringList pressures{QStringLiteral("2,5"), QStringLiteral("0,7"), QStringLiteral("30")};
    QString addedToConclusion = QStringLiteral(" Проверил инспектор.");
};

class InspectionFixture : public MainWindowFixture {
public:
    // The opener that records each protocol handed to the desktop.
    void UseRecordingOpener() {
        window_->SetDocumentOpener([this](const QString& path) {
            opened_ << path;
            return true;
        });
    }

protected:
    void Click(const char* name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
    void ClickLeftEdge(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
    }

    void TypeInto(const char* field, const QString& text) {
        QWidget* w = Find(field);
        w->setFocus();
        TypeText(w, text);
    }

    // Steps 1 to 4 as the inspector goes through them: a residential building of 17 floors
    // with the corridor condition (three jets), a location and a pressure per fire cock, and a
    // sentence added to the conclusion.
    void TypeInspection() {
        TypeInto("Mesto", typed_.locality);
        TypeInto("MestoProverki", typed_.address);
        TypeInto("ObjName", typed_.object);
        TypeInto("NameOrg", typed_.organisation);
        TypeInto("Oborud", typed_.equipment);
        Click("ButtonForward");

        ClickLeftEdge(Find("Zhiloe"));
        auto* floors = Find<QWidget>("NumEtazh");
        floors->setFocus();
        QTest::keyClick(floors, Qt::Key_A, Qt::ControlModifier);
        TypeText(floors, QStringLiteral("17"));
        ClickLeftEdge(Find("DlCor"));
        Click("ButtonForward");
        ASSERT_TRUE(Find("Panel3")->isVisible()) << "step 3 not reached";

        for (int row = 0; row < typed_.pressures.size(); ++row) {
            EnterCell(row + 1, 2, typed_.locations[row]);
            EnterCell(row + 1, 4, typed_.pressures[row]);
        }
        Click("ButtonForward");
        ASSERT_TRUE(Find("Panel4")->isVisible()) << "step 4 not reached";

        auto* memo = Find<QPlainTextEdit>("Memo1");
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
        TypeText(memo, typed_.addedToConclusion);
        conclusion_ = memo->toPlainText();
        ASSERT_TRUE(conclusion_.endsWith(typed_.addedToConclusion));
    }

    QString CellText(int row, int column) const {
        auto* view = Find<QTableView>("SG");
        return view->model()->index(row, column).data().toString();
    }

    // Everything typed is still in the window, and the window takes input again.
    void ExpectTypedStillThere() const {
        EXPECT_TRUE(window_->isEnabled());
        EXPECT_FALSE(progress_->isVisible());
        EXPECT_TRUE(Find("Panel4")->isVisible());
        EXPECT_EQ(Find<QLineEdit>("Mesto")->text(), typed_.locality);
        EXPECT_EQ(Find<QLineEdit>("MestoProverki")->text(), typed_.address);
        EXPECT_EQ(Find<QLineEdit>("ObjName")->text(), typed_.object);
        EXPECT_EQ(Find<QLineEdit>("NameOrg")->text(), typed_.organisation);
        EXPECT_EQ(Find<QComboBox>("Oborud")->currentText(), typed_.equipment);
        EXPECT_TRUE(Find<QRadioButton>("Zhiloe")->isChecked());
        EXPECT_TRUE(Find<QCheckBox>("DlCor")->isChecked());
        for (int row = 0; row < typed_.pressures.size(); ++row) {
            EXPECT_EQ(CellText(row, 2), typed_.locations[row]) << "row " << row;
            EXPECT_EQ(CellText(row, 4), typed_.pressures[row]) << "row " << row;
        }
        EXPECT_EQ(Find<QPlainTextEdit>("Memo1")->toPlainText(), conclusion_);
    }

    TypedInspection typed_;
    QString conclusion_;
};
