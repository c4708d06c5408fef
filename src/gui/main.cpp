#include "gui/main.h"

#include "gui/about.h"
#include "gui/check_result.h"
#include "gui/draft.h"
#include "gui/help.h"
#include "gui/initialize.h"
#include "gui/move_document.h"
#include "gui/placement.h"
#include "gui/text_codec.h"

#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QUndoStack>
#include <QVBoxLayout>

namespace orv::gui {

namespace {

constexpr int MainWindowHelpContext = 10;
constexpr int MoveMenuHelpContext = 360;

QString Name(const char* text) {
    return QString::fromLatin1(text);
}

QGroupBox* RadioGroup(QWidget* parent, const char* name, const char* caption,
                      QButtonGroup*& group) {
    auto* box = new QGroupBox(Name(caption), parent);
    box->setObjectName(Name(name));
    group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    auto* natural = new QRadioButton(QStringLiteral("Natural Text"), box);
    natural->setObjectName(Name(name) + QStringLiteral("Natural"));
    auto* raw = new QRadioButton(QStringLiteral("Raw Text"), box);
    raw->setObjectName(Name(name) + QStringLiteral("Raw"));
    natural->setChecked(true);
    group->addButton(natural, 0);
    group->addButton(raw, 1);
    layout->addWidget(natural);
    layout->addWidget(raw);
    return box;
}

QLabel* ValueLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(QStringLiteral("-"), parent);
    label->setObjectName(Name(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(64);
    return label;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(Name(caption), parent);
    button->setObjectName(Name(name));
    button->setAutoDefault(false);
    return button;
}

QGridLayout* TightGrid(QWidget* box) {
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    return grid;
}

} // namespace

TFormMain::TFormMain(Environment env, QWidget* parent) : QMainWindow(parent), env_(std::move(env)) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("OrvMove[*]"));
    if (env_.notifier == nullptr) {
        ownNotifier_ = std::make_unique<MessageBoxNotifier>(this);
    }
    if (env_.picker == nullptr) {
        ownPicker_ = std::make_unique<DialogFilePicker>(this);
    }
    notifier_ = env_.notifier != nullptr ? env_.notifier : ownNotifier_.get();
    picker_ = env_.picker != nullptr ? env_.picker : ownPicker_.get();

    QString dir = env_.programDir;
    if (!dir.endsWith(QLatin1Char('/'))) {
        dir += QLatin1Char('/');
    }
    state_.programDir = ToPath(dir);

    document_ = new MoveDocument(this);
    draft_ = new DraftKeeper(*document_, env_.dataDir, this);
    BuildMenus();
    BuildPanel();
    resize(700, 600);
    setMinimumSize(480, 400);
    CenterOnScreen(this);

    // The other windows exist from the start and are opened on demand; the About window
    // takes its memory figures now.
    formInitialize_ = new TFormInitialize(this);
    aboutBox_ = new TAboutBox(this);
    formCheckResult_ = new TFormCheckResult(this);
    connect(formInitialize_, &TFormInitialize::HelpRequested, this, &TFormMain::ShowHelpContext);
    connect(aboutBox_, &TAboutBox::HelpRequested, this, &TFormMain::ShowHelpContext);
    BuildCommandDialogs();

    // Only for the main window itself: its dialogs have help contexts of their own.
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    help->setContext(Qt::WidgetWithChildrenShortcut);
    connect(help, &QShortcut::activated, this, [this] { ShowHelpContext(MainWindowHelpContext); });
    menuMove->installEventFilter(this);

    connect(document_, &MoveDocument::Changed, this, &TFormMain::MoveChanged);
    connect(document_, &MoveDocument::SelectionRestored, this, [this](edit::Selection line) {
        SelectLine(line);
        UpdateCurrentGoods();
    });
    connect(document_, &MoveDocument::ModifiedChanged, this, &QWidget::setWindowModified);
    ApplySeriesButtons();
    MoveChanged();
}

TFormMain::~TFormMain() = default;

QAction* TFormMain::AddItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(Name(caption));
    action->setObjectName(Name(name));
    return action;
}

