// The APT pages driven through the knobs: page steps, the runway pairs of APT 3 and its
// diagram, the frequencies of APT 4 and the nearest airports. APT 1's wrapped name and
// position rows are in the fpl_editing and plan_building scenarios' dumps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "frame/page_state.h"
#include "tests/support/test_bench.h"

namespace {

const std::string kNavdata = "Halcyra Software/Tarnwick/navdata/";

// EGLL lists both ends; KMIX lists both ends of four runways interleaved; KONE one end of
// one runway. KMIX has only a centre frequency, KONE an ILS.
const char* const kAirports =
    "EGLL LONDON_HEATHROW 83 51.4775 -0.4614 09L_12802_51.4775_-0.4850_90 "
    "27R_12802_51.4775_-0.4333_270\n"
    "KMIX NEW_YORK_KENNEDY 100 47.0 8.0 16L_10000_47.02_8.00_160 34R_10000_46.99_8.01_340 "
    "16C_9000_47.02_8.01_160 34C_9000_46.99_8.02_340 16R_8000_47.02_8.02_160 "
    "34L_8000_46.99_8.03_340 09_5000_47.00_7.99_90 27_5000_47.00_8.05_270\n"
    "KONE ONE_RUNWAY 50 40.0 -75.0 04_6000_40.0_-75.0_40\n";

const char* const kAirportInfo =
    "[KMIX]\n"
    "ctr=118.70\n"
    "\n"
    "[KONE]\n"
    "ils=1\n"
    "atis=127.25\n"
    "twr=119.10\n"
    "\n";

class AptPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        bench.root().write(kNavdata + "apts.txt", kAirports);
        bench.root().write(kNavdata + "apt_info.txt", kAirportInfo);
        bench.setPosition(51.0, -1.0);
        bench.powerOnAndSkipSelfTest();
        bench.unit().page.rightPageGroup = PG_APT;
    }

    void showAirport(int32_t index) {
        bench.unit().db.currentAirport = index;
        bench.frame();
    }
    std::string row(int k) const { return bench.row(Side::Right, k); }
    // Rows `first` to `last` joined by "|".
    std::string rows(int first, int last) const { return bench.rows(Side::Right, first, last); }
    std::string label() const { return bench.row(Side::Right, kStatusRow); }

    TestBench bench;
};

// The arrow before the identifier marks the airport the active route is flying to.
TEST_F(AptPageTest, Apt1MarksTheActiveWaypoint) {
    auto arrows = [this] {
        const auto& items = bench.canvas().items();
        return std::count_if(items.begin(), items.end(),
                             [](const DrawItem& item) { return item.kind == DrawKind::FillPolygon; });
    };
    std::strcpy(bench.unit().fpl.activeRoute.waypoints[1].ident, "KMIX");
    bench.unit().fpl.activeLastIndex = 1;
    bench.unit().nav.leg.activeToIndex = 1;
    showAirport(1);
    EXPECT_EQ(arrows(), 0);
    showAirport(2);
    EXPECT_EQ(arrows(), 1) << bench.dump();
    bench.unit().nav.leg.activeToIndex = kNoActiveRoute;  // no route flown
    bench.frame();
    EXPECT_EQ(arrows(), 0);
}

TEST_F(AptPageTest, Apt4ListsTheFrequenciesInOrderAndDashesTheRest) {
    showAirport(2);
    bench.press("ri-");
    EXPECT_EQ(label(), "APT 4") << "down from APT 1 wraps to APT 4";
    const std::string none = "|---- ---.--";
    // The centre frequency is labelled TWR.
    EXPECT_EQ(rows(1, 5), " TWR 118.70" + none + none + none + none);
    showAirport(3);
    EXPECT_EQ(rows(1, 5), "ATIS 127.25| TWR 119.10" + none + none + none);
    showAirport(1);  // no section at all
    EXPECT_EQ(rows(1, 5), none.substr(1) + none + none + none + none);

    bench.press("ri+");
    EXPECT_EQ(label(), "APT 1") << "up from APT 4 wraps to APT 1";
}

// The facility mark comes from the information file; it shows on APT 2 even before the
// frequencies page was ever opened for the airport.
TEST_F(AptPageTest, Apt2ShowsTheIlsMarkOnTheFirstVisit) {
    showAirport(3);
    bench.press("ri+");
    EXPECT_EQ(label(), "APT 2");
    EXPECT_EQ(row(2), "ELV    50FT");
    EXPECT_EQ(row(4), "ILS        ");
    showAirport(2);
    EXPECT_EQ(row(4), "           ");
}

