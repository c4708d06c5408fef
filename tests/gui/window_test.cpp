// The main window as a user drives it: the Move menu over the move file and the clipboard,
// New and Reload, Check Move, the keys, the recent files and the window's size at the next
// start, messages naming files, and the help pages.

#include "fixture.h"
#include "gui/check_result.h"
#include "gui/help.h"
#include "gui/program_icon.h"
#include "gui/text_codec.h"

#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QUrl>
#include <QUrlQuery>

using namespace orv::gui::testing;

namespace {

// Started on the example report as the Vikings with the example move loaded, the window
// shown and active.
struct LoadedMove : MainFixture {
    explicit LoadedMove(const QString& configFolder = {}) : MainFixture({}, configFolder) {
        StartAsVikings();
        picker.nextFile = Example("turn12.cmd");
        form->menuItemLoadClick();
        form->show();
        QApplication::setActiveWindow(form.get());
    }
    QString Status() const { return form->statusBar()->currentMessage(); }
};

// Takes the addresses the program would open instead of starting a program for them.
class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public slots:
    void Open(const QUrl& url) { urls.append(url); }
};

class WindowTest : public QObject {
    Q_OBJECT
  private slots:
    // A refused load leaves the move as it was; the clipboard and Save As write the orders
    // as the raw display shows them, and the clipboard gives them back; Save As proposes
    // the report's turn for a move without a name, asks before overwriting and adds the
    // extension of the chosen filter.
    void moveFileAndClipboard() {
        LoadedMove f;
        f.ShowRaw(true);
        const QStringList loaded = f.MoveLines();
        f.picker.nextFile = f.CopyReport(u"plain.txt"_s);
        f.form->menuItemLoadClick();
        QCOMPARE(f.notifier.errors, QStringList{u"Error in file: no BEGIN found!"_s});
        QCOMPARE(f.MoveLines(), loaded);

        f.form->menuItemPuttoClipboardClick();
        QCOMPARE(f.Status(), u"Move put on the clipboard"_s);
        const QString text = QApplication::clipboard()->text();
        QCOMPARE(text, loaded.join(u"\r\n"_s) + u"\r\n"_s);
        f.form->menuItemNewClick();
        QCOMPARE(f.MoveLines(), Split("BEGIN|END"));
        f.form->menuItemGetfromClipboardClick();
        QCOMPARE(f.MoveLines(), loaded);
        QCOMPARE(f.form->LabelMove->text(), u"Your Move:"_s);

        const QString mine = f.WriteFile(f.work.filePath(u"mine.cmd"_s), "keep");
        f.picker.nextFile = f.work.filePath(u"mine"_s);
        f.picker.nextFilter = u"Command files (*.cmd)"_s;
        f.notifier.answer = false;
        f.form->menuItemSaveAsClick();
        // "No" to writing over it went back to the dialog, at the name chosen; then Cancel.
        QCOMPARE(f.picker.folders.mid(f.picker.folders.size() - 2),
                 QStringList({f.work.filePath(u"turn12.cmd"_s), mine}));
        QCOMPARE(f.notifier.questions.last(),
                 u"File exists already!\r\nDo you want to overwrite?"_s);
        QCOMPARE(f.ReadFile(mine), QByteArray("keep"));
        f.notifier.answer = true;
        f.picker.nextFile = mine;
        f.form->menuItemSaveAsClick();
        QCOMPARE(QString::fromLatin1(f.ReadFile(mine)), text);
        QCOMPARE(f.form->LabelMove->text(), u"Your Move (mine.cmd):"_s);
        QCOMPARE(f.Status(), u"Saved mine.cmd"_s);
        QApplication::clipboard()->clear();
        f.form->menuItemGetfromClipboardClick();
        QCOMPARE(f.notifier.errors.last(), u"Clipboard contains no plain text!"_s);
    }