void TFormMain::BuildMenus() {
    menuMove = menuBar()->addMenu(QStringLiteral("Move"));
    menuMove->setObjectName(QStringLiteral("menuMove"));
    // Their captions name the step: "Undo Delete Command".
    menuItemUndo = document_->UndoStack()->createUndoAction(this, QStringLiteral("Undo"));
    menuItemUndo->setObjectName(QStringLiteral("menuItemUndo"));
    menuItemUndo->setShortcuts(QKeySequence::Undo);
    menuItemRedo = document_->UndoStack()->createRedoAction(this, QStringLiteral("Redo"));
    menuItemRedo->setObjectName(QStringLiteral("menuItemRedo"));
    menuItemRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    menuMove->addAction(menuItemUndo);
    menuMove->addAction(menuItemRedo);
    menuMove->addSeparator();
    menuItemNew = AddItem(menuMove, "menuItemNew", "New");
    menuMove->addSeparator();
    menuItemGetfromClipboard = AddItem(menuMove, "menuItemGetfromClipboard", "Get from Clipboard");
    menuItemPuttoClipboard = AddItem(menuMove, "menuItemPuttoClipboard", "Put to Clipboard");
    menuMove->addSeparator();
    menuItemLoad = AddItem(menuMove, "menuItemLoad", "Load...");
    menuItemReload = AddItem(menuMove, "menuItemReload", "Reload");
    menuItemCheckMove = AddItem(menuMove, "menuItemCheckMove", "Check Move");
    menuItemSave = AddItem(menuMove, "menuItemSave", "Save");
    menuItemSaveAs = AddItem(menuMove, "menuItemSaveAs", "Save As...");
    // Kept for its action only: nothing makes it visible.
    menuItemLoadMostRecentFile =
        AddItem(menuMove, "menuItemLoadMostRecentFile", "Load Most Recent File");
    menuItemLoadMostRecentFile->setVisible(false);
    menuMove->addSeparator();
    menuItemShowProblems = AddItem(menuMove, "menuItemShowProblems", "Show Problem List");
    menuItemShowProblems->setCheckable(true);
    menuItemNextProblem = AddItem(menuMove, "menuItemNextProblem", "Next Problem");
    menuItemNextProblem->setShortcut(QKeySequence(Qt::Key_F8));
    menuItemPreviousProblem = AddItem(menuMove, "menuItemPreviousProblem", "Previous Problem");
    menuItemPreviousProblem->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F8));
    menuMove->addSeparator();
    menuItemQuit = AddItem(menuMove, "menuItemQuit", "Quit");
    menuMove->setDefaultAction(menuItemLoad);

    menuReport = menuBar()->addMenu(QStringLiteral("Report"));
    menuReport->setObjectName(QStringLiteral("menuReport"));
    menuItemLoadReport = AddItem(menuReport, "menuItemLoadReport", "Load...");
    menuReport->addSeparator();
    menuItemShowMap = AddItem(menuReport, "menuItemShowMap", "Show Map");
    menuItemShowGraphicalMap =
        AddItem(menuReport, "menuItemShowGraphicalMap", "Show Graphical Map");
    menuItemShowOptions = AddItem(menuReport, "menuItemShowOptions", "Show Global Options");
    menuItemline = menuReport->addSeparator();
    menuItemline->setObjectName(QStringLiteral("menuItemline"));
    menuItemReinitialize = AddItem(menuReport, "menuItemReinitialize", "Reinitialize...");
    menuReport->setDefaultAction(menuItemLoadReport);

    menuHelp = menuBar()->addMenu(QStringLiteral("Help"));
    menuHelp->setObjectName(QStringLiteral("menuHelp"));
    menuItemIntroduction = AddItem(menuHelp, "menuItemIntroduction", "Introduction");
    menuItemInitialisation = AddItem(menuHelp, "menuItemInitialisation", "Initialisation");
    menuItemMenus = AddItem(menuHelp, "menuItemMenus", "Menus");
    menuItemMoveEditor = AddItem(menuHelp, "menuItemMoveEditor", "Move Editor");
    menuItemAuthor = AddItem(menuHelp, "menuItemAuthor", "Contacting the Author");
    menuHelp->addSeparator();
    About = AddItem(menuHelp, "About", "About");
    menuHelp->setDefaultAction(menuItemIntroduction);

    connect(menuItemNew, &QAction::triggered, this, &TFormMain::menuItemNewClick);
    connect(menuItemGetfromClipboard, &QAction::triggered, this,
            &TFormMain::menuItemGetfromClipboardClick);
    connect(menuItemPuttoClipboard, &QAction::triggered, this,
            &TFormMain::menuItemPuttoClipboardClick);
    connect(menuItemLoad, &QAction::triggered, this, &TFormMain::menuItemLoadClick);
    connect(menuItemReload, &QAction::triggered, this, &TFormMain::menuItemReloadClick);
    connect(menuItemCheckMove, &QAction::triggered, this, &TFormMain::menuItemCheckMoveClick);
    connect(menuItemSave, &QAction::triggered, this, &TFormMain::menuItemSaveClick);
    connect(menuItemSaveAs, &QAction::triggered, this, &TFormMain::menuItemSaveAsClick);
    connect(menuItemLoadMostRecentFile, &QAction::triggered, this,
            &TFormMain::menuItemLoadMostRecentFileClick);
    connect(menuItemQuit, &QAction::triggered, this, &TFormMain::menuItemQuitClick);
    connect(menuItemNextProblem, &QAction::triggered, this, &TFormMain::NextProblem);
    connect(menuItemPreviousProblem, &QAction::triggered, this, &TFormMain::PreviousProblem);
    connect(menuItemLoadReport, &QAction::triggered, this, &TFormMain::menuItemLoadReportClick);
    connect(menuItemShowMap, &QAction::triggered, this, &TFormMain::menuItemShowMapClick);
    connect(menuItemShowGraphicalMap, &QAction::triggered, this,
            &TFormMain::menuItemShowGraphicalMapClick);
    connect(menuItemShowOptions, &QAction::triggered, this, &TFormMain::menuItemShowOptionsClick);
    connect(menuItemReinitialize, &QAction::triggered, this, &TFormMain::menuItemReinitializeClick);
    const auto topic = [this](QAction* item, const char* name) {
        connect(item, &QAction::triggered, this, [this, name] { ShowHelpTopic(Name(name)); });
    };
    topic(menuItemIntroduction, "introduction");
    topic(menuItemInitialisation, "initialisation");
    topic(menuItemMenus, "menus");
    topic(menuItemMoveEditor, "moveeditor");
    topic(menuItemAuthor, "author");
    connect(About, &QAction::triggered, this, &TFormMain::AboutClick);
}

