#include "testenv.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    return drovik::test::runIsolated<QCoreApplication>(argc, argv);
}
