#include "whole_set_script.h"

#include <gtest/gtest.h>

#include "fake_controls.h"
#include "piece_catalogue.h"

namespace armoursmith {
namespace {

using testing::FakeControls;
using testing::Lines;

FakeControls AtWholeSet(std::initializer_list<ArmourMaterial> materials) {
  FakeControls controls;
  for (const ArmourMaterial material : materials) {
    controls.Choose(material, WholeSetPosition(material));
  }
  return controls;
}

TEST(MakeWholeSet, ChainmailSetMatchesTheExampleByteForByte) {
  FakeControls controls = AtWholeSet({ArmourMaterial::Chainmail});
  controls.fields[8] = "never written";
  MakeWholeSet(controls);
  std::string expected = "// Designed By: Admin Pimlet :)\r\n";
  for (const auto& [word, id] : {std::pair{"Tunic", "i_chainmail_Tunic"},
                                 {"Leggings", "i_chainmail_leggings"},
                                 {"Coif", "i_chainmail_Coif"}}) {
    expected += std::string("[ITEMDEF i_Itemdef_") + word + "]\r\nDEFNAME=i_Defname_" + word +
                "\r\nNAME=Name " + word + "\r\nID=" + id +
                "\r\nTYPE=T_ARMOR\r\nWEIGHT=Weight\r\nARMOR=Armour\r\nREQSTR=StrReq\r\n"
                "REQDEX=DexReq\r\nREQINT=IntReq\r\nCATEGORY=Pimlet's Creations\r\n"
                "SUBSECTION=Name\r\nDESCRIPTION=" +
                word + "\r\n\r\nON=@Create\r\nCOLOR=Color\r\n{Hp Out of HP}\r\n\r\n";
  }
  EXPECT_EQ(controls.Script(), expected);
  EXPECT_EQ(Lines(expected).size(), 55u);
  EXPECT_EQ(controls.shows, 1);
}

TEST(MakeWholeSet, EachSetHasItsLengthAndOnlySomeHaveATrailer) {
  const std::vector<std::pair<ArmourMaterial, std::size_t>> sizes = {
      {ArmourMaterial::Platemail, 111},
      {ArmourMaterial::Ringmail, 73},
      {ArmourMaterial::Chainmail, 55},
      {ArmourMaterial::Leather, 111},
      {ArmourMaterial::HardLeather, 93}};
  for (const auto& [material, size] : sizes) {
    FakeControls controls = AtWholeSet({material});
    MakeWholeSet(controls);
    const auto lines = Lines(controls.Script());
    ASSERT_EQ(lines.size(), size);
    const bool trailer = lines.back() == "[EOF]";
    EXPECT_EQ(trailer,
              material != ArmourMaterial::Ringmail && material != ArmourMaterial::Chainmail);
    for (const auto& line : lines) {
      if (line.starts_with("DEFNAME=")) {
        EXPECT_EQ(line.find(']'), std::string::npos);
      }
      EXPECT_NE(line, "DESCRIPTION=Description");
    }
  }
  FakeControls plate = AtWholeSet({ArmourMaterial::Platemail});
  MakeWholeSet(plate);
  const auto lines = Lines(plate.Script());
  EXPECT_EQ(lines[94], "ID=i_platemail_gorget");  // the Gorget block is the last
  EXPECT_EQ(lines[107], "{Hp Out of HP}");
  EXPECT_EQ(lines[108], "");
  EXPECT_EQ(lines[109], "End If");
  EXPECT_EQ(lines[110], "[EOF]");
}

TEST(MakeWholeSet, TheFirstListAtWholeSetInTableOrderDecides) {
  using enum ArmourMaterial;
  FakeControls plateOverRing = AtWholeSet({Ringmail, Platemail});
  MakeWholeSet(plateOverRing);
  EXPECT_EQ(Lines(plateOverRing.Script()).size(), 111u);
  EXPECT_EQ(Lines(plateOverRing.Script())[4], "ID=i_platemail_leggings");

  FakeControls leatherOverHard = AtWholeSet({HardLeather, Leather});
  MakeWholeSet(leatherOverHard);
  EXPECT_EQ(Lines(leatherOverHard.Script())[4], "ID=i_leather_leggings");

  FakeControls none;
  none.Choose(Leather, 5);
  none.Choose(Platemail, 0);
  MakeWholeSet(none);
  EXPECT_TRUE(none.appends.empty());
  EXPECT_EQ(none.shows, 1);
}

TEST(MakeWholeSet, RepeatsFollowDirectlyAndEmptyFieldsStayEmpty) {
  FakeControls controls = AtWholeSet({ArmourMaterial::Ringmail});
  controls.fields[0] = "";
  MakeWholeSet(controls);
  MakeWholeSet(controls);
  const auto lines = Lines(controls.Script());
  ASSERT_EQ(lines.size(), 146u);
  EXPECT_EQ(lines[1], "[ITEMDEF i__Leggings]");
  EXPECT_EQ(lines[72], "");
  EXPECT_EQ(lines[73], "// Designed By: Admin Pimlet :)");
  EXPECT_EQ(lines[95], "ID=i_ringmail_Sleeves");
  EXPECT_EQ(controls.shows, 2);
}

TEST(MakeWholeSet, AFailureMidSetKeepsTheLinesBeforeIt) {
  FakeControls controls = AtWholeSet({ArmourMaterial::Leather});
  MakeWholeSet(controls);
  const std::string full = controls.Script();
  // Four list reads and eleven field reads come before the first append.
  FakeControls failing = AtWholeSet({ArmourMaterial::Leather});
  failing.failAt = 15 + 40;
  EXPECT_THROW(MakeWholeSet(failing), ControlError);
  EXPECT_EQ(failing.appends.size(), 39u);
  EXPECT_TRUE(full.starts_with(failing.Script()));
  EXPECT_EQ(failing.shows, 0);
}

}  // namespace
}  // namespace armoursmith
