#include <gtest/gtest.h>

#include <deque>

#include "app/document_path.h"
#include "app/single_instance.h"
#include "tests/app/app_temp_dir.h"

namespace korva {
namespace {

namespace fs = std::filesystem;

class SingleInstanceTest : public test::AppTempDir {};

TEST_F(SingleInstanceTest, KeyIsTheFolderWhateverItsSpelling) {
    fs::create_directories(dir / "data");
    fs::create_symlink(dir / "data", dir / "link");
    const std::string key = instanceKey(dir / "data");
    for (const fs::path& same : {dir / "data/", dir / "x/../data", dir / "link"}) EXPECT_EQ(instanceKey(same), key);
    EXPECT_NE(instanceKey(dir / "other"), key);
}

// One rule for a named document: found from the working folder, it is that
// file; else it lies in the folder of its kind.  A later start hands on the
// names it cannot find as they are, for the running program to look for.
TEST_F(SingleInstanceTest, BareNamesFollowOneRule) {
    writeBytes(dir / "here.fls", {'x'});
    const fs::path lists = dir / "kvflist";
    EXPECT_EQ(resolveDocumentName("here.fls", dir, lists), dir / "here.fls");
    EXPECT_EQ(resolveDocumentName("kept.fls", dir, lists), lists / "kept.fls");
    EXPECT_EQ(resolveDocumentName("/x/kept.fls", dir, lists), fs::path("/x/kept.fls"));
    EXPECT_EQ(handoffNames(DocumentRequest{"here.fls"}, dir), std::vector<std::string>{(dir / "here.fls").string()});
    EXPECT_EQ(handoffNames(DocumentRequest{"kept.fls"}, dir), std::vector<std::string>{"kept.fls"});
    EXPECT_TRUE(handoffNames(std::nullopt, dir).empty());
}

TEST_F(SingleInstanceTest, HandoffSurvivesAnyBytes) {
    const std::vector<std::string> files{"/home/a/Gem\xc3\xbcse/x.fls", "b\nc.rcp", ""};
    const std::string whole = encodeHandoff(files);
    const Handoff h = decodeHandoff(whole);
    EXPECT_TRUE(h.state == Handoff::State::complete && h.files == files);
    EXPECT_EQ(decodeHandoff(encodeHandoff({})).state, Handoff::State::complete);
    for (std::size_t cut = 0; cut < whole.size(); ++cut)
        EXPECT_EQ(decodeHandoff(std::string_view(whole).substr(0, cut)).state, Handoff::State::incomplete) << cut;

    for (const std::string& bad :
         {std::string("GET / HTTP/1.0\n"), std::string("KORVA-OPEN\n17\n"), std::string("KORVA-OPEN\n1\n9999999\n"),
          std::string("KORVA-OPEN\n1\n-1\n"), std::string("KORVA-OPEN\n\n"), whole + "x"}) {
        const Handoff b = decodeHandoff(bad);
        EXPECT_EQ(b.state, Handoff::State::malformed) << bad;
        EXPECT_TRUE(b.files.empty());
    }
}

// Plays the lock and the running program.
class FakeChannel : public InstanceChannel {
public:
    bool tryLock() override { return lockFreeAfter-- == 0; }
    Delivery handOver(const std::string& request) override {
        sent.push_back(request);
        if (answers.empty()) return Delivery::unreachable;
        Delivery d = answers.front();
        answers.pop_front();
        return d;
    }
    void pause() override { ++pauses; }

    int lockFreeAfter = -1;
    std::deque<Delivery> answers;
    std::vector<std::string> sent;
    int pauses = 0;
};

// A free lock; a holder still starting, that listens at the third try; a
// holder ending, whose lock comes free; a silent holder; no one answering.
TEST(ClaimDataRoot, HolderHandOverOrNoAnswer) {
    using D = InstanceChannel::Delivery;
    const struct {
        int lockFreeAfter;
        std::deque<D> answers;
        ClaimOutcome outcome;
        std::size_t tries;
    } cases[] = {{0, {}, ClaimOutcome::holder, 0},
                 {-1, {D::unreachable, D::unreachable, D::accepted}, ClaimOutcome::handedOver, 3},
                 {2, {}, ClaimOutcome::holder, 2},
                 {-1, {D::unreachable, D::silent}, ClaimOutcome::noAnswer, 2},
                 {-1, {}, ClaimOutcome::noAnswer, 5}};
    for (const auto& c : cases) {
        FakeChannel channel;
        channel.lockFreeAfter = c.lockFreeAfter;
        channel.answers = c.answers;
        EXPECT_EQ(claimDataRoot(channel, "r", 5), c.outcome) << c.tries;
        EXPECT_EQ(channel.sent.size(), c.tries);
    }
}

} // namespace
} // namespace korva
