#include <QFileDialog>
#include <QMenu>

#include "app/command_table.h"
#include "app/korva_app.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/food_list.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/ui_support.h"
#include "ui/food_list_feature.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"

namespace korva {
namespace {

// File names are bytes in the file system's encoding, not Latin-1 texts: in
// a data folder named with non-ASCII letters the chooser opens in the right
// place, gives back a file that can be written, and the list opened from it
// appears by its own name in the recent files.
TEST(FileNames, NonAsciiDataFolderServesChooserListsAndRecentFiles) {
    test::DataTree tree({{5, "Lentils", "1 cup", 200.0f, 50.0f}}, "Gem\xc3\xbcse");
    const std::filesystem::path lists = tree.paths().foodListDir();
    const std::filesystem::path chosen = lists / "M\xc3\xbcsli.fls";

    QtPlatform qt;
    FileDialogRequest request;
    request.caption = "Save FoodList As";
    request.filter = "FoodLists (*.fls)";
    request.defaultExtension = "fls";
    request.startFolder = lists;
    test::DialogAnswer save(QString(), [&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->directory().absolutePath(), QFile::decodeName(QByteArray::fromStdString(lists.native())));
        dialog->selectFile(QString::fromUtf8("M\xc3\xbcsli.fls"));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(qt.chooseSaveFile(request), chosen);

    FoodDataBase db;
    ASSERT_TRUE(tree.load(db));
    test::ScriptedPlatform platform;
    FoodList list(&db);
    ASSERT_TRUE(list.addFood(*db.index().findEntryById(test::DataTree::idOf(0)), 0));
    ASSERT_TRUE(list.writeFile(chosen, platform));

    ActiveDocument active;
    KorvaApp app(db, platform);
    MainWindow window(app, platform);
    FoodListFeature feature(window, db, platform, active);
    ASSERT_TRUE(feature.openDocument({chosen, DocumentKind::foodList}));
    // The recent files are listed as the File menu opens.
    QMenu* file = window.menu(MenuId::file);
    emit file->aboutToShow();
    QAction* recent = nullptr;
    for (QAction* a : file->actions())
        if (a->objectName() == QStringLiteral("recentFileAction1")) recent = a;
    ASSERT_NE(recent, nullptr);
    EXPECT_TRUE(recent->text().endsWith(QString::fromUtf8("M\xc3\xbcsli.fls"))) << recent->text().toStdString();
    EXPECT_EQ(recent->toolTip(), QFile::decodeName(QByteArray::fromStdString(chosen.native())));
}

} // namespace
} // namespace korva
