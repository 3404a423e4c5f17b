#pragma once

#include <QWidget>

#include <filesystem>
#include <functional>

class QKeyEvent;
class QLabel;
class QPushButton;
class QTextBrowser;

namespace korva {

class Platform;

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

protected:
    // Escape closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::filesystem::path folder_;
    QTextBrowser* browser_;
    QLabel* notice_;
};

// What F1 opens while `window` (a dialog or a document window) or a control
// inside it has the focus: the help its HELP button opens.
void setHelp(QWidget* window, std::function<void()> open);

// F1 anywhere in the program: the help of the window or dialog in use, as
// set by setHelp, or the contents where none is.
class HelpKey : public QObject {
    Q_OBJECT
public:
    explicit HelpKey(Platform& platform, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Platform& platform_;
};

} // namespace korva
