#include "emoji/catalogue.h"

#include <gtest/gtest.h>

#include "tests/core/test_bytes.h"

namespace quillmark {
namespace {

struct ExpectedEmoji {
  int number;
  const char* label;
  const char* button;
  char set;  // A always-shown, M message-only, C comment-only
};

// The catalogue table of the palette, row by row.
const ExpectedEmoji kTable[] = {
    {1, "微笑", "图形按钮1_微笑", 'A'},
    {2, "撇嘴", "图形按钮2_撇嘴", 'A'},
    {3, "色", "图形按钮3_色", 'A'},
    {4, "发呆", "图形按钮4_发呆", 'A'},
    {5, "得意", "图形按钮5_得意", 'A'},
    {6, "流泪", "图形按钮6_流泪", 'A'},
    {7, "害羞", "图形按钮7_害羞", 'A'},
    {8, "闭嘴", "图形按钮8_闭嘴", 'A'},
    {9, "睡", "图形按钮9_睡", 'A'},
    {10, "大哭", "图形按钮10_大哭", 'A'},
    {11, "尴尬", "图形按钮11_尴尬", 'A'},
    {12, "发怒", "图形按钮12_发怒", 'A'},
    {13, "调皮", "图形按钮13_调皮", 'A'},
    {14, "呲牙", "图形按钮14_呲牙", 'A'},
    {15, "惊讶", "图形按钮15_惊讶", 'A'},
    {16, "难过", "图形按钮16_难过", 'A'},
    {17, "酷", "图形按钮17_酷", 'M'},
    {18, "冷汗", "图形按钮18_冷汗", 'A'},
    {19, "抓狂", "图形按钮19_抓狂", 'A'},
    {20, "吐", "图形按钮20_吐", 'A'},
    {21, "偷笑", "图形按钮21_偷笑", 'A'},
    {22, "愉快", "图形按钮22_愉快", 'A'},
    {23, "白眼", "图形按钮23_白眼", 'A'},
    {24, "傲慢", "图形按钮24_傲慢", 'A'},
    {25, "饥饿", "图形按钮25_饥饿", 'M'},
    {26, "困", "图形按钮26_困", 'A'},
    {27, "惊恐", "图形按钮27_惊恐", 'A'},
    {28, "流汗", "图形按钮28_流汗", 'A'},
    {29, "憨笑", "图形按钮29_憨笑", 'A'},
    {30, "悠闲", "图形按钮30_悠闲", 'A'},
    {31, "奋斗", "图形按钮31_奋斗", 'A'},
    {32, "咒骂", "图形按钮32_咒骂", 'A'},
    {33, "疑问", "图形按钮33_疑问", 'A'},
    {34, "嘘", "图形按钮34_嘘", 'A'},
    {35, "晕", "图形按钮35_晕", 'A'},
    {36, "疯了", "图形按钮36_疯了", 'M'},
    {37, "衰", "图形按钮37_衰", 'A'},
    {38, "骷髅", "图形按钮38_骷髅", 'A'},
    {39, "敲打", "图形按钮39_敲打", 'A'},
    {40, "再见", "图形按钮40_再见", 'A'},
    {41, "擦汗", "图形按钮41_擦汗", 'A'},
    {42, "抠鼻", "图形按钮42_抠鼻", 'A'},
    {43, "鼓掌", "图形按钮43_鼓掌", 'A'},
    {44, "糗大了", "图形按钮44_糗大了", 'M'},
    {45, "坏笑", "图形按钮45_坏笑", 'A'},
    {46, "左哼哼", "图形按钮46_左哼哼", 'A'},
    {47, "右哼哼", "图形按钮47_右哼哼", 'A'},
    {48, "哈欠", "图形按钮48_哈欠", 'A'},
    {49, "鄙视", "图形按钮49_鄙视", 'A'},
    {50, "委屈", "图形按钮50_委屈", 'A'},
    {51, "难过", "图形按钮51_难过", 'A'},
    {52, "阴险", "图形按钮52_阴险", 'A'},
    {53, "亲亲", "图形按钮53_亲亲", 'A'},
    {54, "吓", "图形按钮54_吓", 'M'},
    {55, "可怜", "图形按钮55_可怜", 'A'},
    {56, "菜刀", "图形按钮56_菜刀", 'A'},
    {57, "西瓜", "图形按钮57_西瓜", 'A'},
    {58, "啤酒", "图形按钮58_啤酒", 'A'},
    {59, "篮球", "图形按钮59_篮球", 'M'},
    {60, "乒乓", "图形按钮60_乒乓", 'M'},
    {61, "咖啡", "图形按钮61_咖啡", 'A'},
    {62, "饭", "图形按钮62_饭", 'M'},
    {63, "猪头", "图形按钮63_猪头", 'A'},
    {64, "玫瑰", "图形按钮64_玫瑰", 'A'},
    {65, "凋谢", "图形按钮65_凋谢", 'A'},
    {66, "嘴唇", "图形按钮66_嘴唇", 'A'},
    {67, "爱心", "图形按钮67_爱心", 'A'},
    {68, "心碎", "图形按钮68_心碎", 'A'},
    {69, "蛋糕", "图形按钮69_蛋糕", 'A'},
    {70, "闪电", "图形按钮70_闪电", 'M'},
    {71, "炸弹", "图形按钮71_炸弹", 'A'},
    {72, "刀", "图形按钮72_刀", 'M'},
    {73, "足球", "图形按钮73_足球", 'M'},
    {74, "瓢虫", "图形按钮74_瓢虫", 'M'},
    {75, "便便", "图形按钮75_便便", 'A'},
    {76, "月亮", "图形按钮76_月亮", 'A'},
    {77, "太阳", "图形按钮77_太阳", 'A'},
    {78, "礼物", "图形按钮78_礼物", 'A'},
    {79, "拥抱", "图形按钮79_拥抱", 'A'},
    {80, "强", "图形按钮80_强", 'A'},
    {81, "弱", "图形按钮81_弱", 'A'},
    {82, "握手", "图形按钮82_握手", 'A'},
    {83, "胜利", "图形按钮83_胜利", 'A'},
    {84, "抱拳", "图形按钮84_抱拳", 'A'},
    {85, "勾引", "图形按钮85_勾引", 'A'},
    {86, "拳头", "图形按钮86_拳头", 'A'},
    {87, "差劲", "图形按钮87_差劲", 'M'},
    {88, "爱你", "图形按钮88_爱你", 'M'},
    {89, "No", "图形按钮89_No", 'M'},
    {90, "OK", "图形按钮90_OK", 'A'},
    {91, "爱情", "图形按钮91_爱情", 'M'},
    {92, "飞吻", "图形按钮92_飞吻", 'M'},
    {93, "跳跳", "图形按钮93_跳跳", 'A'},
    {94, "发抖", "图形按钮94_发抖", 'A'},
    {95, "怄火", "图形按钮95_怄火", 'A'},
    {96, "转圈", "图形按钮96_转圈", 'A'},
    {97, "磕头", "图形按钮97_磕头", 'M'},
    {98, "回头", "图形按钮98_回头", 'M'},
    {99, "跳绳", "图形按钮99_跳绳", 'M'},
    {100, "右太极", "图形按钮100_右太极", 'M'},
    {101, "激动", "图形按钮101_激动", 'M'},
    {102, "乱舞", "图形按钮102_乱舞", 'M'},
    {103, "献吻", "图形按钮103_献吻", 'M'},
    {104, "左太极", "图形按钮104_左太极", 'M'},
    {105, "投降", "图形按钮105_投降", 'M'},
    {106, "嘿哈", "图形按钮106_嘿哈", 'A'},
    {107, "捂脸", "图形按钮107_捂脸", 'A'},
    {108, "奸笑", "图形按钮108_奸笑", 'A'},
    {109, "机智", "图形按钮109_机智", 'A'},
    {110, "皱眉", "图形按钮110_皱眉", 'A'},
    {111, "耶", "图形按钮111_耶", 'A'},
    {112, "生病", "图形按钮112_生病", 'C'},
    {113, "破涕为笑", "图形按钮113_破涕为笑", 'C'},
    {114, "脸红", "图形按钮114_脸红", 'C'},
    {115, "恐惧", "图形按钮115_恐惧", 'C'},
    {116, "合十", "图形按钮116_合十", 'C'},
    {117, "强壮", "图形按钮117_强壮", 'C'},
    {118, "庆祝", "图形按钮118_庆祝", 'C'},
    {119, "红包", "图形按钮119_红包", 'A'},
    {120, "鸡", "图形按钮120_鸡", 'A'},
};

EmojiSet SetOf(char letter) {
  return letter == 'M'   ? EmojiSet::MessageOnly
         : letter == 'C' ? EmojiSet::CommentOnly
                         : EmojiSet::AlwaysShown;
}

TEST(EmojiCatalogue, EveryEntryMatchesTheTable) {
  ASSERT_EQ(EmojiCatalogue().size(), 120u);
  for (const ExpectedEmoji& expected : kTable) {
    SCOPED_TRACE(expected.number);
    const Emoji& emoji = EmojiCatalogue()[static_cast<std::size_t>(expected.number - 1)];
    EXPECT_EQ(emoji.number, expected.number);
    EXPECT_EQ(emoji.label, expected.label);
    EXPECT_EQ(EmojiButtonName(emoji), expected.button);
    EXPECT_EQ(emoji.set, SetOf(expected.set));
    const Text& code = EmojiCode(emoji);
    EXPECT_GE(code.size(), 4u);
    EXPECT_LE(code.size(), 10u);
    EXPECT_EQ(code.front(), '[');
    EXPECT_EQ(code.back(), ']');
    EXPECT_EQ(GbkToUtf8(code), std::string("[") + expected.label + "]") << "GBK bytes of the label";
  }
}

TEST(EmojiCatalogue, CodesAreGbkOfKnownLengths) {
  EXPECT_EQ(testing::Hex(EmojiCode(EmojiByNumber(1))), "5B CE A2 D0 A6 5D");
  EXPECT_EQ(EmojiCode(EmojiByNumber(89)), "[No]");
  EXPECT_EQ(EmojiCode(EmojiByNumber(90)), "[OK]");
  EXPECT_EQ(EmojiCode(EmojiByNumber(113)).size(), 10u) << "[破涕为笑]";
  EXPECT_EQ(EmojiCode(EmojiByNumber(16)), EmojiCode(EmojiByNumber(51))) << "both [难过]";
  int duplicates = 0;
  for (const Emoji& first : EmojiCatalogue()) {
    for (const Emoji& second : EmojiCatalogue()) {
      if (first.number < second.number && EmojiCode(first) == EmojiCode(second)) ++duplicates;
    }
  }
  EXPECT_EQ(duplicates, 1);
}

TEST(EmojiCatalogue, SetListsInAscendingOrder) {
  EXPECT_EQ(EmojiNumbersOf(EmojiSet::MessageOnly),
            (std::vector<int>{17, 25, 36, 44, 54, 59, 60, 62,  70,  72,  73,  74,  87,
                              88, 89, 91, 92, 97, 98, 99, 100, 101, 102, 103, 104, 105}));
  EXPECT_EQ(EmojiNumbersOf(EmojiSet::CommentOnly),
            (std::vector<int>{112, 113, 114, 115, 116, 117, 118}));
  EXPECT_EQ(EmojiNumbersOf(EmojiSet::AlwaysShown).size(), 87u);
}

TEST(EmojiCatalogue, GridPlacesFollowTheRows) {
  EXPECT_EQ(EmojiGridPlace(106).left, 15);
  EXPECT_EQ(EmojiGridPlace(106).top, 224);
  EXPECT_EQ(EmojiGridPlace(120).left, 15 + 32 * 14);
  EXPECT_EQ(EmojiGridPlace(1).top, 258);
  EXPECT_EQ(EmojiGridPlace(30).top, 297);
  EXPECT_EQ(EmojiGridPlace(31).top, 337);
  EXPECT_EQ(EmojiGridPlace(60).top, 374);
  EXPECT_EQ(EmojiGridPlace(61).top, 416);
  EXPECT_EQ(EmojiGridPlace(76).left, 16) << "the last two rows stand one pixel further right";
  EXPECT_EQ(EmojiGridPlace(90).top, 456);
  EXPECT_EQ(EmojiGridPlace(105).left, 16 + 32 * 14);
  EXPECT_EQ(EmojiGridPlace(105).top, 496);
  EXPECT_EQ(EmojiGridPlace(0).left, -1);
  EXPECT_EQ(EmojiGridPlace(121).left, -1);
}

}  // namespace
}  // namespace quillmark
