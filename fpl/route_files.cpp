#include "fpl/route_files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/text.h"
#include "fpl/fpl_hooks.h"
#include "fpl/plan_store.h"
#include "fpl/pln_import.h"
#include "frame/paths.h"
#include "frame/unit.h"

namespace {

constexpr int kRouteFields = 7;
// Names of files found in the folder before they are sorted and read.
constexpr size_t kListedNameCapacity = 4096;
// One written waypoint line at most; longer lines (absurd numbers) are cut.
constexpr int kWrittenLineSize = kRouteLineBufferSize;
// Counters appended to a taken name run up to this; a save finding all taken is refused.
constexpr int kMaxNameCounter = 999;

struct ListedName {
    char text[kPlanNameSize];
};

bool flightPlanPath(const Unit& unit, const char* name, PathBuffer& path) {
    return buildPath(path, unit.rootFolder,
                     {kFlightPlansFolder[0], kFlightPlansFolder[1], kFlightPlansFolder[2], name});
}

bool isPlanFileName(std::string_view name) {
    return endsWithIgnoreCase(name, ".RTE") || endsWithIgnoreCase(name, ".PLN");
}

bool containsPlnMarker(std::string_view name) {
    for (size_t i = 0; i + 4 <= name.size(); ++i) {
        if (equalsIgnoreCase(name.substr(i, 4), ".PLN")) return true;
    }
    return false;
}

// The plan files of a folder listing, up to kListedNameCapacity of them.
struct PlanFileNames final : FolderVisitor {
    FixedTable<ListedName> names{kListedNameCapacity};
    size_t count = 0;

    void regularFile(std::string_view name) override {
        if (count >= kListedNameCapacity || !isPlanFileName(name) ||
            name.size() >= static_cast<size_t>(kPlanNameSize)) {
            return;
        }
        copyField(names[count].text, sizeof names[count].text, name);
        ++count;
    }
};

// Folder order as the Windows file system lists it: names compared without case.
bool listedBefore(const ListedName& a, const ListedName& b) {
    for (size_t i = 0;; ++i) {
        unsigned char ca = static_cast<unsigned char>(a.text[i]);
        unsigned char cb = static_cast<unsigned char>(b.text[i]);
        if (ca >= 'a' && ca <= 'z') ca = static_cast<unsigned char>(ca - 'a' + 'A');
        if (cb >= 'a' && cb <= 'z') cb = static_cast<unsigned char>(cb - 'a' + 'A');
        if (ca != cb) return ca < cb;
        if (ca == 0) return std::strcmp(a.text, b.text) < 0;
    }
}

void installSimulatorPlaceholder(FlightPlan& plan) {
    clearPlanSlot(plan);
    std::memset(&plan.waypoints[1], 0, sizeof plan.waypoints[1]);
    copyField(plan.firstIdent, "MSFS");
    copyField(plan.lastIdent, "PLNR");
    copyField(plan.waypoints[0].ident, "MSFS");
    copyField(plan.waypoints[1].ident, "PLNR");
    plan.lastIndex = 1;
}

// Copies the scratch into slot `number`; false when it holds fewer than two waypoints.
bool takeScratch(Unit& unit, int32_t number) {
    FplState& fpl = unit.fpl;
    FlightPlan* plan = fpl.store.plan(number);
    const int32_t last = fpl.scratch.lastIndex;
    if (plan == nullptr || last < 1 || last >= kPlanWaypointCount) return false;
    for (int32_t i = 0; i <= last; ++i) copyPlanWaypoint(plan->waypoints[i], fpl.scratch.waypoints[i]);
    copyField(plan->firstIdent, plan->waypoints[0].ident);
    copyField(plan->lastIdent, plan->waypoints[last].ident);
    plan->lastIndex = last;
    return true;
}

// Characters a file name cannot hold on the platforms the unit runs on.
char fileNameSafe(char c) {
    if (static_cast<unsigned char>(c) < 0x20 || std::strchr("\\/:*?\"<>|", c) != nullptr) return '_';
    return c;
}

bool nameTaken(Unit& unit, const char* candidate) {
    FplState& fpl = unit.fpl;
    const size_t length = std::strlen(candidate);
    for (int32_t slot = 1; slot < fpl.blankPlanIndex; ++slot) {
        const FlightPlan* plan = fpl.store.plan(slot);
        if (plan != nullptr && std::strncmp(plan->name, candidate, length) == 0) return true;
    }
    // A file that is on disk but not in the store (unreadable, or beyond the listed
    // count) is never replaced either.
    char fileName[kPlanNameSize + 8];
    std::snprintf(fileName, sizeof fileName, "%s.RTE", candidate);
    PathBuffer path;
    return flightPlanPath(unit, fileName, path) && unit.files->exists(path.text);
}

}  // namespace

