// Start-up in its three modes, the settings file and the report series.

#include "core/report/report_series.h"
#include "fixture.h"
#include "gui/initialize.h"
#include "gui_tests.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using orv::gui::testing::Example;
using orv::gui::testing::MainFixture;

namespace {

QString Title(const QString& report) {
    return QStringLiteral("OrvMove (report loaded: ") + report + QStringLiteral(")");
}

const QString ReinitializeHelp =
    QStringLiteral("\r\nPlease reinitialize OrvMove\r\n(use menu item \"Reinitialize...\" in "
                   "\"Report\" menu)\r\nand read section \"Initialisation\" in online help");

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void commandLineReportAsksForTheTribeAndKeepsNoSettings() {
        MainFixture f;
        f.AnswerTribeDialog(true, QStringLiteral("3. Vikings"));
        QVERIFY(f.form->FormShow({Example("turn12.txt")}));
        QCOMPARE(orv::gui::testing::ShownTitle(f.form.get()), Title(Example("turn12.txt")));
        QCOMPARE(f.form->GroupBoxTribe->title(), QStringLiteral("Tribe Vikings"));
        QCOMPARE(f.form->LabelSGoldVal->text(), QStringLiteral("2400"));
        QCOMPARE(f.form->LabelSWoodVal->text(), QStringLiteral("520"));
        QCOMPARE(f.form->LabelSFoodVal->text(), QStringLiteral("880"));
        QCOMPARE(f.form->LabelCGoldVal->text(), QStringLiteral("2400"));
        QVERIFY(!f.form->GroupBoxReport->isHidden());
        QVERIFY(!f.form->menuItemReinitialize->isVisible());
        QVERIFY(!f.form->menuItemline->isVisible());
        QVERIFY(!QFile::exists(f.SettingsPath()));
        QCOMPARE(f.form->ListBoxCommands->count(), 12);
        QVERIFY(f.notifier.errors.isEmpty());
    }

    void missingCommandLineReportGoesOnWithAnEmptyTribeList() {
        MainFixture f;
        const QString gone = f.work.filePath(QStringLiteral("turn4.txt"));
        f.StartWith(gone);
        QCOMPARE(f.notifier.errors,
                 QStringList{QStringLiteral("File ") + gone + QStringLiteral(" not found!")});
        QCOMPARE(f.form->TribeChoice()->ComboBoxTribes()->count(), 0);
        QCOMPARE(f.form->LabelSGoldVal->text(), QStringLiteral("-"));
    }

    void cancellingTheTribeDialogEndsTheProgram() {
        MainFixture f;
        f.AnswerTribeDialog(false);
        QVERIFY(!f.form->FormShow({Example("turn12.txt")}));
    }

    void withoutArgumentAndWithoutSettingsTheUserPicksAReport() {
        MainFixture f;
        f.picker.nextFile = f.CopyReport(QStringLiteral("turn12.txt"));
        f.AnswerTribeDialog(true, QStringLiteral("2. Sons of Odin"));
        QVERIFY(f.form->FormShow({}));
        QCOMPARE(f.picker.titles, QStringList{QStringLiteral("Select report to load")});
        QCOMPARE(f.form->GroupBoxTribe->title(), QStringLiteral("Tribe Sons of Odin"));
        QCOMPARE(f.ReadFile(f.SettingsPath()),
                 f.picker.nextFile.toLocal8Bit() + QByteArray("\r\nSons of Odin\r\n"));
        QVERIFY(f.form->menuItemReinitialize->isVisible());
    }

    void cancellingTheFirstReportDialogEndsTheProgram() {
        MainFixture f;
        QVERIFY(!f.form->FormShow({}));
        QCOMPARE(f.picker.titles.size(), 1);
    }

