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
    CloseOnEscape(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo_);
}

void TextWindow::KeepPlaces(QSettings& settings, const QWidget* home) {
    places_ = new PlaceKeeper(this, settings, QStringLiteral("textWindow/checkResult"), home);
}

void TextWindow::ShowTextWindow(std::string_view text, const QString& caption,
                                const QString& placeKey) {
    setWindowTitle(caption);
    memo_->setPlainText(FromCrLfText(text));
    if (places_ != nullptr) {
        places_->SetKey(placeKey);
        places_->Show();
        return;
    }
    show();
    raise();
    activateWindow();
}

} // namespace orv::gui
