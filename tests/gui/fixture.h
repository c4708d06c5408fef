#pragma once
// A main window with recorded messages, scripted file dialogs, a program folder and a
// configuration folder of its own, and answers for the modal tribe dialog.

#include "core/move/move_file.h"
#include "gui/initialize.h"
#include "gui/main.h"
#include "gui/move_document.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <initializer_list>
#include <memory>
#include <string>

namespace orv::gui::testing {

struct RecordingNotifier final : Notifier {
    QStringList errors, warnings, informations, questions;
    bool answer = true;
    SaveChoice saveAnswer = SaveChoice::Discard;
    int saveQuestions = 0;
    void Error(const QString& text) override { errors.append(text); }
    void Warning(const QString& text) override { warnings.append(text); }
    void Information(const QString& text) override { informations.append(text); }
    bool Confirm(const QString& text, bool) override {
        questions.append(text);
        return answer;
    }
    SaveChoice AskSave(const QString& text) override {
        questions.append(text);
        ++saveQuestions;
        return saveAnswer;
    }
};

struct ScriptedPicker final : FilePicker {
    QString nextFile; // empty: the user cancels
    QString nextFilter = QStringLiteral("All files (*.*)");
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
        return nextFile;
    }
};

// The texts of a list's lines, from the top.
inline QStringList Lines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
        lines.append(list->item(i)->text());
    }
    return lines;
}

// A window's title as the user sees it: the unsaved mark shown as "*" or left out.
inline QString ShownTitle(const QWidget* window) {
    QString title = window->windowTitle();
    title.replace(QStringLiteral("[*]"),
                  window->isWindowModified() ? QStringLiteral("*") : QString());
    return title;
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
    explicit MainFixture(const QString& dataFolder = {}, const QString& configFolder = {}) {
        Environment env;
        env.programDir = programDir.path();
        env.configDir = configFolder.isEmpty() ? configDir.path() : configFolder;
        env.dataDir = dataFolder.isEmpty() ? dataDir.path() : dataFolder;
        env.notifier = &notifier;
        env.picker = &picker;
        env.quit = [this] { ++quits; };
        form = std::make_unique<MainWindow>(env);
    }

    QString SettingsPath() const { return programDir.filePath(QStringLiteral("OrvMove.ini")); }

    void WriteFile(const QString& path, const QByteArray& bytes) const {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
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
    // entry when text is empty), or Cancel.
    void AnswerTribeDialog(bool ok, const QString& typed = QString()) const {
        TribeDialog* dialog = form->TribeChoice();
        QTimer::singleShot(0, dialog, [dialog, ok, typed] {
            if (!typed.isEmpty()) {
                dialog->ComboBoxTribes()->setEditText(typed);
            }
            if (ok) {
                dialog->ButtonOKClick();
            } else {
                dialog->ButtonCancelClick();
            }
        });
    }

    // Puts a move read from raw lines (after a BEGIN line) in place, as a load does.
    void SetMove(std::initializer_list<const char*> rawLines) const {
        std::string text = "BEGIN\r\n";
        for (const char* line : rawLines) {
            text += line;
            text += "\r\n";
        }
        move::MoveList move = form->Move();
        move::LoadMoveFromText(move, text);
        form->Document()->ReplaceMove(QStringLiteral("Load"), std::move(move), true);
    }

    // Starts with a report on the command line and takes the first tribe.
    void StartWith(const QString& report) {
        AnswerTribeDialog(true);
        form->FormShow({report});
    }
};

} // namespace orv::gui::testing
