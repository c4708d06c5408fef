#include "gui/check_result.h"

#include "gui/placement.h"
#include "gui/text_codec.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QVBoxLayout>

namespace orv::gui {

QFont FixedPitchFont() {
    QFont courier(QStringLiteral("Courier New"));
    if (QFontInfo(courier).family() == QStringLiteral("Courier New")) {
        return courier;
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

TextWindow::TextWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), memo_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("FormCheckResult"));
    setWindowTitle(QStringLiteral("Check move result"));
    constexpr QSize StartSize(700, 350);
    resize(StartSize);
    memo_->setObjectName(QStringLiteral("Memo"));
    memo_->setFont(FixedPitchFont());
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The text is to be read and copied, not typed in; Escape and Ctrl+W close the window.
    memo_->setReadOnly(true);
    memo_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* close = new QShortcut(key, this);
        close->setContext(Qt::WindowShortcut);
        connect(close, &QShortcut::activated, this, &QWidget::close);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo_);
}

void TextWindow::ShowTextWindow(std::string_view text, const QString& caption) {
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
