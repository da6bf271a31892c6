#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "settings_fuzz_core.h"

TEST(SettingsFuzz, DamagedFilesLoadOrFallBackWithOneMessage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Settings_Fuzz_Outcome outcome = Run_Settings_Fuzz(dir.path(), 3000, 20240611);
    for (const std::string& fault : outcome.faults)
        ADD_FAILURE() << fault;
    EXPECT_EQ(outcome.loaded + outcome.broken, 3000);
    // Both roads must really be taken, or the damage is too mild or too wild to tell anything.
    EXPECT_GT(outcome.loaded, 300);
    EXPECT_GT(outcome.broken, 300);
}
