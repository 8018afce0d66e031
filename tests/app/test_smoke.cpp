#include "app/TFMain.h"
#include "link/LinkFactory.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(MainWindow, OpensWithItsCaption)
{
    QTemporaryDir dir;
    TFMain window(trv630::createSimulatedLink(), {dir.path()});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("TRV630-PC [STANDARD] - 1.13"));
}