void TFormMain::BuildPanel() {
    auto* central = new QWidget(this);
    auto* panel = new QWidget(central);
    panel->setObjectName(QStringLiteral("PanelTop"));
    panel->setFixedHeight(265);

    ListBoxCommands = new QListWidget(panel);
    ListBoxCommands->setObjectName(QStringLiteral("ListBoxCommands"));
    auto* commandsCaption = new QLabel(QStringLiteral("Commands:"), panel);

    RadioGroupCommands =
        RadioGroup(panel, "RadioGroupCommands", "Display Commands As", commandsForm);
    RadioGroupDisplay = RadioGroup(panel, "RadioGroupDisplay", "Display Move As", displayForm);

    GroupBoxReport = new QGroupBox(QStringLiteral("Load Report"), panel);
    GroupBoxReport->setObjectName(QStringLiteral("GroupBoxReport"));
    ButtonNext = Button(GroupBoxReport, "ButtonNext", "Next");
    ButtonPrevious = Button(GroupBoxReport, "ButtonPrevious", "Previous");
    auto* reportLayout = new QVBoxLayout(GroupBoxReport);
    reportLayout->setContentsMargins(6, 2, 6, 2);
    reportLayout->setSpacing(2);
    reportLayout->addWidget(ButtonNext);
    reportLayout->addWidget(ButtonPrevious);

    GroupBoxTribe = new QGroupBox(QStringLiteral("Tribe Information"), panel);
    GroupBoxTribe->setObjectName(QStringLiteral("GroupBoxTribe"));
    auto* start = new QGroupBox(QStringLiteral("Goods at Start"), GroupBoxTribe);
    start->setObjectName(QStringLiteral("GroupBoxStart"));
    auto* current = new QGroupBox(QStringLiteral("Current Goods:"), GroupBoxTribe);
    current->setObjectName(QStringLiteral("GroupBoxCurrent"));
    LabelSGoldVal = ValueLabel(start, "LabelSGoldVal");
    LabelSWoodVal = ValueLabel(start, "LabelSWoodVal");
    LabelSFoodVal = ValueLabel(start, "LabelSFoodVal");
    LabelCGoldVal = ValueLabel(current, "LabelCGoldVal");
    LabelCWoodVal = ValueLabel(current, "LabelCWoodVal");
    auto* startGrid = TightGrid(start);
    startGrid->addWidget(new QLabel(QStringLiteral("Gold: "), start), 0, 0);
    startGrid->addWidget(LabelSGoldVal, 0, 1);
    startGrid->addWidget(new QLabel(QStringLiteral("Wood: "), start), 1, 0);
    startGrid->addWidget(LabelSWoodVal, 1, 1);
    startGrid->addWidget(new QLabel(QStringLiteral("Food:"), start), 2, 0);
    startGrid->addWidget(LabelSFoodVal, 2, 1);
    auto* currentGrid = TightGrid(current);
    currentGrid->addWidget(new QLabel(QStringLiteral("Gold: "), current), 0, 0);
    currentGrid->addWidget(LabelCGoldVal, 0, 1);
    currentGrid->addWidget(new QLabel(QStringLiteral("Wood: "), current), 1, 0);
    currentGrid->addWidget(LabelCWoodVal, 1, 1);
    currentGrid->setRowStretch(2, 1);
    auto* tribeLayout = new QHBoxLayout(GroupBoxTribe);
    tribeLayout->setContentsMargins(6, 2, 6, 4);
    tribeLayout->addWidget(start);
    tribeLayout->addWidget(current);

    auto* commands = new QGroupBox(QStringLiteral("Commands"), panel);
    commands->setObjectName(QStringLiteral("GroupBox1"));
    ButtonAbove = Button(commands, "ButtonAbove", "Above Curr. Line");
    ButtonBelow = Button(commands, "ButtonBelow", "Below Curr. Line");
    ButtonEdit = Button(commands, "ButtonEdit", "Edit Command");
    ButtonPlus = Button(commands, "ButtonPlus", "+");
    ButtonMinus = Button(commands, "ButtonMinus", "-");
    ButtonDelete = Button(commands, "ButtonDelete", "Delete Command");
    auto* commandGrid = new QGridLayout(commands);
    commandGrid->setContentsMargins(6, 2, 6, 4);
    commandGrid->setSpacing(2);
    commandGrid->addWidget(ButtonAbove, 0, 0, 1, 2);
    commandGrid->addWidget(ButtonBelow, 0, 2, 1, 2);
    commandGrid->addWidget(ButtonEdit, 1, 0);
    commandGrid->addWidget(ButtonPlus, 1, 1);
    commandGrid->addWidget(ButtonMinus, 1, 2);
    commandGrid->addWidget(ButtonDelete, 1, 3);

    LabelMove = new QLabel(QStringLiteral("Your Move:"), panel);
    LabelMove->setObjectName(QStringLiteral("LabelMove"));

    auto* switches = new QHBoxLayout;
    switches->setSpacing(4);
    switches->addWidget(RadioGroupCommands);
    switches->addWidget(GroupBoxReport);
    switches->addWidget(RadioGroupDisplay);
    auto* right = new QVBoxLayout;
    right->setSpacing(2);
    right->addLayout(switches);
    right->addWidget(GroupBoxTribe);
    right->addWidget(commands);
    auto* left = new QVBoxLayout;
    left->setSpacing(2);
    left->addWidget(commandsCaption);
    left->addWidget(ListBoxCommands);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(6);
    columns->addLayout(left, 1);
    columns->addLayout(right, 0);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(4, 2, 4, 0);
    panelLayout->setSpacing(2);
    panelLayout->addLayout(columns);
    panelLayout->addWidget(LabelMove);

    SplitterMove = new QSplitter(Qt::Vertical, central);
    SplitterMove->setObjectName(QStringLiteral("SplitterMove"));
    SplitterMove->setChildrenCollapsible(false);
    ListBoxMove = new QListWidget(SplitterMove);
    ListBoxMove->setObjectName(QStringLiteral("ListBoxMove"));
    ListBoxMove->setUniformItemSizes(true);
    ListBoxMove->setSelectionMode(QAbstractItemView::SingleSelection);
    const int markSize = ListBoxMove->fontMetrics().height();
    ListBoxMove->setIconSize(QSize(markSize, markSize));
    PanelProblems = new QWidget(SplitterMove);
    PanelProblems->setObjectName(QStringLiteral("PanelProblems"));
    auto* problemsCaption = new QLabel(QStringLiteral("Problems:"), PanelProblems);
    ListBoxProblems = new QListWidget(PanelProblems);
    ListBoxProblems->setObjectName(QStringLiteral("ListBoxProblems"));
    ListBoxProblems->setSelectionMode(QAbstractItemView::SingleSelection);
    problemsCaption->setBuddy(ListBoxProblems);
    auto* problemsLayout = new QVBoxLayout(PanelProblems);
    problemsLayout->setContentsMargins(4, 2, 0, 0);
    problemsLayout->setSpacing(1);
    problemsLayout->addWidget(problemsCaption);
    problemsLayout->addWidget(ListBoxProblems);
    SplitterMove->addWidget(ListBoxMove);
    SplitterMove->addWidget(PanelProblems);
    SplitterMove->setStretchFactor(0, 3);
    SplitterMove->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(SplitterMove, 1);
    setCentralWidget(central);

    connect(ButtonNext, &QPushButton::clicked, this, &TFormMain::ButtonNextClick);
    connect(ButtonPrevious, &QPushButton::clicked, this, &TFormMain::ButtonPreviousClick);
    connect(commandsForm, &QButtonGroup::idClicked, this, &TFormMain::RadioGroupCommandsClick);
    connect(displayForm, &QButtonGroup::idClicked, this, &TFormMain::RadioGroupDisplayClick);
    connect(ListBoxMove, &QListWidget::itemSelectionChanged, this, &TFormMain::ListBoxMoveClick);
    connect(ListBoxMove, &QListWidget::itemDoubleClicked, this, &TFormMain::ListBoxMoveDblClick);
    connect(ListBoxCommands, &QListWidget::itemDoubleClicked, this,
            &TFormMain::ListBoxCommandsDblClick);
    connect(ButtonAbove, &QPushButton::clicked, this, &TFormMain::ButtonAboveClick);
    connect(ButtonBelow, &QPushButton::clicked, this, &TFormMain::ButtonBelowClick);
    connect(ButtonEdit, &QPushButton::clicked, this, &TFormMain::ButtonEditClick);
    connect(ButtonMinus, &QPushButton::clicked, this, &TFormMain::ButtonMinusClick);
    connect(ButtonPlus, &QPushButton::clicked, this, &TFormMain::ButtonPlusClick);
    connect(ButtonDelete, &QPushButton::clicked, this, &TFormMain::ButtonDeleteClick);
    connect(ListBoxMove, &QListWidget::itemSelectionChanged, this, &TFormMain::ShowSelectionOnMap);
    connect(this, &TFormMain::StateShown, this, &TFormMain::RefreshMapWindow);
    connect(ListBoxProblems, &QListWidget::itemSelectionChanged, this, &TFormMain::ProblemSelected);
    connect(ListBoxProblems, &QListWidget::itemActivated, this, &TFormMain::ProblemActivated);
    const bool problemsShown =
        WindowSettings().value(QStringLiteral("problemListShown"), true).toBool();
    menuItemShowProblems->setChecked(problemsShown);
    PanelProblems->setVisible(problemsShown);
    connect(menuItemShowProblems, &QAction::toggled, this, [this](bool shown) {
        PanelProblems->setVisible(shown);
        WindowSettings().setValue(QStringLiteral("problemListShown"), shown);
    });
}

THelpWindow* TFormMain::HelpWindow() const {
    if (helpWindow_ == nullptr) {
        helpWindow_ = new THelpWindow(const_cast<TFormMain*>(this));
    }
    return helpWindow_;
}

void TFormMain::ShowHelpTopic(const QString& topic) {
    HelpWindow()->ShowTopic(topic);
}

void TFormMain::ShowHelpContext(int context) {
    HelpWindow()->ShowContext(context);
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
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

void TFormMain::AboutClick() {
    CenterOnScreen(aboutBox_);
    aboutBox_->show();
    aboutBox_->raise();
    aboutBox_->activateWindow();
}

void TFormMain::menuItemQuitClick() {
    close();
}

} // namespace orv::gui
