#include "testenv.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char **argv)
{
    drovik::test::isolateEnvironment();
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir(drovik::test::isolatedHome()).removeRecursively();
    return result;
}
