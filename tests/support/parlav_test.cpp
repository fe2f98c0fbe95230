// Machine work data: the defaults every start begins with and the file name under the program folder.
#include "support/parlav.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/temp_prog_dir.h"
#include "support/progdir.h"

TEST(ParLav, StartsWithTheStandardMachineConfiguration)
{
    TempProgDir dir;
    ParLav data;
    data.Load();
    EXPECT_EQ(data.fileName, ProgDir + "/data/DatiLavoro.dat");
    EXPECT_DOUBLE_EQ(data.minJoinDistance, 0.5);
    EXPECT_TRUE(data.osnapEnabled);
    EXPECT_DOUBLE_EQ(data.osnapRadius, 25.0);
    EXPECT_TRUE(data.gridSnapEnabled);
}

TEST(ParLav, ChangesAreNotStoredAcrossInstances)
{
    TempProgDir dir;
    {
        ParLav data;
        data.minJoinDistance = 2.0;
        data.osnapEnabled = false;
        EXPECT_TRUE(data.Save());
    }
    ParLav restarted;
    restarted.Load();
    EXPECT_DOUBLE_EQ(restarted.minJoinDistance, 0.5);
    EXPECT_TRUE(restarted.osnapEnabled);
    EXPECT_FALSE(std::filesystem::exists(restarted.fileName));
}
