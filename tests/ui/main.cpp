#include <QApplication>
#include <gtest/gtest.h>

#include "ui/anwendung.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Recovery copies of the windows under test stay out of the user's own
    // state folder.
    if (qEnvironmentVariableIsEmpty("XDG_STATE_HOME"))
        qputenv("XDG_STATE_HOME", "/tmp/orbela-test-zustand");
    QApplication app(argc, argv);
    orbela::richte_anwendung_ein(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