    // New and Reload ask first, even with nothing unsaved.
    void newAndReloadAskFirst() {
        LoadedMove f;
        const QStringList loaded = f.MoveLines();
        f.notifier.answer = false;
        f.form->menuItemNewClick();
        f.form->menuItemReloadClick();
        QCOMPARE(f.notifier.questions,
                 QStringList({u"Are you sure you want to clear this form?"_s,
                              u"Really want to discard your edits and reload the move?"_s}));
        QCOMPARE(f.MoveLines(), loaded);
        f.notifier.answer = true;
        f.form->ListBoxMove->setCurrentRow(1);
        f.form->ButtonDeleteClick();
        f.form->menuItemReloadClick();
        QCOMPARE(f.MoveLines(), loaded);
        QCOMPARE(f.form->ListBoxMove->currentRow(), -1); // a row of the move before means nothing
        f.form->menuItemNewClick();
        // Save stays: on an unnamed move it asks where, as Save As does.
        QVERIFY(f.form->menuItemSave->isEnabled() && !f.form->menuItemReload->isEnabled());
    }

    void checkMoveShowsTheReportOrSaysTheMoveIsCorrect() {
        LoadedMove f;
        f.form->menuItemNewClick();
        f.form->menuItemCheckMoveClick();
        QCOMPARE(f.notifier.informations, QStringList{u"Nothing to check."_s});
        f.SetMove({"ALL 2 1", "END"});
        f.form->menuItemCheckMoveClick();
        QCOMPARE(f.notifier.informations.last(), u"Move seems to be correct."_s);
        QVERIFY(f.form->CheckResultWindow()->isHidden());
        f.SetMove({"LAND 99 99 FO 1 N", "ESP 3 3", "END"});
        f.form->menuItemCheckMoveClick();
        QVERIFY(f.form->CheckResultWindow()->isVisible());
        QVERIFY(
            f.form->CheckResultWindow()->Memo()->toPlainText().startsWith(u"Error in line 1 \""_s));
        QCOMPARE(f.Status(), u"2 problems"_s);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // The menus' keys, the list's keys for moving and deleting orders, Insert for a new one.
    void keysTriggerTheirActions() {
        LoadedMove f;
        f.LoadMove("keys.cmd", "BEGIN\r\nALL 1 2\r\nESP 5 5\r\nEND\r\n");
        f.form->ListBoxMove->setFocus();
        f.form->ListBoxMove->setCurrentRow(1);
        QTest::keyClick(f.form->ListBoxMove, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(f.MoveLines().at(2), u"Alter alliance status to player 1 to 2"_s);
        QTest::keyClick(f.form->ListBoxMove, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(f.form->ListBoxMove->currentRow(), 1);
        QTest::keyClick(f.form->ListBoxMove, Qt::Key_Delete);
        QCOMPARE(f.form->ListBoxMove->count(), 3);
        QSignalSpy inserted(f.form->ButtonBelow, &QPushButton::clicked);
        QTest::keyClick(f.form->ListBoxMove, Qt::Key_Insert);
        QTRY_COMPARE(inserted.size(), 1);
        const std::pair<QKeyCombination, QAction*> keys[] = {
            {Qt::CTRL | Qt::SHIFT | Qt::Key_C, f.form->menuItemPuttoClipboard},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_V, f.form->menuItemGetfromClipboard},
            {Qt::CTRL | Qt::Key_S, f.form->menuItemSave},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_S, f.form->menuItemSaveAs},
            {Qt::CTRL | Qt::Key_O, f.form->menuItemLoad},
            {QKeyCombination(Qt::Key_F9), f.form->menuItemCheckMove},
            {Qt::CTRL | Qt::Key_Z, f.form->menuItemUndo},
            {Qt::CTRL | Qt::Key_Y, f.form->menuItemRedo},
            {Qt::CTRL | Qt::Key_N, f.form->menuItemNew},
            {Qt::CTRL | Qt::Key_Q, f.form->menuItemQuit},
        };
        for (const auto& [key, action] : keys) {
            QSignalSpy triggered(action, &QAction::triggered);
            QTest::keyClick(f.form->ListBoxMove, key.key(), key.keyboardModifiers());
            QVERIFY2(triggered.size() == 1, qPrintable(action->text()));
        }
    }

    // The program's icon is built in, at every size the desktop asks for.
    void theProgramsIconIsBuiltIn() {
        const QIcon icon = ProgramIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(QSize(48, 48)).size(), QSize(48, 48));
    }

