#include "core/recipe_catalogue.h"

#include <gtest/gtest.h>

#include "archive/atomic_file.h"
#include "tests/archive/archive_test_support.h"
#include "tests/support/temp_root.h"

namespace korva {
namespace {

using test::ByteBuilder;

TEST(RecipeCatalogue, FileHoldsOnlyTheItemsAndReadsBackIntoThisRecipeFolder) {
    test::TempRoot tree;
    RCPNList book;
    book.add("C:\\korva\\kvrecipe\\rcp000.rcp").foodId = 29000;
    RCPNItem& second = book.add("/old/root/kvrecipe/rcp007.rcp");
    second.foodId = 29005;
    second.recipeName = "Mom's Soup 2";
    const auto file = tree.paths().recipeCatalogue();
    ASSERT_TRUE(book.writeFile(file));

    const auto expected = ByteBuilder()
                              .newClass("RCPNList")
                              .word(2)
                              .newClass("RCPNItem")
                              .text("C:\\korva\\kvrecipe\\rcp000.rcp")
                              .text("")
                              .dword(29000)
                              .word(0x8003)
                              .text("/old/root/kvrecipe/rcp007.rcp")
                              .text("Mom's Soup 2")
                              .dword(29005)
                              .bytes();
    EXPECT_EQ(readWholeFile(file), expected);

    RCPNList read;
    ASSERT_TRUE(read.readFile(file, tree.paths().recipeDir()));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read.items()[0].filePath, (tree.paths().recipeDir() / "rcp000.rcp").string());
    EXPECT_EQ(read.pathForId(29005), (tree.paths().recipeDir() / "rcp007.rcp").string());
    EXPECT_EQ(read.indexOfName("Mom's Soup 2"), 1);
    EXPECT_EQ(read.maxFileNumber, 7);

    // Damaged or foreign bytes leave the catalogue as it was.
    for (const auto& bad : {ByteBuilder().newClass("CSFList").word(0).bytes(), ByteBuilder().word(0xFFFF).bytes(),
                            ByteBuilder().newClass("RCPNList").word(3).newClass("RCPNItem").bytes()})
        EXPECT_FALSE(read.readBytes(bad, tree.paths().recipeDir()));
    EXPECT_EQ(read.size(), 2u);
}

} // namespace
} // namespace korva
