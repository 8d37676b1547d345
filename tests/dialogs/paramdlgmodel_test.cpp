#include "dialogs/paramdlgmodel.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

using Strings = std::vector<std::string>;

TEST(ParamDlgModel, AddedLine_OpensUntypedAndOkDropsTheLength)
{
    ParamDlgModel model("Volume;01A2;2", 1);
    EXPECT_EQ(model.m_strName, "Volume");
    EXPECT_EQ(model.m_strAddress, "01A2");
    EXPECT_EQ(model.typeIndex(), 0);
    EXPECT_FALSE(model.valuesEnabled());
    EXPECT_TRUE(model.values().empty());
    EXPECT_EQ(model.line(), "Volume;01A2");
}

TEST(ParamDlgModel, EachTypeWritesItsLengthAndCode)
{
    ParamDlgModel model("Volume;01A2;2", 1);
    model.selectType(3);
    EXPECT_EQ(model.line(), "Volume;01A2;3;3");
    model.selectType(4);
    EXPECT_EQ(model.line(), "Volume;01A2;1;4");
    model.selectType(2);
    EXPECT_EQ(model.line(), "Volume;01A2;2;2");
    ParamDlgModel variant2("Volume;01A2;2", 2);
    variant2.selectType(2);
    EXPECT_EQ(variant2.line(), "Volume;01A2;3;2");
    model.selectType(ParamDlgModel::kNoType);
    EXPECT_EQ(model.line(), "Volume;01A2");
}

TEST(ParamDlgModel, UserType_ValuesEachFollowedBySemicolon)
{
    ParamDlgModel model("Mode;0020;1", 2);
    model.m_strName = "Mode";
    model.selectType(1);
    EXPECT_TRUE(model.valuesEnabled());
    model.addValue("Off,0");
    model.addValue("On,1");
    EXPECT_EQ(model.line(), "Mode;0020;1;1;Off,0;On,1;");
}

TEST(ParamDlgModel, UserLine_ReopensWithoutAnEmptyItemAndRewritesUnchanged)
{
    const std::string line = "Mode;0020;1;1;Off,0; On,1;";
    ParamDlgModel model(line, 1);
    EXPECT_EQ(model.typeIndex(), 1);
    EXPECT_TRUE(model.valuesEnabled());
    EXPECT_EQ(model.values(), (Strings{"Off,0", "On,1"}));
    const std::string written = model.line();
    EXPECT_EQ(written, "Mode;0020;1;1;Off,0;On,1;");
    EXPECT_EQ(ParamDlgModel(written, 1).line(), written) << "editing twice grows nothing";
}

TEST(ParamDlgModel, UserLine_EmptyItemsInsideTheListAreKept)
{
    const ParamDlgModel model("M;0020;1;1;;", 1);
    EXPECT_EQ(model.line(), "M;0020;1;1;;");
    EXPECT_EQ(ParamDlgModel(model.line(), 1).values(), (Strings{""}));
    EXPECT_EQ(ParamDlgModel("M;0020;1;1;a;;b", 1).values(), (Strings{"a", "", "b"}));
}

TEST(ParamDlgModel, AddValue_RefusesEmptyTextAndADisabledList)
{
    ParamDlgModel model("M;0020;2", 1);
    EXPECT_FALSE(model.addValue("Off,0")) << "type 2 has no values to add";
    model.selectType(1);
    EXPECT_FALSE(model.addValue(""));
    EXPECT_TRUE(model.addValue("Off,0"));
    EXPECT_EQ(model.line(), "M;0020;1;1;Off,0;");
}

TEST(ParamDlgModel, OtherTypesWithFurtherFieldsListThemDisabled)
{
    ParamDlgModel model("Land;0100;2;2;x,1;y,2", 1);
    EXPECT_EQ(model.typeIndex(), 2);
    EXPECT_FALSE(model.valuesEnabled());
    EXPECT_EQ(model.values(), (Strings{"x,1", "y,2"}));
    EXPECT_EQ(model.line(), "Land;0100;2;2") << "only type 1 writes the values";
}

TEST(ParamDlgModel, TypeAsLastFieldSelectsItWithTheListDisabled)
{
    ParamDlgModel menu("Item;0030;1;4", 1);
    EXPECT_EQ(menu.typeIndex(), 4);
    ParamDlgModel user("Mode;0030;1; 1", 1);
    EXPECT_EQ(user.typeIndex(), 1);
    EXPECT_FALSE(user.valuesEnabled());
    EXPECT_EQ(user.line(), "Mode;0030;1;1;");
    ParamDlgModel unknown("Odd;0030;1;9", 1);
    EXPECT_EQ(unknown.typeIndex(), ParamDlgModel::kNoType);
    EXPECT_EQ(unknown.line(), "Odd;0030");
    EXPECT_EQ(ParamDlgModel("Odd;0030;1;-1;a", 1).typeIndex(), ParamDlgModel::kNoType);
}

TEST(ParamDlgModel, ChangingTypeKeepsValuesButDisablesThem)
{
    ParamDlgModel model("Mode;0020;1;1;Off,0;On,1;", 1);
    model.selectType(3);
    EXPECT_FALSE(model.valuesEnabled());
    EXPECT_EQ(model.values().size(), 2u);
    model.selectType(1);
    EXPECT_EQ(model.line(), "Mode;0020;1;1;Off,0;On,1;");
}

TEST(ParamDlgModel, DeleteRemovesOnlyAnExistingItem)
{
    ParamDlgModel model("Mode;0020;1;1;a;b;c;", 1);
    model.deleteValue(3);
    model.deleteValue(-1);
    EXPECT_EQ(model.values().size(), 3u);
    model.deleteValue(1);
    EXPECT_EQ(model.values(), (Strings{"a", "c"}));
}

TEST(ParamDlgModel, LeadingBlanksGoAddressPassesThrough)
{
    ParamDlgModel model("  Tuner ;  01a2 x;4", 1);
    EXPECT_EQ(model.m_strName, "Tuner ");
    EXPECT_EQ(model.m_strAddress, "01a2 x");
    EXPECT_EQ(model.line(), "Tuner ;01a2 x");
    ParamDlgModel loose("Loose", 1);
    EXPECT_EQ(loose.m_strName, "");
    EXPECT_EQ(loose.line(), ";Loose");
}

} // namespace
} // namespace kx
