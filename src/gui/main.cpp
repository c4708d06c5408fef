#include "gui/main.h"

#include "core/edit/order_text.h"
#include "gui/about.h"
#include "gui/check_result.h"
#include "gui/command_dialog.h"
#include "gui/draft.h"
#include "gui/help.h"
#include "gui/initialize.h"
#include "gui/map_follower.h"
#include "gui/move_document.h"
#include "gui/placement.h"
#include "gui/text_codec.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QVBoxLayout>

namespace orv::gui {

namespace {

constexpr int MainWindowHelpContext = 10;
constexpr int MoveMenuHelpContext = 360;

} // namespace

MainWindow::MainWindow(Environment env, QWidget* parent)
    : QMainWindow(parent), env_(std::move(env)),
      ownNotifier_(env_.notifier == nullptr ? std::make_unique<MessageBoxNotifier>(this)
                                            : std::unique_ptr<Notifier>()),
      ownPicker_(env_.picker == nullptr ? std::make_unique<DialogFilePicker>(this)
                                        : std::unique_ptr<FilePicker>()),
      notifier_(env_.notifier != nullptr ? env_.notifier : ownNotifier_.get()),
      picker_(env_.picker != nullptr ? env_.picker : ownPicker_.get()),
      session_(new ReportSession(env_.programDir,
                                 report::SettingsPlacesFor(env_.portable, ToPath(env_.programDir),
                                                           ToPath(env_.configDir),
                                                           ToPath(env_.workingDir)),
                                 *notifier_, this)),
      state_(session_->State()) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("OrvMove[*]"));
    connect(session_, &ReportSession::TitleChanged, this,
            [this](const QString& title) { setWindowTitle(title + QStringLiteral("[*]")); });
    connect(session_, &ReportSession::ButtonsChanged, this, &MainWindow::ApplySeriesButtons);
    connect(session_, &ReportSession::GameChanged, this, &MainWindow::GameChanged);
    connect(session_, &ReportSession::Said, this,
            [this](const QString& note) { statusBar()->showMessage(note); });

    document_ = new MoveDocument(this);
    draft_ = new DraftKeeper(*document_, env_.dataDir, this);
    connect(draft_, &DraftKeeper::Failed, this,
            [this](const QString& message) { statusBar()->showMessage(message); });
    BuildMenus();
    BuildPanel();
    constexpr QSize StartSize(700, 600);
    constexpr QSize SmallestSize(480, 400);
    setMinimumSize(SmallestSize);
    ResizeWithinScreen(this, StartSize);
    CenterOnScreen(this);
    map_ = new MapFollower(this, *document_, state_.game, *PanelProblems);
    connect(this, &MainWindow::StateShown, map_, &MapFollower::Refresh);
    map_->SetActions(MapActions{
        [this](move::CommandKind kind, const edit::OrderFields& fields, edit::InsertMode mode) {
            document_->SetInsertMode(mode);
            CommandDialog(move::InfoOf(kind).dialog)->ShowCommand(CommandsForm(), kind, fields);
        },
        [this](std::size_t line, const std::string& raw) {
            document_->Apply(QStringLiteral("Edit Command"),
                             [line, &raw](move::MoveList& move, edit::Selection& selected) {
                                 selected = line;
                                 return edit::ReplaceOrderText(move, line, raw);
                             });
        },
        [this](std::size_t line) { SelectLine(line); }});
    RestoreWindowState();
    ShowRecentFiles();

    // The other windows exist from the start and are opened on demand; the About window
    // takes its memory figures now.
    formInitialize_ = new TribeDialog(this);
    aboutBox_ = new AboutBox(this);
    formCheckResult_ = new TextWindow(this);
    formCheckResult_->KeepPlaces(WindowSettings(), this);
    connect(formInitialize_, &TribeDialog::HelpRequested, this, &MainWindow::ShowHelpContext);
    connect(aboutBox_, &AboutBox::HelpRequested, this, &MainWindow::ShowHelpContext);
    BuildCommandDialogs();

    // Only for the main window itself: its dialogs have help contexts of their own.
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    help->setContext(Qt::WidgetWithChildrenShortcut);
    connect(help, &QShortcut::activated, this, [this] { ShowHelpContext(MainWindowHelpContext); });
    menuMove->installEventFilter(this);

    connect(document_, &MoveDocument::Changed, this, &MainWindow::DocumentChanged);
    ApplySeriesButtons();
    DocumentChanged(MoveDocument::Orders | MoveDocument::Current | MoveDocument::Identity);
}

MainWindow::~MainWindow() = default;

HelpWindow* MainWindow::Help() const {
    if (helpWindow_ == nullptr) {
        auto* self = const_cast<MainWindow*>(this);
        helpWindow_ = new HelpWindow(self);
        helpWindow_->KeepPlace(self->WindowSettings(), self);
    }
    return helpWindow_;
}

HelpWindow* MainWindow::HelpAboveModal() const {
    // A modal dialog blocks every window but its own: help asked for from a dialog belongs
    // to the dialog, so that it opens above it and can be scrolled while the dialog is open.
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr) {
        owner = const_cast<MainWindow*>(this);
    }
    HelpWindow* help = Help();
    if (help->parentWidget() != owner) {
        help->setParent(owner, Qt::Window);
    }
    return help;
}

void MainWindow::ShowHelpTopic(const QString& topic) {
    HelpAboveModal()->ShowTopic(topic);
}

void MainWindow::ShowHelpContext(int context) {
    HelpAboveModal()->ShowContext(context);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The help key while the Move menu is open asks for that menu's help, not for the
    // main window's: the key is claimed before the window's shortcut sees it.
    const bool helpKey =
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1;
    if (watched == menuMove && helpKey) {
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            menuMove->close();
            ShowHelpContext(MoveMenuHelpContext);
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::AboutClick() {
    CenterOnScreen(aboutBox_);
    aboutBox_->show();
    aboutBox_->raise();
    aboutBox_->activateWindow();
}

void MainWindow::menuItemQuitClick() {
    close();
}

} // namespace orv::gui
