// The move's identity in the window: a pasted move has no file, a save over a file that
// changed since it was read asks first, recent entries and drafts name files absolutely,
// and the series buttons follow every report load.

#include "fixture.h"
#include "gui/captions.h"

#include <QClipboard>
#include <QDir>
#include <QMenu>

using namespace orv::gui::testing;

namespace {

constexpr const char* Own = "BEGIN\r\nALL 3 2\r\nALL 4 5\r\nEND\r\n";

class DataPathsTest : public QObject {
    Q_OBJECT
  private slots:
    // One Ctrl+S after pasting a friend's orders must not put them over the own move.
    void pastedMoveIsUnnamedAndSaveAsksWhere() {
        MainFixture f;
        f.StartAsVikings();
        const QString own = f.LoadMove("own.cmd", Own);
        QApplication::clipboard()->setText(u"BEGIN\r\nALL 1 2\r\nEND\r\n"_s);
        f.form->menuItemGetfromClipboardClick();
        QCOMPARE(f.form->LabelMove->text(), u"Your Move:"_s);
        f.picker.nextFile.clear(); // the user cancels the dialog
        f.form->menuItemSaveClick();
        QCOMPARE(f.picker.titles.last(), SaveMoveFileTitle);
        QCOMPARE(f.ReadFile(own), QByteArray(Own));
    }

    // Two windows on one move: the second save sees the first one's file and asks.
    void saveOverAFileChangedOnDiskAsks() {
        MainFixture f;
        f.StartAsVikings();
        const QString own = f.LoadMove("own.cmd", Own);
        f.form->SelectLine(1);
        f.form->ButtonDeleteClick();
        const QByteArray other = "BEGIN\r\nALL 4 4\r\nEND\r\n";
        f.WriteFile(own, other);
        f.notifier.answer = false;
        f.notifier.questions.clear();
        f.form->menuItemSaveClick();
        QCOMPARE(f.notifier.questions,
                 QStringList{u"File "_s + QFileInfo(own).canonicalFilePath() +
                             u" was changed on disk since this move was read or saved.\r\n"
                             "Save over it anyway?"_s});
        QCOMPARE(f.ReadFile(own), other);
        f.notifier.answer = true;
        f.form->menuItemSaveClick();
        QCOMPARE(f.ReadFile(own), QByteArray("BEGIN\r\nALL 4 5\r\nEND\r\n"));
    }

    // A settings file with 200,000 recent entries, relative ones among them: the menu shows
    // the first absolute ones, as many as it holds.
    void recentEntriesAreAbsoluteAndFew() {
        QTemporaryDir config;
        {
            // Written as the settings file holds a list; QSettings itself takes minutes
            // to write this many.
            QByteArray line = "[General]\nrecentMoves=relative.cmd";
            for (int i = 0; i < 200000; ++i) {
                line += ", /moves/m" + QByteArray::number(i % 100000);
            }
            QFile file(config.filePath(u"OrvMove.conf"_s));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(line + "\n");
        }
        MainFixture f({}, config.path());
        QStringList shown;
        for (const QAction* item : f.form->menuRecent->actions()) {
            shown.append(item->toolTip());
        }
        QCOMPARE(shown,
                 QStringList({u"/moves/m0"_s, u"/moves/m1"_s, u"/moves/m2"_s, u"/moves/m3"_s,
                              u"/moves/m4"_s, u"/moves/m5"_s, u"/moves/m6"_s, u"/moves/m7"_s}));
    }

    // A draft that names its move relatively (an older version's) comes back unnamed, so
    // that Save asks where instead of writing to a file of another folder.
    void draftWithARelativeNameComesBackUnnamed() {
        QTemporaryDir data;
        QDir(data.path()).mkpath(u"drafts"_s);
        MainFixture f(data.path());
        f.WriteFile(data.filePath(u"drafts/draft.cmd"_s),
                    "OrvMove draft of: turn12.cmd\r\nBEGIN\r\nALL 3 2\r\nEND\r\n");
        f.StartAsVikings();
        f.notifier.answer = true;
        f.form->OfferDraft();
        QCOMPARE(f.form->Move().RawText(), std::string("BEGIN\r\nALL 3 2\r\nEND\r\n"));
        QCOMPARE(f.form->LabelMove->text(), u"Your Move:"_s);
        QVERIFY(!f.form->Move().CanSave());
    }

    // After any report load, Next and Previous say whether the series goes on that way.
    void seriesButtonsFollowEveryReportLoad() {
        MainFixture f;
        for (const char* name : {"turn1.txt", "turn2.txt", "turn3.txt"}) {
            f.CopyReport(QString::fromLatin1(name));
        }
        f.StartWith(f.work.filePath(u"turn3.txt"_s), u"3. Vikings"_s);
        QVERIFY(!f.form->ButtonNext->isEnabled() && f.form->ButtonPrevious->isEnabled());
        f.picker.nextFile = f.work.filePath(u"turn1.txt"_s);
        f.AnswerTribeDialog(true, u"3. Vikings"_s);
        f.form->menuItemLoadReportClick();
        QVERIFY(f.form->ButtonNext->isEnabled() && !f.form->ButtonPrevious->isEnabled());
    }
};

} // namespace

ORV_GUI_TEST_CLASS(DataPathsTest);

#include "data_paths_test.moc"
