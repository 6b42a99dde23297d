// The test runner of the tests built with doctest, shared by all of them.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>
