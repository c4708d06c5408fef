#pragma once
// What the windows ask of the user and the desktop: message boxes, file dialogs and the
// end of the program. The real ones use Qt; tests put recorders in their place.

#include "core/move/move_file.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class QLabel;
class QWidget;

namespace orv::gui {

// The answers to "Save changes to the move?".
enum class SaveChoice { Save, Discard, Cancel };

inline constexpr const char* SaveChangesQuestion = "Save changes to the move?";

class Notifier {
  public:
    virtual ~Notifier() = default;
    virtual void Error(const QString& text) = 0;
    virtual void Warning(const QString& text) = 0;
    virtual void Information(const QString& text) = 0;
    // A question with Yes and No; true for Yes. warning selects the warning icon.
    virtual bool Confirm(const QString& text, bool warning) = 0;
    // A question with Save, Discard and Cancel.
    virtual SaveChoice AskSave(const QString& text) = 0;
    // The notifier for a window that stays above the one this notifier serves (a command
    // dialog), so that its message boxes belong to it and open above it. None when the
    // messages need no window (a recorder), and the window then uses this notifier.
    virtual std::unique_ptr<Notifier> ForWindow(QWidget*) { return nullptr; }
};

class FilePicker {
  public:
    virtual ~FilePicker() = default;
    // The chosen path, or an empty text when the user cancelled.
    virtual QString OpenFileName(const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    // proposed: the folder and name the dialog starts with. selectedFilter receives the
    // caption of the filter the user left chosen.
    virtual QString SaveFileName(const QString& title, const QString& proposed,
                                 const QString& filter, QString* selectedFilter) = 0;
};

// Message boxes owned by a parent window.
class MessageBoxNotifier final : public Notifier {
  public:
    explicit MessageBoxNotifier(QWidget* parent) : parent_(parent) {}
    void Error(const QString& text) override;
    void Warning(const QString& text) override;
    void Information(const QString& text) override;
    bool Confirm(const QString& text, bool warning) override;
    SaveChoice AskSave(const QString& text) override;
    std::unique_ptr<Notifier> ForWindow(QWidget* window) override {
        return std::make_unique<MessageBoxNotifier>(window);
    }

  private:
    QWidget* parent_;
};

// The toolkit's own file dialogs.
class DialogFilePicker final : public FilePicker {
  public:
    explicit DialogFilePicker(QWidget* parent) : parent_(parent) {}
    QString OpenFileName(const QString& title, const QString& folder,
                         const QString& filter) override;
    QString SaveFileName(const QString& title, const QString& proposed, const QString& filter,
                         QString* selectedFilter) override;

  private:
    QWidget* parent_;
};

// Shows a message of the core in the box of its kind; None shows nothing.
void ShowMessage(Notifier& notifier, move::MessageKind kind, const QString& text);

// A figure of gold or wood on a label, in red below zero.
void ShowGoodsValue(QLabel* label, std::int32_t value);

} // namespace orv::gui
