// GlobalClone files in the document: their lists as the receivers number them, saved byte for
// byte, and every command changing, in the items it concerns, only the fields it concerns, and
// undone to the very bytes.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "document/globalclonefile.h"
#include "document/kanalyxdoc.h"
#include "model/channelflags.h"
#include "model/channelrec.h"
#include "model/namecodec.h"
#include "platform/error.h"
#include "support/realdata.h"
#include "support/tempdir.h"

namespace kx {
namespace {

struct GlobalCloneList
{
    const char* name;
    std::map<ListKind, int> counts;
    // A service the list holds, by service id and name.
    ListKind list;
    int serviceId;
    const char* serviceName;
};

void PrintTo(const GlobalCloneList& file, std::ostream* out)
{
    *out << file.name;
}

const GlobalCloneList kFiles[] = {
    {"GlobalClone00001.TLL",
     {{ListKind::DvbSTV, 1123}, {ListKind::DvbSRadio, 160}},
     ListKind::DvbSTV,
     8692,
     "DOWNLOAD G10 HUMAX"},
    {"GlobalClone00003.TLL",
     {{ListKind::AntennaTV, 67}, {ListKind::AntennaRadio, 6}, {ListKind::DvbSRadio, 162}},
     ListKind::AntennaTV,
     14120,
     "SRT8505 OTA"},
    {"GlobalClone-65UM7100PLA.TLL",
     {{ListKind::DvbSTV, 1299}, {ListKind::DvbSRadio, 147}},
     ListKind::DvbSTV,
     0,
     nullptr},
};

// Every element text of every item, by item: what the commands are checked against.
std::vector<std::map<std::string, std::string>> itemTexts(const std::string& bytes)
{
    const GlobalCloneFile file = GlobalCloneFile::read(bytes, "saved");
    std::vector<std::map<std::string, std::string>> items;
    for (const GlobalCloneItem& item : file.items()) {
        std::map<std::string, std::string>& texts = items.emplace_back();
        for (const GlobalCloneElement& element : item.elements()) {
            texts[std::string(file.elementName(element))] = file.elementText(element);
        }
    }
    return items;
}

struct Command
{
    const char* what;
    std::function<void(CKanalyxDoc&, ListKind)> run;
    // The fields the command may change.
    std::set<std::string> fields;
};

const std::set<std::string> kNumberFields = {"prNum", "isUserSelCHNo"};

std::vector<int> rows(std::initializer_list<int> list)
{
    return list;
}

const Command kCommands[] = {
    {"up",
     [](CKanalyxDoc& doc, ListKind l) {
         doc.MoveUp(l, rows({2, 3}));
     },
     kNumberFields},
    {"move to the end",
     [](CKanalyxDoc& doc, ListKind l) {
         doc.MoveRowsTo(l, rows({0}), doc.ChannelCount(l), StepKind::MoveTo);
     },
     kNumberFields},
    {"sort backwards",
     [](CKanalyxDoc& doc, ListKind l) {
         std::vector<int> order(static_cast<std::size_t>(doc.ChannelCount(l)));
         for (std::size_t i = 0; i < order.size(); ++i) {
             order[i] = static_cast<int>(order.size() - 1 - i);
         }
         doc.SortRows(l, order);
     },
     kNumberFields},
    {"delete",
     [](CKanalyxDoc& doc, ListKind l) {
         doc.Delete(l, rows({0, 4}));
     },
     {"isDeleted", "mapType"}},
    {"rename",
     [](CKanalyxDoc& doc, ListKind l) { doc.Rename(l, 1, "Neu & Mehr", CodecSettings{}); },
     {"hexVchName", "vchName", "notConvertedLengthOfVchName", "lengthOfVchName"}},
    {"untick",
     [](CKanalyxDoc& doc, ListKind l) {
         doc.SetChecked(l, rows({1, 2}), false);
     },
     {"isSkipped"}},
    {"flags",
     [](CKanalyxDoc& doc, ListKind l) {
         doc.SetFlags(l, rows({1}),
                      channelflags::kFavourite1 | (channelflags::kFavourite1 << 7) |
                          channelflags::kLock | channelflags::kHide,
                      channelflags::kAll);
     },
     {"favoriteIdxA", "favoriteIdxH", "isBlocked", "isInvisable"}},
};

class GlobalCloneDoc : public ::testing::TestWithParam<GlobalCloneList>
{
protected:
    void SetUp() override
    {
        KX_REQUIRE_REALDATA();
        path = test::realDataFile(GetParam().name);
        original = test::readFile(path);
        doc.OnOpenDocument(path);
    }
    std::string saved()
    {
        const auto out = dir.file("GlobalClone00001.TLL");
        doc.OnSaveDocument(out);
        return test::readFile(out);
    }