// A file that lists both ends of every runway: the list steps through the pairs (each
// low end with its reciprocal), two at a time, and reaches the last pair. Up from the
// last view leaves for APT 4; coming back enters at the diagram.
TEST_F(AptPageTest, Apt3ListsRunwayPairsAndStepsTheOffsets) {
    showAirport(2);
    const struct {
        const char* key;
        int presses;
        int32_t offset;    // -1 on the other pages
        const char* rows;  // rows 2 to 5; "" for the diagram, which has no list rows
        const char* label;
    } steps[] = {
        {"ri+", 2, 0, "", "APT+3"},
        {"ri+", 1, 1, "16L /34R|10000'|16C /34C|9000'", "APT+3"},
        {"ri+", 1, 3, "16R /34L|8000'|09 /27|5000'", "APT 3"},
        {"ri-", 1, 2, "16C /34C|9000'|16R /34L|8000'", "APT+3"},
        {"ri-", 2, 0, "", "APT+3"},
        {"ri-", 1, -1, nullptr, "APT 2"},
        {"ri+", 4, -1, nullptr, "APT 4"},
        {"ri-", 1, 0, "", "APT+3"},
    };
    for (const auto& step : steps) {
        bench.press(step.key, step.presses);
        SCOPED_TRACE(std::string(step.key) + " to " + step.label);
        EXPECT_EQ(label(), step.label);
        if (step.offset < 0) continue;
        EXPECT_EQ(bench.unit().pages.apt.runwayListOffset, step.offset);
        EXPECT_EQ(*step.rows == '\0' ? row(2) : rows(2, 5), step.rows);
    }
}

TEST_F(AptPageTest, SingleRunwayGetsItsListViewAndDiagram) {
    showAirport(3);
    bench.press("ri+", 2);
    EXPECT_EQ(label(), "APT+3");

    // One line through the page centre, its length the runway at the diagram's scale,
    // with its designation at its threshold and none at its far end.
    const RecordingCanvas& canvas = bench.canvas();
    int lines = 0;
    for (const DrawItem& item : canvas.items()) {
        // Only lines inside the right page: the dividers lie on its edges.
        const bool inPage = item.x > 186.0f && item.x2 > 186.0f && item.y < 150.0f &&
                            item.y2 < 150.0f;
        if (item.kind != DrawKind::Line || !inPage) continue;
        ++lines;
        const double lengthNm = 6000.0 / 6076.0;
        EXPECT_NEAR(std::hypot(item.x2 - item.x, item.y2 - item.y),
                    176.0 * lengthNm / (lengthNm + 0.175), 0.5);
        EXPECT_NEAR((item.x + item.x2) / 2.0, 184.0 + 92.0, 0.5);
        EXPECT_NEAR((item.y + item.y2) / 2.0, 72.0, 0.5);
        EXPECT_LT(item.y2, item.y) << "runway 04 runs north-east from its threshold";
        EXPECT_EQ(bench.textAt(item.x, item.y), "04");
        EXPECT_EQ(bench.textAt(item.x2, item.y2), "");
    }
    EXPECT_EQ(lines, 1) << bench.dump();

    bench.press("ri+");
    EXPECT_EQ(rows(2, 4), "04 /22|6000'|");
    EXPECT_EQ(label(), "APT 3");
}

// With the inner knob pulled out the knob steps airports: below airport 1 lie the nearest
// airports, entered at the farthest one listed.
TEST_F(AptPageTest, PulledKnobStepsIntoTheNearestAirports) {
    bench.setPosition(47.1, 8.0);
    bench.press("push");
    ASSERT_EQ(bench.unit().page.rightInnerKnobState, 0);
    showAirport(1);

    bench.press("ri-");  // EGLL is not within 180 NM: only KMIX is listed
    EXPECT_EQ(bench.unit().db.currentAirport, 2);
    EXPECT_EQ(bench.rowItems(Side::Right, 0).size(), 2u);
    EXPECT_EQ(row(0), " KMIXNR 1");
    EXPECT_EQ(rows(3, 6), "  10000'---|     180TO|      6.0NM|APT 1");

    bench.press("ri+");  // past the last listed place: back to airport 1
    EXPECT_EQ(bench.unit().db.currentAirport, 1);
    EXPECT_EQ(bench.unit().pages.apt.aptNearestMode, 0);
    bench.press("ri+", 3);
    EXPECT_EQ(bench.unit().db.currentAirport, 3) << "stops at the last airport";
}

