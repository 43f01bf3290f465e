// The full-stop rule of the standard error box.
#include <gtest/gtest.h>

#include "platform/user_prompts.h"

namespace pw {
namespace {

TEST(StandardErrorText, AddsAFullStopOnlyAfterCharactersAboveIt) {
  EXPECT_EQ(StandardErrorText("Stream read error"), "Stream read error.");
  EXPECT_EQ(StandardErrorText("Done."), "Done.");
  EXPECT_EQ(StandardErrorText("Failed to set data for ''"), "Failed to set data for ''");
  EXPECT_EQ(StandardErrorText("ends in space "), "ends in space ");
  EXPECT_EQ(StandardErrorText("Готово"), "Готово.");
}

}  // namespace
}  // namespace pw