    // Every item of every menu has its own letter within its menu.
    void everyMenuItemHasAMnemonicOfItsOwn() {
        LoadedMove f;
        for (QAction* top : f.form->menuBar()->actions()) {
            QVERIFY2(top->text().contains(u'&'), qPrintable(top->text()));
            QSet<QChar> letters;
            for (const QAction* item : top->menu()->actions()) {
                if (item->isSeparator() || item->parent() == f.form->menuRecent) {
                    continue;
                }
                const qsizetype amp = item->text().indexOf(u'&');
                QVERIFY2(amp >= 0 && amp + 1 < item->text().size(), qPrintable(item->text()));
                const QChar letter = item->text().at(amp + 1).toLower();
                QVERIFY2(!letters.contains(letter), qPrintable(item->text()));
                letters.insert(letter);
            }
        }
    }

    // The switches, goods and buttons above the move list take the height their text needs
    // at a large font; nothing of them is cut.
    void thePanelGrowsWithTheFont() {
        const QFont keep = QApplication::font();
        QFont large = keep;
        large.setPointSize(keep.pointSize() * 2);
        QApplication::setFont(large);
        LoadedMove f;
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        // As small as the window lets itself be made (the test screen is smaller).
        f.form->resize(f.form->minimumSizeHint());
        QTRY_COMPARE(f.form->size(), f.form->minimumSizeHint());
        const QList<QWidget*> parts{f.form->LabelSFoodVal, f.form->LabelCWoodVal,
                                    f.form->ButtonDelete, f.form->ButtonPrevious};
        for (const QWidget* label : parts) {
            QVERIFY2(label->height() >= label->sizeHint().height(),
                     qPrintable(label->objectName()));
            QVERIFY(label->window()->rect().contains(
                label->mapTo(label->window(), QPoint(0, label->height() - 1))));
        }
        QApplication::setFont(keep);
    }

    // "Send Move..." hands the move's text to the mail program, after the save question.
    void sendMoveOpensAMailWithTheMove() {
        LoadedMove f;
        f.LoadMove("send.cmd", "BEGIN\r\nALL 1 2\r\nEND\r\nHi & bye?\r\n");
        UrlRecorder mail;
        QDesktopServices::setUrlHandler(u"mailto"_s, &mail, "Open");
        f.form->menuItemSendMoveClick();
        QCOMPARE(mail.urls.size(), 1);
        const QUrlQuery query(mail.urls.first());
        QCOMPARE(query.queryItemValue(u"subject"_s, QUrl::FullyDecoded),
                 u"Move of Vikings (send.cmd)"_s);
        QCOMPARE(query.queryItemValue(u"body"_s, QUrl::FullyDecoded),
                 u"BEGIN\r\nALL 1 2\r\nEND\r\nHi & bye?\r\n"_s);
        f.form->Document()->ReplaceMove(u"Load"_s, f.form->Move(), false); // unsaved now
        f.notifier.saveAnswer = SaveChoice::Cancel;
        f.form->menuItemSendMoveClick();
        QCOMPARE(mail.urls.size(), 1);
        // A report saved from the game master's mail says where the move goes.
        MainFixture mailed;
        QVERIFY(mailed.StartWith(QStringLiteral(ORV_TEST_DATA_DIR "/turn12-base64.eml"),
                                 u"3. Vikings"_s));
        mailed.form->menuItemSendMoveClick();
        QCOMPARE(mail.urls.size(), 2);
        QCOMPARE(mail.urls.last().path(), u"moves@northmarch.example"_s);
        QCOMPARE(QUrlQuery(mail.urls.last()).queryItemValue(u"subject"_s), u"Move of Vikings"_s);
        QDesktopServices::unsetUrlHandler(u"mailto"_s);
    }

    // The recent files: the newest first, eight at most, one that is gone dropped when
    // chosen. They and the main window's size come back at the next start.
    void recentFilesAndTheWindowComeBack() {
        QTemporaryDir config;
        {
            LoadedMove f(config.path());
            for (const char* name : {"m1", "m2", "m3", "m4", "m5", "m6", "m7", "m8", "m9", "m3"}) {
                f.LoadMove(name, "BEGIN\r\nALL 1 2\r\nEND\r\n");
            }
            QStringList shown;
            for (const QAction* item : f.form->menuRecent->actions()) {
                shown.append(item->text());
            }
            QCOMPARE(shown, Split("m3|m9|m8|m7|m6|m5|m4|m2"));
            QFile::remove(f.work.filePath(u"m9"_s));
            f.form->menuRecent->actions().at(1)->trigger();
            QVERIFY(f.notifier.errors.last().endsWith(u"m9 not found!"_s));
            QCOMPARE(f.form->menuRecent->actions().size(), 7);
            f.form->menuRecent->actions().at(1)->trigger();
            QCOMPARE(f.form->LabelMove->text(), u"Your Move (m8):"_s);
            f.form->setGeometry(40, 50, 640, 520);
            f.form->close();
        }
        LoadedMove again(config.path());
        QCOMPARE(again.form->size(), QSize(640, 520));
        QCOMPARE(again.form->menuRecent->actions().at(1)->text(), u"m8"_s);
    }

