#include "support/TestMain.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return torval::test::runAllTests(argc, argv);
}
