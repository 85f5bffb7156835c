#include "platform/language.h"

#include <QApplication>
#include <cstring>
#include <gtest/gtest.h>

int saveTraineesUntilKilled(const QString& path); // the crash test's child

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--save-until-killed") == 0)
        return saveTraineesUntilKilled(QString::fromLocal8Bit(argv[2]));
    platform::useIndonesian();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
