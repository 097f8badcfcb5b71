#pragma once
// Base of the test suites that open the program's forms: the control ids,
// the forms and the Qt implementors are registered once per suite, and the
// form files are found in the build tree.

#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <gtest/gtest.h>

class FormTestSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        registerControlIds();
        registerForms();
        WIN_IMPLEMENTORFACTORY::installDefault();
        WIN_FILEPATH::setProgramFolder(WIN_FILEPATH::fromFsPath(SKAT_BINARY_DIR "/skat/windows"));
    }
    static void TearDownTestSuite() { WIN_FILEPATH::setProgramFolder(L""); }
};
