// The recovery file: kept while there are unsaved entries, gone after a save or a clean exit,
// offered at the next start only when its program did not end cleanly.
#include "common/utf8_path.h"
#include "wizard/inspection_file.h"
#include "wizard/recovery_file.h"
#include "wizard/start_up.h"
#include "wizard_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

namespace {

class Recovery : public WizardFixture {
protected:
    QString Folder() const { return QDir(folder_.path()).filePath(QStringLiteral("Напорис")); }

    QStringList RecoveryFiles() const {
        return QDir(Folder()).entryList({QStringLiteral("recovery-*.naporis")}, QDir::Files);
    }

    QString RecoveryText() const {
        const QStringList files = RecoveryFiles();
        if (files.size() != 1)
            return {};
        QFile file(QDir(Folder()).filePath(files.front()));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll());
    }

    void TypeAddress(const QString& text) {
        auto* address = Find<QLineEdit>("MestoProverki");
        address->setFocus();
        address->selectAll();
        TypeText(address, text);
    }

    // Until the recovery file holds the text, at most the longest delay and a little more.
    bool RecoveryHolds(const QString& text) {
        return QTest::qWaitFor(
            [&] {
                recovery_->Wait();
                return RecoveryText().contains(text);
            },
            TF_1::RecoveryMaxDelayMs + 2000);
    }

    void StartRecovery() {
        recovery_ = std::make_unique<RecoveryFile>(Folder());
        window_->SetRecoveryFile(recovery_.get());
    }

    void TearDown() override {
        if (window_)
            window_->SetRecoveryFile(nullptr);
        recovery_.reset();
        WizardFixture::TearDown();
    }

    std::unique_ptr<RecoveryFile> recovery_;
};

TEST_F(Recovery, UnsavedEntriesAreWrittenAndASaveRemovesThem) {
    StartRecovery();
    TypeAddress(QStringLiteral("ул. Ленина, 5"));
    ASSERT_TRUE(RecoveryHolds(QStringLiteral("ул. Ленина, 5")));
    saveAs_ = QDir(folder_.path()).filePath(QStringLiteral("a.naporis"));
    QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
    recovery_->Wait();
    EXPECT_TRUE(RecoveryFiles().isEmpty());
}

// Typing that goes on without a pause is written no later than the longest delay.
TEST_F(Recovery, WrittenWhileTypingGoesOn) {
    StartRecovery();
    auto* address = Find<QLineEdit>("MestoProverki");
    address->setFocus();
    QElapsedTimer typing;
    typing.start();
    int typed = 0;
    while (typing.elapsed() < TF_1::RecoveryMaxDelayMs + 1500) {
        TypeText(address, QStringLiteral("ж"));
        ++typed;
        QTest::qWait(TF_1::RecoveryDelayMs / 4); // faster than the pause the file waits for
    }
    recovery_->Wait();
    EXPECT_TRUE(RecoveryText().contains(QStringLiteral("жжж"))) << typed << " keys typed";
}

TEST_F(Recovery, CleanExitRemovesTheFile) {
    StartRecovery();
    TypeAddress(QStringLiteral("ул. Ленина, 5"));
    ASSERT_TRUE(RecoveryHolds(QStringLiteral("ул. Ленина, 5")));
    answer_ = TF_1::Answer::No;
    Click("Button3");
    EXPECT_FALSE(window_->isVisible());
    EXPECT_TRUE(RecoveryFiles().isEmpty());
    EXPECT_TRUE(QDir(Folder()).entryList(QDir::Files).isEmpty()) << "a lock file stays behind";
}

// Entries typed and then typed back as they were leave no recovery file.
TEST_F(Recovery, NothingUnsavedNothingKept) {
    StartRecovery();
    TypeAddress(QStringLiteral("x"));
    ASSERT_TRUE(RecoveryHolds(QStringLiteral("x")));
    TypeAddress(QString());
    QTest::keyClick(Find<QLineEdit>("MestoProverki"), Qt::Key_Backspace);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            recovery_->Wait();
            return RecoveryFiles().isEmpty();
        },
        TF_1::RecoveryMaxDelayMs + 2000));
}

// A program that ends without cleaning up (its lock let go, its file left) is offered to the
// next one, which restores it and keeps it as its own recovery file.
TEST_F(Recovery, LeftFileIsOfferedAndRestored) {
    StartRecovery();
    TypeAddress(QStringLiteral("ул. Ленина, 5"));
    ASSERT_TRUE(RecoveryHolds(QStringLiteral("ул. Ленина, 5")));
    const wizard::Inspection typed = window_->CurrentInspection();
    window_->SetRecoveryFile(nullptr);
    recovery_.reset(); // the lock goes as it goes when a program is killed

    TF_1 next;
    StartRecovery();
    next.SetRecoveryFile(recovery_.get());
    QList<QDateTime> asked;
    const bool restored = wizard::ResumeWork(next, *recovery_, {QStringLiteral("naporis")},
                                             [&](const QDateTime& written) {
                                                 asked << written;
                                                 return true;
                                             });
    EXPECT_TRUE(restored);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_LE(asked.front().secsTo(QDateTime::currentDateTime()), 60);
    EXPECT_TRUE(next.CurrentInspection() == typed);
    EXPECT_TRUE(next.HasUnsavedChanges());
    next.SetRecoveryFile(nullptr);
    EXPECT_EQ(RecoveryFiles().size(), 1) << "the restored file stays until a save";
}

