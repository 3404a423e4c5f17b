#include "ui/food_list_windows.h"

#include <QAction>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenu>

#include "app/recent_files.h"
#include "core/food_data_base.h"
#include "core/platform.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "search/category_food_picker.h"
#include "ui/flist_child_window.h"
#include "ui/latin1_text.h"
#include "ui/qt_picker_dialogs.h"

namespace korva {

namespace {

QAction* makeAction(const char* text, const char* name, QObject* parent) {
    auto* a = new QAction(qtext(text), parent);
    a->setObjectName(name);
    return a;
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) return true;
    return a.lexically_normal() == b.lexically_normal();
}

} // namespace

FoodListWindows::FoodListWindows(QMdiArea* area, FoodDataBase& db, Platform& platform, ActiveDocument& active,
                                 RecentFiles& recent, QObject* parent)
    : QObject(parent), area_(area), db_(db), platform_(platform), active_(active), recent_(recent) {
    newAction_ = makeAction("&New FoodList", "newFoodListAction", this);
    newAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    newAction_->setStatusTip(QStringLiteral("Create a new FoodList document"));
    openAction_ = makeAction("&Open FoodList...", "openFoodListAction", this);
    openAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    openAction_->setStatusTip(QStringLiteral("Open an existing FoodList document"));
    saveAction_ = makeAction("&Save FoodList", "saveFoodListAction", this);
    saveAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAction_->setStatusTip(QStringLiteral("Save the active FoodList"));
    saveAsAction_ = makeAction("Save FoodList &As...", "saveFoodListAsAction", this);
    saveAsAction_->setStatusTip(QStringLiteral("Save the active FoodList with a new name"));
    mergeAction_ = makeAction("&Merge FoodList", "mergeFoodListAction", this);
    mergeAction_->setStatusTip(QStringLiteral("Add the foods of a FoodList file to the active FoodList"));
    categoriesAction_ = makeAction("&Categories", "categoriesAction", this);
    categoriesAction_->setStatusTip(QStringLiteral("View foods in Foods Data Base, by Categories"));

    connect(newAction_, &QAction::triggered, this, [this] { newFoodList(); });
    connect(openAction_, &QAction::triggered, this, [this] { chooseAndOpenFoodList(); });
    connect(saveAction_, &QAction::triggered, this, [this] { saveActive(); });
    connect(saveAsAction_, &QAction::triggered, this, [this] { saveActiveAs(); });
    connect(mergeAction_, &QAction::triggered, this, [this] { mergeIntoActive(); });
    connect(categoriesAction_, &QAction::triggered, this, [this] { showCategories(); });
    connect(area_, &QMdiArea::subWindowActivated, this, &FoodListWindows::onActivated);
    updateActions();
}

void FoodListWindows::installMenus(QMenu* fileMenu, QAction* before, QMenu* foodsMenu) {
    if (fileMenu) {
        fileMenu->insertActions(before, {newAction_, openAction_});
        addDocumentItems(fileMenu, before);
        fileMenu->insertSeparator(before);
        addRecentFiles(fileMenu, before);
    }
    if (foodsMenu) foodsMenu->addAction(categoriesAction_);
}

void FoodListWindows::addDocumentItems(QMenu* fileMenu, QAction* before) {
    fileMenu->insertActions(before, {saveAction_, saveAsAction_, mergeAction_});
}

void FoodListWindows::addRecentFiles(QMenu* fileMenu, QAction* before) {
    fileMenu_ = fileMenu;
    recentAnchor_ = before;
    rebuildRecentMenu();
}

// ---- Documents -----------------------------------------------------------------

FListChildWindow* FoodListWindows::show(FListChildWindow* window) {
    area_->addSubWindow(window);
    connect(window, &FListChildWindow::titleChanged, this, &FoodListWindows::documentsChanged);
    connect(window, &QObject::destroyed, this, [this] {
        updateActions();
        emit documentsChanged();
    });
    window->show();
    window->adjustSize();
    area_->setActiveSubWindow(window);
    window->document().activate();
    updateActions();
    emit documentsChanged();
    return window;
}

FListChildWindow* FoodListWindows::newFoodList() {
    const NewFileName name = db_.nextFoodListName();
    if (!name) {
        platform_.message(name.refusal);
        return nullptr;
    }
    auto doc = std::make_unique<CFListDoc>(db_, platform_, active_, false);
    doc->onNewDocument(name.name);
    return show(new FListChildWindow(std::move(doc)));
}

