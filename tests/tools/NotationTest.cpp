// Names and staff places of the written notes.
#include "tools/Staff.h"
#include "tools/WrittenPitch.h"

#include "media/NoteTable.h"

#include <gtest/gtest.h>

namespace tolvane::mediagen {
namespace {

TEST(Notation, NamesTheNotesAsTheChartDoes)
{
    EXPECT_EQ(displayNameOf(0), "Low B♭");
    EXPECT_EQ(displayNameOf(15), "Middle C♯");
    EXPECT_EQ(displayNameOf(47), "Top A");
    EXPECT_EQ(spell(writtenPitchOf(0)), "B♭3");
    EXPECT_EQ(spell(writtenPitchOf(2)), "C4");
    EXPECT_EQ(spell(writtenPitchOf(47)), "A7");
    EXPECT_EQ(spellSounding(0), "D♭3");
    EXPECT_EQ(spellSounding(15), "E4");
    EXPECT_NEAR(soundingFrequencyOf(0), 138.59, 0.01);
    EXPECT_NEAR(soundingFrequencyOf(11), 261.63, 0.01) << "written A4 sounds middle C";
}

TEST(Notation, PlacesEveryNoteWithAtMostFourLedgerLines)
{
    EXPECT_EQ(placeOnStaff(writtenPitchOf(6)).position, 0) << "E4 on the bottom line";
    EXPECT_EQ(placeOnStaff(writtenPitchOf(19)).position, 8) << "F5 on the top line";
    EXPECT_EQ(placeOnStaff(writtenPitchOf(18)).ledgerLines, 0) << "E5 in the top space";
    EXPECT_EQ(placeOnStaff(writtenPitchOf(2)).ledgerLines, -1) << "middle C below the staff";
    EXPECT_EQ(placeOnStaff(writtenPitchOf(0)).position, -3) << "B♭3 under its ledger line";

    bool ottavaSeen = false;
    for (std::size_t note = 0; note < media::kNoteCount; ++note) {
        SCOPED_TRACE(displayNameOf(note));
        const StaffPlacement placement = placeOnStaff(writtenPitchOf(note));
        EXPECT_LE(std::abs(placement.ledgerLines), kMostLedgerLines);
        EXPECT_TRUE(placement.ottava || !ottavaSeen) << "once an octave lower, always";
        ottavaSeen = placement.ottava;
    }
    EXPECT_FALSE(placeOnStaff(writtenPitchOf(35)).ottava) << "A6 still fits with four ledger lines";
    EXPECT_TRUE(placeOnStaff(writtenPitchOf(36)).ottava) << "B♭6 would need five";
}

} // namespace
} // namespace tolvane::mediagen
