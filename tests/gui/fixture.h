#pragma once
// A main window with recorded messages, scripted file dialogs, a program folder and a
// configuration folder of its own, and answers for the modal tribe dialog.

#include "core/move/move_file.h"
#include "gui/initialize.h"
#include "gui/main.h"

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
    void Error(const QString& text) override { errors.append(text); }
    void Warning(const QString& text) override { warnings.append(text); }
    void Information(const QString& text) override { informations.append(text); }
    bool Confirm(const QString& text, bool) override {
        questions.append(text);
        return answer;
    }
};

struct ScriptedPicker final : FilePicker {
    QString nextFile; // empty: the user cancels
    QStringList titles, folders;
    QString OpenFileName(const QString& title, const QString& folder, const QString&) override {
        titles.append(title);
        folders.append(folder);
        return nextFile;
    }
    QString SaveFileName(const QString& title, const QString& folder, const QString&) override {
        titles.append(title);
        folders.append(folder);
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

inline QString Example(const char* name) {
    return QStringLiteral(ORV_EXAMPLES_DIR "/") + QString::fromLatin1(name);
}

struct MainFixture {
    QTemporaryDir programDir;
    QTemporaryDir configDir;
    QTemporaryDir work; // reports and moves of the test
    RecordingNotifier notifier;
    ScriptedPicker picker;
    int quits = 0;
    std::unique_ptr<TFormMain> form;

    MainFixture() {
        Environment env;
        env.programDir = programDir.path();
        env.configDir = configDir.path();
        env.notifier = &notifier;
        env.picker = &picker;
        env.quit = [this] { ++quits; };
        form = std::make_unique<TFormMain>(env);
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
        TFormInitialize* dialog = form->TribeDialog();
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

    // Replaces the open move by one read from raw lines (the frame is added) and shows it.
    void SetMove(std::initializer_list<const char*> rawOrders) const {
        std::string text = "BEGIN\r\n";
        for (const char* order : rawOrders) {
            text += order;
            text += "\r\n";
        }
        move::LoadMoveFromText(form->State().move, text);
        form->ShowMove();
    }

    // Starts with a report on the command line and takes the first tribe.
    void StartWith(const QString& report) {
        AnswerTribeDialog(true);
        form->FormShow({report});
    }
};

} // namespace orv::gui::testing
