#pragma once
// A main window with recorded messages, scripted file dialogs, a program folder and a
// configuration folder of its own, and answers for the modal dialogs it opens.

#include "core/move/move_file.h"
#include "gui/command_dialog.h"
#include "gui/initialize.h"
#include "gui/main.h"
#include "gui/move_document.h"
#include "gui/problem_panel.h"
#include "gui/row_list_view.h"
#include "gui_tests.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

namespace orv::gui::testing {

// A test that uses this namespace names the program's types and Qt's string literals
// plainly.
using namespace orv;
using namespace orv::gui;
using namespace Qt::StringLiterals;

struct RecordingNotifier final : Notifier {
    QStringList errors, warnings, informations, questions;
    bool answer = true;
    SaveChoice saveAnswer = SaveChoice::Discard;
    void Error(const QString& text) override { errors.append(text); }
    void Warning(const QString& text) override { warnings.append(text); }
    void Information(const QString& text) override { informations.append(text); }
    bool Confirm(const QString& text, bool) override {
        questions.append(text);
        return answer;
    }
    SaveChoice AskSave(const QString& text) override {
        questions.append(text);
        return saveAnswer;
    }
};

struct ScriptedPicker final : FilePicker {
    QString nextFile;       // empty: the user cancels; a save dialog answers it once
    QStringList laterFiles; // the save dialog's answers after nextFile
    QString nextFilter = u"All files (*)"_s;
    QStringList titles, folders;
    QString OpenFileName(const QString& title, const QString& folder, const QString&) override {
        titles.append(title);
        folders.append(folder);
        return nextFile;
    }
    QString SaveFileName(const QString& title, const QString& proposed, const QString&,
                         QString* filter) override {
        titles.append(title);
        folders.append(proposed);
        *filter = nextFilter;
        const QString chosen = nextFile;
        nextFile = laterFiles.isEmpty() ? QString() : laterFiles.takeFirst();
        return chosen;
    }
};

// The texts of a list's lines, from the top.
inline QStringList Lines(const orv::gui::RowListView* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
        lines.append(list->RowText(i));
    }
    return lines;
}

// Lines written short, "|" between them.
inline QStringList Split(const char* lines) {
    return QString::fromLatin1(lines).split(QLatin1Char('|'));
}

// Makes the entries "Name=text" ("_" for a blank) through a dialog's controls: typed into
// fields, picked from lists.
inline void Fill(QWidget* dialog, const char* entries) {
    for (QString entry : QString::fromLatin1(entries).split(u' ', Qt::SkipEmptyParts)) {
        entry.replace(u'_', u' ');
        const QString name = entry.section(u'=', 0, 0);
        const QString text = entry.section(u'=', 1);
        if (auto* edit = dialog->findChild<QLineEdit*>(name)) {
            edit->clear();
            QTest::keyClicks(edit, text);
        } else if (auto* box = dialog->findChild<QComboBox*>(name)) {
            box->isEditable() ? box->setEditText(text)
                              : box->setCurrentIndex(box->findText(text, Qt::MatchExactly));
        }
    }
}

inline QString Example(const char* name) {
    return QStringLiteral(ORV_EXAMPLES_DIR "/") + QString::fromLatin1(name);
}

struct MainFixture {
    QTemporaryDir programDir;
    QTemporaryDir configDir;
    QTemporaryDir dataDir;
    QTemporaryDir work; // reports and moves of the test
    RecordingNotifier notifier;
    ScriptedPicker picker;
    int quits = 0;
    std::unique_ptr<MainWindow> form;

    // The folders of another run, when given: its drafts and its window settings.
    // portable: false for an installed build.
    explicit MainFixture(const QString& dataFolder = {}, const QString& configFolder = {},
                         bool portable = true)
        : form(std::make_unique<MainWindow>(
              Environment{.programDir = programDir.path(),
                          .configDir = configFolder.isEmpty() ? configDir.path() : configFolder,
                          .dataDir = dataFolder.isEmpty() ? dataDir.path() : dataFolder,
                          .notifier = &notifier,
                          .picker = &picker,
                          .quit = [this] { ++quits; },
                          .workingDir = work.path(),
                          .portable = portable})) {}

