#include <gtest/gtest.h>

#include <QApplication>

#include "qt/app/Toolkit.h"

// One application for every test, styled as the program is; a listing of the tests needs no
// display.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  QApplication application(argc, argv);
  ttt::styleApplication(application);
  return RUN_ALL_TESTS();
}