    // The text window keeps a place for each kind of text, the help window its own, from one
    // start to the next; a place off every screen comes back onto the screen. Escape and
    // Ctrl+W close them.
    void textWindowsKeepTheirOwnPlacesOnScreen() {
        QTemporaryDir config;
        const QRect checkPlace(30, 40, 500, 300);
        const QRect optionsPlace(60, 20, 420, 260);
        {
            LoadedMove f(config.path());
            TextWindow* text = f.form->CheckResultWindow();
            f.form->menuItemShowOptionsClick();
            text->setGeometry(optionsPlace);
            f.SetMove({"ESP 99 99", "END"});
            f.form->menuItemCheckMoveClick();
            QVERIFY(text->isVisible());
            text->setGeometry(checkPlace);
            QApplication::setActiveWindow(text);
            QTest::keyClick(text->Memo(), Qt::Key_Escape);
            QVERIFY(!text->isVisible());
            f.form->menuItemShowOptionsClick();
            QCOMPARE(text->geometry(), optionsPlace);
            QApplication::setActiveWindow(text);
            QTest::keyClick(text->Memo(), Qt::Key_W, Qt::ControlModifier);
            QVERIFY(!text->isVisible());
            f.form->ShowHelpTopic(u"menus"_s);
            f.form->Help()->move(9000, 9000);
            f.form->setGeometry(8000, 8000, 640, 520);
            f.form->close();
        }
        LoadedMove again(config.path());
        again.SetMove({"ESP 99 99", "END"});
        const QRect screen = again.form->screen()->availableGeometry();
        // Measured without the frame, which a window has only once it is shown.
        QVERIFY(screen.contains(again.form->geometry()));
        again.form->menuItemCheckMoveClick();
        QCOMPARE(again.form->CheckResultWindow()->geometry(), checkPlace);
        again.form->ShowHelpTopic(u"menus"_s);
        QVERIFY(screen.contains(again.form->Help()->geometry()));
        QApplication::setActiveWindow(again.form->Help());
        QTest::keyClick(again.form->Help()->Browser(), Qt::Key_Escape);
        QVERIFY(!again.form->Help()->isVisible());
    }

    // A file name is decoded as the file system writes it, an order text as Windows-1252:
    // both right in one message.
    void messagesDecodeEachPartByItsRule() {
        const report::Message message =
            report::Message().Text("Order \xE9 of ").Name("/tmp/zw\xC3\xB6lf.cmd").Text("!");
        QCOMPARE(FromMessage(message),
                 QString::fromUtf8("Order \xC3\xA9 of /tmp/zw\xC3\xB6lf.cmd!"));
        // A name that is no UTF-8 is shown as Latin-1, not garbled.
        QCOMPARE(FromMessage(report::Message().Text("File ").Name("/tmp/zw\xF6lf.cmd")),
                 QString::fromUtf8("File /tmp/zw\xC3\xB6lf.cmd"));
    }

    // Every help context leads to a page part that exists.
    void helpContextsLeadToPagesThatExist() {
        HelpWindow help;
        for (int context :
             {10, 30, 100, 110, 120, 130, 140, 150, 160, 170, 180, 190, 200, 210, 220, 360}) {
            QVERIFY(help.ShowContext(context));
            const QString anchor = help.Browser()->source().fragment();
            QVERIFY2(anchor.isEmpty() || help.Browser()->toHtml().contains(u"name=\""_s + anchor),
                     qPrintable(help.Browser()->source().toString()));
        }
        QVERIFY(!help.ShowContext(999));
        QVERIFY(!help.ShowTopic(u"nosuchtopic"_s));
    }
};

} // namespace

ORV_GUI_TEST_CLASS(WindowTest);

#include "window_test.moc"
