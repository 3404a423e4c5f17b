#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace korva::test {

// Plays the user in the next modal dialog, the one a call opens with exec().
// Made before that call, it looks every few milliseconds, for a bounded time,
// for a visible modal widget with the given object name (any name when the
// name is empty) and lets `act` work in it.  Whatever is still open after
// `act`, or when the time is up, is closed and fails the test, so a failed
// check can never leave exec() waiting.  A dialog that never appeared fails
// the test when the answer goes out of scope.  The timer belongs to the
// answer, so nothing fires after it is gone.
class DialogAnswer {
public:
    using Act = std::function<void(QWidget*)>;

    DialogAnswer(QString name, Act act, int timeoutMs = 5000)
        : name_(std::move(name)), act_(std::move(act)), triesLeft_(timeoutMs / kStepMs) {
        timer_.setInterval(kStepMs);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { look(); });
        timer_.start();
    }
    ~DialogAnswer() {
        if (!appeared_)
            ADD_FAILURE() << "no dialog " << (name_.isEmpty() ? QStringLiteral("at all") : name_).toStdString()
                          << " appeared";
    }
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;

private:
    static constexpr int kStepMs = 10;

    void look() {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && (name_.isEmpty() || modal->objectName() == name_)) {
            timer_.stop();
            appeared_ = true;
            act_(modal);
            if (modal && modal->isVisible()) {
                ADD_FAILURE() << "dialog " << modal->objectName().toStdString() << " was left open";
                close(modal);
            }
        } else if (--triesLeft_ <= 0) {
            timer_.stop();
            if (modal) {
                ADD_FAILURE() << "waiting for " << name_.toStdString() << ", closed "
                              << modal->objectName().toStdString() << " instead";
                close(modal);
            }
        }
    }
    static void close(QWidget* w) {
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
        else
            w->close();
    }

    QString name_;
    Act act_;
    int triesLeft_;
    bool appeared_ = false;
    QTimer timer_;
};

// An object name, written as a literal or made at run time.
struct Name {
    Name(const char* name) : text(QLatin1String(name)) {}
    Name(QString name) : text(std::move(name)) {}
    QString text;
};

// The child named `name`; a missing one fails the test.
template <typename T = QWidget>
T* child(QWidget* parent, const Name& name) {
    T* c = parent ? parent->findChild<T*>(name.text) : nullptr;
    EXPECT_NE(c, nullptr) << name.text.toStdString();
    return c;
}

// Clicks the button named `name`, as the user would.
inline void click(QWidget* parent, const Name& name) {
    if (auto* b = child<QAbstractButton>(parent, name)) b->click();
}

// Picks entry `index` of the combo box named `name`, as the user would.
inline void choose(QWidget* parent, const Name& name, int index) {
    if (auto* c = child<QComboBox>(parent, name)) {
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
}

// Types over the text of the edit named `name` with the keyboard, then
// presses Enter when told to.
inline void typeInto(QWidget* parent, const Name& name, const QString& text, bool enter = false) {
    auto* edit = child<QLineEdit>(parent, name);
    if (!edit) return;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    if (enter) QTest::keyClick(edit, Qt::Key_Return);
}

// The text of the label named `name`.
inline QString label(QWidget* parent, const Name& name) {
    auto* l = child<QLabel>(parent, name);
    return l ? l->text() : QString();
}

// The rows of the list named `name`.
inline QStringList rows(QWidget* parent, const Name& name) {
    QStringList out;
    if (auto* list = child<QListWidget>(parent, name))
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

// Triggers an action the way a user can: only one that exists and is enabled.
inline ::testing::AssertionResult triggerAction(QAction* action) {
    if (!action) return ::testing::AssertionFailure() << "no such action";
    if (!action->isEnabled())
        return ::testing::AssertionFailure() << "\"" << action->text().toStdString() << "\" is disabled";
    action->trigger();
    return ::testing::AssertionSuccess();
}

} // namespace korva::test
