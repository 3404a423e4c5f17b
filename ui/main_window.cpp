#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>

#include "app/data_backup.h"
#include "app/help_topics.h"
#include "app/korva_app.h"
#include "app/window_arrangement.h"
#include "core/food_data_base.h"
#include "ui/about_dialog.h"
#include "ui/artwork.h"
#include "ui/font_conversion.h"
#include "ui/qt_report_printer.h"
#include "ui/qt_text.h"
#include "ui/usel_dialog_widget.h"

namespace korva {

namespace {

const char* kOrderProperty = "korvaOrder";

// Position of a command in the table, which is the menu order.
int tableOrder(int id) {
    const auto table = commandTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].id == id) return static_cast<int>(i);
    return static_cast<int>(table.size());
}

// The document windows the arrange commands move: shown and not minimised.
QList<QMdiSubWindow*> arrangedWindows(QMdiArea* area) {
    QList<QMdiSubWindow*> out;
    for (QMdiSubWindow* w : area->subWindowList())
        if (w->isVisible() && !w->isMinimized()) out << w;
    return out;
}

void place(QMdiSubWindow* w, const PixelRect& r) {
    if (w->isMaximized()) w->showNormal();
    w->setGeometry(r.x, r.y, r.width, r.height);
}

} // namespace

MainWindow::MainWindow(KorvaApp& app, Platform& platform, QWidget* parent)
    : QMainWindow(parent), app_(app), platform_(platform), area_(new QMdiArea(this)),
      prompt_(new QLabel(toQt(kIdlePrompt), this)) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowIcon(programIcon());
    area_->setObjectName(QStringLiteral("documentArea"));
    area_->setBackground(QBrush(backgroundTile(devicePixelRatioF())));
    setCentralWidget(area_);

    // The prompt pane, then the three lock-key panes.  Qt cannot read the
    // state of the lock keys, so those panes stay dim, as when a key is off.
    prompt_->setObjectName(QStringLiteral("promptPane"));
    statusBar()->addWidget(prompt_, 1);
    for (const char* pane : {"CAP", "NUM", "SCRL"}) {
        auto* label = new QLabel(QString::fromLatin1(pane), this);
        label->setObjectName(QString::fromLatin1(pane).toLower() + QStringLiteral("Pane"));
        label->setEnabled(false);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addPermanentWidget(label);
    }

    // Reports print in the printer font of the preferences, which can
    // change during the run.
    QtReportPrinter::shared().setFontSource([&app] { return app.frame().preferences().printerFont(); });
    addOwnCommands();
    sizeForScreen();
    refresh();
}

MainWindow::~MainWindow() {
    QtReportPrinter::shared().setFontSource({});
    // The document windows go with the area after this window's own members:
    // the area must not report their going to anyone who would call back.
    area_->blockSignals(true);
}

QPrinter& MainWindow::printer() { return QtReportPrinter::shared().printer(); }

ReportPrinter& MainWindow::reportPrinter() { return QtReportPrinter::shared(); }

QMenu* MainWindow::menu(MenuId id) {
    if (auto it = menus_.find(id); it != menus_.end()) return it->second;
    auto* m = new QMenu(toQt(menuCaption(id)), this);
    m->setObjectName(QStringLiteral("menu%1").arg(static_cast<int>(id)));
    // Before the first menu made so far that comes later on the bar.
    QAction* before = nullptr;
    bool passed = false;
    for (MenuId other : menuBarOrder()) {
        if (other == id) {
            passed = true;
        } else if (passed && menus_.count(other)) {
            before = menus_[other]->menuAction();
            break;
        }
    }
    menuBar()->insertMenu(before, m);
    menus_[id] = m;
    connect(m, &QMenu::aboutToShow, this, &MainWindow::refresh);
    return m;
}

QMenu* MainWindow::submenu(MenuId id, std::string_view caption, int order) {
    QMenu* parent = menu(id);
    for (QAction* a : parent->actions())
        if (a->menu() && a->text() == toQt(caption)) return a->menu();
    auto* m = new QMenu(toQt(caption), parent);
    placeInOrder(parent, m->menuAction(), order);
    return m;
}

void MainWindow::placeInOrder(QMenu* m, QAction* action, int order) {
    action->setProperty(kOrderProperty, order);
    QAction* before = nullptr;
    for (QAction* a : m->actions()) {
        const QVariant v = a->property(kOrderProperty);
        if (v.isValid() && v.toInt() > order) {
            before = a;
            break;
        }
    }
    m->insertAction(before, action);
}

QAction* MainWindow::addCommand(int id, std::function<void()> handler) {
    const CommandInfo* info = findCommand(id);
    if (!info) return nullptr;
    const int order = tableOrder(id);
    QMenu* target = info->submenu.empty() ? menu(info->menu) : submenu(info->menu, info->submenu, order);

    auto* action = new QAction(toQt(menuCaptionOf(info->menuText)), this);
    action->setObjectName(QStringLiteral("command%1").arg(id));
    if (auto keys = acceleratorOf(info->menuText); !keys.empty()) action->setShortcut(QKeySequence(toQt(keys)));
    action->setStatusTip(toQt(commandPrompt(id)));
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    placeInOrder(target, action, order);
    actions_[id] = action;
    return action;
}

