// The unit record Brindle/vgr27a.ini: what a read makes of damaged files, the written
// form, and writes that must fail without harming the old record. Reading back what was
// written is the unit_record scenario.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "frame/unit.h"
#include "frame/unit_record.h"
#include "support/test_bench.h"

namespace fs = std::filesystem;

namespace {

const std::string kRecord = "Brindle/vgr27a.ini";

class UnitRecordTest : public ::testing::Test {
protected:
    void SetUp() override { root_.makeFolder("Brindle"); }

    // A fresh unit whose root folder is the test's folder.
    std::unique_ptr<Unit> freshUnit() const {
        auto unit = std::make_unique<Unit>();
        std::snprintf(unit->rootFolder, sizeof unit->rootFolder, "%s", root_.path().c_str());
        return unit;
    }
    void writeRecord(const std::string& text) const { root_.write(kRecord, text); }
    std::string readRecord() const { return root_.read(kRecord); }

    TempFolder root_;
    std::unique_ptr<Unit> unit_ = freshUnit();
};

TEST_F(UnitRecordTest, ReadsStoredTimeAndCountsThisLoadAsACycle) {
    struct Case {
        const char* file;  // null: no file at all
        double hours;
        int cycles;
    };
    const std::string overlong = "TotalTime=4.0\n" + std::string(700, 'x') + "\nPowerCycle=3\n";
    const Case cases[] = {
        {"TotalTime= 12.5\nPowerCycle=7\n", 12.5, 8},
        {"TotalTime=12.5\r\nPowerCycle=7\r\n", 12.5, 8},
        {"; written by hand\nTotalTime=3.0\nPowerCycle=2\n", 3.0, 3},
        // Each line that is not a comment counts, so a line after the count adds one.
        {"TotalTime=1.0\nPowerCycle=4\nExtra=1\n", 1.0, 6},
        {"totaltime=2.5\npowercycle=9\n", 2.5, 10},
        {"TotalTime=abc\nPowerCycle=x\n", 0.0, 1},
        // A time no unit can have counted reads as none, so counting starts again.
        {"TotalTime=1e200\nPowerCycle=2\n", 0.0, 3},
        {"TotalTime=nan\nPowerCycle=2\n", 0.0, 3},
        {"TotalTime=inf\nPowerCycle=2\n", 0.0, 3},
        {"TotalTime=-5\nPowerCycle=2\n", 0.0, 3},
        {"TotalTime=1000001\nPowerCycle=2\n", 0.0, 3},
        {"TotalTime=999999.5\nPowerCycle=2\n", 999999.5, 3},
        {"", 0.0, 1},
        {nullptr, 0.0, 1},
        // The tail of an overlong line is dropped, not counted as a line of its own.
        {overlong.c_str(), 4.0, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "(no file)");
        unit_ = freshUnit();
        fs::remove(root_.path() / kRecord);
        if (c.file) writeRecord(c.file);
        readUnitRecord(*unit_);
        EXPECT_DOUBLE_EQ(unit_->record.totalTimeHours, c.hours);
        EXPECT_EQ(unit_->record.powerCycles, c.cycles);
    }
}

TEST_F(UnitRecordTest, WritesTimeFiveWideAndTheCount) {
    EXPECT_TRUE(writeUnitRecord(*unit_));
    EXPECT_EQ(readRecord(), "TotalTime=  0.0\nPowerCycle=1\n");

    unit_->record.totalTimeHours = 12.5;
    unit_->record.secondsCounter = 1800;
    unit_->record.powerCycles = 8;
    EXPECT_TRUE(writeUnitRecord(*unit_));
    EXPECT_EQ(readRecord(), "TotalTime= 13.0\nPowerCycle=8\n");

    // A damaged time is replaced by the time of this load, not carried into the file.
    writeRecord("TotalTime=1e200\nPowerCycle=4\n");
    auto damaged = freshUnit();
    readUnitRecord(*damaged);
    damaged->record.secondsCounter = 360;
    EXPECT_TRUE(writeUnitRecord(*damaged));
    EXPECT_EQ(readRecord(), "TotalTime=  0.1\nPowerCycle=5\n");
}

TEST_F(UnitRecordTest, MissingFolderWritesNothingAndLeavesNoTemporary) {
    fs::remove_all(root_.path() / "Brindle");
    EXPECT_FALSE(writeUnitRecord(*unit_));
    EXPECT_FALSE(root_.exists("Brindle"));
}

TEST_F(UnitRecordTest, FailedWriteKeepsTheOldRecord) {
    writeRecord("TotalTime= 5.0\nPowerCycle=2\n");
    // A directory where the temporary file would go makes the write fail.
    root_.makeFolder(kRecord + ".tmp");
    EXPECT_FALSE(writeUnitRecord(*unit_));
    EXPECT_EQ(readRecord(), "TotalTime= 5.0\nPowerCycle=2\n");
}

}  // namespace
