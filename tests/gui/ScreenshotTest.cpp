// Screenshots of the window for people to look at (run under a virtual X
// server by CTest): at start-up and with EAN-13 selected. Every visible
// control lies inside the window.
#include <QDir>
#include <QScreen>
#include <QTest>

#include "gui/WindowTestSupport.h"

using namespace tessel::testing;

namespace {

void ExpectControlsInside(const QWidget& window) {
  const QRect inside = window.rect();
  for (const QWidget* child : window.findChildren<QWidget*>()) {
    if (!child->isVisible() || child->isWindow()) continue;
    const QRect box(child->mapTo(&window, QPoint(0, 0)), child->size());
    EXPECT_TRUE(inside.contains(box)) << child->metaObject()->className() << " at " << box.x() << "," << box.y() << " "
                                      << box.width() << "x" << box.height();
  }
}

}  // namespace

TEST_F(WindowTest, ControlsLieInsideTheWindow) { ExpectControlsInside(*window); }

TEST_F(WindowTest, WindowScreenshotsAtStartAndWithEan13) {
  if (QGuiApplication::platformName() == "offscreen") GTEST_SKIP() << "screenshots are taken on an X server";
  const QString folder = QString(TESSEL_BUILD_DIR) + "/screenshots";
  ASSERT_TRUE(QDir().mkpath(folder));
  QTest::qWait(200);
  EXPECT_TRUE(window->grab().save(folder + "/stripemaker-start.png"));
  Select("EAN-13");
  QTest::qWait(100);
  EXPECT_TRUE(window->grab().save(folder + "/stripemaker-ean13.png"));
  ExpectControlsInside(*window);
}
