// Runs the database tests in an offscreen application; the PostgreSQL
// server the tests start is stopped, and its folder removed, at the end.
#include <gtest/gtest.h>

#include <QApplication>

#include "db/DbTestSupport.h"

namespace {

class TPostgresEnvironment : public ::testing::Environment {
 public:
  void TearDown() override { tessel::testing::TPostgresServer::Stop(); }
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new TPostgresEnvironment);
  return RUN_ALL_TESTS();
}
