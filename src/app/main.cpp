#include "app/KelvaroApp.h"

#ifdef KELVARO_TEST_HOOKS
#include "app/TestHooks.h"
#endif

int main(int argc, char** argv)
{
#ifdef KELVARO_TEST_HOOKS
    TestHooks::applyFromEnvironment();
#endif
    return KelvaroApp::main(argc, argv);
}
