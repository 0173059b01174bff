// Faults injected into every file access at start, in flight and at shutdown: the unit goes
// on with what it could read, a failed save says so, and no file on disk is lost or cut.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "fpl/fpl_hooks.h"
#include "fpl/route_files.h"
#include "frame/unit_record.h"
#include "tests/fpl/fpl_fixture.h"
#include "tests/support/faulty_files.h"
#include "tests/support/test_bench.h"

namespace {

const std::string kNavdata = "Halcyra Software/Tarnwick/navdata/";
const std::string kRecord = "Brindle/vgr27a.ini";
const std::string kRecordText = "TotalTime= 5.0\nPowerCycle=2\n";

void writeFiles(const TempFolder& root) {
    root.write(kNavdata + "ints.txt", "INT1 N 1 2\nINT2 N 3.25 4.5\n");
    root.write(kNavdata + "apts.txt", "KAAA A 0 1 2\n");
    root.write(kPlansFolder + "A-B.RTE", "[FlightPlan]\r\nA 1 2 APT\r\nB 3 4 APT\r\n");
    root.write(kPlansFolder + "C-D.RTE", "[FlightPlan]\r\nC 1 2 APT\r\nD 3.25 4.5 APT\r\n");
    root.write(kRecord, kRecordText);
}

// The names of every file below `folder`, relative to it.
std::set<std::string> filesBelow(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) names.insert(entry.path().lexically_relative(folder).string());
    }
    return names;
}

std::string listedPlans(const Unit& unit) {
    std::string names;
    for (int32_t number = 2; number < unit.fpl.blankPlanIndex; ++number) {
        names.append(names.empty() ? "" : " ").append(unit.fpl.store.plan(number)->name);
    }
    return names;
}

// A fault while the gauge starts: the unit loads what it could read whole, runs, and at
// shutdown never writes a unit record it could not read over the stored one.
TEST(FileFaults, ReadFaultsAtStartLoadWhatIsWholeAndLoseNothing) {
    struct Case {
        Fault fault;
        const char* where;
        size_t bytes;
        const char* loaded;  // "intersections airports | plans | unit record after shutdown"
    };
    const std::string written = "TotalTime=  5.0\nPowerCycle=3\n";
    const Case cases[] = {
        {Fault::OpenFails, "C-D.RTE", 0, "2 1 | A-B.RTE | written"},
        {Fault::ReadFailsPartWay, "C-D.RTE", 30, "2 1 | A-B.RTE | written"},
        {Fault::FolderGone, "FlightPlans", 0, "2 1 |  | written"},
        {Fault::OpenFails, "apts.txt", 0, "2 0 | A-B.RTE C-D.RTE | written"},
        // The error cuts the second line inside a number: only the first line is whole.
        {Fault::ReadFailsPartWay, "ints.txt", 24, "1 1 | A-B.RTE C-D.RTE | written"},
        {Fault::FolderGone, "navdata", 0, "0 0 | A-B.RTE C-D.RTE | written"},
        {Fault::OpenFails, "vgr27a.ini", 0, "2 1 | A-B.RTE C-D.RTE | kept"},
        {Fault::ReadFailsPartWay, "vgr27a.ini", 16, "2 1 | A-B.RTE C-D.RTE | kept"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        TestBench bench;
        writeFiles(bench.root());
        FaultyFiles files(c.fault, c.where, c.bytes);
        bench.unit().files = &files;
        bench.powerOnAndSkipSelfTest();
        bench.frames(3);
        bench.stop();
        const Unit& unit = bench.unit();
        const std::string record = bench.root().read(kRecord);
        const std::string loaded = std::to_string(unit.db.intersectionCount) + " " +
                                   std::to_string(unit.db.airportCount) + " | " +
                                   listedPlans(unit) + " | " +
                                   (record == kRecordText ? "kept" : record == written ? "written" : record);
        EXPECT_EQ(loaded, c.loaded);
        EXPECT_GT(files.faultsInjected(), 0);
    }
}

// A save that cannot be written whole, in any way, changes neither the store nor any file
// on disk and leaves no temporary file; the same save succeeds once the fault is gone.
TEST(FileFaults, WriteFaultsLeaveTheStoreAndEveryFileAsTheyWere) {
    struct Case {
        Fault fault;
        const char* where;  // "" hits every path: the whole root folder is gone
        size_t bytes;
    };
    const Case cases[] = {
        {Fault::OpenFails, ".tmp", 0}, {Fault::WriteFailsPartWay, ".tmp", 7},
        {Fault::DiskFull, ".tmp", 0},  {Fault::RenameFails, "", 0},
        {Fault::FolderGone, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.fault));
        TestBench bench;
        writeFiles(bench.root());
        bench.start();
        Unit& unit = bench.unit();
        setActiveRoute(unit, {"KSEA", "KPDX"});
        const int32_t blank = unit.fpl.blankPlanIndex;
        const std::set<std::string> before = filesBelow(bench.root().path());

        FaultyFiles files(c.fault, c.where, c.bytes);
        unit.files = &files;
        EXPECT_EQ(saveRouteFile(unit), SaveResult::NotWritten);
        EXPECT_FALSE(writeUnitRecord(unit));
        EXPECT_GT(files.faultsInjected(), 0);
        EXPECT_EQ(unit.fpl.blankPlanIndex, blank) << "no plan listed that is not on disk";
        EXPECT_EQ(filesBelow(bench.root().path()), before);
        EXPECT_EQ(bench.root().read(kRecord), kRecordText);

        unit.files = &systemFileAccess();
        EXPECT_EQ(saveRouteFile(unit), SaveResult::Saved);
        EXPECT_EQ(listedPlans(unit), "A-B.RTE C-D.RTE KSEA-KPDX.RTE");
    }
}

}  // namespace
