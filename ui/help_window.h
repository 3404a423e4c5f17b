#pragma once

#include <QWidget>

#include <filesystem>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace korva {

// The help pages in a window of their own: a browser over the help folder's
// HTML pages with Back, Forward and Contents, and a line that says when a
// topic has no page of its own.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(std::filesystem::path folder, QWidget* parent = nullptr);

    // Shows the page and section of a help context; the contents, and a note
    // saying so, for a context without one.
    void showTopic(int context);
    QTextBrowser* browser() const { return browser_; }

private:
    std::filesystem::path folder_;
    QTextBrowser* browser_;
    QLabel* notice_;
};

} // namespace korva