    QString SettingsPath() const { return programDir.filePath(u"OrvMove.ini"_s); }

    QString WriteFile(const QString& path, const QByteArray& bytes) const {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
        return path;
    }

    QByteArray ReadFile(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A copy of the example report under another name in the work folder.
    QString CopyReport(const QString& name) const {
        const QString path = work.filePath(name);
        QFile::copy(Example("turn12.txt"), path);
        return path;
    }

    // Answers the tribe dialog the next time it opens: OK after typing text (the first
    // entry when text is empty), or Cancel, and then, when it opens once more, OK; what
    // the dialog showed when it opened is kept.
    QString tribeShown;
    bool tribeFocused = false;
    int tribeAnswers = 0;
    void AnswerTribeDialog(bool ok, const QString& typed = QString()) {
        TribeDialog* dialog = form->TribeChoice();
        QTimer::singleShot(0, dialog, [this, dialog, ok, typed] {
            QApplication::setActiveWindow(dialog);
            ++tribeAnswers;
            tribeShown = dialog->ComboBoxTribes()->currentText();
            tribeFocused = dialog->ComboBoxTribes()->hasFocus();
            if (!typed.isEmpty()) {
                dialog->ComboBoxTribes()->setEditText(typed);
            }
            if (ok) {
                dialog->ButtonOKClick();
                return;
            }
            dialog->ButtonCancelClick();
            AnswerTribeDialog(true);
        });
    }

    // Starts with a report on the command line and takes the tribe typed, else the first.
    bool StartWith(const QString& report, const QString& tribe = {}) {
        AnswerTribeDialog(true, tribe);
        return form->FormShow({report});
    }
    bool StartAsVikings() { return StartWith(Example("turn12.txt"), u"3. Vikings"_s); }

    // Puts a move read from raw lines (after a BEGIN line) in place, as a load does.
    void SetMove(std::initializer_list<const char*> rawLines) const {
        std::string text = "BEGIN\r\n";
        for (const char* line : rawLines) {
            text += line;
            text += "\r\n";
        }
        move::MoveList move = form->Move();
        move::LoadMoveFromText(move, text);
        form->Document()->ReplaceMove(u"Load"_s, std::move(move), true);
    }

    // Writes a move file of the work folder and opens it by "Load...".
    QString LoadMove(const char* name, const QByteArray& text) {
        picker.nextFile = WriteFile(work.filePath(QString::fromLatin1(name)), text);
        form->menuItemLoadClick();
        return picker.nextFile;
    }

    QStringList MoveLines() const { return Lines(form->ListBoxMove); }

    // Shows the move list, or the commands list, in raw or natural form.
    void ShowRaw(bool raw, const char* list = "Display") const {
        QTest::mouseClick(form->findChild<QRadioButton*>(u"RadioGroup"_s + QLatin1String(list) +
                                                         (raw ? u"Raw"_s : u"Natural"_s)),
                          Qt::LeftButton);
    }

    void ChooseCommand(const char* caption) const {
        form->ListBoxCommands->setCurrentRow(
            static_cast<int>(Lines(form->ListBoxCommands).indexOf(QString::fromLatin1(caption))));
    }

    // Acts in the next command dialog as soon as it is shown; a dialog act left open is
    // cancelled.
    QStringList opened; // the object names of the dialogs acted in
    void InDialog(std::function<void(CommandDialogBase*)> act) {
        QTimer::singleShot(0, form.get(), [this, act] {
            auto* dialog = qobject_cast<CommandDialogBase*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            opened.append(dialog->objectName());
            act(dialog);
            if (dialog->isVisible()) {
                dialog->ButtonCancel->click();
            }
        });
    }
};

} // namespace orv::gui::testing
