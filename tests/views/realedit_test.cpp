// Edits a channel list exported by a real TV through the list views, saves it, and checks the
// saved bytes field by field against the file as the TV wrote it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/kanalyxdoc.h"
#include "model/namecodec.h"
#include "support/realdata.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"
#include "views/documentviews.h"

namespace kx {
namespace {

using test::u16At;
using test::u32At;

// xxLD750-ZA00001.TLL: 176-byte records; the digital block starts at byte 28400 with 248
// digital TV records numbered 1 to 248, then 104 radio records; the file ends with a 1-byte
// trailing block. Its TV writes the derived number as 4n + 3 for digital TV channels.
constexpr std::size_t kRecord = 176;
constexpr std::size_t kDigitalStart = 28400;
constexpr int kDigitalTV = 248;
constexpr int kRadio = 104;

std::string record(const std::string& file, std::size_t index)
{
    return file.substr(kDigitalStart + index * kRecord, kRecord);
}

TEST(RealFileEdit, MoveRenameDeleteUndo_ChangeOnlyTheFieldsTheyShould)
{
    KX_REQUIRE_REALDATA();
    const auto path = test::realDataFile("xxLD750-ZA00001.TLL.in");
    const std::string original = test::readFile(path);

    const CodecSettings codec;
    CKanalyxDoc doc;
    DocumentViews views(doc, codec);
    CKanalyxView& fm = views.view(ListKind::Radio);
    CKanalyxView& dtv = views.view(ListKind::DigitalTV);
    doc.OnOpenDocument(path);
    ASSERT_EQ(dtv.GetListCtrl().itemCount(), kDigitalTV);
    ASSERT_EQ(fm.GetListCtrl().itemCount(), kRadio);
    ASSERT_EQ(dtv.GetListCtrl().itemText(5, 1), "Disney Junior");
    ASSERT_EQ(fm.GetListCtrl().itemText(1, 1), "DLF");

    // Disney Junior (row 5) to the top.
    ListCtrl& digital = dtv.GetListCtrl();
    digital.setItemState(5, lvis::kSelectedFocused, lvis::kSelectedFocused);
    for (int step = 0; step < 5; ++step) {
        dtv.OnMoveUp();
    }
    EXPECT_EQ(digital.itemText(0, 1), "Disney Junior");
    EXPECT_EQ(digital.itemText(0, 0), "1");

    // Rename the second radio channel.
    fm.OnEndLabelEdit(1, 1, std::string("Deutschlandfunk"));

    // Delete "MTV Brand New" (row 3 now) and take it back: it returns to its place.
    digital.setAllItemStates(0, lvis::kSelectedFocused);
    digital.setItemState(3, lvis::kSelectedFocused, lvis::kSelectedFocused);
    ASSERT_EQ(digital.itemText(3, 1), "MTV Brand New");
    dtv.OnDeleteRows();
    EXPECT_EQ(digital.itemText(3, 0), "4") << "the row below took its number";
    doc.Undo();
    EXPECT_EQ(digital.itemText(3, 1), "MTV Brand New");
    EXPECT_EQ(digital.itemText(3, 0), "4");
    EXPECT_TRUE(doc.IsModified());

    test::TempDir dir;
    doc.OnSaveDocument(dir.file("edited.tll"));
    const std::string saved = test::readFile(dir.file("edited.tll"));
    ASSERT_EQ(saved.size(), original.size());
    EXPECT_TRUE(saved.substr(0, kDigitalStart) == original.substr(0, kDigitalStart))
        << "analog block, settings block and digital block header are untouched";

    // Digital TV in its new order: old rows 5, 0 ... 4, 6 ... 247.
    std::vector<int> order{5, 0, 1, 2, 3, 4};
    for (int row = 6; row < kDigitalTV; ++row) {
        order.push_back(row);
    }
    for (int i = 0; i < kDigitalTV; ++i) {
        SCOPED_TRACE(i);
        std::string expected = record(original, static_cast<std::size_t>(order[i]));
        const std::string actual = record(saved, static_cast<std::size_t>(i));
        ASSERT_EQ(u16At(actual, 12), i + 1) << "number word";
        ASSERT_EQ(u32At(actual, 116), 4u * static_cast<unsigned>(i + 1) + 3) << "derived number";
        // Every other byte is the record's own.
        expected.replace(12, 2, actual.substr(12, 2));
        expected.replace(116, 4, actual.substr(116, 4));
        ASSERT_TRUE(actual == expected) << "a byte outside the number fields changed";
    }

    // Radio: unchanged but for the renamed channel's name, name length and name copy.
    for (int i = 0; i < kRadio; ++i) {
        SCOPED_TRACE(i);
        const auto index = static_cast<std::size_t>(kDigitalTV + i);
        std::string expected = record(original, index);
        if (i == 1) {
            const std::string name = "Deutschlandfunk";
            expected.replace(30, 40, name + std::string(40 - name.size(), '\0'));
            expected[70] = static_cast<char>(name.size());
            expected.replace(128, name.size() + 1, name + '\0');
        }
        ASSERT_TRUE(record(saved, index) == expected);
    }
    EXPECT_EQ(saved.back(), original.back()) << "trailing block";
}

} // namespace
} // namespace kx