// Restored entries of an opened file belong to that file again: its name in the title, the
// modified mark, and Ctrl+S saves there without a dialog.
TEST_F(Recovery, RestoredEntriesKeepTheirFile) {
    const QString path = QDir(folder_.path()).filePath(QStringLiteral("школа.naporis"));
    wizard::SaveInspectionFile(common::PathFromUtf8(path.toStdString()),
                               wizard::NewInspection({1, 2, 2025}));
    StartRecovery();
    ASSERT_TRUE(window_->OpenInspectionFile(path));
    TypeAddress(QStringLiteral("ул. Ленина, 5"));
    ASSERT_TRUE(RecoveryHolds(QStringLiteral("ул. Ленина, 5")));
    window_->SetRecoveryFile(nullptr);
    recovery_.reset();

    TF_1 next;
    StartRecovery();
    next.SetRecoveryFile(recovery_.get());
    QStringList chosen;
    next.SetFileChooser([&](TF_1::FileChoice, const QString& proposed) {
        chosen << proposed;
        return QString();
    });
    ASSERT_TRUE(wizard::ResumeWork(next, *recovery_, {QStringLiteral("naporis")},
                                   [](const QDateTime&) { return true; }));
    EXPECT_EQ(next.windowTitle(), QStringLiteral("школа[*] — Напорис 0.9"));
    EXPECT_TRUE(next.isWindowModified());
    ASSERT_TRUE(next.SaveInspection());
    EXPECT_TRUE(chosen.isEmpty());
    const auto read = wizard::LoadInspectionFile(common::PathFromUtf8(path.toStdString()));
    ASSERT_TRUE(read.inspection);
    EXPECT_EQ(read.inspection->general.MestoProverki, "ул. Ленина, 5");
    recovery_->Wait();
    EXPECT_TRUE(RecoveryFiles().isEmpty());
    next.SetRecoveryFile(nullptr);
}

TEST_F(Recovery, DeclinedFileIsRemoved) {
    {
        RecoveryFile left(Folder());
        wizard::Inspection x = wizard::NewInspection({1, 2, 2025});
        x.general.Mesto = "Тула";
        left.Write(wizard::WriteInspection(x));
        left.Wait();
    }
    StartRecovery();
    int asked = 0;
    wizard::ResumeWork(*window_, *recovery_, {QStringLiteral("naporis")},
                       [&](const QDateTime&) { return ++asked, false; });
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(RecoveryFiles().isEmpty());
    EXPECT_FALSE(window_->HasUnsavedChanges());
}

// A running program's file is its own: another program neither offers nor removes it.
TEST_F(Recovery, RunningProgramsFileIsNotOffered) {
    RecoveryFile running(Folder());
    running.Write(wizard::WriteInspection(wizard::NewInspection({1, 2, 2025})));
    running.Wait();
    StartRecovery();
    int asked = 0;
    wizard::ResumeWork(*window_, *recovery_, {QStringLiteral("naporis")},
                       [&](const QDateTime&) { return ++asked, true; });
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(RecoveryFiles().size(), 1);
}

TEST_F(Recovery, DamagedLeftFileIsNotOffered) {
    {
        RecoveryFile left(Folder());
        left.Write("<naporis-inspection version=\"1\"");
        left.Wait();
    }
    StartRecovery();
    int asked = 0;
    wizard::ResumeWork(*window_, *recovery_, {QStringLiteral("naporis")},
                       [&](const QDateTime&) { return ++asked, true; });
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(RecoveryFiles().isEmpty());
}

TEST_F(Recovery, CommandLineFileIsOpened) {
    const QString path = QDir(folder_.path()).filePath(QStringLiteral("школа.naporis"));
    wizard::Inspection x = wizard::NewInspection({1, 2, 2025});
    x.general.MestoProverki = "ул. Мира, 1";
    wizard::SaveInspectionFile(common::PathFromUtf8(path.toStdString()), x);
    StartRecovery();
    wizard::ResumeWork(*window_, *recovery_, {QStringLiteral("naporis"), path}, {});
    EXPECT_TRUE(window_->CurrentInspection() == x);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("школа[*] — Напорис 0.9"));
}

TEST(RestoreQuestion, NamesDateAndTime) {
    EXPECT_EQ(wizard::RestoreQuestionText(QDateTime(QDate(2026, 12, 10), QTime(16, 5))),
              QStringLiteral("Восстановить несохранённую проверку от 10.12.2026 16:05?"));
}

} // namespace
