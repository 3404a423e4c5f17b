#include "ui/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QScreen>

#include "app/help_topics.h"
#include "app/shell_texts.h"
#include "ui/file_filter.h"
#include "ui/font_conversion.h"
#include "ui/help_window.h"
#include "ui/qt_text.h"

namespace korva {

MsgAnswer QtPlatform::messageBox(const std::string& text, const std::string& caption, MsgButtons buttons) {
    QMessageBox box(parent_);
    box.setWindowTitle(toQt(caption));
    box.setText(toQt(text));
    switch (buttons) {
    case MsgButtons::ok:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::yesNo:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgButtons::yesNoCancel:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    const int r = box.exec();
    switch (r) {
    case QMessageBox::Yes: return MsgAnswer::yes;
    case QMessageBox::No: return MsgAnswer::no;
    case QMessageBox::Cancel: return MsgAnswer::cancel;
    default: return buttons == MsgButtons::ok ? MsgAnswer::ok : MsgAnswer::cancel;
    }
}

void QtPlatform::beginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
void QtPlatform::endWaitCursor() { QApplication::restoreOverrideCursor(); }

std::optional<std::filesystem::path> QtPlatform::chooseOpenFile(const FileDialogRequest& r) {
    std::filesystem::path start = r.startFolder;
    if (!r.initialName.empty()) start /= r.initialName;
    QString f = QFileDialog::getOpenFileName(parent_, toQt(r.caption), pathToQt(start), qtFileFilter(r.filter));
    if (f.isEmpty()) return std::nullopt;
    return pathFromQt(f);
}

std::optional<std::filesystem::path> QtPlatform::chooseSaveFile(const FileDialogRequest& r) {
    QFileDialog dlg(parent_, toQt(r.caption), pathToQt(r.startFolder), qtFileFilter(r.filter));
    dlg.setObjectName(QStringLiteral("saveFileDialog"));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    if (!r.defaultExtension.empty()) dlg.setDefaultSuffix(toQt(r.defaultExtension));
    if (!r.initialName.empty()) dlg.selectFile(pathToQt(r.initialName));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return pathFromQt(dlg.selectedFiles().front());
}

std::optional<std::string> QtPlatform::textEntry(const std::string& prompt, const std::string& caption,
                                                 const std::string& initial) {
    // The one-line entry dialog: its prompt above the field, which starts
    // with the given text, all of it selected, and the buttons "&OK" and
    // "Cancel".
    QInputDialog dlg(parent_);
    dlg.setObjectName(QStringLiteral("entDialog"));
    dlg.setWindowTitle(toQt(caption));
    dlg.setLabelText(toQt(prompt));
    dlg.setTextValue(toQt(initial));
    dlg.setOkButtonText(QStringLiteral("&OK"));
    dlg.setCancelButtonText(QStringLiteral("Cancel"));
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return fromQt(dlg.textValue());
}

LocalDateTime QtPlatform::now() {
    QDateTime t = QDateTime::currentDateTime();
    return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()};
}

ScreenSize QtPlatform::screenSize() {
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return {};
    QRect g = s->geometry();
    return {g.width(), g.height()};
}

QtPlatform::QtPlatform(QWidget* parent) : parent_(parent), helpKey_(std::make_unique<HelpKey>(*this)) {
    QCoreApplication::instance()->installEventFilter(helpKey_.get());
}

QtPlatform::~QtPlatform() { delete helpWindow_; }

HelpWindow* QtPlatform::helpWindow() const { return helpWindow_; }

void QtPlatform::openHelp(int context) {
    if (helpFolder_.empty()) {
        const auto programDir = pathFromQt(QCoreApplication::applicationDirPath());
        helpFolder_ = findHelpFolder(programDir).value_or(programDir / "help");
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(helpFolder_ / kHelpContentsPage, ec)) {
        messageBox(help_texts::noFolder(helpFolder_), kAppTitle, MsgButtons::ok);
        return;
    }
    // Help asked for in a modal dialog opens beside it, usable while the
    // dialog is, and goes when the dialog goes; else it belongs to the main
    // window, so that closing that window still ends the program.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = parent_;
    if (!helpWindow_) helpWindow_ = new HelpWindow(helpFolder_);
    if (helpWindow_->parentWidget() != owner) helpWindow_->setParent(owner, Qt::Window);
    helpWindow_->showTopic(context);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

std::optional<FontChoice> QtPlatform::chooseFont(const FontDescription& initial, FontUse use) {
    bool ok = false;
    const QString title =
        toQt(use == FontUse::printer ? shell_texts::kPrinterFontCaption : shell_texts::kScreenFontCaption);
    QFont chosen = QFontDialog::getFont(&ok, toQFont(initial, QApplication::font()), parent_, title);
    if (!ok) return std::nullopt;
    return describeFont(chosen);
}

std::optional<DotsPerInch> QtPlatform::printerResolution() {
    if (!printer_) return std::nullopt;
    const int dpi = printer_().resolution();
    return DotsPerInch{dpi, dpi};
}

DotsPerInch QtPlatform::screenResolution() {
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return {};
    return {qRound(s->logicalDotsPerInchX()), qRound(s->logicalDotsPerInchY())};
}

} // namespace korva
