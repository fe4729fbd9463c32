#pragma once
// A test on a reset table in English whose program folder is a new temporary folder,
// so nothing it writes (settings, club file) reaches a real one. Fixtures that set up
// more call ASSERT_NO_FATAL_FAILURE(ProgramFolderFixture::SetUp()) first and
// ProgramFolderFixture::TearDown() last.
#include "foundation/GameState.h"
#include "foundation/Texts.h"
#include "platform/ProgramFolder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace testsupport {

class ProgramFolderFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        platform::setProgramFolderForTest(dir.path());
        GameState::ResetGameState();
        Texts::LanguageIndex = 0;
    }
    void TearDown() override
    {
        Texts::LanguageIndex = 0;
        platform::setProgramFolderForTest({});
    }

    QTemporaryDir dir;
};

} // namespace testsupport
