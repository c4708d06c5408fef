#include "gui/initialize.h"

#include "core/report/settings.h"
#include "gui/text_codec.h"

#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace orv::gui {

namespace {

constexpr int TribeDialogHelpContext = 30;

} // namespace

TribeDialog::TribeDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      comboBoxTribes_(new QComboBox(this)) {
    setObjectName(QStringLiteral("FormInitialize"));
    setWindowTitle(QStringLiteral("Initialize"));
    setModal(true);

    comboBoxTribes_->setObjectName(QStringLiteral("ComboBoxTribes"));
    comboBoxTribes_->setEditable(true);
    comboBoxTribes_->setInsertPolicy(QComboBox::NoInsert);
    // Completion in a list below the field: inline completion took the whole selected entry
    // for a completion, and the first Return accepted it instead of pressing OK.
    // The entries begin with their number, so a typed part of a name matches anywhere.
    comboBoxTribes_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    comboBoxTribes_->completer()->setFilterMode(Qt::MatchContains);
    constexpr int TribeFieldWidth = 260;
    comboBoxTribes_->setMinimumWidth(TribeFieldWidth);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    connect(ok, &QPushButton::clicked, this, &TribeDialog::ButtonOKClick);
    connect(cancel, &QPushButton::clicked, this, &TribeDialog::ButtonCancelClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select the tribe you play:"), this));
    layout->addWidget(comboBoxTribes_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this,
            [this] { emit HelpRequested(TribeDialogHelpContext); });
}

void TribeDialog::Fill(const std::vector<std::string>& entries, const std::string& remembered) {
    comboBoxTribes_->clear();
    int chosen = 0;
    for (const std::string& entry : entries) {
        if (!remembered.empty() && report::TribeNameFromChoice(entry) == remembered) {
            chosen = comboBoxTribes_->count();
        }
        comboBoxTribes_->addItem(FromText(entry));
    }
    if (!entries.empty()) {
        comboBoxTribes_->setCurrentIndex(chosen);
    }
}

void TribeDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    comboBoxTribes_->setFocus(Qt::OtherFocusReason);
    comboBoxTribes_->lineEdit()->selectAll();
    // Shown at start before any window of the program had the keyboard, the dialog asks for
    // it, so the tribe can be typed without a click first.
    QTimer::singleShot(0, this, [this] {
        raise();
        activateWindow();
    });
}

std::string TribeDialog::ChosenTribeName() const {
    return report::TribeNameFromChoice(ToText(comboBoxTribes_->currentText()));
}

void TribeDialog::ButtonOKClick() {
    accept();
}

// Cancel ends the program; the caller does that when the dialog comes back rejected.
void TribeDialog::ButtonCancelClick() {
    done(QDialog::Rejected);
}

} // namespace orv::gui
