#pragma once

#include <QObject>
#include <QSize>

#include "search/food_word_index.h"

class QAction;

namespace korva {

class FoodDataBase;
class FoodListWindows;
class MainWindow;

// "Find Food..." (Ctrl+F) in the Foods menu and in the menu of every
// FoodList and Recipe window: the finder over the active window, whose
// chosen food that window adds.  The foods of every list opened in this run
// and of every food chosen count as recent; the finder keeps the size the
// user gave it for the rest of the run.
class FindFoodFeature : public QObject {
    Q_OBJECT
public:
    FindFoodFeature(MainWindow& window, FoodDataBase& db, FoodListWindows& windows);

    void open();

private:
    void afterDocumentsChanged();
    void noteOpenLists();

    MainWindow& window_;
    FoodDataBase& db_;
    FoodListWindows& windows_;
    QAction* action_ = nullptr;
    RecentFoods recent_;
    QSize size_;
};

} // namespace korva
