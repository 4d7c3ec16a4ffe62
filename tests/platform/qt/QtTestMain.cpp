// The Qt backend's tests need one application object for the whole run, made before any widget.
// --scale-factor=N runs them as on a screen of N device pixels per logical pixel.
#include <QApplication>

#include <gtest/gtest.h>

#include <string_view>

int main(int argc, char** argv) {
    // Even the test listing at build time makes the application: never look for a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    constexpr std::string_view scaleOption = "--scale-factor=";
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]).starts_with(scaleOption))
            qputenv("QT_SCALE_FACTOR", QByteArray(argv[i] + scaleOption.size()));
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