    void settingsStartAtTheNewestReportAndTheButtonsStepTheSeries() {
        MainFixture f;
        const QString t3 = f.CopyReport(QStringLiteral("turn3.txt"));
        const QString t5 = f.CopyReport(QStringLiteral("turn5.txt"));
        const QString t12 = f.CopyReport(QStringLiteral("turn12.txt"));
        f.CopyReport(QStringLiteral("turnX.txt"));
        f.CopyReport(QStringLiteral("turn-5.txt"));
        f.WriteFile(f.SettingsPath(), t3.toLocal8Bit() + "\r\nVikings\r\n");
        QVERIFY(f.form->FormShow({}));
        QCOMPARE(orv::gui::testing::ShownTitle(f.form.get()), Title(t12));
        QCOMPARE(f.form->LabelSGoldVal->text(), QStringLiteral("2400"));
        QVERIFY(!f.form->ButtonNext->isEnabled());
        QVERIFY(f.form->ButtonPrevious->isEnabled());

        f.form->ButtonPrevious->click();
        QCOMPARE(orv::gui::testing::ShownTitle(f.form.get()), Title(t5));
        QVERIFY(f.form->ButtonNext->isEnabled());
        QVERIFY(f.form->ButtonPrevious->isEnabled());

        f.form->ButtonPrevious->click();
        QCOMPARE(orv::gui::testing::ShownTitle(f.form.get()), Title(t3));
        QVERIFY(!f.form->ButtonPrevious->isEnabled());

        f.form->ButtonNext->click();
        QCOMPARE(orv::gui::testing::ShownTitle(f.form.get()), Title(t5));
        QCOMPARE(f.form->GroupBoxTribe->title(), QStringLiteral("Tribe Vikings"));
        QVERIFY(f.notifier.errors.isEmpty());
    }

    void hostileSettingsFilesGiveTheMessageAndNoCrash() {
        const QList<QByteArray> contents = {QByteArray(), QByteArray("\0\x01\xff\r\n\xfe", 6),
                                            QByteArray(70000, '7')};
        for (const QByteArray& content : contents) {
            MainFixture f;
            f.WriteFile(f.SettingsPath(), content);
            QVERIFY(f.form->FormShow({}));
            QCOMPARE(f.notifier.errors.size(), 1);
            QVERIFY(f.notifier.errors.first().endsWith(ReinitializeHelp));
            QCOMPARE(orv::gui::testing::ShownTitle(f.form.get()), QStringLiteral("OrvMove"));
        }
    }

    void aSettingsFileThatIsAFolderCountsAsFirstUse() {
        MainFixture f;
        QDir().mkpath(f.SettingsPath());
        QVERIFY(!f.form->FormShow({}));
        QCOMPARE(f.picker.titles, QStringList{QStringLiteral("Select report to load")});
    }

    void reinitializeWritesTheSettingsAndCancelEndsTheProgram() {
        MainFixture f;
        f.StartWith(Example("turn12.txt"));
        f.picker.nextFile = f.CopyReport(QStringLiteral("turn7.txt"));
        f.AnswerTribeDialog(true, QStringLiteral("4. Picts"));
        f.form->menuItemReinitializeClick();
        QCOMPARE(f.ReadFile(f.SettingsPath()),
                 f.picker.nextFile.toLocal8Bit() + QByteArray("\r\nPicts\r\n"));
        QVERIFY(!f.form->GroupBoxReport->isHidden());
        QVERIFY(!f.form->ButtonNext->isEnabled());
        QCOMPARE(f.quits, 0);

        f.AnswerTribeDialog(false);
        f.form->menuItemLoadReportClick();
        QCOMPARE(f.quits, 1);
    }

    void reportLoadShowsTheSeriesBoxByTheFileName() {
        MainFixture f;
        f.StartWith(f.CopyReport(QStringLiteral("report.txt")));
        QVERIFY(f.form->GroupBoxReport->isHidden());
        f.picker.nextFile = f.CopyReport(QStringLiteral("turn9.txt"));
        f.AnswerTribeDialog(true);
        f.form->menuItemLoadReportClick();
        QVERIFY(!f.form->GroupBoxReport->isHidden());
        QVERIFY(!QFile::exists(f.SettingsPath()));

        f.picker.nextFile = QString();
        f.form->menuItemLoadReportClick();
        QCOMPARE(orv::gui::testing::ShownTitle(f.form.get()),
                 Title(f.work.filePath(QStringLiteral("turn9.txt"))));
    }

    void theTribeDialogReadsTheEntryItIsGiven() {
        MainFixture f;
        f.AnswerTribeDialog(true, QStringLiteral("Bold"));
        f.form->FormShow({Example("turn12.txt")});
        QCOMPARE(f.form->State().game.tribeName, std::string("old"));
        QCOMPARE(f.form->LabelSGoldVal->text(), QStringLiteral("-"));
        const QComboBox* box = f.form->TribeChoice()->ComboBoxTribes();
        QCOMPARE(box->itemText(0), QStringLiteral("1. Black Company"));
        QCOMPARE(box->itemText(4), QStringLiteral("5. Iron Wolves"));
    }
};

} // namespace

std::vector<std::unique_ptr<QObject>> StartupTests() {
    std::vector<std::unique_ptr<QObject>> tests;
    tests.push_back(std::make_unique<StartupTest>());
    return tests;
}

#include "startup_test.moc"