// The cursor turned on at nearest airport 1 starts no entry: the page keeps showing the
// nearest airport as the aircraft moves, and the knobs change nothing meanwhile.
TEST_F(AptPageTest, CursorOnNearestAirportOneFollowsTheAircraft) {
    bench.setPosition(47.1, 8.0);
    bench.press("push");
    showAirport(1);
    bench.press("ri-");
    bench.press("push");
    ASSERT_EQ(bench.unit().page.rightInnerKnobState, 1);
    bench.press("rcrsr");
    EXPECT_EQ(label(), "CRSR");
    EXPECT_EQ(row(0), " KMIXNR 1") << "no entry character under a cursor";
    bench.press("ri+");
    bench.press("ro+");
    EXPECT_EQ(bench.unit().db.currentAirport, 2);

    bench.setPosition(51.45, -0.45);
    bench.frame();
    EXPECT_EQ(row(0), " EGLLNR 1");
    bench.press("rcrsr");
    EXPECT_EQ(label(), "APT 1");
}

TEST_F(AptPageTest, CursorStartsIdentifierEntryWithTheCharacterInverse) {
    showAirport(2);
    bench.press("rcrsr");
    EXPECT_EQ(bench.unit().page.rightCursorOn, 1);
    EXPECT_EQ(bench.unit().db.currentAirport, 1) << "entry starts at the first airport";
    const DrawItem* cursor = bench.itemAt(184.0f + 5.0f + 16.0f, 0.0f);
    ASSERT_NE(cursor, nullptr) << bench.dump();
    EXPECT_STREQ(cursor->text, "E");
    EXPECT_EQ(cursor->argb, 0xFF000000u) << "inverse: black on green";
    EXPECT_EQ(label(), "CRSR");

    bench.press("ri+");
    EXPECT_EQ(bench.unit().db.currentAirport, 2);
    bench.press("rcrsr");
    EXPECT_EQ(bench.unit().page.rightCursorOn, 0);
    EXPECT_EQ(row(0), " KMIX");
}

// The diagram draws every runway of the file, from its threshold to its far end, with
// its own designation at the threshold: a runway listed by one end only, whatever its
// number, and ends that are not each other's reciprocal draw as they are listed.
TEST(AptDiagram, DrawsEveryListedRunwayWithItsOwnDesignation) {
    struct Case {
        const char* runways;
        const char* labels;  // every designation the diagram writes, in drawing order
    };
    for (const Case& c : {Case{"27_5000_40.0_-79.99_270", "27"},
                          Case{"14_6000_41.0_-80.0_140 35_5000_40.99_-80.01_350", "14 35"},
                          Case{"09_5000_42.0_-80.01_90 27_5000_42.0_-79.99_270", "09 27"}}) {
        SCOPED_TRACE(c.runways);
        TestBench bench;
        bench.root().write(kNavdata + "apts.txt", std::string("KDIA DIAGRAM 10 40.0 -80.0 ") +
                                                      c.runways + "\n");
        bench.powerOnAndSkipSelfTest();
        bench.unit().page.rightPageGroup = PG_APT;
        bench.press("ri+");
        bench.press("ri+");  // APT 3, the diagram
        std::string labels;
        int lines = 0;
        for (const DrawItem& item : bench.canvas().items()) {
            const bool inPage = item.x > 186.0f && item.y < 150.0f;
            if (item.kind == DrawKind::Text && inPage && item.fontSizePx < 20.0f) {
                labels.append(labels.empty() ? "" : " ").append(item.text);
            }
            if (item.kind != DrawKind::Line || !inPage || item.x2 <= 186.0f) continue;
            ++lines;
            EXPECT_NE(bench.textAt(item.x, item.y), "") << "a designation at the threshold";
        }
        EXPECT_EQ(labels, c.labels) << bench.dump();
        EXPECT_EQ(lines, static_cast<int>((std::strlen(c.labels) + 1) / 3));
    }
}

}  // namespace
