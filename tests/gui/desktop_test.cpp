// What players expect of a desktop program: the keys, a Save As that proposes a name, the
// recent files, the window coming back where it was, the status line and read-only text.

#include "fixture.h"
#include "gui/check_result.h"
#include "gui/initialize.h"
#include "gui/text_codec.h"
#include "gui_tests.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using orv::gui::testing::Example;
using orv::gui::testing::Lines;
using orv::gui::testing::MainFixture;

namespace {

// Started on the example report as the Vikings, the window shown and active.
struct Desktop : MainFixture {
    explicit Desktop(const QString& configFolder = {}) : MainFixture({}, configFolder) {
        AnswerTribeDialog(true, QStringLiteral("3. Vikings"));
        form->FormShow({Example("turn12.txt")});
        form->show();
        QApplication::setActiveWindow(form.get());
    }
    QString Move(const char* name, const QByteArray& text) {
        const QString path = work.filePath(QString::fromLatin1(name));
        WriteFile(path, text);
        return path;
    }
};

class DesktopTest : public QObject {
    Q_OBJECT
  private slots:
    void keysTriggerTheirActions() {
        Desktop f;
        const struct {
            QKeySequence key;
            QAction* action;
        } menuKeys[] = {
            {QKeySequence(Qt::CTRL | Qt::Key_N), f.form->menuItemNew},
            {QKeySequence(Qt::CTRL | Qt::Key_O), f.form->menuItemLoad},
            {QKeySequence(Qt::CTRL | Qt::Key_S), f.form->menuItemSave},
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), f.form->menuItemSaveAs},
            {QKeySequence(Qt::CTRL | Qt::Key_Q), f.form->menuItemQuit},
            {QKeySequence(Qt::Key_F9), f.form->menuItemCheckMove},
        };
        for (const auto& k : menuKeys) {
            QVERIFY2(k.action->shortcuts().contains(k.key), qPrintable(k.key.toString()));
        }
        f.SetMove({"ALL 1 2", "ESP 5 5", "END"});
        f.form->ListBoxMove->setFocus();
        f.form->ListBoxMove->setCurrentRow(1);
        QTest::keyClick(f.form->ListBoxMove, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(Lines(f.form->ListBoxMove).at(2),
                 QStringLiteral("Alter alliance status to player 1 to 2"));
        QTest::keyClick(f.form->ListBoxMove, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(f.form->ListBoxMove->currentRow(), 1);
        QTest::keyClick(f.form->ListBoxMove, Qt::Key_Delete);
        QCOMPARE(f.form->ListBoxMove->count(), 3);
        QVERIFY(f.form->ButtonMinus->toolTip().contains(QStringLiteral("up")));
        QVERIFY(f.form->ButtonPlus->toolTip().contains(QStringLiteral("down")));
        QCOMPARE(f.form->ButtonBelow->shortcut(), QKeySequence(Qt::Key_Insert));
    }

    void saveAsProposesTheTurnAndAddsTheExtension() {
        Desktop f;
        f.SetMove({"ALL 1 2", "END"});
        f.form->Document()->SetFileName({});
        f.picker.nextFile = f.work.filePath(QStringLiteral("mine"));
        f.picker.nextFilter = QStringLiteral("Command files (*.cmd)");
        f.form->menuItemSaveAsClick();
        QCOMPARE(f.picker.folders.last(), QString::fromLatin1(ORV_EXAMPLES_DIR "/turn12.cmd"));
        QVERIFY(QFile::exists(f.work.filePath(QStringLiteral("mine.cmd"))));
        QCOMPARE(f.form->statusBar()->currentMessage(), QStringLiteral("Saved mine.cmd"));
        // Another filter, or a name with an extension, is taken as it is.
        f.picker.nextFile = f.work.filePath(QStringLiteral("other"));
        f.picker.nextFilter = QStringLiteral("All files (*.*)");
        f.form->menuItemSaveAsClick();
        QCOMPARE(f.picker.folders.last(), f.work.filePath(QStringLiteral("mine.cmd")));
        QVERIFY(QFile::exists(f.work.filePath(QStringLiteral("other"))));
    }

    void recentFilesNewestFirstEightAtMost() {
        Desktop f;
        for (int i = 1; i <= 9; ++i) {
            f.picker.nextFile =
                f.Move(qPrintable(QStringLiteral("m%1.cmd").arg(i)), "BEGIN\r\nALL 1 2\r\nEND\r\n");
            f.form->menuItemLoadClick();
        }
        f.picker.nextFile = f.work.filePath(QStringLiteral("m3.cmd"));
        f.form->menuItemLoadClick();
        QStringList shown;
        for (const QAction* item : f.form->menuRecent->actions()) {
            shown.append(item->text());
        }
        QCOMPARE(shown,
                 QString::fromLatin1("m3.cmd|m9.cmd|m8.cmd|m7.cmd|m6.cmd|m5.cmd|m4.cmd|m2.cmd")
                     .split(QLatin1Char('|')));
        QFile::remove(f.work.filePath(QStringLiteral("m9.cmd")));
        f.form->menuRecent->actions().at(1)->trigger();
        QCOMPARE(f.notifier.errors.last(), QStringLiteral("File ") +
                                               f.work.filePath(QStringLiteral("m9.cmd")) +
                                               QStringLiteral(" not found!"));
        QCOMPARE(f.form->menuRecent->actions().size(), 7);
        f.form->menuRecent->actions().at(1)->trigger(); // m8
        QCOMPARE(f.form->LabelMove->text(), QStringLiteral("Your Move (m8.cmd):"));
    }

    void windowComesBackWhereItWas() {
        QTemporaryDir config;
        {
            Desktop before(config.path());
            before.form->setGeometry(40, 50, 640, 520);
            before.form->close();
        }
        Desktop after(config.path());
        QCOMPARE(after.form->size(), QSize(640, 520));
        QCOMPARE(after.form->menuRecent->isEnabled(), false);
    }

    void textWindowIsReadOnlyAndClosesWithEscape() {
        Desktop f;
        f.form->menuItemShowMapClick();
        orv::gui::TextWindow* text = f.form->CheckResultWindow();
        QVERIFY(text->Memo()->isReadOnly());
        const QString map = text->Memo()->toPlainText();
        QTest::keyClicks(text->Memo(), QStringLiteral("typed"));
        QCOMPARE(text->Memo()->toPlainText(), map);
        QApplication::setActiveWindow(text);
        QTest::keyClick(text->Memo(), Qt::Key_Escape);
        QVERIFY(text->isHidden());
        f.form->menuItemShowOptionsClick();
        QApplication::setActiveWindow(text);
        QTest::keyClick(text->Memo(), Qt::Key_W, Qt::ControlModifier);
        QVERIFY(text->isHidden());
    }

    void statusLineTellsTheLastAction() {
        Desktop f;
        f.SetMove({"PLA 99 9 FO", "ESP 3 3", "END"});
        f.form->menuItemCheckMoveClick();
        QCOMPARE(f.form->statusBar()->currentMessage(), QStringLiteral("2 problems"));
        f.form->menuItemPuttoClipboardClick();
        QCOMPARE(f.form->statusBar()->currentMessage(),
                 QStringLiteral("Move put on the clipboard"));
    }

    // The tribe dialog takes typing at once and starts on the tribe played before.
    void tribeDialogStartsInItsFieldOnTheRememberedTribe() {
        Desktop f;
        orv::gui::TribeDialog* dialog = f.form->TribeChoice();
        bool focused = false;
        QString shown;
        QTimer::singleShot(0, dialog, [&] {
            QApplication::setActiveWindow(dialog);
            focused = dialog->ComboBoxTribes()->hasFocus();
            shown = dialog->ComboBoxTribes()->currentText();
            dialog->ButtonCancelClick();
        });
        f.picker.nextFile = Example("turn12.txt");
        f.form->menuItemLoadReportClick();
        QVERIFY(focused);
        QCOMPARE(shown, QStringLiteral("3. Vikings"));
    }

    // A file name is decoded as the file system writes it, an order text as Windows-1252:
    // both right in one message.
    void messagesDecodeEachPartByItsRule() {
        Desktop f;
        const std::string name = "/tmp/zw\xC3\xB6lf.cmd"; // UTF-8, as the file system has it
        const orv::report::Message message =
            orv::report::Message().Text("Order \xE9 of ").Name(name).Text("!");
        QCOMPARE(orv::gui::FromMessage(message),
                 QString::fromUtf8("Order \xC3\xA9 of /tmp/zw\xC3\xB6lf.cmd!"));
        f.picker.nextFile = QString::fromUtf8("/tmp/zw\xC3\xB6lf.cmd");
        f.form->menuItemLoadClick();
        QCOMPARE(f.notifier.errors.last(),
                 QString::fromUtf8("File /tmp/zw\xC3\xB6lf.cmd not found!"));
    }

    // A title is the caption alone: no application name is added.
    void titlesAreTheirCaptions() {
        Desktop f;
        QCOMPARE(f.form->windowTitle(),
                 QStringLiteral("OrvMove (report loaded: " ORV_EXAMPLES_DIR "/turn12.txt)[*]"));
        QCOMPARE(QApplication::applicationDisplayName(), QApplication::applicationName());
        f.form->menuItemShowOptionsClick();
        QCOMPARE(f.form->CheckResultWindow()->windowTitle(), QStringLiteral("Global options"));
    }
};

} // namespace

std::vector<std::unique_ptr<QObject>> DesktopTests() {
    std::vector<std::unique_ptr<QObject>> tests;
    tests.push_back(std::make_unique<DesktopTest>());
    return tests;
}

#include "desktop_test.moc"
