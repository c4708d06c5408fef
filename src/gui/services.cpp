#include "gui/services.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>

namespace orv::gui {

namespace {

const QString Title = QStringLiteral("OrvMove");

// The core separates the lines of a message with CR LF; the box wants LF.
QString BoxText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

} // namespace

void MessageBoxNotifier::Error(const QString& text) {
    QMessageBox::critical(parent_, Title, BoxText(text), QMessageBox::Ok);
}

void MessageBoxNotifier::Warning(const QString& text) {
    QMessageBox::warning(parent_, Title, BoxText(text), QMessageBox::Ok);
}

void MessageBoxNotifier::Information(const QString& text) {
    QMessageBox::information(parent_, Title, BoxText(text), QMessageBox::Ok);
}

bool MessageBoxNotifier::Confirm(const QString& text, bool warning) {
    const auto buttons = QMessageBox::Yes | QMessageBox::No;
    const auto answer = warning ? QMessageBox::warning(parent_, Title, BoxText(text), buttons)
                                : QMessageBox::question(parent_, Title, BoxText(text), buttons);
    return answer == QMessageBox::Yes;
}

SaveChoice MessageBoxNotifier::AskSave(const QString& text) {
    const auto answer = QMessageBox::question(
        parent_, Title, BoxText(text),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) {
        return SaveChoice::Save;
    }
    return answer == QMessageBox::Discard ? SaveChoice::Discard : SaveChoice::Cancel;
}

QString DialogFilePicker::OpenFileName(const QString& title, const QString& folder,
                                       const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, title, folder, filter);
}

QString DialogFilePicker::SaveFileName(const QString& title, const QString& proposed,
                                       const QString& filter, QString* selectedFilter) {
    // The overwrite question is the editor's own, asked after the dialog.
    return QFileDialog::getSaveFileName(parent_, title, proposed, filter, selectedFilter,
                                        QFileDialog::DontConfirmOverwrite);
}

void ShowMessage(Notifier& notifier, move::MessageKind kind, const QString& text) {
    switch (kind) {
    case move::MessageKind::None:
        break;
    case move::MessageKind::Error:
        notifier.Error(text);
        break;
    case move::MessageKind::Warning:
        notifier.Warning(text);
        break;
    case move::MessageKind::Information:
        notifier.Information(text);
        break;
    }
}

void ShowGoodsValue(QLabel* label, std::int32_t value) {
    label->setText(QString::number(value));
    label->setStyleSheet(value < 0 ? QStringLiteral("color: red;") : QString());
}

} // namespace orv::gui
