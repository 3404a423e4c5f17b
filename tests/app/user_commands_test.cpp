#include "app/user_commands.h"

#include <gtest/gtest.h>

#include "app/quest_dialog.h"
#include "app/usel_dialog.h"
#include "core/new_user_targets.h"
#include "tests/app/scripted_user_chooser.h"
#include "tests/core/db_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

using test::TempRoot;
using test::writeProfile;

using ScriptedChooser = test::ScriptedUserChooser;

class UserCommands : public test::ScriptedTest {
protected:
    void SetUp() override {
        const auto dir = tree.paths().userDir();
        writeProfile(dir / "user00.rda", "default", 2000.0f);
        writeProfile(dir / "user01.rda", "Ann", 1800.0f);
        writeProfile(dir / "user02.rda", "Bob", 2900.0f);
        db.users().setCurrentFileName("user01.rda");
        ASSERT_TRUE(db.users().scanUsers());
        ASSERT_TRUE(db.users().readCurrentProfile(platform));
    }

    TempRoot tree;
    FoodDataBase db{tree.paths()};
    ScriptedChooser chooser;
};

TEST_F(UserCommands, SetSwitchesUserAndRetitles) {
    chooser.pick = 2;
    UserCommandOutcome out = userSet(db, platform, chooser);
    EXPECT_EQ(chooser.rowsSeen, (std::vector<std::string>{"default", "Ann", "Bob"}));
    EXPECT_EQ(chooser.selectedOnOpen, 1);
    EXPECT_TRUE(out.titleChanged);
    EXPECT_EQ(out.title, "Korvana    USER  :  Bob");
    EXPECT_FLOAT_EQ(db.users().current().profile.value(0), 2900.0f);
    EXPECT_TRUE(db.state().stateDirty());
    EXPECT_FALSE(db.users().current().changed);
}

TEST_F(UserCommands, SetWithTheSameUserCancelOrADamagedProfileKeepsTheUser) {
    chooser.pick = 1;
    EXPECT_FALSE(userSet(db, platform, chooser).titleChanged);
    chooser.pick.reset();
    EXPECT_FALSE(userSet(db, platform, chooser).titleChanged);
    EXPECT_FALSE(db.state().stateDirty());

    std::filesystem::resize_file(tree.paths().userDir() / "user02.rda", 10);
    chooser.pick = 2;
    EXPECT_FALSE(userSet(db, platform, chooser).titleChanged);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{kDamagedUserFile});
    EXPECT_EQ(db.users().current().name, "Ann");
}

TEST_F(UserCommands, DeleteRefusesTheDefaultUser) {
    chooser.pick = 0;
    chooser.doubleClick = true;
    EXPECT_FALSE(userDelete(db, platform, chooser).titleChanged);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"... cannot delete default values ..."});
    EXPECT_EQ(db.users().count(), 3);
    EXPECT_FALSE(db.state().stateDirty());
}

TEST_F(UserCommands, DeleteAsksNamingTheUserAndNoKeepsIt) {
    chooser.pick = 2;
    platform.answer(MsgAnswer::no);
    EXPECT_FALSE(userDelete(db, platform, chooser).titleChanged);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, deleteUserQuestion("Bob"));
    EXPECT_NE(platform.messages[0].text.find("Bob"), std::string::npos);
    EXPECT_EQ(platform.messages[0].buttons, MsgButtons::yesNo);
    EXPECT_EQ(db.users().count(), 3);
    EXPECT_TRUE(std::filesystem::exists(tree.paths().userDir() / "user02.rda"));
    EXPECT_FALSE(db.state().stateDirty());

    platform.answer(MsgAnswer::yes);
    UserCommandOutcome out = userDelete(db, platform, chooser);
    EXPECT_TRUE(out.titleChanged);
    EXPECT_EQ(out.title, "Korvana    USER  :  Ann");
    EXPECT_EQ(db.users().count(), 2);
    EXPECT_FALSE(std::filesystem::exists(tree.paths().userDir() / "user02.rda"));
    EXPECT_TRUE(db.state().stateDirty());
    EXPECT_TRUE(db.state().indexModified());
    EXPECT_TRUE(platform.allAnswersUsed());
}

TEST(USelDialogBehaviour, RowsThatDoNotExistAreNeverTheResult) {
    USelDialog d({"default", "Ann"}, 0);
    d.onRowSelected(5);
    d.onOk();
    EXPECT_EQ(d.result(), 0);

    USelDialog empty({}, 0);
    empty.onOk();
    EXPECT_FALSE(empty.result());
}

TEST(QuestDialogBehaviour, OpensOnTheUsualAnswersAndComputesOnAccept) {
    NutrientRecord label;
    label.setValue(0, 2000.0f);
    QuestDialog d(label);
    EXPECT_FLOAT_EQ(newUserTargets(d.answers(), label).value(0), 2000.0f) << "medium woman, 20 - 50";
    EXPECT_EQ(d.answers().type, NewUserAnswers::customRda30);
    d.onSex(NewUserAnswers::male);
    d.onHeight(NewUserAnswers::above5ft9);
    d.onAccept();
    ASSERT_TRUE(d.result());
    EXPECT_FLOAT_EQ(d.result()->value(0), 3200.0f);

    QuestDialog c(label);
    c.onType(NewUserAnswers::foodLabel);
    c.onCancel();
    EXPECT_TRUE(c.finished());
    EXPECT_FALSE(c.result());
}

} // namespace
} // namespace korva
