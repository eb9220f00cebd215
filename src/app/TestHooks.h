#pragma once
// The test build's start-up (the executable kelvaro-test, built only with the
// CMake option KELVARO_TEST_HOOKS): values from KELVARO_TEST_* variables put in
// place of the ones compiled in, so that end-to-end tests can control what the
// program they drive cannot otherwise be told. The program users run
// (kelvaro) is built without this file and reads none of these variables.

class Platform;

namespace TestHooks {
// Applies every KELVARO_TEST_* variable that is set; called before the
// application starts.
void applyFromEnvironment();
// Provides the ports those variables ask for (a PAM folder), before the
// Linux backends fill the rest.
void adjustPlatform(Platform& platform);
}