QAction* MainWindow::action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::addOwnCommands() {
    CMainFrame& frame = app_.frame();
    addCommand(kCmdPrintSetup, [this] { onPrintSetup(); });
    addCommand(kCmdExit, [this] { close(); });
    addCommand(kCmdConsolidate, [this, &frame] {
        frame.onConsolidate();
        refresh();
    });
    addCommand(kCmdUserSet, [this, &frame] {
        QtUserDialogRunner dialogs(this);
        frame.onUserSet(dialogs);
        refresh();
    });
    addCommand(kCmdUserDelete, [this, &frame] {
        QtUserDialogRunner dialogs(this);
        frame.onUserDelete(dialogs);
        refresh();
    });
    addCommand(kCmdScreenFont, [this, &frame] { afterPreference(frame.onScreenFont(describeFont(font()))); });
    addCommand(kCmdPrinterFont, [this, &frame] { afterPreference(frame.onPrinterFont()); });
    addCommand(kCmdXYScale, [this, &frame] { afterPreference(frame.onXYScale()); });
    addCommand(kCmdRestoreDefaults, [this, &frame] { afterPreference(frame.onRestoreDefaults()); });
    addCommand(kCmdCascade, [this] { cascade(); });
    addCommand(kCmdTile, [this] { tile(); });
    addCommand(kCmdArrangeIcons, [this] { arrangeIcons(); });
    addCommand(kCmdAbout, [this] { onAbout(); });
    addCommand(kCmdBackup, [this] { app_.backupData(); });
    for (int id : {kCmdHelpContents, kCmdHelpGettingStarted, kCmdHelpReference, kCmdHelpWindows})
        addCommand(id, [this, id] { platform_.openHelp(helpContextOfCommand(id).value_or(help_contexts::kContents)); });
}

void MainWindow::afterPreference(CommandEnd end) {
    // The program ends as File > Exit ends it: the lists are offered for
    // saving first (Cancel keeps it running), then the exit saves follow.
    if (end == CommandEnd::endProgram) close();
}

void MainWindow::sizeForScreen() {
    const DisplayPreferences& prefs = app_.frame().preferences();
    QRect free(0, 0, prefs.screen().width, prefs.screen().height);
    if (QScreen* s = QGuiApplication::primaryScreen()) free = s->availableGeometry();
    const PixelSize size = app_.frame().windowSize({free.width(), free.height()});
    resize(size.width, size.height);
}

void MainWindow::refresh() {
    setWindowTitle(QString::fromLatin1(app_.frame().title().c_str()));
    if (QAction* a = action(kCmdConsolidate)) a->setEnabled(app_.frame().consolidateEnabled());
}

void MainWindow::onPrintSetup() { QtReportPrinter::shared().setup(this); }

void MainWindow::onAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

// Tile and Cascade arrange the documents inside the area as it is: the main
// window never grows for them.
void MainWindow::tile() {
    const QList<QMdiSubWindow*> windows = arrangedWindows(area_);
    const QSize area = area_->viewport()->size();
    const auto rects = tileWindows({area.width(), area.height()}, static_cast<int>(windows.size()));
    for (qsizetype i = 0; i < windows.size(); ++i) place(windows[i], rects[static_cast<std::size_t>(i)]);
}

void MainWindow::cascade() {
    const QList<QMdiSubWindow*> windows = arrangedWindows(area_);
    std::vector<PixelSize> sizes;
    for (QMdiSubWindow* w : windows) sizes.push_back({w->sizeHint().width(), w->sizeHint().height()});
    const QSize area = area_->viewport()->size();
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const auto rects = cascadeWindows({area.width(), area.height()}, sizes, step);
    for (qsizetype i = 0; i < windows.size(); ++i) place(windows[i], rects[static_cast<std::size_t>(i)]);
    for (QMdiSubWindow* w : windows) w->raise();
}

void MainWindow::arrangeIcons() {
    QList<QMdiSubWindow*> icons;
    std::vector<PixelSize> sizes;
    for (QMdiSubWindow* w : area_->subWindowList())
        if (w->isMinimized()) {
            icons << w;
            sizes.push_back({w->width(), w->height()});
        }
    const QSize area = area_->viewport()->size();
    const auto rects = korva::arrangeIcons({area.width(), area.height()}, sizes);
    for (qsizetype i = 0; i < icons.size(); ++i)
        icons[i]->move(rects[static_cast<std::size_t>(i)].x, rects[static_cast<std::size_t>(i)].y);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closeGuard_ && !closeGuard_()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace korva
