#include "ui/help_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/help_topics.h"
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
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(notice_);
    layout->addWidget(browser_, 1);
    resize(720, 640);
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

} // namespace korva
