// The main window's panel: the commands list, the switches, the tribe's goods, the command
// buttons, the move list and the problem list below it, and their keys.

#include "gui/main.h"
#include "gui/map_follower.h"
#include "gui/move_document.h"
#include "gui/move_list_model.h"
#include "gui/move_panel.h"
#include "gui/problem_panel.h"
#include "gui/row_list_view.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSplitter>
#include <QStringListModel>
#include <QVBoxLayout>
#include <utility>

namespace orv::gui {

namespace {

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

void MainWindow::BuildPanel() {
    auto* central = new QWidget(this);
    auto* panel = new QWidget(central);
    panel->setObjectName(QStringLiteral("PanelTop"));
    // As high as the switches, the goods and the command buttons need at the font in use;
    // the commands list takes that height and scrolls, and the move list the rest.
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    ListBoxCommands = new RowListView(panel);
    ListBoxCommands->setObjectName(QStringLiteral("ListBoxCommands"));
    commandsModel_ = new QStringListModel(ListBoxCommands);
    ListBoxCommands->setModel(commandsModel_);
    ListBoxCommands->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    auto* commandsCaption = new QLabel(QStringLiteral("Commands:"), panel);
    LabelMove = new QLabel(QStringLiteral("Your Move:"), panel);
    LabelMove->setObjectName(QStringLiteral("LabelMove"));

    auto* right = new QVBoxLayout;
    right->setSpacing(2);
    right->addLayout(BuildSwitches(panel));
    right->addWidget(BuildTribeBox(panel));
    right->addWidget(BuildCommandButtons(panel));
    auto* left = new QVBoxLayout;
    left->setSpacing(2);
    left->addWidget(commandsCaption);
    left->addWidget(ListBoxCommands, 1);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(6);
    columns->addLayout(left, 1);
    columns->addLayout(right, 0);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(4, 2, 4, 0);
    panelLayout->setSpacing(2);
    panelLayout->addLayout(columns);
    panelLayout->addWidget(LabelMove);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(BuildMoveArea(central), 1);
    setCentralWidget(central);
    ConnectPanel();
}

QLayout* MainWindow::BuildSwitches(QWidget* panel) {
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

    auto* switches = new QHBoxLayout;
    switches->setSpacing(4);
    switches->addWidget(RadioGroupCommands);
    switches->addWidget(GroupBoxReport);
    switches->addWidget(RadioGroupDisplay);
    return switches;
}

QWidget* MainWindow::BuildTribeBox(QWidget* panel) {
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
    return GroupBoxTribe;
}

QWidget* MainWindow::BuildCommandButtons(QWidget* panel) {
    auto* commands = new QGroupBox(QStringLiteral("Commands"), panel);
    commands->setObjectName(QStringLiteral("GroupBox1"));
    ButtonAbove = Button(commands, "ButtonAbove", "Above Curr. Line");
    ButtonBelow = Button(commands, "ButtonBelow", "Below Curr. Line");
    ButtonEdit = Button(commands, "ButtonEdit", "Edit Command");
    ButtonPlus = Button(commands, "ButtonPlus", "+");
    ButtonMinus = Button(commands, "ButtonMinus", "-");
    ButtonDelete = Button(commands, "ButtonDelete", "Delete Command");
    ButtonBelow->setShortcut(QKeySequence(Qt::Key_Insert));
    ButtonBelow->setToolTip(QStringLiteral("A new order below the selected line (Insert)"));
    ButtonMinus->setToolTip(QStringLiteral("Moves the selected order one line up (Ctrl+Up)"));
    ButtonPlus->setToolTip(QStringLiteral("Moves the selected order one line down (Ctrl+Down)"));
    ButtonDelete->setToolTip(QStringLiteral("Deletes the selected order (Delete)"));
    ButtonEdit->setToolTip(QStringLiteral("Edits the selected order (Enter)"));
    auto* commandGrid = new QGridLayout(commands);
    commandGrid->setContentsMargins(6, 2, 6, 4);
    commandGrid->setSpacing(2);
    commandGrid->addWidget(ButtonAbove, 0, 0, 1, 2);
    commandGrid->addWidget(ButtonBelow, 0, 2, 1, 2);
    commandGrid->addWidget(ButtonEdit, 1, 0);
    commandGrid->addWidget(ButtonPlus, 1, 1);
    commandGrid->addWidget(ButtonMinus, 1, 2);
    commandGrid->addWidget(ButtonDelete, 1, 3);
    return commands;
}

QWidget* MainWindow::BuildMoveArea(QWidget* central) {
    SplitterMove = new QSplitter(Qt::Vertical, central);
    SplitterMove->setObjectName(QStringLiteral("SplitterMove"));
    SplitterMove->setChildrenCollapsible(false);
    ListBoxMove = new RowListView(SplitterMove);
    ListBoxMove->setObjectName(QStringLiteral("ListBoxMove"));
    PanelProblems = new ProblemPanel(SplitterMove);
    ListBoxProblems = PanelProblems->List();
    SplitterMove->addWidget(ListBoxMove);
    SplitterMove->addWidget(PanelProblems);
    SplitterMove->setStretchFactor(0, 3);
    SplitterMove->setStretchFactor(1, 1);
    return SplitterMove;
}

void MainWindow::ConnectPanel() {
    connect(ButtonNext, &QPushButton::clicked, this, &MainWindow::ButtonNextClick);
    connect(ButtonPrevious, &QPushButton::clicked, this, &MainWindow::ButtonPreviousClick);
    connect(commandsForm, &QButtonGroup::idClicked, this, &MainWindow::RadioGroupCommandsClick);
    connect(displayForm, &QButtonGroup::idClicked, this, &MainWindow::RadioGroupDisplayClick);
    movePanel_ = new MovePanel(*document_, LabelMove, ListBoxMove);
    connect(movePanel_, &MovePanel::CurrentLineShown, this, [this] {
        UpdateCurrentGoods();
        if (map_ != nullptr) {
            map_->ShowSelection();
        }
    });
    connect(ListBoxMove, &QAbstractItemView::doubleClicked, this, &MainWindow::ListBoxMoveDblClick);
    connect(ListBoxCommands, &QAbstractItemView::doubleClicked, this,
            &MainWindow::ListBoxCommandsDblClick);
    connect(ButtonAbove, &QPushButton::clicked, this, &MainWindow::ButtonAboveClick);
    connect(ButtonBelow, &QPushButton::clicked, this, &MainWindow::ButtonBelowClick);
    connect(ButtonEdit, &QPushButton::clicked, this, &MainWindow::ButtonEditClick);
    connect(ButtonMinus, &QPushButton::clicked, this, &MainWindow::ButtonMinusClick);
    connect(ButtonPlus, &QPushButton::clicked, this, &MainWindow::ButtonPlusClick);
    connect(ButtonDelete, &QPushButton::clicked, this, &MainWindow::ButtonDeleteClick);
    connect(PanelProblems, &ProblemPanel::LineChosen, this,
            [this](std::size_t line) { SelectLine(line); });
    connect(PanelProblems, &ProblemPanel::LineActivated, this, [this](std::size_t line) {
        SelectLine(line);
        if (Move().IsOrderLine(line)) {
            ButtonEditClick();
        }
    });
    // In the move list, Enter edits the selected order and Delete deletes it.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* edit = new QShortcut(QKeySequence(key), ListBoxMove);
        edit->setContext(Qt::WidgetShortcut);
        connect(edit, &QShortcut::activated, this, &MainWindow::ButtonEditClick);
    }
    // Ctrl+Up and Ctrl+Down move the selected order, wherever the focus is in the window.
    for (const auto& [key, button] :
         {std::pair{Qt::Key_Up, ButtonMinus}, {Qt::Key_Down, ButtonPlus}}) {
        auto* shift = new QShortcut(QKeySequence(Qt::CTRL | key), this);
        connect(shift, &QShortcut::activated, button, &QPushButton::click);
    }
    auto* remove = new QShortcut(QKeySequence(QKeySequence::Delete), ListBoxMove);
    remove->setContext(Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &MainWindow::ButtonDeleteClick);
}

} // namespace orv::gui
