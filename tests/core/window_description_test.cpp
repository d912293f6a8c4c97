#include "window/window_description.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

TEST(WindowDescriptionCheck, TheBuiltInDescriptionIsValid) {
  const WindowDescription description = MainWindowDescription();
  EXPECT_EQ(description.size(), 133u);
  EXPECT_EQ(FindDescriptionFault(description), std::nullopt);
}

TEST(WindowDescriptionCheck, FaultsAreFound) {
  const auto faultAfter = [](auto change) {
    WindowDescription description = MainWindowDescription();
    change(description);
    return FindDescriptionFault(description).value_or("no fault");
  };
  EXPECT_NE(faultAfter([](auto& d) { d[7].id = d[6].id; }).find("duplicate element id"),
            std::string::npos);
  EXPECT_NE(faultAfter([](auto& d) { d[20].name = d[21].name; }).find("duplicate name"),
            std::string::npos);
  EXPECT_NE(faultAfter([](auto& d) { d[8].parent = 77; }).find("no parent"), std::string::npos);
  EXPECT_NE(faultAfter([](auto& d) { d[12].width = 200; }).find("outside its parent"),
            std::string::npos)
      << "a group-box control wider than the group box";
  EXPECT_NE(faultAfter([](auto& d) { d[1].height = 600; }).find("outside its parent"),
            std::string::npos);
  EXPECT_NE(faultAfter([](auto& d) { d[20].left += 10; }).find("overlaps"), std::string::npos);
  EXPECT_NE(faultAfter([](auto& d) { d[1].top = 215; }).find("overlaps"), std::string::npos)
      << "the editor reaching into the palette";
  EXPECT_EQ(faultAfter([](auto& d) { d.clear(); }),
            "the description does not begin with the window");
}

}  // namespace
}  // namespace quillmark
