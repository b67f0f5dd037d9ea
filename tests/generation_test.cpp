// The catalogue, the block writer and the two generators, over stand-in windows.
#include <gtest/gtest.h>

#include "fake_controls.h"
#include "item_block.h"
#include "piece_catalogue.h"
#include "single_piece_script.h"
#include "whole_set_script.h"

namespace armoursmith {
namespace {

using enum ArmourMaterial;
using testing::FakeControls;
using testing::Lines;

TEST(PieceCatalogue, IdsComeFromTheTableAndWholeSetHasNone) {
  EXPECT_EQ(BaseItemId(Platemail, 1), "i_platemail_chest");
  EXPECT_EQ(BaseItemId(HardLeather, 0), "i_studded_gorget");
  EXPECT_EQ(BaseItemId(Leather, 5), "i_leather_cap");
  EXPECT_EQ(BaseItemId(Ringmail, 2), "i_ringmail_gloves");
  const std::array<std::int16_t, 5> wholeSet = {6, 4, 3, 6, 5};
  for (const ArmourMaterial material : kArmourMaterials) {
    const std::int16_t last = wholeSet[static_cast<std::size_t>(material)];
    EXPECT_EQ(WholeSetPosition(material), last);
    EXPECT_EQ(CatalogueEntry(material).entries.back().label, "Whole Set");
    for (const int none : {-1, int{last}, last + 1, INT16_MIN}) {
      EXPECT_EQ(BaseItemId(material, static_cast<std::int16_t>(none)), std::nullopt);
    }
  }
}

TEST(ItemBlock, EmptyFieldsGiveSixteenBareLinesOneAppendEach) {
  FakeControls controls;
  AppendItemBlock(controls, ItemFields{}, {});
  EXPECT_EQ(controls.Script(),
            "[ITEMDEF ]\r\nDEFNAME=\r\nNAME=\r\nTYPE=T_ARMOR\r\nWEIGHT=\r\nARMOR=\r\n"
            "REQSTR=\r\nREQDEX=\r\nREQINT=\r\nCATEGORY=Pimlet's Creations\r\nSUBSECTION=\r\n"
            "DESCRIPTION=\r\n\r\nON=@Create\r\nCOLOR=\r\n{ }\r\n");
  ASSERT_EQ(controls.appends.size(), 15u);  // the empty line goes with the description
  EXPECT_EQ(controls.appends[11], "DESCRIPTION=\r\n\r\n");
}

TEST(ItemBlock, WritesTextsVerbatimWithTheOptionalLinesInPlace) {
  ItemFields fields;
  fields.texts = {"", "", "Sub ", " 5", "{a=b}", "", "", "", "", "0x1\xc2\xa0", "-3", "x"};
  FakeControls controls;
  controls.appends.push_back("typed");
  AppendItemBlock(controls, fields, {"a]b", "d", "n", "i_x", "e", /*trailingEmptyLine=*/true});
  const auto lines = Lines(controls.Script());
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "typed[ITEMDEF a]b]");
  EXPECT_EQ(lines[3], "ID=i_x");
  EXPECT_EQ(lines[4], "TYPE=T_ARMOR");
  EXPECT_EQ(lines[5], "WEIGHT= 5");
  EXPECT_EQ(lines[6], "ARMOR={a=b}");
  EXPECT_EQ(lines[11], "SUBSECTION=Sub ");
  EXPECT_EQ(lines[15], "COLOR=0x1\xc2\xa0");
  EXPECT_EQ(controls.appends.back(), "{-3 x}\r\n\r\n");
}

constexpr std::string_view kTunicScript =
    "// Designed By: Admin Pimlet :)\r\n[ITEMDEF Itemdef]\r\nDEFNAME=Defname\r\nNAME=Name\r\n"
    "ID=i_platemail_chest\r\nTYPE=T_ARMOR\r\nWEIGHT=Weight\r\nARMOR=Armour\r\n"
    "REQSTR=StrReq\r\nREQDEX=DexReq\r\nREQINT=IntReq\r\nCATEGORY=Pimlet's Creations\r\n"
    "SUBSECTION=Name\r\nDESCRIPTION=Description\r\n\r\nON=@Create\r\nCOLOR=Color\r\n"
    "{Hp Out of HP}\r\n";

TEST(MakeScript, WritesTheStartUpPromptsWithTheChosenPiece) {
  FakeControls controls;
  MakeScript(controls.Choose(Platemail, 1));
  EXPECT_EQ(controls.Script(), kTunicScript);
  EXPECT_EQ(controls.shows, 1);
}

TEST(ChooseBaseItemId, TakesTheFirstListInMaterialOrderThatHoldsAPiece) {
  const std::vector<std::pair<std::vector<std::pair<ArmourMaterial, std::int16_t>>,
                              std::optional<std::string_view>>>
      cases = {
          {{{HardLeather, 4}}, "i_studded_leggings"},
          {{{HardLeather, 5}}, std::nullopt},
          {{{Leather, 0}, {HardLeather, 1}}, "i_leather_gorget"},
          {{{Platemail, 6}, {Ringmail, 1}}, "i_ringmail_sleeves"},
          {{{Chainmail, 2}, {Platemail, 5}}, "i_platemail_helm"},
      };
  for (const auto& [choices, id] : cases) {
    FakeControls controls;
    for (const auto& [material, position] : choices) controls.Choose(material, position);
    EXPECT_EQ(ChooseBaseItemId(controls), id) << id.value_or("none");
  }
}

TEST(MakeScript, AFailureEndsItWithEarlierLinesKeptAndTheWindowNotShown) {
  // Twelve field reads and one list read come first; appends are operations 14 to 30.
  for (const int failAt : {3, 14, 15, 31}) {
    FakeControls controls;
    controls.failAt = failAt;
    EXPECT_THROW(MakeScript(controls.Choose(Platemail, 1)), ControlError);
    EXPECT_EQ(controls.shows, 0);
    EXPECT_EQ(controls.appends.size(), static_cast<std::size_t>(std::max(0, failAt - 14)));
    EXPECT_TRUE(kTunicScript.starts_with(controls.Script()));
  }
}

FakeControls AtWholeSet(std::initializer_list<ArmourMaterial> materials) {
  FakeControls controls;
  for (const ArmourMaterial material : materials) {
    controls.Choose(material, WholeSetPosition(material));
  }
  return controls;
}

TEST(MakeWholeSet, ChainmailSetMatchesTheExampleByteForByte) {
  FakeControls controls = AtWholeSet({Chainmail});
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
  EXPECT_EQ(controls.shows, 1);
}

TEST(MakeWholeSet, EachSetHasItsLengthAndOnlyThreeHaveATrailer) {
  const std::array<std::size_t, 5> sizes = {111, 73, 55, 111, 93};
  for (const ArmourMaterial material : kArmourMaterials) {
    FakeControls controls = AtWholeSet({material});
    MakeWholeSet(controls);
    const auto lines = Lines(controls.Script());
    ASSERT_EQ(lines.size(), sizes[static_cast<std::size_t>(material)]);
    EXPECT_EQ(lines.back() == "[EOF]", material != Ringmail && material != Chainmail);
  }
  FakeControls plate = AtWholeSet({Platemail});
  MakeWholeSet(plate);
  const auto lines = Lines(plate.Script());
  EXPECT_EQ(lines[94], "ID=i_platemail_gorget");  // the Gorget block comes last
  EXPECT_EQ(lines[107], "{Hp Out of HP}");
  EXPECT_EQ(lines[109], "End If");
}

TEST(MakeWholeSet, TheFirstListAtWholeSetInTableOrderDecides) {
  for (const auto& [lists, firstId] :
       {std::pair{AtWholeSet({Ringmail, Platemail}), "ID=i_platemail_leggings"},
        {AtWholeSet({HardLeather, Leather}), "ID=i_leather_leggings"}}) {
    FakeControls controls = lists;
    MakeWholeSet(controls);
    EXPECT_EQ(Lines(controls.Script())[4], firstId);
  }
  FakeControls none;
  MakeWholeSet(none.Choose(Leather, 5).Choose(Platemail, 0));
  EXPECT_TRUE(none.appends.empty());
  EXPECT_EQ(none.shows, 1);
}

TEST(MakeWholeSet, RepeatsFollowDirectlyAndAFailureKeepsTheLinesBeforeIt) {
  FakeControls controls = AtWholeSet({Ringmail});
  controls.fields[0] = "";
  MakeWholeSet(controls);
  MakeWholeSet(controls);
  const auto lines = Lines(controls.Script());
  ASSERT_EQ(lines.size(), 146u);
  EXPECT_EQ(lines[1], "[ITEMDEF i__Leggings]");
  EXPECT_EQ(lines[73], "// Designed By: Admin Pimlet :)");
  EXPECT_EQ(lines[95], "ID=i_ringmail_Sleeves");  // the set keeps its own capitals

  FakeControls failing = AtWholeSet({Ringmail});
  failing.failAt = 2 + 11 + 40;  // two list reads and eleven field reads come first
  EXPECT_THROW(MakeWholeSet(failing), ControlError);
  EXPECT_EQ(failing.appends.size(), 39u);
  EXPECT_EQ(failing.shows, 0);
}

}  // namespace
}  // namespace armoursmith
