#include <set>

#include "tests/ui/ui_support.h"
#include "ui/dialog_look.h"
#include "ui/list_choice_dialog.h"
#include "ui/tab_stop_delegate.h"

namespace korva {
namespace {

// Columns start at their stops, or after the widest text before them as
// the font measures it: long names and wide values never push a row's
// column out of line.
TEST(DialogLookTest, TabbedColumnsLineUpWhateverTheTextLength) {
    QListWidget list;
    TabStopDelegate delegate({18, 25, 33}, &list);
    list.addItems({QStringLiteral("Calories\t100.00\t__cal\t 50% ODA"),
                   QStringLiteral("Pantothenic Acid and a longer name\t123456\tmcg\t100% RDA"),
                   QStringLiteral("Zinc\tWWWWWW\tmg\t  5% ODA")});
    const QFontMetrics m = list.fontMetrics();
    const std::vector<int> x = delegate.columnStarts(*list.model(), m);
    ASSERT_EQ(x.size(), 5u);
    EXPECT_EQ(x[0], 0);
    EXPECT_GE(x[1], 18 * m.averageCharWidth());
    for (int row = 0; row < list.count(); ++row) {
        const QStringList cells = list.item(row)->text().split(QLatin1Char('\t'));
        for (int c = 0; c < 4; ++c)
            EXPECT_LT(x[static_cast<std::size_t>(c)] + m.horizontalAdvance(cells[c]),
                      x[static_cast<std::size_t>(c) + 1] + (c == 3))
                << row << ", column " << c;
    }
}

// The keyboard chooses as the mouse does: Space turns the highlighted row
// on and off, Enter is OK.
TEST(DialogLookTest, SpaceChoosesTheHighlightedRowAndEnterIsOk) {
    std::set<int> chosen;
    bool ok = false;
    MultiChoice choice{"chooser",
                       "Pick",
                       {"a", "b", "c"},
                       [&](int row) { return chosen.count(row) > 0; },
                       [&](int row, bool on) { on ? (void)chosen.insert(row) : (void)chosen.erase(row); },
                       [&] { ok = true; },
                       [] {},
                       {},
                       [&] { return ok; }};
    test::DialogAnswer keys(QStringLiteral("chooser"), [](QWidget* d) {
        auto* list = test::child(d, "chooserList");
        for (Qt::Key k : {Qt::Key_Down, Qt::Key_Space, Qt::Key_Down, Qt::Key_Space, Qt::Key_Space, Qt::Key_Return})
            QTest::keyClick(list, k);
    });
    runMultiChoice(choice, nullptr);
    EXPECT_TRUE(ok);
    EXPECT_EQ(chosen, std::set<int>{1});
}

// A closed modal dialog hands the keyboard back to the window under it, so
// its shortcuts work at once without a click.
TEST(DialogLookTest, TheWindowUnderAClosedDialogIsActiveAgain) {
    QWidget window;
    DialogLook look({}, &window);
    qApp->installEventFilter(&look);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QDialog dialog(&window);
    QTimer::singleShot(0, &dialog, &QDialog::reject);
    dialog.exec();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
    qApp->removeEventFilter(&look);
}

} // namespace
} // namespace korva
