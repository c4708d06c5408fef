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
