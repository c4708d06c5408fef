#pragma once
// The help window: topics compiled into the program, opened by topic name from the Help
// menu or by context number with the help key.

#include <QWidget>
#include <optional>

class QTextBrowser;

class QSettings;

namespace orv::gui {

class PlaceKeeper;

// The resource page (with anchor) of a topic name or a context number; none when unknown.
std::optional<QString> HelpTopicUrl(const QString& topic);
std::optional<QString> HelpContextUrl(int context);

// The help pages (the help viewer of old, THelpWindow).
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Both show the window at the page; false (and the contents page) when unknown.
    bool ShowTopic(const QString& topic);
    bool ShowContext(int context);

    QTextBrowser* Browser() const { return browser_; }

    // The window's size and place are kept in settings from one start to the next.
    void KeepPlace(QSettings& settings, const QWidget* home);

  private:
    bool ShowUrl(const std::optional<QString>& url);
    QTextBrowser* browser_;
    PlaceKeeper* place_ = nullptr;
};

} // namespace orv::gui
