#include "dialogs/referencedlgmodel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kx {
namespace {

ListChannel cable(int sid, int number, const std::string& name, bool radio = false)
{
    ListChannel channel;
    channel.id.source = SignalSource::DvbC;
    channel.id.radio = radio;
    channel.id.onid = 1;
    channel.id.tsid = 1;
    channel.id.sid = sid;
    channel.number = number;
    channel.name = name;
    return channel;
}

ChannelList listOf(const std::string& name, std::vector<ListChannel> channels)
{
    for (std::size_t row = 0; row < channels.size(); ++row) {
        channels[row].row = static_cast<int>(row);
    }
    return {name, std::move(channels)};
}

// A TV list whose channels match the reference by service (Alpha, Beta), by name only (Gamma,
// found on another service) and not at all (Delta), and a radio list the reference has no
// channel of the kind of.
std::vector<ChannelList> file()
{
    return {listOf("dtv", {cable(101, 1, "Alpha"), cable(102, 2, "Beta"), cable(103, 3, "Gamma"),
                           cable(104, 4, "Delta")}),
            listOf("radio", {cable(201, 1, "Radio One", true)})};
}

std::vector<ChannelList> reference()
{
    return {listOf("DCT0", {cable(102, 10, "Beta"), cable(101, 20, "Alpha"),
                            cable(999, 30, "GAMMA"), cable(500, 5, "Omega")})};
}

struct PreviewCase
{
    UnmatchedRows choice;
    bool dtvNumberedInOrder;
    ReferenceDlgModel::Fate delta;
    int deltaNumber; // once applied
    int changedNumbers;
};

class ReferenceDlgModelCase : public ::testing::TestWithParam<PreviewCase>
{};

TEST_P(ReferenceDlgModelCase, CountsMatches_UnmatchedFollowTheChoice_OtherKindsStay)
{
    const PreviewCase& c = GetParam();
    ReferenceDlgModel model(file(), reference(), {c.dtvNumberedInOrder});
    model.setChoice(c.choice);
    const std::vector<ReferenceDlgModel::ListRow> lists = model.lists();
    ASSERT_EQ(lists.size(), 2U);
    EXPECT_EQ(lists[0].list, "dtv");
    EXPECT_EQ(lists[0].channels, 4);
    EXPECT_EQ(lists[0].byIdentity, 2);
    EXPECT_EQ(lists[0].byName, 1);
    EXPECT_EQ(lists[0].unmatched, 1);
    EXPECT_TRUE(lists[0].paired);
    EXPECT_FALSE(lists[1].paired) << "the reference has no radio channel";

    const std::vector<ReferenceDlgModel::UnmatchedRow> rows = model.unmatched();
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0].name, "Delta");
    EXPECT_EQ(rows[0].number, 4);
    EXPECT_EQ(rows[0].fate, c.delta);
    if (c.delta == ReferenceDlgModel::Fate::Kept) {
        EXPECT_EQ(rows[0].newNumber, c.deltaNumber);
    }
    // Even when deleting, a list of a kind the reference lacks stays as it is.
    EXPECT_EQ(rows[1].name, "Radio One");
    EXPECT_EQ(rows[1].fate, ReferenceDlgModel::Fate::Unchanged);
    EXPECT_EQ(rows[1].newNumber, 1);
    EXPECT_EQ(model.deletedCount(), c.delta == ReferenceDlgModel::Fate::Deleted ? 1 : 0);
    EXPECT_EQ(model.changedNumberCount(), c.changedNumbers);
    EXPECT_FALSE(model.changesNothing());
}

// Beta 10, Alpha 20, Gamma 30 and Delta after the highest; a list written in its order takes
// them too, as they rise along the new order.
INSTANTIATE_TEST_SUITE_P(
    Choices, ReferenceDlgModelCase,
    ::testing::Values(PreviewCase{UnmatchedRows::Keep, false, ReferenceDlgModel::Fate::Kept, 31, 4},
                      PreviewCase{UnmatchedRows::Keep, true, ReferenceDlgModel::Fate::Kept, 31, 4},
                      PreviewCase{UnmatchedRows::Delete, false, ReferenceDlgModel::Fate::Deleted, 0,
                                  3}));

TEST(ReferenceDlgModel, TheFilesOwnListsChangeNothingAndLeaveNoChannelOut)
{
    ReferenceDlgModel model(file(), file());
    model.setChoice(UnmatchedRows::Delete);
    EXPECT_TRUE(model.changesNothing());
    EXPECT_TRUE(model.unmatched().empty());
    EXPECT_EQ(model.changedNumberCount(), 0);
}

} // namespace
} // namespace kx
