#pragma once
// The main window: start-up, the menus, the tribe's goods and the command buttons. It
// connects the parts that each follow the move document or the report: the report session,
// the move panel, the problem panel and the map follower; the work behind its handlers is
// the core's.

#include "core/check/check_driver.h"
#include "core/edit/order_fields.h"
#include "core/move/catalogue.h"
#include "core/move/move_file.h"
#include "core/move/move_list.h"
#include "core/report/game.h"
#include "core/report/report_series.h"
#include "gui/report_session.h"
#include "gui/services.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

class QAction;
class QButtonGroup;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QLayout;
class QStringListModel;
class QMenu;
class QPushButton;
class QRadioButton;
class QSettings;
class QTemporaryDir;
class QUrl;
class QSplitter;

namespace orv::mapview {
struct Drawing;
} // namespace orv::mapview

namespace orv::gui {

class OrderTextDialog;
class RowListView;
class MovePanel;
class ProblemPanel;

class DraftKeeper;
class MoveDocument;
class AboutBox;
class CommandDialogBase;
class TextWindow;
class TribeDialog;
class MapWindow;
class MapFollower;
class HelpWindow;

// Where the program lives and how it talks to the user; tests replace every part.
struct Environment {
    QString programDir;           // the executable's folder
    QString configDir;            // the user's configuration folder
    QString dataDir;              // the user's data folder, for drafts of unsaved moves
    Notifier* notifier = nullptr; // none: message boxes
    FilePicker* picker = nullptr; // none: the toolkit's file dialogs
    std::function<void()> quit;   // none: leave the event loop
    QString workingDir;   // where the program started: an old settings file there is imported
    bool portable = true; // settings beside the program (an unpacked build of the user's own)
};

// How long the status line tells what the last action did.
inline constexpr int StatusMs = 5000;

// The mailto address of a new mail to address with subject and body.
QUrl MoveMailUrl(const QString& address, const QString& subject, const QString& body);

// The main window (the form of old called TFormMain).
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(Environment env, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Decides where the first report comes from. arguments are the command-line arguments
    // after the program name. False when the program is to end (a dialog was cancelled).
    bool FormShow(const QStringList& arguments);

    const ProgramState& State() const { return state_; }
    ProgramState& State() { return state_; }
    // The open move; every change of it goes through the document.
    MoveDocument* Document() const { return document_; }
    const move::MoveList& Move() const;
    DraftKeeper* Drafts() const { return draft_; }
    Notifier& Messages() const { return *notifier_; }
    TextWindow* CheckResultWindow() const { return formCheckResult_; }
    TribeDialog* TribeChoice() const { return formInitialize_; }
    AboutBox* AboutWindow() const { return aboutBox_; }
    HelpWindow* Help() const;
    // The graphical map; nullptr until "Show Graphical Map" first opened it.
    MapWindow* GraphicalMap() const;
    // Opens the graphical map for the user to click one province; done receives its x and y.
    // For the command dialogs' province fields: the map then belongs to the dialog over, so
    // that the modal dialog leaves it open to the mouse.
    void PickOnMap(std::function<void(int x, int y)> done, QWidget* over = nullptr);

    // The settings files, in the order they are read; writing takes the first that can be
    // written.
    std::vector<std::string> SettingsCandidates() const;

    // Fills and shows the tribe dialog; false when the user cancelled it.
    bool ShowTribeDialog(bool saveSettings);

    void ShowHelpTopic(const QString& topic);
    HelpWindow* HelpAboveModal() const;
    void ShowHelpContext(int context);

    // Asks "Save changes to the move?" when the move has unsaved edits and saves when asked
    // to; false when the user cancelled or the save failed, so the caller stops.
    bool MaybeSave();

    // Offers the draft an earlier run left behind, if any.
    void OfferDraft();

    // Opens a move file as "Load..." does, after the save question.
    void OpenMoveFile(const QString& path);

    // "-" without a selected line, else the gold and wood left after the selected line,
    // red below zero.
    void UpdateCurrentGoods();

    // Opens the command dialog for a new order (true) or for the selected line of the move
    // (false), after the checks that may refuse it; returns when the dialog is closed.
    void OpenCommandDialog(bool newOrder);

    // The dialog that composes orders of a kind; the same window each time.
    CommandDialogBase* CommandDialog(move::CommandDialog which) const;

    // The document's current line, and choosing one without the selection rule a user's
    // click passes through.
    edit::Selection SelectedLine() const;
    void SelectLine(edit::Selection line);

    // The form the commands list and the move list are shown in.
    move::DisplayForm CommandsForm() const;
    move::DisplayForm DisplayFormChosen() const;

  public slots:
    void menuItemNewClick();
    void menuItemGetfromClipboardClick();
    void menuItemPuttoClipboardClick();
    void menuItemLoadClick();
    void menuItemReloadClick();
    void menuItemCheckMoveClick();
    void menuItemSaveClick();
    void menuItemSaveAsClick();
    void menuItemSendMoveClick();
    void menuItemLoadMostRecentFileClick();
    void RadioGroupCommandsClick();
    void RadioGroupDisplayClick();
    void menuItemLoadReportClick();
    void menuItemShowMapClick();
    void menuItemShowGraphicalMapClick();
    void menuItemShowOptionsClick();
    void menuItemReinitializeClick();
    void menuItemQuitClick();
    void AboutClick();
    void ButtonNextClick();
    void ButtonPreviousClick();
    void ButtonAboveClick();
    void ButtonBelowClick();
    void ListBoxCommandsDblClick();
    void ButtonEditClick();
    void ListBoxMoveDblClick();
    void ButtonMinusClick();
    void ButtonPlusClick();
    void ButtonDeleteClick();
    // "Edit Order Text...": the selected order's raw words in the one-line order editor.
    void menuItemEditOrderTextClick();
    void NextProblem();
    void PreviousProblem();

  signals:
    // The move, the report or the tribe shown anew: views of the game state follow.
    void StateShown();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void BuildMoveMenu();
    void BuildReportMenu();
    void BuildHelpMenu();
    void BuildPanel();
    QLayout* BuildSwitches(QWidget* panel);
    QWidget* BuildTribeBox(QWidget* panel);
    QWidget* BuildCommandButtons(QWidget* panel);
    QWidget* BuildMoveArea(QWidget* central);
    void ConnectPanel();
    void RestoreWindowState();
    QStringList RecentFiles();
    void RememberRecentFile(const QString& path);
    void ShowRecentFiles();
    void OpenRecentFile(const QString& path);
    QAction* AddItem(QMenu* menu, const char* name, const char* caption);
    void ApplySeriesButtons();
    void ShowTribeGoods();
    // The report or the tribe changed: goods, check and views follow.
    void GameChanged();
    // Ends the program after the save question; false when the user kept it open.
    bool Quit();
    // The tribe dialog after a report was loaded by a menu: Cancel ends the program, and
    // when the user keeps it open at the save question, the dialog comes again, so the
    // window never goes on with a tribe nobody chose.
    void ChooseTribeOrQuit(bool saveSettings);
    void ShowMessage(move::MessageKind kind, const report::Message& message);
    // What the document said changed (MoveDocument::Aspect values), shown anew.
    void DocumentChanged(unsigned aspects);
    void RunCheck();
    bool SaveCurrent();
    bool SaveCurrentAs();
    QString ProposedMoveFile() const;
    void LoadMoveFile(const QString& stepName, const std::string& path);
    void TakeLoadedMove(const QString& stepName, move::MoveList read,
                        const move::MoveResult& result);
    QSettings& WindowSettings();
    void SaveWindowState();
    QString ReportFileFromDialog();
    void BuildCommandDialogs();
    void ComposeFromDialog(move::CommandKind kind, const edit::OrderFields& fields);
    void EditOrderText(std::size_t line);

    Environment env_;
    std::unique_ptr<Notifier> ownNotifier_;
    std::unique_ptr<FilePicker> ownPicker_;
    Notifier* notifier_;
    FilePicker* picker_;
    ReportSession* session_;
    ProgramState& state_; // the session's
    MoveDocument* document_ = nullptr;
    OrderTextDialog* orderTextDialog_ = nullptr;
    DraftKeeper* draft_ = nullptr;
    std::unique_ptr<QTemporaryDir> unkeptFolder_; // the window's settings when no folder is known
    std::unique_ptr<QSettings> windowSettings_;
    bool quitConfirmed_ = false; // the save question was answered on the way out

  public:
    // Controls, named as the program names them (also their object names).
    QAction* menuItemUndo = nullptr;
    QAction* menuItemRedo = nullptr;
    QAction* menuItemNew = nullptr;
    QAction* menuItemGetfromClipboard = nullptr;
    QAction* menuItemPuttoClipboard = nullptr;
    QAction* menuItemLoad = nullptr;
    QAction* menuItemReload = nullptr;
    QAction* menuItemCheckMove = nullptr;
    QAction* menuItemEditOrderText = nullptr;
    QAction* menuItemSave = nullptr;
    QAction* menuItemSaveAs = nullptr;
    QAction* menuItemSendMove = nullptr;
    QAction* menuItemLoadMostRecentFile = nullptr;
    QAction* menuItemQuit = nullptr;
    QAction* menuItemShowProblems = nullptr;
    QAction* menuItemNextProblem = nullptr;
    QAction* menuItemPreviousProblem = nullptr;
    QAction* menuItemLoadReport = nullptr;
    QAction* menuItemShowMap = nullptr;
    QAction* menuItemShowGraphicalMap = nullptr;
    QAction* menuItemShowOptions = nullptr;
    QAction* menuItemline = nullptr;
    QAction* menuItemReinitialize = nullptr;
    QAction* menuItemIntroduction = nullptr;
    QAction* menuItemInitialisation = nullptr;
    QAction* menuItemMenus = nullptr;
    QAction* menuItemMoveEditor = nullptr;
    QAction* menuItemAuthor = nullptr;
    QAction* About = nullptr;
    QMenu* menuMove = nullptr;
    QMenu* menuReport = nullptr;
    QMenu* menuHelp = nullptr;
    QMenu* menuRecent = nullptr;

    RowListView* ListBoxCommands = nullptr;
    RowListView* ListBoxMove = nullptr;
    QGroupBox* RadioGroupCommands = nullptr;
    QGroupBox* RadioGroupDisplay = nullptr;
    QButtonGroup* commandsForm = nullptr;
    QButtonGroup* displayForm = nullptr;
    QGroupBox* GroupBoxReport = nullptr;
    QPushButton* ButtonNext = nullptr;
    QPushButton* ButtonPrevious = nullptr;
    QGroupBox* GroupBoxTribe = nullptr;
    QLabel* LabelSGoldVal = nullptr;
    QLabel* LabelSWoodVal = nullptr;
    QLabel* LabelSFoodVal = nullptr;
    QLabel* LabelCGoldVal = nullptr;
    QLabel* LabelCWoodVal = nullptr;
    QPushButton* ButtonAbove = nullptr;
    QPushButton* ButtonBelow = nullptr;
    QPushButton* ButtonEdit = nullptr;
    QPushButton* ButtonPlus = nullptr;
    QPushButton* ButtonMinus = nullptr;
    QPushButton* ButtonDelete = nullptr;
    QLabel* LabelMove = nullptr;
    RowListView* ListBoxProblems = nullptr;
    ProblemPanel* PanelProblems = nullptr;
    QSplitter* SplitterMove = nullptr;

  private:
    TribeDialog* formInitialize_ = nullptr;
    AboutBox* aboutBox_ = nullptr;
    TextWindow* formCheckResult_ = nullptr;
    MapFollower* map_ = nullptr;
    mutable HelpWindow* helpWindow_ = nullptr;
    std::array<CommandDialogBase*, 7> commandDialogs_{};
    MovePanel* movePanel_ = nullptr;
    QStringListModel* commandsModel_ = nullptr;
};

} // namespace orv::gui
