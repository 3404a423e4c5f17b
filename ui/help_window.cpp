#include "ui/help_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/help_topics.h"
#include "core/platform.h"
#include "ui/dialog_button.h"
#include "ui/qt_text.h"

namespace korva {

HelpWindow::HelpWindow(std::filesystem::path folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(std::move(folder)), browser_(new QTextBrowser(this)),
      notice_(new QLabel(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(toQt(help_texts::kWindowTitle));
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setSearchPaths({pathToQt(folder_)});
    notice_->setObjectName(QStringLiteral("helpNotice"));
    notice_->setWordWrap(true);
    notice_->hide();

    auto* back = dialogButton("&Back", "helpBack", this);
    auto* forward = dialogButton("&Forward", "helpForward", this);
    auto* contents = dialogButton("&Contents", "helpContents", this);
    auto* close = dialogButton("C&lose", "helpClose", this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { showTopic(help_contexts::kContents); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(notice_);
    layout->addWidget(browser_, 1);
    resize(720, 640);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void HelpWindow::showTopic(int context) {
    const HelpTopic* topic = findHelpTopic(context);
    notice_->setVisible(topic == nullptr);
    if (!topic) {
        notice_->setText(toQt(help_texts::noTopic(context)));
        topic = findHelpTopic(help_contexts::kContents);
    }
    QUrl url = QUrl::fromLocalFile(pathToQt(folder_ / std::string(topic->page)));
    if (!topic->anchor.empty()) url.setFragment(toQt(topic->anchor));
    browser_->setSource(url);
}

namespace {

// The help of one window, a child of it so that it goes with the window.
class HelpOpener : public QObject {
public:
    HelpOpener(std::function<void()> open, QObject* parent) : QObject(parent), open_(std::move(open)) {}
    void open() const { open_(); }

private:
    std::function<void()> open_;
};

const HelpOpener* helpOf(const QWidget* w) {
    for (; w; w = w->parentWidget())
        for (const QObject* child : w->children())
            if (auto* h = dynamic_cast<const HelpOpener*>(child)) return h;
    return nullptr;
}

} // namespace

void setHelp(QWidget* window, std::function<void()> open) { new HelpOpener(std::move(open), window); }

HelpKey::HelpKey(Platform& platform, QObject* parent) : QObject(parent), platform_(platform) {}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    // The key reaches the window system's window first, then the widget
    // with the focus: that one says whose help it is.
    auto* from = qobject_cast<QWidget*>(watched);
    if (!from || event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return QObject::eventFilter(watched, event);
    if (const HelpOpener* help = helpOf(from))
        help->open();
    else
        platform_.openHelp(help_contexts::kContents);
    return true;
}

} // namespace korva
