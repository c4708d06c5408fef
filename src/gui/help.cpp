#include "gui/help.h"

#include "gui/placement.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <array>
#include <utility>

// The help pages live in a static library, whose resource registration the linker would
// otherwise drop.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace orv::gui {

namespace {

const QString Contents = QStringLiteral("qrc:/help/introduction.html");

struct TopicPage {
    const char* topic;
    const char* page;
};

constexpr std::array<TopicPage, 5> Topics{{
    {"introduction", "introduction.html"},
    {"initialisation", "initialisation.html"},
    {"menus", "menus.html"},
    {"moveeditor", "moveeditor.html"},
    {"author", "author.html"},
}};

struct ContextPage {
    int context;
    const char* page;
};

// The main window, the tribe dialog, the About window, the Move menu and one page part
// per command dialog.
constexpr std::array<ContextPage, 16> Contexts{{
    {10, "moveeditor.html"},
    {30, "initialisation.html#tribedialog"},
    {100, "author.html#about"},
    {360, "menus.html#move"},
    {110, "commands.html#c110"},
    {120, "commands.html#c120"},
    {130, "commands.html#c130"},
    {140, "commands.html#c140"},
    {150, "commands.html#c150"},
    {160, "commands.html#c160"},
    {170, "commands.html#c170"},
    {180, "commands.html#c180"},
    {190, "commands.html#c190"},
    {200, "commands.html#c200"},
    {210, "commands.html#c210"},
    {220, "commands.html#c220"},
}};

QString PageUrl(const char* page) {
    return QStringLiteral("qrc:/help/") + QString::fromLatin1(page);
}

} // namespace

std::optional<QString> HelpTopicUrl(const QString& topic) {
    for (const TopicPage& t : Topics) {
        if (topic == QLatin1String(t.topic)) {
            return PageUrl(t.page);
        }
    }
    return std::nullopt;
}

std::optional<QString> HelpContextUrl(int context) {
    for (const ContextPage& c : Contexts) {
        if (context == c.context) {
            return PageUrl(c.page);
        }
    }
    return std::nullopt;
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    InitHelpResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("OrvMove Help"));
    constexpr QSize StartSize(640, 560);
    resize(StartSize);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);

    auto* back = new QPushButton(QStringLiteral("Back"), this);
    auto* contents = new QPushButton(QStringLiteral("Contents"), this);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, [this] { browser_->setSource(QUrl(Contents)); });
    back->setEnabled(false);

    CloseOnEscape(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

bool HelpWindow::ShowTopic(const QString& topic) {
    return ShowUrl(HelpTopicUrl(topic));
}

bool HelpWindow::ShowContext(int context) {
    return ShowUrl(HelpContextUrl(context));
}

void HelpWindow::KeepPlace(QSettings& settings, const QWidget* home) {
    place_ = new PlaceKeeper(this, settings, QStringLiteral("helpWindow"), home);
}

bool HelpWindow::ShowUrl(const std::optional<QString>& url) {
    browser_->setSource(QUrl(url.value_or(Contents)));
    if (place_ != nullptr) {
        place_->Show();
    } else {
        show();
        raise();
        activateWindow();
    }
    return url.has_value();
}

} // namespace orv::gui
