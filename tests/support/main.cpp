#include "platform/language.h"

#include <QApplication>
#include <QStringList>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

int saveTraineesUntilKilled(const QString& path);              // the crash test's child
int addTrainees(int count, const QString& location, int desk); // the concurrency test's
int runElsewhere(const QString& location, const QStringList& statements);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--save-until-killed") == 0)
        return saveTraineesUntilKilled(QString::fromLocal8Bit(argv[2]));
    if (argc == 5 && std::strcmp(argv[1], "--add-trainees") == 0)
        return addTrainees(std::atoi(argv[2]), QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]));
    if (argc >= 3 && std::strcmp(argv[1], "--run-elsewhere") == 0) {
        QStringList statements;
        for (int i = 3; i < argc; ++i)
            statements << QString::fromLocal8Bit(argv[i]);
        return runElsewhere(QString::fromLocal8Bit(argv[2]), statements);
    }
    // The server's run of the tests (see CMakeLists.txt) keeps every test's data there.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--engine=server") == 0)
            qputenv("KURSAN_TEST_ENGINE", "server");
    platform::useIndonesian();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