    std::filesystem::path path;
    std::string original;
    CKanalyxDoc doc;
    test::TempDir dir;
};

TEST_P(GlobalCloneDoc, HasTheReceiversListsAndSavesByteForByte)
{
    const GlobalCloneList& file = GetParam();
    std::map<ListKind, int> counts;
    for (const ListKind list : doc.Lists()) {
        counts[list] = doc.ChannelCount(list);
    }
    EXPECT_EQ(counts, file.counts);
    EXPECT_EQ(doc.Format(), FileFormat::GlobalClone);
    EXPECT_FALSE(doc.HasSettings() || doc.CanImport() || doc.HasRawRecords());
    if (file.serviceName != nullptr) {
        bool found = false;
        for (int row = 0; row < doc.ChannelCount(file.list); ++row) {
            const CChannelRec& channel = doc.Channel(file.list, row);
            found |= channel.GetServiceId() == file.serviceId &&
                     channel.GetName(CodecSettings{}) == file.serviceName;
        }
        EXPECT_TRUE(found) << file.serviceName;
    }
    // Each list in the receiver's order; radio numbers shown without the radio mark.
    for (const ListKind list : doc.Lists()) {
        for (int row = 1; row < doc.ChannelCount(list); ++row) {
            ASSERT_LE(doc.Channel(list, row - 1).GetNumber(), doc.Channel(list, row).GetNumber());
        }
        EXPECT_LT(doc.Channel(list, 0).GetNumber(), 16384);
    }
    EXPECT_EQ(saved(), original);
}

TEST_P(GlobalCloneDoc, EveryCommandChangesOnlyItsFieldsAndUndoesToTheBytes)
{
    const auto before = itemTexts(original);
    const ListKind list = doc.Lists().front();
    for (const Command& command : kCommands) {
        SCOPED_TRACE(command.what);
        command.run(doc, list);
        ASSERT_TRUE(doc.CanUndo());
        const auto after = itemTexts(saved());
        ASSERT_EQ(after.size(), before.size());
        int changed = 0;
        for (std::size_t item = 0; item < before.size(); ++item) {
            for (const auto& [name, text] : before[item]) {
                if (after[item].at(name) != text) {
                    EXPECT_TRUE(command.fields.contains(name)) << "item " << item << ": " << name;
                    ++changed;
                }
            }
            // A field is added only where the item lacked one the command sets.
            for (const auto& [name, text] : after[item]) {
                EXPECT_TRUE(before[item].contains(name) || command.fields.contains(name)) << name;
            }
        }
        EXPECT_GT(changed, 0);
        doc.Undo();
        EXPECT_EQ(saved(), original);
    }
}

TEST_P(GlobalCloneDoc, MovesKeepTheGapsAndMarkTheNumbersAsTheUsersChoice)
{
    const ListKind list = doc.Lists().front();
    const int first = doc.Channel(list, 0).GetNumber();
    const int second = doc.Channel(list, 1).GetNumber();
    const CChannelRec* moved = &doc.Channel(list, 1);
    doc.MoveUp(list, rows({1}));
    EXPECT_EQ(&doc.Channel(list, 0), moved);
    EXPECT_EQ(doc.Channel(list, 0).GetNumber(), first) << "the numbers stay with the rows";
    EXPECT_EQ(doc.Channel(list, 1).GetNumber(), second);
    const auto after = itemTexts(saved());
    const auto& item = after.at(static_cast<std::size_t>(moved->m_slot));
    EXPECT_EQ(item.at("isUserSelCHNo"), "1");
    EXPECT_EQ(std::stoi(item.at("prNum")) & 0x3FFF, first);

    // A deleted channel leaves the list and stays in the file, marked as the receivers mark it.
    const std::size_t slot = doc.Channel(list, 0).m_slot;
    doc.Delete(list, rows({0}));
    const auto deleted = itemTexts(saved()).at(slot);
    EXPECT_EQ(deleted.at("isDeleted"), "1");
    EXPECT_EQ(deleted.at("mapType"), "3");
    EXPECT_THROW(doc.Duplicate(list, rows({0})), Error);
}

INSTANTIATE_TEST_SUITE_P(Receivers, GlobalCloneDoc, ::testing::ValuesIn(kFiles));

} // namespace
} // namespace kx
