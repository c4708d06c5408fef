// The main window's menus: their items in the order the program has always shown them, the
// keys a desktop program is expected to have, and the list of recent move files.

#include "core/report/text_file.h"
#include "gui/main.h"
#include "gui/move_document.h"
#include "gui/text_codec.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QShortcut>
#include <QUndoStack>

namespace orv::gui {

namespace {

constexpr int RecentFileCount = 8;
const QString RecentFilesKey = QStringLiteral("recentMoves");

QString Name(const char* text) {
    return QString::fromLatin1(text);
}

} // namespace

QAction* MainWindow::AddItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(Name(caption));
    action->setObjectName(Name(name));
    return action;
}

void MainWindow::BuildMenus() {
    BuildMoveMenu();
    BuildReportMenu();
    BuildHelpMenu();
    // F10 reaches the menu bar, as on other desktops.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuMove->menuAction()); });
}

void MainWindow::BuildMoveMenu() {
    menuMove = menuBar()->addMenu(QStringLiteral("&Move"));
    menuMove->setObjectName(QStringLiteral("menuMove"));
    // Their captions name the step: "Undo Delete Command".
    menuItemUndo = document_->UndoStack()->createUndoAction(this, QStringLiteral("&Undo"));
    menuItemUndo->setObjectName(QStringLiteral("menuItemUndo"));
    menuItemUndo->setShortcuts(QKeySequence::Undo);
    menuItemRedo = document_->UndoStack()->createRedoAction(this, QStringLiteral("Re&do"));
    menuItemRedo->setObjectName(QStringLiteral("menuItemRedo"));
    menuItemRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    menuMove->addAction(menuItemUndo);
    menuMove->addAction(menuItemRedo);
    menuMove->addSeparator();
    menuItemNew = AddItem(menuMove, "menuItemNew", "&New");
    menuItemNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    menuMove->addSeparator();
    menuItemGetfromClipboard = AddItem(menuMove, "menuItemGetfromClipboard", "&Get from Clipboard");
    menuItemPuttoClipboard = AddItem(menuMove, "menuItemPuttoClipboard", "&Put to Clipboard");
    // Ctrl+C and Ctrl+V stay with the text fields and lists; the whole move takes Shift too.
    menuItemGetfromClipboard->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    menuItemPuttoClipboard->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    menuMove->addSeparator();
    menuItemLoad = AddItem(menuMove, "menuItemLoad", "&Load...");
    menuItemLoad->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    menuRecent = menuMove->addMenu(QStringLiteral("Recen&t Files"));
    menuRecent->setObjectName(QStringLiteral("menuRecent"));
    menuItemReload = AddItem(menuMove, "menuItemReload", "&Reload");
    menuItemCheckMove = AddItem(menuMove, "menuItemCheckMove", "&Check Move");
    menuItemCheckMove->setShortcut(QKeySequence(Qt::Key_F9));
    menuItemEditOrderText = AddItem(menuMove, "menuItemEditOrderText", "&Edit Order Text...");
    menuItemSave = AddItem(menuMove, "menuItemSave", "&Save");
    menuItemSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    menuItemSaveAs = AddItem(menuMove, "menuItemSaveAs", "Save &As...");
    menuItemSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    menuItemSendMove = AddItem(menuMove, "menuItemSendMove", "Send &Move...");
    // Kept for its action only: nothing makes it visible.
    menuItemLoadMostRecentFile =
        AddItem(menuMove, "menuItemLoadMostRecentFile", "Load Most Recent F&ile");
    menuItemLoadMostRecentFile->setVisible(false);
    menuMove->addSeparator();
    menuItemShowProblems = AddItem(menuMove, "menuItemShowProblems", "Show Pro&blem List");
    menuItemShowProblems->setCheckable(true);
    menuItemNextProblem = AddItem(menuMove, "menuItemNextProblem", "Ne&xt Problem");
    menuItemNextProblem->setShortcut(QKeySequence(Qt::Key_F8));
    menuItemPreviousProblem = AddItem(menuMove, "menuItemPreviousProblem", "Pre&vious Problem");
    menuItemPreviousProblem->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F8));
    menuMove->addSeparator();
    menuItemQuit = AddItem(menuMove, "menuItemQuit", "&Quit");
    menuItemQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    menuMove->setDefaultAction(menuItemLoad);

    connect(menuItemNew, &QAction::triggered, this, &MainWindow::menuItemNewClick);
    connect(menuItemGetfromClipboard, &QAction::triggered, this,
            &MainWindow::menuItemGetfromClipboardClick);
    connect(menuItemPuttoClipboard, &QAction::triggered, this,
            &MainWindow::menuItemPuttoClipboardClick);
    connect(menuItemLoad, &QAction::triggered, this, &MainWindow::menuItemLoadClick);
    connect(menuItemReload, &QAction::triggered, this, &MainWindow::menuItemReloadClick);
    connect(menuItemCheckMove, &QAction::triggered, this, &MainWindow::menuItemCheckMoveClick);
    connect(menuItemEditOrderText, &QAction::triggered, this,
            &MainWindow::menuItemEditOrderTextClick);
    connect(menuItemSave, &QAction::triggered, this, &MainWindow::menuItemSaveClick);
    connect(menuItemSaveAs, &QAction::triggered, this, &MainWindow::menuItemSaveAsClick);
    connect(menuItemSendMove, &QAction::triggered, this, &MainWindow::menuItemSendMoveClick);
    connect(menuItemLoadMostRecentFile, &QAction::triggered, this,
            &MainWindow::menuItemLoadMostRecentFileClick);
    connect(menuItemQuit, &QAction::triggered, this, &MainWindow::menuItemQuitClick);
    connect(menuItemNextProblem, &QAction::triggered, this, &MainWindow::NextProblem);
    connect(menuItemPreviousProblem, &QAction::triggered, this, &MainWindow::PreviousProblem);
}

