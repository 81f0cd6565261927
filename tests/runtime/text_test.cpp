#include "runtime/text.h"

#include <gtest/gtest.h>

#include <string>

namespace runtime {
namespace {

TEST(Text, EveryWayOfGrowingCutsAt255Characters) {
  const std::string long_string(300, 'a');
  EXPECT_EQ(255u, Text(long_string).length());
  EXPECT_EQ(255u, Text(long_string.c_str()).length());
  EXPECT_EQ(255u, Text(400, 'b').length());

  Text concatenated(std::string(250, 'x'));
  concatenated += "0123456789";
  EXPECT_EQ(std::string(250, 'x') + "01234", concatenated.str());
  EXPECT_EQ(255u, (Text(std::string(200, 'y')) + Text(std::string(100, 'z'))).length());

  Text inserted(std::string(254, 'c'));
  inserted.Insert(0, "AB");
  EXPECT_EQ(255u, inserted.length());
  EXPECT_EQ("ABc", inserted.str().substr(0, 3));
  EXPECT_EQ('c', inserted.back());
}

TEST(Text, EditsOutsideTheTextChangeNothing) {
  Text t("abc");
  t.Erase(5, 1);
  t.Insert(10, "d");
  EXPECT_EQ(Text("abcd"), t);
  EXPECT_EQ(Text(), t.Substr(9));
  EXPECT_EQ(Text("bc"), t.Substr(1, 2));
}

}  // namespace
}  // namespace runtime
