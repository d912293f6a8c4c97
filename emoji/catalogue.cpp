#include "emoji/catalogue.h"

#include <array>

namespace quillmark {
namespace {

constexpr EmojiSet kAlways = EmojiSet::AlwaysShown;
constexpr EmojiSet kMessage = EmojiSet::MessageOnly;
constexpr EmojiSet kComment = EmojiSet::CommentOnly;

constexpr std::array<Emoji, kEmojiCount> kCatalogue = {{
    {1, "微笑", kAlways},      {2, "撇嘴", kAlways},        {3, "色", kAlways},
    {4, "发呆", kAlways},      {5, "得意", kAlways},        {6, "流泪", kAlways},
    {7, "害羞", kAlways},      {8, "闭嘴", kAlways},        {9, "睡", kAlways},
    {10, "大哭", kAlways},     {11, "尴尬", kAlways},       {12, "发怒", kAlways},
    {13, "调皮", kAlways},     {14, "呲牙", kAlways},       {15, "惊讶", kAlways},
    {16, "难过", kAlways},     {17, "酷", kMessage},        {18, "冷汗", kAlways},
    {19, "抓狂", kAlways},     {20, "吐", kAlways},         {21, "偷笑", kAlways},
    {22, "愉快", kAlways},     {23, "白眼", kAlways},       {24, "傲慢", kAlways},
    {25, "饥饿", kMessage},    {26, "困", kAlways},         {27, "惊恐", kAlways},
    {28, "流汗", kAlways},     {29, "憨笑", kAlways},       {30, "悠闲", kAlways},
    {31, "奋斗", kAlways},     {32, "咒骂", kAlways},       {33, "疑问", kAlways},
    {34, "嘘", kAlways},       {35, "晕", kAlways},         {36, "疯了", kMessage},
    {37, "衰", kAlways},       {38, "骷髅", kAlways},       {39, "敲打", kAlways},
    {40, "再见", kAlways},     {41, "擦汗", kAlways},       {42, "抠鼻", kAlways},
    {43, "鼓掌", kAlways},     {44, "糗大了", kMessage},    {45, "坏笑", kAlways},
    {46, "左哼哼", kAlways},   {47, "右哼哼", kAlways},     {48, "哈欠", kAlways},
    {49, "鄙视", kAlways},     {50, "委屈", kAlways},       {51, "难过", kAlways},
    {52, "阴险", kAlways},     {53, "亲亲", kAlways},       {54, "吓", kMessage},
    {55, "可怜", kAlways},     {56, "菜刀", kAlways},       {57, "西瓜", kAlways},
    {58, "啤酒", kAlways},     {59, "篮球", kMessage},      {60, "乒乓", kMessage},
    {61, "咖啡", kAlways},     {62, "饭", kMessage},        {63, "猪头", kAlways},
    {64, "玫瑰", kAlways},     {65, "凋谢", kAlways},       {66, "嘴唇", kAlways},
    {67, "爱心", kAlways},     {68, "心碎", kAlways},       {69, "蛋糕", kAlways},
    {70, "闪电", kMessage},    {71, "炸弹", kAlways},       {72, "刀", kMessage},
    {73, "足球", kMessage},    {74, "瓢虫", kMessage},      {75, "便便", kAlways},
    {76, "月亮", kAlways},     {77, "太阳", kAlways},       {78, "礼物", kAlways},
    {79, "拥抱", kAlways},     {80, "强", kAlways},         {81, "弱", kAlways},
    {82, "握手", kAlways},     {83, "胜利", kAlways},       {84, "抱拳", kAlways},
    {85, "勾引", kAlways},     {86, "拳头", kAlways},       {87, "差劲", kMessage},
    {88, "爱你", kMessage},    {89, "No", kMessage},        {90, "OK", kAlways},
    {91, "爱情", kMessage},    {92, "飞吻", kMessage},      {93, "跳跳", kAlways},
    {94, "发抖", kAlways},     {95, "怄火", kAlways},       {96, "转圈", kAlways},
    {97, "磕头", kMessage},    {98, "回头", kMessage},      {99, "跳绳", kMessage},
    {100, "右太极", kMessage}, {101, "激动", kMessage},     {102, "乱舞", kMessage},
    {103, "献吻", kMessage},   {104, "左太极", kMessage},   {105, "投降", kMessage},
    {106, "嘿哈", kAlways},    {107, "捂脸", kAlways},      {108, "奸笑", kAlways},
    {109, "机智", kAlways},    {110, "皱眉", kAlways},      {111, "耶", kAlways},
    {112, "生病", kComment},   {113, "破涕为笑", kComment}, {114, "脸红", kComment},
    {115, "恐惧", kComment},   {116, "合十", kComment},     {117, "强壮", kComment},
    {118, "庆祝", kComment},   {119, "红包", kAlways},      {120, "鸡", kAlways},
}};

struct PaletteRow {
  int firstNumber;
  int top;
  int firstLeft;
};

// Rows of fifteen at a pitch of 32 pixels; the top row holds the newest emoji,
// the last two rows stand one pixel further right, and the spacing is uneven.
constexpr std::array<PaletteRow, 8> kPaletteRows = {{
    {106, 224, 15},
    {1, 258, 15},
    {16, 297, 15},
    {31, 337, 15},
    {46, 374, 15},
    {61, 416, 15},
    {76, 456, 16},
    {91, 496, 16},
}};
constexpr int kEmojisPerRow = 15;
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

GridPlace EmojiGridPlace(int number) {
  for (const PaletteRow& row : kPaletteRows) {
    const int column = number - row.firstNumber;
    if (column >= 0 && column < kEmojisPerRow) {
      return {row.firstLeft + kColumnPitch * column, row.top};
    }
  }
  return {-1, -1};
}

std::vector<int> EmojiNumbersOf(EmojiSet set) {
  std::vector<int> numbers;
  for (const Emoji& emoji : kCatalogue) {
    if (emoji.set == set) numbers.push_back(emoji.number);
  }
  return numbers;
}

}  // namespace quillmark
