#include <gtest/gtest.h>

#include "tests/archive/archive_test_support.h"

namespace korva {
namespace {

using test::ByteBuilder;
using test::Bytes;
using test::loadCause;
using test::TItem;
using test::TList;
using test::TOther;

class ArchiveObjects : public ::testing::Test {
protected:
    void SetUp() override { test::registerTestClasses(); }

    static TList sampleList() {
        TList l;
        l.items.push_back(std::make_shared<TItem>("kvrecipe/rcp001.rcp", "Lentil soup", 29000));
        l.items.push_back(std::make_shared<TItem>("kvrecipe/rcp002.rcp", "Bread", 29001));
        l.items.push_back(std::make_shared<TItem>("", "", 0xFFFFFFFF));
        return l;
    }

    static std::shared_ptr<TList> readList(const Bytes& b) {
        Archive a = Archive::forReading(b);
        auto l = a.readObject<TList>();
        EXPECT_EQ(a.bytesLeft(), 0u);
        return l;
    }
};

const auto kReadList = [](Archive& a) { a.readObject<TList>(); };

TEST_F(ArchiveObjects, ListLayoutRegistersClassesAndObjectsInWritingOrderAndReadsBack) {
    // List class index 1, list object 2, item class 3: later items carry 0x8003.
    const TList original = sampleList();
    const Bytes b = test::writeTop(original);
    ByteBuilder want;
    want.newClass("TList").word(3).newClass("TItem");
    for (std::size_t i = 0; i < original.items.size(); ++i) {
        if (i > 0) want.word(0x8003);
        want.text(original.items[i]->path).text(original.items[i]->name).dword(original.items[i]->id);
    }
    EXPECT_EQ(b, want.bytes());
    auto l = readList(b);
    ASSERT_TRUE(l);
    EXPECT_EQ(test::writeTop(*l), b); // every field read back where the layout put it

    EXPECT_EQ(test::writeTop(TList{}), ByteBuilder().newClass("TList").word(0).bytes());
}

TEST_F(ArchiveObjects, NullIsWordZeroWithoutAnIndexAndARepeatIsItsIndex) {
    TList l;
    auto shared = std::make_shared<TItem>("p", "n", 5);
    l.items = {nullptr, shared, std::make_shared<TItem>("q", "m", 6), shared};
    const Bytes b = test::writeTop(l);
    // The shared item took index 4 when first written: the null took none.
    ByteBuilder want;
    want.newClass("TList").word(4).word(0).newClass("TItem").text("p").text("n").dword(5);
    want.word(0x8003).text("q").text("m").dword(6).word(4);
    EXPECT_EQ(b, want.bytes());
    auto back = readList(b);
    ASSERT_EQ(back->items.size(), 4u);
    EXPECT_FALSE(back->items[0]);
    EXPECT_EQ(back->items[1], back->items[3]);
    EXPECT_NE(back->items[1], back->items[2]);
    EXPECT_FALSE(Archive::forReading(Bytes{0, 0}).readObject<TList>());
}

TEST_F(ArchiveObjects, DamagedTagsAreRefusedWithTheirCause) {
    // A list holding one item whose tag is `tag`.
    auto listWith = [](auto&& tag) {
        ByteBuilder b;
        b.newClass("TList").word(1);
        tag(b);
        b.text("").text("").dword(0);
        return b.bytes();
    };
    const struct {
        const char* what;
        Bytes bytes;
        ArchiveError::Cause cause;
    } cases[] = {
        {"another class on top", test::writeTop(TOther{}), ArchiveError::badClass},
        {"unknown class", ByteBuilder().newClass("NoSuchClass").word(0).bytes(), ArchiveError::badClass},
        {"name in another case", ByteBuilder().newClass("tlist").word(0).bytes(), ArchiveError::badClass},
        {"long unknown name", ByteBuilder().newClass(std::string(64, 'A')).word(0).bytes(), ArchiveError::badClass},
        {"element of another class", ByteBuilder().newClass("TList").word(1).newClass("TOther").word(9).bytes(),
         ArchiveError::badClass},
        {"element tagged with the list's class", ByteBuilder().newClass("TList").word(1).word(0x8001).word(0).bytes(),
         ArchiveError::badClass},
        {"element referring to the list", ByteBuilder().newClass("TList").word(1).word(2).bytes(),
         ArchiveError::badClass},
        {"list of another schema", ByteBuilder().newClass("TList", 1).word(0).bytes(), ArchiveError::badSchema},
        {"item of another schema", ByteBuilder().newClass("TList").word(1).newClass("TItem", 0xFFFF).bytes(),
         ArchiveError::badSchema},
        {"class index ahead", listWith([](ByteBuilder& b) { b.word(0x8003); }), ArchiveError::badIndex},
        {"class bit on index 0", listWith([](ByteBuilder& b) { b.word(0x8000); }), ArchiveError::badIndex},
        {"class bit on an object", listWith([](ByteBuilder& b) { b.word(0x8002); }), ArchiveError::badIndex},
        {"object index ahead", listWith([](ByteBuilder& b) { b.word(3); }), ArchiveError::badIndex},
        {"object index names a class", listWith([](ByteBuilder& b) { b.word(1); }), ArchiveError::badIndex},
        {"wide class index ahead", listWith([](ByteBuilder& b) { b.word(0x7FFF).dword(0x80000009); }),
         ArchiveError::badIndex},
        {"wide object index ahead", listWith([](ByteBuilder& b) { b.word(0x7FFF).dword(0x00010000); }),
         ArchiveError::badIndex},
        {"largest wide tag", listWith([](ByteBuilder& b) { b.word(0x7FFF).dword(0xFFFFFFFF); }),
         ArchiveError::badIndex},
        {"top object forward", ByteBuilder().word(0x0005).bytes(), ArchiveError::badIndex},
        {"top class forward", ByteBuilder().word(0x8001).bytes(), ArchiveError::badIndex},
        // A count larger than the bytes left fails before any element is read.
        {"huge wide count", ByteBuilder().newClass("TList").word(0xFFFF).dword(0x40000000).bytes(),
         ArchiveError::endOfFile},
        {"count with no elements", ByteBuilder().newClass("TList").word(0xFFFE).word(0).bytes(),
         ArchiveError::endOfFile},
    };
    for (const auto& c : cases) EXPECT_EQ(loadCause(c.bytes, kReadList), c.cause) << c.what;
}

TEST_F(ArchiveObjects, EveryCutOfAListIsEndOfFile) {
    TList l = sampleList();
    l.items.push_back(nullptr);
    l.items.push_back(l.items[1]);
    l.items.push_back(std::make_shared<TItem>(std::string(300, 'r'), "long path", 3));
    test::expectEveryCutIsEndOfFile(test::writeTop(l), kReadList);
}

// A stream long enough that indexes pass 0x7FFF: items fill the table up to
// index 0x7FFF, then a new class lands beyond it.
class TBigHolder : public Serializable {
public:
    static constexpr const char* kClassName = "TBigHolder";
    static constexpr unsigned kSchema = 0;
    static constexpr std::uint32_t kItems = 0x7FFF - 3; // indexes 4 .. 0x7FFF

