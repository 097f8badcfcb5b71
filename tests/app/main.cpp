// The application shell's tests find the program's generated data where the
// build puts it: "Ressourcen" beside the Skat program. Messages are recorded,
// never shown.

#include "tests/support/RecordingMessageSink.h"
#include "vordix/MessageSink.h"
#include "vordix/WinFilePath.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    WIN_FILEPATH::setProgramFolder(WIN_FILEPATH::fromFsPath(SKAT_BINARY_DIR "/skat/windows"));
    vordix::setMessageSink(std::make_shared<testsupport::RecordingMessageSink>());
    return RUN_ALL_TESTS();
}
