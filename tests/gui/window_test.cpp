// The main window's controls and menus, the text window, help and About.

#include "fixture.h"
#include "gui/about.h"
#include "gui/check_result.h"
#include "gui/help.h"
#include "gui_tests.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using orv::gui::testing::Example;
using orv::gui::testing::MainFixture;

namespace {

// The captions of a menu's shown items, "-" for a separator.
QStringList Items(const QMenu* menu) {
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (action->isVisible()) {
            items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        }
    }
    return items;
}

class WindowTest : public QObject {
    Q_OBJECT
  private slots:
    void menusStandInTheirOrderWithTheirDefaults() {
        MainFixture f;
        QStringList menus;
        for (const QAction* action : f.form->menuBar()->actions()) {
            menus.append(action->text());
        }
        // Alt+M, Alt+R and Alt+H open them.
        QCOMPARE(menus, (QStringList{QStringLiteral("&Move"), QStringLiteral("&Report"),
                                     QStringLiteral("&Help")}));
        QCOMPARE(Items(f.form->menuMove),
                 QString::fromLatin1("Undo|Redo|-|New|-|Get from Clipboard|Put to Clipboard|-|"
                                     "Load...|Recent Files|Reload|Check Move|Save|Save As...|-|"
                                     "Show Problem List|Next Problem|Previous Problem|-|Quit")
                     .split(QLatin1Char('|')));
        QCOMPARE(Items(f.form->menuReport),
                 QString::fromLatin1("Load...|-|Show Map|Show Graphical Map|Show Global Options|-|"
                                     "Reinitialize...")
                     .split(QLatin1Char('|')));
        QCOMPARE(Items(f.form->menuHelp),
                 QString::fromLatin1("Introduction|Initialisation|Menus|Move Editor|"
                                     "Contacting the Author|-|About")
                     .split(QLatin1Char('|')));
        QCOMPARE(f.form->menuMove->defaultAction(), f.form->menuItemLoad);
        QCOMPARE(f.form->menuReport->defaultAction(), f.form->menuItemLoadReport);
        QCOMPARE(f.form->menuHelp->defaultAction(), f.form->menuItemIntroduction);
        QVERIFY(!f.form->menuItemSave->isEnabled());
        QVERIFY(!f.form->menuItemReload->isEnabled());
        QVERIFY(!f.form->menuItemLoadMostRecentFile->isVisible());
    }

    void controlsCarryTheirCaptionsAtStart() {
        MainFixture f;
        QCOMPARE(orv::gui::testing::ShownTitle(f.form.get()), QStringLiteral("OrvMove"));
        QCOMPARE(f.form->size(), QSize(700, 600));
        QCOMPARE(f.form->minimumSize(), QSize(480, 400));
        QCOMPARE(f.form->LabelMove->text(), QStringLiteral("Your Move:"));
        for (const QLabel* value :
             {f.form->LabelSGoldVal, f.form->LabelSWoodVal, f.form->LabelSFoodVal,
              f.form->LabelCGoldVal, f.form->LabelCWoodVal}) {
            QCOMPARE(value->text(), QStringLiteral("-"));
        }
    }

    void showMapAndOptionsFillTheOneTextWindow() {
        MainFixture f;
        f.StartWith(Example("turn12.txt"));
        f.form->menuItemShowMapClick();
        const auto* window = f.form->CheckResultWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Map (turn12.txt)"));
        QVERIFY(window->Memo()->toPlainText().contains(QStringLiteral("~~~~~~~~~~")));
        QVERIFY(!window->Memo()->toPlainText().contains(QLatin1Char('\r')));
        QCOMPARE(window->Memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
        f.form->menuItemShowOptionsClick();
        QCOMPARE(window->windowTitle(), QStringLiteral("Global options"));
        QCOMPARE(window->Memo()->toPlainText().split(QLatin1Char('\n')).size(), 14);
        QCOMPARE(window->Memo()->toPlainText().split(QLatin1Char('\n'))[0],
                 QStringLiteral("Ships can be bought with gold: YES"));
    }

    void everyTopicAndContextOpensARealPage() {
        const QStringList topics = {QStringLiteral("introduction"),
                                    QStringLiteral("initialisation"), QStringLiteral("menus"),
                                    QStringLiteral("moveeditor"), QStringLiteral("author")};
        QList<int> contexts = {10, 30, 100, 360};
        for (int c = 110; c <= 220; c += 10) {
            contexts.append(c);
        }
        orv::gui::HelpWindow help;
        for (const QString& topic : topics) {
            QVERIFY2(help.ShowTopic(topic), qPrintable(topic));
            QVERIFY(help.Browser()->toPlainText().size() > 400);
        }
        for (const int context : contexts) {
            const QString url = orv::gui::HelpContextUrl(context).value_or(QString());
            QVERIFY2(!url.isEmpty(), qPrintable(QString::number(context)));
            QVERIFY(help.ShowContext(context));
            const QString anchor = QUrl(url).fragment();
            if (!anchor.isEmpty()) {
                QVERIFY2(help.Browser()->toHtml().contains(QStringLiteral("name=\"") + anchor),
                         qPrintable(url));
            }
        }
        QVERIFY(!help.ShowContext(999));
        QVERIFY(!help.ShowTopic(QStringLiteral("nosuchtopic")));
    }

    void helpKeyOpensTheContextOfTheWindow() {
        MainFixture f;
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        QTest::keyClick(f.form.get(), Qt::Key_F1);
        QVERIFY(f.form->Help()->isVisible());
        QCOMPARE(f.form->Help()->Browser()->source().fileName(), QStringLiteral("moveeditor.html"));

        f.form->menuMove->popup(f.form->mapToGlobal(QPoint(10, 10)));
        QTest::keyClick(f.form->menuMove, Qt::Key_F1);
        QVERIFY(!f.form->menuMove->isVisible());
        QCOMPARE(f.form->Help()->Browser()->source().toString(),
                 QStringLiteral("qrc:/help/menus.html#move"));

        f.form->AboutClick();
        QApplication::setActiveWindow(f.form->AboutWindow());
        QTest::keyClick(f.form->AboutWindow(), Qt::Key_F1);
        QCOMPARE(f.form->Help()->Browser()->source().toString(),
                 QStringLiteral("qrc:/help/author.html#about"));
    }

    void aboutShowsTheFiguresTakenAtStart() {
        orv::gui::AboutBox about(nullptr, {1234567, 42});
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(about.PhysicalMemoryText(), QStringLiteral("1,234,567 KB"));
        QCOMPARE(about.MemoryInUseText(), QStringLiteral("42%"));
        about.show();
        QCOMPARE(about.PhysicalMemoryText(), QStringLiteral("1,234,567 KB"));
        QVERIFY(!about.isModal());
        QVERIFY(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        MainFixture f;
        const QString figure = f.form->AboutWindow()->PhysicalMemoryText();
        QVERIFY(figure.endsWith(QStringLiteral(" KB")));
        f.form->AboutClick();
        QVERIFY(f.form->AboutWindow()->isVisible());
        QCOMPARE(f.form->AboutWindow()->PhysicalMemoryText(), figure);
    }
};

} // namespace

std::vector<std::unique_ptr<QObject>> WindowTests() {
    std::vector<std::unique_ptr<QObject>> tests;
    tests.push_back(std::make_unique<WindowTest>());
    return tests;
}

#include "window_test.moc"