    std::vector<std::shared_ptr<TItem>> items;
    std::shared_ptr<TOther> first, second;
    std::shared_ptr<TItem> backToLast, backToSecondLast;

    void Serialize(Archive& ar) override {
        if (ar.isStoring()) {
            ar.writeCount(std::uint32_t(items.size()));
            for (const auto& it : items) ar.writeObject(it.get());
            ar.writeObject(first.get());
            ar.writeObject(second.get());
            ar.writeObject(items.back().get());
            ar.writeObject(items[items.size() - 2].get());
            return;
        }
        const std::uint32_t n = ar.readCount(2);
        for (std::uint32_t i = 0; i < n; ++i) items.push_back(ar.readObject<TItem>());
        first = ar.readObject<TOther>();
        second = ar.readObject<TOther>();
        backToLast = ar.readObject<TItem>();
        backToSecondLast = ar.readObject<TItem>();
    }
    std::string_view className() const override { return kClassName; }
};

TEST_F(ArchiveObjects, IndexesFrom0x7FFFUseTheWideTag) {
    TBigHolder h;
    for (std::uint32_t i = 0; i < TBigHolder::kItems; ++i) h.items.push_back(std::make_shared<TItem>("", "", i));
    h.first = std::make_shared<TOther>();
    h.first->mark = 0x1111;
    h.second = std::make_shared<TOther>();
    h.second->mark = 0x2222;
    const Bytes b = test::writeTop(h);

    // Everything before the tail: holder tag, count, first item with its
    // class, then the other items with the short class tag.
    const std::size_t itemBytes = 2 + 1 + 1 + 4;
    const std::size_t tail = ByteBuilder().newClass("TBigHolder").bytes().size() + 2 +
                             ByteBuilder().newClass("TItem").bytes().size() + 6 + (TBigHolder::kItems - 1) * itemBytes;
    // Class 0x8000 and object 0x8001, object 0x8002, back to the last item
    // and to the one before it.
    ByteBuilder want;
    want.newClass("TOther").word(0x1111).word(0x7FFF).dword(0x80008000).word(0x2222);
    want.word(0x7FFF).dword(0x7FFF).word(0x7FFE);
    const Bytes expectedTail = want.bytes();
    ASSERT_EQ(b.size(), tail + expectedTail.size());
    EXPECT_EQ(Bytes(b.begin() + static_cast<std::ptrdiff_t>(tail), b.end()), expectedTail);

    registerSerializable<TBigHolder>(TBigHolder::kClassName);
    Archive a = Archive::forReading(b);
    auto back = a.readObject<TBigHolder>();
    ASSERT_TRUE(back);
    ASSERT_EQ(back->items.size(), std::size_t(TBigHolder::kItems));
    EXPECT_EQ(back->items[1234]->id, 1234u);
    EXPECT_EQ(back->first->mark, 0x1111);
    EXPECT_EQ(back->second->mark, 0x2222);
    EXPECT_EQ(back->backToLast, back->items.back());
    EXPECT_EQ(back->backToSecondLast, back->items[back->items.size() - 2]);
}

} // namespace
} // namespace korva
