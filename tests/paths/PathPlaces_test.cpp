#include "paths/PathPlaces.h"

#include <gtest/gtest.h>

namespace ordovan {
namespace {

TEST(PathPlaces, LiesBelowOnlyStrictlyInsideTheFolderAndNeverThroughDots) {
  EXPECT_TRUE(LiesBelow("f:\\New Clients\\2016", "f:\\New Clients"));
  EXPECT_TRUE(LiesBelow("F:\\New Clients\\2016\\x", "f:\\New Clients\\"));
  EXPECT_TRUE(LiesBelow("\\\\srv\\share\\New\\2016", "\\\\srv\\share\\New"));
  EXPECT_FALSE(LiesBelow("f:\\New Clients", "f:\\New Clients"));
  EXPECT_FALSE(LiesBelow("f:\\New Clients\\", "f:\\New Clients"));
  EXPECT_FALSE(LiesBelow("f:\\New Clients\\..\\x", "f:\\New Clients"));
  EXPECT_FALSE(LiesBelow("f:\\New Clients\\ . ", "f:\\New Clients"));
  EXPECT_FALSE(LiesBelow("f:\\New Clients\\2016\\..", "f:\\New Clients"));
  EXPECT_FALSE(LiesBelow("f:\\New Clients\\a:b", "f:\\New Clients"));
  EXPECT_TRUE(LiesBelow("f:\\New Clients\\\\2016/x", "f:\\New Clients"));
  EXPECT_FALSE(LiesBelow("f:\\New Clientsx\\2016", "f:\\New Clients"));
  EXPECT_FALSE(LiesBelow("g:\\New Clients\\2016", "f:\\New Clients"));
  // A network destination's folders without their leading `\\` are elsewhere.
  EXPECT_FALSE(LiesBelow("\\srv\\share\\New\\2016", "\\\\srv\\share\\New"));
  EXPECT_FALSE(LiesBelow("f:\\a", ""));
}

TEST(PathPlaces, ParentFolderOfEndsEveryUpwardWalk) {
  EXPECT_EQ(ParentFolderOf("f:\\a\\b"), "f:\\a");
  EXPECT_EQ(ParentFolderOf("f:\\a"), "f:");
  // A text without a backslash gives itself back, so a walk up stops there.
  EXPECT_EQ(ParentFolderOf("f:"), "f:");
  EXPECT_EQ(ParentFolderOf("name"), "name");
}

}  // namespace
}  // namespace ordovan