FListChildWindow* FoodListWindows::openFoodList(const std::filesystem::path& file) {
    for (FListChildWindow* w : windows()) {
        if (sameFile(w->document().pathName(), file)) {
            area_->setActiveSubWindow(w);
            rememberRecent(file);
            return w;
        }
    }
    // A failed open leaves no document behind; the active one stays so.
    auto doc = std::make_unique<CFListDoc>(db_, platform_, active_, false);
    if (!doc->onOpenDocument(file)) return nullptr;
    db_.numbering().noteFoodListName(file.filename().string());
    rememberRecent(file);
    return show(new FListChildWindow(std::move(doc)));
}

void FoodListWindows::chooseAndOpenFoodList() {
    FileDialogRequest request;
    request.caption = "Open FoodList";
    request.filter = "FoodLists (*.fls)";
    request.defaultExtension = "fls";
    request.startFolder = db_.paths().foodListDir();
    if (auto chosen = platform_.chooseOpenFile(request)) openFoodList(*chosen);
}

void FoodListWindows::saveActive() {
    FListChildWindow* w = activeWindow();
    if (!w) return;
    if (w->document().onSaveFoodList()) rememberRecent(w->document().pathName());
    w->updateTitle();
}

void FoodListWindows::saveActiveAs() {
    FListChildWindow* w = activeWindow();
    if (!w) return;
    if (w->document().onSaveFoodListAs()) rememberRecent(w->document().pathName());
    w->updateTitle();
}

void FoodListWindows::mergeIntoActive() {
    FListChildWindow* w = activeWindow();
    if (!w) return;
    w->document().onMergeFoodList();
    w->documentChanged();
}

void FoodListWindows::showCategories() {
    CategoryFoodPicker picker(db_, platform_, categoryNameList(), false, active_.document() != nullptr);
    QtPickerDialogs dialogs(area_->window());
    dialogs.run(picker);
}

void FoodListWindows::openRecent(std::size_t i) {
    if (i >= recent_.entries().size()) return;
    const std::filesystem::path file = recent_.entries()[i];
    if (openFoodList(file)) return;
    // A file that can no longer be read leaves the list.
    recent_.remove(file);
    recent_.save();
    rebuildRecentMenu();
}

bool FoodListWindows::closeAll() {
    for (FListChildWindow* w : windows()) {
        area_->setActiveSubWindow(w);
        if (!w->close()) return false;
    }
    return true;
}

// ---- Windows ---------------------------------------------------------------------

FListChildWindow* FoodListWindows::activeWindow() const {
    return qobject_cast<FListChildWindow*>(area_->currentSubWindow());
}

std::vector<FListChildWindow*> FoodListWindows::windows() const {
    std::vector<FListChildWindow*> out;
    for (QMdiSubWindow* w : area_->subWindowList())
        if (auto* f = qobject_cast<FListChildWindow*>(w); f && !f->isHidden()) out.push_back(f);
    return out;
}

void FoodListWindows::onActivated(QMdiSubWindow* window) {
    if (auto* w = qobject_cast<FListChildWindow*>(window)) w->document().activate();
    updateActions();
    emit documentsChanged();
}

void FoodListWindows::updateActions() {
    const bool list = activeWindow() != nullptr;
    for (QAction* a : {saveAction_, saveAsAction_, mergeAction_}) a->setEnabled(list);
}

// ---- Recent files ----------------------------------------------------------------

void FoodListWindows::rememberRecent(const std::filesystem::path& file) {
    recent_.add(std::filesystem::absolute(file).lexically_normal());
    recent_.save();
    rebuildRecentMenu();
}

void FoodListWindows::rebuildRecentMenu() {
    if (!fileMenu_) return;
    for (QAction* a : recentActions_) {
        fileMenu_->removeAction(a);
        a->deleteLater();
    }
    recentActions_.clear();
    for (std::size_t i = 0; i < recent_.entries().size(); ++i) {
        auto* a = new QAction(pathToQt(recent_.menuText(i)), this);
        a->setObjectName(QStringLiteral("recentFileAction%1").arg(i + 1));
        a->setStatusTip(QStringLiteral("Open this document"));
        a->setToolTip(pathToQt(recent_.entries()[i]));
        connect(a, &QAction::triggered, this, [this, i] { openRecent(i); });
        recentActions_.push_back(a);
    }
    if (recentActions_.empty()) return;
    QAction* separator = new QAction(this);
    separator->setSeparator(true);
    recentActions_.push_back(separator);
    for (QAction* a : recentActions_) fileMenu_->insertAction(recentAnchor_, a);
}

} // namespace korva
