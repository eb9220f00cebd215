#include "app/KelvaroApp.h"

#ifdef KELVARO_TEST_HOOKS
#include "app/TestHooks.h"
#endif

int main(int argc, char** argv)
{
#ifdef KELVARO_TEST_HOOKS
    TestHooks::applyFromEnvironment();
    return KelvaroApp::main(argc, argv, &TestHooks::adjustPlatform);
#else
    return KelvaroApp::main(argc, argv);
#endif
}
