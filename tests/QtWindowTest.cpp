#include <gtest/gtest.h>
TEST(QtPlaceholder, Builds) {}