bool parseRouteLine(std::string_view line, PlanWaypoint& waypoint) {
    std::string_view fields[kRouteFields];
    const int count = splitFields(line, fields, kRouteFields);
    if (count == 0) return false;
    std::memset(&waypoint, 0, sizeof waypoint);
    copyField(waypoint.ident, sizeof waypoint.ident, fields[0]);
    if (count > 1) waypoint.latitude = parseDoublePrefix(fields[1]);
    if (count > 2) waypoint.longitude = parseDoublePrefix(fields[2]);
    if (count > 3) copyField(waypoint.type, sizeof waypoint.type, fields[3]);
    if (count > 4 && !equalsIgnoreCase(fields[4], "---")) {
        copyField(waypoint.frequency, sizeof waypoint.frequency, fields[4]);
    }
    if (count > 5) copyField(waypoint.column6Text, sizeof waypoint.column6Text, fields[5]);
    if (count > 6) copyField(waypoint.column7Text, sizeof waypoint.column7Text, fields[6]);
    waypoint.reservedValue1 = -999.0;
    waypoint.reservedValue2 = -999.0;
    waypoint.reservedValue3 = -1.0;
    return true;
}

void loadRouteFile(Unit& unit, const char* name) {
    RouteScratch& scratch = unit.fpl.scratch;
    scratch.lastIndex = -1;
    if (containsPlnMarker(name)) {
        // A simulator plan is converted straight into the scratch.
        importPlanFile(unit, name);
        return;
    }
    PathBuffer path;
    if (!flightPlanPath(unit, name, path)) return;
    char buffer[4096];
    LineReader reader(path.text, kRouteReadLineMaxChars, buffer, *unit.files);
    std::string_view line;
    bool inSection = false;
    while (reader.next(line)) {
        if (scratch.lastIndex >= kPlanWaypointCount - 1) break;
        std::string_view first[1];
        const int count = splitFields(line, first, 1);
        if (count > 0 && first[0][0] == ';') continue;
        if (!inSection) {
            inSection = count > 0 && equalsIgnoreCase(first[0], "[FlightPlan]");
            continue;
        }
        // A line without a field inside the section is skipped.
        if (parseRouteLine(line, scratch.waypoints[scratch.lastIndex + 1])) scratch.lastIndex += 1;
    }
    // A file that could not be read to its end would list a plan cut short, as if whole.
    if (reader.readFailed()) scratch.lastIndex = -1;
}

void scanFlightPlanFolder(Unit& unit) {
    FplState& fpl = unit.fpl;
    fpl.blankPlanIndex = 1;
    if (FlightPlan* simulatorPlan = fpl.store.plan(1)) installSimulatorPlaceholder(*simulatorPlan);

    PathBuffer folder;
    if (buildPath(folder, unit.rootFolder,
                  {kFlightPlansFolder[0], kFlightPlansFolder[1], kFlightPlansFolder[2]})) {
        PlanFileNames names;
        // A folder that cannot be listed has no plans; what was listed before it failed is kept.
        unit.files->listRegularFiles(folder.text, names);
        const size_t count = names.count;
        std::sort(names.names.data(), names.names.data() + count, listedBefore);
        for (size_t i = 0; i < count && fpl.blankPlanIndex < kMaxListedPlanIndex; ++i) {
            const int32_t number = fpl.blankPlanIndex + 1;
            loadRouteFile(unit, names.names[i].text);
            if (!takeScratch(unit, number)) continue;
            copyField(fpl.store.plan(number)->name, kPlanNameSize, names.names[i].text);
            fpl.blankPlanIndex = number;
        }
    }
    fpl.blankPlanIndex += 1;
    if (FlightPlan* blank = fpl.store.plan(fpl.blankPlanIndex)) clearPlanSlot(*blank);
}