void MainWindow::BuildReportMenu() {
    menuReport = menuBar()->addMenu(QStringLiteral("&Report"));
    menuReport->setObjectName(QStringLiteral("menuReport"));
    menuItemLoadReport = AddItem(menuReport, "menuItemLoadReport", "&Load...");
    menuReport->addSeparator();
    menuItemShowMap = AddItem(menuReport, "menuItemShowMap", "Show &Map");
    menuItemShowGraphicalMap =
        AddItem(menuReport, "menuItemShowGraphicalMap", "Show &Graphical Map");
    menuItemShowOptions = AddItem(menuReport, "menuItemShowOptions", "Show Global &Options");
    menuItemline = menuReport->addSeparator();
    menuItemline->setObjectName(QStringLiteral("menuItemline"));
    menuItemReinitialize = AddItem(menuReport, "menuItemReinitialize", "&Reinitialize...");
    menuReport->setDefaultAction(menuItemLoadReport);

    connect(menuItemLoadReport, &QAction::triggered, this, &MainWindow::menuItemLoadReportClick);
    connect(menuItemShowMap, &QAction::triggered, this, &MainWindow::menuItemShowMapClick);
    connect(menuItemShowGraphicalMap, &QAction::triggered, this,
            &MainWindow::menuItemShowGraphicalMapClick);
    connect(menuItemShowOptions, &QAction::triggered, this, &MainWindow::menuItemShowOptionsClick);
    connect(menuItemReinitialize, &QAction::triggered, this,
            &MainWindow::menuItemReinitializeClick);
}

void MainWindow::BuildHelpMenu() {
    menuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    menuHelp->setObjectName(QStringLiteral("menuHelp"));
    menuItemIntroduction = AddItem(menuHelp, "menuItemIntroduction", "&Introduction");
    menuItemInitialisation = AddItem(menuHelp, "menuItemInitialisation", "I&nitialisation");
    menuItemMenus = AddItem(menuHelp, "menuItemMenus", "&Menus");
    menuItemMoveEditor = AddItem(menuHelp, "menuItemMoveEditor", "Move &Editor");
    menuItemAuthor = AddItem(menuHelp, "menuItemAuthor", "&Contacting the Author");
    menuHelp->addSeparator();
    About = AddItem(menuHelp, "About", "&About");
    menuHelp->setDefaultAction(menuItemIntroduction);

    const auto topic = [this](QAction* item, const char* name) {
        connect(item, &QAction::triggered, this, [this, name] { ShowHelpTopic(Name(name)); });
    };
    topic(menuItemIntroduction, "introduction");
    topic(menuItemInitialisation, "initialisation");
    topic(menuItemMenus, "menus");
    topic(menuItemMoveEditor, "moveeditor");
    topic(menuItemAuthor, "author");
    connect(About, &QAction::triggered, this, &MainWindow::AboutClick);
}

QStringList MainWindow::RecentFiles() {
    // At most the entries the menu shows, whatever the file holds; a relative name (kept by
    // an older version) would name another file from another working folder, so it goes.
    const QStringList stored = WindowSettings().value(RecentFilesKey).toStringList();
    QStringList files;
    for (const QString& path : stored) {
        if (files.size() >= RecentFileCount) {
            break;
        }
        if (QDir::isAbsolutePath(path) && !files.contains(path)) {
            files.append(path);
        }
    }
    return files;
}

void MainWindow::RememberRecentFile(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > RecentFileCount) {
        files.removeLast();
    }
    WindowSettings().setValue(RecentFilesKey, files);
    ShowRecentFiles();
}

void MainWindow::ShowRecentFiles() {
    menuRecent->clear();
    const QStringList files = RecentFiles();
    for (const QString& path : files) {
        QAction* item = menuRecent->addAction(QFileInfo(path).fileName());
        item->setToolTip(path);
        connect(item, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
    }
    menuRecent->setEnabled(!files.isEmpty());
}

void MainWindow::OpenRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        // Gone since: it leaves the list, with the message a load gives.
        QStringList files = RecentFiles();
        files.removeAll(path);
        WindowSettings().setValue(RecentFilesKey, files);
        ShowRecentFiles();
        notifier_->Error(
            FromMessage(report::Message().Text("File ").Name(ToPath(path)).Text(" not found!")));
        return;
    }
    OpenMoveFile(path);
}

} // namespace orv::gui
