#include "ui/qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QScreen>

#include "ui/file_filter.h"
#include "ui/font_conversion.h"

namespace korva {

namespace {
QString latin1(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
std::filesystem::path toPath(const QString& s) { return std::filesystem::path(s.toStdString()); }
} // namespace

MsgAnswer QtPlatform::messageBox(const std::string& text, const std::string& caption, MsgButtons buttons) {
    QMessageBox box(parent_);
    box.setWindowTitle(latin1(caption));
    box.setText(latin1(text));
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
    QString start = latin1(r.startFolder.string());
    if (!r.initialName.empty()) start += QLatin1Char('/') + latin1(r.initialName);
    QString f = QFileDialog::getOpenFileName(parent_, latin1(r.caption), start, qtFileFilter(r.filter));
    if (f.isEmpty()) return std::nullopt;
    return toPath(f);
}

std::optional<std::filesystem::path> QtPlatform::chooseSaveFile(const FileDialogRequest& r) {
    QFileDialog dlg(parent_, latin1(r.caption), latin1(r.startFolder.string()), qtFileFilter(r.filter));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    if (!r.defaultExtension.empty()) dlg.setDefaultSuffix(latin1(r.defaultExtension));
    if (!r.initialName.empty()) dlg.selectFile(latin1(r.initialName));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return toPath(dlg.selectedFiles().front());
}

std::optional<std::string> QtPlatform::textEntry(const std::string& prompt, const std::string& caption,
                                                 const std::string& initial) {
    bool ok = false;
    QString t = QInputDialog::getText(parent_, latin1(caption), latin1(prompt), QLineEdit::Normal, latin1(initial), &ok);
    if (!ok) return std::nullopt;
    QByteArray b = t.toLatin1();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
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

void QtPlatform::openHelp(int context) {
    messageBox("Help topic " + std::to_string(context) + " is not installed.", kAppTitle, MsgButtons::ok);
}

std::optional<FontChoice> QtPlatform::chooseFont(const FontDescription& initial, FontUse use) {
    bool ok = false;
    const QString title = use == FontUse::printer ? QStringLiteral("Printer Font") : QStringLiteral("Screen Font");
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
