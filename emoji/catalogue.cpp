#include "emoji/catalogue.h"

#include <array>

namespace quillmark {
namespace {

constexpr EmojiSet kAlways = EmojiSet::AlwaysShown;
constexpr EmojiSet kMessage = EmojiSet::MessageOnly;
constexpr EmojiSet kComment = EmojiSet::CommentOnly;

constexpr std::array<Emoji, kEmojiCount> kCatalogue = {{
    {1, "微笑", "wei xiao", kAlways},
    {2, "撇嘴", "pie zui", kAlways},
    {3, "色", "se", kAlways},
    {4, "发呆", "fa dai", kAlways},
    {5, "得意", "de yi", kAlways},
    {6, "流泪", "liu lei", kAlways},
    {7, "害羞", "hai xiu", kAlways},
    {8, "闭嘴", "bi zui", kAlways},
    {9, "睡", "shui", kAlways},
    {10, "大哭", "da ku", kAlways},
    {11, "尴尬", "gan ga", kAlways},
    {12, "发怒", "fa nu", kAlways},
    {13, "调皮", "tiao pi", kAlways},
    {14, "呲牙", "ci ya", kAlways},
    {15, "惊讶", "jing ya", kAlways},
    {16, "难过", "nan guo", kAlways},
    {17, "酷", "ku", kMessage},
    {18, "冷汗", "leng han", kAlways},
    {19, "抓狂", "zhua kuang", kAlways},
    {20, "吐", "tu", kAlways},
    {21, "偷笑", "tou xiao", kAlways},
    {22, "愉快", "yu kuai", kAlways},
    {23, "白眼", "bai yan", kAlways},
    {24, "傲慢", "ao man", kAlways},
    {25, "饥饿", "ji e", kMessage},
    {26, "困", "kun", kAlways},
    {27, "惊恐", "jing kong", kAlways},
    {28, "流汗", "liu han", kAlways},
    {29, "憨笑", "han xiao", kAlways},
    {30, "悠闲", "you xian", kAlways},
    {31, "奋斗", "fen dou", kAlways},
    {32, "咒骂", "zhou ma", kAlways},
    {33, "疑问", "yi wen", kAlways},
    {34, "嘘", "xu", kAlways},
    {35, "晕", "yun", kAlways},
    {36, "疯了", "feng le", kMessage},
    {37, "衰", "shuai", kAlways},
    {38, "骷髅", "ku lou", kAlways},
    {39, "敲打", "qiao da", kAlways},
    {40, "再见", "zai jian", kAlways},
    {41, "擦汗", "ca han", kAlways},
    {42, "抠鼻", "kou bi", kAlways},
    {43, "鼓掌", "gu zhang", kAlways},
    {44, "糗大了", "qiu da le", kMessage},
    {45, "坏笑", "huai xiao", kAlways},
    {46, "左哼哼", "zuo heng heng", kAlways},
    {47, "右哼哼", "you heng heng", kAlways},
    {48, "哈欠", "ha qian", kAlways},
    {49, "鄙视", "bi shi", kAlways},
    {50, "委屈", "wei qu", kAlways},
    {51, "难过", "nan guo", kAlways},
    {52, "阴险", "yin xian", kAlways},
    {53, "亲亲", "qin qin", kAlways},
    {54, "吓", "xia", kMessage},
    {55, "可怜", "ke lian", kAlways},
    {56, "菜刀", "cai dao", kAlways},
    {57, "西瓜", "xi gua", kAlways},
    {58, "啤酒", "pi jiu", kAlways},
    {59, "篮球", "lan qiu", kMessage},
    {60, "乒乓", "ping pang", kMessage},
    {61, "咖啡", "ka fei", kAlways},
    {62, "饭", "fan", kMessage},
    {63, "猪头", "zhu tou", kAlways},
    {64, "玫瑰", "mei gui", kAlways},
    {65, "凋谢", "diao xie", kAlways},
    {66, "嘴唇", "zui chun", kAlways},
    {67, "爱心", "ai xin", kAlways},
    {68, "心碎", "xin sui", kAlways},
    {69, "蛋糕", "dan gao", kAlways},
    {70, "闪电", "shan dian", kMessage},
    {71, "炸弹", "zha dan", kAlways},
    {72, "刀", "dao", kMessage},
    {73, "足球", "zu qiu", kMessage},
    {74, "瓢虫", "piao chong", kMessage},
    {75, "便便", "bian bian", kAlways},
    {76, "月亮", "yue liang", kAlways},
    {77, "太阳", "tai yang", kAlways},
    {78, "礼物", "li wu", kAlways},
    {79, "拥抱", "yong bao", kAlways},
    {80, "强", "qiang", kAlways},
    {81, "弱", "ruo", kAlways},
    {82, "握手", "wo shou", kAlways},
    {83, "胜利", "sheng li", kAlways},
    {84, "抱拳", "bao quan", kAlways},
    {85, "勾引", "gou yin", kAlways},
    {86, "拳头", "quan tou", kAlways},
    {87, "差劲", "cha jin", kMessage},
    {88, "爱你", "ai ni", kMessage},
    {89, "No", "", kMessage},
    {90, "OK", "", kAlways},
    {91, "爱情", "ai qing", kMessage},
    {92, "飞吻", "fei wen", kMessage},
    {93, "跳跳", "tiao tiao", kAlways},
    {94, "发抖", "fa dou", kAlways},
    {95, "怄火", "ou huo", kAlways},
    {96, "转圈", "zhuan quan", kAlways},
    {97, "磕头", "ke tou", kMessage},
    {98, "回头", "hui tou", kMessage},
    {99, "跳绳", "tiao sheng", kMessage},
    {100, "右太极", "you tai ji", kMessage},
    {101, "激动", "ji dong", kMessage},
    {102, "乱舞", "luan wu", kMessage},
    {103, "献吻", "xian wen", kMessage},
    {104, "左太极", "zuo tai ji", kMessage},
    {105, "投降", "tou xiang", kMessage},
    {106, "嘿哈", "hei ha", kAlways},
    {107, "捂脸", "wu lian", kAlways},
    {108, "奸笑", "jian xiao", kAlways},
    {109, "机智", "ji zhi", kAlways},
    {110, "皱眉", "zhou mei", kAlways},
    {111, "耶", "ye", kAlways},
    {112, "生病", "sheng bing", kComment},
    {113, "破涕为笑", "po ti wei xiao", kComment},
    {114, "脸红", "lian hong", kComment},
    {115, "恐惧", "kong ju", kComment},
    {116, "合十", "he shi", kComment},
    {117, "强壮", "qiang zhuang", kComment},
    {118, "庆祝", "qing zhu", kComment},
    {119, "红包", "hong bao", kAlways},
    {120, "鸡", "ji", kAlways},
}};

struct PaletteRow {
  int firstNumber;
  int top;
  int firstLeft;
};

// Rows of fifteen at a pitch of 32 pixels; the top row holds the newest emoji,
// the last two rows stand one pixel further right, and the spacing is uneven.
constexpr std::array<PaletteRow, kPaletteRowCount> kPaletteRows = {{
    {106, 224, 15},
    {1, 258, 15},
    {16, 297, 15},
    {31, 337, 15},
    {46, 374, 15},
    {61, 416, 15},
    {76, 456, 16},
    {91, 496, 16},
}};
constexpr int kColumnPitch = 32;

std::array<Text, kEmojiCount> MakeCodes() {
  std::array<Text, kEmojiCount> codes;
  for (const Emoji& emoji : kCatalogue) {
    std::string code = "[";
    code.append(emoji.label).append("]");
    codes[static_cast<std::size_t>(emoji.number - 1)] = Utf8ToGbk(code);
  }
  return codes;
}

}  // namespace

std::span<const Emoji> EmojiCatalogue() { return kCatalogue; }

const Emoji& EmojiByNumber(int number) {
  return kCatalogue.at(static_cast<std::size_t>(number - 1));
}

const Text& EmojiCode(const Emoji& emoji) {
  static const std::array<Text, kEmojiCount> codes = MakeCodes();
  return codes.at(static_cast<std::size_t>(emoji.number - 1));
}

std::string EmojiButtonName(const Emoji& emoji) {
  std::string name = "图形按钮";
  name.append(std::to_string(emoji.number)).append("_").append(emoji.label);
  return name;
}

std::string EmojiPicturePath(const Emoji& emoji) {
  return "emoji/pictures/" + std::to_string(emoji.number) + ".png";
}

GridPlace EmojiGridPlace(int number) {
  for (const PaletteRow& row : kPaletteRows) {
    const int column = number - row.firstNumber;
    if (column >= 0 && column < kEmojisPerRow) {
      return {row.firstLeft + kColumnPitch * column, row.top};
    }
  }
  return {-1, -1};
}

PalettePlace EmojiPalettePlace(int number) {
  for (int row = 0; row < kPaletteRowCount; ++row) {
    const int column = number - kPaletteRows.at(static_cast<std::size_t>(row)).firstNumber;
    if (column >= 0 && column < kEmojisPerRow) return {row, column};
  }
  return {-1, -1};
}

int EmojiAtPalettePlace(PalettePlace place) {
  return kPaletteRows.at(static_cast<std::size_t>(place.row)).firstNumber + place.column;
}

std::vector<int> EmojiNumbersOf(EmojiSet set) {
  std::vector<int> numbers;
  for (const Emoji& emoji : kCatalogue) {
    if (emoji.set == set) numbers.push_back(emoji.number);
  }
  return numbers;
}

}  // namespace quillmark
