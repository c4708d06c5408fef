// "Send Move...": the move goes to the user's mail program as the text of a new mail, to the
// game master when the report names one.

#include "core/move/move_file.h"
#include "gui/main.h"
#include "gui/move_document.h"
#include "gui/text_codec.h"

#include <QDesktopServices>
#include <QStatusBar>
#include <QUrl>
#include <QUrlQuery>

namespace orv::gui {

QUrl MoveMailUrl(const QString& address, const QString& subject, const QString& body) {
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address);
    QUrlQuery query;
    // Every character the query gives a meaning to is written as %XX, so no text of the move
    // ends the subject or the body early.
    const auto encoded = [](const QString& text) {
        return QString::fromLatin1(QUrl::toPercentEncoding(text));
    };
    query.setQueryItems(
        {{QStringLiteral("subject"), encoded(subject)}, {QStringLiteral("body"), encoded(body)}});
    url.setQuery(query);
    return url;
}

void MainWindow::menuItemSendMoveClick() {
    if (!MaybeSave()) {
        return;
    }
    QString subject = QStringLiteral("Move");
    if (!state_.game.tribeName.empty()) {
        subject += QStringLiteral(" of ") + FromText(state_.game.tribeName);
    }
    if (!Move().fileName.empty()) {
        subject += QStringLiteral(" (") + FromPath(Move().fileName.filename().string()) +
                   QStringLiteral(")");
    }
    const QUrl url = MoveMailUrl(FromText(state_.game.gameMasterAddress), subject,
                                 FromText(move::MoveClipboardText(Move())));
    if (!QDesktopServices::openUrl(url)) {
        notifier_->Error(QStringLiteral("No mail program could be started for the move."));
        return;
    }
    statusBar()->showMessage(QStringLiteral("Move handed to the mail program"), StatusMs);
}

} // namespace orv::gui