bool routeFileStem(Unit& unit, char* out, int size) {
    FplState& fpl = unit.fpl;
    char candidate[kPlanNameSize - 4];
    const int32_t last = fpl.activeLastIndex < 0 ? 0 : fpl.activeLastIndex;
    // Long identifiers are cut so that a counter of up to three digits still fits.
    const int length = std::snprintf(candidate, sizeof candidate - 3, "%s-%s",
                                      fpl.activeRoute.waypoints[0].ident,
                                      fpl.activeRoute.waypoints[last].ident);
    if (length < 0) candidate[0] = '\0';
    for (char* c = candidate; *c != '\0'; ++c) *c = fileNameSafe(*c);

    // Each taken name adds a two-digit counter (replacing the previous one), and the
    // search starts again.
    const size_t baseLength = std::strlen(candidate);
    for (int counter = 1; nameTaken(unit, candidate); ++counter) {
        if (counter > kMaxNameCounter) return false;  // every name is taken
        std::snprintf(candidate + baseLength, sizeof candidate - baseLength, "%02d", counter);
    }
    copyField(out, static_cast<size_t>(size), candidate);
    return true;
}

SaveResult saveRouteFile(Unit& unit) {
    FplState& fpl = unit.fpl;
    if (fpl.blankPlanIndex < 1 || fpl.blankPlanIndex >= kPlanStoreSlots - 1) {
        return SaveResult::StoreFull;
    }
    FlightPlan* slot = fpl.store.plan(fpl.blankPlanIndex);
    FlightPlan* nextBlank = fpl.store.plan(fpl.blankPlanIndex + 1);
    if (slot == nullptr || nextBlank == nullptr) return SaveResult::StoreFull;
    char stem[kPlanNameSize - 4];
    if (!routeFileStem(unit, stem, sizeof stem)) return SaveResult::NotWritten;
    char fileName[kPlanNameSize];
    std::snprintf(fileName, sizeof fileName, "%s.RTE", stem);

    // The file is written first: a plan joins the store only once it is on disk, so the
    // store never lists a plan that the next start would not find.
    int32_t last = fpl.activeLastIndex;
    if (last < -1) last = -1;
    if (last >= kPlanWaypointCount) last = kPlanWaypointCount - 1;
    FixedTable<char>& bytes = fpl.scratch.fileBytes;
    int size = std::snprintf(bytes.data(), kRouteFileBufferSize, "[FlightPlan]\r\n");
    for (int32_t i = 0; i <= last; ++i) {
        const PlanWaypoint& w = fpl.activeRoute.waypoints[i];
        char line[kWrittenLineSize];
        int n = std::snprintf(line, sizeof line, "%-14s %2.5f %3.5f  %3s %-6s", w.ident,
                              w.latitude, w.longitude, w.type, w.frequency);
        if (n < 0) n = 0;
        if (n > kWrittenLineSize - 3) n = kWrittenLineSize - 3;
        std::memcpy(bytes.data() + size, line, static_cast<size_t>(n));
        size += n;
        bytes[size++] = '\r';
        bytes[size++] = '\n';
    }
    PathBuffer path;
    if (!flightPlanPath(unit, fileName, path) || !replaceFileContents(*unit.files, path.text, bytes.data(), size)) {
        return SaveResult::NotWritten;
    }

    fpl.selectedPlan = fpl.blankPlanIndex;
    storeActiveRoute(unit);
    FlightPlan& plan = *slot;
    copyField(plan.name, fileName);
    copyField(plan.firstIdent, plan.waypoints[0].ident);
    copyField(plan.lastIdent, plan.waypoints[plan.lastIndex < 0 ? 0 : plan.lastIndex].ident);
    fpl.blankPlanIndex += 1;
    clearPlanSlot(*nextBlank);
    return SaveResult::Saved;
}
