// Start-up in its three modes, the settings file, the report series and the tribe dialog.

#include "fixture.h"

using namespace orv::gui::testing;

namespace {

QString Title(const QString& report) {
    return u"OrvMove (report loaded: "_s + report + u")[*]"_s;
}

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    // A report on the command line: the tribe dialog, no settings file read or written.
    void commandLineReportAsksForTheTribeAndKeepsNoSettings() {
        MainFixture f;
        QVERIFY(f.StartAsVikings());
        QCOMPARE(f.form->windowTitle(), Title(Example("turn12.txt")));
        QCOMPARE(f.form->GroupBoxTribe->title(), u"Tribe Vikings"_s);
        QVERIFY(!f.form->menuItemReinitialize->isVisible());
        QVERIFY(!QFile::exists(f.SettingsPath()));
    }

    // The first start picks a report and writes the settings; a settings file that cannot
    // be read asks to reinitialize; a cancelled tribe dialog ends the program.
    void firstStartAndBrokenSettings() {
        MainFixture first;
        first.picker.nextFile = first.CopyReport(u"turn12.txt"_s);
        first.AnswerTribeDialog(true, u"2. Sons of Odin"_s);
        QVERIFY(first.form->FormShow({}));
        QCOMPARE(first.picker.titles, QStringList{u"Select report to load"_s});
        QCOMPARE(first.ReadFile(first.SettingsPath()),
                 first.picker.nextFile.toLocal8Bit() + QByteArray("\r\nSons of Odin\r\n"));
        QVERIFY(first.form->menuItemReinitialize->isVisible());

        MainFixture broken;
        broken.WriteFile(broken.SettingsPath(), QByteArray("\0\x01\xff\r\n\xfe", 6));
        QVERIFY(broken.form->FormShow({}));
        QVERIFY(broken.notifier.errors.value(0).contains(u"reinitialize"_s));
        QCOMPARE(broken.form->windowTitle(), u"OrvMove[*]"_s);

        MainFixture tribe;
        tribe.AnswerTribeDialog(false);
        QVERIFY(!tribe.form->FormShow({Example("turn12.txt")}));
    }

    void settingsStartAtTheNewestReportAndTheButtonsStepTheSeries() {
        MainFixture f;
        const QString t3 = f.CopyReport(u"turn3.txt"_s);
        const QString t5 = f.CopyReport(u"turn5.txt"_s);
        const QString t12 = f.CopyReport(u"turn12.txt"_s);
        f.WriteFile(f.SettingsPath(), t3.toLocal8Bit() + "\r\nVikings\r\n");
        QVERIFY(f.form->FormShow({}));
        QCOMPARE(f.form->windowTitle(), Title(t12));
        QVERIFY(!f.form->ButtonNext->isEnabled());
        f.form->ButtonPrevious->click();
        QCOMPARE(f.form->windowTitle(), Title(t5));
        QVERIFY(f.form->ButtonNext->isEnabled() && f.form->ButtonPrevious->isEnabled());
        f.form->ButtonPrevious->click();
        QVERIFY(!f.form->ButtonPrevious->isEnabled());
        f.form->ButtonNext->click();
        QCOMPARE(f.form->windowTitle(), Title(t5));
        QCOMPARE(f.form->GroupBoxTribe->title(), u"Tribe Vikings"_s);
        QVERIFY(f.notifier.errors.isEmpty());
    }

    // An installed build reads a settings file left beside the program or in the working
    // folder once, as an import, and from then on keeps its settings in the user's folder.
    void installedBuildImportsOldSettingsAndNeverWritesBesideTheProgram() {
        QTemporaryDir config;
        for (const bool besideTheProgram : {true, false}) {
            QDir(config.path()).removeRecursively();
            MainFixture f({}, config.path(), false);
            const QString report = f.CopyReport(u"turn12.txt"_s);
            const QByteArray old = report.toLocal8Bit() + "\r\nPicts\r\n";
            const QString left =
                besideTheProgram ? f.SettingsPath() : f.work.filePath(u"OrvMove.ini"_s);
            f.WriteFile(left, old);
            QVERIFY(f.form->FormShow({}));
            QCOMPARE(f.form->GroupBoxTribe->title(), u"Tribe Picts"_s);
            const QString kept = config.filePath(u"OrvMove.ini"_s);
            QCOMPARE(f.ReadFile(kept), old);
            f.picker.nextFile = f.CopyReport(u"turn13.txt"_s);
            f.AnswerTribeDialog(true, u"3. Vikings"_s);
            f.form->menuItemReinitializeClick();
            QCOMPARE(f.ReadFile(kept), f.picker.nextFile.toLocal8Bit() + "\r\nVikings\r\n");
            QCOMPARE(f.ReadFile(left), old);
            f.form->close();
            QCOMPARE(QDir(f.programDir.path()).entryList(QDir::Files),
                     besideTheProgram ? QStringList{u"OrvMove.ini"_s} : QStringList());
        }
    }

    // The tribe dialog starts on the tribe last played with the report's series, also for a
    // report named on the command line; a report of another series starts on the first.
    void theTribeDialogProposesTheTribeOfTheSeries() {
        QTemporaryDir config;
        QTemporaryDir reports;
        const auto report = [&reports](const QString& name) {
            QFile::copy(Example("turn12.txt"), reports.filePath(name));
            return reports.filePath(name);
        };
        {
            MainFixture f({}, config.path());
            QVERIFY(f.StartWith(report(u"turn12.txt"_s), u"2. Sons of Odin"_s));
        }
        MainFixture next({}, config.path());
        QVERIFY(next.StartWith(report(u"turn13.txt"_s)));
        QCOMPARE(next.tribeShown, u"2. Sons of Odin"_s);
        QCOMPARE(next.form->GroupBoxTribe->title(), u"Tribe Sons of Odin"_s);
        MainFixture other({}, config.path());
        QVERIFY(other.StartWith(report(u"game13.txt"_s)));
        QCOMPARE(other.tribeShown, u"1. Black Company"_s);

        // One Return takes the tribe shown: the field's completion claims no key of its own.
        TribeDialog dialog;
        dialog.Fill({"1. Black Company", "2. Sons of Odin"}, "Sons of Odin");
        QTimer::singleShot(0, &dialog, [&dialog] {
            QTest::keyClick(dialog.ComboBoxTribes()->lineEdit(), Qt::Key_Return);
            if (dialog.isVisible()) {
                dialog.done(QDialog::Rejected);
            }
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.ChosenTribeName(), "Sons of Odin");
    }

    void reinitializeWritesTheSettingsAndCancelEndsTheProgram() {
        MainFixture f;
        f.StartAsVikings();
        f.picker.nextFile = f.CopyReport(u"turn7.txt"_s);
        f.AnswerTribeDialog(true, u"4. Picts"_s);
        f.form->menuItemReinitializeClick();
        // The dialog takes typing at once and starts on the tribe played before.
        QVERIFY(f.tribeFocused);
        QCOMPARE(f.tribeShown, u"3. Vikings"_s);
        QCOMPARE(f.ReadFile(f.SettingsPath()),
                 f.picker.nextFile.toLocal8Bit() + QByteArray("\r\nPicts\r\n"));
        QVERIFY(!f.form->GroupBoxReport->isHidden());
        QCOMPARE(f.quits, 0);
        f.AnswerTribeDialog(false);
        f.form->menuItemLoadReportClick();
        QCOMPARE(f.quits, 1);
    }
};

} // namespace

ORV_GUI_TEST_CLASS(StartupTest);

#include "startup_test.moc"
