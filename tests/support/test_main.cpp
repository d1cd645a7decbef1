// Every test program starts here: no dialog of the program may wait for a person.
#include <gtest/gtest.h>

#include "harness.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    UseScriptedDialogs();
    // The tool's console windows are the tests' own console.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    return RUN_ALL_TESTS();
}
