#pragma once

namespace korva {

class FoodDataBase;
class MainWindow;
class Platform;

// The Daily menu: "&Enter" (today's log), "E&dit" (any day) and "&View"
// (nutrients by date), each refused for the user named "default".
class DailyFeature {
public:
    DailyFeature(MainWindow& window, FoodDataBase& db, Platform& platform);
};

} // namespace korva
