#include "gui/check_result.h"

#include "gui/placement.h"
#include "gui/text_codec.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orv::gui {

QFont FixedPitchFont() {
    QFont courier(QStringLiteral("Courier New"));
    if (QFontInfo(courier).family() == QStringLiteral("Courier New")) {
        return courier;
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

TFormCheckResult::TFormCheckResult(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), memo_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("FormCheckResult"));
    setWindowTitle(QStringLiteral("Check move result"));
    resize(700, 350);
    memo_->setObjectName(QStringLiteral("Memo"));
    memo_->setFont(FixedPitchFont());
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo_);
}

void TFormCheckResult::ShowTextWindow(std::string_view text, const QString& caption) {
    setWindowTitle(caption);
    memo_->setPlainText(FromCrLfText(text));
    if (!placed_ && parentWidget() != nullptr) {
        // First shown over the middle of the main window; later where the user left it.
        CenterOver(this, parentWidget());
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

} // namespace orv::gui
