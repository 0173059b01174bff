// Names, identifiers and runway designations as the unit's files carry them.
#include <gtest/gtest.h>

#include "apps/navdata/apt_dat.h"
#include "apps/navdata/magvar.h"
#include "apps/navdata/text.h"

namespace {

using navdata::NameEncoding;

TEST(NavdataText, NamesFoldIntoTheUnitsCharacterSet) {
    const struct {
        const char* raw;
        size_t maxChars;
        const char* name;
        NameEncoding encoding;
    } cases[] = {
        {"San Francisco Intl", 80, "SAN_FRANCISCO_INTL", NameEncoding::Ascii},
        {"  Boeing  Field/King\tCounty ", 80, "BOEING_FIELD/KING_COUNTY", NameEncoding::Ascii},
        {"Z\xc3\xbcrich Kloten", 80, "ZURICH_KLOTEN", NameEncoding::Utf8},
        {"\xc5\x81\xc3\xb3""d\xc5\xba Lublinek", 80, "LODZ_LUBLINEK", NameEncoding::Utf8},
        {"Stra\xc3\x9f""e \xc3\x86r\xc3\xb8 \xc5\x92uvre", 80, "STRASSE_AERO_OEUVRE", NameEncoding::Utf8},
        {"Z\xfcrich \x8a""ibenik", 80, "ZURICH_SIBENIK", NameEncoding::Windows1252},
        {"\xe4\xb8\xad\xe6\x96\x87 Airport", 80, "AIRPORT", NameEncoding::Utf8},  // no Latin form
        {"A very long name", 8, "A_VERY_L", NameEncoding::Ascii},
        {";Semicolon", 80, "SEMICOLON", NameEncoding::Ascii},
        {"a_b", 80, "A_B", NameEncoding::Ascii},
    };
    for (const auto& c : cases) {
        NameEncoding encoding = NameEncoding::Ascii;
        EXPECT_EQ(navdata::unitName(c.raw, c.maxChars, &encoding), c.name) << c.raw;
        EXPECT_EQ(encoding, c.encoding) << c.raw;
    }
    EXPECT_EQ(navdata::unitIdent("KSFO"), "KSFO");
    EXPECT_EQ(navdata::unitIdent("\xc0\xce"), "");
    EXPECT_EQ(navdata::unitIdent("ABCDEFGHIJKLMN"), "ABCDEFGHIJK");
}

TEST(NavdataText, ReciprocalRunways) {
    const struct { const char* runway; const char* opposite; } cases[] = {
        {"04L", "22R"}, {"22R", "04L"}, {"18", "36"}, {"36C", "18C"}, {"9", "27"}, {"H1", "H1"}};
    for (const auto& c : cases) EXPECT_EQ(navdata::reciprocalRunway(c.runway), c.opposite) << c.runway;
}

// The field model stands in where no VOR is near; it must agree in sign and roughly in
// size with the published variation (2020) at well-known places.
TEST(NavdataText, FieldModelVariation) {
    const struct { double lat, lon, variation; } places[] = {
        {37.62, -122.37, 13.2},  // San Francisco
        {40.64, -73.78, -13.0},  // New York
        {-33.94, 151.18, 12.6},  // Sydney
        {-23.43, -46.47, -21.5},  // Sao Paulo
    };
    for (const auto& p : places) {
        EXPECT_NEAR(navdata::modelVariationDeg(p.lat, p.lon), p.variation, 7.0) << p.lat << " " << p.lon;
    }
}

}  // namespace
